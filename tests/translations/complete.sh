#!/usr/bin/env bash
# Every shipped language translates every text of the current sources, and English has
# the plural forms of every text that counts. lupdate, run on
# copies of the .ts files exactly as the update_translations target runs it, must find
# no text added or gone, and no translation may be unfinished or empty.
# Usage: complete.sh LUPDATE SCRATCH-FOLDER SOURCE-FOLDER TS-FILE... -- LUPDATE-OPTION...
set -uo pipefail
lupdate=$1 scratch=$2 src=$3
shift 3
ts_files=()
while (($# > 0)) && [[ "$1" != -- ]]; do
  ts_files+=("$1")
  shift
done
shift
rm -rf "$scratch" && mkdir -p "$scratch"
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

for ts in "${ts_files[@]}"; do
  name=$(basename "$ts")
  copy="$scratch/$name"
  cp "$ts" "$copy"
  plural_only=()  # English, the language of the sources, holds only its plural forms
  [[ "$name" == glimmerix_en.ts ]] && plural_only=(-pluralonly)
  "$lupdate" -I "$src" "$@" "${plural_only[@]}" "$src/game" "$src/board" "$src/scoring" "$src/ui" -ts "$copy" \
    >"$copy.log" 2>&1 || fail "$name: lupdate failed: $(cat "$copy.log")"
  changed=$(diff <(grep -o '<source>.*' "$ts") <(grep -o '<source>.*' "$copy") | grep '^[<>]')
  [[ -z "$changed" ]] ||
    fail "$name is behind the sources (< gone from them, > new in them):"$'\n'"$changed"
  unfinished=$(awk '/<source>/ {source = $0}
    /<translation type="unfinished"|<translation><\/translation>|<numerusform><\/numerusform>/ {
      if (source != "") print source; source = ""
    }' "$copy" | sed 's/^ *//')
  [[ -z "$unfinished" ]] || fail "$name leaves these untranslated:"$'\n'"$unfinished"
done

if ((failures > 0)); then
  echo "Bring the .ts files up to date with 'cmake --build --preset debug --target update_translations'," >&2
  echo "then translate what is new (Qt Linguist, or the files' <translation> elements)." >&2
  exit 1
fi
echo "the ${#ts_files[@]} languages translate every text"
