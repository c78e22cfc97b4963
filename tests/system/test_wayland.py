# SPDX-License-Identifier: MIT
"""The game on a Wayland session: a real compositor (weston, nested on the
test's X server with its X11 backend, so that xdotool reaches it), once with
no X server at all (Qt's Wayland platform) and once with XWayland, which the
game prefers. In each the window shows the game, keys play it, the restart
box answers, a maximise or full-screen request leaves it alive at its own
size, nothing is printed, and E quits."""
import os
import subprocess
import time
import unittest

from harness import (ASSETS, GAME, Desktop, Picture, SystemTest, crop, differing_pixels, find_picture, parse_ppm,
                     read_cells, read_png, wait_for)

OUTPUT = (1024, 768)  # weston's output window on the 1280 x 1024 test screen
PANEL = 32            # weston's panel, whose clock changes
TITLE = 32            # the title bar over the window's client area


class WaylandTest(SystemTest):
    sound = False

    def setUp(self):
        self.desktop = Desktop(sound=False, size="1280x1024")
        self.addCleanup(self.desktop.close)
        # The window a player should see: the game at start on a bare X server.
        game = self.start_game()
        self.desktop.run("xdotool", "mousemove", "0", "0")
        time.sleep(0.2)
        self.reference = game.screenshot()
        game.close()

    def weston(self, xwayland):
        """A compositor on the test's X server; the environment of its session."""
        log = os.path.join(self.desktop.tmp, "weston.log")
        args = ["weston", "--backend=x11-backend.so", "--socket=wayland-zembra", "--idle-time=0",
                "--width=%d" % OUTPUT[0], "--height=%d" % OUTPUT[1], "--log=" + log]
        if xwayland:
            args.append("--xwayland")
        proc = subprocess.Popen(args, env=self.desktop.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(self.stop, proc)
        socket = os.path.join(self.desktop.tmp, "wayland-zembra")
        self.assertTrue(wait_for(lambda: os.path.exists(socket), timeout=10), "weston did not start")
        env = {k: v for k, v in self.desktop.env.items() if k != "DISPLAY"}
        env.update({"WAYLAND_DISPLAY": "wayland-zembra", "XDG_SESSION_TYPE": "wayland", "QT_LOGGING_RULES": ""})
        if xwayland:
            def display():
                with open(log) as f:
                    for line in f:
                        if "xserver listening on display" in line:
                            return line.split()[-1]
                return None
            env["DISPLAY"] = wait_for(display, timeout=10)
            self.assertTrue(env["DISPLAY"], "no XWayland display")
        return env

    @staticmethod
    def stop(proc):
        if proc.poll() is None:
            proc.terminate()
            try:
                proc.wait(timeout=5)
            except subprocess.TimeoutExpired:
                proc.kill()

    def screen(self):
        x, y = OUTPUT
        return parse_ppm(self.desktop.run_bytes("import", "-window", "root", "-depth", "8",
                                                "-crop", "%dx%d+0+%d" % (x, y - PANEL, PANEL), "ppm:-"))

    def point(self, x, y, *then):
        """The pointer to (x, y) of weston's output: its X11 backend takes an
        absolute position only when the pointer enters its window."""
        self.desktop.run("xdotool", "mousemove", "1270", "1010", "sleep", "0.1",
                         "mousemove", str(x), str(y + PANEL), "sleep", "0.2", *then)

    def focus(self, x, y):
        """Keyboard focus to the game: a click on its background."""
        self.point(x + 50, y + 300, "click", "1")
        self.point(OUTPUT[0] - 5, OUTPUT[1] - PANEL - 5)

    def key(self, *keys):
        for k in keys:
            self.desktop.run("xdotool", "key", k)
            time.sleep(0.15)

    def play_through(self, xwayland):
        env = self.weston(xwayland)
        log = open(os.path.join(self.desktop.tmp, "game-%s.log" % xwayland), "w+")
        self.addCleanup(log.close)
        game = subprocess.Popen([GAME], env=env, stdout=log, stderr=subprocess.STDOUT)
        self.addCleanup(self.stop, game)
        where = wait_for(lambda: find_picture(self.screen(), self.reference), timeout=15)
        self.assertTrue(where, "the game's window is not shown as on X11")
        x, y = where
        if xwayland:
            # Through XWayland: there the title bar has no maximise button,
            # and the window its place and moves.
            found = subprocess.run(["xdotool", "search", "--name", "^Zembra$"], env=env, capture_output=True, text=True)
            self.assertTrue(found.stdout.split(), "the game is not an X11 window on XWayland")
        self.focus(x, y)
        self.key("F2")
        self.assertTrue(wait_for(lambda: read_cells(crop(self.screen(), x, y, 367, 491)), timeout=5),
                        "F2 starts a game: a piece shows")
        # The restart box shows the information icon, and Escape answers it.
        icon = read_png(os.path.join(ASSETS, "information.png"), "-background", "#efefef", "-flatten")
        self.key("F2")
        self.assertTrue(wait_for(lambda: find_picture(self.screen(), icon, rows=(4, 12, 20)), timeout=5), "the box")
        self.key("Escape")
        self.assertTrue(wait_for(lambda: not find_picture(self.screen(), icon, rows=(4, 12, 20)), timeout=5),
                        "the box answers Escape")
        self.focus(x, y)
        self.key("F3")  # paused, so that the screen holds still
        time.sleep(0.3)
        before = self.screen()
        for request in ("super+shift+m", "super+shift+f", "maximise button"):
            with self.subTest(request=request):
                if request == "maximise button":
                    # Qt's own title bar on Wayland: the middle of its three buttons.
                    self.point(x + 367 - 27, y - 15, "click", "1")
                    self.point(OUTPUT[0] - 5, OUTPUT[1] - PANEL - 5)
                else:
                    self.key(request)
                time.sleep(1.5)
                self.assertIsNone(game.poll(), "the game died")
                after = self.screen()
                self.assertEqual(find_picture(after, crop(before, x, y, 367, 491)), (x, y), "the window moved")
                # The screen is as before, but for the title bar, which the
                # compositor or Qt's Wayland decoration redraws.
                title = crop(before, 0, y - TITLE, OUTPUT[0], TITLE)
                shown = Picture(after.w, after.h, after.rgb[:(y - TITLE) * after.w * 3] + title.rgb
                                + after.rgb[y * after.w * 3:])
                self.assertEqual(differing_pixels(before, shown), 0, "the screen is not as before")
        # A drag by the right button moves the window (by what the pointer
        # went after the drag distance: the compositor moves it from there).
        steps = ["mousedown", "3"] + sum((["mousemove_relative", "--", "10", "6", "sleep", "0.05"]
                                          for _ in range(8)), []) + ["mouseup", "3"]
        self.point(x + 50, y + 300, *steps)
        self.point(OUTPUT[0] - 5, OUTPUT[1] - PANEL - 5)
        window = crop(before, x, y, 367, 491)
        # Where the window comes to rest: on a busy machine the compositor
        # is still moving it for a while after the button's release.
        places = []

        def at_rest():
            places.append(find_picture(self.screen(), window))
            return len(places) > 1 and places[-1] == places[-2] and places[-1]
        moved = wait_for(at_rest, timeout=8, step=0.3)
        self.assertTrue(moved, "the window is not shown after the drag")
        self.assertTrue(50 <= moved[0] - x <= 80 and 30 <= moved[1] - y <= 48, "dragged from %s to %s" % (where, moved))
        self.assertIsNone(game.poll(), "the game died")
        # E quits. On a busy machine weston's X11 backend now and then loses a
        # key that follows the pointer's return into its window: the key is
        # sent again, with the keyboard given back to the game, as long as
        # the game shows just itself (no menu or box over it).
        at = moved
        for _ in range(3):
            self.focus(*at)
            self.key("e")
            if wait_for(lambda: game.poll() is not None, timeout=5):
                break
            at = find_picture(self.screen(), window)
            self.assertTrue(at, "E is not taken, and the game shows more")
        self.assertEqual(game.wait(timeout=5), 0)
        log.seek(0)
        self.assertEqual(log.read().strip(), "", "nothing on the console")

    def test_on_wayland_alone(self):
        self.play_through(xwayland=False)

    def test_on_a_wayland_session_with_xwayland(self):
        self.play_through(xwayland=True)


if __name__ == "__main__":
    unittest.main()
