// The combat tab's part of the combat archive: the button "Archivieren" on the result face,
// the button that opens the window "Kampfarchiv", storing every evaluated fight when the
// player has switched that on, and a fight from the archive shown as if just evaluated.
#include "combat/ui/Kampfberichtseite.h"

#include "combat/Kampfarchiv.h"
#include "combat/ui/Kampfarchivfenster.h"
#include "ui/Steuerelemente.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTableWidget>
#include <QToolButton>

namespace mvt {

namespace {
// A store waits this long for another program's write before the tab reports it: the
// window waits with it.
constexpr int WartezeitMs = 1000;
} // namespace

void TKampfberichtSeite::TArchivfensterLoescher::operator()(TKampfarchivFenster *f) const
{
    delete f;
}

void TKampfberichtSeite::ArchivEinrichten()
{
    if (m_archivPfad.isEmpty())
        m_archivPfad = KampfarchivDateiname;
    SpeedButtonKampfarchiv = Textknopf(this, QStringLiteral("SpeedButtonKampfarchiv"),
                                       QStringLiteral("Kampfarchiv…"), QRect(612, 524, 100, 25));
    SpeedButtonKampfarchiv->setToolTip(QStringLiteral("Archivierte Kämpfe suchen, öffnen und vergleichen"));
    SpeedButtonArchivieren = Textknopf(this, QStringLiteral("SpeedButtonArchivieren"),
                                       QStringLiteral("Archivieren"), QRect(506, 524, 100, 25));
    SpeedButtonArchivieren->setToolTip(QStringLiteral("Diesen Kampf im Kampfarchiv speichern"));
    LabelArchiv = Beschriftung(this, QStringLiteral("LabelArchiv"), QString(), QRect(96, 529, 404, 16));
    for (QToolButton *b : {SpeedButtonKampfarchiv, SpeedButtonArchivieren})
        b->setFocusPolicy(Qt::StrongFocus);
    connect(SpeedButtonArchivieren, &QToolButton::clicked, this,
            &TKampfberichtSeite::SpeedButtonArchivierenClick);
    connect(SpeedButtonKampfarchiv, &QToolButton::clicked, this,
            &TKampfberichtSeite::SpeedButtonKampfarchivClick);
    // Each evaluated fight is stored when the player wants it; the evaluation is shown
    // whatever the archive answers.
    connect(this, &TKampfberichtSeite::AuswertungFertig, this, [this] {
        if (m_auswertung->AbschlussFehler)
            return;
        TKampfarchiv db(m_archivPfad, WartezeitMs);
        if (db.ArchivierungEingeschaltet())
            SpeedButtonArchivierenClick();
        else if (!db.Fehler().isEmpty())
            ArchivMelden(db.Fehler(), true);
    });
    ArchivknoepfeAnpassen();
}

void TKampfberichtSeite::ArchivknoepfeAnpassen()
{
    // Input face: the archive window can be opened. Result face, once the table is full:
    // the shown fight can be stored. Neither while the worker runs (the progress bar's place).
    const bool laeuft = AuswertungLaeuft();
    const bool ergebnis = SpeedButtonZurueck->isVisibleTo(this);
    SpeedButtonKampfarchiv->setVisible(!laeuft);
    SpeedButtonArchivieren->setVisible(!laeuft && ergebnis);
    SpeedButtonArchivieren->setEnabled(!m_auswertung->AbschlussFehler);
    if (laeuft || !ergebnis) {
        LabelArchiv->clear();
        LabelArchiv->hide();
    }
    setTabOrder(SpeedButtonArchivieren, SpeedButtonKampfarchiv);
}

void TKampfberichtSeite::ArchivMelden(const QString &text, bool fehler)
{
    const QString gekuerzt =
        LabelArchiv->fontMetrics().elidedText(text, Qt::ElideRight, LabelArchiv->width());
    LabelArchiv->setText(gekuerzt);
    LabelArchiv->setToolTip(text);
    LabelArchiv->setAccessibleName(text);
    QPalette p = LabelArchiv->palette();
    p.setColor(QPalette::WindowText, fehler ? QColor(Qt::red) : palette().color(QPalette::WindowText));
    LabelArchiv->setPalette(p);
    LabelArchiv->show();
}

void TKampfberichtSeite::SpeedButtonArchivierenClick()
{
    if (AuswertungLaeuft() || m_auswertung->AbschlussFehler)
        return;
    TKampfarchiv db(m_archivPfad, WartezeitMs);
    const auto gespeichert = db.Oeffnen() ? db.Speichern(Memo1->toPlainText(), *m_auswertung) : std::nullopt;
    if (!gespeichert)
        ArchivMelden(db.Fehler(), true);
    else if (gespeichert->Neu)
        ArchivMelden(QStringLiteral("Im Kampfarchiv gespeichert (Nr. %1).").arg(gespeichert->Id), false);
    else
        ArchivMelden(QStringLiteral("Dieser Kampf ist schon im Kampfarchiv (Nr. %1).").arg(gespeichert->Id),
                     false);
    if (m_archivfenster && m_archivfenster->isVisible())
        m_archivfenster->Neuladen();
}

void TKampfberichtSeite::SpeedButtonKampfarchivClick()
{
    if (!m_archivfenster) {
        m_archivfenster.reset(new TKampfarchivFenster(window(), m_archivPfad));
        connect(m_archivfenster.get(), &TKampfarchivFenster::kampfOeffnen, this,
                &TKampfberichtSeite::ArchivierterKampfOeffnen);
    }
    // A secondary window: the main window waits while it is shown.
    if (window() != this)
        window()->setEnabled(false);
    m_archivfenster->show();
    m_archivfenster->AufHauptfensterZentrieren();
    m_archivfenster->raise();
    m_archivfenster->activateWindow();
}

void TKampfberichtSeite::ArchivierterKampfOeffnen(const QString &text)
{
    if (AuswertungLaeuft())
        return;
    if (SpeedButtonZurueck->isVisibleTo(this))
        SpeedButtonZurueckClick();
    Memo1->setPlainText(text);
    SpeedButtonAuswertenClick();
}

} // namespace mvt
