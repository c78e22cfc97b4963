# SPDX-License-Identifier: MIT
"""The real zembra.exe under wine, on Windows' own platform plugin, in wine's
virtual desktop (which draws Windows' frames): its window as Windows knows
it, its first frame against the Linux build's, a game played by keys, the
restart box, About, Help, its sounds from a private sound server, and E."""
import os
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "system"))
import harness  # noqa: E402
from harness import parse_ppm, wait_for, well_occupancy  # noqa: E402

WINE = os.environ.get("ZEMBRA_WINE", "/usr/lib/wine/wine64")
WINESERVER = os.environ.get("ZEMBRA_WINESERVER", "/usr/lib/wine/wineserver64")
EXE = os.environ.get("ZEMBRA_WINDOWS_EXE", "")
PROBE = os.environ.get("ZEMBRA_WINDOW_PROBE", "")
LINUX_EXE = os.environ.get("ZEMBRA_LINUX_EXE", "")
SHOTS = os.environ.get("ZEMBRA_SCREENSHOTS", "")


class WineGameTest(unittest.TestCase):
    def setUp(self):
        self.desk = harness.Desktop()
        self.addCleanup(self.desk.close)
        self.desk.env.update({"WINEPREFIX": os.environ["WINEPREFIX"], "WINEDEBUG": "-all",
                              "WINEDLLOVERRIDES": "mscoree,mshtml="})
        # Wine's desktop lives with the X server it was started on: begin
        # with none, and end this one's with the test.
        self.desk.run(WINESERVER, "-k")
        self.desk.run(WINESERVER, "-w")
        self.addCleanup(lambda: self.desk.run(WINESERVER, "-k"))

    def probe(self, title):
        """(x, y, width, height, has a maximise box) of each window so titled."""
        out = subprocess.run([WINE, PROBE, title], env=self.desk.env, capture_output=True, text=True, timeout=60)
        return [tuple(int(v) for v in line.split()) for line in out.stdout.splitlines() if line.strip()]

    def wait_window(self, title, present=True, timeout=20):
        return wait_for(lambda: bool(self.probe(title)) == present, timeout=timeout, step=0.3)

    def grab(self, rect):
        x, y, w, h = rect[:4]
        data = subprocess.run(["import", "-window", self.desktop_window, "-depth", "8", "-crop",
                               "%dx%d+%d+%d" % (w, h, x, y), "ppm:-"],
                              env=self.desk.env, capture_output=True, check=True, timeout=20).stdout
        return parse_ppm(data), data

    def save(self, name, rect):
        """A PNG of the window with the frame Windows draws around it."""
        if SHOTS:
            os.makedirs(SHOTS, exist_ok=True)
            x, y, w, h = rect[:4]
            framed = (max(0, x - 4), max(0, y - 26), w + 8, h + 30)
            subprocess.run(["convert", "ppm:-", os.path.join(SHOTS, name + ".png")], input=self.grab(framed)[1],
                           check=True, timeout=20)

    def key(self, *keys):
        self.desk.run("xdotool", "windowfocus", "--sync", self.desktop_window)
        for k in keys:
            self.desk.run("xdotool", "key", k)
            time.sleep(0.06)

    def click(self, x, y):
        self.desk.run("xdotool", "mousemove", "--window", self.desktop_window, str(x), str(y))
        self.desk.run("xdotool", "click", "1")

    def linux_first_frame(self):
        game = harness.Game(self.desk, exe=LINUX_EXE)
        try:
            self.desk.run("xdotool", "mousemove", "0", "0")
            time.sleep(0.3)
            return game.screenshot()
        finally:
            game.close()

    def test_the_game_under_wine(self):
        reference = self.linux_first_frame() if LINUX_EXE and os.path.exists(LINUX_EXE) else None
        game = subprocess.Popen([WINE, EXE], env=self.desk.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(lambda: game.poll() is None and game.kill())
        time.sleep(2)  # wine's server and desktop start with the game
        self.assertTrue(self.wait_window("Zembra"), "no window titled Zembra")
        (x, y, w, h, maximise), = self.probe("Zembra")
        self.assertEqual((w, h, maximise), (367, 491, 0), "client area 367 x 491, no maximise box")
        self.desktop_window = wait_for(lambda: self.desk.find_window("Default - Wine desktop"), timeout=10)
        self.assertTrue(self.desktop_window, "wine's virtual desktop")
        client = (x, y, w, h)
        self.desk.run("xdotool", "mousemove", "--window", self.desktop_window, "2", "2")
        time.sleep(1.0)

        # The first frame is the Linux build's wherever no text is: the
        # background and the well, the preview boxes, the toolbar's pictures.
        first = self.grab(client)[0]
        if reference:
            differing = []
            for yy in range(45, 491):
                for xx in range(367):
                    if 9 <= xx <= 95 and 405 <= yy <= 480:
                        continue  # the level name and the score
                    if first.at(xx, yy) != reference.at(xx, yy):
                        differing.append((xx, yy))
            self.assertEqual(differing[:5], [], "%d pixels of the background differ" % len(differing))
            # The pictures' own pixels: not the button face the platform
            # chooses, not the toolbar's edges and separator, which are lines
            # down every row, and not the disabled pause button, whose greyed
            # picture the toolkit makes from the platform's colours.
            face = reference.at(360, 40)
            lines = {xx for xx in range(367) if all(reference.at(xx, yy) != face for yy in range(5, 21))}
            lines |= set(range(55, 107))
            icons = [(xx, yy) for yy in range(3, 21) for xx in range(367)
                     if xx not in lines and reference.at(xx, yy) != face and first.at(xx, yy) != reference.at(xx, yy)]
            self.assertEqual(icons[:5], [], "%d pixels of the toolbar pictures differ" % len(icons))

        # A game by keys: the jingle, then pieces dropped in four places,
        # each landing read back from the screen.
        rec = self.desk.record_start()
        self.click(x + 200, y + 250)  # the well: takes the keyboard, does nothing else
        self.key("F2")
        time.sleep(1.2)
        lower = lambda: sum(row.count("#") for row in well_occupancy(self.grab(client)[0])[9:])
        landed = lower()
        for moves in (["Left"] * 5, ["Right"] * 5, [], ["Left"] * 2):
            self.key(*moves, "space")
            time.sleep(0.7)
            now = lower()
            self.assertIn(now - landed, (3, 4, 5), "a piece of 3 to 5 cells landed: %d -> %d" % (landed, now))
            landed = now
        self.save("main", client)
        spans = harness.sounding_spans(self.desk.record_stop(rec), gap=0.02)
        self.assertTrue(spans and spans[0][1] - spans[0][0] > 0.3, "the start jingle: %s" % spans)
        self.assertTrue(any(0.25 <= b - a <= 0.45 for a, b in spans[1:]), "a landing's thud: %s" % spans)

        # F2 while playing asks first; 取消 keeps the game, 确定 starts anew.
        self.key("F2")
        self.assertTrue(self.wait_window("游戏提示"), "the restart box")
        box, = self.probe("游戏提示")
        self.save("box", box)
        self.key("Escape")
        self.assertTrue(self.wait_window("游戏提示", present=False))
        self.assertGreaterEqual(lower(), landed, "取消 keeps the game")
        self.key("F2")
        self.assertTrue(self.wait_window("游戏提示"))
        self.key("Return")
        self.assertTrue(self.wait_window("游戏提示", present=False))
        time.sleep(0.3)
        self.assertEqual(lower(), 0, "确定 starts a new game")

        # About and Help open from the toolbar and close with Enter.
        for title, at, size in (("关于", 243, (340, 178)), ("帮助", 200, (408, 293))):
            self.click(x + at, y + 22)
            self.assertTrue(self.wait_window(title), title)
            dialog, = self.probe(title)
            self.assertEqual(dialog[2:4], size, title)
            time.sleep(0.5)
            self.save({"关于": "about", "帮助": "help"}[title], dialog)
            self.key("Return")
            self.assertTrue(self.wait_window(title, present=False), title + " closes")

        # E ends the process, with success.
        self.key("e")
        self.assertEqual(game.wait(timeout=20), 0)


if __name__ == "__main__":
    unittest.main()
