#!/usr/bin/env python3
"""A whole game, four stages to "ALL CLEAR!", through the real menus, saved as
a replay, verified and played back, all headless.

usage: whole_game_test.py PROGRAM GAMEDIR [OTHER_PROGRAM]

With the game mode THEATER in the options (the ship survives everything), the
title's GAMESTART and the weapon select lead into stage 1, and the shot is held
until "ALL CLEAR!" and the end of the game; the result saves it (YES, AUTO, OK,
YES) into slot 0. `--verify-replay 0` must pass in this build and, given
OTHER_PROGRAM, in the other one, with a game recorded by either; the slot's
summary must say the game was cleared ("STAGE  ALL" on the replay select
screen); and played back from that screen it must reach the very states the
live game had near the end of each stage and at its last play frame.
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from replay_test import (DOWN, NOT_COMPARED, SHOT, Failure, Game, frames_of,  # noqa: E402
                         play_offset, press, save_replay)

# The default options with the game mode (line 8) THEATER.
THEATER_OPTIONS = "0\r\n1\r\n2\r\n3\r\n3\r\n3\r\n1\r\n3\r\n1\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"
PLAY = [(45000, SHOT)]  # held from the start place: every boss falls or runs out of time
PROBE_EVERY = 250
# The words sampled at the end of a frame: a live game's are the keys held,
# while playback takes the recorded word in their place at the next frame.
SAMPLED = {"PadNow", "PadPrev", "ButtonsNow", "ButtonsPrev", "AxisX", "AxisY", "AxisXPrev", "AxisYPrev"}


def theater_game(program, source, work):
    game = Game(program, source, work)
    with open(os.path.join(game.dir, "option.txt"), "w", newline="") as f:
        f.write(THEATER_OPTIONS)
    return game


def live_game(game):
    """Plays from the title to the end after the all clear; returns the script
    up to the last play frame, that frame, the dumps to compare with playback
    (near the end of each stage, and the last) and the play offset."""
    menus = [(5, 0)] + press(SHOT) + press(SHOT)  # GAMESTART, then TILT and LASER
    lines = menus + PLAY
    total = frames_of(lines)
    probes = list(range(PROBE_EVERY, total, PROBE_EVERY))
    dumps = game.run(lines, total, probes)
    compared, last = {}, None
    for n in probes:
        d = dumps[n]
        if d["GameState"] != 10:
            raise Failure(f"not in play at frame {n}")
        if d["GameMode"] != 3:
            raise Failure("the game is not in THEATER mode")
        compared[d["Stage"]] = n  # the last probe of each stage
        if d["AllClear"] and d["GameOverTimer"] > 60:
            last = n
            break
        if d["AllClear"]:
            compared["all clear"] = n
    if last is None:
        raise Failure("the game never reached the end after the all clear")
    stages = sorted(k for k in compared if k != "all clear")
    if stages != [1, 2, 3, 4] or "all clear" not in compared:
        raise Failure(f"the game went through stages {stages} (all clear: {'all clear' in compared})")
    kept, count = [], 0
    for c, w in lines:
        take = min(c, last - count)
        if take > 0:
            kept.append((take, w))
        count += take
    points = {n: dumps[n] for n in compared.values()}
    points[last] = dumps[last]
    return kept, last, points, play_offset(dumps)


def text_row(dump, y):
    """The text the screen shows on row y, read from the dump's glyphs."""
    glyphs = sorted((x, shape) for i, x, gy, shape, _ in dump["Sprites"] if 1 <= i <= 300 and gy == y)
    if not glyphs:
        return ""
    left = glyphs[0][0]
    row = [" "] * ((glyphs[-1][0] - left) // 16 + 1)
    for x, shape in glyphs:
        row[(x - left) // 16] = chr(shape + 32)
    return "".join(row).rstrip()


def summary_says_cleared(game):
    path = os.path.join(game.dir, "replay", "Replay0_sys.rep")
    with open(path, newline="") as f:
        fields = [int(v) for v in f.read().split("\r\n") if v]
    start, last, cleared = fields[17], fields[18], fields[21]
    if (start, last, cleared) != (1, 4, 1):
        raise Failure(f"the summary holds stages {start} to {last}, cleared {cleared}")
    menus = [(5, 0)] + press(DOWN) + press(SHOT) + press(DOWN)  # REPLAY, slot 0 under the cursor
    end = frames_of(menus) + 10
    shown = text_row(game.run(menus, end, [end])[end], 384)
    if shown != "STAGE  ALL":
        raise Failure(f"the replay select screen shows {shown!r} for a cleared game")


def play_back(game, points, live_offset):
    """The replay select screen plays slot 0: at the frames of the live game's
    compared dumps, playback must be in the same state. From the 50th frame
    after the all clear the live game has entered the ranking, which a replay
    never does: its place and the line that shows it are the live game's alone."""
    menus = [(5, 0)] + press(DOWN) + press(SHOT)  # REPLAY
    menus += press(DOWN) + press(SHOT)  # slot 0, then the presentation
    start = frames_of(menus) + 260
    offset = play_offset(game.run(menus, start + 50, [start + 40]))
    targets = {n: n - live_offset + offset for n in points}
    played = game.run(menus, max(targets.values()), list(targets.values()))
    for n, live in points.items():
        replayed = played[targets[n]]
        if not replayed["ReplayPlaying"]:
            raise Failure("the replay select screen did not start playback")
        skipped = NOT_COMPARED | SAMPLED | ({"RankResult", "Sprites"} if live["GameOverTimer"] >= 50 else set())
        differ = [k for k in live if k not in skipped and live[k] != replayed.get(k)]
        if differ:
            raise Failure(f"stage {live['Stage']}, frame {live['StageFrame']}: playback differs in {differ[:8]}")


def record(program, source, work):
    game = theater_game(program, source, work)
    kept, last, points, offset = live_game(game)
    save_replay(game, kept, last, lead=[(3, 0)])  # the shot was held: let go first
    return game, points, offset


def main(argv):
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    program, source = os.path.abspath(argv[1]), os.path.abspath(argv[2])
    other = os.path.abspath(argv[3]) if len(argv) > 3 else None
    work = tempfile.mkdtemp(prefix="ombrezza_whole_game_")
    try:
        game, points, offset = record(program, source, work)
        for who in [program] + ([other] if other else []):
            status, output = game.verify(who)
            if status != 0:
                raise Failure(f"--verify-replay 0 with {who} gave {status}: {output}")
        summary_says_cleared(game)
        play_back(game, points, offset)
        if other:  # and the other way round: recorded by the other build
            other_work = os.path.join(work, "other")
            os.makedirs(other_work)
            other_game, _, _ = record(other, source, other_work)
            status, output = other_game.verify(program)
            if status != 0:
                raise Failure(f"a whole game of {other} does not verify with {program}: {output}")
    except (Failure, subprocess.TimeoutExpired, json.JSONDecodeError) as e:
        print(f"FAILED: {e}", file=sys.stderr)
        return 1
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print("whole game: four stages to the all clear, saved, verified and played back alike")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
