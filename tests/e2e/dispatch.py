#!/usr/bin/env python3
"""End-to-end: which job a command line starts, and the Options dialog with Briskdl.ini."""

import os
import shutil
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
from harness import *  # noqa: F401,F403,E402


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
    told = p.robot.box(PRODUCT, IDOK)  # which names the root of the current drive
    expect(told == "/ is a folder, not a downloaded file, so / was not installed. Nothing was moved.", f"message: {told}")
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
    """Two options changed, the scanner in quotes as a user types a path with a blank: both reach
    the file, and the scanner is shown again with its quotes."""
    scanner = '"C:\\anti virus\\scan.exe"'
    p.start("")
    r = p.robot
    expect(r.shown(OPTIONS), "the Options dialog did not appear")
    r("settext", OPTIONS, 80, "D:\\my downloads")
    r("settext", OPTIONS, 82, scanner)
    expect(r("text", OPTIONS, 82) == scanner, "the robot did not type the quotes")
    r("click", OPTIONS, IDOK)
    p.finished()
    ini = p.ini()
    expect(ini == {SECTION: {"Download folder": "D:\\my downloads", SCANNER: f'"{scanner}"'}},
           f"Briskdl.ini holds {ini}")
    p.start("/normal")
    expect(r.shown(OPTIONS), "the Options dialog did not appear again")
    shown = r("text", OPTIONS, 82)
    expect(shown == scanner, f"the scanner is shown as {shown!r}")
    r("click", OPTIONS, IDOK)
    p.finished()
    expect(p.ini() == ini, f"an unchanged OK rewrote Briskdl.ini: {p.ini()}")
    # A line break would start a new line, even a section, in the file: it is refused, and said.
    p.start("/normal")
    expect(r.shown(OPTIONS), "the Options dialog did not appear a third time")
    r("settext", OPTIONS, 80, "D:\\dl\r\n[Other]")
    r("click", OPTIONS, 88)
    r("click", OPTIONS, IDOK)
    told = r.box(PRODUCT, IDOK)
    expect(told == 'Brisk Download could not save its option "Download folder", which holds a line break; your '
           "other changes were saved.\n\nEnter it on one line under Options.", f"told: {told!r}")
    p.finished()
    expect(p.ini() == {SECTION: dict(ini[SECTION], **{"After download": "0"})},
           f"a refused value changed Briskdl.ini, or the other change was lost: {p.ini()}")


def controls_only_from_the_program_folder(p):
    """Without bwcc32.dll beside the program, one in the current folder (an archive's, in the
    temporary folder) is not taken, nor one that registers no controls: the dialog is refused
    with a message. The program's folder is found at a drive's root too, and where the ANSI code
    page cannot spell its name: its controls, its Briskdl.ini and setup.exe's companions are there."""
    elsewhere = p.path("current")
    os.makedirs(elsewhere)
    shutil.move(os.path.join(p.folder, "bwcc32.dll"), elsewhere)
    p.start("/normal", cwd=elsewhere)
    told = p.robot.box(PRODUCT, IDOK)
    expect(told == "Error 0 loading bwcc32.dll library.", f"told: {told!r}")
    p.finished()
    # At the root of R: the folder is "R:\", never "R:", which names the drive's current folder.
    drive = os.path.join(os.environ["WINEPREFIX"], "dosdevices", "r:")
    if os.path.lexists(drive):
        os.remove(drive)
    os.symlink(p.folder, drive)
    try:
        p.process = robot_start(p.robot, "run", "R:\\Brisk Download.exe", "/normal", cwd=elsewhere)
        told = p.robot.box(PRODUCT, IDOK)
        expect(told == "Error 0 loading bwcc32.dll library.", f"at the root, told: {told!r}")
        p.finished()
        shutil.move(os.path.join(elsewhere, "bwcc32.dll"), p.folder)
        p.process = robot_start(p.robot, "run", "R:\\Brisk Download.exe", "/normal", cwd=elsewhere)
        options_dialog_then(p)
    finally:
        os.remove(drive)
    spelled_in_unicode = p.path("Загрузка Ωμέγα")  # no one code page spells both
    os.makedirs(spelled_in_unicode)
    shutil.copy(p.path("bwcc32.dll"), spelled_in_unicode)
    for name in ("Brisk Download.exe", "setup.exe"):
        shutil.copy(p.exe, os.path.join(spelled_in_unicode, name))
    # Wine's own start passes the name in full; an ANSI start could not.
    p.process = subprocess.Popen(["wine", os.path.join(spelled_in_unicode, "Brisk Download.exe"), "/normal"],
                                 stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    expect(p.robot.shown(OPTIONS), "the Options dialog did not appear in the Unicode folder")
    p.robot("settext", OPTIONS, 80, "C:\\dl")
    p.robot("click", OPTIONS, IDOK)
    p.finished()
    saved = read_ini(os.path.join(spelled_in_unicode, "Briskdl.ini"))
    expect(saved and saved[SECTION].get("Download folder") == "C:\\dl", f"Briskdl.ini there holds {saved}")
    p.process = subprocess.Popen(["wine", os.path.join(spelled_in_unicode, "setup.exe")],
                                 stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    p.robot.box(ASK, IDYES)
    expect(p.robot.shown(PRODUCT), "setup.exe did not find its companions in the Unicode folder")
    p.robot("click", PRODUCT, IDCANCEL)
    p.finished()
    # A library of that name that registers no controls would let every dialog fail unseen.
    shutil.copy(drive_c("windows", "system32", "version.dll"), os.path.join(p.folder, "bwcc32.dll"))
    p.start("/normal")
    told = p.robot.box(PRODUCT, IDOK)
    expect(told == "Error 0 loading bwcc32.dll library.", f"with a foreign bwcc32.dll, told: {told!r}")
    p.finished()


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
    r("close", OPTIONS)  # the close button is Cancel; OK would store -1, the group's value now
    p.finished()
    ini = p.ini()
    expect(ini == {SECTION: {"After download": "5"}}, f"the close button keeps the file: {ini}")


def commas_in_the_download_name(p):
    """A name with a comma is one name: never cut short, never read as a switch; a kept
    tool,v2.zip is installed by the Explorer verb; and a switch stays a switch beside a file of
    its name."""
    prepared(p, 2)  # kept without a word
    for name in ("tool,v2.zip", "x,-uninstall.zip", "x,-normal.zip"):
        file = p.download(name, {"setup.exe": "recorder"})
        p.start(windows_path(file))
        p.finished()  # no uninstall question, no Options dialog
        expect(os.path.exists(p.path("dl", name)) and not os.path.exists(file), f"{name} was not kept")
    p.start("/run," + windows_path(p.path("dl", "tool,v2.zip")))
    expect(wait_for_log(p.path("dl", TEMP, "setup.exe")) is not None, "tool,v2.zip was not installed")
    p.finished()
    # What follows the leading switch's comma is never a file when it is itself a switch.
    for name in ("-uninstall", "-normal"):
        open(p.path(name), "w").close()
    p.start("/run,-uninstall", cwd=p.folder)
    expect(p.robot.box(PRODUCT, IDNO) == "Uninstall Brisk Download?", "no uninstall question")
    p.finished()
    p.start("-run,-normal", cwd=p.folder)
    options_dialog_then(p)


PROGRAM_NAMES = {
    "setup_in_capitals": "SETUP.EXE",
    "setup1_shows_options": "setup1.exe",
    "setup_old_shows_options": "setup.old.exe",
    "normal_with_setup_name": "setup.exe",
}


if __name__ == "__main__":
    run_scenario(globals(), PROGRAM_NAMES)
