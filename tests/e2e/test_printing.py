"""The printed registration form as a customer gets it: pressed on the
registration screen, printed on the test prefix's default printer, which
writes PostScript to a file (no print daemon). The page is read back with
ps2pdf and pdftotext -bbox and every row's place is checked in the printer's
device units, from the line and column units the launcher derives from its
layout sample on this screen.

Positions are compared by the edges that an alignment fixes (the left edge
of left-aligned text, the right edge of captions, the centre of the title),
never by widths: the host's fonts stand in for Arial."""
import html
import re
import tempfile
import time
from pathlib import Path

from test_registration import (BACKDROP, PRODUCT, PROFILE_NAME, RegistrationScenario,
                               today_texts)
from velinst_e2e import (TYPING_LANGUAGE, env_path, ini_values, printer_output, run_bounded,
                         wait_until, windows_path)

# The test printer: Wine's generic PostScript printer, A4 at 300 dpi, whose
# printable area starts 75 device units into the paper on both axes.
DOTS_PER_INCH = 300
PAGE_WIDTH = 2329
LANDSCAPE_WIDTH = 3358
MARGIN_OFFSET = 75
# Edges come out within a few device units of where they were placed.
TOLERANCE = 5

PRINT_SETUP_TITLE = "Print Setup"
PORTRAIT_BUTTON, LANDSCAPE_BUTTON = 1056, 1057

TYPED = {
    "reg_serial": "CP40-7731-0042",
    "reg_first_name": " J\u00fcrgen",
    "reg_last_name": "O'Neill-Smith",
    "reg_street1": "12 Main St. #4",
    "reg_street2": "Suite 5",
    "reg_city": "New York",
    "reg_state": "NY",
    "reg_zip": "10001",
    "reg_country": "USA",
    "reg_email": "j.mueller@example.com",
    "reg_phone": "+1 (212) 555-0100",
    "reg_fax": "212-555-0199",
    "reg_where_bought": "Smith & Sons",
}


def device_units(points):
    return points * DOTS_PER_INCH / 72 - MARGIN_OFFSET


class Word:
    def __init__(self, text, left, top, right):
        self.text, self.left, self.top, self.right = text, left, top, right


class PrintedPage:
    """The words of one printed job, in device units of the printable area."""

    def __init__(self, postscript):
        self.postscript = postscript.read_text(encoding="latin-1")
        with tempfile.TemporaryDirectory() as folder:
            pdf = Path(folder) / "page.pdf"
            run_bounded(["ps2pdf", postscript, pdf], None, 60)
            self.bbox = run_bounded(["pdftotext", "-bbox", pdf, "-"], None, 60).stdout
        self.bbox = self.bbox.encode("latin-1").decode("utf-8")
        self.pages = self.bbox.count("<page ")
        pattern = re.compile(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" '
                             r'yMax="[\d.]+">([^<]*)</word>')
        # The driver prints "-" as the soft hyphen.
        self.words = [Word(html.unescape(text).replace("\u00ad", "-"),
                           device_units(float(x0)), device_units(float(y0)),
                           device_units(float(x1)))
                      for x0, y0, x1, text in pattern.findall(self.bbox)]

    def find(self, text):
        """The row printed as `text`: (left, top, right) of the run of words
        on one line that spells it, or None."""
        wanted = text.split()
        for start, first in enumerate(self.words):
            run = self.words[start:start + len(wanted)]
            if [w.text for w in run] == wanted and all(
                    abs(w.top - first.top) < 1 for w in run):
                return first.left, first.top, run[-1].right
        return None

    def row(self, text):
        """The words of the line that starts with `text`, left to right, or
        None."""
        found = self.find(text)
        if found is None:
            return None
        return sorted((w for w in self.words if abs(w.top - found[1]) < 1),
                      key=lambda w: w.left)

    def tops(self):
        return sorted({round(w.top, 1) for w in self.words})


class PrintingScenario(RegistrationScenario):
    def setUp(self):
        super().setUp()
        self.output = printer_output(self.session.build)
        self.output.unlink(missing_ok=True)
        self.addCleanup(self.output.unlink, missing_ok=True)
        self.units = self.layout_units()

    def printer_tool(self, *args):
        # Printer names in UTF-8, which Wine reads in a UTF-8 locale.
        return self.session.run(env_path("VELINST_TEST_PRINTER"), args, timeout=60,
                                language=TYPING_LANGUAGE)

    def layout_units(self):
        """(line unit, column unit) the launcher finds on this screen: its
        sample measured in its print font, scaled from 600 dpi to the
        printer's 300."""
        sizes = dict(part.split("=") for part in self.printer_tool("sample").stdout.split())
        line_unit = int(int(sizes["height"]) * 1.25) * DOTS_PER_INCH // 600
        column_unit = int(sizes["width"]) // 12 * DOTS_PER_INCH // 600
        return line_unit, column_unit

    def print_form(self, form, button="print_form", output=None):
        """Presses the form's print button and returns the page printed to
        the output file (the test printer's unless given)."""
        output = output or self.output
        output.unlink(missing_ok=True)
        self.session.click(form["hwnd"], button)
        done = wait_until(lambda: output.exists()
                          and output.read_bytes().rstrip().endswith(b"%%EOF"), 20)
        self.assertTrue(done, "nothing was printed")
        return PrintedPage(output)

    def assert_printed_nothing(self):
        time.sleep(1)
        self.assertFalse(self.output.exists(), "a page was printed")

    def registration_screen(self, name):
        start = self.start_launcher(name)
        registration = self.open_registration(start)
        self.assert_fields(registration, {"reg_product": PRODUCT})
        return registration

    def saved_profile(self):
        return ini_values(self.session.prefix.drive_c / "windows" / PROFILE_NAME).get(
            "registration info", {})

    def title_leading(self, page, title_text, width):
        """Checks the page is one page, "Print Document", with its title
        centred on line 3; returns the leading: every top lies the font's
        internal leading below its line, and the title's gives it."""
        line_unit = self.units[0]
        self.assertEqual(page.pages, 1)
        self.assertIn("%%Title: Print Document", page.postscript)
        self.assertIn("<title>Print Document</title>", page.bbox)
        title = page.find(title_text)
        self.assertIsNotNone(title, page.bbox)
        self.assertAlmostEqual((title[0] + title[2]) / 2, width // 2, delta=TOLERANCE)
        leading = title[1] - 3 * line_unit
        self.assertTrue(0 <= leading < line_unit / 4, leading)
        return leading

    def assert_placed(self, page, leading, text, edge, x, line):
        """The text is printed on the line with its left or right edge at x."""
        found = page.find(text)
        self.assertIsNotNone(found, f"{text!r} not printed")
        left, top, right = found
        self.assertAlmostEqual(left if edge == "left" else right, x, delta=TOLERANCE,
                               msg=f"{edge} edge of {text!r}")
        self.assertAlmostEqual(top - leading, line * self.units[0], delta=TOLERANCE,
                               msg=f"line of {text!r}")

    def setup_dialog(self):
        dialog = self.session.wait_window("#32770", 10, PRINT_SETUP_TITLE)
        self.assertIsNotNone(dialog, "no print set-up dialog")
        self.assertEqual(dialog["owner"], self.session.windows(BACKDROP)[0]["hwnd"])
        return dialog

    def choose(self, dialog, orientation, button):
        self.press(dialog, orientation)
        self.assertTrue(wait_until(lambda: [c for c in self.session.controls(dialog["hwnd"])
                                            if c["id"] == str(orientation)][0]["checked"] == "1",
                                   5))
        self.press(dialog, button)
        self.assertTrue(self.session.wait_no_window("#32770", 5), "the dialog stayed")

    def check_registration_page(self, page, street2):
        line_unit, column_unit = self.units
        leading = self.title_leading(page, "Software Registration And Upgrade Form", PAGE_WIDTH)

        shift = 1 if street2 else 0
        rows = [  # text, edge ("left" or "right"), x, line
            ("Please mail this form to:", "left", line_unit, 5),
            ("Velmora Software, Inc.", "left", 8 * column_unit, 6),
            ("Customer Service Department", "left", 8 * column_unit, 7),
            ("2150 Alder Ridge Road, Suite 300", "left", 8 * column_unit, 8),
            ("Portland, OR 97205", "left", 8 * column_unit, 9),
            ("Or fax it to us at (503) 555-0148.", "left", line_unit, 10),
            ("Product Name:", "right", 20 * column_unit, 12),
            (PRODUCT, "left", 21 * column_unit, 12),
            ("Serial Number:", "right", 20 * column_unit, 13),
            ("CP40-7731-0042", "left", 21 * column_unit, 13),
            ("Date Registered:", "right", 20 * column_unit, 14),
            ("Your Name:", "right", 20 * column_unit, 15),
            ("O'Neill-Smith, J\u00fcrgen", "left", 21 * column_unit, 15),
            ("Your Address:", "right", 20 * column_unit, 16),
            ("12 Main St. #4", "left", 21 * column_unit, 16),
            ("New York, NY 10001 USA", "left", 21 * column_unit, 17 + shift),
            ("E-Mail:", "right", 20 * column_unit, 18 + shift),
            ("Tel.Number:", "right", 20 * column_unit, 19 + shift),
            ("Fax:", "right", 20 * column_unit, 20 + shift),
            ("Where did you purchase your product?", "left", line_unit, 21 + shift),
            ("Smith & Sons", "left", 21 * column_unit, 22 + shift),
        ]
        if street2:
            rows += [("Suite 5", "left", 21 * column_unit, 17),
                     ("j.mueller@example.com", "left", 21 * column_unit, 19),
                     ("+1 (212) 555-0100", "left", 21 * column_unit, 20),
                     ("212-555-0199", "left", 21 * column_unit, 21)]
        lines = {3}
        for text, edge, x, line in rows:
            self.assert_placed(page, leading, text, edge, x, line)
            lines.add(line)
        date = next(filter(None, map(page.find, today_texts())), None)
        self.assertIsNotNone(date, "no date printed")
        self.assertAlmostEqual(date[0], 21 * column_unit, delta=TOLERANCE)
        # Nothing else: every word (today's date too, beside its caption)
        # stands on one of these lines; none on 4 or 11.
        for word in page.words:
            line = round((word.top - leading) / line_unit)
            self.assertIn(line, lines, word.text)
            self.assertAlmostEqual(word.top - leading, line * line_unit, delta=TOLERANCE,
                                   msg=word.text)


class PrintingTests(PrintingScenario):
    """One run of the launcher, as a customer prints and reprints."""

    def test_registration_printed_to_mail_or_fax(self):
        registration = self.registration_screen("printing")

        with self.subTest("an incomplete form is not printed"):
            self.session.click(registration["hwnd"], "print_form")
            box = self.session.message_box(timeout=10)
            self.assertIsNotNone(box, "no warning")
            self.assertEqual(box["caption"], "Install & Register")
            self.assertTrue(self.session.close_message_box())
            self.assert_printed_nothing()
            self.assert_no_profile()

        self.type_into(registration, TYPED)
        page = self.print_form(registration)
        with self.subTest("with a second street line"):
            self.check_registration_page(page, street2=True)
        profile = self.saved_profile()
        self.assertEqual((profile["firstname"], profile["streetaddr2"], profile["fax"]),
                         ("J\u00fcrgen", "Suite 5", "212-555-0199"))

        self.type_into(registration, {"reg_street2": "", "reg_email": "", "reg_phone": "",
                                      "reg_fax": ""})
        page = self.print_form(registration)
        with self.subTest("without a second street line, e-mail, telephone or fax"):
            self.check_registration_page(page, street2=False)
        self.assertEqual(self.saved_profile()["fax"], "")

        with self.subTest("without a printer nothing is printed or shown; the profile is saved"):
            restore_printer = self.remove_printer()
            try:
                self.type_into(registration, {"reg_city": "Boston"})
                self.output.unlink()
                self.session.click(registration["hwnd"], "print_form")
                self.assertTrue(wait_until(lambda: self.saved_profile().get("city") == "Boston", 10),
                                "the profile was not saved")
                self.assertIsNone(self.session.message_box(timeout=1))
                self.assert_printed_nothing()
            finally:
                restore_printer()

        with self.subTest("print set-up from either command holds for the run; cancel keeps it"):
            self.session.click(registration["hwnd"], "printer_setup")  # command 3046
            self.choose(self.setup_dialog(), LANDSCAPE_BUTTON, 1)
            page = self.print_form(registration)
            self.assertIn("%%Orientation: Landscape", page.postscript)
            self.assertAlmostEqual(self.title_centre(page), LANDSCAPE_WIDTH // 2,
                                   delta=TOLERANCE)

            self.session.post_command(BACKDROP, 3095)  # the order form's set-up
            self.choose(self.setup_dialog(), PORTRAIT_BUTTON, 2)
            page = self.print_form(registration)
            self.assertIn("%%Orientation: Landscape", page.postscript)
            self.assertAlmostEqual(self.title_centre(page), LANDSCAPE_WIDTH // 2,
                                   delta=TOLERANCE)
            self.assertEqual(page.pages, 1)
        self.assertTrue(self.program.running())

    def remove_printer(self):
        """Deletes the test printer; returns what puts it back. Until then the
        prefix counts as not set up, so a run cut short here gets the printer
        back when the next session starts."""
        marker = self.session.prefix.marker
        setup_version = marker.read_text()
        marker.unlink()
        self.printer_tool("remove")

        def restore():
            self.printer_tool("install", str(self.output))
            marker.write_text(setup_version)
        return restore

    def title_centre(self, page):
        title = page.find("Software Registration And Upgrade Form")
        self.assertIsNotNone(title, page.bbox)
        return (title[0] + title[2]) / 2


class PrintersComeAndGoTests(PrintingScenario):
    """Printers the customer adds and removes while the launcher runs: one
    whose name the ANSI code page cannot spell, a chosen one that goes away,
    and one that prints to a file, as the PDF and XPS writers of Windows do."""
    NAME = "\u041f\u0435\u0447\u0430\u0442\u044c \u0432 \u043e\u0444\u0438\u0441\u0435"
    PORT = "VELINSTPRN2:"
    FILE_PRINTER = "VelInst Print to PDF"
    SAVE_TITLE = "Save the Printed Form As"
    FILE_NAME_CONTROL, IDOK, IDCANCEL, WM_COMMAND = 1148, 1, 2, 0x111

    def setUp(self):
        super().setUp()
        self.other = self.output.with_name("other.ps")
        self.other.unlink(missing_ok=True)
        self.addCleanup(self.other.unlink, missing_ok=True)
        # The prefix counts as not set up until the test printer is the
        # default again, so a run cut short gets it back at the next start.
        marker = self.session.prefix.marker
        setup_version = marker.read_text()
        marker.unlink()
        self.addCleanup(marker.write_text, setup_version)
        self.addCleanup(self.back_to_the_test_printer)

    def back_to_the_test_printer(self):
        for name in (self.NAME, self.FILE_PRINTER):
            self.printer_tool("remove", name)
        self.printer_tool("install", str(self.output))

    def save_dialog(self):
        """The launcher's own Save dialog, owned by the backdrop."""
        dialog = self.session.wait_window("#32770", 10, self.SAVE_TITLE)
        self.assertIsNotNone(dialog, "no Save dialog")
        self.assertEqual(dialog["owner"], self.backdrop()["hwnd"])
        return dialog

    def test_printers_named_outside_the_code_page_and_chosen_printers_that_go(self):
        self.printer_tool("install", str(self.other), self.NAME, self.PORT)
        registration = self.registration_screen("printers-come-and-go")
        self.type_into(registration, TYPED)

        with self.subTest("the default printer's name lies outside the ANSI code page"):
            page = self.print_form(registration, output=self.other)
            self.title_leading(page, "Software Registration And Upgrade Form", PAGE_WIDTH)

        with self.subTest("the chosen printer removed: the default printer prints"):
            self.session.click(registration["hwnd"], "printer_setup")
            dialog = self.setup_dialog()
            # While the dialog is open the form takes no clicks.
            self.assertTrue(self.form_disabled(registration))
            self.choose(dialog, PORTRAIT_BUTTON, 1)
            self.assertTrue(wait_until(lambda: not self.form_disabled(registration), 5))
            self.back_to_the_test_printer()
            self.other.unlink()
            page = self.print_form(registration)
            self.title_leading(page, "Software Registration And Upgrade Form", PAGE_WIDTH)
            self.assertFalse(self.other.exists())

        # The port's own file, which the printer never writes.
        self.printer_tool("install", str(self.other), self.FILE_PRINTER, "FILE:")
        self.addCleanup(self.session.reg_delete, r"HKCU\Software\Wine\Printing\Spooler", "FILE:")
        chosen = self.output.with_name("chosen.pdf")
        chosen.unlink(missing_ok=True)
        self.addCleanup(chosen.unlink, missing_ok=True)
        with self.subTest("a printer that writes a file: cancelled, nothing printed; saved first"):
            self.output.unlink(missing_ok=True)
            self.type_into(registration, {"reg_city": "Boston"})
            self.session.click(registration["hwnd"], "print_form")
            dialog = self.save_dialog()
            self.assertEqual(self.session.get_text(dialog["hwnd"], f"#{self.FILE_NAME_CONTROL}"),
                             "Registration.pdf")
            self.assertEqual(self.saved_profile().get("city"), "Boston")
            self.session.winctl("post", dialog["hwnd"], self.WM_COMMAND, self.IDCANCEL, 0)
            self.assertTrue(self.session.wait_no_window("#32770", 5), self.boxes_left())
            self.assertIsNone(self.session.message_box(timeout=1))
            self.assert_printed_nothing()
            self.assertFalse(self.other.exists() or chosen.exists())

        with self.subTest("a printer that writes a file: the page in the file chosen"):
            self.type_into(registration, {"reg_city": "Chicago"})
            self.session.click(registration["hwnd"], "print_form")
            dialog = self.save_dialog()
            self.session.set_text(dialog["hwnd"], f"#{self.FILE_NAME_CONTROL}",
                                  windows_path(chosen))
            self.session.winctl("post", dialog["hwnd"], self.WM_COMMAND, self.IDOK, 0)
            self.assertTrue(wait_until(lambda: chosen.exists()
                                       and chosen.read_bytes().rstrip().endswith(b"%%EOF"), 20),
                            "nothing was printed to the chosen file")
            self.title_leading(PrintedPage(chosen), "Software Registration And Upgrade Form",
                               PAGE_WIDTH)
            self.assertEqual(self.saved_profile().get("city"), "Chicago")
            self.assertFalse(self.other.exists())
        self.assertTrue(self.program.running())


class PrintedPageTests(PrintingScenario):
    """The printed registration page alone, where a build runs only a
    handful of scenarios."""

    def test_registration_page_printed_with_every_row_in_place(self):
        registration = self.registration_screen("printed-page")
        self.type_into(registration, TYPED)
        self.check_registration_page(self.print_form(registration), street2=True)
        self.assertTrue(self.program.running())
