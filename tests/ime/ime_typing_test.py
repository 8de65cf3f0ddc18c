#!/usr/bin/env python3
"""Types Hangul through a real input method (fcitx5 or ibus) into the dialog.

Everything runs privately: an Xvfb display picked by the server itself, a
session bus of our own (without service activation, so nothing starts behind
our back), a private HOME and XDG folders, and the input method daemon with
2-set Hangul active by configuration. Every process started here is stopped by
its PID. Exit status: 0 passed, 1 failed, 77 skipped (a tool is missing).
"""

import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
import traceback

SKIP = 77
WINDOW_TITLE = "Hexcribe v1.00"
# Dialog template size and the centres of the controls used, in dialog units.
# Clicks are placed proportionally inside the window's client area.
DIALOG_UNITS = (288, 296)
INPUT_BOX_CENTRE = (7 + 274 // 2, 85 + 88 // 2)
COPY_BUTTON_CENTRE = (180 + 61 // 2, 249 + 14 // 2)

REQUIRED_TOOLS = ["Xvfb", "dbus-daemon", "dbus-send", "dbus-monitor", "xdotool", "xclip"]


class Failure(Exception):
    """A check of the test failed."""


class Timeout(Exception):
    """The whole run exceeded its hard time limit."""


def log(message):
    print(f"[ime {time.monotonic() - START:6.2f}s] {message}", flush=True)


START = time.monotonic()


def command_text(text):
    """The dialog's command for text with the default options."""
    data = text.encode("utf-16-le")
    return "Print 'U::" + " ".join(f"{b:02X}" for b in data) + "';"


def stored_text(text):
    """The settings file's form of text: four hex digits per UTF-16 unit, low byte first."""
    return command_text(text)[len("Print 'U::"):-2].replace(" ", "")


class Processes:
    """Every process this run started, stopped by PID in reverse order."""

    def __init__(self):
        self.started = []

    def start(self, name, argv, **kwargs):
        proc = subprocess.Popen(argv, **kwargs)
        self.started.append((name, proc))
        return proc

    def stop_all(self):
        for name, proc in reversed(self.started):
            if proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(timeout=3)
                except subprocess.TimeoutExpired:
                    log(f"{name} (pid {proc.pid}) ignored SIGTERM, killing it")
                    proc.kill()
                    proc.wait(timeout=3)
        self.started.clear()


class KeyBarrier:
    """Watches the input method's bus (eavesdropping, which both daemons'
    buses allow) for the key events the program hands to the input method, so
    the test waits until the typed keys have been composed instead of sleeping
    a guessed time."""

    # Calls from a client (unique name ":1.n"); the daemon's own calls to its
    # engines on the same bus are not counted.
    CALL = re.compile(r"^method call .* sender=(:\S+) .* serial=(\d+) .*member=ProcessKeyEvent$")
    REPLY = re.compile(r"^(?:method return|error) .* destination=(\S+) .*reply_serial=(\d+)")

    def __init__(self, procs, env, address, probe):
        self.lock = threading.Lock()
        self.pending = set()
        self.calls = 0
        self.last_activity = time.monotonic()
        self.proc = procs.start("dbus-monitor", ["dbus-monitor", "--address", address], env=env,
                                stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.ready = threading.Event()
        threading.Thread(target=self._read, daemon=True).start()
        # The monitor is listening once it reports traffic; make some.
        deadline = time.monotonic() + 5
        while not self.ready.wait(0.1):
            if time.monotonic() > deadline:
                raise Failure("dbus-monitor did not start")
            probe()

    def _read(self):
        for line in self.proc.stdout:
            self.ready.set()
            call = self.CALL.match(line.strip())
            reply = None if call else self.REPLY.match(line.strip())
            with self.lock:
                if call:
                    self.pending.add((call.group(1), call.group(2)))
                    self.calls += 1
                    self.last_activity = time.monotonic()
                elif reply and (reply.group(1), reply.group(2)) in self.pending:
                    self.pending.discard((reply.group(1), reply.group(2)))
                    self.last_activity = time.monotonic()

    def count(self):
        with self.lock:
            return self.calls

    def wait_settled(self, since, at_least, quiet=0.25, timeout=10):
        """Waits until at least `at_least` key events went to the input method
        after `since`, all were answered, and none followed for `quiet` s."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            with self.lock:
                seen = self.calls - since
                settled = (not self.pending and seen >= at_least
                           and time.monotonic() - self.last_activity >= quiet)
            if settled:
                return seen
            time.sleep(0.02)
        raise Failure(f"the program handed {self.count() - since} of at least {at_least} "
                      "key events to the input method")


class Fcitx5:
    """fcitx5 with only the add-ons the test needs, Hangul as the default
    input method of the one group, active in every new input context."""

    name = "fcitx5"
    tools = ["fcitx5", "fcitx5-remote"]

    def start(self, session):
        base = os.path.join(session.env["XDG_CONFIG_HOME"], "fcitx5")
        os.makedirs(os.path.join(base, "conf"), exist_ok=True)
        write(os.path.join(base, "profile"),
              "[Groups/0]\nName=Default\nDefault Layout=us\nDefaultIM=hangul\n\n"
              "[Groups/0/Items/0]\nName=keyboard-us\nLayout=\n\n"
              "[Groups/0/Items/1]\nName=hangul\nLayout=\n\n"
              "[GroupOrder]\n0=Default\n")
        write(os.path.join(base, "config"), "[Behavior]\nActiveByDefault=True\n")
        write(os.path.join(base, "conf", "hangul.conf"), "Keyboard=Dubeolsik\n")
        session.start_logged("fcitx5", ["fcitx5", "--disable=all",
                                        "--enable=core,dbus,dbusfrontend,xcb,keyboard,hangul"])
        session.poll("fcitx5 answering on the bus",
                     lambda: session.run(["fcitx5-remote"], check=False).returncode == 0, 10)
        self.bus = session.env["DBUS_SESSION_BUS_ADDRESS"]
        return dict(QT_IM_MODULE="fcitx", XMODIFIERS="@im=fcitx")

    def before_app(self, session):
        pass

    def debug_info(self, session):
        return session.run(["dbus-send", "--session", "--print-reply", "--dest=org.fcitx.Fcitx5",
                            "/controller", "org.fcitx.Fcitx.Controller1.DebugInfo"],
                           check=False, timeout=3).stdout

    def context_focused(self, session):
        """True when one of the program's input contexts has fcitx5's focus
        and Hangul is its input method."""
        focused = any(f"program:{session.app_name} " in line and "focus:1" in line
                      for line in self.debug_info(session).splitlines())
        return focused and session.run(["fcitx5-remote", "-n"], check=False).stdout.strip() == "hangul"

    def stop(self, session):
        pass


class Ibus:
    """ibus-daemon on its own bus with the Hangul engine, which starts in
    Hangul mode by configuration (its default is Latin)."""

    name = "ibus"
    tools = ["ibus-daemon", "ibus"]
    PATH = re.compile(r'object path "([^"]+)"')

    def start(self, session):
        settings = os.path.join(session.env["XDG_CONFIG_HOME"], "glib-2.0", "settings")
        os.makedirs(settings, exist_ok=True)
        write(os.path.join(settings, "keyfile"),
              "[org/freedesktop/ibus/engine/hangul]\ninitial-input-mode='hangul'\n")
        session.env["GSETTINGS_BACKEND"] = "keyfile"
        self.daemon = session.start_logged("ibus-daemon", ["ibus-daemon", "--panel=disable",
                                                           "--emoji-extension=disable", "--cache=none"])
        address = [""]

        def ready():
            address[0] = session.run(["ibus", "address"], check=False).stdout.strip()
            return address[0].startswith("unix:")
        session.poll("ibus-daemon's address", ready, 10)
        self.bus = address[0]
        session.env["IBUS_ADDRESS"] = self.bus
        session.poll("the Hangul engine",
                     lambda: session.run(["ibus", "engine", "hangul"], check=False).returncode == 0, 10)
        return dict(QT_IM_MODULE="ibus", XMODIFIERS="@im=ibus")

    def current_context(self, session):
        out = session.run(["dbus-send", "--address=" + self.bus, "--print-reply",
                           "--dest=org.freedesktop.IBus", "/org/freedesktop/IBus",
                           "org.freedesktop.DBus.Properties.Get", "string:org.freedesktop.IBus",
                           "string:CurrentInputContext"], check=False, timeout=3).stdout
        match = self.PATH.search(out)
        return match.group(1) if match else ""

    def before_app(self, session):
        self.old_context = self.current_context(session)

    def debug_info(self, session):
        return f"current input context: {self.current_context(session)}\n"

    def context_focused(self, session):
        """True when a context newer than those before the program started
        has the focus and Hangul is the engine."""
        context = self.current_context(session)
        return (context not in ("", self.old_context, "/org/freedesktop/IBus/InputContext_0")
                and session.run(["ibus", "engine"], check=False).stdout.strip() == "hangul")

    def stop(self, session):
        # The daemon's engine and settings helpers can outlive it briefly:
        # note their PIDs first, then wait for them (and stop them by PID).
        helpers = child_pids(self.daemon.pid)
        session.run(["ibus", "exit"], check=False, timeout=5)
        try:
            self.daemon.wait(timeout=3)
        except subprocess.TimeoutExpired:
            pass
        stop_pids(helpers)


INPUT_METHODS = {"fcitx5": Fcitx5, "ibus": Ibus}


def write(path, text):
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


def child_pids(pid):
    pids = []
    try:
        for task in os.listdir(f"/proc/{pid}/task"):
            with open(f"/proc/{pid}/task/{task}/children", encoding="ascii") as f:
                pids += [int(p) for p in f.read().split()]
    except OSError:
        pass
    return pids


def stop_pids(pids, grace=2.0):
    """Waits for processes that are not our children to end; SIGTERM, then
    SIGKILL, each by its PID, to the ones that do not."""
    def running(pid):  # a zombie has ended, it only waits to be reaped
        try:
            with open(f"/proc/{pid}/stat", encoding="ascii", errors="replace") as f:
                return f.read().rsplit(") ", 1)[1][:1] != "Z"
        except (OSError, IndexError):
            return False

    for sig in (None, signal.SIGTERM, signal.SIGKILL):
        alive = [pid for pid in pids if running(pid)]
        if not alive:
            return
        for pid in alive if sig is not None else ():
            try:
                os.kill(pid, sig)
            except ProcessLookupError:
                pass
        deadline = time.monotonic() + grace
        while time.monotonic() < deadline and any(running(pid) for pid in alive):
            time.sleep(0.05)


class Session:
    """One private desktop session: X server, bus, input method, program."""

    def __init__(self, args, workdir):
        self.args = args
        self.workdir = workdir
        self.procs = Processes()
        self.env = None
        self.window = None
        self.app = None
        self.app_name = os.path.basename(args.app)
        self.focus_retries = 0
        self.logs = []
        self.im = INPUT_METHODS[args.im]()

    # --- set-up -------------------------------------------------------
    def private_environment(self):
        home = os.path.join(self.workdir, "home")
        config = os.path.join(self.workdir, "config")
        runtime = os.path.join(self.workdir, "runtime")
        for path in (home, config, runtime, os.path.join(self.workdir, "cache"),
                     os.path.join(self.workdir, "data")):
            os.makedirs(path, exist_ok=True)
        os.chmod(runtime, 0o700)
        env = {key: value for key, value in os.environ.items()
               if not key.startswith(("XDG_", "DBUS_", "QT_", "GTK_", "XMODIFIERS", "DISPLAY",
                                      "WAYLAND_", "LC_", "LANG"))}
        env.update(HOME=home, XDG_CONFIG_HOME=config, XDG_RUNTIME_DIR=runtime,
                   XDG_CACHE_HOME=os.path.join(self.workdir, "cache"),
                   XDG_DATA_HOME=os.path.join(self.workdir, "data"),
                   LANG="C.UTF-8", LC_ALL="C.UTF-8")
        self.env = env

    def start_x(self):
        read_fd, write_fd = os.pipe()
        self.procs.start("Xvfb", ["Xvfb", "-displayfd", str(write_fd), "-noreset", "-nolisten", "tcp",
                                  "-screen", "0", "1024x768x24"],
                         pass_fds=(write_fd,), env=self.env,
                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as pipe:
            number = pipe.readline().strip()
        if not number.isdigit():
            raise Failure("Xvfb did not report a display")
        self.env["DISPLAY"] = ":" + number
        log(f"Xvfb on display :{number}")

    def start_bus(self):
        runtime = self.env["XDG_RUNTIME_DIR"]
        config = os.path.join(self.workdir, "session-bus.conf")
        # No <standard_session_servicedirs/>: service activation would start a
        # second input method daemon from the system's service files.
        with open(config, "w", encoding="utf-8") as f:
            f.write(f"""<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:path={runtime}/bus</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
""")
        bus = self.procs.start("dbus-daemon", ["dbus-daemon", "--config-file=" + config, "--nofork",
                                               "--print-address=1"],
                               env=self.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                               text=True)
        address = bus.stdout.readline().strip()
        if not address.startswith("unix:"):
            raise Failure("the session bus did not start")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address

    def start_logged(self, name, argv, env=None):
        out = open(os.path.join(self.workdir, name + ".log"), "w", encoding="utf-8")
        self.logs.append(out)
        return self.procs.start(name, argv, env=env or self.env, stdout=out, stderr=subprocess.STDOUT)

    def start_app(self, im_env):
        self.im.before_app(self)
        self.app = self.start_logged("program", [self.args.app], env=dict(self.env, **im_env))
        pattern = "^" + re.escape(WINDOW_TITLE) + "$"

        def find():
            if self.app.poll() is not None:
                raise Failure(f"the program exited early with status {self.app.returncode}")
            out = self.run(["xdotool", "search", "--onlyvisible", "--name", pattern], check=False)
            ids = out.stdout.split()
            self.window = ids[0] if ids else None
            return bool(ids)
        self.poll(f'the window "{WINDOW_TITLE}"', find, 10)
        geometry = self.run(["xdotool", "getwindowgeometry", "--shell", self.window]).stdout
        values = dict(line.split("=", 1) for line in geometry.split())
        self.size = (int(values["WIDTH"]), int(values["HEIGHT"]))
        log(f"window {self.window}, {self.size[0]}x{self.size[1]} px")

    # --- helpers ------------------------------------------------------
    def run(self, argv, check=True, timeout=10):
        result = subprocess.run(argv, env=self.env, capture_output=True, text=True, timeout=timeout)
        if check and result.returncode != 0:
            raise Failure(f"{' '.join(argv)} failed ({result.returncode}): {result.stderr.strip()}")
        return result

    @staticmethod
    def poll(what, predicate, timeout, interval=0.05):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if predicate():
                return
            time.sleep(interval)
        raise Failure(f"timed out waiting for {what}")

    def click(self, point):
        x = point[0] * self.size[0] // DIALOG_UNITS[0]
        y = point[1] * self.size[1] // DIALOG_UNITS[1]
        self.run(["xdotool", "mousemove", "--window", self.window, str(x), str(y), "click", "1"])

    def focus_window(self):
        self.run(["xdotool", "windowfocus", "--sync", self.window])

    def focus_input_box(self, max_retries=5):
        """Puts the keyboard focus into the input box and waits until the
        program's input context has the input method's focus. A new context
        sometimes stays unfocused; moving the X focus away and back cures it."""
        self.focus_window()
        self.click(INPUT_BOX_CENTRE)
        for attempt in range(max_retries + 1):
            try:
                self.poll("the program's input context to get the focus",
                          lambda: self.im.context_focused(self), 1.5 if attempt == 0 else 2.0, 0.1)
                return
            except Failure:
                if attempt == max_retries:
                    raise
            self.focus_retries += 1
            log(f"input context not focused, retry {self.focus_retries}: focus to the root and back")
            self.run([self.args.x_tool, "focus-root"])
            time.sleep(0.6)
            self.focus_window()
            self.click(INPUT_BOX_CENTRE)

    def type_keys(self, keys, at_least=None):
        """Types xdotool key names and waits until the input method has handled them."""
        since = self.barrier.count()
        self.run(["xdotool", "key", "--delay", "40"] + keys)
        self.barrier.wait_settled(since, 2 * len(keys) if at_least is None else at_least)

    def clipboard_becomes(self, expected, what):
        last = [None]

        def read():
            last[0] = self.run(["xclip", "-o", "-selection", "clipboard"], check=False).stdout
            return last[0] == expected
        try:
            self.poll(f"the clipboard after {what}", read, 5, 0.1)
        except Failure:
            raise Failure(f"{what}: clipboard holds {last[0]!r}, expected {expected!r}") from None
        log(f"{what}: clipboard {expected!r}")

    def copy(self, expected, what):
        self.click(COPY_BUTTON_CENTRE)
        self.clipboard_becomes(command_text(expected), what)

    def back_to_input_end(self):
        """Returns to the input box (caret after the text) and waits for the
        input method's focus there."""
        self.focus_input_box()
        self.type_keys(["End"])

    # --- the scenario -------------------------------------------------
    def run_scenario(self):
        self.private_environment()
        self.start_x()
        self.start_bus()
        im_env = self.im.start(self)
        self.barrier = KeyBarrier(self.procs, self.env, self.im.bus,
                                  lambda: self.im.debug_info(self))
        self.start_app(im_env)
        self.focus_input_box()
        log(f"input context focused after {self.focus_retries} retries")

        text = "한글 "
        self.type_keys(["g", "k", "s", "r", "m", "f", "space"])
        self.copy(text, "typing g k s r m f space")

        # A syllable still being composed is committed once when a click
        # moves the focus to the copy button.
        self.back_to_input_end()
        self.type_keys(["g", "k", "s"])
        text += "한"
        self.copy(text, "clicking Copy while composing")

        # ... and when Tab leaves the input box.
        self.back_to_input_end()
        self.type_keys(["g", "k", "s", "Tab"], at_least=7)
        text += "한"
        self.copy(text, "Tab while composing")

        # Enter and Escape are swallowed by the dialog but do not lose or
        # double the syllable being composed; composing goes on after Enter.
        # (ibus-hangul switches to Latin on Escape, so only a space follows.)
        self.back_to_input_end()
        self.type_keys(["g", "k", "s", "Return", "r", "m", "f", "Escape", "space"])
        text += "한글 "
        self.copy(text, "Enter and Escape while composing")

        # Closing as a window manager does saves the committed text.
        self.run([self.args.x_tool, "close", self.window])
        try:
            self.app.wait(timeout=10)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end after WM_DELETE_WINDOW") from None
        if self.app.returncode != 0:
            raise Failure(f"the program ended with status {self.app.returncode}")
        settings = os.path.join(self.env["XDG_CONFIG_HOME"], "Hexcribe", "setting.ini")
        try:
            with open(settings, "rb") as f:
                raw = f.read()
        except OSError as error:
            raise Failure(f"no settings file after closing: {error}") from None
        # The values are ASCII; accept the file in UTF-8 or UTF-16LE.
        wide = raw.startswith(b"\xff\xfe") or b"\0" in raw
        content = raw.decode("utf-16-le" if wide else "utf-8", errors="replace").lstrip("\ufeff")
        values = re.findall(r"^mlang_text=(.*?)\r?$", content, re.MULTILINE)
        if values != [stored_text(text)]:
            raise Failure(f"setting.ini holds mlang_text {values}, expected {stored_text(text)!r}")
        log(f"setting.ini: mlang_text={values[0]}")

    def stop(self):
        """Stops the program first, then the input method, bus and X server."""
        if self.app is not None and self.app.poll() is None:
            self.app.terminate()
            try:
                self.app.wait(timeout=3)
            except subprocess.TimeoutExpired:
                self.app.kill()
                self.app.wait(timeout=3)
        try:
            self.im.stop(self)
        except Exception as error:  # noqa: BLE001 - the rest must still be stopped
            log(f"stopping {self.im.name}: {error}")
        self.procs.stop_all()
        for out in self.logs:
            out.close()

    def diagnostics(self):
        try:
            log("input method contexts:\n" + self.im.debug_info(self))
        except Exception:  # noqa: BLE001 - diagnostics only
            pass
        for name in ("program.log", self.im.name + ".log", "ibus-daemon.log"):
            path = os.path.join(self.workdir, name)
            if os.path.exists(path):
                with open(path, encoding="utf-8", errors="replace") as f:
                    tail = f.readlines()[-15:]
                log(f"{name} (last lines):\n" + "".join(tail))


def on_alarm(_signum, _frame):
    raise Timeout()


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--app", required=True, help="the program to test")
    parser.add_argument("--x-tool", required=True, help="the x_window_tool helper")
    parser.add_argument("--im", choices=sorted(INPUT_METHODS), default="fcitx5",
                        help="the input method daemon to type through")
    parser.add_argument("--timeout", type=float, default=90, help="hard limit for the whole run, s")
    parser.add_argument("--keep", action="store_true", help="keep the private folder")
    parser.add_argument("--report", help="append the result line to this file")
    args = parser.parse_args()

    tools = REQUIRED_TOOLS + INPUT_METHODS[args.im].tools
    missing = [tool for tool in tools if shutil.which(tool) is None]
    if missing:
        print(f"SKIPPED: input method test needs {', '.join(missing)} "
              "(install the packages in scripts/deps/ime.txt)")
        return SKIP
    for path in (args.app, args.x_tool):
        if not os.access(path, os.X_OK):
            print(f"SKIPPED: {path} is not built")
            return SKIP

    workdir = tempfile.mkdtemp(prefix="hexcribe-ime-")
    session = Session(args, workdir)
    signal.signal(signal.SIGALRM, on_alarm)
    signal.setitimer(signal.ITIMER_REAL, args.timeout)
    status = 1
    try:
        session.run_scenario()
        status = 0
    except Failure as error:
        log(f"FAILED: {error}")
        session.diagnostics()
    except Timeout:
        log(f"FAILED: the run exceeded its hard limit of {args.timeout:g} s")
        session.diagnostics()
    except Exception:  # noqa: BLE001 - any error is a failed run, still cleaned up
        log("FAILED: unexpected error\n" + traceback.format_exc())
        session.diagnostics()
    finally:
        signal.setitimer(signal.ITIMER_REAL, 0)
        session.stop()
        if args.keep or status != 0:
            log(f"private folder kept: {workdir}")
        else:
            shutil.rmtree(workdir, ignore_errors=True)
    elapsed = time.monotonic() - START
    line = (f"ime-result: {args.im} {'passed' if status == 0 else 'FAILED'} "
            f"focus_retries={session.focus_retries} seconds={elapsed:.2f}")
    print(line, flush=True)
    if args.report:
        with open(args.report, "a", encoding="utf-8") as f:
            f.write(time.strftime("%Y-%m-%dT%H:%M:%S ") + line + "\n")
    return status


if __name__ == "__main__":
    sys.exit(main())
