#include "planner/ui/CharakterPlanerSeite.h"

#include "catalogue/Katalog.h"
#include "base/Meldung.h"
#include "base/Zahlen.h"
#include "planner/Charakterdatei.h"
#include "planner/Vergleich.h"
#include "planner/WasWaereWenn.h"
#include "planner/ui/Eingabefelder.h"
#include "planner/ui/MenueeintragZugang.h"
#include "planner/ui/Optimiererfenster.h"
#include "planner/ui/Vergleichsanzeige.h"
#include "ui/Einpassen.h"
#include "ui/Sitzung.h"
#include "ui/Umschalttasten.h"
#include "base/Optionen.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

namespace mvt {

using namespace planer;

namespace {

// Where a value field sits beside its slot button: caption text, caption x and width,
// field x and width, row (0 or 1), relative to the field area of the slot.
struct TFeldLage {
    TSlotFeld Feld;
    const char16_t *Text;
    int BX, BB, FX, FB, Zeile;
};

const TFeldLage RuestungsLage[] = {{FeldRuestschutz, u"Rüs", 0, 24, 24, 30, 0},
                                   {FeldAbsorb, u"Abs", 58, 24, 82, 30, 0},
                                   {FeldBehinderung, u"Beh", 116, 24, 140, 26, 0}};
const TFeldLage WaffenLage[] = {{FeldMinSchaden, u"Schaden:", 0, 56, 56, 32, 0},
                                {FeldMaxSchaden, u"bis", 90, 20, 110, 32, 0},
                                {FeldAngriffe, u"Angriffe pro Runde:", 0, 118, 118, 24, 1}};
const TFeldLage SchildLage[] = {{FeldRuestschutz, u"Rüstschutz", 0, 126, 126, 38, 0},
                                {FeldRuestschutzBeiBlock, u"Rüstschutz bei Block", 0, 126, 126, 38, 1}};
const TFeldLage StabLage[] = {{FeldWirkung, u"Wirkung:", 0, 70, 70, 32, 0},
                              {FeldReichweite, u"Reichweite:", 0, 70, 70, 32, 1}};
const TFeldLage MunitionsLage[] = {{FeldWirkung, u"Wirk", 0, 28, 28, 30, 0},
                                   {FeldTreffsicherheit, u"Tref", 62, 28, 90, 26, 0},
                                   {FeldKritischeTreffer, u"Krit", 120, 24, 144, 26, 0}};
const TFeldLage ZauberLage[] = {{FeldMinSchaden, u"Schaden:", 0, 56, 56, 32, 0},
                                {FeldMaxSchaden, u"bis", 90, 20, 110, 32, 0},
                                {FeldAngriffe, u"Angriffe pro Runde:", 0, 118, 118, 24, 1},
                                {FeldDauer, u"Dauer", 82, 36, 118, 24, 1}};

constexpr int SlotX = 218;
constexpr int SlotY = 6;
constexpr int SlotAbstand = 38;
constexpr int SlotBreite = 164;
constexpr int FeldX = SlotX + SlotBreite + 4;
constexpr int ZeilenHoehe = 19;

const char *const SlotKnopfNamen[AnzahlSlots] = {
    "SpeedButtonHelm",       "SpeedButtonPanzer",     "SpeedButtonHose",       "SpeedButtonStiefel",
    "SpeedButtonHandschuhe", "SpeedButtonHauptwaffe", "SpeedButtonNebenwaffe", "SpeedButtonFernkampf",
    "SpeedButtonMunition",   "SpeedButtonZauber"};
const char *const MenueNamen[AnzahlMenues] = {
    "PopupMenuHelme",          "PopupMenuPanzer",           "PopupMenuHose",
    "PopupMenuStiefel",        "PopupMenuHandschuhe",       "PopupMenuHauptwaffe",
    "PopupMenuNebenwaffe",     "PopupMenuFernkampf",        "PopupMenuMunitionPfeile",
    "PopupMenuMunitionBolzen", "PopupMenuMunitionEssenzen", "PopupMenuZauber"};

TSlot SlotVonMenue(int m)
{
    if (m >= MenuePfeile && m <= MenueEssenzen)
        return SlotMunition;
    if (m == MenueZauber)
        return SlotZauber;
    return static_cast<TSlot>(m);
}

void Farbe(QWidget *l, const QColor &c)
{
    QPalette p = l->palette();
    if (p.color(QPalette::WindowText) == c)
        return;
    p.setColor(QPalette::WindowText, c);
    l->setPalette(p);
}

void Fett(QWidget *l, bool an)
{
    QFont f = l->font();
    if (f.bold() == an)
        return;
    f.setBold(an);
    l->setFont(f);
}

void Zeigen(QWidget *w, bool an)
{
    if (w->isHidden() == an)
        w->setVisible(an);
}

void Text(QLabel *l, const QString &t)
{
    if (l->text() != t)
        l->setText(t);
}

const QColor Normalfarbe(0, 0, 0);

QString FarbStand(const TSlotAnzeige &a)
{
    return a.Basisname + u'|' + QString::number(a.Aufwertung) + u'|' + QString::number(a.Eigenes);
}
const QColor Rot(255, 0, 0);

// ASCII object name of a preset ("Schütze" -> "ButtonSchuetze", "Leder 1" -> "ButtonLeder1").
QString VorgabeKnopfName(const QString &name)
{
    QString n = name;
    n.replace(u'ü', QStringLiteral("ue"))
        .replace(u'ä', QStringLiteral("ae"))
        .replace(u'ö', QStringLiteral("oe"));
    n.remove(u' ');
    return QStringLiteral("Button") + n;
}

// A slot button: the caption starts 6 pixels from the left edge, or is centred without
// that margin while the slot is enchanted. A long item name takes a smaller font (down to
// 9 pixels) rather than losing its end; what still does not fit is elided, the hint keeps
// the whole name.
class TSlotKnopf : public QToolButton {
public:
    explicit TSlotKnopf(QWidget *eltern) : QToolButton(eltern), m_grundschrift(eltern->font()) {}

    void Anzeigen(const QString &text, bool mitRand)
    {
        if (text == this->text() && mitRand == m_mitRand)
            return;
        m_mitRand = mitRand;
        setContentsMargins(mitRand ? 6 : 3, 0, 3, 0);
        setText(text);
        QFont f = m_grundschrift;
        for (int groesse = m_grundschrift.pixelSize(); groesse >= 9; --groesse) {
            f.setPixelSize(groesse);
            if (QFontMetrics(f).horizontalAdvance(text) <= contentsRect().width())
                break;
        }
        setFont(f);
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter p(this);
        QStyleOptionToolButton o;
        initStyleOption(&o);
        o.text.clear();
        p.drawComplexControl(QStyle::CC_ToolButton, o);
        const QRect platz = contentsRect();
        const QString text = fontMetrics().elidedText(this->text(), Qt::ElideRight, platz.width());
        p.drawItemText(platz, (m_mitRand ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter, palette(),
                       isEnabled(), text, QPalette::ButtonText);
    }

private:
    QFont m_grundschrift;
    bool m_mitRand = true;
};

} // namespace

// ---------------------------------------------------------------------------------------

TCharakterPlanerSeite::TCharakterPlanerSeite(TSitzung &sitzung, QWidget *parent)
    : TCharakterPlanerSeite(sitzung.Zustand.Katalog, sitzung.Zustand.Optionen, parent)
{
    // The menu hints follow the options; the values whatever they depend on.
    connect(&sitzung, &TSitzung::optionenGeaendert, this, &TCharakterPlanerSeite::OptionenUebernehmen);
    connect(&sitzung, &TSitzung::charakterGeaendert, this, &TCharakterPlanerSeite::CharakterNeuBerechnen);
}

TCharakterPlanerSeite::TCharakterPlanerSeite(const TKatalog &katalog, TOptionen &optionen, QWidget *parent)
    : QWidget(parent), m_katalog(katalog), m_optionen(optionen)
{
    setObjectName(QStringLiteral("CharakterPlanerSeite"));
    resize(Breite, Hoehe);
    QFont schrift = font();
    schrift.setPixelSize(11);
    setFont(schrift);

    auto uhr = std::make_shared<QElapsedTimer>();
    uhr->start();
    Uhr = [uhr] { return uhr->elapsed(); };

    Planer.UntergrenzenGeaendert = [this](const TCharakter &c) { UntergrenzenAnpassen(Optimierer, c); };

    CharakterbereichAnlegen();
    SlotsAnlegen();
    MenuesAnlegen();
    SpaltenAnlegen();
    BewertungAnlegen();
    VergleichAnlegen();

    m_meldungsTimer = new QTimer(this);
    m_meldungsTimer->setObjectName(QStringLiteral("TimerInventarAuslesenMeldungLoeschen"));
    m_meldungsTimer->setInterval(3000);
    MeldungsTimerSetzen(m_meldungsTimer);

    Planer.Optionen.Welt = m_optionen.CPWorld;
    Planer.Optionen.WirkungBerechnen = m_optionen.CPCalcPotency;
    PlanerStarten(Planer);
    Anzeigen();
}

TCharakterPlanerSeite::~TCharakterPlanerSeite() = default;

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
        LabelInventarAuslesen->hide();
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

// ---------------------------------------------------------------- building the page

void TCharakterPlanerSeite::CharakterbereichAnlegen()
{
    auto beschriftung = [this](const QString &text, int x, int y, int b, QWidget *buddy = nullptr) {
        auto *l = new QLabel(text, this);
        l->setGeometry(x, y, b, 18);
        if (buddy)
            l->setBuddy(buddy);
        return l;
    };
    auto label = [this](const char *name, int x, int y, int b) {
        auto *l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(x, y, b, 16);
        return l;
    };

    SpinEditLevel = SpinEingabeErzeugen(this);
    SpinEditLevel->setObjectName(QStringLiteral("SpinEditLevel"));
    SpinEditLevel->setRange(0, MaxLevel); // the lower limit 1 is the entry check's
    SpinEditLevel->setGeometry(96, 6, 92, 20);
    SpinEditLevel->setAccessibleName(QStringLiteral("Level"));
    beschriftung(QStringLiteral("Level"), 8, 7, 80, SpinEditLevel);
    connect(SpinEditLevel, &QSpinBox::textChanged, this, [this] { SpinEditLevelChange(); });
    SpinVerlassenBehandeln(SpinEditLevel, m_levelGedaechtnis, [this] {
        const QSignalBlocker s(SpinEditLevel);
        SpinEditLevel->findChild<QLineEdit *>()->setText(QStringLiteral("0"));
        SpinEditLevelChange();
    });

    EditErfahrung = new QLineEdit(QStringLiteral("0"), this);
    EditErfahrung->setObjectName(QStringLiteral("EditErfahrung"));
    EditErfahrung->setGeometry(96, 30, 92, 20);
    EditErfahrung->setAccessibleName(QStringLiteral("Erfahrung"));
    beschriftung(QStringLiteral("Erfahrung"), 8, 31, 80, EditErfahrung);
    ZeichenfilterSetzen(EditErfahrung, TZeichenfilter::Ganzzahl);
    connect(EditErfahrung, &QLineEdit::textChanged, this, [this] { EditErfahrungChange(); });

    // The captions label their values, which a screen reader reads as the figures.
    LabelLevelUpBei = label("LabelLevelUpBei", 96, 55, 100);
    beschriftung(QStringLiteral("Level-Up bei:"), 8, 54, 86, LabelLevelUpBei);
    LabelLevelUpNoch = label("LabelLevelUpNoch", 96, 71, 100);
    beschriftung(QStringLiteral("noch:"), 8, 70, 86, LabelLevelUpNoch);

    const char *const namen[4] = {"SpinEditStaerke", "SpinEditGeschick", "SpinEditKonstitution",
                                  "SpinEditIntelligenz"};
    const char16_t *const texte[4] = {u"Stärke", u"Geschicklichkeit", u"Konstitution", u"Intelligenz"};
    for (int i = 0; i < 4; ++i) {
        auto *s = SpinEingabeErzeugen(this);
        s->setObjectName(QLatin1String(namen[i]));
        s->setRange(0, 9999);
        s->setGeometry(116, 94 + 24 * i, 72, 20);
        s->setAccessibleName(QString::fromUtf16(texte[i]));
        beschriftung(QString::fromUtf16(texte[i]), 8, 95 + 24 * i, 104, s);
        m_attribut[i] = s;
        const TAttribut a = static_cast<TAttribut>(i);
        connect(s, &QSpinBox::textChanged, this, [this, a] { SpinEditAttributChange(a); });
        SpinVerlassenBehandeln(s, m_attributGedaechtnis[i], [this, s, a] {
            const QSignalBlocker sp(s);
            s->findChild<QLineEdit *>()->setText(QStringLiteral("0"));
            SpinEditAttributChange(a);
        });
    }

    LabelFreieAtrribute = label("LabelFreieAtrribute", 8, 194, 208);
    LabelMaxLP = label("LabelMaxLP", 8, 212, 208);
    LabelMaxTraglast = label("LabelMaxTraglast", 8, 228, 208);
    LabelBewegungsgeschwindigkeit = label("LabelBewegungsgeschwindigkeit", 8, 244, 208);
    LabelCPWelt = label("LabelCPWelt", 8, 260, 208);
    QFont klein = font();
    klein.setPixelSize(10);
    for (QLabel *l : {LabelMaxLP, LabelMaxTraglast, LabelBewegungsgeschwindigkeit, LabelCPWelt})
        l->setFont(klein);

    auto knopf = [this](const char *name, const QString &text, const QString &hinweis, int y) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setToolTip(hinweis);
        b->setAccessibleName(text);
        b->setGeometry(8, y, 180, 24);
        return b;
    };
    ButtonAttributeOptimieren = knopf(
        "ButtonAttributeOptimieren", QStringLiteral("Attribute optimieren"),
        QStringLiteral("Öffnet Optionsfenster, um die Attributverteilung gemäß den Vorgaben zu optimieren"),
        286);
    ButtonInventarAuslesen =
        knopf("ButtonInventarAuslesen", QStringLiteral("Inventar auslesen"),
              QStringLiteral("Komplette Seite des Morvaren-Inventars kopieren und hier klicken."), 316);
    LabelInventarAuslesen = label("LabelInventarAuslesen", 8, 343, 180);
    LabelInventarAuslesen->setAlignment(Qt::AlignCenter);
    Fett(LabelInventarAuslesen, true);
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
    LabelCPWirkungBerechnen = new QLabel(QStringLiteral(" Wirkung einkalkulieren"), this);
    LabelCPWirkungBerechnen->setObjectName(QStringLiteral("LabelCPWirkungBerechnen"));
    LabelCPWirkungBerechnen->setGeometry(28, 394, 160, 18);
    LabelCPWirkungBerechnen->setToolTip(potenzHinweis);
    LabelCPWirkungBerechnen->setBuddy(CheckBoxCPWirkungBerechnen);
    KlickbarMachen(LabelCPWirkungBerechnen, [this] {
        if (CheckBoxCPWirkungBerechnen->isEnabled())
            CheckBoxCPWirkungBerechnen->click();
    });
    connect(CheckBoxCPWirkungBerechnen, &QCheckBox::clicked, this,
            &TCharakterPlanerSeite::CheckBoxCPWirkungBerechnenClick);

    ButtonCharakterSpeichern =
        knopf("ButtonCharakterSpeichern", QStringLiteral("Charakter speichern..."),
              QStringLiteral("Charakter als Datei speichern (auch für morvaren-cli planer)"), 494);
    ButtonCharakterLaden = knopf("ButtonCharakterLaden", QStringLiteral("Charakter laden..."),
                                 QStringLiteral("Gespeicherten Charakter laden"), 522);

    connect(ButtonAttributeOptimieren, &QPushButton::clicked, this,
            &TCharakterPlanerSeite::ButtonAttributeOptimierenClick);
    connect(ButtonInventarAuslesen, &QPushButton::clicked, this,
            &TCharakterPlanerSeite::ButtonInventarAuslesenClick);
    connect(ButtonInventarLoeschen, &QPushButton::clicked, this,
            &TCharakterPlanerSeite::ButtonInventarLoeschenClick);
    connect(ButtonCharakterSpeichern, &QPushButton::clicked, this,
            &TCharakterPlanerSeite::ButtonCharakterSpeichernClick);
    connect(ButtonCharakterLaden, &QPushButton::clicked, this,
            &TCharakterPlanerSeite::ButtonCharakterLadenClick);
}

void TCharakterPlanerSeite::SlotsAnlegen()
{
    QFont klein = font();
    klein.setPixelSize(9);
    for (int i = 0; i < AnzahlSlots; ++i) {
        const TSlot s = static_cast<TSlot>(i);
        const int y = SlotY + SlotAbstand * i;
        auto *b = new TSlotKnopf(this);
        b->setObjectName(QLatin1String(SlotKnopfNamen[i]));
        b->setGeometry(SlotX, y, SlotBreite, 22);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setFocusPolicy(Qt::StrongFocus);
        b->setContextMenuPolicy(Qt::CustomContextMenu);
        b->installEventFilter(this);
        connect(b, &QToolButton::clicked, this, [this, s] { SpeedButtonSlotClick(s); });
        connect(b, &QWidget::customContextMenuRequested, this,
                [this, s, b](const QPoint &p) { VerzauberungsmenueOeffnen(s, b->mapToGlobal(p)); });
        m_slotKnopf[i] = b;

        auto *z = new QLabel(this);
        z->setObjectName(QStringLiteral("LabelVerzauberung") + SlotName(s));
        // Armour slots have no second row of fields: their line may run on below the fields.
        z->setGeometry(SlotX, y + 22, s <= SlotHandschuhe ? FeldX + 166 - SlotX : SlotBreite + 2, 14);
        z->setFont(klein);
        Farbe(z, QColor(0, 0, 160));
        z->hide();
        m_verzauberungsZeile[i] = z;

        auto anlegen = [&](const TFeldLage *lage, size_t n) {
            for (size_t j = 0; j < n; ++j) {
                const TFeldLage &l = lage[j];
                TFeld &f = m_felder[i][l.Feld];
                if (!f.Edit) {
                    f.Edit = new QLineEdit(this);
                    f.Edit->setObjectName(QStringLiteral("Edit") + SlotName(s) + SlotFeldName(l.Feld));
                    f.Beschriftung = new QLabel(this);
                    f.Beschriftung->setBuddy(f.Edit);
                    f.Edit->hide();
                    f.Beschriftung->hide();
                    const TFeldGrenzen g = SlotFeldGrenzen(s, l.Feld);
                    ZeichenfilterSetzen(f.Edit, g.Vorzeichen ? TZeichenfilter::Vorzeichen
                                                : g.M > 0    ? TZeichenfilter::Dezimal
                                                             : TZeichenfilter::Ganzzahl);
                    f.Edit->installEventFilter(this);
                    const TSlotFeld feld = l.Feld;
                    connect(f.Edit, &QLineEdit::textEdited, this,
                            [this, s, feld] { SlotwertGeaendert(s, feld); });
                }
                // Layouts of one slot share a field only with the same place (weapon / spell).
                f.Beschriftung->setText(QString::fromUtf16(l.Text));
                f.Beschriftung->setGeometry(FeldX + l.BX, y + 2 + ZeilenHoehe * l.Zeile, l.BB, 16);
                f.Edit->setGeometry(FeldX + l.FX, y + ZeilenHoehe * l.Zeile, l.FB, 18);
                f.Edit->setAccessibleName(SlotName(s) + u' ' + QString::fromUtf16(l.Text).remove(u':'));
            }
        };
        switch (s) {
        case SlotHauptwaffe:
            anlegen(WaffenLage, std::size(WaffenLage));
            break;
        case SlotNebenwaffe:
            anlegen(WaffenLage, std::size(WaffenLage));
            anlegen(SchildLage, std::size(SchildLage));
            break;
        case SlotFernkampf:
            anlegen(WaffenLage, std::size(WaffenLage));
            anlegen(StabLage, std::size(StabLage));
            break;
        case SlotMunition:
            anlegen(MunitionsLage, std::size(MunitionsLage));
            break;
        case SlotZauber:
            anlegen(ZauberLage, std::size(ZauberLage));
            break;
        default:
            anlegen(RuestungsLage, std::size(RuestungsLage));
            break;
        }
    }
}

void TCharakterPlanerSeite::MenuesAnlegen()
{
    for (int m = 0; m < AnzahlMenues; ++m) {
        auto *menue = new QMenu(this);
        menue->setObjectName(QLatin1String(MenueNamen[m]));
        const TSlot s = SlotVonMenue(m);
        auto eintrag = [this, s, m](QMenu *ziel, const QString &text) {
            QAction *a = ziel->addAction(text);
            a->setData(text);
            a->setProperty("Slot", static_cast<int>(s));
            a->setProperty("Menue", m);
            connect(a, &QAction::triggered, this, [this, s, text] { MenueEintragGewaehlt(s, text); });
        };
        for (const TMenueGruppe &g : MenueGruppen(static_cast<TMenue>(m))) {
            QMenu *ziel = menue;
            if (!g.Titel.isEmpty()) {
                ziel = menue->addMenu(g.Titel);
                ziel->setObjectName(QLatin1String(MenueNamen[m]) + QStringLiteral("_") + g.Titel);
                WasWaereWennAnbinden(ziel);
            }
            for (const QString &e : g.Eintraege)
                eintrag(ziel, e);
        }
        menue->addSeparator();
        eintrag(menue, NichtsEintrag);
        WasWaereWennAnbinden(menue);
        m_menue[m] = menue;
    }

    PopupMenuVerzauberungen = new QMenu(this);
    PopupMenuVerzauberungen->setObjectName(QStringLiteral("PopupMenuVerzauberungen"));
    for (const TVerzauberungsGruppe &g : VerzauberungsMenue()) {
        if (g.Titel.isEmpty()) {
            PopupMenuVerzauberungen->addSeparator();
            continue;
        }
        QMenu *u = PopupMenuVerzauberungen->addMenu(g.Titel);
        for (const QString &e : g.Eintraege) {
            QAction *a = u->addAction(e);
            connect(a, &QAction::triggered, this, [this, e] { VerzauberungGewaehlt(e); });
        }
    }
    PopupMenuVerzauberungen->addSeparator();
    QAction *keine = PopupMenuVerzauberungen->addAction(KeineVerzauberungEintrag);
    connect(keine, &QAction::triggered, this, [this] { VerzauberungGewaehlt(KeineVerzauberungEintrag); });
}

TCharakterPlanerSeite::TSpalte TCharakterPlanerSeite::SpalteAnlegen(const QString &name, const QString &titel,
                                                                    int x, int y, int h)
{
    TSpalte sp{};
    const int waffen = name == QLatin1String("Nahkampf") ? 2 : 1;
    sp.Rahmen = new QFrame(this);
    sp.Rahmen->setObjectName(QStringLiteral("Bevel") + name);
    sp.Rahmen->setGeometry(x, y, 224, h);
    sp.Rahmen->setFrameShape(QFrame::Panel);
    sp.Wahl = new QRadioButton(this);
    sp.Wahl->setObjectName(QStringLiteral("RadioButtonWerteIm") + name);
    sp.Wahl->setGeometry(x + 4, y + 3, 18, 18);
    sp.Wahl->setAccessibleName(titel);
    sp.Titel = new QLabel(titel, this);
    sp.Titel->setObjectName(QStringLiteral("LabelWerteIm") + name);
    sp.Titel->setGeometry(x + 22, y + 4, 150, 16);
    Fett(sp.Titel, true);
    sp.Aktiv = new QLabel(QStringLiteral("aktiv"), this);
    sp.Aktiv->setObjectName(QStringLiteral("LabelAktiv") + name);
    sp.Aktiv->setGeometry(x + 184, y + 4, 36, 16);
    Farbe(sp.Aktiv, QColor(0, 128, 0));
    Fett(sp.Aktiv, true);

    QFont klein = font();
    klein.setPixelSize(10);
    int zy = y + 22;
    const QString vor = QStringLiteral("Label") +
                        (name == QLatin1String("Nahkampf") ? QStringLiteral("Nah") : QStringLiteral("Fern"));
    auto zeile = [&](const QString &wname, const QString &text, QLabel *&b, QLabel *&w) {
        b = new QLabel(text, this);
        b->setObjectName(vor + wname + QStringLiteral("Beschriftung"));
        b->setGeometry(x + 6, zy, 80, 13);
        w = new QLabel(this);
        w->setObjectName(vor + wname);
        w->setGeometry(x + 86, zy, 136, 13);
        b->setFont(klein);
        w->setFont(klein);
        b->setBuddy(w); // the caption labels the value a screen reader reads
        zy += 13;
    };
    zeile(QStringLiteral("Ruestschutz"), QStringLiteral("Rüstschutz:"), sp.RuesB, sp.Rues);
    zeile(QStringLiteral("Absorb"), QStringLiteral("Absorb:"), sp.AbsB, sp.Abs);
    zeile(QStringLiteral("Ausweichen"), QStringLiteral("Ausweichen:"), sp.AuswB, sp.Ausw);
    zeile(QStringLiteral("Behinderung"), QStringLiteral("Behinderung:"), sp.BehB, sp.Beh);
    if (waffen == 2)
        zeile(QStringLiteral("Schildblock"), QStringLiteral("Schildblock:"), sp.BlockB, sp.Block);
    for (int i = 0; i < waffen; ++i) {
        TWaffenlabels &wl = sp.Waffen[i];
        const QString n = QStringLiteral("Waffe") + QString::number(i + 1);
        wl.Name = new QLabel(this);
        wl.Name->setObjectName(vor + n + QStringLiteral("Name"));
        wl.Name->setGeometry(x + 6, zy + 1, 214, 14);
        Fett(wl.Name, true);
        zy += 15;
        zeile(n + QStringLiteral("Schaden"), QStringLiteral("Schaden:"), wl.SchadenB, wl.Schaden);
        zeile(n + QStringLiteral("Tempo"), QStringLiteral("Tempo:"), wl.TempoB, wl.Tempo);
        zeile(n + QStringLiteral("Treffsicherheit"), QStringLiteral("Treffsicherheit:"), wl.TreffB, wl.Treff);
        zeile(n + QStringLiteral("KritischeTreffer"), QStringLiteral("Krit. Treffer:"), wl.KritB, wl.Krit);
    }
    // A click on a label of the column selects it.
    for (QLabel *l : sp.Rahmen->parentWidget()->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
        if (l->objectName().startsWith(vor) || l == sp.Titel || l == sp.Aktiv)
            if (!l->property("Spalte").isValid()) {
                l->setProperty("Spalte", name);
                QRadioButton *r = sp.Wahl;
                KlickbarMachen(l, [r] { r->click(); });
            }
    return sp;
}

void TCharakterPlanerSeite::SpaltenAnlegen()
{
    LabelEffektiveWerte = new QLabel(QStringLiteral("Effektive Werte im Nahkampf"), this);
    LabelEffektiveWerte->setObjectName(QStringLiteral("LabelEffektiveWerte"));
    LabelEffektiveWerte->setGeometry(560, 4, 222, 16);
    Fett(LabelEffektiveWerte, true);
    m_nah = SpalteAnlegen(QStringLiteral("Nahkampf"), QStringLiteral("Werte im Nahkampf"), 558, 22, 222);
    m_fern = SpalteAnlegen(QStringLiteral("Fernkampf"), QStringLiteral("Werte im Fernkampf"), 558, 248, 140);
    m_nah.Wahl->setChecked(true);
    connect(m_nah.Wahl, &QRadioButton::clicked, this,
            &TCharakterPlanerSeite::RadioButtonWerteImNahkampfClick);
    connect(m_fern.Wahl, &QRadioButton::clicked, this,
            &TCharakterPlanerSeite::RadioButtonWerteImFernkampfClick);
}

void TCharakterPlanerSeite::BewertungAnlegen()
{
    PageControl3 = new QTabWidget(this);
    PageControl3->setObjectName(QStringLiteral("PageControl3"));
    PageControl3->setGeometry(218, 392, 564, 162);
    QWidget *seiten[2];
    const char *const seitenNamen[2] = {"TabSheetOffensive", "TabSheetDefensive"};
    for (int i = 0; i < 2; ++i) {
        seiten[i] = new QWidget;
        seiten[i]->setObjectName(QLatin1String(seitenNamen[i]));
        PageControl3->addTab(seiten[i], i == 0 ? QStringLiteral("Offensive") : QStringLiteral("Defensive"));
    }
    PageControl3->setTabToolTip(0, QStringLiteral("Eigener Angriff gegen die Verteidigung des Gegners"));
    PageControl3->setTabToolTip(1, QStringLiteral("Angriff des Gegners gegen die eigene Verteidigung"));

    struct TGegnerLage {
        TGegnerFeld Feld;
        const char *Name;
        const char16_t *Text;
        int Seite, Spalte, Zeile;
    };
    const TGegnerLage lagen[] = {
        {GfLeben, "EditGegnerLeben", u"Leben", 0, 0, 0},
        {GfRuestschutz, "EditGegnerRuestschutz", u"Rüstschutz", 0, 0, 1},
        {GfAbsorb, "EditGegnerAbsorb", u"Absorb", 0, 0, 2},
        {GfAusweichen, "EditGegnerAusweichen", u"Ausweichen", 0, 1, 0},
        {GfRuestschutzBeiBlock, "EditGegnerRuestschutzBeiBlock", u"Rüs. bei Block", 0, 1, 1},
        {GfBlockchance, "EditGegnerBlockChance", u"Blockchance", 0, 1, 2},
        {GfMinSchaden, "EditGegnerMinSchaden", u"Min. Schaden", 1, 0, 0},
        {GfMaxSchaden, "EditGegnerMaxSchaden", u"Max. Schaden", 1, 0, 1},
        {GfAngriffe, "EditGegnerAngriffeProRunde", u"Angriffe p. R.", 1, 0, 2},
        {GfTreffsicherheit, "EditGegnerTreffsicherheit", u"Treffsicherheit", 1, 1, 0},
        {GfKritischeTreffer, "EditGegnerKritischeTreffer", u"Krit. Treffer", 1, 1, 1},
    };
    const TGegnerTexte start = GegnerTexte(Planer.Gegner);
    for (const TGegnerLage &l : lagen) {
        QWidget *s = seiten[l.Seite];
        auto *e = new QLineEdit(start[l.Feld], s);
        e->setObjectName(QLatin1String(l.Name));
        e->setGeometry(6 + 138 * l.Spalte + 86, 8 + 22 * l.Zeile, 44, 19);
        auto *b = new QLabel(QString::fromUtf16(l.Text), s);
        b->setGeometry(6 + 138 * l.Spalte, 10 + 22 * l.Zeile, 86, 16);
        b->setBuddy(e);
        e->setAccessibleName(QStringLiteral("Gegner ") + QString::fromUtf16(l.Text));
        const bool ganz =
            l.Feld == GfLeben || l.Feld == GfMinSchaden || l.Feld == GfMaxSchaden || l.Feld == GfAngriffe;
        ZeichenfilterSetzen(e, ganz ? TZeichenfilter::Ganzzahl : TZeichenfilter::Dezimal);
        e->installEventFilter(this);
        const TGegnerFeld f = l.Feld;
        connect(e, &QLineEdit::textChanged, this, [this, f] { GegnerFeldGeaendert(f); });
        m_gegner[l.Feld] = e;
        m_gegnerBeschriftung[l.Feld] = b;
    }
    auto vorgaben = [this](QWidget *s, const std::array<TGegnerVorgabe, 6> &liste) {
        for (size_t i = 0; i < liste.size(); ++i) {
            const QString name = QString::fromUtf16(liste[i].Name);
            auto *b = new QPushButton(name, s);
            b->setObjectName(VorgabeKnopfName(name));
            b->setAccessibleName(name);
            b->setToolTip(QStringLiteral("Gegnerwerte: ") + name);
            b->setGeometry(6 + 91 * static_cast<int>(i % 3), 78 + 26 * static_cast<int>(i / 3), 87, 23);
            connect(b, &QPushButton::clicked, this, [this, name] { GegnerVorgabeClick(name); });
        }
    };
    vorgaben(seiten[0], OffensivVorgaben);
    vorgaben(seiten[1], DefensivVorgaben);

    auto ergebnisse = [this](QWidget *s, std::array<TErgebniszeile, 8> &zeilen, const QString &vor) {
        for (int i = 0; i < 8; ++i) {
            TErgebniszeile &z = zeilen[i];
            z.Beschriftung = new QLabel(s);
            z.Beschriftung->setObjectName(vor + QString::number(i + 1));
            z.Beschriftung->setGeometry(282, 3 + 16 * i, 148, 15);
            z.Wert = new QLabel(s);
            z.Wert->setObjectName(vor + QStringLiteral("Wert") + QString::number(i + 1));
            z.Wert->setGeometry(430, 3 + 16 * i, 128, 15);
            QLabel *b = z.Beschriftung;
            QLabel *w = z.Wert;
            auto hervorheben = [b, w] {
                const bool an = !b->font().bold();
                Fett(b, an);
                Fett(w, an);
            };
            KlickbarMachen(b, hervorheben);
            KlickbarMachen(w, hervorheben);
        }
    };
    ergebnisse(seiten[0], m_offensiv, QStringLiteral("LabelOffensiv"));
    ergebnisse(seiten[1], m_defensiv, QStringLiteral("LabelDefensiv"));
}

QList<QMenu *> TCharakterPlanerSeite::PopupMenues() const
{
    QList<QMenu *> r;
    for (QMenu *m : m_menue)
        r.append(m);
    r.append(PopupMenuVerzauberungen);
    return r;
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
    CheckBoxCPWirkungBerechnen->setEnabled(zyrthania);
    LabelCPWirkungBerechnen->setEnabled(zyrthania);
    const QSignalBlocker sperre(CheckBoxCPWirkungBerechnen);
    CheckBoxCPWirkungBerechnen->setChecked(m_optionen.CPCalcPotency);
}

void TCharakterPlanerSeite::CharakterNeuBerechnen()
{
    Planer.Optionen.Welt = m_optionen.CPWorld;
    Planer.Optionen.WirkungBerechnen = m_optionen.CPCalcPotency;
    for (int i = 0; i < planer::AnzahlWirkungen; ++i)
        Planer.Optionen.Wirkung[i] = m_optionen.Wirkung[i] > 0.0 ? m_optionen.Wirkung[i] : 1.0;
    PotenzschalterZeigen();
    NachAenderung();
}

void TCharakterPlanerSeite::OptionenUebernehmen()
{
    for (int m = 0; m < AnzahlMenues; ++m)
        for (QAction *a : m_menue[m]->findChildren<QAction *>())
            if (a->data().isValid()) {
                a->setStatusTip(MenueHinweis(m_katalog, static_cast<TMenue>(m), a->data().toString()));
                a->setProperty("HinweisHtml", QVariant());
            }
    CharakterNeuBerechnen();
}

// ---------------------------------------------------------------- display

void TCharakterPlanerSeite::NachAenderung()
{
    planer::Aktualisieren(Planer);
    Anzeigen();
}

void TCharakterPlanerSeite::Anzeigen()
{
    const TCharakter &c = Planer.Charakter;
    const TCharakterAnzeige &a = Planer.Anzeige;
    SpinSetzen(SpinEditLevel, c.Level);
    TextSetzen(EditErfahrung, QString::number(c.Erfahrung));
    for (int i = 0; i < 4; ++i)
        SpinSetzen(m_attribut[i], Attributwert(c, static_cast<TAttribut>(i)));
    Text(LabelLevelUpBei, a.LevelUpBei);
    Text(LabelLevelUpNoch, a.Noch);
    Text(LabelFreieAtrribute, a.FreieAttributpunkte);
    Fett(LabelFreieAtrribute, a.FreiePunkteHervorgehoben);
    Farbe(LabelFreieAtrribute, a.FreiePunkteHervorgehoben ? QColor(0, 0, 255) : Normalfarbe);
    Text(LabelMaxLP, a.MaximaleLebenspunkte);
    Text(LabelMaxTraglast, a.MaximaleTraglast);
    Text(LabelBewegungsgeschwindigkeit, a.Bewegung);
    Text(LabelCPWelt, a.Welt);

    SlotsZeigen();
    SpalteZeigen(m_nah, a.Nahkampf, false);
    SpalteZeigen(m_fern, a.Fernkampf, true);
    AnsichtZeigen();
    BewertungZeigen();
    if (m_form10)
        m_form10->ZustandAnzeigen();
}

void TCharakterPlanerSeite::SlotsZeigen()
{
    for (int i = 0; i < AnzahlSlots; ++i) {
        const TSlot s = static_cast<TSlot>(i);
        const TSlotAnzeige &a = Planer.Slots[i];
        auto *b = static_cast<TSlotKnopf *>(m_slotKnopf[i]);
        const Verzauberungscode code = a.Belegt ? SlotVerzauberung(Planer, s) : 0;
        const QString zeile = (s <= SlotFernkampf && code != 0) ? VerzauberungsZeile(code) : QString();
        if (b->text() != a.Beschriftung)
            b->setAccessibleName(a.Beschriftung);
        b->Anzeigen(a.Beschriftung, zeile.isEmpty());
        b->setToolTip(a.Hinweis);
        Zeigen(b, a.Sichtbar);
        TextEinpassen(m_verzauberungsZeile[i], zeile, 8);
        Zeigen(m_verzauberungsZeile[i], !zeile.isEmpty() && a.Sichtbar);

        const std::vector<TSlotFeld> felder = a.Sichtbar ? SlotFelder(Planer, s) : std::vector<TSlotFeld>{};
        const QString stand = FarbStand(a);
        const bool neueWahl = stand != m_farbStand[i];
        for (int f = 0; f < 12; ++f) {
            TFeld &feld = m_felder[i][f];
            if (!feld.Edit)
                continue;
            const bool sichtbar = std::find(felder.begin(), felder.end(), f) != felder.end();
            const bool erscheint = sichtbar && feld.Edit->isHidden();
            Zeigen(feld.Edit, sichtbar);
            Zeigen(feld.Beschriftung, sichtbar);
            if (!sichtbar)
                continue;
            const TSlotFeld sf = static_cast<TSlotFeld>(f);
            if (feld.Edit != m_bearbeitet)
                TextSetzen(feld.Edit, SlotwertText(Planer, s, sf));
            if (s == SlotZauber) {
                const uint8_t typ = Planer.Arten[PosZauberTyp];
                if (sf == FeldMinSchaden)
                    Text(feld.Beschriftung, ZauberWertBeschriftung(typ));
                else if (sf == FeldAngriffe) {
                    Text(feld.Beschriftung, ZauberAngriffeBeschriftung(typ));
                    // The short caption leaves room for the duration beside it.
                    const int y = SlotY + SlotAbstand * i + ZeilenHoehe;
                    const int b = ZauberDauerSichtbar(typ) ? 54 : 118;
                    feld.Beschriftung->setGeometry(FeldX, y + 2, b, 16);
                    feld.Edit->setGeometry(FeldX + b, y, 24, 18);
                }
            }
            if (neueWahl || erscheint)
                FeldFarbeSetzen(feld.Edit, a.Eigenes ? EditierbarFarbe : VorgabeFarbe);
        }
        m_farbStand[i] = stand;
    }
}

void TCharakterPlanerSeite::SpalteZeigen(TSpalte &sp, const TKampfspalte &k, bool fern)
{
    const bool sichtbar = !fern || k.Sichtbar;
    for (QWidget *w : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (w->property("Spalte").toString() ==
            (fern ? QLatin1String("Fernkampf") : QLatin1String("Nahkampf")))
            Zeigen(w, sichtbar);
    Zeigen(sp.Rahmen, sichtbar);
    Zeigen(sp.Wahl, sichtbar);
    if (!sichtbar)
        return;
    Text(sp.Rues, k.Ruestschutz);
    Text(sp.Abs, k.Absorb);
    Text(sp.Ausw, k.Ausweichen);
    Text(sp.Beh, k.Behinderung);
    const QColor behFarbe = k.Behindert ? Rot : Normalfarbe;
    Farbe(sp.BehB, behFarbe);
    Farbe(sp.Beh, behFarbe);
    Farbe(sp.Ausw, behFarbe);
    if (sp.Block) {
        Text(sp.Block, k.Schildblock);
        Zeigen(sp.Block, k.SchildblockSichtbar);
        Zeigen(sp.BlockB, k.SchildblockSichtbar);
    }
    const int n = fern ? 1 : 2;
    for (int i = 0; i < n; ++i) {
        TWaffenlabels &wl = sp.Waffen[i];
        const bool da = i < static_cast<int>(k.Waffen.size());
        for (QLabel *l :
             {wl.Name, wl.SchadenB, wl.Schaden, wl.TempoB, wl.Tempo, wl.TreffB, wl.Treff, wl.KritB, wl.Krit})
            Zeigen(l, da);
        if (!da)
            continue;
        const TWaffenzeile &z = k.Waffen[i];
        TextEinpassen(wl.Name, z.Name, 9);
        Text(wl.SchadenB, k.SchadenBeschriftung + u':');
        Text(wl.Schaden, z.Schaden);
        Text(wl.Tempo, z.Tempo);
        Text(wl.Treff, z.Treffsicherheit);
        Text(wl.Krit, z.KritischeTreffer);
        Farbe(wl.Krit, behFarbe);
        Farbe(wl.Schaden, fern ? behFarbe : Normalfarbe);
    }
}

void TCharakterPlanerSeite::AnsichtZeigen()
{
    const bool nah = Planer.Ansicht == TAnsicht::Nahkampf;
    m_nah.Wahl->setChecked(nah);
    m_fern.Wahl->setChecked(!nah);
    Text(LabelEffektiveWerte, nah ? QStringLiteral("Effektive Werte im Nahkampf")
                                  : QStringLiteral("Effektive Werte im Fernkampf"));
    Zeigen(m_nah.Aktiv, nah);
    Zeigen(m_fern.Aktiv, !nah && !m_fern.Rahmen->isHidden());
    m_nah.Rahmen->setFrameShadow(nah ? QFrame::Sunken : QFrame::Raised);
    m_fern.Rahmen->setFrameShadow(nah ? QFrame::Raised : QFrame::Sunken);
}

void TCharakterPlanerSeite::BewertungZeigen()
{
    auto zeilen = [](std::array<TErgebniszeile, 8> &ziel, const std::vector<TBewertungsZeile> &quelle) {
        for (size_t i = 0; i < ziel.size(); ++i) {
            const bool da = i < quelle.size() && quelle[i].Sichtbar;
            Zeigen(ziel[i].Beschriftung, da);
            Zeigen(ziel[i].Wert, da);
            if (!da)
                continue;
            Text(ziel[i].Beschriftung, quelle[i].Beschriftung);
            Text(ziel[i].Wert, quelle[i].Wert);
            ziel[i].Beschriftung->setToolTip(quelle[i].Hinweis);
            ziel[i].Wert->setToolTip(quelle[i].Hinweis);
        }
    };
    if (Planer.Bewertung.Offensive.Berechnet)
        zeilen(m_offensiv, Planer.Bewertung.Offensive.Zeilen);
    zeilen(m_defensiv, Planer.Bewertung.Defensive.Zeilen);
    // Every change of what is shown ends here: the what-if hints are stale now.
    ++m_anzeigeStand;
    VergleichZeigen();
}

void TCharakterPlanerSeite::GegnerFarbenZeigen()
{
    TGegnerTexte t;
    for (int i = 0; i < AnzahlGegnerFelder; ++i)
        t[i] = m_gegner[i]->text();
    const bool minFalsch = GegnerMinimumUngueltig(t);
    const bool maxFalsch = GegnerMaximumUngueltig(t);
    for (int i = 0; i < AnzahlGegnerFelder; ++i) {
        const bool rot = (i == GfMinSchaden && minFalsch) || (i == GfMaxSchaden && maxFalsch);
        FeldFarbeSetzen(m_gegner[i], rot ? HellrotFarbe : palette().color(QPalette::Active, QPalette::Base));
    }
    if (m_form10)
        m_form10->GegnerFarbenSetzen(minFalsch, maxFalsch);
}

void TCharakterPlanerSeite::AttributfarbenZuruecksetzen()
{
    for (QSpinBox *s : m_attribut)
        FeldFarbeSetzen(s, palette().color(QPalette::Active, QPalette::Base));
}

// ---------------------------------------------------------------- character inputs

void TCharakterPlanerSeite::SpinEditLevelChange()
{
    const std::optional<int32_t> level = SpinPruefen(SpinEditLevel, m_levelGedaechtnis, Jetzt(), 1);
    if (!level)
        return;
    const int64_t jetzt = Jetzt();
    const bool gescrollt = LevelWirdGescrollt(m_letzteLevelAenderung, jetzt);
    TCharakter &c = Planer.Charakter;
    if (!gescrollt)
        for (int i = 0; i < 4; ++i)
            m_gespeicherteAttribute[i] = m_attribut[i]->value();
    SetzeLevel(c, *level, Planer.Optionen.Welt);
    if (gescrollt) {
        for (int i = 0; i < 4; ++i)
            SetzeAttribut(c, static_cast<TAttribut>(i), m_gespeicherteAttribute[i]);
        GleicheMindestwerteAb(Optimierer, c, true);
    } else {
        GleicheMindestwerteAb(Optimierer, c, false);
    }
    NachAenderung();
    m_letzteLevelAenderung = jetzt;
    AttributfarbenZuruecksetzen();
}

void TCharakterPlanerSeite::SpinEditAttributChange(TAttribut a)
{
    QSpinBox *s = m_attribut[a];
    const std::optional<int32_t> wert =
        SpinPruefen(s, m_attributGedaechtnis[a], Jetzt(), Attributuntergrenze(Planer.Charakter, a));
    if (wert) {
        SetzeAttribut(Planer.Charakter, a, *wert);
        NachAenderung();
    }
    FeldFarbeSetzen(s, palette().color(QPalette::Active, QPalette::Base));
}

void TCharakterPlanerSeite::EditErfahrungChange()
{
    QString t;
    for (QChar c : EditErfahrung->text())
        if (c.isDigit() && c.unicode() < 128)
            t += c;
    TextSetzen(EditErfahrung, t);
    bool ok = false;
    qlonglong x = t.size() > 18 ? std::numeric_limits<qlonglong>::max() : t.toLongLong(&ok);
    if (t.isEmpty() || (!ok && t.size() <= 18))
        return;
    x = std::min<qlonglong>(x, ErfahrungFuerLevel(MaxLevel, Planer.Optionen.Welt));
    SetzeErfahrung(Planer.Charakter, x, Planer.Optionen.Welt);
    NachAenderung();
}

void TCharakterPlanerSeite::CheckBoxCPWirkungBerechnenClick()
{
    m_optionen.CPCalcPotency = CheckBoxCPWirkungBerechnen->isChecked();
    Planer.Optionen.WirkungBerechnen = m_optionen.CPCalcPotency;
    NachAenderung();
}

void TCharakterPlanerSeite::RadioButtonWerteImNahkampfClick()
{
    AnsichtWaehlen(Planer, TAnsicht::Nahkampf);
    AnsichtZeigen();
    BewertungZeigen();
}

void TCharakterPlanerSeite::RadioButtonWerteImFernkampfClick()
{
    if (!Planer.Anzeige.Fernkampf.Sichtbar)
        return;
    AnsichtWaehlen(Planer, TAnsicht::Fernkampf);
    AnsichtZeigen();
    BewertungZeigen();
}

void TCharakterPlanerSeite::ButtonInventarLoeschenClick()
{
    AllesLoeschen(Planer);
    LabelInventarAuslesen->hide();
    AttributfarbenZuruecksetzen();
    RasseWaehlen(Optimierer, Planer.Charakter, RasseFrei);
    RasseWaehlen(Optimierer, Planer.Charakter, RasseLeer);
    Anzeigen();
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
    const int m = MenueVonSlot(s, Planer.Arten[PosFernkampf]);
    if (m < 0 || m >= AnzahlMenues)
        return;
    QToolButton *b = m_slotKnopf[s];
    // From the keyboard the menu opens below the button, from the mouse at the pointer.
    const QPoint ort = b->underMouse() ? QCursor::pos() : b->mapToGlobal(QPoint(0, b->height()));
    m_menue[m]->popup(ort);
}

void TCharakterPlanerSeite::MenueEintragGewaehlt(TSlot s, const QString &eintrag)
{
    if (m_optimierungSperrt)
        return;
    if (WaehleMenueEintrag(Planer, m_katalog, s, eintrag, Shift(), Strg()))
        Anzeigen();
}

void TCharakterPlanerSeite::VerzauberungsmenueOeffnen(TSlot s, const QPoint &global)
{
    if (m_optimierungSperrt || !Verzauberbar(Planer, s))
        return;
    m_verzauberungsSlot = s;
    PopupMenuVerzauberungen->popup(global);
}

void TCharakterPlanerSeite::VerzauberungGewaehlt(const QString &beschriftung)
{
    if (m_optimierungSperrt || !Verzauberbar(Planer, m_verzauberungsSlot))
        return;
    SetzeVerzauberung(Planer, m_verzauberungsSlot, VerzauberungAusMenue(beschriftung));
    Anzeigen();
}

void TCharakterPlanerSeite::SlotwertGeaendert(TSlot s, TSlotFeld f)
{
    QLineEdit *e = m_felder[s][f].Edit;
    const TFeldGrenzen g = SlotFeldGrenzen(s, f);
    TextSetzen(e, g.Vorzeichen ? ZiffernBegrenzenMitVorzeichen(e->text(), g.N, g.M)
                               : ZiffernBegrenzen(e->text(), g.N, g.M));
    m_bearbeitet = e;
    SetzeSlotwertText(Planer, s, f, e->text());
    // The slot is an own item now; its other fields keep the colour they have.
    m_farbStand[s] = FarbStand(Planer.Slots[s]);
    FeldFarbeSetzen(e, EditierbarFarbe);
    Anzeigen();
    // The damage partner: light red while the minimum is above the maximum.
    if (f == FeldMinSchaden || f == FeldMaxSchaden) {
        QLineEdit *min = m_felder[s][FeldMinSchaden].Edit;
        QLineEdit *max = m_felder[s][FeldMaxSchaden].Edit;
        QLineEdit *partner = f == FeldMinSchaden ? max : min;
        const int32_t a = GanzzahlLesen(min->text()).value_or(0);
        const int32_t b = GanzzahlLesen(max->text()).value_or(0);
        FeldFarbeSetzen(partner, a > b ? FehlerFarbe : m_partnerFarbe);
    }
}

// ---------------------------------------------------------------- opponent

void TCharakterPlanerSeite::GegnerFeldGeaendert(TGegnerFeld f)
{
    QLineEdit *e = m_gegner[f];
    TextSetzen(e, GegnerFeldBereinigen(f, e->text()));
    TGegnerTexte t;
    for (int i = 0; i < AnzahlGegnerFelder; ++i)
        t[i] = m_gegner[i]->text();
    GegnerSetzen(Planer, GegnerwerteAusTexten(t));
    BewertungZeigen();
    GegnerFarbenZeigen();
    if (m_form10)
        m_form10->GegnerTextSetzen(f, e->text());
}

void TCharakterPlanerSeite::GegnerTextUebernehmen(TGegnerFeld f, const QString &text)
{
    if (f < 0 || f >= AnzahlGegnerFelder)
        return;
    if (m_gegner[f]->text() == text) {
        if (m_form10)
            m_form10->GegnerTextSetzen(f, GegnerFeldBereinigen(f, text));
        return;
    }
    m_gegner[f]->setText(text); // fires GegnerFeldGeaendert, which writes back
}

void TCharakterPlanerSeite::GegnerVorgabeClick(const QString &name)
{
    TGegnerwerte g = Planer.Gegner;
    if (!GegnerVorgabeAnwenden(g, name))
        return;
    const TGegnerTexte t = GegnerTexte(g);
    for (int i = 0; i < AnzahlGegnerFelder; ++i) {
        TextSetzen(m_gegner[i], t[i]);
        if (m_form10)
            m_form10->GegnerTextSetzen(static_cast<TGegnerFeld>(i), t[i]);
    }
    GegnerSetzen(Planer, g);
    BewertungZeigen();
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
    const TInventarErgebnis r = InventarAuslesen(Planer, Optimierer, m_katalog, text);
    if (r.Erfolg && r.Welt != 0) {
        m_optionen.CPWorld = Planer.Optionen.Welt;
        PotenzschalterZeigen();
    }
    if (r.NeuerCharakter)
        AttributfarbenZuruecksetzen();
    Anzeigen();
    LabelInventarAuslesen->setText(r.Meldung);
    Farbe(LabelInventarAuslesen, r.MeldungGruen ? QColor(0, 128, 0) : Rot);
    if (r.MeldungGruen)
        m_meldungsTimer->start();
    else
        m_meldungsTimer->stop();
    LabelInventarAuslesen->show();
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
    const QString fehler = CharakterdateiSchreiben(Planer, datei);
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
    const QString fehler = CharakterdateiLesen(Planer, m_katalog, datei);
    if (!fehler.isEmpty()) {
        MeldungZeigen(fehler);
        return false;
    }
    m_optionen.CPWorld = Planer.Optionen.Welt;
    m_optionen.CPCalcPotency = Planer.Optionen.WirkungBerechnen;
    PotenzschalterZeigen();
    AttributfarbenZuruecksetzen();
    GleicheMindestwerteAb(Optimierer, Planer.Charakter, false);
    const TGegnerTexte t = GegnerTexte(Planer.Gegner);
    for (int i = 0; i < AnzahlGegnerFelder; ++i) {
        TextSetzen(m_gegner[i], t[i]);
        if (m_form10)
            m_form10->GegnerTextSetzen(static_cast<TGegnerFeld>(i), t[i]);
    }
    GegnerFarbenZeigen();
    Anzeigen();
    return true;
}

// ---------------------------------------------------------------- optimiser

void TCharakterPlanerSeite::EingabenFreigeben(bool an)
{
    // Everything that changes the character the search works on.
    m_optimierungSperrt = !an;
    QWidget *eingaben[] = {SpinEditLevel, EditErfahrung, ButtonInventarAuslesen, ButtonInventarLoeschen,
                           ButtonCharakterLaden};
    for (QWidget *w : eingaben)
        w->setEnabled(an);
    for (QSpinBox *s : m_attribut)
        s->setEnabled(an);
    for (QToolButton *b : m_slotKnopf)
        b->setEnabled(an);
    for (auto &slot : m_felder)
        for (TFeld &f : slot)
            if (f.Edit)
                f.Edit->setEnabled(an);
    if (an)
        PotenzschalterZeigen();
    else
        CheckBoxCPWirkungBerechnen->setEnabled(false);
}

void TCharakterPlanerSeite::OptimierungGestartet()
{
    EingabenFreigeben(false);
}

void TCharakterPlanerSeite::OptimierungBeendet(const TOptimierungsErgebnis &e, bool anwenden)
{
    EingabenFreigeben(true);
    if (!anwenden) {
        Optimierer.OptimierungLaeuft = false;
        Anzeigen();
        return;
    }
    OptimierungsErgebnisAnwenden(Planer, Optimierer, e);
    Anzeigen();
    for (QSpinBox *s : m_attribut)
        FeldFarbeSetzen(s, HellgruenFarbe);
}

// ---------------------------------------------------------------- events

bool TCharakterPlanerSeite::eventFilter(QObject *objekt, QEvent *ereignis)
{
    const QEvent::Type typ = ereignis->type();
    for (int i = 0; i < AnzahlSlots; ++i) {
        if (objekt != m_slotKnopf[i])
            continue;
        const TSlot s = static_cast<TSlot>(i);
        if (typ == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent *>(ereignis)->button() == Qt::MiddleButton) {
            if (!m_optimierungSperrt && s != SlotZauber) {
                SchalteAufwertung(Planer, m_katalog, s);
                Anzeigen();
            }
            return true;
        }
        // Enter opens the slot's menu like Space does.
        if (typ == QEvent::KeyPress && (static_cast<QKeyEvent *>(ereignis)->key() == Qt::Key_Return ||
                                        static_cast<QKeyEvent *>(ereignis)->key() == Qt::Key_Enter)) {
            SpeedButtonSlotClick(s);
            return true;
        }
        // "+" on a focused slot button: the upgrade from the keyboard.
        if (typ == QEvent::KeyPress && static_cast<QKeyEvent *>(ereignis)->text() == QLatin1String("+")) {
            if (!m_optimierungSperrt && s != SlotZauber) {
                SchalteAufwertung(Planer, m_katalog, s);
                Anzeigen();
            }
            return true;
        }
        return false;
    }
    auto *feld = qobject_cast<QLineEdit *>(objekt);
    if (!feld)
        return false;
    if (typ == QEvent::FocusIn) {
        // The partner of a damage field keeps the colour it had when this one was entered.
        for (int i = 0; i < AnzahlSlots; ++i) {
            if (feld == m_felder[i][FeldMinSchaden].Edit && m_felder[i][FeldMaxSchaden].Edit)
                m_partnerFarbe = FeldFarbe(m_felder[i][FeldMaxSchaden].Edit);
            else if (feld == m_felder[i][FeldMaxSchaden].Edit && m_felder[i][FeldMinSchaden].Edit)
                m_partnerFarbe = FeldFarbe(m_felder[i][FeldMinSchaden].Edit);
        }
    } else if (typ == QEvent::FocusOut) {
        if (feld == m_bearbeitet)
            m_bearbeitet = nullptr;
        // A text that is not a number becomes "0".
        const QString t = feld->text();
        if (!KommazahlLesen(t) && !GanzzahlLesen(t))
            feld->setText(QStringLiteral("0")); // fires the change handler of opponent fields
        for (int i = 0; i < AnzahlSlots; ++i)
            for (int f = 0; f < 12; ++f)
                if (m_felder[i][f].Edit == feld && !KommazahlLesen(t) && !GanzzahlLesen(t))
                    SlotwertGeaendert(static_cast<TSlot>(i), static_cast<TSlotFeld>(f));
    }
    return false;
}

// ---------------------------------------------------------------- what-if hints

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
        if (const std::optional<TKennwerte> w = WasWaereWenn(Planer, m_katalog, s, name))
            zeilen = UnterschiedsZeilen(Kennwerte(Planer), *w);
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

void TCharakterPlanerSeite::VergleichAnlegen()
{
    m_vergleichsanzeige = std::make_unique<TVergleichsanzeige>();
    MenueeintragZugangInstallieren(MenueeintragBeschreibung);
    auto knopf = [this](const char *name, const QString &text, const QString &hinweis, int y) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setToolTip(hinweis);
        b->setAccessibleName(text);
        b->setGeometry(8, y, 180, 24);
        return b;
    };
    ButtonVergleichen =
        knopf("ButtonVergleichen", QStringLiteral("Vergleichen mit..."),
              QStringLiteral("Gespeicherten Charakter laden und jeden Wert mit ihm vergleichen"), 432);
    ButtonVergleichBeenden =
        knopf("ButtonVergleichBeenden", QStringLiteral("Vergleich beenden"),
              QStringLiteral("Die Unterschiede zum gespeicherten Charakter ausblenden"), 460);
    ButtonVergleichBeenden->setEnabled(false);
    // In the Tab order after the potency switch, before the character files.
    setTabOrder(CheckBoxCPWirkungBerechnen, ButtonVergleichen);
    setTabOrder(ButtonVergleichen, ButtonVergleichBeenden);
    setTabOrder(ButtonVergleichBeenden, ButtonCharakterSpeichern);
    connect(ButtonVergleichen, &QPushButton::clicked, this, &TCharakterPlanerSeite::ButtonVergleichenClick);
    connect(ButtonVergleichBeenden, &QPushButton::clicked, this,
            &TCharakterPlanerSeite::ButtonVergleichBeendenClick);
}

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
    basis->Optionen = Planer.Optionen;
    PlanerStarten(*basis);
    const QString fehler = CharakterdateiLesen(*basis, m_katalog, datei);
    if (!fehler.isEmpty()) {
        MeldungZeigen(fehler);
        return false;
    }
    m_basis = std::move(basis);
    ButtonVergleichBeenden->setEnabled(true);
    VergleichZeigen();
    return true;
}

void TCharakterPlanerSeite::ButtonVergleichBeendenClick()
{
    m_basis.reset();
    // Focus stays on the page's controls rather than on a disabled button.
    if (ButtonVergleichBeenden->hasFocus())
        ButtonVergleichen->setFocus();
    ButtonVergleichBeenden->setEnabled(false);
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
    BasisAngleichen(*m_basis, Planer);
    const TVergleich v = VergleichBerechnen(Planer, *m_basis);
    TVergleichsanzeige &a = *m_vergleichsanzeige;
    auto spalte = [&a](TSpalte &sp, const TSpaltenVergleich &sv) {
        a.Setzen(sp.Rues, sv.Ruestschutz);
        a.Setzen(sp.Abs, sv.Absorb);
        a.Setzen(sp.Ausw, sv.Ausweichen);
        a.Setzen(sp.Beh, sv.Behinderung);
        a.Setzen(sp.Block, sv.Schildblock);
        for (size_t i = 0; i < sp.Waffen.size(); ++i) {
            if (!sp.Waffen[i].Schaden)
                continue;
            a.Setzen(sp.Waffen[i].Schaden, sv.Waffen[i][0]);
            a.Setzen(sp.Waffen[i].Tempo, sv.Waffen[i][1]);
            a.Setzen(sp.Waffen[i].Treff, sv.Waffen[i][2]);
            a.Setzen(sp.Waffen[i].Krit, sv.Waffen[i][3]);
        }
    };
    spalte(m_nah, v.Nahkampf);
    spalte(m_fern, v.Fernkampf);
    for (size_t i = 0; i < m_offensiv.size(); ++i) {
        a.Setzen(m_offensiv[i].Wert, v.Offensive[i]);
        a.Setzen(m_defensiv[i].Wert, v.Defensive[i]);
    }
}

} // namespace mvt
