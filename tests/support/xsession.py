# SPDX-License-Identifier: GPL-3.0-or-later
"""A private X server and the few X tools the game's end-to-end test and start-up benchmark need:
Xvfb, xdotool for real input events and window geometry, and screenshots read straight from the
X server (a GetImage request on the root window, a few milliseconds each).
Python standard library only."""

import os
import shutil
import socket
import struct
import subprocess
import time
import zlib

REQUIRED_TOOLS = ("Xvfb", "xdotool")
BOARD_WIDTH = 640
BOARD_HEIGHT = 480


def quit_problem(process, who="the game", timeout=10):
    """Waits for a game told to quit by ctrl+q: what went wrong, or None when it ended with 0."""
    try:
        code = process.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        return f"{who} did not quit on ctrl+q"
    return None if code == 0 else f"{who} exited with {code}"


def missing_tools():
    return [tool for tool in REQUIRED_TOOLS if shutil.which(tool) is None]


class XServer:
    """Xvfb on a display number it picks itself (-displayfd), stopped when the block ends."""

    def __init__(self, width=1280, height=1024):
        self.size = (width, height)
        self.process = None
        self.display = None
        self.connection = None

    def __enter__(self):
        read_end, write_end = os.pipe()
        width, height = self.size
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + 15
        with os.fdopen(read_end, "rb") as pipe:
            while not number.endswith(b"\n") and time.monotonic() < deadline:
                chunk = pipe.read(1)
                if not chunk:
                    break
                number += chunk
        if not number.strip():
            self.__exit__(None, None, None)
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number.decode().strip()
        return self

    def __exit__(self, *exc):
        if self.connection:
            self.connection.close()
            self.connection = None
        if self.process and self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        return False

    def env(self, **extra):
        env = dict(os.environ, DISPLAY=self.display)
        env.update(extra)
        return env

    def run(self, *args, check=True):
        """Runs an X client on this display and returns its standard output."""
        result = subprocess.run(list(args), env=self.env(), capture_output=True, text=True, timeout=20)
        if check and result.returncode != 0:
            raise RuntimeError(f"{' '.join(args)} failed: {result.stderr.strip()}")
        return result.stdout

    def find_window(self, title_pattern):
        """The id of a mapped window whose title matches the pattern, or None."""
        found = self.run("xdotool", "search", "--onlyvisible", "--name", title_pattern, check=False).split()
        return found[0] if found else None

    def wait_for_window(self, title_pattern, timeout, poll=0.005):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            window = self.find_window(title_pattern)
            if window:
                return window
            time.sleep(poll)
        return None

    def window_geometry(self, window):
        """(x, y, width, height) of the window's client area on the screen."""
        values = {}
        for line in self.run("xdotool", "getwindowgeometry", "--shell", window).splitlines():
            key, _, value = line.partition("=")
            values[key] = int(value) if value.lstrip("-").isdigit() else value
        return values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]

    def grab(self, x, y, width, height):
        """A screenshot of a rectangle of the screen."""
        if self.connection is None:
            self.connection = XConnection(self.display)
        return self.connection.grab(x, y, width, height)


class XConnection:
    """A bare X11 client on the local socket of a display without authorisation (as Xvfb runs
    here), which only reads pixels of the root window."""

    GET_IMAGE = 73
    Z_PIXMAP = 2

    def __init__(self, display):
        number = display.lstrip(":").split(".")[0]
        self.socket = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.socket.connect(f"/tmp/.X11-unix/X{number}")
        self.socket.sendall(struct.pack("<BxHHHHxx", ord("l"), 11, 0, 0, 0))
        head = self._read(8)
        if head[0] != 1:
            raise RuntimeError("the X server refused the connection")
        setup = self._read(struct.unpack_from("<H", head, 6)[0] * 4)
        vendor_length, = struct.unpack_from("<H", setup, 16)
        format_count = setup[21]
        formats_at = 32 + (vendor_length + 3) // 4 * 4
        self.bits_per_pixel = {}
        for index in range(format_count):
            depth, bits, _pad = struct.unpack_from("<BBB", setup, formats_at + 8 * index)
            self.bits_per_pixel[depth] = bits
        screen_at = formats_at + 8 * format_count
        self.root, = struct.unpack_from("<I", setup, screen_at)
        self.root_depth = setup[screen_at + 38]
        if self.root_depth != 24 or self.bits_per_pixel.get(24) != 32:
            raise RuntimeError("screenshots need a 24-bit screen stored in 32 bits per pixel")

    def _read(self, count):
        data = bytearray()
        while len(data) < count:
            chunk = self.socket.recv(count - len(data))
            if not chunk:
                raise RuntimeError("the X server closed the connection")
            data += chunk
        return bytes(data)

    def grab(self, x, y, width, height):
        self.socket.sendall(struct.pack("<BBHIhhHHI", self.GET_IMAGE, self.Z_PIXMAP, 5, self.root,
                                        x, y, width, height, 0xFFFFFFFF))
        reply = self._read(32)
        # Some events reach every client unasked (MappingNotify when xdotool remaps a key).
        while reply[0] & 0x7F >= 2:
            reply = self._read(32)
        if reply[0] != 1:
            raise RuntimeError(f"GetImage of {width}x{height}+{x}+{y} failed with X error {reply[1]}: {reply.hex()}")
        data = self._read(struct.unpack_from("<I", reply, 4)[0] * 4)
        # Pixels are stored blue, green, red, unused, one row after the other.
        pixels = bytearray(width * height * 3)
        pixels[0::3] = data[2::4][:width * height]
        pixels[1::3] = data[1::4][:width * height]
        pixels[2::3] = data[0::4][:width * height]
        return Picture(width, height, bytes(pixels), origin=(x, y))

    def close(self):
        self.socket.close()


class Picture:
    """RGB pixels of a screenshot, addressed in screen coordinates."""

    def __init__(self, width, height, pixels, origin=(0, 0)):
        self.width, self.height, self.pixels, self.origin = width, height, pixels, origin

    def save_png(self, path):
        def chunk(kind, body):
            return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

        stride = self.width * 3
        rows = b"".join(b"\0" + self.pixels[row * stride:(row + 1) * stride] for row in range(self.height))
        with open(path, "wb") as out:
            out.write(b"\x89PNG\r\n\x1a\n")
            out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)))
            out.write(chunk(b"IDAT", zlib.compress(rows, 9)))
            out.write(chunk(b"IEND", b""))

    def pixel(self, x, y):
        column, row = int(x) - self.origin[0], int(y) - self.origin[1]
        if not (0 <= column < self.width and 0 <= row < self.height):
            return None
        offset = (row * self.width + column) * 3
        return tuple(self.pixels[offset:offset + 3])

    def count(self, x0, y0, x1, y1, predicate):
        """How many pixels of the screen rectangle [x0, x1) x [y0, y1) satisfy the predicate."""
        total = 0
        for y in range(int(y0), int(y1)):
            for x in range(int(x0), int(x1)):
                colour = self.pixel(x, y)
                if colour is not None and predicate(colour):
                    total += 1
        return total


class BoardGeometry:
    """Maps board points (640 by 480 units, origin bottom left, y up) to screen points, as the board
    does: uniform scale to fit its widget, centred. The window opens with the board at its natural
    size right below the menu bar, so the board's widget is the bottom part of the area given, with
    the board's aspect ratio."""

    def __init__(self, window_x, window_y, window_width, window_height):
        board_height = round(window_width * BOARD_HEIGHT / BOARD_WIDTH)
        self.left = window_x
        self.top = window_y + window_height - board_height
        self.width = window_width
        self.height = board_height
        self.scale = min(self.width / BOARD_WIDTH, self.height / BOARD_HEIGHT)
        self.offset_x = (self.width - BOARD_WIDTH * self.scale) / 2
        self.offset_y = (self.height - BOARD_HEIGHT * self.scale) / 2

    def to_screen(self, board_x, board_y):
        return (round(self.left + self.offset_x + board_x * self.scale),
                round(self.top + self.offset_y + (BOARD_HEIGHT - board_y) * self.scale))

    def screen_rect(self, x0, y0, x1, y1):
        """The screen rectangle (left, top, right, bottom) of the board rectangle from (x0, y0) to (x1, y1)."""
        left, bottom = self.to_screen(x0, y0)
        right, top = self.to_screen(x1, y1)
        return left, top, right, bottom


def find_board(server, window):
    """The BoardGeometry of the game's window once it is drawn, or None before. The board lies
    between the menu bar and the status bar, whose height is the run of light rows at the bottom of
    the window, measured down a column the status bar leaves empty on the title screen."""
    x, y, width, height = server.window_geometry(window)
    column = x + width * 3 // 4
    picture = server.grab(column, y, 1, height)
    bottom = y + height - 1
    if not is_light(picture.pixel(column, bottom) or (0, 0, 0)):
        return None
    row = bottom
    while row > y and is_light(picture.pixel(column, row) or (0, 0, 0)):
        row -= 1
    status_bar = bottom - row
    if status_bar > height // 4:
        return None
    return BoardGeometry(x, y, width, height - status_bar)


def wait_for_board(server, window, timeout=20):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        board = find_board(server, window)
        if board:
            return board
        time.sleep(0.01)
    return None


def is_light(colour):
    return min(colour) >= 150


def is_yellow(colour):
    red, green, blue = colour
    return red >= 230 and green >= 230 and blue <= 60


def is_red(colour):
    red, green, blue = colour
    return red >= 230 and green <= 60 and blue <= 60


def is_black(colour):
    return max(colour) <= 8
