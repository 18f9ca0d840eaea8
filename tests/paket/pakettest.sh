#!/usr/bin/env bash
# The Debian package as a player gets it: built by cpack from the build folder, accepted by
# lintian, its file list and dependencies, the menu entry and metadata validated, unpacked
# into a temporary root; its manual pages rendered and checked against morvaren-cli's
# subcommands, as is its bash completion; and its launcher started like the menu entry with
# a fresh HOME under Xvfb.
#     pakettest.sh BUILDORDNER
set -euo pipefail
bau="$(cd "$1" && pwd)"
hier="$(cd "$(dirname "$0")" && pwd)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fehler() {
  echo "FEHLER: $*" >&2
  exit 1
}

cpack --config "$bau/CPackConfig.cmake" -B "$tmp/cpack" >"$tmp/cpack.log" 2>&1 || {
  cat "$tmp/cpack.log"
  fehler "cpack"
}
deb="$tmp/cpack/morvaren-tool_1.13a-1_amd64.deb"
[ -f "$deb" ] || fehler "kein $(basename "$deb"), sondern: $(ls "$tmp/cpack")"

# Debian's own checker: no error, no warning.
lintian --fail-on error,warning --display-info --tag-display-limit 0 "$deb" || fehler "lintian"

# Files: program, launcher, command line, menu entry, icons, metadata, manual pages,
# completion, copyright and changelog; nothing outside /usr.
dpkg-deb -c "$deb" | awk '{print $6}' >"$tmp/liste"
seiten=(morvaren-tool morvaren-tool-starten morvaren-cli)
erwartet=(./usr/bin/morvaren-tool ./usr/bin/morvaren-tool-starten ./usr/bin/morvaren-cli
  ./usr/share/applications/org.example.morvaren_tool.desktop
  ./usr/share/metainfo/org.example.morvaren_tool.metainfo.xml
  ./usr/share/bash-completion/completions/morvaren-cli
  ./usr/share/doc/morvaren-tool/copyright ./usr/share/doc/morvaren-tool/changelog.Debian.gz)
for s in "${seiten[@]}"; do
  erwartet+=("./usr/share/man/man1/$s.1.gz")
done
for n in 16 24 32 48 64 128 256; do
  erwartet+=("./usr/share/icons/hicolor/${n}x${n}/apps/morvaren-tool.png")
done
for f in "${erwartet[@]}"; do
  grep -qxF "$f" "$tmp/liste" || fehler "$f fehlt im Paket"
done
if grep -v -e '^\./$' -e '^\./usr/' "$tmp/liste"; then
  fehler "Dateien außerhalb von /usr"
fi

# Dependencies from the binary, the window system plugin, the German Qt texts recommended.
abh="$(dpkg-deb -f "$deb" Depends)"
for p in libqt6widgets6 libcurl4 libjpeg62-turbo qt6-qpa-plugins; do
  grep -q "$p" <<<"$abh" || fehler "Depends ohne $p: $abh"
done
grep -q qt6-translations-l10n <<<"$(dpkg-deb -f "$deb" Recommends)" || fehler "Recommends ohne qt6-translations-l10n"

wurzel="$tmp/wurzel"
dpkg-deb -x "$deb" "$wurzel"
desktop="$wurzel/usr/share/applications/org.example.morvaren_tool.desktop"
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$wurzel/usr/share/metainfo/org.example.morvaren_tool.metainfo.xml"
file -b "$wurzel/usr/share/icons/hicolor/256x256/apps/morvaren-tool.png" | grep -q "256 x 256, 8-bit/color RGBA" ||
  fehler "Symbol 256 ist kein RGBA-Bild mit 256 x 256"
grep -qx "Icon=morvaren-tool" "$desktop" || fehler "Icon fehlt im Menüeintrag"

bash "$hier/befehlszeile.sh" "$wurzel" "$tmp/befehlszeile" "$(dpkg-deb -f "$deb" Version)"

# The menu entry's command from the unpacked root, with a fresh HOME: options.ini lands
# in the player's data folder, not where the launcher was started.
befehl="$(sed -n 's/^Exec=//p' "$desktop")"
[ "$befehl" = morvaren-tool-starten ] || fehler "unerwarteter Befehl: $befehl"
starten() {
  (cd "$tmp/start" && env -u QT_QPA_PLATFORM -u XDG_DATA_HOME "$@" PATH="$wurzel/usr/bin:$PATH" \
    xvfb-run -a -s "-screen 0 1024x768x24" python3 "$hier/fenster_schliessen.py" "$befehl")
}
mkdir "$tmp/start" "$tmp/heim"
starten HOME="$tmp/heim"
[ -s "$tmp/heim/.local/share/morvaren-tool/options.ini" ] || fehler "options.ini fehlt in HOME/.local/share/morvaren-tool"
[ ! -e "$tmp/start/options.ini" ] || fehler "options.ini im Startordner"

# A set XDG_DATA_HOME is the data folder's base instead.
mkdir "$tmp/heim2"
starten HOME="$tmp/heim2" XDG_DATA_HOME="$tmp/daten"
[ -s "$tmp/daten/morvaren-tool/options.ini" ] || fehler "options.ini fehlt in XDG_DATA_HOME/morvaren-tool"
[ ! -e "$tmp/heim2/.local/share/morvaren-tool" ] || fehler "Ordner in HOME trotz XDG_DATA_HOME"
echo "Paket in Ordnung: $(basename "$deb")"
