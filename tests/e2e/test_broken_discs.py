"""The launcher on discs and systems that are broken: a settings file that
is missing, binary junk, oversized or repeated; a start-up template that is
missing or malformed; a disc that cannot be written; a profile that cannot
be written; a registration file with a 1 MB product name. The program never
crashes, ends with exit code 0 where it has nothing to show (after the form
engine's warning about a start-up template it cannot use), and otherwise
shows what the settings say, cut to its buffers."""
import os
import stat

from registration_peer import SCRIPT_PATH
from test_registration import (BACKDROP, FORM, PRODUCT, TYPED, RegistrationScenario,
                               script_requests)
from velinst_e2e import read_ini_lines, windows_path, write_ini_lines

MEGABYTE = 1024 * 1024
# The fields a registration needs besides the country, which is prefilled.
REQUIRED = ("reg_first_name", "reg_last_name", "reg_street1", "reg_city", "reg_state",
            "reg_zip")
# A text whose every cut is told apart from the others.
PATTERN = "".join(f"{n:04d}," for n in range(2000))


def files_of(folder):
    """Every file and folder below `folder` with its size and time."""
    return {str(path.relative_to(folder)): (path.stat().st_size, path.stat().st_mtime_ns)
            for path in sorted(folder.rglob("*"))}


def replace_ini(disc, lines):
    write_ini_lines(disc / "VelInst.ini", lines)


class NothingToShowTests(RegistrationScenario):
    """Without a start-up template there is nothing to show: the program
    ends at its first tick, with exit code 0. A template that the form
    engine cannot use is first reported in its warning, which names the
    file and the reason; the run ends once the warning is answered."""

    # How the disc is broken, and the reason the engine's warning gives
    # (None: no template is named, so no warning).
    CASES = [
        ("settings missing", None),
        ("settings of binary junk", None),
        ("start-up path too long", None),
        ("start-up template missing", "the file does not exist"),
        ("start-up template malformed", "line 3: "),
    ]

    def break_disc(self, disc, how):
        ini = disc / "VelInst.ini"
        if how == "settings missing":
            ini.unlink()
        elif how == "settings of binary junk":
            ini.write_bytes(bytes(range(256)) * 64 + b"\0[General]\0Startup=screens\\start.vrm")
        elif how == "start-up path too long":
            write_ini_lines(ini, [line if not line.startswith("Startup=") else
                                  "Startup=" + "screens\\" * 40 + "start.vrm"
                                  for line in read_ini_lines(ini)])
        elif how == "start-up template missing":
            (disc / "screens" / "start.vrm").unlink()
        elif how == "start-up template malformed":
            (disc / "screens" / "start.vrm").write_bytes(b"[template]\nname = Start\n\xff\0junk")

    def test_each_broken_start_ends_with_exit_code_0(self):
        for how, reason in self.CASES:
            with self.subTest(how=how):
                disc = self.session.assemble_disc("nothing-" + how.replace(" ", "-"))
                self.break_disc(disc, how)
                program = self.session.start(disc / "VelInst.exe")
                if reason is not None:
                    box = self.session.message_box(timeout=20)
                    self.assertIsNotNone(box, "no warning about the start screen")
                    start = windows_path(disc / "screens" / "start.vrm")
                    self.assertTrue(box["text"].startswith(
                        f"This screen cannot be shown:\n{start}\n\n{reason}"), box["text"])
                    self.assertTrue(self.session.close_message_box())
                self.assertEqual(program.wait(20), 0, program.output())
                self.assertEqual(self.session.windows(FORM), [])
                self.assertEqual(self.session.windows(BACKDROP), [])
                self.assertEqual(self.session.windows("#32770"), [])


class OddSettingsTests(RegistrationScenario):
    def test_oversized_and_repeated_settings_are_cut_and_the_first_section_counts(self):
        long_warning = "Warning " + PATTERN[:400]
        long_country = "Country " + PATTERN[:300]

        def oddities(disc):
            lines = read_ini_lines(disc / "VelInst.ini")
            edited = []
            for line in lines:
                if line.startswith("Warning="):
                    line = "Warning=" + long_warning
                elif line.startswith("Usa="):
                    line = "Usa=" + long_country
                edited.append(line)
                if line == "[General]":
                    edited += ["K" * 300 + "=" + "V" * 300, "Installer=" + "x" * 300]
            replace_ini(disc, ["J" * MEGABYTE, "[" + "S" * 300 + "]", "Key=value"] + edited + [
                # Repeated sections: the first of them is the one read.
                "[General]", "Startup=screens\\missing.vrm",
                "[validate error]", "Warning=the second section's warning"])
        start = self.start_launcher("odd-settings", before_start=oddities)
        registration = self.open_registration(start)
        # The default country is read with a limit of 64 bytes; the field
        # itself holds 31 characters.
        self.assert_fields(registration, {"reg_product": PRODUCT,
                                          "reg_country": long_country[:31]})
        self.session.click(registration["hwnd"], "register_online")
        box = self.session.message_box(timeout=10)
        self.assertIsNotNone(box, "no warning")
        # The head alone outgrows the 255 characters of the warning.
        self.assertEqual(box["text"], long_warning[:255])
        self.assertTrue(self.session.close_message_box())
        # The installer's path is too long for its buffer: nothing starts.
        self.session.post_command(BACKDROP, 3024)
        self.assertIsNone(self.session.message_box(timeout=1))
        self.assertTrue(self.program.running())
        self.assertEqual(self.form("Registration")["hwnd"], registration["hwnd"])


class UnwritableTests(RegistrationScenario):
    def test_read_only_disc_unwritable_profile_and_a_1_mb_product_name(self):
        peer = self.start_peer("confirm")
        product = "Corvinel " + (PATTERN * (MEGABYTE // len(PATTERN) + 1))[:MEGABYTE]
        # Where the profile would go is taken by a folder of that name.
        blocked = self.session.prefix.drive_c / "windows" / "VelmoraReg.ini"
        blocked.mkdir()
        self.addCleanup(blocked.rmdir)

        def prepare(disc):
            write_ini_lines(disc / "register.ini", ["[Register]", "Product=" + product])
            self.disc_files = files_of(disc)
            for path in [disc, *disc.rglob("*")]:
                path.chmod(path.stat().st_mode & ~(stat.S_IWUSR | stat.S_IWGRP | stat.S_IWOTH))
            self.addCleanup(lambda: [os.chmod(p, os.stat(p).st_mode | stat.S_IWUSR)
                                     for p in [disc, *disc.rglob("*")]])
        start = self.start_launcher("read-only", before_start=prepare)
        registration = self.open_registration(start)
        # The product name is read with a limit of 256 bytes; the field
        # itself holds 63 characters.
        self.assert_fields(registration, {"reg_product": product[:63]})
        self.type_into(registration, {name: TYPED[name] for name in REQUIRED})
        self.session.click(registration["hwnd"], "register_online")
        self.assert_result_box(40)

        sent = dict(script_requests(peer.requests)[0]["fields"])
        self.assertEqual(sent["PRODUCT NAME"], product[:63])
        self.assertEqual(peer.requests[0]["path"], SCRIPT_PATH)
        self.assertTrue(self.program.running())
        # The profile could not be written: nothing was, anywhere, and the
        # forms open with the defaults only.
        self.assertEqual(list(blocked.iterdir()), [])
        self.assertEqual([p for p in self.profile_candidates() if p.is_file()], [])
        start = self.go(registration, "back", "Start")
        registration = self.open_registration(start)
        self.assert_fields(registration, {"reg_product": product[:63], "reg_first_name": "",
                                          "reg_country": "USA"})
        # The program never wrote beside itself.
        self.session.post_command(BACKDROP, 40001)
        self.assertEqual(self.program.wait(10), 0)
        self.assertEqual(files_of(self.disc), self.disc_files)
