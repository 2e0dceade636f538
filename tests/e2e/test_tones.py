"""Ringing and announcements: what reaches the audio device. Which event plays which tone is the
dispatcher's unit tests' business; here one announcement stands for all of them.

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
        app = c.start_app()
        c.wait_log("Quillares: END", timeout=120)
        self.assertEqual(c.wait_exit(app, 30), 0)
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

    def test_a_missed_call_from_a_contact_without_a_tone_rings_the_default(self):
        tones = self.play("incoming-missed.txt")
        self.assertIn("Quillares: Call from carl", self.case.log_lines())
        self.assertEqual(set(tones), {"Quillares: default.wav", "Quillares: empty.wav"})
        self.assertRings(self.heard(self.pcm("default.wav")), self.pcm("default.wav"))

    def test_a_chat_message_is_announced(self):
        tones = self.play("chat.txt")
        self.assertEqual(tones, ["Quillares: message.wav"])
        self.assertEqual(self.heard(self.pcm("message.wav")), self.pcm("message.wav"))

    def test_packed_tones_ring_exactly_their_embedded_samples(self):
        c = self.case
        anna, bob = sound.wave_bytes(523, 0.4), sound.wave_bytes(784, 0.3)
        open(c.path("tones/anna.quilar"), "wb").write(sound.container("Anna calls", anna))
        open(c.path("tones/bob.skype"), "wb").write(sound.skype_tone("Bob Tone", bob))
        c.set_ini("contacts", "anna_file", "tones\\anna.quilar")
        c.set_ini("contacts", "bob_file", "tones\\bob.skype")
        self.play(text="""
me tester
contact anna Anna Andersson
contact bob Bob Brown
call 7 INCOMING_P2P anna
call 8 INCOMING_P2P bob
attach success
expect GET USER bob FULLNAME
wait 500
send CALL 7 STATUS RINGING
expect GET CALL 7 PARTNER_HANDLE
wait 1500
send CALL 7 STATUS REFUSED
wait 500
send CALL 8 STATUS RINGING
expect GET CALL 8 PARTNER_HANDLE
wait 1500
send CALL 8 STATUS CANCELLED
wait 500
unload
""")
        known = (sound.pcm(anna), sound.pcm(bob), self.pcm("empty.wav"))
        streams = sound.streams(c.session.sound, known)
        anna_at = streams.index(sound.pcm(anna))
        bob_at = streams.index(sound.pcm(bob))
        self.assertLess(anna_at, bob_at)
        # Each playback is one of the tones or the pause, the last of a ring maybe cut short.
        for stream in streams:
            self.assertTrue(any(k.startswith(stream) for k in known), f"a stream of {len(stream)} bytes")
