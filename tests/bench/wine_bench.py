"""Runs one of the Windows bench programs under Wine in a session of its own, in a fresh folder."""
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
import harness  # noqa: E402


def run(program, args):
    """Prints the program's output; its exit code."""
    session = harness.WineSession()
    try:
        work = os.path.join(session.root, "bench")
        os.makedirs(work)
        r = subprocess.run(["wine", os.path.join(harness.DIST, "tests", program), harness.winpath(work)] + args,
                           cwd=work, env=session.env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                           text=True, errors="replace", timeout=3600)
        print(r.stdout, end="")
        return r.returncode
    finally:
        session.close()
