#!/usr/bin/env python3
"""A saved record opens again to the same inputs and the same figures.

For every case of the table, the calculation is made and saved as a PDF in
one window; a new window ("next month") opens the file, by Ctrl+O and by
dropping it on the window, and its record, copied as text, must be the one a
user gets by typing the same inputs there, with no message. Records saved in
Danish with the comma open in a Swedish window with the point, and the other
way round.   round_trip.py DRIVER
"""
import os
import re
import subprocess
import sys
import tempfile

DRIVER = sys.argv[1]

# name: the steps of the calculation, as driver lines.
CASES = {
    "duct circular series, 100 l/s, 3 m/s": "click CirkRadioButton;type Flow 100;type MaxMeterPerSek 3",
    "duct rectangular 400*200, 250 l/s": "click RektRadioButton;type Flow 250;type Sida 400*200",
    "duct 900 m3/h, 20 mm insulation, -10 C": (
        "choose EnhetRadioGroup 1;click CirkRadioButton;type Flow 900;type Isolering 20;type Temperatur -10"),
    "duct search, 250 mm, 1 Pa/m": "click CheckBox1;click CirkRadioButton;type Sida 250;type MaxPaPerMeter 1",
    "duct search, 400*200, 4 m/s": "click CheckBox1;click RektRadioButton;type Sida 400*200;type MaxMeterPerSek 4",
    "power from 1.5 l/s at 20 C": "tab Effekt;type DeltaT 20;type EffektFlowEdit 1.5",
    "flow from 12.5 kW at -8 C": (
        "tab Effekt;choose CalkValRadioGroup 1;choose EnhetEffektRadioGroup 1;type EffektEdit 12.5;type DeltaT -8"),
    "valve: flow from kv": "tab Kvs;click RadioButton1;type TryckEdit 10;type KvsEdit 4",
    "valve: pressure drop from kv, m3/h": "tab Kvs;click RadioButton2;choose FlowRadioGroup 2;type FlowEdit 3.6;type KvsEdit 4",
    "valve: kv": "tab Kvs;type FlowEdit 1;type TryckEdit 10",
    "valve: Fe": "tab Kvs;click FeCheckBox;click RadioButton4;type FlowEdit 1;type TryckEdit 10;type InvDiamEdit 25",
    "valve: flow from Fe": (
        "tab Kvs;click FeCheckBox;click RadioButton1;type TryckEdit 10;type FeEdit1 1.2;type InvDiamEdit 25"),
    "pipe: copper at 60 C": "tab Rorber;type RTemp 60;choose RMtrlComboBox 3;type RInvDiam 20;type RFlow 0.2",
    "pipe search: 100 Pa/m": (
        "tab Rorber;type RTemp 20;choose RMtrlComboBox 0;type RInvDiam 20;click CheckBox2;focus RvardeRoer;"
        "type RvardeRoer 100"),
    "pipe search: 0.5 m/s, mm VP": (
        "tab Rorber;choose EnhetRorDpRadioGroup 1;type RTemp 20;choose RMtrlComboBox 4;type RInvDiam 16;"
        "click CheckBox2;focus RHast;type RHast 0.5"),
    "CO2: adults typing, 60 m3": "tab CO2TabSheet;select CO2Grid 2 3;type UteLuft 20;type AntalPers 4;type RumVolym 60",
    "CO2: own choice 20-30": (
        "tab CO2TabSheet;select CO2Grid 1 7;typecell CO2Grid 1 7 20-30;type UteLuft 15;type AntalPers 3"),
    "CO2 search: the outdoor air for 1000 ppm in a 45-minute lesson": (
        "tab CO2TabSheet;select CO2Grid 1 2;type CO2Ute 400;type RumVolym 180;type AntalPers 30;click UteLuftSok;"
        "choose CO2Kriterium 1;type VistelseTid 0:45"),
    "CO2 search: category II at equilibrium": (
        "tab CO2TabSheet;select CO2Grid 2 3;type RumVolym 60;type AntalPers 4;click UteLuftSok;choose CO2Kriterium 3"),
    "duct run: a 360 m3/h main duct with a rectangular branch": (
        "choose EnhetRadioGroup 1;click CirkRadioButton;type Flow 360;key Enter;select StringGrid1 0 6;key Ctrl+L;"
        "key Ctrl+L;click RektRadioButton;type Sida 300;key Enter;select StringGrid1 0 2;key Ctrl+L;"
        "typecell StrackaGrid 4 1 10;typecell StrackaGrid 5 1 1.5;typecell StrackaGrid 4 2 4.5;"
        "typecell StrackaGrid 1 3 1;typecell StrackaGrid 4 3 12;typecell StrackaGrid 5 3 0.8"),
}

# (saved in, opened in, how): a language and a separator each.
TRIPS = [
    (("Svensk", "."), ("Svensk", "."), "open"),
    (("Dansk", ","), ("Svensk", "."), "drop"),
    (("Svensk", "."), ("Dansk", ","), "open"),
]


def run(language, separator, lines):
    script = "\n".join(["clock 2026-12-10T14:30:00", f"separator {separator}", f"about {language}", "start",
                        "messages"] + lines) + "\n"
    out = subprocess.run([DRIVER], input=script, capture_output=True, text=True,
                         env=dict(os.environ, QT_QPA_PLATFORM="offscreen"), timeout=120)
    return out.stdout.splitlines()


def typed(steps, separator):
    """The steps as a user types them with `separator`: 1.5 as 1,5."""
    lines = steps.split(";")
    if separator == ",":
        lines = [re.sub(r"(\d)\.(\d)", r"\1,\2", line) if line.startswith(("type ", "typecell ")) else line
                 for line in lines]
    return lines


def record_of(language, separator, steps):
    out = run(language, separator, typed(steps, separator) + ["key Enter", "messages", "key Ctrl+Shift+C", "clipboard"])
    return out[1], out[2]


def main():
    failed = 0
    with tempfile.TemporaryDirectory() as work:
        for name, steps in CASES.items():
            references = {}
            for saved, opened, how in TRIPS:
                pdf = os.path.join(work, f"{abs(hash((name, saved)))}.pdf")
                if not os.path.exists(pdf):
                    run(*saved, typed(steps, saved[1]) + ["key Enter", f"savefile {pdf}", "key Ctrl+S"])
                if opened not in references:
                    references[opened] = record_of(*opened, steps)
                messages, expected = references[opened]
                action = ["openfile " + pdf, "key Ctrl+O"] if how == "open" else ["drop " + pdf]
                out = run(*opened, action + ["messages", "key Ctrl+Shift+C", "clipboard"])
                trip = f"{name}: saved in {saved[0]} {saved[1]}, {how} in {opened[0]} {opened[1]}"
                if messages != "none" or not os.path.exists(pdf):
                    print(f"FAIL {trip}: the calculation itself gave: {messages}")
                    failed += 1
                elif (how == "open" and not out[1].startswith("opendialog: ")) or " | " in out[1] or \
                        (how == "drop" and out[1] != "none"):
                    print(f"FAIL {trip}: opening said: {out[1]}")
                    failed += 1
                elif out[2] != expected:
                    print(f"FAIL {trip}:\n  expected {expected}\n  got      {out[2]}")
                    failed += 1
                else:
                    print(f"ok {trip}")
    print(f"{len(CASES) * len(TRIPS) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
