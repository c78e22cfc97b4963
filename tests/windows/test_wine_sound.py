# SPDX-License-Identifier: MIT
"""The Windows sound player, cross-built and run under wine, plays every one
of the game's sounds through a real sound server."""
import os
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "system"))
import harness  # noqa: E402

ASSETS = os.path.join(os.path.dirname(__file__), "..", "..", "assets")
# Each sound plays for at most a second, then 300 ms of silence.
PLAYED_MS = {"start": 1000, "pause": 543, "next": 1000, "lose": 1000, "turn": 86,
             "down": 368, "xc": 1000, "xa": 227, "ct": 963}
GAP_MS = 300


class WineSoundTest(unittest.TestCase):
    def test_every_sound_is_heard_in_turn(self):
        desk = harness.Desktop()
        self.addCleanup(desk.close)
        desk.env["WINEPREFIX"] = os.environ["WINEPREFIX"]
        desk.env["WINEDEBUG"] = "-all"
        rec = desk.record_start()
        run = subprocess.run([os.environ["ZEMBRA_WINE"], os.environ["ZEMBRA_WINMM_PROBE"], ASSETS, str(GAP_MS)],
                             env=desk.env, capture_output=True, text=True, timeout=120)
        spans = harness.sounding_spans(desk.record_stop(rec), gap=harness.DROPOUT)
        self.assertEqual(run.returncode, 0, run.stdout + run.stderr)
        self.assertIn("wave output devices: yes", run.stdout)
        self.assertEqual(len(spans), len(PLAYED_MS), spans)
        for (start, end), (name, ms) in zip(spans, PLAYED_MS.items()):
            self.assertAlmostEqual((end - start) * 1000, ms, delta=60, msg=name)


if __name__ == "__main__":
    unittest.main()
