#include "base/Preiskopplung.h"

#include "base/Meldung.h"
#include "base/Zahlen.h"

#include <algorithm>

namespace mvt {

int32_t Prozent(double preis, double referenz)
{
    if (!(referenz > 0.0))
        return 0;
    return Runden32(preis * 100.0 / referenz);
}

QString GoldAusProzent(int32_t prozent, double referenz)
{
    return GoldFormatieren(static_cast<double>(prozent) * referenz / 100.0);
}

std::optional<double> PreistextLesen(const QString &text)
{
    if (text.trimmed().isEmpty())
        return std::nullopt;
    const std::optional<double> wert = KommazahlLesen(text);
    if (!wert)
        MeldungZeigen(QStringLiteral("'%1' is not a valid floating point value").arg(Zitat(text)));
    return wert;
}

std::optional<int32_t> ProzentAusGoldtext(const QString &text, double referenz)
{
    const std::optional<double> wert = KommazahlLesen(text);
    if (!wert)
        return std::nullopt;
    return Prozent(*wert, referenz);
}

TBereinigterPreistext PreistextMitCaretBereinigen(const QString &text, int caret)
{
    // Cleaning works strictly left to right, so the cleaned text before the caret is
    // exactly the start of the cleaned whole.
    caret = std::clamp(caret, 0, static_cast<int>(text.size()));
    return {PreistextBereinigen(text), static_cast<int>(PreistextBereinigen(text.left(caret)).size())};
}

} // namespace mvt
