#include "routes/ui/Tourfenster.h"

#include "base/Meldung.h"
#include "routes/ui/Routensteuerelemente.h"
#include "routes/ui/Stadtsuchfeld.h"
#include "ui/Steuerelemente.h"

#include <QAccessible>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>

#include <utility>

namespace mvt {

using namespace routen;

namespace {

QString Feldtext(Wegpunkt w)
{
    return QString::number(w.x) + QLatin1Char(':') + QString::number(w.y);
}

QRadioButton *Wahl(QWidget *eltern, const char *name, const QString &text, QRect ort)
{
    auto *r = new QRadioButton(text, eltern);
    r->setObjectName(QLatin1String(name));
    r->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    r->setGeometry(ort);
    return r;
}

} // namespace

TTourfenster::TTourfenster(const TWeltdaten &welten, std::function<std::optional<Wegpunkt>()> zielHolen,
                           QWidget *hauptfenster)
    : TNebenfenster(hauptfenster, QStringLiteral("Tour planen"), Rahmen::Dialog, false), m_welten(welten),
      m_zielHolen(std::move(zielHolen))
{
    setObjectName(QStringLiteral("Tourfenster"));
    setAccessibleName(QStringLiteral("Tour planen"));
    setFixedSize(Breite, Hoehe);
    QFont schrift = font();
    schrift.setPixelSize(11);
    setFont(schrift);

    ListBoxStationen = new QListWidget(this);
    ListBoxStationen->setObjectName(QStringLiteral("ListBoxStationen"));
    ListBoxStationen->setGeometry(8, 26, 300, 186);
    FeldBeschriftung(this, QStringLiteral("&Stationen (höchstens 12, die erste bleibt die erste):"),
                     ListBoxStationen, QRect(8, 6, 440, 18));
    ButtonZielHinzufuegen = Schaltflaeche(this, QStringLiteral("ButtonZielHinzufuegen"),
                                          QStringLiteral("&Ziel übernehmen"), QRect(316, 26, 130, 24));
    ButtonZielHinzufuegen->setToolTip(QStringLiteral("Das Ziel des Routenplaners als Station anhängen"));
    ButtonStationEntfernen = Schaltflaeche(this, QStringLiteral("ButtonStationEntfernen"),
                                           QStringLiteral("&Entfernen"), QRect(316, 56, 130, 24));
    ButtonStationHoch = Schaltflaeche(this, QStringLiteral("ButtonStationHoch"), QStringLiteral("Nach &oben"),
                                      QRect(316, 86, 130, 24));
    ButtonStationRunter = Schaltflaeche(this, QStringLiteral("ButtonStationRunter"),
                                        QStringLiteral("Nach &unten"), QRect(316, 116, 130, 24));
    EditTourStadt = new TStadtsuchfeld(m_welten, QStringLiteral("EditTourStadt"), this);
    EditTourStadt->setGeometry(120, 218, 188, 22);
    FeldBeschriftung(this, QStringLiteral("Stadt &hinzufügen:"), EditTourStadt, QRect(8, 220, 110, 18));
    auto *hinweis =
        Beschriftung(this, QStringLiteral("LabelTourHinweis"),
                     QStringLiteral("Solange dieses Fenster offen ist, fügt Shift + linke Maustaste "
                                    "auf der Karte eine Station hinzu."),
                     QRect(8, 244, 440, 30));
    hinweis->setWordWrap(true);

    Beschriftung(this, QStringLiteral("LabelReihenfolge"), QStringLiteral("Reihenfolge"),
                 QRect(456, 6, 156, 18), true);
    RadioButtonReihenfolgeFest = Wahl(this, "RadioButtonReihenfolgeFest",
                                      QStringLiteral("Reihenfolge &beibehalten"), QRect(456, 26, 160, 20));
    RadioButtonReihenfolgeSchnellste =
        Wahl(this, "RadioButtonReihenfolgeSchnellste", QStringLiteral("S&chnellste Reihenfolge"),
             QRect(456, 48, 160, 20));
    RadioButtonReihenfolgeSchnellste->setChecked(true);
    auto *gruppe = new QButtonGroup(this);
    gruppe->addButton(RadioButtonReihenfolgeFest);
    gruppe->addButton(RadioButtonReihenfolgeSchnellste);
    CheckBoxRueckkehr = new QCheckBox(QStringLiteral("Zurück zum St&art"), this);
    CheckBoxRueckkehr->setObjectName(QStringLiteral("CheckBoxRueckkehr"));
    CheckBoxRueckkehr->setAccessibleName(QStringLiteral("Zurück zum Start"));
    CheckBoxRueckkehr->setGeometry(456, 72, 160, 20);
    SpinEditTourAuftraege = Auftragsfeld(this, "SpinEditTourAuftraege", QString(), 456, 118);
    SpinEditTourAuftraege->setValue(10);
    FeldBeschriftung(this, QStringLiteral("&Max. Aufträge je Etappe:"), SpinEditTourAuftraege,
                     QRect(456, 98, 156, 18));
    ButtonTourBerechnen = Schaltflaeche(this, QStringLiteral("ButtonTourBerechnen"),
                                        QStringLiteral("Tour be&rechnen"), QRect(456, 150, 156, 26));
    ProgressBarTour = new QProgressBar(this);
    ProgressBarTour->setObjectName(QStringLiteral("ProgressBarTour"));
    ProgressBarTour->setAccessibleName(QStringLiteral("Fortschritt der Tourberechnung"));
    ProgressBarTour->setGeometry(456, 182, 156, 16);
    ProgressBarTour->hide();

    StringGridEtappen = Routentabelle(this, "StringGridEtappen", QString(),
                                      {QString(), QStringLiteral("Von"), QStringLiteral("Nach"),
                                       QStringLiteral("Reisezeit"), QStringLiteral("Aufträge")});
    StringGridEtappen->setGeometry(8, 296, 604, 110);
    for (const auto &[spalte, breite] : {std::pair{0, 30}, {1, 150}, {2, 150}, {3, 170}, {4, 80}})
        StringGridEtappen->setColumnWidth(spalte, breite);
    StringGridEtappen->horizontalHeader()->setStretchLastSection(true);
    FeldBeschriftung(this, QStringLiteral("E&tappen (eine Zeile wählen: der Routenplaner zeigt sie):"),
                     StringGridEtappen, QRect(8, 278, 440, 18));
    Beschriftung(this, QStringLiteral("LabelTourGesamt"), QStringLiteral("Gesamte Reisezeit:"),
                 QRect(8, 412, 110, 18));
    LabelTourReisezeit =
        Beschriftung(this, QStringLiteral("LabelTourReisezeit"), QString(), QRect(120, 412, 300, 18), true);
    ButtonEtappeUebertragen = Schaltflaeche(this, QStringLiteral("ButtonEtappeUebertragen"),
                                            QStringLiteral("Etappe &übertragen"), QRect(456, 410, 156, 24));
    ButtonEtappeUebertragen->setToolTip(
        QStringLiteral("Die gewählten Aufträge der Etappe an Morvaren übertragen"));

    EditTourName = new QLineEdit(this);
    EditTourName->setObjectName(QStringLiteral("EditTourName"));
    EditTourName->setMaxLength(MaxTourNamenslaenge);
    EditTourName->setGeometry(80, 440, 220, 22);
    FeldBeschriftung(this, QStringLiteral("Tour&name:"), EditTourName, QRect(8, 442, 70, 18));
    ButtonTourSpeichern = Schaltflaeche(this, QStringLiteral("ButtonTourSpeichern"),
                                        QStringLiteral("S&peichern"), QRect(306, 439, 90, 24));
    ComboBoxTouren = new QComboBox(this);
    ComboBoxTouren->setObjectName(QStringLiteral("ComboBoxTouren"));
    ComboBoxTouren->setGeometry(140, 470, 256, 22);
    FeldBeschriftung(this, QStringLiteral("&Gespeicherte Touren:"), ComboBoxTouren, QRect(8, 472, 130, 18));
    ButtonTourLaden = Schaltflaeche(this, QStringLiteral("ButtonTourLaden"), QStringLiteral("La&den"),
                                    QRect(406, 469, 100, 24));
    ButtonTourLoeschen = Schaltflaeche(this, QStringLiteral("ButtonTourLoeschen"), QStringLiteral("&Löschen"),
                                       QRect(512, 469, 100, 24));

    connect(ButtonZielHinzufuegen, &QPushButton::clicked, this, [this] {
        if (m_zielHolen)
            if (const std::optional<Wegpunkt> z = m_zielHolen())
                StationHinzufuegen(*z);
    });
    connect(ButtonStationEntfernen, &QPushButton::clicked, this, [this] {
        const int i = ListBoxStationen->currentRow();
        if (i < 0 || i >= int(m_stationen.size()))
            return;
        m_stationen.erase(m_stationen.begin() + i);
        StationenZeigen(std::min(i, int(m_stationen.size()) - 1));
    });
    connect(ButtonStationHoch, &QPushButton::clicked, this, [this] { Verschieben(-1); });
    connect(ButtonStationRunter, &QPushButton::clicked, this, [this] { Verschieben(1); });
    connect(ListBoxStationen, &QListWidget::currentRowChanged, this, [this] { KnoepfeAnpassen(); });
    connect(EditTourStadt, &TStadtsuchfeld::StadtGewaehlt, this, [this](const TStadt &s) {
        if (StationHinzufuegen(Wegpunkt{uint8_t(s.x), uint8_t(s.y)}))
            EditTourStadt->clear();
    });
    connect(ButtonTourBerechnen, &QPushButton::clicked, this, [this] {
        if (const std::optional<QString> fehler = TourPruefen(Parameter()))
            MeldungZeigen(*fehler);
        else
            emit BerechnenVerlangt();
    });
    connect(StringGridEtappen, &QTableWidget::itemSelectionChanged, this, [this] {
        const int zeile = StringGridEtappen->currentRow();
        KnoepfeAnpassen();
        if (zeile >= 0 && m_tour && zeile < int(m_tour->Etappen.size()) &&
            !StringGridEtappen->selectedItems().isEmpty())
            emit EtappeGewaehlt(zeile);
    });
    connect(ButtonEtappeUebertragen, &QPushButton::clicked, this, [this] {
        const int zeile = StringGridEtappen->currentRow();
        if (m_tour && zeile >= 0 && zeile < int(m_tour->Etappen.size()))
            emit EtappeUebertragenVerlangt(zeile);
    });
    connect(EditTourName, &QLineEdit::textChanged, this, [this] { KnoepfeAnpassen(); });
    connect(EditTourName, &QLineEdit::returnPressed, this, &TTourfenster::Speichern);
    connect(ButtonTourSpeichern, &QPushButton::clicked, this, &TTourfenster::Speichern);
    connect(ButtonTourLaden, &QPushButton::clicked, this, &TTourfenster::Laden);
    connect(ButtonTourLoeschen, &QPushButton::clicked, this, &TTourfenster::Loeschen);

    QWidget *reihe[] = {ListBoxStationen,
                        ButtonZielHinzufuegen,
                        ButtonStationEntfernen,
                        ButtonStationHoch,
                        ButtonStationRunter,
                        EditTourStadt,
                        RadioButtonReihenfolgeFest,
                        RadioButtonReihenfolgeSchnellste,
                        CheckBoxRueckkehr,
                        SpinEditTourAuftraege,
                        ButtonTourBerechnen,
                        StringGridEtappen,
                        ButtonEtappeUebertragen,
                        EditTourName,
                        ButtonTourSpeichern,
                        ComboBoxTouren,
                        ButtonTourLaden,
                        ButtonTourLoeschen};
    for (size_t i = 1; i < std::size(reihe); ++i)
        setTabOrder(reihe[i - 1], reihe[i]);
    StationenZeigen(-1);
}

void TTourfenster::FormShow()
{
    AufHauptfensterZentrieren();
    GespeicherteTourenZeigen();
}

bool TTourfenster::StationHinzufuegen(Wegpunkt w)
{
    if (m_rechnet)
        return false;
    QString fehler;
    if (int(m_stationen.size()) >= MaxStationen)
        fehler = QStringLiteral("Fehler: Eine Tour hat höchstens %1 Stationen!").arg(MaxStationen);
    else if (w.x < 1 || w.y < 1 || w.x > m_welten.Kartengroesse || w.y > m_welten.Kartengroesse)
        fehler = QStringLiteral("Fehler: Das Feld %1 liegt außerhalb der Karte!").arg(Feldtext(w));
    else if (!m_stationen.empty() && m_stationen.back() == w)
        fehler = QStringLiteral("Fehler: Das Feld %1 ist schon die letzte Station!").arg(Feldtext(w));
    if (!fehler.isEmpty()) {
        MeldungZeigen(fehler);
        return false;
    }
    m_stationen.push_back(w);
    StationenZeigen(int(m_stationen.size()) - 1);
    return true;
}

TTourparameter TTourfenster::Parameter() const
{
    TTourparameter p;
    p.Reisekosten = m_welten.Reisekosten();
    p.Kartengroesse = m_welten.Kartengroesse;
    p.Stationen = m_stationen;
    p.Schnellste = RadioButtonReihenfolgeSchnellste->isChecked();
    p.Rueckkehr = CheckBoxRueckkehr->isChecked();
    p.Auftraege = SpinEditTourAuftraege->value();
    return p;
}

void TTourfenster::StationenZeigen(int auswahl)
{
    ListBoxStationen->clear();
    const std::vector<QString> &namen = m_welten.Stadtnamen();
    for (size_t i = 0; i < m_stationen.size(); ++i) {
        const Wegpunkt w = m_stationen[i];
        QString text = QString::number(i + 1) + QStringLiteral(". ") + Feldtext(w);
        const size_t zelle = size_t(Zelle(w.x, w.y));
        if (zelle < namen.size() && !namen[zelle].isEmpty()) {
            const TStadt s = StadttextZerlegen(namen[zelle]);
            text += QStringLiteral("  ") + s.Name;
            if (!s.Besitzer.isEmpty())
                text += QStringLiteral(" [") + s.Besitzer + QLatin1Char(']');
        }
        ListBoxStationen->addItem(text);
    }
    if (auswahl >= 0 && auswahl < ListBoxStationen->count())
        ListBoxStationen->setCurrentRow(auswahl);
    TourErgebnisLeeren();
    emit StationenGeaendert();
}

void TTourfenster::Verschieben(int richtung)
{
    const int i = ListBoxStationen->currentRow(), j = i + richtung;
    if (i < 0 || j < 0 || i >= int(m_stationen.size()) || j >= int(m_stationen.size()))
        return;
    std::swap(m_stationen[size_t(i)], m_stationen[size_t(j)]);
    StationenZeigen(j);
}

void TTourfenster::TourErgebnisLeeren()
{
    m_tour.reset();
    StringGridEtappen->setRowCount(0);
    LabelTourReisezeit->clear();
    LabelTourReisezeit->setAccessibleName(QStringLiteral("Gesamte Reisezeit"));
    KnoepfeAnpassen();
}

void TTourfenster::KnoepfeAnpassen()
{
    const int i = ListBoxStationen->currentRow(), n = int(m_stationen.size());
    const bool frei = !m_rechnet;
    for (QWidget *w : std::initializer_list<QWidget *>{
             ButtonZielHinzufuegen, EditTourStadt, RadioButtonReihenfolgeFest,
             RadioButtonReihenfolgeSchnellste, CheckBoxRueckkehr, SpinEditTourAuftraege, ButtonTourLaden,
             ComboBoxTouren, ButtonTourLoeschen, ListBoxStationen})
        w->setEnabled(frei);
    ButtonStationEntfernen->setEnabled(frei && i >= 0 && i < n);
    ButtonStationHoch->setEnabled(frei && i > 0 && i < n);
    ButtonStationRunter->setEnabled(frei && i >= 0 && i + 1 < n);
    ButtonTourBerechnen->setEnabled(frei && n >= 2);
    ButtonEtappeUebertragen->setEnabled(frei && m_tour && StringGridEtappen->currentRow() >= 0);
    ButtonTourSpeichern->setEnabled(frei && n >= 2 && !EditTourName->text().trimmed().isEmpty());
    ButtonTourLaden->setEnabled(frei && ComboBoxTouren->count() > 0);
    ButtonTourLoeschen->setEnabled(frei && ComboBoxTouren->count() > 0);
}

void TTourfenster::BerechnungBeginnt()
{
    m_rechnet = true;
    TourErgebnisLeeren();
    ProgressBarTour->setRange(0, 1);
    ProgressBarTour->setValue(0);
    ProgressBarTour->show();
    KnoepfeAnpassen();
}

void TTourfenster::FortschrittZeigen(qint64 position, qint64 maximum)
{
    ProgressBarTour->setRange(0, int(std::max<qint64>(1, maximum)));
    ProgressBarTour->setValue(int(std::clamp<qint64>(position, 0, maximum)));
}

void TTourfenster::TourZeigen(std::shared_ptr<const TTour> tour)
{
    m_rechnet = false;
    ProgressBarTour->hide();
    m_tour = std::move(tour);
    StringGridEtappen->setRowCount(0);
    if (!m_tour) {
        KnoepfeAnpassen();
        return;
    }
    // the visiting order is the list's order from now on
    m_stationen = m_tour->Stationen;
    ListBoxStationen->clear();
    const std::shared_ptr<const TTour> behalten = m_tour;
    {
        const QSignalBlocker sperre(this);
        StationenZeigen(-1);
    }
    m_tour = behalten;
    const auto n = int(m_tour->Etappen.size());
    StringGridEtappen->setRowCount(n);
    for (int i = 0; i < n; ++i) {
        const TEtappe &e = m_tour->Etappen[size_t(i)];
        const QStringList spalten{QString::number(i + 1) + QLatin1Char('.'), Feldtext(e.Von),
                                  Feldtext(e.Nach), DauerText(e.Reisezeit),
                                  QString::number(e.Auftragsanzahl)};
        for (int s = 0; s < spalten.size(); ++s)
            StringGridEtappen->setItem(i, s, new QTableWidgetItem(spalten[s]));
    }
    const QString gesamt = DauerText(m_tour->Reisezeit);
    LabelTourReisezeit->setText(gesamt);
    LabelTourReisezeit->setAccessibleName(QStringLiteral("Gesamte Reisezeit ") + gesamt);
    QAccessibleEvent ereignis(LabelTourReisezeit, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&ereignis);
    KnoepfeAnpassen();
}

void TTourfenster::WeltGewechselt()
{
    m_stationen.clear();
    EditTourStadt->clear();
    StationenZeigen(-1);
    GespeicherteTourenZeigen();
}

std::optional<TTourdatei> TTourfenster::DateiLesen()
{
    QString fehler;
    std::optional<TTourdatei> d = TourdateiLaden(Tourdateipfad, &fehler);
    if (!d)
        MeldungZeigen(QStringLiteral("Fehler: %1 konnte nicht gelesen werden. ").arg(TourenDateiname) +
                      fehler);
    return d;
}

void TTourfenster::GespeicherteTourenZeigen()
{
    ComboBoxTouren->clear();
    QString fehler;
    if (const std::optional<TTourdatei> d = TourdateiLaden(Tourdateipfad, &fehler))
        for (const TGespeicherteTour &t : d->Welt(m_welten.AktuelleWelt))
            ComboBoxTouren->addItem(t.Name);
    KnoepfeAnpassen();
}

void TTourfenster::Speichern()
{
    const QString name = EditTourName->text().trimmed();
    if (m_rechnet || name.isEmpty() || m_stationen.size() < 2)
        return;
    // a file that cannot be read is not overwritten
    std::optional<TTourdatei> d = DateiLesen();
    if (!d)
        return;
    TGespeicherteTour t;
    t.Name = name;
    t.Welt = m_welten.AktuelleWelt;
    t.Schnellste = RadioButtonReihenfolgeSchnellste->isChecked();
    t.Rueckkehr = CheckBoxRueckkehr->isChecked();
    t.Auftraege = SpinEditTourAuftraege->value();
    t.Stationen = m_stationen;
    d->Setzen(t);
    QString fehler;
    if (!TourdateiSpeichern(Tourdateipfad, *d, &fehler)) {
        MeldungZeigen(QStringLiteral("Fehler: %1 konnte nicht gespeichert werden. ").arg(TourenDateiname) +
                      fehler);
        return;
    }
    EditTourName->clear();
    GespeicherteTourenZeigen();
    ComboBoxTouren->setCurrentText(name);
}

void TTourfenster::Laden()
{
    if (m_rechnet || ComboBoxTouren->currentIndex() < 0)
        return;
    const std::optional<TTourdatei> d = DateiLesen();
    if (!d)
        return;
    for (const TGespeicherteTour &t : d->Welt(m_welten.AktuelleWelt)) {
        if (t.Name != ComboBoxTouren->currentText())
            continue;
        // a tour of the bigger worlds' size read for Zyrthania stays off its map
        for (const Wegpunkt w : t.Stationen)
            if (w.x > m_welten.Kartengroesse || w.y > m_welten.Kartengroesse)
                return;
        m_stationen = t.Stationen;
        (t.Schnellste ? RadioButtonReihenfolgeSchnellste : RadioButtonReihenfolgeFest)->setChecked(true);
        CheckBoxRueckkehr->setChecked(t.Rueckkehr);
        SpinEditTourAuftraege->setValue(t.Auftraege);
        EditTourName->setText(t.Name);
        StationenZeigen(0);
        if (!TourPruefen(Parameter()))
            emit BerechnenVerlangt();
        return;
    }
}

void TTourfenster::Loeschen()
{
    if (m_rechnet || ComboBoxTouren->currentIndex() < 0)
        return;
    std::optional<TTourdatei> d = DateiLesen();
    if (!d || !d->Entfernen(m_welten.AktuelleWelt, ComboBoxTouren->currentText()))
        return;
    QString fehler;
    if (!TourdateiSpeichern(Tourdateipfad, *d, &fehler))
        MeldungZeigen(QStringLiteral("Fehler: %1 konnte nicht gespeichert werden. ").arg(TourenDateiname) +
                      fehler);
    GespeicherteTourenZeigen();
}

} // namespace mvt
