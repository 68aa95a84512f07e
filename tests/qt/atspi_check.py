#!/usr/bin/python3
"""Reads the running calculator window over the desktop's accessibility bus (AT-SPI), as a screen reader
does, and checks what it hears: 15 radio buttons and no check box, every input field, drop-down, push
button and radio button with a name, the 7 result fields as read-only text. With xdotool, it then types into
the window with real keys of the X server (no window manager runs), presses Alt+S and reads the SWR
result, and opens the guide with F1.

    atspi_check.py APPLICATION_NAME

A loaded machine (a CI runner, the whole suite on two cores) is slow to start the window, to fill its
accessibility tree and to answer the bus: the check waits for each of these as long as a slow machine needs
(ATSPI_PATIENCE seconds, 150 unless told) and asks again while the tree is incomplete; what it checks at the
end is the same on a fast machine and a slow one.
"""
import os
import shutil
import subprocess
import sys
import time

import pyatspi

name = sys.argv[1]
patience = float(os.environ.get("ATSPI_PATIENCE", "150"))
deadline = time.time() + patience
window = None
while time.time() < deadline and window is None:
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == name and app.childCount > 0:
            for j in range(app.childCount):
                frame = app.getChildAtIndex(j)
                if frame is not None and frame.getRole() == pyatspi.ROLE_FRAME:
                    window = frame
    if window is None:
        time.sleep(0.5)
if window is None:
    print("atspi: the window of %s did not appear on the accessibility bus" % name)
    sys.exit(1)

found = {}
unnamed = []
texts = []


def walk(node, depth=0):
    if node is None or depth > 30:
        return
    role = node.getRole()
    found[role] = found.get(role, 0) + 1
    states = node.getState()
    if role in (pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_COMBO_BOX) or (
        role in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY) and states.contains(pyatspi.STATE_EDITABLE)
    ):
        if not node.name.strip():
            unnamed.append("%s in %s" % (node.getRoleName(), node.parent.name if node.parent else "?"))
    if role in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY):
        # Qt reports a read-only line edit as editable and read-only; a screen reader says "read only".
        texts.append((node.name, states.contains(pyatspi.STATE_EDITABLE) and not states.contains(pyatspi.STATE_READ_ONLY)))
    for i in range(node.childCount):
        walk(node.getChildAtIndex(i), depth + 1)


def reading():
    """Walks the window once and returns what does not hold, with the counts it heard."""
    found.clear()
    del unnamed[:]
    del texts[:]
    try:
        walk(window)
    except Exception as e:  # a bus that did not answer in time, or a node gone while it was read
        return ["the walk was cut short: %s" % e], ""
    radios = found.get(pyatspi.ROLE_RADIO_BUTTON, 0)
    checks = found.get(pyatspi.ROLE_CHECK_BOX, 0)
    buttons = found.get(pyatspi.ROLE_PUSH_BUTTON, 0)
    editable = sum(1 for _, e in texts if e)
    heard = ("atspi: %d radio buttons, %d check boxes, %d push buttons, %d editable and %d read-only text fields"
             % (radios, checks, buttons, editable, len(texts) - editable))
    wrong = []
    if radios != 15:
        wrong.append("%d radio buttons, not 15" % radios)
    if checks != 0:
        wrong.append("%d check boxes, not 0" % checks)
    if buttons < 9:
        wrong.append("%d push buttons, fewer than the window's 9" % buttons)
    if editable < 34:
        wrong.append("%d editable fields, fewer than the window's 34 inputs" % editable)
    if len(texts) - editable != 7:
        wrong.append("%d read-only text fields, not the window's 7 results" % (len(texts) - editable))
    if unnamed:
        wrong.append("without a name: " + ", ".join(unnamed))
    return wrong, heard


# The tree fills while the window is built: read it again until it holds, or the patience runs out.
failures, heard = reading()
while failures and time.time() < deadline:
    time.sleep(1)
    failures, heard = reading()
print(heard)
if "-v" in sys.argv:
    for t in texts:
        print("text", t)


def find(node, role, name, depth=0):
    if node is None or depth > 30:
        return None
    if node.getRole() == role and node.name == name:
        return node
    for i in range(node.childCount):
        hit = find(node.getChildAtIndex(i), role, name, depth + 1)
        if hit is not None:
            return hit
    return None


def until(what, seconds=patience):
    end = time.time() + seconds
    while time.time() < end:
        got = what()
        if got:
            return got
        time.sleep(0.2)
    return what()


xdotool = shutil.which("xdotool")
if xdotool and not failures:
    # The focus starts in R (Text7); Tab goes to X (Text8); Alt+S is the SWR button's access key.
    # 25 - j50 ohm on 50 ohm: |Gamma| = |(-25 - j50) / (75 - j50)| = 55.90 / 90.14 = 0.6202, SWR 4.266.
    # Keys typed before the window is active would go nowhere: wait for the activation first.
    if not until(lambda: window.getState().contains(pyatspi.STATE_ACTIVE)):
        failures.append("real keys: the window never became active")
    # And only once R has the focus, where the window puts it at the start.
    r_field = find(window, pyatspi.ROLE_TEXT, "R ohm") or find(window, pyatspi.ROLE_ENTRY, "R ohm")
    if not until(lambda: r_field is not None and r_field.getState().contains(pyatspi.STATE_FOCUSED)):
        failures.append("real keys: R (Text7) never had the focus")
    subprocess.run([xdotool, "type", "--delay", "30", "25"], check=True)
    subprocess.run([xdotool, "key", "Tab"], check=True)
    subprocess.run([xdotool, "type", "--delay", "30", "--", "-50"], check=True)
    subprocess.run([xdotool, "key", "alt+s"], check=True)
    result = find(window, pyatspi.ROLE_TEXT, "SWR e dati ausiliari")

    def swr():
        if result is None:
            return ""
        text = result.queryText()
        return text.getText(0, text.characterCount)

    shown = until(lambda: swr().startswith("SWR = 4.266"))
    print("atspi: after 25, Tab, -50, Alt+S the SWR result reads: %r" % swr()[:40])
    if not shown:
        failures.append("real keys: Alt+S did not compute the SWR")
    subprocess.run([xdotool, "key", "F1"], check=True)

    def guide():
        app = window.parent
        return any(app.getChildAtIndex(i) is not None and app.getChildAtIndex(i).name == "Guida di HamLineCalc"
                   for i in range(app.childCount))

    if not until(guide):
        failures.append("real keys: F1 did not open the guide's window")
    else:
        print("atspi: F1 opened the window \"Guida di HamLineCalc\"")
elif not xdotool:
    print("atspi: xdotool is not installed, the real keys are not tried")

for f in failures:
    print("atspi: " + f)
sys.exit(1 if failures else 0)
