#include "Testwelten.h"

#include <memory>

namespace mvt::routen::test {

const TWeltdaten &EingebauteWelten()
{
    static const std::unique_ptr<TWeltdaten> daten = [] {
        auto d = std::make_unique<TWeltdaten>();
        KartendatenLaden(*d);
        return d;
    }();
    return *daten;
}

TZufallskarte Zufallskarte(std::mt19937 &zufall, int groesse, int art)
{
    static constexpr uint8_t Minuten[] = {2, 3, 4, 5, 7, 8, 10};
    TZufallskarte k;
    k.Groesse = groesse;
    k.Reisekosten.fill(255);
    std::uniform_int_distribution<int> alle(0, 6), zwei(0, 1), drei(0, 2);
    for (int x = 1; x <= groesse; ++x)
        for (int y = 1; y <= groesse; ++y)
            k.Reisekosten[static_cast<size_t>(Zelle(x, y))] = art == 1
                                                                  ? static_cast<uint8_t>(2 + 2 * zwei(zufall))
                                                              : art == 2 ? static_cast<uint8_t>(drei(zufall))
                                                                         : Minuten[alle(zufall)];
    return k;
}

} // namespace mvt::routen::test
