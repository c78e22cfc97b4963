# SPDX-License-Identifier: MIT
"""At a scale factor of 2 the window is twice the size and stays sharp."""
import time
import unittest

from harness import Desktop, Game, SystemTest


class ScaleTest(SystemTest):
    sound = False

    def setUp(self):
        self.desktop = Desktop(sound=False, size="1600x1200")
        self.addCleanup(self.desktop.close)

    def test_twice_the_size_with_sharp_cells(self):
        game = self.start_game({"QT_SCALE_FACTOR": "2"})
        g = game.geometry()
        self.assertEqual((g["Width"], g["Height"]), (734, 982))
        game.keys("F2")
        time.sleep(0.2)
        pic = game.screenshot("/tmp/zembra-scale2.ppm")
        # Find the piece's cells: 40 x 40 device pixels each.
        shown = []
        for r in range(1, 5):
            for c in range(1, 13):
                x, y = 2 * (109 + (c - 1) * 20) + 20, 2 * (58 + (r - 1) * 20) + 20
                if pic.at(x, y) != (0, 0, 0):
                    shown.append((x - 20, y - 20))
        self.assertEqual(len(shown), 4)
        x0, y0 = shown[0]
        colours = {pic.at(x, y) for y in range(y0, y0 + 40) for x in range(x0, x0 + 40)}
        # Nearest-pixel scaling only repeats the tile's own colours; smoothing
        # would blend neighbours into hundreds of new ones.
        self.assertLessEqual(len(colours), 60)
        # Each source pixel becomes a block: the outline is at least 1 device
        # pixel and the top-left 2 x 2 block is one colour.
        self.assertEqual(len({pic.at(x0, y0), pic.at(x0 + 1, y0), pic.at(x0, y0 + 1)}), 1)
        # The background picture fills the window at twice its size.
        self.assertNotEqual(pic.at(2 * 2, 2 * 300), (0, 0, 0))
        self.assertEqual(pic.at(2 * 200, 2 * 300), (0, 0, 0))


if __name__ == "__main__":
    unittest.main()
