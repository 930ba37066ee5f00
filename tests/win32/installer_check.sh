#!/usr/bin/env bash
# Checks a Windows Installer package as a school's IT uses it: its tables (msiinfo) hold the
# product's Bulgarian name, version 1.00, publisher, icon, fixed upgrade code, a per-machine
# install into a folder of Program Files with a plain ASCII name and a Start-menu shortcut, and no
# registry values of its own; under Wine, in a fresh prefix on a private Xvfb server, a silent
# install puts the program and the shortcut where they belong and nothing else outside Windows
# Installer's own folder, "Programs and Features" lists it, the Start-menu shortcut starts the
# installed program in its folder, and a silent uninstall leaves nothing.
# Usage: installer_check.sh PACKAGE.msi x64|x86 PROGRAM.exe (the program the package holds)
set -euo pipefail
msi=$(realpath "$1")
arch=$2
program_file=$3
program=$(basename "$program_file")
here=$(cd "$(dirname "$0")" && pwd)
status=0
skipped=0
fail() { echo "FAIL: $*"; status=1; }
product='Равностранен триъгълник'
# The install folder: the product's name in Latin letters, which every code page can write.
folder='Ravnostranen triagalnik'
upgrade_code='{EB3C3B20-8846-409C-B95B-238980F2D565}'
case $arch in
  x64) program_files='Program Files' program_files_id=ProgramFiles64Folder template='x64;1033' ;;
  x86) program_files='Program Files (x86)' program_files_id=ProgramFilesFolder template='Intel;1033' ;;
esac

source "$here/../qt/xvfb.sh"
# The tables, as msiinfo exports them (tab-separated rows after three header lines); it writes
# a table's binary streams into a folder of the current one, here the scratch folder.
table() { (cd "$workdir" && msiinfo export "$msi" "$1") | tail -n +4 | tr -d '\r'; }
expect_row() {  # TABLE ROW: the table has exactly this row
  grep -qxF "$2" <(table "$1") || fail "$1 lacks the row '$2'"
}
properties=$(table Property)
for row in "ProductName	$product" 'ProductVersion	1.00' 'Manufacturer	ravnostranen.example' \
           "UpgradeCode	$upgrade_code" 'ALLUSERS	1' 'ARPPRODUCTICON	equilateral_triangle.ico'; do
  grep -qxF "$row" <<<"$properties" || fail "Property lacks '$row'"
done
expect_row Directory "INSTALLDIR	$program_files_id	RAVNOS~1|$folder"
expect_row File "Program	Program	$program	$(stat -c %s "$program_file")			512	1"
grep -qP "^StartMenuShortcut\tProgramMenuFolder\tRAVNOS~1\|$product\tProgram\t.*\tequilateral_triangle\.ico\t0\t" \
  <(table Shortcut) || fail "no Start-menu shortcut with the product's name and icon"
grep -qP "^equilateral_triangle\.ico\t" <(table Icon) || fail "no icon"
grep -qF "$upgrade_code" <(table Upgrade) || fail "no upgrade of earlier versions"
[[ -z "$(table Registry)" ]] || fail "the package writes registry values"
msiinfo suminfo "$msi" | grep -qxF "Template: $template" || fail "not a package for $arch"

source "$here/wine_server.sh"
export TRIANGLE_WINEPREFIX
trap 'stop_wine_server; cleanup_xvfb_session' EXIT
start_xvfb
# A fresh prefix: what the package leaves behind is seen against a clean Windows.
stop_wine_server
rm -rf "$TRIANGLE_WINEPREFIX" "$TRIANGLE_WINEPREFIX.lock"
wine() { "$here/wine.sh" "$@" </dev/null; }
winepath_of() { printf 'Z:%s' "${1//\//\\}"; }  # Wine's drive Z: is the root
drive_c=$TRIANGLE_WINEPREFIX/drive_c
files() { (cd "$drive_c" && find . -path ./windows -prune -o -print | sort); }
wine cmd /c ver >/dev/null
stop_wine_server  # what Wine's first start writes is written
files >"$workdir/before"

uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
[[ $arch == x86 ]] && uninstall_key='HKLM\Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall'
wine msiexec /i "$(winepath_of "$msi")" /qn || fail "msiexec /i ... /qn failed"
stop_wine_server
installed="$drive_c/$program_files/$folder/$program"
[[ -f "$installed" ]] || fail "the program is not at C:\\$program_files\\$folder\\$program"
cmp -s "$installed" "$program_file" || fail "the installed program is not the one built"
# Windows puts a per-machine package's shortcut into the Start menu of all users; Wine resolves
# the Start menu's folder for the user who installs, whatever the package says: either is the
# Start menu.
all_users_menu="ProgramData/Microsoft/Windows/Start Menu/Programs"
user_menu="users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
shortcut=
for menu in "$all_users_menu" "$user_menu"; do
  [[ -f "$drive_c/$menu/$product.lnk" ]] && shortcut="$menu/$product.lnk"
done
[[ -n "$shortcut" ]] || fail "no shortcut '$product' in the Start menu's programs"
files >"$workdir/installed"
unexpected=$(comm -13 "$workdir/before" "$workdir/installed" |
  grep -vxF -e "./$program_files/$folder" -e "./$program_files/$folder/$program" \
            -e "./$shortcut" || true)
[[ -z "$unexpected" ]] || fail "the install wrote more: $unexpected"
# "Programs and Features": the entry with the product's name, version and publisher, and the
# product's icon, which it reads from Windows Installer's record of the product. reg export
# writes UTF-16, in which the Bulgarian name survives.
registry() {
  wine reg export "$1" "$(winepath_of "$workdir/export.reg")" /y >/dev/null &&
    iconv -f UTF-16 -t UTF-8 "$workdir/export.reg" | tr -d '\r'
}
entry=$(registry "$uninstall_key" | awk -v name="\"DisplayName\"=\"$product\"" 'BEGIN { RS = "" } index($0, name)')
[[ -n "$entry" ]] || fail "no entry '$product' in Programs and Features"
for value in '"DisplayVersion"="1.00"' '"Publisher"="ravnostranen.example"'; do
  grep -qxF "$value" <<<"$entry" || fail "the entry lacks $value"
done
registry 'HKLM\Software\Classes\Installer\Products' | grep -q '^"ProductIcon"=".*equilateral_triangle\.ico"$' ||
  fail "Programs and Features has no icon for the product"

# The Start-menu shortcut starts the installed program, as a double click on it does (Explorer
# and "start" both open it with ShellExecuteEx): its window maps with its caption, and the
# process is the installed program, in the folder the shortcut names as its working folder.
if [[ $arch == x86 ]] && ! runs_32bit_wine; then
  echo "SKIPPED: starting the installed 32-bit program (this machine does not run 32-bit programs)"
  skipped=1
elif [[ -n "$shortcut" ]]; then
  # Under Wine, "start" on a shortcut that finds no program (as the one to a Cyrillic folder
  # did) never returned: a minute is plenty for one that works.
  timeout 60 "$here/wine.sh" start /unix "$drive_c/$shortcut" </dev/null >"$workdir/start.log" 2>&1 ||
    fail "starting the shortcut failed or did not return: $(tr -d '\r' <"$workdir/start.log")"
  window=$(timeout 120 xdotool search --sync --onlyvisible --name '^www\.ravnostranen\.example ' |
    head -n1) || true
  [[ -n "$window" ]] || fail "the shortcut started no program that mapped its window"
  started=
  for pid in $(pgrep -f -- "$program" || true); do  # this prefix's process of the program
    { grep -qzxF "WINEPREFIX=$TRIANGLE_WINEPREFIX" "/proc/$pid/environ" &&
      [[ "$(tr '\0' ' ' <"/proc/$pid/cmdline")" == *"C:\\$program_files\\$folder\\$program"* ]] &&
      started=$pid; } 2>/dev/null || true
  done
  if [[ -z "$started" ]]; then
    fail "no process of C:\\$program_files\\$folder\\$program runs"
  elif [[ "$(readlink "/proc/$started/cwd")" != "$(realpath "$drive_c/$program_files/$folder")" ]]; then
    fail "the program runs in $(readlink "/proc/$started/cwd"), not in its folder"
  fi
  stop_wine_server
fi

wine msiexec /x "$(winepath_of "$msi")" /qn || fail "msiexec /x ... /qn failed"
stop_wine_server
files >"$workdir/uninstalled"
left=$(comm -3 "$workdir/before" "$workdir/uninstalled")
[[ -z "$left" ]] || fail "the uninstall left or removed: $left"
registry "$uninstall_key" | grep -qF "$product" && fail "Programs and Features still lists the product"
[[ $status -eq 0 ]] && echo "$arch package: tables as expected, installed, uninstalled without a trace"
[[ $status -eq 0 && $skipped -eq 1 ]] && exit 77
exit $status
