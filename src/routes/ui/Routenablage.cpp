#include "routes/ui/Routenablage.h"

#include "routes/RoutenSitzung.h"
#include "routes/ui/Routensteuerelemente.h"
#include "ui/Bilder.h"
#include "ui/Steuerelemente.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>

namespace mvt {

using namespace routen;

TRoutenablage::TRoutenablage(TRoutenSitzung &routen, QWidget *parent) : QWidget(parent), m_routen(routen)
{
    setObjectName(QStringLiteral("Routenablage"));
    // Children are placed in the tab's coordinates, shifted by this area's top.
    const int oben = 380;
    setGeometry(0, oben, 486, 176);

    LabelRouteSpeichern = Beschriftung(this, QStringLiteral("LabelRouteSpeichern"),
                                       RouteSpeichernHinweis(QString()), QRect(8, 384 - oben, 300, 18));
    EditRouteSpeichern = new QLineEdit(this);
    EditRouteSpeichern->setObjectName(QStringLiteral("EditRouteSpeichern"));
    EditRouteSpeichern->setMaxLength(MaxNamenslaenge);
    EditRouteSpeichern->setAccessibleName(QStringLiteral("Name der Route"));
    EditRouteSpeichern->setGeometry(8, 402 - oben, 434, 24);
    EditRouteSpeichern->installEventFilter(this);
    LabelRouteSpeichern->setBuddy(EditRouteSpeichern);
    connect(EditRouteSpeichern, &QLineEdit::textChanged, this,
            [this](const QString &text) { LabelRouteSpeichern->setText(RouteSpeichernHinweis(text)); });
    SpeedButtonRouteSpeichern = Knopf(
        this, QStringLiteral("SpeedButtonRouteSpeichern"), QStringLiteral("Route speichern"),
        Standardsymbol(*this, QStyle::SP_DialogSaveButton), QRect(450, 400 - oben, 28, 28), QSize(20, 20));
    connect(SpeedButtonRouteSpeichern, &QToolButton::clicked, this, &TRoutenablage::SpeichernVerlangt);
    m_ergebnisteile << LabelRouteSpeichern << EditRouteSpeichern << SpeedButtonRouteSpeichern;

    StringGrid3 = Routentabelle(
        this, "StringGrid3", QStringLiteral("Gespeicherte Routen"),
        {QStringLiteral("Gespeicherte Routen"), QStringLiteral("Start"), QStringLiteral("Ziel")});
    StringGrid3->setGeometry(8, 432 - oben, 470, 118);
    StringGrid3->setColumnWidth(0, 290);
    StringGrid3->setColumnWidth(1, 80);
    StringGrid3->setColumnWidth(2, 80);
    StringGrid3->viewport()->installEventFilter(this);
    StringGrid3->installEventFilter(this);
    StringGrid3->setToolTip(QStringLiteral("Auswählen lädt die Route, Entf löscht sie"));
    connect(StringGrid3, &QTableWidget::currentCellChanged, this, [this](int zeile, int, int vorher, int) {
        if (zeile >= 0 && zeile != vorher)
            emit RouteGewaehlt(zeile + 1);
    });
    connect(&routen, &TRoutenSitzung::routenGeaendert, this, [this](int welt) {
        if (welt == m_routen.Welten().AktuelleWelt)
            Zeigen();
    });
}

const TRoutenliste &TRoutenablage::Liste() const
{
    return m_routen.Routenliste(m_routen.Welten().AktuelleWelt);
}

void TRoutenablage::Zeigen()
{
    const std::vector<TRoutentabellenzeile> zeilen = RoutentabelleZeilen(Liste());
    const QSignalBlocker sperre(StringGrid3);
    StringGrid3->clearContents();
    StringGrid3->setRowCount(int(zeilen.size()));
    for (int r = 0; r < int(zeilen.size()); ++r) {
        const TRoutentabellenzeile &z = zeilen[size_t(r)];
        const QString texte[3] = {z.Name, z.Start, z.Ziel};
        for (int s = 0; s < 3; ++s)
            StringGrid3->setItem(r, s, new QTableWidgetItem(texte[s]));
    }
    StringGrid3->clearSelection();
    StringGrid3->setCurrentCell(-1, -1);
}

void TRoutenablage::Speichern(const TRoutenvarianten &varianten, int auftraege)
{
    // the table follows the report
    m_routen.RouteSpeichern(m_routen.Welten().AktuelleWelt,
                            RouteSpeichern(varianten, EditRouteSpeichern->text(), auftraege));
    EditRouteSpeichern->clear();
}

void TRoutenablage::Loeschen()
{
    if (!StringGrid3->isEnabled())
        return;
    const int zeile = StringGrid3->selectionModel()->hasSelection() ? StringGrid3->currentRow() + 1 : 0;
    m_routen.RouteLoeschen(m_routen.Welten().AktuelleWelt, zeile);
}

void TRoutenablage::AuswahlAufheben()
{
    const QSignalBlocker sperre(StringGrid3);
    StringGrid3->clearSelection();
    StringGrid3->setCurrentCell(-1, -1);
}

bool TRoutenablage::eventFilter(QObject *objekt, QEvent *ereignis)
{
    const QEvent::Type typ = ereignis->type();
    if (objekt == StringGrid3->viewport()) {
        if (typ == QEvent::Wheel)
            TabelleMausrad(StringGrid3);
        if (typ == QEvent::MouseButtonPress) {
            // selecting the row loaded last loads it again
            auto *m = static_cast<QMouseEvent *>(ereignis);
            const int zeile = StringGrid3->rowAt(m->position().toPoint().y());
            if (zeile >= 0 && zeile == StringGrid3->currentRow())
                emit RouteGewaehlt(zeile + 1);
        }
        return false;
    }
    if (typ != QEvent::KeyPress)
        return false;
    auto *taste = static_cast<QKeyEvent *>(ereignis);
    if (objekt == EditRouteSpeichern && (taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter)) {
        emit SpeichernVerlangt();
        return true;
    }
    if (objekt == StringGrid3 && taste->key() == Qt::Key_Delete) {
        Loeschen();
        return true;
    }
    return false;
}

} // namespace mvt
