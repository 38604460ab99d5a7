#!/usr/bin/env python3
"""An installed game reads its assets from PREFIX/share/ombrezza and keeps the
player's files in their data home, writing nothing into the installation nor
where it was started from.

usage: install_test.py CMAKE BUILDDIR

The build is installed into a temporary prefix with `cmake --install`, and the
installed program is run headless from another directory: once with
XDG_DATA_HOME set, once without it (the files go to ~/.local/share/ombrezza).
The desktop entry, the software centres' metadata and the manual page must
pass their validators. Then `cpack -G DEB` packages the build; as root the
package is installed with dpkg, started headless from /usr/bin, and removed.
"""
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import zlib


def fail(message):
    print(message, file=sys.stderr)
    sys.exit(1)


def tree(root):
    """Every file under root with its size and modification time."""
    found = {}
    for dirpath, _, files in os.walk(root):
        for name in files:
            path = os.path.join(dirpath, name)
            st = os.stat(path)
            found[os.path.relpath(path, root)] = (st.st_size, st.st_mtime_ns)
    return found


def png_has_light(path):
    """Whether a PNG has any pixel that is not black: decoded rows of an all
    black picture hold nothing but their filter bytes."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        fail(f"{path} is not a PNG")
    pos, idat, height = 8, b"", 0
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            height = struct.unpack(">I", body[4:8])[0]
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw = zlib.decompress(idat)
    return sum(1 for b in raw if b) > height


def run_installed(prefix, cwd, env, shot):
    result = subprocess.run(
        [os.path.join(prefix, "bin", "ombrezza"), "--headless", "--frames", "60",
         "--screenshot", f"60:{shot}"],
        cwd=cwd, env=env, capture_output=True, text=True, timeout=120)
    if result.returncode != 0:
        fail(f"the installed game failed ({result.returncode}):\n{result.stderr}")
    # A game that finds all its files has nothing to report.
    if result.stderr.strip():
        fail(f"the installed game complained:\n{result.stderr}")
    if not png_has_light(shot):
        fail("the installed game drew a black screen: it did not find its pictures")


MANUAL = "share/man/man6/ombrezza.6"
METAINFO = "share/metainfo/org.ombrezza.ombrezza.metainfo.xml"


def checked(args, what):
    """Runs a validator; anything it says is a failure."""
    result = subprocess.run(args, capture_output=True, text=True, timeout=120)
    said = (result.stdout + result.stderr).strip()
    if result.returncode != 0 or (said and "Validation was successful" not in said):
        fail(f"{what} does not validate:\n{said}")


def validate(prefix):
    checked(["desktop-file-validate", os.path.join(prefix, "share/applications/ombrezza.desktop")],
            "the desktop entry")
    checked(["appstreamcli", "validate", "--no-net", "--pedantic", os.path.join(prefix, METAINFO)],
            "the metadata")
    checked(["groff", "-man", "-ww", "-z", os.path.join(prefix, MANUAL)], "the manual page")


def debian_package(cmake, build, work):
    """`cpack -G DEB` packages what `make install` installs, under /usr; as
    root it installs with dpkg, starts from /usr/bin and is removed again."""
    cpack = os.path.join(os.path.dirname(cmake), "cpack")
    out = os.path.join(work, "deb")
    subprocess.run([cpack, "-G", "DEB", "--config", os.path.join(build, "CPackConfig.cmake"), "-B", out],
                   check=True, stdout=subprocess.DEVNULL)
    debs = [f for f in os.listdir(out) if f.endswith(".deb")]
    if len(debs) != 1:
        fail(f"cpack made {debs}")
    deb = os.path.join(out, debs[0])
    listing = subprocess.run(["dpkg-deb", "-c", deb], check=True, capture_output=True, text=True).stdout
    for rel in ("usr/bin/ombrezza", "usr/share/ombrezza/cg.qda", "usr/" + MANUAL, "usr/" + METAINFO):
        if "./" + rel not in listing:
            fail(f"the package lacks /{rel}")
    if os.geteuid() != 0 or shutil.which("dpkg") is None:
        print(f"not root: {debs[0]} was built and listed, not installed")
        return
    subprocess.run(["dpkg", "-i", deb], check=True, stdout=subprocess.DEVNULL)
    try:
        home = os.path.join(work, "deb-home")
        os.makedirs(home)
        env = dict(os.environ, HOME=home, XDG_DATA_HOME=os.path.join(home, "data"))
        run_installed("/usr", home, env, os.path.join(work, "deb-shot.png"))
    finally:
        subprocess.run(["dpkg", "-r", "ombrezza"], check=True, stdout=subprocess.DEVNULL)


def main():
    cmake, build = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory() as work:
        prefix = os.path.join(work, "prefix")
        subprocess.run([cmake, "--install", build, "--prefix", prefix],
                       check=True, stdout=subprocess.DEVNULL)
        share = os.path.join(prefix, "share")
        wanted = ["bin/ombrezza", "share/ombrezza/cg.qda", "share/ombrezza/midi/midi.txt",
                  "share/ombrezza/wave/hit01.wav", "share/applications/ombrezza.desktop",
                  "share/icons/hicolor/64x64/apps/ombrezza.png",
                  "share/icons/hicolor/256x256/apps/ombrezza.png", MANUAL, METAINFO]
        for rel in wanted:
            if not os.path.isfile(os.path.join(prefix, rel)):
                fail(f"the installation lacks {rel}")
        with open(os.path.join(share, "ombrezza", "midi", "midi.txt")) as f:
            for tune in filter(None, (line.strip() for line in f)):
                if not os.path.isfile(os.path.join(share, "ombrezza", "midi", tune)):
                    fail(f"midi.txt names {tune}, which is not installed")
        validate(prefix)
        installed = tree(prefix)
        for rel in installed:
            if os.path.basename(rel) in ("option.txt", "ranking.txt") or rel.split(os.sep)[-2:-1] == ["replay"]:
                fail(f"a player's file was installed: {rel}")

        elsewhere = os.path.join(work, "elsewhere")
        home = os.path.join(work, "home")
        xdg = os.path.join(work, "xdg")
        os.makedirs(elsewhere)
        os.makedirs(home)
        env = dict(os.environ, HOME=home, XDG_DATA_HOME=xdg)

        shot = os.path.join(work, "shot.png")
        run_installed(prefix, elsewhere, env, shot)
        data = os.path.join(xdg, "ombrezza")
        for rel in ("option.txt", "ranking.txt"):
            if not os.path.isfile(os.path.join(data, rel)):
                fail(f"no {rel} in {data}")
        if not os.path.isdir(os.path.join(data, "replay")):
            fail(f"no replay/ in {data}")
        if tree(prefix) != installed:
            fail("the game wrote into its installation")
        if os.listdir(elsewhere):
            fail(f"the game wrote where it was started: {os.listdir(elsewhere)}")
        if os.listdir(home):
            fail("with XDG_DATA_HOME set, the game wrote into the home")

        # The next start keeps the player's options.
        option = os.path.join(data, "option.txt")
        with open(option, "rb") as f:
            saved = f.read()
        run_installed(prefix, elsewhere, env, shot)
        with open(option, "rb") as f:
            if f.read() != saved:
                fail("a second start changed option.txt")

        # Without XDG_DATA_HOME: ~/.local/share/ombrezza.
        del env["XDG_DATA_HOME"]
        run_installed(prefix, elsewhere, env, shot)
        local = os.path.join(home, ".local", "share", "ombrezza")
        if not os.path.isfile(os.path.join(local, "option.txt")):
            fail(f"without XDG_DATA_HOME, no option.txt in {local}")
        if tree(prefix) != installed or os.listdir(elsewhere):
            fail("the game wrote outside its data folder")
        debian_package(cmake, build, work)
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main()
