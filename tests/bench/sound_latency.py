# SPDX-License-Identifier: MIT
"""Benchmark: how long after its key a sound of the game is heard. The game
runs on a private X server and sound server whose sink is recorded. Just
before each key a reference click goes into the same sink through pacat at
5 ms latency; the recording shows both, so the key's sound is placed
against the click: heard = (sound - click in the recording) - (key - click
sent), in milliseconds, give or take the click's own few milliseconds.
Measured: F2 from an idle game (its first sound, the output opened anew), and
later keys (a rotation's click, a drop's thud) during a game.
Usage: python3 tests/bench/sound_latency.py BUILD_DIR [ROUNDS]"""
import array
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "system"))
import harness  # noqa: E402

CLICK = array.array("h", [12000, -12000] * 44 + [0] * 794).tobytes()  # 2 ms, loud, then 18 ms of silence
RATE = harness.RATE


def onsets(samples, threshold=20):
    """Sample positions where sound starts after at least 30 ms of silence."""
    out, quiet = [], RATE
    for i, v in enumerate(samples):
        if abs(v) > threshold:
            if quiet > RATE * 0.03:
                out.append(i)
            quiet = 0
        else:
            quiet += 1
    return out


def measure(desk, game, key, settle):
    clicker = subprocess.Popen(["pacat", "--playback", "--device=zembra", "--raw", "--format=s16le",
                                "--rate=%d" % RATE, "--channels=1", "--latency-msec=5"],
                               env=desk.env, stdin=subprocess.PIPE)
    time.sleep(0.5)
    rec = desk.record_start()
    time.sleep(0.3)
    clicker.stdin.write(CLICK)
    clicker.stdin.flush()
    sent = time.monotonic()
    time.sleep(0.2)
    game.desktop.run("xdotool", "key", key)
    pressed = time.monotonic()
    time.sleep(settle)
    samples = desk.record_stop(rec)
    clicker.stdin.close()
    clicker.wait()
    found = onsets(samples)
    if len(found) < 2:
        return None
    return ((found[1] - found[0]) / RATE - (pressed - sent)) * 1000


def main():
    build = sys.argv[1]
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    first, later = [], []
    for _ in range(rounds):
        desk = harness.Desktop()
        try:
            game = harness.Game(desk, exe=os.path.join(build, "zembra"))
            desk.run("xdotool", "windowfocus", "--sync", game.window)
            time.sleep(3.0)  # idle: the output has been let go
            first.append(measure(desk, game, "F2", 0.3))
            time.sleep(1.5)  # the jingle ends
            later.append(measure(desk, game, "Up", 0.3))
            game.close()
        finally:
            desk.close()
    fmt = lambda v: ", ".join("%.0f" % x for x in v if x is not None)
    print("first sound after F2 (ms): %s" % fmt(first))
    print("rotation click after Up (ms): %s" % fmt(later))


if __name__ == "__main__":
    main()
