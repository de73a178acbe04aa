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
    told = p.robot.box(PRODUCT, IDOK)  # scanned in C:\\, then the archive cannot be opened; the name is cut
    name = "x" * 1024 + "..."
    expect(told == f"{name} could not be read, so {name} was not installed.\n\n{name} could not be moved to "
           f"{windows_path(p.path('dl'))}; it is in C:\\.\n\nDownload it again, or unpack it yourself with a program "
           "you trust.", f"message: {told[:80]!r}...{told[-200:]!r}")
    p.finished()


def scanner_that_crashes(p):
    """An exception or error status (an access violation, a breakpoint) means the scan did not
    complete: even "Always install immediately" installs nothing, and the file is kept."""
    scanner = prepared(p, 0)
    dl = windows_path(p.path("dl"))
    for status, kept in [("0xC0000005", "tool.zip"), ("0x80000003", "tool (2).zip")]:
        file = p.download("tool.zip", {"setup.exe": "recorder"})
        p.start(windows_path(file), env={"RECORDER_EXIT_CODE": status})
        told = p.robot.box(PRODUCT, IDOK)
        moved = f"tool.zip was moved to {dl}" + ("." if kept == "tool.zip" else f" as {kept}.")
        expect(told == f"{windows_path(scanner)} stopped unexpectedly (error {status}) while scanning tool.zip, so "
               f"tool.zip was not installed.\n\n{moved}\n\n" + later(CHECK_SCANNER, kept), f"message: {told!r}")
        p.finished()
        expect(log_of(scanner) is not None, "the scanner did not run")
        expect(os.path.exists(p.path("dl", kept)), f"{status}: the file was not kept")
        expect(log_of(p.path("util", "pkunzip.exe")) is None, f"{status}: the archive was unpacked")


def scanner_that_quarantines_the_file(p):
    scanner = prepared(p, 1)
    file = p.download("tool.zip", {"setup.exe": "recorder"})
    p.start("-run," + windows_path(file), env={"RECORDER_DELETE_ARG": "1"})
    told = p.robot.box(PRODUCT, IDOK)
    expect(told == f"{windows_path(scanner)} removed tool.zip while scanning it (it may have found a virus), so tool.zip "
           f"was not installed.\n\nIt is no longer in {windows_path(p.path('incoming'))}; your anti-virus scanner can "
           "tell you what it found.", f"message: {told!r}")
    p.finished()
    expect(log_of(p.path("util", "pkunzip.exe")) is None, "pkunzip ran on a file that is not there")
    expect(not os.path.exists(p.path("dl")), "the download folder was made or filled")


def pkunzip_that_unpacks_nothing(p):
    """An extractor that unpacks nothing, one that stops with a status, and one that crashes: no
    installer is started, and the archive is kept in the download folder, never left in the
    temporary folder to be deleted."""
    import zipfile
    prepared(p, 1)
    dl = windows_path(p.path("dl"))
    p.fixture("recorder", "util", "pkunzip.exe")  # ends at once and unpacks nothing
    explorer = explorer_stand_in(p)
    file = p.download("tool.zip", {"setup.exe": "recorder"})
    p.start("-run," + windows_path(file))
    told = p.robot.box(PRODUCT, IDOK)
    expect(told.startswith("There doesn't appear to be an install program in the zip file") and
           told.endswith(f"\n\ntool.zip was moved to {dl}."), f"message: {told!r}")
    p.finished()
    expect_explorer_on(explorer, p.path("dl", TEMP))
    expect(where_is(p, "tool.zip") == [p.path("dl", "tool.zip")], "the archive was not kept")

    # The extractor unpacks setup.exe, then cannot unpack an entry (bzip2) and ends with 1.
    p.fixture("pkunzip", "util", "pkunzip.exe")
    p.options({DOWNLOAD_FOLDER: dl, PKUNZIP: windows_path(p.path("util")), AFTER: 0})
    partial = p.path("incoming", "tool.zip")
    with zipfile.ZipFile(partial, "w") as z:
        z.write(os.path.join(p.bin_dir, "recorder.exe"), "setup.exe")
        z.writestr(zipfile.ZipInfo("data.bin"), b"d" * 1000, compress_type=zipfile.ZIP_BZIP2)
    p.start(windows_path(partial))
    told = p.robot.box(PRODUCT, IDOK)
    expect(told == f"pkunzip.exe could not unpack all of tool.zip (error 1), so tool.zip was not installed.\n\n"
           f"tool.zip was moved to {dl} as tool (2).zip.\n\n" + later("To try again", "tool (2).zip"),
           f"message: {told!r}")
    p.finished()
    expect(log_of(p.path("dl", TEMP, "setup.exe")) is None, "the setup.exe of a partial unpack was started")

    # An extractor that crashes.
    p.fixture("recorder", "util", "pkunzip.exe")
    file = p.download("tool.zip", {"setup.exe": "recorder"})
    p.start(windows_path(file), env={"RECORDER_EXIT_CODE": "0xC0000005"})
    told = p.robot.box(PRODUCT, IDOK)
    expect(told.startswith("pkunzip.exe stopped unexpectedly (error 0xC0000005) while unpacking tool.zip, so tool.zip "
                           f"was not installed.\n\ntool.zip was moved to {dl} as tool (3).zip."), f"message: {told!r}")
    p.finished()
    expect(sorted(where_is(p, "tool (2).zip") + where_is(p, "tool (3).zip")) ==
           [p.path("dl", "tool (2).zip"), p.path("dl", "tool (3).zip")], "the archives were not kept")


def download_path_beyond_max_path(p):
    prepared(p, 1)
    deep = p.path("incoming", *(["d" * 50] * 6))  # over 300 characters
    os.makedirs(deep)
    file = os.path.join(deep, "tool.exe")
    shutil.copy(os.path.join(p.bin_dir, "recorder.exe"), file)
    p.start("-run," + windows_path(file))
    told = p.robot.box(PRODUCT, IDOK)  # no current directory can be that long, nor can it be moved
    expect(f"could not be started (error 206), so tool.exe was not installed.\n\ntool.exe could not be moved to "
           f"{windows_path(p.path('dl'))}; it is in {windows_path(deep)}.\n\n" in told, f"message: {told!r}")
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
    """The download folder is on a drive with room for neither the temporary folder's copy nor a
    kept one: the user is told where the file still is, and it is there whole."""
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
        size = os.path.getsize(file)
        p.start(windows_path(file))
        boxes = []
        while p.robot.shown(PRODUCT, 5000):
            boxes.append(p.robot.box(PRODUCT, IDOK))
        p.finished()
        temp = windows_path(os.path.join(mount, TEMP))
        expect(boxes == [f"tool.zip could not be moved to {temp}, so tool.zip was not installed.\n\ntool.zip could "
                         f"not be moved to {windows_path(mount)}; it is in {windows_path(p.path('incoming'))}.\n\n"
                         "Check the Download folder under Options, then, in Explorer, right click on tool.zip and "
                         "select Brisk Install."], f"told: {boxes}")
        expect(os.path.exists(file) and os.path.getsize(file) == size, "the downloaded file is lost or cut")
        # Neither the move into the temporary folder nor the one to the download folder left a part behind.
        left = {name: os.listdir(os.path.join(mount, name)) if name == TEMP else None for name in os.listdir(mount)}
        expect(left == {"filler": None, TEMP: []}, f"left on the small drive: {left}")
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
            expect(f"so tool.exe was not installed.\n\ntool.exe was moved to {windows_path(p.path('dl'))}.\n\n"
                   + later(CHECK_SCANNER, "tool.exe") in told, f"scan: {told[:80]!r}")
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
               f"\n\ntool.zip was moved to {windows_path(p.path('dl'))}.\n\n" +
               later("Close the program that uses it, then", "tool.zip"), f"message: {told!r}")
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
    trace = p.path("processes.log")
    with open(trace, "w") as log:
        p.start(windows_path(file), env=PROCESS_TRACE, stderr=log)
        told = p.robot.box(PRODUCT, IDOK)
        expect(told.startswith("There doesn't appear to be an install program in the zip file"), f"message 5: {told!r}")
        p.finished()
    explorers = [c for c in created_processes(trace) if c[0].lower().endswith("\\explorer.exe") and "/desktop" not in c[1]]
    system = ("c:\\windows\\explorer.exe", "c:\\windows\\system32\\explorer.exe")
    expect(len(explorers) == 1 and explorers[0][0].lower() in system, f"Explorer started: {explorers}")
    expect(explorers[0][1].endswith(" " + windows_path(p.path("dl", TEMP))), f"Explorer opened: {explorers[0][1]!r}")
    expect(wait_for_log(p.path("dl", TEMP, "explorer.exe"), 3) is None, "the archive's explorer.exe was started")


def relative_download_folder(p):
    """A folder that depends on the current one is not used, and the download is not left where
    the browser empties its folder: it is kept in the default download folder, before any
    question, and nothing is installed."""
    default = drive_c("downloaded files")
    shutil.rmtree(default, ignore_errors=True)
    try:
        mend = "Set the Download folder under Options to a full path"
        for folder, after, name, kept, next_step in [
                ("downloads", 2, "tool.exe", "tool.exe", later(mend + ", then", "tool.exe")),
                ("C:downloads", 0, "tool.exe", "tool (2).exe", later(mend + ", then", "tool (2).exe")),
                ("\\downloads", 1, "tool.exe", "tool (3).exe", later(mend + ", then", "tool (3).exe")),
                ("C:", 1, "manual.pdf", "manual.pdf", mend + ".")]:  # Brisk Install is for .zip and .exe only
            p.options({DOWNLOAD_FOLDER: folder, AFTER: after})
            file = p.download(name)
            p.start(windows_path(file))
            told = p.robot.box(PRODUCT, IDOK)
            moved = f"{name} was moved to C:\\downloaded files" + ("." if kept == name else f" as {kept}.")
            expect(told == f'The Download folder under Options ("{folder}") is not a full path, so {name} was not '
                   f"installed.\n\n{moved}\n\n{next_step}", f"{folder}: {told!r}")
            p.finished()
            expect(not os.path.exists(file) and os.path.exists(os.path.join(default, kept)), f"{folder}: not kept")
        expect(where_is(p, "tool.exe") == [] and where_is(p, "tool.exe.log") == [], "a copy went elsewhere or ran")

        # Brisk Install on an installer unpacked in its temporary folder: it stays beside its data.
        disk1 = os.path.join(default, TEMP, "disk1")
        os.makedirs(disk1)
        setup = os.path.join(disk1, "setup.exe")
        shutil.copy(os.path.join(p.bin_dir, "recorder.exe"), setup)
        p.options({DOWNLOAD_FOLDER: "downloads", AFTER: 0})
        p.start("-run,C:\\downloaded files\\" + TEMP + "\\disk1\\setup.exe")
        told = p.robot.box(PRODUCT, IDOK)
        expect(told == 'The Download folder under Options ("downloads") is not a full path, so setup.exe was not '
               f"installed.\n\nsetup.exe is in C:\\downloaded files\\{TEMP}\\disk1.\n\n" +
               later(mend + ", then", "setup.exe"), f"setup.exe: {told!r}")
        p.finished()
        expect(os.listdir(disk1) == ["setup.exe"] and log_of(setup) is None, "the installer was moved or started")
    finally:
        shutil.rmtree(default, ignore_errors=True)


def a_folder_or_nothing_handed_over(p):
    """A folder named like an archive, then a path that names nothing, each also with a final
    backslash: each is refused by its full path and its last part, before any scan, and nothing
    is moved."""
    scanner = prepared(p, 0)
    folder = p.path("incoming", "tool.zip")
    os.makedirs(folder)
    is_folder = " is a folder, not a downloaded file, so tool.zip was not installed. Nothing was moved."
    for path, wanted in [(windows_path(folder), is_folder), (windows_path(folder) + "\\", is_folder),
                         (windows_path(p.path("incoming", "gone.zip")), " could not be found, so gone.zip was not installed."),
                         (windows_path(p.path("nowhere")) + "\\", " could not be found, so nowhere was not installed.")]:
        p.start("-run," + path)
        told = p.robot.box(PRODUCT, IDOK)
        expect(told == path + wanted, f"message: {told!r}")
        p.finished()
    expect(os.path.isdir(folder) and not os.path.exists(p.path("dl")), "something was moved")
    expect(log_of(scanner) is None, "the scanner was started")


def archives_that_are_refused(p):
    """pkunzip would write what these archives name, over the archive itself too, or cannot read
    them: each is refused by name and reason before anything is unpacked, and kept in the
    download folder."""
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

    def over(name, entry):
        return f'{name} names "{entry}", which would be written over {name} itself'
    for name, content, reason in [
            ("dotdot.zip", ["readme.txt", "../evil.txt"], f'dotdot.zip names "../evil.txt", {outside}'),
            ("absolute.zip", ["/evil.txt"], f'absolute.zip names "/evil.txt", {outside}'),
            ("drive.zip", ["C:evil.txt"], f'drive.zip names "C:evil.txt", {outside}'),
            ("truncated.zip", truncated, "The directory of truncated.zip is damaged or incomplete"),
            # What Info-ZIP's unzip or Python's zipfile would write, not what the archive seems to hold.
            ("hidden.zip", corpus("python-hidden-directory.zip"), "The directory of hidden.zip is damaged or incomplete"),
            ("unicode.zip", corpus("python-unicode-path.zip"), f'unicode.zip names "../evil.bat", {outside}'),
            ("overlong.zip", corpus("python-overlong-path.zip"), f'overlong.zip names "\xc0\xae\xc0\xae/evil.bat", {outside}'),
            ("devices.zip", corpus("python-devices.zip"), f'devices.zip names "sub/NUL.txt", {outside}'),
            ("notes.zip", b"These are notes, not an archive.\r\n", "notes.zip is not a zip archive"),
            # Each form opens the archive in the temporary folder: Wine's short name of my tool.zip too.
            ("itself.zip", ["readme.txt", "itself.zip"], over("itself.zip", "itself.zip")),
            ("case.zip", ["CASE.ZIP"], over("case.zip", "CASE.ZIP")),
            ("dot.zip", ["dot.zip."], over("dot.zip", "dot.zip.")),
            ("blank.zip", ["blank.zip "], over("blank.zip", "blank.zip ")),
            ("here.zip", ["./here.zip"], over("here.zip", "./here.zip")),
            ("my tool.zip", ["MY_T~5WC.ZIP"], over("my tool.zip", "MY_T~5WC.ZIP"))]:
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
        expect(told == f"{reason}, so {name} was not installed.\n\n{name} was moved to {windows_path(p.path('dl'))}."
               "\n\nDownload it again, or unpack it yourself with a program you trust.", f"{name}: {told!r}")
        p.finished()
        expect(where_is(p, name) == [p.path("dl", name)], f"{name} was not kept")
    expect(log_of(p.path("util", "pkunzip.exe")) is None, "pkunzip was started")
    expect(where_is(p, "evil.txt") == [], "a file was written outside")


def batch_scanner_and_hostile_names(p):
    """cmd.exe, which runs a batch-file scanner, reads & and %VAR% in a name as a command and a
    variable, even in quotes: such a download is neither scanned nor installed, but kept. Other
    names reach the batch file whole, in quotes."""
    av = p.path("av")
    os.makedirs(av)
    scanner = os.path.join(av, "scan.bat")
    with open(scanner, "w", newline="\r\n") as f:
        f.write('@echo off\necho [%1]>> "%~dp0scan.log"\n')
    dl = windows_path(p.path("dl"))
    p.options({DOWNLOAD_FOLDER: dl, SCANNER: windows_path(scanner), AFTER: 2})
    evil = p.fixture("recorder", "incoming", "evil.exe")
    for name in ["tool&evil&.exe", "tool%OS%.exe"]:
        file = p.download(name)
        p.start(windows_path(file), cwd=p.path("incoming"))
        told = p.robot.box(PRODUCT, IDOK)
        expect(told == f"{windows_path(scanner)} was not started: it is a batch file, which would take the % ^ & | < > ! "
               f'or " in {windows_path(file)} for commands, so {name} was not installed.\n\n{name} was moved to {dl}.\n\n'
               + later("Rename it or its folder so that its path holds none of these characters, or choose an "
                       "Anti-virus scanner that is not a batch file under Options, then", name), f"{name}: {told!r}")
        p.finished()
        expect(where_is(p, name) == [p.path("dl", name)], f"{name} was not kept")
    expect(log_of(evil) is None and not os.path.exists(os.path.join(av, "scan.log")), "cmd.exe ran a name's commands")

    # cmd.exe splits a batch file's arguments at ; and = too: its first argument is the whole path.
    # cmd.exe is started itself, from the system folder: Windows' own start of a batch file would
    # cut the quoted path of a scanner in a folder with a blank at that blank.
    for folder, kept in [("av", "tool;v2=1.exe"), ("anti virus", "tool;v2=1 (2).exe")]:
        scanner = os.path.join(p.path(folder), "scan.bat")
        if folder != "av":
            os.makedirs(p.path(folder))
            shutil.copy(os.path.join(av, "scan.bat"), scanner)
        p.options({DOWNLOAD_FOLDER: dl, SCANNER: windows_path(scanner), AFTER: 2})
        file = p.download("tool;v2=1.exe")
        trace = p.path("processes.log")
        with open(trace, "w") as log:
            p.start(windows_path(file), env=PROCESS_TRACE, stderr=log)
            p.finished()
        scanned = open(os.path.join(p.path(folder), "scan.log"), encoding="latin-1").read()
        expect(scanned == f'["{windows_path(file)}"]\n', f"{folder}: scan: {scanned!r}")
        shells = [(image.lower(), line) for image, line in created_processes(trace) if image.lower().endswith("cmd.exe")]
        expect(shells == [("c:\\windows\\system32\\cmd.exe",
                           f'cmd.exe /d /s /c ""{windows_path(scanner)}" "{windows_path(file)}""')],
               f"{folder}: started {shells}")
        expect(os.path.exists(p.path("dl", kept)), f"{folder}: the scanned file was not kept")


def uninstall_with_registrations_partly_present(p):
    """Without an installation, with a stale verb of the program under a class that .zip no longer
    names and a helper that an older installation kept machine-wide for a type this user's browser
    never handed to the program, which stays with the entry; then with an uninstall entry that
    cannot be deleted, which is said."""
    forget_uninstall_entry()
    others = {"Previous helper multipart/x-zip": "C:\\A\\a.exe"}
    reg_add(UNINSTALL_KEY, others)
    viewers = VIEWERS
    subprocess.run(["wine", "reg", "add", viewers, "/v", "application/x-zip-compressed", "/d", "x", "/f"],
                   stdin=subprocess.DEVNULL, capture_output=True)
    subprocess.run(["wine", "reg", "add", viewers, "/v", "TYPE9", "/d", "other/type", "/f"],
                   stdin=subprocess.DEVNULL, capture_output=True)
    reg_add(viewers, {"application/zip": windows_path(p.exe)})  # names the copy that uninstalls
    stale = {"HKCR\\kvold.zipfile\\shell\\Brisk Install\\command": '"C:\\Old\\Brisk Download.exe" /run,%1',
             "HKCR\\.zip\\shell\\Brisk Install\\command": "C:\\Old\\B.exe /run,%1"}
    for key, command in stale.items():
        reg_add(key, {"": command})
    p.start("/uninstall")
    expect(p.robot.box(PRODUCT, IDYES) == "Uninstall Brisk Download?", "uninstall question")
    told = p.robot.box(PRODUCT, IDOK)
    expect(told == "Brisk Download has been uninstalled.\n\nIt stays listed in Add/Remove Programs, where an older "
           "installation kept the earlier helpers of the types multipart/x-zip for Netscape Navigator: the "
           "uninstallation by the user whose browser hands those types to Brisk Download gives them back.",
           f"uninstalled message: {told!r}")
    p.finished()
    expect(reg_values(UNINSTALL_KEY) == others, f"the entry: {reg_values(UNINSTALL_KEY)}")
    expect(reg_query(viewers, "TYPE9") == "other/type", "another program's entry was removed")
    # Without an installation only the running copy is this program: another program's helper stays.
    expect(reg_query(viewers, "application/x-zip-compressed") == "x", "another program's helper was cleared")
    expect(reg_query(viewers, "application/zip") == "", "the running copy stayed the helper")
    expect(all(reg_query(key) is None for key in stale), f"a stale verb stayed: {[reg_query(k) for k in stale]}")
    subprocess.run(["wine", "reg", "delete", viewers, "/v", "TYPE9", "/f"], stdin=subprocess.DEVNULL,
                   capture_output=True)

    subprocess.run(["wine", "reg", "delete", UNINSTALL_KEY, "/v", "Previous helper multipart/x-zip", "/f"],
                   stdin=subprocess.DEVNULL, capture_output=True)
    reg_add(UNINSTALL_KEY + "\\kept by another tool", {"x": "y"})
    p.start("/uninstall")
    p.robot.box(PRODUCT, IDYES)
    told = p.robot.box(PRODUCT, IDOK)
    expect(told == "Brisk Download could not be uninstalled completely:\n\nBrisk Download is still listed in "
           "Add/Remove Programs.\n\nRunning the uninstallation again as an administrator may remove the rest.",
           f"message: {told!r}")
    p.finished()
    subprocess.run(["wine", "reg", "delete", UNINSTALL_KEY, "/f"], stdin=subprocess.DEVNULL, capture_output=True)
    subprocess.run(["wine", "reg", "delete", "HKCR\\kvold.zipfile", "/f"], stdin=subprocess.DEVNULL,
                   capture_output=True)


if __name__ == "__main__":
    run_scenario(globals())
