"""Recording a tone with the microphone in the options window. Under Wine the capture clock
runs about ten times faster than real time, so a minute takes seconds."""
import os
import re
import struct

import sound
from harness import E2E, SCENARIO, OptionsWindowUser, wait_until, winpath

CAPTION = re.compile(r"^\d+:\d\d$")


def wave_format(path):
    """(format tag, channels, rate, bytes per second, block align, bits), and the number of data bytes."""
    data = open(path, "rb").read()
    return struct.unpack("<HHIIHH", sound.pcm(data, b"fmt ")[:16]), len(sound.pcm(data))


class RecordingTest(OptionsWindowUser, E2E):
    def record_panel(self, scenario=SCENARIO):
        """Anna selected and her recording panel shown; its Play, Stop and Record pictures."""
        self.start(scenario)
        contacts = self.contacts()
        self.xdotool("mousemove", str(contacts.left + 30), str(contacts.top + 8), "click", "1")
        wait_until(lambda: [s for s in self.shown("Static") if s.text == "anna"], 20, what="Anna selected")
        self.choose_kind("Record your own ringtone")
        return sorted(self.panel_buttons(), key=lambda c: c.left)

    def progress(self):
        """(bar width, frame width, caption) in pixels as the window shows them."""
        statics = self.shown("Static")
        caption = [s.text for s in statics if CAPTION.match(s.text)]
        corners = {}
        for s in statics:
            if s.text == "":
                corners.setdefault((s.left, s.top), []).append(s.right - s.left)
        widths = sorted(next(w for w in corners.values() if len(w) == 2))
        return widths[0], widths[1], caption[0]

    def recording(self):
        return self.case.path("wav/rec_anna.wav")

    def test_a_recording_is_saved_as_16_khz_mono_wave_and_played_back(self):
        c = self.case
        play, stop, record = self.record_panel()
        self.click(record)
        c.wait_log("Quillares: recording started")
        # The bar moves while the time runs.
        wait_until(lambda: self.progress()[2] not in ("0:00", "0:01"), 20, what="the time to run")
        bar, frame, _ = self.progress()
        self.assertGreater(bar, 2)
        self.assertLess(bar, frame)
        self.click(stop)
        c.wait_log("Quillares: recording finished")
        wait_until(lambda: os.path.exists(self.recording()), 20, what="the recording moved into place")
        self.assertNotIn("Quillares: recording cancelled", c.log_lines())
        fmt, size = wave_format(self.recording())
        self.assertEqual(fmt, (1, 1, 16000, 32000, 2, 16))
        self.assertGreater(size, 32000)

        self.click(play)
        recorded = sound.pcm_of_file(self.recording())
        wait_until(lambda: sound.streams(c.session.sound, [recorded])[-1:] == [recorded], 30,
                   what="the recording played")
        c.wait_log("Quillares: rec_anna.wav")

    def test_a_cancelled_recording_a_shared_tone_given_to_one_and_a_lost_file_leave_every_call_ringing(self):
        c = self.case
        old, spoken, ready = sound.wave_bytes(440, 0.5), sound.wave_bytes(520, 0.4), c.path("ready")
        open(self.recording(), "wb").write(old)
        open(c.path("tones/shared1.quilar"), "wb").write(sound.container("Hi", spoken))
        steps = f"expect-timeout 120000\nawait-file {winpath(ready)}\n"
        for n, (handle, tone) in enumerate({"bob": "3tones\\shared1.quilar", "anna": "2wav\\rec_anna.wav",
                                            "carl": "3tones\\shared1.quilar", "dee": "1wav\\gone.wav"}.items(), 7):
            c.set_ini("contacts", handle + "_play", tone[0])
            c.set_ini("contacts", handle + "_file", tone[1:])
            steps += f"call {n} INCOMING_P2P {handle}\nsend CALL {n} STATUS RINGING\nwait 3000\nsend CALL {n} STATUS MISSED\n"
        record = self.record_panel(SCENARIO.replace("contact bob", "contact carl Carl\ncontact dee Dee\n"
                                                                 "contact bob") + steps + "wait 1500\nunload\n")[2]
        self.click(record)
        c.wait_log("Quillares: recording started")
        self.click(self.button("Default Skype\u2122 ringtone"))
        c.wait_log("Quillares: recording cancelled")
        self.assertEqual(open(self.recording(), "rb").read(), old)
        # Bob's tone, which Carl shares, applied to Bob alone.
        contacts = self.contacts()
        self.xdotool("mousemove", str(contacts.left + 30), str(contacts.top + 47), "click", "1")
        wait_until(lambda: self.checked_kind() == ["Synthesize a new ringtone"], 20, what="Bob's tone")
        self.apply()
        wait_until(lambda: ":" in c.read_ini("contacts", "bob_file", file="tester.ini"), 20, what="Bob's keys")
        open(ready, "w").close()
        c.wait_log("Quillares: END", timeout=120)
        known = {sound.pcm(spoken): "spoken", sound.pcm(old): "old",
                 sound.pcm_of_file(c.path("wav/default.wav")): "default"}
        heard = [known[s] for s in sound.streams(c.session.sound, tuple(known)) if s in known]
        self.assertEqual([n for i, n in enumerate(heard) if i == 0 or heard[i - 1] != n],
                         ["spoken", "old", "spoken", "default"])
