#include "crafting/Einkaufsliste.h"

#include "base/Tabellentext.h"
#include "base/Zahlen.h"
#include "crafting/Analyse.h"
#include "crafting/Detailauswertung.h"
#include "crafting/Lagerverrechnung.h"

#include <algorithm>

namespace mvt {

namespace {

const std::array<const char *, 5> Gruppennamen = {"", "Rohstoffe", "Handwerksmaterialien", "Edelsteine",
                                                  "Bauteile"};

double Einkaufspreis(const TCraftingZustand &c, uint8_t art, int32_t index)
{
    const TPreispaar *p = Preise(c, art, index);
    return p ? p->Einkaufspreis : 0.0;
}

TEinkaufszeile Zeile(const TKatalog &k, const TCraftingZustand &c, const TSammelEintrag &z)
{
    const double preis = Einkaufspreis(c, z.Art, z.Index);
    return {z.Art, z.Index, KnotenName(k, z.Art, z.Index), z.Menge, preis, z.Menge * preis};
}

int GueltigerModus(int modus)
{
    return modus >= 1 && modus <= AnzahlModi ? modus : 1;
}

// Inside [code] a closing tag would end the block early; a lookalike keeps the text.
QString CodeZelle(QString t)
{
    t.replace(u'\t', u' ').replace(u'\r', u' ').replace(u'\n', u' ');
    return t.replace(QStringLiteral("[/code]"), QStringLiteral("[/ code]"), Qt::CaseInsensitive);
}

// Rows in a [code] block: the first column left aligned, the others right aligned.
QString CodeTabelle(const std::vector<QStringList> &zeilen)
{
    std::vector<qsizetype> breite;
    for (const QStringList &z : zeilen)
        for (qsizetype s = 0; s < z.size(); ++s) {
            if (static_cast<size_t>(s) >= breite.size())
                breite.resize(static_cast<size_t>(s) + 1, 0);
            breite[static_cast<size_t>(s)] = std::max(breite[static_cast<size_t>(s)], CodeZelle(z[s]).size());
        }
    QString text = QStringLiteral("[code]\n");
    for (const QStringList &z : zeilen) {
        QString zeile;
        for (qsizetype s = 0; s < z.size(); ++s) {
            const int b = static_cast<int>(breite[static_cast<size_t>(s)]);
            const QString t = CodeZelle(z[s]);
            zeile += s == 0 ? t.leftJustified(b) : QStringLiteral("  ") + t.rightJustified(b);
        }
        while (zeile.endsWith(u' '))
            zeile.chop(1);
        text += zeile + u'\n';
    }
    return text + QStringLiteral("[/code]\n");
}

} // namespace

TEinkaufsliste EinkaufslisteBerechnen(const TKatalog &k, const TCraftingZustand &c, int modus)
{
    TEinkaufsliste e;
    e.Modus = GueltigerModus(modus);
    std::array<TEinkaufsgruppe, Gruppennamen.size()> gruppen;
    for (const TSammelEintrag &z : Rechenstand(c, e.Modus).Bedarfsliste(e.Modus)->Zeilen) {
        const size_t g = static_cast<size_t>(ZutatGruppe(k, z.Art, z.Index));
        if (g == 0 || g >= gruppen.size() || z.Menge <= 0.0)
            continue;
        const TEinkaufszeile zeile = Zeile(k, c, z);
        gruppen[g].Zeilen.push_back(zeile);
        gruppen[g].Kosten += zeile.Kosten;
        e.Gesamtkosten += zeile.Kosten;
    }
    for (size_t g = 1; g < gruppen.size(); ++g) {
        if (gruppen[g].Zeilen.empty())
            continue;
        gruppen[g].Name = QString::fromLatin1(Gruppennamen[g]);
        e.Gruppen.push_back(std::move(gruppen[g]));
    }
    for (const TSammelEintrag &z : AusDemLager(c, e.Modus)) {
        e.AusDemLager.push_back(Zeile(k, c, z));
        e.Lagerwert += e.AusDemLager.back().Kosten;
    }
    return e;
}

std::vector<std::array<QString, 4>> EinkaufszeilenTexte(const TKatalog &k, const TCraftingZustand &c,
                                                        int modus)
{
    modus = GueltigerModus(modus);
    std::vector<std::array<QString, 4>> zeilen;
    for (const TSammelEintrag &z : Rechenstand(c, modus).Bedarfsliste(modus)->Zeilen) {
        const TEinkaufszeile e = Zeile(k, c, z);
        zeilen.push_back(
            {e.Name, MengeFormatieren(e.Anzahl), BetragText(e.Kosten), GoldFormatieren(e.Preis)});
    }
    return zeilen;
}

std::vector<std::array<QString, 2>> LagerzeilenTexte(const TKatalog &k, const TCraftingZustand &c, int modus)
{
    std::vector<std::array<QString, 2>> zeilen;
    for (const TSammelEintrag &z : AusDemLager(c, GueltigerModus(modus)))
        zeilen.push_back({KnotenName(k, z.Art, z.Index), MengeFormatieren(z.Menge)});
    return zeilen;
}

QString EinkaufslisteTabelle(const TEinkaufsliste &e)
{
    std::vector<QStringList> zeilen;
    auto zeile = [&](const QString &gruppe, const TEinkaufszeile &z) {
        zeilen.push_back(
            {gruppe, z.Name, ZahlAllgemein(z.Anzahl), GoldFormatieren(z.Preis), GoldFormatieren(z.Kosten)});
    };
    for (const TEinkaufsgruppe &g : e.Gruppen)
        for (const TEinkaufszeile &z : g.Zeilen)
            zeile(g.Name, z);
    zeilen.push_back(
        {QStringLiteral("Gesamt"), QString(), QString(), QString(), GoldFormatieren(e.Gesamtkosten)});
    if (!e.AusDemLager.empty()) {
        for (const TEinkaufszeile &z : e.AusDemLager)
            zeile(QStringLiteral("Aus dem Lager"), z);
        zeilen.push_back({QStringLiteral("Aus dem Lager gesamt"), QString(), QString(), QString(),
                          GoldFormatieren(e.Lagerwert)});
    }
    return TabellenText({QStringLiteral("Gruppe"), QStringLiteral("Name"), QStringLiteral("Anzahl"),
                         QStringLiteral("Preis"), QStringLiteral("Kosten")},
                        zeilen);
}

QString EinkaufslisteForumtext(const TEinkaufsliste &e)
{
    auto werte = [](const TEinkaufszeile &z, const QString &einruecken) {
        return QStringList{einruecken + z.Name, MengeFormatieren(z.Anzahl), GoldFormatieren(z.Preis),
                           BetragText(z.Kosten)};
    };
    const QString einruecken = QStringLiteral("  ");
    std::vector<QStringList> zeilen{{QStringLiteral("Name"), QStringLiteral("Anzahl"),
                                     QStringLiteral("Preis"), QStringLiteral("Kosten")}};
    for (const TEinkaufsgruppe &g : e.Gruppen) {
        zeilen.push_back({g.Name + u':', QString(), QString(), BetragText(g.Kosten)});
        for (const TEinkaufszeile &z : g.Zeilen)
            zeilen.push_back(werte(z, einruecken));
    }
    zeilen.push_back({QStringLiteral("Gesamt"), QString(), QString(), BetragText(e.Gesamtkosten)});
    QString text = QStringLiteral("[b]Einkaufsliste: ") + ProduktionsmodusName(e.Modus) +
                   QStringLiteral("[/b]\n") + CodeTabelle(zeilen);
    if (e.AusDemLager.empty())
        return text;
    std::vector<QStringList> lager{
        {QStringLiteral("Name"), QStringLiteral("Anzahl"), QStringLiteral("Preis"), QStringLiteral("Wert")}};
    for (const TEinkaufszeile &z : e.AusDemLager)
        lager.push_back(werte(z, QString()));
    lager.push_back({QStringLiteral("Gesamt"), QString(), QString(), BetragText(e.Lagerwert)});
    return text + QStringLiteral("[b]Aus dem Lager[/b]\n") + CodeTabelle(lager);
}

} // namespace mvt
