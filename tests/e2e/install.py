#!/usr/bin/env python3
"""End-to-end: self-installation and uninstallation, read back with Wine's reg and lnkinfo, and
the release zip installed as a user gets it."""

import filecmp
import hashlib
import os
import sys
import zipfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
from harness import *  # noqa: F401,F403,E402


# The browser's helpers before the installation: other programs' (a scanner with arguments, a
# quoted path with a blank), an empty one, and the five types listed.
TYPES = ["application/msdos-windows", "application/zip", "application/octet-stream",
         "application/x-zip-compressed", "multipart/x-zip"]
HELPERS_BEFORE = {**{f"TYPE{n}": t for n, t in enumerate(TYPES)}, "application/msdos-windows": "C:\\Other\\o.exe",
                  "application/zip": '"C:\\AV\\NAVW32.EXE" /a /b', "application/octet-stream": "",
                  "application/x-zip-compressed": '"C:\\Program Files\\Other\\o.exe" %1',
                  "multipart/x-zip": "C:\\Other\\o.exe"}


def unix_path(path):
    return drive_c(*path[3:].split("\\"))


def install_with_defaults_then_uninstall(p):
    folder = drive_c("Program Files", "Brisk Download")
    shutil.rmtree(folder, ignore_errors=True)
    forget_uninstall_entry()
    reg_add(VIEWERS, HELPERS_BEFORE, replace=True)
    with open(p.path("readme.txt"), "w") as f:
        f.write("readme")
    r = p.robot
    for again in (False, True):  # installing over its own installation keeps what the first one kept
        if again:  # except for a type emptied since: nothing is left to give back
            reg_add(VIEWERS, {"application/msdos-windows": ""})
        p.start("")
        expect(r.box(ASK, IDYES) == INSTALL_QUESTION, "the install question")
        expect(r.shown(PRODUCT), "the folder dialog did not appear")
        expect(r("text", PRODUCT, 4091) == "Install Brisk Download in the following folder:", "the folder prompt")
        expect(r("text", PRODUCT, 4090) == "C:\\Program Files\\Brisk Download", "the default folder")
        r("click", PRODUCT, IDOK)
        expect(r.shown(OPTIONS), "the Options dialog did not appear")
        if not again:
            r("settext", OPTIONS, 80, "C:\\my downloads")
        r("click", OPTIONS, IDOK)
        done = r.box(ASK, IDOK)
        expect(done.startswith("Brisk Download is now installed."), f"the last message: {done!r}")
        p.finished()

    for name in ("Brisk Download.exe", "readme.txt", "bwcc32.dll"):
        expect(os.path.exists(os.path.join(folder, name)), f"{name} was not installed")
    ini = configparser.ConfigParser(interpolation=None)
    ini.optionxform = str
    ini.read(os.path.join(folder, "Briskdl.ini"), encoding="latin-1")
    # The quoted scanner inside one more pair of quotes, which the profile reading takes away.
    expect(dict(ini[SECTION]) == {"Download folder": "C:\\my downloads", "Anti-virus scanner": '""C:\\AV\\NAVW32.EXE""'},
           f"the options in the install folder: {dict(ini[SECTION])}")
    expect(not os.path.exists(p.path("Briskdl.ini")), "the options were saved beside setup.exe")
    link = unix_path(programs_folder() + "\\Brisk Download.lnk")
    info = subprocess.run(["lnkinfo", link], capture_output=True, text=True).stdout
    expect("Brisk Download.exe" in info and "Brisk Download" in info, f"the shortcut: {info}")
    installed = '"C:\\Program Files\\Brisk Download\\Brisk Download.exe"'
    expect(reg_query(UNINSTALL_KEY, "DisplayName") == "Brisk Download 96.6.20", "DisplayName")
    expect(reg_query(UNINSTALL_KEY, "UninstallString") == installed + " /uninstall", "UninstallString")
    expect(reg_query(VIEWERS, "application/zip") == installed, "the browser helper")
    exe_class = reg_query("HKCR\\.exe") or ".exe"
    verb = f"HKCR\\{exe_class}\\shell\\Brisk Install\\command"
    expect(reg_query(verb) == installed + " /run,%1", f"the verb: {reg_query(verb)!r}")

    # Another program takes one type over after the installation, and two name this program in
    # other forms: in other letters without quotes, and quoted with an argument.
    later = {"multipart/x-zip": "C:\\Later\\later.exe"}
    reg_add(VIEWERS, {**later, "application/x-zip-compressed": installed[1:-1].lower(),
                      "application/zip": installed + " %1"})
    after = {**HELPERS_BEFORE, **later, "application/msdos-windows": ""}
    # Uninstalled first by the distribution's copy, which the uninstall entry tells where the
    # program is, then by the uninstall entry's command, as Windows would run it: the second
    # uninstallation leaves the same state.
    installed_copy = Program(p.bin_dir, os.path.dirname(p.folder), "installed copy")
    installed_copy.exe = os.path.join(folder, "Brisk Download.exe")
    for program in (p, installed_copy):
        program.start("/uninstall")
        expect(r.box(PRODUCT, IDYES) == "Uninstall Brisk Download?", "the uninstall question")
        expect(r.box(PRODUCT, IDOK) == "Brisk Download has been uninstalled.", "the last message")
        program.finished()
        expect(reg_query(UNINSTALL_KEY, "DisplayName") is None, "the uninstall entry stayed")
        helpers = reg_values(VIEWERS)
        expect(helpers == after, f"the helpers are not given back as they were: {helpers}")
        expect(reg_query(verb) is None, "the verb stayed")
        expect(os.path.exists(link) and os.path.exists(os.path.join(folder, "Brisk Download.exe")), "files went")
    shutil.rmtree(folder, ignore_errors=True)


def install_folder_as_typed(p):
    """A final backslash is kept as typed; slashes are separators and ".." is resolved before any
    folder is made. Without readme.txt beside setup.exe the user is told where to get it."""
    folder = drive_c("bd2")
    shutil.rmtree(folder, ignore_errors=True)
    r = p.robot
    for typed in ("C:\\bd2\\", "C:/kvdots/../bd2/"):
        install_into(p, typed)
        expect(r.shown(OPTIONS), f"{typed}: the Options dialog did not appear")
        r("click", OPTIONS, IDCANCEL)
        told = r.box(ASK, IDOK)
        expect(told == "Brisk Download was copied to C:\\bd2\\, but the installation is not complete:\n\nreadme.txt was "
               "not beside setup.exe, so it was not installed. To have it, get the full distribution of Brisk Download, "
               "unpack all its files into one folder and start setup.exe there.", f"{typed}: {told!r}")
        p.finished()
        expect(os.path.exists(os.path.join(folder, "Brisk Download.exe")), "not installed")
        expect(not os.path.exists(drive_c("kvdots")), "a folder was made for a level that .. leaves")
        # Two backslashes before the file name; quoted, since the product name holds a blank.
        expect(reg_query(UNINSTALL_KEY, "UninstallString") == '"C:\\bd2\\\\Brisk Download.exe" /uninstall',
               f"UninstallString: {reg_query(UNINSTALL_KEY, 'UninstallString')!r}")
    forget_uninstall_entry()
    shutil.rmtree(folder, ignore_errors=True)


FULL_PATH = "Please enter a full folder path, such as C:\\Program Files\\Brisk Download."
BELOW_ROOT = "Please enter a folder below the root of the drive, such as C:\\Program Files\\Brisk Download."


def short_folder_is_asked_again_then_cancel(p):
    """A folder too short, one that would be made in whatever folder is current, the root of a
    drive or share, a folder with someone's readme.txt, which stays theirs, a file on the way, and
    a folder where the program's file should go, which is not taken for the program."""
    tools = drive_c("Tools2")
    os.makedirs(tools, exist_ok=True)
    for readme in (os.path.join(tools, "readme.txt"), p.path("readme.txt")):
        with open(readme, "w") as f:
            f.write("my notes")
    theirs = ("C:\\Tools2 already holds readme.txt, which Brisk Download would replace.\n\nPlease choose a new "
              "folder, or the folder of an earlier installation of Brisk Download.")
    a_file = ("C:\\Tools2\\readme.txt is a file, not a folder, so Brisk Download cannot be installed there.\n\n"
              "Please choose a folder, such as C:\\Program Files\\Brisk Download.")
    tools3 = drive_c("Tools3")
    os.makedirs(os.path.join(tools3, "Brisk Download.exe"), exist_ok=True)
    for name in ("Brisk Download.exe\\mine.txt", "bwcc32.dll"):
        with open(os.path.join(tools3, *name.split("\\")), "w") as f:
            f.write("theirs")
    in_the_way = ("C:\\Tools3\\Brisk Download.exe is a folder, so Brisk Download cannot put its file Brisk "
                  "Download.exe there.\n\nPlease choose a new folder, or the folder of an earlier installation of "
                  "Brisk Download.")
    r = p.robot
    forms = [("C:", FULL_PATH), ("Brisk", FULL_PATH), ("C:Brisk", FULL_PATH), ("\\Apps\\Brisk", FULL_PATH),
             ("Apps\\Brisk", FULL_PATH), ("C:\\", BELOW_ROOT), ("C:/", BELOW_ROOT), ("\\\\server\\share\\", BELOW_ROOT),
             ("C:\\windows\\..", BELOW_ROOT), ("C:\\Tools2", theirs), ("C:/Tools2", theirs),
             ("C:\\Tools2\\readme.txt", a_file), ("C:\\Tools2\\readme.txt\\Brisk", a_file), ("C:\\Tools3", in_the_way)]
    install_into(p, forms[0][0])
    for (typed, message), following in zip(forms, forms[1:] + [None]):
        told = r.box(ASK, IDOK)
        expect(told == message, f"{typed}: {told!r}")
        expect(r.shown(PRODUCT), "the folder dialog did not come again")
        expect(r("text", PRODUCT, 4090) == typed, "the folder as typed")
        if following:
            r("settext", PRODUCT, 4090, following[0])
            r("click", PRODUCT, IDOK)
    r("click", PRODUCT, IDCANCEL)
    p.finished()
    expect(reg_query(UNINSTALL_KEY, "DisplayName") is None, "an uninstall entry was written")
    expect(p.ini() is None, "options were written")
    expect(os.listdir(tools) == ["readme.txt"] and open(os.path.join(tools, "readme.txt")).read() == "my notes",
           f"C:\\Tools2 changed: {os.listdir(tools)}")
    expect(sorted(os.listdir(tools3)) == ["Brisk Download.exe", "bwcc32.dll"]
           and os.listdir(os.path.join(tools3, "Brisk Download.exe")) == ["mine.txt"], f"C:\\Tools3 changed")
    shutil.rmtree(tools)
    shutil.rmtree(tools3)


def copy_failure_stops(p):
    """A share that is not there (a full path all the same), then drive T: with room for two
    folders but not for the program, with room for the program but not for bwcc32.dll, and with
    room for one installation but not for a second copy over it: nothing is registered, nothing
    this attempt wrote stays, and an older installation still starts."""
    small = p.path("small drive")
    os.makedirs(small)
    drive = os.path.join(os.environ["WINEPREFIX"], "dosdevices", "t:")
    if os.path.lexists(drive):
        os.remove(drive)
    os.symlink(small, drive)
    mount = subprocess.run(["mount", "-t", "tmpfs", "-o", "nr_inodes=3", "tmpfs", small], capture_output=True)
    with open(p.path("readme.txt"), "w") as f:
        f.write("readme")
    pages = [-(-os.path.getsize(p.path(name)) // 4096) for name in ("setup.exe", "bwcc32.dll", "readme.txt")]
    helpers = reg_values(VIEWERS)

    def refused(folder, name):
        install_into(p, folder)
        told = p.robot.box(ASK, IDOK)
        expect(told == f"{name} could not be copied to {folder}.", f"message: {told!r}")
        p.finished()
        expect(reg_query(UNINSTALL_KEY, "DisplayName") is None and reg_values(VIEWERS) == helpers, "registered")

    def room(n):
        subprocess.run(["mount", "-o", f"remount,nr_inodes=100,size={n * 4096}", small], check=True)

    try:
        # Started with the controls from elsewhere (the current folder), it says what is missing.
        os.makedirs(p.path("controls"))
        os.rename(p.path("bwcc32.dll"), p.path("controls", "bwcc32.dll"))
        p.start("", cwd=p.path("controls"))
        p.robot.box(ASK, IDYES)
        told = p.robot.box(ASK, IDOK)
        expect(told == f"Brisk Download cannot be installed: bwcc32.dll, which it needs, is not in "
               f"{windows_path(p.folder)}.\n\nUnpack all the files of the distribution into one folder and start "
               "setup.exe there.", f"message: {told!r}")
        p.finished()
        os.rename(p.path("controls", "bwcc32.dll"), p.path("bwcc32.dll"))
        refused("\\\\server\\share\\Brisk", "Brisk Download")
        if mount.returncode != 0:
            raise Skip("cannot mount a small tmpfs here: " + mount.stderr.decode().strip())
        refused("T:\\new\\Brisk", "Brisk Download")  # three files in all: the root and two folders
        room(pages[0] + 1)
        refused("T:\\new\\Brisk", "bwcc32.dll")
        expect(os.listdir(small) == [], f"what this attempt wrote stayed: {os.listdir(small)}")
        room(sum(pages) + 2)
        install_into(p, "T:\\Brisk")
        p.robot("click", OPTIONS, IDOK)
        expect(p.robot.box(ASK, IDOK).startswith("Brisk Download is now installed."), "the first installation")
        p.finished()
        with open(os.path.join(small, "Brisk", "Brisk Download.exe"), "ab") as f:
            f.write(b"older")  # an older copy, which the next installation must leave as it is
        older = {n: open(os.path.join(small, "Brisk", n), "rb").read() for n in os.listdir(os.path.join(small, "Brisk"))}
        helpers = reg_values(VIEWERS)
        refused("T:\\Brisk", "Brisk Download")
        now = {n: open(os.path.join(small, "Brisk", n), "rb").read() for n in os.listdir(os.path.join(small, "Brisk"))}
        expect(now == older, "the older installation changed")
        p.exe = os.path.join(small, "Brisk", "Brisk Download.exe")
        p.start("/uninstall")  # the older copy starts: its bwcc32.dll is whole
        expect(p.robot.box(PRODUCT, IDYES) == "Uninstall Brisk Download?", "the older copy did not start")
        p.robot.box(PRODUCT, IDOK)
        p.finished()
    finally:
        os.remove(drive)
        if mount.returncode == 0:
            subprocess.run(["umount", small], capture_output=True)


def release_zip_installs(p):
    """The release as a user gets it: checked against its checksum, unpacked into a fresh folder,
    and its setup.exe installs a program that starts with the custom controls beside it."""
    release = os.environ["BRISK_RELEASE_ZIP"]
    with open(release, "rb") as f:
        digest = hashlib.sha256(f.read()).hexdigest()
    with open(release + ".sha256") as f:
        expect(f.read().split() == [digest, os.path.basename(release)], "the checksum file")
    unpacked = p.path("fresh folder")
    with zipfile.ZipFile(release) as z:
        z.extractall(unpacked)
    expect(sorted(os.listdir(unpacked)) == ["bwcc32.dll", "readme.txt", "setup.exe"], f"{os.listdir(unpacked)}")
    with open(os.path.join(unpacked, "readme.txt"), "rb") as f:
        lines = f.read().split(b"\r\n")
    expect(all(b"\n" not in line and len(line) <= 76 for line in lines), "readme.txt: CRLF lines of 76 columns")

    folder = drive_c("Release Test", "Brisk Download")
    shutil.rmtree(drive_c("Release Test"), ignore_errors=True)
    p.exe = os.path.join(unpacked, "setup.exe")
    install_into(p, "C:\\Release Test\\Brisk Download")
    p.robot("click", OPTIONS, IDOK)
    p.robot.box(ASK, IDOK)
    p.finished()
    for name, installed in (("setup.exe", "Brisk Download.exe"), ("readme.txt", None), ("bwcc32.dll", None)):
        expect(filecmp.cmp(os.path.join(unpacked, name), os.path.join(folder, installed or name), shallow=False),
               f"{name} was not installed as it is in the release")
    p.exe = os.path.join(folder, "Brisk Download.exe")
    p.start("/normal")
    options_dialog_then(p)
    forget_uninstall_entry()
    shutil.rmtree(drive_c("Release Test"), ignore_errors=True)


PROGRAM_NAMES = {
    "install_with_defaults_then_uninstall": "setup.exe",
    "install_folder_as_typed": "setup.exe",
    "short_folder_is_asked_again_then_cancel": "Setup.exe",
    "copy_failure_stops": "setup.exe",
}


if __name__ == "__main__":
    run_scenario(globals(), PROGRAM_NAMES)
