// A field that finds a town of the selected world as the player types a part of its name
// or of its owner; the list below it offers the matches. Used on the route tab and in the
// tour window.
#pragma once

#include "routes/Stadtsuche.h"

#include <QLineEdit>

#include <vector>

class QCompleter;
class QStringListModel;

namespace mvt {

class TStadtsuchfeld : public QLineEdit {
    Q_OBJECT
public:
    // The list offers at most this many towns; a longer text narrows it.
    static constexpr int MaxTreffer = 60;

    // welten: read anew for every typed text, so that the list follows a world switch and
    // a town list update.
    TStadtsuchfeld(const routen::TWeltdaten &welten, const QString &name, QWidget *eltern);

    // The offered towns of the current text, in the list's order.
    const std::vector<routen::TStadt> &Treffer() const { return m_treffer; }
    QCompleter *Vervollstaendigung() const { return m_completer; }

signals:
    // A town was chosen from the list (click or Enter), or Enter was pressed on a text
    // that has exactly one match.
    void StadtGewaehlt(const routen::TStadt &stadt);

protected:
    void keyPressEvent(QKeyEvent *e) override;

private:
    void Suchen(const QString &text);
    void Waehlen(int zeile);

    const routen::TWeltdaten &m_welten;
    std::vector<routen::TStadt> m_treffer;
    QStringListModel *m_modell;
    QCompleter *m_completer;
};

} // namespace mvt
