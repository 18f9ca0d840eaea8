// TMenuItemHint: the hint of a menu entry, shown 100 ms after the entry is selected,
// 14 pixels right of and below the mouse pointer, and hidden as soon as another entry is
// selected or the menu closes. A menu entry's hint is its QAction::statusTip(); an entry
// whose hint has coloured parts carries that form as HTML in its property "HinweisHtml".
#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

class QAction;
class QMenu;
class QMenuBar;

namespace mvt {

class TMenuItemHint : public QWidget {
    Q_OBJECT
public:
    explicit TMenuItemHint(QWidget *besitzer);
    ~TMenuItemHint() override;

    // Reports every selection of `menue`, of its submenus and its closing to this hint window.
    void MenueAnbinden(QMenu *menue);
    void MenueAnbinden(QMenuBar *leiste);

    // A menu entry was selected; nullptr when the menu closed or nothing is selected.
    void MenuItemAuswaehlen(QAction *eintrag);

    QAction *Eintrag() const { return m_eintrag; }
    QString Text() const { return m_text; }
    QString Html() const { return m_html; }
    QTimer &ZeigeTimer() { return m_zeigeTimer; }

    static constexpr int Verzoegerung = 100;
    static constexpr int Abstand = 14;

protected:
    void paintEvent(QPaintEvent *ereignis) override;

private slots:
    void MenueGeschlossen();
    void UntermenuesAnbinden();

private:
    void Zeigen();

    QTimer m_zeigeTimer;
    QPointer<QAction> m_eintrag;
    QString m_text;
    QString m_html;
};

} // namespace mvt
