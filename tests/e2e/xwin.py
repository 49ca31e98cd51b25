#!/usr/bin/env python3
"""Small X11 helpers for the end-to-end tests (used through lib.sh), on libX11 by ctypes only.

  xwin.py close WID                 send WM_DELETE_WINDOW, exactly what a window manager's close
                                    button does (xdotool windowclose destroys the window instead,
                                    and the program then dies of a BadWindow error)
  xwin.py ppm FILE X,Y [X,Y ...]    print "R G B" for each window-relative point of a binary PPM
                                    (P6, 8-bit) as written by `import -window W -depth 8 ppm:FILE`
  xwin.py nonblack FILE             exit 0 when the PPM holds a pixel other than pure black
"""
import ctypes
import re
import sys


def close(wid):
    x = ctypes.CDLL('libX11.so.6')
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XInternAtom.restype = ctypes.c_ulong
    x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]

    class ClientMessage(ctypes.Structure):
        _fields_ = [('type', ctypes.c_int), ('serial', ctypes.c_ulong), ('send_event', ctypes.c_int),
                    ('display', ctypes.c_void_p), ('window', ctypes.c_ulong),
                    ('message_type', ctypes.c_ulong), ('format', ctypes.c_int), ('l', ctypes.c_long * 5)]

    class Event(ctypes.Union):
        _fields_ = [('xclient', ClientMessage), ('pad', ctypes.c_long * 24)]

    x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                             ctypes.POINTER(Event)]
    x.XFlush.argtypes = x.XCloseDisplay.argtypes = [ctypes.c_void_p]
    d = x.XOpenDisplay(None)
    if not d:
        sys.exit('xwin.py: cannot open the display')
    e = Event()
    e.xclient.type, e.xclient.window, e.xclient.format = 33, wid, 32  # 33 = ClientMessage
    e.xclient.message_type = x.XInternAtom(d, b'WM_PROTOCOLS', 0)
    e.xclient.l[0] = x.XInternAtom(d, b'WM_DELETE_WINDOW', 0)
    x.XSendEvent(d, wid, 0, 0, ctypes.byref(e))
    x.XFlush(d)
    x.XCloseDisplay(d)


def readppm(path):
    data = open(path, 'rb').read()
    m = re.match(rb'P6\s+(\d+)\s+(\d+)\s+255\s', data)
    if not m:
        sys.exit(f'xwin.py: {path} is not an 8-bit binary PPM')
    return int(m[1]), int(m[2]), data[m.end():]


def ppm(path, points):
    w, h, body = readppm(path)
    for p in points:
        px, py = (int(v) for v in p.split(','))
        if not (0 <= px < w and 0 <= py < h):
            sys.exit(f'xwin.py: point {px},{py} is outside the {w}x{h} image')
        i = 3 * (py * w + px)
        print(body[i], body[i + 1], body[i + 2])


def main(argv):
    if len(argv) >= 3 and argv[1] == 'close':
        close(int(argv[2], 0))
    elif len(argv) >= 3 and argv[1] == 'ppm':
        ppm(argv[2], argv[3:])
    elif len(argv) == 3 and argv[1] == 'nonblack':
        _, _, body = readppm(argv[2])
        sys.exit(0 if body.strip(b'\0') else 1)
    else:
        sys.exit(__doc__)


if __name__ == '__main__':
    main(sys.argv)
