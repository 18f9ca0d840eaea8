// Creates the program's windows as the program does, in a temporary working folder, with
// every outside effect (message boxes, browser, end of the message loop, options file)
// routed to recorders.
#pragma once

#include "app/Anwendung.h"
#include "app/Hauptfenster.h"
#include "app/Webseite.h"
#include "base/Meldung.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QTest>
#include <QTimer>
#include <QTemporaryDir>
#include <QUrl>

#include <functional>

namespace mvt::pruefung {

class TPruefstand {
public:
    enum class Optionsdatei {
        Attrappe, // counts and hands the state to BeimLaden; writes a marker file
        Echt,     // the program's own reader and writer
    };

    explicit TPruefstand(Optionsdatei art = Optionsdatei::Attrappe)
    {
        m_vorher = QDir::currentPath();
        QDir::setCurrent(m_ordner.path());
        UrlOeffnerSetzen([this](const QUrl &u) { Adressen.append(u); });
        App.Beenden = [this] { ++Beendet; };
        if (art == Optionsdatei::Echt) {
            OptionenDateiAnbinden(App);
            auto laden = App.OptionenLaden;
            auto speichern = App.OptionenSpeichern;
            App.OptionenLaden = [this, laden](TProgrammzustand &z) {
                ++Geladen;
                laden(z);
            };
            App.OptionenSpeichern = [this, speichern](TProgrammzustand &z) {
                ++Gespeichert;
                speichern(z);
            };
            return;
        }
        App.OptionenLaden = [this](TProgrammzustand &z) {
            ++Geladen;
            if (BeimLaden)
                BeimLaden(z);
        };
        App.OptionenSpeichern = [this](TProgrammzustand &) {
            ++Gespeichert;
            QFile f(OptionenDateiname);
            if (f.open(QIODevice::WriteOnly))
                f.write("gespeichert");
        };
    }
    ~TPruefstand()
    {
        UrlOeffnerSetzen({});
        QDir::setCurrent(m_vorher);
    }

    // The windows created, with the pages the program builds on first show built at once,
    // so that every control is there to find.
    void Erzeugen()
    {
        App.FensterErzeugen();
        App.Form1->AlleSeitenAnlegen();
    }
    // The windows created and the main window shown and active, as a player finds it after
    // start; no version check runs meanwhile.
    void HauptfensterZeigen()
    {
        Erzeugen();
        Haupt().TimerUpdateCheck->stop();
        Haupt().show();
        Haupt().activateWindow();
        if (!QTest::qWaitForWindowActive(&Haupt()))
            qWarning("Hauptfenster nicht aktiv");
    }
    // Keeps the working folder after the stand has gone, to see what the program left
    // there; the caller removes it.
    QString OrdnerBehalten()
    {
        m_ordner.setAutoRemove(false);
        return m_ordner.path();
    }
    TForm1 &Haupt() { return *App.Form1; }
    QString Pfad(const QString &name) const { return m_ordner.filePath(name); }
    QByteArray DateiLesen(const QString &name) const
    {
        QFile f(Pfad(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void DateiAnlegen(const QString &name, const QByteArray &inhalt)
    {
        QFile f(Pfad(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(inhalt);
    }

    MeldungsRekorder Meldungen;
    QList<QUrl> Adressen;
    int Beendet = 0;
    int Geladen = 0;
    int Gespeichert = 0;
    std::function<void(TProgrammzustand &)> BeimLaden;
    // Declared last: the windows go before the recorders they report to.
    TAnwendung App;

private:
    QTemporaryDir m_ordner;
    QString m_vorher;
};

} // namespace mvt::pruefung
