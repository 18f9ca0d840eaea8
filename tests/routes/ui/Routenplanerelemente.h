// The controls of the route tab as a test reaches them: by their object names, from the
// tab. A name that is missing ends the test at once.
#pragma once

#include "routes/ui/Stadtsuchfeld.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QWidget>

#include <array>
#include <string>

namespace mvt::test {

class TRoutenplanerElemente {
    // First: the members below are looked up in it as they are made.
    const QWidget &m_seite;

public:
    explicit TRoutenplanerElemente(const QWidget &seite) : m_seite(seite)
    {
        for (size_t i = 0; i < RadioButtonMap.size(); ++i)
            RadioButtonMap[i] = Element<QRadioButton>("RadioButtonMap" + std::to_string(i + 1));
    }

    std::array<QRadioButton *, 3> RadioButtonMap{};
    QLineEdit *EditStartX = Element<QLineEdit>("EditStartX");
    QLineEdit *EditStartY = Element<QLineEdit>("EditStartY");
    QLineEdit *EditZielX = Element<QLineEdit>("EditZielX");
    QLineEdit *EditZielY = Element<QLineEdit>("EditZielY");
    QToolButton *SpeedButtonSwap = Element<QToolButton>("SpeedButtonSwap");
    QToolButton *SpeedButtonRouteBerechnen = Element<QToolButton>("SpeedButtonRouteBerechnen");
    QToolButton *SpeedButtonKarteAnzeigen = Element<QToolButton>("SpeedButtonKarteAnzeigen");
    QProgressBar *ProgressBar2 = Element<QProgressBar>("ProgressBar2");
    QLabel *LabelBitteWarten = Element<QLabel>("LabelBitteWarten");
    QLabel *LabelHinweis1 = Element<QLabel>("LabelHinweis1");
    QTableWidget *StringGrid2 = Element<QTableWidget>("StringGrid2");
    QTableWidget *StringGrid3 = Element<QTableWidget>("StringGrid3");
    QLabel *LabelReisezeit1 = Element<QLabel>("LabelReisezeit1");
    QLabel *LabelZeitersparnis1 = Element<QLabel>("LabelZeitersparnis1");
    QLabel *LabelOptimalitaet1 = Element<QLabel>("LabelOptimalitaet1");
    QLabel *LabelFelder1 = Element<QLabel>("LabelFelder1");
    QLabel *LabelZeitProFeld1 = Element<QLabel>("LabelZeitProFeld1");
    QLabel *LabelAuftragsanzahl1 = Element<QLabel>("LabelAuftragsanzahl1");
    QLabel *LabelOptimaleLaenge1 = Element<QLabel>("LabelOptimaleLaenge1");
    QSpinBox *SpinEditAuftraege = Element<QSpinBox>("SpinEditAuftraege");
    QSpinBox *SpinEditVonAuftrag = Element<QSpinBox>("SpinEditVonAuftrag");
    QSpinBox *SpinEditBisAuftrag = Element<QSpinBox>("SpinEditBisAuftrag");
    QLineEdit *EditRouteSpeichern = Element<QLineEdit>("EditRouteSpeichern");
    QToolButton *SpeedButtonRouteUebertragen = Element<QToolButton>("SpeedButtonRouteUebertragen");
    QLabel *LabelUebertragung = Element<QLabel>("LabelUebertragung");
    TStadtsuchfeld *EditStadtsuche = Element<TStadtsuchfeld>("EditStadtsuche");
    QToolButton *SpeedButtonStadtAlsStart = Element<QToolButton>("SpeedButtonStadtAlsStart");
    QPushButton *ButtonTourPlanen = Element<QPushButton>("ButtonTourPlanen");

private:
    template <class T> T *Element(const std::string &name) const
    {
        T *element = m_seite.findChild<T *>(QString::fromStdString(name));
        if (!element)
            qFatal("Kein Steuerelement %s", name.c_str());
        return element;
    }
};

} // namespace mvt::test
