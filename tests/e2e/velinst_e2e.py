"""End-to-end harness: runs the Windows programs of the x64 build under wine64
on a private X server and drives them from a second program (winctl.exe).

One Wine prefix per build directory (<build>/e2e/prefix), made on first use.
One session per ctest run: an Xvfb display and a persistent wineserver,
started by `velinst_e2e.py start` (the e2e_session fixture) and stopped by
`velinst_e2e.py stop`; the scenarios find it through <build>/e2e/session.json.

Every wait is bounded: each helper takes a timeout in seconds and polls
against a deadline. Standard library only.
"""
import contextlib
import itertools
import json
import os
import select
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time
import unittest
from pathlib import Path

# The Wine of the build under test: wine64 for the x64 build; for the i686
# build, the release, 32-bit Wine in a win32 prefix, under qemu's user-mode
# emulation (this kernel runs no 32-bit code). tools/setup-wine32 puts its
# loader where wine64 does not look for it.
WINE_ARCH = os.environ.get("VELINST_WINE_ARCH", "win64")
EMULATED = WINE_ARCH == "win32"
WINE32 = Path("/usr/lib/wine32/wine")
WINE = str(WINE32) if EMULATED else os.environ.get("VELINST_WINE64", "/usr/lib/wine/wine64")
# Emulated programs start and answer several times more slowly: the waits for
# their windows and their end are that much longer.
PATIENCE = 3 if EMULATED else 1
WINESERVER = os.environ.get("VELINST_WINESERVER", "wineserver")
MARLETT = Path("/usr/share/wine/fonts/marlett.ttf")
SCREEN = "1024x768x24"
FIRST_DISPLAY = 90
LAST_DISPLAY = 189
# The language every program sees unless a test asks for another; a machine
# whose own locale is not English would otherwise take the launcher's
# non-English road in every scenario.
DEFAULT_LANGUAGE = "en_US.UTF-8"
# Top-level windows of the programs under test, which must be gone before
# the next scenario starts.
PROGRAM_WINDOW_CLASSES = ("VelmoraInstaller", "Template Window Class", "#32770")
# The locale winctl types in; C.UTF-8 exists on every machine.
TYPING_LANGUAGE = "C.UTF-8"

# Steps that make a fresh prefix fit for the tests, run without a display and
# with the session's server stopped afterwards so the registry reaches disk.
# Each is a function(prefix: Prefix). Raise PREFIX_SETUP_VERSION when a step
# is added or changed: prefixes made with an older version are set up again.
PREFIX_SETUP_VERSION = 3
PREFIX_SETUP_STEPS = []


def prefix_setup_step(function):
    PREFIX_SETUP_STEPS.append(function)
    return function


class HarnessError(Exception):
    pass


class ProgramHung(HarnessError):
    """A program that did not end, answer or show itself in time: under
    emulation one Wine program in ten or so hangs, and the scenario is run
    once more."""


def env_path(name):
    value = os.environ.get(name)
    if not value:
        raise HarnessError(f"{name} is not set: run the scenario through ctest")
    return Path(value)


def source_dir():
    return env_path("VELINST_SOURCE_DIR")


def build_dir():
    return env_path("VELINST_BUILD_DIR")


def windows_path(path):
    """The Windows name of a host path: drive Z: is the host's root."""
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")


def unescape(text):
    """Undoes the escaping of winctl and the test programs (\\\\ \\t \\n \\r)."""
    out = []
    i = 0
    while i < len(text):
        if text[i] == "\\" and i + 1 < len(text):
            out.append({"\\": "\\", "t": "\t", "n": "\n", "r": "\r"}.get(text[i + 1], text[i + 1]))
            i += 2
        else:
            out.append(text[i])
            i += 1
    return "".join(out)


def escape(text):
    """Escapes a text as winctl's input and output are (\\\\ \\t \\n \\r)."""
    return text.translate({ord("\\"): "\\\\", ord("\t"): "\\t", ord("\n"): "\\n",
                           ord("\r"): "\\r"})


def parse_fields(line, escaped=True):
    """One tab-separated line of name=value fields as a dict."""
    fields = {}
    for part in line.split("\t"):
        name, _, value = part.partition("=")
        fields[name] = unescape(value) if escaped else value
    return fields


def rect(item):
    """A window's or control's rect from winctl as (left, top, right, bottom)."""
    return tuple(int(v) for v in item["rect"].split(","))


def wait_until(predicate, timeout, interval=0.05):
    """Polls predicate until it returns something true; returns that, or the
    last falsy result when the deadline passes."""
    deadline = time.monotonic() + timeout
    while True:
        result = predicate()
        if result or time.monotonic() >= deadline:
            return result
        time.sleep(interval)


def accepts_connections(port):
    """True when something listens on the loopback port."""
    try:
        with socket.create_connection(("127.0.0.1", port), timeout=0.5):
            return True
    except OSError:
        return False


def free_port():
    """A loopback port nobody listens on."""
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def base_env(prefix_dir, display=None):
    env = dict(os.environ)
    for name in ("LC_ALL", "LANG", "LANGUAGE", "DISPLAY", "XAUTHORITY", "WINEDLLOVERRIDES"):
        env.pop(name, None)
    env["WINEPREFIX"] = str(prefix_dir)
    env["WINEDEBUG"] = "-all"
    env["WINEARCH"] = WINE_ARCH
    env["LC_ALL"] = DEFAULT_LANGUAGE
    if display is not None:
        env["DISPLAY"] = display
    return env


def run_bounded(args, env, timeout, cwd=None, check=True, capture=True):
    """Runs a command to its end within timeout seconds; the whole process
    group is killed when it overruns. Output goes through files, not pipes:
    Wine's own services, started by whichever program first needs them,
    inherit the output handles and outlive the command, so waiting for a
    pipe to close could wait for the end of the session."""
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        target = (out, err) if capture else (subprocess.DEVNULL, subprocess.DEVNULL)
        process = subprocess.Popen([str(a) for a in args], env=env, cwd=cwd,
                                   stdin=subprocess.DEVNULL, stdout=target[0], stderr=target[1],
                                   start_new_session=True)
        try:
            process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            kill_group(process.pid)
            process.wait()
            raise ProgramHung(f"timed out after {timeout} s: {' '.join(map(str, args))}")
        out.seek(0)
        err.seek(0)
        result = subprocess.CompletedProcess(args, process.returncode,
                                             out.read().decode("latin-1"),
                                             err.read().decode("latin-1"))
    if check and result.returncode != 0:
        raise HarnessError(f"exit code {result.returncode}: {' '.join(map(str, args))}\n"
                           f"{result.stdout}{result.stderr}")
    return result


def kill_group(pid):
    try:
        os.killpg(pid, signal.SIGKILL)
    except (ProcessLookupError, PermissionError):
        pass


class Prefix:
    """The Wine prefix of one build directory."""

    def __init__(self, build):
        self.build = Path(build)
        self.path = self.build / "e2e" / "prefix"
        self.marker = self.path / ".velinst-setup"

    @property
    def drive_c(self):
        return self.path / "drive_c"

    def is_ready(self):
        return self.marker.exists() and self.marker.read_text().strip() == str(PREFIX_SETUP_VERSION)

    def env(self, display=None):
        return base_env(self.path, display)

    def wine(self, args, timeout=60, check=True):
        return run_bounded([WINE, *args], self.env(), timeout, check=check, capture=False)

    def stop_server(self):
        if not self.path.exists():
            return
        run_bounded([WINESERVER, "-k"], self.env(), 30, check=False, capture=False)
        run_bounded([WINESERVER, "-w"], self.env(), 30, check=False, capture=False)

    def ensure(self):
        """Makes the prefix on first use and (re)applies the setup steps."""
        if self.is_ready():
            return
        self.stop_server()
        if not (self.path / "system.reg").exists():
            shutil.rmtree(self.path, ignore_errors=True)
            self.path.parent.mkdir(parents=True, exist_ok=True)
            env = self.env()
            # Neither the .NET runtime nor the HTML engine is used: do not
            # ask for them.
            env["WINEDLLOVERRIDES"] = "mscoree,mshtml="
            try:
                run_bounded([WINE, "wineboot", "-i"], env, 180, capture=False)
            except HarnessError:
                # Seen once: wineboot failing at once right after an earlier
                # prefix at this place was removed. Let any server of the old
                # prefix go, then try once more.
                run_bounded([WINESERVER, "-w"], env, 30, check=False, capture=False)
                time.sleep(1)
                shutil.rmtree(self.path, ignore_errors=True)
                run_bounded([WINE, "wineboot", "-i"], env, 180, capture=False)
        for step in PREFIX_SETUP_STEPS:
            step(self)
        self.stop_server()
        self.marker.write_text(f"{PREFIX_SETUP_VERSION}\n")


@prefix_setup_step
def unmanaged_windows(prefix):
    # No window manager runs: Wine draws captions itself and message boxes
    # close at once.
    prefix.wine(["reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "Managed",
                 "/t", "REG_SZ", "/d", "N", "/f"])


@prefix_setup_step
def caption_glyph_font(prefix):
    fonts = prefix.drive_c / "windows" / "Fonts"
    fonts.mkdir(parents=True, exist_ok=True)
    shutil.copyfile(MARLETT, fonts / MARLETT.name)


def printer_output(build):
    """Where the test printer writes each job, as PostScript (the last job
    replaces the one before)."""
    return Path(build) / "e2e" / "printer" / "printed.ps"


def install_test_printer(prefix):
    """The default printer of the prefix: PostScript to printer_output(),
    no print daemon needed. Installing again starts it afresh."""
    output = printer_output(prefix.build)
    output.parent.mkdir(parents=True, exist_ok=True)
    prefix.wine([prefix.build / "tests" / "e2e" / "test_printer.exe", "install", output])


prefix_setup_step(install_test_printer)

# The network information driver, as wine.inf registers it. Under emulation
# wineboot registers no service at all (see network_driver_service); without
# this one the internet library finds no network and says it is offline.
NETWORK_DRIVER_SERVICE = r"""REGEDIT4

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\nsiproxy]
"DisplayName"="NSI Proxy"
"ErrorControl"=dword:00000001
"Group"="System Bus Extender"
"ImagePath"="C:\\windows\\system32\\drivers\\nsiproxy.sys"
"ObjectName"="LocalSystem"
"Start"=dword:00000002
"Type"=dword:00000001
"""


@prefix_setup_step
def network_driver_service(prefix):
    # Wine's service manager fails under qemu: qemu reports every fault
    # with trap number -1, so Wine raises an illegal instruction where code
    # expects an access violation it can catch.
    if not EMULATED:
        return
    registry_file = prefix.build / "e2e" / "network-driver.reg"
    registry_file.write_text(NETWORK_DRIVER_SERVICE)
    prefix.wine(["regedit", "/S", registry_file])


def display_free(number):
    return not (Path(f"/tmp/.X{number}-lock").exists()
                or Path(f"/tmp/.X11-unix/X{number}").exists())


def start_xvfb(log_path):
    """Starts Xvfb on the first free display; returns (display, pid)."""
    return start_x_server(["Xvfb", "-screen", "0", SCREEN, "-nolisten", "tcp"], log_path)


def start_x_server(command, log_path, env=None):
    """Starts an X server (the program, then its options) on the first free
    display; returns (display, pid)."""
    for number in range(FIRST_DISPLAY, LAST_DISPLAY + 1):
        if not display_free(number):
            continue
        with open(log_path, "ab") as log:
            process = subprocess.Popen(
                [command[0], f":{number}", *command[1:]], env=env,
                stdin=subprocess.DEVNULL, stdout=log, stderr=log, start_new_session=True)
        socket = Path(f"/tmp/.X11-unix/X{number}")
        # Another server may take the number between the check and the start:
        # then this one ends and the next number is tried.
        if wait_until(lambda: process.poll() is not None or socket.exists(), 15) \
                and process.poll() is None:
            return f":{number}", process.pid
        if process.poll() is None:
            process.kill()
        process.wait(timeout=10)
    raise HarnessError("no free X display")


def is_xvfb(pid):
    try:
        return b"Xvfb" in Path(f"/proc/{pid}/cmdline").read_bytes()
    except OSError:
        return False


class SessionState:
    """What `start` leaves for the scenarios: <build>/e2e/session.json."""

    def __init__(self, build):
        self.path = Path(build) / "e2e" / "session.json"

    def read(self):
        try:
            return json.loads(self.path.read_text())
        except (OSError, ValueError):
            return None

    def write(self, state):
        self.path.parent.mkdir(parents=True, exist_ok=True)
        self.path.write_text(json.dumps(state, indent=2) + "\n")

    def remove(self):
        self.path.unlink(missing_ok=True)


def stop_session(build):
    state_file = SessionState(build)
    state = state_file.read()
    prefix = Prefix(build)
    if prefix.path.exists():
        prefix.stop_server()
    if state and is_xvfb(state.get("xvfb_pid")):
        os.kill(state["xvfb_pid"], signal.SIGTERM)
        if not wait_until(lambda: not is_xvfb(state["xvfb_pid"]), 10):
            os.kill(state["xvfb_pid"], signal.SIGKILL)
    state_file.remove()


def start_server(prefix, env, winctl, wrapper=()):
    """Starts a persistent wineserver through `wrapper` (a host command placed
    in front of it) and, with a first program, Wine's own services beside it,
    so no scenario pays for them within its time limit. Under emulation the
    network driver's host now and then fails to start it (qemu's fault
    numbers again), and the internet library then says it is offline for the
    whole session: the server is started again, at most six times."""
    for _ in range(6):
        run_bounded([*wrapper, WINESERVER, "-p"], env, 30, capture=False)
        run_bounded([*wrapper, WINE, winctl, "list"], env, 120, capture=False)
        if not EMULATED or run_bounded([*wrapper, WINE, winctl, "network"], env, 60,
                                       check=False).returncode == 0:
            return
        print("the internet library saw no network: starting the wineserver again", flush=True)
        prefix.stop_server()
    raise HarnessError("under emulation the internet library saw no network after six "
                       "starts of the wineserver")


def start_session(build, winctl):
    """Sets the prefix up, starts Xvfb and a persistent wineserver, and writes
    the state file. A session left behind by an earlier run is stopped."""
    build = Path(build)
    stop_session(build)
    prefix = Prefix(build)
    prefix.ensure()
    (build / "e2e").mkdir(parents=True, exist_ok=True)
    display, xvfb_pid = start_xvfb(build / "e2e" / "xvfb.log")
    try:
        env = prefix.env(display)
        SessionState(build).write({"display": display, "xvfb_pid": xvfb_pid,
                                   "prefix": str(prefix.path)})
        start_server(prefix, env, winctl)
    except BaseException:
        stop_session(build)
        if is_xvfb(xvfb_pid):
            os.kill(xvfb_pid, signal.SIGKILL)
        raise
    return display


_program_numbers = itertools.count(1)


class Program:
    """A Windows program started under wine64; wine64's exit code is the
    program's. What it prints goes to a log file."""

    def __init__(self, args, env, cwd, log_path):
        self.args = args
        self.log_path = Path(log_path)
        self.log_path.parent.mkdir(parents=True, exist_ok=True)
        with open(self.log_path, "wb") as log:
            self.process = subprocess.Popen([str(a) for a in args], env=env, cwd=cwd,
                                            stdin=subprocess.DEVNULL, stdout=log,
                                            stderr=subprocess.STDOUT, start_new_session=True)
        self.pid = self.process.pid

    def wait(self, timeout):
        """The exit code, or None when the program still runs after timeout s."""
        try:
            return self.process.wait(timeout=timeout * PATIENCE)
        except subprocess.TimeoutExpired:
            return None

    @property
    def exit_code(self):
        return self.process.poll()

    def running(self):
        return self.process.poll() is None

    def output(self):
        return self.log_path.read_bytes().decode("latin-1")

    def kill(self):
        if self.running():
            kill_group(self.pid)
            self.process.wait(timeout=10)


class WinctlServer:
    """One winctl taking command after command (`winctl serve`): under
    emulation every start of a program costs seconds. Each command gets its
    own time limit; one that overruns ends the server, and the next command
    starts another."""

    END = "winctl-end="

    def __init__(self, winctl, env, log_path):
        self.args, self.env, self.log_path = [WINE, winctl, "serve"], env, log_path
        self.process = None

    def run(self, args, timeout):
        """(exit code, output lines, lines that start with "winctl:")."""
        if self.process is None or self.process.poll() is not None:
            self.log_path.parent.mkdir(parents=True, exist_ok=True)
            with open(self.log_path, "ab") as log:
                self.process = subprocess.Popen(self.args, env=self.env, stdin=subprocess.PIPE,
                                                stdout=subprocess.PIPE, stderr=log,
                                                start_new_session=True)
        command = "\t".join(escape(str(a)) for a in args) + "\n"
        lines = []
        try:
            try:
                self.process.stdin.write(command.encode("utf-8"))
                self.process.stdin.flush()
            except OSError as error:
                raise HarnessError(f"winctl serve: {error}") from error
            deadline = time.monotonic() + timeout
            pending = b""
            while True:
                if b"\n" not in pending:
                    ready, _, _ = select.select([self.process.stdout], [], [],
                                                max(0, deadline - time.monotonic()))
                    chunk = os.read(self.process.stdout.fileno(), 65536) if ready else b""
                    if not chunk:
                        error = HarnessError if ready else ProgramHung
                        raise error(("ended" if ready else f"timed out after {timeout} s")
                                    + f": winctl serve, at {' '.join(map(str, args))}")
                    pending += chunk
                    continue
                line, pending = pending.split(b"\n", 1)
                line = line.decode("latin-1").rstrip("\r")
                if line.startswith(self.END):
                    said = [x for x in lines if x.startswith("winctl:")]
                    return (int(line[len(self.END):]), [x for x in lines if x not in said],
                            "\n".join(said))
                lines.append(line)
        except HarnessError:
            self.stop()
            raise

    def stop(self):
        if self.process is not None:
            kill_group(self.process.pid)
            self.process.wait(timeout=10)
            for pipe in (self.process.stdin, self.process.stdout):
                with contextlib.suppress(OSError):  # a command half written
                    pipe.close()
            self.process = None


class Session:
    """The running session, as scenarios use it."""

    def __init__(self, build=None):
        self.build = Path(build) if build else build_dir()
        state = SessionState(self.build).read()
        if not state:
            raise HarnessError("no Wine session: run the scenario through ctest, or start one "
                               "with `velinst_e2e.py start`")
        self.display = state["display"]
        self.prefix = Prefix(self.build)
        self.screens = self.build / "e2e" / "screens"
        self.discs = self.build / "e2e" / "discs"
        self.programs = []
        self.winctl_server = WinctlServer(
            env_path("VELINST_WINCTL"), self.env(),
            self.build / "e2e" / "logs" / f"{time.strftime('%H%M%S')}-{os.getpid()}-winctl.log"
        ) if EMULATED else None

    # Commands ------------------------------------------------------------

    def env(self, language=None, extra=None):
        """The environment of one wine64 command. `language` (an LC_ALL value
        such as "de_DE.UTF-8") is the system language that program sees, or
        a Windows whose screens are in another language than the one it runs
        programs in (`split_language`). An `extra` value None removes it."""
        env = self.prefix.env(self.display)
        if isinstance(language, dict):
            env.pop("LC_ALL")
            env.update(language)
        elif language:
            env["LC_ALL"] = language
        for name, value in (extra or {}).items():
            if value is None:
                env.pop(name, None)
            else:
                env[name] = value
        return env

    def split_language(self, screens, programs):
        """The locale of a Windows that shows its screens in `screens` (such
        as "pl_PL") and runs programs that are not Unicode in the code page
        of `programs` ("en_US"): Wine reads them from LC_MESSAGES and
        LC_CTYPE, of locales generated once into the build tree."""
        folder = self.build / "e2e" / "locales"
        for name in (screens, programs):
            if not (folder / f"{name}.UTF-8").is_dir():
                folder.mkdir(parents=True, exist_ok=True)
                run_bounded(["localedef", "-i", name, "-f", "UTF-8", str(folder / f"{name}.UTF-8")],
                            dict(os.environ), 120)
        return {"LOCPATH": str(folder), "LC_MESSAGES": f"{screens}.UTF-8",
                "LC_CTYPE": f"{programs}.UTF-8"}

    def run(self, exe, args=(), timeout=30, cwd=None, language=None, extra_env=None,
            check=True):
        """Runs a Windows program to its end; returns the CompletedProcess."""
        return run_bounded([WINE, exe, *args], self.env(language, extra_env), timeout,
                           cwd=cwd, check=check)

    def start(self, exe, args=(), cwd=None, language=None, extra_env=None, wrapper=()):
        """Starts a Windows program and returns its Program; it is killed by
        close() if still running. `wrapper` is a host command that runs
        wine64 (such as ["unshare", "-n"]), placed in front of it."""
        log = self.build / "e2e" / "logs" / \
            f"{time.strftime('%H%M%S')}-{os.getpid()}-{next(_program_numbers)}-{Path(exe).stem}.log"
        program = Program([*wrapper, WINE, exe, *args], self.env(language, extra_env),
                          cwd or Path(exe).parent, log)
        self.programs.append(program)
        return program

    def close(self):
        """Ends the programs still running and waits until their windows are
        gone: the server destroys a killed program's windows a moment later,
        and the next scenario must not find them."""
        killed = [program for program in self.programs if program.running()]
        for program in killed:
            program.kill()
        self.programs = []
        try:
            if killed:
                # On a loaded machine the server may take several seconds.
                for window_class in PROGRAM_WINDOW_CLASSES:
                    if not self.wait_no_window(window_class, 20):
                        raise HarnessError(f"windows of class {window_class!r} outlived "
                                           "their killed program by 20 s")
        finally:
            if self.winctl_server:
                self.winctl_server.stop()

    def restart_server(self, wrapper=()):
        """Ends every program of the session and its wineserver, and starts a
        new server through `wrapper` (a host command placed in front of it,
        such as nsenter into another network namespace). Wine makes sockets
        in the server and reads the network's state in its own services, so
        a program sees the network of the server's namespace, not its own."""
        self.close()
        self.prefix.stop_server()
        start_server(self.prefix, self.env(), env_path("VELINST_WINCTL"), wrapper)

    # winctl ----------------------------------------------------------------

    def _winctl_run(self, args, timeout, language):
        """winctl's exit code, its lines as field dicts and what it said on
        stderr. A control that did not answer in time (exit code 3) is a
        harness error, and so is an exit code 1 that winctl did not explain:
        Wine could not run it, which must not pass for "not found"."""
        # The serving winctl converts what it is given from UTF-8 itself.
        if self.winctl_server and language in (None, TYPING_LANGUAGE):
            code, out, said = self.winctl_server.run(args, timeout)
        else:
            result = self.run(env_path("VELINST_WINCTL"), [str(a) for a in args],
                              timeout=timeout, language=language, check=False)
            code, out, said = result.returncode, result.stdout.splitlines(), result.stderr
        if code not in (0, 1) or (code == 1 and "winctl:" not in said):
            raise HarnessError(f"winctl {' '.join(map(str, args))}: exit code "
                               f"{code}\n" + "\n".join(out) + said)
        return code, [parse_fields(line) for line in out if line], said.strip()

    def winctl(self, *args, timeout=30, language=None):
        """Runs winctl; returns (exit code, list of field dicts)."""
        code, lines, _ = self._winctl_run(args, timeout, language)
        return code, lines

    def _winctl_ok(self, *args, timeout=30, language=None):
        code, lines, said = self._winctl_run(args, timeout, language)
        if code != 0:
            raise HarnessError(f"winctl {' '.join(map(str, args))}: {said}")
        return lines

    def windows(self, window_class=None, visible_only=False):
        """Top-level windows, topmost first, as dicts (hwnd, class, title,
        owner, rect, style, exstyle, visible, pid, template)."""
        _, lines = self.winctl("list")
        return [w for w in lines
                if (window_class is None or w["class"] == window_class)
                and (not visible_only or w["visible"] == "1")]

    def wait_window(self, window_class, timeout=10, title=None):
        """The window's dict once one of the class (and title) exists, else None."""
        timeout *= PATIENCE
        args = ["wait", window_class, int(timeout * 1000)] + ([title] if title is not None else [])
        code, lines = self.winctl(*args, timeout=timeout + 30)
        return lines[0] if code == 0 else None

    def wait_form(self, template="*", timeout=20, names=()):
        """The dict of a shown form window of the template ("*": any) once
        the engine has finished building it and each of `names` is one of
        its controls, else None. Every scenario drives a form found so: a
        form window exists a moment before its controls do."""
        timeout *= PATIENCE
        code, lines = self.winctl("form", template, int(timeout * 1000), *names,
                                  timeout=timeout + 30)
        if code != 0 and EMULATED:
            self._check_not_hung(timeout)
        return lines[0] if code == 0 else None

    def _check_not_hung(self, waited):
        """A program of this session that runs while no window of the
        programs under test exists hung on its way up."""
        running = [p for p in self.programs if p.running()]
        shown = {w["class"] for w in self.windows()} & set(PROGRAM_WINDOW_CLASSES)
        if running and not shown:
            raise ProgramHung(f"{Path(running[-1].args[-1]).name} runs but shows no window "
                           f"after {waited} s")

    def wait_no_window(self, window_class, timeout=10):
        """True once no window of the class is left."""
        timeout *= PATIENCE
        code, _ = self.winctl("gone", window_class, int(timeout * 1000), timeout=timeout + 30)
        return code == 0

    def controls(self, window):
        """Child controls of a window (handle or class): hwnd, id, name (the
        form engine's VormName), class, text, style, rect, visible, enabled,
        checked."""
        return self._winctl_ok("controls", window)

    def set_text(self, window, name, text):
        """Types text into a named control, waiting for it as winctl does.
        winctl gets the text in a UTF-8 locale: Wine reads a program's
        arguments in the charset of the Unix locale, and a locale that is
        not generated keeps 7 bits of each byte."""
        self._winctl_ok("settext", window, name, text, language=TYPING_LANGUAGE)

    def get_text(self, window, name):
        return self._winctl_ok("gettext", window, name)[0]["text"]

    def click(self, window, name):
        self._winctl_ok("click", window, name)

    def message_box(self, timeout=5):
        """The first message box (hwnd, caption, text, owner, icon, buttons),
        or None when none appears in time."""
        timeout *= PATIENCE
        code, lines = self.winctl("msgbox", int(timeout * 1000), timeout=timeout + 30)
        return lines[0] if code == 0 else None

    def close_message_box(self, timeout=5, button=1):
        """Presses a message box's button (IDOK by default)."""
        timeout *= PATIENCE
        code, _ = self.winctl("closebox", int(timeout * 1000), button, timeout=timeout + 30)
        return code == 0

    def focus(self, window):
        """The active window and the keyboard focus of the thread that owns
        the window: active, focus, focus_name (the form engine's name of the
        focused control), focus_root (its top-level window)."""
        return self._winctl_ok("focus", window)[0]

    def post_command(self, window, number):
        self._winctl_ok("command", window, number)

    def click_at(self, x, y):
        """A left click of the mouse at a point of the screen."""
        run_bounded(["xdotool", "mousemove", str(x), str(y), "click", "1"],
                    dict(os.environ, DISPLAY=self.display), 10)

    def type_keys(self, text):
        """Types the text on the keyboard, into whatever window has the
        keyboard focus."""
        run_bounded(["xdotool", "type", "--delay", "50", text],
                    dict(os.environ, DISPLAY=self.display), 10)

    def responds(self, window, timeout=2):
        """True when the window's thread handles a message within the time
        (SendMessageTimeout, SMTO_ABORTIFHUNG), as Windows asks before it
        greys a program as not responding."""
        code, _ = self.winctl("responds", window, int(timeout * 1000), timeout=timeout + 30)
        return code == 0

    def post_close(self, window):
        self._winctl_ok("close", window)

    # Screen, registry, files -----------------------------------------------

    def screenshot(self, name):
        """Saves the whole screen as <build>/e2e/screens/<name>.png."""
        self.screens.mkdir(parents=True, exist_ok=True)
        path = self.screens / f"{name}.png"
        run_bounded(["import", "-display", self.display, "-window", "root", path],
                    dict(os.environ), 30)
        return path

    def window_shot(self, window, name):
        """One window's part of the screen (a winctl dict), saved as
        <build>/e2e/screens/<name>.png."""
        time.sleep(0.5)  # let the window finish painting
        whole = self.screenshot(name + "-screen")
        left, top, right, bottom = rect(window)
        path = whole.with_name(name + ".png")
        run_bounded(["convert", whole, "-crop", f"{right - left}x{bottom - top}+{left}+{top}",
                     "+repage", path], dict(os.environ), 30)
        whole.unlink()
        return path

    def pixel(self, png, x, y):
        """The (r, g, b) of one pixel of a screenshot."""
        out = run_bounded(["convert", png, "-crop", f"1x1+{x}+{y}", "-depth", "8",
                           "txt:-"], dict(os.environ), 30).stdout
        colour = out.splitlines()[-1].split("#")[1][:6]
        return tuple(int(colour[i:i + 2], 16) for i in (0, 2, 4))

    def reg_add(self, key, name=None, data="", kind="REG_SZ"):
        """Sets a value (the default value when name is None), creating the key."""
        args = ["add", key] + (["/ve"] if name is None else ["/v", name])
        self.run("reg", args + ["/t", kind, "/d", data, "/f"])

    def reg_delete(self, key, name=None):
        """Deletes a value, or the whole key when name is None; absent is fine."""
        args = ["delete", key] + ([] if name is None else ["/v", name]) + ["/f"]
        self.run("reg", args, check=False)

    def assemble_disc(self, name, edits=None, ini_lines=None):
        """A fresh copy of the sample disc with the x64 VelInst.exe and
        VORM2.dll in <build>/e2e/discs/<name>. `edits` maps a section to
        {key: value}, value None deleting the key; `ini_lines` replaces the
        whole VelInst.ini. Returns the folder."""
        folder = self.discs / name
        shutil.rmtree(folder, ignore_errors=True)
        assemble_disc(source_dir(), env_path("VELINST_EXE"), env_path("VELINST_VORM_DLL"), folder)
        ini = folder / "VelInst.ini"
        if ini_lines is not None:
            write_ini_lines(ini, ini_lines)
        if EMULATED:
            # Under 32-bit Wine in qemu the window thread stops answering once
            # the AutoPlay answer is registered in the running object table
            # (Wine's COM service in emulation); the x64 build's scenarios
            # check that registration.
            edits = {**(edits or {}), "General": {"Cancel AutoPlay": "0",
                                                   **(edits or {}).get("General", {})}}
        if edits:
            write_ini_lines(ini, edit_ini(read_ini_lines(ini), edits))
        return folder


# Settings files ------------------------------------------------------------

def assemble_disc(source, exe, vorm_dll, folder):
    folder = Path(folder)
    folder.parent.mkdir(parents=True, exist_ok=True)
    shutil.copytree(Path(source) / "disc", folder)
    shutil.copy2(exe, folder / "VelInst.exe")
    shutil.copy2(vorm_dll, folder / "VORM2.dll")
    return folder


def read_ini_lines(path):
    return Path(path).read_bytes().decode("latin-1").splitlines()


def write_ini_lines(path, lines):
    Path(path).write_bytes(("\r\n".join(lines) + "\r\n").encode("latin-1"))


def _section_of(line):
    stripped = line.strip()
    if stripped.startswith("[") and "]" in stripped:
        return stripped[1:stripped.index("]")].strip()
    return None


def _key_of(line):
    stripped = line.strip()
    if not stripped or stripped.startswith(";") or "=" not in stripped:
        return None
    return stripped.split("=", 1)[0].strip()


def edit_ini(lines, edits):
    """Sets or deletes keys ({section: {key: value or None}}), matching
    section and key names without regard to case as Windows does; a missing
    section is added at the end."""
    pending = {s.lower(): {k.lower(): (k, v) for k, v in keys.items()}
               for s, keys in edits.items()}
    names = {s.lower(): s for s in edits}
    out = []
    current = None

    def flush(section):
        for key, value in pending.get(section, {}).values():
            if value is not None:
                out.append(f"{key}={value}")
        pending.pop(section, None)

    for line in lines:
        section = _section_of(line)
        if section is not None:
            if current is not None:
                flush(current)
            current = section.lower()
            out.append(line)
            continue
        key = _key_of(line)
        if current in pending and key is not None and key.lower() in pending[current]:
            name, value = pending[current].pop(key.lower())
            if value is not None:
                out.append(f"{name}={value}")
            continue
        out.append(line)
    if current is not None:
        flush(current)
    for section in list(pending):
        if any(v is not None for _, v in pending[section].values()):
            out.append(f"[{names[section]}]")
            flush(section)
    return out


def ini_values(path):
    """The file's values as the Windows profile services read them:
    {section lower-case: {key lower-case: value}}. Blanks around names and
    values are dropped, one pair of matching quotes around a value is
    removed, lines starting with ";" are comments, and the first of two equal
    sections or keys wins."""
    sections = {}
    current = None
    for line in read_ini_lines(path):
        section = _section_of(line)
        if section is not None:
            current = sections.setdefault(section.lower(), {})
            continue
        key = _key_of(line)
        if current is None or key is None:
            continue
        value = line.split("=", 1)[1].strip()
        if len(value) >= 2 and value[0] == value[-1] and value[0] in "\"'":
            value = value[1:-1]
        current.setdefault(key.lower(), value)
    return sections


def string_table(source):
    """{id: (constant, text)} of src/resources/texts.inc, the names of the
    settings keys included from settings_keys.inc."""
    import re
    pattern = re.compile(r'^(?:VELINST_TEXT\(|VELINST_SETTING\(\w+,\s*)(\d+),\s*(\w+),\s*'
                         r'"((?:[^"\\]|\\.)*)"', re.M)
    resources = Path(source) / "src" / "resources"
    text = "".join((resources / name).read_text(encoding="latin-1")
                   for name in ("texts.inc", "settings_keys.inc"))
    return {int(i): (name, value.replace('\\"', '"').replace("\\\\", "\\"))
            for i, name, value in pattern.findall(text)}


def launch_log(path):
    """The launches recorded by test_installer.exe / test_browser.exe: a list
    of dicts (program, command_line, directory)."""
    try:
        text = Path(path).read_bytes().decode("latin-1")
    except FileNotFoundError:
        return []
    return [parse_fields(line, escaped=False) for line in text.splitlines() if line]


class ScenarioTestCase(unittest.TestCase):
    """Base of the scenarios: self.session, whose programs are killed after
    each test."""

    def setUp(self):
        self.session = Session()
        self.addCleanup(self.session.close)


def wine32_unavailable():
    """Why this machine cannot run the i686 build, or None."""
    if not os.access(WINE32, os.X_OK):
        return f"no 32-bit Wine at {WINE32} (tools/bootstrap installs it)"
    try:
        enabled = Path("/proc/sys/fs/binfmt_misc/qemu-i386").read_text().startswith("enabled")
    except OSError:
        enabled = False
    if not enabled:
        return "binfmt_misc hands i386 programs to no emulator (tools/bootstrap registers qemu)"
    return None


# What ctest takes for a skipped test (SKIP_RETURN_CODE).
SKIPPED = 77


def run_scenario(case, attempt_seconds):
    """Runs one unittest case of the emulated build for ctest. A scenario
    that hung (ran out of its time, or met a ProgramHung) or failed is run
    once more on a fresh wineserver, and the output says so: under emulation
    Wine's own processes now and then crash or stall (a registration then
    waits for its answer past the scenario's waits), which a second run on a
    fresh server does not meet; a fault of the launcher fails both runs."""
    build = build_dir()
    skipped = (SessionState(build).read() or {}).get("skipped")
    if skipped:
        print(f"i686 scenarios skipped: {skipped}")
        return SKIPPED
    for attempt in (1, 2):
        with tempfile.TemporaryFile() as output:
            process = subprocess.Popen([sys.executable, "-m", "unittest", "-v", case],
                                       stdin=subprocess.DEVNULL, stdout=output,
                                       stderr=subprocess.STDOUT, start_new_session=True)
            try:
                code = process.wait(timeout=attempt_seconds)
                hung = None
            except subprocess.TimeoutExpired:
                kill_group(process.pid)
                code = process.wait()
                hung = f"still running after {attempt_seconds} s"
            output.seek(0)
            text = output.read().decode("latin-1")
        print(text, end="", flush=True)
        if code != 0 and hung is None:
            hung = "a Wine program hung" if "velinst_e2e.ProgramHung: " in text else "it failed"
        if hung is None:
            return code
        if attempt == 1:
            print(f"RETRY: {case} ({hung}); running it once more on a fresh wineserver",
                  flush=True)
            Session(build).restart_server()
    print(f"{case} again ({hung})")
    return 1


def main(argv):
    usage = "usage: velinst_e2e.py start|stop [BUILD_DIR] | scenario SECONDS CASE"
    if len(argv) == 4 and argv[1] == "scenario":
        return run_scenario(argv[3], int(argv[2]))
    if len(argv) not in (2, 3) or argv[1] not in ("start", "stop"):
        print(usage, file=sys.stderr)
        return 2
    build = Path(argv[2]) if len(argv) == 3 else build_dir()
    reason = wine32_unavailable() if argv[1] == "start" and EMULATED else None
    if reason:
        stop_session(build)
        SessionState(build).write({"skipped": reason})
        print(f"i686 scenarios skipped: {reason}")
        return SKIPPED
    if argv[1] == "start":
        winctl = Path(os.environ.get("VELINST_WINCTL", build / "tests" / "e2e" / "winctl.exe"))
        started = time.monotonic()
        display = start_session(build, winctl)
        print(f"session on DISPLAY={display}, prefix {Prefix(build).path} "
              f"({time.monotonic() - started:.1f} s)")
    else:
        stop_session(build)
        print("session stopped")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
