"""Runs every end-to-end test and ends with one line: N passed, N failed."""
import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402


def main():
    pattern = sys.argv[1] if len(sys.argv) > 1 else "test_*.py"
    suite = unittest.defaultTestLoader.discover(os.path.dirname(os.path.abspath(__file__)), pattern=pattern)
    runner = unittest.TextTestRunner(verbosity=2, stream=sys.stdout)
    try:
        result = runner.run(suite)
    finally:
        harness.close_session()
    failed = len(result.failures) + len(result.errors)
    print(f"e2e: {result.testsRun - failed} passed, {failed} failed")
    return 0 if failed == 0 and result.testsRun > 0 else 1


if __name__ == "__main__":
    sys.exit(main())
