"""MP3 and Ogg Vorbis tones: Find lists them by their tags, "Add a sound file" brings one in
through the Open dialog, and a call rings each as the file's own decoding sounds."""
import os
import shutil
import struct
import subprocess

import sound
import test_options
from harness import DIST, E2E, wait_until, winpath

SOUNDS = os.path.join(DIST, "tests", "sounds")


def samples(pcm):
    return struct.unpack(f"<{len(pcm) // 2}h", pcm[:len(pcm) // 2 * 2])


def decoded(command, path, out):
    subprocess.run(command + [path, out] if command[0] == "lame" else command + ["-o", out, path],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True, timeout=60)
    return samples(sound.pcm_of_file(out))


def signal_to_noise(heard, reference):
    """dB of the reference over the difference, at the shift (codec delays differ) that fits best."""
    ref = reference[len(reference) // 3:len(reference) // 3 + 400]
    def misfit(shift):
        start = len(reference) // 3 + shift
        return sum((a - b) ** 2 for a, b in zip(heard[start:start + 400], ref)) if start >= 0 else float("inf")
    shift = min(range(-2400, 2401, 1), key=misfit)
    pairs = [(heard[i + shift], r) for i, r in enumerate(reference) if 0 <= i + shift < len(heard)]
    noise = sum((h - r) ** 2 for h, r in pairs) or 1
    return 10 * __import__("math").log10(sum(r * r for _, r in pairs) / noise), len(pairs) / len(reference)


class SoundFilesTest(test_options.OptionsWindowUser, E2E):

    def test_listed_added_through_the_dialog_and_rung(self):
        c = self.case
        for name in os.listdir(c.path("tones")):
            os.remove(c.path("tones/" + name))
        shutil.copy(os.path.join(SOUNDS, "harbour.mp3"), c.path("tones/harbour.mp3"))
        shutil.copy(os.path.join(SOUNDS, "evening.ogg"), c.path("tones/evening.ogg"))
        music = os.path.join(c.dir, "My Music")
        os.makedirs(music)
        shutil.copy(os.path.join(SOUNDS, "harbour.mp3"), os.path.join(music, "harbour.mp3"))
        ready = os.path.join(c.dir, "added")
        # anna rings with the added copy, which finds its own name beside the one already there.
        c.set_ini("contacts", "anna_file", "tones\\harbour (2).mp3")
        c.set_ini("contacts", "bob_file", "tones\\evening.ogg")
        c.set_ini("window", "skiphelp", "yes")
        c.set_ini("window", "language", "test.txt")
        with open(c.path("test.txt"), "w", encoding="cp1252", newline="") as f:
            f.write(f"caption={test_options.TITLE}\r\n")
        c.start_sim(test_options.SCENARIO.replace("attach success", f"""call 7 INCOMING_P2P anna
call 8 INCOMING_P2P bob
attach success
expect GET USER bob FULLNAME
expect-timeout 180000
await-file {winpath(ready)}
send CALL 7 STATUS RINGING
wait 2500
send CALL 7 STATUS MISSED
wait 1500
send CALL 8 STATUS RINGING
wait 2500
send CALL 8 STATUS MISSED
wait 1500
unload"""))
        c.start_app()
        c.wait_log("Skype: USER bob FULLNAME Bob Builder")
        self.open_window()
        self.click([b for b in self.shown("Button") if b.text == "Other available ringtones"][0])
        wait_until(lambda: len(self.panel_buttons()) == 4, 20, what="the catalogue panel")
        find, _, _, add = self.panel_buttons()
        self.click(find)
        c.wait_log("Quillares: 2 tones available")
        tones = winpath(c.path("tones"))
        entries = {c.read_ini("tones", f"tone{i}", "tester.ini"): c.read_ini("tones", f"file{i}", "tester.ini")
                   for i in (1, 2)}
        self.assertEqual(entries, {"Harbour Song": tones + "\\harbour.mp3", "Evening Birds": tones + "\\evening.ogg"})

        self.click(add)
        poke = [os.path.join(DIST, "tools", "poke.exe"), "open-file", "Open"]
        wait_until(lambda: subprocess.run(["wine"] + poke + [winpath(os.path.join(music, "harbour.mp3"))],
                                          env=c.session.env, capture_output=True, timeout=60).returncode == 0,
                   30, what="the Open dialog")
        c.wait_log("Quillares: sound file added: " + tones + "\\harbour (2).mp3")
        lists = [l for l in self.shown("ListBox") if "Harbour Song" in l.items]
        self.assertEqual(lists[0].items, ["Harbour Song", "Evening Birds", "Harbour Song"])
        self.assertEqual(c.read_ini("tones", "number", "tester.ini"), "3")
        open(ready, "w").close()

        c.wait_log("Quillares: END", timeout=120)
        self.assertBefore(c.log_lines(), "Quillares: harbour (2).mp3", "Quillares: evening.ogg")
        pause = sound.pcm_of_file(c.path("wav/empty.wav"))
        played = [samples(s) for s in sound.streams(c.session.sound, (pause,)) if s != pause]
        mp3 = decoded(["lame", "--quiet", "--decode"], os.path.join(SOUNDS, "harbour.mp3"), c.path("mp3.wav"))
        ogg = decoded(["oggdec", "--quiet"], os.path.join(SOUNDS, "evening.ogg"), c.path("ogg.wav"))
        first_ogg = next(i for i, s in enumerate(played) if signal_to_noise(s, ogg)[0] > 20)
        self.assertGreater(first_ogg, 0)
        for heard, reference in ((played[0], mp3), (played[first_ogg], ogg)):
            snr, overlap = signal_to_noise(heard, reference)
            self.assertGreater(snr, 20)
            self.assertGreater(overlap, 0.9)
