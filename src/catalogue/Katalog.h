// Record types of the game catalogue, the built-in tables and the lookups by name.
// All tables are 1-based: element 0 of every array is an unused sentinel row.
#pragma once

#include <QHash>
#include <QString>

#include <array>
#include <cstdint>

namespace mvt {

inline const QString FehlerName = QStringLiteral("!FEHLER!");
constexpr int32_t KeineAngabe = -124;     // "k.A."
constexpr int32_t RezeptJagdbeute = -123; // "Rezept: Jagdbeute"

constexpr int AnzahlRohstoffe = 74;
constexpr int AnzahlZutatGueter = 25;
constexpr int AnzahlWaren = 496;
constexpr int AnzahlTrainingsItems = 20;
constexpr int AnzahlGebaeude = 124;
constexpr int AnzahlHandwerksgebaeude = 14;
constexpr int AnzahlHandwerke = 18;
constexpr int AnzahlZauber = 80;
constexpr int AnzahlBauteilWaren = 20; // kit rows 1..20 are the building components

struct TZutatenEintrag {
    QString Name = FehlerName;
    int32_t Anzahl = -1;
};

struct TRohstoff {
    QString Name = FehlerName;
    int32_t Preis = -1;
    int32_t Gewicht = -1;
    int32_t Stufe = -1;
    uint8_t Kategorie = 0;
};

struct TZutat {
    QString Name = FehlerName;
    int32_t Preis = -1;
    int32_t Gewicht = -1;
    int32_t Stufe = -1;
    uint8_t Kategorie = 0;
    int32_t Rezeptpreis = -1;
    int32_t Dauer = -1;
    int32_t Menge = -1;
    std::array<TZutatenEintrag, 2> Zutaten{};
};

struct TWare {
    QString Name = FehlerName;
    int32_t Preis = -1;
    int32_t Gewicht = -1;
    int32_t Stufe = -1;
    uint8_t Kategorie = 0;
    int32_t MinSchaden = -1;
    int32_t MaxSchaden = -1;
    int32_t SchadenProRunde = -1;
    int32_t Tempo = -1;
    int32_t Zusatzwirkung = -1;
    int32_t Treffsicherheit = -1;
    int32_t KritischeTreffer = -1;
    int32_t StabWirkung = -1;
    int32_t Reichweite = -1;
    uint8_t Element = 0;
    double Ruestschutz = -1.0;
    double Absorb = -1.0;
    int32_t Behinderung = -1;
    int32_t HeilungMin = -1;
    int32_t HeilungMax = -1;
    double HeilungProzentMin = -1.0;
    double HeilungProzentMax = -1.0;
    int32_t Herstellungsstufe = -1;
    int32_t Rezeptpreis = -1;
    int32_t Dauer = -1;
    int32_t Menge = -1;
    std::array<TZutatenEintrag, 5> Zutaten{};
};

struct TGebaeude {
    QString Name = FehlerName;
    uint8_t Art = 0;
    int32_t Stufe = -1;
    int32_t Strukturpunkte = -1;
    int32_t Arbeitsplaetze = -1;
    int32_t Unterhalt = -1;
    int32_t Voraussetzung = -1;
    uint8_t Stadtrecht = 0;
    std::array<TZutatenEintrag, 4> Bauteile{};
};

// A production building kind the user owns; user settings, owned by the crafting state.
struct TVorhandeneHandwerksgebaeude {
    QString Name;
    int32_t Stufe = 1;
    int32_t Schichtkosten = 25;
    bool operator==(const TVorhandeneHandwerksgebaeude &) const = default;
};

struct TFertigkeit {
    QString Name;
    int32_t Stufe = -1;
    double Arbeitszeit = 0.0;
};

enum Tabellencode : uint8_t {
    TabelleKeine = 0,
    TabelleRohstoff = 1,
    TabelleZutat = 2,
    TabelleWare = 3,
    TabelleTraining = 4,
    TabelleGebaeude = 5,
};

struct TItemRef {
    int32_t Index = -1;
    uint8_t Tabellencode = TabelleKeine;
    bool operator==(const TItemRef &) const = default;
};

struct TZauber {
    QString Name = FehlerName;
    QString KlammerName = FehlerName;
    uint8_t Element = 0;
    uint8_t Typ = 0;
    int32_t Stufe = -1;
    int32_t Dauer = -1;
    int32_t Felder = -1;
    int32_t MinWert = -1;
    int32_t MaxWert = -1;
    int32_t SchadenProRunde = -1;
    int32_t Angriffe = -1;
    int32_t Preis = -1;
};

// One of the 18 crafts, in their fixed order.
struct THandwerk {
    const char16_t *Name;
    const char *PotenzSchluessel;
};
extern const std::array<THandwerk, AnzahlHandwerke + 1> Handwerke; // [0] unused

// Production building and craft of a kit category (1..18); Gebaeude 0 = none.
struct TKategorieZuordnung {
    int Gebaeude;
    int Handwerk;
    const char16_t *Handwerksname;
    const char16_t *Anwendungsfertigkeit; // nullptr: none shown
};
extern const std::array<TKategorieZuordnung, 19> WarenKategorien; // [0] unused

// Pieces one extraction shift yields, by the raw material's Stufe 0..20; -1 elsewhere.
extern const std::array<int32_t, 21> FoerderMenge;

// Names of the 14 production building kinds, in their fixed order ([0] unused).
extern const std::array<const char16_t *, AnzahlHandwerksgebaeude + 1> HandwerksgebaeudeNamen;
std::array<TVorhandeneHandwerksgebaeude, AnzahlHandwerksgebaeude + 1> HandwerksgebaeudeStandard();

struct TKatalog {
    std::array<TRohstoff, AnzahlRohstoffe + 1> RohstoffTabelle{};
    std::array<TZutat, AnzahlZutatGueter + 1> ZutatTabelle{};
    std::array<TWare, AnzahlWaren + 1> WarenTabelle{};
    std::array<TWare, AnzahlTrainingsItems + 1> TrainingsTabelle{};
    std::array<TGebaeude, AnzahlGebaeude + 1> GebaeudeTabelle{};
    std::array<TZauber, AnzahlZauber + 1> ZauberTabelle{};
    // Name indexes; names are unique across the item tables, so a hash lookup equals
    // the linear search in table order.
    QHash<QString, TItemRef> ItemIndex;
    QHash<QString, int> ZauberIndex;
    QHash<QString, int> ZauberKlammerIndex;
};

// Fills every table in the start-up order (raw materials, intermediate goods, kits,
// training items, buildings, spells) and builds the name indexes.
void KatalogFuellen(TKatalog &k);

TItemRef ItemSuchen(const TKatalog &k, const QString &name);
int AnzahlZutaten(const TKatalog &k, int ware);
int AnzahlBauteile(const TKatalog &k, int gebaeude);
int BauteilSuchen(const TKatalog &k, const QString &name);
int32_t Gebaeudewert(const TKatalog &k, int gebaeude);
// 1 or 2: "Dunladan, Endurias"; 3: "Zyrthania"; anything else changes nothing.
void WeltvarianteAnwenden(TKatalog &k, int variante);
QString Tempobezeichnung(int tempo);
bool IstZweihaendig(const QString &name);

int ZauberSuchen(const TKatalog &k, const QString &name);
int ZauberSuchenKlammer(const TKatalog &k, const QString &klammerName);

// Range-checked row access; nullptr outside 1..size.
const TRohstoff *Rohstoff(const TKatalog &k, int i);
const TZutat *Zutat(const TKatalog &k, int i);
const TWare *Ware(const TKatalog &k, int i);
const TWare *TrainingsItem(const TKatalog &k, int i);
const TGebaeude *Gebaeude(const TKatalog &k, int i);
const TZauber *Zauber(const TKatalog &k, int i);

// Name of the item an ItemRef points to; empty when it points nowhere.
QString ItemName(const TKatalog &k, TItemRef ref);

} // namespace mvt
