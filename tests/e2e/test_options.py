"""The options window as a user meets it: opened from the tray, contacts, tone kinds, top bar."""
import os
import re
import subprocess
import time

from harness import DIST, E2E, SCENARIO, OptionsWindowUser, wait_until, winpath


class OptionsWindowTest(OptionsWindowUser, E2E):
    def test_contacts_kinds_minimize_close_and_exit(self):
        c = self.case
        c.set_ini("contacts", "bob_play", "2")
        c.set_ini("contacts", "bob_file", c.path("wav\\default.wav").replace("/", "\\"))
        app = self.start()

        contacts = self.contacts()
        self.assertEqual(contacts.items, ["Anna Andersson", "Bob Builder"])
        self.assertEqual(self.checked_kind(), ["Default Skype\u2122 ringtone"])
        self.assertIn("Play the default Skype\u2122 ringtone", [s.text for s in self.shown("Static")])
        self.assertIn("Minimize", [s.text for s in self.shown("Static")])

        # Bob, the second row, records his own tone.
        self.xdotool("mousemove", str(contacts.left + 30), str(contacts.top + 24), "click", "1")
        wait_until(lambda: self.checked_kind() == ["Record your own ringtone"], 20, what="Bob's kind")
        statics = [s.text for s in self.shown("Static")]
        self.assertIn("Your own voice", statics)
        self.assertIn("bob", statics)
        self.assertNotIn("Play the default Skype\u2122 ringtone", statics)
        subprocess.run(["import", "-window", "root", os.path.join(DIST, "..", "options-window.png")],
                       env=c.session.env, timeout=60)

        # Minimize, and then the close box, only hide the window.
        self.click(self.top_bar_buttons()[3])
        wait_until(lambda: not self.window_shown(), 20, what="the window to hide")
        self.open_window()
        self.xdotool("key", "--window", self.window_shown().split()[0], "alt+F4")
        wait_until(lambda: not self.window_shown(), 20, what="the window to hide")
        self.assertIsNone(app.poll())

        self.open_window()
        self.click(self.top_bar_buttons()[4])
        c.wait_end(app)

    def test_picture_buttons_click_on_release_inside_or_space_and_come_back_when_the_tone_ends(self):
        self.start()
        play = self.panel_buttons()[0]
        x, y = play.centre()
        self.xdotool("mousemove", str(x), str(y), "mousedown", "1", "sleep", "0.3",
                     "mousemove", str(x - 80), str(y), "sleep", "0.3", "mouseup", "1")
        time.sleep(1.5)
        self.assertEqual(self.heard(), b"")
        self.assertEqual(self.face(play, 1), 0)

        self.click([b for b in self.shown("Button") if b.checked][0])
        # Somewhere past the kinds, the panel's blind button takes the focus.
        for _ in range(12):
            self.xdotool("key", "Tab")
            time.sleep(0.2)
            if self.face(play, 1) == 1:
                break
        self.assertEqual(self.face(play, 1), 1)
        self.xdotool("key", "space")
        wait_until(lambda: self.heard() == self.default_tone(), 20, what="the default tone")
        wait_until(lambda: self.face(play, 1) != 3, 20, what="Play enabled again")
        self.click(play)
        wait_until(lambda: self.heard() == self.default_tone() * 2, 20, what="the default tone again")

    def test_the_events_dialog_turns_the_message_tone_off(self):
        c = self.case
        app = self.start(SCENARIO.replace("attach success", "message 5 anna\nattach success\n"
                                          "expect GET USER bob FULLNAME\nwait 25000\n"
                                          "send CHATMESSAGE 5 STATUS RECEIVED\nexpect GET MESSAGE 5\n"
                                          "wait 1500\nunload"))
        self.click(self.top_bar_buttons()[1])
        title = "Quillares - Skype Events"
        wait_until(lambda: any(b.text == "&OK" for b in self.dump(title)), 20, what="the events dialog")
        boxes = {b.text: b for b in self.dump(title) if b.cls == "Button"}
        self.assertTrue(boxes["Incoming chat message"].checked)
        subprocess.run(["import", "-window", "root", os.path.join(DIST, "..", "events-dialog.png")],
                       env=c.session.env, timeout=60)
        self.click(boxes["Incoming chat message"])
        self.click(boxes["&OK"])
        c.wait_log("Quillares: save events")
        self.assertEqual(c.read_ini("wav", "user_msg_play", file="tester.ini"), "0")
        c.wait_end(app)
        lines = c.log_lines()
        self.assertBefore(lines, "Quillares: save events", "Skype: CHATMESSAGE 5 STATUS RECEIVED")
        self.assertNotIn("Quillares: message.wav", lines)
        self.assertEqual(self.heard(), b"")

    def test_the_contact_chosen_while_the_names_arrive_stays_chosen(self):
        c, go = self.case, os.path.join(self.case.dir, "chosen")
        self.start(SCENARIO.replace("attach success", f"contacts 300 c Friend\nhold-names\nattach success\n"
                                    f"await-file {winpath(go)}\nanswer-names"), "Skype received: GET USER anna FULLNAME")
        contacts = self.contacts()
        self.assertEqual(contacts.items[:3], ["anna", "bob", "c1"])  # the handles stand in for the names
        self.xdotool("mousemove", str(contacts.left + 30), str(contacts.top + 40), "click", "1")
        handle = wait_until(lambda: [s.text for s in self.shown("Static") if re.fullmatch(r"c\d+", s.text)], 20)[0]
        self.choose_kind("Other available ringtones")
        open(go, "w").close()
        c.wait_log("Skype: USER c300 FULLNAME Friend 300")
        self.assertEqual(self.checked_kind(), ["Other available ringtones"])
        self.assertIn(handle.replace("c", "Friend "), [s.text for s in self.shown("Static")])
        self.apply()
        wait_until(lambda: c.read_ini("contacts", handle + "_play", file="tester.ini") == "1", 20, what="the keys")
        self.assertIsNone(c.read_ini("contacts", "anna_play", file="tester.ini"))
