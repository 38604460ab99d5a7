#!/usr/bin/env python3
"""The real window under a virtual X server: the shell's keys reach the game,
the caption follows them, the pause holds the game still, F12 saves the
picture, and every way of closing ends the program cleanly.

usage: window_test.py PROGRAM [--dir GAMEDIR] [other program arguments]

Each scenario runs on a fresh copy of GAMEDIR without option.txt and
ranking.txt, so the game starts from its default options (draw 1/1, waiting).
Exits 77 (skipped) when Xvfb or xdotool is missing.
"""
import ctypes
import ctypes.util
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

DEADLINE = time.monotonic() + 150
START_CAPTION = "Flame 1/1  :  Waiting  :  Flame 0"
PAUSED = "  :  Paused"


class Failure(Exception):
    pass


def remaining(step=10):
    left = DEADLINE - time.monotonic()
    if left <= 0:
        raise Failure("gave up: the whole test is limited to 150 s")
    return min(step, left)


def die_with_parent():
    # Should this script be killed outright, its X server and game go too.
    ctypes.CDLL(None).prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG


def start_xvfb():
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
         "-noreset"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
        preexec_fn=die_with_parent)
    os.close(write_end)
    with os.fdopen(read_end, "rb") as f:
        number = f.readline().strip()  # ends at Xvfb's exit if it cannot start
    if not number:
        xvfb.kill()
        raise Failure("Xvfb did not start")
    return xvfb, ":" + number.decode()


class XClientMessageEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class XEvent(ctypes.Union):
    _fields_ = [("message", XClientMessageEvent), ("pad", ctypes.c_long * 24)]


def press_close_button(window):
    """What a window manager sends when the close button is pressed. (xdotool's
    windowclose destroys the window instead, which no player can do.)"""
    x = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XInternAtom.restype = ctypes.c_ulong
    x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                             ctypes.c_void_p]
    x.XCloseDisplay.argtypes = [ctypes.c_void_p]
    dpy = x.XOpenDisplay(None)
    if not dpy:
        raise Failure("cannot open the X display")
    event = XEvent()
    msg = event.message  # a view into the union
    msg.type = 33  # ClientMessage
    msg.window = window
    msg.message_type = x.XInternAtom(dpy, b"WM_PROTOCOLS", 0)
    msg.format = 32
    msg.data[0] = x.XInternAtom(dpy, b"WM_DELETE_WINDOW", 0)
    x.XSendEvent(dpy, window, 0, 0, ctypes.byref(event))
    x.XCloseDisplay(dpy)  # flushes


def focus_elsewhere():
    """Takes the keyboard focus from the game's window, as when the player turns
    to another one: the focus follows the pointer, which leaves the window."""
    x = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XSetInputFocus.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_ulong]
    x.XCloseDisplay.argtypes = [ctypes.c_void_p]
    dpy = x.XOpenDisplay(None)
    if not dpy:
        raise Failure("cannot open the X display")
    x.XSetInputFocus(dpy, 1, 1, 0)  # PointerRoot, RevertToPointerRoot, CurrentTime
    x.XCloseDisplay(dpy)  # flushes


class Game:
    def __init__(self, program, args, game_dir, env):
        self.work = tempfile.mkdtemp(prefix="ombrezza_window_")
        self.dir = None
        if game_dir is not None:
            self.dir = os.path.join(self.work, "game")
            shutil.copytree(game_dir, self.dir, ignore=shutil.ignore_patterns(
                "option.txt", "ranking.txt", "*.debug", "*.rep"))
            args = args + ["--dir", self.dir]
        self.log = open(os.path.join(self.work, "output.txt"), "w+")
        self.proc = subprocess.Popen([program] + args, env=env, cwd=self.work, stdout=self.log,
                                     stderr=subprocess.STDOUT, preexec_fn=die_with_parent)
        self.window = None

    def output(self):
        self.log.flush()
        self.log.seek(0)
        return self.log.read()

    def xdotool(self, *args):
        if self.proc.poll() is not None:
            raise Failure(f"the program ended early with status {self.proc.returncode}")
        run = subprocess.run(["xdotool", *args], capture_output=True, text=True,
                             timeout=remaining(5))
        return run.stdout.strip() if run.returncode == 0 else None

    def wait_for_window(self):
        end = time.monotonic() + remaining()
        while time.monotonic() < end:
            found = self.xdotool("search", "--onlyvisible", "--pid", str(self.proc.pid))
            if found:
                self.window = int(found.split()[0])
                return
            time.sleep(0.1)
        raise Failure("no window appeared")

    def caption(self):
        seen = self.xdotool("getwindowname", str(self.window))
        if seen is None:
            # A slow start may show a short-lived window first (the first
            # found can be gone by now): look the game's window up again.
            found = self.xdotool("search", "--onlyvisible", "--pid", str(self.proc.pid))
            if found:
                self.window = int(found.split()[-1])
                seen = self.xdotool("getwindowname", str(self.window))
        return seen

    def wait_for_caption(self, expected):
        end = time.monotonic() + remaining()
        while (seen := self.caption()) != expected:
            if time.monotonic() > end:
                raise Failure(f"caption {seen!r}, expected {expected!r}")
            time.sleep(0.05)

    def key(self, name):
        # Through the X server's input path, as from a keyboard.
        self.xdotool("windowfocus", "--sync", str(self.window))
        self.xdotool("key", name)

    def press(self, name, frames=8):
        """Holds a game key for a few frames: the game samples the keyboard
        once a frame, so a tap shorter than 20 ms could go unseen; then lets
        go for as long, so the next press is a new one."""
        self.xdotool("windowfocus", "--sync", str(self.window))
        self.xdotool("keydown", name)
        time.sleep(frames * 0.02)
        self.xdotool("keyup", name)
        time.sleep(frames * 0.02)

    def frame_counter(self):
        caption = self.caption() or ""
        try:
            return int(caption.removesuffix(PAUSED).rsplit("Flame ", 1)[1])
        except (IndexError, ValueError):
            raise Failure(f"no frame counter in the caption {caption!r}")

    def wait_for_pause(self, paused):
        end = time.monotonic() + remaining()
        while (self.caption() or "").endswith(PAUSED) != paused:
            if time.monotonic() > end:
                raise Failure(f"caption {self.caption()!r} after 10 s, expected it "
                              f"{'with' if paused else 'without'} {PAUSED!r}")
            time.sleep(0.05)

    def wait_for_exit(self):
        try:
            status = self.proc.wait(timeout=remaining(5))
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end within 5 s")
        if status != 0:
            raise Failure(f"the program ended with status {status}")

    def stop(self):
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()
        self.log.close()
        shutil.rmtree(self.work, ignore_errors=True)


def keys_then_close_button(game):
    game.wait_for_caption(START_CAPTION)
    game.key("F1")
    game.wait_for_caption("Flame 1/2  :  Waiting  :  Flame 0")
    game.key("F2")
    game.wait_for_caption("Flame 1/2  :  No Wait  :  Flame 0")
    press_close_button(game.window)
    game.wait_for_exit()
    # Closing must still run the shut-down that saves the options.
    options = os.path.join(game.dir or "", "option.txt")
    if game.dir and os.path.exists(options):
        with open(options, newline="") as f:
            lines = f.read().split("\r\n")
        if lines[8:10] != ["0", "2"]:
            raise Failure(f"option.txt WAIT and DRAW are {lines[8:10]}, expected 0 and 2")


def full_screen_then_escape(game):
    game.wait_for_caption(START_CAPTION)
    game.key("F5")  # full screen: the caption stands still
    game.key("F1")
    time.sleep(0.3)
    if (seen := game.caption()) != START_CAPTION:
        raise Failure(f"caption changed in full screen: {seen!r}")
    game.key("F5")  # back in the window it follows again
    game.wait_for_caption("Flame 1/2  :  Waiting  :  Flame 0")
    game.key("Escape")
    game.wait_for_exit()


def option_lines(game):
    with open(os.path.join(game.dir, "option.txt"), newline="") as f:
        return f.read().split("\r\n")


def options_menu_saves_draw(game):
    game.wait_for_caption(START_CAPTION)
    for _ in range(3):
        game.press("Down")  # GAMESTART to OPTION
    game.press("z")
    for _ in range(3):
        game.press("Up")  # BUTTON1, EXIT, BULLET, DRAW: the list turns round
    game.press("Right")  # DRAW 1/1 to 1/2
    game.key("Escape")  # leaves the options, saving them
    end = time.monotonic() + remaining(5)
    while option_lines(game)[9] != "2":
        if time.monotonic() > end:
            raise Failure(f"option.txt line 10 is {option_lines(game)[9]!r} after Escape, expected 2")
        time.sleep(0.05)
    game.key("Escape")  # and quits from the title
    game.wait_for_exit()


def game_start_through_weapon_select(game):
    game.wait_for_caption(START_CAPTION)
    game.press("z")  # GAMESTART
    game.press("Right")  # CURVE
    time.sleep(2)  # the demonstration counts its frames in the caption too
    before = game.frame_counter()
    if before < 25:
        raise Failure(f"the weapon select ran only {before} frames in 2 s")
    game.press("z")  # into play: the stage starts counting from 0
    after = game.frame_counter()
    if after >= before:
        raise Failure(f"the caption went on from {before} to {after}: no stage started")
    time.sleep(0.5)
    if game.frame_counter() <= after:
        raise Failure("the play frame counter stands still")
    game.key("Escape")  # back to the title
    game.key("Escape")  # and out
    game.wait_for_exit()


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        raise Failure(f"{path} is not a PNG")
    return int.from_bytes(head[16:20], "big"), int.from_bytes(head[20:24], "big")


def wait_for_screenshots(game, count):
    folder = os.path.join(game.dir, "screenshots")
    end = time.monotonic() + remaining(5)
    while True:
        names = sorted(os.listdir(folder)) if os.path.isdir(folder) else []
        done = [n for n in names if n.startswith("ombrezza-") and n.endswith(".png")]
        if len(done) >= count:
            return [os.path.join(folder, n) for n in done]
        if time.monotonic() > end:
            raise Failure(f"{len(done)} screenshots in {folder} after F12, expected {count}")
        time.sleep(0.05)


def f12_saves_the_picture(game):
    game.wait_for_caption(START_CAPTION)
    game.key("F12")
    [path] = wait_for_screenshots(game, 1)
    if (size := png_size(path)) != (640, 480):
        raise Failure(f"the screenshot is {size[0]} x {size[1]}")
    said = [line for line in game.output().splitlines() if "ombrezza: screenshot saved to " in line]
    if not said or not said[0].endswith(os.path.basename(path)):
        raise Failure("the program did not say where the screenshot went")
    game.wait_for_caption(START_CAPTION)  # the game runs on
    game.key("Escape")
    game.wait_for_exit()


def p_pauses_play(game):
    game.wait_for_caption(START_CAPTION)
    game.press("z")  # GAMESTART
    game.press("z")  # into play
    time.sleep(0.3)
    game.key("p")
    game.wait_for_pause(True)
    held = game.frame_counter()
    time.sleep(0.6)
    if (now := game.frame_counter()) != held:
        raise Failure(f"the frame counter went on from {held} to {now} while paused")
    game.key("F12")  # works while paused too
    wait_for_screenshots(game, 1)
    game.key("p")
    game.wait_for_pause(False)
    time.sleep(0.5)
    if game.frame_counter() <= held:
        raise Failure("the frame counter stands still after the pause")
    game.key("Escape")  # back to the title
    game.key("Escape")  # and out
    game.wait_for_exit()


def focus_loss_pauses(game):
    game.wait_for_caption(START_CAPTION)
    game.xdotool("windowfocus", "--sync", str(game.window))
    game.xdotool("mousemove", "0", "0")  # far outside the window
    focus_elsewhere()
    game.wait_for_pause(True)
    game.xdotool("windowfocus", "--sync", str(game.window))
    game.wait_for_pause(False)
    game.key("Escape")
    game.wait_for_exit()


def signalled(sig):
    def scenario(game):
        game.wait_for_caption(START_CAPTION)
        game.proc.send_signal(sig)
        game.wait_for_exit()
    return scenario


SCENARIOS = [
    ("F1, F2, then the close button", keys_then_close_button),
    ("F5, F1, F5, then Escape on the title", full_screen_then_escape),
    ("title, OPTION, DRAW 1/2, Escape: option.txt saved", options_menu_saves_draw),
    ("title, GAMESTART, weapon select, play", game_start_through_weapon_select),
    ("F12 on the title: a 640 x 480 PNG in screenshots/", f12_saves_the_picture),
    ("P in play: paused, counter still, F12, P: it runs again", p_pauses_play),
    ("the focus elsewhere pauses, back again goes on", focus_loss_pauses),
    ("SIGTERM", signalled(signal.SIGTERM)),
    ("SIGINT", signalled(signal.SIGINT)),
]


def main(argv):
    if len(argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    for tool in ("Xvfb", "xdotool"):
        if shutil.which(tool) is None:
            print(f"skipped: {tool} is not installed", file=sys.stderr)
            return 77
    program, args, game_dir = os.path.abspath(argv[1]), argv[2:], None
    if "--dir" in args:
        i = args.index("--dir")
        game_dir = os.path.abspath(args[i + 1])
        del args[i:i + 2]
        if not os.path.isdir(game_dir):
            print(f"no game directory {game_dir}: build the game first", file=sys.stderr)
            return 1

    xvfb, display = start_xvfb()
    os.environ["DISPLAY"] = display  # for xdotool as well as the game
    env = {k: v for k, v in os.environ.items() if k != "OMBREZZA_DEBUG"}
    env.update(SDL_VIDEODRIVER="x11", SDL_AUDIODRIVER="disk", SDL_DISKAUDIOFILE="/dev/null")
    # In a sanitized build: the real window loads the system's display and
    # D-Bus libraries, some of them unloaded again before exit, and what they
    # keep is not the game's leak (and cannot be named in a suppression once
    # unloaded). Every other test checks the game's own memory.
    env["ASAN_OPTIONS"] = ":".join(filter(None, [env.get("ASAN_OPTIONS", ""), "detect_leaks=0"]))
    failed = 0
    try:
        for name, scenario in SCENARIOS:
            game = Game(program, args, game_dir, env)
            try:
                game.wait_for_window()
                scenario(game)
                print(f"ok: {name}")
            except (Failure, subprocess.TimeoutExpired) as e:
                failed += 1
                print(f"FAILED: {name}: {e}\n--- program output ---\n{game.output()}---",
                      file=sys.stderr)
            finally:
                game.stop()
    finally:
        xvfb.kill()
        xvfb.wait()
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
