#include "planner/Spineingabe.h"

#include <algorithm>

namespace mvt::planer {

std::optional<TSpinErgebnis> PruefeSpinEingabe(TSpinGedaechtnis &g, const QString &text, int64_t jetzt,
                                               int32_t untergrenze, int32_t obergrenze)
{
    QString t;
    for (QChar c : text)
        if (c >= u'0' && c <= u'9')
            t += c;
    bool ersetzt = false;
    if (g.Gemerkt && jetzt - g.Zeit >= 0 && jetzt - g.Zeit < SpinMerkdauer && !t.isEmpty()) {
        t = g.Eintrag + t.back();
        ersetzt = true;
    }
    g.Gemerkt = ersetzt ? false : g.Gemerkt;
    if (t.isEmpty())
        return std::nullopt;
    // Many digits cannot be an int32; they are above every upper limit.
    bool ok = false;
    const qlonglong v = t.size() > 12 ? obergrenze + 1LL : t.toLongLong(&ok);
    TSpinErgebnis e;
    if (v < untergrenze) {
        g.Eintrag = t;
        g.Zeit = jetzt;
        g.Gemerkt = true;
        e.Wert = untergrenze;
        e.Begrenzt = true;
    } else if (v > obergrenze) {
        e.Wert = obergrenze;
        e.Begrenzt = true;
    } else {
        e.Wert = static_cast<int32_t>(v);
        // leading zeros ("00" after a limit put "0" before the caret) are not the value's text
        e.Begrenzt = ersetzt || QString::number(v) != text;
    }
    return e;
}

bool LevelWirdGescrollt(int64_t letzteAenderung, int64_t jetzt)
{
    int64_t t = jetzt - letzteAenderung;
    if (t < 0)
        t = 10000;
    return t < LevelScrollDauer;
}

} // namespace mvt::planer
