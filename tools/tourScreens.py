"""The windows of the tour: each one waited for, filled, printed with its title and text,
photographed to build/screens/NN-name.png and answered, by the robot or (with a display) by the
user; at the end one page, build/screens/index.html, shows them in order with their captions."""
import glob
import html
import os
import subprocess

from harness import Failure

BUTTON_FACES = {1: "OK", 2: "Cancel"}  # the custom buttons draw these faces over the text "Button"
PUSH_STYLES = (0, 1)  # BS_PUSHBUTTON, BS_DEFPUSHBUTTON
RADIO_STYLES = (4, 9)  # BS_RADIOBUTTON, BS_AUTORADIOBUTTON
# The pictures that the README shows: tour name -> file in docs/.
DOCS = {"install-folder": "install-folder.png", "options": "options.png",
        "download-question": "handoff-question.png", "uninstall-question": "uninstall-question.png"}


class Control:
    def __init__(self, record):
        fields = record.split("\t")
        self.id, self.cls, self.style = int(fields[0]), fields[1].lower(), int(fields[2], 16)
        self.checked = fields[3] == "1"
        self.width, self.height = map(int, fields[4].split())
        self.text = "\t".join(fields[5:-1])

    def button(self):
        """The face of a push button, or None."""
        if self.cls not in ("button", "borbtn") or self.style & 0xF not in PUSH_STYLES:
            return None
        return BUTTON_FACES.get(self.id, self.text) if self.text == "Button" else self.text.replace("&", "")

    def lines(self):
        """What the control shows, as lines of text."""
        if self.style & 0xF in RADIO_STYLES and self.cls in ("button", "borradio"):
            return [("(*) " if self.checked else "( ) ") + self.text.replace("&", "")]
        if self.cls == "edit":
            return [f"[{self.text}]"]
        if self.cls == "borshade" and min(self.width, self.height) <= 3:  # a dividing line
            return []
        return self.text.split("\n") if self.text else []


class Screens:
    def __init__(self, robot, folder, headless):
        self.robot, self.folder, self.headless = robot, folder, headless
        self.shots = []  # (step heading, file, caption) in order
        self.heading = ""
        os.makedirs(folder, exist_ok=True)
        for old in glob.glob(os.path.join(folder, "[0-9][0-9]-*.png")) + [os.path.join(folder, "index.html")]:
            if os.path.exists(old):
                os.remove(old)

    def step(self, number, title):
        self.heading = f"{number}. {title}"
        print(f"\n{self.heading}")

    def window(self, title, name, button, fill=None, click=(), hint=None, front=True):
        """Waits for the window TITLE, types fill {control: text} and clicks the controls of click,
        prints and photographs it, then presses button, or lets the user answer it. Under Xvfb a
        window that should be in front (front) must have come up active, its caption drawn in the
        active colour."""
        robot = self.robot
        if fill or click:
            if not robot.shown(title):
                raise Failure(f'the window "{title}" did not appear')
            for control, text in (fill or {}).items():
                robot("settext", title, control, text)
            for control in click:
                robot("click", title, control)
        dump = robot("dump", title, check=False).split("\x1e")
        if len(dump) < 2:
            raise Failure(f'the window "{title}" did not appear')
        cls, rect, handle = dump[0].split("\t")[:3]
        controls = [Control(r) for r in dump[1:] if r]
        buttons = [c.button() for c in controls if c.button()]
        text = [line for c in controls if not c.button() for line in c.lines()]
        pressed = next((c.button() for c in controls if c.id == button and c.button()), None)
        if pressed is None:
            raise Failure(f'the window "{title}" has no button {button}; it shows: {text} {buttons}')

        shot = f"{len(self.shots) + 1:02d}-{name}.png"
        self.photograph(rect, os.path.join(self.folder, shot))
        print(f'   Window "{title}" ({cls}), screenshot build/screens/{shot}')
        if front and self.headless and not self.drawn_active(os.path.join(self.folder, shot)):
            raise Failure(f'the window "{title}" came up inactive, behind, as build/screens/{shot} shows')
        for line in text + ["  ".join(f"[{b}]" for b in buttons)]:
            print(f"     | {line}".rstrip())
        if hint:
            print(f"     ({hint})")
        caption = f'"{title}": {hint or next((t for t in text if t.strip()), "")}; pressed {pressed}'
        self.shots.append((self.heading, shot, caption))
        if self.headless:
            print(f"     pressing {pressed}")
            robot("answer", title, button)
        else:
            print(f"     >>> your turn: press {pressed}")
            self.wait_closed(handle)

    def wait_closed(self, handle, minutes=10):
        for _ in range(minutes):
            if self.robot("closed", handle, 55000, check=False):
                return
        raise Failure(f"no answer within {minutes} minutes")

    @staticmethod
    def drawn_active(shot):
        """Whether the window's caption, near its right end, has the active colour (blue) rather
        than the inactive grey."""
        width = int(subprocess.run(["identify", "-format", "%w", shot], capture_output=True, text=True).stdout)
        pixel = subprocess.run(["convert", shot, "-format", f"%[fx:int(255*p{{{width - 30},6}}.r)] "
                                f"%[fx:int(255*p{{{width - 30},6}}.b)]", "info:"], capture_output=True, text=True)
        red, blue = map(int, pixel.stdout.split())
        return blue - red > 40

    def photograph(self, rect, path):
        left, top, right, bottom = map(int, rect.split())
        subprocess.run(["import", "-window", "root", "-crop", f"{right - left}x{bottom - top}+{left}+{top}",
                        "+repage", path], check=True, stdin=subprocess.DEVNULL)

    def write_index(self):
        path = os.path.join(self.folder, "index.html")
        parts = ["<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Brisk Download: the tour</title>",
                 "<style>body{font-family:sans-serif;margin:2em}figure{margin:1em 0 2em}"
                 "img{border:1px solid #999}figcaption{margin-top:.4em}</style></head><body>",
                 "<h1>Brisk Download: the tour</h1>"]
        heading = None
        for step, shot, caption in self.shots:
            if step != heading:
                parts.append(f"<h2>{html.escape(step)}</h2>")
                heading = step
            parts.append(f'<figure><img src="{shot}" alt="{html.escape(caption)}">'
                         f"<figcaption>{shot[:2]}. {html.escape(caption)}</figcaption></figure>")
        parts.append("</body></html>\n")
        with open(path, "w") as f:
            f.write("\n".join(parts))
        return path

    def refresh_docs(self, docs):
        """The README's pictures from this tour's screenshots, small: no metadata, a palette."""
        written = []
        for _, shot, _ in self.shots:
            target = DOCS.get(shot[3:-4])
            if target:
                subprocess.run(["convert", os.path.join(self.folder, shot), "-strip", "+dither", "-colors", "32",
                                "PNG8:" + os.path.join(docs, target)], check=True)
                written.append(os.path.join("docs", target))
        return written
