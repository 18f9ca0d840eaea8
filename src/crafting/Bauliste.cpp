#include "crafting/Bauliste.h"

#include "base/Meldung.h"
#include "base/Zahlen.h"

#include <limits>

namespace mvt {

namespace {

const QString KategorieFehler =
    QStringLiteral("Fehler in Unit4.ZutatenBaumAnlegen. Ungültige Item-Kategorie!");

bool IstFoerderbar(uint8_t kategorie)
{
    return kategorie >= 1 && kategorie <= 3;
}

bool IstZukaufRohstoff(uint8_t kategorie)
{
    return kategorie >= 4 && kategorie <= 8;
}

// A recipe's output quantity as a divisor; a broken row must not divide by zero.
double Ausbeute(int32_t menge)
{
    return menge > 0 ? static_cast<double>(menge) : 1.0;
}

TBaulistenKnoten &KindAnhaengen(TBaulistenKnoten &n, uint8_t art, int32_t index, double menge, int32_t platz)
{
    TBaulistenKnoten kind;
    kind.Art = art;
    kind.Index = index;
    kind.Menge = menge;
    kind.Slot = platz;
    n.Kinder.push_back(std::move(kind));
    return n.Kinder.back();
}

int EintragPosition(const TBauliste &b, uint8_t art, int32_t index)
{
    for (int i = 0; i < b.Anzahl(); ++i) {
        const TBaulistenKnoten &e = b.Eintraege[static_cast<size_t>(i)];
        if (e.Art == art && e.Index == index)
            return i;
    }
    return -1;
}

// The entry named by a text, or -1.
int EintragZuName(const TKatalog &k, const TBauliste &b, const QString &name)
{
    const TItemRef ref = ItemSuchen(k, name);
    const uint8_t art = KnotenartAusTabellencode(ref.Tabellencode);
    if (art == ArtKeine)
        return -1;
    return EintragPosition(b, art, ref.Index);
}

TAenderung Loeschen(TBauliste &b, int position)
{
    b.Aktuell = position;
    EintragLoeschen(b);
    return TAenderung::Geloescht;
}

} // namespace

uint8_t KnotenartAusTabellencode(uint8_t tabellencode)
{
    switch (tabellencode) {
    case TabelleRohstoff:
        return ArtRohstoff;
    case TabelleZutat:
        return ArtZutat;
    case TabelleWare:
        return ArtWare;
    case TabelleGebaeude:
        return ArtGebaeude;
    default:
        return ArtKeine;
    }
}

QString KnotenName(const TKatalog &k, uint8_t art, int32_t index)
{
    switch (art) {
    case ArtRohstoff:
        if (const TRohstoff *r = Rohstoff(k, index))
            return r->Name;
        break;
    case ArtZutat:
        if (const TZutat *z = Zutat(k, index))
            return z->Name;
        break;
    case ArtWare:
        if (const TWare *w = Ware(k, index))
            return w->Name;
        break;
    case ArtGebaeude:
        if (const TGebaeude *g = Gebaeude(k, index))
            return g->Name;
        break;
    default:
        break;
    }
    return FehlerName;
}

int32_t Einheit(const TKatalog &k, uint8_t art, int32_t index)
{
    int32_t e = 1;
    switch (art) {
    case ArtRohstoff:
        if (const TRohstoff *r = Rohstoff(k, index); r && IstFoerderbar(r->Kategorie) && r->Stufe >= 0 &&
                                                     r->Stufe < static_cast<int32_t>(FoerderMenge.size()))
            e = FoerderMenge[static_cast<size_t>(r->Stufe)];
        break;
    case ArtZutat:
        if (const TZutat *z = Zutat(k, index))
            e = z->Menge;
        break;
    case ArtWare:
        if (const TWare *w = Ware(k, index))
            e = w->Menge;
        break;
    default:
        break;
    }
    return e >= 1 ? e : 1;
}

void ZutatenBaumAnlegen(const TKatalog &k, TBaulistenKnoten &n)
{
    n.Kinder.clear();
    switch (n.Art) {
    case ArtRohstoff: {
        const TRohstoff *r = Rohstoff(k, n.Index);
        if (!r || (!IstFoerderbar(r->Kategorie) && !IstZukaufRohstoff(r->Kategorie))) {
            MeldungZeigen(KategorieFehler);
            return;
        }
        // A bought material carries itself as the marker that it is bought.
        if (IstZukaufRohstoff(r->Kategorie))
            KindAnhaengen(n, ArtRohstoff, n.Index, n.Menge, -1);
        return;
    }
    case ArtZutat: {
        const TZutat *z = Zutat(k, n.Index);
        if (!z) {
            MeldungZeigen(KategorieFehler);
            return;
        }
        for (int s = 0; s < static_cast<int>(z->Zutaten.size()); ++s) {
            const TZutatenEintrag &platz = z->Zutaten[static_cast<size_t>(s)];
            if (platz.Anzahl == -1)
                break;
            const TItemRef ref = ItemSuchen(k, platz.Name);
            if (ref.Tabellencode != TabelleRohstoff)
                continue;
            TBaulistenKnoten &kind =
                KindAnhaengen(n, ArtRohstoff, ref.Index, n.Menge / Ausbeute(z->Menge) * platz.Anzahl, s);
            ZutatenBaumAnlegen(k, kind);
        }
        return;
    }
    case ArtWare: {
        const TWare *w = Ware(k, n.Index);
        if (!w) {
            MeldungZeigen(KategorieFehler);
            return;
        }
        const int anzahlPlaetze = AnzahlZutaten(k, n.Index);
        for (int s = 0; s < anzahlPlaetze; ++s) {
            const TZutatenEintrag &platz = w->Zutaten[static_cast<size_t>(s)];
            const TItemRef ref = ItemSuchen(k, platz.Name);
            if (ref.Tabellencode != TabelleRohstoff && ref.Tabellencode != TabelleZutat)
                continue;
            TBaulistenKnoten &kind = KindAnhaengen(n, KnotenartAusTabellencode(ref.Tabellencode), ref.Index,
                                                   n.Menge / Ausbeute(w->Menge) * platz.Anzahl, s);
            ZutatenBaumAnlegen(k, kind);
        }
        return;
    }
    case ArtGebaeude: {
        const TGebaeude *g = Gebaeude(k, n.Index);
        if (!g) {
            MeldungZeigen(KategorieFehler);
            return;
        }
        const int anzahlPlaetze = AnzahlBauteile(k, n.Index);
        for (int s = 0; s < anzahlPlaetze; ++s) {
            const TZutatenEintrag &platz = g->Bauteile[static_cast<size_t>(s)];
            const int bauteil = BauteilSuchen(k, platz.Name);
            if (bauteil < 1)
                continue;
            TBaulistenKnoten &kind = KindAnhaengen(n, ArtWare, bauteil, platz.Anzahl * n.Menge, s);
            ZutatenBaumAnlegen(k, kind);
        }
        return;
    }
    default:
        MeldungZeigen(KategorieFehler);
        return;
    }
}

void MengeSetzen(const TKatalog &k, TBaulistenKnoten &n, double q)
{
    n.Menge = q;
    for (TBaulistenKnoten &kind : n.Kinder) {
        const size_t s = static_cast<size_t>(kind.Slot);
        switch (n.Art) {
        case ArtRohstoff:
            kind.Menge = q; // the marker of a bought material
            break;
        case ArtZutat:
            if (const TZutat *z = Zutat(k, n.Index); z && kind.Slot >= 0 && s < z->Zutaten.size())
                MengeSetzen(k, kind, q * z->Zutaten[s].Anzahl / Ausbeute(z->Menge));
            break;
        case ArtWare:
            if (const TWare *w = Ware(k, n.Index); w && kind.Slot >= 0 && s < w->Zutaten.size())
                MengeSetzen(k, kind, q * w->Zutaten[s].Anzahl / Ausbeute(w->Menge));
            break;
        case ArtGebaeude:
            if (const TGebaeude *g = Gebaeude(k, n.Index); g && kind.Slot >= 0 && s < g->Bauteile.size())
                MengeSetzen(k, kind, q * g->Bauteile[s].Anzahl);
            break;
        default:
            break;
        }
    }
}

bool EintragSuchen(TBauliste &b, uint8_t art, int32_t index)
{
    const int i = EintragPosition(b, art, index);
    if (i < 0)
        return false;
    b.Aktuell = i;
    return true;
}

void EintragAnhaengen(const TKatalog &k, TBauliste &b, uint8_t art, int32_t index, double menge)
{
    int position = b.Aktuell + 1;
    if (b.Aktuell < 0 || b.Aktuell >= b.Anzahl())
        position = b.Anzahl();
    TBaulistenKnoten e;
    e.Art = art;
    e.Index = index;
    e.Menge = menge;
    b.Eintraege.insert(b.Eintraege.begin() + position, std::move(e));
    b.Aktuell = position;
    ZutatenBaumAnlegen(k, b.Eintraege[static_cast<size_t>(position)]);
}

void EintragLoeschen(TBauliste &b)
{
    if (b.Aktuell < 0 || b.Aktuell >= b.Anzahl())
        return;
    b.Eintraege.erase(b.Eintraege.begin() + b.Aktuell);
    if (b.Aktuell >= b.Anzahl())
        b.Aktuell = b.Anzahl() - 1;
}

TAenderung ZurBaulisteHinzufuegen(const TKatalog &k, TBauliste &b, const QString &name, int64_t stueck)
{
    if (stueck < 1)
        return TAenderung::Keine;
    const TItemRef ref = ItemSuchen(k, name);
    const uint8_t art = KnotenartAusTabellencode(ref.Tabellencode);
    if (art == ArtKeine)
        return TAenderung::Keine;
    if (EintragSuchen(b, art, ref.Index)) {
        TBaulistenKnoten &e = b.Eintraege[static_cast<size_t>(b.Aktuell)];
        MengeSetzen(k, e, static_cast<double>(Runden(e.Menge)) + static_cast<double>(stueck));
    } else {
        // New entries always go to the end, whatever the cursor was left on.
        b.Aktuell = b.Anzahl() - 1;
        EintragAnhaengen(k, b, art, ref.Index, static_cast<double>(stueck));
    }
    b.Aktuell = b.Anzahl() - 1;
    return TAenderung::Geaendert;
}

TAenderung MengeFestlegen(const TKatalog &k, TBauliste &b, const QString &name, int64_t stueck)
{
    const int i = EintragZuName(k, b, name);
    if (i < 0 || stueck < 0)
        return TAenderung::Keine;
    if (stueck == 0)
        return Loeschen(b, i);
    b.Aktuell = i;
    MengeSetzen(k, b.Eintraege[static_cast<size_t>(i)], static_cast<double>(stueck));
    return TAenderung::Geaendert;
}

TAenderung BausatzAbziehen(const TKatalog &k, TBauliste &b, const QString &name)
{
    const int i = EintragZuName(k, b, name);
    if (i < 0)
        return TAenderung::Keine;
    TBaulistenKnoten &e = b.Eintraege[static_cast<size_t>(i)];
    const int64_t neu = Runden(e.Menge) - Einheit(k, e.Art, e.Index);
    if (neu <= 0)
        return Loeschen(b, i);
    b.Aktuell = i;
    MengeSetzen(k, e, static_cast<double>(neu));
    return TAenderung::Geaendert;
}

QString KnotenText(const TKatalog &k, const TBaulistenKnoten &n)
{
    return MengeFormatieren(n.Menge) + u' ' + KnotenName(k, n.Art, n.Index);
}

QString ItemNameAusKnotentext(const QString &eingabe)
{
    // An entry loaded from a hand-edited file may hold a fraction ("2.50 Saphir"): its
    // decimals go with the quantity, or the entry could never be found by its text again.
    QString text = eingabe;
    qsizetype ziffern = 0;
    while (ziffern < text.size() && text[ziffern] >= u'0' && text[ziffern] <= u'9')
        ++ziffern;
    if (ziffern > 0 && ziffern + 1 < text.size() && text[ziffern] == u'.' && text[ziffern + 1] >= u'0' &&
        text[ziffern + 1] <= u'9')
        text.remove(ziffern, 1);
    QString name;
    const qsizetype klammer = text.indexOf(u'[');
    const qsizetype ende = klammer < 0 ? text.size() : klammer;
    for (qsizetype i = 0; i < ende; ++i)
        if (!(text[i] >= u'0' && text[i] <= u'9'))
            name += text[i];
    if (klammer >= 0)
        name += text.mid(klammer);
    if (name.startsWith(u' '))
        name.remove(0, 1);
    return name;
}

int64_t MengeAusKnotentext(const QString &text)
{
    constexpr int64_t grenze = std::numeric_limits<int32_t>::max();
    int64_t wert = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            break;
        wert = wert * 10 + (c.unicode() - u'0');
        if (wert > grenze)
            return grenze;
    }
    return wert;
}

QString BausatzForm(const TKatalog &k, uint8_t art, int32_t index)
{
    const QString name = KnotenName(k, art, index);
    switch (art) {
    case ArtRohstoff:
        if (const TRohstoff *r = Rohstoff(k, index); r && IstFoerderbar(r->Kategorie))
            return QString::number(Einheit(k, art, index)) + u' ' + name;
        return name;
    case ArtZutat:
        return QString::number(Einheit(k, art, index)) + u' ' + name;
    case ArtWare:
        if (const TWare *w = Ware(k, index); w && w->Menge >= 2)
            return QString::number(w->Menge) + u' ' + name;
        return name;
    default:
        return name;
    }
}

TMengenDialogTexte MengenDialogTexte(const TKatalog &k, uint8_t art, int32_t index, int modus)
{
    const bool hinzufuegen = modus == DialogHinzufuegen;
    const QString name = KnotenName(k, art, index);
    const QString ziel = hinzufuegen ? QStringLiteral("\" sollen der Bauliste hinzugefügt werden?")
                                     : QStringLiteral("\" sollen in der Bauliste stehen?");
    if (art == ArtGebaeude)
        return {
            (hinzufuegen ? QStringLiteral("Gebäude hinzufügen: ") : QStringLiteral("Anzahl festlegen: ")) +
                name,
            QStringLiteral("Wie viele Gebäude vom Typ \"") + name + ziel};
    const TRohstoff *r = art == ArtRohstoff ? Rohstoff(k, index) : nullptr;
    if (r && !IstFoerderbar(r->Kategorie)) {
        QString titel = QStringLiteral("Anzahl festlegen: ");
        if (hinzufuegen) {
            if (r->Kategorie == 7)
                titel = QStringLiteral("Handwerksmaterial hinzufügen: ");
            else if (r->Kategorie == 8)
                titel = QStringLiteral("Edelsteine hinzufügen: ");
            else
                titel = QStringLiteral("Rohstoff hinzufügen: ");
        }
        return {titel + name, QStringLiteral("Wie viel Stück \"") + name + ziel};
    }
    const QString x = BausatzForm(k, art, index);
    return {(hinzufuegen ? QStringLiteral("Bausätze hinzufügen: ") : QStringLiteral("Anzahl festlegen: ")) +
                x,
            QStringLiteral("Wie viele Bausätze \"") + x + ziel};
}

int64_t MengenDialogStartwert(const TKatalog &k, const TBauliste &b, uint8_t art, int32_t index, int modus)
{
    if (modus != DialogFestlegen)
        return 1;
    const int i = EintragPosition(b, art, index);
    if (i < 0)
        return 0;
    return Runden(b.Eintraege[static_cast<size_t>(i)].Menge / Einheit(k, art, index));
}

} // namespace mvt
