"""The form engine VORM2.dll under wine64, driven like a customer: each
sample screen opens in vorm_host.exe (which owns the form windows the way
the launcher does and logs what the engine tells it), and winctl / xdotool
type, press and read by the controls' names."""
import os
import shutil
import subprocess
import time
from pathlib import Path

from velinst_e2e import (ScenarioTestCase, env_path, ini_values, rect, run_bounded, source_dir,
                         wait_until, windows_path)

FORM = "Template Window Class"
ES_READONLY = 0x0800
ES_RIGHT = 0x0002
BS_TYPEMASK, BS_DEFPUSHBUTTON = 0x000F, 0x0001


def screens():
    return source_dir() / "disc" / "screens"


class VormHost:
    """vorm_host.exe on one template, with its log and command files."""

    def __init__(self, case, template, prefill=None, debug=False):
        self.session = case.session
        self.folder = self.session.build / "e2e" / "vorm" / case.id().split(".")[-1]
        shutil.rmtree(self.folder, ignore_errors=True)
        self.folder.mkdir(parents=True)
        self.log = self.folder / "log.txt"
        self.commands = self.folder / "commands.txt"
        self.commands.write_text("")
        self.log.write_text("")
        exe = Path(env_path("VELINST_VORM_DLL")).parent / "vorm_host.exe"
        args = [windows_path(template), windows_path(self.log), windows_path(self.commands)]
        if prefill:
            args += list(prefill)
        # Wine prints what is passed to OutputDebugStringA on this channel.
        extra = {"WINEDEBUG": "-all,warn+debugstr"} if debug else None
        self.program = self.session.start(exe, args, extra_env=extra)

    def lines(self):
        return [line.split("\t") for line in self.log.read_text(encoding="latin-1").splitlines()]

    def wait_line(self, first, timeout=10, count=1):
        """The count-th log line starting with `first`, or None."""
        def find():
            found = [line for line in self.lines() if line[0] == first]
            return found[count - 1] if len(found) >= count else None
        return wait_until(find, timeout)

    def count(self, first):
        return sum(1 for line in self.lines() if line[0] == first)

    def send(self, *fields):
        """Hands one command to the host; returns a function that waits for
        its reply line (the command may sit in a modal message box)."""
        verb = fields[0]
        before = self.count(verb)
        with open(self.commands, "a", encoding="latin-1") as out:
            out.write("\t".join(str(f) for f in fields) + "\n")

        def reply(timeout=10):
            line = self.wait_line(verb, timeout, before + 1)
            if line is None:
                raise AssertionError(f"vorm_host did not answer {fields}")
            return line
        return reply

    def call(self, *fields, timeout=10):
        """Runs one command in the host; returns its reply line."""
        return self.send(*fields)(timeout)

    def quiet_since(self, mark):
        """True when no field change was logged after the mark-th line."""
        return all(line[0] != "changed" for line in self.lines()[mark:])


def write_templates(case, name, files):
    """Writes {file name: text} (str as UTF-8, bytes as they are) into a fresh
    folder <build>/e2e/vorm/<name>; returns the folder."""
    folder = case.session.build / "e2e" / "vorm" / name
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir(parents=True)
    for file, text in files.items():
        (folder / file).write_bytes(text if isinstance(text, bytes) else text.encode("utf-8"))
    return folder


class EngineTestCase(ScenarioTestCase):
    def assert_warning(self, owner, file, reason):
        """The engine's warning about a template, owned by `owner`; closes it."""
        box = self.session.message_box(timeout=10)
        self.assertIsNotNone(box, "no warning about the template")
        self.assertTrue(self.session.close_message_box())
        self.assertTrue(self.session.wait_no_window("#32770", 5))
        self.assertEqual((box["caption"], box["owner"], box["icon"], box["buttons"]),
                         ("Screen template", owner, "1", "1:OK"))
        self.assertEqual(box["text"], f"This screen cannot be shown:\n{windows_path(file)}\n\n{reason}")

    def open(self, template, prefill=None):
        host = VormHost(self, template, prefill)
        self.assertIsNotNone(host.wait_line("create", 20), "vorm_host did not start")
        form = self.session.wait_form(timeout=10)
        self.assertIsNotNone(form, f"no form window for {template}")
        return host, form

    def controls(self, form):
        """Named controls by name. Global atoms keep the case in which a name
        was first added in the session, so names are compared in lower case."""
        return {c["name"].lower(): c for c in self.session.controls(form["hwnd"]) if c.get("name")}

    def xdotool(self, *keys):
        env = dict(os.environ, DISPLAY=self.session.display)
        run_bounded(["xdotool", *keys], env, 10)
        time.sleep(0.3)

    def shot(self, form, name):
        return self.session.window_shot(form, name)


class SampleScreenTests(EngineTestCase):
    """Each screen of the sample disc, as the customer first sees it."""

    def check_screen(self, file, name, title, fields, shot):
        host, form = self.open(screens() / file)
        opened = host.wait_line("opened")
        # Announced with its name, while the new window was still hidden and
        # its named controls existed.
        self.assertEqual(opened[1], name)
        self.assertEqual(opened[3], "visible=0")
        self.assertNotEqual(opened[4], "fields=0")
        self.assertEqual(form["title"], title)
        self.assertEqual(form["template"], name)
        self.assertEqual(form["visible"], "1")
        owner = [w for w in self.session.windows() if w["hwnd"] == form["owner"]]
        self.assertEqual([w["class"] for w in owner], ["VormHostOwner"])
        # Centred on the 1024 x 768 screen.
        left, top, right, bottom = rect(form)
        self.assertLessEqual(abs((left + right) - 1024), 2)
        self.assertLessEqual(abs((top + bottom) - 768), 40)
        controls = self.controls(form)
        self.assertLessEqual({f.lower() for f in fields}, set(controls), f"missing on {file}")
        self.assertEqual(host.call("name")[1], name)
        self.shot(form, shot)
        return host, controls

    def test_start_screen(self):
        _, controls = self.check_screen(
            "start.vrm", "Start", "Corvinel Professional 4.0",
            ["install", "register", "order_products", "product_page", "vendor_site", "exit"],
            "vorm-start")
        self.assertEqual(controls["install"]["text"], "&Install")

    def test_registration_form(self):
        ini = ini_values(source_dir() / "disc" / "VelInst.ini")
        fields = list(ini["registration form"].values())
        self.assertEqual(len(fields), 15)
        _, controls = self.check_screen(
            "register.vrm", ini["form name"]["registration"],
            "Corvinel Professional 4.0 - Registration",
            fields + ["register_online", "print_form", "printer_setup", "back"],
            "vorm-register")
        for field in fields:
            self.assertEqual(controls[field]["class"], "Edit")

    def test_buyer_form(self):
        ini = ini_values(source_dir() / "disc" / "VelInst.ini")
        fields = list(ini["buyer form"].values())
        self.assertEqual(len(fields), 11)
        self.check_screen("buyer.vrm", ini["form name"]["buyer"],
                          "Corvinel Professional 4.0 - Order", fields + ["continue", "back"],
                          "vorm-buyer")

    def test_order_form(self):
        ini = ini_values(source_dir() / "disc" / "VelInst.ini")
        fields = list(ini["order form"].values())
        _, controls = self.check_screen(
            "order.vrm", ini["form name"]["order"], "Corvinel Professional 4.0 - Order",
            fields + ["Check", "Visa", "MasterCard", "American Express", "print_order",
                      "printer_setup", "order_online", "back"],
            "vorm-order")
        for key, field in ini["order form"].items():
            style = int(controls[field]["style"], 16)
            if key.startswith("price_"):
                self.assertTrue(style & ES_READONLY, field)
                self.assertTrue(style & ES_RIGHT, field)
            else:
                self.assertFalse(style & ES_READONLY, field)
        self.assertEqual(controls["check"]["checked"], "1")


class FieldTests(EngineTestCase):
    def test_reads_are_cut_to_capacity_and_never_overrun(self):
        host, _ = self.open(screens() / "register.vrm")
        self.assertEqual(host.call("set", "reg_city", "Portland"), ["set", "1", "writes=1"])
        self.assertEqual(host.call("get", "reg_city", 100), ["get", "1", "Portland", "intact=1"])
        self.assertEqual(host.call("get", "REG_CITY", 5), ["get", "1", "Port", "intact=1"])
        self.assertEqual(host.call("get", "reg_city", 1), ["get", "1", "", "intact=1"])
        # Unknown and empty names match nothing.
        self.assertEqual(host.call("get", "no_such_field", 10), ["get", "0", "", "intact=1"])
        self.assertEqual(host.call("get", "", 10), ["get", "0", "", "intact=1"])
        self.assertEqual(host.call("set", "no_such_field", "x"), ["set", "0", "writes=0"])
        self.assertEqual(host.call("set", "", "x"), ["set", "0", "writes=0"])
        # A button or a label is not a field.
        self.assertEqual(host.call("get", "back", 10), ["get", "0", "", "intact=1"])
        # The engine keeps a field within its own length (maxlength = 7).
        host.call("set", "reg_state", "x" * 40)
        self.assertEqual(host.call("get", "reg_state", 100)[2], "x" * 7)
        # A field that shows the text already is not written again, also when
        # the text is cut to the same; another text is.
        for text, writes in (("Portland", 0), ("x" * 40, 0), ("x" * 7, 0), ("PORTLAND", 1)):
            field = "reg_city" if text.lower() == "portland" else "reg_state"
            self.assertEqual(host.call("set", field, text), ["set", "1", f"writes={writes}"], text)

    def test_only_the_customers_changes_are_reported(self):
        host, form = self.open(screens() / "order.vrm")
        host.wait_line("opened")
        mark = len(host.lines())
        host.call("set", "line_1", "$149.00")
        host.call("set", "qty_2", "3")
        host.call("name")
        self.assertTrue(host.quiet_since(mark), host.lines())
        self.assertEqual(self.session.get_text(form["hwnd"], "line_1"), "$149.00")
        # Text set from outside arrives as typing does.
        self.session.set_text(form["hwnd"], "qty_1", "2")
        self.assertIsNotNone(host.wait_line("changed", 5))
        self.assertEqual(host.call("get", "qty_1", 8)[2], "2")

    def test_prefill_inside_the_opened_message_is_shown_and_not_reported(self):
        host, form = self.open(screens() / "buyer.vrm", prefill=("buyer_city", "Austin"))
        self.assertEqual(self.session.get_text(form["hwnd"], "buyer_city"), "Austin")
        host.call("name")
        self.assertEqual(host.count("changed"), 0, host.lines())


class ButtonTests(EngineTestCase):
    def test_command_buttons_send_their_numbers_to_the_owner(self):
        host, form = self.open(screens() / "start.vrm")
        for name, number in (("install", "3024"), ("product_page", "3028"),
                             ("vendor_site", "3064"), ("exit", "4004")):
            before = host.count("command")
            self.session.click(form["hwnd"], name)
            self.assertEqual(host.wait_line("command", 5, before + 1), ["command", number])
        self.assertTrue(host.program.running())
        self.assertEqual(len(self.session.windows(FORM)), 1)

    def test_the_host_sets_a_command_buttons_caption_and_enabled_state(self):
        host, form = self.open(screens() / "start.vrm")
        self.assertEqual(host.call("button", 3024, "Star&t", 0), ["button", "1"])
        self.assertEqual(host.call("button", 3094, "-", 0), ["button", "0"])  # none sends it
        install = self.controls(form)["install"]
        self.assertEqual((install["text"], install["enabled"]), ("Star&t", "0"))
        # Disabled, it gives its focus to a button that works and takes
        # neither a click nor its letter.
        self.assertEqual(self.session.focus(form["hwnd"])["focus_name"].lower(), "register")
        self.session.click(form["hwnd"], "install")
        self.xdotool("key", "alt+t")
        self.assertEqual(host.count("command"), 0)
        # Enabled, its new letter presses it; without a caption it shows the
        # template's again.
        self.assertEqual(host.call("button", 3024, "Star&t", 1), ["button", "1"])
        self.xdotool("key", "alt+t")
        self.assertEqual(host.wait_line("command", 5), ["command", "3024"])
        host.call("button", 3024, "-", 1)
        self.assertEqual(self.controls(form)["install"]["text"], "&Install")

    def test_navigation_opens_the_new_form_before_closing_the_old(self):
        host, start = self.open(screens() / "start.vrm")
        self.session.click(start["hwnd"], "register")
        opened = host.wait_line("opened", 10, 2)
        self.assertEqual(opened[:4], ["opened", "Registration", "forms=2", "visible=0"])
        self.assertTrue(self.session.wait_window(FORM, 5, title="Corvinel Professional 4.0 - Registration"))
        self.assertTrue(wait_until(lambda: len(self.session.windows(FORM)) == 1, 5))
        self.assertEqual(host.call("name")[1], "Registration")
        # Back, then on to the buyer form: each target is beside its template.
        register = self.session.wait_form("Registration", 5)
        self.session.click(register["hwnd"], "back")
        self.assertEqual(host.wait_line("opened", 10, 3)[1], "Start")
        start = self.session.wait_form("Start", 5)
        self.assertEqual(start["title"], "Corvinel Professional 4.0")
        self.assertTrue(wait_until(lambda: len(self.session.windows(FORM)) == 1, 5))
        self.session.click(start["hwnd"], "order_products")
        self.assertEqual(host.wait_line("opened", 10, 4)[1], "Buyer")
        self.assertEqual(host.count("command"), 0)

    def test_a_broken_target_is_reported_and_leaves_the_form_as_it_was(self):
        folder = write_templates(self, "broken-target", {
            "bad.vrm": "[template]\nname = Bad\nsize = 100, 100\n[edit]\nname = a\n",
            "a.vrm": "[template]\nname = A\nsize = 300, 120\n"
                     "[button]\nname = missing\ntext = Missing\nat = 10, 10, 80, 24\ngoto = none.vrm\n"
                     "[button]\nname = bad\ntext = Bad\nat = 100, 10, 80, 24\ngoto = bad.vrm\n"
                     "[button]\nname = done\ntext = Done\nat = 190, 10, 80, 24\nclose = yes\n"})
        host, form = self.open(folder / "a.vrm")
        # The author learns why, in a warning above the form that asked.
        self.session.click(form["hwnd"], "missing")
        self.assert_warning(form["hwnd"], folder / "none.vrm", "the file does not exist")
        self.session.click(form["hwnd"], "bad")
        self.assert_warning(form["hwnd"], folder / "bad.vrm", 'line 4: [edit] needs "at"')
        # Asked for by the host, the warning is the host's.
        reply = host.send("create", windows_path(folder / "none.vrm"))
        owner = [w for w in self.session.windows() if w["class"] == "VormHostOwner"][0]
        self.assert_warning(owner["hwnd"], folder / "none.vrm", "the file does not exist")
        self.assertEqual(reply(), ["create", "0"])
        self.assertEqual(host.call("name")[1], "A")
        self.assertEqual([w["hwnd"] for w in self.session.windows(FORM)], [form["hwnd"]])
        self.assertEqual(host.count("opened"), 1)
        # A close button ends the form; the host then finds none left.
        self.session.click(form["hwnd"], "done")
        self.assertIsNotNone(host.wait_line("closed", 5))
        self.assertEqual(host.program.wait(10), 0)

    def test_the_close_box_ends_the_form(self):
        host, form = self.open(screens() / "buyer.vrm")
        self.session.post_close(form["hwnd"])
        self.assertTrue(self.session.wait_no_window(FORM, 5))
        self.assertIsNotNone(host.wait_line("closed", 5))


class RadioTests(EngineTestCase):
    def test_one_option_of_a_group_is_selected_and_read_by_name(self):
        host, form = self.open(screens() / "order.vrm")
        self.assertEqual(host.call("check", 1, 32), ["check", "1", "Check", "intact=1"])
        self.session.click(form["hwnd"], "American Express")
        self.assertTrue(wait_until(
            lambda: host.call("check", 1, 32)[2] == "American Express", 5))
        self.assertEqual(host.call("check", 1, 5), ["check", "1", "Amer", "intact=1"])
        checked = [n for n, c in self.controls(form).items() if c["checked"] == "1"]
        self.assertEqual(checked, ["american express"])
        self.assertEqual(host.call("check", 2, 32), ["check", "0", "", "intact=1"])


class MissingTemplateTests(EngineTestCase):
    def test_a_missing_or_malformed_template_opens_nothing_and_says_why(self):
        folder = write_templates(self, "malformed", {
            "bad.vrm": "[template]\nname = Bad\nsize = 100, 100\n[label]\nat = 1,2\n",
            "marked.vrm": b"\xef\xbb\xbf[template]\nname = Caf\xe9\nsize = 100, 100\n"})
        for template, reason in ((folder / "none.vrm", "the file does not exist"),
                                 (folder / "bad.vrm", 'line 5: "at" needs 4 numbers (x, y, width, height)'),
                                 (folder / "marked.vrm", "line 2: this line is not UTF-8, although "
                                                         "the file starts as UTF-8 (byte-order mark)")):
            with self.subTest(template=template.name):
                host = VormHost(self, template, debug=True)
                owner = self.session.wait_window("VormHostOwner", 10)
                self.assert_warning(owner["hwnd"], template, reason)
                self.assertEqual(host.program.wait(20), 1)
                self.assertEqual(host.lines(), [["create", "0"]])
                self.assertEqual(self.session.windows(FORM), [])
                # The same words reach a debugger (Wine escapes \\ and ").
                said = f"VORM2: {windows_path(template)}: {reason}"
                said = said.replace("\\", "\\\\").replace('"', '\\"')
                self.assertIn(f'OutputDebugStringA "{said}', host.program.output())


class KeyboardTests(EngineTestCase):
    def test_keys_move_through_a_form_like_a_dialog(self):
        host, form = self.open(screens() / "register.vrm")
        # Focus starts on the first field.
        self.xdotool("type", "Corvinel")
        self.xdotool("key", "Tab")
        self.xdotool("type", "CV-1234")
        self.xdotool("key", "shift+Tab")
        self.xdotool("type", "Corvinel Pro")  # Tab selected the field's text
        self.xdotool("key", "alt+c")          # "&City:" leads to the city field
        self.xdotool("type", "Austin")
        self.assertEqual(host.call("get", "reg_product", 64)[2], "Corvinel Pro")
        self.assertEqual(host.call("get", "reg_serial", 64)[2], "CV-1234")
        self.assertEqual(host.call("get", "reg_city", 64)[2], "Austin")
        self.assertGreater(host.count("changed"), 0)
        # Enter presses the default button, Register Online.
        self.xdotool("key", "Return")
        self.assertEqual(host.wait_line("command", 5), ["command", "3044"])
        # A button's mnemonic presses it: Back to the start screen.
        self.xdotool("key", "alt+b")
        self.assertEqual(host.wait_line("opened", 10, 2)[1], "Start")

    def test_arrows_move_within_a_radio_group(self):
        host, _ = self.open(screens() / "order.vrm")
        self.xdotool("key", "alt+v")
        self.assertEqual(host.call("check", 1, 32)[2], "Visa")
        self.xdotool("key", "Down")
        self.assertEqual(host.call("check", 1, 32)[2], "MasterCard")
        self.assertEqual(host.wait_line("uistate", 5, host.count("uistate")), ["uistate", "2", "1"])
        self.xdotool("key", "Up", "Up")
        self.assertEqual(host.call("check", 1, 32)[2], "Check")
        # Tab leaves the group for the card number field.
        self.xdotool("key", "Tab")
        self.xdotool("type", "4111")
        self.assertEqual(host.call("get", "card_number", 32)[2], "4111")
        self.assertEqual(host.call("check", 1, 32)[2], "Check")


    def defaults(self, form):
        """The buttons drawn as the default (BS_DEFPUSHBUTTON)."""
        return [name for name, c in self.controls(form).items() if c["class"] == "Button" and
                int(c["style"], 16) & BS_TYPEMASK == BS_DEFPUSHBUTTON]

    def test_the_default_button_follows_the_focus_and_keys_show_the_cues(self):
        host, start = self.open(screens() / "start.vrm")
        self.assertEqual(self.defaults(start), ["install"])
        # The focused push button is the default, and Enter presses it.
        self.xdotool("key", "Tab")
        self.assertEqual(self.defaults(start), ["register"])
        self.xdotool("key", "Return")
        self.assertEqual(host.wait_line("opened", 10, 2)[1], "Registration")
        form = self.session.wait_form("Registration", 10, names=("register_online", "print_form"))
        # In a field, the template's default button is the default again.
        self.assertTrue(wait_until(lambda: self.defaults(form) == ["register_online"], 5))
        self.xdotool("key", "shift+Tab", "shift+Tab")
        self.assertEqual(self.defaults(form), ["print_form"])
        self.xdotool("key", "Return")
        self.assertEqual(host.wait_line("command", 5), ["command", "3045"])
        self.xdotool("key", "alt+p")  # "&Product:" leads to its field
        self.assertEqual(self.defaults(form), ["register_online"])
        self.xdotool("key", "Left")  # the field's own key, which shows the focus too
        self.xdotool("key", "Return")
        self.assertEqual(host.wait_line("command", 5, 2), ["command", "3044"])
        self.assertEqual(host.count("command"), 2)
        # Cues as the last input says when a form opens (UIS_INITIALIZE, 3),
        # focus rectangles from Tab on (UIS_CLEAR, 2, of UISF_HIDEFOCUS, 1),
        # underlined letters too from Alt (UISF_HIDEACCEL, 2) and its letter,
        # and focus rectangles from any arrow.
        self.assertEqual([line[1:] for line in host.lines() if line[0] == "uistate"],
                         [["3", "3"], ["2", "1"], ["3", "3"], ["2", "1"], ["2", "1"], ["2", "2"],
                          ["2", "3"], ["2", "1"]])


class HeldKeyTests(EngineTestCase):
    def hold(self, key, seconds=1.2):
        """Holds a key down long enough for the keyboard to repeat it."""
        self.xdotool("keydown", key)
        time.sleep(seconds)
        self.xdotool("keyup", key)

    def test_a_held_enter_presses_once_also_across_a_change_of_screen(self):
        host, _ = self.open(screens() / "start.vrm")
        # Install has the focus and is the default: one installer, not many.
        self.hold("Return")
        self.assertEqual(host.wait_line("command", 5), ["command", "3024"])
        # Register opens the registration form, whose default button sends
        # the registration: the repeats of the same press must not reach it.
        self.xdotool("key", "Tab")
        self.hold("Return")
        self.assertEqual(host.wait_line("opened", 10, 2)[1], "Registration")
        time.sleep(0.5)
        self.assertEqual(host.count("command"), 1, host.lines())
        # A new press is a new press.
        self.hold("Return", 0.6)
        self.assertEqual(host.wait_line("command", 5, 2), ["command", "3044"])
        time.sleep(0.5)
        self.assertEqual(host.count("command"), 2, host.lines())
        # Alt+letter held down presses once too: Back to the start screen.
        self.xdotool("keydown", "alt")
        self.hold("b")
        self.xdotool("keyup", "alt")
        self.assertEqual(host.wait_line("opened", 10, 3)[1], "Start")
        time.sleep(0.5)
        self.assertEqual(host.count("opened"), 3, host.lines())


class EncodingTests(EngineTestCase):
    """A screen as an author writes it in Notepad: UTF-8, letters above 127."""

    TEMPLATE = ("[template]\nname = Caf\u00e9\ntitle = \u00a9 2026 Caf\u00e9\nsize = 360, 150\n"
                "[label]\nname = street\ntext = Stra\u00dfe \u2013 \u03a9\nat = 10, 8, 200, 18\n"
                "[group]\ntext = &Payment\nat = 8, 30, 220, 60\n"
                "[label]\ntext = Card:\nat = 16, 56, 50, 18\n"
                "[edit]\nname = card\nat = 70, 54, 140, 22\n"
                "[edit]\nname = note\nat = 240, 54, 100, 22\n"
                "[button]\nname = change\ntext = &\u00c4ndern\nat = 10, 110, 100, 26\ncommand = 7\n")
    WM_SYSCHAR = 0x0106
    REPEATED = 1 << 30

    def test_a_utf8_screen_shows_its_letters_and_answers_to_them(self):
        for name, text in (("utf8", self.TEMPLATE.encode("utf-8")),
                           ("utf8-marked", b"\xef\xbb\xbf" + self.TEMPLATE.encode("utf-8"))):
            with self.subTest(name=name):
                folder = write_templates(self, name, {"screen.vrm": text})
                host, form = self.open(folder / "screen.vrm")
                self.assertEqual(host.wait_line("opened")[1], "Caf\u00e9")
                self.assertEqual(form["title"], "\u00a9 2026 Caf\u00e9")
                controls = self.controls(form)
                # The dash is Windows-1252's 0x96; the omega is not in it.
                self.assertEqual(controls["street"]["text"], "Stra\u00dfe \x96 ?")
                self.assertEqual(controls["change"]["text"], "&\u00c4ndern")
                # Alt+\u00e4 and Alt+\u00c4 press "&\u00c4ndern"; a repeat of the key does not.
                for char, lparam in ((0xE4, 0x20000001), (0xE4, 0x20000001 | self.REPEATED),
                                     (0xC4, 0x20000001)):
                    self.session.winctl("post", form["hwnd"], self.WM_SYSCHAR, char, lparam)
                self.assertIsNotNone(host.wait_line("command", 5, 2))
                time.sleep(0.3)
                self.assertEqual(host.count("command"), 2, host.lines())
                # The frame's letter leads to the first field inside it.
                self.xdotool("key", "alt+p")
                self.xdotool("type", "42")
                self.assertEqual(host.call("get", "card", 10)[2], "42")
                self.assertEqual(host.call("get", "note", 10)[2], "")
                self.session.close()


class LifetimeTests(EngineTestCase):
    def test_a_host_that_frees_the_engine_keeps_working_forms(self):
        host, form = self.open(screens() / "start.vrm")
        self.assertEqual(host.call("release"), ["release", "1"])
        # The form's window procedure and the keyboard handling are the DLL's.
        self.session.click(form["hwnd"], "product_page")
        self.assertEqual(host.wait_line("command", 5), ["command", "3028"])
        self.xdotool("key", "alt+i")
        self.assertEqual(host.wait_line("command", 5, 2), ["command", "3024"])
        self.assertEqual(host.call("name")[1], "Start")
        self.session.click(form["hwnd"], "register")
        self.assertEqual(host.wait_line("opened", 10, 2)[1], "Registration")
        self.assertTrue(host.program.running())


class DpiTests(EngineTestCase):
    """Template units are 96-DPI units: at 144 DPI everything is half as
    large again."""

    DESKTOP = r"HKCU\Control Panel\Desktop"

    def measure(self):
        host, form = self.open(screens() / "start.vrm")
        install = self.controls(form)["install"]
        sizes = []
        for item in (form, install):
            left, top, right, bottom = rect(item)
            sizes.append((right - left, bottom - top))
        self.session.close()
        self.assertTrue(self.session.wait_no_window(FORM, 10))
        return sizes

    def set_dpi(self, dpi):
        self.session.reg_add(self.DESKTOP, "LogPixels", str(dpi), "REG_DWORD")
        self.addCleanup(self.session.reg_delete, self.DESKTOP, "LogPixels")

    def test_a_form_too_tall_for_the_screen_at_120_dpi_is_scaled_to_fit(self):
        # The order form is 640 x 602 units: at 120 DPI its inside alone
        # would be 753 pixels high, on a screen of 768.
        self.set_dpi(120)
        _, (metrics,) = self.session.winctl("metrics")
        work = tuple(int(v) for v in metrics["workarea"].split(","))
        host, form = self.open(screens() / "order.vrm")
        left, top, right, bottom = rect(form)
        self.assertGreaterEqual((left, top), work[:2])
        self.assertLessEqual((right, bottom), work[2:], (rect(form), work))
        # Smaller than at 120 DPI (158 x 35), larger than at 96 (126 x 28),
        # the same shape, and inside the window.
        x0, y0, x1, y1 = rect(self.controls(form)["print_order"])
        self.assertLessEqual(y1, bottom)
        self.assertTrue(126 < x1 - x0 < 158 and 28 < y1 - y0 < 35, (x1 - x0, y1 - y0))
        self.assertAlmostEqual((x1 - x0) / (y1 - y0), 126 / 28, delta=0.2)
        self.shot(form, "vorm-order-120dpi")

    def test_a_dpi_change_lays_the_form_out_again(self):
        host, form = self.open(screens() / "start.vrm")
        before = host.call("dpi", 96, "install")
        install96 = rect(self.controls(form)["install"])
        after = host.call("dpi", 144, "install")
        self.assertEqual(after[2], "client=840x636")
        font96, font144 = (int(line[3].split("=")[1]) for line in (before, after))
        self.assertAlmostEqual(font144 / font96, 1.5, delta=0.1)
        moved = self.session.wait_window(FORM, 5)
        # At the suggested place.
        self.assertEqual(rect(moved)[:2], rect(form)[:2])
        install144 = rect(self.controls(form)["install"])
        self.assertEqual(install144[2] - install144[0], 225)
        self.assertEqual(install144[3] - install144[1], 48)
        # At (32, 148) units: from (32, 148) pixels to (48, 222).
        self.assertEqual((install144[0] - install96[0], install144[1] - install96[1]), (16, 74))
        # At 192 DPI it would be 1120 pixels wide: it shrinks to the screen.
        wide = host.call("dpi", 192, "install")
        width, height = (int(v) for v in wide[2].split("=")[1].split("x"))
        self.assertLess(width, 1024)
        self.assertGreater(width, 840)
        self.assertAlmostEqual(width / height, 560 / 424, delta=0.02)

    def test_forms_and_controls_scale_with_the_system_dpi(self):
        (form96, button96) = self.measure()
        self.session.reg_add(self.DESKTOP, "LogPixels", "144", "REG_DWORD")
        self.addCleanup(self.session.reg_delete, self.DESKTOP, "LogPixels")
        (form144, button144) = self.measure()
        # The frame around the client area does not scale: allow its width.
        for small, large in ((form96, form144), (button96, button144)):
            for a, b in zip(small, large):
                self.assertAlmostEqual(b / a, 1.5, delta=0.06, msg=(small, large))
