#!/usr/bin/env bash
# The art as a player meets it: headless runs of the built game that stop at
# the moments where pictures must read at a glance (a crowd round the ship, a
# boss losing a life, a bomb, the LASER over the ship, the ship's loss, the
# banners, the panel in every mode, every bullet style), each written as
# SCENE-FRAME.png, plus the game's own bullet pattern sheets in all five styles.
#
#   gallery.sh GAMEDIR OUTDIR     GAMEDIR holds ombrezza and its assets
set -euo pipefail
if [ $# -ne 2 ]; then
  echo "usage: gallery.sh GAMEDIR OUTDIR" >&2
  exit 2
fi
gamedir=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
game=$gamedir/ombrezza
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A copy, so the player's options and rankings neither change the pictures
# nor are changed by them.
cp -r "$gamedir" "$work/game"
rm -f "$work/game/option.txt" "$work/game/ranking.txt"

# Input words: 16 shot, 32 bomb, 64 barrier; 1 left, 4 right.
printf '6000 16\n' > "$work/shot"
printf '1849 16\n1 48\n4150 16\n' > "$work/bomb"
printf '1700 16\n250 64\n4050 16\n' > "$work/barrier"
{ printf '400 0\n'; for _ in $(seq 40); do printf '40 1\n40 4\n'; done; } > "$work/weave"

scene() {  # name, input, frames..., then -- and the play flags
  local name=$1 input=$2
  shift 2
  local shots=() last=0
  while [ "$1" != "--" ]; do
    shots+=(--screenshot "$1:$out/$name-$1.png")
    [ "$1" -gt "$last" ] && last=$1
    shift
  done
  shift
  "$game" --headless --dir "$work/game" --no-draw --frames "$last" --input "$work/$input" \
    "${shots[@]}" "$@" 2>"$work/err" || { echo "gallery: the $name run failed:" >&2; cat "$work/err" >&2; exit 1; }
  rm -f "$work/game/option.txt" "$work/game/ranking.txt"
}

# Stage 1 with the shot held, nothing able to hurt the ship.
scene crowd shot 100 550 575 600 -- --play 1 --mode 3
scene caution shot 2350 -- --play 1 --mode 3
scene boss-break shot 2700 2924 2927 2931 2935 -- --play 1 --mode 3
scene bomb bomb 1851 1858 1862 1866 1880 -- --play 1 --mode 3
scene clear shot 3730 3990 -- --play 1 --mode 3
# The barrier held through a dense wave and let go: LASER, ENERGY, AIM.
scene laser barrier 1940 1952 1956 1962 1968 -- --play 1 --mode 3 --weapons 0,0
scene energy barrier 1956 1962 -- --play 1 --mode 3 --weapons 0,1
scene aim barrier 1956 1962 -- --play 1 --mode 3 --weapons 0,2
# Weaving through HUGE bullets until the ship is lost, then GAME OVER.
scene loss weave 1845 1849 1855 1900 -- --play 1 --mode 0 --style 4
# The panel's extra rows: ODDS and DAMAGE, or OMBREZZA.
scene technical shot 600 -- --play 1 --mode 1
scene another shot 600 -- --play 1 --mode 4
# The boss's storm in each bullet style.
for style in 0 1 2 3 4; do
  scene "style$style" shot 2700 -- --play 1 --mode 3 --style "$style"
done
# The later stages.
for stage in 2 3 4; do
  scene "stage$stage" shot 300 900 1500 -- --play "$stage" --mode 3
done

"$game" --headless --dir "$work/game" --gallery "$out/patterns" 2>"$work/err" ||
  { echo "gallery: the pattern sheets failed:" >&2; cat "$work/err" >&2; exit 1; }
echo "gallery: $(find "$out" -name '*.png' | wc -l) pictures in $out"
