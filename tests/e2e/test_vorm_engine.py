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


def screens():
    return source_dir() / "disc" / "screens"


class VormHost:
    """vorm_host.exe on one template, with its log and command files."""

    def __init__(self, case, template, prefill=None):
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
        self.program = self.session.start(exe, args)

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

    def call(self, *fields, timeout=10):
        """Runs one command in the host; returns its reply line."""
        verb = fields[0]
        before = self.count(verb)
        with open(self.commands, "a", encoding="latin-1") as out:
            out.write("\t".join(str(f) for f in fields) + "\n")
        reply = self.wait_line(verb, timeout, before + 1)
        if reply is None:
            raise AssertionError(f"vorm_host did not answer {fields}")
        return reply

    def quiet_since(self, mark):
        """True when no field change was logged after the mark-th line."""
        return all(line[0] != "changed" for line in self.lines()[mark:])


class EngineTestCase(ScenarioTestCase):
    def open(self, template, prefill=None, expect_title=None):
        host = VormHost(self, template, prefill)
        self.assertIsNotNone(host.wait_line("create", 20), "vorm_host did not start")
        form = self.session.wait_window(FORM, 10, title=expect_title)
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
        """The form window's part of the screen, saved as <build>/e2e/screens/<name>.png."""
        time.sleep(0.5)  # let the window finish painting
        whole = self.session.screenshot(name + "-screen")
        left, top, right, bottom = rect(form)
        path = whole.with_name(name + ".png")
        run_bounded(["convert", whole, "-crop", f"{right - left}x{bottom - top}+{left}+{top}",
                     "+repage", path], dict(os.environ), 30)
        whole.unlink()
        return path


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
        self.assertEqual(host.call("set", "reg_city", "Portland"), ["set", "1"])
        self.assertEqual(host.call("get", "reg_city", 100), ["get", "1", "Portland", "intact=1"])
        self.assertEqual(host.call("get", "REG_CITY", 5), ["get", "1", "Port", "intact=1"])
        self.assertEqual(host.call("get", "reg_city", 1), ["get", "1", "", "intact=1"])
        # Unknown and empty names match nothing.
        self.assertEqual(host.call("get", "no_such_field", 10), ["get", "0", "", "intact=1"])
        self.assertEqual(host.call("get", "", 10), ["get", "0", "", "intact=1"])
        self.assertEqual(host.call("set", "no_such_field", "x"), ["set", "0"])
        self.assertEqual(host.call("set", "", "x"), ["set", "0"])
        # A button or a label is not a field.
        self.assertEqual(host.call("get", "back", 10), ["get", "0", "", "intact=1"])
        # The engine keeps a field within its own length.
        host.call("set", "reg_state", "x" * 40)
        self.assertEqual(host.call("get", "reg_state", 100)[2], "x" * 15)

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

    def test_navigation_opens_the_new_form_before_closing_the_old(self):
        host, start = self.open(screens() / "start.vrm")
        self.session.click(start["hwnd"], "register")
        opened = host.wait_line("opened", 10, 2)
        self.assertEqual(opened[:4], ["opened", "Registration", "forms=2", "visible=0"])
        self.assertTrue(self.session.wait_window(FORM, 5, title="Corvinel Professional 4.0 - Registration"))
        self.assertTrue(wait_until(lambda: len(self.session.windows(FORM)) == 1, 5))
        self.assertEqual(host.call("name")[1], "Registration")
        # Back, then on to the buyer form: each target is beside its template.
        register = self.session.wait_window(FORM, 5)
        self.session.click(register["hwnd"], "back")
        self.assertEqual(host.wait_line("opened", 10, 3)[1], "Start")
        start = self.session.wait_window(FORM, 5, title="Corvinel Professional 4.0")
        self.assertTrue(wait_until(lambda: len(self.session.windows(FORM)) == 1, 5))
        self.session.click(start["hwnd"], "order_products")
        self.assertEqual(host.wait_line("opened", 10, 4)[1], "Buyer")
        self.assertEqual(host.count("command"), 0)

    def test_a_broken_target_leaves_the_form_as_it_was(self):
        folder = self.session.build / "e2e" / "vorm" / "broken-target"
        shutil.rmtree(folder, ignore_errors=True)
        folder.mkdir(parents=True)
        (folder / "bad.vrm").write_text("[template]\nname = Bad\nsize = 100, 100\n[edit]\nname = a\n")
        (folder / "a.vrm").write_text(
            "[template]\nname = A\nsize = 300, 120\n"
            "[button]\nname = missing\ntext = Missing\nat = 10, 10, 80, 24\ngoto = none.vrm\n"
            "[button]\nname = bad\ntext = Bad\nat = 100, 10, 80, 24\ngoto = bad.vrm\n"
            "[button]\nname = done\ntext = Done\nat = 190, 10, 80, 24\nclose = yes\n")
        host, form = self.open(folder / "a.vrm")
        self.session.click(form["hwnd"], "missing")
        self.session.click(form["hwnd"], "bad")
        self.assertEqual(host.call("create", windows_path(folder / "none.vrm")), ["create", "0"])
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
    def test_a_missing_or_malformed_template_opens_nothing(self):
        folder = self.session.build / "e2e" / "vorm" / "malformed"
        shutil.rmtree(folder, ignore_errors=True)
        folder.mkdir(parents=True)
        (folder / "bad.vrm").write_text("[template]\nname = Bad\nsize = 100, 100\n[label]\nat = 1,2\n")
        for template in (folder / "none.vrm", folder / "bad.vrm"):
            host = VormHost(self, template)
            self.assertEqual(host.program.wait(20), 1)
            self.assertEqual(host.lines(), [["create", "0"]])
            self.assertEqual(self.session.windows(FORM), [])


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
        self.xdotool("key", "Up", "Up")
        self.assertEqual(host.call("check", 1, 32)[2], "Check")
        # Tab leaves the group for the card number field.
        self.xdotool("key", "Tab")
        self.xdotool("type", "4111")
        self.assertEqual(host.call("get", "card_number", 32)[2], "4111")
        self.assertEqual(host.call("check", 1, 32)[2], "Check")


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

    def test_forms_and_controls_scale_with_the_system_dpi(self):
        (form96, button96) = self.measure()
        self.session.reg_add(self.DESKTOP, "LogPixels", "144", "REG_DWORD")
        self.addCleanup(self.session.reg_delete, self.DESKTOP, "LogPixels")
        (form144, button144) = self.measure()
        # The frame around the client area does not scale: allow its width.
        for small, large in ((form96, form144), (button96, button144)):
            for a, b in zip(small, large):
                self.assertAlmostEqual(b / a, 1.5, delta=0.06, msg=(small, large))
