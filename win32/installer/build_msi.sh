#!/usr/bin/env bash
# Builds the Windows Installer package of one program with wixl and msibuild (msitools):
# the package from equilateral-triangle.wxs.in, then its Bulgarian names, which wixl stores
# only in a database whose code page is set first.
# Usage: build_msi.sh x64|x86 PROGRAM.exe ICON.ico VERSION OUT.msi
set -euo pipefail
arch=$1
program=$2
icon=$3
version=$4
out=$5
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

case $arch in
  x64) program_files=ProgramFiles64Folder win64=yes bits=64
       component_guid=C0EBABCA-0BCD-41FD-8F3F-0F7E083DAC3E ;;
  x86) program_files=ProgramFilesFolder win64=no bits=32
       component_guid=63EF9747-38F9-42D9-9DAB-2F545C50A3F0 ;;
  *) echo "build_msi.sh: no architecture $arch" >&2; exit 2 ;;
esac
name=$(basename "$program")
# wixl finds the files the package holds beside the package's description.
cp "$program" "$work/$name"
cp "$icon" "$work/equilateral-triangle.ico"
sed -e "s/@VERSION@/$version/g" -e "s/@BITS@/$bits/g" -e "s/@PROGRAM_FILES@/$program_files/g" \
    -e "s/@COMPONENT_GUID@/$component_guid/g" -e "s/@WIN64@/$win64/g" \
    -e "s/@PROGRAM_NAME@/$name/g" "$here/equilateral-triangle.wxs.in" >"$work/product.wxs"
(cd "$work" && wixl -a "$arch" -o product.msi product.wxs 2>&1 |
  grep -v 'unimplemented' >&2 || true)
[[ -s "$work/product.msi" ]] || { echo "build_msi.sh: wixl made no package" >&2; exit 1; }

# The names in Windows' Cyrillic code page; the shortcut's name in its short|long form, and the
# install folder's (its long name is ASCII: see the description).
printf '\r\n\r\n1251\t_ForceCodepage\r\n' >"$work/_ForceCodepage.idt"
msibuild "$work/product.msi" -i "$work/_ForceCodepage.idt"
product='Равностранен триъгълник'
msibuild "$work/product.msi" -q "UPDATE \`Property\` SET \`Value\` = '$product' WHERE \`Property\` = 'ProductName'"
msibuild "$work/product.msi" -q "UPDATE \`Directory\` SET \`DefaultDir\` = 'RAVNOS~1|Ravnostranen triagalnik' WHERE \`Directory\` = 'INSTALLDIR'"
msibuild "$work/product.msi" -q "UPDATE \`Shortcut\` SET \`Name\` = 'RAVNOS~1|$product', \`Description\` = 'Геометрия - равностранен триъгълник' WHERE \`Shortcut\` = 'StartMenuShortcut'"
msibuild "$work/product.msi" -q "UPDATE \`LaunchCondition\` SET \`Description\` = 'По-нова версия на [ProductName] вече е инсталирана.' WHERE \`Description\` = 'DOWNGRADE_MESSAGE'"
mv "$work/product.msi" "$out"
