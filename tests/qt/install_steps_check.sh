#!/usr/bin/env bash
# Follows README's "Install it" as a user does, in a copy of the source tree (so that its
# build/release is a fresh one): the block's first two lines run as written (scripts/run.sh
# without a display, which builds and then says there is nowhere to show the window, then cpack
# in build/release), the package its third line installs must be there and apt must accept it
# (simulated: nothing is installed), and "cmake --install build/release --prefix ..." must
# install the same files as the package. Usage: install_steps_check.sh SOURCE_DIR
set -euo pipefail
source_dir=$(realpath "$1")
workdir=$(mktemp -d)
trap '[[ -n "${KEEP_WORKDIR:-}" ]] || rm -rf "$workdir"' EXIT
status=0
fail() { echo "FAIL: $*"; status=1; }

# The code block after the "## Install it" heading.
steps=$(awk '/^## Install it/ { section = 1; next } /^## / { section = 0 }
             section && /^```/ { if (block) exit; block = 1; next } block' "$source_dir/README.md")
mapfile -t lines <<<"$steps"
[[ ${#lines[@]} -eq 3 && ${lines[0]} == ./scripts/run.sh* && ${lines[1]} == *cpack* &&
   ${lines[2]} == "sudo apt install ./"*.deb ]] || {
  echo "FAIL: README's install steps are not run.sh, cpack, apt install: the test needs updating:"
  printf '  %s\n' "${lines[@]}"; exit 1; }

# The tree as a user has it: everything but builds, Git's data and the browser tests' modules.
tree="$workdir/source"
mkdir "$tree"
tar -C "$source_dir" --exclude=./build --exclude=./.git --exclude=./tests/web/node_modules -cf - . |
  tar -C "$tree" -xf -
cd "$tree"

echo "\$ ${lines[0]}"
set +e
env -u DISPLAY -u WAYLAND_DISPLAY bash -c "${lines[0]}" >"$workdir/run.log" 2>&1
run_status=$?
set -e
# Without a display run.sh builds the program, says so and ends with status 1.
if [[ $run_status -ne 1 ]] || ! grep -q 'The calculator is built' "$workdir/run.log"; then
  fail "'${lines[0]}' ended with status $run_status without building the program:"
  tail -n 30 "$workdir/run.log"
  exit 1
fi

echo "\$ ${lines[1]}"
bash -c "${lines[1]}" >"$workdir/cpack.log" 2>&1 || {
  fail "'${lines[1]}' failed:"; tail -n 30 "$workdir/cpack.log"; exit 1; }
deb=${lines[2]#sudo apt install }
[[ -f "$deb" ]] || { fail "cpack wrote no $deb: $(ls build/release/*.deb 2>&1)"; exit 1; }

# apt resolves the package's dependencies against the archive without installing anything.
echo "\$ apt-get --simulate install $deb"
apt-get --simulate install "$deb" >"$workdir/apt.log" 2>&1 &&
  grep -q '^Inst equilateral-triangle ' "$workdir/apt.log" || {
  fail "apt would not install $deb:"; cat "$workdir/apt.log"; }

# The same files without a package.
echo "\$ cmake --install build/release --prefix <scratch>"
prefix="$workdir/prefix"
cmake --install build/release --prefix "$prefix" >"$workdir/install.log" 2>&1 || {
  fail "cmake --install failed:"; tail -n 20 "$workdir/install.log"; }
(cd "$prefix" && find . -type f | sed 's|^\./||' | sort) >"$workdir/installed"
dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./usr/||' | sort >"$workdir/packaged"
differences=$(diff "$workdir/packaged" "$workdir/installed" || true)
[[ -z "$differences" ]] || fail "cmake --install and the package differ (< package, > install):
$differences"
grep -qx 'share/man/man1/equilateral-triangle.1.gz' "$workdir/packaged" &&
  grep -qx 'share/doc/equilateral-triangle/changelog.gz' "$workdir/packaged" ||
  fail "the package lacks its manual page or changelog"

[[ $status -eq 0 ]] && echo "README's install steps work as written: $(basename "$deb")"
exit $status
