"""A tone server that is silent or sends hostile text: Skype never waits, the add-on's deadline
ends the transfer, the log survives, and ending during a download is clean."""
import os
import socket
import threading
import time

from harness import E2E, SCENARIO, TITLE, OptionsWindowUser, wait_until

INFO = "\r\n".join(["2.1", "no", "stub", "http://127.0.0.1:PORT/util/speech.php?Item=", "-", "1", "Anna", "en16"])
ENDING = "Quillares: ending once the running transfer and windows have stopped"


def stub_server(speech):
    """speech None: accepts and never answers. Otherwise the information file at once, and each
    speech request the next answer of the list; None starts an answer and goes silent."""
    sock, held = socket.create_server(("127.0.0.1", 0)), []

    def serve():
        while True:
            held.append(sock.accept()[0])
            is_speech = b"/speech.php" in held[-1].recv(65536)
            if speech is None:
                continue
            body = (speech.pop(0) if speech else None) if is_speech else INFO.replace("PORT", str(port)).encode()
            held[-1].sendall(b"HTTP/1.1 200 OK\r\nConnection: close\r\nContent-Length: %d\r\n\r\n%s"
                             % (len(body or b"") + 9 * (not body), body or b"RIFF"))
            if body:
                held[-1].close()
    port = sock.getsockname()[1]
    threading.Thread(target=serve, daemon=True).start()
    return port


class SlowServerTest(OptionsWindowUser, E2E):
    def run_app(self, scenario, port, deadlines=None, round=0):
        c = self.case
        c.language(caption=TITLE, downloading="Fetching the tone")
        c.set_ini("window", "server", f"127.0.0.1:{port}")
        if deadlines:
            c.set_ini("window", "transferdeadlines", deadlines)
        c.sim_log = os.path.join(c.dir, f"sim{round}.log")
        return c.start_sim("expect-timeout 300000\n" + SCENARIO + scenario), c.start_app()

    def ends_cleanly(self, app, what, deferred=True):
        self.case.wait_end(app, timeout=30)
        self.assertEqual(ENDING in self.case.log_lines(), deferred, what)

    def test_a_silent_server_keeps_neither_skype_nor_a_ringing_call_waiting(self):
        _, app = self.run_app("push-on-attach off\ncall 7 INCOMING_P2P anna\nexpect GET CURRENTUSERHANDLE\nwait 1500\n"
                              "send CALL 7 STATUS RINGING\nexpect SEARCH FRIENDS\nunload\n", stub_server(None),
                              "6000,2000,10000")
        self.ends_cleanly(app, "silent", deferred=False)
        failed = "Quillares: server request failed: Error opening file: The request has timed out."
        self.assertBefore(self.case.log_lines(), "Quillares: default.wav", failed)
        self.assertBefore(self.case.log_lines(), failed, "Skype received: SEARCH FRIENDS")
        self.assertEqual([l for l in self.case.sim_lines() if "the client took" in l], [])

    def test_server_text_is_data_and_unload_waits_for_the_download(self):
        c = self.case
        _, app = self.run_app("await-file C:\\unload-now\nunload\n", stub_server([b"START"]))
        c.wait_log("Skype: USER bob FULLNAME Bob Builder")
        self.open_window()
        self.generate("Hello")
        c.wait_log("START")
        self.assertEqual(c.log_lines()[0], "Quillares: START")
        self.click(self.button("&OK", "Fetching the tone"))
        wait_until(lambda: not self.dump("Fetching the tone"), 20, what="the progress window to close")
        self.click(self.panel_buttons()[0])  # Generate again: this answer starts, then silence
        c.wait_log("Quillares: begin of synthesis", count=2)
        open(os.path.join(c.session.env["WINEPREFIX"], "drive_c", "unload-now"), "w").close()
        self.ends_cleanly(app, "unload during Generate")

    def test_ending_during_the_sign_in_check_is_clean_every_time(self):
        c, port = self.case, stub_server(None)
        for round in range(20):
            way = ("unload", "marker", "exit")[round % 3]
            sim, app = self.run_app("expect GET CURRENTUSERHANDLE\nwait 700\n" + "unload\n" * (way == "unload")
                                    + f"await-file C:\\done{round}\nexit\n", port, round=round)
            wait_until(lambda: "user=tester" in c.log_lines(), 30, what=f"sign-in, round {round}")
            time.sleep(0.7)
            if way == "marker":
                open(c.path("install.ini"), "w").close()
            elif way == "exit":
                self.exit_from_the_tray_menu()
            self.ends_cleanly(app, f"round {round} ({way})")
            open(os.path.join(c.session.env["WINEPREFIX"], "drive_c", f"done{round}"), "w").close()
            c.wait_exit(sim)
            os.remove(c.path("Quillares.log"))
