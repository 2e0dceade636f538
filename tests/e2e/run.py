"""Runs the end-to-end tests (all, or the files matching the pattern given) a few at a time, each
worker process with a display and a Wine prefix of its own; ends with one line: N passed, N failed."""
import io
import multiprocessing
import os
import queue
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402

# The cases mostly wait for Wine, so more of them than the two cores; with four, a loaded machine
# made waits of theirs time out.
WORKERS = int(os.environ.get("E2E_WORKERS", "3"))
# Files whose cases take longest start first, so that none of them starts last.
SLOW_FIRST = ("test_slow_server", "test_settings_engine", "test_options", "test_catalogue", "test_server")


def flat(suite):
    for test in suite:
        yield from flat(test) if isinstance(test, unittest.TestSuite) else [test]


def work(tests, todo, done):
    try:
        for index in iter(todo.get, None):
            out = io.StringIO()
            result = unittest.TextTestResult(unittest.runner._WritelnDecorator(out), True, 2)
            started = time.monotonic()
            unittest.TestSuite([tests[index]])(result)  # with its class's set-up and tear-down
            result.printErrors()
            bad = len(result.failures) + len(result.errors) + len(result.unexpectedSuccesses)
            done.put((f"[{time.monotonic() - started:3.0f} s] " + out.getvalue().rstrip(), bad == 0))
    finally:
        harness.close_session()


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    pattern = sys.argv[1] if len(sys.argv) > 1 else "test_*.py"
    tests = list(flat(unittest.defaultTestLoader.discover(here, pattern=pattern)))
    tests.sort(key=lambda t: (SLOW_FIRST + (t.id().split(".")[0],)).index(t.id().split(".")[0]))
    started = time.monotonic()
    template = harness.WineSession()
    harness.TEMPLATE = template.prefix
    context = multiprocessing.get_context("fork")
    todo, done = context.Queue(), context.Queue()
    workers = [context.Process(target=work, args=(tests, todo, done)) for _ in range(min(WORKERS, len(tests)))]
    for item in [*range(len(tests)), *[None] * len(workers)]:
        todo.put(item)
    for worker in workers:
        worker.start()
    passed = reported = 0
    try:
        while reported < len(tests):
            try:
                text, ok = done.get(timeout=10)
            except queue.Empty:
                if any(w.is_alive() for w in workers):
                    continue
                print(f"the workers ended with {len(tests) - reported} tests not run")
                break
            print(text, flush=True)
            passed, reported = passed + ok, reported + 1
        for worker in workers:
            worker.join()
    finally:
        template.close()
    failed = len(tests) - passed
    print(f"end to end: {len(tests)} tests in {time.monotonic() - started:.0f} s with {WORKERS} workers")
    print(f"e2e: {passed} passed, {failed} failed")
    return 0 if failed == 0 and tests else 1


if __name__ == "__main__":
    sys.exit(main())
