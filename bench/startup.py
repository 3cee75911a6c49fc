#!/usr/bin/env python3
"""Start-up benchmark: launches the real hitblow under Xvfb and reports, over several runs, the time
from launch until its window is mapped and until the board is drawn (board pixels no longer
black), and the peak resident memory (VmHWM) once the title screen has settled.

Usage: bench/startup.py [--binary build/hitblow] [--runs 7]
Targets: first frame under 300 ms, peak memory under 80 MB (medians)."""

import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
import xsession  # noqa: E402

TITLE = "^Hit & Blow$"
FIRST_FRAME_TARGET_MS = 300
PEAK_MEMORY_TARGET_MB = 80


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


def one_run(server, binary):
    with tempfile.TemporaryDirectory(prefix="hitblow-bench-") as home:
        config, runtime = os.path.join(home, "config"), os.path.join(home, "runtime")
        os.makedirs(config)
        os.makedirs(runtime, mode=0o700)
        env = server.env(QT_QPA_PLATFORM="xcb", XDG_CONFIG_HOME=config, XDG_DATA_HOME=os.path.join(home, "data"),
                         XDG_RUNTIME_DIR=runtime,
                         LANG="C.UTF-8", LC_ALL="C.UTF-8")
        started = time.monotonic()
        game = subprocess.Popen([binary], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            window = server.wait_for_window(TITLE, timeout=20)
            mapped = time.monotonic()
            if window is None:
                raise RuntimeError("the window did not appear")
            deadline = mapped + 20
            while not board_is_drawn(server, window):
                if time.monotonic() > deadline:
                    raise RuntimeError("the board was not drawn")
            drawn = time.monotonic()
            time.sleep(0.5)
            peak_kb = peak_resident_kb(game.pid)
        finally:
            game.terminate()
            try:
                game.wait(timeout=10)
            except subprocess.TimeoutExpired:
                game.kill()
                game.wait()
    return (mapped - started) * 1000, (drawn - started) * 1000, peak_kb / 1024


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--binary", default=os.path.join(here, "..", "build", "hitblow"))
    parser.add_argument("--runs", type=int, default=7)
    args = parser.parse_args()
    missing = xsession.missing_tools()
    if missing:
        sys.exit(f"startup benchmark needs {', '.join(missing)} (scripts/install-deps.sh installs them)")
    if not os.access(args.binary, os.X_OK):
        sys.exit(f"no program at {args.binary}: build first")

    results = []
    with xsession.XServer() as server:
        for run in range(1, args.runs + 1):
            mapped_ms, drawn_ms, peak_mb = one_run(server, os.path.abspath(args.binary))
            results.append((mapped_ms, drawn_ms, peak_mb))
            print(f"run {run}: window mapped {mapped_ms:6.1f} ms, board drawn {drawn_ms:6.1f} ms, "
                  f"peak memory {peak_mb:5.1f} MB")

    mapped = statistics.median(r[0] for r in results)
    drawn = statistics.median(r[1] for r in results)
    peak = statistics.median(r[2] for r in results)
    print(f"median of {len(results)} runs: window mapped {mapped:.1f} ms, "
          f"first frame {drawn:.1f} ms (target < {FIRST_FRAME_TARGET_MS} ms), "
          f"peak memory {peak:.1f} MB (target < {PEAK_MEMORY_TARGET_MB} MB)")


if __name__ == "__main__":
    main()
