"""PLUVIK as a blind engineer hears it: Debian's Orca reads the program on an
X11 desktop, its speech going through speech-dispatcher (espeak-ng, played
into ALSA's null device), and every utterance read back from Orca's debug
file. The keys are real key presses (xdotool), as the user types them.

Usage (as CTest runs it):
  run_on_x11.sh dbus-run-session -- /usr/bin/python3 orca_hears.py PLUVIK
  orca_hears.py PLUVIK --explore KEY...   prints what Orca says after each key
                                          (text to type as type:TEXT)

The test fails, never skips, when Orca cannot start.
"""
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
import tty

SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)'\s*\{")

failures = []


def check(what, got, expected):
    if got != expected:
        failures.append(f"{what}: expected {expected!r}, got {got!r}")


class Orca:
    """Orca on the session's AT-SPI bus, with a private home: its own
    preferences, and speech-dispatcher's configuration with an audio output
    that needs no sound card."""

    def __init__(self, home):
        self.home = home
        self.debug = os.path.join(home, "orca-debug.out")
        # Orca writes its debug file through Python's buffer, which a file
        # on disk gets in blocks: the last utterances of a step would wait
        # for more. A terminal gets it line by line, so Orca writes to a
        # pseudo-terminal and a thread copies every line into the file.
        master, slave = os.openpty()
        tty.setraw(slave)
        self.terminal = slave
        threading.Thread(target=self.copy_debug, args=(master,), daemon=True).start()
        config = os.path.join(home, ".config", "speech-dispatcher")
        os.makedirs(config)
        with open(os.path.join(config, "speechd.conf"), "w") as f:
            f.write('LogLevel 3\nLogDir "default"\nDefaultModule espeak-ng\n'
                    'AudioOutputMethod "alsa"\nAudioALSADevice "null"\n'
                    'SymbolsPreproc "char"\nSymbolsPreprocFile "symbols.dic"\n')
        prefs = os.path.join(home, "orca-prefs")
        os.makedirs(prefs)
        self.env = dict(os.environ, HOME=home)
        for xdg in ("XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"):
            self.env.pop(xdg, None)
        self.log = open(os.path.join(home, "orca.log"), "w")
        self.process = subprocess.Popen(["/usr/bin/python3", "-X", "faulthandler", "/usr/bin/orca", "--disable", "braille", "--user-prefs", prefs,
                                         "--debug-file", os.ttyname(slave)],
                                        env=self.env, stdin=subprocess.DEVNULL, stdout=self.log, stderr=subprocess.STDOUT)
        self.read = 0
        if not self.wait_for("Screen reader on.", 40):
            self.fail_to_start()

    def copy_debug(self, master):
        with open(self.debug, "ab", buffering=0) as copy:
            while True:
                try:
                    data = os.read(master, 65536)
                except OSError:
                    return
                if not data:
                    return
                copy.write(data)

    def fail_to_start(self):
        self.process.send_signal(signal.SIGABRT)
        time.sleep(1)
        self.log.flush()
        with open(os.path.join(self.home, "orca.log")) as f:
            print(f.read())
        sys.exit("orca_hears.py: Orca did not start (its log above)")

    def utterances(self):
        """Every utterance since the last call."""
        try:
            with open(self.debug, encoding="utf-8", errors="replace") as f:
                f.seek(self.read)
                text = f.read()
        except FileNotFoundError:
            return []
        # Only whole lines: the last may still be being written.
        end = text.rfind("\n") + 1
        self.read += len(text[:end].encode("utf-8", errors="replace"))
        return [m.group(1) for m in SPEECH.finditer(text[:end])]

    def wait_for(self, utterance, seconds):
        deadline = time.time() + seconds
        while time.time() < deadline:
            if self.process.poll() is not None:
                return False
            if any(utterance in u for u in self.utterances()):
                return True
            time.sleep(0.2)
        return False

    def settle(self, quiet=1.5, longest=12):
        """What Orca says until it has been quiet for `quiet` seconds."""
        heard = []
        deadline = time.time() + longest
        last = time.time()
        while time.time() < deadline and time.time() - last < quiet:
            time.sleep(0.2)
            new = self.utterances()
            if new:
                heard += new
                last = time.time()
        return heard

    def stop(self):
        self.process.send_signal(signal.SIGINT)
        try:
            self.process.wait(5)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        # speech-dispatcher was started for Orca in this home; it goes too.
        subprocess.run(["pkill", "-f", f"speech-dispatcher.*{self.home}"], check=False)
        self.log.close()


def keys(*presses):
    for press in presses:
        if press.startswith("type:"):
            subprocess.run(["xdotool", "type", "--delay", "30", press[5:]], check=True)
        else:
            subprocess.run(["xdotool", "key", press], check=True)
        time.sleep(0.15)


def heard(orca, *presses, quiet=1.5):
    orca.utterances()
    keys(*presses)
    return orca.settle(quiet)


def hears(what, said, *expected):
    """Every expected utterance is among what was said (in order)."""
    position = 0
    for utterance in expected:
        found = next((i for i in range(position, len(said)) if said[i] == utterance), None)
        if found is None:
            failures.append(f"{what}: {utterance!r} not heard in {said!r}")
            return
        position = found + 1


def hears_start(what, said, start):
    if not any(u.startswith(start) for u in said):
        failures.append(f"{what}: nothing starting {start!r} heard in {said!r}")


def main():
    program_path = sys.argv[1]
    home = tempfile.mkdtemp(prefix="pluvik-orca-")
    orca = Orca(home)
    program = None
    try:
        # The program finds Orca as a user's does: through the AT-SPI bus's
        # status, not forced on.
        env = dict(orca.env)
        env.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)
        program = subprocess.Popen([program_path], env=env)
        if not orca.wait_for("Om.. dialog", 30):
            sys.exit("orca_hears.py: Orca never heard the about box")
        orca.settle(1.0)
        if "--explore" in sys.argv:
            for press in sys.argv[sys.argv.index("--explore") + 1:]:
                print(press, "->", heard(orca, *press.split(",")))
            return
        run_checks(orca)
    finally:
        if program is not None:
            program.kill()
            program.wait()
        orca.stop()
        if failures or "--keep" in sys.argv:
            print("Orca's debug file:", orca.debug)
        else:
            shutil.rmtree(home, ignore_errors=True)


def run_checks(orca):
    # The about box closed: the duct tab and its flow field, by its whole
    # name (not its caption label's "l/s").
    said = heard(orca, "Return")
    hears("arriving on the duct tab", said, "Kanalberäkning page tab.", "Flöde l/s text.")

    # The power tab: its name and the flow field inside the frame heard on
    # arrival; its power after ENTER.
    said = heard(orca, "ctrl+Tab")
    hears("arriving on the power tab", said, "Effekt / Flöde page tab.", "Flöde l/s text.")
    said = heard(orca, "type:1", "Tab", "Tab", "type:20", "Return")
    hears("the power after ENTER", said, "Temperaturdifferens °C text.",
          "notification Resultat: Effekt W: 83680.")

    # The valve tab: ENTER with the pressure drop empty says which field and
    # why, and nothing of an earlier result.
    said = heard(orca, "ctrl+Tab")
    hears("arriving on the valve tab", said, "KV-beräkning page tab.", "Flöde l/s text.")
    # The switch runs the tab's calculation, which its empty fields stop:
    # nothing of that is said, only the user's own ENTER says it.
    check("notices on arriving at the valve tab", [u for u in said if u.startswith("notification")], [])
    said = heard(orca, "type:1", "Return")
    hears("the empty field after ENTER", said, "notification Fältet är tomt: Tryckfall kPa.")

    # The pipe tab: its flow field by its whole name.
    said = heard(orca, "ctrl+Tab")
    hears("arriving on the pipe tab", said, "Rörberäkning page tab.")
    check("notices on arriving at the pipe tab", [u for u in said if u.startswith("notification")], [])
    for _ in range(12):
        said = heard(orca, "Tab", quiet=0.8)
        if any(u.startswith("Flöde l/s") for u in said):
            break
    hears("the pipe's flow field", said, "Flöde l/s text.")

    # The CO2 tab: the chosen rate heard as chosen; back from the table, the
    # chart with what it shows, and the criterion list with its value.
    said = heard(orca, "ctrl+Tab")
    hears("arriving on the CO2 tab", said, "Koldioxid page tab.", "10-12, vald.")
    said = heard(orca, "shift+Tab")
    hears("the chart", said, "CO2-kurva chart.", "Ingen kurva ritad.")
    said = heard(orca, "shift+Tab", "shift+Tab")
    hears("the criterion list", said, "Kriterium för högsta halt combo box.", "Eget värde.")
    said = heard(orca, "Down", "Down")
    hears("another criterion chosen", said, "Kategori I (ute + 550)")

    # The duct tab: a sizing of 14 rows, then Tab through the insulation to
    # the table, which still holds them; a whole value heard ("20", not "2").
    said = heard(orca, "ctrl+Tab")
    hears("back on the duct tab", said, "Kanalberäkning page tab.", "Flöde l/s text.")
    said = heard(orca, "type:100", "Tab", "type:3", "Tab", "Tab", "Tab", "space", "Return")
    hears("the sizing", said, "notification Resultat: m/s 2.0, Pa/m 0.27, Dim. / Fz Stål Veloduct 250; 14 rader.")
    said = heard(orca, *["Tab"] * 9)
    hears("Tab through the insulation and on", said, "Isolering text.", "Temp. C text.", "20 selected.",
          "Max sidoförh. rekt. kanal 5 spin button.", "Dimensioner, resultat.", "table with 14 rows 3 columns")
    check("noise while tabbing", [u for u in said if u.startswith("Text unselected")], [])

    # A row chosen and added to the duct run: the section said with its
    # dimension and figures.
    said = heard(orca, "Down", "Down", "Down", "Down", "Down", "Down")
    said = heard(orca, "ctrl+l")
    hears("the section added", said,
          "notification Tillagd: Del 1: Dimension 250, Flöde l/s 100, v m/s 2.0, R Pa/m 0.27; "
          "Del 1: längden saknas.")
    # F6 goes into the run; a length typed into the chosen cell's editor,
    # which is named by its column, is worked out and said once.
    said = heard(orca, "F6")
    hears("F6 into the run", said, "Kanalsträcka.", "Längd m (tomt), Del 1: längden saknas.")
    said = heard(orca, "type:10")
    hears("the cell editor", said, "Längd m text.")
    said = heard(orca, "Return")
    notices = [u for u in said if u.startswith("notification")]
    check("notices after the length", len(notices), 1)
    if notices:
        check("the run's state", notices[0].startswith("notification Resultat: Del 1: Del Pa "), True)


if __name__ == "__main__":
    main()
    for failure in failures:
        print("FAIL", failure)
    print(f"orca_hears.py: {'FAILED' if failures else 'passed'}")
    sys.exit(1 if failures else 0)
