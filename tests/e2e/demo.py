"""Runs VelInst.exe from an assembled disc under wine64 for tools/demo.

On the display named by DISPLAY it waits for the program to end after the
screenshot, and turns every page the program prints (on the prefix's file
printer) into a PDF; without DISPLAY it starts a private X server, takes the
screenshot and ends the program. With a peer, registrations go to the
stand-in for the vendor's host at whatever address the disc names; for https
addresses it shows a certificate of the tests' authority, which the prefix
trusts. Exit codes: 0 screenshot taken, 3 the program showed no start
screen, 1 a failure of the machinery.
"""
import os
import signal
import sys
import time
import urllib.parse
from pathlib import Path

from velinst_e2e import (WINE, WINESERVER, HarnessError, Prefix, Program, ini_values, is_xvfb,
                         printer_output, run_bounded, start_xvfb, string_table)

START_SCREEN_CLASS = "Template Window Class"
START_TIMEOUT = 30
# A person at the display ends the program; past this the demo ends it.
ON_DISPLAY_LIMIT = 4 * 3600


def start_screen_shown(env, winctl, program):
    """Waits until the start screen appears (True) or the program ends or
    the time is up (False)."""
    deadline = time.monotonic() + START_TIMEOUT
    while time.monotonic() < deadline and program.running():
        result = run_bounded([WINE, winctl, "wait", START_SCREEN_CLASS, "1000"], env, 30,
                             check=False)
        if result.returncode == 0:
            return True
    return False


def printed_pages_as_pdf(program, printed, pdf):
    """Until the program ends: each page printed to the PostScript file
    (each job replaces it) is made into the PDF."""
    converted = None
    deadline = time.monotonic() + ON_DISPLAY_LIMIT
    while program.wait(1) is None and time.monotonic() < deadline:
        try:
            stamp = printed.stat().st_mtime_ns
            complete = printed.read_bytes().rstrip().endswith(b"%%EOF")
        except FileNotFoundError:
            continue
        if complete and stamp != converted:
            run_bounded(["ps2pdf", printed, pdf], None, 60)
            converted = stamp
            print(f"demo: printed page: {pdf}", flush=True)


def secure_hosts(disc):
    """The hosts the disc's settings files send registrations to over https:
    the mail script's and the thank-you page's (today's page on an https
    address that names none)."""
    names = {constant: text.lower()
             for constant, text in string_table(Path(__file__).parents[2]).values()}
    hosts = set()
    for settings in disc.iterdir():
        if not (settings.name.lower().startswith("velinst") and settings.suffix.lower() == ".ini"):
            continue
        general = ini_values(settings).get("general", {})
        address = general.get(names["KEY_REGISTRATION_ADDRESS"], "")
        page = general.get(names["KEY_THANK_YOU_PAGE"])
        if page is None and address.lower().startswith("https://"):
            page = "https://www.velmora.com/regthankyou.htm"
        for text in (address, page or ""):
            parts = urllib.parse.urlsplit(text)
            if parts.scheme.lower() == "https" and parts.hostname:
                hosts.add(parts.hostname)
    return sorted(hosts)


def start_peer(build, disc, env, port):
    """The stand-in for the vendor's host on the port, with a certificate for
    the disc's https hosts, if any, whose authority the prefix of env then
    trusts."""
    from authority import authority_of
    from registration_peer import RegistrationPeer
    tls = None
    hosts = secure_hosts(disc)
    if hosts:
        authority = authority_of(build)
        authority.trust(env, build / "tests" / "e2e" / "trust_root.exe")
        tls = authority.server_context(*hosts)
    record = build / "e2e" / "demo-registrations.json"
    peer = RegistrationPeer(port, record, "confirm", lifetime=ON_DISPLAY_LIMIT, tls=tls).start()
    print(f"demo: registrations go to the stand-in peer on 127.0.0.1:{port}"
          + (f" (https for {', '.join(hosts)})" if hosts else "")
          + f"; what arrives is written to {record}")
    return peer


def main(build, disc, peer_port=None):
    build, disc = Path(build).resolve(), Path(disc).resolve()
    winctl = build / "tests" / "e2e" / "winctl.exe"
    screens = build / "e2e" / "screens"
    screens.mkdir(parents=True, exist_ok=True)
    prefix = Prefix(build)
    prefix.ensure()

    own_display = not os.environ.get("DISPLAY")
    xvfb_pid = None
    if own_display:
        display, xvfb_pid = start_xvfb(build / "e2e" / "xvfb-demo.log")
    else:
        display = os.environ["DISPLAY"]
    env = prefix.env(display)
    if not own_display and os.environ.get("XAUTHORITY"):
        env["XAUTHORITY"] = os.environ["XAUTHORITY"]
    program = None
    peer = None
    printed = printer_output(build)
    pdf = printed.with_suffix(".pdf")
    for stale in (printed, pdf):
        stale.unlink(missing_ok=True)
    try:
        run_bounded([WINESERVER, "-p"], env, 30, capture=False)
        if peer_port is not None:
            # The program is unchanged: its internet library takes the proxy
            # from the environment (http and https alike), and the peer
            # answers for the vendor's host.
            env["http_proxy"] = f"http://127.0.0.1:{peer_port}"
            peer = start_peer(build, disc, env, peer_port)
        program = Program([WINE, disc / "VelInst.exe"], env, disc,
                          build / "e2e" / "logs" / "demo.log")
        if not start_screen_shown(env, winctl, program):
            return 3
        time.sleep(1)  # let the screens finish painting
        shot = screens / "demo.png"
        run_bounded(["import", "-display", display, "-window", "root", shot], env, 30)
        print(f"screenshot: {shot}")
        if not own_display:
            print("demo: Print Form and Print Order Form print to a file: the page appears as "
                  f"{pdf}")
            print("demo: close the program to end the demo", flush=True)
            printed_pages_as_pdf(program, printed, pdf)
        return 0
    finally:
        if program is not None:
            program.kill()
        if peer is not None:
            peer.stop()
        prefix.stop_server()
        if xvfb_pid is not None and is_xvfb(xvfb_pid):
            os.kill(xvfb_pid, signal.SIGTERM)


if __name__ == "__main__":
    if len(sys.argv) not in (3, 5) or (len(sys.argv) == 5 and sys.argv[3] != "--peer"):
        print("usage: demo.py BUILD_DIR DISC_DIR [--peer PORT]", file=sys.stderr)
        sys.exit(2)
    try:
        sys.exit(main(sys.argv[1], sys.argv[2], int(sys.argv[4]) if len(sys.argv) == 5 else None))
    except HarnessError as error:
        print(f"demo: {error}", file=sys.stderr)
        sys.exit(1)
