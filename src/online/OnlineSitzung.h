// The online part of the session: the date of the next automatic version check
// (NextVersionCheck), which options.ini keeps beside the options record. The version window
// and the settings window change it only here; the value lives in the program state (or a
// test's), which this part is built over.
#pragma once

#include <QObject>

namespace mvt::online {

class TOnlineSitzung : public QObject {
    Q_OBJECT
public:
    // naechstePruefung: the value this part writes, days since 30 Dec 1899;
    // VersionspruefungAus (base/Optionen.h) switches the automatic check off.
    explicit TOnlineSitzung(double &naechstePruefung, QObject *eltern = nullptr);
    ~TOnlineSitzung() override;

    double NaechstePruefung() const { return m_naechstePruefung; }
    // Stores a new date and announces it; the same date again announces nothing, as the
    // version window's check box and the settings window's Okay often confirm the old one.
    void NaechstePruefungSetzen(double tage);

signals:
    void naechstePruefungGeaendert(double tage);

private:
    double &m_naechstePruefung;
};

} // namespace mvt::online
