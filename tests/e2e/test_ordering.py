"""Ordering as a customer meets it: from the start screen to the buyer form,
which must be complete before the order form opens; quantities typed into
the order form are priced at the next tick of the launcher's timer, with
tax and shipping by the buyer's state and country; a card payment without
its details is refused, and a complete order prints one purchase form on
the test prefix's file printer, read back with ps2pdf and pdftotext -bbox.

As for the registration form, printed positions are compared by the edges
an alignment fixes, in the printer's device units."""
import time

from test_printing import LANDSCAPE_BUTTON, LANDSCAPE_WIDTH, PAGE_WIDTH, TOLERANCE, PrintingScenario
from test_registration import ORDER_BUTTON, RegistrationScenario
from velinst_e2e import edit_ini, ini_values, read_ini_lines, write_ini_lines

BUYER = {
    "buyer_first_name": "Ann", "buyer_last_name": "O'Neill", "buyer_street1": "12 Main St.",
    "buyer_street2": "", "buyer_city": "Austin", "buyer_state": "TX", "buyer_zip": "78701",
    "buyer_country": "USA", "buyer_email": "ann@example.com", "buyer_phone": "512-555-0100",
    "buyer_fax": "512-555-0199",
}
# Slots 1, 4 and 7 of the sample disc: 149.00, 39.95 and 12.50 a unit.
QUANTITIES = {"qty_1": "1", "qty_4": "2.9", "qty_7": "4"}
LINE_PRICES = {"line_1": "149.00", "line_2": "", "line_3": "", "line_4": " 79.90", "line_5": "",
               "line_6": "", "line_7": " 50.00", "line_8": "", "line_9": ""}
SUMS = ("subtotal", "tax", "shipping", "total")
# Seven units: the region's base price and six further units.
REGIONS = [  # state, country, subtotal, tax, shipping, total
    ("NY", "USA", "278.90", "  0.00", " 15.50", "294.40"),
    ("ON", "canada", "278.90", "  0.00", " 27.00", "305.90"),
    ("Bayern", "Germany", "278.90", "  0.00", " 48.00", "326.90"),
    ("TX", "USA", "278.90", " 23.01", " 15.50", "317.41"),
]
PRODUCTS = [  # name on the page, unit price, quantity, line price
    ("Corvinel Standard 4.0", "149.00", "1", "149.00"),
    ("Corvinel Professional 4.0", "299.00", "0", "0.00"),
    ("Corvinel Font Collection", "39.95", "2", "79.90"),
    ("Backup CD-ROM", "12.50", "4", "50.00"),
    ("Corvinel Site Licence (5 users)", "595.00", "0", "0.00"),
]


class OrderFormScenario(RegistrationScenario):
    """Reaches the order form through the buyer form."""

    def templates_showing(self):
        return [w["template"] for w in self.session.windows("Template Window Class",
                                                            visible_only=True)]

    def open_order_form(self, buyer, values):
        """Fills the buyer form and continues; the order form shows the
        template's own texts until a field changes."""
        self.type_into(buyer, values)
        order = self.go(buyer, "continue", "Order")
        time.sleep(1.2)  # two ticks
        self.assertEqual({name: self.fields(order)[name] for name in [*LINE_PRICES, *SUMS]},
                         dict.fromkeys([*LINE_PRICES, *SUMS], ""))
        return order


class PricingTests(OrderFormScenario):
    """Live pricing alone, where a build runs only a handful of scenarios."""

    def test_quantities_typed_are_priced_with_the_buyers_tax_and_shipping(self):
        start = self.start_launcher("pricing")
        order = self.open_order_form(self.go(start, ORDER_BUTTON, "Buyer"), BUYER)
        self.type_into(order, QUANTITIES)
        sums = next(sums for state, country, *sums in REGIONS
                    if (state, country) == (BUYER["buyer_state"], BUYER["buyer_country"]))
        self.assert_fields(order, dict(LINE_PRICES, **dict(zip(SUMS, sums))))
        self.assertTrue(self.program.running())


class OrderingTests(OrderFormScenario, PrintingScenario):
    """One run of the launcher, as a customer orders from several addresses
    and prints the order."""

    def test_order_priced_while_typing_and_printed_to_mail_or_fax(self):
        start = self.start_launcher("ordering")
        buyer = self.go(start, ORDER_BUTTON, "Buyer")

        with self.subTest("an incomplete buyer form opens no order form"):
            self.assert_fields(buyer, {"buyer_country": "USA"})
            self.type_into(buyer, {"buyer_first_name": "Ann"})
            self.session.click(buyer["hwnd"], "continue")
            self.assert_warning(["lastname", "address", "city", "state", "zip", "phone"])
            time.sleep(1)
            self.assertEqual(self.templates_showing(), ["Buyer"])

        for state, country, *sums in REGIONS:
            with self.subTest("priced at the next tick", state=state, country=country):
                if self.templates_showing() == ["Order"]:
                    buyer = self.go(self.form("Order"), "back", "Buyer")
                order = self.open_order_form(buyer, dict(BUYER, buyer_state=state,
                                                         buyer_country=country))
                self.type_into(order, QUANTITIES)
                expected = dict(LINE_PRICES, **dict(zip(SUMS, sums)))
                self.assert_fields(order, expected)
        self.session.screenshot("order-form-priced")

        with self.subTest("a card payment without card details prints nothing"):
            buyer = self.go(order, "back", "Buyer")
            order = self.open_order_form(buyer, BUYER)
            self.type_into(order, QUANTITIES)
            self.session.click(order["hwnd"], "Visa")
            self.assert_fields(order, dict(LINE_PRICES, total="317.41"))
            self.session.click(order["hwnd"], "print_order")
            self.assert_warning(["creditcard no", "expdate"])
            self.assert_printed_nothing()

        self.type_into(order, {"card_number": " 4111 1111 1111 1111 ", "card_expiration": "12/28"})
        before = self.wait_fields(order, {"card_expiration": "12/28"})
        page = self.print_form(order, "print_order")
        with self.subTest("portrait: the payment block below the billing block"):
            self.check_page(page, PAGE_WIDTH, landscape=False)
        # Printing writes nothing back into the form.
        self.assertEqual(self.fields(order), before)

        with self.subTest("landscape: the payment block beside the billing block"):
            self.session.click(order["hwnd"], "printer_setup")  # command 3095
            self.choose(self.setup_dialog(), LANDSCAPE_BUTTON, 1)
            page = self.print_form(order, "print_order")
            self.assertIn("%%Orientation: Landscape", page.postscript)
            self.check_page(page, LANDSCAPE_WIDTH, landscape=True)

        with self.subTest("an edited settings file counts from the next recalculation"):
            ini = self.disc / "VelInst.ini"
            write_ini_lines(ini, edit_ini(read_ini_lines(ini), {"Unit Price": {"KA": "150.00"}}))
            self.type_into(order, {"qty_1": "2"})
            self.assert_fields(order, {"line_1": "300.00", "total": "482.37"})
        self.assertTrue(self.program.running())

    # The forms -------------------------------------------------------------

    def assert_warning(self, missing):
        texts = ini_values(self.disc / "VelInst.ini")["validate error"]
        box = self.session.message_box(timeout=10)
        self.assertIsNotNone(box, "no warning")
        self.assertEqual(box["text"], texts["warning"] + "".join(texts[key] for key in missing))
        self.assertEqual((box["caption"], box["owner"], box["icon"]),
                         ("Install & Register", "0x0", "1"))
        self.assertTrue(self.session.close_message_box())
        self.assertTrue(self.session.wait_no_window("#32770", 5), self.boxes_left())

    # The printed page ------------------------------------------------------

    def check_page(self, page, width, landscape):
        line_unit, column_unit = self.units
        leading = self.title_leading(page, "Software Purchase Form", width)

        table = 8 * column_unit
        stops = [table + percent * width // 100 for percent in (33, 45, 57)]
        sums_edge, amount_edge = stops[2], stops[2] + 9 * column_unit

        # The table: headings and dashes from the table's edge and its tab
        # stops, one row per product, every product printed.
        headings = page.row("Product")
        dashes = page.row("-------")
        self.assertIsNotNone(headings, page.bbox)
        self.assertIsNotNone(dashes, page.bbox)
        self.assertEqual([w.text for w in headings], ["Product", "Unit", "Price", "Quantity", "Price"])
        self.assertEqual([w.text for w in dashes], ["-" * 7, "-" * 10, "-" * 8, "-" * 5])
        self.assertAlmostEqual(dashes[0].top - leading, 13 * line_unit, delta=TOLERANCE)
        for words in ([headings[i] for i in (0, 1, 3, 4)], dashes):
            for word, x in zip(words, [table, *stops]):
                self.assertAlmostEqual(word.left, x, delta=TOLERANCE, msg=word.text)
        for name, *columns in PRODUCTS:
            words = page.row(name)
            self.assertIsNotNone(words, f"{name!r} not printed")
            self.assertEqual([w.text for w in words[-3:]], columns)
            for word, x in zip(words[-3:], stops):
                self.assertAlmostEqual(word.left, x, delta=TOLERANCE, msg=word.text)
            self.assertAlmostEqual(words[0].left, table, delta=TOLERANCE)

        rows = [
            ("Subtotal", "right", sums_edge, 24), ("278.90", "right", amount_edge, 24),
            ("Sales Tax (TX 8.25%)", "right", sums_edge, 25), ("23.01", "right", amount_edge, 25),
            ("Shipping & Handling", "right", sums_edge, 26), ("15.50", "right", amount_edge, 26),
            ("Total", "right", sums_edge, 27), ("317.41", "right", amount_edge, 27),
            ("Billing Information", "left", line_unit, 29),
            ("Your Name:", "right", 20 * column_unit, 30),
            ("O'Neill, Ann", "left", 21 * column_unit, 30),
            ("12 Main St.", "left", 21 * column_unit, 31),
            # No second street line: the city line on 32, the fax on 35.
            ("Austin, TX 78701 USA", "left", 21 * column_unit, 32),
            ("E-Mail:", "right", 20 * column_unit, 33),
            ("512-555-0199", "left", 21 * column_unit, 35),
        ]
        if landscape:
            rows += [("Payment Information", "right", sums_edge, 28),
                     ("Payment Method:", "right", sums_edge, 29),
                     ("Visa", "left", sums_edge + column_unit, 29),
                     ("Card Number:", "right", sums_edge, 30),
                     ("4111 1111 1111 1111", "left", sums_edge + column_unit, 30),
                     ("Expires:", "right", sums_edge, 31),
                     ("12/28", "left", sums_edge + column_unit, 31)]
        else:
            rows += [("Payment Information", "left", line_unit, 37),
                     ("Payment Method:", "right", 20 * column_unit, 38),
                     ("Visa", "left", 21 * column_unit, 38),
                     ("Card Number:", "right", 20 * column_unit, 39),
                     ("4111 1111 1111 1111", "left", 21 * column_unit, 39),
                     ("Expires:", "right", 20 * column_unit, 40),
                     ("12/28", "left", 21 * column_unit, 40)]
        for row in rows:
            self.assert_placed(page, leading, *row)
