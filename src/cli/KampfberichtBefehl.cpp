// morvaren-cli kampfbericht DATEI: evaluates a combat report and prints every fighter
// record with its four phase blocks.
#include "cli/Befehle.h"

#include "catalogue/Katalog.h"
#include "catalogue/Textdatei.h"
#include "combat/Kampfbericht.h"

#include <QJsonArray>
#include <QJsonObject>

namespace mvt::cli {
namespace {

QJsonValue Referenz(const TKaempfer *k)
{
    return k ? QJsonValue(k->Name) : QJsonValue(QJsonValue::Null);
}

QJsonObject AktionswerteJson(const TAktionswerte &w)
{
    QJsonObject o;
#define MVT_JSON(f) o.insert(QStringLiteral(#f), w.f);
    MVT_AKTIONSWERTE_ZAEHLER(MVT_JSON)
    MVT_AKTIONSWERTE_MAXIMA(MVT_JSON)
#undef MVT_JSON
    QJsonArray gegner;
    for (const TAngreiferElement &g : w.Gegner) {
        QJsonArray treffer;
        for (const TTrefferElement &t : g.Treffer)
            treffer.append(QJsonObject{{"Waffe", t.Waffe},
                                       {"Schaden", t.Schaden},
                                       {"Geblockt", t.Geblockt},
                                       {"Kritisch", t.Kritisch}});
        gegner.append(QJsonObject{{"Name", g.Name}, {"Treffer", treffer}});
    }
    o.insert(QStringLiteral("Gegner"), gegner);
    return o;
}

QJsonObject WaffeJson(const TEinzelWaffe &e)
{
    return QJsonObject{{"Name", e.Name},
                       {"MinNormal", e.MinNormal},
                       {"MaxNormal", e.MaxNormal},
                       {"MinKrit", e.MinKrit},
                       {"MaxKrit", e.MaxKrit},
                       {"GleicheSekunde", e.GleicheSekunde},
                       {"Intervall", e.Intervall},
                       {"Intervall2", e.Intervall2},
                       {"LetzteZeit", e.LetzteZeit},
                       {"AnzNormal", e.AnzNormal},
                       {"SumNormal", e.SumNormal},
                       {"AnzKrit", e.AnzKrit},
                       {"SumKrit", e.SumKrit},
                       {"Darstellung", int(e.Darstellung)},
                       {"ZauberNr", e.ZauberNr}};
}

QJsonObject StatusJson(const TKampfstatus &s)
{
    QJsonObject o{{"Ausgeteilt", AktionswerteJson(s.Ausgeteilt)},
                  {"Eingesteckt", AktionswerteJson(s.Eingesteckt)},
                  {"Fehlschlaege", s.Fehlschlaege},
                  {"Angriffe", s.Angriffe},
                  {"Erfolge", s.Erfolge},
                  {"ErfolgeEffektiv", s.ErfolgeEffektiv},
                  {"Wirkungen", s.Wirkungen},
                  {"Kritische", s.Kritische},
                  {"TrefferGesamt", s.TrefferGesamt},
                  {"Schaden", s.Schaden},
                  {"Heilung", s.Heilung},
                  {"BesterTreffer", s.BesterTreffer},
                  {"AngriffeErhalten", s.AngriffeErhalten},
                  {"AusgewichenErhalten", s.AusgewichenErhalten},
                  {"AusweichbarErhalten", s.AusweichbarErhalten},
                  {"TrefferErhalten", s.TrefferErhalten},
                  {"BlocksErhalten", s.BlocksErhalten},
                  {"DirekteTrefferErhalten", s.DirekteTrefferErhalten},
                  {"SchadenErhalten", s.SchadenErhalten},
                  {"HeilungErhalten", s.HeilungErhalten},
                  {"Trefferquote", s.Trefferquote},
                  {"TrefferquoteEffektiv", s.TrefferquoteEffektiv},
                  {"Kritquote", s.Kritquote},
                  {"Ausweichquote", s.Ausweichquote},
                  {"Blockquote", s.Blockquote},
                  {"SchadenProAngriff", s.SchadenProAngriff},
                  {"SchadenProTreffer", s.SchadenProTreffer},
                  {"SchadenProRunde", s.SchadenProRunde},
                  {"SchadenErhaltenProAngriff", s.SchadenErhaltenProAngriff},
                  {"SchadenErhaltenProTreffer", s.SchadenErhaltenProTreffer},
                  {"SchadenErhaltenProRunde", s.SchadenErhaltenProRunde}};
    QJsonArray waffen;
    for (const TEinzelWaffe &e : s.Waffen.Waffe)
        waffen.append(WaffeJson(e));
    o.insert(QStringLiteral("Waffen"), waffen);
    return o;
}

QJsonObject KaempferJson(const TKaempfer &k)
{
    return QJsonObject{{"Name", k.Name},
                       {"Ueberlebt", k.Ueberlebt},
                       {"ZurueckgelegteFelder", k.ZurueckgelegteFelder},
                       {"Runden", k.Runden},
                       {"LetzteAktionKeinAngriff", k.LetzteAktionKeinAngriff},
                       {"LetzteAktion", int(k.LetzteAktion)},
                       {"LetzteAktionZeit", k.LetzteAktionZeit},
                       {"GetoeteteFeinde", k.GetoeteteFeinde},
                       {"LetzterAngreifer", Referenz(k.LetzterAngreifer)},
                       {"Absorb", k.Absorb},
                       {"Treffsicherheit", k.Treffsicherheit},
                       {"KritRate", k.KritRate},
                       {"Ausweichrate", k.Ausweichrate},
                       {"Blockrate", k.Blockrate},
                       {"AbsorbWerte", k.AbsorbWerte},
                       {"SchrittIntervall", k.SchrittIntervall},
                       {"AbsorbEigen", k.AbsorbEigen},
                       {"AbsorbWerteEigen", k.AbsorbWerteEigen},
                       {"Phase", int(k.Phase)},
                       {"Status", QJsonObject{{"Nahkampf", StatusJson(k.Status[Nahkampf])},
                                              {"Fernkampf", StatusJson(k.Status[Fernkampf])},
                                              {"Unbestimmt", StatusJson(k.Status[Unbestimmt])},
                                              {"Gesamt", StatusJson(k.Status[Gesamt])}}},
                       {"LetzterDOTZauberer", Referenz(k.LetzterDOTZauberer)},
                       {"LetzterHOTZauberer", Referenz(k.LetzterHOTZauberer)}};
}

// The document {"Fehler", "Kaempfer", "Runden"} (keys in the order QJsonObject writes
// them), one fighter at a time: built whole it takes some 20 kB per fighter in memory,
// gigabytes for a long report.
void KampfberichtAusgeben(const Kampfauswertung &a)
{
    Ausgeben("{\n    \"Fehler\": " + QByteArray::number(a.Fehler) + ",\n    \"Kaempfer\": [\n");
    for (size_t i = 0; i < a.Kaempfer.size(); ++i) {
        JsonArrayElementAusgeben(KaempferJson(*a.Kaempfer[i]));
        Ausgeben(i + 1 < a.Kaempfer.size() ? ",\n" : "\n");
    }
    Ausgeben("    ],\n    \"Runden\": " + QByteArray::number(a.Runden) + "\n}\n");
}

int Kampfbericht(const QStringList &args)
{
    if (args.size() != 1) {
        FehlerAusgeben(QStringLiteral("Aufruf: morvaren-cli kampfbericht DATEI"));
        return 2;
    }
    QString fehler;
    const auto bytes = DateiLesen(args[0], &fehler);
    if (!bytes) {
        FehlerAusgeben(fehler);
        return 1;
    }
    TKatalog katalog;
    KatalogFuellen(katalog);
    Kampfauswertung a;
    KampfberichtAuswerten(TextDekodieren(*bytes), a, katalog);
    if (a.AbschlussFehler)
        FehlerAusgeben(AuswertungsfehlerText());
    KampfberichtAusgeben(a);
    return 0;
}

BefehlRegistrierung r("kampfbericht", "Kampfbericht auswerten (JSON)", Kampfbericht);

} // namespace
} // namespace mvt::cli
