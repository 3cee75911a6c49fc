#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up benchmark: launches the real hitblow under Xvfb, interleaved with a bare Qt main window
with a menu bar (bench_bare_window, the floor of our stack), and reports over several runs the time
from launch until each one's window is mapped, their ratio, the game's time until its board is
drawn (board pixels no longer black) and its peak resident memory (VmHWM) once the title screen has
settled. The mapping is timed by an X client that waits for the MapNotify event, without polling.

With --atspi both start inside a private session bus with the accessibility bus running and no
screen reader, as on a desktop: the game joins that bus at start-up (so that a screen reader
started later finds it), the bare window does not.

Usage: bench/startup.py [--binary build/hitblow] [--bare build/bench/bench_bare_window] [--runs 9] [--atspi]
Targets: window mapped in at most 1.1 times the bare window's time, first frame under 300 ms, peak
memory under 80 MB (medians)."""

import argparse
import os
import socket
import statistics
import struct
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "support"))
import xsession  # noqa: E402

MAP_RATIO_TARGET = 1.1
FIRST_FRAME_TARGET_MS = 300
PEAK_MEMORY_TARGET_MB = 80


class MapWatcher(xsession.XConnection):
    """An X client that hears of every top-level window mapped on the screen (SubstructureNotify on
    the root window) and waits for the next one, blocked on its socket."""

    CHANGE_WINDOW_ATTRIBUTES = 2
    CW_EVENT_MASK = 0x800
    SUBSTRUCTURE_NOTIFY_MASK = 0x80000
    MAP_NOTIFY = 19

    def __init__(self, display):
        super().__init__(display)
        self.socket.sendall(struct.pack("<BxHIII", self.CHANGE_WINDOW_ATTRIBUTES, 4, self.root,
                                        self.CW_EVENT_MASK, self.SUBSTRUCTURE_NOTIFY_MASK))

    def wait_for_map(self, timeout):
        """The id of the next window mapped that is not override-redirect (a menu, a tooltip), or
        None when none is mapped within timeout seconds."""
        deadline = time.monotonic() + timeout
        try:
            while True:
                self.socket.settimeout(max(deadline - time.monotonic(), 0.001))
                packet = self._read(32)
                if packet[0] == 0:
                    raise RuntimeError(f"X error {packet[1]} while watching windows")
                if packet[0] & 0x7F == self.MAP_NOTIFY and not packet[12]:
                    return struct.unpack_from("<I", packet, 8)[0]
        except socket.timeout:
            return None
        finally:
            self.socket.settimeout(None)


def peak_resident_kb(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def board_is_drawn(server, window):
    # A cross of sample points over the board: the felt and the title screen are far from black.
    board = xsession.find_board(server, window)
    if board is None:
        return False
    left, top, right, bottom = board.screen_rect(0, 0, xsession.BOARD_WIDTH, xsession.BOARD_HEIGHT)
    picture = server.grab(left, top, right - left, bottom - top)
    samples = [board.to_screen(x, y) for x, y in ((160, 240), (320, 240), (480, 240), (320, 120), (320, 360))]
    return all(not xsession.is_black(picture.pixel(x, y) or (0, 0, 0)) for x, y in samples)


def one_run(server, watcher, binary, whole_game, bus_env=None):
    """Milliseconds until the window was mapped; for the game also until the board was drawn, and
    its peak memory in MB."""
    with tempfile.TemporaryDirectory(prefix="hitblow-bench-") as home:
        config, runtime = os.path.join(home, "config"), os.path.join(home, "runtime")
        os.makedirs(config)
        os.makedirs(runtime, mode=0o700)
        env = server.env(QT_QPA_PLATFORM="xcb", XDG_CONFIG_HOME=config, XDG_DATA_HOME=os.path.join(home, "data"),
                         XDG_RUNTIME_DIR=runtime,
                         LANG="C.UTF-8", LC_ALL="C.UTF-8", **(bus_env or {}))
        started = time.monotonic()
        program = subprocess.Popen([binary], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            window = watcher.wait_for_map(timeout=20)
            mapped = time.monotonic()
            if window is None:
                raise RuntimeError(f"{binary} mapped no window")
            if not whole_game:
                return (mapped - started) * 1000, None, None
            # xdotool takes the window's id as an argument like any other.
            window = str(window)
            deadline = mapped + 20
            # xdotool takes the window id as text.
            while not board_is_drawn(server, str(window)):
                if time.monotonic() > deadline:
                    raise RuntimeError("the board was not drawn")
            drawn = time.monotonic()
            time.sleep(0.5)
            peak_kb = peak_resident_kb(program.pid)
        finally:
            program.terminate()
            try:
                program.wait(timeout=10)
            except subprocess.TimeoutExpired:
                program.kill()
                program.wait()
    return (mapped - started) * 1000, (drawn - started) * 1000, peak_kb / 1024


def start_accessibility_bus(server):
    """A private session bus and the AT-SPI bus on it, as a desktop session has them."""
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    address = bus.stdout.readline().decode().strip()
    bus_env = {"DBUS_SESSION_BUS_ADDRESS": address}
    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                env=server.env(**bus_env), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1)  # the launcher starts the accessibility bus before any program is timed
    return [bus, launcher], bus_env


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--binary", default=os.path.join(here, "..", "build", "hitblow"))
    parser.add_argument("--bare", help="the bare window (default: bench/bench_bare_window beside --binary)")
    parser.add_argument("--runs", type=int, default=9)
    parser.add_argument("--atspi", action="store_true",
                        help="run both on a private session bus with the accessibility bus (no screen reader)")
    args = parser.parse_args()
    bare = args.bare or os.path.join(os.path.dirname(os.path.abspath(args.binary)), "bench", "bench_bare_window")
    missing = xsession.missing_tools()
    if missing:
        sys.exit(f"startup benchmark needs {', '.join(missing)} (tools/install-deps.sh installs them)")
    for program in (args.binary, bare):
        if not os.access(program, os.X_OK):
            sys.exit(f"no program at {program}: build first")

    game_runs, bare_runs = [], []
    with xsession.XServer() as server:
        watcher = MapWatcher(server.display)
        buses = []
        bus_env = {}
        if args.atspi:
            buses, bus_env = start_accessibility_bus(server)
        try:
            # One unmeasured start of each first, so that both find the libraries in the page cache.
            one_run(server, watcher, os.path.abspath(bare), whole_game=False, bus_env=bus_env)
            one_run(server, watcher, os.path.abspath(args.binary), whole_game=True, bus_env=bus_env)
            for run in range(1, args.runs + 1):
                bare_ms = one_run(server, watcher, os.path.abspath(bare), whole_game=False, bus_env=bus_env)[0]
                game = one_run(server, watcher, os.path.abspath(args.binary), whole_game=True, bus_env=bus_env)
                bare_runs.append(bare_ms)
                game_runs.append(game)
                print(f"run {run}: bare window mapped {bare_ms:6.1f} ms; game window mapped {game[0]:6.1f} ms, "
                      f"board drawn {game[1]:6.1f} ms, peak memory {game[2]:5.1f} MB")
        finally:
            watcher.close()
            for process in reversed(buses):
                process.terminate()
                process.wait()

    bare_mapped = statistics.median(bare_runs)
    mapped = statistics.median(r[0] for r in game_runs)
    drawn = statistics.median(r[1] for r in game_runs)
    peak = statistics.median(r[2] for r in game_runs)
    print(f"median of {len(game_runs)} runs: window mapped {mapped:.1f} ms against the bare window's "
          f"{bare_mapped:.1f} ms, {mapped / bare_mapped:.2f}x (target <= {MAP_RATIO_TARGET}x); "
          f"first frame {drawn:.1f} ms (target < {FIRST_FRAME_TARGET_MS} ms), "
          f"peak memory {peak:.1f} MB (target < {PEAK_MEMORY_TARGET_MB} MB)")


if __name__ == "__main__":
    main()
