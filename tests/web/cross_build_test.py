#!/usr/bin/env python3
"""The node build is the native game to the bit: both write byte-identical
state dumps over a whole run of every stage (THEATER, the shot held, from
--play STAGE until the next stage begins, or for the last one until the game
has ended after "ALL CLEAR!") and over the busy input of tests/e2e with every
pair of weapons, and the same files beside them.

usage: cross_build_test.py NATIVE_PROGRAM GAMEDIR NODE_PROGRAM
"""
import filecmp
import json
import os
import shutil
import subprocess
import sys
import tempfile

SHOT = 16
STAGES = 4
STAGE_FRAMES = 20000  # more than any stage lasts in THEATER with the shot held
DUMP_EVERY = 500
BUSY_INPUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e", "busy_input.txt")


class Failure(Exception):
    pass


def fresh_game(source, work, name):
    """The generated assets, and none of a player's files."""
    path = os.path.join(work, name)
    os.makedirs(os.path.join(path, "replay"))
    shutil.copy(os.path.join(source, "cg.qda"), path)
    for folder in ("wave", "midi"):
        shutil.copytree(os.path.join(source, folder), os.path.join(path, folder))
    return path


def run(program, game, args, frames, every, work, name):
    """Runs headless, dumping every `every` frames and at the last; returns
    the dump files' paths by frame."""
    dumps = {n: os.path.join(work, f"{name}-{n}.json") for n in list(range(every, frames, every)) + [frames]}
    command = [program, "--headless", "--no-draw", "--dir", game, "--frames", str(frames)] + args
    for n, path in dumps.items():
        command += ["--dump", f"{n}:{path}"]
    done = subprocess.run(command, capture_output=True, text=True, timeout=600)
    if done.returncode != 0:
        raise Failure(f"{' '.join(command[:8])} ... ended with {done.returncode}: {done.stderr}")
    return dumps


def compare(native, node, source, work, name, args, frames, every):
    """Both builds from fresh game directories: the dumps and the files the
    game left must be the same bytes. Returns the native build's last dump."""
    dirs = {who: fresh_game(source, work, f"{name}-{who}") for who in ("native", "node")}
    mine = run(native, dirs["native"], args, frames, every, work, f"{name}-native")
    theirs = run(node, dirs["node"], args, frames, every, work, f"{name}-node")
    for n in mine:
        if not filecmp.cmp(mine[n], theirs[n], shallow=False):
            a, b = (json.load(open(p)) for p in (mine[n], theirs[n]))
            differ = [k for k in a if a[k] != b.get(k)]
            raise Failure(f"{name}: the dumps of frame {n} differ in {differ[:8]}")
    left = filecmp.dircmp(dirs["native"], dirs["node"])
    if left.diff_files or left.left_only or left.right_only:
        raise Failure(f"{name}: the files the game left differ: {left.diff_files + left.left_only + left.right_only}")
    with open(mine[frames]) as f:
        return json.load(f)


def main(argv):
    if len(argv) != 4:
        print(__doc__, file=sys.stderr)
        return 2
    native, source, node = (os.path.abspath(a) for a in argv[1:])
    work = tempfile.mkdtemp(prefix="ombrezza_cross_")
    try:
        held = os.path.join(work, "shot.txt")
        with open(held, "w") as f:
            f.write(f"{STAGE_FRAMES} {SHOT}\n")
        for stage in range(1, STAGES + 1):
            last = compare(native, node, source, work, f"stage{stage}",
                           ["--play", str(stage), "--mode", "3", "--input", held], STAGE_FRAMES, DUMP_EVERY)
            ended = last["Stage"] > stage if stage < STAGES else last["AllClear"] and last["GameOverTimer"] > 60
            if not ended:
                raise Failure(f"stage {stage} did not end within {STAGE_FRAMES} frames: "
                              f"stage {last['Stage']}, frame {last['StageFrame']}")
        for weapons in ("0,0", "1,1", "2,2"):
            compare(native, node, source, work, f"busy{weapons}",
                    ["--play", "1", "--weapons", weapons, "--input", BUSY_INPUT], 3001, 250)
    except (Failure, subprocess.TimeoutExpired) as e:
        print(f"FAILED: {e}", file=sys.stderr)
        return 1
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print(f"node and native: the same dumps over every stage of {STAGES} and the busy input, and the same files")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
