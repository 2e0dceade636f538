"""The add-on's link to Skype, against skype-sim, and a call rung over it: what reaches the audio
device. Which event plays which tone is the dispatcher's unit tests' business."""
import os

import sound
from harness import E2E, ROOT

# The shipped call scenario, its attach pending at first, then delivery refused after two pings.
SCENARIO = open(os.path.join(ROOT, "tools", "skype-sim", "scenarios", "incoming-answered.txt")).read().replace(
    "attach success", "attach pending\nexpect PING\nexpect PING\nrefuse 1\nexpect GET CURRENTUSERHANDLE")


class LinkTest(E2E):
    def test_pending_attach_keepalive_lost_delivery_reattach_and_a_packed_tone_rung_until_answered(self):
        c = self.case
        c.set_ini("window", "skiphelp", "yes")
        anna = open(c.path("wav/online.wav"), "rb").read()
        open(c.path("tones/anna.quilar"), "wb").write(sound.container("Anna calls", anna))
        c.set_ini("contacts", "anna_file", "tones\\anna.quilar")
        c.start_sim(SCENARIO)
        c.wait_end(c.start_app(), timeout=120)
        lines = c.log_lines()
        self.assertEqual(lines[:3], ["Quillares: START", "Quillares: user=", "Quillares: interface=english.txt"])
        self.assertBefore(lines, "Skype: pending authorization", "Skype: successfully attached")
        self.assertBefore(lines, "Skype received: GET CURRENTUSERHANDLE",
                          "Skype: ERROR sending message, try re-connecting")
        self.assertEqual(lines.count("Skype: successfully attached"), 2)
        # Pending, then the rediscovery five seconds later attaches.
        self.assertGreaterEqual(sum(" DISCOVER " in line for line in c.sim_lines()), 3)
        self.assertIn("Skype: CURRENTUSERHANDLE demo.user", lines)
        # The keep-alive is quiet in the log.
        self.assertGreaterEqual(sum(line.endswith(" IN PING") for line in c.sim_lines()), 2)
        self.assertFalse([line for line in lines if "PING" in line or "PONG" in line])

        self.assertBefore(lines, "Skype received: GET CALL 7 TYPE", "Skype received: GET CALL 7 PARTNER_HANDLE")
        self.assertBefore(lines, "Quillares: Call from anna", "Quillares: anna.quilar")
        self.assertBefore(lines, "Quillares: empty.wav", "Skype: CALL 7 STATUS INPROGRESS")
        # The window's place is kept: at the right edge of the 1280-pixel screen, 1280 * 15 - 8520 - 30 twips.
        self.assertEqual(c.read_ini("window", "left", "demo.user.ini"), "10650")
        tone, pause, finished = (sound.pcm(anna), sound.pcm_of_file(c.path("wav/empty.wav")),
                                 sound.pcm_of_file(c.path("wav/finished.wav")))
        heard = sound.streams(c.session.sound, (tone, pause, finished))
        self.assertEqual(heard[-1], finished)
        # Exactly the embedded samples, then the pause, and so on: Skype's repeated RINGING did not start
        # the ring over; answering cut the last one short.
        ring = heard[:-1]
        self.assertGreaterEqual(len(ring), 3)
        for i, stream in enumerate(ring):
            expected = (tone, pause)[i % 2]
            self.assertTrue(stream == expected or i == len(ring) - 1 and expected.startswith(stream.rstrip(b"\0")),
                            f"playback {i} of {len(ring)}: {len(stream)} bytes")
