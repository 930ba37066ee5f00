#!/usr/bin/python3
"""Start-up of the calculator against a bare Qt window with the same controls (the floor).

On its own Xvfb server, launches the two programs alternately and measures, for each run, the
time from launch to the window being mapped (the X server's MapNotify, listened for before the
launch) and the resident memory at that moment. Prints the medians and their ratios.
Usage: measure.py PROGRAM FLOOR [RUNS]   (Debian's python3 with python3-xlib, and xvfb)
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display


def start_xvfb():
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
        pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = os.read(read_end, 16).decode().strip()
    os.close(read_end)
    return server, ":" + number


def resident_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def launch_until_mapped(command, connection, environment):
    while connection.pending_events():  # nothing left over from the previous run
        connection.next_event()
    started = time.perf_counter()
    program = subprocess.Popen(command, env=environment, stderr=subprocess.DEVNULL)
    while True:
        event = connection.next_event()
        if event.type == X.MapNotify:
            mapped = time.perf_counter()
            break
    memory = resident_kib(program.pid)
    program.terminate()
    program.wait()
    return mapped - started, memory


def main():
    program, floor = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 15
    server, display_name = start_xvfb()
    try:
        connection = display.Display(display_name)
        connection.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
        connection.sync()
        home = tempfile.mkdtemp()
        environment = {"PATH": "/usr/bin:/bin", "DISPLAY": display_name, "HOME": home,
                       "XDG_RUNTIME_DIR": home}
        for command in (program, floor):  # warm-up: caches of the file system and fontconfig
            launch_until_mapped([command], connection, environment)
        results = {program: [], floor: []}
        for _ in range(runs):
            for command in (program, floor):
                results[command].append(launch_until_mapped([command], connection, environment))
    finally:
        server.terminate()
        server.wait()

    def medians(samples):
        return (statistics.median(s[0] for s in samples) * 1000,
                statistics.median(s[1] for s in samples) / 1024)

    program_time, program_memory = medians(results[program])
    floor_time, floor_memory = medians(results[floor])
    print(f"{runs} runs each, medians")
    print(f"calculator: {program_time:7.1f} ms to a mapped window, {program_memory:6.1f} MiB resident")
    print(f"floor:      {floor_time:7.1f} ms to a mapped window, {floor_memory:6.1f} MiB resident")
    print(f"ratio:      {program_time / floor_time:7.2f}x time (target <= 1.10x), "
          f"{program_memory / floor_memory:.2f}x memory (target <= 1.10x)")


if __name__ == "__main__":
    main()
