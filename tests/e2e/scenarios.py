#!/usr/bin/env python3
"""End-to-end scenarios: the real program under Wine, started with a real command line, its
boxes and dialogs answered through the robot, its effects read back independently.

Each scenario runs a copy of the program (with bwcc32.dll) in a folder of its own, so that its
Briskdl.ini, which lives beside the program, starts out missing.
Usage: scenarios.py SCENARIO --bin BUILD/bin --work BUILD/e2e"""

import argparse
import configparser
import os
import shutil
import subprocess
import sys
import time

os.environ.setdefault("WINEARCH", "win32")
os.environ.setdefault("WINEDEBUG", "-all")
os.environ.setdefault("WINEDLLOVERRIDES", "mscoree,mshtml=")

PRODUCT = "Brisk Download"
OPTIONS = "Brisk Download Options"
SECTION = "Brisk Download"
IDOK, IDCANCEL, IDYES, IDNO = 1, 2, 6, 7


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


class Failure(Exception):
    pass


def expect(condition, what):
    if not condition:
        raise Failure(what)


class Robot:
    def __init__(self, bin_dir):
        self.exe = os.path.join(bin_dir, "robot.exe")

    def __call__(self, *args, check=True):
        done = subprocess.run(["wine", self.exe, *map(str, args)], stdin=subprocess.DEVNULL,
                              capture_output=True, timeout=60)
        out = done.stdout.decode("latin-1").replace("\r\n", "\n")
        if check and done.returncode != 0:
            raise Failure(f"robot {' '.join(map(str, args))}: status {done.returncode} "
                          f"{done.stderr.decode('latin-1').strip()}")
        return out

    def shown(self, title, ms=20000):
        return self("wait", title, ms, check=False) != "" or False

    def box(self, caption, answer):
        """Answers the message box with the caption and returns its text."""
        return self("answer", caption, answer)


class Program:
    """A copy of the distributed program in a scenario's own folder."""

    def __init__(self, bin_dir, work, scenario, name="Brisk Download.exe"):
        self.folder = os.path.join(work, scenario)
        shutil.rmtree(self.folder, ignore_errors=True)
        os.makedirs(self.folder)
        self.exe = os.path.join(self.folder, name)
        shutil.copy(os.path.join(bin_dir, "setup.exe"), self.exe)
        shutil.copy(os.path.join(bin_dir, "bwcc32.dll"), self.folder)
        self.robot = Robot(bin_dir)
        self.bin_dir = bin_dir
        self.process = None

    def start(self, command_line, env=None):
        hex_line = command_line.encode("latin-1").hex()
        self.process = subprocess.Popen(["wine", self.robot.exe, "run", windows_path(self.exe), hex_line],
                                        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL, env={**os.environ, **(env or {})})

    def finished(self, timeout=30):
        """The program ended by itself with status 0."""
        try:
            status = self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            windows = self.robot("list", check=False)
            self.process.kill()
            raise Failure(f"the program did not end; windows shown:\n{windows}")
        expect(status == 0, f"exit status {status}")

    def options(self, values):
        """Writes Briskdl.ini beside the program with these keys and values."""
        with open(os.path.join(self.folder, "Briskdl.ini"), "w", newline="\r\n", encoding="latin-1") as f:
            f.write("[Brisk Download]\n")
            for key, value in values.items():
                f.write(f"{key}={value}\n")

    def path(self, *parts):
        return os.path.join(self.folder, *parts)

    def fixture(self, name, *where):
        """A copy of a fixture program (recorder or pkunzip) at path(*where)."""
        target = self.path(*where)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        shutil.copy(os.path.join(self.bin_dir, name + ".exe"), target)
        return target

    def download(self, name, files=None):
        """A downloaded file in incoming/: a zip of files {name in archive: fixture or text}."""
        target = self.path("incoming", name)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        if files is None:
            shutil.copy(os.path.join(self.bin_dir, "recorder.exe"), target)
            return target
        source = self.path("archive source")
        shutil.rmtree(source, ignore_errors=True)
        for inner, content in files.items():
            os.makedirs(os.path.dirname(os.path.join(source, inner)) or source, exist_ok=True)
            if content == "recorder":
                shutil.copy(os.path.join(self.bin_dir, "recorder.exe"), os.path.join(source, inner))
            else:
                with open(os.path.join(source, inner), "w") as f:
                    f.write(content)
        subprocess.run(["zip", "-q", "-r", os.path.abspath(target), "."], cwd=source, check=True)
        return target

    def ini(self):
        path = os.path.join(self.folder, "Briskdl.ini")
        if not os.path.exists(path):
            return None
        parser = configparser.ConfigParser(interpolation=None)
        parser.optionxform = str
        with open(path, encoding="latin-1") as f:
            parser.read_file(f)
        return {s: dict(parser[s]) for s in parser.sections()}


def options_dialog_then(program, button=IDCANCEL):
    robot = program.robot
    expect(robot.shown(OPTIONS), "the Options dialog did not appear")
    robot("click", OPTIONS, button)
    program.finished()


# Dispatch: which job a command line starts.

def uninstall_yes(p):
    p.start("/uninstall")
    expect(p.robot.box(PRODUCT, IDYES) == "Uninstall Brisk Download?", "uninstall question")
    expect(p.robot.box(PRODUCT, IDOK) == "Brisk Download has been uninstalled.", "uninstalled message")
    p.finished()


def uninstall_no(p):
    p.start("/uninstall,C:\\x.zip")
    expect(p.robot.box(PRODUCT, IDNO) == "Uninstall Brisk Download?", "uninstall question")
    p.finished()
    expect(p.ini() is None, "nothing written")


def uninstall_other_case(p):
    p.start("/Uninstall")  # not the switch, and no file: the Options dialog
    options_dialog_then(p)


INSTALL_QUESTION = ("Brisk Download is a Netscape Navigator plug-in that makes downloading programs a snap."
                    "\n\nInstall Brisk Download?")


def setup_in_capitals(p):
    forget_uninstall_entry()
    p.start("")  # SETUP.EXE without arguments installs itself: first it asks
    expect(p.robot.box(ASK, IDNO) == INSTALL_QUESTION, "the install question")
    p.finished()
    expect(p.ini() is None, "nothing written")
    expect(reg_query(UNINSTALL_KEY, "DisplayName") is None, "an uninstall entry was written")


def setup1_shows_options(p):
    p.start("")
    options_dialog_then(p)


setup_old_shows_options = setup1_shows_options


def three_commas(p):
    p.start(",,,")
    options_dialog_then(p)


def lone_prefix(p):
    p.start("/")  # a lone prefix is a file argument: the hand-off, not the Options dialog
    question = p.robot.box("Brisk Download 96.6.20", IDNO)
    expect(question.startswith("/ has finished downloading."), f"question: {question}")
    told = p.robot.box(PRODUCT, IDOK)  # there is no such file to move
    expect(told == "/ could not be moved to C:\\downloaded files.", f"message: {told}")
    p.finished()


def normal_with_setup_name(p):
    p.start("/normal")
    options_dialog_then(p)


# The Options dialog and Briskdl.ini.

def options_defaults_cancel_writes_nothing(p):
    p.start("/normal")
    r = p.robot
    expect(r.shown(OPTIONS), "the Options dialog did not appear")
    seen = (r("text", OPTIONS, 80), r("text", OPTIONS, 81), r("text", OPTIONS, 82))
    expect(seen == ("C:\\downloaded files", "<path>", ""), f"defaults shown: {seen}")
    checks = [r("checked", OPTIONS, i).strip() for i in (88, 89, 90)]
    expect(checks == ["0", "1", "0"], f"Ask what to do is checked: {checks}")
    r("click", OPTIONS, IDCANCEL)
    p.finished()
    expect(p.ini() is None, "Cancel created Briskdl.ini")


def options_ok_writes_only_changed(p):
    p.start("")
    r = p.robot
    expect(r.shown(OPTIONS), "the Options dialog did not appear")
    r("settext", OPTIONS, 80, "D:\\my downloads")
    r("click", OPTIONS, IDOK)
    p.finished()
    ini = p.ini()
    expect(ini == {SECTION: {"Download folder": "D:\\my downloads"}}, f"Briskdl.ini holds {ini}")


def options_second_radio_stores_2(p):
    p.start("/normal")
    r = p.robot
    expect(r.shown(OPTIONS), "the Options dialog did not appear")
    r("click", OPTIONS, 90)  # "Never install, move to Download folder", second on screen
    r("click", OPTIONS, IDOK)
    p.finished()
    ini = p.ini()
    expect(ini == {SECTION: {"After download": "2"}}, f"Briskdl.ini holds {ini}")


def options_hand_edited_5_checks_none(p):
    with open(os.path.join(p.folder, "Briskdl.ini"), "w", newline="\r\n") as f:
        f.write("[Brisk Download]\nAfter download=5\n")
    p.start("/normal")
    r = p.robot
    expect(r.shown(OPTIONS), "the Options dialog did not appear")
    checks = [r("checked", OPTIONS, i).strip() for i in (88, 89, 90)]
    expect(checks == ["0", "0", "0"], f"no button checked: {checks}")
    r("click", OPTIONS, IDCANCEL)
    p.finished()
    ini = p.ini()
    expect(ini == {SECTION: {"After download": "5"}}, f"Cancel keeps the file: {ini}")


# The download hand-off, with the recorder as scanner, installer and downloaded program and the
# extractor fixture as pkunzip.exe.

ASK = "Brisk Download 96.6.20"
TEMP = "~Briskdl"


def log_of(program_path):
    path = program_path + ".log"
    if not os.path.exists(path):
        return None
    with open(path, encoding="latin-1") as f:
        return f.read().replace("\r\n", "\n")


def wait_for_log(program_path, seconds=20):
    for _ in range(seconds * 10):
        text = log_of(program_path)
        if text:
            return text
        time.sleep(0.1)
    return None


DOWNLOAD_FOLDER, SCANNER, PKUNZIP, AFTER = ("Download folder", "Anti-virus scanner", "Location of pkunzip",
                                           "After download")


def prepared(p, after_download):
    """Download folder dl/, scanner scan.exe and pkunzip in util/, as the options say."""
    scanner = p.fixture("recorder", "av", "scan.exe")
    p.fixture("pkunzip", "util", "pkunzip.exe")
    p.options({DOWNLOAD_FOLDER: windows_path(p.path("dl")), SCANNER: windows_path(scanner),
               PKUNZIP: windows_path(p.path("util")), AFTER: after_download})
    return scanner


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
    prepared(p, 2)
    os.makedirs(p.path("dl"))
    with open(p.path("dl", "tool.exe"), "w") as f:
        f.write("older")
    file = p.download("tool.exe")
    p.start(windows_path(file))
    told = p.robot.box(PRODUCT, IDOK)
    expect(told == f"tool.exe could not be moved to {windows_path(p.path('dl'))}.", f"message: {told!r}")
    p.finished()
    expect(os.path.exists(file) and open(p.path("dl", "tool.exe")).read() == "older", "both files as they were")


def run_unpacks_and_starts_setup(p):
    prepared(p, 1)  # "Ask what to do", overridden by the run switch
    file = p.download("TOOL.ZIP", {"setup.exe": "recorder", "install.exe": "recorder", "readme.txt": "r"})
    p.start("-run," + windows_path(file))
    temp = p.path("dl", TEMP)
    setup = wait_for_log(os.path.join(temp, "setup.exe"))
    p.finished()
    expect(setup == f"cmdline={windows_path(temp)}\\setup.exe\ncwd={windows_path(temp)}\nflags=0x40\n",
           f"setup.exe: {setup!r}")
    expect(log_of(os.path.join(temp, "install.exe")) is None, "install.exe was started too")
    unzip = log_of(p.path("util", "pkunzip.exe"))
    util = windows_path(p.path("util")).lower()  # the location is taken in lower case
    expect(unzip.startswith(f"cmdline={util}\\pkunzip.exe -d -o ") and unzip.endswith(
        f"\ncwd={windows_path(temp)}\nflags=0x0\n"), f"pkunzip: {unzip!r}")


def explorer_stand_in(p):
    """A recorder named explorer.exe beside the program: a command line without a path finds it
    there before the system's own."""
    return p.fixture("recorder", "explorer.exe")


def expect_explorer_on(explorer, folder):
    seen = wait_for_log(explorer)
    wanted = f"cmdline=explorer.exe /e,/\n, {windows_path(folder)}\ncwd={windows_path(folder)}\nflags=0x40\n"
    expect(seen == wanted, f"explorer: {seen!r}")


def zip_without_top_level_installer(p):
    prepared(p, 0)
    explorer = explorer_stand_in(p)
    file = p.download("tool.zip", {"sub/setup.exe": "recorder", "readme.txt": "r"})
    p.start(windows_path(file))
    told = p.robot.box(PRODUCT, IDOK)
    expect(told.startswith("There doesn't appear to be an install program in the zip file"), f"message 5: {told!r}")
    p.finished()
    expect_explorer_on(explorer, p.path("dl", TEMP))
    expect(os.path.exists(p.path("dl", TEMP, "sub", "setup.exe")), "unpacked with its folders")
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
    prepared(p, 0)
    temp = p.path("dl", TEMP)
    os.makedirs(os.path.join(temp, "sub"))
    for old in ("setup.exe", "old.txt"):
        shutil.copy(os.path.join(p.bin_dir, "recorder.exe"), os.path.join(temp, old))
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
    prepared(p, 0)
    p.options({DOWNLOAD_FOLDER: windows_path(p.path("dl")), PKUNZIP: windows_path(p.path("nowhere")), AFTER: 0})
    file = p.download("tool.zip", {"setup.exe": "recorder"})
    p.start(windows_path(file))
    told = p.robot.box(PRODUCT, IDOK)
    expect(told == "Brisk Download requires pkunzip.exe to decompress zip files. \nPlease download pkunzip.exe "
           "and specify its location under Options.", f"message 3: {told!r}")
    p.finished()
    expect(os.path.exists(p.path("dl", TEMP, "tool.zip")), "the archive is in the temporary folder")


def not_a_program_is_kept(p):
    prepared(p, 0)
    file = p.path("incoming", "notes.txt")
    os.makedirs(os.path.dirname(file))
    with open(file, "w") as f:
        f.write("n")
    p.start(windows_path(file))
    told = p.robot.box(PRODUCT, IDOK)
    expect(told == f"notes.txt was moved to {windows_path(p.path('dl'))}.\n\nBrisk Download installs only zip "
           "archives and programs (.zip and .exe files).", f"message: {told!r}")
    p.finished()
    expect(os.path.exists(p.path("dl", "notes.txt")), "kept in the download folder")


def dotted_folder_still_a_zip(p):
    prepared(p, 0)
    file = p.download("tool.zip", {"setup.exe": "recorder"})
    dotted = p.path("Netscape.2", "tool.zip")
    os.makedirs(os.path.dirname(dotted))
    shutil.move(file, dotted)
    p.start(windows_path(dotted))
    expect(wait_for_log(p.path("dl", TEMP, "setup.exe")) is not None, "the archive's setup.exe did not run")
    p.finished()


def quoted_scanner_and_blanks(p):
    scanner = p.fixture("recorder", "anti virus", "scan.exe")
    p.fixture("pkunzip", "un zip", "pkunzip.exe")
    dl = p.path("down loads")
    p.options({DOWNLOAD_FOLDER: windows_path(dl), SCANNER: f'"{windows_path(scanner)}"',
               PKUNZIP: windows_path(p.path("un zip")), AFTER: 0})
    file = p.download("my tool.zip", {"setup.exe": "recorder"})
    p.start(windows_path(file))
    setup = wait_for_log(os.path.join(dl, TEMP, "setup.exe"))
    p.finished()
    scan = log_of(scanner)
    # The profile file gives the option back without its enclosing quotes; the file is quoted.
    expect(scan is not None and scan.startswith(f'cmdline={windows_path(scanner)} "{windows_path(file)}"'),
           f"scan: {scan!r}")
    unzip = log_of(p.path("un zip", "pkunzip.exe"))
    expect(unzip is not None and unzip.startswith(f'cmdline="{windows_path(p.path("un zip")).lower()}\\pkunzip.exe" -d -o '),
           f"pkunzip: {unzip!r}")
    expect(setup is not None and setup.startswith(f'cmdline="{windows_path(os.path.join(dl, TEMP))}\\setup.exe"'),
           f"setup: {setup!r}")


def scanner_that_cannot_start(p):
    p.options({DOWNLOAD_FOLDER: windows_path(p.path("dl")), SCANNER: "C:\\AV\\missing.exe", AFTER: 2})
    file = p.download("tool.exe")
    p.start(windows_path(file))
    told = p.robot.box(PRODUCT, IDOK)
    expect(told == "C:\\AV\\missing.exe could not be started, so tool.exe was not scanned.", f"message: {told!r}")
    p.finished()
    expect(os.path.exists(p.path("dl", "tool.exe")), "the hand-off went on")


def quotes_are_kept(p):
    p.options({DOWNLOAD_FOLDER: windows_path(p.path("dl")), AFTER: 1})
    file = p.download("tool.zip", {"setup.exe": "recorder"})
    p.start(f'"{windows_path(file)}"')  # the quotes belong to the path, which names no file
    question = p.robot.box(ASK, IDNO)
    expect(question.startswith('tool.zip" has finished downloading.'), f"question: {question!r}")
    p.robot.box(PRODUCT, IDOK)
    p.finished()
    expect(os.path.exists(file), "the file was touched")


def failed_move_into_the_temporary_folder_stops(p):
    prepared(p, 1)
    missing = p.path("incoming", "gone.zip")  # the browser's file is no longer there
    p.start("-run," + windows_path(missing))
    scan = p.robot.box(PRODUCT, IDOK)  # its folder is gone too, so the scanner cannot start there
    expect(scan.endswith("could not be started, so gone.zip was not scanned."), f"scan: {scan!r}")
    told = p.robot.box(PRODUCT, IDOK)
    temp = windows_path(p.path("dl")) + "\\" + TEMP
    expect(told == f"gone.zip could not be moved to {temp}.", f"message: {told!r}")
    p.finished()
    expect(log_of(p.path("util", "pkunzip.exe")) is None, "pkunzip ran on a file that is not there")


# Hostile input and faults: each ends in a clear result, and the user's file is never lost.

SKIPPED = 77  # the status that ctest counts as skipped


class Skip(Exception):
    pass


def where_is(p, name):
    """Where the downloaded file name now is: a list of paths under the scenario's folder."""
    found = []
    for folder, _, files in os.walk(p.folder):
        found += [os.path.join(folder, f) for f in files if f == name]
    return found


def not_moved_and_kept(p, folder_text):
    """A downloaded tool.exe that cannot be moved into folder_text: the user is told, and the file
    stays where the browser left it."""
    file = p.download("tool.exe")
    p.start(windows_path(file))
    told = p.robot.box(PRODUCT, IDOK)
    expect(told == f"tool.exe could not be moved to {folder_text}.", f"message: {told!r}")
    p.finished()
    expect(os.path.exists(file), "the downloaded file is lost")


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
    p.start("/uninstall")
    expect(p.robot.box(PRODUCT, IDYES) == "Uninstall Brisk Download?", "uninstall question")
    expect(p.robot.box(PRODUCT, IDOK) == "Brisk Download has been uninstalled.", "uninstalled message")
    p.finished()
    expect(reg_query(viewers, "TYPE9") == "other/type", "another program's entry was removed")
    subprocess.run(["wine", "reg", "delete", viewers, "/v", "TYPE9", "/f"], stdin=subprocess.DEVNULL,
                   capture_output=True)


# Self-installation and uninstallation, read back with Wine's reg and lnkinfo.

INSTALLED = "Brisk Download Options"
UNINSTALL_KEY = "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Brisk Download"
VIEWERS = "HKCU\\Software\\Netscape\\Netscape Navigator\\Viewers"


def reg_query(key, value=None):
    """The value's data as `wine reg query` prints it, or None when it is missing."""
    args = ["wine", "reg", "query", key] + (["/v", value] if value is not None else ["/ve"])
    done = subprocess.run(args, stdin=subprocess.DEVNULL, capture_output=True)
    if done.returncode != 0:
        return None
    for line in done.stdout.decode("latin-1").replace("\r", "").splitlines():
        parts = line.strip().split("    ")
        if len(parts) >= 3 and parts[1].startswith("REG_"):
            return None if parts[2] == "(value not set)" else parts[2]
        if len(parts) == 2 and parts[1].startswith("REG_"):
            return ""
    return None


def forget_uninstall_entry():
    subprocess.run(["wine", "reg", "delete", UNINSTALL_KEY, "/f"], stdin=subprocess.DEVNULL, capture_output=True)


def install_into(p, folder_text):
    """Starts setup.exe, says Yes and confirms folder_text in the folder dialog."""
    forget_uninstall_entry()
    p.start("")
    p.robot.box(ASK, IDYES)
    expect(p.robot.shown(PRODUCT), "the folder dialog did not appear")
    p.robot("settext", PRODUCT, 4090, folder_text)
    p.robot("click", PRODUCT, IDOK)


def drive_c(*parts):
    return os.path.join(os.environ["WINEPREFIX"], "drive_c", *parts)


def install_with_defaults_then_uninstall(p):
    folder = drive_c("Program Files", "Brisk Download")
    shutil.rmtree(folder, ignore_errors=True)
    forget_uninstall_entry()
    with open(p.path("readme.txt"), "w") as f:
        f.write("readme")
    r = p.robot
    p.start("")
    expect(r.box(ASK, IDYES) == INSTALL_QUESTION, "the install question")
    expect(r.shown(PRODUCT), "the folder dialog did not appear")
    expect(r("text", PRODUCT, 4091) == "Install Brisk Download in the following folder:", "the folder prompt")
    expect(r("text", PRODUCT, 4090) == "C:\\Program Files\\Brisk Download", "the default folder")
    r("click", PRODUCT, IDOK)
    expect(r.shown(OPTIONS), "the Options dialog did not appear")
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
    expect(dict(ini[SECTION]) == {"Download folder": "C:\\my downloads"}, "the options went to the install folder")
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

    # The uninstall entry's command, as Windows would run it.
    q = p.robot
    program = Program(p.bin_dir, os.path.dirname(p.folder), "installed copy")
    program.exe = os.path.join(folder, "Brisk Download.exe")
    for _ in range(2):  # a second uninstallation leaves the same state
        program.start("/uninstall")
        expect(q.box(PRODUCT, IDYES) == "Uninstall Brisk Download?", "the uninstall question")
        expect(q.box(PRODUCT, IDOK) == "Brisk Download has been uninstalled.", "the last message")
        program.finished()
        expect(reg_query(UNINSTALL_KEY, "DisplayName") is None, "the uninstall entry stayed")
        expect(reg_query(VIEWERS, "application/zip") == "", "the browser helper stayed")
        expect(reg_query(VIEWERS, "TYPE1") == "application/zip", "the type list went")
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
    r = p.robot
    install_into(p, "C:")
    told = r.box(ASK, IDOK)
    expect(told == "Please enter a full folder path, such as C:\\Program Files\\Brisk Download.", f"{told!r}")
    expect(r.shown(PRODUCT), "the folder dialog did not come again")
    expect(r("text", PRODUCT, 4090) == "C:", "the folder as typed")
    r("click", PRODUCT, IDCANCEL)
    p.finished()
    expect(reg_query(UNINSTALL_KEY, "DisplayName") is None, "an uninstall entry was written")
    expect(p.ini() is None, "options were written")


def copy_failure_stops(p):
    blocker = drive_c("blocked")
    shutil.rmtree(blocker, ignore_errors=True)
    with open(blocker, "w") as f:  # a file where the folder should be: nothing can go in it
        f.write("x")
    try:
        install_into(p, "C:\\blocked\\Brisk")
        told = p.robot.box(ASK, IDOK)
        expect(told == "Brisk Download could not be copied to C:\\blocked\\Brisk.", f"message: {told!r}")
        p.finished()
        expect(reg_query(UNINSTALL_KEY, "DisplayName") is None, "an uninstall entry was written")
    finally:
        os.remove(blocker)


PROGRAM_NAMES = {
    "setup_in_capitals": "SETUP.EXE",
    "setup1_shows_options": "setup1.exe",
    "setup_old_shows_options": "setup.old.exe",
    "normal_with_setup_name": "setup.exe",
    "install_with_defaults_then_uninstall": "setup.exe",
    "install_folder_as_typed": "setup.exe",
    "short_folder_is_asked_again_then_cancel": "Setup.exe",
    "copy_failure_stops": "setup.exe",
}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("scenario")
    parser.add_argument("--bin", required=True)
    parser.add_argument("--work", required=True)
    args = parser.parse_args()
    scenario = globals()[args.scenario]
    program = Program(args.bin, args.work, args.scenario, PROGRAM_NAMES.get(args.scenario, "Brisk Download.exe"))
    try:
        scenario(program)
    except Skip as skip:
        print(f"skipped {args.scenario}: {skip}")
        return SKIPPED
    except Failure as failure:
        print(f"FAILED {args.scenario}: {failure}")
        if program.process and program.process.poll() is None:
            program.process.kill()
        return 1
    print(f"passed {args.scenario}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
