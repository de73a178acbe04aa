#!/usr/bin/env python3
"""End-to-end: hostile input and faults; each ends in a clear result, and the user's file is
never lost."""

from harness import *  # noqa: F401,F403


def long_command_line(p):
    prepared(p, 1)
    line = "-run," + "C:\\" + "x" * 32000 + ".zip"
    with open(p.path("line.txt"), "w", encoding="latin-1") as f:
        f.write(line)
    p.process = subprocess.Popen(["wine", p.robot.exe, "runfile", windows_path(p.exe), windows_path(p.path("line.txt"))],
                                 stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    told = p.robot.box(PRODUCT, IDOK)  # scanned in C:\\, then the file is not there
    expect(told.endswith("could not be moved to " + windows_path(p.path("dl")) + "\\" + TEMP + "."),
           f"message: {told[-80:]!r}")
    p.finished()


def scanner_that_crashes(p):
    scanner = prepared(p, 1)
    file = p.download("tool.zip", {"setup.exe": "recorder"})
    p.start("-run," + windows_path(file), env={"RECORDER_EXIT_CODE": "0xC0000005"})
    temp = p.path("dl", TEMP)
    expect(wait_for_log(os.path.join(temp, "setup.exe")) is not None, "setup.exe was not started")
    p.finished()
    expect(log_of(scanner) is not None, "the scanner did not run")


def scanner_that_quarantines_the_file(p):
    prepared(p, 1)
    file = p.download("tool.zip", {"setup.exe": "recorder"})
    p.start("-run," + windows_path(file), env={"RECORDER_DELETE_ARG": "1"})
    told = p.robot.box(PRODUCT, IDOK)
    expect(told == f"tool.zip could not be moved to {windows_path(p.path('dl'))}\\{TEMP}.", f"message: {told!r}")
    p.finished()
    expect(log_of(p.path("util", "pkunzip.exe")) is None, "pkunzip ran on a file that is not there")


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
    scan = p.robot.box(PRODUCT, IDOK)  # no current directory can be that long
    expect(scan.endswith("could not be started, so tool.exe was not scanned."), f"scan: {scan!r}")
    told = p.robot.box(PRODUCT, IDOK)
    expect(told == f"tool.exe could not be moved to {windows_path(p.path('dl'))}\\{TEMP}.", f"message: {told!r}")
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
            expect(told.endswith("could not be started, so tool.exe was not scanned."), f"scan: {told[:80]!r}")
            p.finished()
            expect(os.path.exists(p.path("dl", "tool.exe")), "the file was not kept")
            os.remove(p.path("dl", "tool.exe"))
    finally:
        subprocess.run(["wine", "reg", "delete", key.replace("HKEY_LOCAL_MACHINE", "HKLM"), "/f"],
                       stdin=subprocess.DEVNULL, capture_output=True)


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
