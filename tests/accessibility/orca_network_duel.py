#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A network duel as a blind player plays it: the real hitblow with Orca listening (the desktop of
orca_match.py) joins a duel hosted by hitblow-arena on the loopback, by keys only. Checked on
Orca's transcript: the window for hosting or joining is spoken, a refused address is said, the
arena's guesses with their scores, the player's own score and who won.

Usage: orca_network_duel.py HITBLOW_BINARY HITBLOW_ARENA_BINARY [--transcript PATH]
Exits 77 (skipped) when Orca, speech-dispatcher, Xvfb or xdotool is not installed."""

import argparse
import os
import subprocess
import sys
import tempfile
import time

import orca_match
from orca_match import Failure, xsession

ARENA_SECRET = "1234"


def play(binary, arena_binary, home, transcript_path):
    with xsession.XServer() as server:
        desktop = orca_match.Desktop(server, home)
        transcript = orca_match.Transcript(transcript_path)
        arena = subprocess.Popen([arena_binary, "--duel-host", "0", "--secret", ARENA_SECRET, "--timeout", "60"],
                                 stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        game = None
        try:
            port = int(arena.stdout.readline().split()[1])
            desktop.start_buses()
            player = orca_match.Player(server, transcript)
            desktop.start_orca(transcript)
            player.hear(r"Screen reader on", "that it started", orca_match.START_TIMEOUT)
            game = subprocess.Popen([binary], env=dict(desktop.env, QT_QPA_PLATFORM="xcb"),
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            window = server.wait_for_window("^Hit & Blow$", timeout=20)
            if window is None:
                raise Failure("the game's window did not appear")
            server.run("xdotool", "windowfocus", "--sync", window)
            player.hear(r"Hit & Blow", "the game's window")
            player.keys("ctrl+shift+n")
            player.hear(r"Duel Across the Network dialog", "the network duel's window")
            player.hear(r"Your name", "the name field, focused")
            player.keys("shift+e", "v", "e")
            player.keys("alt+a")
            server.run("xdotool", "type", "--delay", "60", "127.0.0.1:1")
            player.keys("Return")
            player.hear(r"The duel could not begin", "that nobody listens on port 1")
            player.keys("ctrl+a", "BackSpace")
            server.run("xdotool", "type", "--delay", "60", f"127.0.0.1:{port}")
            player.keys("Return")
            player.hear(r"Duel dialog", "the duel's window")
            # The arena's number, typed until it is the player's turn and taken.
            deadline = time.monotonic() + 60
            while arena.poll() is None:
                if time.monotonic() > deadline:
                    raise Failure("the arena's duel did not end")
                player.keys("BackSpace", "BackSpace", "BackSpace", "BackSpace", *ARENA_SECRET, "Return")
                time.sleep(1)
            heard = (0, 0)
            for pattern, what in ((r"hitblow-arena: \d \d \d \d, \d hits?, \d blows?", "the arena's guess and score"),
                                  (r"Eve: 1 2 3 4, 4 hits, 0 blows", "the player's own score"),
                                  (r"Eve won", "who won")):
                _, heard = transcript.wait_for(pattern, heard if what == "who won" else (0, 0), what)
            print("arena:", arena.stdout.read().strip())
        finally:
            for process in (game, arena):
                if process and process.poll() is None:
                    process.terminate()
                    process.wait(timeout=5)
            desktop.stop()
            transcript.close()


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("binary")
    parser.add_argument("arena")
    parser.add_argument("--transcript", default=os.path.join(os.getcwd(), "orca-network-duel.log"),
                        help="where Orca's whole debug log goes (default: ./orca-network-duel.log)")
    args = parser.parse_args()
    missing = orca_match.missing_tools()
    if missing:
        print(f"skipped: {', '.join(missing)} not installed")
        return orca_match.SKIPPED
    with tempfile.TemporaryDirectory(prefix="hitblow-orca-duel-") as home:
        try:
            play(os.path.abspath(args.binary), os.path.abspath(args.arena), home, args.transcript)
        except Failure as failure:
            print("FAIL:", failure)
            print("Orca's transcript:", args.transcript)
            return 1
    print("1 passed: Orca spoke the network duel")
    return 0


if __name__ == "__main__":
    sys.exit(main())
