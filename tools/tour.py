#!/usr/bin/env python3
"""The tour of make run (tools/run prepares its fresh prefix and the display): the whole life of
Brisk Download under Wine. It installs the program from build/dist/setup.exe, hands it two demo
downloads the way the browser does, installs the kept one with "Brisk Install", hands it a third
that the scanner refuses and uninstalls the program, each with the command that the installation
registered. Every window is printed and
photographed (tourScreens.py); between the steps it tells what the program did, read back from
the disk, the registry and the logs of the stand-in programs, and it fails when a window or an
effect is missing."""
import argparse
import os
import shutil
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
from harness import (ASK, IDNO, IDOK, IDYES, OPTIONS, PRODUCT, SECTION, TEMP, UNINSTALL_KEY,  # noqa: E402
                     VIEWERS, Failure, Robot, expect, log_of, program_ended, programs_folder, read_ini, reg_query,
                     robot_start, windows_path)
from tourScreens import Screens  # noqa: E402

BIN = os.path.join(ROOT, "build", "win32", "bin")
DEMO = os.path.join(ROOT, "build", "demo", "demo-tool.zip")

# What the user types, and where the browser and the stand-ins live, in the tour's prefix.
INSTALL_FOLDER = "C:\\Program Files\\Brisk Download"
DOWNLOADS = "C:\\My Downloads"
TOOLS = "C:\\Tools"  # pkunzip.exe (the project's extractor) and scan.exe (a stand-in scanner)
BROWSER_CACHE = "C:\\windows\\temp"
DEMO_SETUP = "Demo Setup"
MIME_TYPES = ("application/msdos-windows", "application/zip", "application/octet-stream",
              "application/x-zip-compressed", "multipart/x-zip")
AFTER_ASK = 89  # the "Ask what to do" radio button


def unix(path):
    """The Linux path of a path of the prefix, X:\\..."""
    parts = [p for p in path[2:].split("\\") if p]
    return os.path.join(os.environ["WINEPREFIX"], "dosdevices", path[:2].lower(), *parts)


def listing(path):
    return ", ".join(sorted(os.listdir(unix(path)), key=str.lower)) if os.path.isdir(unix(path)) else "(no folder)"


def program_of(command):
    """The program that Windows starts for a command line: the quoted path, or the shortest text
    up to a blank that names a file."""
    if command.startswith('"'):
        return command[1:command.find('"', 1)]
    words = command.split(" ")
    for n in range(1, len(words) + 1):
        candidate = " ".join(words[:n])
        if os.path.isfile(unix(candidate)):
            return candidate
    return command


def shortcut_target(link):
    """The program a shortcut starts, as Debian's lnkinfo reads it."""
    info = subprocess.run(["lnkinfo", unix(link)], capture_output=True, text=True).stdout
    return next((line.split(":", 1)[1].strip() for line in info.splitlines() if "Local path" in line), "(none)")


def starts(stand_in):
    """The starts that a stand-in program recorded in its log: [(command line, folder)]."""
    found = []
    for line in (log_of(unix(stand_in)) or "").split("\n"):
        if line.startswith("cmdline="):
            found.append([line[len("cmdline="):], ""])
        elif line.startswith("cwd=") and found:
            found[-1][1] = line[len("cwd="):]
    return found


class Tour:
    def __init__(self, screens):
        self.screens = screens
        self.robot = screens.robot
        self.scanner = TOOLS + "\\scan.exe"
        self.pkunzip = TOOLS + "\\pkunzip.exe"
        self.seen = {self.scanner: 0, self.pkunzip: 0}

    def say(self, *lines):
        for line in lines:
            print("     " + line)

    def new_starts(self, stand_in):
        """The starts of a stand-in since the last look."""
        all_starts = starts(stand_in)
        fresh = all_starts[self.seen[stand_in]:]
        self.seen[stand_in] = len(all_starts)
        return fresh

    def report_starts(self, stand_in, what, expected):
        fresh = self.new_starts(stand_in)
        for command, folder in fresh:
            self.say(f"{what} started: {command}", f"  in {folder}")
        expect(len(fresh) == expected, f"{what} was started {len(fresh)} times, not {expected}")

    def run_command(self, command, *windows, env=None):
        """Starts a registered command as Windows does, with these environment variables added,
        and meets its windows (title, name, button) in order."""
        self.start("runline", None, command, env)
        for title, name, button in windows:
            self.screens.window(title, name, button, front=title != DEMO_SETUP)  # the demo's own window
        self.ended()

    def start(self, verb, program, command_line, env=None):
        self.process = robot_start(self.robot, verb, program, command_line, env)

    def ended(self):
        program_ended(self.process, self.robot, timeout=30 if self.screens.headless else 600)

    def moved(self, file, folder):
        """Says that file went into folder, where it is the only copy; returns its new path."""
        target = folder + "\\" + file[file.rfind("\\") + 1:]
        expect(os.path.isfile(unix(target)), f"{target} is not there")
        expect(not os.path.exists(unix(file)), f"{file} is still there")
        self.say(f"moved {file} to {folder}")
        return target

    def installed_from_temp(self, file, heading):
        """Reports a download scanned, moved into the temporary folder and unpacked there, and its
        setup.exe started."""
        temp = self.downloads + "\\" + TEMP
        print("   " + heading)
        self.report_starts(self.scanner, "the scanner", 1)
        self.report_starts(self.pkunzip, "pkunzip", 1)
        self.moved(file, temp)
        self.say(f"{temp} holds: {listing(temp)}")
        expect(os.path.isfile(unix(temp + "\\setup.exe")), f"the archive was not unpacked in {temp}")
        self.say(f"the archive's setup.exe ran there: its window \"{DEMO_SETUP}\" above")

    def download(self, name):
        """A demo download that the browser has just finished, in its cache."""
        path = BROWSER_CACHE + "\\" + name
        os.makedirs(unix(BROWSER_CACHE), exist_ok=True)
        shutil.copy(DEMO, unix(path))
        return path

    def options(self):
        """The options as the installed program keeps them."""
        return (read_ini(unix(self.folder + "\\Briskdl.ini")) or {}).get(SECTION, {})

    def verb_keys(self):
        """The keys of the Brisk Install command under the current classes of .exe and .zip."""
        keys = {}
        for ext in ("exe", "zip"):
            file_class = reg_query("HKCR\\." + ext) or "." + ext
            keys[ext] = "HKCR\\" + file_class + "\\shell\\Brisk Install\\command"
        return keys

    def install(self):
        self.screens.step(1, "Installing from build/dist/setup.exe, as a user does")
        os.makedirs(unix(TOOLS), exist_ok=True)
        shutil.copy(os.path.join(BIN, "pkunzip.exe"), unix(self.pkunzip))
        shutil.copy(os.path.join(BIN, "recorder.exe"), unix(self.scanner))
        setup = os.path.join(ROOT, "build", "dist", "setup.exe")
        self.say(f"starting {windows_path(setup)} without arguments")
        self.start("run", windows_path(setup), "")
        w = self.screens.window
        w(ASK, "install-question", IDYES)
        w(PRODUCT, "install-folder", IDOK, fill={4090: INSTALL_FOLDER}, hint="a folder with blanks in its name")
        w(OPTIONS, "options", IDOK, fill={80: DOWNLOADS, 81: TOOLS, 82: self.scanner}, click=[AFTER_ASK],
          hint='download folder, pkunzip in C:\\Tools (the project\'s extractor), scan.exe (a stand-in that '
               'records its start), "Ask what to do"')
        w(ASK, "installed", IDOK)
        self.ended()

        print("   What the installation did:")
        self.helper = reg_query(VIEWERS, "application/zip")
        expect(self.helper, f"no browser helper for application/zip in {VIEWERS}")
        self.program = program_of(self.helper)
        self.folder = self.program[:self.program.rfind("\\")]
        self.say(f"{self.folder} holds: {listing(self.folder)}")
        for name in (os.path.basename(self.program.replace("\\", "/")), "readme.txt", "bwcc32.dll"):
            expect(os.path.isfile(unix(self.folder + "\\" + name)), f"{name} is not in {self.folder}")
        options = self.options()
        self.say("Briskdl.ini: " + "; ".join(f"{k}={v}" for k, v in options.items()))
        expect(options.get("Location of pkunzip") and options.get("Download folder"), "the options were not saved")
        link = programs_folder() + "\\Brisk Download.lnk"
        expect(os.path.isfile(unix(link)), f"no shortcut {link}")
        self.say(f"shortcut {link} starts {shortcut_target(link)}")
        helpers = {t: reg_query(VIEWERS, t) for t in MIME_TYPES}
        self.say(f"{VIEWERS}: the helper of {', '.join(MIME_TYPES)} is {self.helper}")
        expect(all(h == self.helper for h in helpers.values()), f"the browser helpers differ: {helpers}")
        for ext, key in self.verb_keys().items():
            command = reg_query(key)
            self.say(f"{key} = {command}")
            expect(command and "%1" in command, f"no Brisk Install command for .{ext} files")
        for value in ("DisplayName", "UninstallString"):
            data = reg_query(UNINSTALL_KEY, value)
            self.say(f"{UNINSTALL_KEY} {value} = {data}")
            expect(data, f"no {value} in the uninstall entry")

    def download_installed_now(self):
        self.screens.step(2, "A demo download, installed now")
        file = self.download("demo-tool.zip")
        self.downloads = self.options()["Download folder"]
        command = reg_query(VIEWERS, "application/zip") + " " + file
        self.say(f"the browser has downloaded {file} and starts its helper for application/zip:", command)
        self.run_command(command, (ASK, "download-question", IDYES), (DEMO_SETUP, "demo-setup", IDOK))
        self.installed_from_temp(file, "What the hand-off did:")

    def download_kept(self):
        self.screens.step(3, "A second demo download, kept for later")
        file = self.download("demo-later.zip")
        command = reg_query(VIEWERS, "application/zip") + " " + file
        self.say(f"the browser starts: {command}")
        self.run_command(command, (ASK, "later-question", IDNO), (PRODUCT, "moved", IDOK))
        print("   What the hand-off did:")
        self.report_starts(self.scanner, "the scanner", 1)
        self.report_starts(self.pkunzip, "pkunzip", 0)
        self.kept = self.moved(file, self.downloads)

    def brisk_install(self):
        self.screens.step(4, '"Brisk Install" on the kept file, from Explorer')
        key = self.verb_keys()["zip"]
        command = reg_query(key).replace("%1", self.kept)
        self.say(f"Explorer runs the command of {key}, %1 replaced:", command)
        self.run_command(command, (DEMO_SETUP, "brisk-install-setup", IDOK))
        self.installed_from_temp(self.kept, "What the hand-off did, without asking:")

    def download_refused(self):
        self.screens.step(5, "A third demo download, which the scanner refuses")
        file = self.download("demo-virus.zip")
        command = reg_query(VIEWERS, "application/zip") + " " + file
        self.say(f"the browser starts: {command}",
                 "the stand-in scanner removes the file it is given, as a scanner does with a virus")
        self.run_command(command, (PRODUCT, "scanner-refused", IDOK), env={"RECORDER_DELETE_ARG": "1"})
        print("   What the hand-off did:")
        self.report_starts(self.scanner, "the scanner", 1)
        self.report_starts(self.pkunzip, "pkunzip", 0)
        expect(not os.path.exists(unix(file)), f"{file} is still there")
        kept = self.downloads + "\\" + file[file.rfind("\\") + 1:]
        expect(not os.path.exists(unix(kept)), f"{kept} was made")
        self.say(f"{file} is gone (the scanner removed it), nothing was moved, unpacked or started")

    def uninstall(self):
        self.screens.step(6, "Uninstalling, with the command of the uninstall entry")
        command = reg_query(UNINSTALL_KEY, "UninstallString")
        self.say(f"Windows runs: {command}")
        self.run_command(command, (PRODUCT, "uninstall-question", IDYES), (PRODUCT, "uninstalled", IDOK))
        print("   What the uninstallation did:")
        expect(reg_query(UNINSTALL_KEY, "UninstallString") is None, "the uninstall entry is still there")
        self.say(f"{UNINSTALL_KEY}: removed")
        for ext, key in self.verb_keys().items():
            expect(reg_query(key) is None, f"{key} is still there")
            self.say(f"{key}: removed")
        for mime in MIME_TYPES:
            helper = reg_query(VIEWERS, mime)
            self.say(f"{VIEWERS} {mime} = {helper if helper else '(empty)'}")
            expect(not helper or self.program.lower() not in helper.lower(), f"{mime} still starts the program")
        self.say(f"left in place: {self.folder} ({listing(self.folder)}), the Start-menu shortcut and "
                 f"{self.downloads}")


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--headless", action="store_true", help="the robot answers every window")
    parser.add_argument("--docs", action="store_true", help="also refresh the README's pictures in docs/")
    args = parser.parse_args()
    screens = Screens(Robot(BIN), os.path.join(ROOT, "build", "screens"), args.headless)
    tour = Tour(screens)
    started = time.monotonic()
    try:
        for step in (tour.install, tour.download_installed_now, tour.download_kept, tour.brisk_install,
                     tour.download_refused, tour.uninstall):
            step()
    except (Failure, subprocess.TimeoutExpired) as failure:
        print(f"\nThe tour stopped: {failure}")
        for window in screens.robot("list", check=False).split("\n"):
            if window:
                title = window.split("\t")[-1]
                text = screens.robot("text", title, 65535, check=False).replace("\n", " ")
                print(f'Shown now: "{title}" {text}')
        return 1
    finally:
        index = screens.write_index()
        print(f"\nEvery window, in order: {index}")
    if args.docs:
        for name in screens.refresh_docs(os.path.join(ROOT, "docs")):
            print(f"  {name}")
    print(f"The six steps took {time.monotonic() - started:.0f} s.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
