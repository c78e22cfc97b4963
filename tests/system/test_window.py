# SPDX-License-Identifier: MIT
"""The real game on a real X server: the window and what it shows at start."""
import time
import unittest

from harness import SystemTest, well_occupancy


class WindowTest(SystemTest):
    sound = False

    def test_window_title_size_and_first_frame(self):
        game = self.start_game()
        self.assertEqual(game.title(), "Zembra")
        g = game.geometry()
        self.assertEqual((g["Width"], g["Height"]), (367, 491))
        pic = game.screenshot()
        self.assertEqual((pic.w, pic.h), (367, 491))
        # The well is black all over, and so are the preview boxes.
        self.assertEqual(well_occupancy(pic), ["." * 12] * 21)
        black = pic.count(109, 58, 350, 478, lambda p: p == (0, 0, 0))
        self.assertGreater(black, 0.99 * 241 * 420)
        self.assertEqual(pic.count(13, 60, 90, 150, lambda p: p != (0, 0, 0)), 0)
        # The level name "一级" in fuchsia over box 4.
        fuchsia = pic.count(20, 408, 93, 422, lambda p: p[0] > 180 and p[2] > 180 and p[1] < 90)
        self.assertGreater(fuchsia, 15)
        # No star yet, no score.
        self.assertEqual(pic.count(16, 427, 91, 457, lambda p: p[0] > 150 and p[1] < 80), 0)
        # The toolbar: button face with dark captions and blue images.
        toolbar = [pic.at(x, y) for y in range(0, 45) for x in range(0, 367)]
        self.assertGreater(len(set(toolbar)), 20)
        blue = sum(1 for p in toolbar if p[2] > 150 and p[0] < 120)
        self.assertGreater(blue, 50)
        self.assertEqual(game.output().strip(), "", "nothing on the console")

    def test_window_tells_the_window_manager_its_size_is_fixed(self):
        game = self.start_game()
        hints = self.desktop.run("xprop", "-id", game.window, "WM_NORMAL_HINTS").stdout
        self.assertIn("program specified minimum size: 367 by 491", hints)
        self.assertIn("program specified maximum size: 367 by 491", hints)

    def press_and_pull(self, game, x, y, button):
        """Presses at (x, y) of the window, pulls 50 right and 30 down; the move."""
        g0 = game.geometry()
        x, y = g0["Absolute upper-left X"] + x, g0["Absolute upper-left Y"] + y
        run = self.desktop.run
        run("xdotool", "mousemove", str(x), str(y))
        run("xdotool", "mousedown", button)
        for step in range(1, 6):
            run("xdotool", "mousemove", str(x + 10 * step), str(y + 6 * step))
            time.sleep(0.03)
        run("xdotool", "mouseup", button)
        time.sleep(0.2)
        g1 = game.geometry()
        return (g1["Absolute upper-left X"] - g0["Absolute upper-left X"],
                g1["Absolute upper-left Y"] - g0["Absolute upper-left Y"])

    def test_any_button_on_the_background_drags_the_window(self):
        game = self.start_game()
        for button in ("1", "2", "3"):
            with self.subTest(button=button):
                self.assertEqual(self.press_and_pull(game, 40, 300, button), (50, 30))
                if button == "3":
                    menu = self.desktop.run("xdotool", "search", "--onlyvisible", "--class", "zembra").stdout.split()
                    self.assertGreater(len(menu), 1, "the settings menu opened on release")
                    self.desktop.run("xdotool", "key", "Escape")
        # What lies on the picture takes its own presses: the level name, the
        # score, a star, the next piece.
        game.keys("F2", "F3")
        pic = game.screenshot()
        nx, ny = next((x, y) for y in range(60, 150) for x in range(14, 90)
                      if pic.at(x, y) != (0, 0, 0) and pic.at(x + 6, y + 6) != (0, 0, 0))
        for place, x, y in (("level name", 56, 414), ("score", 37, 467), ("star", 23, 434), ("next piece", nx + 6, ny + 6)):
            with self.subTest(place=place):
                self.assertEqual(self.press_and_pull(game, x, y, "1"), (0, 0), place)

    def test_e_quits_at_once(self):
        game = self.start_game()
        game.keys("F2")
        game.keys("e")
        game.proc.wait(timeout=5)
        self.assertEqual(game.proc.returncode, 0)


if __name__ == "__main__":
    unittest.main()
