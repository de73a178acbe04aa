#!/usr/bin/env python3
"""The end-to-end harness: the real program under Wine, started with a real command line, its
boxes and dialogs answered through the robot, its effects read back independently.

Each scenario runs a copy of the program (with bwcc32.dll) in a folder of its own, so that its
Briskdl.ini, which lives beside the program, starts out missing. The scenarios live in one file
per area under tests/e2e (dispatch.py, handoff.py, hostile.py, install.py); each ends with
run_scenario(), so that a scenario is started as: AREA.py SCENARIO --bin BUILD/bin --work
BUILD/e2e. The tour of make run (tour.py) drives the program through the same harness."""
import argparse
import configparser
import os
import re
import shutil
import subprocess
import sys
import time

os.environ.setdefault("WINEARCH", "win32")
os.environ.setdefault("WINEDEBUG", "-all")
os.environ.setdefault("WINEDLLOVERRIDES", "mscoree,mshtml=;winemenubuilder.exe=d")

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

    def start(self, command_line, env=None, cwd=None, stderr=None):
        self.process = robot_start(self.robot, "run", windows_path(self.exe), command_line, env, cwd, stderr)

    def finished(self, timeout=30):
        """The program ended by itself with status 0."""
        program_ended(self.process, self.robot, timeout)

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

    def download(self, name, files=None, comment=None):
        """A downloaded file in incoming/: a zip of files {name in archive: fixture or text}, made
        by Info-ZIP zip, with the archive comment given."""
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
        if comment is not None:
            subprocess.run(["zip", "-q", "-z", os.path.abspath(target)], input=comment.encode() + b"\n.\n", check=True)
        return target

    def ini(self):
        return read_ini(os.path.join(self.folder, "Briskdl.ini"))


def robot_start(robot, verb, program, command_line, env=None, cwd=None, stderr=None):
    """The robot starting a program (verb run: PROGRAM with command_line; runline: command_line
    alone, as Windows starts a registered command) in the background, from the folder cwd (the
    current one when None); returns the process. Wine's messages of the robot, the program and
    what it starts go to the open file stderr (none when None)."""
    hex_line = command_line.encode("latin-1").hex()
    return subprocess.Popen(["wine", robot.exe, verb] + ([program] if program else []) + [hex_line],
                            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                            stderr=stderr if stderr is not None else subprocess.DEVNULL,
                            env={**os.environ, **(env or {})}, cwd=cwd)


PROCESS_TRACE = {"WINEDEBUG": "+process"}


def created_processes(trace_path):
    """The processes that Wine's process trace (a start with env=PROCESS_TRACE and stderr to the
    file) shows created, as (program file, command line) pairs, in order."""
    created = []
    pattern = re.compile(r'NtCreateUserProcess L".*?" image L"(.*?)" cmdline L"(.*)" parent')
    with open(trace_path, encoding="latin-1") as f:
        for line in f:
            found = pattern.search(line)
            if found:
                image, command = (re.sub(r"\\(.)", lambda m: {"n": "\n", "r": "\r", "t": "\t"}.get(m[1], m[1]),
                                         text) for text in found.groups())
                created.append((image, command))
    return created


def program_ended(process, robot, timeout=30):
    """The program that robot_start started ended by itself with status 0."""
    try:
        status = process.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        windows = robot("list", check=False)
        process.kill()
        raise Failure(f"the program did not end; windows shown:\n{windows}")
    expect(status == 0, f"exit status {status}")


def read_ini(path):
    """A profile file as {section: {key: value}}, or None when there is none."""
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


INSTALL_QUESTION = ("Brisk Download is a Netscape Navigator plug-in that makes downloading programs a snap."
                    "\n\nInstall Brisk Download?")


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


def hidden_and_read_only(path):
    """Gives the file Wine's hidden attribute (kept in an extended attribute) and makes it
    read-only (no write permission)."""
    os.setxattr(path, "user.DOSATTRIB", b"0x3")
    os.chmod(path, 0o444)


def later(first, name):
    """The last paragraph of a stop: what to mend, then Brisk Install on the kept file."""
    return f"{first}, in Explorer, right click on {name} and select Brisk Install."


CHECK_SCANNER = "Check the Anti-virus scanner under Options, then"


def explorer_stand_in(p):
    """A recorder named explorer.exe beside the program: a command line without a path finds it
    there before the system's own."""
    return p.fixture("recorder", "explorer.exe")


def expect_explorer_on(explorer, folder):
    seen = wait_for_log(explorer)
    wanted = f"cmdline=explorer.exe /e,/\n, {windows_path(folder)}\ncwd={windows_path(folder)}\nflags=0x40\n"
    expect(seen == wanted, f"explorer: {seen!r}")


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
    expect(told == f"tool.exe could not be moved to {folder_text}; it is in {windows_path(p.path('incoming'))}.\n\n"
           "Check the Download folder under Options, or move tool.exe to a folder of your own.", f"message: {told!r}")
    p.finished()
    expect(os.path.exists(file), "the downloaded file is lost")


INSTALLED = "Brisk Download Options"
UNINSTALL_KEY = "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Brisk Download"
VIEWERS = "HKCU\\Software\\Netscape\\Netscape Navigator\\Viewers"


def reg_values(key):
    """The key's values as {name: data}, as `wine reg query` prints them (the default value as
    "(Default)"); {} when the key is missing."""
    done = subprocess.run(["wine", "reg", "query", key], stdin=subprocess.DEVNULL, capture_output=True)
    values = {}
    for line in done.stdout.decode("latin-1").replace("\r", "").splitlines():
        parts = line.strip().split("    ")
        if len(parts) >= 2 and parts[1].startswith("REG_"):
            values[parts[0]] = parts[2] if len(parts) >= 3 else ""
    return values


def reg_query(key, value=None):
    """The value's data as `wine reg query` prints it, or None when it is missing."""
    data = reg_values(key).get("(Default)" if value is None else value)
    return None if data == "(value not set)" else data


def reg_add(key, values, replace=False):
    """Writes these REG_SZ values into the key; with replace, into a key that holds nothing else."""
    if replace:
        subprocess.run(["wine", "reg", "delete", key, "/f"], stdin=subprocess.DEVNULL, capture_output=True)
    for name, data in values.items():
        subprocess.run(["wine", "reg", "add", key, "/v", name, "/d", data, "/f"], stdin=subprocess.DEVNULL,
                       capture_output=True, check=True)


def programs_folder():
    """The shell's Programs folder of the Start menu, per user, as the prefix's registry names it."""
    return reg_query("HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Programs")


def forget_uninstall_entry():
    subprocess.run(["wine", "reg", "delete", UNINSTALL_KEY, "/f"], stdin=subprocess.DEVNULL, capture_output=True)


def forget_the_program():
    """Takes out of the prefix's registry whatever an earlier scenario's program left there: the
    uninstall entry, the kept helpers, the browser's table and the Explorer verbs of the usual
    classes, in one start of regedit, so that every scenario starts from the same registry."""
    keys = [UNINSTALL_KEY, "HKCU\\Software\\Brisk Download", VIEWERS] + [
        f"HKCR\\{c}\\shell\\Brisk Install" for c in (".exe", ".zip", "exefile", "zipfile", "kvold.zipfile")]
    roots = {"HKLM\\": "HKEY_LOCAL_MACHINE\\", "HKCU\\": "HKEY_CURRENT_USER\\", "HKCR\\": "HKEY_CLASSES_ROOT\\"}
    text = "REGEDIT4\r\n\r\n" + "".join(f"[-{roots[k[:5]]}{k[5:]}]\r\n" for k in keys)
    reg = os.path.join(os.environ.get("TMPDIR", "/tmp"), f"forget-{os.getpid()}.reg")
    with open(reg, "w", encoding="latin-1") as f:
        f.write(text)
    subprocess.run(["wine", "regedit", "/s", windows_path(reg)], stdin=subprocess.DEVNULL, capture_output=True)
    os.remove(reg)


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



def run_scenario(scenarios, program_names=None):
    """Runs the scenario named on the command line from the area's scenarios (its globals), in a
    copy of the program named as program_names says (else Brisk Download.exe); exits with 0,
    1 or SKIPPED."""
    parser = argparse.ArgumentParser()
    parser.add_argument("scenario")
    parser.add_argument("--bin", required=True)
    parser.add_argument("--work", required=True)
    args = parser.parse_args()
    scenario = scenarios[args.scenario]
    name = (program_names or {}).get(args.scenario, "Brisk Download.exe")
    program = Program(args.bin, args.work, args.scenario, name)
    forget_the_program()
    try:
        scenario(program)
    except Skip as skip:
        print(f"skipped {args.scenario}: {skip}")
        sys.exit(SKIPPED)
    except Failure as failure:
        print(f"FAILED {args.scenario}: {failure}")
        if program.process and program.process.poll() is None:
            program.process.kill()
        sys.exit(1)
    print(f"passed {args.scenario}")
    sys.exit(0)
