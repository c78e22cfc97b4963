# SPDX-License-Identifier: MIT
"""Benchmark: do the game's sounds come out whole on a busy machine? Plays
each of the nine sounds through the game's own player (sound_probe) and
through PulseAudio's own paplay, into one private null sink, records the
sink, and counts the silences of 10 ms or more inside each sound (a whole
sound is one span). With --load N, `stress-ng --cpu N` runs throughout.
Usage: python3 tests/bench/sound_gaps.py BUILD_DIR [--load N] [--rounds N]"""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "system"))
import harness  # noqa: E402

ASSETS = os.path.join(os.path.dirname(__file__), "..", "..", "assets")
SOUNDS = ["start", "pause", "next", "lose", "turn", "down", "xc", "xa", "ct"]


def gaps(samples):
    """Silences of 10 ms or more between the first and last sound."""
    spans = harness.sounding_spans(samples, gap=0.01)
    return [round((b[0] - a[1]) * 1000) for a, b in zip(spans, spans[1:])]


def main():
    build = sys.argv[1]
    load = int(sys.argv[sys.argv.index("--load") + 1]) if "--load" in sys.argv else 0
    rounds = int(sys.argv[sys.argv.index("--rounds") + 1]) if "--rounds" in sys.argv else 3
    probe = os.path.join(build, "tests", "system", "sound_probe")
    stress = subprocess.Popen(["stress-ng", "--cpu", str(load), "--quiet"]) if load else None
    desk = harness.Desktop()
    try:
        players = {
            "game": lambda name: desk.run(probe, "%s@0" % name, "--hold", "4500", timeout=30),
            "paplay": lambda name: desk.run("paplay", "--device=zembra", os.path.join(ASSETS, name + ".wav"),
                                            timeout=30),
        }
        totals = {who: [0, 0] for who in players}  # sounds with a gap, gaps
        for who, play in players.items():
            for _ in range(rounds):
                for name in SOUNDS:
                    rec = desk.record_start()
                    play(name)
                    found = gaps(desk.record_stop(rec))
                    totals[who][0] += 1 if found else 0
                    totals[who][1] += len(found)
                    if found:
                        print("%-6s %-5s gaps (ms): %s" % (who, name, found))
        for who, (sounds, count) in totals.items():
            print("%s%s: %d of %d sounds broken, %d gaps" % (who, " under stress-ng --cpu %d" % load if load else "", sounds,
                                                            rounds * len(SOUNDS), count))
    finally:
        desk.close()
        if stress:
            stress.terminate()
            stress.wait()


if __name__ == "__main__":
    main()
