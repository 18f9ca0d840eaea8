// The one place for rounding and number texts. Every other file calls these.
#pragma once

#include <QDateTime>
#include <QString>

#include <cmath>
#include <cstdint>
#include <optional>

namespace mvt {

// Nearest integer, halves to the even neighbour. NaN gives 0; values beyond the
// 64-bit range are clamped, so no caller ever meets undefined behaviour.
int64_t Runden(double x);
// The same, clamped to the 32-bit range.
int32_t Runden32(double x);

// Products and sums of percentages with a few decimals are whole in fact but land just
// below in binary (0.66 * 100 = 65.99999999999999). The tolerance lies far below the
// smallest true distance of such values to the next whole number.
inline constexpr double RundungsToleranz = 1e-9;
// floor that keeps such values whole.
inline double AbrundenMitToleranz(double x)
{
    return std::floor(x + RundungsToleranz);
}

// Two decimals with a comma; a trailing ",00" is dropped: 12.5 -> "12,50", 12 -> "12".
QString GoldFormatieren(double gold);

// Whole numbers plainly ("14"), otherwise two decimals with a full stop ("2.80").
QString MengeFormatieren(double menge);

// General form: up to 15 significant digits, decimal comma, no trailing zeros,
// exponent form "1,5E20" for very large or very small magnitudes.
QString ZahlAllgemein(double x);

// Fixed number of decimals with a full stop ("13.52").
QString FestFormatieren(double x, int nachkommastellen);
// The same with a decimal comma ("1,00"), as potencies are shown and stored.
inline QString FestMitKomma(double x, int nachkommastellen)
{
    return FestFormatieren(x, nachkommastellen).replace(u'.', u',');
}

// Parses a decimal number with a comma (a full stop is not accepted, as in the game
// tool's number fields); surrounding blanks are ignored. nullopt when it is not a number.
std::optional<double> KommazahlLesen(const QString &text);
// Integer text, optional sign; nullopt when it is not an int32.
std::optional<int32_t> GanzzahlLesen(const QString &text);

// Dates as days since 30 December 1899 with the fraction as time of day (local time).
double JetztAlsTageszahl();
double DatumZuTageszahl(const QDateTime &datum);
QDateTime TageszahlZuDatum(double tage);

// Input helpers of the number fields.
// The character to insert for a typed character c, or nullopt when it is refused.
std::optional<QChar> ZeichenPruefen(const QString &text, QChar c);
QString ZiffernBegrenzen(const QString &text, int n, int m);
QString ZiffernBegrenzenMitVorzeichen(const QString &text, int n, int m);
inline QString PreistextBereinigen(const QString &text)
{
    return ZiffernBegrenzen(text, 7, 2);
}

} // namespace mvt
