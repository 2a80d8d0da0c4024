#!/usr/bin/env bash
# Packs the built game as a Debian package with CPack, in a folder of its own (so
# that nothing else in the build folder is touched), and unpacks it beside it for
# the tests that look inside.
# Usage: build_deb.sh CPACK BUILD-FOLDER SCRATCH-FOLDER
set -euo pipefail
cpack=$1 build=$2 out=$3
expected="glimmerix_1.00_$(dpkg --print-architecture).deb"

rm -rf "$out"
mkdir -p "$out"
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || {
  cat "$out/cpack.log" >&2
  echo "FAIL: cpack could not make the package" >&2
  exit 1
}
made=$(cd "$out" && ls -- *.deb 2>/dev/null) || made=""
[[ "$made" == "$expected" ]] || {
  echo "FAIL: cpack made '$made', expected $expected alone" >&2
  exit 1
}
dpkg -x "$out/$expected" "$out/root"
echo "made $expected ($(stat -c %s "$out/$expected") bytes)"
