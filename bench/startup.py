#!/usr/bin/env python3
"""Start-up against the floor: runs the game (until its start screen is
painted) and a bare Qt window program, alternating, and reports the medians
and their ratio, and each program's peak memory (max RSS).

Usage: bench/startup.py BUILD_DIR [runs]   (QT_QPA_PLATFORM decides the platform)
"""
import os, resource, statistics, subprocess, sys, time

build = sys.argv[1]
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10
run_dir = os.path.join(build, "bin")
game = os.path.join(run_dir, "pigmentra")
bare = os.path.join(build, "bench", "bare_window")
env = dict(os.environ, PIGMENTRA_QUIT_WHEN_SHOWN="1")
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
    return elapsed, usage.ru_maxrss / 1024.0


once(bare), once(game)  # warm caches
results = {"game": [], "bare": []}
for _ in range(runs):
    results["bare"].append(once(bare))
    results["game"].append(once(game))
for name, values in results.items():
    t = statistics.median(v[0] for v in values)
    m = statistics.median(v[1] for v in values)
    print(f"{name:5s} median {t:7.1f} ms  peak {m:6.1f} MB")
tg = statistics.median(v[0] for v in results["game"])
tb = statistics.median(v[0] for v in results["bare"])
mg = statistics.median(v[1] for v in results["game"])
mb = statistics.median(v[1] for v in results["bare"])
print(f"ratio time {tg / tb:.2f}  memory {mg / mb:.2f}")
