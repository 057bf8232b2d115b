"""End-to-end scenarios of documents and options: a file named on the command line,
saving with Ctrl+S, the lock a second copy of the editor runs into, a file changed by
another program, options that survive a restart, files dropped onto the window and a
log-off with unsaved text, and the Resize Window dialog.

The runner (tests/e2e/run) calls run_all(runner) with itself as the argument, after
its own scenarios; everything here goes through the runner's helpers, so the Wine
prefix, the X server and the wintext helper are the runner's.
"""
import glob
import os
import shutil
import subprocess
import time

LINES = 15


def run_all(e):
    folder = os.path.join(e.BUILD, "e2e-documents", "my docs")
    shutil.rmtree(os.path.dirname(folder), ignore_errors=True)
    os.makedirs(folder)
    doc = Documents(e, folder)
    for scenario in (doc.command_line_edit_and_save, doc.lock_failure, doc.external_change,
                     doc.status_bar_survives_restart, doc.character_set_survives_restart,
                     doc.settings_files, doc.drop_files, doc.end_session, doc.resize_window,
                     doc.settings_editor):
        e.scenario(scenario.__doc__)(scenario)()


class Documents:
    def __init__(self, e, folder):
        self.e = e
        self.folder = folder
        self.path = os.path.join(folder, "notes one.txt")
        self.original = b"".join(b"line %d\r\n" % n for n in range(1, LINES + 1))

    # --- helpers -------------------------------------------------------------

    def win(self, path):
        return self.e.windows_path(path)

    def write(self, data, seconds_ahead=0):
        with open(self.path, "wb") as f:
            f.write(data)
        if seconds_ahead:
            # Stamps are compared to the second; a write in the same second as the
            # load would otherwise look like no change at all.
            stamp = time.time() + seconds_ahead
            os.utime(self.path, (stamp, stamp))

    def read(self, path=None):
        with open(path or self.path, "rb") as f:
            return f.read()

    def start_with_file(self, *extra):
        return self.e.start('"%s"' % self.win(self.path), *extra)

    def wait_window(self, what, **state):
        return self.e.wait_for(self.e.window_state_is(state), what)

    def options_item(self, index):
        """Toggles the index-th item of the Options menu from the keyboard."""
        self.e.focus_editor()
        self.e.keys("alt+o", *["Down"] * index, "Return")

    def exit_without_question(self, process):
        self.e.helper("close", self.e.MAIN_CLASS)
        self.e.finish(process, 0)

    def globals_ini(self):
        found = glob.glob(os.path.join(os.environ["WINEPREFIX"], "drive_c", "*",
                                       "Common Files", "Corvane", "globals.ini"))
        if not found:
            raise AssertionError("no globals.ini in the Wine prefix")
        with open(found[0], "rb") as f:
            return f.read().decode("latin-1")

    def nivora_value(self, key):
        section = None
        for line in self.globals_ini().splitlines():
            line = line.strip()
            if line.startswith("["):
                section = line
            elif section == "[Nivora]" and line.startswith(key + "="):
                return line[len(key) + 1:]
        return None

    def no_box_for(self, caption, seconds):
        deadline = time.time() + seconds
        while time.time() < deadline:
            if self.e.box(caption):
                raise AssertionError(f'unexpected "{caption}" box')
            time.sleep(0.5)

    def reactivate(self):
        """Takes the focus away from the editor and gives it back, as switching to
        another program and back would."""
        e = self.e
        e.focus_editor()
        e.keys("alt+h", "a")  # Help, About: the box takes the activation and gives it back
        e.wait_for(lambda: e.box("About"), "the About box")
        e.helper("press", "About", "1")

    # --- scenarios -----------------------------------------------------------

    def command_line_edit_and_save(self):
        """quoted file name with a space, a jump, Ctrl+S"""
        e = self.e
        self.write(self.original)
        p = self.start_with_file("/jl12")
        full = self.win(self.path)
        values = self.wait_window("the document", caption="Nivora - " + full.replace("\\", "\\\\"))
        e.check_equal(values.get("status.1"), "12 / 16", "caret line after /jl12")
        e.focus_editor()
        e.type_text("X")
        self.wait_window("the typed character", **{"status.2": "2 / 8"})
        e.keys("ctrl+s")
        expected = self.original.replace(b"line 12", b"Xline 12")
        e.wait_for(lambda: self.read() == expected, "the saved file")
        e.screenshot("documents-saved")
        # Saved: closing asks nothing.
        self.exit_without_question(p)
        e.check_equal(self.nivora_value("LastDocument"), full, "LastDocument")
        return p

    def lock_failure(self):
        """lock file: a second copy cannot save"""
        e = self.e
        self.write(self.original)
        first = self.start_with_file()
        self.wait_window("the first copy", editbox=self.escaped(self.original))
        self.options_item(2)  # Lock file
        # Settings are saved when the window goes, so the second copy locks too.
        self.exit_without_question(first)
        e.check_equal(self.nivora_value("LockFile"), "1", "LockFile")

        first = self.start_with_file()
        self.wait_window("the locked copy", editbox=self.escaped(self.original))
        second = self.start_with_file()
        warning = e.wait_for(lambda: e.box("Lock Failure"), "the lock failure")
        e.check_equal(e.box_text(warning),
                      "The file is locked by another application, although it can still be "
                      "opened.  Changes cannot be saved until the file is unlocked.",
                      "lock failure text")
        e.screenshot("documents-lock-failure")
        e.helper("press", "Lock Failure", "1")
        time.sleep(1)
        e.type_text("Y")
        e.keys("ctrl+s")
        error = e.wait_for(lambda: e.box("Save Error"), "the save error")
        if not e.box_text(error).startswith("Unable to save file '"):
            raise AssertionError(f"save error text: {e.box_text(error)!r}")
        e.helper("press", "Save Error", "1")
        e.check_equal(self.read(), self.original, "file after the refused save")
        # The second copy goes without saving; the first unlocks and saves fine.
        e.keys("ctrl+F4")
        e.wait_for(lambda: e.box("Close"), "the second copy's question")
        e.helper("press", "Close", "7")
        e.finish(second, 0)
        self.options_item(2)
        self.exit_without_question(first)
        e.check_equal(self.nivora_value("LockFile"), "0", "LockFile")
        return first

    def external_change(self):
        """another program changes the file: No, then Yes"""
        e = self.e
        self.write(self.original)
        p = self.start_with_file()
        self.wait_window("the document", editbox=self.escaped(self.original))
        self.write(b"changed once\r\n", seconds_ahead=10)
        self.reactivate()
        question = e.wait_for(lambda: e.box("Document Changed"), "the change question")
        e.check_equal(e.box_text(question),
                      'Another program has modified the document "%s".  Do you want to '
                      'reload it?' % self.win(self.path).replace("\\", "\\\\"), "question")
        e.screenshot("documents-changed")
        e.helper("press", "Document Changed", "7")
        time.sleep(1)
        self.reactivate()
        self.no_box_for("Document Changed", 4)
        self.wait_window("the old text kept", editbox=self.escaped(self.original))

        self.write(b"changed twice\r\n", seconds_ahead=20)
        self.reactivate()
        e.wait_for(lambda: e.box("Document Changed"), "the second change question")
        e.helper("press", "Document Changed", "6")
        self.wait_window("the reloaded text", editbox="changed twice\\r\\n")
        self.exit_without_question(p)
        return p

    def status_bar_survives_restart(self):
        """status bar off survives a restart"""
        e = self.e
        p = e.start()
        e.wait_for(lambda: "status.1" in (e.main_window() or {}), "the window")
        self.options_item(4)  # Status bar visible
        e.wait_for(lambda: "status.1" not in (e.main_window() or {"status.1": ""}),
                   "the status bar removed")
        self.exit_without_question(p)
        e.check_equal(self.nivora_value("StatusbarShown"), "0", "StatusbarShown")

        p = e.start()
        values = e.wait_for(e.main_window, "the restarted window")
        time.sleep(1)
        values = e.main_window()
        e.check_equal(values.get("status.1", "gone"), "gone", "status bar after restart")
        e.screenshot("documents-no-status-bar")
        self.options_item(4)
        self.wait_window("the status bar back", **{"status.1": "1 / 1"})
        self.exit_without_question(p)
        e.check_equal(self.nivora_value("StatusbarShown"), "1", "StatusbarShown")
        return p

    def character_set_survives_restart(self):
        """character set survives a restart"""
        e = self.e
        p = e.start()
        e.wait_for(e.main_window, "the window")
        e.focus_editor()
        # "Character set" follows the six flags and a separator; Greek is the
        # eighth set offered.
        e.keys("alt+o", *["Down"] * 6, "Right", *["Down"] * 7, "Return")
        time.sleep(1)
        self.exit_without_question(p)
        e.check_equal(self.nivora_value("Charset"), "Greek", "Charset")

        p = e.start()
        e.wait_for(e.main_window, "the restarted window")
        e.focus_editor()
        e.keys("alt+o", *["Down"] * 6, "Right")
        time.sleep(1)
        e.screenshot("documents-character-set")
        e.keys("Escape", "Escape", "Escape")
        self.exit_without_question(p)
        e.check_equal(self.nivora_value("Charset"), "Greek", "Charset after restart")
        return p

    def settings_files(self):
        """settings files in the Wine prefix"""
        e = self.e
        text = self.globals_ini()
        if "[Nivora]" not in text:
            raise AssertionError("globals.ini has no [Nivora] section")
        order = ["WordBreak", "FixedPitch", "FullPath", "Charset", "LockFile", "StatusbarShown",
                 "OpenWithNivora", "DetectChanges", "ToolbarShown", "Toolbar", "LastDocument",
                 "LastDirectory", "RecordHistory", "AutoOpen", "WindowPos", "FileHistory"]
        positions = [text.find("\n" + key + "=") for key in order]
        if -1 in positions or positions != sorted(positions):
            raise AssertionError(f"keys missing or out of order: {dict(zip(order, positions))}")
        e.check_equal(self.nivora_value("FullPath"), "1", "FullPath")
        e.check_equal(self.nivora_value("DetectChanges"), "1", "DetectChanges")
        history = self.nivora_value("FileHistory")
        if self.win(self.path).lower() not in history.replace("\\\\", "\\").lower():
            raise AssertionError(f"FileHistory lacks the document: {history!r}")
        corvane = glob.glob(os.path.join(os.environ["WINEPREFIX"], "drive_c", "*",
                                         "Common Files", "Corvane", "corvane.ini"))
        if not corvane:
            raise AssertionError("no corvane.ini in the Wine prefix")
        return None

    def drop_files(self):
        """files dropped onto the editbox: another one, then the document itself"""
        e = self.e
        self.write(self.original)
        other = os.path.join(self.folder, "dropped.txt")
        with open(other, "wb") as f:
            f.write(b"dropped text\r\n")
        p = self.start_with_file()
        self.wait_window("the document", editbox=self.escaped(self.original))
        e.focus_editor()
        e.type_text("Z")
        self.wait_window("the typed character", editbox=self.escaped(b"Z" + self.original))
        rc, values = e.helper("dropfile", e.MAIN_CLASS, self.win(other))
        e.check_equal((rc, values.get("result")), (0, "drop"), "the drop")
        e.wait_for(lambda: e.box("Close"), "the question about the typed text")
        e.screenshot("documents-drop-question")
        e.helper("press", "Close", "7")
        self.wait_window("the dropped file", editbox="dropped text\\r\\n")
        e.check_equal(self.read(), self.original, "the first file after No")

        # Dropped onto itself: Yes saves, and what shows is what was saved.
        e.focus_editor()
        e.type_text("Q")
        self.wait_window("the typed character", editbox="Qdropped text\\r\\n")
        e.helper("dropfile", e.MAIN_CLASS, self.win(other))
        e.wait_for(lambda: e.box("Close"), "the question before reloading itself")
        e.helper("press", "Close", "6")
        e.wait_for(lambda: self.read(other) == b"Qdropped text\r\n", "the save")
        time.sleep(1)
        self.wait_window("the saved text shown", editbox="Qdropped text\\r\\n")
        self.exit_without_question(p)
        return p

    def end_session(self):
        """log-off with unsaved text: Cancel keeps the window, No ends it with the settings saved"""
        e = self.e
        p = e.start()
        e.wait_for(lambda: "status.1" in (e.main_window() or {}), "the window")
        self.options_item(4)  # Status bar visible
        e.wait_for(lambda: "status.1" not in (e.main_window() or {"status.1": ""}),
                   "the status bar removed")
        e.focus_editor()
        e.type_text("unsaved")

        def log_off(button):
            asker = subprocess.Popen([e.WINE, e.HELPER, "endsession", e.MAIN_CLASS],
                                     stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
            try:
                e.wait_for(lambda: e.box("Close"), "the question at log-off")
                e.helper("press", "Close", button)
                out, _ = asker.communicate(timeout=60)
            finally:
                if asker.poll() is None:
                    asker.kill()
            return out.strip()

        e.check_equal(log_off("2"), "answer=0", "answer after Cancel")
        time.sleep(1)
        self.wait_window("the window kept", editbox="unsaved")
        e.check_equal(log_off("7"), "answer=1", "answer after No")
        e.finish(p, 0)
        e.check_equal(self.nivora_value("StatusbarShown"), "0", "StatusbarShown after log-off")

        p = e.start()
        e.wait_for(e.main_window, "the restarted window")
        self.options_item(4)
        self.wait_window("the status bar back", **{"status.1": "1 / 1"})
        self.exit_without_question(p)
        return p

    def corvane_ini(self):
        found = glob.glob(os.path.join(os.environ["WINEPREFIX"], "drive_c", "*",
                                       "Common Files", "Corvane", "corvane.ini"))
        if not found:
            raise AssertionError("no corvane.ini in the Wine prefix")
        return found[0]

    def settings_editor(self):
        """the settings editor: Controls > Editboxes, a new caret width saved and shown"""
        e = self.e
        p = e.start()
        e.wait_for(e.main_window, "the window")
        e.focus_editor()
        e.wait_for(lambda: e.helper("caret", e.MAIN_CLASS)[1].get("caret") == "2", "the caret")
        e.keys("alt+o", "s", "a")
        e.wait_for(lambda: e.box("Settings"), "the settings editor")
        # The tree has the focus on the first page; typing a name finds its node.
        e.type_text("Editboxes")
        def caret_field():
            rc, listed = e.helper("controls", "Settings")
            controls = [listed["control.%d" % i].split("|", 4)
                        for i in range(int(listed.get("controls", 0)))]
            for at, c in enumerate(controls):
                if c[4] == "Caret width:":
                    edits = [d for d in controls[at + 1:] if d[0].lower() == "edit"]
                    return edits[0] if edits else None
            return None
        field = e.wait_for(caret_field, "the Controls > Editboxes page")
        e.check_equal(field[4], "2", "caret width shown")
        e.screenshot("settings-editor")
        e.helper("settext", "Settings", field[1], "5")
        e.helper("press", "Settings", "1")
        e.wait_for(lambda: not e.box("Settings"), "the editor closed")
        e.wait_for(lambda: "CaretWidth=5" in open(self.corvane_ini(), encoding="latin-1").read(),
                   "CaretWidth=5 in corvane.ini")
        e.focus_editor()
        e.wait_for(lambda: e.helper("caret", e.MAIN_CLASS)[1].get("caret") == "5",
                   "the wider caret")
        self.exit_without_question(p)
        # The scenarios after this one expect the standard caret.
        path = self.corvane_ini()
        with open(path, encoding="latin-1") as f:
            text = f.read()
        with open(path, "w", encoding="latin-1") as f:
            f.write(text.replace("CaretWidth=5", "CaretWidth=2"))
        return p

    @staticmethod
    def escaped(data):
        return data.decode("latin-1").replace("\\", "\\\\").replace("\r", "\\r").replace("\n", "\\n")

    def resize_window(self):
        """the Resize Window dialog shows the size; typing, Tab and Enter resize"""
        e = self.e
        p = e.start()
        values = e.wait_for(e.main_window, "the window")
        left, top, right, bottom = (int(v) for v in values["rect"].split(","))
        e.focus_editor()
        e.keys("alt+o", "w", "r")
        e.wait_for(lambda: e.box("Resize Window"), "the Resize Window dialog")
        rc, listed = e.helper("controls", "Resize Window")
        controls = [listed["control.%d" % i].split("|", 4) for i in range(int(listed.get("controls", 0)))]
        edits = {int(c[1]): c for c in controls if c[0].lower() == "edit"}
        if sorted(edits) != [1001, 1004]:
            raise AssertionError(f"edits {sorted(edits)} in {controls}")
        e.check_equal(edits[1001][4], str(right - left), "width shown")
        e.check_equal(edits[1004][4], str(bottom - top), "height shown")
        labels = [c for c in controls if c[0].lower() == "static" and c[4] in ("&Width:", "&Height:")]
        if len(labels) != 2:
            raise AssertionError(f"labels in {controls}")
        box_of = lambda c: [int(v) for v in c[2].split(",")]
        # Aligned columns: both edits start at one x, right of labels of one width.
        e.check_equal(box_of(edits[1001])[0], box_of(edits[1004])[0], "edit column")
        e.check_equal(box_of(labels[0])[2], box_of(labels[1])[2], "label width")
        if not any(c[0].lower() == "msctls_updown32" for c in controls):
            raise AssertionError(f"no up-down arrows in {controls}")
        # The width edit has the focus with its text selected: typing replaces it,
        # Tab moves on, Enter is OK.
        e.type_text("700")
        e.keys("Tab")
        e.helper("settext", "Resize Window", "1004", "500")
        e.screenshot("resize-window")
        e.keys("Return")
        def resized():
            now = e.main_window()
            if not now:
                return None
            l, t, r, b = (int(v) for v in now["rect"].split(","))
            return (r - l, b - t, l, t) if r - l == 700 else None
        width, height, l, t = e.wait_for(resized, "the new width")
        e.check_equal((height, l, t), (500, left, top), "height and corner")
        self.exit_without_question(p)
        return p
