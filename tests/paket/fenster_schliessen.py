#!/usr/bin/env python3
"""Starts a command on the X display, waits until it shows the window "Hadrik's Morvaren
Tool", closes that window as a window manager does (WM_DELETE_WINDOW, the frame's close
box) and waits until the program has ended. Exit code 0 only when all of that happened.

    fenster_schliessen.py BEFEHL [ARGUMENT...]

Talks to libX11 through ctypes, so it needs nothing beyond python3 and the X libraries
the program itself uses.
"""

import ctypes
import subprocess
import sys
import time

TITEL = b"Hadrik's Morvaren Tool"
IS_VIEWABLE = 2
CLIENT_MESSAGE = 33


class XWindowAttributes(ctypes.Structure):
    _fields_ = [
        ("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int), ("height", ctypes.c_int),
        ("border_width", ctypes.c_int), ("depth", ctypes.c_int), ("visual", ctypes.c_void_p),
        ("root", ctypes.c_ulong), ("klasse", ctypes.c_int), ("bit_gravity", ctypes.c_int),
        ("win_gravity", ctypes.c_int), ("backing_store", ctypes.c_int), ("backing_planes", ctypes.c_ulong),
        ("backing_pixel", ctypes.c_ulong), ("save_under", ctypes.c_int), ("colormap", ctypes.c_ulong),
        ("map_installed", ctypes.c_int), ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
        ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
        ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p),
    ]


class XClientMessageEvent(ctypes.Structure):
    _fields_ = [
        ("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
        ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
        ("format", ctypes.c_int), ("l", ctypes.c_long * 5),
    ]


class XEvent(ctypes.Union):
    _fields_ = [("xclient", XClientMessageEvent), ("pad", ctypes.c_long * 24)]


x = ctypes.cdll.LoadLibrary("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XOpenDisplay.argtypes = [ctypes.c_char_p]
x.XDefaultRootWindow.restype = ctypes.c_ulong
x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                         ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)),
                         ctypes.POINTER(ctypes.c_uint)]
x.XFetchName.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_char_p)]
x.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(XWindowAttributes)]
x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.POINTER(XEvent)]
x.XFlush.argtypes = [ctypes.c_void_p]
x.XFree.argtypes = [ctypes.c_void_p]


def hauptfenster(anzeige):
    """The shown top-level window with the program's title, or None."""
    wurzel, eltern = ctypes.c_ulong(), ctypes.c_ulong()
    kinder, anzahl = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
    if not x.XQueryTree(anzeige, x.XDefaultRootWindow(anzeige), ctypes.byref(wurzel), ctypes.byref(eltern),
                        ctypes.byref(kinder), ctypes.byref(anzahl)):
        return None
    gefunden = None
    for i in range(anzahl.value):
        w = kinder[i]
        name = ctypes.c_char_p()
        if x.XFetchName(anzeige, w, ctypes.byref(name)) and name.value is not None:
            titel = name.value
            x.XFree(name)
            a = XWindowAttributes()
            if titel == TITEL and x.XGetWindowAttributes(anzeige, w, ctypes.byref(a)) and a.map_state == IS_VIEWABLE:
                gefunden = (w, a.width, a.height)
    if kinder:
        x.XFree(kinder)
    return gefunden


def main():
    anzeige = x.XOpenDisplay(None)
    if not anzeige:
        print("keine X-Anzeige", file=sys.stderr)
        return 1
    programm = subprocess.Popen(sys.argv[1:])
    try:
        fenster = None
        ende = time.monotonic() + 60
        while fenster is None and time.monotonic() < ende and programm.poll() is None:
            time.sleep(0.2)
            fenster = hauptfenster(anzeige)
        if fenster is None:
            print("Hauptfenster nicht gezeigt", file=sys.stderr)
            return 1
        w, breite, hoehe = fenster
        print("Hauptfenster %dx%d" % (breite, hoehe))
        if breite < 792 or hoehe < 596:
            print("Hauptfenster zu klein", file=sys.stderr)
            return 1
        time.sleep(0.5)  # the start-up steps after show
        ereignis = XEvent()
        ereignis.xclient.type = CLIENT_MESSAGE
        ereignis.xclient.window = w
        ereignis.xclient.message_type = x.XInternAtom(anzeige, b"WM_PROTOCOLS", 0)
        ereignis.xclient.format = 32
        ereignis.xclient.l[0] = x.XInternAtom(anzeige, b"WM_DELETE_WINDOW", 0)
        x.XSendEvent(anzeige, w, 0, 0, ctypes.byref(ereignis))
        x.XFlush(anzeige)
        try:
            code = programm.wait(timeout=30)
        except subprocess.TimeoutExpired:
            print("Programm endet nach dem Schließen nicht", file=sys.stderr)
            return 1
        return 0 if code == 0 else 1
    finally:
        if programm.poll() is None:
            programm.kill()
            programm.wait()


if __name__ == "__main__":
    sys.exit(main())
