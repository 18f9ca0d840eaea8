#include "routes/ui/Stadtsuchfeld.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QStringListModel>

namespace mvt {

using namespace routen;

TStadtsuchfeld::TStadtsuchfeld(const TWeltdaten &welten, const QString &name, QWidget *eltern)
    : QLineEdit(eltern), m_welten(welten), m_modell(new QStringListModel(this)),
      m_completer(new QCompleter(this))
{
    setObjectName(name);
    setPlaceholderText(QStringLiteral("Name oder Besitzer"));
    // the list is filtered here by the search rules (umlauts typed as ae, oe, ue, ss),
    // which the completer's own filters do not know
    m_completer->setModel(m_modell);
    m_completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_completer->setMaxVisibleItems(12);
    m_completer->setWidget(this);
    m_completer->popup()->setObjectName(name + QStringLiteral("Liste"));
    m_completer->popup()->setAccessibleName(QStringLiteral("Gefundene Städte"));
    connect(this, &QLineEdit::textEdited, this, &TStadtsuchfeld::Suchen);
    connect(m_completer, qOverload<const QModelIndex &>(&QCompleter::activated), this,
            [this](const QModelIndex &i) { Waehlen(i.row()); });
}

void TStadtsuchfeld::Suchen(const QString &text)
{
    m_treffer.clear();
    QStringList zeilen;
    if (!text.trimmed().isEmpty()) {
        const std::vector<TStadt> alle =
            StaedteSuchen(StaedteDerWelt(m_welten.Aktuell(), m_welten.Kartengroesse), text);
        for (const TStadt &s : alle) {
            if (static_cast<int>(m_treffer.size()) >= MaxTreffer)
                break;
            m_treffer.push_back(s);
            zeilen << StadtEintrag(s);
        }
    }
    m_modell->setStringList(zeilen);
    if (zeilen.isEmpty())
        m_completer->popup()->hide();
    else
        m_completer->complete();
}

void TStadtsuchfeld::Waehlen(int zeile)
{
    if (zeile < 0 || zeile >= static_cast<int>(m_treffer.size()))
        return;
    const TStadt stadt = m_treffer[size_t(zeile)];
    setText(StadtEintrag(stadt));
    m_completer->popup()->hide();
    emit StadtGewaehlt(stadt);
}

void TStadtsuchfeld::keyPressEvent(QKeyEvent *e)
{
    // Enter on a text with exactly one match takes it without opening the list
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !m_completer->popup()->isVisible()) {
        if (m_treffer.size() == 1)
            Waehlen(0);
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}

} // namespace mvt
