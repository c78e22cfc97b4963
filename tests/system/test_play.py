# SPDX-License-Identifier: MIT
"""A game played with real key presses from start to game over."""
import os
import time
import unittest

from harness import DROPOUT, SystemTest, cell_centre, game_running, sounding_spans, well_occupancy


class PlayTest(SystemTest):
    def test_start_drop_until_game_over(self):
        game = self.start_game()
        time.sleep(0.5)  # the audio output opens after the first frame
        rec = self.desktop.record_start()
        game.keys("F2")
        time.sleep(0.15)
        first = well_occupancy(game.screenshot())
        cells = [(r, c) for r, row in enumerate(first) for c, ch in enumerate(row) if ch == "#"]
        self.assertIn(len(cells), (4,), first)
        self.assertTrue(all(4 <= c <= 7 for _, c in cells), first)  # columns 5..8
        self.assertTrue(min(r for r, _ in cells) <= 1, first)  # at the top
        # Drop piece after piece until the well is full.
        for _ in range(60):
            game.keys("space", delay=0.02)
            time.sleep(0.56)
            if not game_running(game.screenshot()):
                break
        time.sleep(3.2)
        samples = self.desktop.record_stop(rec)
        pic = game.screenshot(os.path.join(self.desktop.tmp, "game-over.ppm"))
        # The banner: bright red text over the middle of the well.
        red = pic.count(109, 208, 350, 250, lambda p: p[0] > 200 and p[1] < 60 and p[2] < 60)
        self.assertGreater(red, 300, "GAME  OVER is shown")
        # Every occupied cell is grey.
        occupied = well_occupancy(pic)
        greys = 0
        for r, row in enumerate(occupied):
            for c, ch in enumerate(row):
                if ch == "#":
                    x, y = cell_centre(c + 1, r + 1)
                    if 208 <= y <= 250:
                        continue  # under the banner
                    p = pic.at(x, y)
                    self.assertTrue(abs(p[0] - p[1]) < 8 and abs(p[1] - p[2]) < 8, (r, c, p))
                    greys += 1
        self.assertGreater(greys, 20)
        # Heard: the start jingle, landings, and the game-over phrase at the end.
        spans = sounding_spans(samples, gap=0.02)
        self.assertGreater(len(spans), 5, spans)
        landings = [s for s in spans[1:-1] if 0.25 <= s[1] - s[0] <= 0.45]
        self.assertGreater(len(landings), 3, spans)
        whole = sounding_spans(samples, gap=DROPOUT)
        # The jingle sounds from F2 until the first landing's thud (0.37 s)
        # cuts it, at least a screenshot's time later: more than the thud.
        first_span = whole[0][1] - whole[0][0]
        self.assertGreater(first_span, 0.55, "the start jingle, cut by the first landing: %s" % whole[:3])
        last = whole[-1][1] - whole[-1][0]
        self.assertAlmostEqual(last, 2.905, delta=0.3)


if __name__ == "__main__":
    unittest.main()
