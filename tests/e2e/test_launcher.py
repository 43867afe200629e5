"""The launcher as a customer meets it: start-up over the black backdrop, the
roads out of the program, the installer, the language gate and web pages."""
import re
import shutil
import time

from velinst_e2e import ScenarioTestCase, env_path, launch_log, rect, wait_until, windows_path

BACKDROP = "VelmoraInstaller"
FORM = "Template Window Class"
WS_POPUP = 0x80000000
WS_VISIBLE = 0x10000000
WS_CAPTION = 0x00C00000
SCREEN_WIDTH, SCREEN_HEIGHT = 1024, 768


class LauncherScenario(ScenarioTestCase):
    """Starts VelInst.exe from a fresh copy of the sample disc."""

    def start_launcher(self, name, edits=None, language=None, wait_for_form=True, files=None,
                       extra_env=None):
        """`files` maps a path inside the disc to the bytes it is given (None
        removes the file)."""
        self.disc = self.session.assemble_disc(name, edits)
        self.log = self.disc / "launches.txt"
        shutil.copy2(env_path("VELINST_TEST_INSTALLER"), self.disc / "test_installer.exe")
        for path, data in (files or {}).items():
            if data is None:
                (self.disc / path).unlink()
            else:
                (self.disc / path).write_bytes(data)
        self.program = self.session.start(
            self.disc / "VelInst.exe", language=language,
            extra_env={"VELINST_LAUNCH_LOG": windows_path(self.log), **(extra_env or {})})
        if wait_for_form:
            self.form = self.session.wait_form(timeout=20)
            self.assertIsNotNone(self.form, "the start screen did not appear")
            # The start screen opens while the backdrop is being created; the
            # backdrop is shown when its creation ends.
            self.assertTrue(wait_until(lambda: self.session.windows(BACKDROP, visible_only=True),
                                       10), "the backdrop is not shown")
        return self.program

    def backdrop(self):
        windows = self.session.windows(BACKDROP)
        self.assertEqual(len(windows), 1, windows)
        return windows[0]

    def assert_still_running(self):
        time.sleep(1.2)  # more than two ticks of the timer
        self.assertTrue(self.program.running())
        self.assertEqual(len(self.session.windows(FORM)), 1)

    def assert_ends_with_zero(self, timeout=3):
        self.assertEqual(self.program.wait(timeout), 0)


class StartupTests(LauncherScenario):
    def test_backdrop_covers_the_screen_in_black_under_the_start_screen(self):
        self.start_launcher("startup")
        backdrop = self.backdrop()
        self.assertEqual(backdrop["title"], "Install & Register")
        style = int(backdrop["style"], 16)
        self.assertTrue(style & WS_POPUP and style & WS_VISIBLE, hex(style))
        self.assertFalse(style & WS_CAPTION, hex(style))
        left, top, right, bottom = rect(backdrop)
        self.assertEqual((left, top), (-30, -30))
        # The whole monitor and 30 pixels past each edge; Wine's "full screen"
        # height (779 on 768) is not the monitor's.
        self.assertEqual((right, bottom), (SCREEN_WIDTH + 30, SCREEN_HEIGHT + 30))

        self.assertTrue(wait_until(self.form_above_backdrop, 5), "form not above backdrop")
        self.assertEqual(self.form["owner"], backdrop["hwnd"])
        self.assertEqual(self.form["pid"], backdrop["pid"])

        form_left, form_top, form_right, form_bottom = rect(self.form)
        center = ((form_left + form_right) // 2, (form_top + form_bottom) // 2)
        shot = wait_until(lambda: self.painted_screenshot(center), 5)
        self.assertTrue(shot, "the backdrop is not painted black or the start screen not drawn")
        self.assertGreater(form_left, 20, "the start screen should leave backdrop visible")
        for x, y in ((2, 2), (SCREEN_WIDTH - 3, SCREEN_HEIGHT - 3), (form_left // 2, SCREEN_HEIGHT // 2),
                     (SCREEN_WIDTH // 2, max(form_bottom + 5, SCREEN_HEIGHT - 8))):
            self.assertEqual(self.session.pixel(shot, x, y), (0, 0, 0), (x, y))
        self.assertNotEqual(self.session.pixel(shot, *center), (0, 0, 0),
                            "the start screen is not drawn")


    def form_above_backdrop(self):
        classes = [w["class"] for w in self.session.windows(visible_only=True)]
        return FORM in classes and BACKDROP in classes and \
            classes.index(FORM) < classes.index(BACKDROP)

    def painted_screenshot(self, form_center):
        """A screenshot once painting has reached the backdrop's corner and
        the start screen's centre."""
        shot = self.session.screenshot("launcher-start")
        painted = self.session.pixel(shot, 2, 2) == (0, 0, 0) and \
            self.session.pixel(shot, *form_center) != (0, 0, 0)
        return shot if painted else None


class PlantedLibraryTests(LauncherScenario):
    def test_a_system_library_planted_on_the_disc_is_not_loaded_for_the_launcher(self):
        marker = self.session.build / "e2e" / "planted-uxtheme-loaded"
        marker.unlink(missing_ok=True)
        self.addCleanup(marker.unlink, missing_ok=True)
        # The window system loads the theme library by name when the first
        # window appears; native libraries first, so the program's folder
        # would win if it were searched.
        self.start_launcher("planted-uxtheme",
                            files={"uxtheme.dll": env_path("VELINST_PLANTED_LIBRARY").read_bytes()},
                            extra_env={"WINEDLLOVERRIDES": "uxtheme=n,b",
                                       "VELINST_PLANTED_MARKER": windows_path(marker)})
        self.session.post_command(BACKDROP, 3044)  # the warning box: more windows
        self.assertIsNotNone(self.session.message_box(timeout=10))
        self.assertTrue(self.session.close_message_box())
        self.assertFalse(marker.exists(), "the planted uxtheme.dll was loaded")
        self.assertTrue(self.program.running())


class ExitTests(LauncherScenario):
    def test_closing_the_last_form_window_ends_the_program(self):
        self.start_launcher("exit-close-form")
        started = time.monotonic()
        self.session.post_close(self.form["hwnd"])
        self.assert_ends_with_zero(timeout=3)
        self.assertLess(time.monotonic() - started, 2.0)

    def test_commands_40001_and_4004_and_wm_close_end_the_program(self):
        for how in ("40001", "4004", "close"):
            with self.subTest(how=how):
                self.start_launcher(f"exit-{how}")
                if how == "close":
                    self.session.post_close(BACKDROP)
                else:
                    self.session.post_command(BACKDROP, how)
                self.assert_ends_with_zero()
                self.assertTrue(self.session.wait_no_window(BACKDROP, 5))

    def test_exit_button_of_the_start_screen_ends_the_program(self):
        self.start_launcher("exit-button")
        # The form's controls are made after the form window itself.
        self.assertTrue(wait_until(lambda: any(c["name"] == "exit" for c in
                                               self.session.controls(self.form["hwnd"])), 10))
        self.session.click(self.form["hwnd"], "exit")
        self.assert_ends_with_zero()

    def test_command_40002_and_unlisted_numbers_change_nothing(self):
        self.start_launcher("exit-nothing")
        for number in (40002, 3050, 3066, 4005, 12345):
            self.session.post_command(BACKDROP, number)
        self.assert_still_running()
        self.assertEqual(launch_log(self.log), [])
        self.assertIsNone(self.session.message_box(timeout=0.5))


class BrokenStartScreenTests(LauncherScenario):
    def test_the_warning_about_a_broken_start_screen_stays_until_answered(self):
        broken = b"[template]\r\nname = Start\r\nsize = 560, 372\r\n\r\n[label]\r\ncolour = #FFFFFF\r\n"
        self.start_launcher("broken-start", files={"screens/start.vrm": broken},
                            wait_for_form=False, extra_env={"WINEDEBUG": "-all,warn+debugstr"})
        box = self.session.message_box(timeout=20)
        self.assertIsNotNone(box, "no warning about the start screen")
        path = windows_path(self.disc / "screens" / "start.vrm")
        self.assertEqual(box["text"], f'This screen cannot be shown:\n{path}\n\n'
                                      f'line 6: unknown key "colour" in [label]')
        self.assertEqual((box["caption"], box["icon"], box["buttons"]), ("Screen template", "1", "1:OK"))
        self.assertEqual(box["owner"], self.backdrop()["hwnd"])
        # Several ticks of the timer later the author can still read it.
        time.sleep(1.6)
        self.assertTrue(self.program.running())
        self.assertEqual(self.session.message_box(timeout=1)["hwnd"], box["hwnd"])
        self.assertEqual(self.session.windows(FORM), [])
        # Answered, the run ends as before: no form is left.
        self.assertTrue(self.session.close_message_box())
        self.assert_ends_with_zero(timeout=5)
        self.assertIn('OutputDebugStringA "VORM2: ', self.program.output())
        self.assertIn('line 6: unknown key \\"colour\\" in [label]', self.program.output())


class InstallerTests(LauncherScenario):
    def test_install_button_starts_the_installer_from_the_disc(self):
        # A disc without the installed product's keys: the installer is only
        # started, the screens stay and the button keeps its caption.
        hold = self.session.discs / "installer" / "hold"
        self.start_launcher("installer", {"General": {
            "Installer": "test_installer.exe", "Uninstall Entry": None,
            "Hide While Installing": None}}, extra_env={"VELINST_LAUNCH_HOLD": windows_path(hold)})
        hold.write_text("")
        self.session.click(self.form["hwnd"], "install")
        records = wait_until(lambda: launch_log(self.log), 10)
        self.assertEqual(len(records), 1)
        self.assertEqual(records[0]["program"].lower(),
                         windows_path(self.disc / "test_installer.exe").lower())
        self.assert_still_running()
        self.assertTrue(self.session.windows(FORM, visible_only=True))
        self.assertEqual(self.session.get_text(self.form["hwnd"], "install"), "&Install")
        hold.unlink()

    def test_without_an_installer_nothing_starts_and_nothing_is_shown(self):
        self.start_launcher("no-installer", {"General": {"Installer": None}})
        self.session.post_command(BACKDROP, 3024)
        self.assert_still_running()
        self.assertEqual(launch_log(self.log), [])
        self.assertIsNone(self.session.message_box(timeout=0.5))


class LanguageTests(LauncherScenario):
    # Without settings of its own for German, the disc has the gate.
    NO_GERMAN = {"VelInst.07.ini": None}

    def test_german_system_starts_the_installer_and_shows_nothing(self):
        self.start_launcher("german", {"General": {"IsEnglishOnly": None,
                                                   "Installer": "test_installer.exe"}},
                            language="de_DE.UTF-8", wait_for_form=False, files=self.NO_GERMAN)
        self.assertEqual(self.program.wait(20), 0)
        records = wait_until(lambda: launch_log(self.log), 10)
        self.assertEqual(len(records), 1)
        self.assertTrue(records[0]["program"].lower().endswith("\\test_installer.exe"))
        self.assertEqual(self.session.windows(BACKDROP), [])
        self.assertEqual(self.session.windows(FORM), [])

    def test_german_system_shows_the_screens_when_the_gate_is_off(self):
        self.start_launcher("german-open", {"General": {"IsEnglishOnly": "0",
                                                        "Installer": "test_installer.exe"}},
                            language="de_DE.UTF-8", files=self.NO_GERMAN)
        self.backdrop()
        self.assertEqual(launch_log(self.log), [])

    def test_english_systems_show_the_screens(self):
        # English of India (0x4009) is English as much as of the UK.
        for language in ("en_US.UTF-8", "en_GB.UTF-8", "en_IN.UTF-8"):
            with self.subTest(language=language):
                self.start_launcher(f"english-{language[:5]}",
                                    {"General": {"IsEnglishOnly": None,
                                                 "Installer": "test_installer.exe"}},
                                    language=language)
                self.backdrop()
                self.assertEqual(launch_log(self.log), [])
                self.session.close()


class BrowserTests(LauncherScenario):
    ADDRESSES = {3028: "Corvinel", 3065: "Corvinel", 3064: "Velmora Site", 3074: "OrderOnline"}

    def setUp(self):
        super().setUp()
        self.browser_dir = self.session.build / "e2e" / "browser"
        shutil.rmtree(self.browser_dir, ignore_errors=True)
        self.browser_dir.mkdir(parents=True)
        self.browser = shutil.copy2(env_path("VELINST_TEST_BROWSER"), self.browser_dir / "view.exe")
        self.addCleanup(self.restore_association)
        # A browser chosen for the protocols that cannot start: web addresses
        # then take the ".htm" road.
        self.associate_protocols(r'"C:\VelInstNoBrowser\none.exe" "%1"')

    def restore_association(self):
        self.session.reg_delete(r"HKCR\VelInstTestHTML")
        self.session.reg_add(r"HKCR\.htm", None, "htmlfile")
        self.associate_protocols(r'"C:\windows\system32\winebrowser.exe" "%1"')

    def associate_protocols(self, open_command):
        for protocol in ("http", "https"):
            self.session.reg_add(rf"HKCR\{protocol}\shell\open\command", None, open_command)

    def associate(self, open_command, kind="REG_SZ"):
        self.session.reg_add(r"HKCR\.htm", None, "VelInstTestHTML")
        self.session.reg_add(r"HKCR\VelInstTestHTML\shell\open\command", None, open_command,
                             kind)

    def check_pages_open(self, name, program=None):
        """Each page opens in the browser, started in its own folder; the
        browser's Windows path is by default that of the one copied for the
        test."""
        program = program or windows_path(self.browser)
        self.start_launcher(name)
        values = {}
        for line in (self.disc / "VelInst.ini").read_text(encoding="latin-1").splitlines():
            key, _, value = line.partition("=")
            values.setdefault(key.strip(), value.strip())
        for number in self.ADDRESSES:
            self.session.post_command(BACKDROP, number)
        records = wait_until(lambda: len(launch_log(self.log)) >= 4 and launch_log(self.log), 15)
        self.assertEqual(len(records or []), 4, records)
        # Launch order is not guaranteed across processes; compare as multisets.
        expected = sorted(f'"{program}" {values[key]}'.lower() for key in self.ADDRESSES.values())
        self.assertEqual(sorted(r["command_line"].lower() for r in records), expected)
        for record in records:
            self.assertEqual(record["program"].lower(), program.lower())
            self.assertEqual(record["directory"].lower(), program.rsplit("\\", 1)[0].lower())
        self.assertTrue(self.program.running())

    def test_quoted_open_command_with_arguments(self):
        self.associate(f'"{windows_path(self.browser)}" -nohome "%1"')
        self.check_pages_open("browser-quoted")

    def test_open_command_stored_with_variables(self):
        # As browsers register themselves: "%ProgramFiles%\..." in a value
        # stored for expansion.
        folder = self.session.prefix.drive_c / "Program Files" / "VelInstTestViewer"
        folder.mkdir(parents=True, exist_ok=True)
        self.addCleanup(shutil.rmtree, folder, ignore_errors=True)
        shutil.copy2(self.browser, folder / "view.exe")
        self.associate(r'"%ProgramFiles%\VelInstTestViewer\view.exe" -nohome "%1"',
                       "REG_EXPAND_SZ")
        self.check_pages_open("browser-expand", r"C:\Program Files\VelInstTestViewer\view.exe")

    def test_unquoted_open_command(self):
        self.associate(f"{windows_path(self.browser)} %1")
        self.check_pages_open("browser-unquoted")

    def test_read_only_association_still_opens_the_pages(self):
        # Machine-wide file types may be read, not written, by a standard
        # user (and by an administrator under UAC).
        self.associate(f'"{windows_path(self.browser)}" -nohome "%1"')
        for key in (r".htm", r"VelInstTestHTML\shell\open\command"):
            self.addCleanup(self.session.run, env_path("VELINST_KEY_ACCESS"), [key, "full"])
            self.session.run(env_path("VELINST_KEY_ACCESS"), [key, "read-only"])
        self.check_pages_open("browser-read-only")

    def test_product_page_button_opens_the_product_page(self):
        self.associate(f'"{windows_path(self.browser)}" "%1"')
        self.start_launcher("browser-button")
        self.session.click(self.form["hwnd"], "product_page")
        records = wait_until(lambda: launch_log(self.log), 10)
        self.assertEqual(len(records), 1)
        self.assertTrue(records[0]["command_line"].endswith(" http://www.velmora.com/corvinel/index.htm"))

    def test_web_pages_open_in_the_browser_chosen_for_their_protocol(self):
        """As Windows 8 and later keep the customer's default browser; an
        address without http:// or https:// still goes to the ".htm" program."""
        pages = shutil.copy2(self.browser, self.browser_dir / "pages.exe")
        self.associate(f'"{windows_path(pages)}" "%1"')
        self.associate_protocols(f'"{windows_path(self.browser)}" -nohome "%1"')
        self.start_launcher("browser-protocol", {"General": {
            "OrderOnline": "HTTPS://www.velmora.com/store/order.htm?a=1&b=2",
            "Velmora Site": "www.velmora.com/index.htm"}})
        for number in self.ADDRESSES:
            self.session.post_command(BACKDROP, number)
        records = wait_until(lambda: len(launch_log(self.log)) >= 4 and launch_log(self.log), 15)
        self.assertEqual(len(records or []), 4, records)
        browser, htm = windows_path(self.browser), windows_path(pages)
        self.assertEqual(sorted((r["program"].lower(), r["command_line"]) for r in records), sorted(
            [(browser.lower(), f'"{browser}" -nohome "{address}"') for address in (
                "http://www.velmora.com/corvinel/index.htm", "http://www.velmora.com/corvinel/index.htm",
                "HTTPS://www.velmora.com/store/order.htm?a=1&b=2")] +
            [(htm.lower(), f'"{htm}" www.velmora.com/index.htm')]))
        self.assertIsNone(self.session.message_box(timeout=0.5))
        self.assertTrue(self.program.running())

    def test_the_shell_library_is_loaded_from_the_system_directory_for_the_first_page(self):
        """Start-up loads no library that only some commands use."""
        self.associate_protocols(f'"{windows_path(self.browser)}" "%1"')
        # The AutoPlay answer, registered at start, needs the shell and COM.
        self.start_launcher("browser-first-page", edits={"General": {"Cancel AutoPlay": "0"}},
                            extra_env={"WINEDEBUG": "-all,+pid,+loaddll"})
        time.sleep(1.2)  # more than two ticks of the timer
        at_start = self.loaded_libraries()
        for library in ("shell32.dll", "comdlg32.dll", "wininet.dll"):
            with self.subTest(library=library):
                self.assertNotIn(library, [path.rsplit("\\", 1)[-1] for path in at_start])
        self.session.post_command(BACKDROP, 3028)
        records = wait_until(lambda: launch_log(self.log), 10)
        self.assertEqual(len(records), 1, records)
        self.assertIn(r"c:\windows\system32\shell32.dll", self.loaded_libraries())

    def loaded_libraries(self):
        """The paths of the libraries the launcher loaded so far, in small
        letters, from Wine's trace of them: the lines of the launcher's own
        process (Wine's desktop process, when the launcher starts it, writes
        to the same log)."""
        loads = [(pid, path.replace("\\\\", "\\").lower()) for pid, path in re.findall(
            r'^([0-9a-f]+):[0-9a-f]+:trace:loaddll:\w+ Loaded L"([^"]+)"', self.program.output(),
            re.M)]
        launcher = next(pid for pid, path in loads if path.endswith("\\velinst.exe"))
        return [path for pid, path in loads if pid == launcher]

    def test_without_an_htm_association_nothing_happens(self):
        self.session.reg_delete(r"HKCR\.htm")
        self.start_launcher("browser-none")
        for number in self.ADDRESSES:
            self.session.post_command(BACKDROP, number)
        self.assert_still_running()
        self.assertEqual(launch_log(self.log), [])
        self.assertIsNone(self.session.message_box(timeout=0.5))
