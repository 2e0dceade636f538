"""The help window's pages, and the first-run window: its "do not show again", and a second start.

Wine's shell hands an http or https address to winebrowser, which runs the programs listed in
HKCU\\Software\\Wine\\WineBrowser "Browsers" with the address; a script there records what the
program asked the shell to open.
"""
import os
import time

from harness import E2E, SCENARIO, TITLE, OptionsWindowUser, wait_until

HELP = "Quill Test Help"
HOME = "http://quillares.example/home?from=help"
NOT_A_PAGE = "file:///C:/windows/notepad.exe"


class HelpTest(OptionsWindowUser, E2E):

    def setUp(self):
        super().setUp()
        self.opened_file = os.path.join(self.case.dir, "opened.txt")
        browser = os.path.join(self.case.dir, "browser.sh")
        with open(browser, "w") as f:
            f.write(f"#!/bin/sh\nprintf '%s\\n' \"$@\" >> '{self.opened_file}'\n")
        os.chmod(browser, 0o755)
        self.case.session.reg("add", r"HKCU\Software\Wine\WineBrowser", "/v", "Browsers", "/d", browser, "/f")

    def opened(self):
        try:
            return open(self.opened_file).read().splitlines()
        except FileNotFoundError:
            return []

    def texts(self, title):
        return [c.text for c in self.dump(title) if c.visible]

    def test_the_help_window_opens_web_pages_only(self):
        c = self.case
        c.language(caption=TITLE, helpcaption=HELP, helpskype="Made with the Skype interface.")
        c.set_ini("window", "web", HOME)
        c.set_ini("window", "webguide", "")
        c.set_ini("window", "webupdate", NOT_A_PAGE)
        c.start_sim(SCENARIO)
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
        self.click(self.button("Open Getting Started guide", HELP))
        wait_until(lambda: self.opened() == [HOME], 20, what="the home page opened")
        self.click(self.button("Update Audio Quillares to the latest version", HELP))
        c.wait_log("Quillares: not a web address, not opened: " + NOT_A_PAGE, timeout=20)
        time.sleep(1)
        self.assertEqual(self.opened(), [HOME])

        self.click(self.button("&Close", HELP))
        wait_until(lambda: not self.dump(HELP), 20, what="the help window closed")
        c.unload(app)

    def test_the_first_run_box_checked_keeps_the_window_away_but_a_second_start_shows_it(self):
        c, first_run = self.case, "Audio Quillares"
        c.set_ini("window", "skiphelp", "")
        c.set_ini("window", "id", "tester")
        app = c.start_app()
        box = wait_until(lambda: [b for b in self.dump(first_run)
                                  if b.visible and b.text == "Do not show this message again"], 20,
                         what="the first-run window")[0]
        self.assertIn("Select Options when this menu appears:", self.texts(first_run))
        self.click(box)
        wait_until(lambda: self.button("Do not show this message again", first_run).checked, 20, what="the box checked")
        self.click(self.button("&Close", first_run))
        wait_until(lambda: c.read_ini("window", "skiphelp") == "yes", 20, what="skiphelp in the main file")
        self.assertEqual(c.read_ini("window", "skiphelp", "tester.ini"), "yes")
        wait_until(lambda: not self.texts(first_run), 20, what="the first-run window closed")

        # A second start, and broadcasts of the number the window uses for its own end, leave the
        # running instance alone; the second start has it show its first-run window.
        c.poke("broadcast", str(0x8000 + 1))
        c.poke("broadcast", "0")
        self.assertEqual(c.wait_exit(c.start_app(), 60), 0)
        wait_until(lambda: not os.path.exists(c.path("newinst.ini")), what="newinst.ini to be taken")
        wait_until(lambda: self.texts(first_run), 20, what="the first-run window")
        self.assertEqual(c.log_lines().count("Quillares: START"), 1)
        self.assertIsNone(app.poll())
        c.unload(app)

        os.remove(c.path("Quillares.log"))
        app = c.start_app()
        c.wait_log("Quillares: interface=english.txt")
        time.sleep(2)
        self.assertEqual(self.dump(first_run), [])
        c.unload(app)
