#include "planner/ui/Bewertungsseiten.h"

#include "base/Zahlen.h"
#include "planner/ui/Anzeigehilfen.h"
#include "planner/ui/CharakterPlanerSeite.h"
#include "planner/ui/Optimiererfenster.h"
#include "planner/ui/Eingabefelder.h"
#include "planner/ui/Vergleichsanzeige.h"
#include "ui/Steuerelemente.h"

#include <QEvent>
#include <QStyle>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace mvt {

using namespace planer;
using namespace planeranzeige;

namespace {

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

} // namespace

TBewertungsseiten::TBewertungsseiten(TCharakterPlanerSeite &seite, const TGegnerwerte &gegner)
    : QTabWidget(&seite)
{
    setObjectName(QStringLiteral("PageControl3"));
    setGeometry(Ort);
    TCharakterPlanerSeite *p = &seite;
    QWidget *seiten[2];
    const char *const seitenNamen[2] = {"TabSheetOffensive", "TabSheetDefensive"};
    for (int i = 0; i < 2; ++i) {
        seiten[i] = new QWidget;
        seiten[i]->setObjectName(QLatin1String(seitenNamen[i]));
        addTab(seiten[i], i == 0 ? QStringLiteral("Offensive") : QStringLiteral("Defensive"));
    }
    setTabToolTip(0, QStringLiteral("Eigener Angriff gegen die Verteidigung des Gegners"));
    setTabToolTip(1, QStringLiteral("Angriff des Gegners gegen die eigene Verteidigung"));

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
    const TGegnerTexte start = planer::GegnerTexte(gegner);
    for (const TGegnerLage &l : lagen) {
        QWidget *s = seiten[l.Seite];
        auto *e = new QLineEdit(start[l.Feld], s);
        e->setObjectName(QLatin1String(l.Name));
        e->setGeometry(6 + 138 * l.Spalte + 86, 8 + 22 * l.Zeile, 44, 19);
        QLabel *b = Beschriftung(s, QString(), QString::fromUtf16(l.Text),
                                 QRect(6 + 138 * l.Spalte, 10 + 22 * l.Zeile, 86, 16));
        b->setBuddy(e);
        e->setAccessibleName(QStringLiteral("Gegner ") + QString::fromUtf16(l.Text));
        const bool ganz =
            l.Feld == GfLeben || l.Feld == GfMinSchaden || l.Feld == GfMaxSchaden || l.Feld == GfAngriffe;
        ZeichenfilterSetzen(e, ganz ? TZeichenfilter::Ganzzahl : TZeichenfilter::Dezimal);
        e->installEventFilter(this);
        const TGegnerFeld f = l.Feld;
        connect(e, &QLineEdit::textChanged, p, [p, f] { p->GegnerFeldGeaendert(f); });
        Gegner[l.Feld] = e;
    }
    auto vorgaben = [p](QWidget *s, const std::array<TGegnerVorgabe, 6> &liste) {
        for (size_t i = 0; i < liste.size(); ++i) {
            const QString name = QString::fromUtf16(liste[i].Name);
            QPushButton *b = Schaltflaeche(
                s, VorgabeKnopfName(name), name,
                QRect(6 + 91 * static_cast<int>(i % 3), 78 + 26 * static_cast<int>(i / 3), 87, 23));
            b->setToolTip(QStringLiteral("Gegnerwerte: ") + name);
            connect(b, &QPushButton::clicked, p, [p, name] { p->GegnerVorgabeClick(name); });
        }
    };
    vorgaben(seiten[0], OffensivVorgaben);
    vorgaben(seiten[1], DefensivVorgaben);

    auto ergebnisse = [](QWidget *s, std::array<TErgebniszeile, 8> &zeilen, const QString &vor) {
        for (int i = 0; i < 8; ++i) {
            TErgebniszeile &z = zeilen[i];
            z.Beschriftung =
                Beschriftung(s, vor + QString::number(i + 1), QString(), QRect(282, 3 + 16 * i, 148, 15));
            z.Wert = Beschriftung(s, vor + QStringLiteral("Wert") + QString::number(i + 1), QString(),
                                  QRect(430, 3 + 16 * i, 128, 15));
            QLabel *b = z.Beschriftung;
            QLabel *w = z.Wert;
            b->setBuddy(w); // "Möglicher Schaden" is read as the caption of its value
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

void TBewertungsseiten::Zeigen(const TBewertung &b)
{
    // a page is the tab widget less its frame, also before the pages were first laid out
    const int seite = width() - 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this) - 2;
    auto zeilen = [seite](std::array<TErgebniszeile, 8> &ziel, const std::vector<TBewertungsZeile> &quelle) {
        for (size_t i = 0; i < ziel.size(); ++i) {
            const bool da = i < quelle.size() && quelle[i].Sichtbar;
            planeranzeige::Zeigen(ziel[i].Beschriftung, da);
            planeranzeige::Zeigen(ziel[i].Wert, da);
            if (!da)
                continue;
            Text(ziel[i].Beschriftung, quelle[i].Beschriftung);
            Text(ziel[i].Wert, quelle[i].Wert);
            ziel[i].Beschriftung->setToolTip(quelle[i].Hinweis);
            ziel[i].Wert->setToolTip(quelle[i].Hinweis);
        }
        // The values start after the widest caption and run to the page's edge, so that a
        // long value ("krit. Treffer unmöglich") and its difference in compare mode keep
        // the page's width.
        int beschriftung = 0;
        for (const TErgebniszeile &z : ziel)
            if (!z.Beschriftung->isHidden())
                beschriftung =
                    std::max(beschriftung,
                             z.Beschriftung->fontMetrics().horizontalAdvance(z.Beschriftung->text()) + 6);
        for (TErgebniszeile &z : ziel) {
            const int x = z.Beschriftung->x() + std::min(beschriftung, z.Beschriftung->width());
            z.Wert->setGeometry(x, z.Wert->y(), std::max(seite - x - 2, 10), z.Wert->height());
        }
    };
    if (b.Offensive.Berechnet)
        zeilen(m_offensiv, b.Offensive.Zeilen);
    zeilen(m_defensiv, b.Defensive.Zeilen);
}

TGegnerTexte TBewertungsseiten::GegnerTexte() const
{
    TGegnerTexte t;
    for (int i = 0; i < AnzahlGegnerFelder; ++i)
        t[i] = Gegner[i]->text();
    return t;
}

std::pair<bool, bool> TBewertungsseiten::GegnerFarbenZeigen()
{
    const TGegnerTexte t = GegnerTexte();
    const bool minFalsch = GegnerMinimumUngueltig(t);
    const bool maxFalsch = GegnerMaximumUngueltig(t);
    const QColor grund = parentWidget()->palette().color(QPalette::Active, QPalette::Base);
    for (int i = 0; i < AnzahlGegnerFelder; ++i) {
        const bool rot = (i == GfMinSchaden && minFalsch) || (i == GfMaxSchaden && maxFalsch);
        FeldFarbeSetzen(Gegner[i], rot ? HellrotFarbe : grund);
    }
    return {minFalsch, maxFalsch};
}

void TBewertungsseiten::VergleichZeigen(TVergleichsanzeige &a, const TVergleich &v)
{
    for (size_t i = 0; i < m_offensiv.size(); ++i) {
        a.Setzen(m_offensiv[i].Wert, v.Offensive[i]);
        a.Setzen(m_defensiv[i].Wert, v.Defensive[i]);
    }
}

bool TBewertungsseiten::eventFilter(QObject *objekt, QEvent *ereignis)
{
    // Leaving an opponent field whose text is not a number enters "0" (through its change
    // handler).
    if (ereignis->type() == QEvent::FocusOut)
        if (auto *feld = qobject_cast<QLineEdit *>(objekt)) {
            const QString t = feld->text();
            if (!KommazahlLesen(t) && !GanzzahlLesen(t))
                feld->setText(QStringLiteral("0"));
        }
    return false;
}

} // namespace mvt
