"""Ringing and announcements: what reaches the audio device. Which event plays which tone is the
dispatcher's unit tests' business; here the end of a call's announcement stands for all of them.

The scenarios are the ones shipped with skype-sim; each ends by asking the add-on to quit."""
import os

from harness import E2E, ROOT
import sound

SCENARIOS = os.path.join(ROOT, "tools", "skype-sim", "scenarios")


class TonesTest(E2E):
    def setUp(self):
        super().setUp()
        self.case.set_ini("window", "skiphelp", "yes")

    def pcm(self, name):
        return sound.pcm_of_file(self.case.path("wav/" + name))

    def heard(self, *known):
        return sound.heard(self.case.session.sound, known + (self.pcm("empty.wav"),))

    def play(self, scenario=None, text=None):
        """Runs a scenario to the end of the add-on; the log's tone lines, in order."""
        c = self.case
        c.start_sim(text if text is not None else open(os.path.join(SCENARIOS, scenario), encoding="utf-8").read())
        c.wait_end(c.start_app(), timeout=120)
        self.assertBefore(c.log_lines(), "Quillares: Unload command received", "Quillares: END")
        # The window's place is kept: at the right edge of the 1280-pixel screen, 1280 * 15 - 8520 - 30 twips.
        ini = next(f for f in os.listdir(c.folder) if f.endswith(".ini") and f != "Quillares.ini")
        self.assertEqual(c.read_ini("window", "left", ini), "10650")
        self.assertRegex(c.read_ini("window", "top", ini), r"^\d+$")
        return [l for l in c.log_lines() if l.startswith("Quillares: ") and l.endswith((".wav", ".skype", ".quilar"))]

    def assertRings(self, stream, tone, then=b""):
        """stream is tone, pause, tone, pause, ... (the last maybe cut short), followed by then."""
        self.assertTrue(stream.endswith(then))
        ring = stream[:len(stream) - len(then)]
        pieces = sound.split_into(ring, {"tone": tone, "pause": self.pcm("empty.wav")})
        self.assertIsNotNone(pieces, "something else reached the device")
        self.assertGreaterEqual(len(pieces), 3)
        for i, name in enumerate(pieces):
            self.assertTrue(name.startswith("tone" if i % 2 == 0 else "pause"), pieces)
        return pieces

    def test_a_ringing_call_rings_the_callers_tone_until_answered(self):
        c = self.case
        anna = sound.wave_bytes(660, 0.5)
        open(c.path("wav/anna.wav"), "wb").write(anna)
        c.set_ini("contacts", "anna_file", "wav\\anna.wav")
        tones = self.play("incoming-answered.txt")
        lines = c.log_lines()
        self.assertBefore(lines, "Skype received: GET CALL 7 TYPE", "Skype received: GET CALL 7 PARTNER_HANDLE")
        self.assertBefore(lines, "Quillares: Call from anna", "Quillares: anna.wav")
        self.assertBefore(lines, "Quillares: empty.wav", "Skype: CALL 7 STATUS INPROGRESS")
        self.assertEqual(tones[-1], "Quillares: finished.wav")
        pieces = self.assertRings(self.heard(sound.pcm(anna), self.pcm("finished.wav")), sound.pcm(anna),
                                 then=self.pcm("finished.wav"))
        # Skype's repeated RINGING did not start the ring over.
        self.assertEqual(tones.count("Quillares: anna.wav"), len([p for p in pieces if p.startswith("tone")]))

    def test_packed_tones_ring_exactly_their_embedded_samples(self):
        c = self.case
        anna, bob = sound.wave_bytes(523, 0.4), sound.wave_bytes(784, 0.3)
        open(c.path("tones/anna.quilar"), "wb").write(sound.container("Anna calls", anna))
        open(c.path("tones/bob.skype"), "wb").write(sound.skype_tone("Bob Tone", bob))
        c.set_ini("contacts", "anna_file", "tones\\anna.quilar")
        c.set_ini("contacts", "bob_file", "tones\\bob.skype")
        calls = "".join(f"send CALL {n} STATUS RINGING\nexpect GET CALL {n} PARTNER_HANDLE\nwait 1500\n"
                        f"send CALL {n} STATUS {end}\nwait 500\n" for n, end in ((7, "REFUSED"), (8, "CANCELLED")))
        self.play(text="me tester\ncontact anna Anna Andersson\ncontact bob Bob Brown\ncall 7 INCOMING_P2P anna\n"
                  "call 8 INCOMING_P2P bob\nattach success\nexpect GET USER bob FULLNAME\nwait 500\n" + calls + "unload\n")
        known = (sound.pcm(anna), sound.pcm(bob), self.pcm("empty.wav"))
        streams = sound.streams(c.session.sound, known)
        self.assertLess(streams.index(sound.pcm(anna)), streams.index(sound.pcm(bob)))
        # Each playback is one of the tones or the pause, the last of a ring maybe cut short.
        for stream in streams:
            self.assertTrue(any(k.startswith(stream) for k in known), f"a stream of {len(stream)} bytes")
