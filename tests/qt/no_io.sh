#!/usr/bin/env bash
# Runs the real program through a whole session (choose the area, type 12, calculate, clear,
# close the window) under strace, and fails if it opened any file for writing, created,
# renamed or removed anything, or opened a socket other than its X server connection.
# Caches have nowhere to go: the home folder is empty and read-only.
# Usage: no_io.sh PROGRAM
set -euo pipefail
program=$1
here=$(dirname "$0")
source "$here/xvfb.sh"

mkdir -p "$workdir/home" "$workdir/runtime"
chmod 555 "$workdir/home"
chmod 700 "$workdir/runtime"
start_xvfb
# LeakSanitizer cannot run under ptrace; in a sanitizer build, strace would make it fail.
start_in_background env -i PATH=/usr/bin:/bin DISPLAY="$DISPLAY" HOME="$workdir/home" \
  XDG_RUNTIME_DIR="$workdir/runtime" ASAN_OPTIONS=detect_leaks=0 \
  strace -f -qq -o "$workdir/trace" \
  -e trace=open,openat,creat,socket,connect,bind,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat,truncate,link,symlink \
  "$program"
strace_pid=${background_pids[-1]}
window=$(wait_for_window)

click_at "$window" 24 116    # the area option
click_at "$window" 190 116   # its field
xdotool type --delay 20 "12"
click_at "$window" 320 152   # Изчисли
click_at "$window" 410 200   # Изтрий
/usr/bin/python3 "$here/close_window.py" "$window"  # Debian's, with python3-xlib
for _ in $(seq 100); do kill -0 "$strace_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$strace_pid" 2>/dev/null; then echo "FAIL: the window did not close"; exit 1; fi
wait "$strace_pid" || { echo "FAIL: the program exited with status $?"; exit 1; }

# Successful calls only (the result is not -1). /dev/null is no file on disk.
writes=$(grep -E '(open|openat)\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC)' "$workdir/trace" |
         grep -v ' = -1 ' | grep -v '"/dev/null"' || true)
changes=$(grep -E '(creat|mkdir|mkdirat|rename|renameat2?|unlink|unlinkat|truncate|link|symlink)\(' \
            "$workdir/trace" | grep -v ' = -1 ' || true)
sockets=$(grep -E '(socket|connect|bind)\(' "$workdir/trace" | grep -v ' = -1 ' |
          grep -v -E 'socket\(AF_UNIX, SOCK_STREAM|connect\([0-9]+, \{sa_family=AF_UNIX, sun_path=@?"/tmp/.X11-unix/X[0-9]+"' || true)

status=0
[[ -z "$writes" ]] || { echo "FAIL: files opened for writing:"; echo "$writes"; status=1; }
[[ -z "$changes" ]] || { echo "FAIL: files created, renamed or removed:"; echo "$changes"; status=1; }
[[ -z "$sockets" ]] || { echo "FAIL: sockets other than the X server's:"; echo "$sockets"; status=1; }
unix_sockets=$(grep -c -E 'socket\(AF_UNIX' "$workdir/trace" || true)
x_connections=$(grep -c -E 'connect\(.*X11-unix' "$workdir/trace" || true)
if [[ "$unix_sockets" -ne "$x_connections" ]]; then
  echo "FAIL: $unix_sockets local sockets for $x_connections X server connections"
  status=1
fi
[[ $status -eq 0 ]] && echo "a whole session wrote nothing and talked only to the X server"
exit $status
