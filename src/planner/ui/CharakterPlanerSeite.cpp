#include "planner/ui/CharakterPlanerSeite.h"

#include "base/Meldung.h"
#include "base/Optionen.h"
#include "base/Zahlen.h"
#include "catalogue/Katalog.h"
#include "planner/Charakterdatei.h"
#include "planner/Vergleich.h"
#include "planner/WasWaereWenn.h"
#include "planner/ui/Anzeigehilfen.h"
#include "planner/ui/Attributbereich.h"
#include "planner/ui/Ausruestungsmenues.h"
#include "planner/ui/Bewertungsseiten.h"
#include "planner/ui/Eingabefelder.h"
#include "planner/ui/MenueeintragZugang.h"
#include "planner/ui/Optimiererfenster.h"
#include "planner/ui/Slotspalte.h"
#include "planner/ui/Vergleichsanzeige.h"
#include "planner/ui/Wertespalte.h"
#include "ui/Einpassen.h"
#include "ui/Sitzung.h"
#include "ui/Umschalttasten.h"

#include <QCheckBox>
#include <QClipboard>
#include <QCursor>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

namespace mvt {

using namespace planer;
using namespace planeranzeige;

namespace {

const QString GruenHtml = QStringLiteral("#008000");
const QString RotHtml = QStringLiteral("#ff0000");

// The description of a planner menu entry for the accessibility interface; null for any
// other action.
QString MenueeintragBeschreibung(QAction *a)
{
    if (!a->property("Slot").isValid())
        return QString();
    for (QObject *o = a->parent(); o; o = o->parent())
        if (auto *seite = qobject_cast<TCharakterPlanerSeite *>(o)) {
            const QString t = seite->WasWaereWennHinweis(a);
            return t.isNull() ? QStringLiteral("") : t;
        }
    return QString();
}

} // namespace

// ---------------------------------------------------------------------------------------

TCharakterPlanerSeite::TCharakterPlanerSeite(TSitzung &sitzung, TPlanerSitzung &planer, QWidget *parent)
    : QWidget(parent), m_katalog(planer.Katalog()), m_sitzung(sitzung), m_planer(planer),
      m_optionen(sitzung.Optionen())
{
    setObjectName(QStringLiteral("CharakterPlanerSeite"));
    resize(Breite, Hoehe);
    QFont schrift = font();
    schrift.setPixelSize(11);
    setFont(schrift);

    auto uhr = std::make_shared<QElapsedTimer>();
    uhr->start();
    Uhr = [uhr] { return uhr->elapsed(); };

    // Created in the order of the Tab key.
    m_attribute = new TAttributbereich(*this);
    m_slots = new TSlotspalte(*this, planer);
    m_menues = new TAusruestungsmenues(*this);
    m_werte = new TWertespalte(*this);
    m_bewertung = new TBewertungsseiten(*this, planer.Planer().Gegner);
    m_vergleichsanzeige = std::make_unique<TVergleichsanzeige>();
    MenueeintragZugangInstallieren(MenueeintragBeschreibung);

    m_meldungsTimer = new QTimer(this);
    m_meldungsTimer->setObjectName(QStringLiteral("TimerInventarAuslesenMeldungLoeschen"));
    m_meldungsTimer->setInterval(3000);
    MeldungsTimerSetzen(m_meldungsTimer);

    // Built with the options as they are; the menu hints follow the options from now on,
    // the potency switch the planner world, the values whatever they depend on.
    m_planer.Starten();
    m_menues->HinweiseSetzen();
    PotenzschalterZeigen();
    Anzeigen();
    connect(&sitzung, &TSitzung::optionenGeaendert, this, &TCharakterPlanerSeite::OptionenUebernehmen);
    connect(&sitzung, &TSitzung::planerweltGeaendert, this, &TCharakterPlanerSeite::PotenzschalterZeigen);
    connect(&planer, &TPlanerSitzung::charakterGeaendert, this, &TCharakterPlanerSeite::Anzeigen);
    connect(&planer, &TPlanerSitzung::bewertungGeaendert, this, &TCharakterPlanerSeite::BewertungNeuZeigen);
    connect(&planer, &TPlanerSitzung::optimierungGeaendert, this,
            &TCharakterPlanerSeite::OptimierungGeaendert);
}

TCharakterPlanerSeite::~TCharakterPlanerSeite() = default;

const TPlaner &TCharakterPlanerSeite::Planer() const
{
    return m_planer.Planer();
}

void TCharakterPlanerSeite::MeldungsTimerSetzen(QTimer *timer)
{
    if (!timer)
        return;
    if (timer != m_meldungsTimer && m_meldungsTimer && m_meldungsTimer->parent() == this) {
        delete m_meldungsTimer;
    }
    m_meldungsTimer = timer;
    m_meldungsTimer->setInterval(3000);
    connect(m_meldungsTimer, &QTimer::timeout, this, [this] {
        m_meldungsTimer->stop();
        m_attribute->LabelInventarAuslesen->hide();
    });
}

bool TCharakterPlanerSeite::Shift() const
{
    return UmschaltGehalten();
}

bool TCharakterPlanerSeite::Strg() const
{
    return StrgGehalten();
}

int64_t TCharakterPlanerSeite::Jetzt() const
{
    return Uhr ? Uhr() : 0;
}

QList<QMenu *> TCharakterPlanerSeite::PopupMenues() const
{
    return m_menues->Alle();
}

void TCharakterPlanerSeite::MenuesAnlegen()
{
    m_menues->Anlegen();
}

QLineEdit *TCharakterPlanerSeite::GegnerFeld(TGegnerFeld f) const
{
    return m_bewertung->Gegner[f];
}

QSpinBox *TCharakterPlanerSeite::AttributEingabe(TAttribut a) const
{
    return m_attribute->Attribut[a];
}

void TCharakterPlanerSeite::OptimiererfensterVerbinden(TForm10 *fenster)
{
    m_form10 = fenster;
    if (fenster)
        fenster->Verbinden(this);
}

// ---------------------------------------------------------------- options

void TCharakterPlanerSeite::PotenzschalterZeigen()
{
    const bool zyrthania = m_optionen.CPWorld == 3;
    QCheckBox *schalter = m_attribute->CheckBoxCPWirkungBerechnen;
    schalter->setEnabled(zyrthania);
    m_attribute->LabelCPWirkungBerechnen->setEnabled(zyrthania);
    const QSignalBlocker sperre(schalter);
    schalter->setChecked(m_optionen.CPCalcPotency);
}

void TCharakterPlanerSeite::CharakterNeuBerechnen()
{
    PotenzschalterZeigen();
    m_planer.Neuberechnen(); // shown when the part reports it
}

void TCharakterPlanerSeite::OptionenUebernehmen()
{
    m_menues->HinweiseSetzen();
    PotenzschalterZeigen();
    Anzeigen();
}

// ---------------------------------------------------------------- display

void TCharakterPlanerSeite::Anzeigen()
{
    const TPlaner &p = m_planer.Planer();
    m_attribute->Zeigen(p);
    m_slots->Zeigen(p);
    m_werte->Zeigen(p);
    BewertungZeigen();
}

void TCharakterPlanerSeite::BewertungNeuZeigen()
{
    m_werte->AnsichtZeigen(m_planer.Planer());
    BewertungZeigen();
}

void TCharakterPlanerSeite::BewertungZeigen()
{
    m_bewertung->Zeigen(m_planer.Planer().Bewertung);
    // Every change of what is shown ends here: the what-if hints are stale now.
    ++m_anzeigeStand;
    VergleichZeigen();
}

void TCharakterPlanerSeite::GegnerFarbenZeigen()
{
    const auto [minFalsch, maxFalsch] = m_bewertung->GegnerFarbenZeigen();
    if (m_form10)
        m_form10->GegnerFarbenSetzen(minFalsch, maxFalsch);
}

void TCharakterPlanerSeite::AttributfarbenZuruecksetzen()
{
    for (QSpinBox *s : m_attribute->Attribut)
        FeldFarbeSetzen(s, palette().color(QPalette::Active, QPalette::Base));
}

// ---------------------------------------------------------------- character inputs

void TCharakterPlanerSeite::SpinEditLevelChange()
{
    const std::optional<int32_t> level =
        SpinPruefen(m_attribute->SpinEditLevel, m_attribute->LevelGedaechtnis, Jetzt(), 1);
    if (!level)
        return;
    const int64_t jetzt = Jetzt();
    const bool gescrollt = LevelWirdGescrollt(m_letzteLevelAenderung, jetzt);
    if (gescrollt) {
        m_planer.LevelGescrolltSetzen(*level, m_gespeicherteAttribute);
    } else {
        for (int i = 0; i < 4; ++i)
            m_gespeicherteAttribute[i] = m_attribute->Attribut[i]->value();
        m_planer.LevelSetzen(*level);
    }
    m_letzteLevelAenderung = jetzt;
    AttributfarbenZuruecksetzen();
}

void TCharakterPlanerSeite::SpinEditAttributChange(TAttribut a)
{
    QSpinBox *s = m_attribute->Attribut[a];
    const std::optional<int32_t> wert = SpinPruefen(s, m_attribute->AttributGedaechtnis[a], Jetzt(),
                                                    Attributuntergrenze(m_planer.Planer().Charakter, a));
    if (wert)
        m_planer.AttributSetzen(a, *wert);
    FeldFarbeSetzen(s, palette().color(QPalette::Active, QPalette::Base));
}

void TCharakterPlanerSeite::EditErfahrungChange()
{
    QString t;
    for (QChar c : m_attribute->EditErfahrung->text())
        if (c.isDigit() && c.unicode() < 128)
            t += c;
    TextSetzen(m_attribute->EditErfahrung, t);
    bool ok = false;
    qlonglong x = t.size() > 18 ? std::numeric_limits<qlonglong>::max() : t.toLongLong(&ok);
    if (t.isEmpty() || (!ok && t.size() <= 18))
        return;
    m_planer.ErfahrungSetzen(x); // cut to the threshold of the last level
}

void TCharakterPlanerSeite::CheckBoxCPWirkungBerechnenClick()
{
    // The part recomputes the character with the record the session derives.
    m_sitzung.PlanerweltSetzen(m_optionen.CPWorld, m_attribute->CheckBoxCPWirkungBerechnen->isChecked());
}

void TCharakterPlanerSeite::RadioButtonWerteImNahkampfClick()
{
    m_planer.AnsichtSetzen(TAnsicht::Nahkampf);
}

void TCharakterPlanerSeite::RadioButtonWerteImFernkampfClick()
{
    if (!m_planer.Planer().Anzeige.Fernkampf.Sichtbar)
        return;
    m_planer.AnsichtSetzen(TAnsicht::Fernkampf);
}

void TCharakterPlanerSeite::ButtonInventarLoeschenClick()
{
    m_planer.AllesLoeschen();
    m_attribute->LabelInventarAuslesen->hide();
    AttributfarbenZuruecksetzen();
}

void TCharakterPlanerSeite::ButtonAttributeOptimierenClick()
{
    if (!m_form10)
        return;
    if (m_form10->isVisible()) {
        m_form10->hide();
        m_form10->OptimiererOffen = false;
        return;
    }
    m_form10->OptimiererOffen = true;
    m_form10->show();
    window()->raise();
    window()->activateWindow();
}

// ---------------------------------------------------------------- slots and menus

void TCharakterPlanerSeite::SpeedButtonSlotClick(TSlot s)
{
    const int m = MenueVonSlot(s, m_planer.Planer().Arten[PosFernkampf]);
    if (m < 0 || m >= AnzahlMenues)
        return;
    QToolButton *b = m_slots->Knopf(s);
    // From the keyboard the menu opens below the button, from the mouse at the pointer.
    const QPoint ort = b->underMouse() ? QCursor::pos() : b->mapToGlobal(QPoint(0, b->height()));
    m_menues->Menue(m)->popup(ort);
}

void TCharakterPlanerSeite::MenueEintragGewaehlt(TSlot s, const QString &eintrag)
{
    if (m_optimierungSperrt)
        return;
    m_planer.MenueEintragWaehlen(s, eintrag, Shift(), Strg());
}

void TCharakterPlanerSeite::VerzauberungsmenueOeffnen(TSlot s, const QPoint &global)
{
    if (m_optimierungSperrt || !Verzauberbar(m_planer.Planer(), s))
        return;
    m_verzauberungsSlot = s;
    m_menues->Verzauberungen()->popup(global);
}

void TCharakterPlanerSeite::VerzauberungGewaehlt(const QString &beschriftung)
{
    if (m_optimierungSperrt)
        return;
    m_planer.VerzauberungSetzen(m_verzauberungsSlot, VerzauberungAusMenue(beschriftung));
}

void TCharakterPlanerSeite::SlotwertGeaendert(TSlot s, TSlotFeld f)
{
    m_slots->WertGeaendert(s, f);
}

// ---------------------------------------------------------------- opponent

void TCharakterPlanerSeite::GegnerFeldGeaendert(TGegnerFeld f)
{
    if (f < 0 || f >= AnzahlGegnerFelder)
        return;
    QLineEdit *e = m_bewertung->Gegner[f];
    TextSetzen(e, GegnerFeldBereinigen(f, e->text()));
    m_planer.GegnerSetzen(GegnerwerteAusTexten(m_bewertung->GegnerTexte()));
    GegnerFarbenZeigen();
    if (m_form10)
        m_form10->GegnerTextSetzen(f, e->text());
}

void TCharakterPlanerSeite::GegnerTextUebernehmen(TGegnerFeld f, const QString &text)
{
    if (f < 0 || f >= AnzahlGegnerFelder)
        return;
    QLineEdit *e = m_bewertung->Gegner[f];
    if (e->text() == text) {
        if (m_form10)
            m_form10->GegnerTextSetzen(f, GegnerFeldBereinigen(f, text));
        return;
    }
    e->setText(text); // fires GegnerFeldGeaendert, which writes back
}

void TCharakterPlanerSeite::GegnerTexteZeigen()
{
    const TGegnerTexte t = GegnerTexte(m_planer.Planer().Gegner);
    for (int i = 0; i < AnzahlGegnerFelder; ++i) {
        TextSetzen(m_bewertung->Gegner[i], t[i]);
        if (m_form10)
            m_form10->GegnerTextSetzen(static_cast<TGegnerFeld>(i), t[i]);
    }
}

void TCharakterPlanerSeite::GegnerVorgabeClick(const QString &name)
{
    TGegnerwerte g = m_planer.Planer().Gegner;
    if (!GegnerVorgabeAnwenden(g, name))
        return;
    m_planer.GegnerSetzen(g);
    GegnerTexteZeigen();
    GegnerFarbenZeigen();
}

// ---------------------------------------------------------------- import

void TCharakterPlanerSeite::ButtonInventarAuslesenClick()
{
    const QClipboard *ablage = QGuiApplication::clipboard();
    InventarTextAuslesen(ablage ? ablage->text() : QString());
}

void TCharakterPlanerSeite::InventarTextAuslesen(const QString &text)
{
    if (m_optimierungSperrt)
        return;
    const TInventarErgebnis r = m_planer.InventarAuslesen(text);
    // The world the page names becomes the planner world of the options.
    if (r.Erfolg && r.Welt != 0)
        m_sitzung.PlanerweltSetzen(r.Welt, m_optionen.CPCalcPotency);
    if (r.NeuerCharakter)
        AttributfarbenZuruecksetzen();
    m_attribute->LabelInventarAuslesen->setText(r.Meldung);
    Farbe(m_attribute->LabelInventarAuslesen, r.MeldungGruen ? QColor(0, 128, 0) : Rot);
    if (r.MeldungGruen)
        m_meldungsTimer->start();
    else
        m_meldungsTimer->stop();
    m_attribute->LabelInventarAuslesen->show();
}

// ---------------------------------------------------------------- character files

void TCharakterPlanerSeite::ButtonCharakterSpeichernClick()
{
    const QString datei =
        QFileDialog::getSaveFileName(this, QStringLiteral("Charakter speichern"),
                                     QStringLiteral("Charakter.json"), QStringLiteral("Charakter (*.json)"));
    if (!datei.isEmpty())
        CharakterSpeichern(datei);
}

void TCharakterPlanerSeite::ButtonCharakterLadenClick()
{
    const QString datei = QFileDialog::getOpenFileName(this, QStringLiteral("Charakter laden"), QString(),
                                                       QStringLiteral("Charakter (*.json)"));
    if (!datei.isEmpty())
        CharakterLaden(datei);
}

bool TCharakterPlanerSeite::CharakterSpeichern(const QString &datei)
{
    const QString fehler = CharakterdateiSchreiben(m_planer.Planer(), datei);
    if (!fehler.isEmpty()) {
        MeldungZeigen(fehler);
        return false;
    }
    return true;
}

bool TCharakterPlanerSeite::CharakterLaden(const QString &datei)
{
    if (m_optimierungSperrt)
        return false;
    const QString fehler = m_planer.CharakterLaden(datei);
    if (!fehler.isEmpty()) {
        MeldungZeigen(fehler);
        return false;
    }
    // The file's world and potency switch become those of the options.
    const TPlanerOptionen &o = m_planer.Planer().Optionen;
    m_sitzung.PlanerweltSetzen(o.Welt, o.WirkungBerechnen);
    AttributfarbenZuruecksetzen();
    GegnerTexteZeigen();
    GegnerFarbenZeigen();
    return true;
}

// ---------------------------------------------------------------- optimiser

void TCharakterPlanerSeite::EingabenFreigeben(bool an)
{
    // Everything that changes the character the search works on.
    m_optimierungSperrt = !an;
    QWidget *eingaben[] = {m_attribute->SpinEditLevel, m_attribute->EditErfahrung,
                           m_attribute->ButtonInventarAuslesen, m_attribute->ButtonInventarLoeschen,
                           m_attribute->ButtonCharakterLaden};
    for (QWidget *w : eingaben)
        w->setEnabled(an);
    for (QSpinBox *s : m_attribute->Attribut)
        s->setEnabled(an);
    m_slots->Freigeben(an);
    if (an)
        PotenzschalterZeigen();
    else
        m_attribute->CheckBoxCPWirkungBerechnen->setEnabled(false);
}

void TCharakterPlanerSeite::OptimierungGeaendert(bool laeuft, bool angewendet)
{
    EingabenFreigeben(!laeuft);
    if (angewendet)
        for (QSpinBox *s : m_attribute->Attribut)
            FeldFarbeSetzen(s, HellgruenFarbe);
}

// ---------------------------------------------------------------- what-if hints

void TCharakterPlanerSeite::WasWaereWennAnbinden(QMenu *menue)
{
    // Bound before the main window's hint window binds the menu, so the hint is complete
    // when that window reads it.
    connect(menue, &QMenu::hovered, this, [this](QAction *a) { WasWaereWennHinweis(a); });
}

QString TCharakterPlanerSeite::WasWaereWennHinweis(QAction *eintrag)
{
    if (!eintrag || !eintrag->property("Slot").isValid())
        return QString();
    if (eintrag->property("WasWaereWennStand").toInt() == m_anzeigeStand)
        return eintrag->statusTip();
    const TSlot s = static_cast<TSlot>(eintrag->property("Slot").toInt());
    const TMenue m = static_cast<TMenue>(eintrag->property("Menue").toInt());
    const QString name = eintrag->data().toString();
    QString text = MenueHinweis(m_katalog, m, name);
    QString html = text.toHtmlEscaped();
    std::vector<TUnterschiedsZeile> zeilen;
    if (!m_optimierungSperrt)
        if (const std::optional<TKennwerte> w = WasWaereWenn(m_planer.Planer(), m_katalog, s, name))
            zeilen = UnterschiedsZeilen(Kennwerte(m_planer.Planer()), *w);
    if (!zeilen.empty() && !text.isEmpty()) {
        text += QStringLiteral("\n\n");
        html += QStringLiteral("<br><br>");
    }
    for (size_t i = 0; i < zeilen.size(); ++i) {
        if (i > 0) {
            text += u'\n';
            html += QStringLiteral("<br>");
        }
        text += zeilen[i].Text;
        html += QStringLiteral("<span style=\"color:%1\">%2</span>")
                    .arg(zeilen[i].Besser ? GruenHtml : RotHtml, zeilen[i].Text.toHtmlEscaped());
    }
    // The hint window draws the coloured form; the plain one is the hint and the
    // description.
    eintrag->setStatusTip(text);
    eintrag->setProperty("HinweisHtml", html);
    eintrag->setProperty("WasWaereWennStand", m_anzeigeStand);
    return text;
}

// ---------------------------------------------------------------- comparison

void TCharakterPlanerSeite::ButtonVergleichenClick()
{
    const QString datei = QFileDialog::getOpenFileName(this, QStringLiteral("Vergleichen mit"), QString(),
                                                       QStringLiteral("Charakter (*.json)"));
    if (!datei.isEmpty())
        VergleichLaden(datei);
}

bool TCharakterPlanerSeite::VergleichLaden(const QString &datei)
{
    auto basis = std::make_unique<TPlaner>();
    basis->Optionen = m_planer.Planer().Optionen;
    PlanerStarten(*basis);
    const QString fehler = CharakterdateiLesen(*basis, m_katalog, datei);
    if (!fehler.isEmpty()) {
        MeldungZeigen(fehler);
        return false;
    }
    m_basis = std::move(basis);
    m_attribute->ButtonVergleichBeenden->setEnabled(true);
    VergleichZeigen();
    return true;
}

void TCharakterPlanerSeite::ButtonVergleichBeendenClick()
{
    m_basis.reset();
    // Focus stays on the page's controls rather than on a disabled button.
    QPushButton *beenden = m_attribute->ButtonVergleichBeenden;
    if (beenden->hasFocus())
        m_attribute->ButtonVergleichen->setFocus();
    beenden->setEnabled(false);
    VergleichZeigen();
}

void TCharakterPlanerSeite::VergleichZeigen()
{
    if (!m_vergleichsanzeige)
        return;
    if (!m_basis) {
        m_vergleichsanzeige->Leeren();
        return;
    }
    BasisAngleichen(*m_basis, m_planer.Planer());
    const TVergleich v = VergleichBerechnen(m_planer.Planer(), *m_basis);
    m_werte->VergleichZeigen(*m_vergleichsanzeige, v);
    m_bewertung->VergleichZeigen(*m_vergleichsanzeige, v);
}

} // namespace mvt
