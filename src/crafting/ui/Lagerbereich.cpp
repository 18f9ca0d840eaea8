#include "crafting/ui/Lagerbereich.h"

#include "crafting/Analyse.h"
#include "crafting/Einkaufsliste.h"
#include "crafting/Lagerverrechnung.h"
#include "ui/Steuerelemente.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QToolButton>

namespace mvt {

TLagerbereich::TLagerbereich(const TKatalog &katalog, const TCraftingZustand &crafting, QRect ort,
                             QWidget *eltern)
    : QWidget(eltern), m_katalog(katalog), m_crafting(crafting)
{
    setObjectName(QStringLiteral("Lagerbereich"));
    setGeometry(ort);
    CheckBoxLager = new QCheckBox(QStringLiteral("Lager berücksichtigen"), this);
    CheckBoxLager->setObjectName(QStringLiteral("CheckBoxLager"));
    CheckBoxLager->setAccessibleName(QStringLiteral("Lager berücksichtigen"));
    CheckBoxLager->setToolTip(
        QStringLiteral("Was im Lager liegt, wird vor dem Herstellen und Kaufen verbraucht."));
    CheckBoxLager->setGeometry(0, 0, ort.width(), 20);
    SpeedButtonLager =
        Textknopf(this, QStringLiteral("SpeedButtonLager"), QStringLiteral("Lager..."), {0, 22, 76, 22});
    SpeedButtonEinkaufsliste = Textknopf(this, QStringLiteral("SpeedButtonEinkaufsliste"),
                                         QStringLiteral("Einkaufsliste..."), {80, 22, 100, 22});
    LabelLagerwert =
        Beschriftung(this, QStringLiteral("LabelLagerwert"), QString(), {4, 44, ort.width() - 4, 20});
    // The checked state, not the click: a screen reader's toggle action switches too.
    connect(CheckBoxLager, &QCheckBox::toggled, this, &TLagerbereich::lagerUmgeschaltet);
    connect(SpeedButtonLager, &QToolButton::clicked, this, &TLagerbereich::lagerGewuenscht);
    connect(SpeedButtonEinkaufsliste, &QToolButton::clicked, this, &TLagerbereich::einkaufslisteGewuenscht);
}

void TLagerbereich::LagerwertAnzeigen(int modus)
{
    QString text;
    if (LagerZaehlt(m_crafting))
        text = QStringLiteral("Aus dem Lager: %1 Gold")
                   .arg(BetragText(EinkaufslisteBerechnen(m_katalog, m_crafting, modus).Lagerwert));
    if (text == LabelLagerwert->text())
        return;
    LabelLagerwert->setText(text);
    LabelLagerwert->setAccessibleName(text);
    QAccessibleEvent ereignis(LabelLagerwert, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&ereignis);
}

} // namespace mvt
