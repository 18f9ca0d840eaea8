// Fighter records of the combat report evaluation: one record per fighter with four
// phase blocks, the operations that merge, reset and classify the blocks, and the
// derived rates and averages computed once the whole report has been read.
#pragma once

#include <QHash>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace mvt {

// Counters and sums are int32 as in the game's reports; a pasted text can hold numbers
// that would overflow them, so every addition saturates instead of wrapping.
int32_t Saettigen(int64_t x);
inline void Addieren(int32_t &ziel, int64_t wert)
{
    ziel = Saettigen(int64_t(ziel) + wert);
}

// Position of the first entry with a given name in a list that keeps the order of first
// mention. Short lists are searched directly; longer ones through a hash of the names,
// which is brought up to date lazily because entries are only appended while reading.
struct TNamensindex {
    QHash<QString, int> Position;
    int Erfasst = 0;

    void Leeren()
    {
        Position.clear();
        Erfasst = 0;
    }
    template <class Liste> int Suchen(const Liste &liste, const QString &name)
    {
        const int n = static_cast<int>(liste.size());
        if (Erfasst > n) // the list was replaced behind our back
            Leeren();
        if (n <= 8) {
            for (int i = 0; i < n; ++i)
                if (liste[static_cast<size_t>(i)].Name == name)
                    return i;
            return -1;
        }
        for (; Erfasst < n; ++Erfasst) {
            const QString &neu = liste[static_cast<size_t>(Erfasst)].Name;
            if (!Position.contains(neu))
                Position.insert(neu, Erfasst);
        }
        return Position.value(name, -1);
    }
};

struct TTrefferElement {
    QString Waffe;
    int32_t Schaden = 0;
    int32_t Geblockt = 0;
    bool Kritisch = false;
};

struct TAngreiferElement {
    QString Name;
    std::vector<TTrefferElement> Treffer;
};

// X-macros over the fields of TAktionswerte, so that merging, resetting and the JSON
// output cannot forget one.
#define MVT_AKTIONSWERTE_ZAEHLER(X)                                                                          \
    X(AnzTreffer)                                                                                            \
    X(AnzKritTreffer)                                                                                        \
    X(AnzVerfehlt)                                                                                           \
    X(AnzAusgewichen)                                                                                        \
    X(AnzHeilungen)                                                                                          \
    X(AnzExzHeilungen)                                                                                       \
    X(AnzHeilungenMisslungen)                                                                                \
    X(AnzDOTErfolg)                                                                                          \
    X(AnzDOTVerfehlt)                                                                                        \
    X(AnzDOTAusgewichen)                                                                                     \
    X(AnzHOTErfolg)                                                                                          \
    X(AnzHOTVerfehlt)                                                                                        \
    X(AnzBuffErfolg)                                                                                         \
    X(AnzBuffVerfehlt)                                                                                       \
    X(AnzDebuffErfolg)                                                                                       \
    X(AnzDebuffVerfehlt)                                                                                     \
    X(AnzDebuffAusgewichen)                                                                                  \
    X(AnzDOTTicks)                                                                                           \
    X(AnzDOTTicksKrit)                                                                                       \
    X(AnzHOTTicks)                                                                                           \
    X(AnzHOTTicksExz)                                                                                        \
    X(SumSchaden)                                                                                            \
    X(SumKritSchaden)                                                                                        \
    X(SumHeilung)                                                                                            \
    X(SumExzHeilung)                                                                                         \
    X(SumDOT)                                                                                                \
    X(SumDOTKrit)                                                                                            \
    X(SumHOT)                                                                                                \
    X(SumHOTExz)                                                                                             \
    X(AnzBlocks)                                                                                             \
    X(SumGeblockt)

#define MVT_AKTIONSWERTE_MAXIMA(X)                                                                           \
    X(MaxSchaden)                                                                                            \
    X(MaxKritSchaden)                                                                                        \
    X(MaxDOT)                                                                                                \
    X(MaxDOTKrit)

struct TAktionswerte {
#define MVT_FELD(f) int32_t f = 0;
    MVT_AKTIONSWERTE_ZAEHLER(MVT_FELD)
    MVT_AKTIONSWERTE_MAXIMA(MVT_FELD)
#undef MVT_FELD
    std::vector<TAngreiferElement> Gegner;
    TNamensindex GegnerIndex;
};

struct TEinzelWaffe {
    QString Name;
    int32_t MinNormal = -1;
    int32_t MaxNormal = -1;
    int32_t MinKrit = -1;
    int32_t MaxKrit = -1;
    bool GleicheSekunde = false;
    int32_t Intervall = -1;
    int32_t Intervall2 = -1;
    int32_t LetzteZeit = -1;
    int32_t AnzNormal = 0;
    int32_t SumNormal = 0;
    int32_t AnzKrit = 0;
    int32_t SumKrit = 0;
    uint8_t Darstellung = 0;
    int32_t ZauberNr = -1;
};

// Marks the counts of the second weapon of a same-named pair: the totals stay on the first.
constexpr int32_t AndereWaffe = -2;

// Darstellung codes.
enum : uint8_t {
    DarstellungFernkampfwaffe = 0,
    DarstellungNahkampfwaffe = 1,
    DarstellungSchaden = 2,
    DarstellungSchadenFlaeche = 3,
    DarstellungDOT = 4,
    DarstellungDOTFlaeche = 5,
    DarstellungHeilung = 6,
    DarstellungHeilungGruppe = 7,
    DarstellungHOT = 8,
    DarstellungHOTGruppe = 9,
    DarstellungBuff = 10,
    DarstellungDebuff = 11,
};

// The weapons and spells used in one phase block. The list has no fixed capacity: a
// phase block keeps every name it meets.
struct TWaffen {
    std::vector<TEinzelWaffe> Waffe;
    TNamensindex Index;

    int32_t Anzahl() const { return static_cast<int32_t>(Waffe.size()); }
};

// Position of the entry with this name, or -1.
int WaffeSuchen(TWaffen &w, const QString &name);
// Position of the entry with this name; appended with initial values if missing.
int WaffeHolen(TWaffen &w, const QString &name);

struct TKampfstatus {
    TAktionswerte Ausgeteilt;
    TAktionswerte Eingesteckt;

    int32_t Fehlschlaege = 0;
    int32_t Angriffe = 0;
    int32_t Erfolge = 0;
    int32_t ErfolgeEffektiv = 0;
    int32_t Wirkungen = 0;
    int32_t Kritische = 0;
    int32_t TrefferGesamt = 0;
    int32_t Schaden = 0;
    int32_t Heilung = 0;
    int32_t BesterTreffer = 0;
    int32_t AngriffeErhalten = 0;
    int32_t AusgewichenErhalten = 0;
    int32_t AusweichbarErhalten = 0;
    int32_t TrefferErhalten = 0;
    int32_t BlocksErhalten = 0;
    int32_t DirekteTrefferErhalten = 0;
    int32_t SchadenErhalten = 0;
    int32_t HeilungErhalten = 0;
    double Trefferquote = -1.0;
    double TrefferquoteEffektiv = -1.0;
    double Kritquote = -1.0;
    double Ausweichquote = -1.0;
    double Blockquote = -1.0;
    double SchadenProAngriff = -1.0;
    double SchadenProTreffer = -1.0;
    double SchadenProRunde = -1.0;
    double SchadenErhaltenProAngriff = -1.0;
    double SchadenErhaltenProTreffer = -1.0;
    double SchadenErhaltenProRunde = -1.0;

    TWaffen Waffen;
};

// The figures a fighter collects per Runde, named as the derived values of its total block.
#define MVT_RUNDENWERTE(X)                                                                                   \
    X(Schaden)                                                                                               \
    X(SchadenErhalten)                                                                                       \
    X(Heilung)                                                                                               \
    X(HeilungErhalten)                                                                                       \
    X(Angriffe)                                                                                              \
    X(AngriffeErhalten)                                                                                      \
    X(TrefferGesamt)                                                                                         \
    X(TrefferErhalten)                                                                                       \
    X(Kritische)                                                                                             \
    X(AusgewichenErhalten)                                                                                   \
    X(BlocksErhalten)

// One Runde of one fighter. Runde counts the Runde headers in report order; what comes
// before the first header belongs to Runde 1.
struct TRundenwerte {
    int32_t Runde = 1;
#define MVT_FELD(f) int32_t f = 0;
    MVT_RUNDENWERTE(MVT_FELD)
#undef MVT_FELD
};

// Adds what one booking counted into one side of a block (ausgeteilt: the A-side) to
// the figures of a Runde, by the same sums as the total block's derived values.
void RundenwerteBuchen(TRundenwerte &r, const TAktionswerte &gebucht, bool ausgeteilt);

// Indexes of TKaempfer::Status.
enum TPhasenblock : int { Nahkampf = 0, Fernkampf = 1, Unbestimmt = 2, Gesamt = 3 };

// LetzteAktion codes.
enum : uint8_t {
    AktionKeine = 0,
    AktionAnnaeherung = 1,
    AktionNahkampfwechsel = 2,
    AktionFernkampfwechsel = 3,
    AktionAngriff = 4,
    AktionHeilung = 5,
    AktionSchadenszauber = 6,
    AktionHOTZauber = 7,
    AktionBuff = 8,
    AktionDebuff = 9,
    AktionKampfunfaehig = 12,
};

struct TKaempfer {
    QString Name;
    bool Ueberlebt = true;
    int32_t ZurueckgelegteFelder = 0;
    int32_t Runden = -1;
    bool LetzteAktionKeinAngriff = false;
    uint8_t LetzteAktion = AktionKeine;
    int32_t LetzteAktionZeit = -1;
    int32_t GetoeteteFeinde = 0;
    TKaempfer *LetzterAngreifer = nullptr;
    double Absorb = -1.0;
    double Treffsicherheit = -1.0;
    double KritRate = -1.0;
    double Ausweichrate = -1.0;
    double Blockrate = -1.0;
    int32_t AbsorbWerte = 0;
    int32_t SchrittIntervall = -1;
    double AbsorbEigen = -1.0;
    int32_t AbsorbWerteEigen = 0;
    uint8_t Phase = 0; // 0 undecided, 1 melee, 2 ranged
    std::array<TKampfstatus, 4> Status{};
    TKaempfer *LetzterDOTZauberer = nullptr;
    TKaempfer *LetzterHOTZauberer = nullptr;
    // Only the Runden with a booking of this fighter, in order: a long report with many
    // fighters would otherwise hold mostly empty Runden.
    std::vector<TRundenwerte> ProRunde;

    // The block that collects the fighter's actions in its current phase.
    TKampfstatus &Block() { return Status[Phase == 1 ? Nahkampf : Phase == 2 ? Fernkampf : Unbestimmt]; }
};

// The evaluation state: the fighters in order of first mention. Fighters are held by
// pointer so that the references between them stay valid while the list grows.
struct Kampfauswertung {
    int32_t Runden = 0;
    int32_t Fehler = 0;
    // The finishing passes failed (memory); the caller tells the user, on its own thread.
    bool AbschlussFehler = false;
    // Collect the figures per Runde (TKaempfer::ProRunde); off only to measure their cost.
    bool RundenErfassen = true;
    std::vector<std::unique_ptr<TKaempfer>> Kaempfer;
    QHash<QString, TKaempfer *> Index;
};

TKaempfer *KaempferFinden(const Kampfauswertung &a, const QString &name);
TKaempfer &KaempferHolen(Kampfauswertung &a, const QString &name, bool *neu = nullptr);
void KaempferlisteLeeren(Kampfauswertung &a);

void StatusZuordnen(TKaempfer &k, uint8_t phase);
void StatusAddieren(TKampfstatus &ziel, const TKampfstatus &quelle);
void StatusLeeren(TKampfstatus &s);
void GegnerAnhaengen(TAktionswerte &w, const QString &gegner, const TTrefferElement &treffer);
void KampfwerteBerechnen(TKampfstatus &s);
void DurchschnitteBerechnen(TKampfstatus &s, int32_t runden);

} // namespace mvt
