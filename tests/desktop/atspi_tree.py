#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Ferrox developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Walks ferrox's accessible tree over AT-SPI, as a screen reader does: the main window and
the rename dialog, opened through its button's own action. Every object needs a role and a
name; the kinds of control a screen reader must meet there have to be present; a check box's
toggle action must change its checked state. Run by atspi_check.sh inside a private session
bus: atspi_tree.py FERROX WORK_DIR."""

import os
import signal
import subprocess
import sys
import time

import pyatspi

FERROX, WORK = sys.argv[1], sys.argv[2]


def wait_for(what, seconds=20.0):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            found = what()
        except Exception:  # the tree changes under a walk while windows come and go
            found = None
        if found:
            return found
        time.sleep(0.1)
    return None


def children(acc):
    return [acc.getChildAtIndex(i) for i in range(acc.childCount)]


def descendants(acc):
    for child in children(acc):
        if child is None:
            continue
        yield child
        yield from descendants(child)


def role_name(acc):
    return acc.getRoleName()


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def application(pid):
    for app in children(pyatspi.Registry.getDesktop(0)):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def window(app, role, name=None):
    for top in children(app):
        if top is not None and top.getRole() == role and (name is None or top.name == name):
            return top
    return None


def check_tree(label, top, required_roles):
    problems = []
    seen_roles = set()
    objects = list(descendants(top))
    for acc in objects:
        role = acc.getRole()
        seen_roles.add(role)
        if role in (pyatspi.ROLE_INVALID, pyatspi.ROLE_UNKNOWN):
            problems.append(f"no role: {acc.name!r}")
        if not acc.name.strip():
            problems.append(f"no name: a {role_name(acc)}")
    for role in required_roles:
        if role not in seen_roles:
            problems.append(f"no {pyatspi.Role(role)!s} at all")
    print(f"atspi-check: {label}: {len(objects)} objects")
    for acc in objects:
        print(f"    {role_name(acc):14} {acc.name}")
    for problem in problems:
        print(f"atspi-check: {label}: {problem}", file=sys.stderr)
    return not problems


def find(top, role, name):
    for acc in descendants(top):
        if acc.getRole() == role and acc.name == name:
            return acc
    return None


def filled_dialog(app):
    """The open dialog once its buttons are there: a dialog is shown first, then filled."""
    dialog = window(app, pyatspi.ROLE_DIALOG)
    return dialog if dialog and find(dialog, pyatspi.ROLE_PUSH_BUTTON, "Cancel") else None


def act(acc, action):
    actions = acc.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i).lower() == action:
            return actions.doAction(i)
    raise RuntimeError(f"{acc.name!r} has no {action} action")


def checked(acc):
    return acc.getState().contains(pyatspi.STATE_CHECKED)


def main():
    log = open(os.path.join(WORK, "ferrox.log"), "w")
    ferrox = subprocess.Popen([FERROX, "--simulate"], stdout=log, stderr=subprocess.STDOUT)
    ok = False
    try:
        ok = walk(ferrox)
    finally:
        ferrox.send_signal(signal.SIGTERM)
        try:
            status = ferrox.wait(15)
        except subprocess.TimeoutExpired:
            ferrox.kill()
            status = ferrox.wait()
        log.close()
    if status != 0:
        print(f"atspi-check: ferrox ended with {status}", file=sys.stderr)
    if status != 0 or not ok:
        with open(os.path.join(WORK, "ferrox.log")) as text:
            sys.stderr.write(text.read())
    return ok and status == 0


def walk(ferrox):
    """The checks, on the running program; true when all passed."""
    app = wait_for(lambda: application(ferrox.pid))
    main_window = app and wait_for(lambda: window(app, pyatspi.ROLE_FRAME))
    if not main_window:
        print("atspi-check: ferrox's main window never appeared on the accessibility bus",
              file=sys.stderr)
        return False
    ok = check_tree("main window", main_window, [
        pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_COMBO_BOX,
        pyatspi.ROLE_SLIDER, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_PROGRESS_BAR,
        pyatspi.ROLE_LABEL])

    wake = find(main_window, pyatspi.ROLE_CHECK_BOX, "Wake up on movement")
    if not wake:
        print("atspi-check: no check box named 'Wake up on movement'", file=sys.stderr)
        ok = False
    else:
        before = checked(wake)
        act(wake, "toggle")
        if not wait_for(lambda: checked(wake) != before, 5):
            print("atspi-check: the check box's toggle action changed nothing",
                  file=sys.stderr)
            ok = False

    rename = find(main_window, pyatspi.ROLE_PUSH_BUTTON, "Rename the current profile")
    if not rename:
        print("atspi-check: no rename button", file=sys.stderr)
        return False
    act(rename, "press")
    dialog = wait_for(lambda: filled_dialog(app))
    if not dialog:
        print("atspi-check: the rename dialog never appeared", file=sys.stderr)
        return False
    ok = check_tree(f"dialog {dialog.name!r}", dialog, [
        pyatspi.ROLE_TEXT, pyatspi.ROLE_PUSH_BUTTON]) and ok
    cancel = find(dialog, pyatspi.ROLE_PUSH_BUTTON, "Cancel")
    if not cancel:
        print("atspi-check: the dialog has no Cancel button", file=sys.stderr)
        return False
    act(cancel, "press")
    if not wait_for(lambda: window(app, pyatspi.ROLE_DIALOG) is None, 10):
        print("atspi-check: Cancel did not close the dialog", file=sys.stderr)
        ok = False
    return ok


if __name__ == "__main__":
    sys.exit(0 if main() else 1)
