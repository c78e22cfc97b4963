# SPDX-License-Identifier: MIT
"""What the system tests share: a private X server and sound server, the real
game started on them, its window found, looked at and typed into, and the
sound server's output recorded."""
import array
import os
import shutil
import signal
import subprocess
import tempfile
import time
import unittest

BUILD = os.environ.get("ZEMBRA_BUILD", os.path.join(os.path.dirname(__file__), "..", "..", "build"))
SOURCE = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
GAME = os.environ.get("ZEMBRA_EXE", os.path.join(BUILD, "zembra"))
PROBE = os.environ.get("ZEMBRA_SOUND_PROBE", os.path.join(BUILD, "tests", "system", "sound_probe"))
RATE = 44100
ASSETS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets")


def wait_for(predicate, timeout=10.0, step=0.05):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        value = predicate()
        if value:
            return value
        time.sleep(step)
    return predicate()


class Desktop:
    """An Xvfb display and a sound server with a null sink, both private. The
    sound server is PulseAudio, or with sound="pipewire" PipeWire with its
    session manager and its PulseAudio service, as today's desktops run it."""

    def __init__(self, sound=True, size="1024x768"):
        self.tmp = tempfile.mkdtemp(prefix="zembra-system-")
        os.chmod(self.tmp, 0o700)
        self.env = dict(os.environ)
        for k in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "PULSE_SERVER", "QT_SCALE_FACTOR"):
            self.env.pop(k, None)
        self.env.update({"XDG_RUNTIME_DIR": self.tmp, "HOME": self.tmp, "QT_LOGGING_RULES": "qt.qpa.*=false"})
        r, w = os.pipe()
        # -noreset: without it the server resets when its last client leaves,
        # and a program connecting in that moment finds no display.
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(w), "-screen", "0", size + "x24", "-nolisten", "tcp",
                                      "-noreset"], pass_fds=(w,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(w)
        with os.fdopen(r) as f:
            self.env["DISPLAY"] = ":" + f.readline().strip()
        self.pulse = None
        self.silence = None
        self.pipewire = []
        if sound == "pipewire":
            self.start_pipewire()
        elif sound:
            self.pulse = subprocess.Popen(
                ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--disable-shm=yes",
                 "--load=module-null-sink sink_name=zembra rate=%d" % RATE, "--load=module-native-protocol-unix"],
                env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            if not wait_for(lambda: os.path.exists(os.path.join(self.tmp, "pulse", "native"))):
                raise RuntimeError("the sound server did not start")
        if sound:
            # A stream of silence keeps the sink running, so recordings start
            # at once instead of losing what plays while the sink wakes up.
            self.silence = subprocess.Popen(
                ["pacat", "--playback", "--device=zembra", "--raw", "--format=s16le", "--rate=%d" % RATE,
                 "--channels=1", "--latency-msec=50", "/dev/zero"],
                env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            # The first recording after the server starts loses most of its data.
            self.record(0.5)
            self.record(0.5)

    def start_pipewire(self):
        # The session manager needs a session bus: a private one.
        bus = os.path.join(self.tmp, "bus")
        self.pipewire.append(subprocess.Popen(["dbus-daemon", "--session", "--address=unix:path=" + bus, "--nofork",
                                               "--nopidfile"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        if not wait_for(lambda: os.path.exists(bus)):
            raise RuntimeError("no session bus")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = "unix:path=" + bus
        for program in ("pipewire", "wireplumber", "pipewire-pulse"):
            self.pipewire.append(subprocess.Popen([program], env=self.env, stdout=subprocess.DEVNULL,
                                                  stderr=subprocess.DEVNULL))
            if program == "pipewire" and not wait_for(lambda: os.path.exists(os.path.join(self.tmp, "pipewire-0"))):
                raise RuntimeError("PipeWire did not start")
        if not wait_for(lambda: self.run("pactl", "info").returncode == 0):
            raise RuntimeError("PipeWire's PulseAudio service did not start")
        # The null sink, every program's default.
        self.run("pactl", "load-module", "module-null-sink", "sink_name=zembra", "rate=%d" % RATE, check=True)
        if not wait_for(lambda: self.run("pactl", "set-default-sink", "zembra").returncode == 0):
            raise RuntimeError("the null sink is not taken as the default")

    def run(self, *args, **kw):
        return subprocess.run(list(args), env=self.env, capture_output=True, text=True, **kw)

    def run_bytes(self, *args):
        """A command's standard output, as bytes."""
        return subprocess.run(list(args), env=self.env, capture_output=True, check=True, timeout=30).stdout

    def find_window(self, title, timeout=10):
        """The visible window of this title. Compared by the UTF-8 title: the
        legacy title property xdotool's search matches depends on the
        program's locale."""
        def look():
            for window in self.run("xdotool", "search", "--onlyvisible", "--name", ".").stdout.split():
                if self.run("xdotool", "getwindowname", window).stdout.strip() == title:
                    return window
            return None
        return wait_for(look, timeout=timeout)

    def grab(self, window):
        """A window's pixels, as a Picture and as the PPM bytes."""
        # A timeout: import waits for ever on a window whose client has died.
        out = subprocess.run(["import", "-window", window, "-depth", "8", "ppm:-"], env=self.env,
                             capture_output=True, check=True, timeout=20).stdout
        return parse_ppm(out), out

    def record_start(self):
        path = os.path.join(self.tmp, "rec-%d.raw" % time.monotonic_ns())
        proc = subprocess.Popen(["parecord", "--raw", "--latency-msec=50", "--device=zembra.monitor",
                                 "--format=s16le", "--rate=%d" % RATE, "--channels=1", path],
                                env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(0.3)
        return proc, path

    def record_stop(self, handle):
        proc, path = handle
        time.sleep(0.2)
        proc.send_signal(signal.SIGINT)
        proc.wait(timeout=5)
        samples = array.array("h")
        with open(path, "rb") as f:
            samples.frombytes(f.read())
        return samples

    def record(self, seconds):
        h = self.record_start()
        time.sleep(seconds)
        return self.record_stop(h)

    def close(self):
        for p in [self.silence, self.pulse] + self.pipewire[::-1] + [self.xvfb]:
            if p and p.poll() is None:
                p.terminate()
                try:
                    p.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    p.kill()
        shutil.rmtree(self.tmp, ignore_errors=True)


def sounding_spans(samples, threshold=20, window=88, gap=0.05):
    """Spans (start, end) in seconds where the 2 ms peak is above threshold;
    spans less than `gap` apart are joined."""
    spans = []
    for i in range(0, len(samples), window):
        chunk = samples[i:i + window]
        if chunk and max(max(chunk), -min(chunk)) > threshold:
            t0, t1 = i / RATE, (i + len(chunk)) / RATE
            if spans and t0 - spans[-1][1] <= gap:
                spans[-1] = (spans[-1][0], t1)
            else:
                spans.append((t0, t1))
    return spans


# A silence this short inside a sound is a dropout of a busy machine, not the
# end of the sound: the checks of whole sounds join across it. A sound cut
# short, or never played, still shows as one (tests/bench/sound_gaps.py
# counts the dropouts themselves, against PulseAudio's own player).
DROPOUT = 0.1


def total_sounding(samples, **kw):
    spans = sounding_spans(samples, **kw)
    return (spans[-1][1] - spans[0][0]) if spans else 0.0


class Game:
    """The real executable on a Desktop."""

    def __init__(self, desktop, extra_env=None, exe=None):
        self.desktop = desktop
        env = dict(desktop.env)
        env.update(extra_env or {})
        self.log = open(os.path.join(desktop.tmp, "game.log"), "w+")
        self.proc = subprocess.Popen([exe or GAME], env=env, stdout=self.log, stderr=subprocess.STDOUT)
        self.window = wait_for(self._find, timeout=15)
        if not self.window:
            raise RuntimeError("no window titled Zembra appeared")
        self.desktop.run("xdotool", "windowfocus", "--sync", self.window)
        # The first frame: the background's grey frame is drawn.
        wait_for(lambda: self.screenshot().at(2, 300) != (0, 0, 0) and self.screenshot().at(2, 300) != (255, 255, 255),
                 timeout=10)

    def _find(self):
        out = self.desktop.run("xdotool", "search", "--onlyvisible", "--name", "^Zembra$").stdout.split()
        return out[0] if out else None

    def geometry(self):
        info = self.desktop.run("xwininfo", "-id", self.window).stdout
        values = {}
        for line in info.splitlines():
            line = line.strip()
            for key in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"):
                if line.startswith(key + ":"):
                    values[key] = int(line.split(":")[1])
        return values

    def title(self):
        return self.desktop.run("xdotool", "getwindowname", self.window).stdout.strip()

    def keys(self, *keys, delay=0.05):
        self.desktop.run("xdotool", "windowfocus", "--sync", self.window)
        for k in keys:
            self.desktop.run("xdotool", "key", k)
            time.sleep(delay)

    def screenshot(self, path=None):
        """The window's pixels, as a Picture."""
        pic, out = self.desktop.grab(self.window)
        if path:
            with open(path, "wb") as f:
                f.write(out)
        return pic

    def alive(self):
        return self.proc.poll() is None

    def output(self):
        self.log.flush()
        self.log.seek(0)
        return self.log.read()

    def close(self):
        if self.alive():
            self.proc.terminate()
            try:
                self.proc.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.proc.kill()
        self.log.close()


def parse_ppm(data):
    parts = []
    i = 0
    while len(parts) < 4:
        while data[i:i + 1].isspace():
            i += 1
        j = i
        while not data[j:j + 1].isspace():
            j += 1
        parts.append(data[i:j])
        i = j
    i += 1
    w, h = int(parts[1]), int(parts[2])
    return Picture(w, h, data[i:i + w * h * 3])


def read_png(path, *options):
    """A picture file as a Picture, with ImageMagick's options applied (to
    flatten a transparent one onto a background, say)."""
    return parse_ppm(subprocess.run(["convert", path, *options, "-depth", "8", "ppm:-"], capture_output=True,
                                    check=True, timeout=20).stdout)


class Picture:
    def __init__(self, w, h, rgb):
        self.w, self.h, self.rgb = w, h, rgb

    def at(self, x, y):
        o = (y * self.w + x) * 3
        return tuple(self.rgb[o:o + 3])

    def count(self, x0, y0, x1, y1, predicate):
        return sum(1 for y in range(y0, y1) for x in range(x0, x1) if predicate(self.at(x, y)))


# Well geometry in window coordinates.
WELL_X, WELL_Y, CELL = 109, 58, 20


def cell_centre(c, r):
    return WELL_X + (c - 1) * CELL + 10, WELL_Y + (r - 1) * CELL + 10


def read_cells(pic):
    """{(c, r): colour} of every cell showing a picture (cell centres are
    never black in any tile)."""
    cells = {}
    for r in range(1, 22):
        for c in range(1, 13):
            p = pic.at(*cell_centre(c, r))
            if p != (0, 0, 0):
                cells[(c, r)] = p
    return cells


def game_running(pic):
    """Whether a game runs (or is paused): the pause button's caption is
    dark only then; at game over it turns grey. Nothing that falls in the
    well reaches the toolbar."""
    return pic.count(60, 24, 120, 42, lambda p: sum(p) < 250) > 20


def well_occupancy(pic):
    """21 strings of 12: '#' where a cell shows a picture, '.' where it is black."""
    cells = read_cells(pic)
    return ["".join("#" if (c, r) in cells else "." for c in range(1, 13)) for r in range(1, 22)]


class SystemTest(unittest.TestCase):
    sound = True

    def setUp(self):
        self.desktop = Desktop(sound=self.sound)
        self.addCleanup(self.desktop.close)

    def start_game(self, extra_env=None, exe=None):
        game = Game(self.desktop, extra_env, exe)
        self.addCleanup(game.close)
        return game

    def click(self, window, x, y, button=1):
        self.desktop.run("xdotool", "mousemove", "--window", window, str(x), str(y))
        self.desktop.run("xdotool", "click", str(button))

    def grab_root(self, x, y, w, h):
        """A part of the screen: a menu is a window of its own, over the game's."""
        data = subprocess.run(["import", "-window", "root", "-depth", "8", "-crop", "%dx%d+%d+%d" % (w, h, x, y),
                               "ppm:-"], env=self.desktop.env, capture_output=True, check=True, timeout=20).stdout
        return parse_ppm(data)

    def close_dialog(self, window, title, key="Return"):
        self.desktop.run("xdotool", "windowfocus", "--sync", window)
        self.desktop.run("xdotool", "key", key)
        self.assertTrue(wait_for(lambda: not self.desktop.find_window(title, timeout=0.2), timeout=5), title)

    def screens(self, game):
        """What a player sees of the windows, by name: the main window at
        start, its menu, About, Help and the restart box (answered Cancel)."""
        # The pointer off the window, so that no toolbar button shows it hovering.
        self.desktop.run("xdotool", "mousemove", "0", "0")
        time.sleep(0.2)
        views = {"main": game.screenshot()}
        g = game.geometry()
        self.click(game.window, 50, 300, 3)
        time.sleep(0.5)
        views["menu"] = self.grab_root(g["Absolute upper-left X"], g["Absolute upper-left Y"], g["Width"], g["Height"])
        self.desktop.run("xdotool", "key", "Escape")
        time.sleep(0.3)
        for title, x in (("关于", 243), ("帮助", 200)):
            self.click(game.window, x, 22)
            window = self.desktop.find_window(title)
            self.assertTrue(window, title)
            time.sleep(0.3)
            views[title] = self.desktop.grab(window)[0]
            self.close_dialog(window, title)
        views["box"] = self.restart_box(game)
        return views

    def restart_box(self, game):
        """The restart box that F2 opens during a game, answered Cancel."""
        game.keys("F2")
        time.sleep(0.3)
        game.keys("F2")
        box = self.desktop.find_window("游戏提示")
        self.assertTrue(box, "the restart box")
        time.sleep(0.3)
        pic = self.desktop.grab(box)[0]
        self.close_dialog(box, "游戏提示", "Escape")
        return pic


def find_picture(screen, picture, rows=None):
    """Where picture's top-left corner lies on screen, judged by the given
    whole rows of it (by default all); None where it is not shown."""
    rows = rows or range(picture.h)
    first = picture.rgb[rows[0] * picture.w * 3:(rows[0] + 1) * picture.w * 3]
    at = screen.rgb.find(first)
    while at != -1:
        if at % 3 == 0:
            x, y = at // 3 % screen.w, at // 3 // screen.w - rows[0]
            if x + picture.w <= screen.w and all(
                    0 <= y + r < screen.h and screen.rgb[((y + r) * screen.w + x) * 3:((y + r) * screen.w + x + picture.w) * 3]
                    == picture.rgb[r * picture.w * 3:(r + 1) * picture.w * 3] for r in rows):
                return x, y
        at = screen.rgb.find(first, at + 1)
    return None


def crop(pic, x, y, w, h):
    return Picture(w, h, b"".join(pic.rgb[((y + r) * pic.w + x) * 3:((y + r) * pic.w + x + w) * 3] for r in range(h)))


def differing_pixels(a, b):
    """How many pixels of two pictures of one size differ."""
    return sum(1 for i in range(0, len(a.rgb), 3) if a.rgb[i:i + 3] != b.rgb[i:i + 3])
