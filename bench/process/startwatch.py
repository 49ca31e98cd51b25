#!/usr/bin/env python3
"""One whole-process run of a windowed program under the current DISPLAY, for measure.sh.

  startwatch.py [--idle S] [--rss-at S] [--xvfb-pid PID] [--log FILE] BINARY

Prints one JSON line:
  map_ms     process start -> its top-level window is mapped (MapNotify on the root window)
  frame_ms   process start -> the window first shows a non-black pixel on row 300 (it is black
             until the first frame reaches it)
  rss_kb     VmRSS from /proc/PID/status at --rss-at seconds after start (default 2)
  cpu_pct    utime+stime of all the process's threads over --idle seconds (default 10) of
             untouched running, starting 1 s after the first frame and not before 3 s, as % of
             one core (clock ticks of 10 ms: +-0.1 % over 10 s)
  xvfb_pct   the same for the X server over the same seconds (it receives every frame)
  exit_code  after WM_DELETE_WINDOW (a window manager's close button); "killed" if still running
             10 s later
Start is taken just before fork/exec. The window is found by X events (no polling); after it is
mapped, one 1-pixel-high row is read with XGetImage every 1 ms, so frame_ms has a resolution of
about 1 ms plus one X round trip.
"""
import argparse
import ctypes
import json
import os
import select
import subprocess
import sys
import time

X = ctypes.CDLL('libX11.so.6')
vp, ul, ci = ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int


class MapEvent(ctypes.Structure):  # XMapEvent
    _fields_ = [('type', ci), ('serial', ul), ('send_event', ci), ('display', vp),
                ('event', ul), ('window', ul), ('override_redirect', ci)]


class ClientMessage(ctypes.Structure):  # XClientMessageEvent
    _fields_ = [('type', ci), ('serial', ul), ('send_event', ci), ('display', vp), ('window', ul),
                ('message_type', ul), ('format', ci), ('l', ctypes.c_long * 5)]


class Event(ctypes.Union):
    _fields_ = [('type', ci), ('xmap', MapEvent), ('xclient', ClientMessage), ('pad', ctypes.c_long * 24)]


class Image(ctypes.Structure):  # XImage, up to the fields read here
    _fields_ = [('width', ci), ('height', ci), ('xoffset', ci), ('format', ci), ('data', vp),
                ('byte_order', ci), ('bitmap_unit', ci), ('bitmap_bit_order', ci), ('bitmap_pad', ci),
                ('depth', ci), ('bytes_per_line', ci), ('bits_per_pixel', ci)]


ERRORHANDLER = ctypes.CFUNCTYPE(ci, vp, vp)
X.XOpenDisplay.restype = vp
X.XOpenDisplay.argtypes = [ctypes.c_char_p]
X.XDefaultRootWindow.restype = ul
X.XDefaultRootWindow.argtypes = [vp]
X.XSelectInput.argtypes = [vp, ul, ctypes.c_long]
X.XSync.argtypes = [vp, ci]
X.XFlush.argtypes = [vp]
X.XPending.argtypes = [vp]
X.XNextEvent.argtypes = [vp, ctypes.POINTER(Event)]
X.XConnectionNumber.argtypes = [vp]
X.XInternAtom.restype = ul
X.XInternAtom.argtypes = [vp, ctypes.c_char_p, ci]
X.XGetWindowProperty.argtypes = [vp, ul, ul, ctypes.c_long, ctypes.c_long, ci, ul,
                                 ctypes.POINTER(ul), ctypes.POINTER(ci), ctypes.POINTER(ul),
                                 ctypes.POINTER(ul), ctypes.POINTER(vp)]
X.XFree.argtypes = [vp]
X.XGetImage.restype = ctypes.POINTER(Image)
X.XGetImage.argtypes = [vp, ul, ci, ci, ctypes.c_uint, ctypes.c_uint, ul, ci]
X.XDestroyImage.argtypes = [ctypes.POINTER(Image)]
X.XSendEvent.argtypes = [vp, ul, ci, ctypes.c_long, ctypes.POINTER(Event)]
X.XSetErrorHandler.argtypes = [ERRORHANDLER]

MAP_NOTIFY, CLIENT_MESSAGE = 19, 33
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
Z_PIXMAP, ALL_PLANES, XA_CARDINAL = 2, 0xFFFFFFFF, 6
TICKS = os.sysconf('SC_CLK_TCK')


def window_pid(d, w, atom):
    kind, fmt, n, after, prop = ul(), ci(), ul(), ul(), vp()
    if X.XGetWindowProperty(d, w, atom, 0, 1, 0, XA_CARDINAL, ctypes.byref(kind), ctypes.byref(fmt),
                            ctypes.byref(n), ctypes.byref(after), ctypes.byref(prop)) != 0:
        return None
    try:
        return ctypes.cast(prop, ctypes.POINTER(ctypes.c_long))[0] if n.value and prop else None
    finally:
        if prop:
            X.XFree(prop)


def row_nonblack(d, w, width, y):
    img = X.XGetImage(d, w, 0, y, width, 1, ALL_PLANES, Z_PIXMAP)
    if not img:
        return False  # not viewable yet, or gone
    try:
        i = img.contents
        row = ctypes.string_at(i.data, i.bytes_per_line)
        if i.bits_per_pixel != 32:
            return row.strip(b'\0') != b''
        unused = 3 if i.byte_order == 0 else 0  # 24-bit colour in 32-bit pixels
        return any(row[k:4 * width:4].strip(b'\0') for k in range(4) if k != unused)
    finally:
        X.XDestroyImage(img)


def cputicks(pid):
    with open(f'/proc/{pid}/stat') as f:
        fields = f.read().rsplit(')', 1)[1].split()
    return int(fields[11]) + int(fields[12])  # utime, stime (fields 14, 15 of stat)


def vmrss_kb(pid):
    with open(f'/proc/{pid}/status') as f:
        for line in f:
            if line.startswith('VmRSS:'):
                return int(line.split()[1])
    return None


def sleep_until(t):
    dt = t - time.monotonic()
    if dt > 0:
        time.sleep(dt)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('--idle', type=float, default=10.0)
    ap.add_argument('--rss-at', type=float, default=2.0)
    ap.add_argument('--xvfb-pid', type=int)
    ap.add_argument('--log', default=os.devnull)
    ap.add_argument('--timeout', type=float, default=20.0)
    ap.add_argument('binary')
    a = ap.parse_args()

    d = X.XOpenDisplay(None)
    if not d:
        sys.exit('startwatch.py: cannot open the display')
    ignore = ERRORHANDLER(lambda _d, _e: 0)  # a window that goes away mid-read is not fatal here
    X.XSetErrorHandler(ignore)
    root = X.XDefaultRootWindow(d)
    X.XSelectInput(d, root, SUBSTRUCTURE_NOTIFY_MASK)
    X.XSync(d, 0)
    pid_atom = X.XInternAtom(d, b'_NET_WM_PID', 0)
    fd = X.XConnectionNumber(d)
    out = {'binary': a.binary}
    log = open(a.log, 'ab')

    t0 = time.monotonic()
    proc = subprocess.Popen([a.binary], stdin=subprocess.DEVNULL, stdout=log, stderr=log)
    deadline = t0 + a.timeout
    ev, win = Event(), None
    while win is None and time.monotonic() < deadline and proc.poll() is None:
        if not X.XPending(d):
            select.select([fd], [], [], 0.05)
        while X.XPending(d):
            X.XNextEvent(d, ctypes.byref(ev))
            if ev.type == MAP_NOTIFY and window_pid(d, ev.xmap.window, pid_atom) == proc.pid:
                win = ev.xmap.window
                out['map_ms'] = round(1000 * (time.monotonic() - t0), 1)
                break
    while win is not None and 'frame_ms' not in out and time.monotonic() < deadline and proc.poll() is None:
        if row_nonblack(d, win, 1200, 300):
            out['frame_ms'] = round(1000 * (time.monotonic() - t0), 1)
        else:
            time.sleep(0.001)
    X.XSelectInput(d, root, 0)

    if 'frame_ms' in out:
        sleep_until(t0 + a.rss_at)
        out['rss_kb'] = vmrss_kb(proc.pid)
        if a.idle > 0:
            start = max(t0 + 3.0, t0 + out['frame_ms'] / 1000 + 1.0)
            sleep_until(start)
            c0, x0, w0 = cputicks(proc.pid), a.xvfb_pid and cputicks(a.xvfb_pid), time.monotonic()
            sleep_until(start + a.idle)
            c1, x1, w1 = cputicks(proc.pid), a.xvfb_pid and cputicks(a.xvfb_pid), time.monotonic()
            out['cpu_pct'] = round(100 * (c1 - c0) / TICKS / (w1 - w0), 2)
            if a.xvfb_pid:
                out['xvfb_pct'] = round(100 * (x1 - x0) / TICKS / (w1 - w0), 2)
    else:
        out['error'] = 'no window mapped' if win is None else 'window never left black'

    if win is not None and proc.poll() is None:
        e = Event()
        e.xclient.type, e.xclient.window, e.xclient.format = CLIENT_MESSAGE, win, 32
        e.xclient.message_type = X.XInternAtom(d, b'WM_PROTOCOLS', 0)
        e.xclient.l[0] = X.XInternAtom(d, b'WM_DELETE_WINDOW', 0)
        X.XSendEvent(d, win, 0, 0, ctypes.byref(e))
        X.XFlush(d)
    try:
        out['exit_code'] = proc.wait(10)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()
        out['exit_code'] = 'killed'
    print(json.dumps(out), flush=True)


if __name__ == '__main__':
    main()
