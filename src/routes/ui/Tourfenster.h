// The tour window ("Tour planen"): the stops of a tour on the selected world, the order
// (kept or fastest), the way back, the legs with their times, and the saved tours of
// "touren.mvt_bl". Not modal, like the map window: the route tab stays usable, and a
// chosen leg is shown and transferred there.
#pragma once

#include "routes/Tour.h"
#include "routes/Tourdatei.h"
#include "ui/Nebenfenster.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;

namespace mvt {

class TStadtsuchfeld;

class TTourfenster : public TNebenfenster {
    Q_OBJECT
public:
    static constexpr int Breite = 620;
    static constexpr int Hoehe = 500;

    // zielHolen: the target of the route tab, after its edits have been left as a person
    // leaves them, which "Ziel übernehmen" appends; nothing when none lies on the map.
    TTourfenster(const routen::TWeltdaten &welten, std::function<std::optional<routen::Wegpunkt>()> zielHolen,
                 QWidget *hauptfenster);

    // The stops as they stand in the list.
    const std::vector<routen::Wegpunkt> &Stationen() const { return m_stationen; }
    // A stop at the end of the list; refused (false, with the message) beyond 12 stops,
    // off the map, or equal to the last one.
    bool StationHinzufuegen(routen::Wegpunkt w);
    // The choices of the window for a tour of the current stops.
    routen::TTourparameter Parameter() const;

    // The page has started or finished a calculation.
    void BerechnungBeginnt();
    void FortschrittZeigen(qint64 position, qint64 maximum);
    void TourZeigen(std::shared_ptr<const routen::TTour> tour);
    // After a world switch: the stops of another world mean nothing there.
    void WeltGewechselt();
    // The saved tours of the current world into the list.
    void GespeicherteTourenZeigen();
    const std::shared_ptr<const routen::TTour> &Tour() const { return m_tour; }

    // Where the tours are kept; a test puts in a folder of its own.
    QString Tourdateipfad = routen::TourenDateiname;

    QListWidget *ListBoxStationen;
    QPushButton *ButtonZielHinzufuegen, *ButtonStationEntfernen, *ButtonStationHoch, *ButtonStationRunter;
    TStadtsuchfeld *EditTourStadt;
    QRadioButton *RadioButtonReihenfolgeFest, *RadioButtonReihenfolgeSchnellste;
    QCheckBox *CheckBoxRueckkehr;
    QSpinBox *SpinEditTourAuftraege;
    QPushButton *ButtonTourBerechnen;
    QProgressBar *ProgressBarTour;
    QTableWidget *StringGridEtappen;
    QLabel *LabelTourReisezeit;
    QPushButton *ButtonEtappeUebertragen;
    QLineEdit *EditTourName;
    QPushButton *ButtonTourSpeichern;
    QComboBox *ComboBoxTouren;
    QPushButton *ButtonTourLaden, *ButtonTourLoeschen;

signals:
    void BerechnenVerlangt();
    // A leg chosen in the table (0-based): the page shows it as its route.
    void EtappeGewaehlt(int etappe);
    void EtappeUebertragenVerlangt(int etappe);
    // The stops changed: the shown tour no longer belongs to them.
    void StationenGeaendert();

protected:
    void FormShow() override;

private:
    void StationenZeigen(int auswahl);
    void Verschieben(int richtung);
    void TourErgebnisLeeren();
    void Speichern();
    void Laden();
    void Loeschen();
    void KnoepfeAnpassen();
    std::optional<routen::TTourdatei> DateiLesen();

    const routen::TWeltdaten &m_welten;
    const std::function<std::optional<routen::Wegpunkt>()> m_zielHolen;
    std::vector<routen::Wegpunkt> m_stationen;
    std::shared_ptr<const routen::TTour> m_tour;
    bool m_rechnet = false;
};

} // namespace mvt
