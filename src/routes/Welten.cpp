#include "routes/Welten.h"

#include "base/Meldung.h"
#include "base/Textdatei.h"

#include <QFile>

#include <algorithm>

namespace mvt::routen {

namespace {

struct TGelaendeart {
    const char *Buchstaben;
    uint8_t Code;
    uint8_t Minuten;
};

constexpr TGelaendeart Gelaendearten[] = {
    {"P", 0, 2},    {"H", 1, 3},    {"L", 2, 4},    {"F", 3, 5},    {"S", 4, 7},    {"R", 5, 7},
    {"M", 6, 8},    {"O", 14, 10},  {"K", 15, 7},   {"D", 16, 7},   {"I", 17, 10},  {"C1", 18, 2},
    {"C2", 19, 2},  {"C3", 20, 2},  {"C4", 21, 2},  {"CA1", 22, 2}, {"CA2", 23, 2}, {"CA3", 24, 2},
    {"CA4", 25, 2}, {"CB1", 26, 2}, {"CB2", 27, 2}, {"CB3", 28, 2}, {"CB4", 29, 2},
};

const TGelaendeart *ArtSuchen(const QString &text)
{
    for (const auto &art : Gelaendearten)
        if (text == QLatin1String(art.Buchstaben))
            return &art;
    return nullptr;
}

// Before the first field there is no field to copy from: it starts as Ebene.
constexpr uint8_t StartCode = Ebene;
constexpr uint8_t StartMinuten = 2;

QStringList RessourceLesen(const QString &pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return ZeilenTrennen(TextDekodieren(f.readAll()));
}

const char *Dateistamm(int welt)
{
    switch (welt) {
    case 2:
        return "Endurias";
    case 3:
        return "Zyrthania";
    default:
        return "Dunladan";
    }
}

} // namespace

uint8_t Gelaendeminuten(uint8_t code)
{
    for (const auto &art : Gelaendearten)
        if (art.Code == code)
            return art.Minuten;
    return 0;
}

uint8_t Stadtvariante(uint8_t code)
{
    if (code <= 6)
        return static_cast<uint8_t>(code + 7);
    if (code >= 14 && code <= 29)
        return static_cast<uint8_t>(code + 16);
    return code;
}

const TWelt &Weltangaben(int welt)
{
    static const TWelt welten[AnzahlWelten] = {
        {"Dunladan", 200, {{100, 100}}},
        {"Endurias", 200, {{100, 100}}},
        {"Zyrthania", 120, {{83, 21}, {29, 91}, {102, 99}}},
    };
    return welten[(welt >= 1 && welt <= AnzahlWelten) ? welt - 1 : 0];
}

void BuchstabenkarteLesen(TWeltgitter &welt, const QStringList &zeilen)
{
    uint8_t code = StartCode, minuten = StartMinuten;
    int n = 0;
    for (const QString &zeile : zeilen) {
        for (const QChar c : zeile) {
            if (n >= GitterZellen)
                return;
            if (c == QLatin1Char(','))
                continue;
            // an unknown character keeps the values of the field before it
            if (const TGelaendeart *art = ArtSuchen(QString(c)); art && art->Code <= Hochgebirge) {
                code = art->Code;
                minuten = art->Minuten;
            }
            const int x = n % GitterKante + 1, y = n / GitterKante + 1;
            welt.Reisekosten[static_cast<size_t>(Zelle(x, y))] = minuten;
            welt.Gelaende[static_cast<size_t>(Zelle(x, y))] = code;
            ++n;
        }
    }
}

void ZyrthaniakarteLesen(TWeltgitter &welt, const QStringList &zeilen)
{
    constexpr int groesse = 120;
    for (int x = 1; x <= GitterKante; ++x)
        for (int y = 1; y <= GitterKante; ++y)
            if (x > groesse || y > groesse)
                welt.Reisekosten[static_cast<size_t>(Zelle(x, y))] = 255;
    uint8_t code = StartCode, minuten = StartMinuten;
    const int anzahl = std::min<int>(static_cast<int>(zeilen.size()), groesse * groesse);
    for (int n = 0; n < anzahl; ++n) {
        const QString &zeile = zeilen[n];
        const TGelaendeart *art = ArtSuchen(zeile);
        if (art) {
            code = art->Code;
            minuten = art->Minuten;
        } else if (zeile.isEmpty()) {
            MeldungZeigen(QStringLiteral("Fehler: Leeres Gelände!"));
        } else if (zeile.size() == 1) {
            MeldungZeigen(QStringLiteral("Fehler bei einstelligem Gelände!"));
        } else if (zeile.size() == 2) {
            MeldungZeigen(QStringLiteral("Fehler bei zweistelligem Gelände!"));
        } else if (zeile.size() == 3) {
            MeldungZeigen(QStringLiteral("Fehler bei dreistelligem Gelädnde!"));
        } else {
            MeldungZeigen(QStringLiteral("Fehler: Mehr als 3 Buchstaben erkannt!"));
        }
        const int x = n % groesse + 1, y = n / groesse + 1;
        welt.Reisekosten[static_cast<size_t>(Zelle(x, y))] = minuten;
        welt.Gelaende[static_cast<size_t>(Zelle(x, y))] = code;
    }
}

void StadtEintragen(TGitter &gelaende, TGitter &stadtabstand, std::vector<QString> &stadtnamen, int groesse,
                    int x, int y, const QString &name)
{
    stadtnamen[static_cast<size_t>(Zelle(x, y))] = name;
    for (int k = std::max(1, x - Stadtreichweite); k <= std::min(groesse, x + Stadtreichweite); ++k)
        for (int i = std::max(1, y - Stadtreichweite); i <= std::min(groesse, y + Stadtreichweite); ++i) {
            uint8_t &a = stadtabstand[static_cast<size_t>(Zelle(k, i))];
            a = static_cast<uint8_t>(std::min<int>(a, std::max(std::abs(x - k), std::abs(y - i))));
        }
    uint8_t &g = gelaende[static_cast<size_t>(Zelle(x, y))];
    g = Stadtvariante(g);
}

int StaedteEintragen(TWeltgitter &welt, int groesse, const QStringList &zeilen)
{
    groesse = std::clamp(groesse, 1, GitterKante);
    // Sized here as well: a town list may meet a world whose grids were never read.
    if (welt.Grundgelaende.size() != size_t(GitterZellen))
        welt.Grundgelaende.assign(GitterZellen, 0);
    welt.Gelaende = welt.Grundgelaende;
    welt.Stadtabstand.assign(GitterZellen, KeinStadtabstand);
    welt.Stadtnamen.assign(GitterZellen, QString());
    int uebersprungen = 0;
    for (const QString &zeile : zeilen) {
        bool okX = false, okY = false;
        const int x = zeile.left(3).toInt(&okX);
        const int y = zeile.mid(3, 3).toInt(&okY);
        if (zeile.size() < 6 || !okX || !okY || x < 1 || y < 1 || x > groesse || y > groesse) {
            ++uebersprungen;
            continue;
        }
        StadtEintragen(welt.Gelaende, welt.Stadtabstand, welt.Stadtnamen, groesse, x, y, zeile.mid(6));
    }
    return uebersprungen;
}

void WeltLesen(TWeltgitter &welt, int weltnummer, const QStringList &karte, const QStringList &staedte)
{
    welt.Reisekosten.assign(GitterZellen, 0);
    welt.Gelaende.assign(GitterZellen, 0);
    if (weltnummer == 3)
        ZyrthaniakarteLesen(welt, karte);
    else
        BuchstabenkarteLesen(welt, karte);
    welt.Grundgelaende = welt.Gelaende;
    StaedteEintragen(welt, Weltangaben(weltnummer).Groesse, staedte);
}

QStringList EingebauteKarte(int welt)
{
    return RessourceLesen(QStringLiteral(":/welten/%1_Karte.txt").arg(QLatin1String(Dateistamm(welt))));
}

QStringList EingebauteStaedte(int welt)
{
    return RessourceLesen(QStringLiteral(":/welten/%1_Staedte.txt").arg(QLatin1String(Dateistamm(welt))));
}

void KartendatenLaden(TWeltdaten &daten)
{
    for (int w = 1; w <= AnzahlWelten; ++w)
        WeltLesen(daten.Welten[static_cast<size_t>(w - 1)], w, EingebauteKarte(w), EingebauteStaedte(w));
    daten.AktuelleWelt = 1;
    daten.Kartengroesse = 200;
}

void WeltWechseln(TWeltdaten &daten, int welt)
{
    if (welt < 1 || welt > AnzahlWelten)
        return;
    daten.AktuelleWelt = welt;
    daten.Kartengroesse = Weltangaben(welt).Groesse;
}

} // namespace mvt::routen
