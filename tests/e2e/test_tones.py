"""Ringing and event tones: what reaches the audio device for each of Skype's events."""
from harness import E2E, wait_until
import sound

CONTACTS = """
me tester
contact anna Anna Andersson
contact bob Bob Brown
call 7 INCOMING_P2P anna
call 8 INCOMING_P2P bob
call 9 OUTGOING_PSTN bob
message 5 anna
attach success
expect SEARCH FRIENDS
expect GET USER bob FULLNAME
wait 500
"""


class TonesTest(E2E):
    def setUp(self):
        super().setUp()
        c = self.case
        c.set_ini("window", "skiphelp", "yes")
        self.pause = sound.pcm_of_file(c.path("wav/empty.wav"))
        self.finished = sound.pcm_of_file(c.path("wav/finished.wav"))

    def heard(self):
        return sound.heard(self.case.session.sound)

    def run_scenario(self, steps, done_line, timeout=90):
        c = self.case
        c.start_sim(CONTACTS + steps)
        c.start_app()
        c.wait_log(done_line, timeout=timeout)

    def test_an_incoming_call_rings_the_callers_tone_until_answered(self):
        c = self.case
        anna = sound.wave_bytes(660, 0.5)
        open(c.path("wav/anna.wav"), "wb").write(anna)
        c.set_ini("contacts", "anna_file", "wav\\anna.wav")
        self.run_scenario("""
send CALL 7 STATUS ROUTING
send CALL 7 STATUS RINGING
expect GET CALL 7 PARTNER_HANDLE
wait 4000
send CALL 7 STATUS INPROGRESS
wait 1500
send CALL 7 STATUS FINISHED
""", "Quillares: finished.wav")
        wait_until(lambda: self.heard().endswith(self.finished), what="the finished tone")
        lines = c.log_lines()
        self.assertBefore(lines, "Skype received: GET CALL 7 TYPE", "Skype received: GET CALL 7 PARTNER_HANDLE")
        self.assertBefore(lines, "Quillares: Call from anna", "Quillares: anna.wav")
        self.assertBefore(lines, "Quillares: empty.wav", "Skype: CALL 7 STATUS INPROGRESS")
        # The tone, the pause, the tone again...; nothing between the answer and the finished tone.
        ring = self.heard()[:-len(self.finished)]
        pieces = sound.split_into(ring, {"anna": sound.pcm(anna), "pause": self.pause})
        self.assertIsNotNone(pieces, "something else reached the device")
        self.assertEqual(pieces[:3], ["anna", "pause", "anna"])
        for i, name in enumerate(pieces):
            self.assertTrue(name.startswith("anna" if i % 2 == 0 else "pause"), pieces)
        self.assertEqual(lines.count("Quillares: anna.wav"), len([p for p in pieces if p.startswith("anna")]))

    def test_outgoing_calls_ring_nothing_and_do_not_disturb_silences_calls(self):
        c = self.case
        self.run_scenario("""
send CALL 9 STATUS ROUTING
send CALL 9 STATUS RINGING
expect GET CALL 9 TYPE
send USERSTATUS DND
send CALL 7 STATUS RINGING
expect GET CALL 7 PARTNER_HANDLE
wait 1500
send CALL 7 STATUS MISSED
send CHATMESSAGE 5 STATUS RECEIVED
expect GET MESSAGE 5 PARTNER_HANDLE
wait 1500
send USERSTATUS ONLINE
send CALL 8 STATUS RINGING
""", "Quillares: default.wav")
        lines = c.log_lines()
        self.assertNotIn("Skype received: GET CALL 9 PARTNER_HANDLE", lines)
        self.assertIn("Quillares: Call from anna", lines)
        # Nothing played before bob's call rang the default tone.
        first_tone = [l for l in lines if l.endswith(".wav")]
        self.assertEqual(first_tone[0], "Quillares: default.wav")
        default = sound.pcm_of_file(c.path("wav/default.wav"))
        wait_until(lambda: len(self.heard()) >= len(default), what="the default tone")
        self.assertTrue(self.heard().startswith(default))

    def test_chat_message_and_finished_call_announce_when_switched_on(self):
        c = self.case
        message = sound.pcm_of_file(c.path("wav/message.wav"))
        self.run_scenario("""
send CHATMESSAGE 5 STATUS RECEIVED
expect GET MESSAGE 5 PARTNER_HANDLE
wait 1500
send CALL 9 STATUS FINISHED
""", "Quillares: finished.wav")
        wait_until(lambda: self.heard() == message + self.finished, what="message tone then finished tone")

    def test_packed_tones_ring_exactly_their_embedded_samples(self):
        c = self.case
        anna, bob = sound.wave_bytes(523, 0.4), sound.wave_bytes(784, 0.3)
        open(c.path("tones/anna.quilar"), "wb").write(sound.container("Anna calls", anna))
        open(c.path("tones/bob.skype"), "wb").write(sound.skype_tone("Bob Tone", bob))
        c.set_ini("contacts", "anna_file", "tones\\anna.quilar")
        c.set_ini("contacts", "bob_file", "tones\\bob.skype")
        self.run_scenario("""
send CALL 7 STATUS RINGING
expect GET CALL 7 PARTNER_HANDLE
wait 1500
send CALL 7 STATUS REFUSED
wait 500
send CALL 8 STATUS RINGING
expect GET CALL 8 PARTNER_HANDLE
wait 1500
send CALL 8 STATUS CANCELLED
""", "Skype: CALL 8 STATUS CANCELLED")
        wait_until(lambda: "Quillares: bob.skype" in c.log_lines(), what="bob's tone")
        pieces = sound.split_into(self.heard(), {"anna": sound.pcm(anna), "bob": sound.pcm(bob),
                                                 "pause": self.pause})
        self.assertIsNotNone(pieces, "something else reached the device")
        self.assertEqual(pieces[:2], ["anna", "pause"])
        self.assertIn("bob", pieces)
