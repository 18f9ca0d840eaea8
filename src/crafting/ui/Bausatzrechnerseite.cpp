#include "crafting/ui/Bausatzrechnerseite.h"

#include "base/Zahlen.h"
#include "crafting/Analyse.h"
#include "crafting/CraftingSitzung.h"
#include "crafting/Detailauswertung.h"
#include "crafting/ui/Baulistenbereich.h"
#include "crafting/ui/Katalogbereich.h"
#include "crafting/ui/Lagerbereich.h"
#include "ui/Sitzung.h"
#include "ui/Zugang.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QScopedValueRollback>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

namespace mvt {

TBausatzrechnerSeite::TBausatzrechnerSeite(TSitzung &sitzung, TCraftingSitzung &crafting, QWidget *eltern)
    : QWidget(eltern), m_crafting(crafting), m_zustand(crafting.Zustand()), m_katalog(crafting.Katalog()),
      m_optionen(sitzung.Optionen())
{
    setObjectName(QStringLiteral("Bausatzrechnerseite"));
    resize(Breite, Hoehe);
    // Three columns of controls on 784 pixels: a compact font lets every caption fit.
    QFont schrift = font();
    schrift.setPixelSize(11);
    setFont(schrift);

    // In this order: it is the Tab order, and the build list lies above the item
    // browser's empty lower right corner.
    Katalogbereich = new TKatalogbereich(m_katalog, m_optionen, this);
    Lagerbereich = new TLagerbereich(m_katalog, m_zustand, {4, 490, 190, 64}, this);
    Baulistenbereich = new TBaulistenbereich(crafting, sitzung, this);
    KostenbereichAnlegen();

    Lagerbereich->CheckBoxLager->setChecked(m_zustand.LagerBeruecksichtigen);
    connect(Lagerbereich, &TLagerbereich::lagerUmgeschaltet, &crafting,
            &TCraftingSitzung::LagerBeruecksichtigenSetzen);
    connect(Lagerbereich, &TLagerbereich::lagerGewuenscht, this, [this] {
        if (LagerOeffnen)
            LagerOeffnen();
    });
    connect(Lagerbereich, &TLagerbereich::einkaufslisteGewuenscht, this, [this] {
        if (EinkaufslisteOeffnen)
            EinkaufslisteOeffnen(PageControl2->currentIndex() + 1);
    });

    connect(Katalogbereich, &TKatalogbereich::hinzufuegen, this,
            [this](const QString &name, qint64 stueck, bool strgKlick) {
                if (strgKlick)
                    Baulistenbereich->OhneStrg([&] { Hinzufuegen(name, stueck); });
                else
                    Hinzufuegen(name, stueck);
            });
    connect(Katalogbereich, &TKatalogbereich::mengendialogGewuenscht, this, [this] {
        if (MengendialogOeffnen)
            MengendialogOeffnen(DialogHinzufuegen);
    });
    connect(Baulistenbereich, &TBaulistenbereich::wirkungGeaendert, &crafting,
            &TCraftingSitzung::AnalyseNeuBerechnen);
    connect(Baulistenbereich, &TBaulistenbereich::exportGewuenscht, this, [this] {
        if (ExportOeffnen)
            ExportOeffnen();
    });
    connect(Baulistenbereich, &TBaulistenbereich::mengendialogGewuenscht, this, [this] {
        if (MengendialogOeffnen)
            MengendialogOeffnen(DialogFestlegen);
    });

    // The recipe rules, the prices, the potency switch, the build list or the stock
    // changed, here or elsewhere; the crafting part has computed the figures already. The
    // build list area follows the list itself.
    connect(&sitzung, &TSitzung::craftingweltGeaendert, this, &TBausatzrechnerSeite::ItemDetailsAnzeigen);
    connect(&crafting, &TCraftingSitzung::baulisteGeaendert, this, &TBausatzrechnerSeite::ErgebnisseZeigen);
    connect(&crafting, &TCraftingSitzung::preiseGeaendert, this, [this] {
        if (!m_eigenePreise)
            ErgebnisseZeigen();
    });
    connect(&crafting, &TCraftingSitzung::analyseGeaendert, this, [this] {
        if (!m_zustand.Bauliste.Leer())
            AnalyseAnzeigen();
    });
    connect(&crafting, &TCraftingSitzung::lagerGeaendert, this, [this] {
        if (m_zustand.LagerBeruecksichtigen)
            ErgebnisseZeigen();
    });
    connect(&crafting, &TCraftingSitzung::lagerBeruecksichtigenGeaendert, this, [this](bool an) {
        const QSignalBlocker sperre(Lagerbereich->CheckBoxLager);
        Lagerbereich->CheckBoxLager->setChecked(an);
        ErgebnisseZeigen();
    });
    // Unblocked: switched by the options, the analysis follows as after a click.
    connect(&sitzung, &TSitzung::optionenGeaendert, this, [this](const TOptionen &o) {
        Baulistenbereich->CheckBoxWirkungBerechnen->setChecked(o.CalcPotency);
    });
}

void TBausatzrechnerSeite::KostenbereichAnlegen()
{
    // The page control's tabs as a block of two by two buttons, because the four captions
    // do not fit beside each other.
    PageControl2Knoepfe = new QButtonGroup(this);
    PageControl2Knoepfe->setObjectName(QStringLiteral("PageControl2Knoepfe"));
    PageControl2Knoepfe->setExclusive(true);
    PageControl2 = new QTabWidget(this);
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    PageControl2->setGeometry(486, 54, 294, 498);
    PageControl2->tabBar()->hide();
    // The hidden tab bar is the page control's focus proxy: Tab would end there.
    PageControl2->setFocusPolicy(Qt::NoFocus);
    PageControl2->tabBar()->setFocusPolicy(Qt::NoFocus);
    PageControl2->setDocumentMode(true);
    for (int k = 1; k <= AnzahlModi; ++k) {
        auto *knopf = new QToolButton(this);
        knopf->setObjectName(QStringLiteral("PageControl2Seite%1").arg(k));
        knopf->setText(ProduktionsmodusName(k));
        knopf->setAccessibleName(knopf->text());
        knopf->setCheckable(true);
        // One of four, read as radio buttons; Tab lands on the checked one.
        knopf->setAutoExclusive(true);
        AlsAuswahlknopf(knopf);
        QFont klein = knopf->font();
        klein.setPixelSize(10);
        knopf->setFont(klein);
        knopf->setGeometry(486 + 148 * ((k - 1) % 2), 4 + 25 * ((k - 1) / 2), 146, 23);
        PageControl2Knoepfe->addButton(knopf, k - 1);
    }
    // After the four buttons, so that the tab order reaches them before the page's fields.
    for (int k = 1; k <= AnzahlModi; ++k) {
        auto *blatt = new TKostenblatt(k);
        PageControl2->addTab(blatt, ProduktionsmodusName(k));
        Kostenblatt[static_cast<size_t>(k)] = blatt;
        blatt->PreisSpeichern = [this](bool verkauf, const QString &name, const QString &text) {
            return PreisSpeichern(verkauf, name, text);
        };
        connect(blatt, &TKostenblatt::preisdialogGewuenscht, this, [this](int tag) {
            if (PreisdialogOeffnen)
                PreisdialogOeffnen(tag);
        });
        connect(blatt, &TKostenblatt::detailanalyseGewuenscht, this, [this](int seite) {
            if (DetailanalyseOeffnen)
                DetailanalyseOeffnen(seite);
        });
        connect(blatt, &TKostenblatt::gebaeudeStufeGeaendert, this,
                [this](int art, int stufe) { GebaeudeSpeichern(art, stufe, std::nullopt); });
        connect(blatt, &TKostenblatt::schichtkostenGeaendert, this,
                [this](int art, int32_t kosten) { GebaeudeSpeichern(art, std::nullopt, kosten); });
    }
    // Every page, the first included, gets its controls when first shown (Blatt): with an
    // empty build list the page control is hidden, and the start builds none of them.
    PageControl2Knoepfe->button(0)->setChecked(true);
    // The checked state, not the click: a screen reader's toggle action switches too.
    connect(PageControl2Knoepfe, &QButtonGroup::idToggled, this, [this](int seite, bool an) {
        if (an)
            PageControl2->setCurrentIndex(seite);
    });
    connect(PageControl2, &QTabWidget::currentChanged, this, [this](int seite) {
        if (seite >= 0 && seite < AnzahlModi)
            Blatt(static_cast<size_t>(seite) + 1);
        if (QAbstractButton *b = PageControl2Knoepfe->button(seite))
            b->setChecked(true);
        KostenseitenAufbauen();
        Lagerbereich->LagerwertAnzeigen(seite + 1);
    });
}

TKostenblatt &TBausatzrechnerSeite::Blatt(size_t k)
{
    TKostenblatt &blatt = *Kostenblatt.at(k);
    if (blatt.Angelegt())
        return blatt;
    blatt.Anlegen();
    // Made after the rest of the window, the fields would come last in the Tab order: they
    // go back after the fields of the page before.
    QWidget *vorher = nullptr;
    for (size_t j = k - 1; j >= 1 && !vorher; --j)
        if (Kostenblatt[j]->Angelegt() && !Kostenblatt[j]->Felder().isEmpty())
            vorher = Kostenblatt[j]->Felder().last();
    // The first page made: its fields follow the page buttons.
    if (!vorher)
        vorher = PageControl2Knoepfe->buttons().last();
    for (QWidget *feld : blatt.Felder()) {
        if (vorher)
            QWidget::setTabOrder(vorher, feld);
        vorher = feld;
    }
    StandZeigen(blatt);
    return blatt;
}

void TBausatzrechnerSeite::StandZeigen(TKostenblatt &blatt)
{
    const size_t k = static_cast<size_t>(blatt.Seite());
    if (m_seiten) {
        const bool fuellen = m_fuellen;
        m_fuellen = true;
        blatt.Anzeigen((*m_seiten)[k]);
        m_fuellen = fuellen;
    }
    if (m_zustand.Bauliste.Leer())
        blatt.AnalyseLeeren();
    else
        blatt.AnalyseAnzeigen(m_zustand.Analyse[k]);
}

QList<QMenu *> TBausatzrechnerSeite::PopupMenues() const
{
    return {Baulistenbereich->PopupMenuTextAnzeigen};
}

void TBausatzrechnerSeite::Aufbauen()
{
    Katalogbereich->KatalogAufbauen();
    DetailsVerbergen();
    AnalyseLeeren();
}

void TBausatzrechnerSeite::DetailsVerbergen()
{
    Katalogbereich->DetailsVerbergen();
}

void TBausatzrechnerSeite::ItemDetailsAnzeigen()
{
    Katalogbereich->ItemDetailsAnzeigen();
}

void TBausatzrechnerSeite::ErgebnisseZeigen()
{
    if (m_zustand.Bauliste.Leer()) {
        AnalyseLeeren();
        return;
    }
    KostenseitenAufbauen();
    AnalyseAnzeigen();
}

void TBausatzrechnerSeite::Hinzufuegen(const QString &name, int64_t stueck)
{
    m_crafting.Hinzufuegen(name, stueck);
}

TSammelEintrag TBausatzrechnerSeite::MengendialogItem(int modus) const
{
    return modus == DialogFestlegen ? Baulistenbereich->Auswahl() : Katalogbereich->Auswahl();
}

void TBausatzrechnerSeite::MengendialogBestaetigt(int modus, int64_t n)
{
    if (modus != DialogHinzufuegen && modus != DialogFestlegen)
        return;
    const TSammelEintrag item = MengendialogItem(modus);
    if (item.Art == ArtKeine)
        return;
    const QString name = KnotenName(m_katalog, item.Art, item.Index);
    const int64_t stueck = n * Einheit(m_katalog, item.Art, item.Index);
    if (modus == DialogHinzufuegen) {
        if (Katalogbereich->SpeedButtonBauen->isEnabled() && n > 0)
            Hinzufuegen(name, stueck);
    } else if (Baulistenbereich->SpeedButtonLoeschen->isEnabled()) {
        Baulistenbereich->MengeAendern(name, stueck);
    }
}

// ---------------------------------------------------------------- recomputation and cost pages

std::optional<int32_t> TBausatzrechnerSeite::PreisSpeichern(bool verkauf, const QString &name,
                                                            const QString &text)
{
    std::optional<int32_t> p;
    {
        const QScopedValueRollback eigene(m_eigenePreise, true);
        p = m_crafting.PreisSetzen(verkauf, name, text);
    }
    // The rows keep what is typed in them; only the figures follow.
    if (p && !m_fuellen)
        AnalyseAnzeigen();
    return p;
}

void TBausatzrechnerSeite::GebaeudeSpeichern(int art, std::optional<int32_t> stufe,
                                             std::optional<int32_t> schichtkosten)
{
    if (art < 1 || art > AnzahlHandwerksgebaeude)
        return;
    const TVorhandeneHandwerksgebaeude &h = m_zustand.Handwerksgebaeude[static_cast<size_t>(art)];
    {
        const QScopedValueRollback eigene(m_eigenePreise, true);
        m_crafting.GebaeudeSetzen(art, stufe.value_or(h.Stufe), schichtkosten.value_or(h.Schichtkosten));
    }
    AnalyseAnzeigen();
}

void TBausatzrechnerSeite::KostenseitenAufbauen()
{
    if (m_zustand.Bauliste.Leer())
        return;
    m_seiten = KostenseitenBestimmen(m_katalog, m_zustand);
    const std::array<TKostenseite, AnzahlModi + 1> &seiten = *m_seiten;
    // A stored price with more decimals than the gold field writes becomes the shown value,
    // as if it had been typed.
    auto runden = [&](const TPreiszeilenDaten &z, bool verkauf) {
        const QString text = GoldFormatieren(z.Gold);
        if (KommazahlLesen(text).value_or(z.Gold) != z.Gold)
            PreisSpeichern(verkauf, z.Name, text);
    };

    m_fuellen = true;
    for (int k = 1; k <= AnzahlModi; ++k) {
        const TKostenseite &d = seiten[static_cast<size_t>(k)];
        runden(d.Verkauf, true);
        const size_t zeilen = std::min<size_t>(static_cast<size_t>(std::max(d.Zutaten, 0)),
                                               std::min<size_t>(SichtbareEinkaufszeilen, d.Einkauf.size()));
        for (size_t i = 0; i < zeilen; ++i)
            runden(d.Einkauf[i], false);
        Kostenblatt[static_cast<size_t>(k)]->Anzeigen(d);
    }
    m_fuellen = false;
}

void TBausatzrechnerSeite::AnalyseAnzeigen()
{
    Lagerbereich->LagerwertAnzeigen(PageControl2->currentIndex() + 1);
    for (int k = 1; k <= AnzahlModi; ++k)
        Kostenblatt[static_cast<size_t>(k)]->AnalyseAnzeigen(m_zustand.Analyse[static_cast<size_t>(k)]);
    // The page about to show, made now if it was not: it takes what the others show.
    Blatt(static_cast<size_t>(PageControl2->currentIndex()) + 1);
    if (PageControl2->isHidden()) {
        PageControl2->show();
        for (QAbstractButton *b : PageControl2Knoepfe->buttons())
            b->show();
        update();
    }
}

void TBausatzrechnerSeite::AnalyseLeeren()
{
    Lagerbereich->LagerwertAnzeigen(PageControl2->currentIndex() + 1);
    PageControl2->hide();
    for (QAbstractButton *b : PageControl2Knoepfe->buttons())
        b->hide();
    for (int k = 1; k <= AnzahlModi; ++k)
        Kostenblatt[static_cast<size_t>(k)]->AnalyseLeeren();
}

} // namespace mvt
