#!/usr/bin/python3
"""Start-up of the Windows edition under Wine against a bare Win32 window with the same controls
(the floor, bench/startup/win32/floor.cpp).

As measure.py does for the Qt edition: on its own Xvfb server, launches the two programs
alternately (through tests/win32/wine.sh, in a Wine prefix of its own whose server is kept
running between launches) and measures, for each run, the time from launch to the program's
window being mapped (the X server's MapNotify of a managed window, listened for before the
launch). Prints the medians, their ratio and the program's size.
Usage: measure_wine.py PROGRAM.exe FLOOR.exe [RUNS]   (after cmake --build --preset mingw)
"""
import os
import random
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display

WINE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "win32",
                    "wine.sh")


def connected_xvfb():
    """An Xvfb server on a display number of its own and a connection to it: other sessions'
    servers may hold low numbers without a lock file here, which -displayfd does not step over."""
    for _ in range(10):
        name = f":{random.randrange(100, 900)}"
        server = subprocess.Popen(["Xvfb", name, "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                                  stderr=subprocess.DEVNULL)
        for _ in range(50):
            time.sleep(0.1)
            if server.poll() is not None:
                break
            try:
                return server, name, display.Display(name)
            except Exception:
                continue
        server.terminate()
        server.wait()
    raise RuntimeError("Xvfb did not start")


def launch_until_mapped(program, connection, environment):
    while connection.pending_events():  # nothing left over from the previous run
        connection.next_event()
    started = time.perf_counter()
    process = subprocess.Popen([WINE, program], env=environment, stderr=subprocess.DEVNULL)
    while True:
        event = connection.next_event()
        if event.type == X.MapNotify and not event.override:
            mapped = time.perf_counter()
            break
    process.terminate()
    process.wait()
    return mapped - started


def main():
    program, floor = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 15
    server, display_name, connection = connected_xvfb()  # first: the server never resets
    home = tempfile.mkdtemp()
    environment = {"PATH": "/usr/bin:/bin", "DISPLAY": display_name, "HOME": home,
                   "TRIANGLE_WINEPREFIX": os.path.join(home, "wineprefix")}
    try:
        # Makes the prefix and starts Wine's server and services before anything is timed.
        subprocess.run([WINE, "cmd", "/c", "exit"], env=environment, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        connection.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
        connection.sync()
        for command in (program, floor):  # warm-up: file system and font caches
            launch_until_mapped(command, connection, environment)
        results = {program: [], floor: []}
        for _ in range(runs):
            for command in (program, floor):
                results[command].append(launch_until_mapped(command, connection, environment))
    finally:
        subprocess.run(["env", f"WINEPREFIX={environment['TRIANGLE_WINEPREFIX']}",
                        "/usr/lib/wine/wineserver64", "-k"], stderr=subprocess.DEVNULL)
        server.terminate()
        server.wait()
        subprocess.run(["rm", "-rf", home])

    program_time = statistics.median(results[program]) * 1000
    floor_time = statistics.median(results[floor]) * 1000
    print(f"{runs} runs each under Wine, medians")
    print(f"calculator: {program_time:7.1f} ms to a mapped window")
    print(f"floor:      {floor_time:7.1f} ms to a mapped window")
    print(f"ratio:      {program_time / floor_time:7.2f}x time (target <= 1.10x)")
    print(f"calculator .exe: {os.path.getsize(program)} bytes (at most 1 MB)")


if __name__ == "__main__":
    main()
