"""Find lists the shipped containers, MP3 and Ogg Vorbis tones by their tags, a Skype tone from the
content folder the registry names and the recordings; "Add a sound file" brings one in through the
Open dialog; calls ring MP3 and Ogg tones as the files' own decodings sound."""
import math
import os
import shutil
import subprocess

import sound
from harness import DIST, E2E, SCENARIO, OptionsWindowUser, wait_until, winpath

SOUNDS = os.path.join(DIST, "tests", "sounds")
CALLS = "call 7 INCOMING_P2P anna\ncall 8 INCOMING_P2P bob\nattach success\nexpect GET USER bob FULLNAME\n" \
    "expect-timeout 180000\nawait-file {}\nsend CALL 7 STATUS RINGING\nwait 2500\nsend CALL 7 STATUS MISSED\n" \
    "wait 1500\nsend CALL 8 STATUS RINGING\nwait 2500\nsend CALL 8 STATUS MISSED\nwait 1500\nunload"


def match(heard, ref):
    """dB of ref over the difference and the share of ref heard, at the shift where a piece of ref fits best."""
    at = len(ref) // 3
    shift = min(range(-2400, 2401), key=lambda s: sum((a - b) ** 2 for a, b in zip(
        heard[max(at + s, 0):at + s + 400], ref[at:at + 400])) if at + s >= 0 else math.inf)
    pairs = [(heard[i + shift], r) for i, r in enumerate(ref) if 0 <= i + shift < len(heard)]
    noise = sum((h - r) ** 2 for h, r in pairs) or 1
    return 10 * math.log10(sum(r * r for _, r in pairs) / noise), len(pairs) / len(ref)


class CatalogueTest(OptionsWindowUser, E2E):
    def test_find_lists_every_kind_add_takes_a_sound_file_and_calls_ring_the_decoded_tones(self):
        c = self.case
        music, content, tones = os.path.join(c.dir, "music"), os.path.join(c.dir, "My Skype Content"), c.path("tones")
        os.makedirs(music), os.makedirs(content)
        for folder, name in ((tones, "harbour.mp3"), (tones, "evening.ogg"), (music, "harbour.mp3")):
            shutil.copy(os.path.join(SOUNDS, name), os.path.join(folder, name))
        shipped = sorted(os.listdir(tones))
        open(os.path.join(content, "harbour.skype"), "wb").write(
            sound.skype_tone("Harbour Bells", open(c.path("wav/default.wav"), "rb").read()))
        shutil.copy(c.path("wav/default.wav"), c.path("wav/rec_bob.wav"))
        c.session.reg("add", r"HKCU\Software\Skype\Phone", "/v", "MySkypePicturesPath", "/t", "REG_SZ", "/d",
                      winpath(os.path.join(c.dir, "My Skype Pictures")), "/f")
        # The process's later cases share the prefix: they must not find this one's Skype tone.
        self.addCleanup(c.session.reg, "delete", r"HKCU\Software\Skype\Phone", "/f", check=False)
        # anna rings with the added copy, which finds a name of its own beside the one already there.
        c.set_ini("contacts", "anna_file", "tones\\harbour (2).mp3")
        c.set_ini("contacts", "bob_file", "tones\\evening.ogg")
        ready = os.path.join(c.dir, "added")
        self.start(SCENARIO.replace("attach success", CALLS.format(winpath(ready))))
        self.click(self.button("Other available ringtones"))
        find, _, _, add = wait_until(lambda: len(self.panel_buttons()) == 4 and self.panel_buttons(), 20)
        self.click(find)
        total = len(shipped) + 2
        c.wait_log(f"Quillares: {total} tones available")

        entries = [(c.read_ini("tones", f"tone{i}", "tester.ini"), c.read_ini("tones", f"file{i}", "tester.ini"))
                   for i in range(1, total + 1)]
        self.assertEqual(sorted(f for _, f in entries[:len(shipped)]), [winpath(tones) + "\\" + n for n in shipped])
        for entry in (("Morning Bells", "morning-bells.quilar"), ("Harbour Song", "harbour.mp3"),
                      ("Evening Birds", "evening.ogg")):
            self.assertIn((entry[0], winpath(tones) + "\\" + entry[1]), entries)
        self.assertEqual(entries[-2], ("Harbour Bells", winpath(content) + "\\harbour.skype"))
        self.assertEqual(entries[-1][1], winpath(c.path("wav")) + "\\rec_bob.wav")
        titles = [t for t, _ in entries]
        self.assertIn(titles, [l.items for l in self.shown("ListBox")])

        self.click(add)
        wait_until(lambda: c.poke("open-file", "Open", winpath(music + "/harbour.mp3")).returncode == 0, 60,
                   what="the Open dialog")
        c.wait_log("Quillares: sound file added: " + winpath(tones) + "\\harbour (2).mp3")
        self.assertIn(titles + ["Harbour Song"], [l.items for l in self.shown("ListBox")])
        open(ready, "w").close()

        c.wait_log("Quillares: END", timeout=120)
        pause = sound.pcm_of_file(c.path("wav/empty.wav"))
        played = [sound.samples(s) for s in sound.streams(c.session.sound, (pause,)) if s != pause]
        decoders = {"harbour.mp3": ["lame", "--quiet", "--decode", "{file}", "{wav}"],
                    "evening.ogg": ["oggdec", "-Q", "-o", "{wav}", "{file}"]}
        for name, command in decoders.items():
            wav = c.path(name + ".wav")
            subprocess.run([a.format(file=os.path.join(SOUNDS, name), wav=wav) for a in command], check=True)
            fits = [match(p, sound.samples(sound.pcm_of_file(wav))) for p in played]
            # anna's MP3 rings first, bob's Ogg after it; each as its decoding sounds, within the codec's loss.
            first = next((i for i, (snr, share) in enumerate(fits) if snr > 20 and share > 0.9), None)
            self.assertEqual(None if first is None else first == 0, name.endswith("mp3"), fits)
