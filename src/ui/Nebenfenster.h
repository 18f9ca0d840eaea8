// The common frame of the secondary windows TForm2 ... TForm10: created once at start,
// then only shown and hidden. The caller disables the main window, puts the window's
// mode into Tag and shows it; closing (close button, Escape, the frame's close box)
// enables the main window again.
#pragma once

#include <QWidget>

namespace mvt {

class TNebenfenster : public QWidget {
    Q_OBJECT
public:
    enum class Rahmen {
        Dialog, // fixed dialog frame
        Groessenveraenderbar,
    };

    // hauptfenster: the window to enable again on close (TForm1, created first).
    TNebenfenster(QWidget *hauptfenster, const QString &titel, Rahmen rahmen, bool immerOben);

    // Mode of the current showing, set by the caller before show().
    int Tag = 0;

    // Creation handler; runs once right after the window has been constructed and
    // registered, so that it may already reach every window created before it.
    virtual void FormCreate() {}

    QWidget *Hauptfenster() const { return m_hauptfenster; }
    // Places the window's frame centred on the main window's frame.
    void AufHauptfensterZentrieren();

    // Draw the tiled background behind the controls (most windows do).
    void HintergrundZeigen(bool an);

    void setVisible(bool sichtbar) override;

protected:
    // Runs before every showing: windows that the program creates at start but nobody sees
    // yet make their controls here, once.
    virtual void VorDemZeigen() {}
    // Called on every showing and on every close; the close handler of a subclass calls
    // the base version last, which enables the main window.
    virtual void FormShow() {}
    virtual void FormClose() { HauptfensterFreigeben(); }
    void HauptfensterFreigeben();

    void showEvent(QShowEvent *ereignis) override;
    void closeEvent(QCloseEvent *ereignis) override;
    void keyPressEvent(QKeyEvent *ereignis) override;
    void paintEvent(QPaintEvent *ereignis) override;

private:
    QWidget *m_hauptfenster;
    bool m_hintergrund = true;
};

} // namespace mvt
