#!/usr/bin/env python3
# Moves the pointer and clicks through the X test extension: xclick.py X Y [button]
import ctypes, sys
x11 = ctypes.CDLL("libX11.so.6")
xtst = ctypes.CDLL("libXtst.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
d = x11.XOpenDisplay(None)
if not d:
    sys.exit("no display")
d = ctypes.c_void_p(d)
x, y = int(sys.argv[1]), int(sys.argv[2])
button = int(sys.argv[3]) if len(sys.argv) > 3 else 1
xtst.XTestFakeMotionEvent(d, -1, x, y, 0)
x11.XFlush(d)
xtst.XTestFakeButtonEvent(d, button, 1, 0)
xtst.XTestFakeButtonEvent(d, button, 0, 30)
x11.XFlush(d)
x11.XCloseDisplay(d)
