#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end match: the real hitblow on its own X server, driven only by real input events
(xdotool): New Game by its shortcut, the secret chosen by clicks on the choice pieces, the counts
accepted with Return (automatic check on), guesses typed until the match ends; every other round
the Return on the counts, the guess and its Return are typed with 2 ms between keys. Alt with a
digit while choosing takes no piece. Checks the result text on screen, opens the statistics and
finds the match counted there, then quits with the shortcut and checks that the five settings
stored at quit (of the seven the game keeps) were stored.

Usage: run_e2e.py HITBLOW_BINARY [--screenshot PATH]
Exits 77 (skipped) when Xvfb or xdotool is missing."""

import argparse
import contextlib
import itertools
import os
import sqlite3
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import xsession  # noqa: E402

TITLE = "^Hit & Blow$"
STATISTICS_TITLE = "^Statistics$"
SKIPPED = 77
FASTEST_RHYTHM = 4.0
SETTINGS_KEYS = ("StrengthLevel", "CandidatesVisible", "SoundMode", "AutoCheck", "PlayingRhythm")
# Choice piece origins by digit, board units; a piece is hit from y + 24 to y + 75.
CHOICE_ORIGINS = {0: (289, 365), 1: (258, 307), 2: (320, 307), 3: (227, 249), 4: (289, 249),
                  5: (351, 249), 6: (196, 191), 7: (258, 191), 8: (320, 191), 9: (382, 191)}
SECRET = (5, 0, 9, 3)


class Failure(Exception):
    pass


class Match:
    def __init__(self, server, window):
        self.server = server
        self.window = window
        self.board = xsession.wait_for_board(server, window)
        if self.board is None:
            raise Failure("the game's window was not drawn")

    def picture(self):
        left, top, right, bottom = self.board.screen_rect(0, 0, xsession.BOARD_WIDTH, xsession.BOARD_HEIGHT)
        return self.server.grab(left, top, right - left, bottom - top)

    def count(self, picture, board_rect, predicate):
        left, top, right, bottom = self.board.screen_rect(*board_rect)
        return picture.count(left, top, right, bottom, predicate)

    def phase(self):
        """What the board shows: 'result' (the result text in yellow or red), 'counts' (the cursor
        under the first count of the computer's guess), 'guess' (the cursor under the first digit
        of the user's guess) or 'other'."""
        picture = self.picture()
        result_area = (100, 215, 540, 290)
        coloured = self.count(picture, result_area, lambda c: xsession.is_yellow(c) or xsession.is_red(c))
        if coloured > 400:
            return "result", picture
        if self.count(picture, (213, 265, 246, 270), xsession.is_yellow) >= 40:
            return "counts", picture
        if self.count(picture, (175, 194, 208, 199), xsession.is_yellow) >= 40:
            return "guess", picture
        return "other", picture

    def wait_for(self, phases, timeout):
        deadline = time.monotonic() + timeout
        while True:
            phase, picture = self.phase()
            if phase in phases:
                return phase, picture
            if time.monotonic() > deadline:
                raise Failure(f"waited {timeout} s for {', '.join(phases)}, the board shows {phase}")
            time.sleep(0.02)

    def key(self, *keys):
        self.server.run("xdotool", "key", "--delay", "40", *keys)

    def key_fast(self, *keys):
        self.server.run("xdotool", "key", "--delay", "2", *keys)

    def type(self, text):
        self.server.run("xdotool", "type", "--delay", "40", text)

    def click(self, board_x, board_y):
        x, y = self.board.to_screen(board_x, board_y)
        self.server.run("xdotool", "mousemove", "--sync", str(x), str(y), "click", "1")


def write_settings(config_home):
    folder = os.path.join(config_home, "HitBlow")
    os.makedirs(folder)
    with open(os.path.join(folder, "HitBlow.conf"), "w") as settings:
        settings.write("[General]\nStrengthLevel=1\nCandidatesVisible=1\nSoundMode=0\nAutoCheck=1\n"
                       f"PlayingRhythm={FASTEST_RHYTHM}\n")
    return os.path.join(folder, "HitBlow.conf")


def read_settings(path):
    values = {}
    with open(path) as settings:
        for line in settings:
            key, sep, value = line.strip().partition("=")
            if sep:
                values[key] = value
    return values


def play(server, binary, home, screenshot):
    settings_path = write_settings(os.path.join(home, "config"))
    runtime = os.path.join(home, "runtime")
    os.makedirs(runtime, mode=0o700)
    suppressions = os.path.join(os.path.dirname(os.path.abspath(__file__)), "lsan-suppressions.txt")
    statistics_path = os.path.join(home, "data", "HitBlow", "statistics.sqlite")
    env = server.env(QT_QPA_PLATFORM="xcb", XDG_CONFIG_HOME=os.path.join(home, "config"),
                     XDG_DATA_HOME=os.path.join(home, "data"), XDG_RUNTIME_DIR=runtime, LANG="C.UTF-8", LC_ALL="C.UTF-8", LANGUAGE="",
                     LSAN_OPTIONS=":".join(filter(None, [os.environ.get("LSAN_OPTIONS"),
                                                          f"suppressions={suppressions}"])))
    log = open(os.path.join(home, "hitblow.log"), "w")
    game = subprocess.Popen([binary], env=env, stdout=log, stderr=subprocess.STDOUT)
    try:
        window = server.wait_for_window(TITLE, timeout=20)
        if window is None:
            raise Failure("the game's window did not appear")
        server.run("xdotool", "windowfocus", "--sync", window)
        match = Match(server, window)

        # New Game by its shortcut: the choice pieces appear where the title was.
        before = match.picture()
        match.key("ctrl+n")
        piece_area = match.board.screen_rect(289, 389, 351, 440)
        deadline = time.monotonic() + 10
        while not changed(before, match.picture(), piece_area):
            if time.monotonic() > deadline:
                raise Failure("New Game (ctrl+n) did not show the choice pieces")
            time.sleep(0.02)

        # A chord is no digit: Alt+6 leaves piece 6 where it is. The click after it is handled
        # after it, so once the clicked piece has gone the chord has had its effect.
        unchosen = CHOICE_ORIGINS[6]
        unchosen_area = match.board.screen_rect(unchosen[0] + 10, unchosen[1] + 30, unchosen[0] + 52, unchosen[1] + 70)
        first = CHOICE_ORIGINS[SECRET[0]]
        first_area = match.board.screen_rect(first[0] + 10, first[1] + 30, first[0] + 52, first[1] + 70)
        before = match.picture()
        match.key("alt+6")
        for number, digit in enumerate(SECRET):
            x, y = CHOICE_ORIGINS[digit]
            match.click(x + 31, y + 50)
            if number == 0:
                deadline = time.monotonic() + 10
                while not changed(before, after := match.picture(), first_area):
                    if time.monotonic() > deadline:
                        raise Failure("a click on a choice piece took no piece")
                    time.sleep(0.02)
                if changed(before, after, unchosen_area):
                    raise Failure("alt+6 took piece 6")

        guesses = (''.join(map(str, p)) for p in itertools.permutations(range(10), 4))
        rounds = 0
        while True:
            phase, picture = match.wait_for(("counts", "result"), timeout=10)
            if phase == "result":
                break
            rounds += 1
            if rounds > 16:
                raise Failure("no result after 16 rounds")
            if rounds % 2 == 0:
                # Faster than the board's 0.05 s press of the OK button: the keys after each
                # Return must still land in the guess, and the guess must be submitted.
                match.key_fast("Return", *next(guesses), "Return")
                submitted_fast(match)
                continue
            match.key("Return")
            match.wait_for(("guess",), timeout=10)
            match.type(next(guesses))
            if screenshot and rounds == 3:
                time.sleep(0.1)
                server.grab(*server.window_geometry(window)).save_png(screenshot)
            match.key("Return")

        yellow = match.count(picture, (100, 215, 540, 290), xsession.is_yellow)
        red = match.count(picture, (100, 215, 540, 290), xsession.is_red)
        outcome = "won or drew (yellow)" if yellow > red else "lost (red)"
        print(f"result after {rounds} rounds: {outcome}; yellow {yellow} px, red {red} px")
        check_statistics(server, match, statistics_path, rounds, lost=red > yellow)

        match.key("ctrl+q")
        problem = xsession.quit_problem(game)
        if problem:
            raise Failure(problem)
    finally:
        if game.poll() is None:
            game.kill()
            game.wait()
        log.close()

    stored = read_settings(settings_path)
    missing = [key for key in SETTINGS_KEYS if key not in stored]
    if missing:
        raise Failure(f"settings file lacks {', '.join(missing)}: {stored}")
    expected = {"AutoCheck": 1, "SoundMode": 0, "PlayingRhythm": FASTEST_RHYTHM, "StrengthLevel": 1,
                "CandidatesVisible": 1}
    for key, value in expected.items():
        if float(stored[key]) != value:
            raise Failure(f"settings file holds {key}={stored[key]}, expected {value}")
    print("settings stored:", ", ".join(f"{k}={stored[k]}" for k in SETTINGS_KEYS))


def submitted_fast(match):
    """Waits for the board to leave the counts after the fast keys: the whole guess was held with
    the keys and submitted (the pause shows no cursor), where a board that lost keys to the
    pending press would wait with the cursor under the guess."""
    deadline = time.monotonic() + 10
    guess_since = None
    while True:
        phase, _ = match.phase()
        if phase in ("other", "result"):
            return
        now = time.monotonic()
        if phase == "guess":
            guess_since = guess_since or now
            if now - guess_since > 1.0:
                raise Failure("a guess typed with 2 ms between keys was not submitted")
        if now > deadline:
            raise Failure("the counts and guess typed with 2 ms between keys did nothing")
        time.sleep(0.01)


def check_statistics(server, match, path, rounds, lost):
    """The match is in the statistics database as decided, and the statistics window opens on ctrl+t."""
    # The game writes the database on a thread of its own, right after the match was decided.
    deadline = time.monotonic() + 5
    while True:
        try:
            with contextlib.closing(sqlite3.connect(f"file:{path}?mode=ro", uri=True)) as database:
                database.row_factory = sqlite3.Row
                matches = [dict(row) for row in database.execute(
                    "SELECT result, guesses, hinted FROM matches ORDER BY id")]
            if matches:
                break
            raise sqlite3.OperationalError("no match stored yet")
        except sqlite3.Error as error:
            if time.monotonic() > deadline:
                raise Failure(f"no statistics in {path}: {error}")
            time.sleep(0.05)
    if len(matches) != 1:
        raise Failure(f"the statistics hold {len(matches)} matches, expected 1: {matches}")
    counted = matches[0]
    expected = ("lost",) if lost else ("won", "draw")
    if counted.get("result") not in expected or counted.get("guesses") != rounds or counted.get("hinted") != 0:
        raise Failure(f"the match was counted as {counted}, expected {' or '.join(expected)} in {rounds} guesses")
    match.key("ctrl+t")
    window = server.wait_for_window(STATISTICS_TITLE, timeout=10)
    if window is None:
        raise Failure("the statistics window did not open on ctrl+t")
    match.key("Escape")
    deadline = time.monotonic() + 10
    while server.find_window(STATISTICS_TITLE):
        if time.monotonic() > deadline:
            raise Failure("the statistics window did not close on Escape")
        time.sleep(0.02)
    print(f"statistics: the match counted as {counted['result']} in {counted['guesses']} guesses")


def changed(before, after, rect):
    left, top, right, bottom = rect
    return any(before.pixel(x, y) != after.pixel(x, y) for y in range(top, bottom, 3) for x in range(left, right, 3))


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("binary")
    parser.add_argument("--screenshot", help="save a picture of the window in the third round here (PNG)")
    args = parser.parse_args()
    missing = xsession.missing_tools()
    if missing:
        print(f"skipped: {', '.join(missing)} not installed")
        return SKIPPED

    started = time.monotonic()
    with tempfile.TemporaryDirectory(prefix="hitblow-e2e-") as home, xsession.XServer() as server:
        try:
            play(server, os.path.abspath(args.binary), home, args.screenshot)
        except Failure as failure:
            print("FAIL:", failure)
            failed_shot = os.path.join(os.getcwd(), "e2e-failure.png")
            try:
                server.grab(0, 0, 800, 600).save_png(failed_shot)
                print("screen at the failure:", failed_shot)
            except Exception as error:  # the failure itself matters more than its picture
                print("no screenshot:", error)
            with open(os.path.join(home, "hitblow.log")) as log:
                print("game output:\n" + log.read())
            return 1
    print(f"1 passed, 0 failed ({time.monotonic() - started:.1f} s)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
