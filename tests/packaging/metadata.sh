#!/usr/bin/env bash
# The desktop entry and the AppStream data as the desktop's and the software
# centre's own checkers read them: no error and no warning.
# Usage: metadata.sh DESKTOP-ENTRY METAINFO
set -uo pipefail
entry=$1 metainfo=$2
failures=0

report=$(desktop-file-validate "$entry" 2>&1)
rc=$?
if ((rc != 0)) || [[ -n "$report" ]]; then
  echo "FAIL: desktop-file-validate $entry (exit code $rc):" >&2
  echo "$report" >&2
  failures=$((failures + 1))
fi

# Fails on errors and warnings. The id's capitals are only a pedantic remark, and
# that Debian 12's AppStream 0.16 does not know the <developer> tag of AppStream 1.0
# yet only an informational one.
if ! report=$(appstreamcli validate --no-net "$metainfo" 2>&1); then
  echo "FAIL: appstreamcli validate --no-net $metainfo:" >&2
  echo "$report" >&2
  failures=$((failures + 1))
fi

((failures == 0)) || exit 1
echo "desktop entry and AppStream data are valid"
