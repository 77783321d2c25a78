#!/usr/bin/env python3
"""Whole-show frame-rate benchmark on the real program.

Runs the screensaver (every overlay on, full screen in the display's mode)
and the empty program with the same GL set-up (empty-show: clear and swap
only) one after the other on the X display (bench/frame-rate runs it on a
virtual one, 1024x768 or --size WxH), notes the time of every buffer swap
(frame_clock.so through LD_PRELOAD), and prints for each: the time from
starting the process to its first frame, the frames of every second, and the
steady mean after the small hearts have filled in and the emblem has joined.

With --breakdown it also runs the show with one content element at a time
replaced by an empty model (a copy of the packages, rewritten with the
package tool, pak), so each element's cost per frame is the difference of
the mean frame times.

With --floors it also runs the floor (the empty program drawing one
screen-filling textured quad a frame) and the show unpaced (-delay 0: not held
to 60 frames a second when the swap does not wait for the display), and gives
the show's frame time as a multiple of the floor's.

With --unpaced the show and its breakdown run with -delay 0, so their frame
times are what a frame costs rather than the display's rate.

With --sdl12-compat it also runs the show on sdl12-compat (Debian 12's
libsdl1.2-compat, SDL 1.2 over SDL 2) in place of the classic library, and
compares the two.

    bench/frame-rate [--build build] [--seconds 75] [--steady-from 65] [--breakdown]
                     [--saver DIR]... [--no-empty] [--floors] [--unpaced] [--sdl12-compat] [--repeat N]
"""
import argparse
import os
import re
import shutil
import signal
import statistics
import struct
import subprocess
import sys
import tempfile
import time

EMPTY_MODEL = b"\x00" + struct.pack("<i", 0)  # marker 0, no sub-meshes

# Content elements and the entries that make them: (package, entry names or
# None for every model entry of the package).
ELEMENTS = {
    "background": [("main.pak", ["fon"])],
    "heart": [("main.pak", ["serdce"])],
    "small hearts": [("main.pak", ["serdechko"])],
    "emblem (Fire)": [("main.pak", ["nn"])],
    "clock": [("clock.pak", None)],
    "calendar (Plasma)": [("calendar.pak", None)],
    "frame counter": [("utils.pak", None)],
}


def pak(build, *args):
    """Runs the package tool of the build; what it printed."""
    tool = os.path.join(build, "tools", "pak", "pak")
    return subprocess.run([tool, *args], check=True, stdout=subprocess.PIPE).stdout


def package_entries(build, path):
    """The entries of a package as `pak list` shows them: (name as bytes, is
    an image), in package order."""
    entries = []
    for line in pak(build, "list", path).splitlines():
        quoted, _size, kind = line.split(b"\t", 2)
        name = re.sub(rb"\\x([0-9a-f]{2})", lambda m: bytes([int(m.group(1), 16)]), quoted[1:-1])
        entries.append((name, kind.startswith(b"image")))
    return entries


def saver_without(build, saver, element, into):
    """A copy of the saver folder with the element's models emptied."""
    shutil.copytree(saver, into, symlinks=True)
    parts = into + ".entries"
    os.makedirs(parts)
    empty = os.path.join(parts, "empty")
    open(empty, "wb").write(EMPTY_MODEL)
    for package, names in ELEMENTS[element]:
        path = os.path.join(into, package)
        arguments = []
        for index, (name, image) in enumerate(package_entries(build, path)):
            emptied = not image if names is None else name.decode("latin-1") in names
            source = empty
            if not emptied:
                source = os.path.join(parts, str(index))
                pak(build, "extract", path, name, source)
            arguments.append(name + b"=" + os.fsencode(source))
        pak(build, "create", path, *arguments)
    shutil.rmtree(parts)
    return into


def settings_bytes():
    """Frame counter, digital 12-hour clock (large), calendar; resolution row
    0: the display's own mode, so the virtual screen's size is the show's."""
    head = struct.pack("<iii", 1, 0, 0) + bytes([0]) + struct.pack("<ii", 0, 0)
    return head + bytes([1, 1, 0, 0, 1, 1, 0])


def cpu_seconds(pid):
    """User and system time of the process and all its threads so far."""
    fields = open(f"/proc/{pid}/stat").read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


UNPACED = "the show, unpaced (-delay 0)"
FLOOR = "empty program + screen-filling quad"
EMPTY = "empty program (same GL set-up)"


# Where Debian 12's libsdl1.2-compat keeps its SDL 1.2.
SDL12_COMPAT = "/usr/lib/x86_64-linux-gnu/sdl12-compat"


def run(program, env, seconds, steady_from, log):
    """Runs the program; returns its start time, its swap times, and the CPU
    time it used over the steady window with that window's bounds. A program
    given as (library folder, command) runs with that folder's SDL."""
    env = dict(env, AMBER_FRAME_LOG=log)
    if isinstance(program, tuple):
        env["LD_LIBRARY_PATH"], program = program
    started = time.monotonic_ns()
    command = program if isinstance(program, list) else [program]
    process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=open(log + ".err", "w"))
    window = None
    try:
        time.sleep(steady_from)
        cpu0, t0 = cpu_seconds(process.pid), time.monotonic_ns()
        time.sleep(seconds - steady_from)
        window = (cpu_seconds(process.pid) - cpu0, t0, time.monotonic_ns())
    except (FileNotFoundError, ProcessLookupError):
        pass  # it ended early; the log says how
    process.send_signal(signal.SIGTERM)
    try:
        process.wait(timeout=60)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
    swaps = [int(line) for line in open(log)] if os.path.exists(log) else []
    if len(swaps) < 2:
        print(f"{program}: ended with {process.returncode}, {len(swaps)} frames noted: {open(log + '.err').read().strip()}", file=sys.stderr)
    return started, swaps, window


def summary(name, started, swaps, window):
    nan = float("nan")
    if len(swaps) < 2 or not window:
        return {"name": name, "first_ms": nan, "per_second": [], "mean_fps": nan, "cpu_ms": nan}
    first = swaps[0]
    seconds = int((swaps[-1] - first) / 1e9)
    per_second = [0] * (seconds + 1)
    for t in swaps:
        per_second[int((t - first) / 1e9)] += 1
    cpu, t0, t1 = window
    steady = [t for t in swaps if t0 <= t < t1]
    mean = (len(steady) - 1) / ((steady[-1] - steady[0]) / 1e9) if len(steady) > 1 else nan
    cpu_ms = 1000 * cpu / len(steady) if steady else nan
    return {"name": name, "first_ms": (first - started) / 1e6, "per_second": per_second[:seconds],
            "mean_fps": mean, "cpu_ms": cpu_ms}


def median_of(name, rounds):
    def median(key):
        values = [r[key] for r in rounds if r[key] == r[key]]  # NaN != NaN
        return statistics.median(values) if values else float("nan")
    return {"name": name, "first_ms": median("first_ms"), "per_second": [],
            "mean_fps": median("mean_fps"), "cpu_ms": median("cpu_ms")}


def print_row(r, seconds):
    frame_ms = 1000 / r["mean_fps"] if r["mean_fps"] > 0 else float("nan")
    print(f"{r['name']:34} {r['first_ms']:9.0f} ms {r['mean_fps']:11.1f} {frame_ms:9.2f} {r['cpu_ms']:13.2f}"
          f"   {seconds}")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default="build")
    parser.add_argument("--seconds", type=float, default=75)
    parser.add_argument("--steady-from", type=float, default=65)
    parser.add_argument("--breakdown", action="store_true")
    parser.add_argument("--saver", action="append", default=[],
                        help="also run the show of this folder (e.g. other artwork); may repeat")
    parser.add_argument("--no-empty", action="store_true", help="leave out the empty program")
    parser.add_argument("--floors", action="store_true",
                        help="also the empty program drawing one screen-filling textured quad a frame, and the "
                             "show unpaced, and compare their frame times")
    parser.add_argument("--unpaced", action="store_true",
                        help="run the show and its breakdown with -delay 0, so frame times are what a frame costs")
    parser.add_argument("--sdl12-compat", action="store_true",
                        help="also the show on sdl12-compat, compared with classic SDL 1.2")
    parser.add_argument("--repeat", type=int, default=1,
                        help="run every subject this many times, in turn, and compare medians")
    args = parser.parse_args()

    build = os.path.abspath(args.build)
    saver = os.path.join(build, "saver")
    clock = os.path.join(build, "bench", "libframe_clock.so")
    empty = os.path.join(build, "bench", "empty-show")
    if "DISPLAY" not in os.environ:
        sys.exit("no X display: run it through bench/frame-rate, which starts a virtual one")
    work = tempfile.mkdtemp(prefix="amber-frame-rate-")
    try:
        config = os.path.join(work, "config")
        os.makedirs(config)
        open(os.path.join(config, "lumivera_Amber Bell_cfg"), "wb").write(settings_bytes())
        env = dict(os.environ, XDG_CONFIG_HOME=config, LD_PRELOAD=clock,
                   AMBER_BELL_SYSCONFDIR=os.path.join(work, "etc"))

        subjects = [(EMPTY, empty, None)] if not args.no_empty else []
        if args.floors:
            subjects.append((FLOOR, [empty, "--background"], None))
        pacing = ["-delay", "0"] if args.unpaced else []
        subjects.append(("the show", [os.path.join(saver, "amber-bell"), *pacing], None))
        if args.floors:
            # Unpaced, so its frame time is what the frame costs, to set against the floor's.
            subjects.append((UNPACED, [os.path.join(saver, "amber-bell"), "-delay", "0"], None))
        if args.sdl12_compat:
            if not os.path.isdir(SDL12_COMPAT):
                sys.exit(f"{SDL12_COMPAT} is missing: apt-get install libsdl1.2-compat")
            subjects.append(("the show on sdl12-compat", (SDL12_COMPAT, os.path.join(saver, "amber-bell")), None))
        for other in args.saver:
            subjects.append((os.path.basename(os.path.normpath(other)), os.path.join(os.path.abspath(other), "amber-bell"), other))
        if args.breakdown:
            for element in ELEMENTS:
                folder = saver_without(build, saver, element, os.path.join(work, element.replace(" ", "-")))
                subjects.append(("without " + element, [os.path.join(folder, "amber-bell"), *pacing], folder))

        runs = []
        for round_ in range(max(args.repeat, 1)):
            for index, (name, program, _) in enumerate(subjects):
                log = os.path.join(work, f"swaps-{round_}-{index}.txt")
                started, swaps, window = run(program, env, args.seconds, args.steady_from, log)
                runs.append(summary(name, started, swaps, window))
                r = runs[-1]
                print(f"{name}: first frame {r['first_ms']:.0f} ms, steady {r['mean_fps']:.1f} fps", file=sys.stderr)

        print(f"{'':34} {'first frame':>12} {'steady fps':>11} {'ms/frame':>9} {'CPU ms/frame':>13}"
              "   frames per second, each second")
        for r in runs:
            print_row(r, " ".join(str(n) for n in r["per_second"]))
        # The machine may be shared: subjects run in turn, and the median of
        # their rounds is what the comparison uses.
        results = [median_of(name, [r for r in runs if r["name"] == name]) for name, _, _ in subjects]
        if args.repeat > 1:
            print(f"\nmedians of {args.repeat} rounds:")
            for r in results:
                print_row(r, "")
        if args.floors:
            by_name = {r["name"]: r for r in results}
            unpaced, floor = by_name[UNPACED], by_name[FLOOR]
            print(f"\nthe show's frame time against the floor's: {floor['mean_fps'] / unpaced['mean_fps']:.2f} x")
            if EMPTY in by_name:
                print(f"the show's first frame against the empty program's: "
                      f"{by_name['the show']['first_ms'] / by_name[EMPTY]['first_ms']:.2f} x")
        if args.sdl12_compat:
            classic, compat = (next(r for r in results if r["name"] == n)
                               for n in ("the show", "the show on sdl12-compat"))
            print(f"\nsdl12-compat against classic SDL 1.2: frame time {100 * (classic['mean_fps'] / compat['mean_fps'] - 1):+.1f} %, "
                  f"CPU per frame {100 * (compat['cpu_ms'] / classic['cpu_ms'] - 1):+.1f} %")
        if args.breakdown:
            # CPU time holds steadier than wall time on a shared machine.
            # Unpaced, the frame times differ by what each element costs too.
            print("\nCPU time per frame of each element (the show's, less the show's without it)"
                  + (", and frame time:" if args.unpaced else ":"))
            show = next(r for r in results if r["name"] == "the show")
            for r in results:
                if r["name"] == EMPTY:
                    print(f"  {'empty frame (clear and swap)':32} {r['cpu_ms']:6.2f} ms")
                elif r["name"].startswith("without "):
                    frame = f" {1000 / show['mean_fps'] - 1000 / r['mean_fps']:6.2f} ms" if args.unpaced else ""
                    print(f"  {r['name'][len('without '):]:32} {show['cpu_ms'] - r['cpu_ms']:6.2f} ms{frame}")
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
