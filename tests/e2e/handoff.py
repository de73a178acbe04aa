#!/usr/bin/env python3
"""End-to-end: the download hand-off, with the recorder as scanner, installer and downloaded
program and the extractor fixture as pkunzip.exe."""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
from harness import *  # noqa: F401,F403,E402


def ask_no_keeps_for_later(p):
    scanner = prepared(p, 1)
    file = p.download("tool.zip", {"setup.exe": "recorder"})
    p.start(windows_path(file))
    question = p.robot.box(ASK, IDNO)
    expect(question == 'tool.zip has finished downloading.\n\nInstall it now?\n\n(If you choose "No" you will '
           'have the option to install it later)', f"question: {question!r}")
    told = p.robot.box(PRODUCT, IDOK)
    dl = windows_path(p.path("dl"))
    expect(told == f"tool.zip was moved to {dl}.\n\nWhen you are ready to install it, in Explorer, right click "
           "on tool.zip and select Brisk Install.", f"message 2: {told!r}")
    p.finished()
    expect(os.path.exists(p.path("dl", "tool.zip")) and not os.path.exists(file), "moved to the download folder")
    scan = log_of(scanner)  # scanned first, where the browser left it
    expect(scan == f"cmdline={windows_path(scanner)} {windows_path(file)}\ncwd={windows_path(p.path('incoming'))}"
           "\nflags=0x40\n", f"scan: {scan!r}")


def never_install_moves_silently(p):
    prepared(p, 2)
    file = p.download("tool.exe")
    p.start(windows_path(file))
    p.finished()
    expect(os.path.exists(p.path("dl", "tool.exe")), "moved without a word")


def kept_file_is_never_replaced(p):
    """Kept under the first free name, which message 2 gives in both places."""
    prepared(p, 1)
    os.makedirs(p.path("dl"))
    for older in ("tool.exe", "TOOL (2).EXE"):
        with open(p.path("dl", older), "w") as f:
            f.write("older")
    file = p.download("tool.exe")
    p.start(windows_path(file))
    p.robot.box(ASK, IDNO)
    told = p.robot.box(PRODUCT, IDOK)
    expect(told == f"tool (3).exe was moved to {windows_path(p.path('dl'))}.\n\nWhen you are ready to install it, "
           "in Explorer, right click on tool (3).exe and select Brisk Install.", f"message 2: {told!r}")
    p.finished()
    expect(all(open(p.path("dl", older)).read() == "older" for older in ("tool.exe", "TOOL (2).EXE")),
           "a file in the download folder was replaced")
    expect(os.path.exists(p.path("dl", "tool (3).exe")) and not os.path.exists(file), "not kept")


def run_unpacks_and_starts_setup(p):
    """Named relative to the current folder, or by a short form: the scanner is given the full
    path, in its folder."""
    scanner = prepared(p, 1)  # "Ask what to do", overridden by the run switch
    file = p.download("TOOL.ZIP", {"setup.exe": "recorder", "install.exe": "recorder", "readme.txt": "r"})
    p.start("-run,incoming\\TOOL.ZIP", env={"RECORDER_EXIT_CODE": "2"}, cwd=p.folder)  # its own code is not read
    temp = p.path("dl", TEMP)
    setup = wait_for_log(os.path.join(temp, "setup.exe"))
    p.finished()
    scan = log_of(scanner)
    expect(scan == f"cmdline={windows_path(scanner)} {windows_path(file)}\ncwd={windows_path(p.path('incoming'))}"
           "\nflags=0x40\n", f"scan: {scan!r}")
    expect(setup == f"cmdline={windows_path(temp)}\\setup.exe\ncwd={windows_path(temp)}\nflags=0x40\n",
           f"setup.exe: {setup!r}")
    expect(log_of(os.path.join(temp, "install.exe")) is None, "install.exe was started too")
    unzip = log_of(p.path("util", "pkunzip.exe"))
    util = windows_path(p.path("util")).lower()  # the location is taken in lower case
    expect(unzip.startswith(f"cmdline={util}\\pkunzip.exe -d -o ") and unzip.endswith(
        f"\ncwd={windows_path(temp)}\nflags=0x0\n"), f"pkunzip: {unzip!r}")

    # A folder and a name that the ANSI code page cannot spell, handed over by their short forms,
    # which are all an ANSI program has of them: scanned, unpacked and installed under them.
    unicode = p.path("profile", "\u0437\u0430\u0433\u0440\u0443\u0437\u043a\u0438", "\u0438\u043d\u0441\u0442\u0440\u0443\u043c\u0435\u043d\u0442.zip")
    os.makedirs(os.path.dirname(unicode))
    shutil.move(p.download("tool2.zip", {"setup.exe": "recorder"}), unicode)
    folder = windows_path(p.path("profile")) + "\\" + p.robot("short", windows_path(p.path("profile"))).strip()
    file = folder + "\\" + p.robot("short", folder).strip()
    for log in (scanner + ".log", os.path.join(temp, "setup.exe.log")):
        os.remove(log)
    p.start("-run," + file)
    setup = wait_for_log(os.path.join(temp, "setup.exe"))
    p.finished()
    scan = log_of(scanner)
    expect(scan == f"cmdline={windows_path(scanner)} {file}\ncwd={folder}\nflags=0x40\n", f"scan: {scan!r}")
    expect(setup is not None, "the archive's setup.exe did not run")



def zip_without_top_level_installer(p):
    prepared(p, 0)
    explorer = explorer_stand_in(p)
    os.makedirs(p.path("dl", TEMP, "install.exe"))  # a folder left by an earlier archive is no installer
    file = p.download("tool.zip", {"sub/setup.exe": "recorder", "readme.txt": "r"})
    p.start(windows_path(file))
    told = p.robot.box(PRODUCT, IDOK)
    expect(told.startswith("There doesn't appear to be an install program in the zip file") and told.endswith(
           f" a folder of your choice.\n\ntool.zip was moved to {windows_path(p.path('dl'))}."), f"message 5: {told!r}")
    p.finished()
    expect_explorer_on(explorer, p.path("dl", TEMP))
    expect(os.path.exists(p.path("dl", TEMP, "sub", "setup.exe")), "unpacked with its folders")
    expect(where_is(p, "tool.zip") == [p.path("dl", "tool.zip")], "the archive waits in the temporary folder")
    expect(log_of(p.path("dl", TEMP, "sub", "setup.exe")) is None, "a setup.exe below the top level was started")


def exe_is_waited_for_then_offers_explorer(p):
    prepared(p, 0)
    file = p.download("tool.exe")
    p.start(windows_path(file), env={"RECORDER_SLEEP_MS": "1500"})
    p.robot("wait", PRODUCT)
    ran = log_of(p.path("dl", TEMP, "tool.exe"))  # the program had ended before the question
    expect(ran is not None and "cwd=" + windows_path(p.path("dl", TEMP)) in ran, f"tool.exe: {ran!r}")
    asked = p.robot.box(PRODUCT, IDNO)
    expect(asked.startswith("If tool.exe was not itself an install program") and asked.endswith("Install manually?"),
           f"message 6: {asked!r}")
    p.finished()


def exe_then_yes_opens_explorer(p):
    prepared(p, 0)
    explorer = explorer_stand_in(p)
    file = p.download("tool.exe")
    p.start(windows_path(file))
    p.robot.box(PRODUCT, IDYES)
    p.finished()
    expect_explorer_on(explorer, p.path("dl", TEMP))


def navw32_scans_in_its_own_folder(p):
    scanner = p.fixture("recorder", "AV", "NAVW32.EXE")
    shared = p.path("symantec shared")
    os.makedirs(shared)
    key = "HKLM\\SOFTWARE\\Symantec\\SharedUsage"
    subprocess.run(["wine", "reg", "add", key, "/v", "Location1", "/d", windows_path(shared), "/f"],
                   stdin=subprocess.DEVNULL, capture_output=True, check=True)
    try:
        p.options({DOWNLOAD_FOLDER: windows_path(p.path("dl")), SCANNER: windows_path(scanner), AFTER: 2})
        file = p.download("tool.exe")
        p.start(windows_path(file))
        p.finished()
    finally:
        subprocess.run(["wine", "reg", "delete", key, "/f"], stdin=subprocess.DEVNULL, capture_output=True)
    scan = log_of(scanner)
    expect(scan == f"cmdline={windows_path(scanner)} {windows_path(file)}\ncwd={windows_path(shared)}\nflags=0x40\n",
           f"scan: {scan!r}")


def old_files_of_the_temporary_folder_go(p):
    """Hidden and read-only ones too: an old setup.exe is never started for a new archive."""
    prepared(p, 0)
    temp = p.path("dl", TEMP)
    os.makedirs(os.path.join(temp, "sub"))
    for old in ("setup.exe", "old.txt"):
        shutil.copy(os.path.join(p.bin_dir, "recorder.exe"), os.path.join(temp, old))
    hidden_and_read_only(os.path.join(temp, "setup.exe"))
    with open(os.path.join(temp, "sub", "keep.txt"), "w") as f:
        f.write("k")
    file = p.download("tool.zip", {"readme.txt": "r"})
    p.start(windows_path(file))
    p.robot.box(PRODUCT, IDOK)  # no installer in this archive
    p.finished()
    expect(not os.path.exists(os.path.join(temp, "old.txt")), "an old file stayed")
    expect(log_of(os.path.join(temp, "setup.exe")) is None and not os.path.exists(os.path.join(temp, "setup.exe")),
           "the old setup.exe stayed or was started")
    expect(os.path.exists(os.path.join(temp, "sub", "keep.txt")), "a sub-folder's file was deleted")


def pkunzip_missing(p):
    """Message 3, then the archive, which is kept. pkunzip.exe is never taken from the temporary
    folder, where an earlier archive may have left one in a sub-folder: a location that is not a
    full path is refused, and said to be. Brisk Install on a kept archive leaves it where it was."""
    prepared(p, 0)
    dl = windows_path(p.path("dl"))
    planted = p.fixture("recorder", "dl", TEMP, "util", "pkunzip.exe")
    message3 = ("Brisk Download requires pkunzip.exe to decompress zip files. \nPlease download pkunzip.exe and specify "
                "its location under Options.\n\n")
    not_started = "pkunzip.exe could not be started (error 3)"
    for location, handed_over, why, where, kept in [
            (windows_path(p.path("nowhere")), None, message3 + not_started, f"was moved to {dl}.", "tool.zip"),
            ("util", None, 'The Location of pkunzip.exe under Options ("util") is not a full path',
             f"was moved to {dl} as tool (2).zip.", "tool (2).zip"),
            (windows_path(p.path("nowhere")), p.path("dl", "tool.zip"), message3 + not_started, f"is in {dl}.",
             "tool.zip")]:
        p.options({DOWNLOAD_FOLDER: dl, PKUNZIP: location, AFTER: 0})
        file = handed_over or p.download("tool.zip", {"setup.exe": "recorder"})
        p.start(windows_path(file) if handed_over is None else "-run," + windows_path(file))
        told = p.robot.box(PRODUCT, IDOK)
        expect(told == f"{why}, so tool.zip was not installed.\n\ntool.zip {where}\n\n" +
               later("Set the Location of pkunzip.exe under Options, then", kept), f"{location}: {told!r}")
        p.finished()
    expect(log_of(planted) is None, "the pkunzip.exe in the temporary folder was started")
    expect(sorted(os.listdir(p.path("dl"))) == sorted([TEMP, "tool (2).zip", "tool.zip"]), "the archives were not kept")

    # "<path>": the search path, whatever the temporary folder holds under that name.
    os.makedirs(p.path("dl", TEMP, "pkunzip.exe"))
    p.options({DOWNLOAD_FOLDER: dl, PKUNZIP: "<path>", AFTER: 0})
    file = p.download("tool.zip", {"setup.exe": "recorder"})
    p.start(windows_path(file), env={"WINEPATH": windows_path(p.path("util"))})
    expect(wait_for_log(p.path("dl", TEMP, "setup.exe")) is not None, "the archive was not unpacked")
    p.finished()


def not_a_program_is_kept(p):
    """Kept, and never offered for installing: "Ask what to do" asks nothing. A program that cannot
    be started, downloaded or out of an archive, is kept too, and not offered for installing by
    hand."""
    other = "(Brisk Download installs .zip and .exe files)"
    windows = "It may be made for another version of Windows: ask the place you downloaded it from for one that runs here."
    for after, name, archived, why, next_step in [
            (0, "notes.txt", None, f"notes.txt is not a zip archive or a program {other}",
             "Open it from there with the program it belongs to."),
            (1, "manual.pdf", None, f"manual.pdf is not a zip archive or a program {other}",
             "Open it from there with the program it belongs to."),
            (0, "tool.exe", None, "tool.exe could not be started (error 193)", windows),
            (0, "tool.zip", {"setup.exe": "n", "data1.cab": "d"}, "setup.exe could not be started (error 193)", windows)]:
        prepared(p, after)
        file = p.path("incoming", name)
        if archived:
            p.download(name, archived)
        else:
            os.makedirs(os.path.dirname(file), exist_ok=True)
            with open(file, "w") as f:
                f.write("n")
        p.start(windows_path(file))
        told = p.robot.box(PRODUCT, IDOK)
        expect(told == f"{why}, so {name} was not installed.\n\n{name} was moved to {windows_path(p.path('dl'))}.\n\n"
               f"{next_step}", f"message: {told!r}")
        p.finished()
        expect(where_is(p, name) == [p.path("dl", name)], f"{name} was not kept in the download folder")


def dotted_folder_still_a_zip(p):
    """The type comes from the last dot of the file name, and a folder's dots do not count."""
    prepared(p, 0)
    file = p.download("tool-1.2.zip", {"setup.exe": "recorder"}, comment="Version 1.2")
    dotted = p.path("Netscape.2", "tool-1.2.zip")
    os.makedirs(os.path.dirname(dotted))
    shutil.move(file, dotted)
    p.start(windows_path(dotted))
    expect(wait_for_log(p.path("dl", TEMP, "setup.exe")) is not None, "the archive's setup.exe did not run")
    p.finished()


def quoted_scanner_and_blanks(p):
    """The scanner in C:\\anti virus as installation stores it, in double quotes, which the
    profile file gives back without them, and inside a second pair, which it gives back as they
    stand: either way the scanner's first argument is the file."""
    scanner = drive_c("anti virus", "scan.exe")
    os.makedirs(os.path.dirname(scanner), exist_ok=True)
    shutil.copy(os.path.join(p.bin_dir, "recorder.exe"), scanner)
    p.fixture("pkunzip", "un zip", "pkunzip.exe")
    dl = p.path("down loads")
    # The folders too, typed in quotes in the Options dialog, as the second pair gives them back.
    for stored, folder, location in [
            ('"C:\\anti virus\\scan.exe"', windows_path(dl), windows_path(p.path("un zip"))),
            ('""C:\\anti virus\\scan.exe""', f'""{windows_path(dl)}""', f'""{windows_path(p.path("un zip"))}""')]:
        if os.path.exists(scanner + ".log"):
            os.remove(scanner + ".log")
        p.options({DOWNLOAD_FOLDER: folder, SCANNER: stored, PKUNZIP: location, AFTER: 0})
        file = p.download("my tool.zip", {"setup.exe": "recorder"})
        p.start(windows_path(file))
        setup = wait_for_log(os.path.join(dl, TEMP, "setup.exe"))
        p.finished()
        scan = log_of(scanner)
        print(f"Anti-virus scanner={stored}: the scanner received {scan.splitlines()[0] if scan else None}")
        expect(scan is not None and scan.startswith(f'cmdline="C:\\anti virus\\scan.exe" "{windows_path(file)}"\n'),
               f"scan: {scan!r}")
    unzip = log_of(p.path("un zip", "pkunzip.exe"))
    expect(unzip is not None and unzip.startswith(f'cmdline="{windows_path(p.path("un zip")).lower()}\\pkunzip.exe" -d -o '),
           f"pkunzip: {unzip!r}")
    expect(setup is not None and setup.startswith(f'cmdline="{windows_path(os.path.join(dl, TEMP))}\\setup.exe"'),
           f"setup: {setup!r}")


def scanner_that_cannot_start(p):
    """Nothing unscanned is installed: the file is kept as "Never install" keeps it. A missing batch
    file is missed before cmd.exe, which would run nothing and end as if it had, is started."""
    for scanner, kept in [("C:\\AV\\missing.exe", "tool.exe"), ("C:\\AV\\missing.bat", "tool (2).exe")]:
        p.options({DOWNLOAD_FOLDER: windows_path(p.path("dl")), SCANNER: scanner, AFTER: 0})
        file = p.download("tool.exe")
        p.start(windows_path(file))
        told = p.robot.box(PRODUCT, IDOK)
        moved = f"tool.exe was moved to {windows_path(p.path('dl'))}" + ("." if kept == "tool.exe" else f" as {kept}.")
        expect(told == f"{scanner} could not be started (error 3), so tool.exe was not installed.\n\n{moved}\n\n" +
               later(CHECK_SCANNER, kept), f"message: {told!r}")
        p.finished()
        expect(os.path.exists(p.path("dl", kept)), "the file was not kept")
    expect(where_is(p, "tool.exe.log") == [], "the unscanned program was started")

    # A scanner named without its folder would be whatever program of that name the current
    # folder holds: the current folder is where the download lies. The option is the program's
    # path alone, quoted or not: with anything after it, or a quote missing, it names no program.
    planted = p.fixture("recorder", "incoming", "scan.exe")
    full = "Set the Anti-virus scanner under Options to the full path of the scanner program alone, then"
    for n, (stored, shown) in enumerate([("scan.exe", "scan.exe"),
                                         ('"C:\\anti virus\\scan.exe" /scan', '"C:\\anti virus\\scan.exe" /scan'),
                                         ('""C:\\anti virus\\scan.exe"', '"C:\\anti virus\\scan.exe')], 3):
        p.options({DOWNLOAD_FOLDER: windows_path(p.path("dl")), SCANNER: stored, AFTER: 0})
        file = p.download("tool.exe")
        p.start(windows_path(file), cwd=p.path("incoming"))
        told = p.robot.box(PRODUCT, IDOK)
        expect(told == f'The Anti-virus scanner under Options ("{shown}") is not a full path, so tool.exe was not '
               f"installed.\n\ntool.exe was moved to {windows_path(p.path('dl'))} as tool ({n}).exe.\n\n" +
               later(full, f"tool ({n}).exe"), f"{stored}: {told!r}")
        p.finished()
    expect(log_of(planted) is None, "a scanner was taken from the current folder")


def quotes_are_kept(p):
    """Quotes around a path that names nothing belong to it; around a file that is there, they
    only enclose its name."""
    p.options({DOWNLOAD_FOLDER: windows_path(p.path("dl")), AFTER: 1})
    file = p.download("tool.zip", {"setup.exe": "recorder"})
    missing = p.path("incoming", "gone.zip")
    p.start(f'"{windows_path(missing)}"')
    told = p.robot.box(PRODUCT, IDOK)
    expect(told == f'"{windows_path(missing)}" could not be found, so gone.zip was not installed.', f"message: {told!r}")
    p.finished()
    expect(os.path.exists(file), "the file was touched")
    p.start(f'"{windows_path(file)}"')
    question = p.robot.box(ASK, IDNO)
    expect(question.startswith("tool.zip has finished downloading."), f"question: {question!r}")
    p.robot.box(PRODUCT, IDOK)
    p.finished()
    expect(os.path.exists(p.path("dl", "tool.zip")), "the quoted file was not kept")


def failed_move_into_the_temporary_folder_stops(p):
    """The download cannot go into the temporary folder, or that folder cannot be made: nothing is
    installed and the download is kept for later rather than left to the browser."""
    prepared(p, 1)
    dl = windows_path(p.path("dl"))
    os.makedirs(p.path("dl", TEMP, "tool.zip"))  # a folder of an earlier archive stands in the way
    file = p.download("tool.zip", {"setup.exe": "recorder"})
    p.start("-run," + windows_path(file))
    told = p.robot.box(PRODUCT, IDOK)
    expect(told == f"tool.zip could not be moved to {dl}\\{TEMP}, where a folder of that name is in the way, so tool.zip "
           f"was not installed.\n\ntool.zip was moved to {dl}.\n\n" +
           later(f"Delete or rename the folder {dl}\\{TEMP}\\tool.zip, then", "tool.zip"), f"message: {told!r}")
    p.finished()

    shutil.rmtree(p.path("dl", TEMP))
    with open(p.path("dl", TEMP), "w") as f:  # a file where the temporary folder belongs
        f.write("t")
    file = p.download("tool.zip", {"setup.exe": "recorder"})
    p.start("-run," + windows_path(file))
    told = p.robot.box(PRODUCT, IDOK)
    expect(told == f"{dl}\\{TEMP} could not be made or read, so tool.zip was not installed.\n\n"
           f"tool.zip was moved to {dl} as tool (2).zip.\n\n" +
           later("Check the Download folder under Options, then", "tool (2).zip"), f"message: {told!r}")
    p.finished()
    expect(log_of(p.path("util", "pkunzip.exe")) is None, "pkunzip ran on a file that is not there")
    expect(sorted(where_is(p, "tool.zip") + where_is(p, "tool (2).zip")) ==
           [p.path("dl", "tool (2).zip"), p.path("dl", "tool.zip")], "the downloads were not kept")


def brisk_install_in_the_temporary_folder(p):
    """Brisk Install on the archive that stays in ~Briskdl, named in another case and through
    "..": it is installed from where it is, and the other files there go."""
    prepared(p, 1)
    temp = p.path("dl", TEMP)
    os.makedirs(temp)
    shutil.move(p.download("tool.zip", {"setup.exe": "recorder", "readme.txt": "r"}), os.path.join(temp, "tool.zip"))
    with open(os.path.join(temp, "stale.txt"), "w") as f:
        f.write("s")
    p.start("-run," + windows_path(p.path("dl", "sub")) + "\\..\\" + TEMP.upper() + "\\Tool.zip")
    setup = wait_for_log(os.path.join(temp, "setup.exe"))
    p.finished()
    expect(setup is not None, "the archive's setup.exe did not run")
    expect(os.path.exists(os.path.join(temp, "tool.zip")), "the archive being installed was deleted")
    expect(not os.path.exists(os.path.join(temp, "stale.txt")), "an old file stayed")

    # Named relative to the download folder, which is current: the unpack still finds it.
    p.start("-run," + TEMP + "\\tool.zip", cwd=p.path("dl"))
    p.finished()
    expect(wait_for_log(os.path.join(temp, "setup.exe")) is not None, "the archive was not installed again")

    # An installer unpacked there, at the top or in a folder of its own, runs where it is, its
    # data beside it; nothing there is deleted or moved. It is waited for, as any program.
    for folder in (temp, os.path.join(temp, "disk1")):
        os.makedirs(folder, exist_ok=True)
        setup = os.path.join(folder, "setup.exe")
        shutil.copy(os.path.join(p.bin_dir, "recorder.exe"), setup)
        with open(os.path.join(folder, "data1.cab"), "w") as f:
            f.write("d")
        before = sorted(where_is(p, "data1.cab") + where_is(p, "tool.zip") + where_is(p, "setup.exe"))
        if os.path.exists(setup + ".log"):
            os.remove(setup + ".log")
        p.start("-run," + windows_path(setup))
        expect(p.robot.box(PRODUCT, IDNO).startswith("If setup.exe was not itself an install program"), "message 6")
        p.finished()
        ran = log_of(setup)
        expect(ran == f"cmdline={windows_path(setup)}\ncwd={windows_path(folder)}\nflags=0x40\n", f"setup: {ran!r}")
        expect(sorted(where_is(p, "data1.cab") + where_is(p, "tool.zip") + where_is(p, "setup.exe")) == before,
               f"files beside {setup} were deleted or moved")

    # A scan that stops leaves it there too, and says so.
    p.options({DOWNLOAD_FOLDER: windows_path(p.path("dl")), SCANNER: "C:\\AV\\missing.exe", AFTER: 0})
    p.start("-run," + windows_path(setup))
    told = p.robot.box(PRODUCT, IDOK)
    expect(told == "C:\\AV\\missing.exe could not be started (error 3), so setup.exe was not installed.\n\nsetup.exe is "
           f"in {windows_path(folder)}.\n\n" + later(CHECK_SCANNER, "setup.exe"), f"message: {told!r}")
    p.finished()
    expect(sorted(where_is(p, "data1.cab") + where_is(p, "tool.zip") + where_is(p, "setup.exe")) == before,
           f"files beside {setup} were moved")


def brisk_install_through_another_drive_letter(p):
    """Drive Y: is the download folder, as SUBST or a mapped drive makes it: the archive that
    stays in ~Briskdl, named through Y:, is the one being installed and is not deleted."""
    prepared(p, 1)
    temp = p.path("dl", TEMP)
    os.makedirs(temp)
    shutil.move(p.download("tool.zip", {"setup.exe": "recorder"}), os.path.join(temp, "tool.zip"))
    with open(os.path.join(temp, "stale.txt"), "w") as f:
        f.write("s")
    drive = os.path.join(os.environ["WINEPREFIX"], "dosdevices", "y:")
    if os.path.lexists(drive):
        os.remove(drive)
    os.symlink(p.path("dl"), drive)
    try:
        p.start("/run,Y:\\" + TEMP + "\\tool.zip")
        setup = wait_for_log(os.path.join(temp, "setup.exe"))
        p.finished()
    finally:
        os.remove(drive)
    expect(setup is not None, "the archive's setup.exe did not run")
    expect(os.path.exists(os.path.join(temp, "tool.zip")), "the archive being installed was deleted")
    expect(not os.path.exists(os.path.join(temp, "stale.txt")), "an old file stayed")


if __name__ == "__main__":
    run_scenario(globals())
