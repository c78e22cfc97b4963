# SPDX-License-Identifier: MIT
"""The game looks the same on a player's desktop as on a bare X server: the
settings a GNOME, KDE or XFCE session hands its programs (the desktop's name,
a dark GTK theme through Qt's GTK platform theme, a dark KDE colour scheme)
change no pixel of the main window, its menu, About, Help or the restart box."""
import glob
import os
import unittest

from harness import SystemTest, differing_pixels

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


class DesktopsTest(SystemTest):
    sound = False

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
