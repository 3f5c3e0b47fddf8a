#!/usr/bin/env python3
"""The board against the lean reference program, interleaved in one run.

Usage: compare.py BOARD REFERENCE_BUILD_DIR [--pairs N] [--seconds S]

Each program runs under its own Xvfb (1920x1080). The board is a copy of the
real program in a folder of its own, with a settings file that turns
electronic scoring and the round records on; both get 4 virtual gamepads
from the reference's preload library. Measured, alternating board and
reference (A B A B ...), medians and their ratio printed:
  - CPU share of a core during a running round, 4 pads polled;
  - resident memory during that round;
  - start-up: exec to the first mapped window (also against a bare QWidget);
  - how late the END OF ROUND line of a 5 s round is written, with one core
    kept busy by another process.
"""
import argparse
import glob
import ctypes
import os
import select
import shutil
import signal
import statistics
import subprocess
import tempfile
import threading
import time

ROUND_SECONDS = 5.0
# File changes in a folder: written, closed after writing, created, moved in.
IN_CHANGES = 0x2 | 0x8 | 0x100 | 0x80


def start_xvfb():
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1920x1080x24", "-noreset",
         "-nolisten", "tcp"],
        pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read_end, 16)
        if not chunk:
            raise RuntimeError("Xvfb did not start")
        number += chunk
    os.close(read_end)
    return xvfb, ":" + number.decode().strip()


def stop(process):
    if process.poll() is None:
        process.send_signal(signal.SIGTERM)
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


class Program:
    """One program under test: how to start it, and the folder it writes in."""

    def __init__(self, name, argv, folder, env):
        self.name, self.argv, self.folder, self.env = name, argv, folder, env

    def record_file(self):
        return os.path.join(self.folder, "Data", "acc.txt")


def board_program(board, shim, round_seconds):
    folder = tempfile.mkdtemp(prefix="compare-board-")
    shutil.copy(board, folder)
    with open(os.path.join(folder, "Dorvane.INI"), "w") as ini:
        ini.write("[Config]\r\nRoundTime=%g\r\nRounds=1\r\nUseElectronicScoring=1\r\n"
                  "SaveScores=1\r\nSaveFileName=acc\r\nUseSuddenDeath=0\r\n" % round_seconds)
    return Program("board", [os.path.join(folder, os.path.basename(board))], folder,
                   {"LD_PRELOAD": shim})


def reference_program(reference_dir, shim, round_seconds, bare=False):
    folder = tempfile.mkdtemp(prefix="compare-reference-")
    argv = [os.path.join(reference_dir, "floor"), "--round", "%g" % round_seconds]
    if bare:
        argv.append("--bare")
    return Program("bare QWidget" if bare else "reference", argv, folder, {"LD_PRELOAD": shim})


def launch(program, display, mapwait=None):
    """Starts the program on display; with mapwait, returns exec-to-mapped seconds too."""
    env = dict(os.environ, DISPLAY=display, SDL_AUDIODRIVER="dummy", **program.env)
    env.pop("QT_QPA_PLATFORM", None)
    watcher = None
    if mapwait:
        watcher = subprocess.Popen([mapwait], env=env, stdout=subprocess.PIPE, text=True)
        assert watcher.stdout.readline().strip() == "ready"
    # A board stopped in a round leaves its match journal behind: each run
    # starts afresh instead of at the question whether to resume it.
    data = os.path.join(program.folder, "Data")
    for left in glob.glob(os.path.join(data, "current-match*")) + glob.glob(
            os.path.join(data, "interrupted-*")):
        os.remove(left)
    started = time.monotonic()
    process = subprocess.Popen(program.argv, cwd=program.folder, env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    mapped = None
    if watcher:
        mapped = float(watcher.stdout.readline()) - started
        watcher.wait()
    return process, mapped


def window_of(pid, display):
    env = dict(os.environ, DISPLAY=display)
    for _ in range(100):
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                               env=env, capture_output=True, text=True).stdout.split()
        if found:
            return found[-1]
        time.sleep(0.05)
    raise RuntimeError("no window for %d" % pid)


def start_round(process, display):
    env = dict(os.environ, DISPLAY=display)
    window = window_of(process.pid, display)
    # The board lays itself out and opens its gamepads once it is shown.
    time.sleep(1.0)
    subprocess.run(["xdotool", "windowfocus", "--sync", window, "key", "ctrl+g"], env=env,
                   check=True)


def cpu_seconds(pid):
    """CPU time of the process's threads, in nanoseconds from the scheduler's
    own accounting: utime and stime count whole 10 ms ticks, too coarse for a
    program that uses 2 % of a core."""
    total = 0
    for task in glob.glob("/proc/%d/task/*/schedstat" % pid):
        try:
            with open(task) as stat:
                total += int(stat.read().split()[0])
        except (FileNotFoundError, ProcessLookupError):
            pass
    return total / 1e9


def rss_mib(pid):
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024
    return float("nan")


def wait_for_line(program, text, timeout=10):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        try:
            with open(program.record_file(), encoding="utf-8", errors="replace") as record:
                if text in record.read():
                    return True
        except FileNotFoundError:
            pass
        time.sleep(0.05)
    return False


def measure_cpu(program, seconds):
    """CPU % of a core and resident MiB over `seconds` of a running round."""
    xvfb, display = start_xvfb()
    try:
        process, _ = launch(program, display)
        try:
            start_round(process, display)
            if not wait_for_line(program, "ROUND 1 OF 1"):
                raise RuntimeError("%s: the round did not start" % program.name)
            time.sleep(1.0)
            before, begun = cpu_seconds(process.pid), time.monotonic()
            time.sleep(seconds)
            used, elapsed = cpu_seconds(process.pid) - before, time.monotonic() - begun
            return 100 * used / elapsed, rss_mib(process.pid)
        finally:
            stop(process)
    finally:
        stop(xvfb)


def measure_startup(program, mapwait):
    xvfb, display = start_xvfb()
    try:
        process, mapped = launch(program, display, mapwait)
        stop(process)
        return mapped * 1000
    finally:
        stop(xvfb)


class LineWatch:
    """Times the changes of one file with inotify on its folder, from a thread
    of its own that is waiting before the program writes."""

    def __init__(self, path, texts):
        self.libc = ctypes.CDLL("libc.so.6", use_errno=True)
        self.fd = self.libc.inotify_init1(os.O_NONBLOCK)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        self.path, self.pending, self.seen = path, list(texts), {}
        if self.libc.inotify_add_watch(self.fd, os.path.dirname(path).encode(), IN_CHANGES) < 0:
            raise OSError(ctypes.get_errno(), "inotify_add_watch")
        self.done = threading.Event()
        self.thread = threading.Thread(target=self.watch, daemon=True)
        self.thread.start()

    def watch(self):
        while self.pending and not self.done.is_set():
            if not select.select([self.fd], [], [], 0.2)[0]:
                continue
            seen = time.monotonic()
            os.read(self.fd, 4096)
            try:
                with open(self.path, encoding="utf-8", errors="replace") as record:
                    content = record.read()
            except FileNotFoundError:
                continue
            while self.pending and self.pending[0] in content:
                self.seen[self.pending.pop(0)] = seen

    def time_of(self, text, timeout):
        """The monotonic time of the first change after which the file held text."""
        deadline = time.monotonic() + timeout
        while text not in self.seen and time.monotonic() < deadline:
            time.sleep(0.05)
        if text not in self.seen:
            raise RuntimeError("no '%s' in %s" % (text, self.path))
        return self.seen[text]

    def close(self):
        self.done.set()
        self.thread.join()
        os.close(self.fd)


def measure_end_lateness(program):
    """Milliseconds the END OF ROUND line comes after ROUND line + round length."""
    xvfb, display = start_xvfb()
    busy = subprocess.Popen(["sh", "-c", "while :; do :; done"])
    try:
        if os.path.exists(program.record_file()):
            os.remove(program.record_file())
        watch = LineWatch(program.record_file(), ["ROUND 1 OF 1", "END OF ROUND 1"])
        process, _ = launch(program, display)
        try:
            start_round(process, display)
            started = watch.time_of("ROUND 1 OF 1", 10)
            ended = watch.time_of("END OF ROUND 1", ROUND_SECONDS + 10)
            return (ended - started - ROUND_SECONDS) * 1000
        finally:
            watch.close()
            stop(process)
    finally:
        stop(busy)
        stop(xvfb)


def row(what, board, reference, unit, digits=1):
    b, r = statistics.median(board), statistics.median(reference)
    ratio = b / r if r else float("nan")
    print("%-46s %9.*f %9.*f %7.2fx  %s" % (what, digits, b, digits, r, ratio, unit))
    return ratio


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("board")
    parser.add_argument("reference_dir")
    parser.add_argument("--pairs", type=int, default=5)
    parser.add_argument("--seconds", type=float, default=10)
    args = parser.parse_args()
    args.board, args.reference_dir = os.path.abspath(args.board), os.path.abspath(args.reference_dir)
    shim = os.path.join(args.reference_dir, "padshim.so")
    mapwait = os.path.join(args.reference_dir, "mapwait")

    cpu_board = board_program(args.board, shim, 3600)
    cpu_reference = reference_program(args.reference_dir, shim, 3600)
    end_board = board_program(args.board, shim, ROUND_SECONDS)
    end_reference = reference_program(args.reference_dir, shim, ROUND_SECONDS)
    bare = reference_program(args.reference_dir, shim, 3600, bare=True)

    figures = {key: [] for key in ("cpu_b", "cpu_r", "rss_b", "rss_r", "up_b", "up_r", "up_bare",
                                   "end_b", "end_r")}
    for pair in range(args.pairs):
        for program, cpu, rss in ((cpu_board, "cpu_b", "rss_b"),
                                  (cpu_reference, "cpu_r", "rss_r")):
            share, resident = measure_cpu(program, args.seconds)
            figures[cpu].append(share)
            figures[rss].append(resident)
        for program, key in ((cpu_board, "up_b"), (cpu_reference, "up_r"), (bare, "up_bare")):
            figures[key].append(measure_startup(program, mapwait))
        for program, key in ((end_board, "end_b"), (end_reference, "end_r")):
            figures[key].append(measure_end_lateness(program))
        print("pair %d: CPU %.2f%% / %.2f%%, start-up %.0f / %.0f / bare %.0f ms, "
              "END late %.2f / %.2f ms" % (pair + 1, figures["cpu_b"][-1], figures["cpu_r"][-1],
                                           figures["up_b"][-1], figures["up_r"][-1],
                                           figures["up_bare"][-1], figures["end_b"][-1],
                                           figures["end_r"][-1]), flush=True)

    print("\nmedians over %d interleaved pairs on %d CPU(s)" % (args.pairs, os.cpu_count()))
    print("%-46s %9s %9s %8s" % ("", "board", "reference", "ratio"))
    row("running round, 4 pads, CPU % of a core", figures["cpu_b"], figures["cpu_r"], "%", 2)
    row("start-up to mapped window", figures["up_b"], figures["up_r"], "ms", 0)
    row("start-up to mapped window, against a bare QWidget", figures["up_b"], figures["up_bare"],
        "ms", 0)
    row("5 s round: END OF ROUND late by (median)", figures["end_b"], figures["end_r"], "ms", 2)
    print("%-46s %9.2f %9.2f %7.2fx  ms" % ("5 s round: END OF ROUND late by (max)",
                                            max(figures["end_b"]), max(figures["end_r"]),
                                            max(figures["end_b"]) / max(figures["end_r"])))
    row("resident memory at 1920x1080", figures["rss_b"], figures["rss_r"], "MiB", 1)
    for program in (cpu_board, cpu_reference, end_board, end_reference, bare):
        shutil.rmtree(program.folder, ignore_errors=True)


if __name__ == "__main__":
    main()
