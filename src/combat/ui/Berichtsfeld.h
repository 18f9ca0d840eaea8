// The combat tab's report field: a plain text field into which a long report (100,000 lines,
// several megabytes) is pasted in slices over the event loop, so that the window never
// stands still for long while the text is laid out.
//
//  - A paste of up to Einmaleinfuegung characters goes in at once, as in any text field.
//  - A longer one replaces the selection, then goes in slice by slice, each tick for at
//    most Scheibendauer ms; the field is read-only meanwhile and the whole paste is one
//    undo step. `EinfuegenLaeuft` tells whether slices are still waiting.
//  - Hiding the field (the tab hides it when it starts the evaluation and reads the text)
//    first puts in every waiting slice, so that a reader never sees half a report.
//  - Any other change of the text while slices wait (clearing the field) drops the rest.
#pragma once

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace mvt {

class TBerichtsfeld : public QPlainTextEdit {
public:
    static constexpr qsizetype Einmaleinfuegung = 64 * 1024;
    static constexpr int Scheibendauer = 40; // ms of inserting per tick

    explicit TBerichtsfeld(QWidget *eltern = nullptr);

    bool EinfuegenLaeuft() const { return m_rest < m_text.size(); }
    // Puts in every waiting slice now.
    void EinfuegenAbschliessen();

protected:
    void insertFromMimeData(const QMimeData *quelle) override;
    void hideEvent(QHideEvent *ereignis) override;

private:
    void Scheibe(qint64 hoechstMs);
    void Beenden();

    QString m_text;        // the pasted text
    qsizetype m_rest = 0;  // where its next slice starts
    QTextCursor m_cursor;  // where the next slice goes
    bool m_eigene = false; // the field's own insert is running
};

} // namespace mvt
