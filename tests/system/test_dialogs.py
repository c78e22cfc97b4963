# SPDX-License-Identifier: MIT
"""The About and Help dialogs on a real X server, and a link handed to the
desktop through xdg-open."""
import os
import stat
import time
import unittest

from harness import ASSETS, SystemTest, find_picture, read_png, wait_for

VISITED = (0x82, 0x5F, 0x46)
UNVISITED = (0x3C, 0x3C, 0x78)


class DialogsTest(SystemTest):
    sound = False

    def click(self, window, x, y):
        self.desktop.run("xdotool", "mousemove", "--window", window, str(x), str(y), "click", "1")

    def find(self, title):
        return self.desktop.find_window(title)

    def geometry(self, window):
        info = self.desktop.run("xwininfo", "-id", window).stdout
        g = {}
        for line in info.splitlines():
            k, _, v = line.strip().partition(":")
            if k in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"):
                g[k] = int(v)
        return g["Absolute upper-left X"], g["Absolute upper-left Y"], g["Width"], g["Height"]

    def screen_size(self):
        line = next(l for l in self.desktop.run("xdpyinfo").stdout.splitlines() if "dimensions:" in l)
        w, h = line.split()[1].split("x")
        return int(w), int(h)

    def test_help_opens_over_the_main_window(self):
        game = self.start_game()
        self.desktop.run("xdotool", "windowmove", game.window, "40", "60")
        time.sleep(0.3)
        self.click(game.window, 174 + 26, 22)  # 帮助
        help_window = self.find("帮助")
        self.assertTrue(help_window)
        x, y, w, h = self.geometry(help_window)
        self.assertEqual((w, h), (408, 293))
        mx, my, mw, mh = self.geometry(game.window)
        self.assertLessEqual(abs((x + w / 2) - (mx + mw / 2)), 3)
        self.assertLessEqual(abs((y + h / 2) - (my + mh / 2)), 3)
        self.desktop.run("import", "-window", help_window, "-depth", "8", os.path.join(self.desktop.tmp, "help.png"))
        self.desktop.run("xdotool", "key", "--window", help_window, "Escape")
        time.sleep(0.3)
        self.assertTrue(self.find("帮助"), "Escape does not close it")
        self.desktop.run("xdotool", "windowfocus", "--sync", help_window)
        self.desktop.run("xdotool", "key", "Return")
        self.assertTrue(wait_for(lambda: not self.desktop.run(
            "xdotool", "search", "--onlyvisible", "--name", "^帮助$").stdout.strip(), timeout=5))

    def test_about_opens_in_the_middle_and_a_link_goes_to_the_desktop(self):
        bin_dir = os.path.join(self.desktop.tmp, "bin")
        os.makedirs(bin_dir)
        log = os.path.join(self.desktop.tmp, "opened.txt")
        opener = os.path.join(bin_dir, "xdg-open")
        with open(opener, "w") as f:
            f.write('#!/bin/sh\nprintf "%%s\\n" "$*" >> "%s"\n' % log)
        os.chmod(opener, stat.S_IRWXU)
        game = self.start_game({"PATH": bin_dir + os.pathsep + os.environ["PATH"]})
        self.click(game.window, 226 + 17, 22)  # 关于
        about = self.find("关于")
        self.assertTrue(about)
        x, y, w, h = self.geometry(about)
        self.assertEqual((w, h), (340, 178))
        sw, sh = self.screen_size()
        self.assertLessEqual(abs((x + w / 2) - sw / 2), 3)
        self.assertLessEqual(abs((y + h / 2) - sh / 2), 3)
        self.desktop.run("import", "-window", about, "-depth", "8", os.path.join(self.desktop.tmp, "about.png"))

        def link_colour_pixels(colour):
            out = self.desktop.run("import", "-window", about, "-depth", "8", "-crop", "200x16+100+88", "txt:-").stdout
            hexes = "#%02X%02X%02X" % colour
            return out.count(hexes)

        self.assertGreater(link_colour_pixels(UNVISITED), 20)
        self.click(about, 110, 95)  # the web link
        self.assertTrue(wait_for(lambda: os.path.exists(log), timeout=5), "xdg-open was started")
        with open(log) as f:
            self.assertEqual(f.read().strip(), "http://zembra.example.org/")
        self.assertTrue(wait_for(lambda: link_colour_pixels(VISITED) > 20, timeout=5), "the link shows as visited")
        self.assertEqual(link_colour_pixels(UNVISITED), 0)
        self.click(about, 232 + 37, 144 + 12)  # 关闭
        self.assertTrue(wait_for(lambda: not self.desktop.run(
            "xdotool", "search", "--onlyvisible", "--name", "^关于$").stdout.strip(), timeout=5))
        self.assertTrue(game.alive())

    def test_restart_box_looks_the_same_in_every_locale(self):
        """Its buttons read 确定 and 取消 (the window tests read the texts), so
        the box must not change with the locale, and its buttons carry no
        pictures: nothing but greys in the button row. It shows the game's
        own information icon, and belongs to the game's window, so that a
        window manager keeps it over the game."""
        boxes = {}
        for lang in ("zh_CN.UTF-8", "C.UTF-8", "en_US.UTF-8"):
            game = self.start_game({"LANG": lang, "LC_ALL": lang})
            game.keys("F2")
            time.sleep(0.3)
            game.keys("F2")
            box = self.find("游戏提示")
            self.assertTrue(box, lang)
            owner = self.desktop.run("xprop", "-id", box, "WM_TRANSIENT_FOR").stdout
            self.assertEqual(int(owner.split("#")[-1], 16), int(game.window), "the box's owner")
            time.sleep(0.3)
            boxes[lang], data = self.desktop.grab(box)
            with open(os.path.join(self.desktop.tmp, "box-%s.ppm" % lang), "wb") as f:
                f.write(data)
            game.close()
        first = boxes["zh_CN.UTF-8"]
        for lang, pic in boxes.items():
            self.assertEqual((pic.w, pic.h, pic.rgb), (first.w, first.h, first.rgb), lang)
        coloured = first.count(0, first.h - 45, first.w, first.h,
                               lambda p: max(p) - min(p) > 40)
        self.assertEqual(coloured, 0, "a button shows a picture")
        face = "#%02x%02x%02x" % first.at(3, first.h - 3)
        icon = read_png(os.path.join(ASSETS, "information.png"), "-background", face, "-flatten")
        self.assertTrue(find_picture(first, icon), "the box shows the game's information icon")


if __name__ == "__main__":
    unittest.main()
