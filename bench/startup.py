#!/usr/bin/env python3
"""Start-up against the floor: runs the game (until its start screen is
painted) and a bare Qt window program, alternating, and reports the medians
and their ratio, and each program's peak memory (max RSS).

Wall time runs from the start of the process to its end (the game quits as
soon as its start screen has been painted). CPU time (user + system) is
reported too: on a machine shared with other work it varies far less.

Usage: bench/startup.py BUILD_DIR [runs]
QT_QPA_PLATFORM decides the platform: offscreen unless it is set or a
display is there (e.g. under `xvfb-run -a`, which then measures X11).
"""
import os, statistics, sys, time

build = sys.argv[1]
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10
run_dir = os.path.join(build, "bin")
game = os.path.join(run_dir, "pigmentra")
bare = os.path.join(build, "bench", "bare_window")
env = dict(os.environ, PIGMENTRA_QUIT_WHEN_SHOWN="1")
if "DISPLAY" not in env:
    env.setdefault("QT_QPA_PLATFORM", "offscreen")


def once(cmd):
    start = time.perf_counter()
    pid = os.fork()
    if pid == 0:
        os.chdir(run_dir)
        os.execve(cmd, [cmd], env)
    _, status, usage = os.wait4(pid, 0)
    elapsed = (time.perf_counter() - start) * 1000.0
    if status != 0:
        sys.exit(f"{cmd} failed with status {status}")
    cpu = (usage.ru_utime + usage.ru_stime) * 1000.0
    return elapsed, cpu, usage.ru_maxrss / 1024.0


once(bare), once(game)  # warm caches
results = {"game": [], "bare": []}
for _ in range(runs):
    results["bare"].append(once(bare))
    results["game"].append(once(game))
print(f"platform {env.get('QT_QPA_PLATFORM', 'xcb (default)')}, {runs} runs each")
median = {name: [statistics.median(v[i] for v in values) for i in range(3)] for name, values in results.items()}
for name, (t, c, m) in median.items():
    print(f"{name:5s} median {t:7.1f} ms wall  {c:7.1f} ms cpu  peak {m:6.1f} MB")
g, b = median["game"], median["bare"]
print(f"ratio time {g[0] / b[0]:.2f}  cpu {g[1] / b[1]:.2f}  memory {g[2] / b[2]:.2f}")
