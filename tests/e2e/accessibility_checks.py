"""Uses the running program through AT-SPI alone, as a screen reader does,
and checks what assistive technology may ask of it: a calculation has its
result announced; every text query answers, and every attribute run holds
the character asked for; the windows are a frame and a dialog that reads
its rule; the read-only box takes no edit; and no window that a modal
window blocks takes an action. Ends the program with its exit button.
Prints a line for each check, as expectations.sh does, and exits at the
first that fails."""

import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

# A call that the program does not answer fails in this time, not never.
Atspi.set_timeout(3000, 3000)
DEADLINE_SECONDS = 10
BOUNDARIES = [getattr(pyatspi, "TEXT_BOUNDARY_" + name)
              for name in "CHAR WORD_START WORD_END SENTENCE_START SENTENCE_END LINE_START LINE_END".split()]


def expect(what, condition, found=""):
    if not condition:
        print(f"FAIL  accessibility: {what}: found {found}")
        sys.exit(1)
    print(f"ok    accessibility: {what}")


def eventually(find):
    deadline = time.monotonic() + DEADLINE_SECONDS
    while (found := tried(find)) is None and time.monotonic() < deadline:
        time.sleep(0.05)
        while GLib.MainContext.default().iteration(False):
            pass  # delivers the events listened for
    return found


def tried(find):
    try:
        return find()
    except GLib.GError:  # an object gone while it was looked at
        return None


def descendants(root):
    for child in root:
        yield child
        yield from descendants(child)


# Roles by their numbers: AT-SPI renames some of them between releases.
TEXT_BOX_ROLES = (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY)


def control(root, roles, name):
    return next((a for a in descendants(root) if a.getRole() in roles and a.name == name), None)


def windows(app, name):
    return [window for window in app if window and window.name == name]


def role_of(accessible):
    return accessible and accessible.getRole()


def text_of(box):
    return box.queryText().getText(0, -1)


def edit(box, text):
    try:
        box.queryEditableText().setTextContents(text)
    except NotImplementedError:
        pass


def press(button):
    button.queryAction().doAction(0)


def answers_at_every_offset(box):
    text, full = box.queryText(), text_of(box)
    for offset in range(-1, len(full) + 2):  # and one past either end
        inside = 0 <= offset < len(full)
        for boundary in BOUNDARIES:
            try:
                part, start, end = text.getTextAtOffset(offset, boundary)
                text.getTextBeforeOffset(offset, boundary)
                text.getTextAfterOffset(offset, boundary)
            except Exception as error:
                return f"no answer at offset {offset}, boundary {boundary}: {error}"
            if (part and part != full[start:end]) or (inside and not start <= offset < end):
                return f"'{part}' ({start}, {end}) at offset {offset}, boundary {boundary}"
        if inside:
            _, start, end = text.getAttributeRun(offset, True)
            if not start <= offset < end:
                return f"attribute run ({start}, {end}) at offset {offset}"
    return None


def main():
    desktop = pyatspi.Registry.getDesktop(0)
    app = eventually(lambda: next((a for a in desktop if a and a.name == "Vondrel"), None))
    expect("the program is on the accessibility bus", app)
    form1 = eventually(lambda: next(iter(windows(app, "VondrelV1.0    -    [编程: Trelmon]")), None))
    expect("the main window is a frame", role_of(form1) == pyatspi.ROLE_FRAME, role_of(form1))
    load, period, result = (control(form1, TEXT_BOX_ROLES, name) for name in ("负载 R", "电源电压周期 T", "滤波电容"))
    calculate, principle, end = (control(form1, [pyatspi.ROLE_PUSH_BUTTON], name) for name in ("计算", "计算原理", "退出"))

    # An announcement, or before Qt 6.8 a notification object that shows.
    announced = []
    def on_showing(event):
        if event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            announced.append(event.source.name)
    def on_announcement(event):
        announced.append(event.any_data)
    listeners = {on_showing: "object:state-changed:showing", on_announcement: "object:announcement"}
    for listener, event in listeners.items():
        pyatspi.Registry.registerEventListener(listener, event)
    edit(load, "100")
    edit(period, "0.02")
    press(calculate)
    expect("Calculate shows the result", eventually(lambda: text_of(result) == "300.0" or None), text_of(result))
    expect("Calculate has the result and its unit announced",
           eventually(lambda: announced == ["300.0 微法"] or None), announced)
    for listener, event in listeners.items():
        pyatspi.Registry.deregisterEventListener(listener, event)
    for box in (load, period, result):
        fault = answers_at_every_offset(box)
        expect(f"{box.name} answers text queries at every offset and boundary", fault is None, fault)

    try:
        editable = result.queryEditableText()
        editable.setTextContents("1")
        editable.insertText(0, "2", 1)
        editable.deleteText(0, 2)
    except NotImplementedError:
        pass
    expect("the result box takes no edit", text_of(result) == "300.0", text_of(result))

    press(principle)
    form2 = eventually(lambda: next(iter(windows(app, "Form2")), None))
    expect("the principle window is a dialog", role_of(form2) == pyatspi.ROLE_DIALOG, role_of(form2))
    expect("the principle window reads its rule", "C ≥ (3~5)T / (2R)" in form2.description, form2.description)
    edit(load, "1000")
    press(calculate)
    press(principle)
    time.sleep(1)  # a click that did run would have shown by now
    found = (len(windows(app, "Form2")), text_of(load), text_of(result))
    expect("behind the principle window, nothing opens or changes", found == (1, "100", "300.0"), found)
    press(control(form2, [pyatspi.ROLE_PUSH_BUTTON], "退出"))
    expect("the principle window closes", eventually(lambda: not windows(app, "Form2") or None))

    edit(period, "")
    press(calculate)
    box = eventually(lambda: next(iter(windows(app, "Vondrel")), None))
    expect("incomplete input opens an alert", role_of(box) == pyatspi.ROLE_ALERT, role_of(box))
    edit(period, "0.02")
    press(calculate)
    time.sleep(1)
    found = (len(windows(app, "Vondrel")), text_of(period), text_of(result))
    expect("behind the alert, nothing opens or changes", found == (1, "", "300.0"), found)
    press(control(box, [pyatspi.ROLE_PUSH_BUTTON], "确定"))
    expect("the alert closes", eventually(lambda: not windows(app, "Vondrel") or None))
    press(end)


main()
