"""The installer in a Wine prefix of its own: install, upgrade over the running add-on, uninstall."""
import glob
import os
import re
import subprocess
import unittest

from harness import DIST, ROOT, Case, WineSession, wait_until

UNINSTALL = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillares"
RUN = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"


def version():
    text = open(os.path.join(ROOT, "src", "core", "server", "VersionNumbers.h")).read()
    return ".".join(re.search(rf"QUILLARES_VERSION_{p} (\d+)", text).group(1) for p in ("MAJOR", "MINOR", "BUILD"))


class InstallerTest(unittest.TestCase):
    def setUp(self):
        self.session = WineSession()  # nothing installed yet, no start-up entry left by other tests
        self.addCleanup(self.session.close)
        self.case = Case(self.session, "installer")
        self.addCleanup(self.case.close)

    def wine(self, exe, *args):
        # The add-on a /RUN starts writes to the same output, where a crash is looked for.
        with open(os.path.join(self.case.dir, "app.out"), "ab") as out:
            return subprocess.run(["wine", exe, *args], env=self.session.env, stdout=out, stderr=subprocess.STDOUT,
                                  timeout=120).returncode

    def reg(self, key):
        out = subprocess.run(["wine", "reg", "query", key], env=self.session.env, capture_output=True, text=True,
                             timeout=60)
        return dict(re.findall(r"^ +(\S+) +REG_\w+ +(.*?) *$", out.stdout, re.M)) if out.returncode == 0 else None

    def unix(self, path):
        return os.path.join(self.session.env["WINEPREFIX"], "drive_c", *path.split(":", 1)[1].strip("\\").split("\\"))

    def test_install_upgrade_over_the_running_addon_and_uninstall(self):
        c = self.case
        setup = os.path.join(DIST, f"Quillares-{version()}-setup.exe")
        self.assertEqual(self.wine(setup, "/S", "/AUTOSTART", "/RUN"), 0)
        entry = self.reg(UNINSTALL)
        home = entry["InstallLocation"]
        self.assertRegex(home, r"^C:\\users\\[^\\]+\\AppData\\Local\\Programs\\Quillares$")
        self.assertEqual([entry[k] for k in ("DisplayName", "DisplayVersion", "Publisher", "DisplayIcon")],
                         ["Quillares", version(), "The Quillares developers", home + r"\Quillares.exe,0"])
        self.assertGreater(int(entry["EstimatedSize"], 16), 100)
        self.assertEqual(self.reg(RUN)["Quillares"], f'"{home}\\Quillares.exe"')
        start_menu = os.path.join(self.session.env["WINEPREFIX"], "drive_c", "users", "*", "AppData", "Roaming",
                                  "Microsoft", "Windows", "Start Menu", "Programs", "Quillares.lnk")
        self.assertEqual(len(glob.glob(start_menu)), 1)
        uninstaller = self.unix(entry["UninstallString"].strip('"'))

        # /RUN started the add-on from its folder: the log is there.
        c.folder = self.unix(home)
        c.wait_log("Quillares: interface=english.txt")
        ini = c.path("Quillares.ini")
        shipped = open(ini, "rb").read()
        self.assertIn(b"server=127.0.0.1:8421\r\n", shipped)
        open(ini, "wb").write(shipped.replace(b"server=127.0.0.1:8421\r\n", b""))
        c.set_ini("window", "skiphelp", "yes")
        c.set_ini("window", "mine", "kept")
        mine = ["anna.ini", "wav/rec_anna.wav", "tones/anna1.quilar", "Quillares.log"]
        for name in mine[:3]:
            open(c.path(name), "w").write(name)
        open(c.path("english.txt"), "w").write("stale")
        os.remove(c.path("buttons/pbut1.bmp"))

        self.assertEqual(self.wine(setup, "/S"), 0)
        self.assertIn("Quillares: END", c.log_lines())
        for name in ("english.txt", "buttons/pbut1.bmp"):
            self.assertEqual(open(c.path(name), "rb").read(), open(os.path.join(DIST, "Quillares", name), "rb").read())
        self.assertEqual([c.read_ini("window", k) for k in ("skiphelp", "mine", "server")],
                         ["yes", "kept", "127.0.0.1:8421"])
        self.assertFalse(os.path.exists(c.path("install.ini")))
        self.assertIn("Quillares", self.reg(RUN))

        # The uninstaller goes on from a copy of itself after this returns.
        self.wine(uninstaller, "/S")
        wait_until(lambda: not os.path.exists(uninstaller) and not os.path.exists(c.path("buttons")), 60,
                   "the uninstaller to finish")
        self.assertIsNone(self.reg(UNINSTALL))
        self.assertNotIn("Quillares", self.reg(RUN) or {})
        self.assertEqual(glob.glob(start_menu), [])
        for name in ("Quillares.exe", "english.txt", "wav/default.wav"):
            self.assertFalse(os.path.exists(c.path(name)), name)
        for name in mine:
            self.assertTrue(os.path.exists(c.path(name)), name)
        self.assertEqual(c.read_ini("window", "mine"), "kept")
