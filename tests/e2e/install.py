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
    expect(dict(ini[SECTION]) == {"Download folder": "C:\\my downloads", "Anti-virus scanner": '"C:\\AV\\NAVW32.EXE"'},
           f"the options in the install folder: {dict(ini[SECTION])}")
    expect(not os.path.exists(p.path("Briskdl.ini")), "the options were saved beside setup.exe")
    link = drive_c("windows", "Start Menu", "Programs", "Brisk Download.lnk")
    info = subprocess.run(["lnkinfo", link], capture_output=True, text=True).stdout
    expect("Brisk Download.exe" in info and "Brisk Download" in info, f"the shortcut: {info}")
    installed = '"C:\\Program Files\\Brisk Download\\Brisk Download.exe"'
    expect(reg_query(UNINSTALL_KEY, "DisplayName") == "Brisk Download 96.6.20", "DisplayName")
    expect(reg_query(UNINSTALL_KEY, "UninstallString") == installed + " /uninstall", "UninstallString")
    expect(reg_query(VIEWERS, "application/zip") == installed, "the browser helper")
    exe_class = reg_query("HKCR\\.exe") or ".exe"
    verb = f"HKCR\\{exe_class}\\shell\\Brisk Install\\command"
    expect(reg_query(verb) == installed + " /run,%1", f"the verb: {reg_query(verb)!r}")

    # Another program takes one type over after the installation, and one names this program in
    # other letters, without quotes.
    later = {"multipart/x-zip": "C:\\Later\\later.exe"}
    reg_add(VIEWERS, {**later, "application/x-zip-compressed": installed[1:-1].lower()})
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
    folder = drive_c("bd2")
    shutil.rmtree(folder, ignore_errors=True)
    r = p.robot
    install_into(p, "C:\\bd2\\")  # a final backslash is kept as typed
    expect(r.shown(OPTIONS), "the Options dialog did not appear")
    r("click", OPTIONS, IDCANCEL)
    r.box(ASK, IDOK)
    p.finished()
    expect(os.path.exists(os.path.join(folder, "Brisk Download.exe")), "not installed")
    # Two backslashes before the file name; quoted, since the product name holds a blank.
    expect(reg_query(UNINSTALL_KEY, "UninstallString") == '"C:\\bd2\\\\Brisk Download.exe" /uninstall',
           f"UninstallString: {reg_query(UNINSTALL_KEY, 'UninstallString')!r}")
    forget_uninstall_entry()
    shutil.rmtree(folder, ignore_errors=True)


def short_folder_is_asked_again_then_cancel(p):
    """A folder too short, or one that would be made in whatever folder is current."""
    r = p.robot
    forms = ["C:", "Brisk", "C:Brisk", "\\Apps\\Brisk", "Apps\\Brisk"]
    install_into(p, forms[0])
    for typed, next_form in zip(forms, forms[1:] + [None]):
        told = r.box(ASK, IDOK)
        expect(told == "Please enter a full folder path, such as C:\\Program Files\\Brisk Download.", f"{told!r}")
        expect(r.shown(PRODUCT), "the folder dialog did not come again")
        expect(r("text", PRODUCT, 4090) == typed, "the folder as typed")
        if next_form:
            r("settext", PRODUCT, 4090, next_form)
            r("click", PRODUCT, IDOK)
    r("click", PRODUCT, IDCANCEL)
    p.finished()
    expect(reg_query(UNINSTALL_KEY, "DisplayName") is None, "an uninstall entry was written")
    expect(p.ini() is None, "options were written")


def copy_failure_stops(p):
    """A file where the folder should be, a share that is not there (a full path all the same) and
    a drive with room for two folders but not for the program: nothing is registered, and the
    folders made for the copy go again."""
    blocker = drive_c("blocked")
    shutil.rmtree(blocker, ignore_errors=True)
    with open(blocker, "w") as f:  # a file where the folder should be: nothing can go in it
        f.write("x")
    small = p.path("small drive")
    os.makedirs(small)
    # Three files in all: the drive's root and two folders.
    mount = subprocess.run(["mount", "-t", "tmpfs", "-o", "nr_inodes=3", "tmpfs", small], capture_output=True)
    folders = ["C:\\blocked\\Brisk", "\\\\server\\share\\Brisk"]
    if mount.returncode == 0:
        folders.append(windows_path(small) + "\\new\\Brisk")
    try:
        for folder in folders:
            install_into(p, folder)
            told = p.robot.box(ASK, IDOK)
            expect(told == f"Brisk Download could not be copied to {folder}.", f"message: {told!r}")
            p.finished()
            expect(reg_query(UNINSTALL_KEY, "DisplayName") is None, "an uninstall entry was written")
        if mount.returncode != 0:
            raise Skip("cannot mount a small tmpfs here: " + mount.stderr.decode().strip())
        expect(os.listdir(small) == [], f"the folders made for the copy stayed: {os.listdir(small)}")
    finally:
        os.remove(blocker)
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
