#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end network duel between two games, each on its own X server, on the loopback
(HITBLOW_DUEL_LOOPBACK=1: nothing is sent beyond this computer), all by real key presses. Ann
hosts from Game > Duel Across the Network, hiding 1234; Ben joins by typing her address, hiding
5678. Each then types the other's number until it is taken: whoever guesses first finds it, and
the other finds it with the last guess of the round, so both games must keep a drawn duel over
the network against the other player.

Usage: run_two_windows_duel.py HITBLOW_BINARY
Exits 77 (skipped) when Xvfb, xdotool or ss is missing."""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import xsession  # noqa: E402
from run_network_duel import Failure, stored_duels, wait_for_window, TITLE, DIALOG_TITLE, DUEL_TITLE  # noqa: E402

SKIPPED = 77


class Player:
    """One game on its own X server and in its own folders."""

    def __init__(self, server, binary, home, name, secret):
        self.server, self.home, self.name, self.secret = server, home, name, secret
        runtime = os.path.join(home, "runtime")
        os.makedirs(runtime, mode=0o700)
        env = server.env(QT_QPA_PLATFORM="xcb", XDG_CONFIG_HOME=os.path.join(home, "config"),
                         XDG_DATA_HOME=os.path.join(home, "data"), XDG_RUNTIME_DIR=runtime, LANG="C.UTF-8",
                         LC_ALL="C.UTF-8", LANGUAGE="", HITBLOW_DUEL_LOOPBACK="1")
        self.log = open(os.path.join(home, "hitblow.log"), "w")
        self.game = subprocess.Popen([binary], env=env, stdout=self.log, stderr=subprocess.STDOUT)

    def key(self, *keys):
        self.server.run("xdotool", "key", "--delay", "40", *keys)

    def type(self, text):
        # One key at a time: a name typed at once can lose a letter.
        names = {".": "period", ":": "colon"}
        self.key(*(names.get(character, character) for character in text))

    def open_network_duel(self):
        wait_for_window(self.server, TITLE, f"{self.name}'s game window")
        self.key("ctrl+shift+n")
        wait_for_window(self.server, DIALOG_TITLE, f"{self.name}'s network duel window")
        self.key("ctrl+a")
        self.type(self.name)
        self.key("alt+u")
        self.type(self.secret)

    def duels(self):
        return stored_duels(os.path.join(self.home, "data", "HitBlow", "statistics.sqlite"))

    def stop(self):
        if self.game.poll() is None:
            self.game.kill()
            self.game.wait()
        self.log.close()


def listening_port(process, timeout=10):
    """The TCP port the process listens on, read from ss."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        listing = subprocess.run(["ss", "-ltnpH"], capture_output=True, text=True).stdout
        for line in listing.splitlines():
            if f"pid={process.pid}," in line:
                match = re.search(r"127\.0\.0\.1:(\d+)", line)
                if match:
                    return int(match.group(1))
        time.sleep(0.1)
    raise Failure("the host's game does not listen on the loopback")


def play(binary, ann_server, ben_server, ann_home, ben_home):
    ann = Player(ann_server, binary, ann_home, "Ann", "1234")
    ben = Player(ben_server, binary, ben_home, "Ben", "5678")
    try:
        ann.open_network_duel()
        ann.key("alt+h")
        port = listening_port(ann.game)
        ben.open_network_duel()
        ben.key("alt+a")
        ben.type(f"127.0.0.1:{port}")
        ben.key("Return")
        ann_window = wait_for_window(ann.server, DUEL_TITLE, "Ann's duel window")
        ben_window = wait_for_window(ben.server, DUEL_TITLE, "Ben's duel window")

        # A number typed out of turn is not taken and cleared for the next try.
        deadline = time.monotonic() + 40
        while not (ann.duels() and ben.duels()):
            if time.monotonic() > deadline:
                raise Failure(f"the duel did not end: Ann keeps {ann.duels()}, Ben {ben.duels()}")
            for player, window, guess in ((ann, ann_window, ben.secret), (ben, ben_window, ann.secret)):
                player.server.run("xdotool", "windowfocus", "--sync", window)
                player.key("BackSpace", "BackSpace", "BackSpace", "BackSpace")
                player.type(guess)
                player.key("Return")
            time.sleep(0.3)
        if ann.duels() != [("draw", "Ben", 1, 0)] or ben.duels() != [("draw", "Ann", 1, 0)]:
            raise Failure(f"Ann keeps {ann.duels()} and Ben {ben.duels()}, expected a draw each over the network")
        for player in (ann, ben):
            player.key("Return")
            wait_for_window(player.server, TITLE, f"{player.name}'s game window after the duel")
            player.key("ctrl+q")
            problem = xsession.quit_problem(player.game, f"{player.name}'s game")
            if problem:
                raise Failure(problem)
    finally:
        ann.stop()
        ben.stop()


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("binary")
    args = parser.parse_args()
    missing = xsession.missing_tools() + ([] if shutil.which("ss") else ["ss"])
    if missing:
        print(f"skipped: {', '.join(missing)} not installed")
        return SKIPPED
    with tempfile.TemporaryDirectory() as ann_home, tempfile.TemporaryDirectory() as ben_home, \
            xsession.XServer() as ann_server, xsession.XServer() as ben_server:
        try:
            play(os.path.abspath(args.binary), ann_server, ben_server, ann_home, ben_home)
        except Failure as failure:
            print(f"FAILED: {failure}")
            for name, home in (("Ann", ann_home), ("Ben", ben_home)):
                with open(os.path.join(home, "hitblow.log")) as log:
                    print(f"--- {name}'s game\n{log.read()}")
            return 1
    print("network duel between two games played end to end")
    return 0


if __name__ == "__main__":
    sys.exit(main())
