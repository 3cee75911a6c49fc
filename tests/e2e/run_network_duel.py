#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end network duel: the real hitblow on its own X server joins a duel that hitblow-arena
hosts on the loopback, all by real key presses: Game > Duel Across the Network by its shortcut, a
name typed, the host's address typed (Alt+A), then, in the duel window, the host's number typed
as a guess until it is taken. The player finds the number with one guess, so the arena must
report it lost and the game keep a won duel over the network against it among its matches; the
game then closes the duel window by Return and quits by ctrl+q.

Usage: run_network_duel.py HITBLOW_BINARY HITBLOW_ARENA_BINARY [--screenshot PATH]
Exits 77 (skipped) when Xvfb or xdotool is missing."""

import argparse
import contextlib
import os
import sqlite3
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import xsession  # noqa: E402

TITLE = "^Hit & Blow$"
DIALOG_TITLE = "^Duel Across the Network$"
DUEL_TITLE = "^Duel$"
SKIPPED = 77
ARENA_SECRET = "1234"


class Failure(Exception):
    pass


def start_arena(arena_binary, home):
    """hitblow-arena hosting on a free loopback port; the process and the port."""
    errors = open(os.path.join(home, "arena.log"), "w")
    arena = subprocess.Popen([arena_binary, "--duel-host", "0", "--secret", ARENA_SECRET, "--timeout", "30"],
                             stdout=subprocess.PIPE, stderr=errors, text=True)
    line = arena.stdout.readline().strip()
    if not line.startswith("listening "):
        arena.kill()
        raise Failure(f"hitblow-arena did not listen: {line!r}")
    return arena, int(line.split()[1])


def wait_for_window(server, title, what):
    window = server.wait_for_window(title, timeout=20)
    if window is None:
        raise Failure(f"{what} did not appear")
    server.run("xdotool", "windowfocus", "--sync", window)
    return window


def stored_duels(path):
    """The duels the statistics database holds, waited for: the game writes on its own thread."""
    deadline = time.monotonic() + 5
    while True:
        try:
            with contextlib.closing(sqlite3.connect(f"file:{path}?mode=ro", uri=True)) as database:
                rows = database.execute("SELECT result, opponent, network, opponent_lied FROM matches "
                                        "WHERE mode = 'duel'").fetchall()
            if rows or time.monotonic() > deadline:
                return rows
        except sqlite3.Error:
            if time.monotonic() > deadline:
                return []
        time.sleep(0.05)


def play(server, binary, arena_binary, home, screenshot):
    runtime = os.path.join(home, "runtime")
    os.makedirs(runtime, mode=0o700)
    env = server.env(QT_QPA_PLATFORM="xcb", XDG_CONFIG_HOME=os.path.join(home, "config"),
                     XDG_DATA_HOME=os.path.join(home, "data"), XDG_RUNTIME_DIR=runtime, LANG="C.UTF-8",
                     LC_ALL="C.UTF-8", LANGUAGE="")
    arena, port = start_arena(arena_binary, home)
    log = open(os.path.join(home, "hitblow.log"), "w")
    game = subprocess.Popen([binary], env=env, stdout=log, stderr=subprocess.STDOUT)
    key = lambda *keys: server.run("xdotool", "key", "--delay", "40", *keys)  # noqa: E731
    typed = lambda text: server.run("xdotool", "type", "--delay", "40", text)  # noqa: E731
    try:
        wait_for_window(server, TITLE, "the game's window")
        key("ctrl+shift+n")
        wait_for_window(server, DIALOG_TITLE, "the network duel's window (ctrl+shift+n)")
        key("ctrl+a")
        typed("Eve")
        key("alt+a")
        typed(f"127.0.0.1:{port}")
        key("Return")
        window = wait_for_window(server, DUEL_TITLE, "the duel window")

        # Whoever guesses first, the number typed is taken once it is the player's turn; before
        # that it is not, and the digits are cleared for the next try.
        deadline = time.monotonic() + 30
        while arena.poll() is None:
            if time.monotonic() > deadline:
                raise Failure("the arena's duel did not end")
            key("BackSpace", "BackSpace", "BackSpace", "BackSpace")
            typed(ARENA_SECRET)
            key("Return")
            time.sleep(0.3)
        outcome = arena.stdout.read().strip().splitlines()
        if not outcome or not outcome[-1].startswith("result lost guesses "):
            raise Failure(f"the arena reported {outcome}, expected it lost")
        print(f"arena: {outcome[-1]}")
        duels = stored_duels(os.path.join(home, "data", "HitBlow", "statistics.sqlite"))
        if duels != [("won", "hitblow-arena", 1, 0)]:
            raise Failure(f"the statistics hold the duels {duels}, expected one won over the network")
        if screenshot:
            time.sleep(0.3)
            server.grab(*server.window_geometry(window)).save_png(screenshot)

        key("Return")
        deadline = time.monotonic() + 10
        while server.find_window(DUEL_TITLE):
            if time.monotonic() > deadline:
                raise Failure("the duel window did not close on Return at the end")
            time.sleep(0.05)
        wait_for_window(server, TITLE, "the game's window after the duel")
        key("ctrl+q")
        problem = xsession.quit_problem(game)
        if problem:
            raise Failure(problem)
    finally:
        for process in (game, arena):
            if process.poll() is None:
                process.kill()
                process.wait()
        log.close()


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("binary")
    parser.add_argument("arena")
    parser.add_argument("--screenshot", help="save a picture of the duel window at its end here (PNG)")
    args = parser.parse_args()
    missing = xsession.missing_tools()
    if missing:
        print(f"skipped: {', '.join(missing)} not installed")
        return SKIPPED
    with tempfile.TemporaryDirectory() as home, xsession.XServer() as server:
        try:
            play(server, os.path.abspath(args.binary), os.path.abspath(args.arena), home, args.screenshot)
        except Failure as failure:
            print(f"FAILED: {failure}")
            with open(os.path.join(home, "hitblow.log")) as log:
                print(log.read())
            return 1
    print("network duel played end to end")
    return 0


if __name__ == "__main__":
    sys.exit(main())
