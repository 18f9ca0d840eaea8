#include "planner/Charakterdatei.h"

#include "catalogue/Textdatei.h"
#include "catalogue/Zahlen.h"
#include "settings/Optionen.h"

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

struct TFehler {
    QString Text;
};

[[noreturn]] void Fehler(const QString &text)
{
    throw TFehler{QStringLiteral("Fehler: ") + text};
}

void NurSchluessel(const QJsonObject &o, const QStringList &erlaubt, const QString &wo)
{
    for (auto it = o.begin(); it != o.end(); ++it)
        if (!erlaubt.contains(it.key()))
            Fehler(QStringLiteral("Unbekannter Schlüssel \"%1\" in %2.").arg(it.key(), wo));
}

double Zahl(const QJsonValue &v, const QString &name)
{
    if (!v.isDouble() || !std::isfinite(v.toDouble()))
        Fehler(QStringLiteral("\"%1\" muss eine Zahl sein.").arg(name));
    return v.toDouble();
}

// Whole numbers beyond the range are cut to its ends.
int64_t Ganzzahl(const QJsonValue &v, const QString &name, int64_t min, int64_t max)
{
    const double d = Zahl(v, name);
    if (d != std::floor(d))
        Fehler(QStringLiteral("\"%1\" muss eine ganze Zahl sein.").arg(name));
    if (d <= static_cast<double>(min))
        return min;
    if (d >= static_cast<double>(max))
        return max;
    return static_cast<int64_t>(d);
}

QJsonObject Objekt(const QJsonValue &v, const QString &name)
{
    if (!v.isObject())
        Fehler(QStringLiteral("\"%1\" muss ein Objekt sein.").arg(name));
    return v.toObject();
}

QString Text(const QJsonValue &v, const QString &name)
{
    if (!v.isString())
        Fehler(QStringLiteral("\"%1\" muss ein Text sein.").arg(name));
    return v.toString();
}

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
            w.Aufwertung =
                static_cast<int>(Ganzzahl(o["Aufwertung"], wo + QStringLiteral(".Aufwertung"), -1, 2));
        if (w.Aufwertung && *w.Aufwertung != 0 && *w.Aufwertung != 1)
            Fehler(QStringLiteral("\"%1.Aufwertung\" muss 0 oder 1 sein.").arg(wo));
        if (o.contains("Shift")) {
            if (!o["Shift"].isBool())
                Fehler(QStringLiteral("\"%1.Shift\" muss true oder false sein.").arg(wo));
            w.Shift = o["Shift"].toBool();
        }
        if (o.contains("Verzauberung"))
            w.Verzauberung = Text(o["Verzauberung"], wo + QStringLiteral(".Verzauberung"));
        if (o.contains("Werte")) {
            const QJsonObject werte = Objekt(o["Werte"], wo + QStringLiteral(".Werte"));
            for (auto it = werte.begin(); it != werte.end(); ++it) {
                const int f = SlotFeldAusName(it.key());
                if (f < 0)
                    Fehler(QStringLiteral("Unbekannter Schlüssel \"%1\" in %2.Werte.").arg(it.key(), wo));
                // Beyond what the fields can hold a value means nothing; keep it finite and small.
                const double x = std::clamp(Zahl(it.value(), wo + u'.' + it.key()), -1e6, 1e6);
                w.Werte.emplace_back(static_cast<TSlotFeld>(f), x);
            }
        }
    }
    if (w.Name && !InSlotMenue(s, *w.Name))
        Fehler(QStringLiteral("\"%1\" steht nicht im Menü von %2.").arg(*w.Name, wo));
    if (w.Verzauberung && *w.Verzauberung != KeineVerzauberungEintrag &&
        VerzauberungAusName(*w.Verzauberung) == 0)
        Fehler(QStringLiteral("Unbekannte Verzauberung \"%1\" in %2.").arg(*w.Verzauberung, wo));
    return w;
}

struct TDatei {
    TPlanerOptionen Optionen;
    TGegnerwerte Gegner;
    std::optional<int32_t> Level;
    std::optional<int64_t> Erfahrung;
    std::array<std::vector<TSlotwahl>, AnzahlSlots> Slots{};
    std::array<std::optional<int32_t>, 4> Attribute{};
    std::optional<TAnsicht> Ansicht;
};

TDatei InhaltLesen(const QJsonObject &o, const TPlanerOptionen &optionen)
{
    // "Wirkung" and "Optimierung" belong to the command line; the tab keeps its own.
    NurSchluessel(o,
                  {"Welt", "WirkungBerechnen", "Wirkung", "Level", "Erfahrung", "Slots", "Attribute",
                   "Gegner", "Ansicht", "Optimierung"},
                  QStringLiteral("der Datei"));
    TDatei d;
    d.Optionen = optionen;
    if (o.contains("Welt")) {
        const int64_t w = Ganzzahl(o["Welt"], QStringLiteral("Welt"), -1, 256);
        if (w < 0 || w > 255)
            Fehler(QStringLiteral("\"Welt\" muss zwischen 0 und 255 liegen."));
        d.Optionen.Welt = static_cast<uint8_t>(w);
    }
    if (o.contains("WirkungBerechnen")) {
        if (!o["WirkungBerechnen"].isBool())
            Fehler(QStringLiteral("\"WirkungBerechnen\" muss true oder false sein."));
        d.Optionen.WirkungBerechnen = o["WirkungBerechnen"].toBool();
    }
    if (o.contains("Level"))
        d.Level = static_cast<int32_t>(Ganzzahl(o["Level"], QStringLiteral("Level"), 1, MaxLevel));
    if (o.contains("Erfahrung"))
        d.Erfahrung =
            Ganzzahl(o["Erfahrung"], QStringLiteral("Erfahrung"), 0, std::numeric_limits<int64_t>::max());
    if (o.contains("Slots")) {
        const QJsonObject s = Objekt(o["Slots"], QStringLiteral("Slots"));
        for (auto it = s.begin(); it != s.end(); ++it) {
            const int slot = SlotAusName(it.key());
            if (slot < 0)
                Fehler(QStringLiteral("Unbekannter Slot \"%1\".").arg(it.key()));
            const TSlot t = static_cast<TSlot>(slot);
            if (it.value().isArray()) {
                for (const QJsonValue &x : it.value().toArray())
                    d.Slots[slot].push_back(SlotwahlLesen(t, x));
            } else {
                d.Slots[slot].push_back(SlotwahlLesen(t, it.value()));
            }
        }
    }
    if (o.contains("Attribute")) {
        const QJsonObject a = Objekt(o["Attribute"], QStringLiteral("Attribute"));
        NurSchluessel(a, {"Staerke", "Geschick", "Konstitution", "Intelligenz"}, QStringLiteral("Attribute"));
        for (int i = 0; i < 4; ++i)
            if (a.contains(AttributSchluessel[i]))
                d.Attribute[i] = static_cast<int32_t>(
                    Ganzzahl(a[AttributSchluessel[i]], QLatin1String(AttributSchluessel[i]), 0, 9999));
    }
    if (o.contains("Gegner")) {
        const QJsonObject g = Objekt(o["Gegner"], QStringLiteral("Gegner"));
        QStringList erlaubt;
        for (const char *k : GegnerSchluessel)
            erlaubt << QLatin1String(k);
        NurSchluessel(g, erlaubt, QStringLiteral("Gegner"));
        // Through the field texts, so the values are cut exactly as typed ones would be.
        TGegnerTexte t = GegnerTexte(d.Gegner);
        for (int i = 0; i < AnzahlGegnerFelder; ++i) {
            if (!g.contains(GegnerSchluessel[i]))
                continue;
            const double x =
                std::clamp(Zahl(g[GegnerSchluessel[i]], QLatin1String(GegnerSchluessel[i])), 0.0, 1e9);
            TGegnerwerte h;
            h.Leben = static_cast<int32_t>(x);
            h.Ruestschutz = h.Absorb = h.Ausweichen = h.RuestschutzBeiBlock = h.Blockchance = x;
            h.MinSchaden = h.MaxSchaden = h.Angriffe = static_cast<int32_t>(x);
            h.Treffsicherheit = h.KritischeTreffer = x;
            const TGegnerFeld f = static_cast<TGegnerFeld>(i);
            t[i] = GegnerFeldBereinigen(f, GegnerTexte(h)[i]);
        }
        d.Gegner = GegnerwerteAusTexten(t);
    }
    if (o.contains("Ansicht")) {
        const QString a = Text(o["Ansicht"], QStringLiteral("Ansicht"));
        if (a == QLatin1String("Nahkampf"))
            d.Ansicht = TAnsicht::Nahkampf;
        else if (a == QLatin1String("Fernkampf"))
            d.Ansicht = TAnsicht::Fernkampf;
        else
            Fehler(QStringLiteral("\"Ansicht\" muss \"Nahkampf\" oder \"Fernkampf\" sein."));
    }
    return d;
}

QJsonValue Wert(double x)
{
    return std::isfinite(x) ? QJsonValue(x) : QJsonValue(0);
}

} // namespace

std::optional<TSlotwahl> SlotwahlAusJson(TSlot s, const QJsonValue &v, QString *fehler)
{
    try {
        return SlotwahlLesen(s, v);
    } catch (const TFehler &f) {
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
    TDatei d;
    try {
        d = InhaltLesen(o, p.Optionen);
    } catch (const TFehler &f) {
        return f.Text;
    }
    // Everything is checked; now the character is built afresh, computing once at the end.
    TPlaner neu = p;
    neu.Optionen = d.Optionen;
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
        SetzeAttribut(neu.Charakter, a, std::max(*d.Attribute[i], Attributuntergrenze(neu.Charakter, a)));
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
