#include "combat/ui/Berichtsfeld.h"

#include <QMimeData>
#include <QScrollBar>
#include <QTimer>

namespace mvt {

TBerichtsfeld::TBerichtsfeld(QWidget *eltern) : QPlainTextEdit(eltern)
{
    connect(document(), &QTextDocument::contentsChange, this, [this](int, int, int) {
        // cleared or changed from elsewhere while slices wait: the rest is not wanted
        if (!m_eigene && EinfuegenLaeuft())
            Beenden();
    });
}

void TBerichtsfeld::insertFromMimeData(const QMimeData *quelle)
{
    if (!quelle || !quelle->hasText() || isReadOnly()) {
        QPlainTextEdit::insertFromMimeData(quelle);
        return;
    }
    QString text = quelle->text();
    if (text.size() <= Einmaleinfuegung) {
        QPlainTextEdit::insertFromMimeData(quelle);
        return;
    }
    EinfuegenAbschliessen(); // a second long paste after the first
    m_text = std::move(text);
    m_rest = 0;
    m_cursor = textCursor();
    m_eigene = true;
    m_cursor.beginEditBlock();
    m_cursor.removeSelectedText();
    m_cursor.endEditBlock();
    m_eigene = false;
    setReadOnly(true);
    Scheibe(Scheibendauer);
}

void TBerichtsfeld::Scheibe(qint64 hoechstMs)
{
    QElapsedTimer uhr;
    uhr.start();
    m_eigene = true;
    m_cursor.joinPreviousEditBlock(); // the whole paste is one undo step
    while (EinfuegenLaeuft() && (hoechstMs < 0 || uhr.elapsed() < hoechstMs)) {
        // about 2,000 lines of a report at a time, ended at a line break
        qsizetype ende = std::min(m_text.size(), m_rest + qsizetype(16 * 1024));
        if (ende < m_text.size()) {
            const qsizetype umbruch = m_text.indexOf(u'\n', ende);
            ende = umbruch < 0 ? m_text.size() : umbruch + 1;
        }
        m_cursor.insertText(QStringView(m_text).mid(m_rest, ende - m_rest).toString());
        m_rest = ende;
    }
    m_cursor.endEditBlock();
    m_eigene = false;
    if (!EinfuegenLaeuft()) {
        setTextCursor(m_cursor);
        ensureCursorVisible();
        Beenden();
        return;
    }
    QTimer::singleShot(0, this, [this] {
        if (EinfuegenLaeuft())
            Scheibe(Scheibendauer);
    });
}

void TBerichtsfeld::EinfuegenAbschliessen()
{
    if (EinfuegenLaeuft())
        Scheibe(-1);
}

void TBerichtsfeld::Beenden()
{
    m_text.clear();
    m_rest = 0;
    m_cursor = QTextCursor();
    setReadOnly(false); // a read-only field takes no paste, so it was writable before
}

void TBerichtsfeld::hideEvent(QHideEvent *ereignis)
{
    EinfuegenAbschliessen();
    QPlainTextEdit::hideEvent(ereignis);
}

} // namespace mvt
