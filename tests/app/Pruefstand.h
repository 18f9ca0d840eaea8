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

// Services that record what the program asks of the outside world. The options file is
// either the program's own or a recorder; the online services and the end of the message
// loop run what a test puts in.
class TPruefDienste : public TDienste {
public:
    std::function<void(TProgrammzustand &)> Laden;
    std::function<void(const TProgrammzustand &)> Speichern;
    std::function<void()> Versionspruefung;
    std::function<void()> StadtUpdate;
    std::function<void()> Ende;

    void OptionenLaden(TProgrammzustand &z) override
    {
        if (Laden)
            Laden(z);
    }
    void OptionenSpeichern(const TProgrammzustand &z) override
    {
        if (Speichern)
            Speichern(z);
    }
    void VersionspruefungStarten() override
    {
        if (Versionspruefung)
            Versionspruefung();
    }
    void StadtUpdateStarten() override
    {
        if (StadtUpdate)
            StadtUpdate();
    }
    void Beenden() override
    {
        if (Ende)
            Ende();
    }
    // The program's own reader and writer of options.ini.
    void EchteOptionenLaden(TProgrammzustand &z) { TDienste::OptionenLaden(z); }
    void EchteOptionenSpeichern(const TProgrammzustand &z) { TDienste::OptionenSpeichern(z); }
};

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
        auto dienste = std::make_unique<TPruefDienste>();
        Dienste = dienste.get();
        App.Sitzung.DiensteSetzen(std::move(dienste));
        Dienste->Ende = [this] { ++Beendet; };
        if (art == Optionsdatei::Echt) {
            Dienste->Laden = [this](TProgrammzustand &z) {
                ++Geladen;
                Dienste->EchteOptionenLaden(z);
            };
            Dienste->Speichern = [this](const TProgrammzustand &z) {
                ++Gespeichert;
                Dienste->EchteOptionenSpeichern(z);
            };
            return;
        }
        Dienste->Laden = [this](TProgrammzustand &z) {
            ++Geladen;
            if (BeimLaden)
                BeimLaden(z);
        };
        Dienste->Speichern = [this](const TProgrammzustand &) {
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
    // Owned by App's session; replaced only by OnlineDiensteAnbinden, which keeps it inside.
    TPruefDienste *Dienste = nullptr;

private:
    QTemporaryDir m_ordner;
    QString m_vorher;
};

} // namespace mvt::pruefung
