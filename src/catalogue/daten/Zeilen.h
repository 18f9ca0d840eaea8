// Row layouts of the built-in catalogue data. The *.inc files beside this header are
// produced by tools/katalog_daten.py; one row per line, fields in record order.
// A slot whose name is nullptr is empty ("!FEHLER!", -1).
#pragma once

#include <cstdint>

namespace mvt::daten {

struct ZutatZeile {
    const char *Name;
    int32_t Anzahl;
};

struct RohstoffZeile {
    const char *Name;
    int32_t Preis, Gewicht, Stufe;
    uint8_t Kategorie;
};

struct ZutatGutZeile {
    const char *Name;
    int32_t Preis, Gewicht, Stufe;
    uint8_t Kategorie;
    int32_t Rezeptpreis, Dauer, Menge;
    ZutatZeile Zutaten[2];
};

// Same field order as TWare.
struct WareZeile {
    const char *Name;
    int32_t Preis, Gewicht, Stufe;
    uint8_t Kategorie;
    int32_t MinSchaden, MaxSchaden, SchadenProRunde, Tempo;
    int32_t Zusatzwirkung, Treffsicherheit, KritischeTreffer;
    int32_t StabWirkung, Reichweite;
    uint8_t Element;
    double Ruestschutz, Absorb;
    int32_t Behinderung;
    int32_t HeilungMin, HeilungMax;
    double HeilungProzentMin, HeilungProzentMax;
    int32_t Herstellungsstufe, Rezeptpreis, Dauer, Menge;
    ZutatZeile Zutaten[5];
};

struct GebaeudeZeile {
    const char *Name;
    uint8_t Art;
    int32_t Stufe, Strukturpunkte, Arbeitsplaetze, Unterhalt, Voraussetzung;
    uint8_t Stadtrecht;
    ZutatZeile Bauteile[4];
};

struct ZauberZeile {
    const char *Name;
    uint8_t Element, Typ;
    int32_t Stufe, Dauer, Felder, MinWert, MaxWert, SchadenProRunde, Angriffe, Preis;
};

// Preis / Rezeptpreis / Menge of one world variant row.
struct WeltvarianteZeile {
    int32_t Zeile, Preis, Rezeptpreis, Menge;
};

} // namespace mvt::daten
