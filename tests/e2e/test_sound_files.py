"""MP3 and Ogg Vorbis tones: Find lists them by their tags, "Add a sound file" brings one in
through the Open dialog, and a call rings each as the file's own decoding sounds."""
import math
import os
import shutil
import subprocess

import harness
import sound
from harness import DIST, E2E, OptionsWindowUser, wait_until, winpath

SOUNDS = os.path.join(DIST, "tests", "sounds")
CALLS = "call 7 INCOMING_P2P anna\ncall 8 INCOMING_P2P bob\nattach success\nexpect GET USER bob FULLNAME\n" \
           "expect-timeout 180000\nawait-file {}\nsend CALL 7 STATUS RINGING\nwait 2500\nsend CALL 7 STATUS MISSED\n" \
           "wait 1500\nsend CALL 8 STATUS RINGING\nwait 2500\nsend CALL 8 STATUS MISSED\nwait 1500\nunload"


def match(heard, ref):
    """dB of ref over the difference and the share of ref heard, at the shift (codec delays
    differ) where a piece of ref fits best."""
    at = len(ref) // 3
    shift = min(range(-2400, 2401), key=lambda s: sum((a - b) ** 2 for a, b in zip(
        heard[max(at + s, 0):at + s + 400], ref[at:at + 400])) if at + s >= 0 else math.inf)
    pairs = [(heard[i + shift], r) for i, r in enumerate(ref) if 0 <= i + shift < len(heard)]
    noise = sum((h - r) ** 2 for h, r in pairs) or 1
    return 10 * math.log10(sum(r * r for _, r in pairs) / noise), len(pairs) / len(ref)


class SoundFilesTest(OptionsWindowUser, E2E):

    def test_listed_added_through_the_dialog_and_rung(self):
        c = self.case
        music = os.path.join(c.dir, "music")
        shutil.rmtree(c.path("tones")), os.makedirs(c.path("tones")), os.makedirs(music)
        for folder, name in ((c.path("tones"), "harbour.mp3"), (c.path("tones"), "evening.ogg"), (music, "harbour.mp3")):
            shutil.copy(os.path.join(SOUNDS, name), os.path.join(folder, name))
        # anna rings with the added copy, which finds a name of its own beside the one already there.
        for key, value in (("anna_file", "tones\\harbour (2).mp3"), ("bob_file", "tones\\evening.ogg")):
            c.set_ini("contacts", key, value)
        ready = os.path.join(c.dir, "added")
        self.start(harness.SCENARIO.replace("attach success", CALLS.format(winpath(ready))))
        self.click(self.button("Other available ringtones"))
        find, _, _, add = wait_until(lambda: len(self.panel_buttons()) == 4 and self.panel_buttons(), 20)
        self.click(find)
        c.wait_log("Quillares: 2 tones available")
        tones = winpath(c.path("tones"))
        self.assertEqual({c.read_ini("tones", f"tone{i}", "tester.ini"): c.read_ini("tones", f"file{i}", "tester.ini")
                          for i in (1, 2)}, {"Harbour Song": tones + "\\harbour.mp3", "Evening Birds": tones + "\\evening.ogg"})

        self.click(add)
        wait_until(lambda: c.poke("open-file", "Open", winpath(music + "/harbour.mp3")).returncode == 0, 60,
                   what="the Open dialog")
        c.wait_log("Quillares: sound file added: " + tones + "\\harbour (2).mp3")
        self.assertIn(["Harbour Song", "Evening Birds", "Harbour Song"], [l.items for l in self.shown("ListBox")])
        open(ready, "w").close()

        c.wait_log("Quillares: END", timeout=120)
        pause = sound.pcm_of_file(c.path("wav/empty.wav"))
        played = [sound.samples(s) for s in sound.streams(c.session.sound, (pause,)) if s != pause]
        decoders = {"harbour.mp3": ["lame", "--quiet", "--decode", "{file}", "{wav}"],
                    "evening.ogg": ["oggdec", "-Q", "-o", "{wav}", "{file}"]}
        for name, command in decoders.items():
            wav = c.path(name + ".wav")
            subprocess.run([a.format(file=os.path.join(SOUNDS, name), wav=wav) for a in command], check=True, timeout=60)
            fits = [match(p, sound.samples(sound.pcm_of_file(wav))) for p in played]
            # anna's MP3 rings first, bob's Ogg after it; each as its decoding sounds, within the codec's loss.
            first = next((i for i, (snr, share) in enumerate(fits) if snr > 20 and share > 0.9), None)
            self.assertEqual(None if first is None else first == 0, name.endswith("mp3"), fits)
