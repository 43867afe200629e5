"""The launcher's settings access (ReadKeyString, ReadKeyInt) on the Windows
profile services under wine64, checked against the settings file itself:
read_settings.exe carries the launcher's string table and settings code."""
import shutil
import unittest

from velinst_e2e import (ScenarioTestCase, edit_ini, env_path, ini_values, read_ini_lines,
                         source_dir, string_table, parse_fields, windows_path, write_ini_lines)

ABSENT = "<absent>"
VALUE_CAPACITY = 256


def key_ids():
    """{id: key name} of every settings key of the string table."""
    return {i: text for i, (constant, text) in string_table(source_dir()).items()
            if constant.startswith("KEY_")}


class ReadSettings(ScenarioTestCase):
    def read(self, ini, section, ids=(), default=None, capacity=None, whole_number=None):
        args = [ini, section]
        if default is not None:
            args += ["--default", default]
        if capacity is not None:
            args += ["--capacity", str(capacity)]
        if whole_number is not None:
            args += ["--int", str(whole_number)]
        result = self.session.run(env_path("VELINST_READ_SETTINGS"),
                                  args + [str(i) for i in ids], timeout=30)
        return {int(line["id"]): line for line in map(parse_fields, result.stdout.splitlines())
                if line.get("id")}

    def disc_ini(self):
        return windows_path(source_dir() / "disc" / "VelInst.ini")

    def edited_copy(self, name, edits):
        """A copy of the sample settings file with some keys changed."""
        folder = self.session.build / "e2e" / "settings" / name
        folder.mkdir(parents=True, exist_ok=True)
        path = folder / "VelInst.ini"
        write_ini_lines(path, edit_ini(read_ini_lines(source_dir() / "disc" / "VelInst.ini"), edits))
        return path


class EveryKeyTests(ReadSettings):
    def test_every_key_of_every_section_reads_as_in_the_file(self):
        keys = key_ids()
        self.assertGreater(len(keys), 100, "the string table lost its key names")
        sections = ini_values(source_dir() / "disc" / "VelInst.ini")
        self.assertIn("general", sections)
        for section, values in sections.items():
            with self.subTest(section=section):
                read = self.read(self.disc_ini(), section, default=ABSENT)
                self.assertEqual(set(read), set(keys))
                for key_id, name in keys.items():
                    expected = values.get(name.lower(), ABSENT)[:VALUE_CAPACITY - 1]
                    self.assertEqual(read[key_id]["key"], name, f"string {key_id}")
                    self.assertEqual(read[key_id]["value"], expected, f"[{section}] {name}")
                    self.assertEqual(int(read[key_id]["count"]), len(expected), f"[{section}] {name}")
        found = sum(1 for values in sections.values() for name in keys.values()
                    if name.lower() in values)
        self.assertGreater(found, 100, "few keys of the table are in the sample file")

    def test_section_and_key_names_match_without_regard_to_case(self):
        ini = self.edited_copy("case", {"General": {"Installer": None, "INSTALLER": "Other.exe"}})
        general = self.read(windows_path(ini), "gEnErAl", ids=[1, 2])
        self.assertEqual(general[1]["value"], "Other.exe")
        self.assertEqual(general[2]["value"], ini_values(ini)["general"]["startup"])

    def test_quotes_keep_blanks_at_the_ends_of_a_value(self):
        read = self.read(self.disc_ini(), "Validate Error", ids=[134])
        self.assertEqual(read[134]["value"], " First name.")


class AbsentKeyTests(ReadSettings):
    def test_absent_key_keeps_the_default_without_trailing_blanks(self):
        ini = self.edited_copy("absent", {"General": {"Installer": None}})
        read = self.read(windows_path(ini), "General", ids=[1], default="Keep me   ")
        self.assertEqual(read[1]["value"], "Keep me")
        self.assertEqual(read[1]["count"], "7")

    def test_missing_file_section_and_path_are_the_absent_case(self):
        missing = windows_path(self.session.build / "e2e" / "no-such-folder" / "VelInst.ini")
        for ini, section in ((missing, "General"), (self.disc_ini(), "No Such Section"),
                             ("", "General")):
            with self.subTest(ini=ini, section=section):
                read = self.read(ini, section, ids=[1], default="Setup.exe ")
                self.assertEqual(read[1]["value"], "Setup.exe")

    def test_values_and_defaults_are_cut_to_capacity_less_one(self):
        read = self.read(self.disc_ini(), "General", ids=[3], capacity=5)
        self.assertEqual(read[3]["value"], "http")
        self.assertEqual(read[3]["count"], "4")
        read = self.read(self.disc_ini(), "No Such Section", ids=[3], default="abcdefgh",
                         capacity=5)
        self.assertEqual(read[3]["value"], "abcd")
        self.assertEqual(read[3]["count"], "4")


class WholeNumberTests(ReadSettings):
    def test_whole_numbers_and_their_defaults(self):
        prices = ini_values(source_dir() / "disc" / "VelInst.ini")["unit price"]
        read = self.read(self.disc_ini(), "Unit Price", ids=[46, 54], whole_number=7)
        self.assertEqual(read[46]["value"], prices["ka"].split(".")[0])
        self.assertEqual(read[54]["value"], prices["ki"].split(".")[0])
        general = self.read(self.disc_ini(), "General", ids=[162], whole_number=5)
        self.assertEqual(general[162]["value"],
                         ini_values(source_dir() / "disc" / "VelInst.ini")["general"]["isenglishonly"])
        ini = self.edited_copy("int", {"General": {"IsEnglishOnly": None}})
        self.assertEqual(self.read(windows_path(ini), "General", ids=[162], whole_number=1)[162]["value"], "1")
        self.assertEqual(self.read("", "General", ids=[162], whole_number=9)[162]["value"], "9")


class SnapshotAgreementTests(ReadSettings):
    def test_the_snapshot_reads_every_file_as_the_profile_service(self):
        folder = self.session.build / "e2e" / "settings" / "agreement"
        shutil.rmtree(folder, ignore_errors=True)
        folder.mkdir(parents=True)
        result = self.session.run(env_path("VELINST_PROFILE_AGREEMENT"), [windows_path(folder)],
                                  timeout=60)
        *differences, summary = result.stdout.splitlines()
        self.assertEqual(differences, [])
        self.assertGreater(int(summary.removeprefix("reads=")), 800)


if __name__ == "__main__":
    unittest.main()
