#include "planner/ui/Slotspalte.h"

#include "base/Zahlen.h"
#include "planner/Charakterdatei.h"
#include "planner/ui/Anzeigehilfen.h"
#include "planner/ui/CharakterPlanerSeite.h"
#include "planner/ui/Optimiererfenster.h"
#include "planner/ui/Eingabefelder.h"
#include "ui/Einpassen.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QToolButton>

namespace mvt {

using namespace planer;
using namespace planeranzeige;

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

// Places within the column.
constexpr int SlotY = 6;
constexpr int SlotAbstand = 38;
constexpr int SlotBreite = 164;
constexpr int FeldX = SlotBreite + 4;
constexpr int ZeilenHoehe = 19;

const char *const SlotKnopfNamen[AnzahlSlots] = {
    "SpeedButtonHelm",       "SpeedButtonPanzer",     "SpeedButtonHose",       "SpeedButtonStiefel",
    "SpeedButtonHandschuhe", "SpeedButtonHauptwaffe", "SpeedButtonNebenwaffe", "SpeedButtonFernkampf",
    "SpeedButtonMunition",   "SpeedButtonZauber"};

QString FarbStand(const TSlotAnzeige &a)
{
    return a.Basisname + u'|' + QString::number(a.Aufwertung) + u'|' + QString::number(a.Eigenes);
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

TSlotspalte::TSlotspalte(TCharakterPlanerSeite &seite, TPlanerSitzung &planer)
    : QWidget(&seite), m_seite(seite), m_planer(planer)
{
    setObjectName(QStringLiteral("Slotspalte"));
    setGeometry(Ort);
    // The page's own font, explicitly: under the main window's style sheet a child's inherited
    // font is only resolved when it is shown, and the controls measure theirs when made.
    setFont(seite.font());
    QFont klein = font();
    klein.setPixelSize(9);
    for (int i = 0; i < AnzahlSlots; ++i) {
        const TSlot s = static_cast<TSlot>(i);
        const int y = SlotY + SlotAbstand * i;
        auto *b = new TSlotKnopf(this);
        b->setObjectName(QLatin1String(SlotKnopfNamen[i]));
        b->setGeometry(0, y, SlotBreite, 22);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setFocusPolicy(Qt::StrongFocus);
        b->setContextMenuPolicy(Qt::CustomContextMenu);
        b->installEventFilter(this);
        connect(b, &QToolButton::clicked, &m_seite, [this, s] { m_seite.SpeedButtonSlotClick(s); });
        connect(b, &QWidget::customContextMenuRequested, &m_seite,
                [this, s, b](const QPoint &p) { m_seite.VerzauberungsmenueOeffnen(s, b->mapToGlobal(p)); });
        m_knopf[i] = b;

        auto *z = new QLabel(this);
        z->setObjectName(QStringLiteral("LabelVerzauberung") + SlotName(s));
        // Armour slots have no second row of fields: their line may run on below the fields.
        z->setGeometry(0, y + 22, s <= SlotHandschuhe ? FeldX + 166 : SlotBreite + 2, 14);
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
                    connect(f.Edit, &QLineEdit::textEdited, &m_seite,
                            [this, s, feld] { m_seite.SlotwertGeaendert(s, feld); });
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

void TSlotspalte::Zeigen(const TPlaner &p)
{
    for (int i = 0; i < AnzahlSlots; ++i) {
        const TSlot s = static_cast<TSlot>(i);
        const TSlotAnzeige &a = p.Slots[i];
        auto *b = static_cast<TSlotKnopf *>(m_knopf[i]);
        const Verzauberungscode code = a.Belegt ? SlotVerzauberung(p, s) : 0;
        const QString zeile = (s <= SlotFernkampf && code != 0) ? VerzauberungsZeile(code) : QString();
        if (b->text() != a.Beschriftung)
            b->setAccessibleName(a.Beschriftung);
        b->Anzeigen(a.Beschriftung, zeile.isEmpty());
        b->setToolTip(a.Hinweis);
        planeranzeige::Zeigen(b, a.Sichtbar);
        TextEinpassen(m_verzauberungsZeile[i], zeile, 8);
        planeranzeige::Zeigen(m_verzauberungsZeile[i], !zeile.isEmpty() && a.Sichtbar);

        const std::vector<TSlotFeld> felder = a.Sichtbar ? SlotFelder(p, s) : std::vector<TSlotFeld>{};
        const QString stand = FarbStand(a);
        const bool neueWahl = stand != m_farbStand[i] && i != m_getippterSlot;
        for (int f = 0; f < 12; ++f) {
            TFeld &feld = m_felder[i][f];
            if (!feld.Edit)
                continue;
            const bool sichtbar = std::find(felder.begin(), felder.end(), f) != felder.end();
            const bool erscheint = sichtbar && feld.Edit->isHidden();
            planeranzeige::Zeigen(feld.Edit, sichtbar);
            planeranzeige::Zeigen(feld.Beschriftung, sichtbar);
            if (!sichtbar)
                continue;
            const TSlotFeld sf = static_cast<TSlotFeld>(f);
            if (feld.Edit != m_bearbeitet)
                TextSetzen(feld.Edit, SlotwertText(p, s, sf));
            if (s == SlotZauber) {
                const uint8_t typ = p.Arten[PosZauberTyp];
                if (sf == FeldMinSchaden)
                    Text(feld.Beschriftung, ZauberWertBeschriftung(typ));
                else if (sf == FeldAngriffe) {
                    Text(feld.Beschriftung, ZauberAngriffeBeschriftung(typ));
                    // The short caption leaves room for the duration beside it.
                    const int y = SlotY + SlotAbstand * i + ZeilenHoehe;
                    const int breite = ZauberDauerSichtbar(typ) ? 54 : 118;
                    feld.Beschriftung->setGeometry(FeldX, y + 2, breite, 16);
                    feld.Edit->setGeometry(FeldX + breite, y, 24, 18);
                }
            }
            if (neueWahl || erscheint)
                FeldFarbeSetzen(feld.Edit, a.Eigenes ? EditierbarFarbe : VorgabeFarbe);
        }
        m_farbStand[i] = stand;
    }
}

void TSlotspalte::WertGeaendert(TSlot s, TSlotFeld f)
{
    if (s < 0 || s >= AnzahlSlots || f < 0 || f >= 12)
        return;
    QLineEdit *e = m_felder[s][f].Edit;
    if (!e)
        return;
    const TFeldGrenzen g = SlotFeldGrenzen(s, f);
    TextSetzen(e, g.Vorzeichen ? ZiffernBegrenzenMitVorzeichen(e->text(), g.N, g.M)
                               : ZiffernBegrenzen(e->text(), g.N, g.M));
    m_bearbeitet = e;
    // The slot is an own item now; its other fields keep the colour they have while the
    // page shows the change.
    m_getippterSlot = s;
    m_planer.SlotwertTextSetzen(s, f, e->text());
    m_getippterSlot = -1;
    m_farbStand[s] = FarbStand(m_planer.Planer().Slots[s]);
    FeldFarbeSetzen(e, EditierbarFarbe);
    // The damage partner: light red while the minimum is above the maximum.
    if (f == FeldMinSchaden || f == FeldMaxSchaden) {
        QLineEdit *min = m_felder[s][FeldMinSchaden].Edit;
        QLineEdit *max = m_felder[s][FeldMaxSchaden].Edit;
        if (!min || !max)
            return;
        QLineEdit *partner = f == FeldMinSchaden ? max : min;
        const int32_t a = GanzzahlLesen(min->text()).value_or(0);
        const int32_t b = GanzzahlLesen(max->text()).value_or(0);
        FeldFarbeSetzen(partner, a > b ? FehlerFarbe : m_partnerFarbe);
    }
}

void TSlotspalte::Freigeben(bool an)
{
    for (QToolButton *b : m_knopf)
        b->setEnabled(an);
    for (auto &slot : m_felder)
        for (TFeld &f : slot)
            if (f.Edit)
                f.Edit->setEnabled(an);
}

void TSlotspalte::Aufwerten(TSlot s)
{
    if (!m_seite.OptimierungSperrt() && s != SlotZauber) {
        m_planer.AufwertungUmschalten(s);
    }
}

bool TSlotspalte::eventFilter(QObject *objekt, QEvent *ereignis)
{
    const QEvent::Type typ = ereignis->type();
    for (int i = 0; i < AnzahlSlots; ++i) {
        if (objekt != m_knopf[i])
            continue;
        const TSlot s = static_cast<TSlot>(i);
        if (typ == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent *>(ereignis)->button() == Qt::MiddleButton) {
            Aufwerten(s);
            return true;
        }
        if (typ != QEvent::KeyPress)
            return false;
        const auto *taste = static_cast<QKeyEvent *>(ereignis);
        // Enter opens the slot's menu like Space does.
        if (taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter) {
            m_seite.SpeedButtonSlotClick(s);
            return true;
        }
        // "+" on a focused slot button: the upgrade from the keyboard.
        if (taste->text() == QLatin1String("+")) {
            Aufwerten(s);
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
        if (KommazahlLesen(t) || GanzzahlLesen(t))
            return false;
        feld->setText(QStringLiteral("0"));
        for (int i = 0; i < AnzahlSlots; ++i)
            for (int f = 0; f < 12; ++f)
                if (m_felder[i][f].Edit == feld)
                    m_seite.SlotwertGeaendert(static_cast<TSlot>(i), static_cast<TSlotFeld>(f));
    }
    return false;
}

} // namespace mvt
