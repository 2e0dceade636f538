"""The add-on and the real tone-server on loopback: a spoken tone made, played and applied to all
as each contact's own."""
import os
import re
import subprocess

import sound
from harness import DIST, E2E, OptionsWindowUser, wait_until


class ServerTest(OptionsWindowUser, E2E):
    def test_a_spoken_tone_is_made_plays_and_goes_to_all_in_their_names(self):
        c = self.case
        server = subprocess.Popen([os.path.join(DIST, "tools", "tone-server"), "--host", "127.0.0.1", "--port", "0"],
                                  stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        self.addCleanup(server.wait, 10)
        self.addCleanup(server.terminate)
        port = re.match(r"listening on 127\.0\.0\.1:(\d+)", server.stdout.readline()).group(1)
        c.set_ini("window", "server", f"127.0.0.1:{port}")
        self.start()
        self.generate("Hello CONTACT, someone is calling")
        c.wait_log("Quillares: end of synthesis")
        tone = c.path("tones/tmp.quilar")
        wait_until(lambda: os.path.exists(tone) and open(tone, "rb").read(8) == b"QUILLARE", 20, what="the container")
        text, wave = sound.unpacked(open(tone, "rb").read())
        self.assertEqual(text, b"Hello Anna Andersson, someone is calling")
        # What the voice sounds like is the tone-server's tests' business; the add-on plays what came.
        pcm = sound.pcm(wave)
        self.assertGreater(len(pcm), 8000)
        self.click(self.panel_buttons()[1])  # Play synthesised tone
        wait_until(lambda: sound.streams(c.session.sound, [pcm]) == [pcm], 30, what="the spoken tone")

        # Apply, "all contacts", OK, and Yes to the question that comes up in front.
        self.click(self.top_bar_buttons()[0])
        self.click(self.button("Apply to &all contacts", "Apply ringtone"))
        self.click(self.button("&OK", "Apply ringtone"))
        wait_until(lambda: len(self.xdotool("search", "--onlyvisible", "--name", "^Apply ringtone$").split()) == 2, 20,
                   what="the question")
        self.xdotool("key", "Return")
        for handle, name in (("anna", "Anna Andersson"), ("bob", "Bob Builder")):
            wait_until(lambda: c.read_ini("contacts", handle + "_play", "tester.ini") == "3", 90, what=handle)
            file = c.read_ini("contacts", handle + "_file", "tester.ini")
            self.assertRegex(file, r"\\tones\\" + handle + r"\d+\.quilar$")
            text, _ = sound.unpacked(open(c.path("tones/" + file.rsplit("\\", 1)[1]), "rb").read())
            self.assertEqual(text, f"Hello {name}, someone is calling".encode())
