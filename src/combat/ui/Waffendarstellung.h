// Weapon panel of the combat tab: the name of one weapon or spell in bold, below it up to
// eight rows of caption and value.
#pragma once

#include "combat/Kaempfer.h"

#include <QLabel>

namespace mvt {

struct TKatalog;

// Pixel size of the detail view's rows, the weapon panels included.
inline constexpr int DetailSchrift = 10;

class TWaffendarstellung : public QLabel {
    Q_OBJECT
public:
    static constexpr int Zeilenhoehe = 16;
    static constexpr int Wertabstand = 107;

    TWaffendarstellung(const TEinzelWaffe &waffe, const TKatalog &katalog, QWidget *parent, int links,
                       int oben);

    // Vertical position (in the parent) reached by the last row.
    int Ende() const { return m_ende; }
    int Zeilen() const { return static_cast<int>(m_beschriftungen.size()); }
    QLabel *Beschriftung(int i) const { return m_beschriftungen.value(i); }
    QLabel *Wert(int i) const { return m_werte.value(i); }

private:
    QList<QLabel *> m_beschriftungen;
    QList<QLabel *> m_werte;
    int m_ende = 0;
};

} // namespace mvt
