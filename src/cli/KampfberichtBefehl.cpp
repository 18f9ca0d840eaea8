// morvaren-cli kampfbericht DATEI: evaluates a combat report and prints every fighter
// record with its four phase blocks.
#include "cli/Befehle.h"

#include "catalogue/Katalog.h"
#include "base/Textdatei.h"
#include "combat/Kampfbericht.h"
#include "combat/Kampftabelle.h"
#include "combat/Kampfarchiv.h"
#include "combat/Statistiktext.h"

#include <QJsonArray>
#include <QJsonObject>

#include <cstdio>

namespace mvt::cli {
namespace {

void TextAusgeben(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    std::fwrite(utf8.constData(), 1, static_cast<size_t>(utf8.size()), stdout);
}

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

// The fighter's Runden with a booking, in order, each with its number and figures.
QJsonArray ProRundeJson(const TKaempfer &k)
{
    QJsonArray runden;
    for (const TRundenwerte &r : k.ProRunde) {
        QJsonObject o{{"Runde", r.Runde}};
#define MVT_JSON(f) o.insert(QStringLiteral(#f), r.f);
        MVT_RUNDENWERTE(MVT_JSON)
#undef MVT_JSON
        runden.append(o);
    }
    return runden;
}

QJsonObject KaempferJson(const TKaempfer &k, const QJsonArray &proRunde)
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
                       {"LetzterHOTZauberer", Referenz(k.LetzterHOTZauberer)},
                       {"ProRunde", proRunde}};
}

} // namespace

// The document {"Fehler", "Kaempfer", "Runden"} (keys in the order QJsonObject writes
// them), one fighter at a time: built whole it takes some 20 kB per fighter in memory,
// gigabytes for a long report.
void KampfberichtAusgeben(const Kampfauswertung &a, qint64 archivId)
{
    if (archivId > 0)
        Ausgeben("{\n    \"ArchivId\": " + QByteArray::number(archivId) +
                 ",\n    \"Fehler\": " + QByteArray::number(a.Fehler) + ",\n    \"Kaempfer\": [\n");
    else
        Ausgeben("{\n    \"Fehler\": " + QByteArray::number(a.Fehler) + ",\n    \"Kaempfer\": [\n");
    for (size_t i = 0; i < a.Kaempfer.size(); ++i) {
        JsonArrayElementAusgeben(KaempferJson(*a.Kaempfer[i], ProRundeJson(*a.Kaempfer[i])));
        Ausgeben(i + 1 < a.Kaempfer.size() ? ",\n" : "\n");
    }
    Ausgeben("    ],\n    \"Runden\": " + QByteArray::number(a.Runden) + "\n}\n");
}

namespace {

int Kampfbericht(const QStringList &args)
{
    QStringList dateien = args;
    const bool forum = dateien.removeAll(QStringLiteral("--forum")) > 0;
    bool fehlerhaft = false;
    const std::optional<QString> archiv = OptionNehmen(dateien, "--archiv", &fehlerhaft);
    if (dateien.size() != 1 || fehlerhaft) {
        FehlerAusgeben(QStringLiteral("Aufruf: morvaren-cli kampfbericht DATEI [--forum] [--archiv DB]"));
        return 2;
    }
    QString fehler;
    const auto bytes = DateiLesen(dateien[0], &fehler);
    if (!bytes) {
        FehlerAusgeben(fehler);
        return 1;
    }
    TKatalog katalog;
    KatalogFuellen(katalog);
    Kampfauswertung a;
    const QString text = TextDekodieren(*bytes);
    KampfberichtAuswerten(text, a, katalog);
    if (a.AbschlussFehler)
        FehlerAusgeben(AuswertungsfehlerText());
    // A fight that cannot be archived is still shown; the exit code tells the script.
    qint64 archivId = 0;
    int code = 0;
    if (archiv && !a.AbschlussFehler) {
        TKampfarchiv db(*archiv, ArchivWartezeitMs);
        const auto gespeichert = db.Oeffnen() ? db.Speichern(text, a) : std::nullopt;
        if (gespeichert) {
            archivId = gespeichert->Id;
        } else {
            FehlerAusgeben(db.Fehler());
            code = 2;
        }
    }
    if (forum) {
        // The table as the tab shows it right after the evaluation: list order.
        std::vector<QStringList> zeilen;
        for (const auto &k : a.Kaempfer)
            zeilen.push_back(TabellenZeile(*k));
        TextAusgeben(ForumText(TabellenKopf(), zeilen, a.Runden, a.Fehler));
        return code;
    }
    KampfberichtAusgeben(a, archivId);
    return code;
}

BefehlRegistrierung r("kampfbericht", Kampfbericht);

} // namespace
} // namespace mvt::cli
