#!/usr/bin/env python3
"""Stand-in for the vendor's web host during registration tests.

The Wine prefix's system proxy points at this peer, so the launcher's request
arrives in absolute form ("GET http://www.velmora.com:80/cgi-local/FormMail.cgi?...
HTTP/1.0"), and an https request as "CONNECT host:443": given a TLS context,
the peer answers the tunnel itself, with that context's certificate, and
reads the request inside it in origin form. The peer records each request
(request line, headers, the query parsed by urllib.parse, whether it came
through a tunnel) as JSON and answers like the mail script: a redirect to the
query's thank-you page (its `redirect`), whose page holds the confirmation
phrase. Other modes (MODES)
serve a thank-you page that must not confirm the registration, or misbehave
as a broken or hostile server would: a reset half-way, a 10 MB page, a
trickle, a redirect loop, silence.

By hand, for a demonstration (the launcher's prefix must use the proxy
127.0.0.1:8123, see testing-under-wine.md):

    python3 tests/e2e/registration_peer.py --port 8123 --record /tmp/peer.json

Stdlib only. Listens on 127.0.0.1 only and stops by itself after --lifetime
seconds.
"""

import argparse
import base64
import http.server
import json
import os
import socket
import socketserver
import ssl
import struct
import sys
import threading
import time
import urllib.parse

SCRIPT_PATH = "/cgi-local/FormMail.cgi"
THANK_YOU_PATH = "/regthankyou.htm"
THANK_YOU_URL = "http://www.velmora.com" + THANK_YOU_PATH
SCRIPT_URL = "http://www.velmora.com" + SCRIPT_PATH
PHRASE = b"Thank You for registering your"
READ_LIMIT = 10239  # the launcher reads no further than this
HUGE = 10 * 1024 * 1024
SILENCE_LIMIT = 120.0  # a silent peer gives up on a client that never leaves

# The thank-you page of each mode that answers like a web server; the
# launcher counts a registration as arrived only when the phrase is in the
# first READ_LIMIT bytes, before any zero byte.
PAGES = {
    "confirm": b"<html><body><h1>" + PHRASE + b" product.</h1></body></html>",
    "no-phrase": b"<html><body><h1>Registration received.</h1></body></html>",
    "lower-case": b"<html><body>" + PHRASE.lower() + b" product.</body></html>",
    "beyond-limit": b"x" * (READ_LIMIT - len(PHRASE) + 1) + PHRASE,
    "after-zero": b"<html><body>\0" + PHRASE + b" product.</body></html>",
    # A server error whose page still holds the phrase: only the phrase counts.
    "status-500": b"<html><body>Internal error. " + PHRASE + b" product.</body></html>",
    # Bytes of every value above 127, the phrase, then zero bytes and more.
    "high-bytes": bytes(range(128, 256)) + PHRASE + b"\0\0" + bytes(range(256)),
    "huge-phrase-first": PHRASE + b" product." + b"y" * HUGE,
    "huge-phrase-last": b"y" * HUGE + PHRASE,
}
STATUS = {"status-500": 500}
# Modes that misbehave on the wire (PeerHandler.MISBEHAVIOUR): a reply cut off
# by a reset half-way (the phrase in the part that arrives), a reply trickled
# a few bytes at a time, a script and thank-you page that redirect to each
# other for good, a host that accepts the request and never answers, and a
# proxy that wants PROXY_USER's password.
MODES = sorted(PAGES) + ["reset", "trickle", "redirect-loop", "silent", "proxy-password"]
PROXY_USER, PROXY_PASSWORD = "customer", "s3cret"
PROXY_CREDENTIALS = "Basic " + base64.b64encode(
    f"{PROXY_USER}:{PROXY_PASSWORD}".encode()).decode()


def parse_target(target):
    """Path and fields of an absolute-form or origin-form request target."""
    parts = urllib.parse.urlsplit(target)
    # Bytes above 127 are the customer's ANSI text: latin-1 keeps each byte.
    fields = urllib.parse.parse_qsl(parts.query, keep_blank_values=True,
                                    encoding="latin-1")
    return parts, fields


class PeerServer(socketserver.ThreadingMixIn, socketserver.TCPServer):
    allow_reuse_address = True
    daemon_threads = True  # a silent connection must not hold up the end

    def __init__(self, port, record_path, mode, tls=None):
        self.record_path = record_path
        self.mode = mode
        # The TLS context that ends CONNECT tunnels (None: they are refused).
        self.tls = tls
        self.thank_you_paths = {THANK_YOU_PATH}  # where the script sent the client
        self.requests = []
        self.lock = threading.Lock()
        super().__init__(("127.0.0.1", port), PeerHandler)

    def record(self, entry=None):
        """Adds the entry (None: one already added has changed) and writes
        the record file."""
        with self.lock:
            if entry is not None:
                self.requests.append(entry)
            if self.record_path:
                temporary = f"{self.record_path}.tmp"
                with open(temporary, "w", encoding="utf-8") as out:
                    json.dump(self.requests, out, indent=2)
                os.replace(temporary, self.record_path)

    def handle_error(self, request, client_address):
        # A client that leaves before the whole reply is written is one of
        # the cases under test, not an error of the peer.
        if not isinstance(sys.exc_info()[1], (ConnectionError, TimeoutError, ssl.SSLError)):
            super().handle_error(request, client_address)


class PeerHandler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"
    timeout = 5  # a client that stops talking cannot hold the peer
    tunnel = None  # "host:port" of the CONNECT a request came through

    def entry(self):
        parts, fields = parse_target(self.path)
        return {
            "request_line": self.requestline,
            "method": self.command,
            "target": self.path,
            "version": self.request_version,
            "headers": [[name, value] for name, value in self.headers.items()],
            "tunnel": self.tunnel,
            "host": parts.hostname,
            "port": parts.port,
            "path": parts.path,
            "query": parts.query,
            "fields": [[name, value] for name, value in fields],
        }

    def do_GET(self):
        entry = self.entry()
        self.server.record(entry)
        mode = self.server.mode
        if mode in self.MISBEHAVIOUR:
            self.MISBEHAVIOUR[mode](self, entry["path"], entry)
        else:
            self.answer(entry)

    def answer(self, entry):
        """The mail script's answer, or its thank-you page's."""
        fields = entry["fields"]
        if entry["path"] == SCRIPT_PATH or any(name == "recipient" for name, _ in fields):
            page = next((value for name, value in fields if name == "redirect"), THANK_YOU_URL)
            self.server.thank_you_paths.add(urllib.parse.urlsplit(page).path)
            self.redirect(page)
        elif entry["path"] in self.server.thank_you_paths:
            mode = self.server.mode
            self.reply(STATUS.get(mode, 200), PAGES.get(mode, PAGES["confirm"]))
        else:
            self.reply(404, b"<html>Not found</html>")

    def do_CONNECT(self):
        """A tunnel for an https request, ended here in TLS."""
        self.server.record(self.entry())
        if (self.server.mode == "proxy-password"
                and self.headers.get("Proxy-Authorization") != PROXY_CREDENTIALS):
            return self.refuse_without_password()
        if self.server.tls is None:
            return self.reply(502, b"<html>No tunnels here</html>")
        self.send_response(200, "Connection established")
        self.end_headers()
        self.wfile.flush()
        # A client that does not trust the certificate ends the handshake:
        # nothing is read in the tunnel then.
        secure = self.server.tls.wrap_socket(self.connection, server_side=True)
        self.connection = self.request = secure
        self.rfile = secure.makefile("rb")
        self.wfile = secure.makefile("wb")
        self.tunnel = self.path
        self.handle_one_request()
        self.close_connection = True

    def finish(self):
        super().finish()
        if self.tunnel is not None:
            self.connection.close()

    def redirect(self, url):
        self.reply(302, b"<html>Moved</html>", [("Location", url)])

    def head(self, status, length, headers=()):
        self.send_response(status)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(length))
        self.send_header("Connection", "close")
        for name, value in headers:
            self.send_header(name, value)
        self.end_headers()

    def reply(self, status, body, headers=()):
        self.head(status, len(body), headers)
        self.wfile.write(body)

    def reset_half_way(self, path, entry):
        if path != THANK_YOU_PATH:
            return self.redirect(THANK_YOU_URL)
        body = PAGES["confirm"] + b"x" * 4000
        self.head(200, len(body))
        self.wfile.write(body[:len(body) // 2])
        self.wfile.flush()
        time.sleep(0.2)
        # Linger on, time 0: the close sends a reset instead of the end.
        self.connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER,
                                   struct.pack("ii", 1, 0))
        self.connection.close()
        self.close_connection = True

    def trickle(self, path, entry):
        if path != THANK_YOU_PATH:
            return self.redirect(THANK_YOU_URL)
        body = PAGES["confirm"]
        self.head(200, len(body))
        self.wfile.flush()
        for start in range(0, len(body), 3):
            self.wfile.write(body[start:start + 3])
            self.wfile.flush()
            time.sleep(0.02)

    def redirect_loop(self, path, entry):
        self.redirect(THANK_YOU_URL if path == SCRIPT_PATH else SCRIPT_URL)

    def stay_silent(self, path, entry):
        """Answers nothing; records how long the client waited before it
        gave up and closed the connection (None: it never did)."""
        started = time.monotonic()
        self.connection.settimeout(1.0)
        entry["silent_for"] = None
        while time.monotonic() - started < SILENCE_LIMIT:
            try:
                if not self.connection.recv(4096):
                    entry["silent_for"] = round(time.monotonic() - started, 1)
                    break
            except socket.timeout:
                continue
            except ConnectionError:
                entry["silent_for"] = round(time.monotonic() - started, 1)
                break
        self.server.record()
        self.close_connection = True

    def ask_for_password(self, path, entry):
        """A proxy in front of the vendor's host: without PROXY_USER's
        password it refuses with 407, with it the host answers as in
        "confirm". Inside a tunnel the proxy's part is done."""
        if self.tunnel is None and self.headers.get("Proxy-Authorization") != PROXY_CREDENTIALS:
            return self.refuse_without_password()
        self.answer(entry)

    def refuse_without_password(self):
        self.reply(407, b"<html>Proxy Authentication Required</html>",
                   [("Proxy-Authenticate", 'Basic realm="Velmora Test Proxy"')])

    MISBEHAVIOUR = {"reset": reset_half_way, "trickle": trickle,
                    "redirect-loop": redirect_loop, "silent": stay_silent,
                    "proxy-password": ask_for_password}

    def log_message(self, format, *args):
        if os.environ.get("REGISTRATION_PEER_VERBOSE"):
            super().log_message(format, *args)


class RegistrationPeer:
    """The peer on a background thread, for tests:

        with RegistrationPeer(port, record_path, "confirm", lifetime=60) as peer:
            ... run the launcher ...
        peer.requests  # what arrived
    """

    def __init__(self, port, record_path=None, mode="confirm", lifetime=60.0, tls=None):
        if mode not in MODES:
            raise ValueError("unknown mode " + mode)
        self.server = PeerServer(port, record_path, mode, tls)
        self.lifetime = lifetime
        self._stopping = False
        self.thread = threading.Thread(target=self._serve, daemon=True)

    def _serve(self):
        deadline = time.monotonic() + self.lifetime
        self.server.timeout = 0.2
        while not self._stopping and time.monotonic() < deadline:
            self.server.handle_request()

    @property
    def requests(self):
        return list(self.server.requests)

    def start(self):
        self.thread.start()
        return self

    def stop(self):
        self._stopping = True
        self.thread.join(timeout=10)
        self.server.server_close()

    def __enter__(self):
        return self.start()

    def __exit__(self, *exc):
        self.stop()


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--port", type=int, default=8123)
    parser.add_argument("--record", help="JSON file of the requests received")
    parser.add_argument("--mode", choices=MODES, default="confirm")
    parser.add_argument("--lifetime", type=float, default=600.0,
                        help="seconds before the peer stops by itself")
    options = parser.parse_args(argv)
    peer = RegistrationPeer(options.port, options.record, options.mode, options.lifetime)
    print("registration peer on 127.0.0.1:%d, mode %s, for %.0f s"
          % (options.port, options.mode, options.lifetime), flush=True)
    try:
        peer._serve()
    except KeyboardInterrupt:
        pass
    finally:
        peer.server.server_close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
