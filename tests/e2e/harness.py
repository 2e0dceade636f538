"""Runs Quillares.exe and skype-sim.exe under Wine and Xvfb, and reads what they leave behind.

One display and one Wine prefix serve the whole run; every case gets a fresh copy of the
program folder and ends with all Wine processes of the prefix killed. Wine's crash dialog is
off in the prefix, so a crashed program ends at once and says "Unhandled" in its output; every
wait looks for that while a case is under way and fails the test with the crash text.
"""
import os
import re
import shutil
import subprocess
import tempfile
import time
import unittest

import sound

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
DIST = os.path.join(ROOT, "build", "dist")
LIMIT = 60.0  # seconds for anything the programs are waited for
CRASH_LINES = 40  # of a crashed program's output, from its "Unhandled" line
CRASH_REPORT_WAIT = 5.0  # seconds for Wine's debugger to finish its crash report


def free_display():
    for n in range(70, 200):
        if not os.path.exists(f"/tmp/.X11-unix/X{n}") and not os.path.exists(f"/tmp/.X{n}-lock"):
            return n
    raise RuntimeError("no free X display")


CASE = None  # the case under way: every wait fails at once when one of its programs has crashed


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


def winpath(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


class WineSession:
    """Xvfb, a Wine prefix and a HOME whose ALSA default device writes to a file."""

    def __init__(self):
        self.root = tempfile.mkdtemp(prefix="quillares-e2e-")
        self.display = free_display()
        self.xvfb = subprocess.Popen(
            ["Xvfb", f":{self.display}", "-screen", "0", "1280x800x24", "-nolisten", "tcp"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_until(lambda: os.path.exists(f"/tmp/.X11-unix/X{self.display}"), 20, "Xvfb")
        home = os.path.join(self.root, "home")
        os.makedirs(home)
        self.sound = os.path.join(self.root, "sound.raw")
        with open(os.path.join(home, ".asoundrc"), "w") as f:
            f.write('pcm.!default { type file slave.pcm "null" file "%s" format "raw" truncate false }\n'
                    % self.sound)
        self.env = dict(os.environ, WINEPREFIX=os.path.join(self.root, "prefix"), WINEDEBUG="-all",
                        DISPLAY=f":{self.display}", HOME=home, WINEDLLOVERRIDES="mscoree,mshtml=")
        subprocess.run(["wineboot", "-i"], env=self.env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=300, check=True)
        subprocess.run(["wine", "reg", "add", r"HKCU\Software\Wine\WineDbg", "/v", "ShowCrashDialog",
                        "/t", "REG_DWORD", "/d", "0", "/f"], env=self.env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=120, check=True)
        self.kill_all()

    def kill_all(self):
        subprocess.run(["wineserver", "-k"], env=self.env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=60)
        subprocess.run(["wineserver", "-w"], env=self.env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=60)

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
        sound.forget(session.sound)

    def path(self, name):
        return os.path.join(self.folder, name)

    def set_ini(self, section, key, value, file="Quillares.ini"):
        """Edits one key of a settings file as the tests' own INI writer (sections and keys as given)."""
        path = self.path(file)
        text = open(path, encoding="cp1252").read() if os.path.exists(path) else ""
        lines = text.replace("\r\n", "\n").split("\n")
        out, in_section, done = [], False, False
        for line in lines:
            s = line.strip()
            if s.startswith("["):
                if in_section and not done:
                    out.append(f"{key}={value}")
                    done = True
                in_section = s.lower() == f"[{section.lower()}]"
            elif in_section and s.split("=", 1)[0].strip().lower() == key.lower():
                if not done:
                    out.append(f"{key}={value}")
                done = True
                continue
            out.append(line)
        if not done:
            if not in_section:
                out.append(f"[{section}]")
            out.append(f"{key}={value}")
        open(path, "w", encoding="cp1252", newline="").write("\r\n".join(out) + "\r\n")

    def read_ini(self, section, key, file="Quillares.ini"):
        section_now = None
        for line in open(self.path(file), encoding="cp1252", errors="replace").read().splitlines():
            s = line.strip()
            if s.startswith("[") and s.endswith("]"):
                section_now = s[1:-1].lower()
            elif section_now == section.lower() and "=" in s:
                k, v = s.split("=", 1)
                if k.strip().lower() == key.lower():
                    return v.strip()
        return None

    def _wine(self, exe, args, log_name):
        out = open(os.path.join(self.dir, log_name), "ab")
        p = subprocess.Popen(["wine", exe] + args, cwd=os.path.dirname(exe), env=self.session.env,
                             stdout=out, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)
        self.procs.append(p)
        return p

    def start_sim(self, scenario):
        path = os.path.join(self.dir, "scenario.txt")
        with open(path, "w", encoding="utf-8") as f:
            f.write(scenario)
        p = self._wine(os.path.join(DIST, "tools", "skype-sim.exe"), [path, "--log", self.sim_log], "sim.out")
        wait_until(lambda: self.sim_lines(), 60, "skype-sim to start")
        return p

    def start_app(self):
        return self._wine(self.path("Quillares.exe"), [], "app.out")

    # What the programs left behind.
    def log_lines(self):
        """The texts of the Quillares log lines, with their stamps checked and removed."""
        try:
            raw = open(self.path("Quillares.log"), "rb").read()
        except FileNotFoundError:
            return []
        lines = []
        for line in raw.decode("utf-8", errors="replace").split("\r\n")[:-1]:
            m = re.fullmatch(r"\d\d-\d\d-\d{4} \d\d:\d\d:\d\d\t(.*)", line, re.S)
            if not m:
                raise AssertionError(f"log line out of form: {line!r}")
            lines.append(m.group(1))
        return lines

    def sim_lines(self):
        try:
            return open(self.sim_log, encoding="utf-8", errors="replace").read().splitlines()
        except FileNotFoundError:
            return []

    def crash(self):
        """The output of a program that crashed, from its "Unhandled" line to the end, or None."""
        for name in ("app.out", "sim.out"):
            try:
                lines = open(os.path.join(self.dir, name), encoding="utf-8", errors="replace").read().splitlines()
            except FileNotFoundError:
                continue
            for i, line in enumerate(lines):
                if "Unhandled" in line:
                    return [name + ":"] + lines[i:]
        return None

    def check_crash(self):
        lines = self.crash()
        if not lines:
            return
        self.crash_seen = True
        # The debugger goes on to write registers and a backtrace, then the list of modules.
        deadline = time.monotonic() + CRASH_REPORT_WAIT
        while "Modules:" not in lines and time.monotonic() < deadline:
            time.sleep(0.1)
            lines = self.crash()
        end = lines.index("Modules:") if "Modules:" in lines else len(lines)
        raise AssertionError("a program crashed: " + "\n".join(lines[:min(end, CRASH_LINES)]))

    def wait_exit(self, proc, timeout=30):
        """The exit code of proc, once it has ended."""
        wait_until(lambda: proc.poll() is not None, timeout, "the program to end")
        return proc.returncode

    def wait_log(self, text, count=1, timeout=LIMIT):
        return wait_until(lambda: self.log_lines().count(text) >= count, timeout, f"log line {text!r} x{count}")

    def wait_sim(self, pattern, count=1, timeout=LIMIT):
        rx = re.compile(pattern)
        return wait_until(lambda: sum(1 for l in self.sim_lines() if rx.search(l)) >= count, timeout,
                         f"skype-sim line /{pattern}/ x{count}")

    def sim_count(self, pattern):
        rx = re.compile(pattern)
        return sum(1 for l in self.sim_lines() if rx.search(l))

    def close(self):
        self.session.kill_all()
        for p in self.procs:
            try:
                p.wait(10)
            except subprocess.TimeoutExpired:
                p.kill()
        global CASE
        CASE = None
        # A crash after the test's last wait still fails it, once.
        if not self.crash_seen:
            self.check_crash()


SESSION = None


class E2E(unittest.TestCase):
    """A test case with its own program folder under the shared Wine session."""

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


def close_session():
    global SESSION
    if SESSION is not None:
        SESSION.close()
        SESSION = None
