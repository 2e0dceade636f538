"""The options window as a user meets it: opened from the tray, contacts, tone kinds, top bar."""
import os
import re
import subprocess
import time

import sound
import test_link
from harness import DIST, E2E, wait_until, winpath

TITLE = "Quill Test Options"
SCENARIO = """
me tester
contact anna Anna Andersson
contact bob Bob Builder
attach success
"""


class Control:
    def __init__(self, line):
        cls, visible, checked, rect, text, items = line.split("|", 5)
        self.cls, self.visible, self.checked, self.text = cls, visible == "1", checked == "1", text
        self.left, self.top, self.right, self.bottom = (int(v) for v in rect.split(","))
        self.items = items.split("\t") if items else []

    def centre(self):
        return (self.left + self.right) // 2, (self.top + self.bottom) // 2


class OptionsWindowUser:
    """What a user does with the options window, for any end-to-end test that opens it."""
    xdotool = test_link.TrayTest.xdotool
    click_icon = test_link.TrayTest.click_icon

    def dump(self, title=TITLE):
        out = subprocess.run(["wine", os.path.join(DIST, "tools", "poke.exe"), "dump", title],
                             env=self.case.session.env, capture_output=True, text=True, timeout=60).stdout
        return [Control(l) for l in out.splitlines() if l.count("|") >= 5]

    def shown(self, cls=None):
        return [c for c in self.dump() if c.visible and (cls is None or c.cls == cls)]

    def checked_kind(self):
        return [c.text for c in self.shown("Button") if c.checked]

    def click(self, control):
        x, y = control.centre()
        self.xdotool("mousemove", str(x), str(y), "click", "1")

    def pictures(self):
        # Apply, Skype events, Help, Minimize, Exit from left to right, above every panel's buttons.
        return sorted(self.shown("QuillaresPicture"), key=lambda c: (c.top, c.left))

    def top_bar_buttons(self):
        return self.pictures()[:5]

    def panel_buttons(self):
        return self.pictures()[5:]

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

    def heard(self):
        return sound.heard(self.case.session.sound)

    def default_tone(self):
        return sound.pcm_of_file(self.case.path("wav/default.wav"))

    def window_shown(self):
        return self.xdotool("search", "--onlyvisible", "--name", f"^{TITLE}$").strip()

    def open_window(self):
        self.click_icon("--repeat", "2", "--delay", "80", "1")
        wait_until(self.window_shown, what="the options window")
        window = self.window_shown().split()[0]
        # No window manager runs to activate it; the first click's menu has twenty ticks to show.
        self.xdotool("windowfocus", "--sync", window)
        time.sleep(1)

    def apply_to_all(self):
        """Apply, "all contacts", OK, and Yes to the question."""
        title = "Apply ringtone"
        wait_until(lambda: any(b.text == "Apply to &all contacts" for b in self.dump(title)), 20, what="the dialog")
        buttons = {b.text: b for b in self.dump(title)}
        self.click(buttons["Apply to &all contacts"])
        self.click(buttons["&OK"])
        # The question comes up in front, Yes its default button.
        wait_until(lambda: len(self.xdotool("search", "--onlyvisible", "--name", f"^{title}$").split()) == 2, 20,
                   what="the question")
        started = time.monotonic()
        self.xdotool("key", "Return")
        return started


class OptionsWindowTest(OptionsWindowUser, E2E):
    def start(self, scenario=SCENARIO, listed="Skype: USER bob FULLNAME Bob Builder"):
        c = self.case
        c.set_ini("window", "skiphelp", "yes")
        c.set_ini("window", "language", "test.txt")
        with open(c.path("test.txt"), "w", encoding="cp1252", newline="") as f:
            f.write(f"caption={TITLE}\r\nbuttonclose=Minimize to tray\r\nframe3=Your own voice\r\n"
                    "notext=Type some words first.\r\n")
        c.start_sim(scenario)
        app = c.start_app()
        # A bench waits its own way, so as not to take the machine from what it times.
        listed() if callable(listed) else c.wait_log(listed)
        self.open_window()
        return app

    def test_contacts_kinds_minimize_and_exit(self):
        c = self.case
        c.set_ini("contacts", "bob_play", "2")
        c.set_ini("contacts", "bob_file", c.path("wav\\default.wav").replace("/", "\\"))
        app = self.start()

        lists = [l for l in self.shown("ListBox") if l.items]
        self.assertEqual(lists[0].items, ["Anna Andersson", "Bob Builder"])
        self.assertEqual(self.checked_kind(), ["Default Skype\u2122 ringtone"])
        self.assertIn("Play the default Skype\u2122 ringtone", [s.text for s in self.shown("Static")])
        self.assertIn("Minimize", [s.text for s in self.shown("Static")])

        # Bob, the second row, records his own tone.
        contacts = lists[0]
        self.xdotool("mousemove", str(contacts.left + 30), str(contacts.top + 24), "click", "1")
        wait_until(lambda: self.checked_kind() == ["Record your own ringtone"], 20, what="Bob's kind")
        statics = [s.text for s in self.shown("Static")]
        self.assertIn("Your own voice", statics)
        self.assertIn("bob", statics)
        self.assertNotIn("Play the default Skype\u2122 ringtone", statics)
        shot = os.path.join(DIST, "..", "options-window.png")
        subprocess.run(["import", "-window", "root", shot], env=c.session.env, timeout=60)

        apply_, events, help_, minimize, exit_ = self.top_bar_buttons()
        self.click(minimize)
        wait_until(lambda: not self.window_shown(), 20, what="the window to hide")
        self.assertIsNone(app.poll())

        self.open_window()
        self.click(self.top_bar_buttons()[4])
        c.wait_log("Quillares: END")
        self.assertEqual(app.wait(30), 0)

    def test_a_press_moved_off_before_the_release_runs_nothing(self):
        self.start()
        play = self.panel_buttons()[0]
        x, y = play.centre()
        self.xdotool("mousemove", str(x), str(y), "mousedown", "1", "sleep", "0.3",
                     "mousemove", str(x - 80), str(y), "sleep", "0.3", "mouseup", "1")
        time.sleep(1.5)
        self.assertEqual(self.heard(), b"")
        self.assertEqual(self.face(play, 1), 0)
        self.click(play)
        wait_until(lambda: self.heard() == self.default_tone(), 20, what="the default tone")

    def test_tab_highlights_a_picture_button_and_space_runs_it(self):
        self.start()
        play = self.panel_buttons()[0]
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

    def test_play_comes_back_when_the_default_tone_ends(self):
        self.start()
        play = self.panel_buttons()[0]
        self.click(play)
        wait_until(lambda: self.heard() == self.default_tone(), 20, what="the default tone")
        wait_until(lambda: self.face(play, 1) != 3, 20, what="Play enabled again")
        self.click(play)
        wait_until(lambda: self.heard() == self.default_tone() * 2, 20, what="the default tone again")

    def test_generate_with_only_blanks_asks_for_the_text(self):
        self.start()
        self.click([b for b in self.shown("Button") if b.text == "Synthesize a new ringtone"][0])
        self.click(self.shown("Edit")[0])
        self.xdotool("type", "   ")
        generate = self.panel_buttons()[0]
        self.click(generate)
        wait_until(lambda: "Type some words first." in [m.text for m in self.dump("AudioQuillares")], 20,
                   what="the message")
        self.assertNotEqual(self.face(generate, 8), 3)

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
        c.wait_log("Quillares: END", timeout=60)
        self.assertEqual(app.wait(30), 0)
        lines = c.log_lines()
        self.assertBefore(lines, "Quillares: save events", "Skype: CHATMESSAGE 5 STATUS RECEIVED")
        self.assertNotIn("Quillares: message.wav", lines)
        self.assertEqual(self.heard(), b"")

    def test_a_catalogue_tone_applied_to_all_contacts_rings_for_each(self):
        c = self.case
        bell = sound.wave_bytes(880, 0.4)
        # The only tone in the box, so a new user's first catalogue lists it first.
        for name in os.listdir(c.path("tones")):
            os.remove(c.path("tones/" + name))
        open(c.path("tones/bell.quilar"), "wb").write(sound.container("Bell", bell))
        app = self.start(SCENARIO.replace("attach success", "call 7 INCOMING_P2P bob\nattach success\n"
                                          "expect GET USER bob FULLNAME\nwait 30000\nsend CALL 7 STATUS RINGING\n"
                                          "expect GET CALL 7 PARTNER_HANDLE\nwait 2500\nsend CALL 7 STATUS MISSED\n"
                                          "wait 1500\nunload"))
        self.click([b for b in self.shown("Button") if b.text == "Other available ringtones"][0])
        wait_until(lambda: any("Bell" in l.items for l in self.shown("ListBox")), 20, what="the catalogue")
        self.click(self.top_bar_buttons()[0])
        self.apply_to_all()
        wait_until(lambda: c.read_ini("contacts", "anna_play", file="tester.ini") == "1", 20, what="the keys")
        self.assertEqual(c.read_ini("contacts", "bob_file", file="tester.ini"),
                         c.read_ini("tones", "file1", file="tester.ini"))
        c.wait_log("Quillares: END", timeout=90)
        self.assertEqual(app.wait(30), 0)
        self.assertBefore(c.log_lines(), "Quillares: Call from bob", "Quillares: bell.quilar")
        self.assertTrue(self.heard().startswith(sound.pcm(bell)))

    def test_the_contact_chosen_while_the_names_arrive_stays_chosen(self):
        c, go = self.case, os.path.join(self.case.dir, "chosen")
        self.start(SCENARIO.replace("attach success", f"contacts 300 c Friend\nhold-names\nattach success\n"
                                    f"await-file {winpath(go)}\nanswer-names"), "Skype received: GET USER anna FULLNAME")
        contacts = [l for l in self.shown("ListBox") if l.items][0]
        self.assertEqual(contacts.items[:3], ["anna", "bob", "c1"])  # the handles stand in for the names
        self.xdotool("mousemove", str(contacts.left + 30), str(contacts.top + 40), "click", "1")
        handle = wait_until(lambda: [s.text for s in self.shown("Static") if re.fullmatch(r"c\d+", s.text)], 20)[0]
        self.click([b for b in self.shown("Button") if b.text == "Other available ringtones"][0])
        wait_until(lambda: self.checked_kind() == ["Other available ringtones"], 20, what="the kind")
        open(go, "w").close()
        c.wait_log("Skype: USER c300 FULLNAME Friend 300")
        self.assertEqual(self.checked_kind(), ["Other available ringtones"])
        self.assertIn(handle.replace("c", "Friend "), [s.text for s in self.shown("Static")])
        self.click(self.top_bar_buttons()[0])  # Apply, for the contact shown
        wait_until(lambda: any(b.text == "&OK" for b in self.dump("Apply ringtone")), 20, what="the dialog")
        self.click([b for b in self.dump("Apply ringtone") if b.text == "&OK"][0])
        wait_until(lambda: c.read_ini("contacts", handle + "_play", file="tester.ini") == "1", 20, what="the keys")
        self.assertIsNone(c.read_ini("contacts", "anna_play", file="tester.ini"))
