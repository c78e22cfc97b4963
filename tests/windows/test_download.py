# SPDX-License-Identifier: MIT
"""The Windows download as a player gets it: the ZIP's files, their sizes,
and what Windows reads from zembra.exe before it runs a line of it (the
subsystem version, the manifest, the icon)."""
import os
import re
import struct
import subprocess
import tempfile
import unittest
import zipfile

BUILD = os.environ["ZEMBRA_WINDOWS_BUILD"]
VERSION = os.environ["ZEMBRA_VERSION"]
MIB = 1024 * 1024


class DownloadTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.zip = os.path.join(BUILD, "zembra-%s-win64.zip" % VERSION)
        cls.exe = os.path.join(BUILD, "package", "zembra-%s-win64" % VERSION, "zembra.exe")
        with open(cls.exe, "rb") as f:
            cls.program = f.read()

    def test_sizes(self):
        # What the Qt built for size gives (12.7 and 5.9 MiB), with a little
        # room: no growth. The aim is 10 and 5 MiB.
        for path, limit in ((self.exe, 13 * MIB), (self.zip, 6 * MIB)):
            self.assertLessEqual(os.path.getsize(path), limit, path)

    def test_the_zip_holds_the_game_its_strikes_and_every_licence(self):
        with zipfile.ZipFile(self.zip) as z:
            names = {n.split("/", 1)[1] for n in z.namelist()}
            copying = z.read("zembra-%s-win64/fonts/COPYING.txt" % VERSION).decode("utf-8")
            third = z.read("zembra-%s-win64/THIRD-PARTY.txt" % VERSION).decode("utf-8")
        strikes = {n for n in names if n.startswith("fonts/") and n.endswith(".otb")}
        self.assertEqual(len(strikes), 5, names)
        self.assertTrue({"zembra.exe", "README.txt", "LICENSE.txt", "THIRD-PARTY.txt", "fonts/COPYING.txt"} <= names)
        self.assertIn("GNU GENERAL PUBLIC LICENSE", copying)
        self.assertIn("As a special exception, if you create a document", copying)
        for text in ("GNU LESSER GENERAL PUBLIC LICENSE", "SIL OPEN FONT LICENSE", "-win64-source.tar.gz"):
            self.assertIn(text, third)
        self.assertNotIn("example.org", third + copying)
        self.assertTrue(os.path.exists(os.path.join(BUILD, "zembra-%s-win64-source.tar.gz" % VERSION)))

    def test_windows_10_or_later(self):
        headers = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", self.exe], capture_output=True, text=True,
                                 check=True).stdout
        for field in ("MajorSubsystemVersion", "MajorOSystemVersion"):
            self.assertRegex(headers, r"%s\s+10\b" % field)
        self.assertRegex(headers, r"MinorSubsystemVersion\s+0\b")

    def test_the_manifest_runs_as_the_player_on_windows_10_and_11_per_monitor(self):
        found = re.search(rb"<assembly .*?</assembly>", self.program, re.S)
        self.assertTrue(found, "no manifest")
        manifest = found.group(0).decode()
        self.assertIn('level="asInvoker"', manifest)
        self.assertIn('<supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"/>', manifest)
        self.assertIn("PerMonitorV2", manifest)

    def test_the_icon_has_every_size_in_32_bits(self):
        with tempfile.TemporaryDirectory() as tmp:
            icon = os.path.join(tmp, "icon.ico")
            subprocess.run(["wrestool", "-x", "-t", "14", "-o", icon, self.exe], check=True)
            with open(icon, "rb") as f:
                data = f.read()
        count = struct.unpack_from("<H", data, 4)[0]
        entries = [struct.unpack_from("<BBBBHHII", data, 6 + 16 * i) for i in range(count)]
        self.assertEqual(sorted(e[0] or 256 for e in entries), [16, 24, 32, 48, 256])
        self.assertEqual({e[5] for e in entries}, {32})


if __name__ == "__main__":
    unittest.main()
