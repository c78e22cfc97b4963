# SPDX-License-Identifier: MIT
"""The Debian package that `make deb` makes, and its source archive: what
they hold, what the package depends on, what lintian says of it, that every
time in it is the release's, and that the game inside it starts and reads its
bitmap strikes from the package's data folder, wherever that is unpacked.
Nothing is installed on the machine: the package is unpacked into a scratch
folder."""
import io
import os
import shutil
import subprocess
import tarfile
import tempfile
import unittest

from harness import BUILD, SOURCE, SystemTest
from test_fonts import CRISP_TEXTS

STRIKES = ["zembra-song-12.otb", "zembra-song-13-bold.otb", "zembra-song-link-11.otb",
           "zembra-song-link-12-bold.otb", "zembra-song-link-12.otb"]
EPOCH = 1765000000
WQY_VERSION = subprocess.run([os.path.join(SOURCE, "tools/release/strike-source-version.sh")], capture_output=True,
                             text=True).stdout.strip()


class PackageTest(SystemTest):
    sound = False

    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.mkdtemp(prefix="zembra-package-")
        subprocess.run([os.path.join(SOURCE, "tools/release/deb.sh"), "--built", BUILD], check=True, capture_output=True,
                       timeout=400, env=dict(os.environ, SOURCE_DATE_EPOCH=str(EPOCH)))
        debs = [f for f in os.listdir(BUILD) if f.endswith(".deb")]
        assert len(debs) == 1, debs
        cls.deb = os.path.join(cls.tmp, debs[0])
        shutil.copy(os.path.join(BUILD, debs[0]), cls.deb)
        sources = [f for f in os.listdir(BUILD) if f.endswith("-source.tar.gz")]
        assert len(sources) == 1, sources
        cls.source = os.path.join(BUILD, sources[0])
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

    def test_every_time_in_the_package_is_the_release_s(self):
        listing = subprocess.run(["dpkg-deb", "--fsys-tarfile", self.deb], capture_output=True, check=True).stdout
        with tarfile.open(fileobj=io.BytesIO(listing)) as data:
            late = [m.name for m in data.getmembers() if m.mtime > EPOCH]
        self.assertEqual(late, [], "entries newer than SOURCE_DATE_EPOCH")

    def test_the_source_archive_holds_the_tree_and_the_font_s_debian_source(self):
        with tarfile.open(self.source) as archive:
            names = archive.getnames()
            top = names[0].split("/")[0]
            tracked = subprocess.run(["git", "-C", SOURCE, "ls-files"], capture_output=True, text=True).stdout.split()
            if tracked:  # a checkout: exactly its files
                tree = sorted(n.split("/", 2)[2] for n in names if n.count("/") >= 2 and n.split("/")[1] != "debian-sources")
                self.assertEqual(tree, sorted(tracked))
            sources = [n.split("/")[-1] for n in names if "/debian-sources/" in n]
            # The source package with its upstream tarball; where the archive
            # served none, the binary package the strikes were made from.
            wqy = [n for n in sources if n.startswith("xfonts-wqy_")]
            source_package = any(n.endswith(".dsc") for n in wqy) and any(".orig.tar" in n for n in wqy)
            self.assertTrue(source_package or wqy == ["xfonts-wqy_%s_all.deb" % WQY_VERSION], sources)
            self.assertTrue(all(m.mtime == EPOCH for m in archive.getmembers()))
            self.assertIn(top + "/README.txt", names)

    def question_ink(self, exe):
        """The restart box's question: its ink pixels, and how many are not black."""
        game = self.start_game(exe=exe)
        pic = self.restart_box(game)
        game.close()
        _, x, y, w, h, colour = [t for t in CRISP_TEXTS if t[0] == "box"][0]
        ground = pic.at(x, y)
        ink = [pic.at(i, j) for j in range(y, y + h) for i in range(x, x + w) if pic.at(i, j) != ground]
        return len(ink), sum(1 for p in ink if p != colour)

    def test_the_strikes_are_files_beside_the_game_and_it_does_without_them(self):
        exe = os.path.join(self.root, "usr/games/zembra")
        fonts = os.path.join(self.root, "usr/share/zembra/fonts")
        self.assertEqual(sorted(os.listdir(fonts)), STRIKES)
        with open(exe, "rb") as f:
            program = f.read()
        # A strike's family name, as its name table spells it.
        self.assertNotIn("Zembra Song Link 11".encode("utf-16-be"), program, "a strike inside the executable")
        ink, grey = self.question_ink(exe)
        self.assertGreater(ink, 40)
        self.assertEqual(grey, 0, "the question is not drawn from the bitmaps")
        away = fonts + ".away"
        os.rename(fonts, away)
        self.addCleanup(os.rename, away, fonts)
        ink, grey = self.question_ink(exe)
        self.assertGreater(grey, ink // 2, "without the strikes the outlines, antialiased, draw the question")

    def test_the_packaged_game_starts(self):
        game = self.start_game(exe=os.path.join(self.root, "usr/games/zembra"))
        self.assertEqual(game.title(), "Zembra")
        self.assertTrue(game.alive())


if __name__ == "__main__":
    unittest.main()
