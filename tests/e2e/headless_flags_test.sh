#!/usr/bin/env bash
# --no-draw leaves out the pictures and nothing else: the same run with and
# without it dumps the very same states, and the frame of a screenshot is
# still drawn as usual. --style and --buttons start the game they describe.
set -euo pipefail
game=$1
gamedir=$2
input=$(dirname "$0")/busy_input.txt
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$gamedir" "$work/game"

run() {  # output directory, more flags
  local out=$1
  shift
  mkdir "$out"
  "$game" --headless --dir "$work/game" --play 1 --frames 3001 --input "$input" \
    --dump "500:$out/500.json" --dump "3001:$out/3001.json" --screenshot "500:$out/500.png" "$@" 2>/dev/null
}

run "$work/drawn"
run "$work/bare" --no-draw
for f in 500.json 3001.json 500.png; do
  if ! cmp -s "$work/drawn/$f" "$work/bare/$f"; then
    echo "--no-draw changed $f" >&2
    exit 1
  fi
done
grep -q '"GameState": 10' "$work/bare/3001.json" || { echo "not in play" >&2; exit 1; }
# The first frame of a game directory without pictures is all black.
mkdir "$work/empty"
"$game" --headless --dir "$work/empty" --frames 1 --screenshot "1:$work/black.png" 2>/dev/null
if cmp -s "$work/black.png" "$work/bare/500.png"; then
  echo "--no-draw wrote a black screenshot" >&2
  exit 1
fi

"$game" --headless --dir "$work/game" --play 1 --style 4 --buttons 0,1,2,3,3,3 --frames 30 \
  --dump "30:$work/style.json" 2>/dev/null
grep -q '"GameState": 10' "$work/style.json" || { echo "--style and --buttons: not in play" >&2; exit 1; }
echo "headless flags: --no-draw changes nothing but the pictures"
