"""Find: the shipped containers, a Skype tone file from the content folder the registry names,
and the recordings become the catalogue of the user's settings file and fill the tone list."""
import os
import shutil

import sound
from harness import E2E, SCENARIO, TITLE, OptionsWindowUser, wait_until, winpath


class CatalogueTest(OptionsWindowUser, E2E):

    def test_find_lists_containers_skype_tones_and_recordings(self):
        c = self.case
        shipped = sorted(f for f in os.listdir(c.path("tones")) if f.endswith(".quilar"))
        self.assertGreaterEqual(len(shipped), 8)
        c.language(caption=TITLE, recorded="Recorded by", searching="Looking for:")
        content = os.path.join(c.dir, "My Skype Content")
        os.makedirs(content)
        with open(c.path("wav/default.wav"), "rb") as f:
            wave = f.read()
        with open(os.path.join(content, "harbour.skype"), "wb") as f:
            f.write(sound.skype_tone("Harbour Bells", wave))
        shutil.copy(c.path("wav/default.wav"), c.path("wav/rec_bob.wav"))
        c.session.reg("add", r"HKCU\Software\Skype\Phone", "/v", "MySkypePicturesPath", "/t", "REG_SZ", "/d",
                      winpath(os.path.join(c.dir, "My Skype Pictures")), "/f")
        # The process's later cases share the prefix: they must not find this one's Skype tone.
        self.addCleanup(c.session.reg, "delete", r"HKCU\Software\Skype\Phone", "/f", check=False)
        c.start_sim(SCENARIO)
        c.start_app()
        c.wait_log("Skype: USER bob FULLNAME Bob Builder")
        # The user's new settings file starts with the program's containers only.
        self.assertEqual(c.read_ini("tones", "number", "tester.ini"), str(len(shipped)))

        self.open_window()
        self.click(self.button("Other available ringtones"))
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
