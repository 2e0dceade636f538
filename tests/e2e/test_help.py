"""The first-run window: a link, its "do not show again", and a second start. Wine's shell hands a
web address to winebrowser, which runs the programs listed in HKCU\\Software\\Wine\\WineBrowser
"Browsers"; a script there records what it was asked to open."""
import os

from harness import E2E, OptionsWindowUser, wait_until

FIRST_RUN, BOX = "Audio Quillares", "Do not show this message again"
HOME = "http://quillares.example/home?from=help"


class HelpTest(OptionsWindowUser, E2E):
    def test_the_first_run_window_opens_a_page_its_box_keeps_it_away_and_a_second_start_shows_it(self):
        c = self.case
        opened, browser = os.path.join(c.dir, "opened.txt"), os.path.join(c.dir, "browser.sh")
        open(browser, "w").write(f"#!/bin/sh\nprintf '%s\\n' \"$@\" >> '{opened}'\n")
        os.chmod(browser, 0o755)
        c.session.reg("add", r"HKCU\Software\Wine\WineBrowser", "/v", "Browsers", "/d", browser, "/f")
        for key, value in (("skiphelp", ""), ("id", "tester"), ("web", HOME), ("webguide", "")):
            c.set_ini("window", key, value)
        app = c.start_app()
        # No guide: its link opens the home page.
        self.click(self.button("Open Getting Started guide", FIRST_RUN))
        wait_until(lambda: os.path.exists(opened) and open(opened).read().splitlines() == [HOME], 20,
                   what="the home page opened")
        self.click(self.button(BOX, FIRST_RUN))
        wait_until(lambda: self.button(BOX, FIRST_RUN).checked, 20, what="the box checked")
        self.click(self.button("&Close", FIRST_RUN))
        wait_until(lambda: c.read_ini("window", "skiphelp") == "yes", 20, what="skiphelp in the main file")
        self.assertEqual(c.read_ini("window", "skiphelp", "tester.ini"), "yes")
        wait_until(lambda: not self.dump(FIRST_RUN), 20, what="the first-run window closed")

        # A second start, and a broadcast of the number the window uses for its own end, leave the
        # running instance alone; the second start has it show its first-run window.
        c.poke("broadcast", str(0x8000 + 1))
        self.assertEqual(c.wait_exit(c.start_app(), 60), 0)
        self.button(BOX, FIRST_RUN)
        self.assertEqual(c.log_lines().count("Quillares: START"), 1)
        self.assertIsNone(app.poll())
        c.unload(app)
