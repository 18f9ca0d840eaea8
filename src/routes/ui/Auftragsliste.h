// The order list of the route tab: the travel orders of the shown route variant, the
// figures of the route beside them and the "Max. Aufträge" that picks the variant.
#pragma once

#include <QList>
#include <QWidget>

class QDateTime;
class QLabel;
class QSpinBox;
class QTableWidget;

namespace mvt {

namespace routen {
struct TRoutenauswertung;
}

class TAuftragsliste : public QWidget {
    Q_OBJECT
public:
    // Covers the tab from below the input down to the saved routes (784 x 292); the
    // transfer area lies over its empty lower right corner.
    explicit TAuftragsliste(QWidget *parent);

    // The orders as rows and the figures; long figures take a smaller font.
    void Zeigen(const routen::TRoutenauswertung &e, const QDateTime &jetzt);
    // What is shown only while there is a route.
    const QList<QWidget *> &Ergebnisteile() const { return m_ergebnisteile; }

    QTableWidget *StringGrid2;
    QLabel *LabelReisezeit1, *LabelAnkunft1, *LabelZeitersparnis1, *LabelOptimalitaet1, *LabelFelder1,
        *LabelZeitProFeld1, *LabelAuftragsanzahl1, *LabelOptimaleLaenge1;
    QSpinBox *SpinEditAuftraege;

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    QList<QWidget *> m_ergebnisteile;
};

} // namespace mvt
