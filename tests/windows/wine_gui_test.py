#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Poolwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Poolwright's Windows installer and program under Wine, used as a person would.

In a private Wine prefix on a private Xvfb display: installs with the installer in silent mode
and reads back, entry by entry, the permissions it gives the settings key; starts the installed
program, opens every window of the More Calcs menu, calculates once in each and compares the
texts with those the Linux tests expect for the same inputs, saves the defaults in the Settings
window and reads them back from the registry, starts again to see them pre-filled, checks that
an empty box beeps and warns; uses every window with the keyboard alone and reads what a screen
reader is handed, in both unit systems (keyboard_and_reader.py); upgrades from the 1.0.0
installer and installs again over a registry link that a user planted, and uninstalls over
another, each time checking that the key the link points at is untouched. Pictures of the windows go to the screenshot folder, to
be looked at.

Run by tools/windows-test, which builds what it needs:
  wine_gui_test.py --installer SETUP.EXE --old-installer SETUP-1.0.0.EXE --driver WINDRIVER.EXE
                   --uia-probe UIAUTOMATIONCORE.DLL --version 1.1.0 --screenshots DIR
"""
import argparse
import ctypes
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import xml.etree.ElementTree as ElementTree
from pathlib import Path

import keyboard_and_reader

ROOT = Path(__file__).resolve().parents[2]
INSTALL_DIR = r"C:\Program Files\Poolwright"
SETTINGS_KEY = r"HKEY_LOCAL_MACHINE\SOFTWARE\Poolwright\Defaults"
APP_KEY = r"SOFTWARE\Poolwright"
DEFAULTS_KEY = r"SOFTWARE\Poolwright\Defaults"
# Someone else's key, which links planted by a user point at.
CANARY_KEY = r"SOFTWARE\PoolwrightCanary"
# The one entry users get on Defaults: read access and KEY_SET_VALUE, inherited by no child.
USERS_MAY_SAVE = "A 0x00 0x0002001B S-1-5-32-545"
ADMINISTRATORS = "S-1-5-32-544"
MAIN = "Poolwright!"
MESSAGE_TITLE = "Poolwright"

# The More Calcs entries that can be chosen, in menu order: the switched-off Saturation Index
# entry is passed over by the arrow keys.
MENU = keyboard_and_reader.MENU

# One case a window, in Imperial units, with the readings and texts the Linux window tests use
# (tests/support/sample-readings.json): (menu entry, window title, form file, short name).
CASES = [
    ("Alkalinity", "Alkalinity calculation", "src/ui/alkalinitywindow.ui", "alkalinity"),
    ("Borax", "Borax Calcs", "src/ui/boraxwindow.ui", "borax"),
    ("Calcium Hardness", "Calcium Hardness calcs", "src/ui/calciumwindow.ui", "calcium"),
    ("Cyanuric Acid", "Cyanuric Acid Calc", "src/ui/cyanuricwindow.ui", "cyanuric"),
    ("Dilution", "Dilution Calcs", "src/ui/dilutionwindow.ui", "dilution"),
    ("pH", "pH Calcs", "src/ui/phwindow.ui", "ph"),
    ("Pool Volume", "Volume Calcs", "src/ui/poolvolumewindow.ui", "volume"),
    ("Salt Calcs", "Salt Calcs", "src/ui/saltwindow.ui", "salt"),
]
SAMPLES = json.loads((ROOT / "tests/support/sample-readings.json").read_text(encoding="utf-8"))

FAILURES = []


def say(text):
    print(f"\033[1m==> {text}\033[0m", flush=True)


def check(condition, what):
    print(("  ok    " if condition else "  FAIL  ") + what, flush=True)
    if not condition:
        FAILURES.append(what)
    return condition


class Form:
    """A Designer form's controls and where they lie in the window's client area."""

    def __init__(self, path):
        self.controls = {}
        top = ElementTree.parse(ROOT / path).getroot().find("widget")
        self.main_window = top.get("class") == "QMainWindow"
        self._collect(top, 0, 0, top=True)

    def _collect(self, widget, x, y, top=False):
        for child in widget.findall("widget"):
            rect = child.find("property[@name='geometry']/rect")
            cx, cy = x, y
            if rect is not None:
                cx += int(rect.findtext("x"))
                cy += int(rect.findtext("y"))
                width, height = int(rect.findtext("width")), int(rect.findtext("height"))
                self.controls[child.get("name")] = (cx, cy, width, height)
            self._collect(child, cx, cy)

    def centre(self, name, offset=0):
        x, y, width, height = self.controls[name]
        return x + width // 2, y + height // 2 + offset


class BellWatch:
    """Counts the X server's bells, which is where Wine rings a program's beep."""

    XKB_BELL_NOTIFY_MASK = 1 << 8
    XKB_USE_CORE_KBD = 0x100
    XKB_BELL_NOTIFY = 8

    def __init__(self, display):
        self.count = 0
        self._stop = False
        xlib = ctypes.CDLL("libX11.so.6")
        xlib.XOpenDisplay.restype = ctypes.c_void_p
        xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self._xlib = xlib
        self._display = xlib.XOpenDisplay(display.encode())
        if not self._display:
            raise RuntimeError("cannot open the display to listen for bells")
        opcode, event_base, error_base = ctypes.c_int(), ctypes.c_int(), ctypes.c_int()
        major, minor = ctypes.c_int(1), ctypes.c_int(0)
        xlib.XkbQueryExtension.argtypes = [ctypes.c_void_p] + [ctypes.c_void_p] * 5
        if not xlib.XkbQueryExtension(self._display, ctypes.byref(opcode),
                                      ctypes.byref(event_base), ctypes.byref(error_base),
                                      ctypes.byref(major), ctypes.byref(minor)):
            raise RuntimeError("the display has no XKB, so bells cannot be heard")
        self._event_base = event_base.value
        xlib.XkbSelectEvents.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_ulong,
                                         ctypes.c_ulong]
        xlib.XkbSelectEvents(self._display, self.XKB_USE_CORE_KBD, self.XKB_BELL_NOTIFY_MASK,
                             self.XKB_BELL_NOTIFY_MASK)
        xlib.XPending.argtypes = [ctypes.c_void_p]
        xlib.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
        self._thread = threading.Thread(target=self._listen, daemon=True)
        self._thread.start()

    def _listen(self):
        event = (ctypes.c_long * 24)()
        while not self._stop:
            while self._xlib.XPending(self._display):
                self._xlib.XNextEvent(self._display, event)
                raw = bytes(event)
                kind = int.from_bytes(raw[0:4], "little")
                xkb_type = int.from_bytes(raw[40:44], "little")  # XkbAnyEvent.xkb_type
                if kind == self._event_base and xkb_type == self.XKB_BELL_NOTIFY:
                    self.count += 1
            time.sleep(0.02)

    def stop(self):
        self._stop = True
        self._thread.join()


class Session:
    """Xvfb, a Wine prefix, and the driver that uses the program's windows."""

    def __init__(self, work, driver_exe, screenshots):
        self.work = work
        self.screenshots = screenshots
        read, write = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten",
             "tcp", "-noreset"], pass_fds=[write], stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as pipe:
            self.display = ":" + pipe.readline().strip()
        self.env = dict(os.environ, DISPLAY=self.display, WINEPREFIX=str(work / "prefix"),
                        WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=", LC_ALL="C.UTF-8",
                        POOLWRIGHT_UIA_OUT="Z:" + str(work / "uia.txt").replace("/", "\\"))
        self.env.pop("WAYLAND_DISPLAY", None)
        self.bells = BellWatch(self.display)
        self.driver_exe = driver_exe
        self.driver = None
        self.shot = 0

    def wine(self, *arguments, check_status=True):
        # Files, not pipes: the services that Wine starts outlive the command and keep its
        # output open.
        with tempfile.TemporaryFile("w+") as out, tempfile.TemporaryFile("w+") as err:
            status = subprocess.run(["wine", *arguments], env=self.env, stdout=out, stderr=err,
                                    stdin=subprocess.DEVNULL).returncode
            out.seek(0)
            err.seek(0)
            result = subprocess.CompletedProcess(arguments, status, out.read(), err.read())
        if check_status and result.returncode != 0:
            raise RuntimeError(f"wine {' '.join(arguments)} exited with {result.returncode}: "
                               f"{result.stderr[-2000:]}")
        return result

    def start_wineserver(self):
        """A wineserver that stays for the whole test: Wine keeps the permissions the installer
        gives a registry key only as long as its wineserver runs, and saves no more than the
        keys and values."""
        Path(self.env["WINEPREFIX"]).mkdir(parents=True, exist_ok=True)
        subprocess.run(["wineserver", "-p"], env=self.env, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def start_driver(self):
        self.driver = subprocess.Popen(["wine", str(self.driver_exe)], env=self.env,
                                       stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                       stderr=subprocess.DEVNULL, text=True,
                                       encoding="utf-8", bufsize=1)

    def ask(self, command):
        self.driver.stdin.write(command + "\n")
        self.driver.stdin.flush()
        answer = self.driver.stdout.readline().rstrip("\n")
        if not answer:
            raise RuntimeError(f"the driver ended at: {command}")
        return answer

    def must(self, command):
        answer = self.ask(command)
        if not answer.startswith("ok"):
            raise RuntimeError(f"{command}: {answer} (open: {self.ask('titles')})")
        return answer[3:]

    def start_program(self, probed=False, command=(INSTALL_DIR + r"\poolwright.exe",)):
        """probed: with the test's uiautomationcore.dll, which reads what a screen reader is
        handed; command: another program of the same build, with its arguments."""
        env = self.env
        if probed:
            env = dict(env, WINEDLLOVERRIDES=env["WINEDLLOVERRIDES"] + ";uiautomationcore=n")
        return subprocess.Popen(["wine", *command], env=env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def screenshot(self, title, name):
        x, y, width, height = map(int, self.must(f"wait 10 {title}").split())
        self.shot += 1
        path = self.screenshots / f"{self.shot:02d}-{name}.png"
        # The client area and a margin round it: the program's own pixels, as Wine shows them.
        margin = 4
        subprocess.run(["import", "-display", self.display, "-window", "root", "-crop",
                        f"{width + 2 * margin}x{height + 2 * margin}+{max(x - margin, 0)}+"
                        f"{max(y - margin, 0)}", "+repage", str(path)], check=True)

    def stop_driver(self):
        if self.driver is None:
            return
        try:
            self.driver.stdin.write("quit\n")
            self.driver.stdin.close()
            self.driver.wait(timeout=10)
        except (BrokenPipeError, subprocess.TimeoutExpired):
            self.driver.kill()
        self.driver = None

    def close(self):
        self.stop_driver()
        subprocess.run(["wineserver", "-k"], env=self.env, stderr=subprocess.DEVNULL)
        self.bells.stop()
        self.xvfb.terminate()
        self.xvfb.wait()


def registry_values(session):
    result = session.wine("reg", "query", SETTINGS_KEY, check_status=False)
    values = {}
    for line in result.stdout.splitlines():
        parts = line.split(None, 2)
        if len(parts) >= 2 and parts[1].startswith("REG_"):
            values[parts[0]] = (parts[1], parts[2].strip() if len(parts) > 2 else "")
    return result.returncode == 0, values


def set_box(session, title, form, name, text, offset=0):
    x, y = form.centre(name, offset)
    session.must(f"click {title} {x} {y}")
    session.must("key ctrl+a")
    session.must(f"type {text}")


def read_box(session, title, form, name, expected, offset=0):
    """The box's text, read again for a moment until it shows what is expected."""
    x, y = form.centre(name, offset)
    deadline = time.monotonic() + 3
    while True:
        text = session.must(f"read {title} {x} {y}")
        if text == expected or time.monotonic() > deadline:
            return text
        time.sleep(0.2)


def open_from_menu(session, entry, title):
    """More Calcs: a click opens the menu, the arrow keys walk its entries."""
    session.must(f"wait 10 {MAIN}")
    session.must(f"click {MAIN} 30 10")
    for _ in range(MENU.index(entry) + 1):
        session.must("key Down")
    session.must("key Return")
    return session.ask(f"wait 10 {title}").startswith("ok")


def main_offset(session, main_form):
    """How far the menu bar pushes the main window's controls down."""
    _, _, _, height = map(int, session.must(f"wait 10 {MAIN}").split())
    central = main_form.controls.get("centralwidget")
    return height - 368 if central is None else height - central[3]


def install_fonts(session, fonts):
    """Wine's own fonts (Tahoma for menus and message boxes, Marlett for the caption buttons,
    MS Sans Serif), installed as Windows installs a font: the file in the Fonts folder and its
    name in the registry, where programs that read font files themselves look it up. A new
    prefix has neither."""
    registry = r"HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Fonts"
    for font in sorted(Path("/usr/share/wine/fonts").iterdir()):
        shutil.copy(font, fonts / font.name)
        if font.suffix != ".ttf" or font.stem.endswith("_jp"):
            continue
        name = subprocess.run(["fc-query", "-f", "%{fullname[0]}", str(font)],
                              capture_output=True, text=True, check=True).stdout
        session.wine("reg", "add", registry, "/v", f"{name} (TrueType)", "/d", font.name, "/f")


LANGUAGES = ("en", "fr", "pt_BR", "es", "de", "it")


def check_every_caption(session, snapshots_tool, screenshots):
    """Every window as this machine's fonts draw it, at ordinary and at double density, in
    both unit systems and every language: the snapshot tool's check says which caption does
    not fit its box or lacks a letter, and its pictures are kept to be looked at."""
    desktop = r"HKCU\Control Panel\Desktop"
    _, stored = registry_values(session)
    for dpi in (96, 192):
        session.wine("reg", "add", desktop, "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(dpi),
                     "/f")
        for uom in ("Imperial", "Metric"):
            session.wine("reg", "add", SETTINGS_KEY, "/v", "UOM", "/d", uom, "/f")
            for language in LANGUAGES:
                folder = screenshots / f"windows-{dpi}dpi-{uom.lower()}-{language}"
                options = ["--check"] + ([f"--language={language}"] if language != "en" else [])
                result = session.wine(str(snapshots_tool),
                                      "Z:" + str(folder).replace("/", "\\"), *options,
                                      check_status=False)
                print(result.stdout.rstrip(), flush=True)
                # The tool says how many windows the program has: a picture of each is wanted.
                windows = re.search(r"^\d+ of (\d+) windows", result.stdout, re.MULTILINE)
                check(result.returncode == 0 and windows is not None
                      and len(list(folder.glob("*.png"))) == int(windows.group(1)),
                      f"every caption fits and has all its letters at {dpi} dpi, {uom}, "
                      f"{language}")
    session.wine("reg", "add", desktop, "/v", "LogPixels", "/t", "REG_DWORD", "/d", "96", "/f")
    session.wine("reg", "add", SETTINGS_KEY, "/v", "UOM", "/d", stored["UOM"][1], "/f")


def check_unreadable_unit(session, main_form, settings_form):
    """A "UOM" that is no text (a REG_DWORD): the program says which setting and where, the
    Settings window shows what it could read, asks for a unit, and saving mends the value."""
    session.wine("reg", "add", SETTINGS_KEY, "/v", "UOM", "/t", "REG_DWORD", "/d", "1", "/f")
    app = session.start_program()
    if check(session.ask(f"wait 30 {MESSAGE_TITLE}").startswith("ok"),
             "an unreadable unit of measure is reported at start"):
        text = session.must(f"copy {MESSAGE_TITLE}")
        check("0x800407D4" in text and r"The setting UOM in HKEY_LOCAL_MACHINE\\SOFTWARE"
              r"\\Poolwright\\Defaults is not stored as text" in text,
              f"the message names the setting and the key ({text!r})")
        session.screenshot(MESSAGE_TITLE, "unreadable-unit-message")
        session.must("key Return")
        session.ask(f"gone 5 {MESSAGE_TITLE}")
    check(session.ask(f"wait 10 {MAIN}").startswith("ok"), "the main window opens all the same")
    session.screenshot(MAIN, "main-window-unreadable-unit")
    # The unit is read first: the load stops there, before the pool size.
    got = read_box(session, MAIN, main_form, "txtGal", "", main_offset(session, main_form))
    check(got == "", f"the main window's pool size stays empty ({got!r})")
    # The Settings window reads all three values before it shows itself, and reports the
    # failure first.
    open_from_menu(session, "Settings", MESSAGE_TITLE)
    if check(session.ask(f"wait 10 {MESSAGE_TITLE}").startswith("ok"),
             "the Settings window reports the unreadable unit"):
        session.must("key Return")
        session.ask(f"gone 5 {MESSAGE_TITLE}")
    if check(session.ask("wait 10 Settings").startswith("ok"), "the Settings window opens"):
        got = read_box(session, "Settings", settings_form, "txtPoolSize", "25000")
        check(got == "25000", f"the pool size it could read is shown ({got!r})")
        x, y = settings_form.centre("Command1")
        session.must(f"click Settings {x} {y}")
        if check(session.ask(f"wait 10 {MESSAGE_TITLE}").startswith("ok"),
                 "Save & Close with no unit chosen asks for one"):
            text = session.must(f"copy {MESSAGE_TITLE}")
            check("Please choose Imperial or Metric" in text, f"it asks for a unit ({text!r})")
            session.must("key Return")
            session.ask(f"gone 5 {MESSAGE_TITLE}")
        x, y = settings_form.centre("optImperial")
        session.must(f"click Settings {x} {y}")
        x, y = settings_form.centre("Command1")
        session.must(f"click Settings {x} {y}")
        check(session.ask(f"wait 10 {MAIN}").startswith("ok"), "saving brings back the main window")
        _, values = registry_values(session)
        check(values.get("UOM") == ("REG_SZ", "Imperial") and
              values.get("PoolSize") == ("REG_SZ", "25000"),
              f"saving stores the unit as text and keeps the pool size ({values})")
    session.must(f"close {MAIN}")
    app.wait(timeout=15)


def check_least_rights(session):
    """SOFTWARE\\Poolwright holds only what a new key under SOFTWARE gets; Defaults adds the one
    entry for users to what a new key under Poolwright gets. Administrators own both."""
    app = session.must(f"acl {APP_KEY}")
    fresh_app = session.must(r"fresh-acl SOFTWARE")
    check(app == fresh_app, f"{APP_KEY} keeps only what it inherits ({app})")
    defaults = session.must(f"acl {DEFAULTS_KEY}")
    expected = " | ".join([USERS_MAY_SAVE, session.must(f"fresh-acl {APP_KEY}")])
    check(defaults == expected,
          f"Defaults lets users read and set values, nothing more ({defaults})")
    check(session.must(f"kind {DEFAULTS_KEY}") == "key", "Defaults is a real key")
    for key in (APP_KEY, DEFAULTS_KEY):
        check(session.must(f"owner {key}") == ADMINISTRATORS, f"administrators own {key}")


def check_keyboard_and_reader(session, snapshots_tool):
    """Every window with the keyboard alone, and what a screen reader is handed, in both unit
    systems (tests/windows/keyboard_and_reader.py). The Saturation window, which the menu does
    not open, is shown on its own by the snapshot tool, a program of the same build."""
    windows = [(short_name, entry, title) for entry, title, _, short_name in CASES]
    windows += [("about", "About", "About"), ("settings", "Settings", "Settings")]
    alone = [("saturation", "Form12")]

    def start_alone(short_name):
        return session.start_program(probed=True,
                                     command=(str(snapshots_tool), f"--show={short_name}"))

    # Enter in Settings saves what the keys typed there: the stored values are put back after.
    _, saved = registry_values(session)
    for uom in ("Imperial", "Metric"):
        say(f"The keyboard alone, and what a screen reader is handed, {uom}")
        started = time.monotonic()
        app = keyboard_and_reader.run(session, check, MAIN, windows,
                                      lambda: session.start_program(probed=True), uom,
                                      alone, start_alone)
        session.ask(f"close {MAIN}")
        keyboard_and_reader.ends(app, check, f"the program ends ({uom})")
        say(f"{uom} took {time.monotonic() - started:.0f} s")
    for name, (kind, data) in saved.items():
        session.wine("reg", "add", SETTINGS_KEY, "/v", name, "/t", kind, "/d", data, "/f")


def install(session, installer, what):
    say(what)
    session.wine(str(Path(installer).resolve()), "/S")


def uninstall_in_place(session, prefix_c):
    """uninstall.exe /S _?=FOLDER, which runs the uninstaller where it is and waits for it.
    The folder must end the command line unquoted, which no argument list of wine gives (it
    quotes an argument with a space), so a batch file runs it. Gives the exit code."""
    script = prefix_c / "uninstall-in-place.bat"
    script.write_text(f'"{INSTALL_DIR}\\uninstall.exe" /S _?={INSTALL_DIR}\r\n'
                      "exit /b %ERRORLEVEL%\r\n", encoding="ascii", newline="")
    try:
        return session.wine("cmd", "/c", r"C:\uninstall-in-place.bat",
                            check_status=False).returncode
    finally:
        script.unlink()


def check_canary_untouched(session, before, what):
    after = session.must(f"snapshot {CANARY_KEY}")
    check(after == before, f"{what}: the key the link points at is untouched")


def save_settings(session, settings_form, pool_size, strength, imperial):
    """More Calcs -> Settings, the three values typed and chosen, Save & Close."""
    if not check(open_from_menu(session, "Settings", "Settings"), "the Settings window opens"):
        return False
    set_box(session, "Settings", settings_form, "txtPoolSize", pool_size)
    set_box(session, "Settings", settings_form, "txtBleachStrength", strength)
    x, y = settings_form.centre("optImperial" if imperial else "optMetric")
    session.must(f"click Settings {x} {y}")
    session.screenshot("Settings", "settings-window")
    x, y = settings_form.centre("Command1")
    session.must(f"click Settings {x} {y}")
    return check(session.ask(f"wait 10 {MAIN}").startswith("ok"),
                 "Save & Close brings back the main window")


def run(arguments):
    work = Path(tempfile.mkdtemp(prefix="poolwright-wine-gui."))
    screenshots = Path(arguments.screenshots)
    shutil.rmtree(screenshots, ignore_errors=True)
    screenshots.mkdir(parents=True)
    session = Session(work, Path(arguments.driver), screenshots)
    prefix_c = work / "prefix" / "drive_c"
    program = prefix_c / "Program Files" / "Poolwright"
    shortcut = (prefix_c / "ProgramData" / "Microsoft" / "Windows" / "Start Menu" / "Programs" /
                "Poolwright" / "Poolwright.lnk")
    try:
        say("Making a new Wine prefix")
        started = time.monotonic()
        session.start_wineserver()
        session.wine("wineboot", "--init")
        say(f"The prefix took {time.monotonic() - started:.0f} s")
        install_fonts(session, prefix_c / "windows" / "Fonts")
        # In this prefix only, where the program loads it when told to (start_program).
        shutil.copy(arguments.uia_probe, prefix_c / "windows" / "system32" / "uiautomationcore.dll")

        say("Installing with the installer in silent mode")
        session.wine(str(Path(arguments.installer).resolve()), "/S")
        check((program / "poolwright.exe").is_file(), "poolwright.exe is in Program Files")
        check((program / "uninstall.exe").is_file(), "the uninstaller is beside it")
        check(shortcut.is_file(), "a Start-menu shortcut is made")
        uninstall = session.wine("reg", "query",
                                 r"HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Poolwright",
                                 "/v", "DisplayVersion", check_status=False)
        check(arguments.version in uninstall.stdout,
              f"Apps & features lists Poolwright {arguments.version}")
        present, values = registry_values(session)
        check(present and not values, "the settings key is made, and empty")

        session.start_driver()
        check_least_rights(session)

        main_form = Form("src/app/mainwindow.ui")
        say("First start: nothing stored")
        app = session.start_program()
        check(session.ask(f"wait 30 {MAIN}").startswith("ok"), "the main window appears")
        offset = main_offset(session, main_form)
        session.screenshot(MAIN, "main-window-metric")
        check(read_box(session, MAIN, main_form, "txtGal", "", offset) == "",
              "the pool size box starts empty")

        say("An empty box: a beep and the exclamation box")
        bells = session.bells.count
        x, y = main_form.centre("Command1", offset)
        session.must(f"click {MAIN} {x} {y}")
        shown = session.ask(f"wait 10 {MESSAGE_TITLE}").startswith("ok")
        check(shown, "a message box titled Poolwright appears")
        if shown:
            session.screenshot(MESSAGE_TITLE, "empty-box-message")
            text = session.must(f"copy {MESSAGE_TITLE}")
            wanted = "Please fill in how much PPM increase is required before hitting calculate!"
            check(wanted in text, f"it asks for the PPM increase ({text!r})")
            session.must("key Return")
            check(session.ask(f"gone 5 {MESSAGE_TITLE}") == "ok", "OK closes it")
        deadline = time.monotonic() + 3
        while session.bells.count == bells and time.monotonic() < deadline:
            time.sleep(0.1)
        check(session.bells.count > bells, "the program beeps")

        say("Settings: Save & Close writes the registry")
        settings_form = Form("src/settings/settingswindow.ui")
        if save_settings(session, settings_form, "10000", "6", imperial=True):
            present, values = registry_values(session)
            check(values.get("PoolSize") == ("REG_SZ", "10000") and
                  values.get("BleachStrength") == ("REG_SZ", "6") and
                  values.get("UOM") == ("REG_SZ", "Imperial"),
                  f"the key holds the three values as REG_SZ ({values})")

        say("The chlorine dose")
        offset = main_offset(session, main_form)
        check(read_box(session, MAIN, main_form, "txtGal", "10000", offset) == "10000",
              "the reopened main window shows the saved pool size")
        set_box(session, MAIN, main_form, "txtPPMTarget", "2", offset)
        x, y = main_form.centre("Command1", offset)
        session.must(f"click {MAIN} {x} {y}")
        for name, expected in (("txtGalReq", "0.3 Gallon(s)"),
                               ("txtLongGal", "0 Gallon(s), 1 quart(s), 1 cup(s) and 3 ounce(s)")):
            got = read_box(session, MAIN, main_form, name, expected, offset)
            check(got == expected, f"main window {name} = {expected!r} (got {got!r})")
        session.screenshot(MAIN, "main-window-imperial")

        say("Every window of More Calcs")
        if check(open_from_menu(session, "About", "About"), "About opens"):
            session.screenshot("About", "about-window")
            session.must("close About")
            session.ask("gone 5 About")
        for entry, title, form_path, short_name in CASES:
            form = Form(form_path)
            if not check(open_from_menu(session, entry, title), f"{entry} opens as {title!r}"):
                continue
            for sample in SAMPLES[short_name]:
                for name, text in sample["readings"].items():
                    set_box(session, title, form, name, text)
                x, y = form.centre(sample["button"])
                session.must(f"click {title} {x} {y}")
                for name, expected in sample["Imperial"].items():
                    got = read_box(session, title, form, name, expected)
                    check(got == expected, f"{title}: {name} = {expected!r} (got {got!r})")
            session.screenshot(title, re.sub(r"\W+", "-", title.lower()))
            session.must(f"close {title}")
            session.ask(f"gone 5 {title}")

        say("The program ends with its last window")
        session.must(f"close {MAIN}")
        try:
            app.wait(timeout=15)
            check(True, "the program has ended")
        except subprocess.TimeoutExpired:
            check(False, "the program has ended")

        say("The next start pre-fills from the registry")
        app = session.start_program()
        check(session.ask(f"wait 30 {MAIN}").startswith("ok"), "the main window appears again")
        offset = main_offset(session, main_form)
        check(read_box(session, MAIN, main_form, "txtGal", "10000", offset) == "10000",
              "the pool size box holds 10000")
        check(read_box(session, MAIN, main_form, "txtChlorPerc", "6", offset) == "6",
              "the strength box holds 6")
        session.must(f"close {MAIN}")
        app.wait(timeout=15)

        install(session, arguments.old_installer, "Installing 1.0.0, which gave users full control")
        app_rights = session.must(f"acl {APP_KEY}")
        check("A 0x03 0x000F003F S-1-5-32-545" in app_rights,
              f"1.0.0 gives users full control, inherited by every subkey ({app_rights})")
        session.must(f"canary {CANARY_KEY}")
        session.must(f"link {APP_KEY}\\Sneaky {CANARY_KEY}")
        session.wine("reg", "add", r"HKLM\SOFTWARE\Poolwright\Planted", "/v", "By", "/d", "a user")
        _, saved = registry_values(session)
        canary = session.must(f"snapshot {CANARY_KEY}")
        install(session, arguments.installer, "Upgrading to this version")
        check_canary_untouched(session, canary, "upgrading over a link a user added")
        check_least_rights(session)
        for planted in ("Sneaky", "Planted"):
            check(session.must(f"kind {APP_KEY}\\{planted}") == "absent",
                  f"the subkey a user added ({planted}) is gone")
        _, values = registry_values(session)
        check(values == saved and values.get("PoolSize") == ("REG_SZ", "10000"),
              f"the values saved before the upgrade are kept ({values})")
        uninstall = session.wine("reg", "query",
                                 r"HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Poolwright",
                                 "/v", "DisplayVersion", check_status=False)
        check(arguments.version in uninstall.stdout,
              f"Apps & features lists Poolwright {arguments.version} after the upgrade")

        session.must(f"link {DEFAULTS_KEY} {CANARY_KEY}")
        canary = session.must(f"snapshot {CANARY_KEY}")
        install(session, arguments.installer, "Installing again over a link planted at Defaults")
        check_canary_untouched(session, canary, "installing over a link at Defaults")
        check_least_rights(session)

        say("Saving from the installed program still works")
        app = session.start_program()
        if save_settings(session, settings_form, "25000", "12.5", imperial=False):
            _, values = registry_values(session)
            check(values.get("PoolSize") == ("REG_SZ", "25000") and
                  values.get("UOM") == ("REG_SZ", "Metric"),
                  f"the key holds what was saved ({values})")
        session.must(f"close {MAIN}")
        app.wait(timeout=15)

        say("Every window under Wine, at 96 and 192 dpi, in both unit systems")
        check_every_caption(session, Path(arguments.snapshots_tool), screenshots)

        check_keyboard_and_reader(session, Path(arguments.snapshots_tool))

        say("A unit of measure stored as a number")
        check_unreadable_unit(session, main_form, settings_form)

        say("Uninstalling in place, as a deployment script does to wait for it, over a link "
            "planted at Defaults")
        session.must(f"link {DEFAULTS_KEY} {CANARY_KEY}")
        canary = session.must(f"snapshot {CANARY_KEY}")
        status = uninstall_in_place(session, prefix_c)
        check(status == 0, f"the uninstaller run in place ends with exit code 0 ({status})")
        check_canary_untouched(session, canary, "uninstalling in place over a link at Defaults")
        check(session.must(f"kind {APP_KEY}") == "absent",
              "uninstalling in place removes the settings key and the link")
        check(not (program / "poolwright.exe").exists(), "uninstalling in place removes the program")
        entry = session.wine("reg", "query",
                             r"HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Poolwright",
                             check_status=False)
        check(entry.returncode != 0, "uninstalling in place removes the Apps & features entry")

        install(session, arguments.installer, "Installing again, to uninstall the usual way")
        say("Uninstalling in silent mode, over a link planted at Defaults")
        session.must(f"link {DEFAULTS_KEY} {CANARY_KEY}")
        canary = session.must(f"snapshot {CANARY_KEY}")
        # The uninstaller runs a copy of itself from the temporary folder and returns at once.
        session.wine(INSTALL_DIR + r"\uninstall.exe", "/S")
        deadline = time.monotonic() + 30
        while program.exists() and time.monotonic() < deadline:
            time.sleep(0.2)
        # The settings key goes before the files: once they are gone, so is the key, and a script
        # that waits for the files need not wait on.
        check_canary_untouched(session, canary, "uninstalling over a link at Defaults")
        check(session.must(f"kind {APP_KEY}") == "absent", "the settings key and the link are gone")
        session.must(f"delete {CANARY_KEY}")
        session.stop_driver()
        check(not (program / "poolwright.exe").exists(), "poolwright.exe is removed")
        check(not program.exists(), "the Program Files folder is removed")
        check(not shortcut.exists(), "the Start-menu shortcut is removed")
        present, _ = registry_values(session)
        check(not present, "the settings key is removed")
    finally:
        session.close()
        shutil.rmtree(work, ignore_errors=True)
    print(f"{len(FAILURES)} failed; pictures in {screenshots}")
    return 1 if FAILURES else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--installer", required=True)
    parser.add_argument("--old-installer", required=True,
                        help="the 1.0.0 installer, to test upgrades from it")
    parser.add_argument("--driver", required=True)
    parser.add_argument("--uia-probe", required=True,
                        help="the test's uiautomationcore.dll (tests/windows/uiaprobe.cpp)")
    parser.add_argument("--snapshots-tool", required=True,
                        help="poolwright_snapshots.exe, which checks every window's captions")
    parser.add_argument("--version", required=True)
    parser.add_argument("--screenshots", required=True)
    return run(parser.parse_args())


if __name__ == "__main__":
    sys.exit(main())
