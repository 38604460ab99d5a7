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
# The player's own options would change the game under test.
rm -f "$work/game/option.txt" "$work/game/ranking.txt"

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
# A game from the command line plays with the player's options: a damaged
# option file is told line by line, its sound lines are used, and the next
# save writes a well-formed file.
printf '3\r\nabc\r\n2\r\n3\r\n3\r\n3\r\n1\r\n9\r\n1\r\n0\r\n4\r\n' > "$work/game/option.txt"
"$game" --headless --dir "$work/game" --play 1 --frames 30 --dump "30:$work/options.json" 2> "$work/options.err"
for said in 'option.txt line 2 is not a number; using the default 1' \
            'option.txt line 8: game mode 9 is outside 0 to 4; using 4' \
            'option.txt line 10: draw 0 is outside 1 to 5; using 1' \
            'option.txt: the file ends after line 11; lines 12 to 16 take their defaults'; do
  grep -qF "$said" "$work/options.err" || { echo "stderr lacks: $said" >&2; cat "$work/options.err" >&2; exit 1; }
done
for key in '"GameMode": 4' '"BulletStyle": 4' '"ButtonFunction.0": 3' '"ButtonFunction.1": 1'; do
  grep -qF "$key" "$work/options.json" || { echo "--play did not take $key from option.txt" >&2; exit 1; }
done
expected=$(printf '3\r\n1\r\n2\r\n3\r\n3\r\n3\r\n1\r\n4\r\n1\r\n1\r\n4\r\n0\r\n0\r\n0\r\n0\r\n0\r\n' | od -An -c)
[ "$(od -An -c < "$work/game/option.txt")" = "$expected" ] || { echo "option.txt not saved well-formed" >&2; exit 1; }
echo "headless flags: --no-draw changes nothing but the pictures"
