#!/usr/bin/env bash
# The command line as the package installs it: --version of both programs, the manual
# pages rendered by man without a warning, and every subcommand that `morvaren-cli --help`
# lists documented in the manual page, with its --help, and offered by the bash completion
# with the options its --help names.
#     befehlszeile.sh WURZEL ARBEITSORDNER PAKETVERSION
set -euo pipefail
wurzel="$1"
tmp="$2"
version="${3%-*}"
mkdir -p "$tmp"
fehler() {
  echo "FEHLER: $*" >&2
  exit 1
}
cli="$wurzel/usr/bin/morvaren-cli"
man1="$wurzel/usr/share/man/man1"
vervollstaendigung="$wurzel/usr/share/bash-completion/completions/morvaren-cli"

# --version needs no display: the program answers before Qt looks for one.
[ "$("$cli" --version)" = "morvaren-cli $version" ] || fehler "morvaren-cli --version: $("$cli" --version)"
v="$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$wurzel/usr/bin/morvaren-tool" --version)"
[ "$v" = "morvaren-tool $version" ] || fehler "morvaren-tool --version: $v"

# Each page as man shows it on a UTF-8 and on a plain ASCII terminal, and through groff with
# every warning on; not one warning.
for seite in morvaren-tool morvaren-tool-starten morvaren-cli; do
  for sprache in C.UTF-8 C; do
    LC_ALL=$sprache MANWIDTH=80 man --warnings=w -l "$man1/$seite.1.gz" 2>"$tmp/warnungen" |
      col -bx >"$tmp/$seite.$sprache.txt"
    [ ! -s "$tmp/warnungen" ] || fehler "man $seite ($sprache): $(cat "$tmp/warnungen")"
  done
  zcat "$man1/$seite.1.gz" | groff -man -ww -Tutf8 -z 2>"$tmp/warnungen"
  [ ! -s "$tmp/warnungen" ] || fehler "groff -ww $seite: $(cat "$tmp/warnungen")"
  grep -q "^morvaren-[a-z]* $version " "$tmp/$seite.C.UTF-8.txt" || fehler "Version fehlt in man $seite"
done
seite="$tmp/morvaren-cli.C.UTF-8.txt"
grep -q "Befehlszeile von Hadrik's Morvaren Tool" "$seite" || fehler "Umlaute oder Name falsch: $(head -5 "$seite")"

# The subcommands as the tool lists them, the subsections of BEFEHLE in the page: the same.
mapfile -t befehle < <("$cli" --help | sed -n '/^Befehle:/,/^$/s/^  \([a-z][a-z-]*\) .*/\1/p')
[ ${#befehle[@]} -gt 0 ] || fehler "morvaren-cli --help nennt keine Befehle"
abschnitte="$(sed -n '/^BEFEHLE/,/^[A-Z]/s/^   \([a-z][a-z-]*\)$/\1/p' "$seite")"
[ "$abschnitte" = "$(printf '%s\n' "${befehle[@]}")" ] ||
  fehler "Abschnitte in man morvaren-cli: $abschnitte; morvaren-cli --help: ${befehle[*]}"

# The completion as bash runs it: COMP_WORDS holds the line, the last word is completed.
ergaenzen() {
  (cd "$tmp/dateien" && bash -c '
    source /usr/share/bash-completion/bash_completion
    source "$1"
    shift
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    COMP_LINE="$*"
    COMP_POINT=${#COMP_LINE}
    _morvaren_cli morvaren-cli "${COMP_WORDS[-1]}" "${COMP_WORDS[-2]}"
    printf "%s\n" "${COMPREPLY[@]}"' _ "$vervollstaendigung" morvaren-cli "$@") | sort
}
mkdir -p "$tmp/dateien"
touch "$tmp/dateien/bericht.txt" "$tmp/dateien/schwerter.mvt_bl"

erwartet="$(printf '%s\n' "${befehle[@]}" --help --version | sort)"
[ "$(ergaenzen "")" = "$erwartet" ] || fehler "Ergänzung der Befehle: $(ergaenzen "" | tr '\n' ' ')"

for b in "${befehle[@]}"; do
  "$cli" "$b" --help >"$tmp/hilfe" || fehler "morvaren-cli $b --help endet mit $?"
  head -1 "$tmp/hilfe" | grep -q "^Aufruf: morvaren-cli $b" || fehler "morvaren-cli $b --help: $(head -1 "$tmp/hilfe")"
  [ "$(LC_ALL=C.UTF-8 wc -L <"$tmp/hilfe")" -le 79 ] || fehler "morvaren-cli $b --help: Zeile über 79 Zeichen"
  optionen="$(sed -n '/^Argumente und Optionen:/,/^$/s/^  \(--[a-z-]*\).*/\1/p' "$tmp/hilfe" | sort)"
  echo "$optionen" | grep -qx -- --help || fehler "morvaren-cli $b --help nennt --help nicht"
  # The calls use exactly the options the list describes.
  imaufruf="$( (sed -n '1,/^$/p' "$tmp/hilfe" | grep -o -- '--[a-z-]*'; echo --help) | sort -u)"
  [ "$imaufruf" = "$optionen" ] || fehler "morvaren-cli $b --help: Aufruf $(echo $imaufruf), Liste $(echo $optionen)"
  # The page's subsection of this subcommand describes every option in a paragraph of its own.
  sed -n "/^   $b\$/,/^\(   [a-z][a-z-]*\|[A-Z].*\)\$/p" "$seite" >"$tmp/abschnitt"
  for o in $optionen; do
    grep -Eq -- "^ {7}$o( |\$)" "$tmp/abschnitt" || fehler "man morvaren-cli: $o fehlt bei $b"
  done
  [ "$(ergaenzen "$b" --)" = "$optionen" ] ||
    fehler "Ergänzung der Optionen von $b: $(ergaenzen "$b" -- | tr '\n' ' '), erwartet: $(echo $optionen)"
done

# Values: world numbers after --welt, files where a file is asked for, nothing for free text.
for b in route karte katalog; do
  [ "$(ergaenzen "$b" --welt "")" = "$(printf '1\n2\n3')" ] || fehler "Ergänzung nach $b --welt"
done
dateien="$(printf 'bericht.txt\nschwerter.mvt_bl')"
[ "$(ergaenzen kampfbericht "")" = "$dateien" ] || fehler "Ergänzung der Datei nach kampfbericht"
[ "$(ergaenzen bauliste s)" = schwerter.mvt_bl ] || fehler "Ergänzung des Dateinamens nach bauliste"
[ "$(ergaenzen bauliste x.mvt_bl --optionen "")" = "$dateien" ] || fehler "Ergänzung nach --optionen"
# The argument after an option's value is still the first; there is no second.
[ "$(ergaenzen analyse --modus 2 "")" = "$dateien" ] || fehler "Ergänzung nach analyse --modus 2"
[ "$(ergaenzen bauliste x.mvt_bl "")" = "" ] || fehler "Ergänzung eines zweiten Arguments von bauliste"
[ "$(ergaenzen route --start "")" = "" ] || fehler "Ergänzung nach route --start"
echo "Befehlszeile in Ordnung: ${befehle[*]}"
