#include "planner/ui/Wertespalte.h"

#include "planner/ui/Anzeigehilfen.h"
#include "planner/ui/CharakterPlanerSeite.h"
#include "planner/ui/Optimiererfenster.h"
#include "planner/ui/Eingabefelder.h"
#include "planner/ui/Vergleichsanzeige.h"
#include "ui/Einpassen.h"
#include "ui/Steuerelemente.h"
#include "ui/Zugang.h"

#include <QFrame>
#include <QLabel>
#include <QRadioButton>

namespace mvt {

using namespace planer;
using namespace planeranzeige;

TWertespalte::TWertespalte(TCharakterPlanerSeite &seite) : QWidget(&seite)
{
    setObjectName(QStringLiteral("Wertespalte"));
    setGeometry(Ort);
    // The page's own font, explicitly: under the main window's style sheet a child's inherited
    // font is only resolved when it is shown, and the controls measure theirs when made.
    setFont(seite.font());
    LabelEffektiveWerte =
        Beschriftung(this, QStringLiteral("LabelEffektiveWerte"),
                     QStringLiteral("Effektive Werte im Nahkampf"), QRect(2, 4, 222, 16), true);
    m_nah = SpalteAnlegen(QStringLiteral("Nahkampf"), QStringLiteral("Werte im Nahkampf"), 22, 222);
    m_fern = SpalteAnlegen(QStringLiteral("Fernkampf"), QStringLiteral("Werte im Fernkampf"), 248, 140);
    m_nah.Wahl->setChecked(true);
    // The checked state, not the click: a screen reader's toggle action switches too. The
    // handlers only show what the planner holds, so a programmatic check does no harm.
    TabAufGewaehltem(m_nah.Wahl);
    TabAufGewaehltem(m_fern.Wahl);
    connect(m_nah.Wahl, &QRadioButton::toggled, &seite, [&seite](bool an) {
        if (an)
            seite.RadioButtonWerteImNahkampfClick();
    });
    connect(m_fern.Wahl, &QRadioButton::toggled, &seite, [&seite](bool an) {
        if (an)
            seite.RadioButtonWerteImFernkampfClick();
    });
}

TWertespalte::TSpalte TWertespalte::SpalteAnlegen(const QString &name, const QString &titel, int y, int h)
{
    TSpalte sp{};
    const bool nah = name == QLatin1String("Nahkampf");
    const int waffen = nah ? 2 : 1;
    sp.Rahmen = new QFrame(this);
    sp.Rahmen->setObjectName(QStringLiteral("Bevel") + name);
    sp.Rahmen->setGeometry(0, y, 224, h);
    sp.Rahmen->setFrameShape(QFrame::Panel);
    sp.Wahl = new QRadioButton(this);
    sp.Wahl->setObjectName(QStringLiteral("RadioButtonWerteIm") + name);
    sp.Wahl->setGeometry(4, y + 3, 18, 18);
    sp.Wahl->setAccessibleName(titel);
    sp.Titel =
        Beschriftung(this, QStringLiteral("LabelWerteIm") + name, titel, QRect(22, y + 4, 150, 16), true);
    sp.Aktiv = Beschriftung(this, QStringLiteral("LabelAktiv") + name, QStringLiteral("aktiv"),
                            QRect(184, y + 4, 36, 16), true);
    Farbe(sp.Aktiv, QColor(0, 128, 0));

    QFont klein = font();
    klein.setPixelSize(10);
    int zy = y + 22;
    const QString vor = QStringLiteral("Label") + (nah ? QStringLiteral("Nah") : QStringLiteral("Fern"));
    auto zeile = [&](const QString &wname, const QString &text, QLabel *&b, QLabel *&w) {
        b = Beschriftung(this, vor + wname + QStringLiteral("Beschriftung"), text, QRect(6, zy, 80, 13));
        w = Beschriftung(this, vor + wname, QString(), QRect(86, zy, 136, 13));
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
        wl.Name =
            Beschriftung(this, vor + n + QStringLiteral("Name"), QString(), QRect(6, zy + 1, 214, 14), true);
        zy += 15;
        zeile(n + QStringLiteral("Schaden"), QStringLiteral("Schaden:"), wl.SchadenB, wl.Schaden);
        zeile(n + QStringLiteral("Tempo"), QStringLiteral("Tempo:"), wl.TempoB, wl.Tempo);
        zeile(n + QStringLiteral("Treffsicherheit"), QStringLiteral("Treffsicherheit:"), wl.TreffB, wl.Treff);
        zeile(n + QStringLiteral("KritischeTreffer"), QStringLiteral("Krit. Treffer:"), wl.KritB, wl.Krit);
    }
    // A click on a label of the column selects it.
    for (QLabel *l : findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
        if (l->objectName().startsWith(vor) || l == sp.Titel || l == sp.Aktiv)
            if (!l->property("Spalte").isValid()) {
                l->setProperty("Spalte", name);
                QRadioButton *r = sp.Wahl;
                KlickbarMachen(l, [r] { r->click(); });
            }
    return sp;
}

void TWertespalte::Zeigen(const TPlaner &p)
{
    SpalteZeigen(m_nah, p.Anzeige.Nahkampf, false);
    SpalteZeigen(m_fern, p.Anzeige.Fernkampf, true);
    AnsichtZeigen(p);
}

void TWertespalte::SpalteZeigen(TSpalte &sp, const TKampfspalte &k, bool fern)
{
    const bool sichtbar = !fern || k.Sichtbar;
    for (QWidget *w : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (w->property("Spalte").toString() ==
            (fern ? QLatin1String("Fernkampf") : QLatin1String("Nahkampf")))
            planeranzeige::Zeigen(w, sichtbar);
    planeranzeige::Zeigen(sp.Rahmen, sichtbar);
    planeranzeige::Zeigen(sp.Wahl, sichtbar);
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
        planeranzeige::Zeigen(sp.Block, k.SchildblockSichtbar);
        planeranzeige::Zeigen(sp.BlockB, k.SchildblockSichtbar);
    }
    const int n = fern ? 1 : 2;
    for (int i = 0; i < n; ++i) {
        TWaffenlabels &wl = sp.Waffen[i];
        const bool da = i < static_cast<int>(k.Waffen.size());
        for (QLabel *l :
             {wl.Name, wl.SchadenB, wl.Schaden, wl.TempoB, wl.Tempo, wl.TreffB, wl.Treff, wl.KritB, wl.Krit})
            planeranzeige::Zeigen(l, da);
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

void TWertespalte::AnsichtZeigen(const TPlaner &p)
{
    const bool nah = p.Ansicht == TAnsicht::Nahkampf;
    m_nah.Wahl->setChecked(nah);
    m_fern.Wahl->setChecked(!nah);
    Text(LabelEffektiveWerte, nah ? QStringLiteral("Effektive Werte im Nahkampf")
                                  : QStringLiteral("Effektive Werte im Fernkampf"));
    planeranzeige::Zeigen(m_nah.Aktiv, nah);
    planeranzeige::Zeigen(m_fern.Aktiv, !nah && !m_fern.Rahmen->isHidden());
    m_nah.Rahmen->setFrameShadow(nah ? QFrame::Sunken : QFrame::Raised);
    m_fern.Rahmen->setFrameShadow(nah ? QFrame::Raised : QFrame::Sunken);
}

void TWertespalte::VergleichZeigen(TVergleichsanzeige &a, const TVergleich &v)
{
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
}

} // namespace mvt
