#!/usr/bin/env bash
# The program run twice from --play 1 with the same input must end in the very
# same state after 3000 play frames, for every pair of weapons; and a headless
# run writes the screenshot it was asked for.
set -euo pipefail
game=$1
gamedir=$2
input=$(dirname "$0")/busy_input.txt
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$gamedir" "$work/game"
# The player's own options would change the game under test.
rm -f "$work/game/option.txt" "$work/game/ranking.txt"

run() {  # weapons, dump file
  "$game" --headless --dir "$work/game" --play 1 --weapons "$1" \
    --frames 3001 --input "$input" --dump "3001:$2" --no-draw 2>/dev/null
}

for weapons in 0,0 1,1 2,2; do
  run "$weapons" "$work/first.json"
  run "$weapons" "$work/second.json"
  if ! cmp -s "$work/first.json" "$work/second.json"; then
    echo "weapons $weapons: two runs of the same input differ" >&2
    diff "$work/first.json" "$work/second.json" | head -20 >&2
    exit 1
  fi
  grep -q '"GameState": 10' "$work/first.json" || { echo "weapons $weapons: not in play" >&2; exit 1; }
done

"$game" --headless --dir "$work/game" --play 1 --frames 30 --screenshot "30:$work/shot.png" 2>/dev/null
head -c 8 "$work/shot.png" | od -An -tx1 | grep -q '89 50 4e 47' || { echo "no PNG written" >&2; exit 1; }
# A game directory without its files: the game still runs, says what is
# missing on stderr, and with OMBREZZA_DEBUG=1 keeps the same in its logs.
mkdir "$work/empty"
OMBREZZA_DEBUG=1 "$game" --headless --dir "$work/empty" --frames 5 2> "$work/stderr.txt"
grep -q 'アーカイブからのビットマップの読み取りに失敗しました' "$work/stderr.txt" || { echo "no report of the missing archive" >&2; exit 1; }
grep -q '^debug#00001 アーカイブからのビットマップの読み取りに失敗しました' "$work/empty/display.debug" || { echo "display.debug lacks the report" >&2; exit 1; }
grep -q '^debug#00001 wave/click05.wavが、見つかりません' "$work/empty/sound.debug" || { echo "sound.debug lacks the report" >&2; exit 1; }
echo "headless replay: identical"
