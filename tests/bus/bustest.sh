#!/usr/bin/env bash
# The program on the real accessibility bus: a virtual X display, a session bus of its own,
# the AT-SPI bus inside it, and bustest.py reading as a screen reader.
#     bustest.sh MORVAREN-TOOL
hier="$(cd "$(dirname "$0")" && pwd)"
# Debian's Python, which has the bindings of python3-pyatspi (another python3 may come first).
python=/usr/bin/python3
[ -x "$python" ] || python=python3
for befehl in xvfb-run dbus-run-session "$python"; do
  if ! command -v "$befehl" >/dev/null; then
    echo "ÜBERSPRUNGEN: $befehl fehlt"
    exit 77
  fi
done
exec env -u QT_QPA_PLATFORM -u DBUS_SESSION_BUS_ADDRESS -u AT_SPI_BUS_ADDRESS \
  xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- "$python" "$hier/bustest.py" "$1"
