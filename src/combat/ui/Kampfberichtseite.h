// The tab "Kampfberichtauswerter": a memo for the pasted report, the evaluation on a
// worker thread, the sortable fighter table and the detail view of one fighter.
// The main window embeds it as a page; it works as well on its own (tests, screenshots).
#pragma once

#include "combat/Kaempfer.h"

#include <QPointer>
#include <QThread>
#include <QWidget>

#include <array>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QScrollArea;
class QTableView;
class QToolButton;

namespace mvt {

struct TKatalog;
class TKampfarchivFenster;
class TKampfberichtSeite;
class TKampftabellenModell;
class TRundendiagramm;
class TWaffendarstellung;

// Runs one evaluation on its own copy of the text and hands every window change to the
// window's thread; it never touches a control itself.
class TAuswertungThread : public QThread {
    Q_OBJECT
public:
    TAuswertungThread(TKampfberichtSeite *seite, QString text, const TKatalog &katalog);

protected:
    void run() override;

private:
    TKampfberichtSeite *m_seite; // only used as the receiver of queued calls
    QString m_text;
    const TKatalog &m_katalog;
};

class TKampfberichtSeite : public QWidget {
    Q_OBJECT
public:
    static constexpr int Breite = 784;
    static constexpr int Hoehe = 556;

    explicit TKampfberichtSeite(const TKatalog &katalog, QWidget *parent = nullptr);
    ~TKampfberichtSeite() override;

    // The fighters of the last finished evaluation.
    const Kampfauswertung &Auswertung() const { return *m_auswertung; }
    // From the evaluate button until the table is filled.
    bool AuswertungLaeuft() const { return !m_thread.isNull(); }
    // Index of the shown row of StringGrid1, -1 for none (also its property "tag").
    int Tag() const;

public slots:
    void SpeedButtonAuswertenClick();
    void SpeedButtonZurueckClick();
    void SpeedButtonTextLoeschenClick();
    void SpeedButtonNameClick() { Sortieren(0); }
    void SpeedButtonSchadenAusgeteiltClick() { Sortieren(1); }
    void SpeedButtonAngriffeAusgeteiltClick() { Sortieren(2); }
    void SpeedButtonSchnittschadenAusgeteiltClick() { Sortieren(3); }
    void SpeedButtonTrefferClick() { Sortieren(4); }
    void SpeedButtonKritischClick() { Sortieren(5); }
    void SpeedButtonBesterTrefferClick() { Sortieren(6); }
    void SpeedButtonHeilungAusgeteiltClick() { Sortieren(7); }
    void SpeedButtonSchadenEingestecktClick() { Sortieren(8); }
    void SpeedButtonTrefferEingestecktClick() { Sortieren(9); }
    void SpeedButtonAusgewichenClick() { Sortieren(10); }
    void SpeedButtonGeblocktClick() { Sortieren(11); }
    void SpeedButtonHeilungEingestecktClick() { Sortieren(12); }
    void StringGrid1SelectCell(int zeile);
    // Wheel over the table: without a selection, the first row is selected.
    void StringGridMouseWheelDown();

    // Popup menu of the table: the table as shown, for the forum or a spreadsheet.
    void AlsForumtextkopieren1Click();
    void AlsTabellekopieren1Click();

    // The combat archive: the shown fight stored on request, the archive window opened.
    void SpeedButtonArchivierenClick();
    void SpeedButtonKampfarchivClick();
    // A report from the archive: into the memo and evaluated as if just pasted.
    void ArchivierterKampfOeffnen(const QString &text);

    // Called by the worker through the window's event queue.
    void FortschrittZeigen(int zeile, int zeilen);
    void AuswertungBeendet(std::shared_ptr<Kampfauswertung> ergebnis);

    // The archive file; "kampfarchiv.sqlite" in the working folder, beside options.ini.
    void ArchivPfadSetzen(const QString &pfad) { m_archivPfad = pfad; }
    TKampfarchivFenster *Archivfenster() const { return m_archivfenster.get(); }

signals:
    // The evaluation has been handed over and the table filled.
    void AuswertungFertig();

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;
    void resizeEvent(QResizeEvent *ereignis) override;

private:
    void Sortieren(int spalte);
    void TagSetzen(int zeile);
    void KaempferZeigen(const TKaempfer &k);
    void DetailsVerbergen();
    // Sharing the table.
    void TeilenEinrichten();
    std::vector<QStringList> ZeilenWieGezeigt(QStringList &kopf) const;
    // Chart in place of the detail boxes; Ctrl+click on a row adds that fighter for comparison.
    void DiagrammEinrichten();
    void DetailbereichZeigen();
    void DiagrammAnpassen();
    bool Vergleichsklick(QEvent *ereignis);
    // Combat archive (Kampfberichtarchiv.cpp).
    void ArchivEinrichten();
    // Shows the archive's controls that belong to the face shown now.
    void ArchivknoepfeAnpassen();
    void ArchivMelden(const QString &text, bool fehler);
    QLabel *Beschriftet(QWidget *box, const char *name, const QString &beschriftung, const QString &hinweis,
                        int x, int y, int wertX);

    const TKatalog &m_katalog;
    std::shared_ptr<Kampfauswertung> m_auswertung;
    QPointer<TAuswertungThread> m_thread;
    std::array<int, 13> m_sortierzustand{};
    std::array<QToolButton *, 13> m_kopfknoepfe{};
    QList<TWaffendarstellung *> m_waffen;
    bool m_vergleichsklick = false; // the release of a comparison click is swallowed too
    // Set while the page itself changes the table's selection: only a person's choice shows
    // a fighter.
    bool m_auswahlGesperrt = false;

    QPlainTextEdit *Memo1;
    QToolButton *SpeedButtonAuswerten;
    QToolButton *SpeedButtonTextLoeschen;
    QToolButton *SpeedButtonZurueck;
    QProgressBar *ProgressBar1;
    QLabel *LabelFehler;
    QLabel *LabelKaempfername;
    QLabel *LabelNahkampfWerte;
    QLabel *LabelFernkampfWerte;
    // The table shows the fighters through a model that makes each text when it is drawn.
    QTableView *StringGrid1;
    TKampftabellenModell *m_tabelle;
    QScrollArea *ScrollBoxKB1;
    QScrollArea *ScrollBoxKB2;
    QScrollArea *ScrollBoxKB3;
    TRundendiagramm *Rundendiagramm = nullptr;
    QToolButton *SpeedButtonVerlauf = nullptr;
    QMenu *PopupMenuStatistik = nullptr;
    QAction *AlsForumtextkopieren1 = nullptr;
    QAction *AlsTabellekopieren1 = nullptr;

    struct TArchivfensterLoescher {
        void operator()(TKampfarchivFenster *f) const;
    };
    QString m_archivPfad;
    std::unique_ptr<TKampfarchivFenster, TArchivfensterLoescher> m_archivfenster;
    QToolButton *SpeedButtonArchivieren = nullptr;
    QToolButton *SpeedButtonKampfarchiv = nullptr;
    QLabel *LabelArchiv = nullptr;
};

} // namespace mvt
