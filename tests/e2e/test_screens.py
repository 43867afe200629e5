"""The launcher on screens that change under it: the resolution switched
while a form is open (a laptop on a projector), and a second monitor beside
the first.

Wine changes the resolution only inside a virtual desktop of its own, where
a program may change it as on Windows: the launcher and winctl both run in
one (each program's AppDefaults). Two monitors side by side are Xephyr's two
screens joined by Xinerama, which Wine reads when it does not use XRandR;
the window system is read when the server starts, so the scenario runs in a
server of its own on that display."""
import os
import signal

from test_registration import ORDER_BUTTON, RegistrationScenario
from velinst_e2e import rect, start_x_server, wait_until

APP_DEFAULTS = r"HKCU\Software\Wine\AppDefaults"
DESKTOPS = r"HKCU\Software\Wine\Explorer\Desktops"
X11_DRIVER = r"HKCU\Software\Wine\X11 Driver"
OVERHANG = 30


def inside(window, screen):
    left, top, right, bottom = window
    return left >= screen[0] and top >= screen[1] and right <= screen[2] and bottom <= screen[3]


class DisplayModeTests(RegistrationScenario):
    DESKTOP = "velinst-screens"

    def setUp(self):
        super().setUp()
        for program in ("VelInst.exe", "winctl.exe"):
            self.session.reg_add(rf"{APP_DEFAULTS}\{program}\Explorer", "Desktop", self.DESKTOP)
            self.addCleanup(self.session.reg_delete, rf"{APP_DEFAULTS}\{program}")
        self.session.reg_add(DESKTOPS, self.DESKTOP, "1024x768")
        self.addCleanup(self.session.reg_delete, DESKTOPS, self.DESKTOP)

    def switch_to(self, width, height):
        code, _ = self.session.winctl("mode", width, height)
        self.assertEqual(code, 0, f"no switch to {width}x{height}")

    def test_the_open_form_fits_the_screen_again_after_a_change_of_resolution(self):
        buyer = self.go(self.start_launcher("display-mode"), ORDER_BUTTON, "Buyer")
        opened = rect(buyer)
        # Where it stands it would reach past a screen of 800 x 600.
        self.assertFalse(inside(opened, (0, 0, 800, 600)), opened)

        self.switch_to(800, 600)
        self.assertTrue(wait_until(lambda: inside(rect(self.form("Buyer")), (0, 0, 800, 600)), 10),
                        self.session.windows(visible_only=True))
        left, top, right, bottom = rect(self.form("Buyer"))
        # Centred again, its size unchanged; every button on the screen.
        self.assertEqual((right - left, bottom - top), (opened[2] - opened[0], opened[3] - opened[1]))
        self.assertLessEqual(abs((left + right) - 800), 1)
        self.assertLessEqual(abs((top + bottom) - 600), 1)
        for control in self.session.controls(buyer["hwnd"]):
            if control["class"] == "Button" and control["visible"] == "1":
                self.assertTrue(inside(rect(control), (0, 0, 800, 600)), control)
        # The backdrop covers the new screen.
        self.assertEqual(rect(self.backdrop()), (-OVERHANG, -OVERHANG, 800 + OVERHANG, 600 + OVERHANG))

        self.switch_to(1024, 768)
        self.assertTrue(wait_until(lambda: rect(self.form("Buyer")) == opened, 10),
                        rect(self.form("Buyer")))
        self.assertTrue(self.program.running())


class TwoMonitorTests(RegistrationScenario):
    def setUp(self):
        super().setUp()
        session_display = self.session.display
        display, pid = start_x_server(
            ["Xephyr", "+xinerama", "-screen", "1024x768", "-screen", "1024x768", "-nolisten",
             "tcp"], self.session.build / "e2e" / "xephyr.log",
            dict(os.environ, DISPLAY=session_display))
        self.addCleanup(os.kill, pid, signal.SIGTERM)

        def back_to_the_session_display():
            self.session.close()
            self.session.reg_delete(X11_DRIVER, "UseXRandR")
            self.session.display = session_display
            self.session.restart_server()
        self.addCleanup(back_to_the_session_display)
        self.session.reg_add(X11_DRIVER, "UseXRandR", "N")
        self.session.display = display
        self.session.restart_server()

    def test_the_backdrop_covers_the_primary_monitor_and_leaves_the_other_alone(self):
        start = self.start_launcher("two-monitors")
        # No overhang past the right edge, where the second monitor begins.
        self.assertEqual(rect(self.backdrop()), (-OVERHANG, -OVERHANG, 1024, 768 + OVERHANG))
        # The form on the primary monitor, centred there.
        left, top, right, bottom = rect(start)
        self.assertTrue(inside((left, top, right, bottom), (0, 0, 1024, 768)))
        self.assertLessEqual(abs((left + right) - 1024), 1)
