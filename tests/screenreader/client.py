# A screen-reader client on the AT-SPI bus, run by run.sh: it starts Kestrilon, listens for
# what a reader speaks, starts and stops the pear, sees it turn, hears each graph named once,
# and plays the whole test through accessible actions. Exits non-zero with a list of what
# went wrong.
import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

program, stderr_path, grab_dir = sys.argv[1:4]
failures = []
events = []
RENAMED = "object:property-change:accessible-name"


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what, flush=True)
    if not condition:
        failures.append(what)
    return condition


def on_event(event):
    try:
        name = event.source.get_name() or ""
    except GLib.Error:
        name = ""
    data = event.any_data if isinstance(event.any_data, str) else None
    events.append((event.type, name, event.detail1, data))


def pump(seconds):
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        if not context.iteration(False):
            time.sleep(0.01)


def search(node, role, name, depth=0):
    try:
        if node.get_role_name() == role and node.get_name() == name:
            return node
        for i in range(node.get_child_count() if depth < 12 else 0):
            child = node.get_child_at_index(i)
            found = child is not None and search(child, role, name, depth + 1)
            if found:
                return found
    except GLib.Error:
        pass
    return None


# Looks for the node for up to `seconds` while the program runs; ends the run without a
# node that is `needed` (a description of it).
def find(role, name, seconds=0, needed=None):
    end = time.monotonic() + seconds
    found = search(Atspi.get_desktop(0), role, name)
    while not found and time.monotonic() < end and app.poll() is None:
        pump(0.1)
        found = search(Atspi.get_desktop(0), role, name)
    if needed and not check(found is not None, needed):
        sys.exit(1)
    return found


# Presses the node (Press, or a menu item's first action) and returns the events heard.
def press(node, wait, action_name="Press"):
    mark = len(events)
    action = node.get_action_iface()
    names = [action.get_action_name(i) for i in range(action.get_n_actions())]
    action.do_action(names.index(action_name) if action_name else 0)
    pump(wait)
    return events[mark:]


# What a reader would speak: inserted text, or the new name of whatever was renamed.
def spoken(heard):
    return [name if kind == RENAMED else data for kind, name, _, data in heard
            if data or kind == RENAMED]


def grab(name):
    path = os.path.join(grab_dir, name + ".rgb")
    subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:" + path], check=True)
    with open(path, "rb") as f:
        return f.read()


listener = Atspi.EventListener.new(on_event)
for kind in ("object:state-changed:showing", "object:state-changed:sensitive",
             "object:state-changed:enabled", RENAMED, "object:text-changed",
             "object:children-changed", "focus:"):
    listener.register(kind)

environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
with open(stderr_path, "w") as stderr:
    app = subprocess.Popen([program], env=environment, stderr=stderr)
try:
    # A build under the sanitizers on a busy machine may take a while to start.
    pear = find("push button", "Start the pear cam", 90, "the pear's start button is on the bus")
    pump(0.5)

    started = [(t, n, d) for t, n, d, _ in press(pear, 1.0)]
    check(("object:state-changed:showing", "Start the pear cam", 0) in started,
          "starting the pear is heard as its start button no longer showing")
    refused = {n for t, n, d in started if t == "object:state-changed:sensitive" and d == 0}
    check({"Start the double lobe cam", "Start the snail cam"} <= refused,
          "the other start buttons are heard becoming unavailable")
    other = find("push button", "Start the snail cam")
    check(other is not None and not other.get_state_set().contains(Atspi.StateType.SENSITIVE),
          "a refused start button reports itself insensitive")
    first = grab("first")
    pump(0.6)
    check(first != grab("second"), "the pear turns: two grabs differ")
    graph = find("image", "Lift graph of the pear cam")
    told = graph.get_description() if graph else ""
    check("cycle" in told and "It falls quickly" in told,
          "the pear's graph is told in words: " + told)
    # A reader speaks an image's name and then its description: each name once, whether
    # its graph is traced (the pear's) or not yet (the others').
    for cam in ("pear", "double lobe", "snail"):
        name = f"Lift graph of the {cam} cam"
        graph = find("image", name)
        said = f"{name}. {graph.get_description()}" if graph else ""
        check(said.count(name) == 1 and said.count("Lift graph") == 1,
              f"the {cam} graph's name is spoken once: {said}")

    stop = find("push button", "Stop the pear cam", 0, "the pear's stop button is offered")
    stopped = [(t, n, d) for t, n, d, _ in press(stop, 1.0)]
    check(("object:state-changed:showing", "Start the pear cam", 1) in stopped,
          "stopping the pear is heard as its start button showing again")
    check(not any(t == "object:children-changed" for t, _, _, _ in events),
          "no children-changed events, which the bus cannot carry whole")

    # The test window, opened from the menu bar and played by actions alone.
    press(find("menu item", "Test", 0, "the Test menu item is on the bus"), 0, None)
    start = find("push button", "Click to Start", 10, "the test window's start button is shown")
    pump(0.5)

    # Right, wrong, right... as one learner might answer.
    answers = [("Click on the snail cam.", "Snail cam"),
               ("Click on the double lobe cam.", "Snail cam"),
               ("Click on the Pear shaped cam.", "Pear cam"),
               ("Click on the cam which gives a slow lift and a fast drop.", "Snail cam"),
               ("Click on the cam which produces the fastest cycle.", "Pear cam"),
               ("Click on the cam which can only go in one direction.", "Snail cam"),
               ("Click on the cam with the longest time with no lift.", "Pear cam"),
               ("Click on the cam with the lowest start.", "Double lobe cam"),
               ("Click on the cam which works hardest.", "Double lobe cam"),
               ("Click on the cam which gives the smoothest lift.", "Snail cam")]
    for play in ("first go", "another go"):
        button = start
        for number, (question, answer) in enumerate(answers, 1):
            check(question in spoken(press(button, 0.5)),
                  f"{play}, question {number} is heard: {question}")
            press(find("push button", answer), 0.5)
            button = find("push button", "Next Question", 0,
                          f"{play}, answer {number} offers the next question")
        check("You scored 7 out of 10" in spoken(press(button, 0.5)),
              f"{play}, the score is heard as one sentence")
        start = find("push button", "Another Go ?", 0, f"{play}, another go is offered")
finally:
    if app.poll() is not None:
        print(f"the program ended by itself, status {app.returncode}", flush=True)
    app.terminate()
    app.wait(10)
    with open(stderr_path) as f:
        program_errors = f.read()
    check("dbind-WARNING" not in program_errors, "no dbind-WARNING on the program's error output")
    if failures:
        print("The program's error output:\n" + program_errors, flush=True)

print(f"{len(events)} events heard", flush=True)
sys.exit(1 if failures else 0)
