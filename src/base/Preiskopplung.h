// Gold and percentage of one price: every price box of the crafting tab, the price
// dialog and the settings window shows a price twice, as gold and as a whole percentage
// of the good's reference value (market value, for buildings the building value).
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace mvt {

// price x 100 / reference to the nearest integer, halves to even (0 without a reference).
int32_t Prozent(double preis, double referenz);
// percent x reference / 100 as a gold text ("1800", "6,60").
QString GoldAusProzent(int32_t prozent, double referenz);

// A price text as typed (comma as decimal separator). An empty text gives nullopt
// silently; a text that still is no number ("," or "1,2,3" pasted) is reported with the
// conversion message and gives nullopt.
std::optional<double> PreistextLesen(const QString &text);
// The percentage of a price text, without any message; nullopt for an empty or invalid text.
std::optional<int32_t> ProzentAusGoldtext(const QString &text, double referenz);

// A gold text after cleaning and where its caret goes, so that typing in the middle of a
// text keeps the caret behind the character typed.
struct TBereinigterPreistext {
    QString Text;
    int Caret = 0;
};
// PreistextBereinigen of the text; the caret keeps its place among the kept characters.
TBereinigterPreistext PreistextMitCaretBereinigen(const QString &text, int caret);

} // namespace mvt
