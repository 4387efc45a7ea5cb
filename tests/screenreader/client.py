# A screen-reader client on the AT-SPI bus: it starts Kestrilon, listens for
# the events a reader speaks, starts and stops the pear through the Press
# action, grabs the window to see the pear turn, and plays the whole test
# through accessible actions. Run by run.sh inside a virtual display and a
# D-Bus session. Exits non-zero with a list of what went wrong.
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


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what, flush=True)
    if not condition:
        failures.append(what)


def on_event(event):
    try:
        name = event.source.get_name() or ""
    except GLib.Error:
        name = ""
    data = event.any_data
    events.append((event.type, name, event.detail1, data if isinstance(data, str) else None))


def pump(seconds):
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        if not context.iteration(False):
            time.sleep(0.01)


def find(node, role, name, depth=0):
    if node is None or depth > 12:
        return None
    try:
        if node.get_role_name() == role and node.get_name() == name:
            return node
        for i in range(node.get_child_count()):
            found = find(node.get_child_at_index(i), role, name, depth + 1)
            if found:
                return found
    except GLib.Error:
        return None
    return None


def wait_for(root_fn, role, name, seconds=10):
    end = time.monotonic() + seconds
    while time.monotonic() < end and app.poll() is None:
        found = find(root_fn(), role, name)
        if found:
            return found
        pump(0.1)
    return None


def press(node):
    action = node.get_action_iface()
    for i in range(action.get_n_actions()):
        if action.get_action_name(i) == "Press":
            action.do_action(i)
            return
    raise RuntimeError("no Press action on " + node.get_name())


def since(mark):
    return events[mark:]


# What a reader would speak: inserted text, or the new name of whatever was renamed.
def spoken_since(mark):
    return [name if kind == "object:property-change:accessible-name" else data
            for kind, name, _, data in since(mark)
            if data or kind == "object:property-change:accessible-name"]


def grab(name):
    path = os.path.join(grab_dir, name + ".rgb")
    # The stage, where the cam turns, in root-window pixels of the centred window.
    subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:" + path], check=True)
    with open(path, "rb") as f:
        return f.read()


listener = Atspi.EventListener.new(on_event)
for kind in ("object:state-changed:showing", "object:state-changed:sensitive",
             "object:state-changed:enabled", "object:property-change:accessible-name",
             "object:text-changed", "object:children-changed", "focus:"):
    listener.register(kind)

environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
with open(stderr_path, "w") as stderr:
    app = subprocess.Popen([program], env=environment, stderr=stderr)
try:
    desktop = lambda: Atspi.get_desktop(0)  # noqa: E731
    # A build under the sanitizers on a busy machine may take a while to start.
    pear = wait_for(desktop, "push button", "Start the pear cam", seconds=90)
    check(pear is not None, "the pear's start button is on the bus")
    if pear is None:
        sys.exit(1)
    pump(0.5)

    # Start, then stop, the pear through the accessible Press action.
    mark = len(events)
    press(pear)
    pump(1.0)
    started = since(mark)
    check(("object:state-changed:showing", "Start the pear cam", 0, None) in
          [(t, n, d, None) for t, n, d, _ in started],
          "starting the pear is heard as its start button no longer showing")
    refused = {n for t, n, d, _ in started if t == "object:state-changed:sensitive" and d == 0}
    check({"Start the double lobe cam", "Start the snail cam"} <= refused,
          "the other start buttons are heard becoming unavailable")
    other = find(desktop(), "push button", "Start the snail cam")
    check(other is not None
          and not other.get_state_set().contains(Atspi.StateType.SENSITIVE),
          "a refused start button reports itself insensitive")
    first = grab("first")
    pump(0.6)
    second = grab("second")
    check(first != second, "the pear turns: two grabs differ")
    graph = find(desktop(), "image", "Lift graph of the pear cam")
    told = graph.get_description() if graph else ""
    check("cycle" in told and "600, 200" in told, "the pear's graph is told in words: " + told)

    stop = find(desktop(), "push button", "Stop the pear cam")
    check(stop is not None, "the pear's stop button is offered while it runs")
    mark = len(events)
    if stop:
        press(stop)
    pump(1.0)
    stopped = [(t, n, d) for t, n, d, _ in since(mark)]
    check(("object:state-changed:showing", "Start the pear cam", 1) in stopped,
          "stopping the pear is heard as its start button showing again")
    check(not any(t == "object:children-changed" for t, _, _, _ in events),
          "no children-changed events, which the bus cannot carry whole")

    # The test window, opened from the menu bar and played by actions alone.
    menu = find(desktop(), "menu item", "Test")
    check(menu is not None, "the Test menu item is on the bus")
    if menu:
        menu.get_action_iface().do_action(0)
    start = wait_for(desktop, "push button", "Click to Start")
    check(start is not None, "the test window's start button is on the bus")
    if start is None:
        sys.exit(1)
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
            mark = len(events)
            press(button)
            pump(0.5)
            spoken = spoken_since(mark)
            check(question in spoken, f"{play}, question {number} is heard: {question}")
            picture = find(desktop(), "push button", answer)
            mark = len(events)
            press(picture)
            pump(0.5)
            button = find(desktop(), "push button", "Next Question")
            check(button is not None, f"{play}, answer {number} offers the next question")
            if button is None:
                sys.exit(1)
        mark = len(events)
        press(button)
        pump(0.5)
        spoken = spoken_since(mark)
        check("You scored 7 out of 10" in spoken, f"{play}, the score is heard as one sentence")
        start = find(desktop(), "push button", "Another Go ?")
        check(start is not None, f"{play}, another go is offered")
        if start is None:
            break
finally:
    if app.poll() is not None:
        print(f"the program ended by itself, status {app.returncode}", flush=True)
    app.terminate()
    app.wait(10)
    with open(stderr_path) as f:
        program_errors = f.read()
    check("dbind-WARNING" not in program_errors,
          "no dbind-WARNING on the program's error output")
    if failures:
        print("The program's error output:\n" + program_errors, flush=True)

print(f"{len(events)} events heard", flush=True)
sys.exit(1 if failures else 0)
