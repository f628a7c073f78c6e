#!/usr/bin/env python3
"""The figures of scripts/bench that time whole programs: each one the median of several
runs, with the machine's load (/proc/loadavg) beside it.

Usage: bench-figures.py BUILD_FOLDER WORK_FOLDER
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

RUNS = int(os.environ.get("LOOPSIM_BENCH_RUNS", "7"))
WARNING_TITLE = "Calvendrite Rebreather Training Simulator"


def load():
    with open("/proc/loadavg") as f:
        return " ".join(f.read().split()[:3])


def timed_run(command, cwd=None, env=None):
    """Wall seconds, CPU seconds and peak memory (MB) of one run of a program."""
    start = time.monotonic()
    process = subprocess.Popen(command, cwd=cwd, env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    wall = time.monotonic() - start
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"bench: {' '.join(command)} failed")
    return wall, usage.ru_utime + usage.ru_stime, usage.ru_maxrss / 1024


def report(name, command, cwd=None, env=None):
    before = load()
    runs = [timed_run(command, cwd, env) for _ in range(RUNS)]
    wall = statistics.median(r[0] for r in runs)
    cpu = statistics.median(r[1] for r in runs)
    memory = max(r[2] for r in runs)
    print(f"{name:<38} {wall:6.3f} s wall  {cpu:6.3f} s CPU  {memory:5.0f} MB"
          f"  (median of {RUNS}; load {before} -> {load()})")


def programs(build, work):
    runner = os.path.join(build, "src/headless/loopsim-run")
    window = os.path.join(build, "src/app/loopsim")
    scenario = os.path.join(work, "dive.scenario")
    recording = os.path.join(work, "dive.csv")
    with open(scenario, "w") as f:
        subprocess.run([os.path.join(build, "bench/loopsim-five-hour-scenario")], stdout=f,
                       check=True)
    report("five-hour dive, runner", [runner, scenario, "--out", recording])
    if not os.access(window, os.X_OK):
        print("results viewer and chart: skipped, the window is not built")
        return
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    picture = os.path.join(work, "picture.png")
    report("--render-chart, five hours", [window, "--render-chart", recording, picture],
           env=env)
    # The viewer finds the session log beside the recording, by the same name, for its
    # debrief; a copy of the recording in a folder of its own opens without one.
    alone = os.path.join(work, "alone")
    os.makedirs(alone, exist_ok=True)
    shutil.copy(recording, alone)
    report("results viewer, five hours", [window, "--render-viewer",
                                         os.path.join(alone, "dive.csv"), picture], env=env)
    report("results viewer, five hours, debrief", [window, "--render-viewer", recording,
                                                  picture], env=env)


def start_xvfb():
    """An X server of our own, on a free display well above the ones xvfb-run -a takes; the
    server and its display name once it answers."""
    number = next(n for n in range(200, 400) if not os.path.exists(f"/tmp/.X{n}-lock"))
    display = f":{number}"
    server = subprocess.Popen(["Xvfb", display, "-nolisten", "tcp", "-screen", "0",
                               "1920x1200x24"], stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)
    env = dict(os.environ, DISPLAY=display)
    while subprocess.run(["xdotool", "getdisplaygeometry"], env=env, stdout=subprocess.DEVNULL,
                         stderr=subprocess.DEVNULL).returncode != 0:
        if server.poll() is not None:
            sys.exit(f"bench: Xvfb did not start on {display}")
        time.sleep(0.05)
    return server, display


def startup(build):
    """Start of loopsim to its start-up warning on screen, under Xvfb, found with xdotool."""
    window = os.path.join(build, "src/app/loopsim")
    for tool in ("Xvfb", "xdotool"):
        if not shutil.which(tool):
            print(f"start-up warning: skipped, {tool} is not installed")
            return
    server, display = start_xvfb()
    try:
        startup_on(window, display)
    finally:
        server.terminate()
        server.wait()


def time_to_warning(window, display):
    """Seconds from the start of loopsim to its warning on screen; nothing when it could not
    reach the X server."""
    with tempfile.TemporaryDirectory() as folder:
        env = dict(os.environ, XDG_CONFIG_HOME=folder, DISPLAY=display)
        env.pop("XAUTHORITY", None)
        env.pop("QT_QPA_PLATFORM", None)
        with open(os.path.join(folder, "said.txt"), "w+") as said:
            start = time.monotonic()
            process = subprocess.Popen([window], cwd=folder, env=env,
                                       stdout=subprocess.DEVNULL, stderr=said)
            while subprocess.run(["xdotool", "search", "--onlyvisible", "--name",
                                  WARNING_TITLE], env=env, stdout=subprocess.DEVNULL,
                                 stderr=subprocess.DEVNULL).returncode != 0:
                if process.poll() is not None or time.monotonic() - start > 30:
                    process.kill()
                    process.wait()
                    said.seek(0)
                    print(f"bench: the start-up warning did not show: {said.read()[:200]}",
                          file=sys.stderr)
                    return None
                # Not faster: a busy server may turn the program's own connection away.
                time.sleep(0.01)
            shown = time.monotonic() - start
            process.terminate()
            process.wait()
            return shown


def startup_on(window, display):
    before = load()
    # A run that could not reach the server (another one on a busy machine may take its
    # display away) is tried again, up to three times as many runs in all.
    times = []
    for _ in range(RUNS * 3):
        shown = time_to_warning(window, display)
        if shown is not None:
            times.append(shown)
        if len(times) == RUNS:
            break
    if not times:
        sys.exit("bench: the start-up warning never showed")
    print(f"{'start-up warning shown, Xvfb':<38} {statistics.median(times):6.3f} s wall"
          f"  (median of {len(times)}; load {before} -> {load()})")


def main():
    build, work = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    programs(build, work)
    startup(build)


if __name__ == "__main__":
    main()
