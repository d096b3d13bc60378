#!/bin/sh
# Runs the journeys (the test program and its arguments) in a display of their
# own: a virtual X server of 1024x768 at 96 DPI with no window manager. The
# search for a free display starts at a number drawn from the process id, so
# that runs side by side do not reach for the same one.
exec xvfb-run -a -n $((200 + $$ % 800)) -s "-screen 0 1024x768x24 -dpi 96 -nolisten tcp" "$@"
