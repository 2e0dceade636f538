"""Find: the shipped containers, a Skype tone file from the content folder the registry names,
and the recordings become the catalogue of the user's settings file and fill the tone list."""
import os
import shutil
import subprocess

import test_options
from harness import E2E, wait_until, winpath

LANGUAGE = (f"caption={test_options.TITLE}\r\nrecorded=Recorded by\r\nsearching=Looking for:\r\n")


def skype_tone_file(title, wave):
    # Nine bytes no reader looks at, header fields ending in NUL, the NUL pair, the title, the image.
    return b"\x01" * 9 + b"ringtone\0\0" + title + b"\0" + wave


class CatalogueTest(test_options.OptionsWindowUser, E2E):

    def test_find_lists_containers_skype_tones_and_recordings(self):
        c = self.case
        shipped = sorted(f for f in os.listdir(c.path("tones")) if f.endswith(".quilar"))
        self.assertGreaterEqual(len(shipped), 8)
        c.set_ini("window", "skiphelp", "yes")
        c.set_ini("window", "language", "test.txt")
        with open(c.path("test.txt"), "w", encoding="cp1252", newline="") as f:
            f.write(LANGUAGE)
        content = os.path.join(c.dir, "My Skype Content")
        os.makedirs(content)
        with open(c.path("wav/default.wav"), "rb") as f:
            wave = f.read()
        with open(os.path.join(content, "harbour.skype"), "wb") as f:
            f.write(skype_tone_file(b"Harbour Bells", wave))
        shutil.copy(c.path("wav/default.wav"), c.path("wav/rec_bob.wav"))
        subprocess.run(["wine", "reg", "add", r"HKCU\Software\Skype\Phone", "/v", "MySkypePicturesPath",
                        "/t", "REG_SZ", "/d", winpath(os.path.join(c.dir, "My Skype Pictures")), "/f"],
                       env=c.session.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120,
                       check=True)
        self.addCleanup(subprocess.run, ["wine", "reg", "delete", r"HKCU\Software\Skype\Phone", "/f"],
                        env=c.session.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120)
        c.start_sim(test_options.SCENARIO)
        c.start_app()
        c.wait_log("Skype: USER bob FULLNAME Bob Builder")
        # The user's new settings file starts with the program's containers only.
        self.assertEqual(c.read_ini("tones", "number", "tester.ini"), str(len(shipped)))

        self.open_window()
        self.click([b for b in self.shown("Button") if b.text == "Other available ringtones"][0])
        wait_until(lambda: len(self.panel_buttons()) == 4, 20, what="the catalogue panel")
        find = self.panel_buttons()[0]
        self.click(find)
        total = len(shipped) + 2
        c.wait_log(f"Quillares: {total} tones available")

        entries = [(c.read_ini("tones", f"tone{i}", "tester.ini"), c.read_ini("tones", f"file{i}", "tester.ini"))
                   for i in range(1, total + 1)]
        self.assertEqual(c.read_ini("tones", "number", "tester.ini"), str(total))
        tones = winpath(c.path("tones"))
        self.assertEqual(sorted(f for _, f in entries[:len(shipped)]), [tones + "\\" + n for n in shipped])
        self.assertIn(("Morning Bells", tones + "\\morning-bells.quilar"), entries)
        self.assertEqual(entries[-2], ("Harbour Bells", winpath(content) + "\\harbour.skype"))
        self.assertEqual(entries[-1], ("Recorded by bob", winpath(c.path("wav")) + "\\rec_bob.wav"))
        self.assertEqual(c.log_lines().count("Quillares: search completed"), 3 + 5)

        lists = [l for l in self.dump() if l.cls == "ListBox" and len(l.items) == total]
        titles = [t for t, _ in entries]
        self.assertIn(titles, [l.items for l in lists])
        self.assertIn([f for _, f in entries], [l.items for l in lists])
