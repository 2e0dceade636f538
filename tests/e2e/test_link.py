"""The add-on's frame and its link to Skype, against skype-sim."""
import os
import subprocess
import time

from harness import E2E, wait_until

ATTACHED = """
me tester
contact anna Anna Andersson
attach success
"""


class LinkTest(E2E):
    def start_attached(self, scenario=ATTACHED):
        c = self.case
        c.set_ini("window", "skiphelp", "yes")
        c.start_sim(scenario)
        app = c.start_app()
        c.wait_log("Skype received: GET CURRENTUSERHANDLE")
        return app

    def test_pending_attach_keepalive_lost_delivery_and_reattach(self):
        c = self.case
        c.start_sim("""
me tester
attach pending
expect PING
expect PING
refuse 1
""")
        c.start_app()
        c.wait_log("Skype received: GET CURRENTUSERHANDLE")
        c.wait_log("Skype: ERROR sending message, try re-connecting")
        c.wait_log("Skype: successfully attached", count=2)
        c.wait_log("Skype received: GET CURRENTUSERHANDLE", count=2)
        lines = c.log_lines()
        self.assertEqual(lines[:3], ["Quillares: START", "Quillares: user=", "Quillares: interface=english.txt"])
        self.assertBefore(lines, "Skype: pending authorization", "Skype: successfully attached")
        self.assertBefore(lines, "Skype received: GET CURRENTUSERHANDLE",
                          "Skype: ERROR sending message, try re-connecting")
        # Pending, then the rediscovery five seconds later attaches.
        self.assertGreaterEqual(c.sim_count(r" DISCOVER "), 3)
        self.assertIn("Skype: CURRENTUSERHANDLE tester", lines)
        # The keep-alive is quiet in the log.
        self.assertGreaterEqual(c.sim_count(r" IN PING$"), 2)
        self.assertFalse([l for l in lines if "PING" in l or "PONG" in l])

    def test_unload_message_shuts_down_and_saves_the_window_position(self):
        c = self.case
        app = self.start_attached(ATTACHED + "expect GET CURRENTUSERHANDLE\nwait 1000\nunload\n")
        c.wait_log("Quillares: END")
        self.assertEqual(c.wait_exit(app, 30), 0)
        lines = c.log_lines()
        self.assertBefore(lines, "Quillares: Unload command received", "Quillares: END")
        self.assertEqual(lines[-1], "Quillares: END")
        ini = "tester.ini" if os.path.exists(c.path("tester.ini")) else "Quillares.ini"
        top, left = c.read_ini("window", "top", ini), c.read_ini("window", "left", ini)
        self.assertRegex(top, r"^\d+$")
        # At the right edge of the 1280-pixel screen: 1280 * 15 - 8520 - 30 twips.
        self.assertEqual(int(left), 10650)

    def test_second_start_signals_the_running_instance(self):
        c = self.case
        self.start_attached()
        second = c.start_app()
        self.assertEqual(c.wait_exit(second, 60), 0)
        wait_until(lambda: not os.path.exists(c.path("newinst.ini")), what="newinst.ini to be taken")
        self.assertEqual(c.log_lines().count("Quillares: START"), 1)
        # The running instance answered with its first-run window.
        found = wait_until(lambda: subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--name", "^Audio Quillares$"], env=c.session.env,
            capture_output=True, text=True).stdout.strip(), what="the first-run window")
        self.assertTrue(found)

    def test_install_marker_shuts_down(self):
        c = self.case
        app = self.start_attached()
        open(c.path("install.ini"), "w").close()
        c.wait_log("Quillares: END")
        self.assertEqual(c.wait_exit(app, 30), 0)
        self.assertFalse(os.path.exists(c.path("install.ini")))


class TrayTest(E2E):
    """The icon in Wine's own system tray window, clicked as a user would."""

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *args], env=self.case.session.env, capture_output=True, text=True).stdout

    def click_icon(self, *click):
        tray = wait_until(lambda: self.xdotool("search", "--name", "^Wine System Tray$").split(), what="the tray")
        geometry = self.xdotool("getwindowgeometry", tray[0])
        x, y = (int(v) for v in geometry.split("Position: ")[1].split(" ")[0].split(","))
        self.xdotool("mousemove", str(x + 10), str(y + 10), "click", *click)
        return x + 10, y + 10

    def test_double_click_opens_the_options_window_and_exit_ends_the_program(self):
        c = self.case
        c.set_ini("window", "skiphelp", "yes")
        c.start_sim(ATTACHED)
        app = c.start_app()
        c.wait_log("Skype: USER anna FULLNAME Anna Andersson")
        self.click_icon("--repeat", "2", "--delay", "80", "1")
        c.wait_log("Quillares: show options")
        wait_until(lambda: self.xdotool("search", "--onlyvisible", "--name", "^Audio Quillares Options$"),
                   what="the options window")
        time.sleep(1)  # twenty main-loop ticks: time enough for the first click's menu item
        self.assertNotIn("Quillares: show pop-up menu", c.log_lines())

        # The close box only hides the window; a click then pops up the menu, whose Exit ends the program.
        window = self.xdotool("search", "--onlyvisible", "--name", "^Audio Quillares Options$").split()[0]
        self.xdotool("windowfocus", "--sync", window)
        self.xdotool("key", "--window", window, "alt+F4")
        wait_until(lambda: not self.xdotool("search", "--onlyvisible", "--name", "^Audio Quillares Options$"),
                   what="the window to hide")
        self.assertIsNone(app.poll())
        x, y = self.click_icon("1")
        c.wait_log("Quillares: show pop-up menu")

        # The menu opens at the pointer: Options, a separator, then Exit about 36 pixels down. It
        # may take a moment to appear, so Exit is clicked until the program has ended.
        def ended():
            if "Quillares: END" in c.log_lines():
                return True
            self.xdotool("mousemove", str(x + 25), str(y + 36), "click", "1")
            return False
        wait_until(ended, what="Exit to end the program")
        self.assertEqual(c.wait_exit(app, 30), 0)
