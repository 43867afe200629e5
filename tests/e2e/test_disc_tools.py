"""The disc author's tools: velinst-check.exe under wine64 on the sample disc
and on a broken copy of it, and tools/make-disc, whose signed image is
listed and its signatures verified."""
import re
import shutil
import subprocess
import tempfile
import unittest
from pathlib import Path

from velinst_e2e import ScenarioTestCase, env_path, source_dir, windows_path

FINDING = re.compile(r"^(?P<file>.+):(?P<line>\d+): (?P<kind>error|warning): (?P<message>.+)$")


class CheckerUnderWineTests(ScenarioTestCase):
    def check(self, folder):
        return self.session.run(env_path("VELINST_CHECK_EXE"), [windows_path(folder)],
                                timeout=60, check=False)

    def test_sample_disc_passes_and_a_broken_copy_gives_its_finding(self):
        result = self.check(source_dir() / "disc")
        self.assertEqual((result.returncode, result.stdout), (0, ""))

        broken = self.session.discs / "checker-broken"
        shutil.rmtree(broken, ignore_errors=True)
        shutil.copytree(source_dir() / "disc", broken)
        screen = broken / "screens" / "buyer.vrm"
        lines = screen.read_bytes().decode("latin-1").split("\n")
        field = lines.index("name = buyer_zip")
        self.assertEqual(lines[field + 2], "maxlength = 7")
        lines[field + 2] = "maxlength = 10"
        screen.write_bytes("\n".join(lines).encode("latin-1"))
        ini = broken / "VelInst.ini"
        ini.write_bytes(b"\xef\xbb\xbf" + ini.read_bytes())

        result = self.check(broken)
        self.assertEqual(result.returncode, 1, result.stdout)
        findings = [FINDING.match(line) for line in result.stdout.splitlines()]
        self.assertNotIn(None, findings, result.stdout)
        self.assertEqual([(f["file"].lower(), int(f["line"]), f["kind"]) for f in findings],
                         [(windows_path(ini).lower(), 1, "error"),
                          (windows_path(screen).lower(), field, "error")])
        self.assertIn("byte-order mark", findings[0]["message"])
        self.assertIn("keeps 7 of [Buyer Form] Zip", findings[1]["message"])

    def test_wrong_call_prints_its_usage(self):
        result = self.session.run(env_path("VELINST_CHECK_EXE"), [], timeout=60, check=False)
        self.assertEqual(result.returncode, 2)
        self.assertIn("usage: velinst-check DISC_FOLDER", result.stderr)


class DiscImageTests(unittest.TestCase):
    def run_tool(self, args, timeout=60):
        return subprocess.run([str(a) for a in args], capture_output=True, text=True,
                              timeout=timeout, check=True).stdout

    def test_signed_image_of_the_sample_disc(self):
        with tempfile.TemporaryDirectory() as temp:
            temp = Path(temp)
            cert, key = temp / "cert.pem", temp / "key.pem"
            self.run_tool(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes",
                           "-keyout", key, "-out", cert, "-days", "30",
                           "-subj", "/CN=Test Vendor", "-addext", "extendedKeyUsage=codeSigning"])
            image = temp / "disc.iso"
            printed = self.run_tool([source_dir() / "tools" / "make-disc", "--sign", cert, key,
                                     image], timeout=1500)
            self.assertEqual(printed.splitlines()[-1], str(image))

            listing = self.run_tool(["xorriso", "-indev", image, "-find", "/", "-type", "f"])
            files = {line.strip("'") for line in listing.split()}
            expected = {"/" + p.relative_to(source_dir() / "disc").as_posix()
                        for p in (source_dir() / "disc").rglob("*") if p.is_file()}
            self.assertEqual(files, expected | {"/VelInst.exe", "/VORM2.dll",
                                                "/velinst-check.exe", "/autorun.inf"})
            info = self.run_tool(["xorriso", "-indev", image, "-pvd_info"])
            self.assertRegex(info, r"Volume Id\s*:\s*CORVINEL_PROFESSIONAL_4_0")

            out = temp / "out"
            out.mkdir()
            extract = ["xorriso", "-osirrox", "on", "-indev", image]
            for name in ("VelInst.exe", "VORM2.dll", "velinst-check.exe", "autorun.inf"):
                extract += ["-extract", f"/{name}", out / name]
            self.run_tool(extract)
            self.assertEqual((out / "autorun.inf").read_bytes(),
                             b"[autorun]\r\nopen=VelInst.exe\r\nicon=VelInst.exe,0\r\n"
                             b"label=Corvinel Professional 4.0\r\n")
            for name in ("VelInst.exe", "VORM2.dll", "velinst-check.exe"):
                with self.subTest(program=name):
                    verified = self.run_tool(["osslsigncode", "verify", "-CAfile", cert,
                                              "-in", out / name])
                    self.assertIn("Number of verified signatures: 1", verified)

    def test_a_disc_with_errors_makes_no_image(self):
        with tempfile.TemporaryDirectory() as temp:
            disc = Path(temp) / "disc"
            shutil.copytree(source_dir() / "disc", disc)
            (disc / "screens" / "order.vrm").unlink()
            image = Path(temp) / "disc.iso"
            result = subprocess.run([str(source_dir() / "tools" / "make-disc"), "--disc", str(disc),
                                     str(image)], capture_output=True, text=True, timeout=1500)
            self.assertEqual(result.returncode, 1, result.stderr)
            self.assertRegex(result.stdout, r"VelInst\.ini:\d+: error: \[General\] Orderform Dtp")
            self.assertIn("the disc has errors; no image made", result.stderr)
            self.assertFalse(image.exists())

if __name__ == "__main__":
    unittest.main()
