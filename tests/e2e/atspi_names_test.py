#!/usr/bin/python3
"""What a screen reader learns through AT-SPI from the real window, per locale row: each focusable control's
role, name and labelled-by relation, and the About box's texts. Own Xvfb; run it on a private session bus:
dbus-run-session -- atspi_names_test.py PROGRAM"""
import os, re, signal, subprocess, sys, tempfile, time

ENGLISH = {
    "controls": [("combo box", "Font"), ("text", "Result of Command"), ("check box", "Whole Command"),
                 ("combo box", "Separation"), ("push button", "Copy to Clipboard"), ("push button", "Close"),
                 ("text", "The text you want to print on LCD in any language:")],
    "about": ["About Hexcribe", r"Hexcribe Version \d+\.\d+", "Text to LCD print commands", "OK"],
    "status": ("label", "Characters: 0; Bytes: 0"),  # the status line, last in the window, read as its text
    # Character Details from the input box's menu: its title, its list named by its label, the column headers.
    "details": ["Character Details", "tree", "Characters of the command:",
                ["No.", "Character", "Code Point", "Bytes", "Name", "Problems"]],
}
KOREAN = {
    "controls": [("combo box", "글꼴"), ("text", "변환 결과"), ("check box", "전체 명령"), ("combo box", "구분 기호"),
                 ("push button", "클립보드에 복사"), ("push button", "닫기"), ("text", "LCD에 표시할 텍스트(모든 언어 가능):")],
    "about": ["Hexcribe 정보", r"Hexcribe 버전 \d+\.\d+", "텍스트를 LCD Print 명령으로 변환", "확인"],
    "status": ("label", "문자 수: 0 · 바이트 수: 0"),
    "details": ["문자 세부 정보", "tree", "명령의 문자:", ["번호", "문자", "코드 포인트", "바이트", "이름", "문제"]],
}
# (row, locale variables, what the window shows): one row per language and per way of choosing it.
ROWS = [("English", {"LANG": "en_US.UTF-8"}, ENGLISH),
        ("Korean", {"LANG": "ko_KR.UTF-8"}, KOREAN),
        ("LANGUAGE before LANG", {"LANGUAGE": "ko", "LANG": "ja_JP.UTF-8"}, KOREAN),
        ("a locale without translation shows English", {"LANG": "de_DE.UTF-8"}, ENGLISH)]


def wait_for(find, what, timeout=20):
    deadline = time.time() + timeout
    while time.time() < deadline:
        if found := find():
            return found
        time.sleep(0.2)
    raise TimeoutError(what)


def focusable(window):
    """(role, name, labelled by) of each focusable child. Qt on Linux names a drop-down list by its
    current item (what a screen reader reads as its value); its label comes through the relation."""
    items = lambda combo: [item.name for item in combo[0]] if combo.childCount else []
    return [(c.getRoleName(), "<item>" if c.getRoleName() == "combo box" and c.name in items(c) else c.name,
             [r.getTarget(0).name for r in c.getRelationSet() if r.getRelationType() == pyatspi.RELATION_LABELLED_BY])
            for c in window if c.getState().contains(pyatspi.STATE_FOCUSABLE)]


def check_row(program, row, env, texts):
    clean = {k: v for k, v in os.environ.items() if k not in ("LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG")}
    with tempfile.TemporaryDirectory() as config:
        app = subprocess.Popen([program], env={**clean, **env, "XDG_CONFIG_HOME": config, "QT_QPA_PLATFORM": "xcb",
                                               "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"})
        window = lambda title, timeout=20: wait_for(lambda: next((w for a in pyatspi.Registry.getDesktop(0)
                                                                  if a is not None and a.get_process_id() == app.pid
                                                                  for w in a if re.fullmatch(title, w.name or "")),
                                                                 None), title, timeout)
        got = {}
        try:
            main = window(r"Hexcribe v\d+\.\d+")
            # Keys reach the window only once it is active; under load that can come after it appears.
            wait_for(lambda: main.getState().contains(pyatspi.STATE_ACTIVE), "main window active")
            got["controls"] = focusable(main)
            got["status"] = (main[main.childCount - 1].getRoleName(), main[main.childCount - 1].name)
            about = None
            for attempt in range(3):  # the window's context menu: About; a slow menu gets another try
                for keys in (["Escape"], ["shift+F10"], ["Up", "Return"]):
                    subprocess.run(["xdotool", "key", *keys], check=True)
                    time.sleep(0.5 * (attempt + 1))
                try:
                    about = window(re.escape(texts["about"][0]), timeout=8)
                    break
                except TimeoutError:
                    if attempt == 2:
                        raise
            lines = [c.name for c in about if c.getRoleName() == "label" and c.name]
            got["about"] = [texts["about"][0]] + [p if re.fullmatch(p, line) else line
                                                  for p, line in zip(texts["about"][1:3], lines)] + lines[2:]
            got["about"] += [name for role, name, _ in focusable(about) if role == "push button"]
            # The About box closes, the input box (last in the tab order) opens its menu: Character Details.
            for keys in (["Escape"], ["shift+Tab"], ["shift+F10"], ["h"]):
                subprocess.run(["xdotool", "key", *keys], check=True)
                time.sleep(0.5)
            details = window(re.escape(texts["details"][0]))
            rows = next(c for c in details if c.getState().contains(pyatspi.STATE_FOCUSABLE))
            got["details"] = [details.name, rows.getRoleName(), rows.name,
                              [c.name for c in rows if c.getRoleName() == "table column header"]]
        except TimeoutError as error:
            got["timeout"] = str(error)
        finally:
            app.send_signal(signal.SIGTERM)
            app.wait(20)
    want = {"controls": [(role, "<item>" if role == "combo box" else text, [text] if role in ("combo box", "text")
                          else []) for role, text in texts["controls"]], "about": texts["about"],
            "status": texts["status"], "details": texts["details"]}
    return [f"{row}: {key}\n  want {want.get(key)}\n  got  {got.get(key)}" for key in want.keys() | got.keys()
            if want.get(key) != got.get(key)]


if __name__ == "__main__":
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten",
                             "tcp", "-noreset"], pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    os.environ["DISPLAY"] = ":" + os.read(read_end, 16).decode().strip()
    try:  # asking for the accessibility bus starts it on this session bus, which it ends with
        wait_for(lambda: subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                                         "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                                        capture_output=True).returncode == 0, "no accessibility bus")
        import pyatspi
        failures = [error for row in ROWS for error in check_row(sys.argv[1], *row)]
    finally:
        xvfb.terminate()
    print("\n".join(failures) or f"ok - {len(ROWS)} rows")
    sys.exit(1 if failures else 0)
