#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The Debian package as a user gets it: builds it with CPack into a temporary folder, checks its
name, control fields and files, lets lintian judge it (no errors allowed), then unpacks it with
dpkg-deb -x into a temporary root and starts the unpacked program under a private X server until
its window shows the board; SIGTERM then ends it through its normal way out.
Exits 77 (skipped) when a tool is missing; tools/install-deps.sh installs them all."""

import argparse
import glob
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import xsession  # noqa: E402

SKIPPED = 77
TITLE = "^Hit & Blow$"
PACKAGED_FILES = [
    "./usr/games/hitblow",
    "./usr/share/applications/org.hitblow.HitBlow.desktop",
    "./usr/share/icons/hicolor/scalable/apps/org.hitblow.HitBlow.svg",
    "./usr/share/metainfo/org.hitblow.HitBlow.metainfo.xml",
    "./usr/share/man/man6/hitblow.6.gz",
    "./usr/share/doc/hitblow/copyright",
    "./usr/share/doc/hitblow/changelog.Debian.gz",
]


class Failure(Exception):
    pass


def run(*args, **kwargs):
    result = subprocess.run(list(args), capture_output=True, text=True, timeout=120, **kwargs)
    if result.returncode != 0:
        raise Failure(f"{' '.join(args)} failed ({result.returncode}):\n{result.stdout}{result.stderr}")
    return result.stdout


def build_package(cpack, build_dir, out_dir, version):
    run(cpack, "--config", os.path.join(build_dir, "CPackConfig.cmake"), "-B", out_dir)
    architecture = run("dpkg", "--print-architecture").strip()
    expected = os.path.join(out_dir, f"hitblow_{version}_{architecture}.deb")
    built = glob.glob(os.path.join(out_dir, "*.deb"))
    if built != [expected]:
        raise Failure(f"expected {os.path.basename(expected)}, CPack made {[os.path.basename(p) for p in built]}")
    return expected


def check_control(deb, version, recommended):
    fields = {}
    for line in run("dpkg-deb", "--field", deb).splitlines():
        if line and not line[0].isspace():
            key, _, value = line.partition(":")
            fields[key] = value.strip()
    wanted = {"Package": "hitblow", "Version": version, "Section": "games"}
    for key, value in wanted.items():
        if fields.get(key) != value:
            raise Failure(f"{key} is {fields.get(key)!r}, not {value!r}")
    for key in ("Maintainer", "Description"):
        if not fields.get(key):
            raise Failure(f"no {key} field")
    # From dpkg-shlibdeps: the Qt libraries the program links, with versions.
    depends = fields.get("Depends", "")
    for library in ("libc6 (", "libqt6widgets6 (", "libqt6svg6 (", "libqt6multimedia6 ("):
        if library not in depends:
            raise Failure(f"Depends lacks {library.rstrip(' (')}: {depends!r}")
    recommends = [name.strip() for name in fields.get("Recommends", "").split(",")]
    for font in recommended:
        if font not in recommends:
            raise Failure(f"Recommends lacks {font}: {recommends}")


def check_contents(deb):
    listing = run("dpkg-deb", "--contents", deb).splitlines()
    paths = {line.split()[-1] for line in listing}
    missing = [path for path in PACKAGED_FILES if path not in paths]
    if missing:
        raise Failure(f"not in the package: {missing}")
    not_root = [line for line in listing if line.split()[1] != "root/root"]
    if not_root:
        raise Failure("files not owned by root:\n" + "\n".join(not_root))


def check_lintian(deb):
    result = subprocess.run(["lintian", "--tag-display-limit", "0", deb], capture_output=True, text=True,
                            timeout=120)
    tags = [line for line in result.stdout.splitlines() if line[:2] in ("E:", "W:", "I:", "X:")]
    for tag in tags:
        print("lintian", tag)
    errors = [tag for tag in tags if tag.startswith("E:")]
    if errors or result.returncode not in (0, 1) or (result.returncode == 1 and not tags):
        raise Failure(f"lintian reports errors (exit {result.returncode}):\n{result.stdout}{result.stderr}")


def board_drawn(server, window):
    """Whether the window shows the board: mostly its green baize, not an empty window."""
    x, y, width, height = server.window_geometry(window)
    picture = server.grab(x, y, width, height)
    green = picture.count(x, y + height // 2, x + width, y + height // 2 + 1,
                          lambda c: c[1] > c[0] + 20 and c[1] > c[2])
    return green > width // 2


def start_unpacked(deb, root, home):
    run("dpkg-deb", "-x", deb, root)
    binary = os.path.join(root, "usr", "games", "hitblow")
    config = os.path.join(home, "config")
    runtime = os.path.join(home, "runtime")
    os.makedirs(runtime, mode=0o700)
    with xsession.XServer() as server:
        env = server.env(QT_QPA_PLATFORM="xcb", XDG_CONFIG_HOME=config, XDG_DATA_HOME=os.path.join(home, "data"),
                         XDG_RUNTIME_DIR=runtime, LANG="C.UTF-8", LC_ALL="C.UTF-8", LANGUAGE="")
        started = time.monotonic()
        with open(os.path.join(home, "hitblow.log"), "w") as log:
            game = subprocess.Popen([binary], env=env, stdout=log, stderr=subprocess.STDOUT)
        try:
            window = server.wait_for_window(TITLE, timeout=20)
            if window is None:
                raise Failure("the unpacked program's window did not appear")
            deadline = time.monotonic() + 10
            while not board_drawn(server, window):
                if time.monotonic() > deadline:
                    raise Failure("the unpacked program's window does not show the board")
                time.sleep(0.02)
            print(f"first frame of the unpacked program after {time.monotonic() - started:.2f} s")
            game.send_signal(signal.SIGTERM)
            code = game.wait(timeout=10)
        finally:
            if game.poll() is None:
                game.kill()
                game.wait()
    if code != 0:
        raise Failure(f"the unpacked program exited with {code} on SIGTERM")
    if not os.path.exists(os.path.join(config, "HitBlow", "HitBlow.conf")):
        raise Failure("the unpacked program stored no settings on its way out")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("build_dir")
    parser.add_argument("--cpack", default="cpack")
    parser.add_argument("--version", required=True, help="the package's version, with its revision")
    parser.add_argument("--recommends", required=True, help="packages the package must recommend, comma-separated")
    args = parser.parse_args()
    missing = [tool for tool in ("dpkg-deb", "dpkg-shlibdeps", "lintian") if shutil.which(tool) is None]
    missing += xsession.missing_tools()
    if missing:
        print(f"skipped: {', '.join(missing)} not installed")
        return SKIPPED

    started = time.monotonic()
    with tempfile.TemporaryDirectory(prefix="hitblow-package-") as scratch:
        out_dir, root, home = (os.path.join(scratch, name) for name in ("out", "root", "home"))
        try:
            deb = build_package(args.cpack, os.path.abspath(args.build_dir), out_dir, args.version)
            print(f"{os.path.basename(deb)}: {os.path.getsize(deb)} bytes")
            check_control(deb, args.version, [name.strip() for name in args.recommends.split(",")])
            check_contents(deb)
            check_lintian(deb)
            start_unpacked(deb, root, home)
        except Failure as failure:
            print("FAIL:", failure)
            log = os.path.join(home, "hitblow.log")
            if os.path.exists(log):
                with open(log) as output:
                    print("program output:\n" + output.read())
            return 1
    print(f"1 passed, 0 failed ({time.monotonic() - started:.1f} s)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
