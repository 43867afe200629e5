"""Checks of the shipped binaries, VelInst.exe, VORM2.dll and velinst-check.exe,
in each Windows build: they must start from a disc on any Windows, so they
import only DLLs every Windows has, and the launcher and the engine exactly
what their start needs (the internet, shell, COM and print dialog libraries
are loaded at run time); the engine exports exactly the functions the
launcher calls; the launcher is a GUI program carrying its string table,
icon, version and manifest, the disc checker a console program; none carries
symbols or debug sections, the launcher and the engine of the 32-bit release
stay within 400 KB together, and all are marked to run from the page file when
started from a disc or a network share."""
import os
import re
import struct
import subprocess
import unittest
from pathlib import Path

from velinst_e2e import env_path, source_dir, string_table

SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "comdlg32.dll", "advapi32.dll",
               "shell32.dll", "comctl32.dll", "msvcrt.dll", "ole32.dll"}
# Exactly what the launcher and the engine import, all loaded before the first
# window: what only some commands use (the shell, COM, the print dialog, the
# internet library; per-monitor DPI and theming in the engine) is loaded when
# first needed, from the system directory.
START_IMPORTS = {
    "VELINST_EXE": {"kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll", "msvcrt.dll",
                    "vorm2.dll"},
    "VELINST_VORM_DLL": {"kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll"},
}
RUN_TIME_LIBRARIES = ("wininet", "comdlg32", "shell32", "ole32")
ENGINE_EXPORTS = {"VORM_Init", "VORM_Create", "VORM_GetCurrentTemplateName", "VORM_GetEditText",
                  "VORM_SetEditText", "VORM_RadioButton_GetCheck", "VORM_SetCommandButton"}
# VelInst.exe and VORM2.dll of the 32-bit release together, in bytes: what
# the disc's launcher costs, with room kept for what is still to come.
RELEASE_SIZE_LIMIT = 400 * 1000
RT_ICON_GROUP, RT_STRING, RT_VERSION, RT_MANIFEST = 14, 6, 16, 24
GUI_SUBSYSTEM, CONSOLE_SUBSYSTEM = 2, 3
REMOVABLE_RUN_FROM_SWAP, NET_RUN_FROM_SWAP = 0x0400, 0x0800


def objdump(binary, what="-p"):
    """objdump's headers (-p) or section table (-h) of a binary."""
    result = subprocess.run([os.environ.get("VELINST_OBJDUMP", "objdump"), what, str(binary)],
                            capture_output=True, text=True, timeout=60, check=True)
    return result.stdout


def imported_dlls(dump):
    return [m.strip() for m in re.findall(r"^\s*DLL Name:\s*(\S+)", dump, re.M)]


def exported_names(dump):
    names = []
    table = dump.split("[Ordinal/Name Pointer] Table", 1)
    if len(table) == 2:
        for line in table[1].splitlines()[1:]:
            match = re.match(r"^\s*\[\s*\d+\]\s+(\S+)\s*$", line)
            if not match:
                break
            names.append(match.group(1))
    return names


class PeFile:
    """The parts of a PE image these checks read: file header, subsystem,
    section names and resources."""

    def __init__(self, path):
        self.data = Path(path).read_bytes()
        pe = struct.unpack_from("<I", self.data, 0x3C)[0]
        if self.data[pe:pe + 4] != b"PE\0\0":
            raise ValueError(f"{path} is not a PE image")
        (sections, self.symbol_table, self.symbol_count, optional_size,
         self.characteristics) = struct.unpack_from("<H4xIIHH", self.data, pe + 6)
        optional = pe + 24
        magic = struct.unpack_from("<H", self.data, optional)[0]
        self.is_32_bit = magic == 0x10B
        self.subsystem = struct.unpack_from("<H", self.data, optional + 68)[0]
        directories = optional + (96 if magic == 0x10B else 112)
        self.resource_rva = struct.unpack_from("<I", self.data, directories + 2 * 8)[0]
        self.sections = []
        # A name longer than eight letters is "/" and its place in the symbol
        # names, which only an unstripped image has.
        self.section_names = []
        for i in range(sections):
            base = optional + optional_size + 40 * i
            self.section_names.append(self.data[base:base + 8].rstrip(b"\0").decode("latin-1"))
            size, rva, raw_size, raw = struct.unpack_from("<IIII", self.data, base + 8)
            self.sections.append((rva, max(size, raw_size), raw))

    def offset(self, rva):
        for start, size, raw in self.sections:
            if start <= rva < start + size:
                return raw + rva - start
        raise ValueError(f"rva {rva:#x} outside every section")

    def resources(self):
        """{(type id, name id): bytes} of the first language of each resource;
        named (non-numeric) entries are skipped."""
        if not self.resource_rva:
            return {}
        root = self.offset(self.resource_rva)
        found = {}

        def entries(directory):
            named, numbered = struct.unpack_from("<HH", self.data, root + directory + 12)
            for i in range(named + numbered):
                name, target = struct.unpack_from("<II", self.data, root + directory + 16 + 8 * i)
                yield name, target

        for kind, kind_dir in entries(0):
            for name, name_dir in entries(kind_dir & 0x7FFFFFFF):
                if kind & 0x80000000 or name & 0x80000000:
                    continue
                _, leaf = next(entries(name_dir & 0x7FFFFFFF))
                rva, size = struct.unpack_from("<II", self.data, root + leaf)
                found[(kind, name)] = self.data[self.offset(rva):self.offset(rva) + size]
        return found


def string_resources(resources):
    """{id: text} of the string table: block b holds ids (b - 1) * 16 to + 15."""
    texts = {}
    for (kind, block), data in resources.items():
        if kind != RT_STRING:
            continue
        position = 0
        for index in range(16):
            length = struct.unpack_from("<H", data, position)[0]
            text = data[position + 2:position + 2 + 2 * length].decode("utf-16-le")
            position += 2 + 2 * length
            if length:
                texts[(block - 1) * 16 + index] = text
    return texts


def version_strings(data, position=0, end=None, found=None):
    """The name/value texts of a version resource: a tree of blocks, each
    length, value length, type (1: text), name, then its value and children,
    aligned to 4 bytes."""
    found = {} if found is None else found
    end = len(data) if end is None else end
    while position + 6 <= end:
        length, value_length, kind = struct.unpack_from("<HHH", data, position)
        if length == 0:
            break
        name_end = position + 6
        while name_end < end and data[name_end:name_end + 2] != b"\0\0":
            name_end += 2
        name = data[position + 6:name_end].decode("utf-16-le")
        value = (name_end + 2 + 3) & ~3
        value_size = value_length * 2 if kind == 1 else value_length
        if kind == 1 and value_length:
            found[name] = data[value:value + value_size].decode("utf-16-le").rstrip("\0")
        version_strings(data, (value + value_size + 3) & ~3, position + length, found)
        position = (position + length + 3) & ~3
    return found


class ImportTableTests(unittest.TestCase):
    def assert_imports_only(self, binary, allowed):
        dlls = imported_dlls(objdump(binary))
        self.assertIn("kernel32.dll", [d.lower() for d in dlls], "import table not read")
        self.assertEqual([d for d in dlls if d.lower() not in allowed], [],
                         f"{binary.name} imports DLLs a fresh Windows may lack")

    def test_launcher_imports_only_system_dlls_and_the_engine(self):
        self.assert_imports_only(env_path("VELINST_EXE"), SYSTEM_DLLS | {"vorm2.dll"})

    def test_engine_imports_only_system_dlls(self):
        self.assert_imports_only(env_path("VELINST_VORM_DLL"), SYSTEM_DLLS)

    def test_disc_checker_imports_only_system_dlls(self):
        self.assert_imports_only(env_path("VELINST_CHECK_EXE"), SYSTEM_DLLS)

    def test_launcher_and_engine_import_exactly_what_start_up_needs(self):
        for binary, expected in START_IMPORTS.items():
            with self.subTest(binary=binary):
                dlls = imported_dlls(objdump(env_path(binary)))
                self.assertEqual(sorted(d.lower() for d in dlls), sorted(expected))

    def test_launcher_loads_the_libraries_of_some_commands_at_run_time(self):
        # Imported, they and the libraries they need would be loaded at every
        # start, before the launcher restricts the library search to the
        # system directory.
        imports = " ".join(imported_dlls(objdump(env_path("VELINST_EXE")))).lower()
        for library in RUN_TIME_LIBRARIES:
            with self.subTest(library=library):
                self.assertNotIn(library, imports)

    def test_launcher_looks_up_the_library_search_restriction_by_name(self):
        # Imported, it would keep the launcher from starting on a Windows 7
        # without its loader update.
        self.assertNotIn("SetDefaultDllDirectories", objdump(env_path("VELINST_EXE")))


class EngineExportTests(unittest.TestCase):
    def test_engine_exports_exactly_the_seven_functions(self):
        names = exported_names(objdump(env_path("VELINST_VORM_DLL")))
        self.assertEqual(sorted(names), sorted(ENGINE_EXPORTS))


class SubsystemTests(unittest.TestCase):
    def test_launcher_is_a_gui_program(self):
        self.assertEqual(PeFile(env_path("VELINST_EXE")).subsystem, GUI_SUBSYSTEM)
        self.assertRegex(objdump(env_path("VELINST_EXE")), r"Subsystem\s+0+2\b")

    def test_disc_checker_is_a_console_program(self):
        self.assertEqual(PeFile(env_path("VELINST_CHECK_EXE")).subsystem, CONSOLE_SUBSYSTEM)


def shipped_binaries():
    """The Windows programs and libraries that go on the disc."""
    return [env_path("VELINST_EXE"), env_path("VELINST_VORM_DLL"), env_path("VELINST_CHECK_EXE")]


class StrippedTests(unittest.TestCase):
    def test_shipped_binaries_carry_no_symbols_or_debug_sections(self):
        for binary in shipped_binaries():
            with self.subTest(binary=binary.name):
                pe = PeFile(binary)
                self.assertIn(".text", pe.section_names)
                self.assertEqual((pe.symbol_table, pe.symbol_count), (0, 0))
                self.assertEqual([n for n in pe.section_names
                                  if n.startswith((".debug", "/"))], [])
                # objdump resolves long names: no debugging section at all.
                self.assertNotIn("DEBUGGING", objdump(binary, "-h"))


class SizeTests(unittest.TestCase):
    def test_launcher_and_engine_of_the_release_stay_within_400_kb(self):
        binaries = [env_path("VELINST_EXE"), env_path("VELINST_VORM_DLL")]
        if not PeFile(binaries[0]).is_32_bit:
            self.skipTest("the 32-bit release is the one measured")
        sizes = {binary.name: binary.stat().st_size for binary in binaries}
        self.assertLessEqual(sum(sizes.values()), RELEASE_SIZE_LIMIT, sizes)


class RunFromSwapTests(unittest.TestCase):
    def test_shipped_binaries_run_from_swap_on_removable_and_network_media(self):
        for binary in shipped_binaries():
            with self.subTest(binary=binary.name):
                flags = PeFile(binary).characteristics
                self.assertEqual(flags & (REMOVABLE_RUN_FROM_SWAP | NET_RUN_FROM_SWAP),
                                 REMOVABLE_RUN_FROM_SWAP | NET_RUN_FROM_SWAP, hex(flags))


class ResourceTests(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.resources = PeFile(env_path("VELINST_EXE")).resources()

    def test_string_table_is_the_one_defined_in_the_sources(self):
        expected = {i: text for i, (_, text) in string_table(source_dir()).items()}
        self.assertGreater(len(expected), 100)
        self.assertEqual(string_resources(self.resources), expected)

    def test_icon_105_has_the_three_images(self):
        group = self.resources.get((RT_ICON_GROUP, 105))
        self.assertIsNotNone(group, "no icon group 105")
        count = struct.unpack_from("<H", group, 4)[0]
        images = set()
        for i in range(count):
            width, height, _, _, _, bits = struct.unpack_from("<BBBBHH", group, 6 + 14 * i)
            images.add((width or 256, height or 256, bits))
        self.assertEqual(images, {(32, 32, 4), (32, 32, 8), (16, 16, 8)})

    def test_version_names_the_program(self):
        data = self.resources.get((RT_VERSION, 1))
        self.assertIsNotNone(data, "no version resource")
        strings = version_strings(data)
        self.assertEqual(strings.get("OriginalFilename"), "VelInst.exe")
        for name in ("CompanyName", "FileDescription", "FileVersion", "ProductVersion"):
            self.assertTrue(strings.get(name), name)

    def test_manifest_runs_as_invoker_with_common_controls_6(self):
        manifest = self.resources.get((RT_MANIFEST, 1))
        self.assertIsNotNone(manifest, "no application manifest")
        text = manifest.decode("utf-8")
        self.assertRegex(text, r'requestedExecutionLevel\s+level="asInvoker"')
        self.assertRegex(text, r'name="Microsoft\.Windows\.Common-Controls"\s+version="6\.')
        self.assertIn("PerMonitor", text)
        self.assertIn("supportedOS", text)


if __name__ == "__main__":
    unittest.main()
