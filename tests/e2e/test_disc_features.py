"""What a vendor's disc can do besides the screens, as the customer meets it
on the sample disc: the installed product's state from its uninstall entry
(also a Windows Installer product, and one installed under a folder named in
Cyrillic), the disc's documents, the screens making way for the installer
and every program it starts, the shell's AutoPlay question, and the German
disc on a German Windows."""
import shutil
import time

from test_launcher import BACKDROP, FORM, LauncherScenario
from velinst_e2e import (TYPING_LANGUAGE, env_path, ini_values, launch_log, source_dir,
                         wait_until, windows_path)

UNINSTALL = r"Software\Microsoft\Windows\CurrentVersion\Uninstall"
ENTRY = UNINSTALL + r"\Corvinel Professional 4.0"
# Where reg.exe writes an entry: the machine's 64-bit keys, its 32-bit ones,
# the customer's own.
PLACES = {"64": ("HKLM", ["/reg:64"]), "32": ("HKLM", ["/reg:32"]), "user": ("HKCU", [])}


class DiscFeatureScenario(LauncherScenario):
    def buttons(self):
        """{name: (text, enabled)} of the current start screen's buttons."""
        form = self.session.wait_form("Start", 10)
        return {c["name"].lower(): (c["text"], c["enabled"] == "1")
                for c in self.session.controls(form["hwnd"]) if c["class"] == "Button"}

    def wait_buttons(self, name, expected):
        self.assertTrue(wait_until(lambda: self.buttons().get(name) == expected, 10),
                        (name, self.buttons().get(name)))

    def reopen_start_screen(self):
        """Register, then back: the start screen opens afresh."""
        self.session.click(FORM, "register")
        self.assertIsNotNone(self.session.wait_form(self.registration, 10, ["back"]))
        self.session.click(FORM, "back")
        self.assertIsNotNone(self.session.wait_form("Start", 10, ["install"]))

    def screens_shown(self):
        return bool(self.session.windows(FORM, visible_only=True)
                    and self.session.windows(BACKDROP, visible_only=True))

    registration = "Registration"


class InstalledProductTests(DiscFeatureScenario):
    def add_entry(self, place, version, folder, location=None, language=None):
        root, view = PLACES[place]
        key = f"{root}\\{ENTRY}"
        self.addCleanup(self.session.run, "reg", ["delete", key, "/f", *view], check=False)
        location = location or windows_path(folder)
        for name, data in (("DisplayName", "Corvinel Professional 4.0"),
                           ("DisplayVersion", version),
                           ("InstallLocation", location),
                           ("ModifyPath", f'"{location}\\setup.exe" /modify'),
                           ("UninstallString", f'"{location}\\unins000.exe" /SILENT')):
            self.session.run("reg", ["add", key, "/v", name, "/d", data, "/f", *view],
                             language=language)
        return key, view

    def install_stand_ins(self, folder):
        shutil.rmtree(folder, ignore_errors=True)
        folder.mkdir(parents=True)
        for name in ("Corvinel.exe", "setup.exe", "unins000.exe"):
            shutil.copy2(env_path("VELINST_TEST_INSTALLER"), folder / name)

    def test_the_start_screen_follows_the_uninstall_entry_in_each_place(self):
        folder = self.session.build / "e2e" / "installed" / "Corvinel"
        self.install_stand_ins(folder)
        hold = self.session.discs / "installed" / "hold"
        # The uninstaller starts a copy of itself through cmd /c start and
        # ends, as uninstallers that run from the temporary folder do.
        self.start_launcher("installed", {"General": {"Installer": "test_installer.exe"}},
                            extra_env={"VELINST_LAUNCH_HOLD": windows_path(hold),
                                       "VELINST_LAUNCH_RELAUNCH": "unins000.exe"})
        # Not installed: the screen as written, nothing to change or remove.
        self.wait_buttons("install", ("&Install", True))
        self.assertEqual(self.buttons()["change_repair"], ("&Change or Repair", False))
        self.assertEqual(self.buttons()["uninstall"], ("U&ninstall", False))
        # A release candidate of the disc's version in the 32-bit keys: older,
        # so Update runs the disc's installer.
        key, view = self.add_entry("32", "4.0.2-rc1", folder)
        self.reopen_start_screen()
        self.wait_buttons("install", ("&Update to 4.0.2", True))
        self.assertEqual(self.buttons()["uninstall"], ("U&ninstall", True))
        self.session.click(FORM, "install")
        self.assertTrue(wait_until(lambda: len(launch_log(self.log)) == 1, 10))
        self.assertTrue(launch_log(self.log)[0]["program"].endswith("\\test_installer.exe"))
        self.wait_buttons("install", ("&Update to 4.0.2", True))  # back after it ended
        # The disc's version in the 64-bit keys, "(x64)" no part of it: Start
        # Corvinel, in its folder.
        self.session.run("reg", ["delete", key, "/f", *view])
        self.add_entry("64", "4.0.2 (x64)", folder)
        self.reopen_start_screen()
        self.wait_buttons("install", ("&Start Corvinel", True))
        self.session.window_shot(self.session.wait_form("Start", 5), "start-installed")
        self.session.click(FORM, "install")
        self.session.click(FORM, "change_repair")
        self.assertTrue(wait_until(lambda: len(launch_log(self.log)) == 3, 10))
        started = {r["program"].rsplit("\\", 1)[1].lower(): r for r in launch_log(self.log)}
        self.assertEqual(started["corvinel.exe"]["directory"].lower(),
                         windows_path(folder).lower())
        self.assertTrue(started["setup.exe"]["command_line"].endswith(" /modify"))
        # Installed for the customer alone: the same; Uninstall removes it.
        self.session.run("reg", ["delete", f"HKLM\\{ENTRY}", "/f", "/reg:64"])
        key, _ = self.add_entry("user", "4.0.2", folder)
        self.reopen_start_screen()
        self.wait_buttons("install", ("&Start Corvinel", True))
        hold.write_text("")
        self.session.click(FORM, "uninstall")
        self.assertTrue(wait_until(lambda: len(launch_log(self.log)) == 5, 10))
        first, copy = launch_log(self.log)[3:]
        self.assertTrue(first["command_line"].endswith(" /SILENT"), first)
        self.assertTrue(copy["command_line"].endswith(" /relaunched"), copy)
        # The first uninstaller has ended; the screens wait for its copy.
        time.sleep(1.5)
        self.assertFalse(self.session.windows(BACKDROP, visible_only=True))
        self.assertFalse(self.session.windows(FORM, visible_only=True))
        self.session.run("reg", ["delete", key, "/f"])
        hold.unlink()
        # When the copy has ended, the screen shows what is left.
        self.assertTrue(wait_until(self.screens_shown, 10), "the screens did not come back")
        self.wait_buttons("install", ("&Install", True))
        self.assertEqual(self.buttons()["uninstall"], ("U&ninstall", False))
        # Cancelled, the uninstall leaves the entry: the screens come back as
        # the product is, and follow the entry when it goes afterwards.
        key, _ = self.add_entry("user", "4.0.2", folder)
        self.reopen_start_screen()
        self.session.click(FORM, "uninstall")
        self.assertTrue(wait_until(lambda: len(launch_log(self.log)) == 7, 10))
        self.assertTrue(wait_until(self.screens_shown, 10), "the screens did not come back")
        self.wait_buttons("install", ("&Start Corvinel", True))
        self.session.run("reg", ["delete", key, "/f"])
        self.wait_buttons("install", ("&Install", True))
        self.assertTrue(self.program.running())

    def test_a_product_installed_under_a_folder_named_in_cyrillic(self):
        """On an English system (ANSI code page 1252) the customer's folder
        in Cyrillic has only its short form in ANSI: the product, its
        change and its uninstall programs start through it."""
        user = self.session.prefix.drive_c / "users" / "\u0414\u043c\u0438\u0442\u0440\u0438\u0439"
        self.addCleanup(shutil.rmtree, user, ignore_errors=True)
        self.install_stand_ins(user / "Corvinel")
        location = "C:\\users\\" + user.name + "\\Corvinel"
        self.add_entry("user", "4.0.2", None, location=location, language=TYPING_LANGUAGE)
        self.start_launcher("cyrillic", {"General": {"Hide While Installing": "0"}},
                            language=TYPING_LANGUAGE)
        self.wait_buttons("install", ("&Start Corvinel", True))
        for count, button in enumerate(("install", "change_repair", "uninstall"), 1):
            self.wait_buttons(button, (self.buttons()[button][0], True))
            self.session.click(FORM, button)
            self.assertTrue(wait_until(lambda: len(launch_log(self.log)) == count, 10),
                            (button, launch_log(self.log)))
        started = [r["program"].rsplit("\\", 1)[1].lower() for r in launch_log(self.log)]
        self.assertEqual(started, ["corvinel.exe", "setup.exe", "unins000.exe"])
        self.assertTrue(launch_log(self.log)[2]["command_line"].endswith(" /SILENT"))
        self.assertIsNone(self.session.message_box(timeout=0.5))


def squashed(guid):
    """A GUID as Windows Installer names its registry keys by it."""
    digits = guid.strip("{}").replace("-", "")
    return (digits[7::-1] + digits[11:7:-1] + digits[15:11:-1]
            + "".join(digits[i + 1] + digits[i] for i in range(16, 32, 2)))


class WindowsInstallerTests(DiscFeatureScenario):
    """A product of Windows Installer, found by its upgrade code after a
    major upgrade gave it another product code; a stand-in records what
    msiexec is given."""
    UPGRADE_CODE = "{0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F9}"
    PRODUCT_CODE = "{11111111-2222-3333-4444-555555555555}"
    DISC_CODE = "{66666666-7777-8888-9999-AAAAAAAAAAAA}"

    def stand_in_for_msiexec(self):
        msiexec = self.session.prefix.drive_c / "windows" / "system32" / "msiexec.exe"
        original = msiexec.read_bytes()
        self.addCleanup(msiexec.write_bytes, original)
        shutil.copy2(env_path("VELINST_TEST_INSTALLER"), msiexec)
        overrides = r"HKCU\Software\Wine\DllOverrides"
        self.addCleanup(self.session.reg_delete, overrides, "msiexec.exe")
        self.session.reg_add(overrides, "msiexec.exe", "native")

    def set_entry(self, name, data, kind="REG_SZ"):
        self.session.run("reg", ["add", self.key, "/v", name, "/t", kind, "/d", data, "/f",
                                 "/reg:64"])

    def test_uninstall_removes_and_change_repairs_as_windows_own_list_does(self):
        self.stand_in_for_msiexec()
        upgrade = (r"HKLM\Software\Microsoft\Windows\CurrentVersion\Installer\UpgradeCodes"
                   f"\\{squashed(self.UPGRADE_CODE)}")
        self.addCleanup(self.session.run, "reg", ["delete", upgrade, "/f", "/reg:64"], check=False)
        self.session.run("reg", ["add", upgrade, "/v", squashed(self.PRODUCT_CODE), "/d", "",
                                 "/f", "/reg:64"])
        self.key = f"HKLM\\{UNINSTALL}\\{self.PRODUCT_CODE}"
        self.addCleanup(self.session.run, "reg", ["delete", self.key, "/f", "/reg:64"], check=False)
        modify = f"MsiExec.exe /I{self.PRODUCT_CODE}"
        for name, data in (("DisplayName", "Corvinel Professional 4.0"),
                           ("DisplayVersion", "4.0.1"), ("ModifyPath", modify),
                           ("UninstallString", modify)):
            self.set_entry(name, data)
        self.set_entry("WindowsInstaller", "1", "REG_DWORD")
        self.start_launcher("msi", {"General": {"Uninstall Entry": self.DISC_CODE,
                                                "Upgrade Code": self.UPGRADE_CODE,
                                                "Hide While Installing": "0"}})
        self.wait_buttons("install", ("&Update to 4.0.2", True))
        msiexec = r"c:\windows\system32\msiexec.exe"
        expected = [f"/x{self.PRODUCT_CODE}", f"/I{self.PRODUCT_CODE}"]
        self.session.click(FORM, "uninstall")
        self.assertTrue(wait_until(lambda: len(launch_log(self.log)) == 1, 10))
        self.wait_buttons("change_repair", ("&Change or Repair", True))
        self.session.click(FORM, "change_repair")
        self.assertTrue(wait_until(lambda: len(launch_log(self.log)) == 2, 10))
        # Without Change, Change or Repair repairs; without Repair either, and
        # without Remove, the buttons are disabled.
        self.set_entry("NoModify", "1", "REG_DWORD")
        self.reopen_start_screen()
        self.wait_buttons("change_repair", ("&Change or Repair", True))
        self.session.click(FORM, "change_repair")
        expected.append(f"/fomus {self.PRODUCT_CODE}")
        self.assertTrue(wait_until(lambda: len(launch_log(self.log)) == 3, 10))
        for record, arguments in zip(launch_log(self.log), expected):
            self.assertEqual(record["program"].lower(), msiexec, record)
            self.assertTrue(record["command_line"].endswith(" " + arguments), record)
        for flag in ("NoRepair", "NoRemove"):
            self.set_entry(flag, "1", "REG_DWORD")
        self.reopen_start_screen()
        self.wait_buttons("change_repair", ("&Change or Repair", False))
        self.assertEqual(self.buttons()["uninstall"], ("U&ninstall", False))
        self.assertEqual(self.buttons()["install"], ("&Update to 4.0.2", True))


class DocumentTests(DiscFeatureScenario):
    def test_documents_open_in_the_program_windows_has_for_them(self):
        viewer = shutil.copy2(env_path("VELINST_TEST_BROWSER"),
                              self.session.build / "e2e" / "viewer.exe")
        self.addCleanup(self.session.reg_delete, r"HKCR\.txt")
        self.addCleanup(self.session.reg_delete, r"HKCR\VelInstTestText")
        self.session.reg_add(r"HKCR\.txt", None, "VelInstTestText")
        # The type's default action is its only one, and not "open".
        self.session.reg_add(r"HKCR\VelInstTestText\shell", None, "view")
        self.session.reg_add(r"HKCR\VelInstTestText\shell\view\command", None,
                             f'"{windows_path(viewer)}" "%1"')
        self.start_launcher("documents", {"Documents": {"Document3": "Missing.txt",
                                                        "Document5": "Manual.velinstnone"}},
                            files={"Manual.velinstnone": b"no program opens this"})
        self.session.click(FORM, "read_me")
        self.session.post_command(BACKDROP, 3103)  # not on the disc
        self.session.post_command(BACKDROP, 3104)  # not named
        self.assertTrue(wait_until(lambda: launch_log(self.log), 10))
        self.assert_still_running()
        records = launch_log(self.log)
        self.assertEqual(len(records), 1, records)
        self.assertEqual(records[0]["program"].lower(), windows_path(viewer).lower())
        self.assertTrue(records[0]["command_line"].lower().endswith(
            f'"{windows_path(self.disc / "ReadMe.txt").lower()}"'), records[0])
        self.assertIsNone(self.session.message_box(timeout=0.5))
        # A document of a type no program opens is named in a warning.
        self.session.post_command(BACKDROP, 3105)
        box = self.session.message_box(timeout=10)
        self.assertIsNotNone(box, "no warning")
        self.assertEqual(box["caption"], "Install & Register")
        self.assertTrue(box["text"].startswith(
            "No program on this computer opens files of this type:"), box["text"])
        self.assertTrue(box["text"].endswith(windows_path(self.disc / "Manual.velinstnone")),
                        box["text"])
        self.assertTrue(self.session.close_message_box())
        self.assert_still_running()


class StepAsideTests(DiscFeatureScenario):
    def autoplay_answer(self, window):
        _, lines = self.session.winctl("send", window, "QueryCancelAutoPlay", 0, 0)
        return lines[0]["result"] if lines else None

    def registered_autoplay_answer(self):
        """The answer registered with the shell, whichever window is in front."""
        _, lines = self.session.winctl("autoplay")
        return lines[0]

    def run_installer(self, autoplay):
        """Presses Install with the installer held running; returns the hold.
        The hidden backdrop still answers the shell meanwhile: the wait for
        the installer does not stop the launcher's messages."""
        hold = self.disc / "hold"
        hold.write_text("")
        self.session.click(FORM, "install")
        self.assertTrue(wait_until(lambda: launch_log(self.log), 10))
        self.assertTrue(wait_until(lambda: not self.session.windows(BACKDROP, visible_only=True)
                                   and not self.session.windows(FORM, visible_only=True), 5),
                        "the screens did not make way for the installer")
        self.assert_still_running()  # ticks go by while the forms are hidden
        self.assertEqual(self.autoplay_answer(BACKDROP), autoplay)
        return hold

    def test_the_screens_make_way_for_the_installer_then_come_back_or_end(self):
        self.start_launcher("step-aside", {"General": {"Installer": "test_installer.exe"}},
                            extra_env={"VELINST_LAUNCH_HOLD":
                                       windows_path(self.session.discs / "step-aside" / "hold")})
        # A disc inserted meanwhile opens no AutoPlay over the launcher:
        # asked through the form in front, or the backdrop.
        self.assertEqual(self.autoplay_answer(self.form["hwnd"]), "1")
        self.assertEqual(self.autoplay_answer(BACKDROP), "1")
        hold = self.run_installer("1")
        # The installer in front gets the shell's message: the answer
        # registered for the run cancels AutoPlay (S_FALSE).
        self.assertEqual(self.registered_autoplay_answer(), {"registered": "1", "answer": "0x1"})
        hold.unlink()
        self.assertTrue(wait_until(lambda: self.session.windows(FORM, visible_only=True)
                                   and self.session.windows(BACKDROP, visible_only=True), 5),
                        "the screens did not come back")
        self.wait_buttons("install", ("&Install", True))
        # Settings are read at each use: now the launcher ends after it.
        ini = self.disc / "VelInst.ini"
        ini.write_bytes(ini.read_bytes().replace(b"Hide While Installing=1",
                                                 b"Hide While Installing=2\r\nCancel AutoPlay=0"))
        self.assertEqual(self.autoplay_answer(BACKDROP), "0")
        hold = self.run_installer("0")
        self.assertTrue(self.program.running())
        hold.unlink()
        self.assert_ends_with_zero(timeout=5)
        self.assertEqual(len(launch_log(self.log)), 2)
        self.assertEqual(self.registered_autoplay_answer(), {"registered": "0"})


class GermanDiscTests(DiscFeatureScenario):
    registration = "Registrierung"

    def test_settings_the_system_cannot_show_leave_the_english_screens(self):
        # Polish settings (here with the German screens), saved in 1250.
        polish = (source_dir() / "disc" / "VelInst.07.ini").read_bytes().replace(
            b"Code Page=1252", b"Code Page=1250")
        for name, language, install in (
                # Polish screens, programs in 1252: the English settings hold
                # (and on a system of English language, the English screens).
                ("polish-screens", self.session.split_language("pl_PL", "en_US"), "&Install"),
                ("polish", "pl_PL.UTF-8", "&Installieren")):
            with self.subTest(name):
                self.start_launcher(name, {"General": {"Installer": "test_installer.exe"}},
                                    language=language, files={"VelInst.15.ini": polish})
                self.assertEqual(self.buttons()["install"], (install, True))
                self.assertEqual(launch_log(self.log), [])
                self.session.close()

    def test_a_german_windows_gets_the_german_screens_and_settings(self):
        for language in ("de_DE.UTF-8", "de_AT.UTF-8"):
            with self.subTest(language=language):
                self.start_launcher(f"german-{language[:5]}",
                                    {"General": {"Installer": "test_installer.exe"}},
                                    language=language)
                self.assertEqual(self.buttons()["install"], ("&Installieren", True))
                self.assertEqual(launch_log(self.log), [])  # no gate for this disc
                self.session.click(FORM, "register")
                form = self.session.wait_form(self.registration, 10, ["reg_product"])
                self.assertEqual(form["title"], "Corvinel Professional 4.0 - Registrierung")
                # Filled in as the German settings name the form and its fields.
                self.assertTrue(wait_until(lambda: self.session.get_text(
                    form["hwnd"], "reg_product") == "Corvinel Professional 4.0", 5))
                self.session.click(form["hwnd"], "register_online")
                box = self.session.message_box(timeout=10)
                warning = ini_values(self.disc / "VelInst.07.ini")["validate error"]
                self.assertEqual(box["caption"], "Install & Register")
                self.assertTrue(box["text"].startswith(warning["warning"] + " "), box["text"])
                self.assertIn(warning["address"], box["text"])
                self.assertTrue(self.session.close_message_box())
                self.session.close()
