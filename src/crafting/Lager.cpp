#include "crafting/Lager.h"

#include "base/Meldung.h"
#include "base/Optionen.h"
#include "base/Textdatei.h"
#include "base/Zahlen.h"
#include "crafting/BaulistenDatei.h"

#include <QFileInfo>

#include <cmath>

namespace mvt {

namespace {

// The good and count of one line; the reason without the line number on failure.
std::optional<TLagerEintrag> EintragLesen(const TKatalog &k, const QString &name, const QString &anzahlText,
                                          QString &grund)
{
    const TItemRef ref = ItemSuchen(k, name);
    const uint8_t art = KnotenartAusTabellencode(ref.Tabellencode);
    if (art == ArtKeine) {
        grund = QStringLiteral("\"%1\" ist kein bekannter Gegenstand.").arg(Zitat(name));
        return std::nullopt;
    }
    const std::optional<double> anzahl = KommazahlLesen(anzahlText);
    if (!anzahl || *anzahl < 1.0 || *anzahl > LagerHoechstanzahl || *anzahl != std::floor(*anzahl)) {
        grund = QStringLiteral("\"%1\" ist keine gültige Anzahl (ganze Zahl von 1 bis 2147483647).")
                    .arg(Zitat(anzahlText));
        return std::nullopt;
    }
    return TLagerEintrag{art, ref.Index, *anzahl};
}

// Adds a count to a list of goods, each good once.
void Zuzaehlen(std::vector<TLagerEintrag> &liste, const TLagerEintrag &e)
{
    for (TLagerEintrag &vorhanden : liste) {
        if (vorhanden.Art == e.Art && vorhanden.Index == e.Index) {
            vorhanden.Anzahl = std::min(vorhanden.Anzahl + e.Anzahl, LagerHoechstanzahl);
            return;
        }
    }
    liste.push_back(e);
}

QString ZeilenFehler(qsizetype nr, const QString &grund)
{
    return QStringLiteral("Zeile %1: %2").arg(nr + 1).arg(grund);
}

} // namespace

int GutNummer(uint8_t art, int32_t index)
{
    auto in = [index](int anfang, int anzahl) { return index >= 1 && index <= anzahl ? anfang + index : -1; };
    switch (art) {
    case ArtRohstoff:
        return in(0, AnzahlRohstoffe);
    case ArtZutat:
        return in(AnzahlRohstoffe, AnzahlZutatGueter);
    case ArtWare:
        return in(AnzahlRohstoffe + AnzahlZutatGueter, AnzahlWaren);
    case ArtGebaeude:
        return in(AnzahlRohstoffe + AnzahlZutatGueter + AnzahlWaren, AnzahlGebaeude);
    default:
        return -1;
    }
}

double TLager::Bestand(uint8_t art, int32_t index) const
{
    for (const TLagerEintrag &e : Eintraege)
        if (e.Art == art && e.Index == index)
            return e.Anzahl;
    return 0.0;
}

void TLager::Setzen(uint8_t art, int32_t index, double anzahl)
{
    if (GutNummer(art, index) < 0)
        return;
    for (auto it = Eintraege.begin(); it != Eintraege.end(); ++it) {
        if (it->Art != art || it->Index != index)
            continue;
        if (anzahl > 0.0)
            it->Anzahl = anzahl;
        else
            Eintraege.erase(it);
        return;
    }
    if (anzahl > 0.0)
        Eintraege.push_back({art, index, anzahl});
}

QStringList LagerDateiZeilen(const TKatalog &k, const TLager &lager)
{
    // The header of a build list file: the stock is one, so that it loads as a build list too.
    QStringList zeilen{QStringLiteral("Hadrik's Morvaren Tool"), Programmversion, QString()};
    for (const TLagerEintrag &e : lager.Eintraege)
        zeilen.append(KnotenName(k, e.Art, e.Index) + u' ' + ZahlAllgemein(e.Anzahl));
    return zeilen;
}

bool LagerSpeichern(const TKatalog &k, const TLager &lager, const QString &pfad, QString *fehler)
{
    return TextdateiSchreiben(pfad, LagerDateiZeilen(k, lager), fehler);
}

std::optional<TLager> LagerZeilenLesen(const TKatalog &k, const QStringList &zeilen, QString *fehler)
{
    TLager lager;
    for (qsizetype nr = 3; nr < zeilen.size(); ++nr) {
        if (zeilen[nr].trimmed().isEmpty())
            continue;
        const TNamensZeile teile = NamensZeileTeilen(zeilen[nr]);
        QString grund;
        const std::optional<TLagerEintrag> e = EintragLesen(k, teile.Name, teile.Wert1, grund);
        if (!e) {
            if (fehler)
                *fehler = ZeilenFehler(nr, grund);
            return std::nullopt;
        }
        Zuzaehlen(lager.Eintraege, *e);
    }
    return lager;
}

std::optional<TLager> LagerLaden(const TKatalog &k, const QString &pfad, QString *fehler)
{
    if (!QFileInfo::exists(pfad))
        return TLager{};
    const std::optional<QByteArray> bytes = DateiLesen(pfad, fehler);
    if (!bytes)
        return std::nullopt;
    // A file edited by hand may have been saved as UTF-8.
    return LagerZeilenLesen(k, ZeilenTrennen(TextDekodieren(*bytes)), fehler);
}

std::optional<std::vector<TLagerEintrag>> LagerTextLesen(const TKatalog &k, const QString &text,
                                                         QString *fehler)
{
    std::vector<TLagerEintrag> eintraege;
    const QStringList zeilen = ZeilenTrennen(text);
    for (qsizetype nr = 0; nr < zeilen.size(); ++nr) {
        const QString &zeile = zeilen[nr];
        if (zeile.trimmed().isEmpty())
            continue;
        const QStringList spalten = zeile.split(u'\t');
        QString grund;
        std::optional<TLagerEintrag> e;
        if (spalten.size() != 2)
            grund = QStringLiteral("Erwartet wird \"Name<Tab>Anzahl\".");
        else
            e = EintragLesen(k, spalten[0].trimmed(), spalten[1].trimmed(), grund);
        if (!e) {
            if (fehler)
                *fehler = ZeilenFehler(nr, grund);
            return std::nullopt;
        }
        Zuzaehlen(eintraege, *e);
    }
    return eintraege;
}

void LagerUebernehmen(TLager &lager, const std::vector<TLagerEintrag> &eintraege)
{
    for (const TLagerEintrag &e : eintraege)
        lager.Setzen(e.Art, e.Index, e.Anzahl);
}

} // namespace mvt
