#!/usr/bin/env bash
# Runs the real program through a whole session (choose the area, type 12, calculate, clear,
# close the window) under strace, with no session bus, and fails if it
#   - started any program (an execve after its own) or any other process,
#   - left a process running after it exited,
#   - opened a file for writing or created, renamed or removed one, or was refused only for
#     want of permission (as root such a call would succeed); a call that finds the file
#     already there, or missing, changes nothing,
#   - opened a socket other than its X server connection.
# The checks read the traced calls, so they hold for root too; the home and runtime folders
# it is given must also stay empty. Usage: no_io.sh PROGRAM
set -euo pipefail
program=$1
here=$(dirname "$0")
source "$here/xvfb.sh"

mkdir -p "$workdir/home" "$workdir/runtime"
chmod 700 "$workdir/home" "$workdir/runtime"
start_xvfb
trace="$workdir/trace"
# No DBUS_SESSION_BUS_ADDRESS: where dbus-launch is installed, libdbus would start a bus.
# LeakSanitizer cannot run under ptrace; in a sanitizer build, strace would make it fail.
start_in_background env -i PATH=/usr/bin:/bin DISPLAY="$DISPLAY" HOME="$workdir/home" \
  XDG_RUNTIME_DIR="$workdir/runtime" ASAN_OPTIONS=detect_leaks=0 \
  strace -f -q -o "$trace" \
  -e trace=execve,execveat,fork,vfork,clone,clone3,open,openat,openat2,creat,socket,connect,bind,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat,rmdir,truncate,link,linkat,symlink,symlinkat \
  "$program"
strace_pid=${background_pids[-1]}
window=$(wait_for_window)
main_pid=$(head -n1 "$trace" | cut -d' ' -f1)

click_at "$window" 24 116    # the area option
xdotool type --delay 20 "12" # into its field, which has the focus now
click_at "$window" 320 152   # Изчисли
click_at "$window" 410 200   # Изтрий
/usr/bin/python3 "$here/close_window.py" "$window"  # Debian's, with python3-xlib
for _ in $(seq 100); do grep -q -E "^$main_pid +\+\+\+ exited" "$trace" && break; sleep 0.1; done

status=0
fail() { echo "FAIL: $1"; shift; [[ $# -eq 0 ]] || printf '  %s\n' "$@"; status=1; }
if ! grep -q -E "^$main_pid +\+\+\+ exited with 0 \+\+\+" "$trace"; then
  fail "the program did not exit with status 0 after its window was closed:" \
       "$(grep -E "^$main_pid +(\+\+\+|--- SIG)" "$trace" | tail -n2)"
fi

# A process the trace saw that has not ended there outlived the program: report, then end it.
# (Only those: a number of one that ended may already belong to an unrelated process.)
survivors=()
for pid in $(cut -d' ' -f1 "$trace" | sort -u); do
  grep -q -E "^$pid +\+\+\+ (exited|killed)" "$trace" && continue
  kill -0 "$pid" 2>/dev/null && survivors+=("$pid")
done
if [[ ${#survivors[@]} -gt 0 ]]; then
  fail "processes it started are still running after it ended:" \
       "$(ps -o pid=,args= -p "$(IFS=,; echo "${survivors[*]}")")"
  kill "${survivors[@]}" 2>/dev/null || true
fi
timeout 10 tail --pid="$strace_pid" -f /dev/null || kill "$strace_pid" 2>/dev/null || true

mapfile -t programs < <(grep -E '^[0-9]+ +execve(at)?\(' "$trace" | tail -n +2)
[[ ${#programs[@]} -eq 0 ]] || fail "it started other programs:" "${programs[@]}"
mapfile -t processes < <(grep -E '^[0-9]+ +(fork|vfork|clone3?)\(' "$trace" | grep -v CLONE_THREAD)
[[ ${#processes[@]} -eq 0 ]] || fail "it created processes:" "${processes[@]}"
# Calls that did something, or would have as root. Devices such as /dev/null are no files.
# A call strace shows unfinished counts too: its result is on another line.
done_or_refused() { grep -E ' = [0-9]+$| = -1 (EACCES|EPERM|EROFS) |<unfinished \.\.\.>$' || true; }
mapfile -t writes < <(grep -E ' (open|openat|openat2)\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC)' "$trace" |
                      grep -v -E '\("/dev/|, "/dev/' | done_or_refused)
[[ ${#writes[@]} -eq 0 ]] || fail "it opened files for writing (or tried to):" "${writes[@]}"
mapfile -t changes < <(grep -E ' (creat|mkdir|mkdirat|rename|renameat2?|unlink|unlinkat|rmdir|truncate|link|linkat|symlink|symlinkat)\(' "$trace" |
                       done_or_refused)
[[ ${#changes[@]} -eq 0 ]] || fail "it created, renamed or removed files (or tried to):" "${changes[@]}"
x_socket='sun_path=@?"/tmp/.X11-unix/X[0-9]+"'
mapfile -t sockets < <(grep -E ' (connect|bind)\(' "$trace" | grep -v -E "connect\(.*$x_socket")
[[ ${#sockets[@]} -eq 0 ]] || fail "it reached for sockets other than the X server's:" "${sockets[@]}"
mapfile -t kinds < <(grep -E ' socket\(' "$trace" | grep -v -E 'socket\(AF_UNIX, SOCK_STREAM')
[[ ${#kinds[@]} -eq 0 ]] || fail "it opened sockets of other kinds:" "${kinds[@]}"
mapfile -t left < <(find "$workdir/home" "$workdir/runtime" -mindepth 1)
[[ ${#left[@]} -eq 0 ]] || fail "it left files in its home or runtime folder:" "${left[@]}"

[[ $status -eq 0 ]] &&
  echo "a whole session started nothing, wrote nothing and talked only to the X server"
exit $status
