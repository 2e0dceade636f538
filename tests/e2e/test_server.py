"""The add-on and the real tone-server on loopback: a spoken tone made, played and cancelled, a
personal tone applied to all, and an update the server demands."""
import os
import re
import struct
import subprocess

import sound
from harness import DIST, E2E, TITLE, OptionsWindowUser, wait_until

SCENARIO = """
me tester
contact anna Anna Andersson
attach success
"""
LANGUAGE = {"caption": TITLE, "downloading": "Fetching the tone", "dowloaded": "Ready.", "ok": "&OK",
            "cancel": "&Cancel", "updaterequired": "Update now, please."}


class ServerUser(OptionsWindowUser):
    """A tone server for the add-on, and what a user does with the synthesis panel."""

    def start_server(self, *options):
        server = subprocess.Popen([os.path.join(DIST, "tools", "tone-server"), "--host", "127.0.0.1", "--port", "0",
                                   *options], stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        self.addCleanup(server.wait, 10)
        self.addCleanup(server.terminate)
        first = server.stdout.readline()
        m = re.match(r"listening on 127\.0\.0\.1:(\d+)", first)
        self.assertIsNotNone(m, first)
        self.case.set_ini("window", "server", f"127.0.0.1:{m.group(1)}")
        return server

    def start(self, *server_options, scenario=SCENARIO):
        self.start_server(*server_options)
        self.case.language(**LANGUAGE)
        self.case.start_sim(scenario)
        return self.case.start_app()

    def generate(self, text):
        """Opens the window, types text into the synthesis panel and presses Generate."""
        wait_until(lambda: any(l.startswith("Skype: USER ") and "FULLNAME" in l for l in self.case.log_lines()), 60,
                   what="the contacts' names")
        self.open_window()
        self.click(self.button("Synthesize a new ringtone"))
        self.click(self.shown("Edit")[0])
        self.xdotool("type", text)
        generate = wait_until(lambda: self.panel_buttons()[:1], 20, what="the synthesis panel")[0]
        self.click(generate)

    def progress(self):
        return [c for c in self.dump("Fetching the tone") if c.visible]


class ServerTest(ServerUser, E2E):

    def test_generated_tone_is_speech_at_the_voices_rate_and_plays(self):
        c = self.case
        self.start()
        self.generate("Hello CONTACT, someone is calling")
        c.wait_log("Quillares: end of synthesis")
        tone = c.path("tones/tmp.quilar")
        wait_until(lambda: os.path.exists(tone) and open(tone, "rb").read(8) == b"QUILLARE", 20, what="the container")
        text, wave = sound.unpacked(open(tone, "rb").read())
        self.assertEqual(text, b"Hello Anna Andersson, someone is calling")
        # The first voice of the list is chosen; its identifier names the rate.
        info = open(c.path("tones/tmp.txt"), "rb").read().decode("cp1252").split("\r\n")
        rate = 16000 if info[7].endswith("16") else 8000
        self.assertEqual(struct.unpack("<I", wave[24:28])[0], rate)
        pcm = sound.pcm(wave)
        samples = sound.samples(pcm)
        self.assertGreater(len(samples), rate // 2, "at least half a second")
        rms = (sum(s * s for s in samples) / len(samples)) ** 0.5
        self.assertGreater(rms, 300, "speech, not silence")

        self.click(self.panel_buttons()[1])  # Play synthesised tone
        wait_until(lambda: sound.heard(c.session.sound, [pcm]) == pcm, 30, what="the spoken tone")

    def test_cancel_during_a_slow_answer_discards_the_partial_tone(self):
        c = self.case
        self.start("--slow-ms", "500")
        self.generate("This sentence is long enough to take many slow blocks to arrive at the add-on")
        c.wait_log("Quillares: begin of synthesis")
        cancel = wait_until(lambda: [b for b in self.progress() if b.text == "&Cancel"], 20, what="Cancel")[0]
        wait_until(lambda: os.path.exists(c.path("tones/tmp.quilar")), 20, what="the first blocks")
        self.click(cancel)
        c.wait_log("Operation has been cancelled.")
        wait_until(lambda: not os.path.exists(c.path("tones/tmp.quilar")), 20, what="the partial file removed")
        self.assertNotIn("Quillares: end of synthesis", c.log_lines())
        self.assertEqual(self.progress(), [])

    def test_a_required_update_shows_the_message_and_ends_the_program(self):
        c = self.case
        app = self.start("--update-required", "--version", "2.2")
        message = wait_until(lambda: [x for x in self.dump("AudioQuillares") if x.visible], 60, what="the message")
        self.assertIn("Update now, please.", [x.text for x in message])
        ok = [x for x in message if x.cls == "Button"][0]
        self.xdotool("search", "--name", "^AudioQuillares$", "windowfocus", "--sync")
        self.click(ok)
        c.wait_end(app)
        self.assertTrue(c.read_ini("window", "webupdate", "tester.ini").endswith("/update"))

    def test_a_personal_tone_applied_to_all_says_each_contacts_name(self):
        c = self.case
        self.start(scenario=SCENARIO.replace("attach", "contact bob Bob\ncontact cy Cy\nattach"))
        self.generate("Hello CONTACT")
        c.wait_log("Quillares: end of synthesis")
        self.apply(to_all=True)
        for handle, name in (("anna", "Anna Andersson"), ("bob", "Bob"), ("cy", "Cy")):
            wait_until(lambda: c.read_ini("contacts", handle + "_play", "tester.ini") == "3", 90, what=handle)
            file = c.read_ini("contacts", handle + "_file", "tester.ini")
            self.assertRegex(file, r"\\tones\\" + handle + r"\d+\.quilar$")
            text, _ = sound.unpacked(open(c.path("tones/" + file.rsplit("\\", 1)[1]), "rb").read())
            self.assertEqual(text, f"Hello {name}".encode())
