#!/usr/bin/env python3
"""End-to-end: hostile input and faults; each ends in a clear result, and the user's file is
never lost."""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
from harness import *  # noqa: F401,F403,E402


def long_command_line(p):
    prepared(p, 1)
    line = "-run," + "C:\\" + "x" * 32000 + ".zip"
    with open(p.path("line.txt"), "w", encoding="latin-1") as f:
        f.write(line)
    p.process = subprocess.Popen(["wine", p.robot.exe, "runfile", windows_path(p.exe), windows_path(p.path("line.txt"))],
                                 stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    told = p.robot.box(PRODUCT, IDOK)  # scanned in C:\\, then the archive cannot be opened
    expect(told.endswith(".zip was not unpacked or installed: it could not be read.\n\nIt is still in C:\\."),
           f"message: {told[-80:]!r}")
    p.finished()


def scanner_that_crashes(p):
    """An exception status means the scan did not complete: even "Always install immediately"
    installs nothing, and the file is kept."""
    scanner = prepared(p, 0)
    file = p.download("tool.zip", {"setup.exe": "recorder"})
    p.start(windows_path(file), env={"RECORDER_EXIT_CODE": "0xC0000005"})
    told = p.robot.box(PRODUCT, IDOK)
    expect(told == f"{windows_path(scanner)} ended with status 0xC0000005 before it finished, so tool.zip was not "
           f"scanned and not installed.\n\nIt was moved to {windows_path(p.path('dl'))}.", f"message: {told!r}")
    p.finished()
    expect(log_of(scanner) is not None, "the scanner did not run")
    expect(os.path.exists(p.path("dl", "tool.zip")), "the file was not kept")
    expect(log_of(p.path("util", "pkunzip.exe")) is None, "the archive was unpacked")


def scanner_that_quarantines_the_file(p):
    scanner = prepared(p, 1)
    file = p.download("tool.zip", {"setup.exe": "recorder"})
    p.start("-run," + windows_path(file), env={"RECORDER_DELETE_ARG": "1"})
    told = p.robot.box(PRODUCT, IDOK)
    expect(told == f"{windows_path(scanner)} removed tool.zip while scanning it; it may have found a virus. Nothing "
           "was installed.", f"message: {told!r}")
    p.finished()
    expect(log_of(p.path("util", "pkunzip.exe")) is None, "pkunzip ran on a file that is not there")
    expect(not os.path.exists(p.path("dl")), "the download folder was made or filled")


def pkunzip_that_unpacks_nothing(p):
    prepared(p, 1)
    p.fixture("recorder", "util", "pkunzip.exe")  # ends at once and unpacks nothing
    explorer = explorer_stand_in(p)
    file = p.download("tool.zip", {"setup.exe": "recorder"})
    p.start("-run," + windows_path(file))
    told = p.robot.box(PRODUCT, IDOK)
    expect(told.startswith("There doesn't appear to be an install program in the zip file"), f"message: {told!r}")
    p.finished()
    expect_explorer_on(explorer, p.path("dl", TEMP))
    expect(os.path.exists(p.path("dl", TEMP, "tool.zip")), "the archive is not where Explorer opens")


def download_path_beyond_max_path(p):
    prepared(p, 1)
    deep = p.path("incoming", *(["d" * 50] * 6))  # over 300 characters
    os.makedirs(deep)
    file = os.path.join(deep, "tool.exe")
    shutil.copy(os.path.join(p.bin_dir, "recorder.exe"), file)
    p.start("-run," + windows_path(file))
    told = p.robot.box(PRODUCT, IDOK)  # no current directory can be that long, nor can it be moved
    expect(told.endswith("could not be started, so tool.exe was not scanned and not installed.\n\nIt is still in "
                         f"{windows_path(deep)}."), f"message: {told!r}")
    p.finished()
    expect(os.path.exists(file) or where_is(p, "tool.exe"), "the downloaded file is lost")


def download_folder_beyond_max_path(p):
    scanner = p.fixture("recorder", "av", "scan.exe")
    p.fixture("pkunzip", "util", "pkunzip.exe")
    folder = "C:\\" + "\\".join(["f" * 60] * 5)  # 300 characters and more
    p.options({DOWNLOAD_FOLDER: folder, SCANNER: windows_path(scanner), PKUNZIP: windows_path(p.path("util")),
               AFTER: 2})
    not_moved_and_kept(p, folder)


def read_only_download_folder(p):
    if os.geteuid() == 0:
        raise Skip("running as root, which may write into a read-only folder")
    prepared(p, 2)
    os.makedirs(p.path("dl"))
    os.chmod(p.path("dl"), 0o555)
    try:
        not_moved_and_kept(p, windows_path(p.path("dl")))
    finally:
        os.chmod(p.path("dl"), 0o755)


def download_folder_is_a_file(p):
    """A file where the download folder should be: nothing can be moved into it."""
    scanner = p.fixture("recorder", "av", "scan.exe")
    with open(p.path("dl"), "w") as f:
        f.write("not a folder")
    p.options({DOWNLOAD_FOLDER: windows_path(p.path("dl")), SCANNER: windows_path(scanner), AFTER: 2})
    not_moved_and_kept(p, windows_path(p.path("dl")))
    expect(open(p.path("dl")).read() == "not a folder", "the file in the folder's place was changed")


def nearly_full_drive(p):
    mount = p.path("small drive")
    os.makedirs(mount)
    done = subprocess.run(["mount", "-t", "tmpfs", "-o", "size=64k", "tmpfs", mount], capture_output=True)
    if done.returncode != 0:
        raise Skip("cannot mount a small tmpfs here: " + done.stderr.decode().strip())
    try:
        prepared(p, 0)
        scanner = p.fixture("recorder", "av", "scan.exe")
        p.options({DOWNLOAD_FOLDER: windows_path(mount), SCANNER: windows_path(scanner),
                   PKUNZIP: windows_path(p.path("util")), AFTER: 0})
        with open(os.path.join(mount, "filler"), "wb") as f:
            try:
                f.write(b"x" * 60000)
            except OSError:
                pass
        file = p.download("tool.zip", {"setup.exe": "recorder", "big.txt": "y" * 200000})
        p.start(windows_path(file))
        boxes = []
        while p.robot.shown(PRODUCT, 5000):
            boxes.append(p.robot.box(PRODUCT, IDOK))
        p.finished()
        print("told:", [b[:100] for b in boxes])
        expect(boxes, "a full drive was not reported")
        expect(where_is(p, "tool.zip"), "the downloaded file is lost")
    finally:
        subprocess.run(["umount", mount], capture_output=True)


def navw32_with_a_hostile_location(p):
    """Location1 as 64 KB of text, then as binary bytes: the scan cannot start there and says so,
    and the file is still kept."""
    scanner = p.fixture("recorder", "AV", "NAVW32.EXE")
    key = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Symantec\\SharedUsage"
    values = ['"Location1"="' + "L" * 65536 + '"', '"Location1"=hex:43,3a,5c,01,ff']
    try:
        for value in values:
            reg = p.path("location.reg")
            with open(reg, "w", encoding="latin-1", newline="\r\n") as f:
                f.write(f"REGEDIT4\n\n[{key}]\n{value}\n")
            subprocess.run(["wine", "regedit", "/s", windows_path(reg)], stdin=subprocess.DEVNULL,
                           capture_output=True, check=True)
            p.options({DOWNLOAD_FOLDER: windows_path(p.path("dl")), SCANNER: windows_path(scanner), AFTER: 2})
            file = p.download("tool.exe")
            p.start(windows_path(file))
            told = p.robot.box(PRODUCT, IDOK)
            expect(told.endswith("could not be started, so tool.exe was not scanned and not installed.\n\nIt was "
                                 f"moved to {windows_path(p.path('dl'))}."), f"scan: {told[:80]!r}")
            p.finished()
            expect(os.path.exists(p.path("dl", "tool.exe")), "the file was not kept")
            os.remove(p.path("dl", "tool.exe"))
    finally:
        subprocess.run(["wine", "reg", "delete", key.replace("HKEY_LOCAL_MACHINE", "HKLM"), "/f"],
                       stdin=subprocess.DEVNULL, capture_output=True)


def file_in_use_in_the_temporary_folder(p):
    """A file there that cannot be deleted ends the hand-off before anything is unpacked, by its
    name; the download is kept."""
    prepared(p, 0)
    busy = p.path("dl", TEMP, "setup.exe")  # an earlier installer, among its files
    os.makedirs(os.path.dirname(busy))
    earlier = ("data1.cab", "data2.cab", "layout.bin", "readme.txt")
    for name in ("setup.exe",) + earlier:
        with open(p.path("dl", TEMP, name), "w") as f:
            f.write("b")
    holder = subprocess.Popen(["wine", p.robot.exe, "hold", windows_path(busy), "20000"], stdin=subprocess.DEVNULL,
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    try:
        expect(holder.stdout.readline().strip() == b"held", "the file could not be held open")
        file = p.download("tool.zip", {"setup.exe": "recorder"})
        p.start(windows_path(file))
        told = p.robot.box(PRODUCT, IDOK)
        expect(told == f"{windows_path(busy)} could not be deleted (it may be in use), so tool.zip was not installed."
               f"\n\nIt was moved to {windows_path(p.path('dl'))}.", f"message: {told!r}")
        p.finished()
    finally:
        holder.kill()
        holder.wait()
    expect(os.path.exists(p.path("dl", "tool.zip")), "the download was not kept")
    expect(log_of(p.path("util", "pkunzip.exe")) is None, "the archive was unpacked")
    expect(all(os.path.exists(p.path("dl", TEMP, name)) for name in earlier),
           "the earlier installer's files were deleted")


def archive_that_brings_its_own_explorer(p):
    """An archive without an installer but with an explorer.exe at its top: the folder is opened
    with the system's Explorer, never with the program that the archive put there."""
    prepared(p, 0)
    file = p.download("tool.zip", {"explorer.exe": "recorder", "readme.txt": "r"})
    p.start(windows_path(file))
    told = p.robot.box(PRODUCT, IDOK)
    expect(told.startswith("There doesn't appear to be an install program in the zip file"), f"message 5: {told!r}")
    p.finished()
    expect(wait_for_log(p.path("dl", TEMP, "explorer.exe"), 3) is None, "the archive's explorer.exe was started")


def relative_download_folder(p):
    """A folder that depends on the current one is not used: nothing is moved."""
    for folder in ("downloads", "C:downloads", "\\downloads", "C:"):
        p.options({DOWNLOAD_FOLDER: folder, AFTER: 2})
        file = p.download("tool.exe")
        p.start(windows_path(file))
        told = p.robot.box(PRODUCT, IDOK)
        expect(told == "Please set the Download folder under Options.", f"{folder}: {told!r}")
        p.finished()
        expect(os.path.exists(file), f"{folder}: the file was moved")
    expect(where_is(p, "tool.exe") == [p.path("incoming", "tool.exe")], "a copy went somewhere")


def a_folder_or_nothing_handed_over(p):
    """A folder named like an archive, then a path that names nothing: each is refused by its
    full path, before any scan, and nothing is moved."""
    scanner = prepared(p, 0)
    folder = p.path("incoming", "tool.zip")
    os.makedirs(folder)
    for path, wanted in [(folder, " is a folder, not a downloaded file, so nothing was moved or installed."),
                         (p.path("incoming", "gone.zip"), " could not be found, so nothing was installed.")]:
        p.start("-run," + windows_path(path))
        told = p.robot.box(PRODUCT, IDOK)
        expect(told == windows_path(path) + wanted, f"message: {told!r}")
        p.finished()
    expect(os.path.isdir(folder) and not os.path.exists(p.path("dl")), "something was moved")
    expect(log_of(scanner) is None, "the scanner was started")


def archives_that_are_refused(p):
    """pkunzip would write what these archives name, or cannot read them: each is refused by name
    and reason before anything is moved or unpacked, and stays where it is."""
    import zipfile

    def corpus(name):  # the fuzz target's starting archives, made by make_zip_corpus.py
        with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "fuzz", "corpus",
                               "zip_directory_fuzz", name), "rb") as f:
            return f.read()
    prepared(p, 0)
    sound = p.download("sound.zip", {"setup.exe": "recorder"})
    whole = open(sound, "rb").read()
    truncated = whole[:whole.rfind(b"PK\x01\x02") + 10] + whole[-22:]  # the last entry cut short
    outside = "which would be written outside the folder it is unpacked into"
    for name, content, reason in [
            ("dotdot.zip", ["readme.txt", "../evil.txt"], f'it names "../evil.txt", {outside}'),
            ("absolute.zip", ["/evil.txt"], f'it names "/evil.txt", {outside}'),
            ("drive.zip", ["C:evil.txt"], f'it names "C:evil.txt", {outside}'),
            ("truncated.zip", truncated, "its directory is damaged or incomplete"),
            # What Info-ZIP's unzip or Python's zipfile would write, not what the archive seems to hold.
            ("hidden.zip", corpus("python-hidden-directory.zip"), "its directory is damaged or incomplete"),
            ("unicode.zip", corpus("python-unicode-path.zip"), f'it names "../evil.bat", {outside}'),
            ("devices.zip", corpus("python-devices.zip"), f'it names "sub/NUL.txt", {outside}'),
            ("notes.zip", b"These are notes, not an archive.\r\n", "it is not a zip archive")]:
        file = p.path("incoming", name)
        if isinstance(content, list):
            with zipfile.ZipFile(file, "w") as z:
                for entry in content:
                    z.writestr(entry, "x")
        else:
            with open(file, "wb") as f:
                f.write(content)
        p.start(windows_path(file))
        told = p.robot.box(PRODUCT, IDOK)
        expect(told == f"{name} was not unpacked or installed: {reason}.\n\nIt is still in "
               f"{windows_path(p.path('incoming'))}.", f"{name}: {told!r}")
        p.finished()
        expect(os.path.exists(file), f"{name} was moved")
    expect(log_of(p.path("util", "pkunzip.exe")) is None, "pkunzip was started")
    expect(where_is(p, "evil.txt") == [], "a file was written outside")


def uninstall_with_registrations_partly_present(p):
    forget_uninstall_entry()
    viewers = VIEWERS
    subprocess.run(["wine", "reg", "add", viewers, "/v", "application/x-zip-compressed", "/d", "x", "/f"],
                   stdin=subprocess.DEVNULL, capture_output=True)
    subprocess.run(["wine", "reg", "add", viewers, "/v", "TYPE9", "/d", "other/type", "/f"],
                   stdin=subprocess.DEVNULL, capture_output=True)
    reg_add(viewers, {"application/zip": windows_path(p.exe)})  # names the copy that uninstalls
    p.start("/uninstall")
    expect(p.robot.box(PRODUCT, IDYES) == "Uninstall Brisk Download?", "uninstall question")
    expect(p.robot.box(PRODUCT, IDOK) == "Brisk Download has been uninstalled.", "uninstalled message")
    p.finished()
    expect(reg_query(viewers, "TYPE9") == "other/type", "another program's entry was removed")
    # Without an installation only the running copy is this program: another program's helper stays.
    expect(reg_query(viewers, "application/x-zip-compressed") == "x", "another program's helper was cleared")
    expect(reg_query(viewers, "application/zip") == "", "the running copy stayed the helper")
    subprocess.run(["wine", "reg", "delete", viewers, "/v", "TYPE9", "/f"], stdin=subprocess.DEVNULL,
                   capture_output=True)


if __name__ == "__main__":
    run_scenario(globals())
