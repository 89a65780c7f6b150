"""A real X display for the end-to-end game: Xvfb, an optional window manager,
the game's windows as xwininfo sees them, input through xdotool and pictures
of the screen through xwd. Standard library only."""

import os
import re
import struct
import subprocess
import time
import zlib


class Failure(Exception):
    """Something the player would not have expected to see."""


def run(args, env, timeout=10):
    done = subprocess.run(args, env=env, stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=timeout)
    return done.returncode, done.stdout.decode("utf-8", "replace")


class Picture:
    """A screenshot: 24-bit pixels as (red, green, blue)."""

    def __init__(self, width, height, rows):
        self.width, self.height, self.rows = width, height, rows  # rows: bytes, 3 per pixel

    def pixel(self, x, y):
        if not (0 <= x < self.width and 0 <= y < self.height):
            return None
        row = self.rows[y]
        return tuple(row[3 * x:3 * x + 3])

    def region(self, x, y, w, h):
        """The pixels of a rectangle as one bytes object (clipped to the screen)."""
        x0, y0 = max(x, 0), max(y, 0)
        x1, y1 = min(x + w, self.width), min(y + h, self.height)
        return b"".join(self.rows[yy][3 * x0:3 * x1] for yy in range(y0, y1))

    def save_png(self, path):
        raw = b"".join(b"\x00" + row for row in self.rows)
        def chunk(kind, data):
            return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
        with open(path, "wb") as f:
            f.write(b"\x89PNG\r\n\x1a\n")
            f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)))
            f.write(chunk(b"IDAT", zlib.compress(raw, 6)))
            f.write(chunk(b"IEND", b""))


def parse_xwd(data):
    """Reads the ZPixmap that `xwd -root` writes for a 24- or 32-bit TrueColor screen."""
    header = struct.unpack(">25I", data[:100])
    header_size, _, pixmap_format, _, width, height = header[:6]
    byte_order, bits_per_pixel, bytes_per_line = header[7], header[11], header[12]
    red_mask, green_mask, blue_mask = header[14:17]
    ncolors = header[19]
    step = bits_per_pixel // 8
    if pixmap_format != 2 or bits_per_pixel not in (24, 32) or bytes_per_line < step * width:
        raise Failure("xwd wrote a picture this reader does not know (format %d, %d bits, %d bytes a line)"
                      % (pixmap_format, bits_per_pixel, bytes_per_line))
    if (red_mask, green_mask, blue_mask) != (0xFF0000, 0xFF00, 0xFF):
        raise Failure("unexpected colour masks in the xwd picture")
    start = header_size + 12 * ncolors
    # Least significant byte first: blue, green, red (and a pad byte at 32 bits).
    red, green, blue = (2, 1, 0) if byte_order == 0 else (step - 3, step - 2, step - 1)
    rows = []
    for y in range(height):
        line = data[start + y * bytes_per_line:start + y * bytes_per_line + step * width]
        rgb = bytearray(3 * width)
        rgb[0::3], rgb[1::3], rgb[2::3] = line[red::step], line[green::step], line[blue::step]
        rows.append(bytes(rgb))
    return Picture(width, height, rows)


WINDOW_LINE = re.compile(r'^\s*(0x[0-9a-f]+) "(.*)": \(.*\)\s+(\d+)x(\d+)\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+)\s*$')


class Display:
    """Xvfb on a free display number, with or without openbox."""

    def __init__(self, window_manager, scratch, width=1024, height=768):
        self.window_manager = window_manager
        self.scratch = scratch
        self.procs = []
        read_fd, write_fd = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "%dx%dx24" % (width, height),
                                 "-nolisten", "tcp", "-noreset"],
                                pass_fds=(write_fd,), stdout=subprocess.DEVNULL,
                                stderr=open(os.path.join(scratch, "xvfb.log"), "wb"))
        os.close(write_fd)
        self.procs.append(xvfb)
        number = b""
        deadline = time.time() + 15
        while not number.endswith(b"\n") and time.time() < deadline:
            piece = os.read(read_fd, 16)
            if not piece:
                break
            number += piece
        os.close(read_fd)
        if not number.strip():
            self.close()
            raise Failure("Xvfb did not start (see %s/xvfb.log)" % scratch)
        self.name = ":" + number.decode().strip()
        self.env = dict(os.environ, DISPLAY=self.name)
        if window_manager == "openbox":
            wm = subprocess.Popen(["openbox", "--sm-disable"], env=self.env, stdout=subprocess.DEVNULL,
                                  stderr=open(os.path.join(scratch, "openbox.log"), "wb"))
            self.procs.append(wm)
            deadline = time.time() + 10
            while time.time() < deadline:
                code, out = run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], self.env)
                if code == 0 and "window id" in out:
                    break
                time.sleep(0.1)
            else:
                self.close()
                raise Failure("openbox did not take over the display")

    def close(self):
        for proc in reversed(self.procs):
            if proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(5)
                except subprocess.TimeoutExpired:
                    proc.kill()
                    proc.wait()
        self.procs = []

    # --- windows -----------------------------------------------------------
    def windows(self):
        """The viewable named windows: name -> (id, x, y, width, height) of the
        client area in screen coordinates."""
        # A window that goes while the tree is walked fails the walk: ask again.
        for _ in range(5):
            code, visible = run(["xdotool", "search", "--onlyvisible", "--name", "."], self.env)
            code2, tree = run(["xwininfo", "-root", "-tree"], self.env)
            if code2 == 0 and (code == 0 or not visible.strip()):
                break
            time.sleep(0.05)
        ids = {int(v) for v in visible.split()}
        found = {}
        for line in tree.splitlines():
            m = WINDOW_LINE.match(line)
            if not m:
                continue
            wid = int(m.group(1), 16)
            name = decode_name(m.group(2))
            w, h, x, y = (int(m.group(i)) for i in (3, 4, 5, 6))
            if wid in ids and w > 3 and h > 3:
                found[name] = (wid, x, y, w, h)
        return found

    # --- what the window manager did -----------------------------------------
    def root_windows(self, prop):
        """A window list property of the root window (_NET_CLIENT_LIST,
        _NET_CLIENT_LIST_STACKING bottom to top, _NET_ACTIVE_WINDOW)."""
        code, out = run(["xprop", "-root", prop], self.env)
        return [int(v, 16) for v in re.findall(r"0x[0-9a-f]+", out)] if code == 0 else []

    def transient_for(self, wid):
        """The window a window is transient for (WM_TRANSIENT_FOR), or None."""
        code, out = run(["xprop", "-id", str(wid), "WM_TRANSIENT_FOR"], self.env)
        found = re.findall(r"0x[0-9a-f]+", out) if code == 0 else []
        return int(found[0], 16) if found else None

    def net_wm_state(self, wid):
        code, out = run(["xprop", "-id", str(wid), "_NET_WM_STATE"], self.env)
        return set(re.findall(r"_NET_WM_STATE_[A-Z_]+", out)) if code == 0 else set()

    # --- input -------------------------------------------------------------
    def click(self, x, y):
        # (mousemove --sync waits for ever when the pointer is there already)
        run(["xdotool", "mousemove", str(x), str(y)], self.env)
        deadline = time.time() + 2
        while time.time() < deadline:
            code, out = run(["xdotool", "getmouselocation"], self.env)
            if out.startswith("x:%d y:%d " % (x, y)):
                break
            time.sleep(0.02)
        time.sleep(0.05)
        run(["xdotool", "click", "1"], self.env)

    def activate(self, wid):
        """Asks the window manager to activate a window (_NET_ACTIVE_WINDOW),
        as a task bar does when its entry is clicked."""
        run(["xdotool", "windowactivate", str(wid)], self.env)

    def focused_name(self):
        """The name of the window that has the keyboard, as X sees it."""
        code, out = run(["xdotool", "getwindowfocus", "getwindowname"], self.env)
        return out.strip() if code == 0 else "(none)"

    def give_focus(self, wid, name, seconds=3.0):
        """Sets the X keyboard focus on a window, as a window manager does,
        until it stays there. True when it did."""
        deadline = time.time() + seconds
        while time.time() < deadline:
            run(["xdotool", "windowfocus", "--sync", str(wid)], self.env)
            time.sleep(0.3)
            if self.focused_name() == name:
                return True
        return False

    def search_class(self, name):
        code, out = run(["xdotool", "search", "--onlyvisible", "--classname", name], self.env)
        return [int(v) for v in out.split()] if code == 0 else []

    def key(self, *keys):
        run(["xdotool", "key", "--delay", "40"] + list(keys), self.env)

    def type_text(self, text):
        run(["xdotool", "type", "--delay", "30", text], self.env)

    # --- pictures ----------------------------------------------------------
    def window_shot(self, wid):
        """The client area of one window (its native children included)."""
        done = subprocess.run(["xwd", "-id", str(wid), "-silent"], env=self.env, stdout=subprocess.PIPE,
                              stderr=subprocess.PIPE, timeout=10)
        if done.returncode != 0:
            raise Failure("xwd failed: " + done.stderr.decode("utf-8", "replace"))
        return parse_xwd(done.stdout)

    def screenshot(self, width=1024, height=768):
        """The whole screen, put together from its viewable windows bottom to
        top (xwd of the root window comes out black under Xvfb once windows
        with colormaps of their own are mapped)."""
        code, visible = run(["xdotool", "search", "--onlyvisible", "--name", "."], self.env)
        ids = {int(v) for v in visible.split()} if code == 0 else set()
        code, tree = run(["xwininfo", "-root", "-tree"], self.env)
        stack = []
        for line in tree.splitlines():
            m = WINDOW_LINE.match(line)
            if m and int(m.group(1), 16) in ids and int(m.group(3)) > 3 and int(m.group(4)) > 3:
                stack.append((int(m.group(1), 16), int(m.group(5)), int(m.group(6))))
        rows = [bytearray(3 * width) for _ in range(height)]
        for wid, x, y in reversed(stack):
            try:
                shot = self.window_shot(wid)
            except (Failure, subprocess.TimeoutExpired):
                continue  # unmapped meanwhile
            for yy in range(shot.height):
                if 0 <= y + yy < height:
                    x0, x1 = max(x, 0), min(x + shot.width, width)
                    if x1 > x0:
                        rows[y + yy][3 * x0:3 * x1] = shot.rows[yy][3 * (x0 - x):3 * (x1 - x)]
        return Picture(width, height, [bytes(r) for r in rows])


class WestonDisplay(Display):
    """A Wayland desktop: weston with XWayland. The game is started with
    WAYLAND_DISPLAY set and no QT_QPA_PLATFORM, as on a Wayland session, and
    is looked at and driven on the XWayland display. Weston runs on its X11
    backend inside an Xvfb of its own: its headless backend has no seat, and
    Xwayland 22 crashes on the first pointer move of xdotool without one."""

    def __init__(self, scratch, width=1024, height=768):
        super().__init__("none", scratch, width, height)
        self.host = self.name
        runtime = os.path.join(scratch, "weston-runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        log_path = os.path.join(scratch, "weston.log")
        weston = subprocess.Popen(["weston", "--backend=x11-backend.so", "--use-pixman", "--width=%d" % width,
                                   "--height=%d" % height, "--xwayland", "--socket=pigmentra", "--idle-time=0"],
                                  env=dict(self.env, XDG_RUNTIME_DIR=runtime), stdout=subprocess.DEVNULL,
                                  stderr=open(log_path, "wb"))
        self.procs.append(weston)
        deadline = time.time() + 15
        found = None
        while found is None and time.time() < deadline and weston.poll() is None:
            with open(log_path, "rb") as f:
                found = re.search(rb"xserver listening on display (:\d+)", f.read())
            time.sleep(0.1)
        if found is None:
            self.close()
            raise Failure("weston did not offer XWayland (see %s)" % log_path)
        self.name = found.group(1).decode()
        # The game has an XDG_RUNTIME_DIR of its own: name the socket by its path.
        self.env = dict(os.environ, DISPLAY=self.name, WAYLAND_DISPLAY=os.path.join(runtime, "pigmentra"))
        self.env.pop("QT_QPA_PLATFORM", None)
        # XWayland starts at its first client; wait until it answers.
        deadline = time.time() + 15
        while run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], self.env)[0] != 0:
            if time.time() > deadline:
                self.close()
                raise Failure("XWayland did not answer on %s (see %s)" % (self.name, log_path))
            time.sleep(0.2)
        self.seen = {}

    def windows(self):
        """As on X, once every window has stopped moving: weston maps a new
        window at a place of its own and moves it where the game asked a
        moment later."""
        found = super().windows()
        deadline = time.time() + 3
        while found != self.seen and time.time() < deadline:
            self.seen = found
            time.sleep(0.3)
            found = super().windows()
        self.seen = found
        return found


def decode_name(text):
    """xwininfo prints a name's non-ASCII bytes as octal escapes (\\303\\274)."""
    raw = bytearray()
    i = 0
    while i < len(text):
        if text[i] == "\\" and i + 3 < len(text) + 1 and re.match(r"[0-7]{3}", text[i + 1:i + 4]):
            raw.append(int(text[i + 1:i + 4], 8))
            i += 4
        else:
            raw.extend(text[i].encode("utf-8"))
            i += 1
    return raw.decode("utf-8", "replace")


def read_bmp(path):
    """A 24-bit bottom-up BMP as a Picture (the game's own artwork)."""
    with open(path, "rb") as f:
        data = f.read()
    offset = struct.unpack("<I", data[10:14])[0]
    width, height = struct.unpack("<ii", data[18:26])
    bpp = struct.unpack("<H", data[28:30])[0]
    if bpp != 24:
        raise Failure("%s: only 24-bit pictures are read here" % path)
    stride = (3 * width + 3) & ~3
    rows = []
    for y in range(abs(height)):
        src = y if height < 0 else abs(height) - 1 - y
        line = data[offset + src * stride:offset + src * stride + 3 * width]
        rgb = bytearray(3 * width)
        rgb[0::3], rgb[1::3], rgb[2::3] = line[2::3], line[1::3], line[0::3]
        rows.append(bytes(rgb))
    return Picture(width, abs(height), rows)
