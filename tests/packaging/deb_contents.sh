#!/usr/bin/env bash
# What the Debian package installs and declares, checked in the package made by
# build_deb.sh: the files and their owners and modes, a program that runs from the
# system's libraries, a desktop entry whose program and icon are in the package,
# unblurred icons, the control fields, and one version number everywhere.
# Usage: deb_contents.sh SCRATCH-FOLDER SOURCE-FOLDER
set -euo pipefail
out=$1 src=$2
deb="$out/glimmerix_1.00_$(dpkg --print-architecture).deb"
root="$out/root"
[[ -f "$deb" && -d "$root" ]] || { echo "FAIL: no unpacked package in $out (build_deb.sh first)" >&2; exit 1; }
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
readonly id=org.example.Glimmerix

# --- The files: these and no others, owned by root, the program alone executable.
# Debian keeps games in /usr/games.
expected_files="usr/games/glimmerix
usr/share/applications/$id.desktop
usr/share/doc/glimmerix/FONTS.md
usr/share/doc/glimmerix/OFL-1.1.txt
usr/share/doc/glimmerix/changelog.gz
usr/share/doc/glimmerix/copyright
usr/share/icons/hicolor/128x128/apps/$id.png
usr/share/icons/hicolor/256x256/apps/$id.png
usr/share/icons/hicolor/32x32/apps/$id.png
usr/share/icons/hicolor/64x64/apps/$id.png
usr/share/man/man6/glimmerix.6.gz
usr/share/metainfo/$id.metainfo.xml"
files=$(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
[[ "$files" == "$expected_files" ]] ||
  fail "the package holds other files than expected:$(diff <(echo "$expected_files") <(echo "$files") | sed -n 's/^[<>]/\n  &/p' | tr -d '\n')"
while read -r mode owner _ _ _ path; do
  path=${path#./}
  [[ "$owner" == root/root ]] || fail "$path is owned by $owner"
  case "$mode" in
    d*) want=drwxr-xr-x ;;
    *) [[ "$path" == usr/games/* ]] && want=-rwxr-xr-x || want=-rw-r--r-- ;;
  esac
  [[ "$mode" == "$want" ]] || fail "$path has mode $mode, expected $want"
done < <(dpkg -c "$deb")

# --- The program: position-independent, stripped, and finding its libraries in
# the system, not in a build folder.
program="$root/usr/games/glimmerix"
file -b "$program" | grep -q '^ELF .* pie executable, .*, stripped$' ||
  fail "the program is not a stripped position-independent ELF file: $(file -b "$program")"
if readelf -d "$program" | grep -E 'R(UN)?PATH'; then
  fail "the program carries a library search path"
fi

# --- The desktop entry: its program and its icon are what the package installs,
# and the AppStream data and the entry agree (validate-tree checks them together).
entry="$root/usr/share/applications/$id.desktop"
key() { sed -n "s/^$1=//p" "$entry"; }
exec_program=$(key Exec | cut -d' ' -f1)
[[ -n "$exec_program" && -x "$root/usr/games/$exec_program" ]] ||
  fail "the desktop entry runs '$exec_program', which is not in usr/games of the package"
icon=$(key Icon)
[[ "$icon" == "$id" ]] || fail "the desktop entry's icon is '$icon', expected $id"
appstreamcli validate-tree --no-net "$root" >"$out/validate-tree.log" 2>&1 ||
  fail "appstreamcli validate-tree finds faults in the installed files: $(cat "$out/validate-tree.log")"

# --- The licences: the copyright file names the ones the AppStream data names, and
# holds each one's text in a paragraph of its own.
copyright="$root/usr/share/doc/glimmerix/copyright"
declared=$(sed -n 's|.*<project_license>\(.*\)</project_license>.*|\1|p' "$root/usr/share/metainfo/$id.metainfo.xml")
declared=$(tr ' ' '\n' <<<"${declared// AND / }" | LC_ALL=C sort -u)
named=$(sed -n 's/^License: //p' "$copyright" | LC_ALL=C sort -u)
[[ "$declared" == "$named" ]] ||
  fail "the AppStream data's licences (${declared//$'\n'/ }) are not the copyright file's (${named//$'\n'/ })"
for license in $named; do
  awk -v head="License: $license" 'prev == "" && $0 == head {getline; text = /^ /} {prev = $0} END {exit !text}' \
    "$copyright" || fail "the copyright file holds no text of $license"
done

# --- The icons: the 32 px one is the game's own picture, and each larger one is
# exactly it enlarged by a whole factor, every pixel an unblurred square.
icon_png() { echo "$root/usr/share/icons/hicolor/$1x$1/apps/$icon.png"; }
differing=$(compare -metric AE "$src/ui/look/pictures/icon.xpm" "$(icon_png 32)" null: 2>&1) || true
[[ "$differing" == 0 ]] || fail "the 32 px icon is not the game's icon.xpm ($differing)"
for size in 32 64 128 256; do
  png=$(icon_png "$size")
  [[ -f "$png" ]] || continue  # already reported with the file list
  geometry=$(identify -format '%m %wx%h' "$png")
  [[ "$geometry" == "PNG ${size}x${size}" ]] || fail "$png is $geometry, expected PNG ${size}x${size}"
  convert "$(icon_png 32)" -sample "${size}x${size}" "$out/expected-$size.png"
  differing=$(compare -metric AE "$png" "$out/expected-$size.png" null: 2>&1) || true
  [[ "$differing" == 0 ]] ||
    fail "the $size px icon is not the 32 px one enlarged $((size / 32))x without blur ($differing pixels differ)"
done

# --- The control fields (cpack named the file after package, version and
# architecture already).
field() { dpkg-deb -f "$deb" "$1"; }
[[ "$(field Section)" == games ]] || fail "Section is '$(field Section)', expected games"
depends=" $(field Depends | sed 's/([^)]*)//g; s/[,|]/ /g') "
for package in libqt6widgets6 fonts-dejavu-core fonts-dejavu-extra libc6; do
  [[ "$depends" == *" $package "* ]] || fail "Depends lacks $package: $(field Depends)"
done
[[ "$(field Recommends)" == "qt6-translations-l10n, qt6-wayland" ]] ||
  fail "Recommends is '$(field Recommends)', expected qt6-translations-l10n (Qt's own texts translated) and qt6-wayland (native Wayland desktops)"

# --- One version everywhere: the package, the AppStream release, the changelog,
# the manual page, the Windows version block and what the program tells Qt.
version=$(field Version)
[[ "$version" == 1.00 ]] || fail "Version is '$version', expected 1.00"
release=$(grep -m1 -o '<release version="[^"]*"' "$root/usr/share/metainfo/$id.metainfo.xml" | cut -d'"' -f2)
changelog=$(zcat "$root/usr/share/doc/glimmerix/changelog.gz" | sed -n '1s/^glimmerix (\([^)]*\)).*/\1/p')
manual=$(zcat "$root/usr/share/man/man6/glimmerix.6.gz" | sed -n 's/^\.TH .*"Glimmerix \([^"]*\)".*/\1/p')
windows_file=$(sed -n 's/.*VALUE "FileVersion", "\([^"]*\)".*/\1/p' "$src/packaging/glimmerix.rc")
windows_product=$(sed -n 's/.*VALUE "ProductVersion", "\([^"]*\)".*/\1/p' "$src/packaging/glimmerix.rc")
program_version=$(sed -n 's/.*setApplicationVersion(QStringLiteral("\([^"]*\)")).*/\1/p' "$src/ui/main.cpp")
for pair in "AppStream release:$release" "changelog:$changelog" "manual page:$manual" "Windows FileVersion:$windows_file" \
  "Windows ProductVersion:$windows_product" "ui/main.cpp application version:$program_version"; do
  [[ "${pair##*:}" == "$version" ]] || fail "the ${pair%%:*} is '${pair##*:}', the package's version $version"
done

# --- The compressed files carry no name or time stamp, so that the same text
# always packs to the same bytes (gzip -n): flags and time in the header are zero.
for gz in usr/share/man/man6/glimmerix.6.gz usr/share/doc/glimmerix/changelog.gz; do
  header=$(od -An -tx1 -N8 "$root/$gz" | tr -d ' \n')
  [[ "$header" == 1f8b080000000000 ]] || fail "$gz names its file or time in its header: $header"
done

# --- The manual page reads without warnings.
warnings=$(zcat "$root/usr/share/man/man6/glimmerix.6.gz" | groff -man -Tutf8 -ww -z 2>&1) || true
[[ -z "$warnings" ]] || fail "the manual page has faults: $warnings"

((failures == 0)) || exit 1
echo "the package holds and declares what it should"
