# SPDX-License-Identifier: MIT
"""The real zembra.exe under wine, on Windows' own platform plugin, in wine's
virtual desktop (which draws Windows' frames): its window as Windows knows
it, its first frame against the Linux build's, a game played by keys, the
restart box, About, Help, its sounds from a private sound server, and E;
and the unpacked download started from a folder with a Chinese name."""
import os
import shutil
import struct
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
PACKAGE = os.environ.get("ZEMBRA_WINDOWS_PACKAGE", "")
ASSETS = os.path.join(os.path.dirname(__file__), "..", "..", "assets")


def dib_colours(path):
    """The colours of a cell picture: a bare bitmap of 8 bits (palette) or 24."""
    with open(path, "rb") as f:
        dib = f.read()
    header, w, h, bits = struct.unpack_from("<IiiH", dib, 0)[0], *struct.unpack_from("<ii", dib, 4), dib[14]
    if bits == 8:
        used = struct.unpack_from("<I", dib, 32)[0] or 256
        palette = [tuple(dib[header + 4 * i + k] for k in (2, 1, 0)) for i in range(used)]
        pixels = dib[header + 4 * used:]
        stride = (w + 3) // 4 * 4
        return {palette[pixels[r * stride + c]] for r in range(abs(h)) for c in range(w)}
    stride = (w * 3 + 3) // 4 * 4
    pixels = dib[header:]
    return {tuple(pixels[r * stride + 3 * c + k] for k in (2, 1, 0)) for r in range(abs(h)) for c in range(w)}


class WineGameTest(unittest.TestCase):
    def setUp(self, size="1024x768"):
        self.desk = harness.Desktop(size=size)
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

    def start(self, exe):
        game = subprocess.Popen([WINE, exe], env=self.desk.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(lambda: game.poll() is None and game.kill())
        time.sleep(2)  # wine's server and desktop start with the game
        self.assertTrue(self.wait_window("Zembra"), "no window titled Zembra")
        self.desktop_window = wait_for(lambda: self.desk.find_window("Default - Wine desktop"), timeout=10)
        self.assertTrue(self.desktop_window, "wine's virtual desktop")
        return game

    def set_dpi(self, dpi):
        """Windows' display scale (96 = 100 %), read by each program as it starts."""
        self.desk.run(WINE, "reg", "add", "HKCU\\Control Panel\\Desktop", "/v", "LogPixels", "/t", "REG_DWORD",
                      "/d", str(dpi), "/f")

    def scaled_screens(self):
        """At one scale: the sizes of the window, About, Help and the restart
        box, and the colours of the main window during a game, but for its
        text (the toolbar's captions, the level name and the score)."""
        game = self.start(EXE)
        (x, y, w, h, _), = self.probe("Zembra")
        sizes = {"main": (w, h)}
        self.click(x + w // 2, y + h // 2)
        self.key("F2")
        time.sleep(1.0)
        pic = self.grab((x, y, w, h))[0]
        s = w / 367
        colours = {pic.at(i, j) for j in range(h) for i in range(w)
                   if j >= 45 * s and not (9 * s <= i <= 96 * s and 405 * s <= j <= 481 * s)}
        self.save("main-%d" % round(s * 100), (x, y, w, h))
        for title, at in (("关于", 243), ("帮助", 200)):
            self.click(x + round(at * s), y + round(22 * s))
            self.assertTrue(self.wait_window(title), title)
            sizes[title] = self.probe(title)[0][2:4]
            self.key("Return")
            self.assertTrue(self.wait_window(title, present=False), title)
        self.key("F2")
        self.assertTrue(self.wait_window("游戏提示"), "the restart box")
        sizes["box"] = self.probe("游戏提示")[0][2:4]
        self.key("Escape")
        self.assertTrue(self.wait_window("游戏提示", present=False))
        self.key("e")
        self.assertEqual(game.wait(timeout=20), 0)
        self.desk.run(WINESERVER, "-w")
        return sizes, colours

    def test_at_125_and_150_percent(self):
        # Every window at the system's scale, its pictures scaled by nearest
        # pixel: no colour at 125 % or 150 % that the game at 100 % and its
        # cell pictures do not have.
        # A screen that holds the window at 150 %, and wine's desktop as large.
        self.doCleanups()
        self.setUp("1600x1200")
        self.desk.run(WINE, "reg", "add", "HKCU\\Software\\Wine\\Explorer\\Desktops", "/v", "Default", "/d",
                      "1600x1200", "/f")

        def restore():
            self.set_dpi(96)
            self.desk.run(WINE, "reg", "add", "HKCU\\Software\\Wine\\Explorer\\Desktops", "/v", "Default",
                          "/d", "1024x768", "/f")
            self.desk.run(WINESERVER, "-w")  # written to the prefix before the server goes
        self.addCleanup(restore)
        self.set_dpi(96)
        base, allowed = self.scaled_screens()
        for name in os.listdir(ASSETS):
            if name.endswith(".dib"):
                allowed |= dib_colours(os.path.join(ASSETS, name))
        for dpi, main in ((120, (459, 614)), (144, (551, 737))):
            with self.subTest(dpi=dpi):
                self.set_dpi(dpi)
                sizes, colours = self.scaled_screens()
                self.assertEqual(sizes["main"], main)
                for name, (w, h) in base.items():
                    self.assertLessEqual(abs(sizes[name][0] - w * dpi / 96), 1.5, (name, sizes[name]))
                    self.assertLessEqual(abs(sizes[name][1] - h * dpi / 96), 1.5, (name, sizes[name]))
                blended = colours - allowed
                self.assertEqual(len(blended), 0, "%d colours blended by scaling: %s" % (len(blended), sorted(blended)[:5]))

    @unittest.skipUnless(PACKAGE, "no unpacked download")
    def test_the_download_from_a_chinese_folder(self):
        # Where a player on a Chinese Windows unpacks it: the desktop of a user
        # with a Chinese name, in a folder with one.
        folder = os.path.join(os.environ["WINEPREFIX"], "drive_c", "users", "玩家", "桌面", "游戏")
        shutil.rmtree(folder, ignore_errors=True)
        shutil.copytree(PACKAGE, folder)
        self.addCleanup(shutil.rmtree, os.path.dirname(os.path.dirname(folder)), True)
        game = self.start("C:\\users\\玩家\\桌面\\游戏\\zembra.exe")
        (x, y, w, h, _), = self.probe("Zembra")
        self.assertEqual((w, h), (367, 491))
        rec = self.desk.record_start()
        self.click(x + 200, y + 250)
        self.key("F2")
        time.sleep(1.5)
        cells = sum(row.count("#") for row in well_occupancy(self.grab((x, y, w, h))[0]))
        spans = harness.sounding_spans(self.desk.record_stop(rec), gap=0.02)
        self.assertIn(cells, (3, 4, 5), "a falling piece")
        self.assertTrue(spans and spans[0][1] - spans[0][0] > 0.3, "the start jingle: %s" % spans)
        self.key("e")
        self.assertEqual(game.wait(timeout=20), 0)

    def test_the_game_under_wine(self):
        reference = self.linux_first_frame() if LINUX_EXE and os.path.exists(LINUX_EXE) else None
        game = self.start(EXE)
        (x, y, w, h, maximise), = self.probe("Zembra")
        self.assertEqual((w, h, maximise), (367, 491, 0), "client area 367 x 491, no maximise box")
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
