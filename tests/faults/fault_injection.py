#!/usr/bin/env python3
"""End-to-end fault injection: the real program against a damaged or hostile settings location.

Each case prepares the settings folder, runs the program on a private Xvfb display
through the window driver (start, wait for the painted window, type a text, close
with WM_DELETE_WINDOW) and checks that the program started, ended normally and that
the settings file holds either its old or its new content -- never torn, never
emptied. Afterwards the program must still start and save normally.

Usage: fault_injection.py --program HEXCRIBE --driver X11_WINDOW_DRIVER CASE...
       fault_injection.py --list
"""
import argparse
import os
import pwd
import random
import re
import resource
import shutil
import signal
import stat
import subprocess
import sys
import tempfile
import time
from pathlib import Path

TITLE = "Hexcribe v1.00"
# Root ignores permission bits; drop the capabilities that let it, so read-only
# really means read-only when CI runs as root.
NO_OVERRIDE = ["setpriv", "--bounding-set=-dac_override,-dac_read_search,-fowner", "--"] if os.getuid() == 0 else []
# A full box, in lines (Wine takes a minute to lay out one long paragraph), saved when a face is respelled.
LONG_TEXT = "Hexcribe 한국어 😀\r\n" * 1927 + "Hexcribe"


def encode(text):
    return text.encode("utf-16-le").hex().upper()


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


class Xvfb:
    """A private virtual X server on a free display number. Another test may pick the
    same number at the same moment; the loser's Xvfb exits at once, so try the next."""

    def __enter__(self):
        first = 300 + os.getpid() % 300
        for n in list(range(first, 600)) + list(range(300, first)):
            if Path(f"/tmp/.X11-unix/X{n}").exists() or Path(f"/tmp/.X{n}-lock").exists():
                continue
            # -noreset: without it the server resets whenever its last client leaves
            # and refuses connections meanwhile, between two runs of the program.
            self.proc = subprocess.Popen(["Xvfb", f":{n}", "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                                          "-noreset"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            for _ in range(200):
                if self.proc.poll() is not None or Path(f"/tmp/.X11-unix/X{n}").exists():
                    break
                time.sleep(0.05)
            time.sleep(0.2)
            if self.proc.poll() is None and Path(f"/tmp/.X11-unix/X{n}").exists():
                self.display = f":{n}"
                return self
            self.proc.kill()
            self.proc.wait()
        raise RuntimeError("Xvfb did not start")

    def __exit__(self, *exc):
        self.proc.terminate()
        self.proc.wait()


def settings_file(face, text, utf16):
    body = f"[gen]\r\nuni_font={face}\r\nmlang_text={encode(text)}\r\n"
    return b"\xff\xfe" + body.encode("utf-16-le") if utf16 else body.encode()


class SettingsChecks:
    """What the Linux and the Wine harness share: the settings file, the runs the cases make and
    their checks. Each harness sets folder, file, face (the default face its program saves),
    utf16 (whether its platform writes a new settings file in UTF-16LE) and as_user (run()'s
    options for a run without root's permission override)."""

    def standard_file(self, text="old text", utf16=None):
        return settings_file(self.face, text, self.utf16 if utf16 is None else utf16)

    def with_old_file(self):
        """Makes the settings folder with a standard file in it; gives the file's bytes."""
        self.folder.mkdir(parents=True)
        old = self.standard_file()
        self.file.write_bytes(old)
        return old

    def run_with(self, what, text="new", **options):
        report = self.run(text=text, **options)
        self.expect_clean_run(report, what)
        return report

    def run_as_user(self, what, text="new"):
        return self.run_with(what, text, **self.as_user)

    def saved_text(self):
        data = self.file.read_bytes()
        text = data[2:].decode("utf-16-le") if data.startswith(b"\xff\xfe") else data.decode("utf-8", "replace")
        m = re.search(r"^[ \t]*mlang_text[ \t]*=[ \t]*([0-9A-Fa-f]*)", text, re.M)
        check(m is not None, f"no mlang_text line in {data[:200]!r}")
        return bytes.fromhex(m.group(1)).decode("utf-16-le")

    def expect_works(self, what):
        """The program starts, shows its window and saves a new text, which the next start restores."""
        word = f"ok{random.randrange(10**6)}"
        self.expect_clean_run(self.run(text=word), f"{what}: run after the fault")
        check(self.saved_text() == word, f"{what}: the typed text was not saved ({self.file.read_bytes()[:200]!r})")
        self.expect_clean_run(self.run(), f"{what}: restart")
        check(self.saved_text() == word, f"{what}: the saved text was not restored at the next start")

    def leftovers(self):
        return sorted(p.name for p in self.folder.iterdir() if p.name != "setting.ini") if self.folder.is_dir() else []

    def expect_untouched(self, old, what):
        check(self.file.read_bytes() == old, f"{what}: the file changed")
        check(self.leftovers() == [], f"{what}: leftovers {self.leftovers()}")

    def old_or_new(self, old, new, what):
        """Which content a killed save left: the file must hold one of the two whole."""
        data = self.file.read_bytes() if self.file.exists() else b"<missing>"
        check(data in (old, new), f"{what}: the file is neither old nor new: {data[:300]!r}")
        return "old" if data == old else "new"


class Harness(SettingsChecks):
    face, utf16, as_user = "DejaVu Sans", False, {"wrap": NO_OVERRIDE}

    def __init__(self, program, driver, display, root):
        self.program, self.driver, self.root = program, driver, root
        self.config = root / "config"
        self.folder = self.config / "Hexcribe"
        self.file = self.folder / "setting.ini"
        self.env = {k: v for k, v in os.environ.items() if not k.startswith(("QT_", "XDG_"))}
        self.env.update(DISPLAY=display, HOME=str(root / "home"), XDG_CONFIG_HOME=str(self.config),
                        XDG_RUNTIME_DIR=str(root), LC_ALL="C.UTF-8", QT_QPA_PLATFORM="xcb")
        if "ASAN_OPTIONS" in self.env:
            # libxkbcommon-x11 (under Qt's xcb platform) hands strndup a buffer that is
            # exactly n bytes long with no terminator, which is valid; strict string
            # checks read on to a terminator and abort every X run at start-up.
            self.env["ASAN_OPTIONS"] += ":strict_string_checks=0"
        (root / "home").mkdir()

    def run(self, text=None, wrap=(), kill_after_close_us=None, preexec=None, timeout_ms=30000, env_extra=None):
        """Starts the program, optionally replaces the input text, closes it; gives the driver's report."""
        env = dict(self.env, **(env_extra or {}))
        if wrap and wrap[0] == "strace":
            # LeakSanitizer cannot stop a traced process's threads; leaks are checked elsewhere.
            env["ASAN_OPTIONS"] = env.get("ASAN_OPTIONS", "") + ":detect_leaks=0"
        cmd = [str(self.driver), "--timeout-ms", str(timeout_ms), "--settle-ms", "100"]
        if text is not None:
            # The input box is the last tab stop: Shift+Tab from the first one reaches it.
            cmd += ["--before-close", f"xdotool windowfocus --sync $WINDOW && sleep 0.2 && xdotool key --clearmodifiers "
                                      f"shift+Tab ctrl+a type --delay 20 '{text}' && sleep 0.3"]
        if kill_after_close_us is not None:
            cmd += ["--kill-after-close-us", str(kill_after_close_us)]
        cmd += ["--", *wrap, str(self.program)]
        out = subprocess.run(cmd, env=env, capture_output=True, text=True, timeout=timeout_ms / 1000 + 60,
                             preexec_fn=preexec)
        report = dict(line.split("=", 1) for line in out.stdout.splitlines() if "=" in line)
        report["stderr"] = out.stderr
        report["driver_status"] = out.returncode
        return report

    def expect_clean_run(self, report, what):
        check(report["driver_status"] == 0,
              f"{what}: no window was shown (exit {report.get('exit')}, signal {report.get('signal')}):\n"
              f"{report['stderr'][-4000:]}")
        check(report.get("title") == TITLE, f"{what}: title {report.get('title')!r}")
        check(report.get("hung") == "0", f"{what}: did not end after closing")
        check(report.get("signal") == "0" and report.get("exit") == "0",
              f"{what}: ended with exit {report.get('exit')} signal {report.get('signal')}:\n{report['stderr'][-3000:]}")


# ---- the cases ---------------------------------------------------------------------------

def case_missing_folder(h):
    """Neither the XDG folder nor the settings folder exists: both are created and the text saved."""
    check(not h.config.exists(), "config folder exists before the test")
    h.expect_works("missing folder")
    check(stat.S_IMODE(h.folder.stat().st_mode) & 0o077 == 0, "settings folder readable by others")


def case_read_only_folder(h):
    """A folder without write permission: nothing is saved and nothing left behind."""
    old = h.with_old_file()
    h.folder.chmod(0o555)
    try:
        h.run_as_user("read-only folder")
        h.expect_untouched(old, "read-only folder")
    finally:
        h.folder.chmod(0o700)
    h.expect_works("read-only folder")


def file_mode_case(h, mode, what):
    """A settings file with the given permissions: the program runs, the file stays as it was,
    and once the permissions are back to normal the program saves again."""
    old = h.with_old_file()
    h.file.chmod(mode)
    h.run_as_user(what)
    h.expect_untouched(old, what)
    h.file.chmod(0o600)
    h.expect_works(what)


def case_read_only_file(h):
    """A file without write permission (FILE_ATTRIBUTE_READONLY under Wine) is not replaced."""
    file_mode_case(h, 0o444, "read-only file")


def case_unreadable_file(h):
    """A file that cannot be read is neither truncated nor replaced."""
    file_mode_case(h, 0o200, "unreadable file")


def case_disk_full(h):
    """A file-size limit below the new file's size: the save fails, the old file stays whole."""
    old = h.with_old_file()
    limit = len(old) - 4
    def limit_size():
        resource.setrlimit(resource.RLIMIT_FSIZE, (limit, limit))
    h.run_with("file-size limit", text="a much longer text than before", preexec=limit_size)
    h.expect_untouched(old, "file-size limit")
    h.expect_works("file-size limit")


def case_settings_file_is_directory(h):
    h.file.mkdir(parents=True)
    (h.file / "keep").write_text("keep")
    h.run_with("settings file is a directory")
    check(h.file.is_dir() and (h.file / "keep").read_text() == "keep", "the directory was changed")
    check(h.leftovers() == [], f"directory: leftovers {h.leftovers()}")
    shutil.rmtree(h.file)
    h.expect_works("settings file is a directory")


def case_binary_junk(h):
    h.folder.mkdir(parents=True)
    rng = random.Random(8)
    junk = bytes(b for b in rng.randbytes(65536) if b not in b"[\xff\xfe")  # no section header, no BOM
    h.file.write_bytes(junk)
    h.expect_clean_run(h.run(text="junk"), "binary junk")
    data = h.file.read_bytes()
    check(data.startswith(junk), "binary junk: the untouched bytes were not kept")
    check(h.saved_text() == "junk", "binary junk: the text was not saved")
    h.expect_works("binary junk")


def case_ten_megabyte_line(h):
    """A 10 MB comment line is kept byte for byte; a 10 MB stored value is read as far as the reader goes."""
    h.folder.mkdir(parents=True)
    comment = b";" + b"x" * (10 * 1024 * 1024) + b"\r\n"
    value = ("41000D000A00" * (10 * 1024 * 1024 // 12)).encode()  # lines of "A" (see LONG_TEXT)
    h.file.write_bytes(comment + f"[gen]\r\nuni_font={h.face}\r\nmlang_text=".encode() + value + b"\r\n")
    h.expect_clean_run(h.run(), "10 MB lines")
    data = h.file.read_bytes()
    check(data.startswith(comment), "10 MB lines: the long comment line changed")
    check(h.saved_text() == "A\r\n" * 10922 + "A", "10 MB lines: the restored text was not what fits the box")
    h.expect_works("10 MB lines")


def case_utf16le_file(h):
    """A file written on Windows in UTF-16LE is read and stays UTF-16LE."""
    h.folder.mkdir(parents=True)
    h.file.write_bytes(h.standard_file("한국인", utf16=True))
    h.expect_clean_run(h.run(), "UTF-16LE file")
    check(h.file.read_bytes().startswith(b"\xff\xfe"), "UTF-16LE file: no longer UTF-16LE")
    check(h.saved_text() == "한국인", "UTF-16LE file: the text was not restored and saved back")
    h.expect_works("UTF-16LE file")
    check(h.file.read_bytes().startswith(b"\xff\xfe"), "UTF-16LE file: no longer UTF-16LE after a change")


def case_symlink(h):
    """A symlinked settings file: the target is updated, the link stays a link."""
    h.folder.mkdir(parents=True)
    target = h.root / "dotfiles" / "hexcribe.ini"
    target.parent.mkdir()
    target.write_bytes(h.standard_file())
    h.file.symlink_to(target)
    h.expect_works("symlink")
    check(h.file.is_symlink(), "symlink: the link was replaced by a file")
    check(Path(os.readlink(h.file)) == target, "symlink: the link was changed")


def syscall_targets(h, old, text):
    """Runs the program once under strace and lists (syscall, n) pairs of its main thread that touch the settings."""
    log = h.root / "calibrate.log"
    h.file.write_bytes(old)
    wrap = ["strace", "-f", "-qq", "-y", "-o", str(log), "-e", f"trace={SAVE_SYSCALLS}"]
    h.expect_clean_run(h.run(text=text, wrap=wrap), "calibration run")
    new = h.file.read_bytes()
    counts, targets, main = {}, [], None
    for line in log.read_text(errors="replace").splitlines():
        m = re.match(r"(\d+) +(\w+)\(", line)
        if not m:
            continue
        pid, name = int(m.group(1)), m.group(2)
        main = pid if main is None else main
        counts[(pid, name)] = counts.get((pid, name), 0) + 1
        if pid == main and "Hexcribe" in line:
            targets.append((name, counts[(pid, name)], line[:160]))
    return new, targets


SAVE_SYSCALLS = ("openat,open,creat,write,pwrite64,writev,fsync,fdatasync,rename,renameat,renameat2,"
                 "fchmod,fchown,flock,fcntl,ftruncate,unlink,unlinkat,close,mkdir,mkdirat,linkat")


def case_sigkill_while_saving(h, old=None, text="saved", saved="saved"):
    """SIGKILL at every syscall that touches the settings, then at random moments of the save."""
    h.folder.mkdir(parents=True)
    old = old or h.standard_file()
    new, targets = syscall_targets(h, old, text)
    check(new != old and h.saved_text() == saved, "calibration run did not save")
    check(targets, "no syscall touched the settings folder")
    outcomes = {"old": 0, "new": 0}
    for name, n, line in targets:
        h.file.write_bytes(old)
        wrap = ["strace", "-f", "-qq", "-o", "/dev/null", "-e", f"trace={name}", "-e",
                f"inject={name}:signal=KILL:when={n}"]
        report = h.run(text=text, wrap=wrap)
        outcome = h.old_or_new(old, new, f"killed at {line}")
        outcomes[outcome] += 1
        print(f"  kill at {name} #{n} ({report.get('signal')}): {outcome} content   {line}")
    rng = random.Random(9)
    for i in range(20):
        h.file.write_bytes(old)
        delay = rng.randrange(0, 40000)
        h.run(text=text, kill_after_close_us=delay)
        outcomes[h.old_or_new(old, new, f"killed {delay} us after closing")] += 1
    print(f"  outcomes: {outcomes}; files left in the folder by the killed saves: {len(h.leftovers())}")
    h.expect_works("SIGKILL while saving")
    # The next completed save clears what the killed ones left behind.
    check(h.leftovers() == [], f"temporary files pile up: {h.leftovers()}")


def case_valgrind_memcheck(h):
    """The whole run -- start, typing, saving, closing -- under valgrind memcheck: no memory
    errors and no definite leaks, apart from the toolkit's own reports in valgrind.supp."""
    supp = Path(__file__).resolve().parent.parent / "sanitizers" / "valgrind.supp"
    wrap = ["valgrind", "--leak-check=full", "--errors-for-leak-kinds=definite", "--show-leak-kinds=definite",
            "--child-silent-after-fork=yes", "--num-callers=40", "--error-exitcode=99",
            f"--suppressions={supp}", f"--log-file={h.root}/memcheck.log"]
    h.folder.mkdir(parents=True)
    h.file.write_bytes(h.standard_file("before"))
    # Qt compiles regular expressions to machine code that memcheck cannot follow;
    # its documented switch turns that off.
    report = h.run(text="memcheck", wrap=wrap, timeout_ms=180000, env_extra={"QT_ENABLE_REGEXP_JIT": "0"})
    log = (h.root / "memcheck.log").read_text(errors="replace")
    start = re.search(r"^==\d+== (?!(Memcheck|Copyright|Using|Command|Parent|$))", log, re.M)
    check(report.get("exit") != "99", f"memcheck found errors:\n{log[start.start() if start else 0:][:12000]}")
    h.expect_clean_run(report, "under memcheck")
    check(h.saved_text() == "memcheck", "under memcheck: the typed text was not saved")


CASES = {name[5:]: fn for name, fn in globals().items() if name.startswith("case_")}
CASES["sigkill_while_saving_long_text"] = lambda h: case_sigkill_while_saving(
    h, settings_file(h.face.lower(), LONG_TEXT, h.utf16), None, LONG_TEXT)

# ---- the Windows program under Wine ----------------------------------------------------
# Hexcribe.exe in a real window on the X display, typed into and closed with xdotool like a
# user would. Every case first damages the settings location, then checks that the program
# started, ended by itself and left the file old or new -- never torn -- and that afterwards
# it still saves typed text and restores it. Wine is evidence about the Win32 code, not proof
# for Windows; the closing note lists where the two may differ.

class WineHarness(SettingsChecks):
    # Wine's runner already drops root's permission override for every run.
    face, utf16, as_user = "Tahoma", True, {}

    def __init__(self, program, runner, holder, wine_root, root):
        self.program, self.runner, self.holder, self.root = program, runner, holder, root
        self.wine_root = wine_root
        user = pwd.getpwuid(os.getuid()).pw_name
        self.drive_c = wine_root / "prefix" / "drive_c"
        self.folder = self.drive_c / "users" / user / "AppData" / "Roaming" / "Hexcribe"
        self.file = self.folder / "setting.ini"
        # The Wine server opens files for its programs, so it too must run without the
        # capabilities that let root ignore permission bits: the whole session does.
        self.env = dict(os.environ, HEXCRIBE_WINE_ROOT=str(wine_root), HEXCRIBE_WINE_TIMEOUT="60")
        if self.folder.exists():
            unlock_tree(self.folder)
            shutil.rmtree(self.folder)

    def wine(self, *args):
        return subprocess.Popen(NO_OVERRIDE + [str(self.runner), *map(str, args)], env=self.env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)

    def windows_path(self, path):
        return "C:\\" + str(Path(path).relative_to(self.drive_c)).replace("/", "\\")

    @staticmethod
    def xdotool(*args, check_status=True):
        out = subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=30)
        if check_status and out.returncode != 0:
            raise Failure(f"xdotool {' '.join(args)}: {out.stderr.strip()}")
        return out.stdout.strip()

    @staticmethod
    def program_pid(runner_pid, name):
        """The Unix process of the Windows program: below the runner, named after the .exe."""
        children = {}
        for stat_file in Path("/proc").glob("[0-9]*/stat"):
            try:
                fields = stat_file.read_text().rsplit(")", 1)[1].split()
            except OSError:
                continue
            children.setdefault(int(fields[1]), []).append(int(stat_file.parent.name))
        todo = list(children.get(runner_pid, []))
        while todo:
            pid = todo.pop()
            try:
                if Path(f"/proc/{pid}/cmdline").read_bytes().split(b"\0")[0].endswith(name.encode()):
                    return pid
            except OSError:
                pass
            todo += children.get(pid, [])
        return None

    def run(self, text=None, kill_after_close_ms=None):
        """Starts the program, optionally types text over the input, closes it with its Close
        button (or kills it that many ms after pressing it); gives what happened."""
        started = time.monotonic()
        proc = self.wine(self.program)
        report = {"title": None, "killed": False, "exit": None}
        try:
            window = ""
            while not window and time.monotonic() - started < 60 and proc.poll() is None:
                window = self.xdotool("search", "--onlyvisible", "--name", "^Hexcribe v1\\.00$",
                                      check_status=False).split("\n")[0]
                time.sleep(0.1)
            if not window:
                return report
            report["title"] = TITLE
            report["shown_s"] = time.monotonic() - started
            # A window still being mapped refuses the focus for a moment.
            for attempt in range(50):
                try:
                    self.xdotool("windowfocus", "--sync", window)
                    break
                except Failure:
                    if attempt == 49:
                        raise
                    time.sleep(0.1)
            time.sleep(0.4)
            # The input box is the last tab stop, Close the one before it; the Font list has the focus.
            self.xdotool("key", "--clearmodifiers", "shift+Tab")
            if text is not None:
                self.xdotool("key", "--clearmodifiers", "ctrl+a")
                self.xdotool("type", "--delay", "20", text)
                time.sleep(0.2)
            self.xdotool("key", "--clearmodifiers", "shift+Tab", "space")
            closed = time.monotonic()
            if kill_after_close_ms is not None:
                pid = self.program_pid(proc.pid, Path(self.program).name)
                time.sleep(kill_after_close_ms / 1000)
                if pid is not None:
                    try:
                        os.kill(pid, signal.SIGKILL)
                        report["killed"] = True
                    except ProcessLookupError:
                        pass  # it had ended already
            report["exit"] = proc.wait(timeout=60)
            report["close_s"] = time.monotonic() - closed
            return report
        finally:
            if proc.poll() is None:
                # The runner puts the program in a process group of its own (under timeout).
                pid = self.program_pid(proc.pid, Path(self.program).name)
                if pid is not None:
                    os.kill(pid, signal.SIGKILL)
                os.killpg(proc.pid, signal.SIGKILL)
                proc.wait()
                report["hung"] = True

    def expect_clean_run(self, report, what):
        check(report["title"] == TITLE, f"{what}: no window titled {TITLE!r}")
        check(not report.get("hung"), f"{what}: did not end after Close")
        check(report["exit"] == 0, f"{what}: ended with status {report['exit']}")



def unlock_tree(path):
    for p in [path, *path.rglob("*")]:
        if not p.is_symlink():
            p.chmod(0o700 if p.is_dir() else 0o600)


def wine_case_missing_folder(h):
    check(not h.folder.exists(), "settings folder exists before the test")
    h.expect_works("missing folder")


def wine_case_held_open_without_sharing(h):
    """Another process holds the file open with no sharing: it is neither read nor replaced."""
    old = h.with_old_file()
    marker = h.drive_c / "held.marker"
    marker.unlink(missing_ok=True)
    holder = h.wine(h.holder, h.windows_path(h.file), h.windows_path(marker))
    try:
        for _ in range(300):
            if marker.exists() or holder.poll() is not None:
                break
            time.sleep(0.1)
        check(marker.exists(), "the holder did not open the file")
        h.run_with("file held open")
        h.expect_untouched(old, "file held open")
    finally:
        pid = h.program_pid(holder.pid, Path(h.holder).name)
        if pid is not None:
            os.kill(pid, signal.SIGKILL)
        os.killpg(holder.pid, signal.SIGKILL)
        holder.wait()
        marker.unlink(missing_ok=True)
    # Wine closes a killed process's handles once its server notices the death.
    time.sleep(0.5)
    h.expect_works("file held open")


def wine_case_binary_junk(h):
    """Random bytes without a section: the program starts, saves its section after them and
    restores it. (Wine's profile writer rewrites every line it parsed; Windows keeps untouched
    bytes -- so only the saved text is checked here.)"""
    h.folder.mkdir(parents=True)
    rng = random.Random(8)
    junk = bytes(b for b in rng.randbytes(65536) if b not in b"[\xff\xfe\0")
    h.file.write_bytes(junk)
    h.run_with("binary junk", text="junk")
    check(h.saved_text() == "junk", "binary junk: the text was not saved")
    h.expect_works("binary junk")


def wine_case_ansi_file(h):
    """A file an older version wrote in the ANSI code page is read and stays ANSI."""
    h.folder.mkdir(parents=True)
    h.file.write_bytes(h.standard_file("older", utf16=False))
    h.expect_clean_run(h.run(), "ANSI file")
    check(h.saved_text() == "older", "ANSI file: the text was not restored and saved back")
    h.expect_works("ANSI file")
    check(not h.file.read_bytes().startswith(b"\xff\xfe"), "ANSI file: turned into UTF-16LE")


WINE_KILLS = 36


def wine_case_kill_while_closing(h, old=None, text="saved", saved="saved"):
    """Terminate the process from outside at random moments after Close is pressed."""
    h.folder.mkdir(parents=True)
    old_report = h.run(text="old")
    h.expect_clean_run(old_report, "calibration (old)")
    old = old or h.file.read_bytes()
    h.file.write_bytes(old)
    report = h.run(text=text)
    h.expect_clean_run(report, "calibration (new)")
    new = h.file.read_bytes()
    check(new != old and h.saved_text() == saved, "calibration run did not save")
    # Spread the kills over the whole time from Close to the end of the process.
    span_ms = max(50, int(max(old_report["close_s"], report["close_s"]) * 1000 * 1.2))
    rng = random.Random(16)
    outcomes = {"old": 0, "new": 0}
    for i in range(WINE_KILLS):
        h.file.write_bytes(old)
        delay = rng.randrange(0, span_ms)
        report = h.run(text=text, kill_after_close_ms=delay)
        check(report["title"] == TITLE, f"kill {i}: no window")
        outcome = h.old_or_new(old, new, f"killed {delay} ms after Close")
        outcomes[outcome] += 1
        print(f"  kill {i + 1:2}: {delay:4} ms after Close, {'killed' if report['killed'] else 'had ended'}: "
              f"{outcome} content, {len(h.leftovers())} temporary file(s) in the folder")
    print(f"  outcomes of {WINE_KILLS} kills over 0..{span_ms} ms: {outcomes}")
    h.expect_works("kill while closing")
    check(h.leftovers() == [], f"temporary files pile up: {h.leftovers()}")


# The Wine cases by name, in the order they run; several are the Linux cases on the Wine harness.
WINE_CASES = {
    "missing_folder": wine_case_missing_folder,
    "read_only_attribute": case_read_only_file,
    "folder_without_write_permission": case_read_only_folder,
    "held_open_without_sharing": wine_case_held_open_without_sharing,
    "folder_at_file_path": case_settings_file_is_directory,
    "binary_junk": wine_case_binary_junk,
    "ten_megabyte_line": case_ten_megabyte_line,
    "utf16le_file": case_utf16le_file,
    "ansi_file": wine_case_ansi_file,
    "kill_while_closing": wine_case_kill_while_closing,
    "kill_while_saving_long_text": lambda h: wine_case_kill_while_closing(
        h, settings_file(h.face.lower(), LONG_TEXT, h.utf16), None, LONG_TEXT),
}



def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program")
    parser.add_argument("--driver")
    parser.add_argument("--list", action="store_true")
    parser.add_argument("--wine", action="store_true", help="the Windows program under Wine")
    parser.add_argument("--runner", help="with --wine: scripts/wine-run.sh")
    parser.add_argument("--holder", help="with --wine: hold_file.exe")
    parser.add_argument("--wine-root", help="with --wine: folder of the Wine prefix the cases share")
    parser.add_argument("cases", nargs="*")
    args = parser.parse_args()
    if args.list:
        print("\n".join(WINE_CASES if args.wine else CASES))
        return 0
    if args.wine:
        return run_wine_cases(args)
    failed = 0
    with Xvfb() as x:
        for name in args.cases or CASES:
            root = Path(tempfile.mkdtemp(prefix=f"hexcribe-fault-{name}-"))
            try:
                CASES[name](Harness(Path(args.program), Path(args.driver), x.display, root))
                print(f"PASS {name}")
            except Failure as e:
                failed += 1
                print(f"FAIL {name}: {e}")
            finally:
                for p in root.rglob("*"):
                    if p.is_dir() and not p.is_symlink():
                        p.chmod(0o700)
                shutil.rmtree(root, ignore_errors=True)
    return 1 if failed else 0


def run_wine_cases(args):
    """Runs on the display given in DISPLAY (the Windows test script starts one); Wine's
    desktop process stays bound to the display it started on, so every case shares it."""
    if not os.environ.get("DISPLAY"):
        print("needs an X display (scripts/test.d/windows.sh starts Xvfb)")
        return 1
    # Make the shared prefix (once) before any case times its window: the holder without
    # arguments ends at once.
    prepare = subprocess.run(NO_OVERRIDE + [args.runner, args.holder], timeout=600, capture_output=True,
                             env=dict(os.environ, HEXCRIBE_WINE_ROOT=args.wine_root))
    if prepare.returncode != 2:
        print(f"the Wine prefix could not be prepared (status {prepare.returncode}): {prepare.stdout[-2000:]!r}")
        return 1
    failed = 0
    for name in args.cases or WINE_CASES:
        root = Path(tempfile.mkdtemp(prefix=f"hexcribe-fault-wine-{name}-"))
        started = time.monotonic()
        try:
            WINE_CASES[name](WineHarness(Path(args.program), Path(args.runner), Path(args.holder),
                                         Path(args.wine_root), root))
            print(f"PASS {name} ({time.monotonic() - started:.1f} s)")
        except Failure as e:
            failed += 1
            print(f"FAIL {name}: {e}")
        finally:
            shutil.rmtree(root, ignore_errors=True)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
