#include "ItemSucheLinear.h"

namespace mvt {

TItemRef ItemSuchenLinear(const TKatalog &k, const QString &name)
{
    for (int i = 1; i <= AnzahlRohstoffe; ++i)
        if (k.RohstoffTabelle[i].Name == name)
            return {i, TabelleRohstoff};
    for (int i = 1; i <= AnzahlZutatGueter; ++i)
        if (k.ZutatTabelle[i].Name == name)
            return {i, TabelleZutat};
    for (int i = 1; i <= AnzahlWaren; ++i)
        if (k.WarenTabelle[i].Name == name)
            return {i, TabelleWare};
    for (int i = 1; i <= AnzahlGebaeude; ++i)
        if (k.GebaeudeTabelle[i].Name == name)
            return {i, TabelleGebaeude};
    for (int i = 1; i <= AnzahlTrainingsItems; ++i)
        if (k.TrainingsTabelle[i].Name == name)
            return {i, TabelleTraining};
    return {};
}

} // namespace mvt
