#!/usr/bin/env bash
# Packs the game as a Debian package with CPack, in a folder of its own (so that
# nothing else in the build folder is touched), and unpacks it beside it for the
# tests that look inside. The package is what a release ships, so it is made from a
# release build: BUILD-FOLDER itself, or, given SOURCE-FOLDER, a build with the
# release preset made (or brought up to date) in BUILD-FOLDER first.
# Usage: build_deb.sh CPACK SCRATCH-FOLDER BUILD-FOLDER [SOURCE-FOLDER]
set -euo pipefail
cpack=$1 out=$2 build=$3 src=${4:-}
cmake=$(dirname "$cpack")/cmake
expected="glimmerix_1.00_$(dpkg --print-architecture).deb"

if [[ -n "$src" ]]; then
  mkdir -p "$build"
  {
    "$cmake" --preset release -S "$src" -B "$build" -DGLIMMERIX_TESTS=OFF &&
      "$cmake" --build "$build" -j2 --target glimmerix glimmerix_packaging_files
  } >"$build/release-build.log" 2>&1 || {
    tail -n 30 "$build/release-build.log" >&2
    echo "FAIL: the release build in $build failed" >&2
    exit 1
  }
fi

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
