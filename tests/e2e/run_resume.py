#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end resuming: the real hitblow on its own X server, driven by real input events. A match
at Expert is played into its second round and left there, once by quitting with the shortcut
(in the user's turn) and once by SIGKILL (with Mac's guess waiting for its score). The statistics
must not count it; the next start offers it, Ctrl+R goes on with it at the turn it was in, with
both secrets and every guess and score as they were, and the user's guess of Mac's secret (read
from the kept match) ends it. The finished match is counted exactly once and no longer kept.

Usage: run_resume.py HITBLOW_BINARY
Exits 77 (skipped) when Xvfb or xdotool is missing."""

import argparse
import json
import os
import signal
import sqlite3
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import xsession  # noqa: E402
from run_e2e import CHOICE_ORIGINS, SECRET, SKIPPED, TITLE, Failure, Match, changed  # noqa: E402

STATUS_CHECK_COUNTS = 3
STATUS_USER_TURN = 4


class Game:
    """One run of the program in the folders of home."""

    def __init__(self, server, binary, home):
        self.server = server
        self.home = home
        self.log = open(os.path.join(home, "hitblow.log"), "a")
        env = server.env(QT_QPA_PLATFORM="xcb", XDG_CONFIG_HOME=os.path.join(home, "config"),
                         XDG_DATA_HOME=os.path.join(home, "data"), XDG_RUNTIME_DIR=os.path.join(home, "runtime"),
                         LANG="C.UTF-8", LC_ALL="C.UTF-8", LANGUAGE="")
        self.process = subprocess.Popen([binary], env=env, stdout=self.log, stderr=subprocess.STDOUT)
        window = server.wait_for_window(TITLE, timeout=20)
        if window is None:
            raise Failure("the game's window did not appear")
        server.run("xdotool", "windowfocus", "--sync", window)
        self.match = Match(server, window)

    def quit(self):
        self.match.key("ctrl+q")
        problem = xsession.quit_problem(self.process)
        if problem:
            raise Failure(problem)
        self.log.close()

    def kill(self):
        self.process.send_signal(signal.SIGKILL)
        self.process.wait(timeout=10)
        self.log.close()

    def close(self):
        if self.process.poll() is None and sys.exc_info()[0] is Failure:
            # The screen as the failure left it, before the window goes.
            shot = os.path.join(os.getcwd(), "e2e-resume-failure.png")
            self.server.grab(0, 0, 800, 600).save_png(shot)
            print("screen at the failure:", shot)
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        if not self.log.closed:
            self.log.close()


def data_folder(home):
    return os.path.join(home, "data", "HitBlow")


def kept_match(home):
    """The match kept for resuming, as a dict, or None."""
    database = os.path.join(data_folder(home), "statistics.sqlite")
    if os.path.exists(database):
        with sqlite3.connect(f"file:{database}?mode=ro", uri=True, timeout=5) as connection:
            try:
                row = connection.execute("SELECT match FROM saved_match").fetchone()
            except sqlite3.OperationalError:
                row = None
        if row:
            return json.loads(row[0])
    return None


def counted_matches(home):
    """(result, guesses) of every match the statistics hold."""
    database = os.path.join(data_folder(home), "statistics.sqlite")
    if os.path.exists(database):
        with sqlite3.connect(f"file:{database}?mode=ro", uri=True, timeout=5) as connection:
            return connection.execute("SELECT result, guesses FROM matches ORDER BY id").fetchall()
    path = os.path.join(data_folder(home), "statistics.json")
    if not os.path.exists(path):
        return []
    with open(path) as text:
        return [(m["result"], m["guesses"]) for m in json.load(text)["matches"]]


def wait_until(condition, what, timeout=5):
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"waited {timeout} s for {what}")
        time.sleep(0.02)


def start_match(match):
    before = match.picture()
    match.key("ctrl+n")
    wait_until(lambda: changed(before, match.picture(), match.board.screen_rect(289, 389, 351, 440)),
               "New Game's choice pieces")
    for digit in SECRET:
        x, y = CHOICE_ORIGINS[digit]
        match.click(x + 31, y + 50)


def leave_in_second_round(home, match, status):
    """Plays round one and stops in round two at status (Mac's guess unscored or the user's turn);
    returns the match as kept then."""
    match.wait_for(("counts",), timeout=10)
    match.key("Return")
    match.wait_for(("guess",), timeout=10)
    match.type("0123")
    match.key("Return")
    match.wait_for(("counts",), timeout=10)
    if status == STATUS_USER_TURN:
        match.key("Return")
        match.wait_for(("guess",), timeout=10)
    return wait_until(lambda: (k := kept_match(home)) and k["status"] == status and k, f"the match kept in status {status}")


def run_row(server, binary, home, ending, status):
    os.makedirs(os.path.join(home, "runtime"), mode=0o700)
    folder = os.path.join(home, "config", "HitBlow")
    os.makedirs(folder)
    with open(os.path.join(folder, "HitBlow.conf"), "w") as settings:
        settings.write("[General]\nStrengthLevel=3\nSoundMode=0\nAutoCheck=1\nPlayingRhythm=4\n")

    game = Game(server, binary, home)
    try:
        start_match(game.match)
        left = leave_in_second_round(home, game.match, status)
        game.quit() if ending == "quit" else game.kill()
    finally:
        game.close()
    if counted_matches(home):
        raise Failure(f"the match left by {ending} was counted: {counted_matches(home)}")
    if kept_match(home) != left:
        raise Failure(f"the kept match changed at {ending}: {kept_match(home)} instead of {left}")

    game = Game(server, binary, home)
    try:
        match = game.match
        match.key("ctrl+r")
        match.wait_for(("counts",) if status == STATUS_CHECK_COUNTS else ("guess",), timeout=10)
        resumed = kept_match(home)
        if resumed != left:
            raise Failure(f"resumed as {resumed}, left as {left}")
        if status == STATUS_CHECK_COUNTS:
            match.key("Return")
            match.wait_for(("guess",), timeout=10)
        going_on = wait_until(lambda: (k := kept_match(home)) and k["status"] == STATUS_USER_TURN and k,
                              "the resumed match kept in the user's turn")
        for key in ("macSecret", "userSecret", "user"):
            if going_on[key] != left[key]:
                raise Failure(f"{key} changed on resuming: {going_on[key]} instead of {left[key]}")
        mac_guesses = [entry["guess"] for entry in going_on["mac"]]
        if mac_guesses != [entry["guess"] for entry in left["mac"]] or going_on["mac"][:-1] != left["mac"][:-1]:
            raise Failure(f"Mac's record changed on resuming: {going_on['mac']} after {left['mac']}")
        match.type(left["macSecret"])
        match.key("Return")
        match.wait_for(("result",), timeout=10)
        guesses = len(left["user"]) + 1
        counted = wait_until(lambda: counted_matches(home), "the finished match in the statistics")
        if len(counted) != 1 or counted[0][0] not in ("won", "draw") or counted[0][1] != guesses:
            raise Failure(f"the statistics hold {counted}, expected one match won or drawn in {guesses} guesses")
        if kept_match(home) is not None:
            raise Failure(f"the finished match is still kept: {kept_match(home)}")
        game.quit()
    finally:
        game.close()
    print(f"{ending} in status {status}: resumed, Mac's secret {left['macSecret']} found, "
          f"counted once as {counted[0][0]} in {guesses} guesses")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("binary")
    args = parser.parse_args()
    missing = xsession.missing_tools()
    if missing:
        print(f"skipped: {', '.join(missing)} not installed")
        return SKIPPED

    started = time.monotonic()
    rows = (("quit", STATUS_USER_TURN), ("SIGKILL", STATUS_CHECK_COUNTS))
    failed = 0
    with xsession.XServer() as server:
        for ending, status in rows:
            with tempfile.TemporaryDirectory(prefix="hitblow-resume-") as home:
                try:
                    run_row(server, os.path.abspath(args.binary), home, ending, status)
                except Failure as failure:
                    failed += 1
                    print(f"FAIL ({ending}):", failure)
                    with open(os.path.join(home, "hitblow.log")) as log:
                        print("game output:\n" + log.read())
    print(f"{len(rows) - failed} passed, {failed} failed ({time.monotonic() - started:.1f} s)")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
