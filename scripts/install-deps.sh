#!/usr/bin/env bash
# Installs the Debian 12 packages that are missing for building and running the calculator,
# with "web" those for building and serving the browser edition, and with "test" also those
# for all the tests and benchmarks (and the browser tests' npm packages). Uses sudo when not
# run as root.
set -euo pipefail

# qt6-translations-l10n: Qt's own texts (buttons, context menus) in Bulgarian. GoogleTest and
# Google Benchmark: the release preset configures the tests and benchmarks (without building
# them for scripts/run.sh), and configuring needs their libraries.
packages=(g++ cmake ninja-build libfast-float-dev libfmt-dev qt6-base-dev fonts-liberation2
          qt6-translations-l10n libgtest-dev libgmock-dev libbenchmark-dev)
if [[ "${1:-}" == "test" ]]; then
  packages+=(libgmp-dev xvfb xdotool x11-utils x11-apps
             clang libclang-rt-14-dev valgrind gcovr strace python3-xlib
             dbus at-spi2-core python3-pyatspi desktop-file-utils appstream lintian
             dbus-x11)  # dbus-x11: the no-I/O test checks that no session bus is started
  packages+=(espeak-ng)  # the solution's spoken forms are checked with the Bulgarian voice
  # Clang with libc++ (the clang-libcxx preset), which builds GoogleTest from Debian's sources.
  packages+=(libc++-14-dev libc++abi-14-dev googletest)
  # The Windows edition: 64- and 32-bit cross compilers, Wine to run their tests (wine32 for
  # the 32-bit program below), icon tools, the Windows Installer package tools.
  packages+=(g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine wine64
             imagemagick zip wixl msitools)
  packages+=(emscripten nodejs chromium)  # WebAssembly, Node, the browser tests
  packages+=(poppler-utils)  # pdftotext: the browser tests read the printed page's text
fi
[[ "${1:-}" == "web" ]] &&
  packages=(cmake ninja-build libfast-float-dev libfmt-dev emscripten nodejs python3)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
as_root=()
[[ "$(id -u)" -ne 0 ]] && as_root=(sudo)
if [[ ${#missing[@]} -gt 0 ]]; then
  echo "Installing: ${missing[*]}"
  # A mirror caught mid-sync fails one index (seen with bookworm-security's i386 list): the
  # install goes on with the lists there are, and fails itself if they do not serve.
  "${as_root[@]}" apt-get update || echo "apt-get update failed for some lists; installing anyway"
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
fi

# 32-bit Wine runs the 32-bit Windows program's tests; its packages come from the i386
# architecture and must match their amd64 counterparts version for version, which a mirror
# caught mid-sync may not offer. Where it cannot be had (or the kernel runs no 32-bit programs)
# those tests say so and are skipped: nothing else depends on it.
if [[ "${1:-}" == "test" ]] &&
   ! dpkg-query -W -f='${Status}' wine32 2>/dev/null | grep -q "install ok installed"; then
  dpkg --print-foreign-architectures | grep -qx i386 ||
    "${as_root[@]}" dpkg --add-architecture i386
  { "${as_root[@]}" apt-get update || true; } &&
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y wine32 ||
    echo "32-bit Wine could not be installed: the 32-bit program's tests will be skipped"
fi

# The browser tests' npm packages, as pinned in their lock file; Debian's chromium runs them.
if [[ "${1:-}" == "test" ]]; then
  command -v npm >/dev/null ||
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y npm
  (cd "$(dirname "$0")/../tests/web" &&
    PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
fi
