#include "planner/ui/Attributbereich.h"

#include "planner/ui/Anzeigehilfen.h"
#include "planner/ui/CharakterPlanerSeite.h"
#include "planner/ui/Optimiererfenster.h"
#include "planner/ui/Eingabefelder.h"
#include "ui/Steuerelemente.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace mvt {

using namespace planer;
using namespace planeranzeige;

TAttributbereich::TAttributbereich(TCharakterPlanerSeite &seite) : QWidget(&seite)
{
    setObjectName(QStringLiteral("Attributbereich"));
    setGeometry(Ort);
    // The page's own font, explicitly: under the main window's style sheet a child's inherited
    // font is only resolved when it is shown, and the controls measure theirs when made.
    setFont(seite.font());
    TCharakterPlanerSeite *p = &seite;
    auto wert = [this](const char *name, int x, int y, int b) {
        return Beschriftung(this, QLatin1String(name), QString(), QRect(x, y, b, 16));
    };
    // The captions label their values, which a screen reader reads as the figures.
    auto wertBeschriftung = [this](const QString &text, int y, QLabel *wert) {
        Beschriftung(this, QString(), text, QRect(8, y, 86, 18))->setBuddy(wert);
    };
    auto knopf = [this](const char *name, const QString &text, const QString &hinweis, int y) {
        QPushButton *b = Schaltflaeche(this, QLatin1String(name), text, QRect(8, y, 180, 24));
        b->setToolTip(hinweis);
        return b;
    };

    SpinEditLevel = SpinEingabeErzeugen(this);
    SpinEditLevel->setObjectName(QStringLiteral("SpinEditLevel"));
    SpinEditLevel->setRange(0, MaxLevel); // the lower limit 1 is the entry check's
    SpinEditLevel->setGeometry(96, 6, 92, 20);
    FeldBeschriftung(this, QStringLiteral("Level"), SpinEditLevel, QRect(8, 7, 80, 18));
    connect(SpinEditLevel, &QSpinBox::textChanged, p, [p] { p->SpinEditLevelChange(); });
    SpinVerlassenBehandeln(SpinEditLevel, LevelGedaechtnis, [this, p] {
        const QSignalBlocker s(SpinEditLevel);
        SpinEditLevel->findChild<QLineEdit *>()->setText(QStringLiteral("0"));
        p->SpinEditLevelChange();
    });

    EditErfahrung = new QLineEdit(QStringLiteral("0"), this);
    EditErfahrung->setObjectName(QStringLiteral("EditErfahrung"));
    EditErfahrung->setGeometry(96, 30, 92, 20);
    FeldBeschriftung(this, QStringLiteral("Erfahrung"), EditErfahrung, QRect(8, 31, 80, 18));
    ZeichenfilterSetzen(EditErfahrung, TZeichenfilter::Ganzzahl);
    connect(EditErfahrung, &QLineEdit::textChanged, p, [p] { p->EditErfahrungChange(); });

    LabelLevelUpBei = wert("LabelLevelUpBei", 96, 55, 100);
    wertBeschriftung(QStringLiteral("Level-Up bei:"), 54, LabelLevelUpBei);
    LabelLevelUpNoch = wert("LabelLevelUpNoch", 96, 71, 100);
    wertBeschriftung(QStringLiteral("noch:"), 70, LabelLevelUpNoch);

    const char *const namen[4] = {"SpinEditStaerke", "SpinEditGeschick", "SpinEditKonstitution",
                                  "SpinEditIntelligenz"};
    const char16_t *const texte[4] = {u"Stärke", u"Geschicklichkeit", u"Konstitution", u"Intelligenz"};
    for (int i = 0; i < 4; ++i) {
        QSpinBox *s = SpinEingabeErzeugen(this);
        s->setObjectName(QLatin1String(namen[i]));
        s->setRange(0, 9999);
        s->setGeometry(116, 94 + 24 * i, 72, 20);
        FeldBeschriftung(this, QString::fromUtf16(texte[i]), s, QRect(8, 95 + 24 * i, 104, 18));
        Attribut[i] = s;
        const TAttribut a = static_cast<TAttribut>(i);
        connect(s, &QSpinBox::textChanged, p, [p, a] { p->SpinEditAttributChange(a); });
        SpinVerlassenBehandeln(s, AttributGedaechtnis[i], [p, s, a] {
            const QSignalBlocker sp(s);
            s->findChild<QLineEdit *>()->setText(QStringLiteral("0"));
            p->SpinEditAttributChange(a);
        });
    }

    LabelFreieAtrribute = wert("LabelFreieAtrribute", 8, 194, 208);
    LabelMaxLP = wert("LabelMaxLP", 8, 212, 208);
    LabelMaxTraglast = wert("LabelMaxTraglast", 8, 228, 208);
    LabelBewegungsgeschwindigkeit = wert("LabelBewegungsgeschwindigkeit", 8, 244, 208);
    LabelCPWelt = wert("LabelCPWelt", 8, 260, 208);
    QFont klein = font();
    klein.setPixelSize(10);
    for (QLabel *l : {LabelMaxLP, LabelMaxTraglast, LabelBewegungsgeschwindigkeit, LabelCPWelt})
        l->setFont(klein);

    ButtonAttributeOptimieren = knopf(
        "ButtonAttributeOptimieren", QStringLiteral("Attribute optimieren"),
        QStringLiteral("Öffnet Optionsfenster, um die Attributverteilung gemäß den Vorgaben zu optimieren"),
        286);
    ButtonInventarAuslesen =
        knopf("ButtonInventarAuslesen", QStringLiteral("Inventar auslesen"),
              QStringLiteral("Komplette Seite des Morvaren-Inventars kopieren und hier klicken."), 316);
    LabelInventarAuslesen =
        Beschriftung(this, QStringLiteral("LabelInventarAuslesen"), QString(), QRect(8, 343, 180, 16), true);
    LabelInventarAuslesen->setAlignment(Qt::AlignCenter);
    LabelInventarAuslesen->hide();
    KlickbarMachen(LabelInventarAuslesen, [this] { LabelInventarAuslesen->hide(); });
    ButtonInventarLoeschen =
        knopf("ButtonInventarLoeschen", QStringLiteral("Alles löschen"),
              QStringLiteral("Alle Items entfernen, Attribute und Level zurüclsetzen."), 362);

    const QString potenzHinweis = QStringLiteral(
        "Wirkung mit einberechnen oder nicht. Werte müssen im Optionsmenü eingetragen werden.");
    CheckBoxCPWirkungBerechnen = new QCheckBox(this);
    CheckBoxCPWirkungBerechnen->setObjectName(QStringLiteral("CheckBoxCPWirkungBerechnen"));
    CheckBoxCPWirkungBerechnen->setGeometry(10, 394, 18, 18);
    CheckBoxCPWirkungBerechnen->setChecked(true);
    CheckBoxCPWirkungBerechnen->setToolTip(potenzHinweis);
    CheckBoxCPWirkungBerechnen->setAccessibleName(QStringLiteral("Wirkung einkalkulieren"));
    LabelCPWirkungBerechnen =
        Beschriftung(this, QStringLiteral("LabelCPWirkungBerechnen"),
                     QStringLiteral(" Wirkung einkalkulieren"), QRect(28, 394, 160, 18));
    LabelCPWirkungBerechnen->setToolTip(potenzHinweis);
    LabelCPWirkungBerechnen->setBuddy(CheckBoxCPWirkungBerechnen);
    KlickbarMachen(LabelCPWirkungBerechnen, [this] {
        if (CheckBoxCPWirkungBerechnen->isEnabled())
            CheckBoxCPWirkungBerechnen->click();
    });
    connect(CheckBoxCPWirkungBerechnen, &QCheckBox::toggled, p,
            &TCharakterPlanerSeite::CheckBoxCPWirkungBerechnenClick);

    // Created in the Tab order: after the potency switch, before the character files.
    ButtonVergleichen =
        knopf("ButtonVergleichen", QStringLiteral("Vergleichen mit..."),
              QStringLiteral("Gespeicherten Charakter laden und jeden Wert mit ihm vergleichen"), 432);
    ButtonVergleichBeenden =
        knopf("ButtonVergleichBeenden", QStringLiteral("Vergleich beenden"),
              QStringLiteral("Die Unterschiede zum gespeicherten Charakter ausblenden"), 460);
    ButtonVergleichBeenden->setEnabled(false);

    ButtonCharakterSpeichern =
        knopf("ButtonCharakterSpeichern", QStringLiteral("Charakter speichern..."),
              QStringLiteral("Charakter als Datei speichern (auch für morvaren-cli planer)"), 494);
    ButtonCharakterLaden = knopf("ButtonCharakterLaden", QStringLiteral("Charakter laden..."),
                                 QStringLiteral("Gespeicherten Charakter laden"), 522);

    connect(ButtonAttributeOptimieren, &QPushButton::clicked, p,
            &TCharakterPlanerSeite::ButtonAttributeOptimierenClick);
    connect(ButtonInventarAuslesen, &QPushButton::clicked, p,
            &TCharakterPlanerSeite::ButtonInventarAuslesenClick);
    connect(ButtonInventarLoeschen, &QPushButton::clicked, p,
            &TCharakterPlanerSeite::ButtonInventarLoeschenClick);
    connect(ButtonVergleichen, &QPushButton::clicked, p, &TCharakterPlanerSeite::ButtonVergleichenClick);
    connect(ButtonVergleichBeenden, &QPushButton::clicked, p,
            &TCharakterPlanerSeite::ButtonVergleichBeendenClick);
    connect(ButtonCharakterSpeichern, &QPushButton::clicked, p,
            &TCharakterPlanerSeite::ButtonCharakterSpeichernClick);
    connect(ButtonCharakterLaden, &QPushButton::clicked, p,
            &TCharakterPlanerSeite::ButtonCharakterLadenClick);
}

void TAttributbereich::Zeigen(const TPlaner &p)
{
    const TCharakter &c = p.Charakter;
    const TCharakterAnzeige &a = p.Anzeige;
    SpinSetzen(SpinEditLevel, c.Level);
    TextSetzen(EditErfahrung, QString::number(c.Erfahrung));
    for (int i = 0; i < 4; ++i)
        SpinSetzen(Attribut[i], Attributwert(c, static_cast<TAttribut>(i)));
    Text(LabelLevelUpBei, a.LevelUpBei);
    Text(LabelLevelUpNoch, a.Noch);
    Text(LabelFreieAtrribute, a.FreieAttributpunkte);
    Fett(LabelFreieAtrribute, a.FreiePunkteHervorgehoben);
    Farbe(LabelFreieAtrribute, a.FreiePunkteHervorgehoben ? QColor(0, 0, 255) : Normalfarbe);
    Text(LabelMaxLP, a.MaximaleLebenspunkte);
    Text(LabelMaxTraglast, a.MaximaleTraglast);
    Text(LabelBewegungsgeschwindigkeit, a.Bewegung);
    Text(LabelCPWelt, a.Welt);
}

} // namespace mvt
