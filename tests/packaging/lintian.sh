#!/usr/bin/env bash
# The package as a Debian maintainer checks it: lintian, with its pedantic,
# informational and experimental tags shown, must find no error, no warning and no
# gap in the program's hardening. Every tag it reports is printed.
# Usage: lintian.sh FOLDER-WITH-ONE-PACKAGE
set -uo pipefail
shopt -s nullglob
debs=("$1"/*.deb)
((${#debs[@]} == 1)) || { echo "FAIL: not one package in $1 (build_deb.sh first)" >&2; exit 1; }
deb=${debs[0]}

stderr=$(mktemp)
trap 'rm -f "$stderr"' EXIT
tags=$(lintian --pedantic -I -E --color never --fail-on error,warning "$deb" 2>"$stderr")
rc=$?  # 1: lintian itself failed; 2: an error or a warning
# Run as root (as on a build machine), lintian says so; nothing else belongs there.
complaints=$(grep -vxF 'running with root privileges is not recommended!' "$stderr")
[[ -n "$tags" ]] && echo "$tags"
if ((rc == 1)) || [[ -n "$complaints" ]]; then
  echo "FAIL: lintian could not check $deb (exit code $rc): $complaints" >&2
  exit 1
fi
faults=$(grep -E '^[EW]: |^I: [^ ]+ hardening-' <<<"$tags")
if ((rc != 0)) || [[ -n "$faults" ]]; then
  echo "FAIL: lintian finds faults in the package (exit code $rc):" >&2
  echo "$faults" >&2
  exit 1
fi
echo "lintian finds no error, no warning and no hardening gap"
