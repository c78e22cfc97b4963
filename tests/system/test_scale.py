# SPDX-License-Identifier: MIT
"""At the common scale factors the window grows by the factor, its cells
stay sharp and every text is drawn whole."""
import collections
import glob
import os
import struct
import time
import unittest

from harness import CELL, WELL_X, WELL_Y, Desktop, SystemTest, wait_for

ASSETS = os.path.join(os.path.dirname(__file__), "..", "..", "assets")

SCALES = (2, 1.25, 1.5)
# Texts shown once a game has started, as logical rectangles of the window.
TEXTS = {
    "toolbar captions": (2, 24, 320, 18),
    "level name": (20, 406, 73, 18),
    "score": (20, 458, 73, 22),
}
# The captions of the Help dialog's three boxes.
HELP_TEXTS = {"rules": (14, 5, 60, 14), "keys": (14, 65, 100, 14), "levels": (14, 157, 40, 14)}


def tile_colours():
    """The colours of each cell picture (bottom-up DIBs, 8 bits with a
    palette or 24 bits)."""
    tiles = []
    for path in glob.glob(os.path.join(ASSETS, "*.dib")):
        with open(path, "rb") as f:
            data = f.read()
        _, w, h, _, bits = struct.unpack_from("<IiiHH", data)
        stride = (w * bits + 31) // 32 * 4
        start = 40 + (1024 if bits == 8 else 0)
        colours = set()
        for y in range(h):
            row = data[start + y * stride:]
            for x in range(w):
                if bits == 8:
                    b, g, r = data[40 + 4 * row[x]:40 + 4 * row[x] + 3]
                else:
                    b, g, r = row[3 * x:3 * x + 3]
                colours.add((r, g, b))
        tiles.append(colours)
    return tiles


def ink_box(pic, rect, scale):
    """The bounding box, in logical pixels, of what differs from the most
    common colour of `rect`."""
    x, y, w, h = (round(v * scale) for v in rect)
    colours = collections.Counter(pic.at(i, j) for j in range(y, y + h) for i in range(x, x + w))
    ground = colours.most_common(1)[0][0]
    ink = [(i, j) for j in range(y, y + h) for i in range(x, x + w)
           if sum(abs(a - b) for a, b in zip(pic.at(i, j), ground)) > 120]
    if not ink:
        return None
    xs, ys = [i for i, _ in ink], [j for _, j in ink]
    return min(xs) / scale, min(ys) / scale, (max(xs) + 1) / scale, (max(ys) + 1) / scale


class ScaleTest(SystemTest):
    sound = False

    def setUp(self):
        self.desktop = Desktop(sound=False, size="1600x1200")
        self.addCleanup(self.desktop.close)

    def started(self, scale):
        """The game at `scale` once a game runs, and its window and Help
        dialog as pictures."""
        game = self.start_game({"QT_SCALE_FACTOR": str(scale)})
        game.keys("F2")
        # The first piece shows in the well's top rows; a busy machine may
        # take a while to draw it.
        well_top = [(round((WELL_X + CELL * c + CELL // 2) * scale), round((WELL_Y + CELL * r + CELL // 2) * scale))
                    for c in range(12) for r in range(3)]

        def with_piece():
            p = game.screenshot(os.path.join(self.desktop.tmp, "scale%s.ppm" % scale))
            return p if any(p.at(x, y) != (0, 0, 0) for x, y in well_top) else None
        pic = wait_for(with_piece, timeout=10)
        self.assertTrue(pic, "a piece in the well at scale %s" % scale)
        self.desktop.run("xdotool", "mousemove", "--window", game.window, str(round(200 * scale)),
                         str(round(22 * scale)), "click", "1")  # 帮助
        help_window = self.desktop.find_window("帮助")
        self.assertTrue(help_window)
        time.sleep(0.3)
        return game, pic, self.desktop.grab(help_window)[0]

    def test_window_grows_cells_stay_sharp_and_texts_are_whole(self):
        plain, pic, help_pic = self.started(1)
        unscaled = {name: ink_box(pic, rect, 1) for name, rect in TEXTS.items()}
        unscaled_help = {name: ink_box(help_pic, rect, 1) for name, rect in HELP_TEXTS.items()}
        plain.close()
        for scale in SCALES:
            with self.subTest(scale=scale):
                game, pic, help_pic = self.started(scale)
                g = game.geometry()
                game.close()
                self.assertLessEqual(abs(g["Width"] - 367 * scale), 1)
                self.assertLessEqual(abs(g["Height"] - 491 * scale), 1)
                self.check_cells(pic, scale)
                # A text cut off by its control would lose its edges. At 1x
                # the small texts are bitmaps, up to two pixels smaller than
                # the outlines drawn at the higher factors.
                for shot, texts, reference in ((pic, TEXTS, unscaled), (help_pic, HELP_TEXTS, unscaled_help)):
                    for name, rect in texts.items():
                        box = ink_box(shot, rect, scale)
                        self.assertIsNotNone(box, name)
                        for edge, (got, want) in enumerate(zip(box, reference[name])):
                            inward = got - want if edge < 2 else want - got
                            self.assertTrue(-2.5 <= inward <= 1.5, "%s: %s, unscaled %s" % (name, box, reference[name]))
                # The background picture fills the window at the factor.
                self.assertNotEqual(pic.at(round(2 * scale), round(300 * scale)), (0, 0, 0))
                self.assertEqual(pic.at(round(200 * scale), round(300 * scale)), (0, 0, 0))

    def check_cells(self, pic, scale):
        size = round(CELL * scale)
        shown = []
        for r in range(1, 5):
            for c in range(1, 13):
                x, y = round((WELL_X + (c - 1) * CELL) * scale), round((WELL_Y + (r - 1) * CELL) * scale)
                if pic.at(x + size // 2, y + size // 2) != (0, 0, 0):
                    shown.append((x, y))
        self.assertEqual(len(shown), 4)
        # Each cell and the pixels around it hold nothing but the colours of
        # one cell picture and the black well: nearest-pixel scaling repeats
        # a picture's own colours, smoothing would blend them with the black.
        top = round(WELL_Y * scale)
        seen = {pic.at(x, y) for x0, y0 in shown
                for y in range(max(top, y0 - 1), y0 + size + 1) for x in range(x0 - 1, x0 + size + 1)} - {(0, 0, 0)}
        self.assertTrue(any(seen <= tile for tile in tile_colours()), "blended colours at scale %s" % scale)

if __name__ == "__main__":
    unittest.main()
