#include "cli/Befehlshilfe.h"

#include <QStringList>

#include <algorithm>

namespace mvt::cli {

namespace {

constexpr auto Datei = TErgaenzung::Datei;
constexpr auto Woerter = TErgaenzung::Woerter;
constexpr const char *Welten = "1 2 3";

// A new subcommand gets its entry here, in order of the name; the manual page and the
// completion take it from here at the next build.
const std::vector<TBefehlshilfe> Tabelle = {
    {.Name = "analyse",
     .Kurz = "Detaillierte Analyse einer Bauliste für einen Produktionsmodus als JSON",
     .Aufrufe = {"DATEI [--optionen INI] --modus M [--lager LAGERDATEI]"},
     .Argumente = {{"DATEI", "", "die Bauliste (*.mvt_bl)", Datei}},
     .Optionen = {{"--optionen", "INI", "Preise, Gebäude und Welt aus dieser options.ini", Datei},
                  {"--modus", "M",
                   "Produktionsmodus: 1 Einfache Produktion, 2 + Zutaten produzieren Lv1, 3 + Zutaten "
                   "produzieren Lv2, 4 Alles selbst produzieren",
                   Woerter, "1 2 3 4"},
                  {"--lager", "LAGERDATEI",
                   "das Lager (lager.mvt_bl) vom Bedarf abziehen; alle Zahlen gelten dann nach "
                   "Abzug des Lagers",
                   Datei}},
     .Beschreibung =
         "Lädt die Bauliste wie \"bauliste\" und gibt jede Zelle und Beschriftung des "
         "Fensters \"Detaillierte Analyse der Bauliste\" für den Modus M aus, als Texte genau wie "
         "angezeigt.",
     .Ausgabe = "\"Modus\", \"Titel\"; die Tabellen \"Produkte\" (zuerst die Zeile \"Gesamt\"), "
                "\"Zwischenprodukte\", \"Zutaten\", \"Gebaeude\" und \"Fertigkeiten\" als Listen "
                "von Zeilen; \"Gewinn\" mit \"Ueberschrift\", \"ProStunde\", \"ProHandwerkstag\", "
                "\"ProHandwerkswoche\"; \"Zusammenfassung\" mit \"Name\", \"Anzahl\", \"Kosten\"; "
                "\"Einkaufsliste\" (Zeilen [Name, Anzahl, Kosten, Preis], was nach Abzug des Lagers "
                "zu kaufen ist) und \"AusDemLager\" (Zeilen [Name, Anzahl]); ohne --lager sind "
                "beide leer.",
     .Exitstatus = {{0, "Analyse ausgegeben"},
                    {1, "die Bauliste ist nicht lesbar"},
                    {2, "falscher Aufruf, Modus außerhalb von 1 bis 4 oder eine nicht lesbare "
                        "Lagerdatei"}}},
    {.Name = "archiv",
     .Kurz = "Das Kampfarchiv lesen und pflegen",
     .Aufrufe = {"DB liste [SUCHTEXT]", "DB zeigen ID", "DB verlauf NAME", "DB loeschen ID"},
     .Argumente = {{"DB", "", "das Kampfarchiv (kampfarchiv.sqlite)", Datei},
                   {"AKTION", "", "liste, zeigen, verlauf oder loeschen", Woerter,
                    "liste zeigen verlauf loeschen"}},
     .Optionen = {},
     .Beschreibung = "liste: die Kämpfe, neueste zuerst, wahlweise nur die, deren Titel oder "
                     "Kämpfernamen SUCHTEXT enthalten. zeigen: wertet den gespeicherten Bericht "
                     "aus und gibt genau aus, was \"kampfbericht DATEI\" ausgibt. verlauf: die "
                     "Summen eines Kämpfers in jedem Kampf, älteste zuerst. loeschen: entfernt "
                     "den Kampf.",
     .Ausgabe = "liste: je Kampf {\"Id\", \"Zeitpunkt\" (ISO 8601), \"Titel\", \"Kaempfer\", "
                "\"Runden\"}; zeigen: wie kampfbericht; verlauf: je Kampf {\"Id\", \"Zeitpunkt\", "
                "\"Schaden\", \"SchadenErhalten\", \"Heilung\"}.",
     .Exitstatus = {{0, "ausgeführt"},
                    {2, "falscher Aufruf, unbekannte Nummer, oder das Archiv ist nicht lesbar, "
                        "gesperrt, beschädigt oder von einer neueren Version"}}},
    {.Name = "bauliste",
     .Kurz = "Bauliste laden, durchrechnen und als JSON ausgeben",
     .Aufrufe = {"DATEI [--optionen INI]"},
     .Argumente = {{"DATEI", "", "die Bauliste (*.mvt_bl)", Datei}},
     .Optionen = {{"--optionen", "INI", "Preise, Gebäude und Welt aus dieser options.ini", Datei}},
     .Beschreibung = "Lädt eine Bauliste, rechnet sie mit den Standardpreisen (oder denen der "
                     "options.ini) durch und gibt Liste, Bedarfslisten, Analyse und Forumtext aus.",
     .Ausgabe = "\"Bauliste\" (Einträge mit \"Name\", \"Art\", \"Index\", \"Menge\"), "
                "\"Bedarfslisten\" (vier Listen solcher Zeilen, eine je Modus), \"Analyse\" "
                "(vier Objekte mit \"Marktwert\", \"Verkaufserloes\", \"Gesamtdauer\", "
                "\"Herstellungskosten\", \"Schichtanteil\", \"Zutatenanteil\", \"Gewinn\", "
                "\"GewinnProStunde\"), \"Forumtext\".",
     .Exitstatus = {{0, "Ergebnis ausgegeben"},
                    {1, "die Bauliste ist nicht lesbar"},
                    {2, "falscher Aufruf"}}},
    {.Name = "inventar",
     .Kurz = "Inventarseite einlesen: erkannte Werte, Slots und Charakter als JSON",
     .Aufrufe = {"DATEI"},
     .Argumente = {{"DATEI", "", "die gespeicherte Inventarseite (UTF-8 oder Windows-1252)", Datei}},
     .Optionen = {},
     .Beschreibung = "Liest die Seite wie \"Inventar auslesen\" im Charakter-Planer in einen neuen "
                     "Charakter ein.",
     .Ausgabe = "\"Welt\", \"Name\", \"Rasse\", \"Level\", \"Erfahrung\", \"Lebenspunkte\" (null, "
                "wenn nicht erkannt), \"Slots\", \"Meldung\" (der Text für den Spieler), "
                "\"Charakter\".",
     .Exitstatus = {{0, "Ergebnis ausgegeben"}, {1, "die Datei ist nicht lesbar"}, {2, "falscher Aufruf"}}},
    {.Name = "kampfbericht",
     .Kurz = "Kampfbericht auswerten (JSON)",
     .Aufrufe = {"DATEI [--forum] [--archiv DB]"},
     .Argumente = {{"DATEI", "", "der Kampfbericht (UTF-8 oder Windows-1252)", Datei}},
     .Optionen = {{"--forum", "",
                   "die Tabelle als Forumtext ausgeben, wie \"Als Forumtext kopieren\" sie kopiert"},
                  {"--archiv", "DB",
                   "den Kampf auch im Kampfarchiv DB speichern (SQLite, wird angelegt); die "
                   "Ausgabe beginnt dann mit \"ArchivId\"",
                   Datei}},
     .Beschreibung = "Wertet den Bericht wie der Kampfberichtauswerter aus. Das JSON wird Kämpfer "
                     "für Kämpfer geschrieben, der Speicher wächst also mit dem Bericht, nicht mit "
                     "der Ausgabe.",
     .Ausgabe = "\"Fehler\" (nicht lesbare Zeilen), \"Kaempfer\" (je Kämpfer \"Name\", "
                "\"Ueberlebt\", ..., \"Status\" mit den Blöcken \"Nahkampf\", \"Fernkampf\", "
                "\"Unbestimmt\" und \"Gesamt\", \"ProRunde\" mit den Werten jeder Runde), "
                "\"Runden\". Mit --forum statt dessen der Forumtext. Mit --archiv vorn "
                "\"ArchivId\", die Nummer des Kampfes im Archiv.",
     .Exitstatus = {{0, "ausgewertet (auch mit nicht lesbaren Zeilen)"},
                    {1, "die Datei ist nicht lesbar"},
                    {2, "falscher Aufruf, oder der Kampf konnte nicht archiviert werden (die "
                        "Auswertung wird trotzdem ausgegeben)"}}},
    {.Name = "karte",
     .Kurz = "Gelände, Reisekosten und Städte einer Welt",
     .Aufrufe = {"--welt N [--stadtliste DATEI]"},
     .Argumente = {},
     .Optionen = {{"--welt", "N", "Welt: 1 Dunladan, 2 Endurias, 3 Zyrthania", Woerter, Welten},
                  {"--stadtliste", "DATEI", "die Welt nach einer Aktualisierung der Städte aus DATEI",
                   Datei}},
     .Beschreibung = "Gibt die Gitter und Städte einer Welt aus, wie das Programm sie lädt.",
     .Ausgabe = "\"Welt\", \"Kartengroesse\"; die Gitter \"Reisekosten\", \"Grundgelaende\", "
                "\"Gelaende\", \"Stadtabstand\" als Zeilen y von Spalten x; \"Staedte\" mit "
                "\"X\", \"Y\", \"Text\".",
     .Exitstatus = {{0, "Karte ausgegeben"},
                    {1, "die Stadtliste ist nicht lesbar"},
                    {2, "falscher Aufruf oder keine Welt 1 bis 3"}}},
    {.Name = "katalog",
     .Kurz = "Eine Katalogzeile (oder --alle) als JSON",
     .Aufrufe = {"NAME [--welt N]", "--alle [--welt N]"},
     .Argumente = {{"NAME", "", "der deutsche Name einer Ware, eines Bausatzes oder Gebäudes"}},
     .Optionen = {{"--alle", "", "jede Zeile der fünf Tabellen, in ihrer Reihenfolge"},
                  {"--welt", "N", "Weltvariante: 1 Dunladan, 2 Endurias, 3 Zyrthania (Vorgabe)", Woerter,
                   Welten}},
     .Beschreibung = "Gibt einen Eintrag des eingebauten Katalogs aus.",
     .Ausgabe = "ein Objekt mit \"Name\", \"Tabellencode\", \"Index\" und jedem Feld des Eintrags "
                "(Zutaten als \"Zutaten\" oder \"Bauteile\"); mit --alle eine Liste solcher Objekte.",
     .Exitstatus = {{0, "Eintrag ausgegeben"}, {1, "unbekannter Name"}, {2, "falscher Aufruf"}}},
    {.Name = "optionen",
     .Kurz = "options.ini lesen und so wieder schreiben, wie das Programm es tut",
     .Aufrufe = {"EIN [--ausgabe AUS]"},
     .Argumente = {{"EIN", "", "die zu lesende options.ini", Datei}},
     .Optionen = {{"--ausgabe", "AUS", "in diese Datei schreiben statt auf die Standardausgabe", Datei}},
     .Beschreibung = "Liest die Datei wie das Programm beim Start und schreibt sie so, wie es sie "
                     "beim Beenden schreibt; eine ungültige Datei ergibt die Standardoptionen.",
     .Ausgabe = "kein JSON: die Datei selbst (Windows-1252, Zeilenenden CR LF).",
     .Exitstatus = {{0, "die Datei war gültig"},
                    {1, "falscher Aufruf, oder AUS ist nicht schreibbar"},
                    {2, "die Datei ist ungültig (AUS enthält dann die Standardoptionen)"}}},
    {.Name = "planer",
     .Kurz = "Charakter-Planer: Eingabe anwenden, Werte und Bewertung als JSON",
     .Aufrufe = {"EINGABE.json"},
     .Argumente = {{"EINGABE.json", "",
                    "die Eingabe, etwa eine mit \"Charakter speichern...\" gespeicherte Datei", Datei}},
     .Optionen = {},
     .Beschreibung = "Wendet die Eingabe wie ein Spieler im Charakter-Planer auf einen neuen "
                     "Charakter an. Schlüssel der Eingabe: \"Welt\", \"WirkungBerechnen\", \"Level\", "
                     "\"Erfahrung\", \"Slots\", \"Attribute\", \"Gegner\", \"Ansicht\", \"Wirkung\", "
                     "\"Optimierung\", \"Vergleich\" und \"Basis\" (eine zweite Eingabe oder ein "
                     "Dateiname neben der Eingabe).",
     .Ausgabe = "\"Charakter\", \"Arten\", \"Ansicht\", \"Slots\", \"Anzeige\", \"Offensive\", "
                "\"Defensive\"; wenn verlangt \"Optimierung\", \"Vergleich\" und \"Unterschiede\".",
     .Exitstatus = {{0, "Ergebnis ausgegeben"},
                    {2, "falscher Aufruf, Datei nicht lesbar oder ungültige Eingabe"}}},
    {.Name = "route",
     .Kurz = "Schnellste Route und Auftragsvarianten auf einer Welt",
     .Aufrufe = {"--welt N --start X,Y --ziel X,Y [--auftraege K] [--ohne-richtungsoptimierung]",
                 "--welt N --start X,Y --station X,Y [--station X,Y ...] [--reihenfolge R] "
                 "[--rueckkehr] [--auftraege K]"},
     .Argumente = {},
     .Optionen = {{"--welt", "N", "Welt: 1 Dunladan, 2 Endurias, 3 Zyrthania", Woerter, Welten},
                  {"--start", "X,Y", "Startfeld"},
                  {"--ziel", "X,Y", "Zielfeld"},
                  {"--station", "X,Y", "eine Station der Tour, höchstens 11 (mit dem Start 12)"},
                  {"--reihenfolge", "R",
                   "fest: die Stationen in der gegebenen Reihenfolge (Vorgabe); schnellste: "
                   "die schnellste Reihenfolge, der Start bleibt vorn",
                   Woerter, "fest schnellste"},
                  {"--rueckkehr", "", "die Tour endet wieder am Start"},
                  {"--auftraege", "K", "höchstens K Reiseaufträge (je Etappe), 1 bis 100 (Vorgabe 10)"},
                  {"--ohne-richtungsoptimierung", "", "die Suche ohne Richtungsoptimierung"}},
     .Beschreibung = "Sucht die schnellste Route wie der Routenplaner und fasst sie zu "
                     "Reiseaufträgen zusammen.\n\nMit --station plant es eine Tour vom Start "
                     "über die Stationen; jede Etappe wird wie eine einzelne Route gesucht und "
                     "auf höchstens K Aufträge gebracht.",
     .Ausgabe = "\"Welt\", \"Start\", \"Ziel\", \"Suchpfad\", \"Varianten\" (die Route mit 1, 2, "
                "... Aufträgen), \"Auftraege\", \"Route\", \"Reisezeit\", \"Zeitersparnis\", "
                "\"ZeitersparnisProzent\", \"Optimalitaet\", \"Felder\", \"ZeitProFeld\", "
                "\"Auftragsanzahl\", \"OptimaleLaenge\"; Felder als [x, y]. Mit --station: "
                "\"Stationen\" (in Besuchsreihenfolge, [x, y]), \"Etappen\" (je Etappe \"Von\", "
                "\"Nach\", \"Reisezeit\" in Minuten, \"Route\") und \"Reisezeit\" (die Summe).",
     .Exitstatus = {{0, "Route ausgegeben"},
                    {1, "ein Feld liegt außerhalb der Karte"},
                    {2, "falscher Aufruf oder ungültiger Wert; bei einer Tour auch eine Station "
                        "außerhalb der Karte, mehr als 12 Stationen oder zweimal dieselbe "
                        "Station hintereinander"}}},
    {.Name = "stadtliste",
     .Kurz = "Stadtliste aus einer Datei verarbeiten (wie heruntergeladen)",
     .Aufrufe = {"DATEI [--stand STAND]"},
     .Argumente = {{"DATEI", "", "eine Stadtliste im Format der TownList.txt", Datei}},
     .Optionen = {{"--stand", "STAND", "Stand der Liste, JJJJ.MM.TT.hh.mm (Vorgabe 9999.12.31.23.59)"}},
     .Beschreibung = "Verarbeitet die Datei wie eine heruntergeladene Stadtliste.",
     .Ausgabe = "\"Stand\", \"Welten\" (je Welt \"Welt\", \"Staedte\", \"Aktualisiert\"), "
                "\"Meldungen\".",
     .Exitstatus = {{0, "verarbeitet"}, {1, "die Datei ist nicht lesbar"}, {2, "falscher Aufruf"}}},
    {.Name = "staedte",
     .Kurz = "Städte einer Welt nach Namen oder Besitzer suchen",
     .Aufrufe = {"--welt N [SUCHTEXT]"},
     .Argumente = {{"SUCHTEXT", "",
                    "ein Teil des Namens oder des Besitzers (ä, ö, ü, ß auch als "
                    "ae, oe, ue, ss); ohne ihn alle Städte"}},
     .Optionen = {{"--welt", "N", "Welt: 1 Dunladan, 2 Endurias, 3 Zyrthania", Woerter, Welten}},
     .Beschreibung = "Sucht in der Stadtliste der Welt wie das Suchfeld des Routenplaners, "
                     "ohne Rücksicht auf Groß- und Kleinschreibung.",
     .Ausgabe = "eine Liste von {\"Name\", \"Besitzer\", \"x\", \"y\"}, nach Namen geordnet.",
     .Exitstatus = {{0, "Städte ausgegeben"}, {2, "falscher Aufruf oder ungültige Welt"}}},
    {.Name = "zauber",
     .Kurz = "Einen Zauber als JSON",
     .Aufrufe = {"NAME"},
     .Argumente = {{"NAME", "", "der Name des Zaubers"}},
     .Optionen = {},
     .Beschreibung = "Gibt einen Zauber der eingebauten Zaubertabelle aus.",
     .Ausgabe = "\"Nr\", \"Name\", \"KlammerName\", \"Element\", \"Typ\", \"Stufe\", \"Dauer\", "
                "\"Felder\", \"MinWert\", \"MaxWert\", \"SchadenProRunde\", \"Angriffe\", \"Preis\".",
     .Exitstatus = {{0, "Zauber ausgegeben"}, {1, "unbekannter Name"}, {2, "falscher Aufruf"}}},
};

QString U(const char *text)
{
    return QString::fromUtf8(text);
}

// "--welt N" or "DATEI".
QString Kopf(const THilfeEintrag &e)
{
    return *e.Wert ? U(e.Name) + QLatin1Char(' ') + U(e.Wert) : U(e.Name);
}

} // namespace

const THilfeEintrag HilfeOption{"--help", "", "diese Hilfe ausgeben"};

const std::vector<TBefehlshilfe> &Befehlshilfen()
{
    return Tabelle;
}

const TBefehlshilfe *BefehlshilfeSuchen(std::string_view name)
{
    const auto it =
        std::find_if(Tabelle.begin(), Tabelle.end(), [&](const TBefehlshilfe &h) { return name == h.Name; });
    return it == Tabelle.end() ? nullptr : &*it;
}

QString Umbrechen(const QString &text, int einzug, int breite)
{
    const QString vorne(einzug, QLatin1Char(' '));
    QString aus, zeile;
    for (const QString &wort : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!zeile.isEmpty() && einzug + zeile.size() + 1 + wort.size() > breite) {
            aus += vorne + zeile + QLatin1Char('\n');
            zeile.clear();
        }
        zeile += (zeile.isEmpty() ? QString() : QStringLiteral(" ")) + wort;
    }
    if (!zeile.isEmpty())
        aus += vorne + zeile + QLatin1Char('\n');
    return aus;
}

QString HilfeText(const TBefehlshilfe &h)
{
    const QString befehl = QStringLiteral("morvaren-cli ") + U(h.Name);
    QString t;
    // Each call on a line of its own, a long one continued further indented.
    for (size_t i = 0; i < h.Aufrufe.size(); ++i)
        t += (i == 0 ? QStringLiteral("Aufruf: ") : QStringLiteral("        ")) +
             Umbrechen(befehl + QLatin1Char(' ') + U(h.Aufrufe[i]), 10).mid(10);
    t += QLatin1Char('\n') + Umbrechen(U(h.Kurz) + QLatin1Char('.'), 0);
    for (const QString &absatz : U(h.Beschreibung).split(QStringLiteral("\n\n")))
        t += QLatin1Char('\n') + Umbrechen(absatz, 0);

    // Names and placeholders in a column as wide as the longest, texts beside them.
    std::vector<THilfeEintrag> eintraege = h.Argumente;
    eintraege.insert(eintraege.end(), h.Optionen.begin(), h.Optionen.end());
    eintraege.push_back(HilfeOption);
    qsizetype spalte = 0;
    for (const THilfeEintrag &e : eintraege)
        spalte = std::max(spalte, Kopf(e).size());
    const int einzug = static_cast<int>(spalte) + 4;
    t += QStringLiteral("\nArgumente und Optionen:\n");
    for (const THilfeEintrag &e : eintraege) {
        const QString text = Umbrechen(U(e.Text), einzug);
        t += QStringLiteral("  ") + Kopf(e).leftJustified(spalte + 2) + text.mid(einzug);
    }
    t += QStringLiteral("\nAusgabe:\n") + Umbrechen(U(h.Ausgabe), 2);
    t += QStringLiteral("\nExit-Status:\n");
    for (const auto &[code, text] : h.Exitstatus)
        t += QStringLiteral("  %1  ").arg(code) + Umbrechen(U(text), 5).mid(5);
    return t;
}

} // namespace mvt::cli
