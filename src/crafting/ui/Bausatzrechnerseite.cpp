#include "crafting/ui/Bausatzrechnerseite.h"

#include "base/Zahlen.h"
#include "crafting/Analyse.h"
#include "crafting/Detailauswertung.h"
#include "crafting/ui/Baulistenbereich.h"
#include "crafting/ui/Katalogbereich.h"
#include "crafting/ui/Lagerbereich.h"
#include "ui/Sitzung.h"
#include "ui/Zugang.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include <stdexcept>

namespace mvt {

TKostenseitenSteuerung &TKostenseitenZugang::operator[](size_t k) const
{
    if (k < 1 || k > static_cast<size_t>(AnzahlModi))
        throw std::out_of_range("Kostenseite");
    return m_seite.Blatt(k).Steuerung;
}

TBausatzrechnerSeite::TBausatzrechnerSeite(TSitzung &sitzung, const TKatalog &katalog,
                                           TCraftingZustand &crafting, QWidget *eltern)
    : QWidget(eltern), m_katalog(katalog), m_crafting(crafting), m_optionen(sitzung.Optionen())
{
    setObjectName(QStringLiteral("Bausatzrechnerseite"));
    resize(Breite, Hoehe);
    // Three columns of controls on 784 pixels: a compact font lets every caption fit.
    QFont schrift = font();
    schrift.setPixelSize(11);
    setFont(schrift);

    // In this order: it is the Tab order, and the build list lies above the item
    // browser's empty lower right corner.
    Katalogbereich = new TKatalogbereich(katalog, m_optionen, this);
    Lagerbereich = new TLagerbereich(katalog, crafting, {4, 490, 190, 64}, this);
    Baulistenbereich = new TBaulistenbereich(katalog, crafting, sitzung, this);
    KostenbereichAnlegen();

    const TKatalogbereich &k = *Katalogbereich;
    TreeView1 = k.TreeView1;
    LabelItem = k.LabelItem;
    LabelZutat = k.LabelZutat;
    LabelHerstellung = k.LabelHerstellung;
    LabelHerstellungSpezial = k.LabelHerstellungSpezial;
    LabelMarktwert = k.LabelMarktwert;
    SpeedButtonBauen = k.SpeedButtonBauen;
    RadioButtonBaumenge1 = k.RadioButtonBaumenge1;
    RadioButtonBaumenge2 = k.RadioButtonBaumenge2;
    LabelBaumenge1 = k.LabelBaumenge1;
    LabelBaumenge2 = k.LabelBaumenge2;
    SpinEditBaumenge1 = k.SpinEditBaumenge1;
    SpinEditBaumenge2 = k.SpinEditBaumenge2;
    const TBaulistenbereich &b = *Baulistenbereich;
    TreeView2 = b.TreeView2;
    SpinEditBaumenge3 = b.SpinEditBaumenge3;
    SpeedButtonLoeschen = b.SpeedButtonLoeschen;
    SpeedButtonBearbeiten = b.SpeedButtonBearbeiten;
    CheckBoxWirkungBerechnen = b.CheckBoxWirkungBerechnen;
    LabelWirkungBerechnen = b.LabelWirkungBerechnen;
    PopupMenuTextAnzeigen = b.PopupMenuTextAnzeigen;
    BaulistealsTextanzeigen1 = b.BaulistealsTextanzeigen1;
    CheckBoxLager = Lagerbereich->CheckBoxLager;
    SpeedButtonLager = Lagerbereich->SpeedButtonLager;
    SpeedButtonEinkaufsliste = Lagerbereich->SpeedButtonEinkaufsliste;
    CheckBoxLager->setChecked(crafting.LagerBeruecksichtigen);
    connect(Lagerbereich, &TLagerbereich::lagerUmgeschaltet, this, [this](bool an) {
        m_crafting.LagerBeruecksichtigen = an;
        AllesNeuBerechnen();
    });
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
    connect(Baulistenbereich, &TBaulistenbereich::geaendert, this, &TBausatzrechnerSeite::AllesNeuBerechnen);
    connect(Baulistenbereich, &TBaulistenbereich::wirkungGeaendert, this,
            &TBausatzrechnerSeite::AnalyseNeuBerechnen);
    connect(Baulistenbereich, &TBaulistenbereich::exportGewuenscht, this, [this] {
        if (ExportOeffnen)
            ExportOeffnen();
    });
    connect(Baulistenbereich, &TBaulistenbereich::mengendialogGewuenscht, this, [this] {
        if (MengendialogOeffnen)
            MengendialogOeffnen(DialogFestlegen);
    });

    // The recipe rules, the prices, the potency switch or the build list changed
    // elsewhere; the session has computed the list and the stock already.
    connect(&sitzung, &TSitzung::craftingweltGeaendert, this, &TBausatzrechnerSeite::ItemDetailsAnzeigen);
    connect(&sitzung, &TSitzung::preiseGeaendert, this, &TBausatzrechnerSeite::Neuberechnen);
    connect(&sitzung, &TSitzung::baulisteGeaendert, this, &TBausatzrechnerSeite::BaulisteZeigen);
    connect(&sitzung, &TSitzung::lagerGeaendert, this, [this] {
        if (m_crafting.LagerBeruecksichtigen)
            ErgebnisseZeigen();
    });
    // Unblocked: switched by the options, the analysis follows as after a click.
    connect(&sitzung, &TSitzung::optionenGeaendert, this,
            [this](const TOptionen &o) { CheckBoxWirkungBerechnen->setChecked(o.CalcPotency); });
}

void TBausatzrechnerSeite::KostenbereichAnlegen()
{
    // The page control's tabs as a block of two by two buttons, because the four captions
    // do not fit beside each other.
    PageControl2Knoepfe = new QButtonGroup(this);
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
        connect(blatt, &TKostenblatt::gebaeudeStufeGeaendert, this, [this](int art, int stufe) {
            m_crafting.Handwerksgebaeude[static_cast<size_t>(art)].Stufe = stufe;
            AnalyseNeuBerechnen();
        });
        connect(blatt, &TKostenblatt::schichtkostenGeaendert, this, [this](int art, int32_t kosten) {
            m_crafting.Handwerksgebaeude[static_cast<size_t>(art)].Schichtkosten = kosten;
            AnalyseNeuBerechnen();
        });
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
    if (m_crafting.Bauliste.Leer())
        blatt.AnalyseLeeren();
    else
        blatt.AnalyseAnzeigen(m_crafting.Analyse[k]);
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

void TBausatzrechnerSeite::BaulisteAnzeigen()
{
    Baulistenbereich->Anzeigen();
}

void TBausatzrechnerSeite::BaulisteGeaendert()
{
    Baulistenbereich->Anzeigen();
    Baulistenbereich->Bearbeitungsknoepfe();
    AllesNeuBerechnen();
}

void TBausatzrechnerSeite::BaulisteZeigen()
{
    Baulistenbereich->Anzeigen();
    Baulistenbereich->Bearbeitungsknoepfe();
    ErgebnisseZeigen();
}

void TBausatzrechnerSeite::ErgebnisseZeigen()
{
    if (m_crafting.Bauliste.Leer()) {
        AnalyseLeeren();
        return;
    }
    KostenseitenAufbauen();
    AnalyseAnzeigen();
}

void TBausatzrechnerSeite::Hinzufuegen(const QString &name, int64_t stueck)
{
    if (ZurBaulisteHinzufuegen(m_katalog, m_crafting.Bauliste, name, stueck) == TAenderung::Keine)
        return;
    BaulisteAnzeigen();
    AllesNeuBerechnen();
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
        if (!SpeedButtonBauen->isEnabled() || n <= 0 ||
            ZurBaulisteHinzufuegen(m_katalog, m_crafting.Bauliste, name, stueck) == TAenderung::Keine)
            return;
        BaulisteAnzeigen();
    } else {
        if (!SpeedButtonLoeschen->isEnabled())
            return;
        if (!Baulistenbereich->AenderungZeigen(MengeFestlegen(m_katalog, m_crafting.Bauliste, name, stueck)))
            return;
    }
    AllesNeuBerechnen();
}

// ---------------------------------------------------------------- recomputation and cost pages

void TBausatzrechnerSeite::AllesNeuBerechnen()
{
    if (!mvt::AllesNeuBerechnen(m_katalog, m_optionen, m_crafting)) {
        AnalyseLeeren();
        return;
    }
    KostenseitenAufbauen();
    AnalyseAnzeigen();
}

void TBausatzrechnerSeite::LagerGeaendert()
{
    if (m_crafting.LagerBeruecksichtigen)
        AllesNeuBerechnen();
}

void TBausatzrechnerSeite::Neuberechnen()
{
    AllesNeuBerechnen();
}

void TBausatzrechnerSeite::AnalyseNeuBerechnen()
{
    BerechneAnalyse(m_katalog, m_optionen, m_crafting);
    AnalyseAnzeigen();
}

std::optional<int32_t> TBausatzrechnerSeite::PreisSpeichern(bool verkauf, const QString &name,
                                                            const QString &text)
{
    const std::optional<int32_t> p = verkauf ? VerkaufspreisSetzen(m_katalog, m_crafting, name, text)
                                             : EinkaufspreisSetzen(m_katalog, m_crafting, name, text);
    if (p && !m_fuellen)
        AnalyseNeuBerechnen();
    return p;
}

void TBausatzrechnerSeite::KostenseitenAufbauen()
{
    if (m_crafting.Bauliste.Leer())
        return;
    m_seiten = KostenseitenBestimmen(m_katalog, m_crafting);
    const std::array<TKostenseite, AnzahlModi + 1> &seiten = *m_seiten;
    bool gespeichert = false;
    // A stored price with more decimals than the gold field writes becomes the shown value,
    // as if it had been typed.
    auto runden = [&](const TPreiszeilenDaten &z, bool verkauf) {
        const QString text = GoldFormatieren(z.Gold);
        if (KommazahlLesen(text).value_or(z.Gold) != z.Gold) {
            PreisSpeichern(verkauf, z.Name, text);
            gespeichert = true;
        }
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
    if (gespeichert)
        BerechneAnalyse(m_katalog, m_optionen, m_crafting);
}

void TBausatzrechnerSeite::AnalyseAnzeigen()
{
    Lagerbereich->LagerwertAnzeigen(PageControl2->currentIndex() + 1);
    for (int k = 1; k <= AnzahlModi; ++k)
        Kostenblatt[static_cast<size_t>(k)]->AnalyseAnzeigen(m_crafting.Analyse[static_cast<size_t>(k)]);
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
