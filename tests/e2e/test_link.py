"""The add-on's frame and its link to Skype, against skype-sim."""
from harness import E2E


class LinkTest(E2E):
    def test_pending_attach_keepalive_lost_delivery_and_reattach(self):
        c = self.case
        c.start_sim("""
me tester
attach pending
expect PING
expect PING
refuse 1
""")
        c.start_app()
        c.wait_log("Skype received: GET CURRENTUSERHANDLE")
        c.wait_log("Skype: ERROR sending message, try re-connecting")
        c.wait_log("Skype: successfully attached", count=2)
        c.wait_log("Skype received: GET CURRENTUSERHANDLE", count=2)
        lines = c.log_lines()
        self.assertEqual(lines[:3], ["Quillares: START", "Quillares: user=", "Quillares: interface=english.txt"])
        self.assertBefore(lines, "Skype: pending authorization", "Skype: successfully attached")
        self.assertBefore(lines, "Skype received: GET CURRENTUSERHANDLE",
                          "Skype: ERROR sending message, try re-connecting")
        # Pending, then the rediscovery five seconds later attaches.
        self.assertGreaterEqual(c.sim_count(r" DISCOVER "), 3)
        self.assertIn("Skype: CURRENTUSERHANDLE tester", lines)
        # The keep-alive is quiet in the log.
        self.assertGreaterEqual(c.sim_count(r" IN PING$"), 2)
        self.assertFalse([l for l in lines if "PING" in l or "PONG" in l])
