"""The vendor's end: velinst-receiver as /cgi-local/FormMail.cgi behind
lighttpd, with its registrations in SQLite.

WebServerTests talk to lighttpd directly as any client on the Internet
could. LauncherTests send registrations from the real launcher under wine64,
through the prefix's proxy setting and a forwarding proxy, as a customer
behind a proxy would: over plain HTTP to the vendor's usual address, and over
https (lighttpd with mod_openssl and a certificate of the tests' authority)
to a vendor's own address, mailbox and thank-you page."""
import http.client
import subprocess
import sys
import threading
import time
import unittest
import urllib.parse
from concurrent.futures import ThreadPoolExecutor

from authority import authority_of
from receiver_site import (MAILBOX, SCRIPT_PATH, THANK_YOU_PATH, VENDOR_HOST, ForwardingProxy,
                           ReceiverSite)
from test_registration import FIXED_QUERY, PRODUCT, QUERY_KEYS, SENT, TYPED, RegistrationScenario
from velinst_e2e import build_dir, env_path

PHRASE = b"Thank You for registering your"
THANK_YOU_URL = f"http://{VENDOR_HOST}{THANK_YOU_PATH}"
# The fields a customer's registration holds besides the fixed query.
FIELDS = [("PRODUCT NAME", PRODUCT), ("SERIAL NUMBER", "CP40-7731-0042"),
          ("FIRST NAME", "Ada"), ("LAST NAME", "Lovelace"), ("ADDRESS1", "1 Main St"),
          ("ADDRESS2", ""), ("CITY", "Austin"), ("STATE", "TX"), ("ZIPCODE", "78701"),
          ("COUNTRY", "USA"), ("PURCHASE", "Smith & Sons")]


def query(fields=FIELDS, fixed=FIXED_QUERY):
    """The query the launcher sends: every byte of a value outside letters,
    digits and -._~ as %XX."""
    return fixed + "".join(f"&{urllib.parse.quote(name)}="
                           f"{urllib.parse.quote(value.encode('latin-1'), safe='')}"
                           for name, value in fields)


def site_folder(test):
    return build_dir() / "e2e" / "receiver" / test.id().rsplit(".", 1)[-1]


def start_site(test, **options):
    site = ReceiverSite(site_folder(test), **options).start()
    test.addCleanup(site.stop)
    return site


def get(port, target, timeout=30):
    """(status, Location header, body) of one GET, origin form, to the site."""
    connection = http.client.HTTPConnection("127.0.0.1", port, timeout=timeout)
    try:
        connection.putrequest("GET", target, skip_host=True)
        connection.putheader("Host", VENDOR_HOST)
        connection.endheaders()
        reply = connection.getresponse()
        return reply.status, reply.getheader("Location"), reply.read()
    finally:
        connection.close()


class WebServerTests(unittest.TestCase):
    def test_foreign_mailboxes_pages_and_gaps_are_refused_and_nothing_is_stored(self):
        site = start_site(self)
        refused = [
            ("foreign recipient", FIXED_QUERY.replace(MAILBOX, "victim@example.com")),
            ("foreign redirect host",
             FIXED_QUERY.replace(THANK_YOU_URL, "http://evil.example/phish.htm")),
            ("vendor host as the user part",
             FIXED_QUERY.replace(THANK_YOU_URL, f"http://{VENDOR_HOST}@evil.example/")),
        ]
        for name, fixed_query in refused:
            with self.subTest(name):
                status, location, body = get(site.port, f"{SCRIPT_PATH}?{query(fixed=fixed_query)}")
                self.assertEqual((status, location), (403, None))
                self.assertNotIn(PHRASE, body)

        with self.subTest("required fields empty or left out"):
            gaps = [(name, " " if name == "CITY" else value)
                    for name, value in FIELDS if name != "SERIAL NUMBER"]
            status, location, body = get(site.port, f"{SCRIPT_PATH}?{query(gaps)}")
            self.assertEqual((status, location), (400, None))
            self.assertIn(b"<li>SERIAL NUMBER</li>\n<li>CITY</li>", body)
            self.assertNotIn(PHRASE, body)

        self.assertEqual(site.registrations(), [])
        self.assertIn("refused a request for recipient \"victim@example.com\"", site.error_log())

    def test_arguments_under_cgi_never_export(self):
        # Apache passes a query without "=" to a CGI program as its arguments.
        site = start_site(self)
        self.assertEqual(get(site.port, f"{SCRIPT_PATH}?{query()}")[0], 302)
        environment = {"GATEWAY_INTERFACE": "CGI/1.1", "REQUEST_METHOD": "GET",
                       "QUERY_STRING": "export+--csv",
                       "VELINST_RECEIVER_CONFIG": str(site.folder / "receiver.conf")}
        reply = subprocess.run([env_path("VELINST_RECEIVER"), "export", "--csv"], env=environment,
                               capture_output=True, timeout=30)
        self.assertTrue(reply.stdout.startswith(b"Status: 403 Forbidden\r\n"), reply.stdout)
        self.assertNotIn(b"Corvinel", reply.stdout)

    def test_simultaneous_registrations_are_each_stored_once(self):
        site = start_site(self)
        count = 200
        gate = threading.Barrier(count, timeout=30)

        def register(number):
            fields = [(name, f"SN-{number:03d}" if name == "SERIAL NUMBER" else value)
                      for name, value in FIELDS]
            gate.wait()
            return get(site.port, f"{SCRIPT_PATH}?{query(fields)}", timeout=60)

        started = time.monotonic()
        with ThreadPoolExecutor(max_workers=count) as pool:
            replies = list(pool.map(register, range(count)))
        seconds = time.monotonic() - started
        print(f"\n{count} simultaneous registrations stored in {seconds:.1f} s "
              f"({count / seconds:.0f} per second)", file=sys.stderr)

        self.assertEqual([(status, location) for status, location, _ in replies],
                         [(302, THANK_YOU_URL)] * count, site.error_log())
        stored = site.registrations()
        serials = sorted(dict(r["fields"])["SERIAL NUMBER"] for r in stored)
        self.assertEqual(serials, [f"SN-{n:03d}".encode() for n in range(count)])
        self.assertEqual(len({r["id"] for r in stored}), count)
        self.assertTrue(all(len(r["fields"]) == len(FIELDS) for r in stored))
        self.assertEqual(site.journal_mode(), "wal")


class LauncherTests(RegistrationScenario):
    def test_the_launcher_registers_through_a_proxy_and_every_byte_is_stored(self):
        site = start_site(self)
        proxy = ForwardingProxy(site.port).start()
        self.addCleanup(proxy.stop)
        self.route_through_proxy(proxy.port)
        start = self.start_launcher("receiver")
        registration = self.open_registration(start)

        # The launcher does not check the serial number; the receiver does.
        self.type_into(registration, dict(TYPED, reg_serial=""))
        self.session.click(registration["hwnd"], "register_online")
        self.assert_result_box(42)
        self.assertEqual(site.registrations(), [])
        self.assert_no_profile()

        self.type_into(registration, {"reg_serial": TYPED["reg_serial"]})
        before = time.strftime("%Y-%m-%dT%H:%M:%SZ", time.gmtime())
        self.session.click(registration["hwnd"], "register_online")
        self.assert_result_box(40)
        self.assertEqual([t.split("?")[0] for t in proxy.targets],
                         [SCRIPT_PATH, SCRIPT_PATH, THANK_YOU_PATH])

        self.assert_stored_as_typed(site, MAILBOX, before)

    def test_the_launcher_registers_over_https_with_the_vendors_own_mailbox_and_page(self):
        mailbox, page_host = "registrations+cd@example.com", "www.example.com"
        authority = authority_of(self.session.build)
        authority.trust(self.session.env(), env_path("VELINST_TRUST_ROOT"))
        site = start_site(self, mailbox=mailbox, redirect_host=page_host,
                          tls=authority.issue("register.example.com", page_host))
        proxy = ForwardingProxy(site.port).start()
        self.addCleanup(proxy.stop)
        self.route_through_proxy(proxy.port)
        start = self.start_launcher("receiver-https", edits={"General": {
            "Registration Address": "https://register.example.com/cgi-local/FormMail.cgi",
            "Registration Mailbox": mailbox,
            "Registration Thank You Page": f"https://{page_host}/regthankyou.htm"}})
        registration = self.open_registration(start)
        self.type_into(registration, TYPED)
        before = time.strftime("%Y-%m-%dT%H:%M:%SZ", time.gmtime())
        self.session.click(registration["hwnd"], "register_online")
        self.assert_result_box(40)
        # The proxy saw the hosts and nothing else: no request in plain HTTP.
        self.assertEqual(proxy.targets, ["CONNECT register.example.com:443",
                                         f"CONNECT {page_host}:443"])
        self.assert_stored_as_typed(site, mailbox, before)

    def assert_stored_as_typed(self, site, mailbox, before):
        stored = site.registrations()
        self.assertEqual(len(stored), 1, site.error_log())
        row = stored[0]
        self.assertEqual((row["recipient"], row["subject"], row["client"]),
                         (mailbox, b"User Registration", "127.0.0.1"))
        self.assertGreaterEqual(row["received"], before)
        # The sort list's fields in its order, then e-mail and telephone,
        # which it leaves out; Latin-1 letters, "&", "=", "%", "+", "#" and
        # "?" as the customer typed them.
        values = dict(SENT, reg_product=PRODUCT)
        by_key = {key: values[name].encode("latin-1") for key, name in QUERY_KEYS}
        order = [key for key, _ in QUERY_KEYS if key not in ("EMAIL ADDRESS", "PHONE NUMBER")]
        self.assertEqual(row["fields"], [(key, by_key[key]) for key in order] +
                         [("EMAIL ADDRESS", by_key["EMAIL ADDRESS"]),
                          ("PHONE NUMBER", by_key["PHONE NUMBER"])])
