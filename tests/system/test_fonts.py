# SPDX-License-Identifier: MIT
"""The game draws the same pixels whatever fonts the machine has: with none
at all but its own, and with every font the machine has. In both, no text is
cut off: Help's lines and captions, the game-over banner's underline and the
About captions on their links' baselines; and the Chinese text at 12 px is
drawn from bitmaps, in the text's own colour."""
import os
import time
import unittest

from harness import SystemTest, differing_pixels, game_running

# Help's labels and group boxes, in dialog coordinates: (x, y, w, h, lines).
HELP_LABELS = {"Label3": (23, 89, 234, 56, 4), "Label4": (23, 173, 96, 84, 6)}
# Group-box captions: the box's top and the caption's colour.
HELP_CAPTIONS = [(5, (0, 0, 255)), (65, (128, 0, 0)), (157, (0, 128, 128))]
BUTTON_FACE_TOLERANCE = 40
# Chinese texts at 12 px, as (view, x, y, w, h, colour): drawn from bitmaps,
# every ink pixel is the text's own colour, as SimSun's are on a Chinese
# Windows; antialiased outlines would be mostly grey.
CRISP_TEXTS = [
    ("帮助", 16, 3, 46, 14, (0, 0, 255)),  # 游戏规则
    ("帮助", 16, 63, 48, 13, (128, 0, 0)),  # 操作说明
    ("帮助", 16, 155, 24, 13, (0, 128, 128)),  # 等级
    ("帮助", 18, 45, 252, 14, (0, 0, 255)),  # the second rule
    ("关于", 69, 88, 24, 16, (0, 0, 0)),  # 主页
    ("关于", 69, 112, 24, 16, (0, 0, 0)),  # 邮件
    ("menu", 68, 304, 52, 16, (0, 0, 0)),  # 音效
    ("menu", 68, 334, 52, 16, (0, 0, 0)),  # 速度设置
    ("box", 60, 8, 220, 18, (0, 0, 0)),  # the question
]


def ink_rows(pic, x0, x1, y0, y1, is_ink):
    return [y for y in range(y0, y1) if any(is_ink(pic.at(x, y)) for x in range(x0, x1))]


def bands(rows):
    """Runs of consecutive rows, as (first, last)."""
    out = []
    for y in rows:
        if out and y == out[-1][1] + 1:
            out[-1] = (out[-1][0], y)
        else:
            out.append((y, y))
    return out


def near(colour, target, tolerance=90):
    return sum(abs(a - b) for a, b in zip(colour, target)) < tolerance


class FontSetTest(SystemTest):
    sound = False

    def private_fonts(self):
        """A font configuration that sees no font at all."""
        folder = os.path.join(self.desktop.tmp, "fontconfig")
        os.makedirs(folder)
        path = os.path.join(folder, "fonts.conf")
        with open(path, "w") as f:
            f.write('<?xml version="1.0"?>\n<!DOCTYPE fontconfig SYSTEM "fonts.dtd">\n'
                    "<fontconfig><cachedir>%s</cachedir></fontconfig>\n" % os.path.join(folder, "cache"))
        return {"FONTCONFIG_FILE": path}

    def views(self, extra_env):
        """What a player sees: the main window, its menu, About, Help, the
        restart box, and the banner's rows at game over."""
        game = self.start_game(extra_env)
        views = self.screens(game)
        # Pile the pieces up until the game ends.
        for _ in range(60):
            game.keys("space", delay=0.1)
            if not game_running(game.screenshot()):
                break
        time.sleep(0.5)
        views["over"] = game.screenshot()
        return views

    # The banner "GAME  OVER" lies at (108, 208) of the window, 241 x 42.
    def underline_row(self, pic):
        """The row where pure red runs unbroken across most of the banner."""
        for y in range(208, 250):
            run = best = 0
            for x in range(108, 349):
                run = run + 1 if pic.at(x, y) == (255, 0, 0) else 0
                best = max(best, run)
            if best >= 180:
                return y
        return None

    def check_unclipped(self, views, name):
        help_pic = views["帮助"]
        face = help_pic.at(3, 280)
        is_ink = lambda p: sum(abs(a - b) for a, b in zip(p, face)) > BUTTON_FACE_TOLERANCE
        for label, (x, y, w, h, lines) in HELP_LABELS.items():
            found = bands(ink_rows(help_pic, x, x + w, y - 3, y + h + 3, is_ink))
            self.assertEqual(len(found), lines, "%s %s: %s" % (name, label, found))
            self.assertGreaterEqual(found[0][0], y, "%s %s starts above its label" % (name, label))
            self.assertLess(found[-1][1], y + h - 1, "%s %s: its last line reaches the label's edge" % (name, label))
            heights = [b - a + 1 for a, b in found]
            self.assertGreaterEqual(min(heights), max(heights) - 1, "%s %s: a line is cut: %s" % (name, label, heights))
        # Each caption is whole, at least as tall as "游戏" at the start of the
        # first box's first line (the same font; the captions begin with
        # glyphs as tall), and its frame line runs through it.
        reference = bands(ink_rows(help_pic, 17, 39, 22, 42, is_ink))
        self.assertEqual(len(reference), 1, "%s: %s" % (name, reference))
        tallest_line = reference[0][1] - reference[0][0] + 1
        for top, colour in HELP_CAPTIONS:
            rows = ink_rows(help_pic, 17, 57, max(0, top - 6), top + 14, is_ink)
            self.assertTrue(any(near(help_pic.at(x, y), colour) for y in rows for x in range(17, 57)),
                            "%s: the caption at %d is not in its colour" % (name, top))
            self.assertTrue(rows, "%s: no caption at %d" % (name, top))
            self.assertGreaterEqual(rows[-1] - rows[0] + 1, tallest_line, "%s: caption at %d cut" % (name, top))
            frame = [y for y in range(max(0, top - 6), top + 12) if help_pic.at(300, y) != face]
            self.assertTrue(frame and rows[0] < frame[0] < rows[-1],
                            "%s: caption at %d, rows %s, frame %s" % (name, top, (rows[0], rows[-1]), frame))
        # "GAME  OVER" is underlined.
        self.assertIsNotNone(self.underline_row(views["over"]), "%s: the banner has no underline" % name)
        # 主页: and 邮件: stand on their links' baselines: the captions' ink
        # ends the same distance above each link's underline.
        about = views["关于"]
        about_face = about.at(5, 5)
        dark = lambda p: sum(p) < sum(about_face) - 150
        link_colour = (0x3C, 0x3C, 0x78)
        gaps = []
        for caption_x, top in ((69, 86), (8, 110)):
            caption = ink_rows(about, caption_x, 96, top, top + 22, dark)
            underline = [y for y in range(top, top + 22)
                         if sum(1 for x in range(102, 200) if near(about.at(x, y), link_colour, 60)) > 80]
            self.assertTrue(caption and underline, "%s: caption or link missing at %d" % (name, top))
            gaps.append(underline[0] - caption[-1])
        self.assertEqual(gaps[0], gaps[1], "%s: captions and links do not line up alike: %s" % (name, gaps))
        self.assertIn(gaps[0], (1, 2, 3), "%s: a caption is off its link's baseline: %s" % (name, gaps))

    def check_crisp(self, views, name):
        for view, x, y, w, h, colour in CRISP_TEXTS:
            pic = views[view]
            ground = pic.at(x, y)
            seen = [pic.at(i, j) for j in range(y, y + h) for i in range(x, x + w) if pic.at(i, j) != ground]
            grey = sum(1 for p in seen if p != colour)
            self.assertGreater(len(seen), 40, "%s: no text in %s at %s" % (name, view, (x, y)))
            self.assertEqual(grey, 0, "%s: %s at %s: %d of %d ink pixels not %s" %
                             (name, view, (x, y), grey, len(seen), colour))

    def test_the_same_pixels_with_no_fonts_and_with_all_of_them(self):
        own = self.views(self.private_fonts())
        self.check_unclipped(own, "own faces only")
        self.check_crisp(own, "own faces only")
        self.desktop.close()
        self.desktop = type(self.desktop)(sound=False)
        self.addCleanup(self.desktop.close)
        full = self.views({})
        self.check_unclipped(full, "every font of the machine")
        for view in ("main", "menu", "关于", "帮助", "box"):
            a, b = own[view], full[view]
            self.assertEqual((a.w, a.h), (b.w, b.h), view)
            differing = differing_pixels(a, b)
            self.assertEqual(differing, 0, "%s: %d pixels differ between the font sets" % (view, differing))


if __name__ == "__main__":
    unittest.main()
