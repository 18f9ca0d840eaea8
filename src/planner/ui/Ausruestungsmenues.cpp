#include "planner/ui/Ausruestungsmenues.h"

#include "planner/ui/CharakterPlanerSeite.h"
#include "planner/ui/Optimiererfenster.h"

#include <QMenu>

namespace mvt {

using namespace planer;

namespace {

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

} // namespace

TAusruestungsmenues::TAusruestungsmenues(TCharakterPlanerSeite &seite) : QObject(&seite), m_seite(seite)
{
    // The filling is connected before anyone else binds the menus, so that whoever looks at
    // the entries when a menu opens finds them made.
    for (int m = 0; m < AnzahlMenues; ++m) {
        auto *menue = new QMenu(&seite);
        menue->setObjectName(QLatin1String(MenueNamen[m]));
        connect(menue, &QMenu::aboutToShow, this, [this, m] { Fuellen(m); });
        m_seite.WasWaereWennAnbinden(menue);
        m_menue[m] = menue;
    }
    m_verzauberungen = new QMenu(&seite);
    m_verzauberungen->setObjectName(QStringLiteral("PopupMenuVerzauberungen"));
    connect(m_verzauberungen, &QMenu::aboutToShow, this, &TAusruestungsmenues::VerzauberungenFuellen);
}

QList<QMenu *> TAusruestungsmenues::Alle() const
{
    QList<QMenu *> r;
    for (QMenu *m : m_menue)
        r.append(m);
    r.append(m_verzauberungen);
    return r;
}

void TAusruestungsmenues::EintragHinweisSetzen(QAction *a, int m) const
{
    a->setStatusTip(MenueHinweis(m_seite.Katalog(), static_cast<TMenue>(m), a->data().toString()));
    a->setProperty("HinweisHtml", QVariant());
}

void TAusruestungsmenues::HinweiseSetzen()
{
    m_hinweise = true;
    for (int m = 0; m < AnzahlMenues; ++m)
        if (m_gefuellt[m])
            for (QAction *a : m_menue[m]->findChildren<QAction *>())
                if (a->data().isValid())
                    EintragHinweisSetzen(a, m);
}

void TAusruestungsmenues::Anlegen()
{
    for (int m = 0; m < AnzahlMenues; ++m)
        Fuellen(m);
    VerzauberungenFuellen();
}

void TAusruestungsmenues::Fuellen(int m)
{
    if (m < 0 || m >= AnzahlMenues || m_gefuellt[m])
        return;
    m_gefuellt[m] = true;
    QMenu *menue = m_menue[m];
    const TSlot s = SlotVonMenue(m);
    TCharakterPlanerSeite *seite = &m_seite;
    auto eintrag = [this, seite, s, m](QMenu *ziel, const QString &text) {
        QAction *a = ziel->addAction(text);
        a->setData(text);
        a->setProperty("Slot", static_cast<int>(s));
        a->setProperty("Menue", m);
        if (m_hinweise)
            EintragHinweisSetzen(a, m);
        connect(a, &QAction::triggered, seite, [seite, s, text] { seite->MenueEintragGewaehlt(s, text); });
    };
    for (const TMenueGruppe &g : MenueGruppen(static_cast<TMenue>(m))) {
        QMenu *ziel = menue;
        if (!g.Titel.isEmpty()) {
            ziel = menue->addMenu(g.Titel);
            ziel->setObjectName(QLatin1String(MenueNamen[m]) + QStringLiteral("_") + g.Titel);
            m_seite.WasWaereWennAnbinden(ziel);
        }
        for (const QString &e : g.Eintraege)
            eintrag(ziel, e);
    }
    menue->addSeparator();
    eintrag(menue, NichtsEintrag);
}

void TAusruestungsmenues::VerzauberungenFuellen()
{
    if (m_verzauberungenGefuellt)
        return;
    m_verzauberungenGefuellt = true;
    TCharakterPlanerSeite *seite = &m_seite;
    for (const TVerzauberungsGruppe &g : VerzauberungsMenue()) {
        if (g.Titel.isEmpty()) {
            m_verzauberungen->addSeparator();
            continue;
        }
        QMenu *u = m_verzauberungen->addMenu(g.Titel);
        for (const QString &e : g.Eintraege) {
            QAction *a = u->addAction(e);
            connect(a, &QAction::triggered, seite, [seite, e] { seite->VerzauberungGewaehlt(e); });
        }
    }
    m_verzauberungen->addSeparator();
    QAction *keine = m_verzauberungen->addAction(KeineVerzauberungEintrag);
    connect(keine, &QAction::triggered, seite,
            [seite] { seite->VerzauberungGewaehlt(KeineVerzauberungEintrag); });
}

} // namespace mvt
