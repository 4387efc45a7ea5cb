# Orca itself listening to Kestrilon, run by orca.sh: it starts openbox, Orca with its debug
# log and the program in the language asked for, drives them with keys alone through
# xdotool, and reads what Orca chose to say from the log's SPEECH OUTPUT lines. Exits
# non-zero with a list of what went wrong.
import os
import re
import signal
import subprocess
import sys
import threading
import time
import tty
import xml.etree.ElementTree as ElementTree

program, language, translations, cam_words, work = sys.argv[1:6]
# "simulation" plays the simulation and the test; "workshop" hears a warning in the workshop.
mode = sys.argv[6] if len(sys.argv) > 6 else "simulation"
log_path = os.path.join(work, "orca.log")
failures = []
started = []
# Orca writes its debug log through Python's buffered file, which holds lines back for
# seconds; given a terminal, it writes each line as it goes. The log is read off the
# terminal's other end as it comes, and kept in the run's folder.
log_lines = []
log_lock = threading.Lock()

# Each cam's start and stop as the window offers them, one cam a line in Tab order, written
# by the build from the window's own words (app/camwords.h).
with open(cam_words, encoding="utf-8") as file:
    CAMS = [line.rstrip("\n").split("\t") for line in file if line.strip()]

# What the learner should hear, in the program's own English; other languages take the
# words from the translation files, so the test follows their wording.
ENGLISH = {
        "cams": [start for start, _ in CAMS],
        "stop": CAMS[0][1],
        "instruction": "Please click on the start button to begin the test",
        "questions": ["Click on the snail cam.", "Click on the double lobe cam.",
                      "Click on the Pear shaped cam.",
                      "Click on the cam which gives a slow lift and a fast drop.",
                      "Click on the cam which produces the fastest cycle.",
                      "Click on the cam which can only go in one direction.",
                      "Click on the cam with the longest time with no lift.",
                      "Click on the cam with the lowest start.",
                      "Click on the cam which works hardest.",
                      "Click on the cam which gives the smoothest lift."],
        "score": "You scored %1 out of %2",
        "workshop": "Kestrilon cam workshop",
        "base circle": "Base circle radius",
        "law box": "Law",
        "law": "cycloidal",
        "steep": "The pressure angle reaches",
}
# A cam whose base circle is a millimetre from the smallest that keeps the pressure angle
# within 30°: one step down and the workshop must warn.
NEARLY_STEEP = """{"format": "kestrilon-cam", "version": 1, "name": "Nearly steep",
 "rotation": "anticlockwise", "baseCircleRadius": 36, "shaftHoleDiameter": 8,
 "follower": {"type": "roller", "radius": 8, "offset": 5},
 "segments": [
   {"kind": "rise", "angle": 90, "height": 20, "law": "cycloidal"},
   {"kind": "dwell", "angle": 90},
   {"kind": "return", "angle": 90, "height": 20, "law": "cycloidal"},
   {"kind": "dwell", "angle": 90}]}
"""
# Orca's own words, in Orca's language, which the run leaves English.
UNAVAILABLE = "grayed"


def translated(language):
    if language == "en":
        table = {}
    else:
        tree = ElementTree.parse(os.path.join(translations, f"kestrilon_{language}.ts"))
        table = {}
        for message in tree.iter("message"):
            source, translation = message.find("source"), message.find("translation")
            if translation is None or translation.get("type") is not None:
                continue
            # A count's last plural form is the one for many, in each of these languages.
            forms = [form.text for form in translation.iter("numerusform")]
            text = forms[-1] if forms else translation.text
            if text:
                table.setdefault(source.text, text)

    def tr(text):
        return table.get(text, text)

    words = {key: [tr(t) for t in value] if isinstance(value, list) else tr(value)
             for key, value in ENGLISH.items()}
    words["speed"] = [tr("%n milliseconds").replace("%n", n) for n in ("501", "1000")]
    # The learner answers the first picture, the double lobe, every time: 3 right.
    words["score"] = words["score"].replace("%1", "3").replace("%2", "10")
    return words


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what, flush=True)
    if not condition:
        failures.append(what)
    return condition


def start(command, **kwargs):
    process = subprocess.Popen(command, **kwargs)
    started.append(process)
    return process


def log_text():
    with log_lock:
        return "".join(log_lines)


def read_log(master):
    with open(log_path, "w", encoding="utf-8") as kept:
        while True:
            try:
                chunk = os.read(master, 65536)
            except OSError:
                return
            if not chunk:
                return
            text = chunk.decode("utf-8", errors="replace").replace("\r", "")
            kept.write(text)
            with log_lock:
                log_lines.append(text)


def spoken(text):
    return re.findall(r"SPEECH OUTPUT: '(.*?)'", text)


# Waits until Orca has said something matching `want` since `mark` (a length of the log);
# returns the speech heard since the mark.
def hear(mark, want=None, seconds=8):
    end = time.monotonic() + seconds
    while True:
        heard = spoken(log_text()[mark:])
        if want is None and time.monotonic() >= end:
            return heard
        if want is not None and any(want in line for line in heard):
            return heard
        if time.monotonic() >= end:
            return heard
        time.sleep(0.1)


def key(*names, settle=1.0, want=None):
    mark = len(log_text())
    for name in names:
        subprocess.run(["xdotool", "key", name], check=True)
        time.sleep(0.15)
    heard = hear(mark, want, settle if want is None else 8)
    if want is not None:
        # Give Orca a moment for what follows the wanted words.
        time.sleep(0.5)
        heard = spoken(log_text()[mark:])
    return heard


def start_orca():
    env = dict(os.environ)
    subprocess.run(["gsettings", "set", "org.gnome.desktop.interface", "toolkit-accessibility",
                    "true"], stderr=subprocess.DEVNULL, check=False)
    start(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    master, terminal = os.openpty()
    tty.setraw(terminal)
    threading.Thread(target=read_log, args=(master,), daemon=True).start()
    start(["orca", "--debug-file=" + os.ttyname(terminal)], env=env,
          stdout=subprocess.DEVNULL, stderr=open(os.path.join(work, "orca.err"), "w"))
    check("Screen reader on" in " ".join(hear(0, "Screen reader on", 60)), "Orca has started")
    return dict(env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")


# The learner tabs to the base circle, takes a millimetre off, and hears the new warning.
def workshop():
    words = translated(language)
    app_env = start_orca()
    design = os.path.join(work, "nearly-steep.kcam")
    with open(design, "w", encoding="utf-8") as file:
        file.write(NEARLY_STEEP)
    app = start([program, "--lang", language, "--workshop", design], env=app_env,
                stderr=open(os.path.join(work, "program.err"), "w"))
    heard = hear(0, words["workshop"], 90)
    check(any(words["workshop"] in line for line in heard), f"the workshop is named: {heard[-4:]}")
    time.sleep(1)
    heard = []
    law = None
    for _ in range(30):
        heard = key("Tab", settle=0.8)
        if any(words["law box"] in line for line in heard):
            law = heard
        if any(words["base circle"] in line for line in heard):
            break
    check(law is not None and any(words["law"] in line for line in law),
          f"a choice is spoken with what is chosen: {law}")
    check(any(words["base circle"] in line for line in heard),
          f"the base circle's box is named on focus: {heard}")
    heard = key("Down", want=words["steep"])
    check(sum(words["steep"] in line for line in heard) == 1,
          f"the new warning is spoken once as it appears: {heard}")
    heard = key("Up", settle=2)
    check(not any(words["steep"] in line for line in heard),
          f"a warning that went is not spoken again: {heard}")
    text = log_text()
    check("bad content sent to speak()" not in text, "no bad content sent to speak()")
    check(app.poll() is None, "the program is still running")


def main():
    words = translated(language)
    app_env = start_orca()
    app = start([program, "--lang", language], env=app_env,
                stderr=open(os.path.join(work, "program.err"), "w"))
    heard = hear(0, words["speed"][0].split()[-1], 90)
    print("opened:", heard[-6:], flush=True)

    for cam in words["cams"]:
        heard = key("Tab", want=cam)
        check(any(cam in line for line in heard), f"{cam!r} is spoken on focus: {heard}")
    heard = key(*["shift+Tab"] * (len(words["cams"]) - 1), want=words["cams"][0])
    heard = key("space", want=words["stop"])
    check(any(words["stop"] in line for line in heard), f"a start is spoken: {heard}")
    heard = key("Tab", want=words["cams"][1])
    check(any(UNAVAILABLE in line for line in heard),
          f"a refused start is spoken as unavailable: {heard}")
    heard = key("shift+Tab", want=words["stop"])
    heard = key("space", want=words["cams"][0])
    check(any(words["cams"][0] in line for line in heard), f"a stop is spoken: {heard}")
    # From the first cam's spot past every other cam's to the scroll bar.
    key(*["Tab"] * len(words["cams"]), settle=1.5)
    for press, said in zip(("Right", "End"), words["speed"]):
        heard = key(press, want=said)
        check(any(said in line for line in heard), f"the speed is spoken with its unit: {heard}")

    heard = key("F10", "Return", want=words["instruction"])
    check(any(words["instruction"] in line for line in heard),
          f"the test window's instruction is read as it opens: {heard}")
    print("test window:", heard, flush=True)
    for number, question in enumerate(words["questions"], 1):
        heard = key("space", want=question)
        check(sum(question in line for line in heard) == 1,
              f"question {number} is spoken once as it appears: {heard}")
        heard = key("space", settle=1.5)
        print(f"answered {number}:", heard, flush=True)
    heard = key("space", want=words["score"])
    check(sum(words["score"] in line for line in heard) == 1,
          f"the score is spoken as one sentence: {heard}")

    text = log_text()
    check("bad content sent to speak()" not in text, "no bad content sent to speak()")
    check(app.poll() is None, "the program is still running")


try:
    workshop() if mode == "workshop" else main()
finally:
    for process in reversed(started):
        if process.poll() is None:
            process.send_signal(signal.SIGTERM)
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
    if failures:
        print("What Orca said:", flush=True)
        for line in spoken(log_text()):
            print("   ", line, flush=True)
print("FAIL" if failures else "PASS", flush=True)
sys.exit(1 if failures else 0)
