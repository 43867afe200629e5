"""Online registration against vendor's hosts that misbehave: replies cut
off, huge, trickled, redirected for good, answered with a server error or
with binary bytes, and a host that accepts the request and never answers.
Each attempt ends in its message or in none, the profile is written only
when the registration is confirmed, and the program stays responsive."""
import time

from registration_peer import SCRIPT_PATH, SILENCE_LIMIT
from test_registration import BACKDROP, PROFILE_KEYS, PROFILE_NAME, SENT, RegistrationScenario
from velinst_e2e import wait_until, write_ini_lines

# The exchange's time-out for each step, and the redirections it follows.
TIMEOUT = 30
MOST_REDIRECTIONS = 10


class HostileServerScenario(RegistrationScenario):
    def open_filled_registration(self, name):
        """The registration form, filled in from a saved profile rather
        than typed (quicker); the profile is removed once the form shows."""
        profile = self.session.prefix.drive_c / "windows" / PROFILE_NAME
        write_ini_lines(profile, ["[registration info]"] + [
            f"{key}={SENT[field]}" for key, field in PROFILE_KEYS.items()])
        registration = self.open_registration(self.start_launcher(name))
        self.assert_fields(registration, {"reg_city": SENT["reg_city"]})
        self.remove_profiles()
        return registration

    def assert_responsive(self, window, mode):
        """The program handles messages again: typing into the form works
        (winctl gives up on a window that does not answer within 5 s)."""
        self.assertTrue(self.program.running(), mode)
        self.session.set_text(window["hwnd"], "reg_fax", f"after {mode}")

    def assert_ends_silently(self, peer, requests):
        """The attempt sent `requests` requests and ended with no message."""
        self.assertTrue(wait_until(lambda: len(peer.requests) >= requests, 10),
                        len(peer.requests))
        self.assertIsNone(self.session.message_box(timeout=2), self.boxes_left())
        self.assertEqual(len(peer.requests), requests)


class HostileServerTests(HostileServerScenario):
    # mode: the result message (None: no message), whether the profile is
    # saved, and the requests the attempt makes.
    OUTCOMES = [
        ("reset", None, False, 2),
        ("huge-phrase-last", 42, False, 2),
        ("huge-phrase-first", 40, True, 2),
        ("trickle", 40, True, 2),
        ("redirect-loop", None, False, 1 + MOST_REDIRECTIONS),
        ("status-500", 40, True, 2),
        ("high-bytes", 40, True, 2),
    ]

    def test_each_misbehaving_host_ends_in_its_message_or_none(self):
        peer = self.start_peer("confirm")
        registration = self.open_filled_registration("hostile")
        for mode, text_id, saved, requests in self.OUTCOMES:
            with self.subTest(mode=mode):
                self.remove_profiles()
                peer.server.mode = mode
                peer.server.requests.clear()
                self.session.click(registration["hwnd"], "register_online")
                if text_id is None:
                    self.assert_ends_silently(peer, requests)
                else:
                    self.assert_result_box(text_id)
                    self.assertEqual(len(peer.requests), requests)
                self.assertEqual(peer.requests[0]["path"], SCRIPT_PATH)
                if saved:
                    self.assertTrue(wait_until(lambda: any(
                        p.exists() for p in self.profile_candidates()), 5), "no profile")
                else:
                    self.assert_no_profile()
                self.assert_responsive(registration, mode)
        self.assertEqual(self.form("Registration")["hwnd"], registration["hwnd"])


class SilentHostTests(HostileServerScenario):
    def test_a_host_that_never_answers_is_given_up_after_the_time_out(self):
        peer = self.start_peer("silent")
        registration = self.open_filled_registration("silent-host")
        # Typed keys reach the field that has the keyboard focus.
        field = self.session.focus(BACKDROP)["focus_name"]
        self.session.type_keys("Z")
        self.assertTrue(wait_until(lambda: "Z" in self.fields(registration).get(field, ""), 5),
                        (field, self.fields(registration)))
        before = self.fields(registration)
        self.session.click(registration["hwnd"], "register_online")

        # The exchange waits on a thread of its own: the program answers the
        # probe Windows makes before it greys a program as not responding,
        # every second, while its form takes no clicks and a second press
        # of the button is dropped.
        self.assertTrue(wait_until(lambda: peer.requests, 10), "no request")
        self.session.post_command(BACKDROP, 3044)
        # The backdrop holds the keyboard while the form waits: what the
        # customer types changes nothing of what is being sent.
        self.assertEqual(self.session.focus(BACKDROP)["focus"], self.backdrop()["hwnd"])
        self.session.type_keys("Oops")
        for second in range(10):
            started = time.monotonic()
            self.assertTrue(self.session.responds(registration["hwnd"], 2),
                            f"no answer after {second} s")
            self.assertTrue(self.form_disabled(registration), second)
            time.sleep(max(0.0, 1 - (time.monotonic() - started)))

        def given_up():
            return [r["silent_for"] for r in peer.requests if r.get("silent_for")]
        waited = wait_until(given_up, TIMEOUT + 30, interval=0.5)
        self.assertTrue(waited, "the program still waits for the silent host")
        self.assertEqual(len(waited), 1)
        self.assertGreaterEqual(waited[0], TIMEOUT - 1)
        self.assertLess(waited[0], TIMEOUT + 15)
        self.assertLess(waited[0], SILENCE_LIMIT)

        self.assertIsNone(self.session.message_box(timeout=2), self.boxes_left())
        self.assertEqual(len(peer.requests), 1)
        self.assert_no_profile()
        self.assertFalse(self.form_disabled(registration))
        self.assertEqual(self.fields(registration), before)
        # Then the keyboard is back on the button that was pressed.
        focus = self.session.focus(BACKDROP)
        self.assertEqual((focus["focus_name"], focus["focus_root"]),
                         ("register_online", registration["hwnd"]), focus)
        self.assert_responsive(registration, "silence")
