# SPDX-License-Identifier: MIT
"""The game looks the same everywhere. On a bare X server the main window,
its menu, About, Help and the restart box are the reviewed pictures under
reference/, pixel for pixel, whatever Qt the machine has; and the settings a
GNOME, KDE or XFCE session hands its programs (the desktop's name, a dark GTK
theme through Qt's GTK platform theme, a dark KDE colour scheme) change none
of their pixels."""
import glob
import os
import subprocess
import unittest

from harness import BUILD, SystemTest, differing_pixels, read_png

REFERENCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "reference")
REFERENCE_FILES = {"main": "main", "menu": "menu", "关于": "about", "帮助": "help", "box": "box"}

DARK_KDE_COLOURS = """[General]
ColorScheme=BreezeDark

[Colors:Window]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241

[Colors:Button]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241

[Colors:View]
BackgroundNormal=35,38,41
ForegroundNormal=239,240,241
ForegroundLink=61,174,233

[Colors:Selection]
BackgroundNormal=61,174,233
ForegroundNormal=252,252,252

[Icons]
Theme=breeze-dark

[KDE]
ShowIconsOnPushButtons=true
"""


def write_png(picture, path):
    subprocess.run(["convert", "ppm:-", path], input=b"P6\n%d %d\n255\n" % (picture.w, picture.h) + picture.rgb,
                   check=True, timeout=20)


class DesktopsTest(SystemTest):
    sound = False

    def test_screens_are_the_reviewed_pictures(self):
        """What differs is written beside the build (reference-seen/), to be
        looked at and, if it is meant, copied over the reference."""
        game = self.start_game()
        seen = self.screens(game)
        for view, name in REFERENCE_FILES.items():
            with self.subTest(view=view):
                path = os.path.join(REFERENCE, name + ".png")
                self.assertTrue(os.path.exists(path), path)
                reference = read_png(path)
                picture = seen[view]
                same_size = (picture.w, picture.h) == (reference.w, reference.h)
                differing = differing_pixels(picture, reference) if same_size else None
                if differing != 0:
                    os.makedirs(os.path.join(BUILD, "reference-seen"), exist_ok=True)
                    write_png(picture, os.path.join(BUILD, "reference-seen", name + ".png"))
                self.assertEqual((picture.w, picture.h), (reference.w, reference.h))
                self.assertEqual(differing, 0)

    def session(self, desktop, files):
        """The environment of a session of this desktop, with these settings
        files written into the player's home."""
        config = os.path.join(self.desktop.tmp, "config-" + desktop)
        for name, text in files.items():
            path = os.path.join(config, name)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "w") as f:
                f.write(text)
        return {"XDG_CURRENT_DESKTOP": desktop, "XDG_SESSION_DESKTOP": desktop.lower(),
                "XDG_CONFIG_HOME": config, "KDE_SESSION_VERSION": "5"}

    def test_no_desktop_setting_changes_a_pixel(self):
        self.assertTrue(glob.glob("/usr/lib/*/qt6/plugins/platformthemes/libqgtk3.so"),
                        "Qt's GTK platform theme, which apt installs beside Qt, is missing here")
        bare_game = self.start_game()
        bare = self.screens(bare_game)
        bare_game.close()
        sessions = {
            "GNOME, dark GTK theme": self.session("GNOME", {"gtk-3.0/settings.ini": (
                "[Settings]\ngtk-theme-name=Adwaita-dark\ngtk-application-prefer-dark-theme=true\n"
                "gtk-icon-theme-name=Adwaita\n")}),
            "KDE, dark colours": self.session("KDE", {"kdeglobals": DARK_KDE_COLOURS}),
            "XFCE": self.session("XFCE", {}),
        }
        for name, env in sessions.items():
            game = self.start_game(env)
            seen = self.screens(game)
            self.assertEqual(game.output().strip(), "", "%s: nothing on the console" % name)
            game.close()
            for view, picture in bare.items():
                with self.subTest(desktop=name, view=view):
                    other = seen[view]
                    self.assertEqual((other.w, other.h), (picture.w, picture.h))
                    self.assertEqual(differing_pixels(picture, other), 0)


if __name__ == "__main__":
    unittest.main()
