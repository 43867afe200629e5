"""The vendor's web host for the receiver's tests: lighttpd on a free
127.0.0.1 port serving velinst-receiver as /cgi-local/FormMail.cgi and the
thank-you page, from a folder of the build tree with a generated
configuration, over plain HTTP or over TLS (mod_openssl) with a certificate
of the tests' authority; and a forwarding proxy in front of it, as a
customer's own proxy would be: Wine sends a plain request in absolute form,
which lighttpd refuses, and the proxy passes it on in origin form; an https
request comes as CONNECT, and the proxy joins the tunnel to the site.

Standard library only. Every wait is bounded; lighttpd runs under
`timeout` so it cannot outlive a test that dies.
"""
import select
import shutil
import socket
import socketserver
import sqlite3
import subprocess
import threading
import time
import urllib.parse
from contextlib import closing
from pathlib import Path

from velinst_e2e import (HarnessError, accepts_connections, env_path, free_port, source_dir,
                         wait_until)

SCRIPT_PATH = "/cgi-local/FormMail.cgi"
THANK_YOU_PATH = "/regthankyou.htm"
VENDOR_HOST = "www.velmora.com"
MAILBOX = "register@velmora.com"
LIFETIME = 600  # seconds a web server of the tests may live at most


class ReceiverSite:
    """lighttpd with mod_cgi, serving the receiver from <folder>/htdocs;
    the receiver's configuration and database are in <folder>."""

    def __init__(self, folder, mailbox=MAILBOX, redirect_host=VENDOR_HOST, tls=None):
        """tls: (certificate chain, key) files to serve https with."""
        self.folder = Path(folder)
        self.database = self.folder / "registrations.sqlite"
        self.mailbox = mailbox
        self.redirect_host = redirect_host
        self.tls = tls
        self.process = None
        self.port = None

    def start(self):
        shutil.rmtree(self.folder, ignore_errors=True)
        htdocs = self.folder / "htdocs"
        (htdocs / "cgi-local").mkdir(parents=True)
        script = htdocs / "cgi-local" / "FormMail.cgi"
        shutil.copy2(env_path("VELINST_RECEIVER"), script)
        script.chmod(0o755)
        shutil.copy2(source_dir() / "server" / "regthankyou.htm", htdocs / "regthankyou.htm")
        config = self.folder / "receiver.conf"
        config.write_text(f"database = {self.database}\nrecipient = {self.mailbox}\n"
                          f"redirect_host = {self.redirect_host}\n")
        modules = '"mod_setenv", "mod_cgi"'
        secure = ""
        if self.tls:
            modules += ', "mod_openssl"'
            secure = (f'ssl.engine = "enable"\nssl.pemfile = "{self.tls[0]}"\n'
                      f'ssl.privkey = "{self.tls[1]}"\n')
        lighttpd = shutil.which("lighttpd") or "/usr/sbin/lighttpd"
        # A port found free may be taken before lighttpd binds it: try another.
        for _ in range(5):
            self.port = free_port()
            conf = self.folder / "lighttpd.conf"
            conf.write_text(
                f'server.document-root = "{htdocs}"\n'
                f'server.bind = "127.0.0.1"\n'
                f"server.port = {self.port}\n"
                f'server.errorlog = "{self.folder / "error.log"}"\n'
                # The receiver's standard error, where it says what it refused.
                f'server.breakagelog = "{self.folder / "cgi-error.log"}"\n'
                f"server.modules = ({modules})\n" + secure +
                'cgi.assign = (".cgi" => "")\n'
                # Normalising refuses bytes that never occur in UTF-8, such
                # as %FC, the customer's u-umlaut in the Windows code page.
                'server.http-parseopts = ("url-normalize" => "disable")\n'
                f'setenv.set-environment = ("VELINST_RECEIVER_CONFIG" => "{config}")\n'
                'mimetype.assign = (".htm" => "text/html")\n')
            self.process = subprocess.Popen(
                ["timeout", str(LIFETIME), lighttpd, "-D", "-f", conf],
                stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                start_new_session=True)
            if wait_until(lambda: self.process.poll() is not None
                          or accepts_connections(self.port), 10) and self.process.poll() is None:
                return self
            self.stop()
        raise HarnessError(f"lighttpd did not start: {self.error_log()}")

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait(timeout=10)

    def error_log(self):
        """What lighttpd and the receiver logged."""
        return "".join(log.read_text(errors="replace")
                       for log in (self.folder / "error.log", self.folder / "cgi-error.log")
                       if log.exists())

    def registrations(self):
        """Every stored registration: dicts of id, received, client,
        recipient (str), subject (bytes) and fields [(name, value bytes)]."""
        if not self.database.exists():
            return []
        with closing(sqlite3.connect(self.database, timeout=10)) as db:
            rows = db.execute("SELECT id, received, client, recipient, subject"
                              " FROM registration ORDER BY id").fetchall()
            return [{"id": id_, "received": received, "client": client, "recipient": recipient,
                     "subject": subject,
                     "fields": [(name, value) for name, value in db.execute(
                         "SELECT name, value FROM registration_field WHERE registration = ?"
                         " ORDER BY position", (id_,))]}
                    for id_, received, client, recipient, subject in rows]

    def journal_mode(self):
        with closing(sqlite3.connect(self.database, timeout=10)) as db:
            return db.execute("PRAGMA journal_mode").fetchone()[0]


class ForwardingProxy(socketserver.ThreadingTCPServer):
    """Takes each request in absolute form ("GET http://host:80/path
    HTTP/1.0"), sends it to the site in origin form ("GET /path HTTP/1.0")
    with the client's headers, and relays the reply; a CONNECT, for any host,
    becomes a tunnel to the site. `targets` lists the origin-form targets
    passed on and the CONNECT lines ("CONNECT host:port")."""
    allow_reuse_address = True
    daemon_threads = True

    def __init__(self, origin_port):
        self.origin_port = origin_port
        self.targets = []
        super().__init__(("127.0.0.1", 0), _ProxyHandler)
        self.port = self.server_address[1]
        self.timeout = 0.2
        self._stopping = threading.Event()
        self._thread = threading.Thread(target=self._serve, daemon=True)

    def start(self):
        self._thread.start()
        return self

    def _serve(self):
        deadline = time.monotonic() + LIFETIME
        while not self._stopping.is_set() and time.monotonic() < deadline:
            self.handle_request()

    def stop(self):
        self._stopping.set()
        self._thread.join(timeout=5)
        self.server_close()


def relay(first, second, quiet_limit=10):
    """Passes bytes both ways until either side closes, or nothing has
    passed for quiet_limit seconds."""
    sockets = [first, second]
    while True:
        readable, _, _ = select.select(sockets, [], [], quiet_limit)
        if not readable:
            return
        for source in readable:
            data = source.recv(65536)
            if not data:
                return
            (second if source is first else first).sendall(data)


class _ProxyHandler(socketserver.BaseRequestHandler):
    def handle(self):
        client = self.request
        client.settimeout(10)
        head = b""
        while b"\r\n\r\n" not in head:
            chunk = client.recv(4096)
            if not chunk or len(head) > 65536:
                return
            head += chunk
        line, rest = head.split(b"\r\n", 1)
        method, target, version = line.split(b" ")
        with socket.create_connection(("127.0.0.1", self.server.origin_port), timeout=10) as origin:
            if method == b"CONNECT":
                self.server.targets.append("CONNECT " + target.decode("latin-1"))
                client.sendall(version + b" 200 Connection established\r\n\r\n")
                return relay(client, origin)
            parts = urllib.parse.urlsplit(target)
            if parts.scheme:
                target = (parts.path or b"/") + (b"?" + parts.query if parts.query else b"")
            self.server.targets.append(target.decode("latin-1"))
            origin.sendall(b" ".join((method, target, version)) + b"\r\n" + rest)
            while True:
                data = origin.recv(65536)
                if not data:
                    break
                client.sendall(data)
