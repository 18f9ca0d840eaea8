#include "planner/WasWaereWenn.h"

#include "base/Zahlen.h"

#include <cmath>
#include <limits>

namespace mvt::planer {

namespace {

// The attack source the view's first weapon line shows.
const TWaffenwerte &ErsteWaffe(const TAusruestungsArten &arten, const TCharakter &c, TAnsicht ansicht)
{
    if (ansicht == TAnsicht::Fernkampf) {
        const uint8_t fern = arten[PosFernkampf];
        return (fern == 1 || fern == 2) ? c.Fernwaffe : c.Zauber;
    }
    const uint8_t neben = arten[PosNebenwaffe];
    if (arten[PosHauptwaffe] == 0 && neben >= 1 && neben <= 4)
        return c.Nebenwaffe;
    return c.Hauptwaffe;
}

const QString Minus = QStringLiteral("\u2212");

// Rounds as "Gegner besiegt in" shows them: one decimal, halves to the even tenth.
double AufZehntel(double x)
{
    return static_cast<double>(Runden(10.0 * x)) / 10.0;
}

// The value as its label shows it, so that the hint gives the difference the player reads
// (the compare mode subtracts the shown texts too).
double Gezeigt(double x, int nachkommastellen)
{
    return FestFormatieren(x, nachkommastellen).toDouble();
}

// Ranks of a rounds value where -1 means "never": for "Gegner besiegt in" never is the
// worst, for the rounds the character lasts the best; 0 or less is "schon tot".
double Rang(double runden)
{
    if (runden == -1.0)
        return std::numeric_limits<double>::infinity();
    return runden <= 0.0 ? 0.0 : runden;
}

} // namespace

QString MitVorzeichen(double d, int nachkommastellen)
{
    const QString betrag = FestFormatieren(std::fabs(d), nachkommastellen);
    bool null = true;
    for (QChar ch : betrag)
        if (ch.isDigit() && ch != u'0')
            null = false;
    if (null)
        return QStringLiteral("±") + betrag;
    return (d < 0.0 ? Minus : QStringLiteral("+")) + betrag;
}

TKennwerte Kennwerte(const TPlaner &p)
{
    TKennwerte w;
    const TCharakter &c = p.Charakter;
    w.Ansicht = p.Bewertung.Ansicht;
    const bool fern = w.Ansicht == TAnsicht::Fernkampf;
    w.Ruestschutz = fern ? c.RuestschutzFern : c.RuestschutzNah;
    w.Absorb = fern ? c.AbsorbFern : c.Absorb;
    w.Ausweichen = fern ? c.AusweichenFern : c.AusweichenNah;
    w.Behinderung = fern ? c.BehinderungFern : c.BehinderungNah;
    const TWaffenwerte &waffe = ErsteWaffe(p.Arten, c, w.Ansicht);
    w.Treffsicherheit = waffe.Treffsicherheit;
    w.KritischeTreffer = waffe.KritischeTreffer;
    const TOffensivErgebnis &o = p.Bewertung.Offensive;
    w.Heilung = o.Heilung;
    w.ProRunde = o.ProRunde;
    w.Entgangen = o.Entgangen;
    w.GegnerBesiegtIn = o.GegnerBesiegtIn;
    w.RundenUeberlebt = p.Bewertung.Defensive.RundenUeberlebt;
    w.Schadensreduktion = p.Bewertung.Defensive.Schadensreduktion;
    return w;
}

std::optional<TKennwerte> WasWaereWenn(const TPlaner &p, const TKatalog &k, TSlot s, const QString &eintrag)
{
    TPlaner kopie = p;
    // The copy must not move the limits of the tab's attribute inputs.
    kopie.UntergrenzenGeaendert = nullptr;
    if (!WaehleMenueEintrag(kopie, k, s, eintrag, false, false))
        return std::nullopt;
    return Kennwerte(kopie);
}

std::vector<TUnterschiedsZeile> UnterschiedsZeilen(const TKennwerte &vorher, const TKennwerte &nachher)
{
    std::vector<TUnterschiedsZeile> zeilen;
    // hoeherBesser: whether a larger value is the better one.
    auto zahl = [&](const QString &beschriftung, double a, double b, int stellen, const QString &einheit,
                    bool hoeherBesser) {
        const double d = Gezeigt(b, stellen) - Gezeigt(a, stellen);
        const QString wert = MitVorzeichen(d, stellen);
        if (wert.startsWith(u'±'))
            return;
        zeilen.push_back({beschriftung + u' ' + wert + einheit, (d > 0.0) == hoeherBesser});
    };
    auto runden = [&](const QString &beschriftung, double a, double b, bool wenigerBesser) {
        if (a > 0.0 && b > 0.0) {
            const double d = AufZehntel(AufZehntel(b) - AufZehntel(a));
            if (d == 0.0)
                return;
            const QString zahlText = ZahlAllgemein(std::fabs(d));
            zeilen.push_back({beschriftung + u' ' + (d < 0.0 ? Minus : QStringLiteral("+")) + zahlText +
                                  QStringLiteral(" Runden"),
                              (d < 0.0) == wenigerBesser});
            return;
        }
        if (Rang(a) == Rang(b))
            return;
        // Never, or already dead, on one side: no difference to give, so both values.
        zeilen.push_back({beschriftung + u' ' + RundenText(b) + QStringLiteral(" statt ") + RundenText(a),
                          (Rang(b) < Rang(a)) == wenigerBesser});
    };
    const QString prozent = QStringLiteral(" %");
    zahl(QStringLiteral("Rüstschutz"), vorher.Ruestschutz, nachher.Ruestschutz, 1, prozent, true);
    zahl(QStringLiteral("Absorb"), vorher.Absorb, nachher.Absorb, 1, QString(), true);
    zahl(QStringLiteral("Ausweichen"), vorher.Ausweichen, nachher.Ausweichen, 2, prozent, true);
    zahl(QStringLiteral("Behinderung"), vorher.Behinderung, nachher.Behinderung, 0, prozent, false);
    zahl(QStringLiteral("Treffsicherheit"), vorher.Treffsicherheit, nachher.Treffsicherheit, 2, prozent,
         true);
    zahl(QStringLiteral("Krit. Treffer"), vorher.KritischeTreffer, nachher.KritischeTreffer, 2, prozent,
         true);
    // Damage and healing per round are not one scale; a switch of mode gives no difference.
    if (vorher.Heilung == nachher.Heilung) {
        const bool h = nachher.Heilung;
        zahl(h ? QStringLiteral("Ø Heilung pro Runde") : QStringLiteral("Ø Schaden pro Runde"),
             vorher.ProRunde, nachher.ProRunde, 2, QString(), true);
        zahl(h ? QStringLiteral("Heilung entgangen") : QStringLiteral("Schaden entgangen"), vorher.Entgangen,
             nachher.Entgangen, 2, prozent, false);
    }
    if (vorher.GegnerBesiegtIn && nachher.GegnerBesiegtIn)
        runden(QStringLiteral("Gegner besiegt in"), *vorher.GegnerBesiegtIn, *nachher.GegnerBesiegtIn, true);
    runden(QStringLiteral("Überlebt"), vorher.RundenUeberlebt, nachher.RundenUeberlebt, false);
    zahl(QStringLiteral("Schadensreduktion"), vorher.Schadensreduktion, nachher.Schadensreduktion, 2, prozent,
         true);
    return zeilen;
}

} // namespace mvt::planer
