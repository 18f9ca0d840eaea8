// The closing of an evaluation, once every line is booked: weapons split into pairs and
// sorted as spells, the blocks summed into the total, rates, averages and absorb estimates.
#include "combat/Kampfabschluss.h"

#include "catalogue/Katalog.h"
#include "combat/Kampfbericht.h"

#include <QHash>

#include <algorithm>
#include <vector>

namespace mvt {

namespace {

// Two weapons of one name used in the same second: the entry is split into a pair,
// the totals staying on the first.
void WaffenpaareTeilen(TWaffen &waffen)
{
    auto &liste = waffen.Waffe;
    for (TEinzelWaffe &e : liste)
        e.Darstellung = DarstellungNahkampfwaffe;
    for (size_t i = 0; i < liste.size(); ++i) {
        if (!liste[i].GleicheSekunde)
            continue;
        liste[i].GleicheSekunde = false;
        TEinzelWaffe kopie = liste[i];
        if (kopie.Intervall2 != -1) {
            kopie.Intervall = kopie.Intervall2;
            kopie.Intervall2 = -1;
            liste[i].Intervall2 = -1;
        }
        kopie.AnzNormal = kopie.SumNormal = kopie.AnzKrit = kopie.SumKrit = AndereWaffe;
        liste.insert(liste.begin() + static_cast<std::ptrdiff_t>(i) + 1, std::move(kopie));
        ++i; // the copy is not split again
    }
    waffen.Index.Leeren();
}

void ZauberEinordnen(TWaffen &waffen, const TKatalog &k)
{
    for (TEinzelWaffe &e : waffen.Waffe) {
        const int nr = ZauberSuchen(k, e.Name);
        const TZauber *z = Zauber(k, nr);
        if (!z)
            continue;
        e.ZauberNr = nr;
        if (z->Angriffe > 0)
            e.Intervall = 24 / z->Angriffe;
        const bool flaeche = z->Felder != -1;
        switch (z->Typ) {
        case 1:
            e.Darstellung = flaeche ? DarstellungSchadenFlaeche : DarstellungSchaden;
            break;
        case 2:
            e.Darstellung = flaeche ? DarstellungHeilungGruppe : DarstellungHeilung;
            break;
        case 3:
            e.Darstellung = flaeche ? DarstellungDOTFlaeche : DarstellungDOT;
            break;
        case 4:
            e.Darstellung = flaeche ? DarstellungHOTGruppe : DarstellungHOT;
            break;
        case 5:
            e.Darstellung = DarstellungBuff;
            break;
        case 6:
            e.Darstellung = DarstellungDebuff;
            break;
        default:
            break;
        }
    }
}

} // namespace

// The absorb of a fighter's armour, estimated from the critical and normal hits it took:
// a critical hit does double damage before the absorb is subtracted.
void AbsorbSchaetzen(TKaempfer &k)
{
    const auto &gegner = k.Status[Gesamt].Eingesteckt.Gegner;
    std::vector<std::vector<const TTrefferElement *>> gruppen;
    QHash<QString, size_t> gruppeVon;
    for (const TAngreiferElement &g : gegner) {
        const QString schluessel = KaempferNormalisieren(g.Name);
        auto it = gruppeVon.constFind(schluessel);
        size_t nr;
        if (it == gruppeVon.cend()) {
            nr = gruppen.size();
            gruppeVon.insert(schluessel, nr);
            gruppen.emplace_back();
        } else {
            nr = *it;
        }
        for (const TTrefferElement &t : g.Treffer)
            gruppen[nr].push_back(&t);
    }
    double summe = 0.0;
    int64_t gewicht = 0;
    for (auto &treffer : gruppen) {
        // Stable, so the result equals that of an exchange sort.
        std::stable_sort(
            treffer.begin(), treffer.end(),
            [](const TTrefferElement *a, const TTrefferElement *b) { return a->Waffe < b->Waffe; });
        size_t i = 0;
        while (i < treffer.size()) {
            bool hatKrit = false, hatNormal = false;
            int64_t sumKrit = 0, sumNormal = 0, anzKrit = 0, anzNormal = 0;
            size_t j = i;
            for (; j < treffer.size() && treffer[j]->Waffe == treffer[i]->Waffe; ++j) {
                const TTrefferElement &t = *treffer[j];
                int64_t d = t.Schaden;
                if (d > 0)
                    (t.Kritisch ? hatKrit : hatNormal) = true;
                if (t.Geblockt > 0)
                    d = d != 0 ? d + t.Geblockt : t.Geblockt / 2;
                if (t.Kritisch) {
                    sumKrit += d;
                    ++anzKrit;
                } else {
                    sumNormal += d;
                    ++anzNormal;
                }
            }
            if (hatKrit && hatNormal) {
                const int64_t paare = std::min(anzKrit, anzNormal);
                const double c =
                    2.0 * double(paare) *
                    (double(sumKrit) / double(anzKrit) / 2.0 - double(sumNormal) / double(anzNormal));
                if (c >= 0) {
                    summe += c;
                    gewicht += paare;
                }
            }
            i = j;
        }
    }
    if (gewicht > 0) {
        k.AbsorbEigen = summe / double(gewicht);
        k.AbsorbWerteEigen = Saettigen(gewicht);
    }
}

void KampfAbschliessen(Kampfauswertung &a, const TKatalog &katalog)
{
    for (auto &kp : a.Kaempfer) {
        TKaempfer &k = *kp;
        if (k.Phase == 0 && k.ZurueckgelegteFelder == 0 && k.LetzteAktion != AktionKeine) {
            StatusAddieren(k.Status[Fernkampf], k.Status[Unbestimmt]);
            StatusLeeren(k.Status[Unbestimmt]);
        }
        WaffenpaareTeilen(k.Status[Nahkampf].Waffen);
        ZauberEinordnen(k.Status[Fernkampf].Waffen, katalog);
        StatusAddieren(k.Status[Gesamt], k.Status[Nahkampf]);
        StatusAddieren(k.Status[Gesamt], k.Status[Fernkampf]);
        StatusAddieren(k.Status[Gesamt], k.Status[Unbestimmt]);
        for (TKampfstatus &s : k.Status)
            KampfwerteBerechnen(s);
        AbsorbSchaetzen(k);
    }

    if (a.Runden == 0)
        a.Runden = 1;
    // Monsters of one kind ("Ork #1", "Ork #2") share one absorb estimate.
    struct TSumme {
        int64_t W = 0;
        double S = 0.0;
    };
    QHash<QString, TSumme> sorten;
    for (const auto &kp : a.Kaempfer)
        if (kp->AbsorbEigen >= 0) {
            TSumme &s = sorten[KaempferNormalisieren(kp->Name)];
            s.W += kp->AbsorbWerteEigen;
            s.S += kp->AbsorbWerteEigen * kp->AbsorbEigen;
        }
    for (auto &kp : a.Kaempfer) {
        TKaempfer &k = *kp;
        const QString sorte = KaempferNormalisieren(k.Name);
        if (sorte == k.Name) {
            k.Absorb = k.AbsorbEigen;
            k.AbsorbWerte = k.AbsorbWerteEigen;
        } else {
            const TSumme s = sorten.value(sorte);
            if (s.W > 0) {
                k.Absorb = s.S / double(s.W);
                k.AbsorbWerte = Saettigen(s.W);
            }
        }
    }
    for (auto &kp : a.Kaempfer) {
        TKaempfer &k = *kp;
        k.Treffsicherheit = k.Status[Gesamt].Trefferquote;
        k.KritRate = k.Status[Gesamt].Kritquote;
        k.Ausweichrate = k.Status[Gesamt].Ausweichquote;
        k.Blockrate = k.Status[Nahkampf].Blockquote;
        if (k.Runden < 1)
            k.Runden = a.Runden;
        DurchschnitteBerechnen(k.Status[Nahkampf], k.Runden);
        DurchschnitteBerechnen(k.Status[Fernkampf], k.Runden);
        DurchschnitteBerechnen(k.Status[Gesamt], k.Runden);
    }
}

} // namespace mvt
