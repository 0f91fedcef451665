"""A screen reader's view of one program, through AT-SPI as Orca reads and acts on it.

Run with Debian's /usr/bin/python3, whose pyatspi this is. One command a run:

  atspi_client.py enable
      Turns the session's accessibility bus on (org.a11y.Status.IsEnabled), as a desktop
      does when a screen reader starts: toolkits then publish their windows on it.
  atspi_client.py tree PID
      Prints, as JSON, the program's windows with every child: role, name, description,
      states, actions and, for a control with a value, its range, increment and value.
      Exit status 3 while the program has no window on the bus yet.
  atspi_client.py act PID ROLE NAME ACTION
      Performs an action of the first child of that role and name.
  atspi_client.py set PID ROLE NAME VALUE
      Sets the value of the first child of that role and name.
"""

import json
import sys

from gi.repository import Gio, GLib
import pyatspi

NOT_YET = 3


def enable():
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                  GLib.Variant("(ssv)", ("org.a11y.Status", "IsEnabled",
                                         GLib.Variant("b", True))),
                  None, Gio.DBusCallFlags.NONE, 5000, None)


def windows_of(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.get_process_id() == pid:
            return [window for window in app if window is not None]
    return []


def states(accessible):
    state = accessible.getState()
    return sorted(pyatspi.stateToString(s) for s in state.getStates())


def actions(accessible):
    try:
        action = accessible.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def value(accessible):
    try:
        v = accessible.queryValue()
    except NotImplementedError:
        return None
    return {"minimum": v.minimumValue, "maximum": v.maximumValue,
            "increment": v.minimumIncrement, "current": v.currentValue}


def describe(accessible):
    described = {"role": accessible.getRoleName(), "name": accessible.name,
                 "description": accessible.description, "states": states(accessible),
                 "actions": actions(accessible)}
    found = value(accessible)
    if found is not None:
        described["value"] = found
    return described


def tree(pid):
    windows = windows_of(pid)
    if not windows:
        return NOT_YET
    described = []
    for window in windows:
        entry = describe(window)
        entry["children"] = [describe(child) for child in window if child is not None]
        described.append(entry)
    print(json.dumps(described))
    return 0


def child(pid, role, name):
    for window in windows_of(pid):
        for candidate in window:
            if candidate is not None and candidate.getRoleName() == role \
                    and candidate.name == name:
                return candidate
    raise SystemExit(f"no {role} called {name!r}")


def act(pid, role, name, wanted):
    action = child(pid, role, name).queryAction()
    for i in range(action.nActions):
        if action.getName(i) == wanted:
            if not action.doAction(i):
                raise SystemExit(f"the {role} {name!r} refused {wanted}")
            return 0
    raise SystemExit(f"the {role} {name!r} offers no {wanted}")


def set_value(pid, role, name, new):
    child(pid, role, name).queryValue().currentValue = float(new)
    return 0


def main(argv):
    command, arguments = argv[1], argv[2:]
    if command == "enable":
        enable()
        return 0
    pid = int(arguments[0])
    if command == "tree":
        return tree(pid)
    if command == "act":
        return act(pid, *arguments[1:4])
    if command == "set":
        return set_value(pid, *arguments[1:4])
    raise SystemExit(f"unknown command {command}")


if __name__ == "__main__":
    sys.exit(main(sys.argv))
