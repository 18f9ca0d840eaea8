// Reader of pasted combat reports: classifies each line by its German keywords, books
// every action into the fighter records and finishes the statistics at the end.
#pragma once

#include "combat/Kaempfer.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <functional>

namespace mvt {

struct TKatalog;

// Line kinds.
enum TZeilenart : int {
    ZeileUnbekannt = 0,
    ZeileRunde = 1,
    ZeileAnnaeherung = 2,
    ZeileNahkampf = 3,
    ZeileFernkampf = 4,
    ZeileAngriff = 5,
    ZeileHeilung = 6,
    ZeileSchadenszauber = 7,
    ZeileHOTZauber = 8,
    ZeileBuff = 9,
    ZeileDebuff = 10,
    ZeileSchadensTick = 11,
    ZeileHeilungsTick = 12,
    ZeileKampfunfaehig = 13,
};

struct TAttackenParameter {
    uint8_t Ergebnis = 0; // 0 hit, 1 missed, 2 dodged
    bool Kritisch = false;
    bool Blockiert = false;
    int32_t Schaden = 0;
    int32_t GeblocktSchaden = 0;
    QString Waffe;
};
struct THeilungsParameter {
    uint8_t Ergebnis = 0; // 0 healed, 1 failed
    bool Exzellent = false;
    int32_t Menge = 0;
    QString Zauber;
};
struct TCastDOTParameter {
    uint8_t Ergebnis = 0; // 0 successful, 1 missed, 2 dodged
    QString Zauber;
};
struct TCastHOTParameter {
    uint8_t Ergebnis = 0; // 0 successful, 1 failed
    QString Zauber;
};
struct TCastBuffParameter {
    uint8_t Ergebnis = 0; // 0 successful, 1 failed
    QString Zauber;
};
struct TCastDebuffParameter {
    uint8_t Ergebnis = 0; // 0 successful, 1 missed, 2 dodged
    QString Zauber;
};
struct TDOTParameter {
    bool Kritisch = false;
    int32_t Schaden = 0;
    QString Zauber;
};
struct THOTParameter {
    bool Exzellent = false;
    int32_t Menge = 0;
    QString Zauber;
};

using TWorte = QList<QStringView>;

// Splits a line at spaces; runs of spaces give no empty words.
TWorte WorteTrennen(QStringView zeile);
int ZeileKlassifizieren(const TKatalog &katalog, const TWorte &w);
QString KaempferNormalisieren(const QString &name);

// Called once per line with the number of lines read so far and the number of lines;
// returning false stops the evaluation early (the fighters read so far are finished).
using TFortschritt = std::function<bool(int32_t zeile, int32_t zeilen)>;

// Evaluates a whole report into a (emptied) evaluation state; returns the error count,
// which is also kept in a.Fehler.
int32_t KampfberichtAuswerten(const QString &text, Kampfauswertung &a, const TKatalog &katalog,
                              const TFortschritt &fortschritt = {});
// The same for a report of anzahl lines handed over one at a time: zeile(i) is asked for
// i = 0, 1, ... in order, and its view stays valid until the next call. A long file need
// not be held as a whole text.
using TZeilenabruf = std::function<QStringView(int32_t zeile)>;
int32_t KampfberichtAuswerten(int32_t anzahl, const TZeilenabruf &zeile, Kampfauswertung &a,
                              const TKatalog &katalog, const TFortschritt &fortschritt = {});

// The own absorb estimate of one fighter (AbsorbEigen, AbsorbWerteEigen) from the hits
// in its total block.
void AbsorbSchaetzen(TKaempfer &k);

// The text shown to the user when the finishing of an evaluation failed.
QString AuswertungsfehlerText();

} // namespace mvt
