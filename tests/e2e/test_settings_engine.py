"""The settings engine under Wine: held against the system's profile functions, and killed
in the middle of saving thousands of keys."""
import os
import random
import subprocess
import time

import harness

PROGRAMS = os.path.join(harness.DIST, "tests")
CONTACTS = 4000


class SettingsEngine(harness.E2E):
    def wine(self, program, *args):
        return subprocess.Popen(["wine", os.path.join(PROGRAMS, program)] + list(args), cwd=self.case.dir,
                                env=self.case.session.env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                stdin=subprocess.DEVNULL, text=True, errors="replace")

    def test_reads_and_files_match_the_system_over_many_cases(self):
        work = os.path.join(self.case.dir, "differential")
        os.makedirs(work)
        p = self.wine("settings_differential.exe", harness.winpath(work), "150")
        out, _ = p.communicate(timeout=600)
        self.assertEqual(p.returncode, 0, out[-4000:])
        self.assertRegex(out, r"differential: \d+ cases, \d+ reads, \d+ file comparisons, 0 mismatches")

    def test_the_log_starts_over_when_full_and_keeps_the_lines_after(self):
        p = self.wine("log_start_over.exe", harness.winpath(self.case.folder))
        out, _ = p.communicate(timeout=600)
        self.assertEqual(p.returncode, 0, out[-2000:])

    def test_a_kill_during_a_batch_leaves_every_key_old_or_new(self):
        ini = self.case.path("Quillares.ini")
        marker = self.case.path("writer.started")
        shipped, _ = harness.ini_values(ini)
        rng = random.Random(4000)
        last = 0
        for kill in range(100):
            if os.path.exists(marker):
                os.remove(marker)
            # Now and then a Wine process killed a moment ago keeps the next start from getting
            # going; a start that never writes is no kill in a batch, so it gets two more tries.
            for start in range(3):
                p = self.wine("settings_kill_writer.exe", harness.winpath(self.case.folder), str(CONTACTS), "60")
                try:
                    try:
                        started = harness.wait_until(lambda: os.path.exists(marker), 20, "the writer's first batch")
                    except AssertionError:
                        if start == 2:
                            raise
                        started = False
                    if started:
                        time.sleep(rng.uniform(0, 0.3))
                finally:
                    p.kill()  # the Windows process itself, as a crash or Task Manager would end it
                    p.wait(30)
                if started:
                    break
            values, lines = harness.ini_values(ini)
            generation = int(values[("window", "generation")])
            self.assertGreaterEqual(generation, max(last, 1), f"kill {kill}")
            self.assertEqual(lines, len(shipped) + 1 + 2 * CONTACTS, f"kill {kill}")
            for (section, key), value in shipped.items():
                self.assertEqual(values[(section, key)], value, f"kill {kill}: {section}/{key}")
            wrong = [i for i in range(CONTACTS)
                     if values.get(("contacts", f"contact{i}_file")) != f"tones\\{generation}.wav"
                     or values.get(("contacts", f"contact{i}_play")) != str(generation)]
            self.assertEqual(wrong, [], f"kill {kill}: contacts not of generation {generation}")
            last = generation
