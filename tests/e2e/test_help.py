"""The help window's pages and the first-run window's "do not show again".

Wine's shell hands an http or https address to winebrowser, which runs the programs listed in
HKCU\\Software\\Wine\\WineBrowser "Browsers" with the address; a script there records what the
program asked the shell to open.
"""
import os
import subprocess
import time

import test_options
from harness import DIST, E2E, wait_until

TITLE = test_options.TITLE
HELP = "Quill Test Help"
HOME = "http://quillares.example/home?from=help"
NOT_A_PAGE = "file:///C:/windows/notepad.exe"


class HelpTest(test_options.OptionsWindowUser, E2E):

    def setUp(self):
        super().setUp()
        self.opened_file = os.path.join(self.case.dir, "opened.txt")
        browser = os.path.join(self.case.dir, "browser.sh")
        with open(browser, "w") as f:
            f.write(f"#!/bin/sh\nprintf '%s\\n' \"$@\" >> '{self.opened_file}'\n")
        os.chmod(browser, 0o755)
        self.reg("add", r"HKCU\Software\Wine\WineBrowser", "/v", "Browsers", "/d", browser, "/f")
        self.addCleanup(self.reg, "delete", r"HKCU\Software\Wine\WineBrowser", "/v", "Browsers", "/f")

    def reg(self, *args):
        subprocess.run(["wine", "reg", *args], env=self.case.session.env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=120, check=True)

    def opened(self):
        try:
            return open(self.opened_file).read().splitlines()
        except FileNotFoundError:
            return []

    def texts(self, title):
        return [c.text for c in self.dump(title) if c.visible]

    def control(self, title, text):
        return [c for c in self.dump(title) if c.visible and c.text == text][0]

    def unload(self, app):
        subprocess.run(["wine", os.path.join(DIST, "tools", "poke.exe"), "broadcast", "QuillaresUnload"],
                       env=self.case.session.env, capture_output=True, timeout=60)
        self.case.wait_log("Quillares: END")
        self.assertEqual(app.wait(30), 0)

    def test_the_help_window_opens_web_pages_only(self):
        c = self.case
        c.set_ini("window", "skiphelp", "yes")
        c.set_ini("window", "language", "test.txt")
        c.set_ini("window", "web", HOME)
        c.set_ini("window", "webguide", "")
        c.set_ini("window", "webupdate", NOT_A_PAGE)
        with open(c.path("test.txt"), "w", encoding="cp1252", newline="") as f:
            f.write(f"caption={TITLE}\r\nhelpcaption={HELP}\r\nhelpskype=Made with the Skype interface.\r\n")
        c.start_sim(test_options.SCENARIO)
        app = c.start_app()
        c.wait_log("Skype: USER bob FULLNAME Bob Builder")
        self.open_window()
        self.click(self.top_bar_buttons()[2])

        wait_until(lambda: "Made with the Skype interface." in self.texts(HELP), 20, what="the help window")
        for text in ("Audio Quillares", "Release version 2.1.3", "Open Getting Started guide",
                     "Open Audio Quillares web site", "Update Audio Quillares to the latest version",
                     "View available Skype\u2122 ringtones", "&Close"):
            self.assertIn(text, self.texts(HELP))

        # No guide: the guide link opens the home page.
        self.click(self.control(HELP, "Open Getting Started guide"))
        wait_until(lambda: self.opened() == [HOME], 20, what="the home page opened")
        self.click(self.control(HELP, "Update Audio Quillares to the latest version"))
        c.wait_log("Quillares: not a web address, not opened: " + NOT_A_PAGE, timeout=20)
        time.sleep(1)
        self.assertEqual(self.opened(), [HOME])

        self.click(self.control(HELP, "&Close"))
        wait_until(lambda: not self.dump(HELP), 20, what="the help window closed")
        self.unload(app)

    def test_the_first_run_box_checked_keeps_the_window_away_next_start(self):
        c = self.case
        c.set_ini("window", "skiphelp", "")
        c.set_ini("window", "id", "tester")
        app = c.start_app()
        box = wait_until(lambda: [b for b in self.dump("Audio Quillares")
                                  if b.visible and b.text == "Do not show this message again"], 20,
                         what="the first-run window")[0]
        self.assertIn("Select Options when this menu appears:", self.texts("Audio Quillares"))
        self.click(box)
        wait_until(lambda: self.control("Audio Quillares", "Do not show this message again").checked, 20,
                   what="the box checked")
        self.click(self.control("Audio Quillares", "&Close"))
        wait_until(lambda: c.read_ini("window", "skiphelp") == "yes", 20, what="skiphelp in the main file")
        self.assertEqual(c.read_ini("window", "skiphelp", "tester.ini"), "yes")
        self.unload(app)

        os.remove(c.path("Quillares.log"))
        app = c.start_app()
        c.wait_log("Quillares: interface=english.txt")
        time.sleep(2)
        self.assertEqual(self.dump("Audio Quillares"), [])
        self.unload(app)
