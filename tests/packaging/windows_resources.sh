#!/usr/bin/env bash
# The Windows build's resource script, compiled here as a MinGW build would compile
# it: it must give the program its icon (every size, unblurred) and the version block
# that Explorer's Details tab and the task manager read.
# Usage: windows_resources.sh RESOURCE-SCRIPT ICON-FOLDER GAME-ICON-XPM SCRATCH-FOLDER
set -euo pipefail
rc_file=$1 icon_dir=$2 xpm=$3 out=$4
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

rm -rf "$out"
mkdir -p "$out"
# windres reads the script through a C preprocessor; the host's serves (the
# MinGW compiler need not be installed).
x86_64-w64-mingw32-windres --preprocessor=cpp --preprocessor-arg=-DRC_INVOKED \
  -I "$icon_dir" -i "$rc_file" -O coff -o "$out/resources.o"
x86_64-w64-mingw32-objdump -h "$out/resources.o" | grep -q ' \.rsrc ' ||
  fail "the compiled object has no .rsrc section"
# Read back what was compiled, as resource-script text with spaces evened out.
x86_64-w64-mingw32-windres -J coff -i "$out/resources.o" -O rc -o "$out/compiled.rc"
sed -E 's/^[[:space:]]+//; s/[[:space:]]+/ /g; s/ $//' "$out/compiled.rc" >"$out/compiled.txt"

has_line() {
  grep -qxF -- "$1" "$out/compiled.txt" || fail "the compiled resources lack the line: $1"
}

# The version block: numbers, file kind and the strings Windows shows.
has_line 'FILEVERSION 1, 0, 0, 0'
has_line 'PRODUCTVERSION 1, 0, 0, 0'
has_line 'FILEOS 0x40004'
has_line 'FILETYPE 0x1'
has_line 'BLOCK "040904B0"'
has_line 'VALUE "CompanyName", "Glimmerix developers"'
has_line 'VALUE "FileVersion", "1.00"'
has_line 'VALUE "InternalName", "Glimmerix"'
has_line 'VALUE "OriginalFilename", "Glimmerix.exe"'
has_line 'VALUE "ProductName", "Glimmerix"'
has_line 'VALUE "ProductVersion", "1.00"'
has_line 'VALUE "Translation", 0x409, 1200'

# The icon: one icon group, first of its kind so that Explorer shows it, holding
# the four pictures of the icon file.
grep -qx '1 14 /\* RT_GROUP_ICON \*/' "$out/compiled.txt" || fail "icon group 1 is missing"
[[ $(grep -c 'RT_GROUP_ICON' "$out/compiled.txt") -eq 1 ]] || fail "there is more than one icon group"
has_line '0, 1, 4, /* Has 4 elements. */'

# Each picture in the icon file is the game's icon enlarged without blur.
for ((i = 0; i < 4; i++)); do
  size=$((32 << i))
  convert "$xpm" -sample "${size}x${size}" "$out/expected-$size.png"
  differing=$(compare -metric AE "$icon_dir/glimmerix.ico[$i]" "$out/expected-$size.png" null: 2>&1) || true
  [[ "$differing" == 0 ]] ||
    fail "picture $i of glimmerix.ico is not the icon enlarged to $size px without blur ($differing pixels differ)"
done

((failures == 0)) || exit 1
echo "the resource script compiles with its icon and version block"
