"""Online registration as a customer meets it: the forms open prefilled, a
form with gaps is refused, a complete one travels to a stand-in for the
vendor's web host and its reply decides what the customer sees and whether
the details are kept for next time.

The launcher is not changed to reach the stand-in: the test prefix's system
proxy (Internet Settings, ProxyEnable/ProxyServer) points at it, so the
request arrives in absolute form for www.velmora.com, or, for a disc that
names an https address, as a CONNECT tunnel that the stand-in ends in TLS
with a certificate of the tests' own authority."""
import datetime
import json
import os
import shutil
import subprocess
import sys
import time
import urllib.parse
from pathlib import Path

from authority import authority_of
from registration_peer import (PROXY_CREDENTIALS, PROXY_PASSWORD, PROXY_USER, SCRIPT_PATH,
                               THANK_YOU_PATH, RegistrationPeer)
from velinst_e2e import (TYPING_LANGUAGE, ScenarioTestCase, accepts_connections, env_path,
                         free_port, ini_values, kill_group, run_bounded, source_dir,
                         string_table, wait_until, windows_path)

BACKDROP = "VelmoraInstaller"
FORM = "Template Window Class"
INTERNET_SETTINGS = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Internet Settings"
USER_SHELL_FOLDERS = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders"
PROFILE_NAME = "VelmoraReg.ini"
PRODUCT = "Corvinel Professional 4.0"
DEFAULT_COUNTRY = "USA"
ORDER_BUTTON = "order_products"  # the start screen's way to the buyer form
WS_DISABLED = 0x08000000
ES_PASSWORD = 0x20
BM_CLICK = 0xF5

FIXED_QUERY = (
    "recipient=register@velmora.com&subject=User%20Registration"
    "&redirect=http://www.velmora.com/regthankyou.htm"
    "&required=PRODUCT%20NAME,SERIAL%20NUMBER,FIRST%20NAME,LAST%20NAME,ADDRESS1,CITY,"
    "STATE,ZIPCODE,COUNTRY,PURCHASE"
    "&sort=order:PRODUCT%20NAME,SERIAL%20NUMBER,FIRST%20NAME,LAST%20NAME,ADDRESS1,"
    "ADDRESS2,CITY,STATE,ZIPCODE,COUNTRY,PURCHASE")
FIXED_FIELDS = [
    ("recipient", "register@velmora.com"),
    ("subject", "User Registration"),
    ("redirect", "http://www.velmora.com/regthankyou.htm"),
    ("required", "PRODUCT NAME,SERIAL NUMBER,FIRST NAME,LAST NAME,ADDRESS1,CITY,STATE,"
                 "ZIPCODE,COUNTRY,PURCHASE"),
    ("sort", "order:PRODUCT NAME,SERIAL NUMBER,FIRST NAME,LAST NAME,ADDRESS1,ADDRESS2,"
             "CITY,STATE,ZIPCODE,COUNTRY,PURCHASE"),
]

# What the customer types. The values carry the query's own syntax ("&", "=",
# "#", "%", "+", "?"), a Latin-1 letter and blanks to be trimmed.
TYPED = {
    "reg_serial": "CP40-7731-0042",
    "reg_first_name": "  J\u00fcrgen ",
    "reg_last_name": "O'Neill-Smith",
    "reg_street1": "12 Main St. #4",
    # In quotes: the profile service drops one pair of them when it reads.
    "reg_street2": '"Apt 5&recipient=x@example.com&redirect=http://x.example/?a=1"',
    "reg_city": "New York",
    "reg_state": "NY",
    "reg_zip": "10001",
    "reg_country": "USA",
    "reg_email": "j.mueller+reg@example.com",
    "reg_phone": "+1 (212) 555-0100",
    "reg_fax": "212-555-0199",
    "reg_where_bought": "Smith & Sons, 100% genuine",
}
SENT = {name: value.strip() for name, value in TYPED.items()}

# Query key, profile key, buyer form field of each registration form field.
QUERY_KEYS = [
    ("PRODUCT NAME", "reg_product"), ("SERIAL NUMBER", "reg_serial"),
    ("FIRST NAME", "reg_first_name"), ("LAST NAME", "reg_last_name"),
    ("ADDRESS1", "reg_street1"), ("ADDRESS2", "reg_street2"), ("CITY", "reg_city"),
    ("STATE", "reg_state"), ("ZIPCODE", "reg_zip"), ("COUNTRY", "reg_country"),
    ("EMAIL ADDRESS", "reg_email"), ("PHONE NUMBER", "reg_phone"),
    ("PURCHASE", "reg_where_bought"),
]
PROFILE_KEYS = {
    "firstname": "reg_first_name", "lastname": "reg_last_name", "streetaddr1": "reg_street1",
    "streetaddr2": "reg_street2", "city": "reg_city", "state": "reg_state", "zip": "reg_zip",
    "country": "reg_country", "email": "reg_email", "phone": "reg_phone", "fax": "reg_fax",
    "wheretobuy": "reg_where_bought",
}
BUYER_FIELDS = {
    "buyer_first_name": "reg_first_name", "buyer_last_name": "reg_last_name",
    "buyer_street1": "reg_street1", "buyer_street2": "reg_street2", "buyer_city": "reg_city",
    "buyer_state": "reg_state", "buyer_zip": "reg_zip", "buyer_country": "reg_country",
    "buyer_email": "reg_email", "buyer_phone": "reg_phone", "buyer_fax": "reg_fax",
}
REGISTRATION_FIELDS = ["reg_product", "reg_date", "reg_serial"] + [
    name for name in TYPED if name != "reg_serial"]


def today_texts():
    """Today's date as month-day-year without leading zeros; the date of a
    minute ago too, for a form filled just before midnight."""
    now = datetime.datetime.now()
    return {f"{d.month}-{d.day}-{d.year}" for d in (now - datetime.timedelta(minutes=1), now)}


def script_requests(requests):
    return [r for r in requests if r["path"] == SCRIPT_PATH]


def sent_query(values, fixed=FIXED_QUERY):
    """The query the launcher sends: the fixed part, then every field with
    each byte outside letters, digits and "-._~" as %XX."""
    return fixed + "".join(
        f"&{urllib.parse.quote(key)}={urllib.parse.quote(values[name].encode('latin-1'), safe='')}"
        for key, name in QUERY_KEYS)


class RegistrationScenario(ScenarioTestCase):
    """Starts VelInst.exe from a fresh copy of the sample disc with no
    profile, and drives its forms as a customer does."""

    def setUp(self):
        super().setUp()
        self.texts = string_table(source_dir())
        self.remove_profiles()
        self.addCleanup(self.remove_profiles)

    # The profile --------------------------------------------------------

    def profile_candidates(self):
        drive_c = self.session.prefix.drive_c
        return [drive_c / "windows" / PROFILE_NAME,
                *drive_c.glob(f"users/*/AppData/Roaming/{PROFILE_NAME}"),
                *drive_c.glob(f"users/*/Application Data/{PROFILE_NAME}")]

    def remove_profiles(self):
        for path in self.profile_candidates():
            path.unlink(missing_ok=True)

    def assert_no_profile(self):
        self.assertEqual([p for p in self.profile_candidates() if p.exists()], [])

    # The peer and the proxy route ---------------------------------------------

    def route_through_proxy(self, port):
        self.session.reg_add(INTERNET_SETTINGS, "ProxyEnable", "1", "REG_DWORD")
        self.session.reg_add(INTERNET_SETTINGS, "ProxyServer", f"127.0.0.1:{port}")
        self.addCleanup(self.session.reg_delete, INTERNET_SETTINGS, "ProxyServer")
        self.addCleanup(self.session.reg_delete, INTERNET_SETTINGS, "ProxyEnable")

    def start_peer(self, mode="confirm", tls=None):
        """A peer on a port of its own, accepting connections, with the
        prefix's proxy pointing at it; with a TLS context it ends CONNECT
        tunnels."""
        peer = RegistrationPeer(0, mode=mode, lifetime=120, tls=tls).start()
        self.addCleanup(peer.stop)
        port = peer.server.server_address[1]
        self.assertTrue(wait_until(lambda: accepts_connections(port), 5),
                        "the peer does not accept connections")
        self.route_through_proxy(port)
        return peer

    # The launcher and its forms ---------------------------------------------

    def start_launcher(self, name, wrapper=(), extra_env=None, before_start=None, language=None,
                       edits=None):
        self.disc = self.session.assemble_disc(name, edits)
        if before_start is not None:
            before_start(self.disc)
        self.program = self.session.start(self.disc / "VelInst.exe", wrapper=wrapper,
                                          extra_env=extra_env, language=language)
        return self.form("Start", timeout=20)

    def form(self, template, timeout=10):
        """The shown form window of the template, once the engine has built
        it; there is exactly one."""
        found = self.session.wait_form(template, timeout)
        self.assertIsNotNone(found, f"the form {template} is not showing")
        shown = [w for w in self.session.windows(FORM, visible_only=True)
                 if w["template"] == template]
        self.assertEqual(len(shown), 1, shown)
        return found

    def go(self, window, button, template):
        self.session.click(window["hwnd"], button)
        found = self.form(template)
        # The engine shows the new form before it destroys the one before:
        # until that is gone, a form of its template may still be found.
        self.assertTrue(wait_until(lambda: window["hwnd"] not in
                                   [w["hwnd"] for w in self.session.windows(FORM)], 10),
                        f"the form {window['template']} stayed")
        return found

    def open_registration(self, start):
        return self.go(start, "register", "Registration")

    def fields(self, window):
        return {c["name"]: c["text"] for c in self.session.controls(window["hwnd"])
                if c["class"] == "Edit"}

    def wait_fields(self, window, expected, timeout=5):
        """The form's fields once those named in expected hold their values
        (the form is filled just after it opens)."""
        def holds(value, wanted):
            return value in wanted if isinstance(wanted, set) else value == wanted

        def matching():
            fields = self.fields(window)
            return fields if all(holds(fields.get(k), v) for k, v in expected.items()) else None
        return wait_until(matching, timeout, interval=0.2) or self.fields(window)

    def assert_fields(self, window, expected):
        fields = self.wait_fields(window, expected)
        for name, value in expected.items():
            if isinstance(value, set):
                self.assertIn(fields.get(name), value, name)
            else:
                self.assertEqual(fields.get(name), value, name)

    def type_into(self, window, values):
        for name, text in values.items():
            self.session.set_text(window["hwnd"], name, text)

    def backdrop(self):
        windows = self.session.windows(BACKDROP)
        self.assertEqual(len(windows), 1, windows)
        return windows[0]

    def assert_result_box(self, text_id, timeout=20):
        """The result message of the exchange, closed with OK."""
        box = self.session.message_box(timeout=timeout)
        self.assertIsNotNone(box, f"no message box for string {text_id}")
        self.assertEqual(box["text"], self.texts[text_id][1])
        self.assertEqual(box["caption"], "Register Form")
        self.assertEqual(box["owner"], self.backdrop()["hwnd"])
        self.assertEqual((box["icon"], box["buttons"]), ("0", "1:OK"))
        self.assertTrue(self.session.close_message_box())
        self.assertTrue(self.session.wait_no_window("#32770", 5), self.boxes_left())

    def form_disabled(self, window):
        """Whether the form window takes no clicks (WS_DISABLED)."""
        listed = [w for w in self.session.windows(FORM) if w["hwnd"] == window["hwnd"]]
        self.assertEqual(len(listed), 1, "the form window has gone")
        return int(listed[0]["style"], 16) & WS_DISABLED != 0

    def press(self, dialog, control_id):
        """Posts a click to the dialog's control of that id."""
        control = [c for c in self.session.controls(dialog["hwnd"])
                   if c["id"] == str(control_id)]
        self.assertEqual(len(control), 1, control_id)
        self.session.winctl("post", control[0]["hwnd"], BM_CLICK, 0, 0)

    def password_dialog(self):
        """The dialog, and the ids of its user name and password fields."""
        dialog = self.session.wait_window("#32770", 20)
        self.assertEqual((dialog or {}).get("owner"), self.backdrop()["hwnd"], dialog)
        edits = wait_until(lambda: [c for c in self.session.controls(dialog["hwnd"])
                                    if c["class"] == "Edit"], 5)
        self.assertEqual(len(edits), 2, edits)
        edits.sort(key=lambda c: int(c["style"], 16) & ES_PASSWORD)  # the user name first
        return dialog, edits[0]["id"], edits[1]["id"]

    def boxes_left(self):
        """What is left of message boxes, for the failure's message."""
        return [(w["hwnd"], w["title"], w["visible"], self.session.controls(w["hwnd"]))
                for w in self.session.windows("#32770")]

    def fill_and_send(self, start):
        registration = self.open_registration(start)
        self.type_into(registration, TYPED)
        self.session.click(registration["hwnd"], "register_online")
        return registration


class PrefillTests(RegistrationScenario):
    def test_first_run_registration_form_shows_product_date_and_default_country(self):
        start = self.start_launcher("prefill-registration")
        registration = self.open_registration(start)
        expected = {name: "" for name in REGISTRATION_FIELDS}
        expected.update(reg_product=PRODUCT, reg_date=today_texts(), reg_country=DEFAULT_COUNTRY)
        self.assert_fields(registration, expected)
        self.session.screenshot("registration-prefilled")

    def test_first_run_buyer_form_shows_only_the_default_country(self):
        start = self.start_launcher("prefill-buyer")
        registration = self.open_registration(start)
        self.assert_fields(registration, {"reg_country": DEFAULT_COUNTRY})
        start = self.go(registration, "back", "Start")
        buyer = self.go(start, ORDER_BUTTON, "Buyer")
        expected = {name: "" for name in BUYER_FIELDS}
        expected["buyer_country"] = DEFAULT_COUNTRY
        self.assert_fields(buyer, expected)


class MissingFieldsTests(RegistrationScenario):
    def expected_warning(self, missing):
        texts = ini_values(self.disc / "VelInst.ini")["validate error"]
        return texts["warning"] + "".join(texts[key] for key in missing)

    def check_refused(self, registration, values, missing):
        self.type_into(registration, values)
        before = self.fields(registration)
        self.session.click(registration["hwnd"], "register_online")
        box = self.session.message_box(timeout=10)
        self.assertIsNotNone(box, "no warning")
        self.assertEqual(box["text"], self.expected_warning(missing))
        self.assertEqual(box["caption"], self.texts[142][1])
        self.assertEqual((box["owner"], box["icon"], box["buttons"]), ("0x0", "1", "1:OK"))
        self.assertTrue(self.session.close_message_box())
        self.assertTrue(self.session.wait_no_window("#32770", 5), self.boxes_left())
        self.assertEqual(self.fields(registration), before)

    def test_warning_lists_the_missing_fields_in_check_order_and_nothing_is_sent(self):
        peer = self.start_peer()
        start = self.start_launcher("missing-fields")
        registration = self.open_registration(start)
        self.assert_fields(registration, {"reg_country": DEFAULT_COUNTRY})

        with self.subTest("every required field empty"):
            self.check_refused(registration, {"reg_country": ""},
                               ["firstname", "lastname", "address", "city", "state", "zip",
                                "country"])
        with self.subTest("blanks count as empty"):
            self.check_refused(registration,
                               {"reg_first_name": "Ada", "reg_last_name": "   ",
                                "reg_city": "Austin", "reg_zip": " ", "reg_country": "USA"},
                               ["lastname", "address", "state", "zip"])
        with self.subTest("only the state missing"):
            values = dict(TYPED, reg_state="")
            self.check_refused(registration, values, ["state"])

        time.sleep(0.5)
        self.assertEqual(peer.requests, [])
        self.assert_no_profile()
        self.assertTrue(self.program.running())


class CompleteRegistrationTests(RegistrationScenario):
    def test_registration_reaches_the_vendor_and_prefills_the_forms_next_time(self):
        peer = self.start_peer("confirm")
        start = self.start_launcher("complete")
        registration = self.fill_and_send(start)
        self.session.screenshot("registration-filled")
        self.assert_result_box(40)

        self.check_request(peer.requests)
        self.check_profile(self.session.prefix.drive_c / "windows" / PROFILE_NAME)
        self.assertTrue(self.program.running())

        start = self.go(registration, "back", "Start")
        registration = self.open_registration(start)
        expected = {name: SENT[name] for name in PROFILE_KEYS.values()}
        expected.update(reg_product=PRODUCT, reg_serial="", reg_date=today_texts())
        self.assert_fields(registration, expected)
        self.session.screenshot("registration-reopened")

        start = self.go(registration, "back", "Start")
        buyer = self.go(start, ORDER_BUTTON, "Buyer")
        self.assert_fields(buyer, {name: SENT[field] for name, field in BUYER_FIELDS.items()})

    def check_request(self, requests):
        scripts = script_requests(requests)
        self.assertEqual(len(scripts), 1, json.dumps(requests, indent=1))
        request = scripts[0]
        # The redirect to the thank-you page was followed.
        self.assertEqual([r["path"] for r in requests], [SCRIPT_PATH, THANK_YOU_PATH])

        self.assertEqual((request["method"], request["version"]), ("GET", "HTTP/1.0"))
        self.assertTrue(request["request_line"].startswith("GET http://www.velmora.com"),
                        request["request_line"])
        self.assertTrue(request["request_line"].endswith(" HTTP/1.0"))
        self.assertEqual(request["host"], "www.velmora.com")
        self.assertIn(request["port"], (None, 80))
        headers = dict(request["headers"])
        self.assertEqual(headers.get("User-Agent"), "Velmora Agent")
        self.assertEqual(sorted(headers), ["Host", "User-Agent"])

        product = {"reg_product": PRODUCT}
        values = dict(SENT, **product)
        self.assertEqual([tuple(f) for f in request["fields"]],
                         FIXED_FIELDS + [(key, values[name]) for key, name in QUERY_KEYS])
        self.assertEqual(request["query"], sent_query(values))
        self.assertIn("&CITY=New%20York&", request["query"])
        self.assertIn("&FIRST%20NAME=J%FCrgen&", request["query"])

    def check_profile(self, profile):
        # Saved once the result box is closed, one key after another.
        expected = {"registration info": {key: SENT[name] for key, name in PROFILE_KEYS.items()}}
        wait_until(lambda: profile.exists() and ini_values(profile) == expected, 10)
        self.assertTrue(profile.exists(), [p for p in self.profile_candidates() if p.exists()])
        self.assertEqual(ini_values(profile), expected)


class OneCommandAtATimeTests(RegistrationScenario):
    def assert_keyboard_on(self, form, control):
        """The launcher's keyboard focus is on the form's control again, so
        Tab and Enter work without a click."""
        focus = wait_until(lambda: (lambda f: f if f["focus_root"] == form["hwnd"] else None)(
            self.session.focus(BACKDROP)), 3)
        self.assertTrue(focus, self.session.focus(BACKDROP))
        self.assertEqual((focus["active"], focus["focus_name"]), (form["hwnd"], control))

    def test_double_click_sends_once_and_the_form_keeps_the_keyboard(self):
        peer = self.start_peer("confirm")
        start = self.start_launcher("double-click")
        registration = self.open_registration(start)
        self.type_into(registration, TYPED)
        # The second click arrives while the first is being carried out: it
        # is handled inside the result box and must do nothing.
        self.session.click(registration["hwnd"], "register_online")
        self.session.click(registration["hwnd"], "register_online")
        # While a box is up the form takes no clicks that could hide it.
        self.assertIsNotNone(self.session.message_box(timeout=20), "no result box")
        self.assertTrue(self.form_disabled(registration))
        self.assert_result_box(40)
        self.assertIsNone(self.session.message_box(timeout=1.5), "a second result box")
        self.assertEqual(len(script_requests(peer.requests)), 1, peer.requests)
        self.assert_keyboard_on(registration, "register_online")
        self.assertFalse(self.form_disabled(registration))

        # The validation warning has no owner; the keyboard comes back too.
        self.type_into(registration, {"reg_city": ""})
        self.session.click(registration["hwnd"], "register_online")
        box = self.session.message_box(timeout=10)
        self.assertEqual((box or {}).get("owner"), "0x0", box)
        self.assertTrue(self.form_disabled(registration))
        # A click on the backdrop beside the form leaves the box on top.
        self.session.click_at(5, 700)
        time.sleep(0.5)
        shown = [w["hwnd"] for w in self.session.windows(visible_only=True)]
        self.assertEqual(shown[0], box["hwnd"], self.session.windows(visible_only=True))
        self.assertTrue(self.session.close_message_box())
        self.assertTrue(self.session.wait_no_window("#32770", 5), self.boxes_left())
        self.assert_keyboard_on(registration, "register_online")
        self.assertFalse(self.form_disabled(registration))
        self.assertEqual(len(script_requests(peer.requests)), 1)


class ProxyPasswordTests(RegistrationScenario):
    """The customer's proxy asks for a password (407, Basic): the system's
    dialog for it, owned by the backdrop, and the request sent once more with
    what was typed."""

    def test_the_proxys_password_dialog_and_the_request_once_more(self):
        peer = self.start_peer("proxy-password")
        registration = self.fill_and_send(self.start_launcher("proxy-password"))

        with self.subTest("cancelled: the proxy's refusal stands, the registration failed"):
            dialog, _, _ = self.password_dialog()
            self.assertTrue(self.form_disabled(registration))
            self.press(dialog, 2)
            self.assert_result_box(42)
            self.assertEqual([dict(r["headers"]).get("Proxy-Authorization") for r in peer.requests],
                             [None])
            self.assert_no_profile()

        with self.subTest("the password typed: the request goes again with it"):
            peer.server.requests.clear()
            self.session.click(registration["hwnd"], "register_online")
            dialog, user, password = self.password_dialog()
            self.session.set_text(dialog["hwnd"], f"#{user}", PROXY_USER)
            self.session.set_text(dialog["hwnd"], f"#{password}", PROXY_PASSWORD)
            self.press(dialog, 1)
            self.assert_result_box(40)
            sent = [(r["path"], dict(r["headers"]).get("Proxy-Authorization"))
                    for r in peer.requests]
            # The library may send each request without the password first
            # and add it when the proxy refuses (Wine's does); the customer
            # is asked once.
            self.assertEqual(sent[0], (SCRIPT_PATH, None), sent)
            self.assertIn((SCRIPT_PATH, PROXY_CREDENTIALS), sent)
            self.assertEqual(sent[-1], (THANK_YOU_PATH, PROXY_CREDENTIALS), sent)
            self.assertTrue(wait_until(lambda: any(p.exists() for p in self.profile_candidates()),
                                       5), "no profile")
        self.assertFalse(self.form_disabled(registration))


class SecureRegistrationTests(RegistrationScenario):
    """A disc that names an https address: the request goes through the
    customer's proxy as a CONNECT tunnel, the stand-in's certificate is
    checked as Windows checks it (its authority trusted in the prefix's root
    store), and nothing travels in plain HTTP."""
    ADDRESS = "https://www.velmora.com/cgi-local/FormMail.cgi"

    def test_only_the_hosts_own_certificate_gets_the_registration_and_only_encrypted(self):
        authority = authority_of(self.session.build)
        authority.trust(self.session.env(), env_path("VELINST_TRUST_ROOT"))
        peer = self.start_peer(tls=authority.server_context("other.example.com"))
        start = self.start_launcher("https", edits={"General": {"Registration Address":
                                                                self.ADDRESS}})
        registration = self.fill_and_send(start)

        def arrived(since):
            """What reached the peer since the count: CONNECT lines, and
            the tunnel and path of each request inside one."""
            return [r["target"] if r["method"] == "CONNECT" else f"{r['tunnel']} {r['path']}"
                    for r in peer.requests[since:]]

        with self.subTest("a certificate for another name: no thanks, nothing saved or read"):
            self.assertTrue(wait_until(lambda: peer.requests and not self.form_disabled(
                registration), 30), "the attempt did not end")
            self.assertIsNone(self.session.message_box(timeout=1))
            self.assert_no_profile()
            self.assertEqual(arrived(0), ["www.velmora.com:443"])

        with self.subTest("the host's own certificate: the exact target, thanks, the profile"):
            since = len(peer.requests)
            peer.server.tls = authority.server_context("www.velmora.com")
            self.session.click(registration["hwnd"], "register_online")
            self.assert_result_box(40)
            self.assertEqual(arrived(since), [
                "www.velmora.com:443", f"www.velmora.com:443 {SCRIPT_PATH}",
                "www.velmora.com:443", f"www.velmora.com:443 {THANK_YOU_PATH}"])
            script = peer.requests[since + 1]
            self.assertEqual(script["request_line"], f"GET {SCRIPT_PATH}?{script['query']} HTTP/1.0")
            https_thanks = FIXED_QUERY.replace("redirect=http://", "redirect=https://")
            self.assertEqual(script["query"], sent_query(dict(SENT, reg_product=PRODUCT),
                                                         https_thanks))
            self.assertEqual(dict(script["headers"]).get("User-Agent"), "Velmora Agent")
            self.assertTrue(wait_until(lambda: any(p.exists() for p in self.profile_candidates()),
                                       5), "no profile")

        with self.subTest("the proxy's password asked for the tunnel"):
            since = len(peer.requests)
            peer.server.mode = "proxy-password"
            self.session.click(registration["hwnd"], "register_online")
            dialog, user, password = self.password_dialog()
            self.session.set_text(dialog["hwnd"], f"#{user}", PROXY_USER)
            self.session.set_text(dialog["hwnd"], f"#{password}", PROXY_PASSWORD)
            self.press(dialog, 1)
            self.assert_result_box(40)
            self.assertIn(("CONNECT", PROXY_CREDENTIALS),
                          [(r["method"], dict(r["headers"]).get("Proxy-Authorization"))
                           for r in peer.requests[since:]])
            self.assertEqual([r for r in arrived(since) if " " in r],
                             [f"www.velmora.com:443 {SCRIPT_PATH}",
                              f"www.velmora.com:443 {THANK_YOU_PATH}"])
        # Nothing at all in plain HTTP: every request but the CONNECTs came
        # through a tunnel.
        self.assertEqual([r for r in peer.requests if r["method"] != "CONNECT"
                          and r["tunnel"] is None], [])


class ProfileUnderAnyUserNameTests(CompleteRegistrationTests):
    """A standard user whose account name is in Cyrillic, on an English
    system (ANSI code page 1252): the Windows directory may not be written, so
    the profile goes to the application-data folder, which only its short
    form names in ANSI. The disc sits in a folder named in Cyrillic too: the
    start screen, the product's name and the forms come from files beside the
    program, so the registration's road reads the disc as well."""
    USER = "\u0418\u0432\u0430\u043d"

    def setUp(self):
        super().setUp()
        drive_c = self.session.prefix.drive_c
        # The Windows directory read-only in a mount namespace of its own; the
        # wineserver opens the files, so it is the one that runs there.
        holder = subprocess.Popen(
            ["unshare", "-m", "--propagation", "private", "sh", "-c",
             'mount --bind "$0" "$0" && mount -o remount,bind,ro "$0" && exec sleep 600',
             drive_c / "windows"], stdin=subprocess.DEVNULL, start_new_session=True)
        self.addCleanup(lambda: (kill_group(holder.pid), holder.wait(timeout=10)))
        self.assertTrue(wait_until(lambda: holder.poll() is not None or Path(
            f"/proc/{holder.pid}/cmdline").read_bytes().startswith(b"sleep\0"), 5))
        self.assertIsNone(holder.poll(), "no mount namespace (unshare -m needs root)")
        self.addCleanup(self.session.restart_server)
        self.session.restart_server(["nsenter", f"--mount=/proc/{holder.pid}/ns/mnt"])

        # The user's roaming folder, as the user shell folders name it. Wine
        # reads names in the Unix locale's charset: the registry tool and the
        # launcher run in C.UTF-8.
        self.roaming = drive_c / "users" / self.USER / "AppData" / "Roaming"
        self.roaming.mkdir(parents=True, exist_ok=True)
        self.addCleanup(shutil.rmtree, drive_c / "users" / self.USER, ignore_errors=True)
        self.set_roaming_folder(f"C:\\users\\{self.USER}\\AppData\\Roaming")
        self.addCleanup(self.set_roaming_folder, r"%USERPROFILE%\AppData\Roaming")

    def set_roaming_folder(self, path):
        self.session.run("reg", ["add", USER_SHELL_FOLDERS, "/v", "AppData", "/t", "REG_EXPAND_SZ",
                                 "/d", path, "/f"], language=TYPING_LANGUAGE)

    def start_launcher(self, name, **options):
        return super().start_launcher(f"{name}-\u0434\u0438\u0441\u043a",
                                      language=TYPING_LANGUAGE, **options)

    def check_profile(self, profile):
        self.assertFalse(profile.exists(), "the profile went to the read-only Windows directory")
        super().check_profile(self.roaming / PROFILE_NAME)


class FailedReplyTests(RegistrationScenario):
    def test_replies_without_the_phrase_where_it_is_read_fail(self):
        for mode in ("no-phrase", "lower-case", "beyond-limit", "after-zero"):
            with self.subTest(mode=mode):
                self.session.close()
                peer = self.start_peer(mode)
                start = self.start_launcher(f"reply-{mode}")
                self.fill_and_send(start)
                self.assert_result_box(42)
                self.assertEqual(len(script_requests(peer.requests)), 1)
                self.assert_no_profile()
                self.assertTrue(self.program.running())

    def test_refused_connection_shows_nothing_and_leaves_the_form(self):
        self.route_through_proxy(free_port())
        start = self.start_launcher("refused")
        registration = self.open_registration(start)
        self.type_into(registration, TYPED)
        before = self.fields(registration)
        self.session.click(registration["hwnd"], "register_online")
        self.assertIsNone(self.session.message_box(timeout=2))
        self.assertEqual(self.fields(registration), before)
        self.assert_no_profile()
        self.assertTrue(self.program.running())
        self.assertEqual(self.form("Registration")["hwnd"], registration["hwnd"])


class InternetLibraryTests(RegistrationScenario):
    def test_without_the_internet_library_the_customer_is_told_and_nothing_is_sent(self):
        peer = self.start_peer()
        # The launcher starts although the library cannot be loaded: it
        # imports nothing from it.
        start = self.start_launcher("no-wininet", extra_env={"WINEDLLOVERRIDES": "wininet=d"})
        registration = self.fill_and_send(start)
        self.assert_result_box(160)
        self.assertEqual(peer.requests, [])
        self.assert_no_profile()
        self.assertEqual(self.form("Registration")["hwnd"], registration["hwnd"])

    def test_a_library_planted_beside_the_program_is_never_loaded(self):
        peer = self.start_peer()
        marker = self.session.build / "e2e" / "planted-library-loaded"
        marker.unlink(missing_ok=True)
        self.addCleanup(marker.unlink, missing_ok=True)

        def plant(disc):
            shutil.copy2(env_path("VELINST_PLANTED_LIBRARY"), disc / "wininet.dll")
        # Native libraries first: a load by bare name would take the one in
        # the program's folder.
        start = self.start_launcher("planted-wininet", before_start=plant,
                                    extra_env={"WINEDLLOVERRIDES": "wininet=n,b",
                                               "VELINST_PLANTED_MARKER": windows_path(marker)})
        self.fill_and_send(start)
        self.assert_result_box(40)
        self.assertEqual(len(script_requests(peer.requests)), 1)
        self.assertFalse(marker.exists(), "the planted wininet.dll was loaded")


class NoConnectionTests(RegistrationScenario):
    """The whole Wine session runs in a network namespace that has only
    loopback: Wine makes its sockets in the wineserver and reads the routes
    in its own services, so starting just the launcher there is not enough.
    The peer runs in the namespace too, so a request would reach it."""

    def setUp(self):
        super().setUp()
        # A working network device with no gateway: it only gets the default
        # route in the check that the peer was reachable.
        holder = subprocess.Popen(["unshare", "-n", "sh", "-c",
                                   "ip link set lo up && ip link add vt0 type veth peer name vt1 && "
                                   "ip addr add 10.203.0.1/24 dev vt0 && ip link set vt0 up && "
                                   "ip link set vt1 up && exec sleep 600"],
                                  stdin=subprocess.DEVNULL, start_new_session=True)
        self.addCleanup(self.end_process, holder)
        self.assertTrue(wait_until(lambda: holder.poll() is not None or Path(
            f"/proc/{holder.pid}/cmdline").read_bytes().startswith(b"sleep\0"), 5))
        self.assertIsNone(holder.poll(), "no network namespace (unshare -n needs root)")
        self.in_namespace = ["nsenter", f"--net=/proc/{holder.pid}/ns/net"]
        self.addCleanup(self.session.restart_server)
        self.session.restart_server(self.in_namespace)

    def end_process(self, process):
        kill_group(process.pid)
        process.wait(timeout=10)

    def run_in_namespace(self, *command):
        return run_bounded([*self.in_namespace, *command], dict(os.environ), 10)

    def start_namespace_peer(self):
        self.record = self.session.build / "e2e" / "namespace-peer.json"
        self.record.unlink(missing_ok=True)
        port = free_port()
        peer = subprocess.Popen([*self.in_namespace, sys.executable,
                                 Path(__file__).with_name("registration_peer.py"),
                                 "--port", str(port), "--record", self.record,
                                 "--lifetime", "120"],
                                stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                start_new_session=True)
        self.addCleanup(self.end_process, peer)
        probe = ("import socket, sys, time\n"
                 "deadline = time.monotonic() + 5\n"
                 "while True:\n"
                 "    try:\n"
                 f"        socket.create_connection(('127.0.0.1', {port}), 0.5).close()\n"
                 "        break\n"
                 "    except OSError:\n"
                 "        if time.monotonic() > deadline: sys.exit(1)\n"
                 "        time.sleep(0.05)\n")
        self.run_in_namespace(sys.executable, "-c", probe)
        self.route_through_proxy(port)

    def recorded(self):
        try:
            return json.loads(self.record.read_text())
        except FileNotFoundError:
            return []

    def test_offline_system_asks_to_connect_and_sends_nothing(self):
        self.start_namespace_peer()
        start = self.start_launcher("offline", wrapper=self.in_namespace)
        registration = self.fill_and_send(start)
        self.assert_result_box(41)
        time.sleep(0.5)
        self.assertEqual(self.recorded(), [])
        self.assert_no_profile()
        self.assertTrue(self.program.running())

        # The same namespace with a gateway counts as connected: the peer was
        # reachable all along, only the probe held the request back.
        self.run_in_namespace("ip", "route", "add", "default", "via", "10.203.0.2", "dev", "vt0")
        self.session.click(registration["hwnd"], "register_online")
        self.assert_result_box(40)
        self.assertEqual(len(script_requests(self.recorded())), 1)
