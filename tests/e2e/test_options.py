"""The options window as a user meets it: opened from the tray, contacts, tone kinds, a picture
button from the keyboard, recording, the Skype events dialog, the top bar. Under Wine the capture
clock runs about ten times faster than real time, so a minute of recording takes seconds."""
import os
import re
import time
import wave

import sound
from harness import E2E, OptionsWindowUser, wait_until

DEFAULT, RECORD = "Default Skype\u2122 ringtone", "Record your own ringtone"


class OptionsWindowTest(OptionsWindowUser, E2E):
    def test_contacts_kinds_play_record_events_minimize_close_and_exit(self):
        c, file = self.case, self.case.path("wav/rec_bob.wav")
        c.set_ini("contacts", "bob_play", "2")
        app = self.start()
        contacts = self.contacts()
        self.assertEqual(contacts.items, ["Anna Andersson", "Bob Builder"])
        self.assertEqual(self.checked_kind(), [DEFAULT])

        # Somewhere past the kinds, the panel's blind Play button takes the focus; space presses it.
        play = self.panel_buttons()[0]
        self.click(self.button(DEFAULT))
        for _ in range(12):
            self.xdotool("key", "Tab")
            time.sleep(0.2)
            if self.face(play, 1) == 1:
                break
        self.xdotool("key", "space")
        default = sound.pcm_of_file(c.path("wav/default.wav"))
        wait_until(lambda: sound.streams(c.session.sound, [default]) == [default], 20, what="the default tone")
        wait_until(lambda: self.face(play, 1) != 3, 20, what="Play enabled again")

        # Bob, the second row, records his own tone.
        self.xdotool("mousemove", str(contacts.left + 30), str(contacts.top + 24), "click", "1")
        wait_until(lambda: self.checked_kind() == [RECORD], 20, what="Bob's kind")
        play, stop, record = sorted(self.panel_buttons(), key=lambda b: b.left)
        # Another kind cancels it; after the preview, recording again and stopping once broke Wine's heap.
        self.click(record)
        c.wait_log("Quillares: recording started")
        self.click(self.button(DEFAULT))
        c.wait_log("Quillares: recording cancelled")
        self.click(self.button(RECORD))
        self.click(record)
        c.wait_log("Quillares: recording started", 2)
        wait_until(lambda: [s for s in self.shown("Static") if re.fullmatch(r"\d+:\d\d", s.text) and s.text > "0:01"],
                   20, what="the time to run")
        # The bar and its frame: two blank statics at one corner.
        blank = sorted((s.left, s.top, s.right - s.left) for s in self.shown("Static") if s.text == "")
        bar, frame = next((a[2], b[2]) for a, b in zip(blank, blank[1:]) if a[:2] == b[:2])
        self.assertGreater(bar, 2)
        self.assertLess(bar, frame)
        self.click(stop)
        c.wait_log("Quillares: recording finished")
        wait_until(lambda: os.path.exists(file), 20, what="the recording moved into place")
        with wave.open(file) as w:  # which takes PCM only
            self.assertEqual((w.getnchannels(), w.getframerate(), w.getsampwidth()), (1, 16000, 2))
            recorded = w.readframes(w.getnframes())
        self.assertGreater(len(recorded), 32000)
        self.click(play)
        wait_until(lambda: sound.streams(c.session.sound, [recorded])[-1:] == [recorded], 30, what="the recording")

        # The events dialog turns the message tone off (what the switch does is the dispatcher's tests').
        self.click(self.top_bar_buttons()[1])
        title = "Quillares - Skype Events"
        message = self.button("Incoming chat message", title)
        self.assertTrue(message.checked)
        self.click(message)
        self.click(self.button("&OK", title))
        c.wait_log("Quillares: save events")
        self.assertEqual(c.read_ini("wav", "user_msg_play", file="tester.ini"), "0")

        # Minimize, and then the close box, only hide the window.
        self.click(self.top_bar_buttons()[3])
        wait_until(lambda: not self.window_shown(), 20, what="the window to hide")
        self.open_window()
        self.xdotool("key", "--window", self.window_shown().split()[0], "alt+F4")
        wait_until(lambda: not self.window_shown(), 20, what="the window to hide")
        self.open_window()
        self.click(self.top_bar_buttons()[4])
        c.wait_end(app)
