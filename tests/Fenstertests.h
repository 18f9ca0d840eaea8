// The main function of a window test executable that runs several Qt Test classes,
// headless unless QT_QPA_PLATFORM says otherwise.
#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <initializer_list>
#include <memory>

namespace mvt::test {

using TTestErzeuger = QObject *(*)();

inline int FenstertestsAusfuehren(int argc, char **argv, std::initializer_list<TTestErzeuger> tests)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    int fehler = 0;
    for (TTestErzeuger erzeugen : tests) {
        std::unique_ptr<QObject> test(erzeugen());
        fehler += QTest::qExec(test.get(), argc, argv);
    }
    return fehler == 0 ? 0 : 1;
}

// Holds Ctrl or Shift down as the keyboard does, through the window system, so that
// QGuiApplication::queryKeyboardModifiers sees it; let go when the object goes. The widget's
// window must be shown.
class TTasteGehalten {
public:
    TTasteGehalten(QWidget *w, Qt::Key taste) : m_fenster(w->window()->windowHandle()), m_taste(taste)
    {
        if (m_fenster)
            QTest::keyPress(m_fenster, taste, Modifikator());
    }
    ~TTasteGehalten() { Loslassen(); }
    TTasteGehalten(const TTasteGehalten &) = delete;
    TTasteGehalten &operator=(const TTasteGehalten &) = delete;

    // Lets go in another window (a menu that has the keyboard, for example).
    void Loslassen(QWidget *in = nullptr)
    {
        QWindow *f = in ? in->window()->windowHandle() : m_fenster;
        if (f && m_gehalten)
            QTest::keyRelease(f, m_taste);
        m_gehalten = false;
    }
    Qt::KeyboardModifier Modifikator() const
    {
        return m_taste == Qt::Key_Control ? Qt::ControlModifier : Qt::ShiftModifier;
    }

private:
    QWindow *m_fenster;
    Qt::Key m_taste;
    bool m_gehalten = true;
};

} // namespace mvt::test
