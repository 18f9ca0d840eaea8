#include "crafting/ui/Kostenblatt.h"

#include "base/Zahlen.h"
#include "crafting/Analyse.h"
#include "crafting/Detailauswertung.h"
#include "crafting/ui/Bausatzrechnerhilfen.h"
#include "ui/Einpassen.h"
#include "ui/Preiszeile.h"
#include "ui/Steuerelemente.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>

#include <algorithm>

namespace mvt {

using namespace bausatzrechner;

namespace {

const QColor Gruen(0x00, 0x80, 0x00);
const QColor Dunkelrot(0x80, 0x00, 0x00);

// Captions of the analysis table, top to bottom; the seventh is set by the profit.
const char16_t *const AnalyseBeschriftungen[] = {u"",
                                                 u"Marktwert:",
                                                 u"Herstellungsdauer:",
                                                 u"Herstellungskosten:",
                                                 u" - davon Zutaten:",
                                                 u" - davon Schichten:",
                                                 u"Verkaufserlös:",
                                                 u"Gewinn:",
                                                 u" - pro Stunde:"};

// Right edge of the analysis values.
constexpr int AnalyseRechts = 284;

// Names of a page's controls: page 1 plain, pages 2-4 with the page (and row) number.
QString Name(const char *basis, int k)
{
    return k == 1 ? QLatin1String(basis) : QLatin1String(basis) + QString::number(k);
}
QString Name(const char *basis, int k, int i)
{
    return k == 1 ? QLatin1String(basis) + QString::number(i)
                  : QLatin1String(basis) + QString::number(k) + u'_' + QString::number(i);
}

// A price as the gold field writes it.
double Gezeigt(double gold)
{
    return KommazahlLesen(GoldFormatieren(gold)).value_or(gold);
}

} // namespace

TKostenblatt::TKostenblatt(int seite, QWidget *eltern) : THintergrund(eltern), m_seite(seite)
{
    setObjectName(QStringLiteral("TabSheet2_%1").arg(seite));
    Steuerung.TabSheet = this;
}

void TKostenblatt::Anlegen()
{
    if (m_angelegt)
        return;
    m_angelegt = true;
    const int k = m_seite;
    TKostenseitenSteuerung &s = Steuerung;

    // A gold field shows the largest price, 7 digits and 2 decimals, whole; what it needs
    // beyond 64 pixels comes off the name before it.
    const int gold = std::max(64, Goldfeldbreite(this));
    const int mehr = gold - 64;
    auto goldfeld = [&](const QString &name, QRect ort, const QString &zugang) {
        auto *e = new QLineEdit(this);
        e->setObjectName(name);
        e->setGeometry(ort);
        e->setAccessibleName(zugang);
        return e;
    };
    auto alle = [&](const QString &name, int y, int art) {
        QToolButton *b = Textknopf(this, name, QStringLiteral("Alle anzeigen..."), {184, y, 100, 20});
        // Three buttons with one caption: the name says which prices they show.
        const char16_t *const was[] = {u"", u"Alle Verkaufspreise anzeigen", u"Alle Einkaufspreise anzeigen",
                                       u"Alle Gebäude anzeigen"};
        b->setAccessibleName(QString::fromUtf16(was[std::clamp(art, 1, 3)]));
        connect(b, &QToolButton::clicked, this, [this, k, art] { emit preisdialogGewuenscht(10 * k + art); });
        return b;
    };

    // Sale.
    s.LabelVerkaufspreis0 = Beschriftung(this, Name("LabelVerkaufspreis", k, 0),
                                         QStringLiteral("Verkaufspreise:"), {4, 4, 200, 16}, true);
    s.LabelVerkaufspreis1 =
        Beschriftung(this, Name("LabelVerkaufspreis", k, 1), QString(), {4, 24, 128 - mehr, 22});
    s.EditVerkaufspreisGold = goldfeld(Name("EditVerkaufspreisGold", k), {134 - mehr, 24, gold, 22},
                                       QStringLiteral("Verkaufspreis in Gold"));
    s.LabelVerkaufspreisGold =
        Beschriftung(this, Name("LabelVerkaufspreisGold", k), QStringLiteral("G"), {200, 24, 10, 22});
    s.SpinEditVerkaufspreisProzent =
        Zahlenfeld(this, Name("SpinEditVerkaufspreisProzent", k), 0, 999, 0, {212, 24, 54, 22},
                   QStringLiteral("Verkaufspreis in Prozent"));
    s.LabelVerkaufspreisProzent =
        Beschriftung(this, Name("LabelVerkaufspreisProzent", k), QStringLiteral("%"), {268, 24, 14, 22});
    s.LabelVerkaufspreis1->setBuddy(s.EditVerkaufspreisGold);
    s.SpeedButtonVerkaufspreis = alle(Name("SpeedButtonVerkaufspreis", k), 50, 1);
    s.Verkaufszeile = new TPreiszeile(s.EditVerkaufspreisGold, s.SpinEditVerkaufspreisProzent, this);
    s.Verkaufszeile->Speichern = [this](const QString &text) {
        return PreisSpeichern ? PreisSpeichern(true, m_daten.Verkauf.Name, text) : std::optional<int32_t>{};
    };

    // Buildings.
    s.LabelGebaeude0 =
        Beschriftung(this, Name("LabelGebaeude", k, 0), QStringLiteral("Gebäude:"), {4, 76, 200, 16}, true);
    s.LabelGebaeude1 = Beschriftung(this, Name("LabelGebaeude", k, 1),
                                    QStringLiteral("-kein Gebäude benötigt-"), {4, 96, 200, 22});
    s.ComboBoxGebaeude = new QComboBox(this);
    s.ComboBoxGebaeude->setObjectName(Name("ComboBoxGebaeude", k));
    s.ComboBoxGebaeude->setGeometry(4, 96, 128, 22);
    s.ComboBoxGebaeude->setAccessibleName(QStringLiteral("Gebäudestufe"));
    s.LabelGebaeude0->setBuddy(s.ComboBoxGebaeude); // read as the combo box's caption
    TagSetzen(s.ComboBoxGebaeude, 0);
    connect(s.ComboBoxGebaeude, &QComboBox::currentIndexChanged, this, [this](int index) {
        const int art = Tag(Steuerung.ComboBoxGebaeude);
        if (!m_fuellen && index >= 0 && art >= 1 && art <= AnzahlHandwerksgebaeude)
            emit gebaeudeStufeGeaendert(art, index + 1);
    });
    s.SpinEditGebaeude = Zahlenfeld(this, Name("SpinEditGebaeude", k), 0, 500, 25, {134, 96, 64, 22},
                                    QStringLiteral("Schichtkosten in Gold"));
    connect(s.SpinEditGebaeude, &QSpinBox::valueChanged, this, [this] {
        const int art = Tag(Steuerung.ComboBoxGebaeude);
        if (!m_fuellen && !Steuerung.SpinEditGebaeude->cleanText().isEmpty() && art >= 1 &&
            art <= AnzahlHandwerksgebaeude)
            emit schichtkostenGeaendert(art, Steuerung.SpinEditGebaeude->value());
    });
    // digits only (Zahlenfeld); an emptied shift cost returns to its value when left
    s.LabelGebaeudeGold =
        Beschriftung(this, Name("LabelGebaeudeGold", k), QStringLiteral("Gold"), {202, 96, 40, 22});
    s.SpeedButtonGebaeude = alle(Name("SpeedButtonGebaeude", k), 122, 3);

    // Purchases.
    s.LabelKosten0 = Beschriftung(this, Name("LabelKosten", k, 0), QStringLiteral("Einkaufspreise:"),
                                  {4, 148, 128, 16}, true);
    s.LabelKostenGold =
        Beschriftung(this, Name("LabelKostenGold", k), QStringLiteral("Gold"), {136 - mehr, 148, 60, 16});
    s.LabelKostenProzent =
        Beschriftung(this, Name("LabelKostenProzent", k), QStringLiteral("%"), {214, 148, 40, 16});
    for (int i = 1; i <= SichtbareEinkaufszeilen; ++i) {
        const int y = 166 + 24 * (i - 1);
        s.LabelKosten[i] = Beschriftung(this, Name("LabelKosten", k, i), QString(), {4, y, 128 - mehr, 22});
        s.EditKostenGold[i] = goldfeld(Name("EditKostenGold", k, i), {134 - mehr, y, gold, 22},
                                       QStringLiteral("Einkaufspreis %1 in Gold").arg(i));
        s.SpinEditKostenProzent[i] =
            Zahlenfeld(this, Name("SpinEditKostenProzent", k, i), 0, 999, 0, {212, y, 54, 22},
                       QStringLiteral("Einkaufspreis %1 in Prozent").arg(i));
        s.LabelKosten[i]->setBuddy(s.EditKostenGold[i]);
        s.Kostenzeile[i] = new TPreiszeile(s.EditKostenGold[i], s.SpinEditKostenProzent[i], this);
        s.Kostenzeile[i]->Speichern = [this, i](const QString &text) {
            const size_t zeile = static_cast<size_t>(i - 1);
            return PreisSpeichern && zeile < m_daten.Einkauf.size()
                       ? PreisSpeichern(false, m_daten.Einkauf[zeile].Name, text)
                       : std::optional<int32_t>{};
        };
    }
    s.SpeedButtonKosten = alle(Name("SpeedButtonKosten", k), 288, 2);

    // Analysis.
    s.LabelAnalyse0 = Beschriftung(this, Name("LabelAnalyse", k, 0), QStringLiteral("Analyse der Bauliste:"),
                                   {4, 316, 220, 16}, true);
    for (int i = 1; i <= 8; ++i) {
        const int y = 336 + 17 * (i - 1);
        s.LabelAnalyseStatic[i] = Beschriftung(this, Name("LabelAnalyseStatic", k, i),
                                               QString::fromUtf16(AnalyseBeschriftungen[i]), {4, y, 150, 16});
        s.LabelAnalyse[i] =
            Beschriftung(this, Name("LabelAnalyse", k, i), QString(), {156, y, AnalyseRechts - 156, 16});
        s.LabelAnalyseStatic[i]->setBuddy(s.LabelAnalyse[i]); // caption and value, for screen readers
    }
    s.SpeedButtonAnalyse = Textknopf(this, Name("SpeedButtonAnalyse", k),
                                     QStringLiteral("Detaillierte Übersicht"), {4, 478, 160, 20});
    connect(s.SpeedButtonAnalyse, &QToolButton::clicked, this,
            [this] { emit detailanalyseGewuenscht(m_seite); });

    // Children of a page already shown stay hidden until shown themselves.
    if (isVisible())
        for (QWidget *w : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            w->show();
}

QList<QWidget *> TKostenblatt::Felder() const
{
    QList<QWidget *> felder;
    for (QWidget *w : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if ((w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus)
            felder << w;
    return felder;
}

void TKostenblatt::Anzeigen(const TKostenseite &d)
{
    if (!m_angelegt)
        return;
    m_daten = d;
    TKostenseitenSteuerung &s = Steuerung;
    auto zeigen = [](TPreiszeile *zeile, const TPreiszeilenDaten &z) {
        zeile->ReferenzSetzen(z.Referenz);
        zeile->Anzeigen(Gezeigt(z.Gold));
    };

    m_fuellen = true;
    for (QWidget *w : std::initializer_list<QWidget *>{
             s.LabelVerkaufspreis0, s.LabelVerkaufspreis1, s.EditVerkaufspreisGold, s.LabelVerkaufspreisGold,
             s.SpinEditVerkaufspreisProzent, s.LabelVerkaufspreisProzent})
        w->show();
    s.SpeedButtonVerkaufspreis->setVisible(d.VerkaufAlle);
    TextEinpassen(s.LabelVerkaufspreis1, d.Verkauf.Name, 8);
    s.LabelVerkaufspreis1->setToolTip(d.Verkauf.Name);
    zeigen(s.Verkaufszeile, d.Verkauf);
    s.EditVerkaufspreisGold->setAccessibleName(d.Verkauf.Name + QStringLiteral(", Verkaufspreis in Gold"));
    s.SpinEditVerkaufspreisProzent->setAccessibleName(d.Verkauf.Name +
                                                      QStringLiteral(", Verkaufspreis in Prozent"));

    s.LabelGebaeude0->show();
    s.LabelGebaeude1->setVisible(!d.GebaeudeSichtbar);
    s.ComboBoxGebaeude->setVisible(d.GebaeudeSichtbar);
    s.SpinEditGebaeude->setVisible(d.GebaeudeSichtbar);
    s.LabelGebaeudeGold->setVisible(d.GebaeudeSichtbar);
    s.SpeedButtonGebaeude->setVisible(d.GebaeudeSichtbar && d.GebaeudeAlle);
    if (d.GebaeudeSichtbar) {
        s.ComboBoxGebaeude->clear();
        for (const QString &stufe : d.GebaeudeStufen)
            s.ComboBoxGebaeude->addItem(stufe);
        TagSetzen(s.ComboBoxGebaeude, d.GebaeudeArt);
        s.ComboBoxGebaeude->setCurrentIndex(d.StufeIndex);
        s.SpinEditGebaeude->setValue(d.Schichtkosten);
        s.ComboBoxGebaeude->setAccessibleName(
            QString::fromUtf16(HandwerksgebaeudeNamen[static_cast<size_t>(d.GebaeudeArt)]) +
            QStringLiteral(", Stufe"));
    }

    s.LabelKosten0->show();
    const int n = d.Zutaten;
    for (int i = 1; i <= SichtbareEinkaufszeilen; ++i) {
        // A row needs its data: a count above the rows handed over shows no row.
        const bool zeile = i <= n && static_cast<size_t>(i) <= d.Einkauf.size();
        s.LabelKosten[i]->setVisible(zeile || (i == 1 && n == 0));
        s.EditKostenGold[i]->setVisible(zeile);
        s.SpinEditKostenProzent[i]->setVisible(zeile);
        if (!zeile)
            continue;
        const TPreiszeilenDaten &z = d.Einkauf[static_cast<size_t>(i - 1)];
        s.LabelKosten[i]->setText(z.Name);
        s.LabelKosten[i]->setToolTip(z.Name);
        zeigen(s.Kostenzeile[i], z);
        s.EditKostenGold[i]->setAccessibleName(z.Name + QStringLiteral(", Einkaufspreis in Gold"));
        s.SpinEditKostenProzent[i]->setAccessibleName(z.Name + QStringLiteral(", Einkaufspreis in Prozent"));
    }
    if (n == 0) {
        s.LabelKosten[1]->setText(QStringLiteral("-keine Zutaten-"));
        s.LabelKosten[1]->setToolTip(QString());
    }
    s.LabelKostenGold->setVisible(n > 0);
    s.LabelKostenProzent->setVisible(n > 0);
    s.SpeedButtonKosten->setVisible(d.EinkaufAlle);
    m_fuellen = false;
}

void TKostenblatt::AnalyseAnzeigen(const TAnalyseErgebnis &a)
{
    if (!m_angelegt)
        return;
    TKostenseitenSteuerung &s = Steuerung;
    const std::array<QString, 8> werte = AnalyseWerteTexte(a);
    s.LabelAnalyse0->show();
    s.SpeedButtonAnalyse->show();
    for (int i = 1; i <= 8; ++i) {
        QLabel *wert = s.LabelAnalyse[i];
        wert->setText(werte[static_cast<size_t>(i - 1)]);
        // Values end at the right margin; their left edge follows the text.
        const int breite = wert->fontMetrics().horizontalAdvance(wert->text()) + 2;
        wert->setGeometry(AnalyseRechts - breite, wert->y(), breite, wert->height());
        wert->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        wert->show();
        s.LabelAnalyseStatic[i]->show();
    }
    // The duration caption gives way to a long duration text, in a narrower face so that
    // it still shows whole (its width measured in the captions' common font: its own may
    // be narrowed from before).
    QLabel *dauer = s.LabelAnalyseStatic[2];
    const QString beschriftung = QString::fromUtf16(AnalyseBeschriftungen[2]);
    const int ganz = QFontMetrics(s.LabelAnalyseStatic[1]->font()).horizontalAdvance(beschriftung) + 2;
    dauer->resize(std::min(s.LabelAnalyse[2]->x() - 8 - dauer->x(), ganz), dauer->height());
    TextEinpassen(dauer, beschriftung, 8);

    s.LabelAnalyseStatic[7]->setText(GewinnBeschriftung(a.Gewinn));
    QColor farbe;
    switch (GewinnFarbe(a.Gewinn)) {
    case TGewinnFarbe::Gruen:
        farbe = Gruen;
        break;
    case TGewinnFarbe::Dunkelrot:
        farbe = Dunkelrot;
        break;
    case TGewinnFarbe::Normal:
        break;
    }
    for (QLabel *l : {s.LabelAnalyseStatic[7], s.LabelAnalyseStatic[8], s.LabelAnalyse[7], s.LabelAnalyse[8]})
        Farbe(l, farbe);
}

void TKostenblatt::AnalyseLeeren()
{
    FelderVerbergen();
    AnalyseVerbergen();
}

void TKostenblatt::FelderVerbergen()
{
    if (!m_angelegt)
        return;
    const TKostenseitenSteuerung &s = Steuerung;
    for (QWidget *w :
         std::initializer_list<QWidget *>{s.EditVerkaufspreisGold, s.SpinEditVerkaufspreisProzent,
                                          s.SpeedButtonVerkaufspreis, s.ComboBoxGebaeude, s.SpinEditGebaeude,
                                          s.LabelGebaeudeGold, s.SpeedButtonGebaeude, s.SpeedButtonKosten})
        w->hide();
    for (int i = 1; i <= SichtbareEinkaufszeilen; ++i) {
        s.EditKostenGold[i]->hide();
        s.SpinEditKostenProzent[i]->hide();
    }
}

void TKostenblatt::AnalyseVerbergen()
{
    if (!m_angelegt)
        return;
    const TKostenseitenSteuerung &s = Steuerung;
    s.LabelAnalyse0->hide();
    s.SpeedButtonAnalyse->hide();
    for (int i = 1; i <= 8; ++i) {
        s.LabelAnalyse[i]->hide();
        s.LabelAnalyseStatic[i]->hide();
    }
}

} // namespace mvt
