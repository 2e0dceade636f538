"""Runs Quillares.exe and skype-sim.exe under Wine and Xvfb, and reads what they leave behind. Each worker
has a display and a copy of the run's Wine prefix; each case a fresh program folder, its processes killed at
its end. Wine's crash dialog is off: a crashed program says "Unhandled" at once, and every wait fails on it."""
import glob
import os
import re
import shutil
import subprocess
import tempfile
import time
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
DIST = os.path.join(ROOT, "build", "dist")
LIMIT = 60.0  # seconds for anything the programs are waited for
CRASH_LINES = 40  # of a crashed program's output, from its "Unhandled" line
CRASH_REPORT_WAIT = 10.0  # seconds for Wine's debugger to finish its crash report
TEMPLATE = None  # a booted prefix that sessions copy instead of booting their own

CASE = None  # the case under way: every wait fails at once when one of its programs has crashed
SESSION = None  # the process's Wine session, for its cases one after the other


def wait_until(condition, timeout=LIMIT, what="condition"):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if CASE is not None:
            CASE.check_crash()
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    raise AssertionError(f"timed out after {timeout:.0f} s waiting for {what}")


def ini_values(path):
    """{(section, key): value} of a settings file in lower case, the first of duplicates kept; the key lines."""
    values, lines, section = {}, 0, None
    for line in open(path, encoding="cp1252", errors="replace").read().splitlines():
        s = line.strip()
        if s.startswith("[") and s.endswith("]"):
            section = s[1:-1].lower()
        elif "=" in s:
            k, v = s.split("=", 1)
            values.setdefault((section, k.strip().lower()), v.strip())
            lines += 1
    return values, lines


def winpath(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


class WineSession:
    """Xvfb, a Wine prefix and a HOME whose ALSA default device writes to a file."""

    def __init__(self):
        self.root = tempfile.mkdtemp(prefix="quillares-e2e-")
        # Xvfb picks a free display itself and names it once it takes connections.
        ready, told = os.pipe()
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(told), "-screen", "0", "1280x800x24", "-nolisten",
                                      "tcp"], pass_fds=(told,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(told)
        with os.fdopen(ready) as f:
            display = f.readline().strip()
        if not display:
            raise RuntimeError("Xvfb did not start")
        home = os.path.join(self.root, "home")
        os.makedirs(home)
        self.sound = os.path.join(self.root, "sound.raw")
        open(os.path.join(home, ".asoundrc"), "w").write(
            'pcm.!default { type file slave.pcm "null" file "%s" format "raw" truncate false }\n' % self.sound)
        self.prefix = os.path.join(self.root, "prefix")
        self.env = dict(os.environ, WINEPREFIX=self.prefix, WINEDEBUG="-all", DISPLAY=f":{display}", HOME=home,
                        WINEDLLOVERRIDES="mscoree,mshtml=")
        if TEMPLATE:
            # The system's libraries, most of the prefix, are only read: linked, not copied.
            system32 = os.path.join(TEMPLATE, "drive_c", "windows", "system32")
            shutil.copytree(TEMPLATE, self.prefix, symlinks=True,
                            ignore=lambda folder, names: ["system32"] if folder == os.path.dirname(system32) else [])
            shutil.copytree(system32, os.path.join(self.prefix, "drive_c", "windows", "system32"), symlinks=True,
                            copy_function=os.link)
            return
        subprocess.run(["wineboot", "-i"], env=self.env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=300, check=True)
        self.reg("add", r"HKCU\Software\Wine\WineDbg", "/v", "ShowCrashDialog", "/t", "REG_DWORD", "/d", "0", "/f")
        self.kill_all()

    def reg(self, *args, check=True):
        subprocess.run(["wine", "reg", *args], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       timeout=120, check=check)

    def kill_all(self):
        for step in ("-k", "-w"):
            subprocess.run(["wineserver", step], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                           timeout=60)

    def close(self):
        self.kill_all()
        self.xvfb.terminate()
        try:
            self.xvfb.wait(10)
        except subprocess.TimeoutExpired:
            self.xvfb.kill()
        shutil.rmtree(self.root, ignore_errors=True)


class Case:
    """One program folder, one skype-sim, one or more Quillares processes."""

    def __init__(self, session, name):
        self.session = session
        self.dir = os.path.join(session.root, name)
        self.folder = os.path.join(self.dir, "Quillares")
        shutil.copytree(os.path.join(DIST, "Quillares"), self.folder)
        self.sim_log = os.path.join(self.dir, "sim.log")
        self.procs = []
        self.crash_seen = False
        global CASE
        CASE = self
        for name in glob.glob(session.sound + "*"):  # what earlier cases played
            os.remove(name)

    def path(self, name):
        return os.path.join(self.folder, name)

    def set_ini(self, section, key, value, file="Quillares.ini"):
        """Sets one key of a settings file, the section added at its end when missing."""
        path = self.path(file)
        lines = open(path, encoding="cp1252").read().splitlines() if os.path.exists(path) else []
        heads = [i for i, line in enumerate(lines) if line.strip().lower() == f"[{section.lower()}]"]
        if not heads:
            lines.append(f"[{section}]")
        first = heads[0] + 1 if heads else len(lines)
        end = next((i for i in range(first, len(lines)) if lines[i].strip().startswith("[")), len(lines))
        kept = [line for line in lines[first:end] if line.split("=", 1)[0].strip().lower() != key.lower()]
        lines[first:end] = kept + [f"{key}={value}"]
        open(path, "w", encoding="cp1252", newline="").write("\r\n".join(lines) + "\r\n")

    def read_ini(self, section, key, file="Quillares.ini"):
        return ini_values(self.path(file))[0].get((section.lower(), key.lower()))

    def _wine(self, exe, args, log_name):
        out = open(os.path.join(self.dir, log_name), "ab")
        p = subprocess.Popen(["wine", exe] + args, cwd=os.path.dirname(exe), env=self.session.env,
                             stdout=out, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)
        self.procs.append(p)
        return p

    def start_sim(self, scenario):
        path = os.path.join(self.dir, "scenario.txt")
        open(path, "w", encoding="utf-8").write(scenario)
        p = self._wine(os.path.join(DIST, "tools", "skype-sim.exe"), [path, "--log", self.sim_log], "sim.out")
        wait_until(lambda: self.sim_lines(), 60, "skype-sim to start")
        return p

    def start_app(self):
        return self._wine(self.path("Quillares.exe"), [], "app.out")

    def language(self, **texts):
        """No first-run window, and the interface texts from a language file of the test's own."""
        self.set_ini("window", "skiphelp", "yes")
        self.set_ini("window", "language", "test.txt")
        open(self.path("test.txt"), "w", encoding="cp1252", newline="").write(
            "".join(f"{key}={value}\r\n" for key, value in texts.items()))

    def poke(self, *args):
        return subprocess.run(["wine", os.path.join(DIST, "tools", "poke.exe"), *args], env=self.session.env,
                              capture_output=True, text=True, timeout=60)

    def wait_end(self, app, timeout=LIMIT):  # the add-on's last log line and a clean exit
        self.wait_log("Quillares: END", timeout=timeout)
        if self.wait_exit(app) != 0:
            raise AssertionError(f"the add-on ended with {app.returncode}")

    def unload(self, app):
        self.poke("broadcast", "QuillaresUnload")
        self.wait_end(app)

    # What the programs left behind.
    def log_lines(self):
        """The texts of the Quillares log lines, with their stamps checked and removed."""
        try:
            raw = open(self.path("Quillares.log"), "rb").read().decode("utf-8", errors="replace")
        except FileNotFoundError:
            return []
        stamped = [re.fullmatch(r"\d\d-\d\d-\d{4} \d\d:\d\d:\d\d\t(.*)", line, re.S) for line in raw.split("\r\n")[:-1]]
        if not all(stamped):
            raise AssertionError(f"a log line out of form in {raw!r}")
        return [m.group(1) for m in stamped]

    def sim_lines(self):
        try:
            return open(self.sim_log, encoding="utf-8", errors="replace").read().splitlines()
        except FileNotFoundError:
            return []

    def wait_sim(self, pattern, count=1, timeout=LIMIT):
        rx = re.compile(pattern)
        return wait_until(lambda: sum(1 for l in self.sim_lines() if rx.search(l)) >= count, timeout,
                          f"skype-sim line /{pattern}/ x{count}")

    def check_crash(self):
        """Fails the test, once, with a crashed program's output from its "Unhandled" line."""
        for name in ("app.out", "sim.out"):
            path = os.path.join(self.dir, name)
            text = open(path, encoding="utf-8", errors="replace").read() if os.path.exists(path) else ""
            if "Unhandled" in text and not self.crash_seen:
                self.crash_seen = True
                deadline = time.monotonic() + CRASH_REPORT_WAIT  # for Wine's debugger to write the backtrace
                while "\nModules:" not in text and time.monotonic() < deadline:
                    time.sleep(0.2)
                    text = open(path, encoding="utf-8", errors="replace").read()
                report = text[text.index("Unhandled"):].split("\nModules:")[0].splitlines()
                raise AssertionError(f"{name}: a program crashed: " + "\n".join(report[:CRASH_LINES]))

    def wait_exit(self, proc, timeout=30):
        wait_until(lambda: proc.poll() is not None, timeout, "the program to end")
        return proc.returncode

    def wait_log(self, text, count=1, timeout=LIMIT):
        return wait_until(lambda: self.log_lines().count(text) >= count, timeout, f"log line {text!r} x{count}")

    def close(self):
        self.session.kill_all()
        for p in self.procs:
            try:
                p.wait(10)
            except subprocess.TimeoutExpired:
                p.kill()
        global CASE
        CASE = None
        self.check_crash()  # a crash after the test's last wait


class E2E(unittest.TestCase):
    """A test case with its own program folder under the process's Wine session."""

    def setUp(self):
        global SESSION
        if SESSION is None:
            SESSION = WineSession()
        self.case = Case(SESSION, self.id().split(".")[-1])
        self.addCleanup(self.case.close)

    def assertBefore(self, lines, first, second):
        self.assertIn(first, lines)
        self.assertIn(second, lines)
        self.assertLess(lines.index(first), lines.index(second), f"{first!r} should come before {second!r}")


TITLE = "Quill Test Options"
SCENARIO = "me tester\ncontact anna Anna Andersson\ncontact bob Bob Builder\nattach success\n"


class Control:
    """One line of poke's dump: a child window as another process sees it."""

    def __init__(self, line):
        cls, visible, checked, rect, text, items = line.split("|", 5)
        self.cls, self.visible, self.checked, self.text = cls, visible == "1", checked == "1", text
        self.left, self.top, self.right, self.bottom = (int(v) for v in rect.split(","))
        self.items = items.split("\t") if items else []


class OptionsWindowUser:
    """What a user does on the X desktop through xdotool, the options window above all; needs self.case."""

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *args], env=self.case.session.env, capture_output=True, text=True).stdout

    def geometry(self, window):
        """left, top, width, height of an X window."""
        text = self.xdotool("getwindowgeometry", window)
        x, y = (int(v) for v in text.split("Position: ")[1].split(" ")[0].split(","))
        return (x, y) + tuple(int(v) for v in text.split("Geometry: ")[1].split()[0].split("x"))

    def click_icon(self, *click):
        """Clicks the icon in Wine's own system tray window."""
        tray = wait_until(lambda: self.xdotool("search", "--name", "^Wine System Tray$").split(), what="the tray")
        x, y, _, _ = self.geometry(tray[0])
        self.xdotool("mousemove", str(x + 10), str(y + 10), "click", *click)

    def exit_from_the_tray_menu(self):
        self.click_icon("1")
        self.case.wait_log("Quillares: show pop-up menu")
        # The menu opens where the pointer is when it shows, a window without a name; Exit is its last line.
        shown = lambda: self.xdotool("search", "--onlyvisible", "--name", "").split()  # noqa: E731
        menu = wait_until(lambda: [self.geometry(w) for w in shown()
                                   if not self.xdotool("getwindowname", w).strip() and self.geometry(w)[2] < 400], 20,
                          what="the tray menu")[0]
        self.xdotool("mousemove", str(menu[0] + menu[2] // 2), str(menu[1] + menu[3] - 10), "click", "1")

    def start(self, scenario=SCENARIO, listed="Skype: USER bob FULLNAME Bob Builder"):
        c = self.case
        c.language(caption=TITLE)
        c.start_sim(scenario)
        app = c.start_app()
        # A bench waits its own way, so as not to take the machine from what it times.
        listed() if callable(listed) else c.wait_log(listed)
        self.open_window()
        return app

    def dump(self, title=TITLE):
        return [Control(l) for l in self.case.poke("dump", title).stdout.splitlines() if l.count("|") >= 5]

    def shown(self, cls=None):
        return [c for c in self.dump() if c.visible and (cls is None or c.cls == cls)]

    def button(self, text, title=TITLE):
        """The shown control of that text, once the window shows it."""
        return wait_until(lambda: [b for b in self.dump(title) if b.visible and b.text == text], 20, what=text)[0]

    def checked_kind(self):
        return [c.text for c in self.shown("Button") if c.checked]

    def click(self, control):
        x, y = (control.left + control.right) // 2, (control.top + control.bottom) // 2
        self.xdotool("mousemove", str(x), str(y), "click", "1")

    def pictures(self):
        # Apply, Skype events, Help, Minimize, Exit from left to right, above every panel's buttons.
        return sorted(self.shown("QuillaresPicture"), key=lambda c: (c.top, c.left))

    def top_bar_buttons(self):
        return self.pictures()[:5]

    def panel_buttons(self):
        return self.pictures()[5:]

    def contacts(self):
        return [l for l in self.shown("ListBox") if l.items][0]

    def face(self, picture, number):
        """Which slice of button number's strip the screen shows: 0 normal, 1 highlighted, 2 pressed, 3 disabled."""
        w, h = picture.right - picture.left, picture.bottom - picture.top
        seen = subprocess.run(["import", "-window", "root", "-crop", f"{w}x{h}+{picture.left}+{picture.top}",
                               "-depth", "8", "rgb:-"], env=self.case.session.env, capture_output=True).stdout
        strip = subprocess.run(["convert", self.case.path(f"buttons/pbut{number}.bmp"), "-resize", f"{4 * w}x{h}!",
                                "rgb:-"], capture_output=True).stdout
        row = 3 * w  # each line of the strip holds one line of every slice
        slices = [b"".join(strip[(4 * y + k) * row:(4 * y + k + 1) * row] for y in range(h)) for k in range(4)]
        return min(range(4), key=lambda k: sum(abs(a - b) for a, b in zip(seen, slices[k])))

    def generate(self, text):
        """Types text into the synthesis panel and presses Generate."""
        self.click(self.button("Synthesize a new ringtone"))
        self.click(self.shown("Edit")[0])
        self.xdotool("type", text)
        self.click(wait_until(lambda: self.panel_buttons()[:1], 20, what="the synthesis panel")[0])

    def window_shown(self):
        return self.xdotool("search", "--onlyvisible", "--name", f"^{TITLE}$").strip()

    def open_window(self):
        self.click_icon("--repeat", "2", "--delay", "80", "1")
        wait_until(self.window_shown, what="the options window")
        window = self.window_shown().split()[0]
        # No window manager runs to activate it; the first click's menu has twenty ticks to show.
        self.xdotool("windowfocus", "--sync", window)
        time.sleep(1)


def close_session():
    global SESSION
    if SESSION is not None:
        SESSION.close()
        SESSION = None
