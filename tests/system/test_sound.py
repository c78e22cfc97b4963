# SPDX-License-Identifier: MIT
"""The real sound player on a real sound server, heard through a recording
of the null sink."""
import glob
import os
import subprocess
import time
import unittest

from harness import PROBE, SystemTest, sounding_spans, total_sounding

DURATIONS = {"start": 1.335, "pause": 0.543, "next": 3.879, "lose": 2.905, "turn": 0.086,
             "down": 0.369, "xc": 2.055, "xa": 0.227, "ct": 0.964}


def mixing_thread_policy(pid):
    """The scheduling policy of the game's SDL mixing thread."""
    for task in glob.glob("/proc/%d/task/*" % pid):
        with open(task + "/comm") as f:
            if not f.read().startswith("SDLAudioP"):
                continue
        with open(task + "/stat") as f:
            return int(f.read().rsplit(")", 1)[1].split()[38])
    return None


class SoundTest(SystemTest):
    def play(self, *sounds, hold=600):
        rec = self.desktop.record_start()
        result = self.desktop.run(PROBE, *sounds, "--hold", str(hold), timeout=30)
        samples = self.desktop.record_stop(rec)
        self.assertEqual(result.returncode, 0, result.stderr)
        return samples

    def test_every_sound_plays_in_full(self):
        for name, seconds in DURATIONS.items():
            with self.subTest(sound=name):
                samples = self.play("%s@0" % name, hold=int(seconds * 1000) + 500)
                heard = total_sounding(samples)
                self.assertAlmostEqual(heard, seconds, delta=max(0.1 * seconds, 0.012),
                                       msg="%s: heard %.3f s of %.3f s" % (name, heard, seconds))

    def test_a_new_sound_cuts_the_playing_one(self):
        samples = self.play("lose@0", "turn@600", hold=3000)
        spans = sounding_spans(samples, gap=0.3)
        heard = spans[-1][1] - spans[0][0]
        self.assertLess(heard, 1.0, "the game-over phrase was cut by the click")
        self.assertGreater(heard, 0.55)

    def test_an_idle_game_lets_the_output_go_and_takes_it_back_for_a_game(self):
        game = self.start_game()

        def sample():
            pid = game.proc.pid
            with open("/proc/%d/stat" % pid) as f:
                fields = f.read().split()
            switches = 0
            for status in glob.glob("/proc/%d/task/*/status" % pid):
                with open(status) as f:
                    switches += sum(int(l.split()[1]) for l in f if "ctxt_switches" in l)
            return int(fields[13]) + int(fields[14]), switches

        time.sleep(3.5)  # the output goes two seconds after the last sound
        cpu0, wake0 = sample()
        time.sleep(5)
        cpu1, wake1 = sample()
        self.assertLessEqual(cpu1 - cpu0, 1, "no CPU while no game runs")
        self.assertLessEqual(wake1 - wake0, 10, "no wake-ups while no game runs")
        rec = self.desktop.record_start()
        game.keys("F2")
        time.sleep(1.7)
        spans = sounding_spans(self.desktop.record_stop(rec))
        self.assertTrue(spans)
        self.assertAlmostEqual(spans[0][1] - spans[0][0], DURATIONS["start"], delta=0.13)
        # The output taken back mixes on a new thread, which must be real-time
        # again wherever this machine lets a program be.
        if subprocess.run(["chrt", "--rr", "1", "true"]).returncode == 0:
            self.assertEqual(mixing_thread_policy(game.proc.pid), os.SCHED_RR)

    def test_the_game_goes_on_when_the_sound_server_goes_away(self):
        game = self.start_game()
        game.keys("F2")
        time.sleep(0.5)
        self.desktop.silence.kill()
        self.desktop.pulse.kill()
        self.desktop.pulse.wait(timeout=5)
        before = game.screenshot().rgb
        for key in ("F3", "F3", "Up", "space", "Left", "space", "F3", "F3", "space"):
            game.keys(key, delay=0.15)
        time.sleep(0.8)
        self.assertTrue(game.alive())
        self.assertNotEqual(game.screenshot().rgb, before, "the game still answers")
        game.keys("e")
        game.proc.wait(timeout=5)
        self.assertEqual(game.proc.returncode, 0)

    def test_no_sound_server_is_silent_and_quiet(self):
        env = dict(self.desktop.env)
        env["XDG_RUNTIME_DIR"] = self.desktop.tmp + "/nowhere"
        env["PULSE_SERVER"] = "unix:/nonexistent"
        result = subprocess.run([PROBE, "start@0", "--hold", "200"], env=env, capture_output=True, text=True,
                                timeout=30)
        self.assertIn(result.returncode, (0, 3))
        self.assertNotIn("ALSA", result.stderr)


if __name__ == "__main__":
    unittest.main()
