#!/usr/bin/env python3
"""Start-up against the floors: runs the game and two small Qt programs,
interleaved, and reports medians, quartiles and the game's ratios to the
floors, with each program's peak memory (max RSS).

  bare       one frameless 808 x 601 window, painted, then quit
  text       the same window with one "Start" button in 12-pixel Arial: the
             text floor, which pays the font set-up as the game does
  game       the game, quitting once its start screen has been painted
             (PIGMENTRA_QUIT_WHEN_SHOWN=1)
  game-all   the game, quitting once all twelve screens exist
             (PIGMENTRA_QUIT_WHEN_SHOWN=all; the screens after the start
             screen are built right after its first paint)

wall    launch (just before fork) to the process's end, reaped
cpu     user + system time of the process
mapped  launch to the X server mapping the program's first top-level window
        (X11 only). A client of the X server selects SubstructureNotify on
        the root window before the launch and stamps the MapNotify event when
        it arrives: an event, not a poll (as `xdotool search --sync` or
        xwininfo in a loop would be), so its resolution is that of the clock
        and the socket, well under 0.1 ms.
peak    max RSS of the process

Usage: bench/startup.py BUILD_DIR [runs] [--also NAME ...]
  --also NAME  measure another game executable in BUILD_DIR/bin beside the
               game (for example a copy of an older build), in the same
               interleaving, so both see the same load.
QT_QPA_PLATFORM decides the platform: offscreen unless it is set or a display
is there (e.g. under `xvfb-run -a`, which then measures X11).
"""
import argparse, ctypes, os, select, statistics, sys, tempfile, time

parser = argparse.ArgumentParser()
parser.add_argument("build")
parser.add_argument("runs", nargs="?", type=int, default=10)
parser.add_argument("--also", action="append", default=[])
args = parser.parse_args()

build = os.path.abspath(args.build)
run_dir = os.path.join(build, "bin")
floor = os.path.join(build, "bench", "bare_window")
env = dict(os.environ)
env.pop("PIGMENTRA_QUIT_WHEN_SHOWN", None)
if "XDG_RUNTIME_DIR" not in env:
    env["XDG_RUNTIME_DIR"] = tempfile.mkdtemp()
if "DISPLAY" not in env:
    env.setdefault("QT_QPA_PLATFORM", "offscreen")
x11 = env.get("QT_QPA_PLATFORM", "xcb") == "xcb" and "DISPLAY" in env


def game_env(when):
    return dict(env, PIGMENTRA_QUIT_WHEN_SHOWN=when)


programs = {
    "bare": ([floor], env),
    "text": ([floor, "--text"], env),
    "game": ([os.path.join(run_dir, "pigmentra")], game_env("1")),
    "game-all": ([os.path.join(run_dir, "pigmentra")], game_env("all")),
}
for name in args.also:
    programs[name] = ([os.path.join(run_dir, name)], game_env("1"))
    programs[name + "-all"] = ([os.path.join(run_dir, name)], game_env("all"))


class MapWatch:
    """Stamps the first MapNotify of a top-level window after arm()."""

    MAP_NOTIFY, SUBSTRUCTURE_NOTIFY_MASK = 19, 1 << 19

    def __init__(self):
        x = ctypes.CDLL("libX11.so.6")
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XDefaultRootWindow.restype = ctypes.c_ulong
        x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
        for f in (x.XConnectionNumber, x.XPending, x.XFlush):
            f.argtypes = [ctypes.c_void_p]
        x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
        self.x = x
        self.dpy = x.XOpenDisplay(None)
        if not self.dpy:
            sys.exit("cannot open the X display")
        x.XSelectInput(self.dpy, x.XDefaultRootWindow(self.dpy), self.SUBSTRUCTURE_NOTIFY_MASK)
        x.XSync(self.dpy, 0)
        self.fd = x.XConnectionNumber(self.dpy)
        self.event = (ctypes.c_long * 24)()

    def arm(self):
        """Drops every event up to now."""
        self.x.XSync(self.dpy, 0)
        while self.x.XPending(self.dpy):
            self.x.XNextEvent(self.dpy, self.event)

    def mapped(self):
        """True once a MapNotify has come; waits at most 20 ms for one."""
        select.select([self.fd], [], [], 0.02)
        while self.x.XPending(self.dpy):
            self.x.XNextEvent(self.dpy, self.event)
            if ctypes.c_int.from_buffer(self.event).value == self.MAP_NOTIFY:
                return True
        return False


watch = MapWatch() if x11 else None


def once(argv, program_env):
    if watch:
        watch.arm()
    start = time.perf_counter()
    pid = os.fork()
    if pid == 0:
        os.chdir(run_dir)
        os.execve(argv[0], argv, program_env)
    mapped, done = None, 0
    while watch and mapped is None and not done:
        if watch.mapped():
            mapped = (time.perf_counter() - start) * 1000.0
        else:
            done, status, usage = os.wait4(pid, os.WNOHANG)
    if not done:
        done, status, usage = os.wait4(pid, 0)
    elapsed = (time.perf_counter() - start) * 1000.0
    if status != 0:
        sys.exit(f"{' '.join(argv)} failed with status {status}")
    if watch and mapped is None:
        sys.exit(f"{' '.join(argv)} ended without mapping a window")
    cpu = (usage.ru_utime + usage.ru_stime) * 1000.0
    return {"wall": elapsed, "cpu": cpu, "mapped": mapped, "peak": usage.ru_maxrss / 1024.0}


for argv, program_env in programs.values():  # warm the caches
    once(argv, program_env)
results = {name: [] for name in programs}
for _ in range(args.runs):
    for name, (argv, program_env) in programs.items():
        results[name].append(once(argv, program_env))

measures = ["wall", "cpu", "peak"] + (["mapped"] if watch else [])
units = {"wall": "ms", "cpu": "ms", "mapped": "ms", "peak": "MB"}


def quartiles(name, measure):
    values = sorted(r[measure] for r in results[name])
    q = statistics.quantiles(values, n=4) if len(values) > 1 else values * 3
    return q[0], statistics.median(values), q[2]


print(f"platform {env.get('QT_QPA_PLATFORM', 'xcb (default)')}, {args.runs} runs each, interleaved")
print("median [quartiles]")
for name in programs:
    cells = []
    for m in measures:
        lo, mid, hi = quartiles(name, m)
        cells.append(f"{m} {mid:6.1f} {units[m]} [{lo:5.1f}-{hi:5.1f}]")
    print(f"{name:10s} " + "  ".join(cells))
median = {name: {m: quartiles(name, m)[1] for m in measures} for name in programs}
print("ratios of the medians")
for name in programs:
    if name in ("bare", "text"):
        continue
    for base in ("text", "bare"):
        cells = [f"{m} {median[name][m] / median[base][m]:.2f}" for m in measures]
        print(f"{name:10s} / {base:4s}  " + "  ".join(cells))
print(f"{'text':10s} / bare  " + "  ".join(f"{m} {median['text'][m] / median['bare'][m]:.2f}" for m in measures))
