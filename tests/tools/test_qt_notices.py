#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Poolwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""tools/qt-notices write: the notices list what the link map took, and refuse what nothing
accounts for. A small record and link map stand in for Qt's and poolwright.exe's."""
import json
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

TOOL = Path(__file__).resolve().parents[2] / "tools" / "qt-notices"
FONT = "/usr/share/wine/fonts/ms_sans_serif.ttf"
# A static library this machine's Debian packages own, standing in for a runtime library.
RUNTIME = "/usr/lib/x86_64-linux-gnu/libc_nonshared.a"


class QtNoticesTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        root = Path(self.folder.name)
        self.qt = root / "qt"
        self.record = self.qt / "share" / "poolwright-notices"
        (self.record / "licences" / "pcre2").mkdir(parents=True)
        (self.record / "licences" / "LGPL-3.0-only.txt").write_text("LGPL TEXT\n")
        (self.record / "licences" / "pcre2" / "LICENCE").write_text("PCRE2 LICENCE TEXT\n")
        (self.record / "record.json").write_text(json.dumps({
            "qt_version": "6.4.2+dfsg-10",
            "components": {"pcre2": {
                "name": "PCRE2", "version": "10.40", "licence": "BSD 3-clause",
                "licence_id": "BSD-3-Clause", "copyright": "Copyright (c) Cambridge",
                "homepage": "", "covers": ["src/3rdparty/pcre2"],
                "licence_files": [], "copyright_file": "", "texts": ["licences/pcre2/LICENCE"]}},
            "archives": {"libQt6Core.a": "Core", "libQt6BundledPcre2.a": "BundledPcre2"},
            "objects": {"Core": {"text/qstring.cpp.obj": []},
                        "BundledPcre2": {"src/pcre2_compile.c.obj": ["pcre2"],
                                         "src/pcre2_jit.c.obj": ["pcre2"]}},
        }))
        self.build = root / "build"
        self.build.mkdir()
        self.out = root / "NOTICES.txt"

    def tearDown(self):
        self.folder.cleanup()

    def write(self, members):
        """Runs the tool over a link map that took these (archive, member) pairs."""
        lines = ["Archive member included to satisfy reference by file (symbol)", ""]
        for archive, member in members:
            lines += [f"{archive}({member})", "                              main.o (f)"]
        lines += ["", "LOAD src/app/CMakeFiles/poolwright.dir/main.cpp.obj", f"LOAD {RUNTIME}"]
        link_map = self.build / "poolwright.map"
        link_map.write_text("\n".join(lines) + "\n")
        return subprocess.run([sys.executable, str(TOOL), "write", "--record", str(self.record),
                               "--map", str(link_map), "--build-root", str(self.build),
                               "--font", FONT, "--qt-source-files", "qt6-base.dsc",
                               "--out", str(self.out)], capture_output=True, text=True)

    def test_lists_what_the_link_took_with_its_licence(self):
        result = self.write([(self.qt / "lib/libQt6Core.a", "qstring.cpp.obj"),
                             (self.qt / "lib/libQt6BundledPcre2.a", "pcre2_jit.c.obj"),
                             (RUNTIME, "stat.oS")])
        self.assertEqual(result.returncode, 0, result.stderr)
        notices = self.out.read_text()
        for expected in ("Qt 6.4.2+dfsg-10", "LGPL TEXT", "PCRE2 10.40", "PCRE2 LICENCE TEXT",
                         "libc6-dev", "libc_nonshared.a", "fonts-wine", "qt6-base.dsc"):
            self.assertIn(expected, notices)

    def test_leaves_out_what_the_link_did_not_take(self):
        result = self.write([(self.qt / "lib/libQt6Core.a", "qstring.cpp.obj")])
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertNotIn("PCRE2", self.out.read_text())

    def test_refuses_an_object_the_record_does_not_know(self):
        for archive, member in ((self.qt / "lib/libQt6Core.a", "qnew.cpp.obj"),
                                (self.qt / "lib/libQt6BundledNew.a", "new.c.obj")):
            with self.subTest(member=member):
                result = self.write([(archive, member)])
                self.assertNotEqual(result.returncode, 0)
                self.assertIn(member, result.stderr)

    def test_refuses_a_library_no_package_owns(self):
        result = self.write([(self.qt / "lib/libQt6Core.a", "qstring.cpp.obj"),
                             ("/opt/elsewhere/libmystery.a", "mystery.o")])
        self.assertNotEqual(result.returncode, 0)
        self.assertIn("libmystery.a", result.stderr)


if __name__ == "__main__":
    unittest.main()
