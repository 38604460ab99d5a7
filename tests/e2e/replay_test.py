#!/usr/bin/env python3
"""A live game through the real menus, saved as a replay, verified and played
back, all headless.

usage: replay_test.py PROGRAM GAMEDIR [OTHER_PROGRAM]

The game is played from the title (GAMESTART, the weapon select, play until
the ship is lost), then the result screen saves it (YES, AUTO, OK, YES) into
slot 0. `--verify-replay 0` must pass, also with OTHER_PROGRAM (another build
of the game) when given, both ways; the slot chosen on the replay select
screen must play back to the very state the live game was in; and a replay
whose stage file lost one word or whose state hash was changed must fail
verification.
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile

LEFT, UP, RIGHT, DOWN, SHOT, BOMB, BARRIER = 1, 2, 4, 8, 16, 32, 64

# Weaving, shooting and bombing, then standing still until the ship is lost.
PLAY = [(60, UP | SHOT), (40, LEFT | SHOT), (80, RIGHT | SHOT | BARRIER), (30, 0), (5, BOMB),
        (100, DOWN | SHOT), (120, LEFT | SHOT | BARRIER), (50, SHOT), (5, BOMB), (200, UP | LEFT | SHOT),
        (400, UP | RIGHT | SHOT), (12000, 0)]
# Keys that differ between the two runs of a game: the menus' own, and the
# stage lengths, which a live game fills in as each stage ends while playback
# has them all from the start.
NOT_COMPARED = {"GameState", "MenuX", "MenuY", "MarqueeOffset", "ReplayPlaying", "ReplaySlot"} | {
    f"ReplayStageLength.{k}" for k in range(5)}


class Failure(Exception):
    pass


def press(word):
    """A new press held for two frames, then three frames of nothing."""
    return [(2, word), (3, 0)]


def script_text(lines):
    return "".join(f"{count} {word}\n" for count, word in lines)


def frames_of(lines):
    return sum(count for count, _ in lines)


class Game:
    def __init__(self, program, source_dir, work):
        self.program = program
        self.dir = os.path.join(work, "game")
        shutil.copytree(source_dir, self.dir, ignore=shutil.ignore_patterns(
            "option.txt", "ranking.txt", "*.debug", "*.rep", "*.bad*"))
        self.work = work

    def run(self, lines, frames, dumps=(), program=None):
        path = os.path.join(self.work, "input.txt")
        with open(path, "w") as f:
            f.write(script_text(lines))
        args = [program or self.program, "--headless", "--no-draw", "--dir", self.dir,
                "--frames", str(frames), "--input", path]
        for n in dumps:
            args += ["--dump", f"{n}:{os.path.join(self.work, f'{n}.json')}"]
        run = subprocess.run(args, capture_output=True, text=True, timeout=300)
        if run.returncode != 0:
            raise Failure(f"the game ended with {run.returncode}: {run.stderr}")
        return {n: self.dump(n) for n in dumps}

    def dump(self, n):
        with open(os.path.join(self.work, f"{n}.json")) as f:
            return json.load(f)

    def verify(self, program=None):
        run = subprocess.run([program or self.program, "--headless", "--dir", self.dir,
                              "--verify-replay", "0"], capture_output=True, text=True, timeout=300)
        return run.returncode, run.stdout + run.stderr


def play_offset(dumps):
    """Frame-routine calls minus StageFrame during stage 1's play."""
    for n, d in sorted(dumps.items()):
        if d["GameState"] == 10 and d["Stage"] == 1 and d["StageFrame"] > 0:
            return n - d["StageFrame"]
    raise Failure("no play frame of stage 1 among the dumps")


def live_game(game):
    """Plays from the title to the ship's end; returns the script up to the
    last play frame and that frame's dump."""
    menus = [(5, 0)] + press(SHOT) + press(SHOT)  # GAMESTART, then TILT and LASER
    lines = menus + PLAY
    total = frames_of(lines)
    probes = list(range(100, total, 100))
    dumps = game.run(lines, total, probes)
    for n in probes:
        if dumps[n]["GameState"] != 10:
            raise Failure(f"not in play at frame {n}")
        if dumps[n]["GameOverTimer"] > 60:
            break
    else:
        raise Failure("the ship was never lost")
    # Stand still up to frame n, then press the shot button: the result.
    kept, count = [], 0
    for c, w in lines:
        take = min(c, n - count)
        if take > 0:
            kept.append((take, w))
        count += take
    return kept, n, dumps[n], play_offset(dumps)


def save_replay(game, kept, last, lead=()):
    """The result after the play script `kept` (and `lead`, frames that let
    go of a held button): YES, AUTO, OK, YES into slot 0."""
    lead = list(lead)
    last += frames_of(lead)
    result = (lead + press(SHOT)  # game over: to the result
              + press(SHOT)  # "SAVE YOUR REPLAY?" YES
              + press(SHOT)  # AUTO
              + press(DOWN) * 4 + press(SHOT)  # OK
              + press(SHOT)  # "OK?" YES: saved, back to the title
              + [(5, 0)])
    lines = kept + result
    end = frames_of(lines)
    dumps = game.run(lines, end, [last + 3, end])
    if dumps[last + 3]["GameState"] != 11:
        raise Failure("the shot button after game over did not lead to the result")
    if dumps[end]["GameState"] != 0:
        raise Failure(f"not back on the title after saving: state {dumps[end]['GameState']}")
    names = sorted(os.listdir(os.path.join(game.dir, "replay")))
    if "Replay0_sys.rep" not in names or "Repsys.rep" in names:
        raise Failure(f"slot 0 was not saved: {names}")


def play_back(game, live, live_offset):
    """The replay select screen plays slot 0; the state at the live game's
    last play frame must be the same."""
    menus = [(5, 0)] + press(DOWN) + press(SHOT)  # REPLAY
    menus += press(DOWN) + press(SHOT)  # slot 0, then the presentation
    start = frames_of(menus) + 260
    probe = game.run(menus, start + 50, [start + 40])
    offset = play_offset(probe)
    target = live["StageFrame"] + offset
    played = game.run(menus, target, [target])[target]
    if not played["ReplayPlaying"]:
        raise Failure("the replay select screen did not start playback")
    differ = [k for k in live if k not in NOT_COMPARED and live[k] != played.get(k)]
    if differ:
        raise Failure(f"playback differs from the live game in {differ[:8]}")


def state_hash_checked(game):
    """The summary keeps the hash of the last play frame's state: another
    value fails verification, and 0, as older replays hold, is not checked."""
    path = os.path.join(game.dir, "replay", "Replay0_sys.rep")
    with open(path, newline="") as f:
        fields = f.read().split("\r\n")
    stored = int(fields[29])
    if stored <= 0:
        raise Failure(f"the summary holds no state hash: {stored}")
    for value, want in ((stored ^ 1, 1), (0, 0), (stored, 0)):
        fields[29] = str(value)
        with open(path, "w", newline="") as f:
            f.write("\r\n".join(fields))
        status, output = game.verify()
        if status != want or (want == 1 and f"state hash: stored {value}," not in output):
            raise Failure(f"state hash {value} verified with status {status}: {output}")


def damaged_stage_fails(game):
    path = os.path.join(game.dir, "replay", "Replay0_1.rep")
    with open(path, newline="") as f:
        words = f.read().split("\r\n")
    # One word: a bomb pressed where none was, while a bomb is left.
    i = len(words) // 2
    while int(words[i]) & BOMB or int(words[i - 1]) & BOMB:
        i += 1
    words[i] = str(int(words[i]) | BOMB)
    with open(path, "w", newline="") as f:
        f.write("\r\n".join(words))
    status, output = game.verify()
    if status != 1:
        raise Failure(f"a replay with an edited word verified with status {status}: {output}")


def main(argv):
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    program, source = os.path.abspath(argv[1]), os.path.abspath(argv[2])
    other = os.path.abspath(argv[3]) if len(argv) > 3 else None
    work = tempfile.mkdtemp(prefix="ombrezza_replay_")
    try:
        game = Game(program, source, work)
        kept, last, live, live_offset = live_game(game)
        save_replay(game, kept, last)
        for who in [program] + ([other] if other else []):
            status, output = game.verify(who)
            if status != 0:
                raise Failure(f"--verify-replay 0 with {who} gave {status}: {output}")
        play_back(game, live, live_offset)
        if other:  # and the other way round: recorded by the other build
            other_game = Game(other, source, os.path.join(work, "other"))
            os.makedirs(other_game.work, exist_ok=True)
            kept, last, _, _ = live_game(other_game)
            save_replay(other_game, kept, last)
            status, output = other_game.verify(program)
            if status != 0:
                raise Failure(f"a replay of {other} does not verify with {program}: {output}")
        state_hash_checked(game)
        damaged_stage_fails(game)
    except (Failure, subprocess.TimeoutExpired) as e:
        print(f"FAILED: {e}", file=sys.stderr)
        return 1
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print("replay: saved through the menus, verified and played back alike")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
