// Character planner: the character records, the rules for level, experience and
// attributes, the enchantment values and the computation of the effective combat values.
// Everything here works on plain records so the optimiser can run on private copies.
#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace mvt {
struct TOptionen;
}

namespace mvt::planer {

constexpr int MaxLevel = 999;

// ---------------------------------------------------------------- equipment kinds

// Positions of TAusruestungsArten.
enum TArtPosition : int {
    PosHelm = 0,
    PosPanzer = 1,
    PosHose = 2,
    PosStiefel = 3,
    PosHandschuhe = 4,
    PosHauptwaffe = 5,
    PosNebenwaffe = 6,
    PosFernkampf = 7,
    PosMunition = 8,
    PosZauberElement = 9,
    PosZauberTyp = 10,
    AnzahlArtPositionen = 11,
};

// One byte per position; 0 = nothing equipped. Codes:
//  armour (0..4): 1 light, 2 heavy
//  Hauptwaffe: 1 sword, 2 two-handed sword, 3 dagger, 4 axe, 5 two-handed axe, 6 club,
//              7 two-handed club, 8 pole weapon
//  Nebenwaffe: 1 sword, 2 dagger, 3 axe, 4 club, 5 light shield, 6 heavy shield,
//              7 blocked by a two-handed main-hand weapon
//  Fernkampf: 1 bow, 2 crossbow, 3 fire, 4 water, 5 earth, 6 air staff
//  Munition: 1 arrows, 2 bolts, 3 essences
//  Zauber element 1..4, Zauber type 1..6 (spell table types)
using TAusruestungsArten = std::array<uint8_t, AnzahlArtPositionen>;

// Low byte: effect type 0..11; high byte: level 0..255. 0 = no enchantment.
using Verzauberungscode = uint16_t;

enum TVerzauberungsTyp : int {
    VzKeine = 0,
    VzTraglast = 1,
    VzAbsorb = 2,
    VzSchildblock = 3,
    VzAusweichen = 4,
    VzTreffsicherheit = 5,
    VzKritischeTreffer = 6,
    VzStaerke = 7,
    VzGeschick = 8,
    VzKonstitution = 9,
    VzIntelligenz = 10,
    VzLeben = 11,
};

constexpr Verzauberungscode VerzauberungsCode(int typ, int stufe)
{
    return static_cast<Verzauberungscode>(((stufe & 0xFF) << 8) | (typ & 0xFF));
}
constexpr int VerzauberungsTyp(Verzauberungscode c)
{
    return c & 0xFF;
}
constexpr int VerzauberungsStufe(Verzauberungscode c)
{
    return (c >> 8) & 0xFF;
}

// ---------------------------------------------------------------- equipment values

struct TRuestungsteil {
    double Ruestschutz = 0.0;
    double Absorb = 0.0;
    int32_t Behinderung = 0;
    Verzauberungscode Verzauberung = 0;
};

struct TSchildwerte {
    double Ruestschutz = 0.0;
    double RuestschutzBeiBlock = 0.0;
    Verzauberungscode Verzauberung = 0;
};

struct TWaffenslotwerte {
    int32_t MinSchaden = 0;
    int32_t MaxSchaden = 0;
    int32_t Angriffe = 0;
    Verzauberungscode Verzauberung = 0;
};

struct TStabwerte {
    int32_t Wirkung = 0;
    int32_t Reichweite = 0;
    Verzauberungscode Verzauberung = 0;
};

struct TZauberslotwerte {
    int32_t MinSchaden = 0;
    int32_t MaxSchaden = 0;
    int32_t Angriffe = 0;
    int32_t Dauer = 0;
};

struct TMunitionswerte {
    int32_t Wirkung = 0;
    int32_t Treffsicherheit = 0;
    int32_t KritischeTreffer = 0;
};

struct TAusruestungsWerte {
    std::array<TRuestungsteil, 5> Ruestung{}; // Helm, Panzer, Hose, Stiefel, Handschuhe
    TSchildwerte Schild{};
    TWaffenslotwerte Hauptwaffe{};
    TWaffenslotwerte Nebenwaffe{};
    TWaffenslotwerte Fernwaffe{}; // bow or crossbow
    TStabwerte Stab{};
    TZauberslotwerte Zauber{};
    TMunitionswerte Munition{};
};

// ---------------------------------------------------------------- character

struct TWaffenwerte {
    double MinSchaden = 0.0;
    double MaxSchaden = 0.0;
    int32_t Angriffe = 0;
    double Treffsicherheit = 0.0;
    double KritischeTreffer = 0.0;
    int32_t Dauer = 0; // only meaningful in the Zauber block
    double MinSchadenUnbehindert = 0.0;
    double MaxSchadenUnbehindert = 0.0;
    double KritUnbehindert = 0.0;
};

struct TCharakter {
    int32_t Level = 1;
    int32_t Attributpunkte = 50;
    int32_t FreiePunkte = 50;
    int32_t Staerke = 0;
    int32_t Geschick = 0;
    int32_t Konstitution = 0;
    int32_t Intelligenz = 0;
    int32_t VerzStaerke = 0;
    int32_t VerzGeschick = 0;
    int32_t VerzKonstitution = 0;
    int32_t VerzIntelligenz = 0;
    int32_t MaxLebenspunkte = 0;
    int64_t Erfahrung = 0;
    int32_t Traglast = 0;
    int32_t Schritte = 0;
    double RuestschutzNah = 0.0;
    double Absorb = 0.0;
    double BehinderungNah = 0.0;
    double RuestschutzBeiBlock = 0.0;
    double AusweichenNah = 0.0;
    double AusweichenUnbehindert = 0.0;
    double Schildblock = 0.0;
    double RuestschutzFern = 0.0;
    double AbsorbFern = 0.0;
    double BehinderungFern = 0.0;
    double AusweichenFern = 0.0;
    double AusweichenFernUnbehindert = 0.0;
    TWaffenwerte Hauptwaffe{};
    TWaffenwerte Nebenwaffe{};
    TWaffenwerte Fernwaffe{};
    TWaffenwerte Zauber{};
    std::array<Verzauberungscode, 8> Verzauberungen{};
    uint8_t AnzahlVerzauberungen = 0;
};

enum TAttribut : int { AttrStaerke = 0, AttrGeschick = 1, AttrKonstitution = 2, AttrIntelligenz = 3 };

// ---------------------------------------------------------------- options

// Skill potency indices (Wirkung[0..12]) used by the planner.
enum TFertigkeitsWirkung : int {
    WkSchwerter = 0,
    WkDolche = 1,
    WkAexte = 2,
    WkKeulen = 3,
    WkStangenwaffen = 4,
    WkBoegen = 5,
    WkArmbrueste = 6,
    WkLeichteRuestungen = 7,
    WkSchwereRuestungen = 8,
    WkFeuermagie = 9,
    WkWassermagie = 10,
    WkErdmagie = 11,
    WkLuftmagie = 12,
    AnzahlWirkungen = 38,
};

// The options the planner reads (the world, the potency switch, the 38 potencies).
struct TPlanerOptionen {
    uint8_t Welt = 3;             // CPWorld: 1, 2 old worlds; 3 Zyrthania; 0 unknown
    bool WirkungBerechnen = true; // CPCalcPotency
    std::array<double, AnzahlWirkungen> Wirkung = [] {
        std::array<double, AnzahlWirkungen> a{};
        a.fill(1.0);
        return a;
    }();
};

// The planner's part of the program options: world, potency switch and the potencies
// (a potency not above 0 counts as 1). The program's session derives it whenever the
// options change; nothing else writes the two worlds' options back and forth.
TPlanerOptionen PlanerOptionenAus(const TOptionen &o);

// Index of a potency key of the options file (WirkungSchluessel), -1 when unknown.
int WirkungsIndex(const QString &schluessel);

// Potency counts only in Zyrthania-type worlds and with the switch on.
bool WirkungAktiv(const TPlanerOptionen &o);

// ---------------------------------------------------------------- opponent and identity

struct TGegnerwerte {
    int32_t Leben = 1000;
    double Ruestschutz = 0.0;
    double Absorb = 0.0;
    double RuestschutzBeiBlock = 0.0;
    double Blockchance = 0.0;
    double Ausweichen = 0.0;
    int32_t MinSchaden = 25;
    int32_t MaxSchaden = 50;
    int32_t Angriffe = 3;
    double Treffsicherheit = 75.0;
    double KritischeTreffer = 4.0;
};

// Identity of the last imported character.
struct TCharPlanerInfos {
    QString Charaktername;
    uint8_t Welt = 0;
    uint8_t Rasse = 0;
};

// ---------------------------------------------------------------- rules

// Experience needed to reach a level in the given world (0 for level <= 1 and for
// worlds other than 0..3).
int64_t ErfahrungFuerLevel(int32_t level, int welt);
// Level reached with an amount of experience; 1..MaxLevel.
int32_t LevelAusErfahrung(int64_t erfahrung, int welt);
int32_t AttributpunkteFuerLevel(int32_t level, const TCharakter &c);

void SetzeAttributpunkte(TCharakter &c, int32_t gesamt);
// Level is clamped to 1..MaxLevel.
void SetzeLevel(TCharakter &c, int32_t level, int welt);
// Negative experience counts as 0.
void SetzeErfahrung(TCharakter &c, int64_t erfahrung, int welt);
void SetzeAttribut(TCharakter &c, TAttribut a, int32_t wert);
int32_t Attributwert(const TCharakter &c, TAttribut a);
int32_t Attributuntergrenze(const TCharakter &c, TAttribut a);

double VerzauberungsWert(Verzauberungscode code);
double VerzauberungsSumme(const std::array<Verzauberungscode, 8> &codes, int typ);
// Moves the attribute points of an attribute enchantment from the old code to the new.
void AendereVerzauberung(TCharakter &c, Verzauberungscode alt, Verzauberungscode neu);

// Fills the enchantment list and every computed field of the character.
void BerechneEffektiveWerte(const TAusruestungsArten &arten, const TAusruestungsWerte &werte, TCharakter &c,
                            const TPlanerOptionen &o);

// Rounding of the final values: half away from zero (10^n, + 0.5, truncate).
double RundenStellen(double x, int stellen);
// Absorb to one decimal; an exact half rounds down.
double AbsorbRunden(double x);

// Speed word for attacks per round: "gar nicht" ... "sehr schnell".
QString Tempowort(int32_t angriffe);
// Speed word plus attack count: "normal (3 Angriffe)", "sehr langsam (1 Angriff)".
QString TempoText(int32_t angriffe);

} // namespace mvt::planer
