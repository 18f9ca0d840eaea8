// What the catalogue table tests share: the built-in catalogue, filled once, and the
// rules that sort its rows into kinds, levels and slots.
#pragma once

#include "catalogue/Katalog.h"

#include <gtest/gtest.h>

#include <QString>

#include <algorithm>
#include <array>
#include <memory>
#include <string>

namespace mvt::test {

inline const TKatalog &K()
{
    static const std::unique_ptr<TKatalog> k = [] {
        auto t = std::make_unique<TKatalog>();
        KatalogFuellen(*t);
        return t;
    }();
    return *k;
}

inline QString Q(const char *utf8)
{
    return QString::fromUtf8(utf8);
}
inline std::string S(const QString &s)
{
    return s.toStdString();
}

inline const TWare &WareNamens(const char *name)
{
    const TItemRef r = ItemSuchen(K(), Q(name));
    EXPECT_EQ(r.Tabellencode, TabelleWare) << name;
    return K().WarenTabelle.at(r.Tabellencode == TabelleWare ? static_cast<size_t>(r.Index) : 0);
}

inline bool IstWaffe(int kat)
{
    return (kat >= 2 && kat <= 6) || kat == 14 || kat == 15;
}
inline bool IstRuestung(int kat)
{
    return kat == 7 || kat == 8 || kat == 10;
}
inline bool IstSchild(int kat)
{
    return kat == 9 || kat == 11;
}
inline bool IstMunitionOderEssenz(int kat)
{
    return kat == 13 || kat == 16 || kat == 17;
}
// Equipment: everything a character wears or wields.
inline bool IstAusruestung(int kat)
{
    return IstWaffe(kat) || IstRuestung(kat) || IstSchild(kat) || kat == 12;
}
inline bool IstEdelvariante(int zeile)
{
    return zeile >= 340 && zeile <= 491;
}

inline int Stufe(const TItemRef &r)
{
    if (r.Tabellencode == TabelleRohstoff)
        return K().RohstoffTabelle.at(static_cast<size_t>(r.Index)).Stufe;
    return K().ZutatTabelle.at(static_cast<size_t>(r.Index)).Stufe;
}

inline bool IstHandwerksmaterial(const TItemRef &r)
{
    return r.Tabellencode == TabelleRohstoff &&
           K().RohstoffTabelle.at(static_cast<size_t>(r.Index)).Kategorie == 7;
}

// Level tier (0, 5, ... 20) of a kit: the level of its materials other than the
// market-bought crafting materials.
inline int Materialstufe(const TWare &w)
{
    for (const auto &z : w.Zutaten) {
        const TItemRef r = ItemSuchen(K(), z.Name);
        if (z.Anzahl > 0 && r.Index > 0 && !IstHandwerksmaterial(r))
            return Stufe(r);
    }
    return -1;
}

inline double Marktwert(const TZutatenEintrag &z)
{
    const TItemRef r = ItemSuchen(K(), z.Name);
    if (r.Tabellencode == TabelleRohstoff)
        return double(K().RohstoffTabelle.at(static_cast<size_t>(r.Index)).Preis) * z.Anzahl;
    if (r.Tabellencode == TabelleZutat)
        return double(K().ZutatTabelle.at(static_cast<size_t>(r.Index)).Preis) * z.Anzahl;
    return 0.0;
}

enum class Teil { Kopf, Koerper, HandFuss, Bein, Keins };

// Armour piece kind by the end of the name ("Kettenhaube", "Lederharnisch", "Stulpen").
inline Teil TeilAusName(const QString &name)
{
    const QString n = name.toLower();
    for (const char *e : {"handschuhe", "stulpen", "schuhe", "stiefel"})
        if (n.endsWith(Q(e)))
            return Teil::HandFuss;
    for (const char *e : {"robe", "tunika", "wappenrock", "harnisch", "hemd", "panzer"})
        if (n.endsWith(Q(e)))
            return Teil::Koerper;
    for (const char *e : {"haube", "helm", "spitzhut"})
        if (n.endsWith(Q(e)))
            return Teil::Kopf;
    for (const char *e : {"hose", "beinlinge"})
        if (n.endsWith(Q(e)))
            return Teil::Bein;
    return Teil::Keins;
}

template <size_t N> inline int GefuellteSlotsGezaehlt(const std::array<TZutatenEintrag, N> &eintraege)
{
    return static_cast<int>(
        std::count_if(eintraege.begin(), eintraege.end(), [](const auto &s) { return s.Anzahl != -1; }));
}

template <size_t N>
void PruefeSlotsVonVorn(const std::array<TZutatenEintrag, N> &eintraege, const std::string &wo)
{
    bool leer = false;
    for (const auto &s : eintraege) {
        if (s.Anzahl == -1) {
            leer = true;
            EXPECT_EQ(s.Name, FehlerName) << wo;
        } else {
            EXPECT_FALSE(leer) << wo << ": filled slot after an empty one";
            EXPECT_GT(s.Anzahl, 0) << wo;
        }
    }
}

} // namespace mvt::test
