"""Runs a command against a private virtual X server: `xvfb_run.py -- COMMAND...`.

The server picks its own display number (-displayfd): it takes the first number on which it can
listen on every transport, the abstract socket included. Looking for a free lock file, as xvfb-run
does, is not enough where another machine's container shares the network namespace: a server
there holds the abstract socket of the number while its lock file is invisible here, and clients
would reach that server instead of ours. A cookie of our own makes sure a client that reaches the
wrong server is turned away rather than driving it. The server does not reset when its last
client leaves: an editor started again just then would find no display."""

import os
import secrets
import select
import subprocess
import sys
import tempfile

SCREEN = "1600x1000x24"
START_TIMEOUT = 30


def main():
    if "--" not in sys.argv:
        sys.exit("usage: xvfb_run.py -- COMMAND [ARGS...]")
    command = sys.argv[sys.argv.index("--") + 1:]
    with tempfile.TemporaryDirectory(prefix="quarn-xvfb-") as work:
        authority = os.path.join(work, "Xauthority")
        cookie = secrets.token_hex(16)
        open(authority, "w").close()
        # The server accepts every cookie in its file whatever display the entry names; the
        # client looks its entry up by number, which is known only once the server has chosen.
        subprocess.run(["xauth", "-q", "-f", authority, "add", ":0", ".", cookie], check=True)
        read_end, write_end = os.pipe()
        server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", SCREEN, "-nolisten", "tcp",
             "-noreset", "-auth", authority],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        try:
            number = read_display_number(read_end)
            if number is None:
                sys.exit("Xvfb did not start")
            display = ":" + number
            subprocess.run(["xauth", "-q", "-f", authority, "add", display, ".", cookie], check=True)
            env = dict(os.environ, DISPLAY=display, XAUTHORITY=authority)
            return subprocess.run(command, env=env).returncode
        finally:
            server.terminate()
            try:
                server.wait(timeout=10)
            except subprocess.TimeoutExpired:
                server.kill()


def read_display_number(fd):
    """The number Xvfb writes once it listens; None when it exits first."""
    text = b""
    with os.fdopen(fd, "rb", buffering=0) as pipe:
        while not text.endswith(b"\n"):
            ready, _, _ = select.select([pipe], [], [], START_TIMEOUT)
            if not ready:
                return None
            chunk = pipe.read(64)
            if not chunk:
                return None
            text += chunk
    return text.decode().strip()


if __name__ == "__main__":
    sys.exit(main())
