// Version window TForm4 ("Programmaktualisierung"). Showing it starts a version check;
// Tag 1 marks the automatic check of the start, 0 no check running.
#pragma once

#include "online/OnlineSitzung.h"
#include "online/Versionspruefung.h"
#include "ui/Nebenfenster.h"

#include <functional>

class QCheckBox;
class QLabel;
class QToolButton;

namespace mvt {

class TForm4 : public TNebenfenster {
    Q_OBJECT
public:
    // What the window works on, given once when it is built.
    struct TAnbindung {
        // Starts the check thread; run by every showing, also the invisible one of the start.
        std::function<void()> PruefungStarten;
        // Holds the date of the next automatic check, which this window reads and sets.
        online::TOnlineSitzung &Sitzung;
        // Address of the download page shown in Label3.
        QString Downloadadresse;
        // Opens the download page in the browser.
        std::function<void()> DownloadseiteOeffnen;
    };
    TForm4(const TAnbindung &anbindung, QWidget *hauptfenster);

    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QCheckBox *CheckBoxAutoUpdate;
    QLabel *Label4;
    QToolButton *SpeedButtonAbbrechen;

    // The clock, replaceable by tests.
    std::function<double()> Jetzt;

    // The steps of the check, each run on the window's thread when the worker hands it over.
    void CheckBoxSetzen();
    void SucheAnzeigen();
    void ErgebnisZeigen(const online::TVersionsauskunft &a);

    void CheckBoxAutoUpdateClick();
    void Label3Click();

protected:
    void FormShow() override;
    void FormClose() override;
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    double JetztTage() const;
    std::function<void()> m_pruefungStarten;
    online::TOnlineSitzung &m_online;
    std::function<void()> m_downloadseiteOeffnen;
    bool m_ergebnisZeigen = false;
};

} // namespace mvt
