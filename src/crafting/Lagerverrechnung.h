// Netting the stock out of the build list, as material requirements planning does: each
// good's gross need is summed over every place it occurs in the expanded list, its stock
// is used first, and only the net quantity is expanded into its ingredients. Goods are
// netted in low-level order (each after every good that uses it), so the result does not
// depend on the order of the build list. Each production mode is netted on its own, over
// the part of the tree it produces or buys; the result is a build list with requirement
// lists like any other, so every figure comes from the same code as without a stock.
#pragma once

#include "crafting/Kostenmodell.h"
#include "crafting/Lager.h"

#include <array>
#include <memory>
#include <vector>

namespace mvt {

struct TNettomodus {
    // The netted build list with its requirement lists, analysis and building sets.
    TCraftingZustand Zustand;
    // What comes out of the stock, in the order the goods were netted.
    std::vector<TSammelEintrag> AusDemLager;
};

struct TNettoplan {
    std::array<TNettomodus, AnzahlModi + 1> Modi; // [1..4]
};

// The netted state of one mode (1..4) of a recomputed state c.
TNettomodus NettomodusBerechnen(const TKatalog &k, const TOptionen &o, const TCraftingZustand &c,
                                const TLager &lager, int modus);
// All four modes.
std::shared_ptr<const TNettoplan> LagerVerrechnen(const TKatalog &k, const TOptionen &o,
                                                  const TCraftingZustand &c, const TLager &lager);

// Whether c's figures net its stock: "Lager berücksichtigen" is on, the stock and the build
// list are not empty.
bool LagerZaehlt(const TCraftingZustand &c);
// After BerechneAnalyse of the gross figures: with the stock counting, the netted plan is
// made and every mode's analysis becomes the netted one; otherwise the plan is dropped.
void LagerEinrechnen(const TKatalog &k, const TOptionen &o, TCraftingZustand &c);
// The state whose figures mode 1..4 shows: the netted one while the stock counts, else c.
const TCraftingZustand &Rechenstand(const TCraftingZustand &c, int modus);
// The stock mode 1..4 uses; empty while the stock does not count.
std::vector<TSammelEintrag> AusDemLager(const TCraftingZustand &c, int modus);

} // namespace mvt
