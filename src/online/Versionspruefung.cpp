#include "online/Versionspruefung.h"

#include "base/Textdatei.h"
#include "base/Optionen.h"
#include "online/Downloaddatei.h"

#include <cmath>

namespace mvt::online {

bool IstVersionstext(const QString &text)
{
    if (text.size() != 4 && text.size() != 5)
        return false;
    auto ziffer = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
    if (!ziffer(text[0]) || text[1] != QLatin1Char('.') || !ziffer(text[2]) || !ziffer(text[3]))
        return false;
    if (text.size() == 5) {
        const QChar b = text[4];
        return (b >= QLatin1Char('a') && b <= QLatin1Char('z')) ||
               (b >= QLatin1Char('A') && b <= QLatin1Char('Z'));
    }
    return true;
}

std::optional<TVersionsdatei> VersionsdateiLesen(const QByteArray &inhalt)
{
    const QStringList zeilen = ZeilenTrennen(TextDekodieren(inhalt));
    TVersionsdatei d;
    if (!zeilen.isEmpty())
        d.Version = zeilen[0];
    if (zeilen.size() > 1)
        d.Datum = zeilen[1];
    // The comparison looks at single characters; anything else is no version at all.
    if (!IstVersionstext(d.Version))
        return std::nullopt;
    return d;
}

bool IstNeuereVersion(const QString &entfernt, const QString &eigen)
{
    return entfernt != eigen && VersionMindestens(entfernt, eigen);
}

TVersionsauskunft VersionAbfragen(const QString &basis, const QString &ordner, const THttpGrenzen &grenzen)
{
    TVersionsauskunft a;
    TDownloaddatei temp(ordner, VersionsdateiTemp);
    const bool geholt = temp.Offen() && HttpHolen(basis + VersionsdateiPfad, temp.Datei(), grenzen);
    std::optional<QByteArray> inhalt;
    if (geholt)
        inhalt = temp.Inhalt(HoechstDateigroesse);
    temp.Entfernen();
    if (!geholt) {
        a.Ergebnis = TPruefergebnis::KeineVerbindung;
        return a;
    }
    const std::optional<TVersionsdatei> d = inhalt ? VersionsdateiLesen(*inhalt) : std::nullopt;
    if (!d) {
        a.Ergebnis = TPruefergebnis::Ungueltig;
        return a;
    }
    a.Datei = *d;
    a.Ergebnis = IstNeuereVersion(d->Version, Programmversion) ? TPruefergebnis::NeueVersion
                                                               : TPruefergebnis::AktuellerStand;
    return a;
}

QString Statustext(TPruefergebnis ergebnis)
{
    switch (ergebnis) {
    case TPruefergebnis::KeineVerbindung:
        return TextKeineVerbindung;
    case TPruefergebnis::Ungueltig:
        return TextUngueltig;
    case TPruefergebnis::NeueVersion:
        return TextNeueVersion;
    case TPruefergebnis::AktuellerStand:
        break;
    }
    return TextAktuell;
}

QString Versionszeile(const TVersionsdatei &d)
{
    return QStringLiteral("Version ") + d.Version + QStringLiteral(" vom ") + d.Datum;
}

double NaechsterTagesbeginn(double jetzt)
{
    return std::ceil(jetzt);
}

double NachVersionsfensterSchalter(bool an, double naechste, double jetzt)
{
    if (!an)
        return VersionspruefungAus;
    return naechste > jetzt + 1.0 ? NaechsterTagesbeginn(jetzt) : naechste;
}

double NachEinstellungsSchalter(bool an, double naechste, double jetzt)
{
    if (!an)
        return VersionspruefungAus;
    return naechste > jetzt + 1.0 ? 0.0 : naechste;
}

double NachAutomatischerAnzeige(double naechste, double jetzt)
{
    return naechste == VersionspruefungAus ? naechste : NaechsterTagesbeginn(jetzt);
}

} // namespace mvt::online
