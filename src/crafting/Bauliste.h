// The build list: entries of the catalogue with a quantity in pieces, each carrying its
// ingredient tree down to raw materials.
#pragma once

#include "catalogue/Katalog.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace mvt {

// Knotenart: the kind of a build-list node.
enum Knotenart : uint8_t {
    ArtKeine = 0,
    ArtRohstoff = 1,
    ArtZutat = 2,
    ArtWare = 3,
    ArtGebaeude = 4,
};

// One node of an ingredient tree; entries of the list are nodes too. A node owns its
// children, in recipe-slot order.
struct TBaulistenKnoten {
    uint8_t Art = ArtKeine;
    int32_t Index = -1;
    double Menge = 0.0; // pieces (for a building: number of buildings)
    int32_t Slot = -1;  // recipe slot in the parent (0-based); -1 for entries and markers
    std::vector<TBaulistenKnoten> Kinder;

    int32_t AnzahlKinder() const { return static_cast<int32_t>(Kinder.size()); }
};

// The list owns its entries. Aktuell is the entry cursor (-1: none).
struct TBauliste {
    std::vector<TBaulistenKnoten> Eintraege;
    int Aktuell = -1;

    int32_t Anzahl() const { return static_cast<int32_t>(Eintraege.size()); }
    bool Leer() const { return Eintraege.empty(); }
    void Leeren()
    {
        Eintraege.clear();
        Aktuell = -1;
    }
};

// Table code of a lookup to Knotenart; ArtKeine for training items and unknown names.
uint8_t KnotenartAusTabellencode(uint8_t tabellencode);
// Catalogue name of a node's item; "!FEHLER!" when the kind or row is invalid.
QString KnotenName(const TKatalog &k, uint8_t art, int32_t index);

// Pieces in one kit ("Bausatz") of the item; 1 where nothing else applies.
int32_t Einheit(const TKatalog &k, uint8_t art, int32_t index);

// Builds the children of a node whose Art, Index and Menge are set.
void ZutatenBaumAnlegen(const TKatalog &k, TBaulistenKnoten &n);
// Sets the node's quantity and rescales its whole subtree.
void MengeSetzen(const TKatalog &k, TBaulistenKnoten &n, double q);

// On success Aktuell becomes that entry; otherwise Aktuell is left unchanged.
bool EintragSuchen(TBauliste &b, uint8_t art, int32_t index);
// Inserts a new entry after Aktuell, makes it Aktuell and builds its tree.
void EintragAnhaengen(const TKatalog &k, TBauliste &b, uint8_t art, int32_t index, double menge);
// Removes Aktuell with its tree; the next entry becomes Aktuell, else the previous one.
void EintragLoeschen(TBauliste &b);

// What a change operation did, so that the view can follow it.
enum class TAenderung {
    Keine,     // the list is unchanged
    Geaendert, // an entry was added or its quantity changed: rebuild the view
    Geloescht, // the entry was removed: remove its node from the view
};

// The add operation of every add path (pieces < 1 add nothing). New entries go to the end.
TAenderung ZurBaulisteHinzufuegen(const TKatalog &k, TBauliste &b, const QString &name, int64_t stueck);
// Sets an entry to a number of pieces; 0 removes it.
TAenderung MengeFestlegen(const TKatalog &k, TBauliste &b, const QString &name, int64_t stueck);
// Takes one kit off an entry; the entry goes when nothing would be left.
TAenderung BausatzAbziehen(const TKatalog &k, TBauliste &b, const QString &name);

// Text of a tree-view line: quantity, a blank, the name ("14 Kupferbarren", "2.80 Steinkohle").
QString KnotenText(const TKatalog &k, const TBaulistenKnoten &n);
// Whether the view shows a node's children (never those of a raw material: the marker).
inline bool KinderSichtbar(const TBaulistenKnoten &n)
{
    return n.Art != ArtRohstoff;
}
// "12 Bastardschwert [2H]" -> "Bastardschwert [2H]".
QString ItemNameAusKnotentext(const QString &text);
// The integer formed by the leading digits; 0 when there are none.
int64_t MengeAusKnotentext(const QString &text);

// Quantity dialog: mode 1 adds, mode 2 sets.
constexpr int DialogHinzufuegen = 1;
constexpr int DialogFestlegen = 2;
struct TMengenDialogTexte {
    QString Titel;
    QString Frage;
};
// Kit form of an item as the dialog names it: "6 Buchenholz", "Kurzschwert", "163 Jagdpfeile".
QString BausatzForm(const TKatalog &k, uint8_t art, int32_t index);
TMengenDialogTexte MengenDialogTexte(const TKatalog &k, uint8_t art, int32_t index, int modus);
// Start value of the number field: 1 in mode 1; in mode 2 the entry's kits, rounded.
int64_t MengenDialogStartwert(const TKatalog &k, const TBauliste &b, uint8_t art, int32_t index, int modus);

} // namespace mvt
