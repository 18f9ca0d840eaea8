#include "cli/KampfberichtJson.h"

#include "cli/JsonStrom.h"
#include "combat/Kaempfer.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <vector>

namespace mvt::cli {

namespace {

// The keys of one record type with how each value is written, in the order QJsonObject
// keeps keys (by their characters), sorted once.
template <class T> struct TFeld {
    const char *Name;
    std::function<void(TJsonStrom &, const T &)> Schreiben;
};
template <class T> using TFelder = std::vector<TFeld<T>>;

template <class T> TFelder<T> Sortiert(TFelder<T> felder)
{
    std::sort(felder.begin(), felder.end(),
              [](const TFeld<T> &a, const TFeld<T> &b) { return std::strcmp(a.Name, b.Name) < 0; });
    return felder;
}

void Wert(TJsonStrom &s, int32_t x)
{
    s.Zahl(int64_t(x));
}
void Wert(TJsonStrom &s, uint8_t x)
{
    s.Zahl(int64_t(x));
}
void Wert(TJsonStrom &s, bool x)
{
    s.Wahrheitswert(x);
}
void Wert(TJsonStrom &s, double x)
{
    s.Zahl(x);
}
void Wert(TJsonStrom &s, const QString &x)
{
    s.Text(x);
}

template <class T, class M> TFeld<T> Feld(const char *name, M T::*m)
{
    return {name, [m](TJsonStrom &s, const T &x) { Wert(s, x.*m); }};
}

template <class T> void Objekt(TJsonStrom &s, const TFelder<T> &felder, const T &x)
{
    s.ObjektAnfang();
    for (const TFeld<T> &f : felder) {
        s.Schluessel(f.Name);
        f.Schreiben(s, x);
    }
    s.ObjektEnde();
}

template <class T, class L> void Liste(TJsonStrom &s, const TFelder<T> &felder, const L &liste)
{
    s.ListeAnfang();
    for (const auto &x : liste)
        Objekt(s, felder, x);
    s.ListeEnde();
}

const TFelder<TTrefferElement> &Trefferfelder()
{
    using T = TTrefferElement;
    static const TFelder<T> f = Sortiert<T>({Feld("Waffe", &T::Waffe), Feld("Schaden", &T::Schaden),
                                             Feld("Geblockt", &T::Geblockt), Feld("Kritisch", &T::Kritisch)});
    return f;
}

const TFelder<TAngreiferElement> &Gegnerfelder()
{
    using T = TAngreiferElement;
    static const TFelder<T> f =
        Sortiert<T>({Feld("Name", &T::Name),
                     {"Treffer", [](TJsonStrom &s, const T &g) { Liste(s, Trefferfelder(), g.Treffer); }}});
    return f;
}

const TFelder<TAktionswerte> &Aktionswertefelder()
{
    using T = TAktionswerte;
    static const TFelder<T> f = [] {
        TFelder<T> r;
#define MVT_JSON(x) r.push_back(Feld(#x, &T::x));
        MVT_AKTIONSWERTE_ZAEHLER(MVT_JSON)
        MVT_AKTIONSWERTE_MAXIMA(MVT_JSON)
#undef MVT_JSON
        r.push_back({"Gegner", [](TJsonStrom &s, const T &w) { Liste(s, Gegnerfelder(), w.Gegner); }});
        return Sortiert(std::move(r));
    }();
    return f;
}

const TFelder<TEinzelWaffe> &Waffenfelder()
{
    using T = TEinzelWaffe;
    static const TFelder<T> f = Sortiert<T>(
        {Feld("Name", &T::Name), Feld("MinNormal", &T::MinNormal), Feld("MaxNormal", &T::MaxNormal),
         Feld("MinKrit", &T::MinKrit), Feld("MaxKrit", &T::MaxKrit),
         Feld("GleicheSekunde", &T::GleicheSekunde), Feld("Intervall", &T::Intervall),
         Feld("Intervall2", &T::Intervall2), Feld("LetzteZeit", &T::LetzteZeit),
         Feld("AnzNormal", &T::AnzNormal), Feld("SumNormal", &T::SumNormal), Feld("AnzKrit", &T::AnzKrit),
         Feld("SumKrit", &T::SumKrit), Feld("Darstellung", &T::Darstellung), Feld("ZauberNr", &T::ZauberNr)});
    return f;
}

const TFelder<TKampfstatus> &Statusfelder()
{
    using T = TKampfstatus;
    static const TFelder<T> f = Sortiert<T>(
        {{"Ausgeteilt", [](TJsonStrom &s, const T &x) { Objekt(s, Aktionswertefelder(), x.Ausgeteilt); }},
         {"Eingesteckt", [](TJsonStrom &s, const T &x) { Objekt(s, Aktionswertefelder(), x.Eingesteckt); }},
         Feld("Fehlschlaege", &T::Fehlschlaege),
         Feld("Angriffe", &T::Angriffe),
         Feld("Erfolge", &T::Erfolge),
         Feld("ErfolgeEffektiv", &T::ErfolgeEffektiv),
         Feld("Wirkungen", &T::Wirkungen),
         Feld("Kritische", &T::Kritische),
         Feld("TrefferGesamt", &T::TrefferGesamt),
         Feld("Schaden", &T::Schaden),
         Feld("Heilung", &T::Heilung),
         Feld("BesterTreffer", &T::BesterTreffer),
         Feld("AngriffeErhalten", &T::AngriffeErhalten),
         Feld("AusgewichenErhalten", &T::AusgewichenErhalten),
         Feld("AusweichbarErhalten", &T::AusweichbarErhalten),
         Feld("TrefferErhalten", &T::TrefferErhalten),
         Feld("BlocksErhalten", &T::BlocksErhalten),
         Feld("DirekteTrefferErhalten", &T::DirekteTrefferErhalten),
         Feld("SchadenErhalten", &T::SchadenErhalten),
         Feld("HeilungErhalten", &T::HeilungErhalten),
         Feld("Trefferquote", &T::Trefferquote),
         Feld("TrefferquoteEffektiv", &T::TrefferquoteEffektiv),
         Feld("Kritquote", &T::Kritquote),
         Feld("Ausweichquote", &T::Ausweichquote),
         Feld("Blockquote", &T::Blockquote),
         Feld("SchadenProAngriff", &T::SchadenProAngriff),
         Feld("SchadenProTreffer", &T::SchadenProTreffer),
         Feld("SchadenProRunde", &T::SchadenProRunde),
         Feld("SchadenErhaltenProAngriff", &T::SchadenErhaltenProAngriff),
         Feld("SchadenErhaltenProTreffer", &T::SchadenErhaltenProTreffer),
         Feld("SchadenErhaltenProRunde", &T::SchadenErhaltenProRunde),
         {"Waffen", [](TJsonStrom &s, const T &x) { Liste(s, Waffenfelder(), x.Waffen.Waffe); }}});
    return f;
}

// The Runden with a booking, each with its number and figures.
const TFelder<TRundenwerte> &Rundenfelder()
{
    using T = TRundenwerte;
    static const TFelder<T> f = [] {
        TFelder<T> r{Feld("Runde", &T::Runde)};
#define MVT_JSON(x) r.push_back(Feld(#x, &T::x));
        MVT_RUNDENWERTE(MVT_JSON)
#undef MVT_JSON
        return Sortiert(std::move(r));
    }();
    return f;
}

void Referenz(TJsonStrom &s, const TKaempfer *k)
{
    if (k)
        s.Text(k->Name);
    else
        s.Null();
}

const TFelder<TKaempfer> &Kaempferfelder()
{
    using T = TKaempfer;
    static const TFelder<T> f = Sortiert<T>(
        {Feld("Name", &T::Name),
         Feld("Ueberlebt", &T::Ueberlebt),
         Feld("ZurueckgelegteFelder", &T::ZurueckgelegteFelder),
         Feld("Runden", &T::Runden),
         Feld("LetzteAktionKeinAngriff", &T::LetzteAktionKeinAngriff),
         Feld("LetzteAktion", &T::LetzteAktion),
         Feld("LetzteAktionZeit", &T::LetzteAktionZeit),
         Feld("GetoeteteFeinde", &T::GetoeteteFeinde),
         {"LetzterAngreifer", [](TJsonStrom &s, const T &k) { Referenz(s, k.LetzterAngreifer); }},
         Feld("Absorb", &T::Absorb),
         Feld("Treffsicherheit", &T::Treffsicherheit),
         Feld("KritRate", &T::KritRate),
         Feld("Ausweichrate", &T::Ausweichrate),
         Feld("Blockrate", &T::Blockrate),
         Feld("AbsorbWerte", &T::AbsorbWerte),
         Feld("SchrittIntervall", &T::SchrittIntervall),
         Feld("AbsorbEigen", &T::AbsorbEigen),
         Feld("AbsorbWerteEigen", &T::AbsorbWerteEigen),
         Feld("Phase", &T::Phase),
         {"Status",
          [](TJsonStrom &s, const T &k) {
              // Keys in QJsonObject's order.
              s.ObjektAnfang();
              for (const auto &[name, block] :
                   {std::pair{"Fernkampf", Fernkampf}, std::pair{"Gesamt", Gesamt},
                    std::pair{"Nahkampf", Nahkampf}, std::pair{"Unbestimmt", Unbestimmt}}) {
                  s.Schluessel(name);
                  Objekt(s, Statusfelder(), k.Status[block]);
              }
              s.ObjektEnde();
          }},
         {"LetzterDOTZauberer", [](TJsonStrom &s, const T &k) { Referenz(s, k.LetzterDOTZauberer); }},
         {"LetzterHOTZauberer", [](TJsonStrom &s, const T &k) { Referenz(s, k.LetzterHOTZauberer); }},
         {"ProRunde", [](TJsonStrom &s, const T &k) { Liste(s, Rundenfelder(), k.ProRunde); }}});
    return f;
}

} // namespace

bool KampfberichtJsonSchreiben(const Kampfauswertung &a, QIODevice &ziel, qint64 archivId)
{
    TJsonStrom s(ziel);
    s.ObjektAnfang();
    // Keys stand in QJsonObject's sorted order, so "ArchivId" comes first.
    if (archivId > 0) {
        s.Schluessel("ArchivId");
        s.Zahl(int64_t(archivId));
    }
    s.Schluessel("Fehler");
    s.Zahl(int64_t(a.Fehler));
    s.Schluessel("Kaempfer");
    s.ListeAnfang();
    for (const auto &k : a.Kaempfer)
        Objekt(s, Kaempferfelder(), *k);
    s.ListeEnde();
    s.Schluessel("Runden");
    s.Zahl(int64_t(a.Runden));
    s.ObjektEnde();
    return s.Abschliessen();
}

} // namespace mvt::cli
