# SPDX-License-Identifier: MIT
"""A small player that reads the well from screenshots and places pieces
with real key presses, keeping its own model of the stack to check the
screen against."""
import time

from harness import read_cells

# Cells (dx, dy) of the normal pool's shapes, and the spawn rows of those
# that start at row 0.
SHAPES = {
    1: [(0, 1), (1, 1), (2, 1), (3, 1)], 2: [(2, 0), (2, 1), (2, 2), (2, 3)],
    3: [(0, 1), (1, 1), (2, 1), (3, 1)], 4: [(2, 0), (2, 1), (2, 2), (2, 3)],
    5: [(1, 0), (2, 0), (2, 1), (3, 1)], 6: [(2, 0), (2, 1), (1, 1), (1, 2)],
    7: [(1, 0), (2, 0), (2, 1), (3, 1)], 8: [(2, 0), (2, 1), (1, 1), (1, 2)],
    9: [(2, 0), (3, 0), (1, 1), (2, 1)], 10: [(1, 0), (1, 1), (2, 1), (2, 2)],
    11: [(2, 0), (3, 0), (1, 1), (2, 1)], 12: [(1, 0), (1, 1), (2, 1), (2, 2)],
    13: [(1, 0), (2, 0), (2, 1), (2, 2)], 14: [(3, 0), (3, 1), (2, 1), (1, 1)],
    15: [(2, 0), (2, 1), (2, 2), (3, 2)], 16: [(1, 1), (1, 2), (2, 1), (3, 1)],
    17: [(3, 0), (2, 0), (2, 1), (2, 2)], 18: [(1, 1), (2, 1), (3, 1), (3, 2)],
    19: [(1, 2), (2, 0), (2, 1), (2, 2)], 20: [(1, 0), (3, 1), (2, 1), (1, 1)],
    21: [(2, 0), (3, 1), (2, 1), (1, 1)], 22: [(2, 0), (3, 1), (2, 1), (2, 2)],
    23: [(2, 2), (3, 1), (2, 1), (1, 1)], 24: [(2, 0), (2, 2), (2, 1), (1, 1)],
    25: [(2, 0), (1, 0), (2, 1), (1, 1)], 26: [(2, 0), (1, 0), (2, 1), (1, 1)],
    27: [(2, 0), (1, 0), (2, 1), (1, 1)], 28: [(2, 0), (1, 0), (2, 1), (1, 1)],
}
POINTS = [0, 150, 400, 750, 1250]


def turned(shape_id):
    return shape_id + 1 if shape_id % 4 else shape_id - 3


def fits(board, shape_id, col, row):
    for dx, dy in SHAPES[shape_id]:
        c, r = col + dx, row + dy
        if c < 1 or c > 12 or r < 1 or r > 21 or (c, r) in board:
            return False
    return True


def drop_row(board, shape_id, col, row):
    while fits(board, shape_id, col, row + 1):
        row += 1
    return row


def place(board, shape_id, col, row, colour):
    """The board after locking the piece and removing full rows, and the rows removed."""
    b = dict(board)
    for dx, dy in SHAPES[shape_id]:
        b[(col + dx, row + dy)] = colour
    full = [r for r in range(1, 22) if all((c, r) in b for c in range(1, 13))]

    out = {}
    for (c, r), colour_ in b.items():
        if r in full:
            continue
        out[(c, r + sum(1 for f in full if f > r))] = colour_
    return out, len(full)


def evaluate(board, lines, placed, full_rows):
    """Higher is better: a weighted-feature placement player (landing height,
    eroded cells, row and column transitions, holes, wells)."""
    filled = lambda c, r: c < 1 or c > 12 or r > 21 or (c, r) in board
    landing = 22 - sum(r for _, r in placed) / len(placed)
    eroded = lines * sum(1 for _, r in placed if r in full_rows)
    row_transitions = sum(1 for r in range(1, 22) for c in range(1, 14) if filled(c - 1, r) != filled(c, r))
    column_transitions = sum(1 for c in range(1, 13) for r in range(1, 22) if filled(c, r) != filled(c, r + 1))
    holes = 0
    wells = 0
    for c in range(1, 13):
        covered = False
        depth = 0
        for r in range(1, 22):
            if (c, r) in board:
                covered = True
                depth = 0
            else:
                holes += covered
                if filled(c - 1, r) and filled(c + 1, r):
                    depth += 1
                    wells += depth
                else:
                    depth = 0
    return (-4.500158825 * landing + 3.418126810 * eroded - 3.217888287 * row_transitions
            - 9.348695305 * column_transitions - 7.899265427 * holes - 3.385597225 * wells)


def identify(piece):
    """Shape id and origin of a freshly spawned piece from its cells."""
    for shape_id in SHAPES:
        cells = SHAPES[shape_id]
        for col in range(-1, 11):
            for row in range(0, 6):
                if {(col + dx, row + dy) for dx, dy in cells} == set(piece):
                    return shape_id, col, row
    return None


class Bot:
    def __init__(self, game):
        self.game = game
        self.board = {}  # the stack as the bot expects it: (c, r) -> colour
        self.score = 0
        self.pieces = 0

    def wait_for_piece(self, timeout=3.0):
        """Waits until the screen shows the expected stack and four cells more:
        the new piece. While rows are being wiped the screen shows neither."""
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            pic = self.game.screenshot()
            cells = read_cells(pic)
            piece = {k: v for k, v in cells.items() if k not in self.board}
            settled = all(k in cells for k in self.board)
            if settled and len(piece) == 4 and identify(piece):
                return pic, cells, piece
            time.sleep(0.02)
        raise AssertionError("no new piece appeared; screen %s, expected stack %s" % (sorted(cells), sorted(self.board)))

    def choose(self, shape_id, col, row, colour, margin):
        """The best (score, turns, target column, board after, rows) or None."""
        best = None
        rotated = shape_id
        rows = range(row, row + margin + 1)
        for turns in range(4):
            if turns and not all(fits(self.board, rotated, col, r) for r in rows):
                break  # the game refuses the turn here; so does the bot
            for target in range(-1, 12):
                path = range(min(col, target), max(col, target) + 1)
                if not all(fits(self.board, rotated, c, r) for c in path for r in rows):
                    continue
                landed = drop_row(self.board, rotated, target, row)
                after, lines = place(self.board, rotated, target, landed, colour)
                placed = [(target + dx, landed + dy) for dx, dy in SHAPES[rotated]]
                full_rows = {r for _, r in placed if all((c, r) in self.board or (c, r) in placed for c in range(1, 13))}
                score = evaluate(after, lines, placed, full_rows)
                if best is None or score > best[0]:
                    best = (score, turns, target, after, lines)
            rotated = turned(rotated)
        return best

    def play_one(self):
        """Places one piece; returns the number of rows it removed."""
        pic, cells, piece = self.wait_for_piece()
        found = identify(piece)
        if not found:
            raise AssertionError("unknown piece %s" % sorted(piece))
        shape_id, col, row = found
        colour = next(iter(piece.values()))
        # The piece may fall a row or two before the keys arrive, so the way
        # must be free a little lower down as well; near the top of a high
        # stack the bot settles for the way as it is now.
        best = self.choose(shape_id, col, row, colour, margin=2) or self.choose(shape_id, col, row, colour, margin=0)
        if best is None:
            raise AssertionError("no placement for piece %d at %d,%d" % (shape_id, col, row))
        _, turns, target, after, lines = best
        keys = ["Up"] * turns + (["Left"] * (col - target) if target < col else ["Right"] * (target - col)) + ["space"]
        # Holding Down after the drop brings the next tick, and with it the
        # next piece, within 20 ms instead of a whole fall period.
        self.game.desktop.run("xdotool", "key", "--delay", "15", *keys, "keydown", "Down", "sleep", "0.06",
                              "keyup", "Down")
        self.board = after
        self.score += POINTS[lines] if lines <= 4 else 0
        self.pieces += 1
        return lines
