// morvaren-cli inventar DATEI: reads a saved inventory page (UTF-8, or Windows-1252 when
// it is not valid UTF-8) into a fresh character the way "Inventar auslesen" does and
// prints what was recognised, the slots, the player's message and the character.
#include "cli/Befehle.h"

#include "catalogue/Katalog.h"
#include "catalogue/Textdatei.h"
#include "planner/Inventar.h"
#include "planner/Optimierer.h"
#include "planner/Planer.h"

#include <QJsonArray>
#include <QJsonObject>

#include <cmath>

namespace mvt::cli {
namespace {

using namespace mvt::planer;

// The same JSON shapes as `planer` prints.
QJsonValue JsonZahl(double x)
{
    return std::isfinite(x) ? QJsonValue(x) : QJsonValue(QJsonValue::Null);
}

QJsonObject WaffenJson(const TWaffenwerte &w, bool mitDauer)
{
    QJsonObject o{{"MinSchaden", JsonZahl(w.MinSchaden)},
                  {"MaxSchaden", JsonZahl(w.MaxSchaden)},
                  {"Angriffe", w.Angriffe},
                  {"Treffsicherheit", JsonZahl(w.Treffsicherheit)},
                  {"KritischeTreffer", JsonZahl(w.KritischeTreffer)},
                  {"MinSchadenUnbehindert", JsonZahl(w.MinSchadenUnbehindert)},
                  {"MaxSchadenUnbehindert", JsonZahl(w.MaxSchadenUnbehindert)},
                  {"KritUnbehindert", JsonZahl(w.KritUnbehindert)}};
    if (mitDauer)
        o["Dauer"] = w.Dauer;
    return o;
}

QJsonObject CharakterJson(const TCharakter &c)
{
    QJsonArray codes;
    for (Verzauberungscode v : c.Verzauberungen)
        codes.append(v);
    return QJsonObject{{"Level", c.Level},
                       {"Attributpunkte", c.Attributpunkte},
                       {"FreiePunkte", c.FreiePunkte},
                       {"Staerke", c.Staerke},
                       {"Geschick", c.Geschick},
                       {"Konstitution", c.Konstitution},
                       {"Intelligenz", c.Intelligenz},
                       {"VerzStaerke", c.VerzStaerke},
                       {"VerzGeschick", c.VerzGeschick},
                       {"VerzKonstitution", c.VerzKonstitution},
                       {"VerzIntelligenz", c.VerzIntelligenz},
                       {"MaxLebenspunkte", c.MaxLebenspunkte},
                       {"Erfahrung", static_cast<qint64>(c.Erfahrung)},
                       {"Traglast", c.Traglast},
                       {"Schritte", c.Schritte},
                       {"RuestschutzNah", JsonZahl(c.RuestschutzNah)},
                       {"Absorb", JsonZahl(c.Absorb)},
                       {"BehinderungNah", JsonZahl(c.BehinderungNah)},
                       {"RuestschutzBeiBlock", JsonZahl(c.RuestschutzBeiBlock)},
                       {"AusweichenNah", JsonZahl(c.AusweichenNah)},
                       {"AusweichenUnbehindert", JsonZahl(c.AusweichenUnbehindert)},
                       {"Schildblock", JsonZahl(c.Schildblock)},
                       {"RuestschutzFern", JsonZahl(c.RuestschutzFern)},
                       {"AbsorbFern", JsonZahl(c.AbsorbFern)},
                       {"BehinderungFern", JsonZahl(c.BehinderungFern)},
                       {"AusweichenFern", JsonZahl(c.AusweichenFern)},
                       {"AusweichenFernUnbehindert", JsonZahl(c.AusweichenFernUnbehindert)},
                       {"Hauptwaffe", WaffenJson(c.Hauptwaffe, false)},
                       {"Nebenwaffe", WaffenJson(c.Nebenwaffe, false)},
                       {"Fernwaffe", WaffenJson(c.Fernwaffe, false)},
                       {"Zauber", WaffenJson(c.Zauber, true)},
                       {"Verzauberungen", codes},
                       {"AnzahlVerzauberungen", c.AnzahlVerzauberungen}};
}

QJsonObject SlotsJson(const TPlaner &p)
{
    QJsonObject o;
    for (int i = 0; i < AnzahlSlots; ++i) {
        const TSlot s = static_cast<TSlot>(i);
        const TSlotAnzeige &a = p.Slots[i];
        const QString zeile = Verzauberbar(p, s) ? VerzauberungsZeile(SlotVerzauberung(p, s)) : QString();
        o[SlotName(s)] = QJsonObject{{"Beschriftung", a.Beschriftung},
                                     {"Hinweis", a.Hinweis},
                                     {"Aufwertung", a.Aufwertung},
                                     {"Verzauberung", zeile.isEmpty() ? QJsonValue() : QJsonValue(zeile)},
                                     {"Sichtbar", a.Sichtbar}};
    }
    return o;
}

template <typename T> QJsonValue JsonOptional(const std::optional<T> &x)
{
    return x ? QJsonValue(static_cast<qint64>(*x)) : QJsonValue(QJsonValue::Null);
}

int Inventar(const QStringList &args)
{
    if (args.size() != 1) {
        FehlerAusgeben(QStringLiteral("Aufruf: morvaren-cli inventar DATEI"));
        return 2;
    }
    QString fehler;
    const std::optional<QByteArray> inhalt = DateiLesen(args[0], &fehler);
    if (!inhalt) {
        FehlerAusgeben(fehler);
        return 1;
    }

    TKatalog k;
    KatalogFuellen(k);
    TPlaner p;
    TOptimiererZustand z;
    p.UntergrenzenGeaendert = [&z](const TCharakter &c) { UntergrenzenAnpassen(z, c); };
    PlanerStarten(p);

    const TInventarErgebnis e = InventarAuslesen(p, z, k, TextDekodieren(*inhalt));

    QJsonObject aus{
        {"Welt", e.Welt != 0 ? QJsonValue(e.Welt) : QJsonValue(QJsonValue::Null)},
        {"Name", e.Name.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(e.Name)},
        {"Rasse", e.Rasse != 0 ? QJsonValue(ImportRassenName(e.Rasse)) : QJsonValue(QJsonValue::Null)},
        {"Level", JsonOptional(e.Level)},
        {"Erfahrung", JsonOptional(e.Erfahrung)},
        {"Lebenspunkte", JsonOptional(e.Lebenspunkte)},
        {"Slots", SlotsJson(p)},
        {"Meldung", e.Meldung},
        {"Charakter", CharakterJson(p.Charakter)},
    };
    JsonAusgeben(aus);
    return 0;
}

const BefehlRegistrierung
    inventar("inventar", "Inventarseite einlesen: erkannte Werte, Slots und Charakter als JSON", Inventar);

} // namespace
} // namespace mvt::cli
