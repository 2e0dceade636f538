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

    def run_well(self, program, *args):
        """The output of a program that must end with 0."""
        p = self.wine(program, *args)
        out, _ = p.communicate(timeout=600)
        self.assertEqual(p.returncode, 0, out[-4000:])
        return out

    def test_reads_and_files_match_the_system_over_many_cases(self):
        out = self.run_well("settings_differential.exe", harness.winpath(self.case.dir), "150")
        self.assertRegex(out, r"differential: \d+ cases, \d+ reads, \d+ file comparisons, 0 mismatches")

    def test_the_log_starts_over_when_full_and_keeps_the_lines_after(self):
        self.run_well("log_start_over.exe", harness.winpath(self.case.folder))

    def test_a_kill_during_a_batch_leaves_every_key_old_or_new(self):
        ini, marker = self.case.path("Quillares.ini"), self.case.path("writer.started")
        shipped, _ = harness.ini_values(ini)
        # A Wine program started while the server shuts down after the last one waits seconds for a new server;
        # a server that stays keeps every start quick.
        subprocess.run(["wineserver", "-p"], env=self.case.session.env, check=True)
        rng = random.Random(4000)
        last = 0
        for kill in range(100):
            # Once in about five thousand starts here, a Wine start ended before the writer's first batch (the engine
            # waits on no file): that start is no kill in a batch, so the writer gets two more.
            for start in range(3):
                if os.path.exists(marker):
                    os.remove(marker)
                p = self.wine("settings_kill_writer.exe", harness.winpath(self.case.folder), str(CONTACTS), "60")
                try:
                    harness.wait_until(lambda: os.path.exists(marker) or p.poll() is not None, 60,
                                       "the writer's first batch")
                    time.sleep(rng.uniform(0, 0.3))
                finally:
                    p.kill()  # the Windows process itself, as a crash or Task Manager would end it
                    p.wait(30)
                if os.path.exists(marker):
                    break
                self.assertLess(start, 2, f"kill {kill}: the writer ended with {p.returncode} before its first batch")
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
