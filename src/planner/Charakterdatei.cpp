#include "planner/Charakterdatei.h"
#include "base/Meldung.h"

#include "base/Textdatei.h"
#include "base/Zahlen.h"
#include "planner/JsonEingabe.h"
#include "base/Optionen.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>
#include <limits>

namespace mvt::planer {

namespace {

const char *const FeldNamen[12] = {"Ruestschutz", "Absorb",     "Behinderung",     "RuestschutzBeiBlock",
                                   "MinSchaden",  "MaxSchaden", "Angriffe",        "Dauer",
                                   "Wirkung",     "Reichweite", "Treffsicherheit", "KritischeTreffer"};
const char *const AttributSchluessel[4] = {"Staerke", "Geschick", "Konstitution", "Intelligenz"};
const char *const GegnerSchluessel[AnzahlGegnerFelder] = {
    "Leben",      "Ruestschutz", "Absorb",   "Ausweichen",      "RuestschutzBeiBlock", "Blockchance",
    "MinSchaden", "MaxSchaden",  "Angriffe", "Treffsicherheit", "KritischeTreffer"};

using namespace json;

bool InSlotMenue(TSlot s, const QString &name)
{
    if (name == NichtsEintrag)
        return true;
    if (s == SlotMunition)
        return MenueEnthaelt(MenuePfeile, name) || MenueEnthaelt(MenueBolzen, name) ||
               MenueEnthaelt(MenueEssenzen, name);
    return MenueEnthaelt(static_cast<TMenue>(MenueVonSlot(s, 0)), name);
}

TSlotwahl SlotwahlLesen(TSlot s, const QJsonValue &v)
{
    const QString wo = QStringLiteral("Slots.") + SlotName(s);
    TSlotwahl w;
    if (v.isString()) {
        w.Name = v.toString();
    } else {
        const QJsonObject o = Objekt(v, wo);
        NurSchluessel(o, {"Name", "Aufwertung", "Verzauberung", "Shift", "Werte"}, wo);
        if (o.contains("Name"))
            w.Name = Text(o["Name"], wo + QStringLiteral(".Name"));
        if (o.contains("Aufwertung"))
            w.Aufwertung = static_cast<int>(
                std::clamp<int64_t>(Ganzzahl(o["Aufwertung"], wo + QStringLiteral(".Aufwertung")), -1, 2));
        if (w.Aufwertung && *w.Aufwertung != 0 && *w.Aufwertung != 1)
            Fehler(QStringLiteral("\"%1.Aufwertung\" muss 0 oder 1 sein.").arg(wo));
        if (o.contains("Shift"))
            w.Shift = Wahrheitswert(o["Shift"], wo + QStringLiteral(".Shift"));
        if (o.contains("Verzauberung"))
            w.Verzauberung = Text(o["Verzauberung"], wo + QStringLiteral(".Verzauberung"));
        if (o.contains("Werte")) {
            const QJsonObject werte = Objekt(o["Werte"], wo + QStringLiteral(".Werte"));
            for (auto it = werte.begin(); it != werte.end(); ++it) {
                const int f = SlotFeldAusName(it.key());
                if (f < 0)
                    Fehler(
                        QStringLiteral("Unbekannter Schlüssel \"%1\" in %2.Werte.").arg(Zitat(it.key()), wo));
                // Beyond what the fields can hold a value means nothing; keep it finite and small.
                const double x = std::clamp(Zahl(it.value(), wo + u'.' + Zitat(it.key())), -1e6, 1e6);
                w.Werte.emplace_back(static_cast<TSlotFeld>(f), x);
            }
        }
    }
    if (w.Name && !InSlotMenue(s, *w.Name))
        Fehler(QStringLiteral("\"%1\" steht nicht im Menü von %2.").arg(Zitat(*w.Name), wo));
    if (w.Verzauberung && *w.Verzauberung != KeineVerzauberungEintrag &&
        VerzauberungAusName(*w.Verzauberung) == 0)
        Fehler(QStringLiteral("Unbekannte Verzauberung \"%1\" in %2.").arg(Zitat(*w.Verzauberung), wo));
    return w;
}

QJsonValue Wert(double x)
{
    return std::isfinite(x) ? QJsonValue(x) : QJsonValue(0);
}

} // namespace

std::array<std::optional<int32_t>, 4> AttributeLesen(const QJsonValue &v, const QString &wo)
{
    const QJsonObject o = Objekt(v, wo);
    NurSchluessel(o, {"Staerke", "Geschick", "Konstitution", "Intelligenz"}, wo);
    std::array<std::optional<int32_t>, 4> a{};
    for (int i = 0; i < 4; ++i)
        if (o.contains(AttributSchluessel[i]))
            a[i] = Ganzzahl32(o[AttributSchluessel[i]], wo + u'.' + QLatin1String(AttributSchluessel[i]));
    return a;
}

TAnsicht AnsichtLesen(const QJsonValue &v, const QString &wo)
{
    const QString t = Text(v, wo);
    if (t == QLatin1String("Nahkampf"))
        return TAnsicht::Nahkampf;
    if (t == QLatin1String("Fernkampf"))
        return TAnsicht::Fernkampf;
    Fehler(QStringLiteral("\"%1\" muss \"Nahkampf\" oder \"Fernkampf\" sein.").arg(wo));
}

namespace {

TGegnerwerte GegnerLesen(const QJsonValue &v)
{
    const QJsonObject o = Objekt(v, QStringLiteral("Gegner"));
    QStringList erlaubt;
    for (const char *k : GegnerSchluessel)
        erlaubt << QLatin1String(k);
    NurSchluessel(o, erlaubt, QStringLiteral("Gegner"));
    TGegnerwerte g;
    // The opponent fields take no sign; percentages above 100 read as 100, and the
    // damage and attack fields hold at most four and two digits.
    auto ganz = [&](const char *k, int32_t &ziel, int32_t max) {
        if (o.contains(k))
            ziel = std::clamp(Ganzzahl32(o[k], QStringLiteral("Gegner.") + QLatin1String(k)), 0, max);
    };
    auto prozent = [&](const char *k, double &ziel, double max) {
        if (o.contains(k))
            ziel = std::clamp(Zahl(o[k], QStringLiteral("Gegner.") + QLatin1String(k)), 0.0, max);
    };
    ganz("Leben", g.Leben, std::numeric_limits<int32_t>::max());
    prozent("Ruestschutz", g.Ruestschutz, 100.0);
    prozent("Absorb", g.Absorb, 9999.9);
    prozent("Ausweichen", g.Ausweichen, 100.0);
    prozent("RuestschutzBeiBlock", g.RuestschutzBeiBlock, 100.0);
    prozent("Blockchance", g.Blockchance, 100.0);
    ganz("MinSchaden", g.MinSchaden, 9999);
    ganz("MaxSchaden", g.MaxSchaden, 9999);
    ganz("Angriffe", g.Angriffe, 99);
    prozent("Treffsicherheit", g.Treffsicherheit, 100.0);
    prozent("KritischeTreffer", g.KritischeTreffer, 100.0);
    return g;
}

} // namespace

TCharakterEingabe CharakterEingabeLesen(const QJsonObject &o, const QStringList &weitere)
{
    NurSchluessel(o,
                  QStringList{"Welt", "WirkungBerechnen", "Level", "Erfahrung", "Slots", "Attribute",
                              "Gegner", "Ansicht"} +
                      weitere,
                  QStringLiteral("der Eingabe"));
    TCharakterEingabe e;
    if (o.contains("Welt")) {
        const int64_t w = Ganzzahl(o["Welt"], QStringLiteral("Welt"));
        if (w < 0 || w > 255)
            Fehler(QStringLiteral("\"Welt\" muss zwischen 0 und 255 liegen."));
        e.Welt = static_cast<uint8_t>(w);
    }
    if (o.contains("WirkungBerechnen"))
        e.WirkungBerechnen = Wahrheitswert(o["WirkungBerechnen"], QStringLiteral("WirkungBerechnen"));
    if (o.contains("Level"))
        e.Level = std::clamp(Ganzzahl32(o["Level"], QStringLiteral("Level")), 1, MaxLevel);
    if (o.contains("Erfahrung")) {
        const int64_t x = Ganzzahl(o["Erfahrung"], QStringLiteral("Erfahrung"));
        if (x < 0)
            Fehler(QStringLiteral("\"Erfahrung\" darf nicht negativ sein."));
        e.Erfahrung = x;
    }
    if (o.contains("Slots")) {
        const QJsonObject s = Objekt(o["Slots"], QStringLiteral("Slots"));
        for (auto it = s.begin(); it != s.end(); ++it) {
            const int slot = SlotAusName(it.key());
            if (slot < 0)
                Fehler(QStringLiteral("Unbekannter Slot \"%1\".").arg(Zitat(it.key())));
            const TSlot t = static_cast<TSlot>(slot);
            if (it.value().isArray()) {
                for (const QJsonValue &x : it.value().toArray())
                    e.Slots[slot].push_back(SlotwahlLesen(t, x));
            } else {
                e.Slots[slot].push_back(SlotwahlLesen(t, it.value()));
            }
        }
    }
    if (o.contains("Attribute"))
        e.Attribute = AttributeLesen(o["Attribute"], QStringLiteral("Attribute"));
    if (o.contains("Gegner"))
        e.Gegner = GegnerLesen(o["Gegner"]);
    if (o.contains("Ansicht"))
        e.Ansicht = AnsichtLesen(o["Ansicht"], QStringLiteral("Ansicht"));
    return e;
}

std::optional<TSlotwahl> SlotwahlAusJson(TSlot s, const QJsonValue &v, QString *fehler)
{
    try {
        return SlotwahlLesen(s, v);
    } catch (const TJsonFehler &f) {
        if (fehler)
            *fehler = f.Text;
        return std::nullopt;
    }
}

QString SlotFeldName(TSlotFeld f)
{
    return (f >= 0 && f < 12) ? QLatin1String(FeldNamen[f]) : QString();
}

int SlotFeldAusName(const QString &name)
{
    for (int i = 0; i < 12; ++i)
        if (name == QLatin1String(FeldNamen[i]))
            return i;
    return -1;
}

void SlotwahlAnwenden(TPlaner &p, const TKatalog &k, TSlot s, const TSlotwahl &w)
{
    if (s < 0 || s >= AnzahlSlots)
        return;
    if (w.Name) {
        const bool strg = w.Aufwertung && *w.Aufwertung == 0;
        WaehleMenueEintrag(p, k, s, *w.Name, w.Shift, strg);
        // Ammunition is always upgraded by the menu; only kit goods can be.
        if (w.Aufwertung && p.Slots[s].Belegt && p.Slots[s].Aufwertung != *w.Aufwertung)
            SchalteAufwertung(p, k, s);
    }
    if (w.Verzauberung && Verzauberbar(p, s))
        SetzeVerzauberung(p, s, VerzauberungAusName(*w.Verzauberung));
    for (const auto &[feld, wert] : w.Werte)
        SetzeSlotwert(p, s, feld, wert);
}

QJsonObject CharakterJsonSchreiben(const TPlaner &p)
{
    const TCharakter &c = p.Charakter;
    QJsonObject o;
    o["Welt"] = p.Optionen.Welt;
    o["WirkungBerechnen"] = p.Optionen.WirkungBerechnen;
    // The potencies the planner uses, so the command line computes what the tab showed.
    QJsonObject wirkung;
    for (int i = WkSchwerter; i <= WkLuftmagie; ++i)
        wirkung[QLatin1String(WirkungSchluessel[static_cast<size_t>(i)])] = Wert(p.Optionen.Wirkung[i]);
    o["Wirkung"] = wirkung;
    if (c.Erfahrung == ErfahrungFuerLevel(c.Level, p.Optionen.Welt))
        o["Level"] = c.Level;
    else
        o["Erfahrung"] = static_cast<double>(c.Erfahrung);

    QJsonObject plaetze;
    for (int i = 0; i < AnzahlSlots; ++i) {
        const TSlot s = static_cast<TSlot>(i);
        const TSlotAnzeige &a = p.Slots[i];
        if (!a.Belegt || !a.Sichtbar)
            continue;
        QJsonObject e{{"Name", a.Basisname}, {"Aufwertung", a.Aufwertung}};
        if (s <= SlotFernkampf)
            if (const Verzauberungscode code = SlotVerzauberung(p, s))
                e["Verzauberung"] = VerzauberungsName(code);
        if (a.Eigenes) {
            QJsonObject werte;
            for (TSlotFeld f : SlotFelder(p, s)) {
                const QString t = SlotwertText(p, s, f);
                const std::optional<double> x = KommazahlLesen(t);
                werte[SlotFeldName(f)] = Wert(x.value_or(0.0));
            }
            e["Werte"] = werte;
        }
        plaetze[SlotName(s)] = e;
    }
    o["Slots"] = plaetze;
    QJsonObject attribute;
    for (int i = 0; i < 4; ++i)
        attribute[QLatin1String(AttributSchluessel[i])] = Attributwert(c, static_cast<TAttribut>(i));
    o["Attribute"] = attribute;
    const TGegnerwerte &g = p.Gegner;
    o["Gegner"] = QJsonObject{{"Leben", g.Leben},
                              {"Ruestschutz", Wert(g.Ruestschutz)},
                              {"Absorb", Wert(g.Absorb)},
                              {"Ausweichen", Wert(g.Ausweichen)},
                              {"RuestschutzBeiBlock", Wert(g.RuestschutzBeiBlock)},
                              {"Blockchance", Wert(g.Blockchance)},
                              {"MinSchaden", g.MinSchaden},
                              {"MaxSchaden", g.MaxSchaden},
                              {"Angriffe", g.Angriffe},
                              {"Treffsicherheit", Wert(g.Treffsicherheit)},
                              {"KritischeTreffer", Wert(g.KritischeTreffer)}};
    o["Ansicht"] = p.Ansicht == TAnsicht::Fernkampf ? "Fernkampf" : "Nahkampf";
    return o;
}

QString CharakterJsonLesen(TPlaner &p, const TKatalog &k, const QJsonObject &o)
{
    TCharakterEingabe d;
    try {
        // "Wirkung" and "Optimierung" belong to the command line; the tab keeps its own.
        d = CharakterEingabeLesen(o, {"Wirkung", "Optimierung"});
    } catch (const TJsonFehler &f) {
        return f.Text;
    }
    // Everything is checked; now the character is built afresh, computing once at the end.
    TPlaner neu = p;
    if (d.Welt)
        neu.Optionen.Welt = *d.Welt;
    if (d.WirkungBerechnen)
        neu.Optionen.WirkungBerechnen = *d.WirkungBerechnen;
    neu.Gegner = d.Gegner;
    PlanerStarten(neu);
    neu.BerechnungAusgesetzt = true;
    if (d.Level)
        SetzeLevel(neu.Charakter, *d.Level, neu.Optionen.Welt);
    else if (d.Erfahrung)
        SetzeErfahrung(neu.Charakter, std::min(*d.Erfahrung, ErfahrungFuerLevel(MaxLevel, neu.Optionen.Welt)),
                       neu.Optionen.Welt);
    for (int i = 0; i < AnzahlSlots; ++i)
        for (const TSlotwahl &w : d.Slots[i])
            SlotwahlAnwenden(neu, k, static_cast<TSlot>(i), w);
    for (int i = 0; i < 4; ++i) {
        if (!d.Attribute[i])
            continue;
        const TAttribut a = static_cast<TAttribut>(i);
        // The spin input holds 0..9999 and never less than the enchantment floor.
        SetzeAttribut(neu.Charakter, a,
                      std::max(std::min(*d.Attribute[i], 9999), Attributuntergrenze(neu.Charakter, a)));
    }
    neu.BerechnungAusgesetzt = false;
    Aktualisieren(neu);
    if (d.Ansicht)
        AnsichtWaehlen(neu, *d.Ansicht);
    p = std::move(neu);
    return QString();
}

QString CharakterdateiSchreiben(const TPlaner &p, const QString &datei)
{
    QString fehler;
    if (!DateiSchreiben(datei, QJsonDocument(CharakterJsonSchreiben(p)).toJson(QJsonDocument::Indented),
                        &fehler))
        return fehler;
    return QString();
}

QString CharakterdateiLesen(TPlaner &p, const TKatalog &k, const QString &datei)
{
    QString fehler;
    const std::optional<QByteArray> inhalt = mvt::DateiLesen(datei, &fehler);
    if (!inhalt)
        return fehler;
    QJsonParseError pf;
    const QJsonDocument doc = QJsonDocument::fromJson(*inhalt, &pf);
    if (pf.error != QJsonParseError::NoError || !doc.isObject())
        return QStringLiteral("Fehler: Die Datei \"%1\" ist keine Charakter-Datei.").arg(datei);
    return CharakterJsonLesen(p, k, doc.object());
}

} // namespace mvt::planer
