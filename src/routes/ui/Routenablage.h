// The saved routes of the route tab: the name field and button that save the shown route,
// and the table of the selected world's routes that loads one or deletes it. It shows the
// program state's list and changes it through the route part of the session, whose reports
// it follows.
#pragma once

#include "routes/GespeicherteRouten.h"

#include <QList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QTableWidget;
class QToolButton;

namespace mvt {

namespace routen {
class TRoutenSitzung;
}

class TRoutenablage : public QWidget {
    Q_OBJECT
public:
    // Covers the tab's lower left (486 x 176 from (0, 380)).
    TRoutenablage(routen::TRoutenSitzung &routen, QWidget *parent);

    // The routes of the selected world into the table, without a selected row (also after
    // the list was changed elsewhere).
    void Zeigen();
    // Saves the shown route under the typed name after the cursor of the selected world.
    void Speichern(const routen::TRoutenvarianten &varianten, int auftraege);
    // Delete on the table: the selected route goes.
    void Loeschen();
    void AuswahlAufheben();
    // The routes of the selected world.
    const routen::TRoutenliste &Liste() const;
    // What is shown only while there is a route.
    const QList<QWidget *> &Ergebnisteile() const { return m_ergebnisteile; }

    QLabel *LabelRouteSpeichern;
    QLineEdit *EditRouteSpeichern;
    QToolButton *SpeedButtonRouteSpeichern;
    QTableWidget *StringGrid3;

signals:
    // The save button, or Enter in the name field.
    void SpeichernVerlangt();
    // A row was selected, or the selected row clicked again (1 = first route).
    void RouteGewaehlt(int zeile);

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    routen::TRoutenSitzung &m_routen;
    QList<QWidget *> m_ergebnisteile;
};

} // namespace mvt
