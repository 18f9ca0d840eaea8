#include "planner/ui/Optimiererfenster.h"

#include "planner/Charakterdatei.h"
#include "planner/Optimierer.h"
#include "planner/ui/CharakterPlanerSeite.h"
#include "planner/ui/Eingabefelder.h"
#include "ui/Steuerelemente.h"
#include "ui/Zugang.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

namespace mvt {

using namespace planer;

namespace {

const QColor Petrol(0, 128, 128);

void Textfarbe(QWidget *w, const QColor &c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::ButtonText, c);
    w->setPalette(p);
}

// The character as the search sees it: everything but the opponent and the view.
QByteArray Schnappschuss(const TPlaner &p)
{
    QJsonObject o = CharakterJsonSchreiben(p);
    o.remove(QStringLiteral("Gegner"));
    o.remove(QStringLiteral("Ansicht"));
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

} // namespace

TForm10::TForm10(TPlanerSitzung &planer, QWidget *hauptfenster)
    : TNebenfenster(hauptfenster, QStringLiteral("Optimierungsoptionen"), Rahmen::Dialog, false),
      m_planer(planer)
{
    setObjectName(QStringLiteral("Form10"));
    setFixedSize(236, 520);
    QFont schrift = font();
    schrift.setPixelSize(11);
    setFont(schrift);
    // The controls are made when first needed; until then there is nothing to show.
    auto zeigen = [this] {
        if (m_angelegt)
            ZustandAnzeigen();
    };
    connect(&planer, &TPlanerSitzung::charakterGeaendert, this, zeigen);
    connect(&planer, &TPlanerSitzung::optimiererGeaendert, this, zeigen);
}

void TForm10::InhaltAnlegen()
{
    if (m_angelegt)
        return;
    m_angelegt = true;
    Anlegen();
}

void TForm10::Anlegen()
{
    const QString gegnerHinweis = QStringLiteral(
        "Statuswerte des Gegners: Graue Felder spielen für die Berechnung der optimalen Attributverteilung "
        "keine Rolle.");
    Beschriftung(this, {}, QStringLiteral("Verteidigungswerte des Gegners"), QRect(8, 6, 220, 16), true);
    Beschriftung(this, {}, QStringLiteral("Angriffswerte des Gegners"), QRect(8, 90, 220, 16), true);
    struct TLage {
        TGegnerFeld Feld;
        const char *Name;
        const char16_t *Text;
        int X, Y;
    };
    const TLage lagen[] = {
        {GfLeben, "EditGegnerLeben", u"Leben", 8, 24},
        {GfRuestschutz, "EditGegnerRuestschutz", u"Rüstschutz", 8, 46},
        {GfAbsorb, "EditGegnerAbsorb", u"Absorb", 8, 68},
        {GfAusweichen, "EditGegnerAusweichen", u"Ausweichen", 120, 24},
        {GfRuestschutzBeiBlock, "EditGegnerRuestschutzBeiBlock", u"Rüs. b. Block", 120, 46},
        {GfBlockchance, "EditGegnerBlockChance", u"Blockchance", 120, 68},
        {GfMinSchaden, "EditGegnerMinSchaden", u"Min. Schaden", 8, 108},
        {GfMaxSchaden, "EditGegnerMaxSchaden", u"Max. Schaden", 8, 130},
        {GfAngriffe, "EditGegnerAngriffeProRunde", u"Angriffe p. R.", 8, 152},
        {GfTreffsicherheit, "EditGegnerTreffsicherheit", u"Treffsicherh.", 120, 108},
        {GfKritischeTreffer, "EditGegnerKritischeTreffer", u"Krit. Treffer", 120, 130},
    };
    const TGegnerTexte start = GegnerTexte(TGegnerwerte{});
    for (const TLage &l : lagen) {
        auto *e = new QLineEdit(start[l.Feld], this);
        e->setObjectName(QLatin1String(l.Name));
        const bool links = l.X < 100;
        e->setGeometry(links ? 80 : 190, l.Y, links ? 34 : 38, 19);
        e->setToolTip(gegnerHinweis);
        QLabel *b = Beschriftung(this, {}, QString::fromUtf16(l.Text),
                                 QRect(links ? 6 : 118, l.Y + 2, links ? 74 : 72, 16));
        QFont klein = b->font();
        klein.setPixelSize(10);
        b->setFont(klein);
        b->setBuddy(e);
        b->setToolTip(gegnerHinweis);
        e->setAccessibleName(QStringLiteral("Gegner ") + QString::fromUtf16(l.Text));
        const bool ganz =
            l.Feld == GfLeben || l.Feld == GfMinSchaden || l.Feld == GfMaxSchaden || l.Feld == GfAngriffe;
        ZeichenfilterSetzen(e, ganz ? TZeichenfilter::Ganzzahl : TZeichenfilter::Dezimal);
        if (l.Feld == GfLeben)
            TipplaengeBegrenzen(e, 5);
        NullBeimVerlassen(e);
        // Leben, Ausweichen and the opponent's attacks do not change the search's result.
        if (l.Feld == GfLeben || l.Feld == GfAusweichen || l.Feld == GfAngriffe)
            FeldFarbeSetzen(e, QColor(240, 240, 240));
        const TGegnerFeld f = l.Feld;
        connect(e, &QLineEdit::textChanged, this, [this, f, e] {
            if (m_seite)
                m_seite->GegnerTextUebernehmen(f, e->text());
        });
        m_gegner[l.Feld] = e;
    }

    SpeedButtonNahkampf = new QToolButton(this);
    SpeedButtonFernkampf = new QToolButton(this);
    const char *const knopfNamen[2] = {"SpeedButtonNahkampf", "SpeedButtonFernkampf"};
    const char16_t *const knopfTexte[2] = {u"Nahkampf", u"Fernkampf"};
    const char16_t *const knopfHinweise[2] = {u"Attribute für Nahkampf optimieren.",
                                              u"Attribute für Fernkampf optimieren."};
    auto *gruppe = new QButtonGroup(this);
    QToolButton *knoepfe[2] = {SpeedButtonNahkampf, SpeedButtonFernkampf};
    for (int i = 0; i < 2; ++i) {
        QToolButton *b = knoepfe[i];
        b->setObjectName(QLatin1String(knopfNamen[i]));
        b->setText(QString::fromUtf16(knopfTexte[i]));
        b->setToolTip(QString::fromUtf16(knopfHinweise[i]));
        b->setAccessibleName(QString::fromUtf16(knopfTexte[i]));
        b->setCheckable(true);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::StrongFocus);
        b->setGeometry(8 + 112 * i, 178, 108, 22);
        Textfarbe(b, Petrol);
        gruppe->addButton(b);
        const bool fern = i == 1;
        // The checked state, not the click: a screen reader's toggle action switches too.
        b->setAutoExclusive(true);
        AlsAuswahlknopf(b); // read as the radio buttons they act as
        connect(b, &QToolButton::toggled, this, [this, fern](bool an) {
            if (an)
                SpeedButtonKampfartClick(fern);
        });
    }
    SpeedButtonNahkampf->setChecked(true);

    const QString prioHinweis =
        QStringLiteral("Hier kann die Priorität von Defensive gegenüber Offensive festgelegt werden.");
    QLabel *defensiv = Beschriftung(this, QStringLiteral("LabelDefensiv"), QStringLiteral("Defensiv"),
                                    QRect(8, 206, 50, 16));
    LabelDefensivProzent =
        Beschriftung(this, QStringLiteral("LabelDefensivProzent"), QString(), QRect(70, 206, 36, 16));
    LabelDefensivProzent->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QLabel *doppelpunkt =
        Beschriftung(this, QStringLiteral("LabelDoppelpunkt"), QStringLiteral(":"), QRect(110, 206, 12, 16));
    doppelpunkt->setAlignment(Qt::AlignCenter);
    LabelOffensivProzent =
        Beschriftung(this, QStringLiteral("LabelOffensivProzent"), QString(), QRect(126, 206, 36, 16));
    QLabel *offensiv = Beschriftung(this, QStringLiteral("LabelOffensiv"), QStringLiteral("Offensiv"),
                                    QRect(178, 206, 50, 16));
    offensiv->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ScrollBarPrioritaet = new QScrollBar(Qt::Horizontal, this);
    ScrollBarPrioritaet->setObjectName(QStringLiteral("ScrollBarPrioritaet"));
    ScrollBarPrioritaet->setRange(0, 100);
    ScrollBarPrioritaet->setPageStep(10);
    ScrollBarPrioritaet->setValue(100);
    ScrollBarPrioritaet->setGeometry(8, 224, 220, 17);
    ScrollBarPrioritaet->setToolTip(prioHinweis);
    ScrollBarPrioritaet->setAccessibleName(QStringLiteral("Priorität Defensiv : Offensiv"));
    ScrollBarPrioritaet->setFocusPolicy(Qt::StrongFocus);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(8, 224, 220, 17);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();
    for (QLabel *l : {defensiv, LabelDefensivProzent, doppelpunkt, LabelOffensivProzent, offensiv})
        l->setToolTip(prioHinweis);
    KlickbarMachen(defensiv, [this] { ScrollBarPrioritaet->setValue(0); });
    KlickbarMachen(offensiv, [this] { ScrollBarPrioritaet->setValue(100); });
    for (QLabel *l : {LabelDefensivProzent, doppelpunkt, LabelOffensivProzent})
        KlickbarMachen(l, [this] { ScrollBarPrioritaet->setValue(50); });
    connect(ScrollBarPrioritaet, &QScrollBar::valueChanged, this, &TForm10::ScrollBarPrioritaetChange);

    const QString gegnerBer = QStringLiteral(
        "Falls ausgewählt, wird die optimale Attributverteilung entsprechend der eingetragenen Gegnerwerte "
        "berechnet. Andernfalls erfolgt die Berechnung unter idealisierten Bedingungen.");
    CheckBoxGegnerBeruecksichtigen = new QCheckBox(this);
    CheckBoxGegnerBeruecksichtigen->setObjectName(QStringLiteral("CheckBoxGegnerBeruecksichtigen"));
    CheckBoxGegnerBeruecksichtigen->setGeometry(8, 248, 18, 18);
    CheckBoxGegnerBeruecksichtigen->setToolTip(gegnerBer);
    CheckBoxGegnerBeruecksichtigen->setAccessibleName(QStringLiteral("Gegner berücksichtigen"));
    QLabel *gl = Beschriftung(this, QStringLiteral("LabelGegnerBeruecksichtigen"),
                              QStringLiteral(" Gegner berücksichtigen"), QRect(26, 249, 190, 16));
    gl->setToolTip(gegnerBer);
    gl->setBuddy(CheckBoxGegnerBeruecksichtigen);
    KlickbarMachen(gl, [this] { CheckBoxGegnerBeruecksichtigen->click(); });
    connect(CheckBoxGegnerBeruecksichtigen, &QCheckBox::toggled, this,
            &TForm10::CheckBoxGegnerBeruecksichtigenClick);

    const QString mindestHinweis =
        QStringLiteral("Attribute, die bei der Optimierung mindestens vergeben werden sollen.");
    const QString reserviertHinweis = QStringLiteral(
        "Anzahl der Attributpunkte, die nach der Optimierung noch zur Verwendung übrig sein sollen.");
    Beschriftung(this, {}, QStringLiteral("Mindest-Attribute"), QRect(8, 276, 114, 16), true)
        ->setToolTip(mindestHinweis);
    const char *const spinNamen[5] = {"SpinEditStaerke", "SpinEditGeschick", "SpinEditKonstitution",
                                      "SpinEditIntelligenz", "SpinEditReserviert"};
    const char16_t *const spinTexte[5] = {u"Stärke", u"Geschick", u"Konstitution", u"Intelligenz",
                                          u"Reserviert"};
    for (int i = 0; i < 5; ++i) {
        auto *s = SpinEingabeErzeugen(this);
        s->setObjectName(QLatin1String(spinNamen[i]));
        s->setRange(0, i == EingabeReserviert ? ReserviertMaximum : MindestwertMaximum);
        const int y = i == EingabeReserviert ? 404 : 294 + 24 * i;
        s->setGeometry(74, y, 50, 20);
        s->setToolTip(i == EingabeReserviert ? reserviertHinweis : mindestHinweis);
        QLabel *b = Beschriftung(this, {}, QString::fromUtf16(spinTexte[i]), QRect(8, y + 2, 66, 16),
                                 i == EingabeReserviert);
        b->setBuddy(s);
        b->setToolTip(s->toolTip());
        s->setAccessibleName((i == EingabeReserviert ? QString() : QStringLiteral("Mindest-")) +
                             QString::fromUtf16(spinTexte[i]));
        m_mindest[i] = s;
        connect(s, &QSpinBox::textChanged, this, [this, i] { MindestwertGeaendert(i); });
        SpinVerlassenBehandeln(s, m_gedaechtnis[i], [this, s, i] {
            const QSignalBlocker sperre(s);
            s->findChild<QLineEdit *>()->setText(QStringLiteral("0"));
            MindestwertGeaendert(i);
        });
    }

    const QString bleibenHinweis =
        QStringLiteral("Anzahl der Attributpunkte, die für den Optimierungsprozess verwendet werden können. "
                       "Muss größer als 0 "
                       "sein.");
    LabelAttributeBleibenFuerOptimierung = Beschriftung(
        this, QStringLiteral("LabelAttributeBleibenFuerOptimierung"), QString(), QRect(8, 430, 80, 16));
    LabelAttributeBleibenFuerOptimierung->setToolTip(bleibenHinweis);
    LabelFuerOptimierung = Beschriftung(this, QStringLiteral("LabelFuerOptimierung"),
                                        QStringLiteral("für Optimieung)"), QRect(90, 430, 120, 16));
    LabelFuerOptimierung->setToolTip(bleibenHinweis);

    const QString rassenHinweis = QStringLiteral("Auswahl der Rasse überträgt die jeweiligen Startattribute "
                                                 "als Mindestwerte. Für die Berechnung selbst "
                                                 "spielt die Rasse keine Rolle.");
    Beschriftung(this, {}, QStringLiteral("Rasse"), QRect(140, 276, 80, 16), true)->setToolTip(rassenHinweis);
    const char *const rassenNamen[8] = {
        nullptr,           "RadioButtonMensch", "RadioButtonElf", "RadioButtonHalbelf", "RadioButtonZwerg",
        "RadioButtonGnom", "RadioButtonFrei",   "RadioButtonLeer"};
    const char16_t *const rassenTexte[8] = {nullptr,   u" Mensch", u" Elf",    u" Halbelf",
                                            u" Zwerg", u" Gnom",   u" >Frei<", u" >Leer<"};
    for (int r = RasseMensch; r <= RasseLeer; ++r) {
        auto *b = new QRadioButton(QString::fromUtf16(rassenTexte[r]), this);
        b->setObjectName(QLatin1String(rassenNamen[r]));
        b->setGeometry(140, 294 + 18 * (r - 1), 90, 18);
        b->setToolTip(rassenHinweis);
        b->setProperty("tag", r);
        b->setAccessibleName(b->text().trimmed());
        m_rasse[r] = b;
        TabAufGewaehltem(b);
    }
    m_rasse[RasseLeer]->setChecked(true);
    // The checked state, not the click (a screen reader toggles); showing the stored race
    // checks its button too, which must not fill the minimums again.
    for (int r = RasseMensch; r <= RasseLeer; ++r)
        connect(m_rasse[r], &QRadioButton::toggled, this, [this, r](bool an) {
            if (an && m_planer.Optimierer().Rasse != r)
                RadioButtonRasseClick(r);
        });

    LabelWarnung = new QLabel(this);
    LabelWarnung->setObjectName(QStringLiteral("LabelWarnung"));
    LabelWarnung->setGeometry(8, 452, 220, 30);
    LabelWarnung->setWordWrap(true);
    Textfarbe(LabelWarnung, QColor(255, 0, 0));
    QFont fett = LabelWarnung->font();
    fett.setBold(true);
    LabelWarnung->setFont(fett);
    LabelWarnung->hide();
    KlickbarMachen(LabelWarnung, [this] { LabelWarnung->hide(); });

    ButtonAttributeOptimieren = new QPushButton(QStringLiteral("Optimieren"), this);
    ButtonAttributeOptimieren->setObjectName(QStringLiteral("ButtonAttributeOptimieren"));
    ButtonAttributeOptimieren->setToolTip(
        QStringLiteral("Berechnung durchführen. Optimierte Attribute werden ins Hauptfenster übertragen."));
    ButtonAttributeOptimieren->setAccessibleName(QStringLiteral("Optimieren"));
    ButtonAttributeOptimieren->setGeometry(8, 488, 220, 26);
    ButtonAttributeOptimieren->setDefault(true);
    connect(ButtonAttributeOptimieren, &QPushButton::clicked, this, &TForm10::ButtonAttributeOptimierenClick);

    ScrollBarPrioritaetChange();
    KampfartZeigen();
}

void TForm10::FormCreate()
{
    // At the main window's right edge until it is first shown.
    if (Hauptfenster())
        move(Hauptfenster()->frameGeometry().right() + 1, Hauptfenster()->frameGeometry().top());
}

void TForm10::Verbinden(TCharakterPlanerSeite *seite)
{
    InhaltAnlegen();
    m_seite = seite;
    if (!seite)
        return;
    for (int i = 0; i < AnzahlGegnerFelder; ++i)
        GegnerTextSetzen(static_cast<TGegnerFeld>(i), seite->GegnerFeld(static_cast<TGegnerFeld>(i))->text());
    ZustandAnzeigen();
}

bool TForm10::OptimierungLaeuft() const
{
    return m_planer.Optimierer().OptimierungLaeuft;
}

void TForm10::ZustandAnzeigen()
{
    InhaltAnlegen();
    if (!m_seite)
        return;
    const TOptimiererZustand &z = m_planer.Optimierer();
    for (int i = 0; i < 4; ++i)
        SpinSetzen(m_mindest[i], z.Minimum[i]);
    SpinSetzen(m_mindest[EingabeReserviert], z.Reserviert);
    if (z.Rasse >= RasseMensch && z.Rasse <= RasseLeer && !m_rasse[z.Rasse]->isChecked())
        m_rasse[z.Rasse]->setChecked(true);
    {
        const QSignalBlocker sperre(ScrollBarPrioritaet);
        ScrollBarPrioritaet->setValue(z.Prioritaet);
    }
    LabelOffensivProzent->setText(QString::number(ScrollBarPrioritaet->value()));
    LabelDefensivProzent->setText(QString::number(100 - ScrollBarPrioritaet->value()));
    CheckBoxGegnerBeruecksichtigen->setChecked(z.GegnerBeruecksichtigen);
    (z.Kampfart == TKampfart::Fernkampf ? SpeedButtonFernkampf : SpeedButtonNahkampf)->setChecked(true);
    KampfartZeigen();
    BleibenZeigen();
}

void TForm10::BleibenZeigen()
{
    InhaltAnlegen();
    if (!m_seite)
        return;
    const TOptimiererZustand &z = m_planer.Optimierer();
    const TCharakter &c = m_planer.Planer().Charakter;
    LabelAttributeBleibenFuerOptimierung->setText(VerbleibendePunkteText(z, c));
    const QColor farbe = VerbleibendePunkte(z, c) <= 0
                             ? QColor(255, 0, 0)
                             : palette().color(QPalette::Active, QPalette::WindowText);
    Textfarbe(LabelAttributeBleibenFuerOptimierung, farbe);
    Textfarbe(LabelFuerOptimierung, farbe);
}

void TForm10::KampfartZeigen()
{
    InhaltAnlegen();
    for (QToolButton *b : {SpeedButtonNahkampf, SpeedButtonFernkampf}) {
        QFont f = b->font();
        f.setBold(true);
        f.setStrikeOut(!b->isChecked());
        b->setFont(f);
    }
}

void TForm10::GegnerTextSetzen(TGegnerFeld f, const QString &text)
{
    InhaltAnlegen();
    if (f >= 0 && f < AnzahlGegnerFelder)
        TextSetzen(m_gegner[f], text);
}

void TForm10::GegnerFarbenSetzen(bool minimumUngueltig, bool maximumUngueltig)
{
    InhaltAnlegen();
    FeldFarbeSetzen(m_gegner[GfMinSchaden],
                    minimumUngueltig ? HellrotFarbe : palette().color(QPalette::Active, QPalette::Base));
    FeldFarbeSetzen(m_gegner[GfMaxSchaden],
                    maximumUngueltig ? HellrotFarbe : palette().color(QPalette::Active, QPalette::Base));
}

void TForm10::MindestwertGeaendert(int eingabe)
{
    InhaltAnlegen();
    if (!m_seite || eingabe < 0 || eingabe > EingabeReserviert)
        return;
    const TOptimiererZustand &z = m_planer.Optimierer();
    const int32_t untergrenze = eingabe == EingabeReserviert ? 0 : z.Untergrenze[eingabe];
    const std::optional<int32_t> wert = SpinPruefen(m_mindest[eingabe], m_gedaechtnis[eingabe],
                                                    m_seite->Uhr ? m_seite->Uhr() : 0, untergrenze);
    if (wert)
        m_planer.MindestwertSetzen(static_cast<TMindestEingabe>(eingabe), *wert); // shown when reported
    else
        ZustandAnzeigen();
}

void TForm10::RadioButtonRasseClick(int rasse)
{
    InhaltAnlegen();
    if (!m_seite)
        return;
    m_planer.RasseWaehlen(rasse); // shown when reported
}

void TForm10::ScrollBarPrioritaetChange()
{
    InhaltAnlegen();
    const int p = ScrollBarPrioritaet->value();
    LabelOffensivProzent->setText(QString::number(p));
    LabelDefensivProzent->setText(QString::number(100 - p));
    if (m_seite)
        m_planer.PrioritaetSetzen(p);
}

void TForm10::SpeedButtonKampfartClick(bool fernkampf)
{
    InhaltAnlegen();
    if (m_seite)
        m_planer.KampfartSetzen(fernkampf ? TKampfart::Fernkampf : TKampfart::Nahkampf);
    KampfartZeigen();
}

void TForm10::CheckBoxGegnerBeruecksichtigenClick()
{
    InhaltAnlegen();
    if (m_seite)
        m_planer.GegnerBeruecksichtigenSetzen(CheckBoxGegnerBeruecksichtigen->isChecked());
}

void TForm10::EingabenSperren(bool sperren)
{
    InhaltAnlegen();
    for (QLineEdit *e : m_gegner)
        e->setEnabled(!sperren);
    for (QSpinBox *s : m_mindest)
        s->setEnabled(!sperren);
    for (int r = RasseMensch; r <= RasseLeer; ++r)
        m_rasse[r]->setEnabled(!sperren);
    for (QWidget *w :
         std::initializer_list<QWidget *>{SpeedButtonNahkampf, SpeedButtonFernkampf,
                                          CheckBoxGegnerBeruecksichtigen, ButtonAttributeOptimieren})
        w->setEnabled(!sperren);
    ScrollBarPrioritaet->setVisible(!sperren);
    ProgressBar1->setVisible(sperren);
}

void TForm10::ButtonAttributeOptimierenClick()
{
    InhaltAnlegen();
    if (!m_seite || m_planer.Optimierer().OptimierungLaeuft)
        return;
    m_charakterBeimStart = Schnappschuss(m_planer.Planer());
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
    QPointer<TForm10> selbst(this);
    TAttributOptimierungThread *t = m_planer.OptimierungStarten(
        this,
        [selbst](const TOptimierungsErgebnis &e) {
            if (!selbst)
                return;
            // Guard: a character changed while the search ran does not get its result.
            const bool unveraendert =
                Schnappschuss(selbst->m_planer.Planer()) == selbst->m_charakterBeimStart;
            selbst->EingabenSperren(false);
            selbst->m_planer.OptimierungBeenden(e, unveraendert);
            if (!unveraendert) {
                selbst->LabelWarnung->setText(
                    QStringLiteral("Achtung: Der Charakter wurde während der Optimierung geändert!"));
                selbst->LabelWarnung->show();
            }
            selbst->ZustandAnzeigen();
        },
        [selbst](int maximum, int position) {
            if (!selbst)
                return;
            selbst->ProgressBar1->setRange(0, std::max(1, maximum));
            selbst->ProgressBar1->setValue(std::min(position, std::max(1, maximum)));
        });
    const QString &warnung = m_planer.Optimierer().Warnung;
    LabelWarnung->setText(warnung);
    LabelWarnung->setVisible(!warnung.isEmpty());
    if (t)
        EingabenSperren(true);
}

void TForm10::Andocken()
{
    if (!Hauptfenster())
        return;
    const QRect h = Hauptfenster()->frameGeometry();
    const QSize groesse = frameGeometry().size();
    QPoint ort(h.left() - groesse.width() - 9, h.top() + 78);
    // A main window at the screen's left edge would put the window off the screen.
    const QScreen *schirm =
        Hauptfenster()->screen() ? Hauptfenster()->screen() : QGuiApplication::primaryScreen();
    if (schirm) {
        const QRect frei = schirm->availableGeometry();
        ort.setX(std::clamp(ort.x(), frei.left(), std::max(frei.left(), frei.right() + 1 - groesse.width())));
        ort.setY(std::clamp(ort.y(), frei.top(), std::max(frei.top(), frei.bottom() + 1 - groesse.height())));
    }
    move(ort);
}

void TForm10::FormShow()
{
    Andocken();
}

void TForm10::FormClose()
{
    OptimiererOffen = false;
    TNebenfenster::FormClose();
}

} // namespace mvt
