"""The harness itself: starting programs, the launch records, driving a
window named the way the form engine names its windows (test_form.exe),
message boxes, screenshots, registry and language per command."""
import shutil
import unittest

from velinst_e2e import (ScenarioTestCase, edit_ini, env_path, ini_values, launch_log, rect,
                         wait_until, windows_path, write_ini_lines)

FORM_CLASS = "VelInstHarnessForm"


class LaunchRecordTests(ScenarioTestCase):
    def test_record_names_program_command_line_and_directory(self):
        log = self.session.build / "e2e" / "launch-record.txt"
        log.unlink(missing_ok=True)
        work = self.session.build / "e2e" / "launch-work"
        work.mkdir(parents=True, exist_ok=True)
        installer = env_path("VELINST_TEST_INSTALLER")
        program = self.session.start(installer, ["http://www.velmora.com/a b.htm"], cwd=work,
                                     extra_env={"VELINST_LAUNCH_LOG": windows_path(log)})
        self.assertEqual(program.wait(20), 0)
        records = launch_log(log)
        self.assertEqual(len(records), 1)
        self.assertTrue(records[0]["program"].lower().endswith("\\test_installer.exe"))
        self.assertTrue(records[0]["command_line"].endswith(" \"http://www.velmora.com/a b.htm\""),
                        records[0]["command_line"])
        self.assertEqual(records[0]["directory"].lower(), windows_path(work).lower())

    def test_without_a_log_name_the_record_lands_beside_the_program(self):
        folder = self.session.build / "e2e" / "launch-beside"
        shutil.rmtree(folder, ignore_errors=True)
        folder.mkdir(parents=True)
        browser = shutil.copy2(env_path("VELINST_TEST_BROWSER"), folder / "browser.exe")
        for address in ("first", "second"):
            self.assertEqual(self.session.start(browser, [address]).wait(20), 0)
        records = launch_log(folder / "launch_log.txt")
        self.assertEqual([r["command_line"].split()[-1] for r in records], ["first", "second"])


class WindowDrivingTests(ScenarioTestCase):
    def start_form(self):
        program = self.session.start(env_path("VELINST_TEST_FORM"))
        form = self.session.wait_window(FORM_CLASS, timeout=15)
        self.assertIsNotNone(form, "the test form did not appear")
        return program, form

    def test_named_controls_are_listed_typed_into_and_read(self):
        program, form = self.start_form()
        self.assertEqual(form["template"], "harness")
        self.assertEqual(form["title"], "Harness Form")
        controls = {c["name"]: c for c in self.session.controls(form["hwnd"])}
        self.assertEqual(set(controls), {"first_name", "greet", "card", "check"})
        self.assertEqual(controls["first_name"]["class"], "Edit")
        self.assertEqual((controls["card"]["checked"], controls["check"]["checked"]), ("1", "0"))
        self.session.set_text(FORM_CLASS, "first_name", "Ada Tab\there")
        self.assertEqual(self.session.get_text(FORM_CLASS, "first_name"), "Ada Tab\there")
        # The text was set as typing sets it: the form saw the change.
        self.assertIsNotNone(self.session.wait_window(FORM_CLASS, 5, title="changed:Ada Tab\there"))
        self.assertTrue(program.running())

    def test_button_press_and_message_box(self):
        program, form = self.start_form()
        self.session.set_text(form["hwnd"], "first_name", "Ada")
        self.session.click(form["hwnd"], "greet")
        box = self.session.message_box(timeout=10)
        self.assertIsNotNone(box, "no message box")
        self.assertEqual((box["caption"], box["text"], box["owner"], box["icon"]),
                         ("Harness Box", "Hello Ada", form["hwnd"], "1"))
        self.assertTrue(self.session.close_message_box())
        self.assertEqual(program.wait(10), 1, "the box did not return IDOK")
        self.assertTrue(self.session.wait_no_window(FORM_CLASS, 5))
        self.assertIsNone(self.session.message_box(timeout=0.5))

    def test_message_box_without_icon(self):
        program, form = self.start_form()
        self.session.post_command(form["hwnd"], 4243)
        box = self.session.message_box(timeout=10)
        self.assertEqual((box["text"], box["icon"], box["buttons"]), ("Plain", "0", "1:OK"))
        self.assertTrue(self.session.close_message_box())
        self.assertTrue(wait_until(lambda: self.session.message_box(timeout=0) is None, 5))
        self.assertTrue(program.running())

    def test_posted_command_and_close_end_the_program(self):
        program, _ = self.start_form()
        self.session.post_command(FORM_CLASS, 4242)
        self.assertEqual(program.wait(10), 42)
        program, _ = self.start_form()
        self.session.post_close(FORM_CLASS)
        self.assertEqual(program.wait(10), 0)
        self.assertEqual(self.session.windows(FORM_CLASS), [])

    def test_screenshot_shows_the_window_where_its_rect_says(self):
        _, form = self.start_form()
        left, top, right, bottom = rect(form)
        # Below the controls, inside the client area: the form's own colour,
        # once the form is painted (a loaded machine may take a while).
        def painted():
            shot = self.session.screenshot("harness-form")
            return shot if self.session.pixel(shot, right - 30, bottom - 30) == (0, 128, 255) \
                else None
        shot = wait_until(painted, 10)
        self.assertTrue(shot, "the form's colour is not where its rect says")
        self.assertNotEqual(self.session.pixel(shot, right + 30, bottom + 30), (0, 128, 255))


class SystemTests(ScenarioTestCase):
    def test_language_is_set_per_command_only(self):
        languages = {"de_DE.UTF-8": "0x0407", "en_GB.UTF-8": "0x0809", None: "0x0409"}
        for language, expected in languages.items():
            with self.subTest(language=language):
                _, lines = self.session.winctl("language", language=language)
                self.assertEqual(lines[0]["system_language"], expected)

    def test_registry_values_are_added_and_deleted(self):
        key = r"HKCR\VelInstHarnessType\shell\open\command"
        self.session.reg_delete(r"HKCR\VelInstHarnessType")
        self.session.reg_add(key, data='"C:\\Test\\browser.exe" "%1"')
        query = self.session.run("reg", ["query", key], check=False)
        self.assertEqual(query.returncode, 0)
        self.assertIn('"C:\\Test\\browser.exe" "%1"', query.stdout)
        self.session.reg_delete(r"HKCR\VelInstHarnessType")
        self.assertNotEqual(self.session.run("reg", ["query", key], check=False).returncode, 0)


class DiscAssemblyTests(unittest.TestCase):
    """Settings-file editing and the disc copy, without Wine."""

    def test_edits_set_add_and_delete_keys_keeping_other_lines(self):
        lines = ["; comment", "[General]", "Installer=Setup.exe", "Startup=a.vrm", "",
                 "[Other]", "x=1"]
        edited = edit_ini(lines, {"general": {"INSTALLER": None, "IsEnglishOnly": "0"},
                                  "other": {"X": "2"}, "New Section": {"k": "v", "gone": None}})
        self.assertEqual(edited, ["; comment", "[General]", "Startup=a.vrm", "", "IsEnglishOnly=0",
                                  "[Other]", "X=2", "[New Section]", "k=v"])

    def test_assembled_disc_has_the_sample_files_the_binaries_and_the_edits(self):
        import tempfile
        from pathlib import Path
        from velinst_e2e import assemble_disc, read_ini_lines, source_dir
        with tempfile.TemporaryDirectory() as temp:
            exe = Path(temp) / "VelInst.exe"
            dll = Path(temp) / "VORM2.dll"
            exe.write_bytes(b"exe")
            dll.write_bytes(b"dll")
            folder = assemble_disc(source_dir(), exe, dll, Path(temp) / "disc")
            ini = folder / "VelInst.ini"
            write_ini_lines(ini, edit_ini(read_ini_lines(ini), {"General": {"Installer": "x.exe"}}))
            self.assertEqual((folder / "VelInst.exe").read_bytes(), b"exe")
            self.assertEqual((folder / "VORM2.dll").read_bytes(), b"dll")
            values = ini_values(ini)
            self.assertEqual(values["general"]["installer"], "x.exe")
            self.assertEqual(values, {**ini_values(source_dir() / "disc" / "VelInst.ini"),
                                      "general": values["general"]})
            for name in (source_dir() / "disc").iterdir():
                self.assertTrue((folder / name.name).exists(), name.name)


if __name__ == "__main__":
    unittest.main()
