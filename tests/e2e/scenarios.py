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
        self.process = None

    def start(self, command_line):
        hex_line = command_line.encode("latin-1").hex()
        self.process = subprocess.Popen(["wine", self.robot.exe, "run", windows_path(self.exe), hex_line],
                                        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)

    def finished(self, timeout=30):
        """The program ended by itself with status 0."""
        try:
            status = self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            windows = self.robot("list", check=False)
            self.process.kill()
            raise Failure(f"the program did not end; windows shown:\n{windows}")
        expect(status == 0, f"exit status {status}")

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


def setup_in_capitals(p):
    p.start("")  # SETUP.EXE without arguments installs itself, which shows no Options dialog
    p.finished()
    expect(p.ini() is None, "nothing written")


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


PROGRAM_NAMES = {
    "setup_in_capitals": "SETUP.EXE",
    "setup1_shows_options": "setup1.exe",
    "setup_old_shows_options": "setup.old.exe",
    "normal_with_setup_name": "setup.exe",
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
    except Failure as failure:
        print(f"FAILED {args.scenario}: {failure}")
        if program.process and program.process.poll() is None:
            program.process.kill()
        return 1
    print(f"passed {args.scenario}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
