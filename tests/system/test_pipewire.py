# SPDX-License-Identifier: MIT
"""The game's sounds on PipeWire, the sound server of today's desktops, as
its PulseAudio service (pipewire-pulse) and wireplumber serve them: through
SDL's PulseAudio output and through its own PipeWire output, each sound
heard in full from the null sink."""
import unittest

import test_sound
from harness import Desktop, SystemTest, total_sounding


class PipeWireSoundTest(SystemTest):
    def setUp(self):
        self.desktop = Desktop(sound="pipewire")
        self.addCleanup(self.desktop.close)

    play = test_sound.SoundTest.play

    def test_every_sound_plays_in_full_through_each_output(self):
        for driver in ("pulseaudio", "pipewire"):
            self.desktop.env["SDL_AUDIODRIVER"] = driver
            for name, seconds in test_sound.DURATIONS.items():
                with self.subTest(output=driver, sound=name):
                    heard = total_sounding(self.play("%s@0" % name, hold=int(seconds * 1000) + 500))
                    self.assertAlmostEqual(heard, seconds, delta=max(0.1 * seconds, 0.012),
                                           msg="%s: heard %.3f s of %.3f s" % (name, heard, seconds))


if __name__ == "__main__":
    unittest.main()
