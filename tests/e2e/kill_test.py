#!/usr/bin/env python3
"""Killing the game with SIGKILL in the middle of a burst of saves leaves
every option, ranking and replay file whole: the old one or the new one,
never a cut-off one.

usage: kill_test.py PROGRAM GAMEDIR

The game runs headless through a loop that saves as often as it can: the
options screen left by Escape (option.txt) with RANKINGCLEAR set
(ranking.txt), and a game started and left (replay/Repsys.rep). It is
killed after a different short time in each round; then every file is read.
"""
import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile
import time

DOWN, RIGHT, SHOT = 8, 4, 16
ROUNDS = 25


def press(word):
    return f"2 {word}\n3 0\n"


def burst():
    """One turn round the menus, saving three files."""
    text = "3 0\n" + press(DOWN) * 3 + press(SHOT)  # OPTION
    text += press(DOWN) * 8 + press(RIGHT)  # RANKINGCLEAR YES
    text += "key Escape\n3 0\n"  # saves the options and resets the ranking
    text += press(SHOT) + press(SHOT) + "20 0\n"  # GAMESTART: the replay summary
    text += "key Escape\n3 0\n"
    return text


def whole(path, lines):
    """A file of exactly `lines` CR LF lines of decimal integers."""
    with open(path, "rb") as f:
        data = f.read()
    if not data.endswith(b"\r\n"):
        return False
    rows = data[:-2].split(b"\r\n")
    return len(rows) == lines and all(r.lstrip(b"-").isdigit() for r in rows)


def main(argv):
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    program, source = os.path.abspath(argv[1]), os.path.abspath(argv[2])
    work = tempfile.mkdtemp(prefix="ombrezza_kill_")
    rng = random.Random(7)
    try:
        game = os.path.join(work, "game")
        shutil.copytree(source, game, ignore=shutil.ignore_patterns(
            "option.txt", "ranking.txt", "*.debug", "*.rep", "*.bad*"))
        script = os.path.join(work, "input.txt")
        with open(script, "w") as f:
            f.write(burst() * 400)
        # A first run to its end writes every file once: from then on each
        # file must always be there, old or new.
        subprocess.run([program, "--headless", "--no-draw", "--dir", game, "--frames", "200",
                        "--input", script], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       check=True, timeout=60)
        for n in range(ROUNDS):
            proc = subprocess.Popen([program, "--headless", "--no-draw", "--dir", game,
                                     "--frames", "1000000", "--input", script],
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            time.sleep(0.05 + rng.random() * 0.6)
            proc.send_signal(signal.SIGKILL)
            proc.wait()
            expected = {"option.txt": 16, "ranking.txt": 150,
                        os.path.join("replay", "Repsys.rep"): 31}
            for name, lines in expected.items():
                path = os.path.join(game, name)
                if not os.path.exists(path):
                    print(f"FAILED: round {n}: {name} is missing", file=sys.stderr)
                    return 1
                if not whole(path, lines):
                    print(f"FAILED: round {n}: {name} is cut off or damaged", file=sys.stderr)
                    return 1
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print(f"kill: {ROUNDS} rounds killed mid-burst, every file whole")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
