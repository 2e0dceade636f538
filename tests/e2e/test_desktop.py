"""What other programs on the desktop do to the add-on: Explorer restarting, stray broadcasts."""
import os
import subprocess

from harness import DIST, E2E, wait_until


class DesktopTest(E2E):
    def poke(self, *args):
        return subprocess.run(["wine", os.path.join(DIST, "tools", "poke.exe"), *args], env=self.case.session.env,
                              capture_output=True, text=True, timeout=60)

    def tray_shown(self):
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Wine System Tray$"],
                             env=self.case.session.env, capture_output=True, text=True).stdout
        return bool(out.split())

    def started(self):
        c = self.case
        app = c.start_app()
        c.wait_log("Quillares: interface=english.txt")
        wait_until(self.tray_shown, what="the tray icon")
        return app

    def unload(self, app):
        self.poke("broadcast", "QuillaresUnload")
        self.case.wait_log("Quillares: END")
        self.assertEqual(app.wait(30), 0)

    def test_the_tray_icon_comes_back_when_explorer_restarts(self):
        app = self.started()
        # The tray window may still show the last case's icon: delete once this one's is there.
        wait_until(lambda: self.poke("delete-icon", "Audio Quillares Options", "100").returncode == 0,
                   what="the icon deleted")
        wait_until(lambda: not self.tray_shown(), what="the icon gone")
        self.poke("broadcast", "TaskbarCreated")
        wait_until(self.tray_shown, what="the icon back")
        self.unload(app)

    def test_a_stray_broadcast_does_not_end_the_program(self):
        app = self.started()
        self.poke("broadcast", str(0x8000 + 1))  # the number the window uses for its own end
        self.poke("broadcast", "0")
        self.assertIsNone(app.poll())
        self.assertNotIn("Quillares: END", self.case.log_lines())
        self.unload(app)
