#include "routes/ui/Auftragsliste.h"

#include "routes/Auftraege.h"
#include "routes/ui/Routensteuerelemente.h"
#include "ui/Einpassen.h"
#include "ui/Steuerelemente.h"

#include <QDateTime>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>

namespace mvt {

using namespace routen;

TAuftragsliste::TAuftragsliste(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Auftragsliste"));
    setGeometry(0, 88, 784, 292);
    // Children are placed in the tab's coordinates, shifted by this area's top.
    const int oben = 88;

    StringGrid2 = Routentabelle(
        this, "StringGrid2", QStringLiteral("Aufträge der Route"),
        {QString(), QStringLiteral("Auftrag"), QStringLiteral("Reisezeit"), QStringLiteral("Ankunft")});
    StringGrid2->setGeometry(8, 88 - oben, 470, 290);
    StringGrid2->setColumnWidth(0, 32);
    StringGrid2->setColumnWidth(1, 130);
    StringGrid2->setColumnWidth(2, 136);
    StringGrid2->setColumnWidth(3, 150);
    StringGrid2->viewport()->installEventFilter(this);
    m_ergebnisteile << StringGrid2;

    auto *bevel1 = new QFrame(this);
    bevel1->setObjectName(QStringLiteral("Bevel1"));
    bevel1->setFrameShape(QFrame::Box);
    bevel1->setFrameShadow(QFrame::Sunken);
    bevel1->setGeometry(486, 88 - oben, 290, 176);
    m_ergebnisteile << bevel1;
    struct TErgebnis {
        QLabel **feld;
        const char *name;
        const char *beschriftung;
    };
    const TErgebnis ergebnisse[] = {
        {&LabelReisezeit1, "LabelReisezeit1", "Reisezeit:"},
        {&LabelAnkunft1, "LabelAnkunft1", "Ankunft:"},
        {&LabelZeitersparnis1, "LabelZeitersparnis1", "Zeitersparnis:"},
        {&LabelOptimalitaet1, "LabelOptimalitaet1", "Optimalität:"},
        {&LabelFelder1, "LabelFelder1", "Überquerte Felder:"},
        {&LabelZeitProFeld1, "LabelZeitProFeld1", "Zeit pro Feld:"},
        {&LabelAuftragsanzahl1, "LabelAuftragsanzahl1", "Auftragsanzahl:"},
        {&LabelOptimaleLaenge1, "LabelOptimaleLaenge1", "Optimale Länge:"},
    };
    // The tab's font in bold: under the main window's style sheet a label's inherited font
    // does not keep the tab's pixel size.
    QFont fett = parentWidget()->font();
    fett.setBold(true);
    int y = 96 - oben;
    for (const TErgebnis &e : ergebnisse) {
        const QString name = QLatin1String(e.name);
        auto *b =
            Beschriftung(this, name.chopped(1), QString::fromUtf8(e.beschriftung), QRect(494, y, 116, 18));
        auto *w = Beschriftung(this, name, QString(), QRect(612, y, 162, 18));
        w->setFont(fett);
        // The caption labels its value; a screen reader reads the value as the name.
        b->setBuddy(w);
        *e.feld = w;
        m_ergebnisteile << b << w;
        y += 20;
    }

    auto *max = Beschriftung(this, QStringLiteral("LabelAuftraege"), QStringLiteral("&Max. Aufträge:"),
                             QRect(494, 276 - oben, 98, 22));
    SpinEditAuftraege =
        Auftragsfeld(this, "SpinEditAuftraege", QStringLiteral("Max. Aufträge"), 594, 276 - oben);
    SpinEditAuftraege->setValue(10);
    max->setBuddy(SpinEditAuftraege);
    SpinEditAuftraege->installEventFilter(this);
    m_ergebnisteile << max << SpinEditAuftraege;
}

void TAuftragsliste::Zeigen(const TRoutenauswertung &e, const QDateTime &jetzt)
{
    {
        const QSignalBlocker sperre(StringGrid2);
        StringGrid2->clearContents();
        StringGrid2->setRowCount(int(e.Auftraege.size()));
        for (int r = 0; r < int(e.Auftraege.size()); ++r) {
            const QStringList spalten = AuftragsSpalten(e.Auftraege[size_t(r)], jetzt);
            for (int s = 0; s < 4; ++s) {
                auto *zelle = new QTableWidgetItem(spalten[s]);
                zelle->setTextAlignment(Qt::AlignVCenter | (s == 0 ? Qt::AlignRight : Qt::AlignLeft));
                StringGrid2->setItem(r, s, zelle);
            }
        }
    }
    // Long figures of a long route take a smaller font rather than run out of the box.
    TextEinpassen(LabelReisezeit1, DauerText(e.Reisezeit), 9);
    TextEinpassen(LabelAnkunft1, AnkunftText(e.Reisezeit, jetzt), 9);
    TextEinpassen(LabelZeitersparnis1, e.ZeitersparnisText(), 9);
    TextEinpassen(LabelOptimalitaet1, e.OptimalitaetText(), 9);
    LabelFelder1->setText(QString::number(e.Felder));
    LabelZeitProFeld1->setText(e.ZeitProFeldText());
    LabelAuftragsanzahl1->setText(QString::number(e.Auftragsanzahl));
    LabelOptimaleLaenge1->setText(QString::number(e.OptimaleLaenge));
}

bool TAuftragsliste::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (objekt == StringGrid2->viewport() && ereignis->type() == QEvent::Wheel)
        TabelleMausrad(StringGrid2);
    // an empty count waits until the field is left, then it is 1
    if (objekt == SpinEditAuftraege && ereignis->type() == QEvent::FocusOut &&
        SpinEditAuftraege->text().isEmpty())
        SpinEditAuftraege->setValue(1);
    return false;
}

} // namespace mvt
