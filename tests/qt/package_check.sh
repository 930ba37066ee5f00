#!/usr/bin/env bash
# Builds the Debian package from a configured build folder, checks it with lintian (no error
# or warning), validates its desktop entry and AppStream data, checks that its dependencies
# exist in the archive, installs it into a scratch root with dpkg, starts the installed
# program on Xvfb until its window is mapped, and checks that the window's class is the one
# the desktop entry names and that its manual page tells of F1 and the solution window. Needs
# lintian, desktop-file-utils, appstream, xvfb, xdotool and x11-utils.
# Usage: package_check.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
source "$(dirname "$0")/xvfb.sh"

cpack --config "$build/CPackConfig.cmake" -B "$workdir/package" >/dev/null
deb=$(ls "$workdir"/package/*.deb)
root="$workdir/root"
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
# The scratch root has no other packages: its dependencies are checked against apt below.
dpkg --root="$root" --force-depends --force-not-root --force-script-chrootless \
  --log=/dev/null --instdir="$root" --admindir="$root/var/lib/dpkg" -i "$deb" >/dev/null 2>&1
dpkg --admindir="$root/var/lib/dpkg" -L equilateral-triangle | sed 's/^/  /' | grep -E '\.|bin/'

status=0
app=example.ravnostranen.EquilateralTriangle
for file in usr/bin/equilateral-triangle "usr/share/applications/$app.desktop" \
            usr/share/doc/equilateral-triangle/copyright \
            usr/share/man/man1/equilateral-triangle.1.gz \
            "usr/share/metainfo/$app.metainfo.xml" \
            "usr/share/icons/hicolor/32x32/apps/$app.xpm" \
            "usr/share/icons/hicolor/scalable/apps/$app.svg"; do
  [[ -e "$root/$file" ]] || { echo "FAIL: the package does not install /$file"; status=1; }
done
# The manual page tells of the keys and of the solution window that F1 opens.
man_page=$(zcat "$root/usr/share/man/man1/equilateral-triangle.1.gz")
for words in '^\.SH KEYS$' '^\.B F1$' '^\.SH THE SOLUTION WINDOW$' 'opens the solution window'; do
  grep -q "$words" <<<"$man_page" || { echo "FAIL: the manual page lacks '$words'"; status=1; }
done
desktop-file-validate "$root/usr/share/applications/$app.desktop" || status=1
appstreamcli validate --no-net "$root/usr/share/metainfo/$app.metainfo.xml" >/dev/null || {
  appstreamcli validate --no-net "$root/usr/share/metainfo/$app.metainfo.xml"; status=1; }
# Lintian warns that it runs as root; its findings go to standard output.
lintian --fail-on error,warning "$deb" 2>/dev/null || {
  echo "FAIL: lintian finds errors or warnings in the package:"; lintian "$deb" 2>/dev/null; status=1; }
for dependency in $(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/(.*)//; s/ //g'); do
  apt-cache show "$dependency" >/dev/null 2>&1 || { echo "FAIL: no package $dependency"; status=1; }
done

# Start it as the desktop entry says, from the scratch root.
command=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/$app.desktop")
start_xvfb
PATH="$root/usr/bin:$PATH" start_in_background $command
window=$(wait_for_window)
# Docks match a window to its launcher by the class in WM_CLASS ("instance", "class").
class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*, "\(.*\)"$/\1/p')
entry_class=$(sed -n 's/^StartupWMClass=//p' "$root/usr/share/applications/$app.desktop")
[[ -n "$class" && "$class" == "$entry_class" ]] || {
  echo "FAIL: the window's class is '$class', the entry's StartupWMClass '$entry_class'"; status=1; }
[[ $status -eq 0 ]] && echo "$(basename "$deb"): valid, installs, and its entry starts the program"
exit $status
