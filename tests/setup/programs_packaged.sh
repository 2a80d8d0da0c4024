#!/usr/bin/env bash
# Every program that the project's scripts and test scripts call must come from a
# package that scripts/setup installs (or one it pulls in), or from a minimal Debian
# (the essential and required packages). A program that is merely present on this
# machine fails here, before it fails on a fresh one.
# Usage: programs_packaged.sh SOURCE-FOLDER
set -euo pipefail
src=${1:?usage: programs_packaged.sh SOURCE-FOLDER}
here=$(dirname "$(readlink -f "$0")")
cd "$src"

# Shell scripts only: scripts/ also keeps data files, such as the slip list.
is_shell() { head -n 1 "$1" | grep -qE '^#!.*\b(ba)?sh\b'; }
mapfile -t scripts < <({
  find scripts .ci -maxdepth 1 -type f 2>/dev/null | while read -r f; do is_shell "$f" && echo "$f"; done
  find bench tests -name '*.sh'
} | LC_ALL=C sort)
((${#scripts[@]} > 0)) || { echo "FAIL: no scripts found in $src" >&2; exit 1; }
calls=$(awk -f "$here/commands.awk" "${scripts[@]}")
functions=$(awk '$2 == "function" {print $3}' <<<"$calls" | sort -u)

# The packages a fresh machine has once scripts/setup has run: those it lists, the
# essential and required ones, and everything they depend on (first alternatives, as
# apt chooses on a machine that has none of them).
scripts/setup list >/dev/null || { echo "FAIL: scripts/setup list failed" >&2; exit 1; }
installable=$(
  {
    scripts/setup list | sed 's/^/seed\t/'
    dpkg-query -W -f='${db:Status-Abbrev}\t${Package}\t${Essential}\t${Priority}\t${Provides}\t${Pre-Depends}, ${Depends}\n'
  } | awk -F'\t' '
    function name(s) { sub(/^ +/, "", s); sub(/[ :(].*/, "", s); return s }
    $1 == "seed" { queue[++n] = $2; next }
    $1 !~ /^ii/ { next }
    {
      deps[$2] = $6
      if ($3 == "yes" || $4 == "required") queue[++n] = $2
      k = split($5, p, ","); for (i = 1; i <= k; i++) provider[name(p[i])] = $2
    }
    END {
      for (i = 1; i <= n; i++) {
        pkg = queue[i]
        if (!(pkg in deps) && (pkg in provider)) pkg = provider[pkg]
        if (pkg in seen) continue
        seen[pkg] = 1; print pkg
        k = split(deps[pkg], d, ",")
        for (j = 1; j <= k; j++) { split(d[j], alt, "|"); if (name(alt[1]) != "") queue[++n] = name(alt[1]) }
      }
    }')
listed=$(scripts/setup list)

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# The program each word names, with the first place that calls it. Only Debian's own
# folders count: what was added under /usr/local is missing on a fresh machine.
readonly debian_path=/usr/sbin:/usr/bin:/sbin:/bin
declare -A where path
while read -r place word _; do
  [[ "$word" == function ]] && continue
  grep -qxF -- "$word" <<<"$functions" && continue
  [[ -n "${where[$word]:-}" ]] && continue
  case "$(type -t -- "$word" 2>/dev/null || true)" in
    builtin | keyword) continue ;;
  esac
  where[$word]=$place
  if [[ "$word" == /* ]]; then
    [[ -x "$word" ]] && path[$word]=$(readlink -f "$word")
  elif p=$(PATH=$debian_path type -P -- "$word"); then
    path[$word]=$(readlink -f "$p")
  fi
  [[ -n "${path[$word]:-}" ]] ||
    fail "$word (called in $place) is not installed: run scripts/setup test, and if it is still missing, add its package to scripts/setup"
done <<<"$calls"

# The package of each program, asked of dpkg in one go. Debian's /bin and /sbin are
# links into /usr, and dpkg may know a program by either name.
declare -A owners
files=()
for file in "${path[@]}"; do
  case "$file" in
    /usr/bin/* | /usr/sbin/*) files+=("$file" "${file#/usr}") ;;
    /bin/* | /sbin/*) files+=("$file" "/usr$file") ;;
    *) files+=("$file") ;;
  esac
done
while IFS= read -r entry; do
  file=${entry#*: } names=${entry%%: *}
  [[ "$file" == /usr/* ]] || file=/usr$file
  owners[$file]+=" $(tr ',' ' ' <<<"$names" | sed 's/:[^ ]*//g')"
done < <(dpkg -S "${files[@]}" 2>/dev/null | grep -v '^diversion' || true)

for word in $(printf '%s\n' "${!path[@]}" | LC_ALL=C sort); do
  file=${path[$word]}
  [[ "$file" == /usr/* ]] || file=/usr$file
  read -ra packages <<<"${owners[$file]:-}"
  if ((${#packages[@]} == 0)); then
    fail "$word (${path[$word]}, called in ${where[$word]}) belongs to no Debian package"
    continue
  fi
  found=""
  for pkg in "${packages[@]}"; do
    if grep -qxF -- "$pkg" <<<"$listed"; then
      found="$pkg, listed"
    elif grep -qxF -- "$pkg" <<<"$installable"; then
      found=${found:-"$pkg"}
    fi
  done
  if [[ -n "$found" ]]; then
    echo "$word: $found"
  else
    fail "$word (called in ${where[$word]}) comes from ${packages[*]}, which scripts/setup does not install and a minimal Debian lacks: add it to scripts/setup"
  fi
done

((failures == 0)) || { echo "$failures program(s) would be missing on a fresh machine" >&2; exit 1; }
echo "every program the ${#scripts[@]} scripts call comes from scripts/setup or a minimal Debian"
