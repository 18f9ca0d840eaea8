#include "base/Optionen.h"

namespace mvt {

const std::array<const char *, AnzahlWirkungen> WirkungSchluessel = {
    "Schwerter",
    "Dolche",
    "Aexte",
    "Keulen",
    "Stangenwaffen",
    "Boegen",
    "Armbrueste",
    "LeichteRuestungen",
    "SchwereRuestungen",
    "Feuermagie",
    "Wassermagie",
    "Erdmagie",
    "Luftmagie",
    "Bandagieren",
    "Diebstahl",
    "Sabotage",
    "Schattenkunde",
    "Spurenlesen",
    "Erkunden",
    "Feilschen",
    "Holzverarbeitung",
    "Steinverarbeitung",
    "Erzverarbeitung",
    "StoffUndLederverarbeitung",
    "Konstruktion",
    "SchmiedenSchwerter",
    "SchmiedenDolche",
    "SchmiedenAexte",
    "SchmiedenKeulen",
    "SchmiedenStangenwaffen",
    "SchmiedenLeichteRuestungen",
    "SchmiedenSchwereRuestungen",
    "SchmiedenMagiestaebe",
    "BognernBoegen",
    "BognernArmbrueste",
    "SchneidernLeichteRuestungen",
    "Alchemie",
    "Wachdienst",
};

void StandardOptionenSetzen(TOptionen &o)
{
    o = TOptionen{};
}

bool VersionMindestens(const QString &a, const QString &b)
{
    // Character i as an unsigned value, 0 where the text is too short.
    auto zeichen = [](const QString &s, int i) -> unsigned { return i < s.size() ? s[i].unicode() : 0u; };
    for (int i : {0, 2, 3}) {
        if (zeichen(b, i) < zeichen(a, i))
            return true;
        if (zeichen(b, i) > zeichen(a, i))
            return false;
    }
    const bool aBuchstabe = a.size() >= 5;
    const bool bBuchstabe = b.size() >= 5;
    if (!aBuchstabe)
        return !bBuchstabe;
    if (!bBuchstabe)
        return true;
    return zeichen(a, 4) >= zeichen(b, 4);
}

double WirkungBegrenzen(double wert, double min, double max)
{
    // Written so that a NaN, which passes every comparison, ends up at the minimum.
    if (!(wert >= min))
        return min;
    return wert > max ? max : wert;
}

} // namespace mvt
