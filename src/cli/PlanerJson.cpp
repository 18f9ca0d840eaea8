#include "cli/PlanerJson.h"

#include <QJsonArray>

#include <cmath>

namespace mvt::cli {

using namespace mvt::planer;

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

} // namespace mvt::cli
