# SPDX-License-Identifier: MIT
"""The Debian package that cpack makes: what it holds, what it depends on,
what lintian says of it, and that the game inside it starts. Nothing is
installed on the machine: the package is unpacked into a scratch folder."""
import os
import shutil
import subprocess
import tempfile
import unittest

from harness import BUILD, SystemTest


class PackageTest(SystemTest):
    sound = False

    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.mkdtemp(prefix="zembra-package-")
        subprocess.run(["cpack", "--config", os.path.join(BUILD, "CPackConfig.cmake"), "-G", "DEB", "-B", cls.tmp],
                       check=True, capture_output=True, timeout=240)
        debs = [f for f in os.listdir(cls.tmp) if f.endswith(".deb")]
        assert len(debs) == 1, debs
        cls.deb = os.path.join(cls.tmp, debs[0])
        cls.root = os.path.join(cls.tmp, "root")
        subprocess.run(["dpkg-deb", "-x", cls.deb, cls.root], check=True)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.tmp, ignore_errors=True)

    def field(self, name):
        return subprocess.run(["dpkg-deb", "-f", self.deb, name], capture_output=True, text=True).stdout.strip()

    def test_contents_where_debian_looks_for_them(self):
        files = subprocess.run(["dpkg-deb", "-c", self.deb], capture_output=True, text=True).stdout
        for path in ("./usr/games/zembra", "./usr/share/man/man6/zembra.6.gz", "./usr/share/doc/zembra/copyright",
                     "./usr/share/doc/zembra/changelog.gz", "./usr/share/applications/org.example.Zembra.desktop",
                     "./usr/share/metainfo/org.example.Zembra.metainfo.xml",
                     "./usr/share/icons/hicolor/64x64/apps/org.example.Zembra.png"):
            self.assertIn(path, files)
        self.assertNotIn("./usr/bin/", files)
        sections = subprocess.run(["readelf", "-S", os.path.join(self.root, "usr/games/zembra")],
                                  capture_output=True, text=True).stdout
        self.assertFalse(".debug_info" in sections or ".symtab" in sections, "the game is not stripped")
        with open(os.path.join(self.root, "usr/share/applications/org.example.Zembra.desktop")) as f:
            self.assertIn("Exec=zembra\n", f.read())

    def test_control_names_what_the_game_needs(self):
        depends = self.field("Depends")
        self.assertIn("libsdl2-mixer-2.0-0", depends)  # opened at run time: no library scan finds it
        self.assertNotIn("fonts-", depends)  # the game carries its own faces
        self.assertIn("libqt6widgets6", depends)
        for plugins in ("qt6-qpa-plugins", "qt6-wayland"):  # X11 and Wayland, loaded at run time
            self.assertIn(plugins, [d.split()[0] for d in depends.split(", ")])
        self.assertEqual(self.field("Section"), "games")
        self.assertRegex(self.field("Maintainer"), r"^\w.* <[^@ ]+@[^@ ]+>$")
        self.assertGreater(len(self.field("Description").splitlines()), 3, "a long description")

    @unittest.skipUnless(shutil.which("lintian"), "no lintian here")
    def test_lintian_finds_no_error_or_warning(self):
        out = subprocess.run(["lintian", "--tag-display-limit", "0", self.deb], capture_output=True, text=True)
        tags = [line for line in out.stdout.splitlines() if line[:2] in ("E:", "W:")]
        self.assertEqual(tags, [])

    def test_the_packaged_game_starts(self):
        game = self.start_game(exe=os.path.join(self.root, "usr/games/zembra"))
        self.assertEqual(game.title(), "Zembra")
        self.assertTrue(game.alive())


if __name__ == "__main__":
    unittest.main()
