// The window "Kampfarchiv": the archived fights, newest first, with a search over fighter
// names and titles; a fight is opened in the combat tab, renamed or deleted; the page
// "Verlauf" draws one fighter's figures across the fights with the numbers beside them.
#pragma once

#include "combat/Kampfarchiv.h"
#include "ui/Nebenfenster.h"

#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableView;
class QTableWidget;

namespace mvt {

class TArchivlistenModell;
class TVerlaufsdiagramm;

class TKampfarchivFenster : public TNebenfenster {
    Q_OBJECT
public:
    TKampfarchivFenster(QWidget *hauptfenster, QString pfad = KampfarchivDateiname);
    ~TKampfarchivFenster() override;

    // The fights the list shows now (after the search).
    const std::vector<TArchivkampf> &Gezeigt() const;
    // Reads the archive again and applies the search.
    void Neuladen();

public slots:
    void EditSucheChange();
    void ButtonOeffnenClick();
    void ButtonUmbenennenClick();
    void ButtonLoeschenClick();
    void ComboBoxKaempferChange();
    void ButtonAlsTabelleKopierenClick();

signals:
    // The player wants this report text in the combat tab, evaluated.
    void kampfOeffnen(const QString &text);

protected:
    void FormShow() override;

private:
    qint64 AusgewaehlteId() const;
    void StatusSetzen(const QString &text);
    void KnoepfeAnpassen();

    QString m_pfad;
    std::unique_ptr<TKampfarchiv> m_archiv;
    std::vector<TArchivkampf> m_alle;

    QTabWidget *PageControlArchiv;
    QLineEdit *EditSuche;
    QTableView *ListeKaempfe;
    TArchivlistenModell *m_modell;
    QPushButton *ButtonOeffnen;
    QPushButton *ButtonUmbenennen;
    QPushButton *ButtonLoeschen;
    QComboBox *ComboBoxKaempfer;
    TVerlaufsdiagramm *DiagrammVerlauf;
    QTableWidget *TabelleVerlauf;
    QPushButton *ButtonAlsTabelleKopieren;
    QLabel *LabelStatus;
    QPushButton *ButtonSchliessen;
};

} // namespace mvt
