#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Bad inputs against the real hitblow on its own X server, each in a fresh configuration folder:
a garbage settings file, stored rhythms that give no usable pause, a configuration folder that
cannot be written, a settings file that is a FIFO or a link to a device or to a dotfile, termination
signals before the first window, a stored match of 290,000 guesses and SIGTERM during a review, a
truncated statistics database, one with a row the game does not know, two games quitting mid-match,
a small disk with 48 kB left, another process holding the database's lock at quit and while the
game waits for it, a language the game has no translation for, the keyboard after a modal window
closed, SIGTERM while one is open, and storms of random keys and clicks through every status of
many matches, with the preferences and help windows opened in between. After each the game must
still play (the computer's first guess arrives) and end normally with the five settings of the
preferences (of the seven it stores) stored as usable values.

Usage: run_bad_inputs.py HITBLOW_BINARY [--storm-seconds S] [--seed N] [--only NAME]
Exits 77 (skipped) when Xvfb or xdotool is missing."""

import argparse
import contextlib
import json
import math
import os
import random
import signal
import sqlite3
import stat
import subprocess
import sys
import tempfile
import time

E2E_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e")
sys.path.insert(0, E2E_DIR)
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import run_e2e  # noqa: E402
import xsession  # noqa: E402

SKIPPED = 77
TITLE = "^Hit & Blow$"
# The windows the keys of these cases open over the board.
WINDOWS_OVER_THE_BOARD = "^(How to Play|Preferences)$"
SETTINGS_KEYS = ("StrengthLevel", "CandidatesVisible", "SoundMode", "AutoCheck", "PlayingRhythm")
SUPPRESSIONS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "lsan-suppressions.txt")
CHOICE_ORIGINS = run_e2e.CHOICE_ORIGINS
OK_BUTTON_CENTRE = (364, 287)

Failure = run_e2e.Failure


def forget_kept_match(database):
    """Removes the match an earlier launch kept for resuming, if the database is one."""
    if not os.path.isfile(database):
        return
    with open(database, "rb") as file:
        if file.read(16) != b"SQLite format 3\0":
            return
    try:
        with sqlite3.connect(database, timeout=5) as connection:
            connection.execute("DELETE FROM saved_match")
    except sqlite3.Error:
        pass  # no such table yet, or a folder the case made unwritable


class Game:
    """The real program with its own configuration folder, its output kept in a log."""

    def __init__(self, server, binary, home, others=(), keep_stored=False, **environment):
        """others: the windows of games already running beside this one; keep_stored: the
        database is left exactly as it is (a damaged one, a locked one, a kept match to keep)."""
        self.server = server
        self.config = os.path.join(home, "config")
        runtime = os.path.join(home, "runtime")
        os.makedirs(self.config, exist_ok=True)
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        self.log_path = os.path.join(home, "hitblow.log")
        env = server.env(QT_QPA_PLATFORM="xcb", XDG_CONFIG_HOME=self.config,
                         XDG_DATA_HOME=os.path.join(home, "data"), XDG_RUNTIME_DIR=runtime,
                         LANG="C.UTF-8", LC_ALL="", LANGUAGE="",
                         LSAN_OPTIONS=":".join(filter(None, [os.environ.get("LSAN_OPTIONS"),
                                                              f"suppressions={SUPPRESSIONS}"])))
        env.update(environment)
        # Each case starts from the title screen: a match an earlier launch left for resuming would
        # make New Game ask first (and Return keeps it), which is not what these cases test.
        if not keep_stored:
            forget_kept_match(database_path(home))
        self.log = open(self.log_path, "w")
        self.process = subprocess.Popen([binary], env=env, stdout=self.log, stderr=subprocess.STDOUT)
        self.window = wait_for_new_window(server, others, timeout=20)
        if self.window is None:
            self.kill()
            raise Failure("the game's window did not appear")
        self.focus()
        self.match = run_e2e.Match(server, self.window)

    def focus(self):
        self.server.run("xdotool", "windowfocus", "--sync", self.window)

    @property
    def settings_path(self):
        return os.path.join(self.config, "HitBlow", "HitBlow.conf")

    def alive(self):
        return self.process.poll() is None

    def output(self):
        if not self.log.closed:
            self.log.flush()
        with open(self.log_path, errors="replace") as log:
            return log.read()

    def close_windows(self, settle=1.0):
        """Closes the windows that keys typed before opened, waiting settle seconds for one still
        on its way: keys typed while a window is being made, before it has the keyboard, are lost
        (it takes longest under the sanitizers)."""
        deadline = time.monotonic() + settle
        while time.monotonic() < deadline:
            if self.server.find_window(WINDOWS_OVER_THE_BOARD):
                self.match.key("Escape")
                deadline = time.monotonic() + settle
            time.sleep(0.05)

    def start_match(self, secret="5093"):
        """New Game, the secret typed; the computer's first guess must arrive after its pause."""
        self.match.key("Escape", "ctrl+n")
        self.match.type(secret)
        self.match.wait_for(("counts",), timeout=10)

    def give_up_matches(self, count):
        """Plays count matches up to the computer's first guess, each given up by New Game (which
        must not ask, see no_abandon_question): each is stored as abandoned."""
        for _ in range(count):
            self.start_match()
        self.match.key("ctrl+n")

    def quit(self, timeout=15):
        """Quits by the shortcut; the game must end normally within timeout seconds."""
        self.match.key("Escape", "Escape", "ctrl+q")
        try:
            code = self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            self.kill()
            raise Failure(f"the game did not quit within {timeout} s of ctrl+q")
        self.log.close()
        if code != 0:
            raise Failure(f"the game exited with {code}")

    def kill(self):
        if self.alive():
            self.process.kill()
            self.process.wait()
        if not self.log.closed:
            self.log.close()


def database_path(home):
    return os.path.join(home, "data", "HitBlow", "statistics.sqlite")


def wait_for_new_window(server, others, timeout):
    """A game's window that is none of others, once it is there."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        found = server.run("xdotool", "search", "--onlyvisible", "--name", TITLE, check=False).split()
        new = [window for window in found if window not in others]
        if new:
            return new[0]
        time.sleep(0.005)
    return None


def stored_results(database, table="matches", column="result"):
    """The column of every row of a table, oldest first, read without changing the file."""
    with contextlib.closing(sqlite3.connect(f"file:{database}?mode=ro", uri=True, timeout=5)) as connection:
        return [row[0] for row in connection.execute(f"SELECT {column} FROM {table} ORDER BY rowid")]


def no_abandon_question(home):
    """New Game during a match gives it up at once, without asking, and the computer is quick."""
    write_file(os.path.join(home, "config", "HitBlow", "HitBlow.conf"),
               b"[General]\nConfirmAbandon=0\nPlayingRhythm=4\n")


def write_file(path, contents):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as out:
        out.write(contents)


def play_briefly(server, binary, home, **environment):
    """Starts the game, plays until the computer's first guess has arrived and quits."""
    game = Game(server, binary, home, **environment)
    try:
        game.start_match()
        game.quit()
    finally:
        game.kill()
    return game


def check_stored_settings(game, **expected):
    """The five keys are stored as usable numbers, those given with the values given."""
    stored = run_e2e.read_settings(game.settings_path)
    missing = [key for key in SETTINGS_KEYS if key not in stored]
    if missing:
        raise Failure(f"settings file lacks {', '.join(missing)}: {stored}")
    rhythm = float(stored["PlayingRhythm"])
    if not math.isfinite(rhythm) or rhythm <= 0:
        raise Failure(f"stored rhythm {stored['PlayingRhythm']} gives no usable pause")
    for key, value in expected.items():
        if float(stored[key]) != value:
            raise Failure(f"settings file holds {key}={stored[key]}, expected {value}")
    return stored


def garbage_settings(server, binary, home, rng):
    garbage = bytes(rng.randrange(256) for _ in range(700))
    contents = (b"\x00\xff\xfe[General\nStrengthLevel=\xff\xfe\nPlayingRhythm=nan\nSoundMode=1e99\n"
                + garbage + b"\n[General]\nAutoCheck=abc\nCandidatesVisible=\n\x00\x00=\xc3")
    write_file(os.path.join(home, "config", "HitBlow", "HitBlow.conf"), contents)
    check_stored_settings(play_briefly(server, binary, home), PlayingRhythm=1.0)


def stored_rhythm(text):
    def case(server, binary, home, rng):
        write_file(os.path.join(home, "config", "HitBlow", "HitBlow.conf"),
                   b"[General]\nPlayingRhythm=" + text.encode() + b"\n")
        check_stored_settings(play_briefly(server, binary, home), PlayingRhythm=1.0)
    return case


def unwritable_folder(server, binary, home, rng):
    # Where the game's folder should be stands a file, so nothing can be written, not even by root.
    write_file(os.path.join(home, "config", "HitBlow"), b"not a folder\n")
    game = Game(server, binary, home)
    try:
        # OK in the preferences window stores the settings at once: the first failure is reported.
        game.match.key("ctrl+comma")
        time.sleep(0.3)
        game.match.key("Return")
        game.start_match()
        game.quit()
    finally:
        game.kill()
    output = game.output()
    reports = output.count("could not be saved")
    if reports != 1:
        raise Failure(f"the failed saves were reported {reports} times:\n{output}")


def keyboard_after_windows(server, binary, home, rng):
    # Without a window manager only the game can give its window the keyboard back.
    for opener, closer in (("F1", "Escape"), ("ctrl+comma", "Escape"), ("ctrl+comma", "Return")):
        game = Game(server, binary, home)
        try:
            game.match.key(opener)
            # Closed once it is there, as a player would.
            window = server.wait_for_window(WINDOWS_OVER_THE_BOARD, timeout=10)
            if window is None:
                raise Failure(f"no window opened on {opener}")
            time.sleep(0.2)
            game.match.key(closer)
            deadline = time.monotonic() + 10
            while server.find_window(WINDOWS_OVER_THE_BOARD) and time.monotonic() < deadline:
                time.sleep(0.05)
            try:
                game.start_match()
            except Failure:
                raise Failure(f"keys did not reach the board after {opener}, {closer}")
            game.quit()
        finally:
            game.kill()


def terminated_in_a_modal_window(server, binary, home, rng):
    # SIGTERM while an alert, the help or the preferences window is open: a normal end all the same.
    for opener in (("9", "9", "Return"), ("F1",), ("ctrl+comma",)):
        write_file(os.path.join(home, "config", "HitBlow", "HitBlow.conf"), b"[General]\nStrengthLevel=2\n")
        game = Game(server, binary, home)
        try:
            game.start_match()
            game.match.key(*opener)
            time.sleep(0.3)
            game.process.send_signal(signal.SIGTERM)
            try:
                code = game.process.wait(timeout=15)
            except subprocess.TimeoutExpired:
                raise Failure(f"the game did not end on SIGTERM after {' '.join(opener)}")
            if code != 0:
                raise Failure(f"the game exited with {code} on SIGTERM after {' '.join(opener)}")
        finally:
            game.kill()
        check_stored_settings(game, StrengthLevel=2, AutoCheck=0)


def play_until_signal(server, binary, home, signal_number, what, store_preferences=False):
    """Starts the game (OK in the preferences first, which stores the settings, if asked), plays
    until the computer's first guess and sends the signal: the game must end normally within 2 s."""
    game = Game(server, binary, home)
    try:
        if store_preferences:
            game.match.key("ctrl+comma")
            time.sleep(0.3)
            game.match.key("Return")
        game.start_match()
        game.process.send_signal(signal_number)
        try:
            code = game.process.wait(timeout=2)
        except subprocess.TimeoutExpired:
            raise Failure(f"the game did not end within 2 s of {signal.Signals(signal_number).name} {what}")
    finally:
        game.kill()
    if code != 0:
        raise Failure(f"the game exited with {code}")
    return game


def settings_fifo(server, binary, home, rng):
    # Opening a FIFO blocks until a writer comes: the game must not read it, nor write there.
    path = os.path.join(home, "config", "HitBlow", "HitBlow.conf")
    os.makedirs(os.path.dirname(path))
    os.mkfifo(path)
    for signal_number in (signal.SIGTERM, signal.SIGINT):
        game = play_until_signal(server, binary, home, signal_number, "with a FIFO as its settings file")
        if not stat.S_ISFIFO(os.lstat(path).st_mode):
            raise Failure("the FIFO was replaced")
        if "HitBlow.conf is a FIFO" not in game.output():
            raise Failure(f"the game did not say why it started with its defaults:\n{game.output()}")


def settings_link_to_device(server, binary, home, rng):
    # A device of the test's own, like the null device, linked as the settings file; the game's
    # settings are written at OK and at the end, and must not replace it.
    if os.geteuid() != 0:
        print("  skipped: only root can make a device, even in its own folder")
        return
    device = os.path.join(home, "device")
    os.mknod(device, stat.S_IFCHR | 0o600, os.makedev(1, 3))
    path = os.path.join(home, "config", "HitBlow", "HitBlow.conf")
    os.makedirs(os.path.dirname(path))
    os.symlink(device, path)
    play_until_signal(server, binary, home, signal.SIGTERM, "with a link to a device as its settings file",
                      store_preferences=True)
    if not stat.S_ISCHR(os.lstat(device).st_mode):
        raise Failure("the device was replaced by a regular file")
    if os.readlink(path) != device:
        raise Failure("the link was replaced")


def settings_link_to_dotfile(server, binary, home, rng):
    # A settings file kept in a dotfiles folder and linked into place: read and written there.
    dotfile = os.path.join(home, "dotfiles", "HitBlow.conf")
    write_file(dotfile, b"[General]\nStrengthLevel=3\n")
    path = os.path.join(home, "config", "HitBlow", "HitBlow.conf")
    os.makedirs(os.path.dirname(path))
    os.symlink(dotfile, path)
    game = play_briefly(server, binary, home)
    if not os.path.islink(path):
        raise Failure("the link was replaced by a file")
    check_stored_settings(game, StrengthLevel=3)


def signal_before_the_window(server, binary, home, rng):
    # SIGTERM or SIGINT at once, before the game's window can have come, with a FIFO as the settings
    # file (whose opening would block the start for good): the game ends all the same.
    os.makedirs(os.path.join(home, "config", "HitBlow"))
    os.mkfifo(os.path.join(home, "config", "HitBlow", "HitBlow.conf"))
    for signal_number in (signal.SIGTERM, signal.SIGINT):
        for delay in (0.0, 0.1, 0.3):
            env = server.env(QT_QPA_PLATFORM="xcb", XDG_CONFIG_HOME=os.path.join(home, "config"),
                             XDG_DATA_HOME=os.path.join(home, "data"), XDG_RUNTIME_DIR=os.path.join(home, "runtime"))
            os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700, exist_ok=True)
            process = subprocess.Popen([binary], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            time.sleep(delay)
            process.send_signal(signal_number)
            try:
                process.wait(timeout=2)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
                raise Failure(f"the game did not end within 2 s of {signal.Signals(signal_number).name} "
                              f"sent {delay} s after its start")


def peak_memory_mb(process):
    with open(f"/proc/{process.pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) / 1024
    return 0


def off_tree_match(rng):
    """Sixteen guesses of no plan against a secret they never find, as stored turns: the slowest
    kind of match to review."""
    secret = "9876"
    turns = []
    while len(turns) < 16:
        guess = "".join(rng.sample("012345678", 4))
        hits = sum(a == b for a, b in zip(guess, secret))
        turns.append({"guess": guess, "hits": hits, "blows": len(set(guess) & set(secret)) - hits})
    return json.dumps(turns)


def stored_matches_for_review(server, binary, home, rng):
    # The game makes its database; a match of 290,000 guesses goes in by hand as the latest. Review
    # Last Match and the statistics window must neither read its turns nor grow without end; then a
    # real match goes in, and SIGTERM while its review runs ends the game at once.
    database = database_path(home)
    game = Game(server, binary, home)
    game.process.send_signal(signal.SIGTERM)
    game.process.wait(timeout=10)
    game.kill()
    huge = "[" + ",".join(['{"guess":"0123","hits":0,"blows":0}'] * 290000) + "]"
    for turns, what in ((huge, "with a match of 290,000 guesses"), (off_tree_match(rng), "while a review runs")):
        with sqlite3.connect(database, timeout=5) as connection:
            connection.execute("INSERT INTO matches (finished, strength, result, guesses, hinted, turns) "
                               "VALUES ('2026-03-04T05:06:07Z', 1, 'draw', 16, 0, ?)", (turns,))
        game = Game(server, binary, home)
        try:
            game.match.key("ctrl+e")
            reviewing = server.wait_for_window("^Review$", timeout=3 if turns is huge else 10)
            if (reviewing is not None) == (turns is huge):
                raise Failure("a match of 290,000 guesses was opened for review" if turns is huge
                              else "the review did not open")
            if turns is huge:
                game.match.key("ctrl+t")
                if server.wait_for_window(run_e2e.STATISTICS_TITLE, timeout=10) is None:
                    raise Failure("the statistics window did not open")
            time.sleep(0.3)
            peak = peak_memory_mb(game.process)
            if peak > 400:
                raise Failure(f"the game grew to {peak:.0f} MB {what}")
            game.process.send_signal(signal.SIGTERM)
            try:
                game.process.wait(timeout=2)
            except subprocess.TimeoutExpired:
                raise Failure(f"the game did not end within 2 s of SIGTERM {what}")
        finally:
            game.kill()
        print(f"  {what}: peak {peak:.0f} MB")


def session(server, binary, home, given_up=0, keep_stored=True):
    """A game that gives up given_up matches (see Game.give_up_matches) and quits; gives the game."""
    game = Game(server, binary, home, keep_stored=keep_stored)
    try:
        if given_up:
            game.give_up_matches(given_up)
        game.quit()
    finally:
        game.kill()
    return game


def stored_by_a_first_game(server, binary, home):
    """A first game makes the database, with one match abandoned in it; gives its path."""
    no_abandon_question(home)
    session(server, binary, home, given_up=1, keep_stored=False)
    return database_path(home)


def expect_abandoned(database, count, game):
    results = stored_results(database)
    if results != ["abandoned"] * count:
        raise Failure(f"the database holds {results}, not the {count} matches:\n{game.output()}")


def truncated_database(server, binary, home, rng):
    # A database cut short, as a full disk or a copy broken off leaves it: set aside byte for byte,
    # and the session's match stored in a new one.
    database = stored_by_a_first_game(server, binary, home)
    with contextlib.closing(sqlite3.connect(database)) as connection:
        connection.executemany("INSERT INTO matches (finished, strength, result, guesses, hinted) "
                               "VALUES ('2026-01-02T03:04:05Z', 1, 'won', 5, 0)", [()] * 400)
        connection.commit()
    os.truncate(database, os.path.getsize(database) * 2 // 3)
    with open(database, "rb") as file:
        damaged = file.read()
    game = session(server, binary, home, given_up=1)
    aside = database + ".corrupt"
    if not os.path.isfile(aside):
        raise Failure(f"the truncated database was not set aside:\n{game.output()}")
    with open(aside, "rb") as file:
        if file.read() != damaged:
            raise Failure("the database set aside differs from the truncated one")
    results = stored_results(database)
    if not results or results[-1] != "abandoned":
        raise Failure(f"the session's match was not stored in the new database: {results}")
    print(f"  {len(results) - 1} matches carried over, the session's stored")


def unknown_row(server, binary, home, rng):
    # A row with a result the game does not know, put in by hand among good ones: it is skipped,
    # and the database stays where it is with every row and the session's match.
    database = stored_by_a_first_game(server, binary, home)
    with contextlib.closing(sqlite3.connect(database)) as connection:
        connection.execute("PRAGMA ignore_check_constraints = ON")
        for result in ("won", "x", "lost"):
            connection.execute("INSERT INTO matches (finished, strength, result, guesses, hinted) "
                               "VALUES ('2026-01-02T03:04:05Z', 1, ?, 5, 0)", (result,))
        connection.commit()
    game = session(server, binary, home, given_up=1)
    if os.path.exists(database + ".corrupt"):
        raise Failure(f"a database with one unknown row was set aside:\n{game.output()}")
    results = stored_results(database)
    if results != ["abandoned", "won", "x", "lost", "abandoned"]:
        raise Failure(f"the database holds {results}")


def two_games_mid_match(server, binary, home, rng):
    # Two games each quit with a match in progress: each match is kept for resuming.
    no_abandon_question(home)
    first = Game(server, binary, home)
    second = None
    try:
        first.start_match()
        second = Game(server, binary, home, others=(first.window,), keep_stored=True)
        second.start_match("1234")
        second.quit()
        first.focus()
        first.quit()
    finally:
        first.kill()
        if second:
            second.kill()
    kept = stored_results(database_path(home), "saved_match", "id")
    if len(kept) != 2:
        raise Failure(f"{len(kept)} matches kept of the two games' two")
    # A third game offers both in a list; the older, taken up and left again, is kept as this
    # game's, the other still as it was.
    holders = stored_results(database_path(home), "saved_match", "holder")
    third = Game(server, binary, home, keep_stored=True)
    try:
        third.match.key("ctrl+r")
        if not server.wait_for_window("^Resume Match$", timeout=10):
            raise Failure(f"Resume Match with two kept matches showed no list:\n{third.output()}")
        third.match.key("Down", "Return")
        third.match.wait_for(("counts",), timeout=10)
        third.quit()
    finally:
        third.kill()
    after = stored_results(database_path(home), "saved_match", "holder")
    if len(after) != 2 or after[1] != holders[1] or after[0] == holders[0]:
        raise Failure(f"the kept matches' holders went from {holders} to {after}")


def small_disk(server, binary, home, rng):
    # The data folder on a disk of its own with 48 kB left: two more matches and a quit lose
    # none, once there is room again.
    data = os.path.join(home, "data")
    os.makedirs(data)
    if os.geteuid() != 0 or subprocess.run(["mount", "-t", "tmpfs", "-o", "size=1m", "tmpfs", data],
                                           stderr=subprocess.DEVNULL).returncode != 0:
        print("  skipped: mounting a small disk in the test's own folder needs root (or CAP_SYS_ADMIN)")
        return
    try:
        database = stored_by_a_first_game(server, binary, home)
        room = os.statvfs(data)
        filler = os.path.join(data, "filler")
        write_file(filler, bytes(room.f_bavail * room.f_frsize - 48 * 1024))
        session(server, binary, home, given_up=2)
        os.remove(filler)
        expect_abandoned(database, 3, session(server, binary, home))
    finally:
        subprocess.run(["umount", data], check=True)


def lock_held_by_another_process(server, binary, home, rng):
    # Another process holds the database's write lock while the game quits with a match waiting
    # to be stored, and still at the next start while the game waits for its answer to Review
    # Last Match: the quit is quick, SIGTERM ends the waiting game at once, and the match is
    # stored once the lock is gone.
    database = stored_by_a_first_game(server, binary, home)
    locker = sqlite3.connect(database, isolation_level=None, timeout=0)
    try:
        locker.execute("BEGIN EXCLUSIVE")
        game = Game(server, binary, home, keep_stored=True)
        try:
            game.give_up_matches(1)
            started = time.monotonic()
            game.quit(timeout=8)
            print(f"  quit in {time.monotonic() - started:.1f} s under the lock")
        finally:
            game.kill()
        # Review Last Match, New Game and Resume Match, each pressed before the database answers.
        for command in ("ctrl+e", "ctrl+n", "ctrl+r"):
            game = Game(server, binary, home, keep_stored=True)
            try:
                game.match.key(command)
                # The review waits for the answer without holding up the game: the help still opens.
                if command == "ctrl+e":
                    game.match.key("F1")
                    if server.wait_for_window("^How to Play$", timeout=2) is None:
                        raise Failure("the game answered no key while Review Last Match waited for the database")
                game.process.send_signal(signal.SIGTERM)
                try:
                    game.process.wait(timeout=2)
                except subprocess.TimeoutExpired:
                    raise Failure(f"the game did not end within 2 s of SIGTERM after {command}, while it waited for "
                                  "the database")
            finally:
                game.kill()
    finally:
        locker.close()
    expect_abandoned(database, 2, session(server, binary, home))


def no_translation(language):
    def case(server, binary, home, rng):
        play_briefly(server, binary, home, LANGUAGE=language, LANG=f"{language}.UTF-8")
    return case


# Keys that move around the preferences window and change its controls, but never close it.
PREFERENCES_KEYS = ["Tab", "ISO_Left_Tab", "Up", "Down", "Left", "Right", "Home", "End", "Page_Down"]

# Keys of a storm: everything the board reads and much it does not. The help window (F1) opens in
# between; Escape and Return close it again. Never ctrl+q, and no Alt, which would open a menu
# that Return could then act on. New Game and the preferences window come in bursts of their own,
# rarely enough for matches to end and without taking other settings.
STORM_KEYS = (
    [str(d) for d in range(10)] * 4 + [f"KP_{d}" for d in range(10)]
    + ["Return"] * 6 + ["KP_Enter", "ctrl+j", "shift+Return"]
    + ["BackSpace", "Delete", "Left", "Right"] * 3
    + ["Up", "Down", "Tab", "space", "Escape", "Escape", "a", "z", "Home", "End", "Page_Up", "exclam",
       "shift+5", "ctrl+5", "F1", "Insert", "dead_acute", "ISO_Left_Tab"])


def random_board_point(rng):
    kind = rng.random()
    if kind < 0.4:
        x, y = CHOICE_ORIGINS[rng.randrange(10)]
        return x + rng.randint(0, 62), y + rng.randint(24, 75)
    if kind < 0.7:
        return OK_BUTTON_CENTRE[0] + rng.randint(-24, 24), OK_BUTTON_CENTRE[1] + rng.randint(-24, 24)
    return rng.randint(0, 639), rng.randint(0, 479)


def storm_burst(game, rng, kind, phase):
    """One burst of input: random keys, random clicks, New Game, or sensible play."""
    if kind < 0.3:
        game.server.run("xdotool", "key", "--delay", str(rng.choice([0, 1, 5])),
                        *rng.choices(STORM_KEYS, k=rng.randint(5, 30)))
    elif kind < 0.5:
        commands = []
        for _ in range(rng.randint(3, 12)):
            x, y = game.match.board.to_screen(*random_board_point(rng))
            commands += ["mousemove", str(x), str(y), "click", rng.choice(["1", "1", "1", "3"])]
        game.server.run("xdotool", *commands)
    elif kind < 0.53:
        game.match.key("ctrl+n")
    elif kind < 0.56:
        # Cancelled, whatever was changed: the counts stay taken automatically.
        game.match.key("ctrl+comma")
        time.sleep(0.1)
        game.match.key(*rng.choices(PREFERENCES_KEYS, k=rng.randint(3, 15)), "Escape")
    else:
        # Sensible play moves the match on through every status: a secret, the counts (taken
        # automatically), a guess; a new match once the last one has ended.
        game.match.key("Escape", *(["ctrl+n"] if phase == "result" else []))
        game.match.type("".join(rng.sample("0123456789", 4)))
        game.match.key("Return")
        time.sleep(rng.choice([0, 0.05, 0.3]))


def storms(seconds):
    def case(server, binary, home, rng):
        # Fast pauses and the counts taken automatically, so that matches get somewhere.
        write_file(os.path.join(home, "config", "HitBlow", "HitBlow.conf"),
                   b"[General]\nAutoCheck=1\nPlayingRhythm=4\nSoundMode=1\n")
        game = Game(server, binary, home)
        seen = set()
        bursts = 0
        try:
            # The title screen gets its share before the first match.
            storm_burst(game, rng, 0.1, "other")
            storm_burst(game, rng, 0.4, "other")
            game.close_windows()
            game.start_match()
            phase = "counts"
            storm_end = time.monotonic() + seconds
            # After the storm, sensible play alone until a match has ended, if none has yet.
            last_chance = storm_end + 60
            while time.monotonic() < storm_end or ("result" not in seen and time.monotonic() < last_chance):
                bursts += 1
                storm_burst(game, rng, rng.random() if time.monotonic() < storm_end else 1.0, phase)
                phase, _ = game.match.phase()
                seen.add(phase)
                if not game.alive():
                    raise Failure(f"the game ended in the storm, after {bursts} bursts:\n{game.output()}")
            game.quit()
        finally:
            game.kill()
        check_stored_settings(game)
        print(f"  {bursts} bursts; the board showed: {', '.join(sorted(seen))}")
        if not {"counts", "guess", "result"} <= seen:
            raise Failure(f"the storm never reached every part of a match: {sorted(seen)}")
    return case


def cases(storm_seconds):
    return [
        ("garbage settings file", garbage_settings),
        ("stored rhythm 0", stored_rhythm("0")),
        ("stored rhythm nan", stored_rhythm("nan")),
        ("stored rhythm -4", stored_rhythm("-4")),
        ("stored rhythm inf", stored_rhythm("inf")),
        ("unwritable configuration folder", unwritable_folder),
        ("keyboard after the preferences and help windows", keyboard_after_windows),
        ("terminated while a modal window is open", terminated_in_a_modal_window),
        ("settings file a FIFO", settings_fifo),
        ("settings file a link to a device", settings_link_to_device),
        ("settings file a link into a dotfiles folder", settings_link_to_dotfile),
        ("signals before the first window", signal_before_the_window),
        ("stored matches for review", stored_matches_for_review),
        ("truncated database", truncated_database),
        ("unknown row in the database", unknown_row),
        ("two games quit mid-match", two_games_mid_match),
        ("small disk", small_disk),
        ("lock held by another process", lock_held_by_another_process),
        ("no translation for Italian", no_translation("it_IT")),
        ("key and mouse storms", storms(storm_seconds)),
    ]


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("binary")
    parser.add_argument("--storm-seconds", type=float, default=20)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--only", help="run only the cases whose name contains this")
    args = parser.parse_args()
    missing = xsession.missing_tools()
    if missing:
        print(f"skipped: {', '.join(missing)} not installed")
        return SKIPPED

    passed = failed = 0
    binary = os.path.abspath(args.binary)
    with xsession.XServer() as server:
        for name, case in cases(args.storm_seconds):
            if args.only and args.only not in name:
                continue
            started = time.monotonic()
            with tempfile.TemporaryDirectory(prefix="hitblow-bad-input-") as home:
                try:
                    case(server, binary, home, random.Random(f"{args.seed} {name}"))
                except Failure as failure:
                    failed += 1
                    print(f"FAIL: {name} (seed {args.seed}): {failure}")
                    continue
            passed += 1
            print(f"PASS: {name} ({time.monotonic() - started:.1f} s)")
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
