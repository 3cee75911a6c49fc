#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A whole match as a blind player plays it: the real hitblow on its own X server with a private
session bus, the AT-SPI bus and Orca speaking through speech-dispatcher and espeak-ng, played only
by keys (xdotool). The game starts before Orca, as when the screen reader is switched on later.
Every check is made on Orca's own transcript (its SPEECH OUTPUT lines): the new match is spoken,
each guess of Mac's once it is on the board (the test reads it there and scores it against the
secret), each score of both sides, the result; every phrase once; nothing but Orca's key echo
while the player types. Then a duel of two players at this computer, spoken as it goes.

Usage: orca_match.py HITBLOW_BINARY [--transcript PATH] [--orca-first]
Exits 77 (skipped) when Orca, speech-dispatcher, Xvfb or xdotool is not installed."""

import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
import tty

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import xsession  # noqa: E402

SKIPPED = 77
TITLE = "^Hit & Blow$"
SECRET = (5, 0, 9, 3)
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
ESPEAK_MODULE = "/usr/lib/speech-dispatcher-modules/sd_espeak-ng"
# Orca refuses to start while another Orca of the same user runs; tests running side by side
# each have their own desktop, so this one starts Orca with that check left out.
ORCA_LAUNCHER = """
import importlib.machinery, importlib.util, sys
loader = importlib.machinery.SourceFileLoader("orca_launcher", sys.argv[1])
found = importlib.util.spec_from_loader("orca_launcher", loader)
orca = importlib.util.module_from_spec(found)
loader.exec_module(orca)
orca.otherOrcas = lambda: []
sys.argv = ["orca"] + sys.argv[2:]
sys.exit(orca.main())
"""
# "12:00:00.000000 - SPEECH OUTPUT: 'text'" with the voice after it in braces on some lines.
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*?)'\s*(\{.*\})?\s*$")
SPEECH_START = "SPEECH OUTPUT: '"
DIGITS = r"(\d) (\d) (\d) (\d)"
# Generous for a loaded machine: Orca itself takes seconds to start speech-dispatcher.
PHRASE_TIMEOUT = 20
START_TIMEOUT = 60
# A review of a match far from best play takes seconds under the sanitizers.
REVIEW_TIMEOUT = 120


class Failure(Exception):
    pass


def missing_tools():
    missing = xsession.missing_tools()
    missing += [tool for tool in ("orca", "dbus-daemon") if shutil.which(tool) is None]
    missing += [path for path in (BUS_LAUNCHER, ESPEAK_MODULE) if not os.access(path, os.X_OK)]
    return missing


class Transcript:
    """Orca's debug log, read as Orca writes it. The log goes to a terminal, which Python writes
    line by line, where a file would be flushed only at Orca's exit."""

    def __init__(self, path):
        self.master, self.slave = os.openpty()
        tty.setraw(self.slave)
        self.terminal = os.ttyname(self.slave)
        self.lines = []
        self.spoken = []
        self.changed = threading.Condition()
        self.copy = open(path, "w")
        self.reader = threading.Thread(target=self._read, daemon=True)
        self.reader.start()

    def _read(self):
        pending = b""
        while True:
            try:
                chunk = os.read(self.master, 65536)
            except OSError:
                chunk = b""
            if not chunk:
                break
            pending += chunk
            *complete, pending = pending.split(b"\n")
            with self.changed:
                for raw in complete:
                    line = raw.decode("utf-8", "replace").rstrip("\r")
                    self.copy.write(line + "\n")
                    self.lines.append(line)
                    match = SPEECH.search(line)
                    if match:
                        self.spoken.append(match.group(1))
                    elif SPEECH_START in line:
                        # An utterance of several lines: its first line stands for it.
                        self.spoken.append(line.split(SPEECH_START, 1)[1])
                self.copy.flush()
                self.changed.notify_all()

    def wait_for(self, pattern, after, what, timeout=PHRASE_TIMEOUT):
        """The first match of pattern from the position `after` on (an utterance's index and an
        offset in it), with the position right after the match."""
        regex = re.compile(pattern)
        deadline = time.monotonic() + timeout
        index, offset = after
        with self.changed:
            while True:
                for at in range(index, len(self.spoken)):
                    found = regex.search(self.spoken[at], offset if at == index else 0)
                    if found:
                        return found, (at, found.end())
                left = deadline - time.monotonic()
                if left <= 0:
                    heard = self.spoken[index:][-8:]
                    raise Failure(f"Orca did not say {what} within {timeout} s; last heard: {heard}")
                self.changed.wait(left)

    def count(self):
        with self.changed:
            return len(self.spoken)

    def close(self):
        os.close(self.slave)
        self.reader.join(timeout=5)
        os.close(self.master)
        self.copy.close()


class Desktop:
    """A private session bus with the AT-SPI bus on the X server, and Orca on them."""

    def __init__(self, server, home):
        self.server, self.home = server, home
        self.processes = []
        self.env = server.env(HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
                              XDG_DATA_HOME=os.path.join(home, "data"), XDG_CACHE_HOME=os.path.join(home, "cache"),
                              XDG_RUNTIME_DIR=os.path.join(home, "runtime"), LANG="C.UTF-8", LC_ALL="C.UTF-8",
                              LANGUAGE="", GTK_A11Y="none", NO_AT_BRIDGE="0")
        os.makedirs(self.env["XDG_RUNTIME_DIR"], mode=0o700)
        speechd = os.path.join(self.env["XDG_CONFIG_HOME"], "speech-dispatcher")
        os.makedirs(speechd)
        # Without a working output module Orca waits for ever in its first utterance; without a
        # sound card the module waits for one, so ALSA's default device here discards the sound.
        with open(os.path.join(speechd, "speechd.conf"), "w") as conf:
            conf.write('AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\nDefaultModule espeak-ng\n'
                       'AudioOutputMethod "alsa"\nTimeout 30\nLogDir "' + os.path.join(home, "speechd-log") + '"\n')
        with open(os.path.join(home, ".asoundrc"), "w") as alsa:
            alsa.write("pcm.!default { type null }\nctl.!default { type hw card 0 }\n")

    def start_buses(self):
        bus = self.start(["dbus-daemon", "--session", "--nofork", "--print-address=1"], stdout=subprocess.PIPE)
        address = bus.stdout.readline().decode().strip()
        if not address:
            raise Failure("the session bus did not start")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address
        self.start([BUS_LAUNCHER, "--launch-immediately"])

    def start(self, args, **options):
        options.setdefault("stdout", subprocess.DEVNULL)
        process = subprocess.Popen(args, env=self.env, stderr=subprocess.DEVNULL, **options)
        self.processes.append(process)
        return process

    def start_orca(self, transcript):
        # Orca's own interpreter, which has its modules (pyatspi), whatever runs this test.
        orca = shutil.which("orca")
        with open(orca) as script:
            interpreter = script.readline()[2:].strip()
        return self.start([interpreter, "-c", ORCA_LAUNCHER, orca, "--debug-file", transcript.terminal])

    def stop(self):
        # Orca notices SIGTERM only at its next event; a key press gives it one.
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
        self.server.run("xdotool", "key", "shift", check=False)
        for process in reversed(self.processes):
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        # speech-dispatcher was started by Orca and left running on its own.
        pid_file = os.path.join(self.env["XDG_RUNTIME_DIR"], "speech-dispatcher", "pid", "speech-dispatcher.pid")
        try:
            with open(pid_file) as pid:
                speechd = int(pid.read().strip())
            os.kill(speechd, signal.SIGTERM)
            # One stuck in its output module does not heed SIGTERM.
            deadline = time.monotonic() + 3
            while time.monotonic() < deadline and os.path.exists(f"/proc/{speechd}"):
                time.sleep(0.05)
            if os.path.exists(f"/proc/{speechd}"):
                os.kill(speechd, signal.SIGKILL)
        except (OSError, ValueError):
            pass


def score(guess, secret):
    hits = sum(g == s for g, s in zip(guess, secret))
    return hits, len(set(guess) & set(secret)) - hits


def spoken_counts(hits, blows):
    return f"{hits} hits?, {blows} blows?"


class Player:
    def __init__(self, server, transcript):
        self.server, self.transcript = server, transcript
        self.heard = (0, 0)
        self.typed_from = None
        self.typed = []
        self.echoes = {"left control", "control"}

    def keys(self, *keys):
        self.server.run("xdotool", "key", "--delay", "60", *keys)

    def hear(self, pattern, what, timeout=PHRASE_TIMEOUT):
        """Waits for the next utterance matching pattern, after everything heard so far. Keys
        typed since the last phrase may have been echoed by Orca, but nothing else was said."""
        found, after = self.transcript.wait_for(pattern, self.heard, what, timeout)
        if self.typed_from is not None:
            # Orca's echo may come late, after the board's next phrase: any key typed so far.
            extra = [line for line in self.transcript.spoken[self.typed_from:after[0]]
                     if line.strip().lower() not in self.echoes]
            if extra:
                raise Failure(f"after the keys {self.typed}, Orca said more than their echo: {extra}")
            self.typed_from = None
        self.heard = after
        return found

    def type_digits(self, digits, *more):
        """Types digits and further keys; the board must leave their echo to Orca."""
        self.typed_from = self.transcript.count() if self.typed_from is None else self.typed_from
        self.typed = list(map(str, digits)) + list(more)
        self.echoes.update(key.lower() for key in self.typed)
        self.keys(*self.typed)

    def play_match(self):
        self.keys("ctrl+n")
        self.hear(r"Choose your number: four different digits", "the new match")
        self.type_digits(SECRET)
        # Sixteen different guesses (steps prime to 10 give four different digits), so that every
        # score phrase of the match is a new one.
        guesses = iter([tuple((start + i * step) % 10 for i in range(4)) for step in (1, 3) for start in range(1, 9)])
        for round_number in range(1, 17):
            found = self.hear(rf"Round {round_number}\. Mac guesses {DIGITS}|You won|You lost|Draw",
                              f"round {round_number} and Mac's guess, or the result")
            if not found.group(0).startswith("Round"):
                return found.group(0), round_number - 1
            mac = tuple(int(d) for d in found.groups()[:4])
            hits, blows = score(mac, SECRET)
            self.type_digits((hits, blows), "Return")
            spaced = " ".join(map(str, mac))
            self.hear(rf"Mac's guess {spaced}: you scored {spoken_counts(hits, blows)}", "the score of Mac's guess")
            self.hear(r"Your turn", "the player's turn")
            if round_number == 1:
                # The hint says the guess it typed; Left says where typing goes next.
                self.keys("ctrl+h")
                hint = self.hear(rf"Hint: {DIGITS}", "the hint")
                guess = tuple(int(d) for d in hint.groups()[:4])
                self.keys("Left")
                self.hear(rf"Position 3 of 4: {guess[2]}", "the typing position")
                self.keys("Return")
            else:
                guess = next(guesses)
                self.type_digits(guess, "Return")
            hits, blows = r"\d", r"\d"
            self.hear(rf"Your guess {' '.join(map(str, guess))}: {spoken_counts(hits, blows)}",
                      "the score of the player's guess")
        result = self.hear(r"You won|You lost|Draw", "the result")
        return result.group(0), 16

    def read_how_to_play(self):
        """How to Play opens on its first heading, spoken as a heading and then its section; Tab goes
        on to the next heading."""
        self.keys("F1")
        self.hear(r"^Rules heading", "How to Play's first heading")
        self.hear(r"^You and Mac each hide", "the section under it")
        self.keys("Tab")
        self.hear(r"^The board heading", "the next heading")
        self.hear(r"^Mac's pieces lie face down", "the section under it")
        self.keys("Escape")
        # The next keys are for the game's window: not before How to Play has gone and the game's
        # window has the keyboard again (a shortcut typed sooner went to the closing window).
        deadline = time.monotonic() + PHRASE_TIMEOUT
        while self.server.find_window("^How to Play$"):
            if time.monotonic() > deadline:
                raise Failure("How to Play did not close on Escape")
            time.sleep(0.02)
        self.server.run("xdotool", "windowfocus", "--sync", self.server.find_window(TITLE))

    def mark_notepad(self):
        """The notepad's cells are reached by Tab and say their digit, place and mark, and the
        new mark as Space or X changes it. Ctrl+D says that the notepad came."""
        self.keys("ctrl+d")
        self.hear(r"Notepad shown", "the notepad's arrival")
        self.keys("Tab")
        self.hear(r"^0: may be in the number", "the notepad's first digit")
        self.keys("Right")
        self.hear(r"^0 in place 1: no mark", "the notepad's first cell")
        self.keys("space")
        self.hear(r"0 in place 1: not here", "the cell's new mark")
        self.keys("x")
        self.hear(r"0: not in the number", "the digit's new mark")


    def read_review(self):
        """The review of the match just played opens on its table, whose cells are read with their
        columns once the review is worked out."""
        self.keys("Escape", "ctrl+e")
        self.hear(r"^Review dialog", "the review window")
        self.hear(r"^Guess: \d{4}(\.| \(hint\))", "the first guess's row", REVIEW_TIMEOUT)
        self.hear(r"^Hits / Blows: \d / \d\.", "its score")
        self.hear(r"^Verdict: \w", "its verdict")
        self.hear(r"^Skill: \d+\.", "its skill")
        self.keys("Escape")

    def play_duel(self):
        """A duel of two players at this computer, by keys alone: the curtain between them is
        spoken, and so are each guess with its score, whose turn it is and the end with both
        numbers. The names are left as they come, "Player 1" and "Player 2"."""
        self.keys("ctrl+shift+d")
        self.server.wait_for_window("^Duel at This Computer$", timeout=PHRASE_TIMEOUT)
        self.keys("Return")
        self.hear(r"Player 1, hide your number", "the first player's turn to hide a number")
        self.keys("1", "2", "3", "4", "Return")
        self.hear(r"Pass to Player 2", "the curtain")
        self.keys("space")
        self.hear(r"Player 2, hide your number", "the second player's turn to hide a number")
        self.keys("5", "6", "7", "8", "Return")
        self.hear(r"Pass to Player 1", "the curtain before the first guess")
        self.keys("space")
        self.hear(r"Player 1, your guess", "whose turn it is")
        self.keys("5", "6", "8", "7", "Return")
        self.hear(r"Player 1: 5 6 8 7, 2 hits, 2 blows", "the first guess with its score")
        self.hear(r"Pass to Player 2", "the curtain after it")
        self.keys("space")
        self.hear(r"Player 2, your guess", "the second player's turn")
        self.keys("1", "2", "3", "4", "Return")
        self.hear(r"Player 2: 1 2 3 4, 4 hits, 0 blows", "the winning guess")
        self.hear(r"Player 2 won", "the end of the duel")
        self.hear(r"Player 1's number: 1 2 3 4", "the first number")
        self.hear(r"Player 2's number: 5 6 7 8", "the second number")
        self.keys("Return")


def check_once(transcript):
    """Every phrase of the board is spoken once: no utterance longer than a key's echo twice in
    a row, nor any of the board's phrases twice in the match."""
    board = [line for line in transcript.spoken
             if re.search(r"Round \d|Mac guesses|Mac's guess|Your guess|Choose your number|You won|You lost", line)]
    repeated = sorted({line for line in board if board.count(line) > 1})
    if repeated:
        raise Failure(f"spoken more than once: {repeated}")


def play(binary, home, transcript_path, orca_first):
    with xsession.XServer() as server:
        desktop = Desktop(server, home)
        transcript = Transcript(transcript_path)
        game = None
        try:
            desktop.start_buses()
            config = os.path.join(desktop.env["XDG_CONFIG_HOME"], "HitBlow")
            os.makedirs(config)
            with open(os.path.join(config, "HitBlow.conf"), "w") as settings:
                settings.write("[General]\nStrengthLevel=1\nCandidatesVisible=1\nSoundMode=0\nAutoCheck=0\n"
                               "PlayingRhythm=4\nConfirmAbandon=1\n")
            game_env = dict(desktop.env, QT_QPA_PLATFORM="xcb")
            game_env.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)
            player = Player(server, transcript)
            if orca_first:
                desktop.start_orca(transcript)
                player.hear(r"Screen reader on", "that it started", START_TIMEOUT)
            game = subprocess.Popen([binary], env=game_env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            window = server.wait_for_window(TITLE, timeout=20)
            if window is None:
                raise Failure("the game's window did not appear")
            if not orca_first:
                desktop.start_orca(transcript)
                player.hear(r"Screen reader on", "that it started", START_TIMEOUT)
            server.run("xdotool", "windowfocus", "--sync", window)
            player.hear(r"Hit & Blow", "the game's window")
            outcome, rounds = player.play_match()
            check_once(transcript)
            player.read_how_to_play()
            player.mark_notepad()
            player.read_review()
            player.play_duel()
            print(f"the match ended after {rounds} rounds: {outcome}; {len(transcript.spoken)} utterances")
        finally:
            if game and game.poll() is None:
                game.terminate()
                try:
                    game.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    game.kill()
                    game.wait()
            desktop.stop()
            transcript.close()


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("binary")
    parser.add_argument("--transcript", default=os.path.join(os.getcwd(), "orca-transcript.log"),
                        help="where Orca's whole debug log goes (default: ./orca-transcript.log)")
    parser.add_argument("--orca-first", action="store_true",
                        help="start Orca before the game, as when the screen reader runs at log-in")
    args = parser.parse_args()
    missing = missing_tools()
    if missing:
        print(f"skipped: {', '.join(missing)} not installed (tools/install-deps.sh installs Orca and the rest)")
        return SKIPPED
    started = time.monotonic()
    # A real screen reader on a busy machine sometimes misses a shortcut typed as a window regains
    # the keyboard (seen once in three runs beside the sanitizer build): a failed run is played once
    # more from the start, and its failure is printed either way.
    for attempt in (1, 2):
        with tempfile.TemporaryDirectory(prefix="hitblow-orca-") as home:
            try:
                play(os.path.abspath(args.binary), home, args.transcript, args.orca_first)
                break
            except Failure as failure:
                print(f"FAIL (run {attempt} of 2):", failure)
                print("Orca's transcript:", args.transcript)
                if attempt == 2:
                    return 1
    with open(args.transcript) as log:
        spoken = [line.rstrip("\n") for line in log if SPEECH.search(line)]
    print("\n".join(spoken))
    print(f"1 passed, 0 failed ({time.monotonic() - started:.1f} s); Orca's transcript: {args.transcript}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
