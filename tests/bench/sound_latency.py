# SPDX-License-Identifier: MIT
"""Benchmark: how long after its key a sound of the game is heard. The game
runs on a private X server and sound server whose sink is recorded. Just
before each key a reference click goes into the same sink through pacat at
5 ms latency; the recording shows both, so the key's sound is placed
against the click: heard = (sound - click in the recording) - (key - click
sent), in milliseconds, give or take the click's own few milliseconds.
Measured: F2 from an idle game (its first sound, the output opened anew), and
a later key (a rotation's click) during a game. Also printed:
how far the recorder's first sample lies after the moment it was started,
which is the error of placing a sound against the recorder's start alone.
Usage: python3 tests/bench/sound_latency.py BUILD_DIR [ROUNDS]"""
import array
import ctypes
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "system"))
import harness  # noqa: E402

CLICK = array.array("h", [12000, -12000] * 44 + [0] * 794).tobytes()  # 2 ms, loud, then 18 ms of silence
RATE = harness.RATE


class KeySender:
    """Presses keys through the XTest extension from this process, so the
    moment of the key is known to well under a millisecond; starting xdotool
    takes milliseconds, and tens of them on a busy machine."""

    def __init__(self, display):
        self.x11 = ctypes.CDLL("libX11.so.6")
        self.xtst = ctypes.CDLL("libXtst.so.6")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XStringToKeysym.restype = ctypes.c_ulong
        self.display = ctypes.c_void_p(self.x11.XOpenDisplay(display.encode()))

    def press(self, key):
        code = self.x11.XKeysymToKeycode(self.display, ctypes.c_ulong(self.x11.XStringToKeysym(key.encode())))
        self.xtst.XTestFakeKeyEvent(self.display, code, 1, ctypes.c_ulong(0))
        self.x11.XSync(self.display, 0)
        pressed = time.monotonic()
        self.xtst.XTestFakeKeyEvent(self.display, code, 0, ctypes.c_ulong(0))
        self.x11.XSync(self.display, 0)
        return pressed

    def close(self):
        self.x11.XCloseDisplay(self.display)


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


def measure(desk, keys, key, settle):
    clicker = subprocess.Popen(["pacat", "--playback", "--device=zembra", "--raw", "--format=s16le",
                                "--rate=%d" % RATE, "--channels=1", "--latency-msec=5"],
                               env=desk.env, stdin=subprocess.PIPE)
    time.sleep(0.5)
    started = time.monotonic()
    rec = desk.record_start()
    time.sleep(0.3)
    clicker.stdin.write(CLICK)
    clicker.stdin.flush()
    sent = time.monotonic()
    time.sleep(0.2)
    pressed = keys.press(key)
    time.sleep(settle)
    samples = desk.record_stop(rec)
    clicker.stdin.close()
    clicker.wait()
    found = onsets(samples)
    if len(found) < 2:
        return None, None
    heard = ((found[1] - found[0]) / RATE - (pressed - sent)) * 1000
    recorder_start = ((sent - started) - found[0] / RATE) * 1000
    return heard, recorder_start


def main():
    build = sys.argv[1]
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    first, later, recorder = [], [], []
    for _ in range(rounds):
        desk = harness.Desktop()
        try:
            game = harness.Game(desk, exe=os.path.join(build, "zembra"))
            desk.run("xdotool", "windowfocus", "--sync", game.window)
            keys = KeySender(desk.env["DISPLAY"])
            time.sleep(3.0)  # idle: the output has been let go
            heard, start = measure(desk, keys, "F2", 0.3)
            first.append(heard)
            recorder.append(start)
            time.sleep(1.5)  # the jingle ends
            heard, start = measure(desk, keys, "Up", 0.3)
            later.append(heard)
            recorder.append(start)
            keys.close()
            game.close()
        finally:
            desk.close()
    fmt = lambda v: ", ".join("%.0f" % x for x in v if x is not None)
    print("first sound after F2 (ms): %s" % fmt(first))
    print("rotation click after Up (ms): %s" % fmt(later))
    print("recorder's first sample after its start (ms): %s" % fmt(recorder))


if __name__ == "__main__":
    main()
