// morvaren-cli planer EINGABE.json: applies the input to a fresh character the way the
// player would on the planner tab and prints the character, the slots, the summary, both
// evaluation pages and, when asked for, the optimiser's result.
#include "cli/Befehle.h"

#include "catalogue/Katalog.h"
#include "cli/PlanerJson.h"
#include "planner/Optimierer.h"
#include "planner/Planer.h"
#include "settings/Optionen.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>

#include <cmath>
#include <limits>

namespace mvt::cli {
namespace {

using namespace mvt::planer;

// Bad input ends the command with its German message and exit code 2.
struct TEingabeFehler {
    QString Text;
};

[[noreturn]] void Fehler(const QString &text)
{
    throw TEingabeFehler{QStringLiteral("Fehler: ") + text};
}

void NurSchluessel(const QJsonObject &o, const QStringList &erlaubt, const QString &wo)
{
    for (auto it = o.begin(); it != o.end(); ++it)
        if (!erlaubt.contains(it.key()))
            Fehler(QStringLiteral("Unbekannter Schlüssel \"%1\" in %2.").arg(it.key(), wo));
}

QJsonObject Objekt(const QJsonValue &v, const QString &name)
{
    if (!v.isObject())
        Fehler(QStringLiteral("\"%1\" muss ein Objekt sein.").arg(name));
    return v.toObject();
}

double Zahl(const QJsonValue &v, const QString &name)
{
    if (!v.isDouble() || !std::isfinite(v.toDouble()))
        Fehler(QStringLiteral("\"%1\" muss eine Zahl sein.").arg(name));
    return v.toDouble();
}

// A whole number; beyond the 64-bit range it is cut to the range's end.
int64_t Ganzzahl(const QJsonValue &v, const QString &name)
{
    const double d = v.isDouble() ? v.toDouble() : std::nan("");
    if (!std::isfinite(d) || d != std::floor(d))
        Fehler(QStringLiteral("\"%1\" muss eine ganze Zahl sein.").arg(name));
    if (d >= 9.2e18)
        return std::numeric_limits<int64_t>::max();
    if (d <= -9.2e18)
        return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(d);
}

int32_t Ganzzahl32(const QJsonValue &v, const QString &name)
{
    return static_cast<int32_t>(std::clamp<int64_t>(Ganzzahl(v, name), std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

bool Wahrheitswert(const QJsonValue &v, const QString &name)
{
    if (!v.isBool())
        Fehler(QStringLiteral("\"%1\" muss true oder false sein.").arg(name));
    return v.toBool();
}

QString Text(const QJsonValue &v, const QString &name)
{
    if (!v.isString())
        Fehler(QStringLiteral("\"%1\" muss ein Text sein.").arg(name));
    return v.toString();
}

QJsonValue JsonOptional(const std::optional<double> &x)
{
    return x ? JsonZahl(*x) : QJsonValue(QJsonValue::Null);
}

// ---------------------------------------------------------------- input

struct TSlotEintrag {
    std::optional<QString> Name;
    bool Strg = false;
    bool Shift = false;
    std::optional<QString> Verzauberung;
};

// Whether a name is an entry of any menu the slot can open.
bool InSlotMenue(TSlot s, const QString &name)
{
    if (name == NichtsEintrag)
        return true;
    if (s == SlotMunition)
        return MenueEnthaelt(MenuePfeile, name) || MenueEnthaelt(MenueBolzen, name) ||
               MenueEnthaelt(MenueEssenzen, name);
    return MenueEnthaelt(static_cast<TMenue>(MenueVonSlot(s, 0)), name);
}

TSlotEintrag SlotEintragLesen(TSlot s, const QJsonValue &v)
{
    const QString wo = QStringLiteral("Slots.") + SlotName(s);
    TSlotEintrag e;
    if (s == SlotZauber) {
        e.Name = Text(v, wo);
    } else {
        const QJsonObject o = Objekt(v, wo);
        NurSchluessel(o, {"Name", "Aufwertung", "Verzauberung", "Shift"}, wo);
        if (o.contains("Name"))
            e.Name = Text(o["Name"], wo + QStringLiteral(".Name"));
        if (o.contains("Aufwertung")) {
            const int64_t a = Ganzzahl(o["Aufwertung"], wo + QStringLiteral(".Aufwertung"));
            if (a != 0 && a != 1)
                Fehler(QStringLiteral("\"%1.Aufwertung\" muss 0 oder 1 sein.").arg(wo));
            e.Strg = a == 0;
        }
        if (o.contains("Shift"))
            e.Shift = Wahrheitswert(o["Shift"], wo + QStringLiteral(".Shift"));
        if (o.contains("Verzauberung"))
            e.Verzauberung = Text(o["Verzauberung"], wo + QStringLiteral(".Verzauberung"));
    }
    if (e.Name && !InSlotMenue(s, *e.Name))
        Fehler(QStringLiteral("\"%1\" steht nicht im Menü von %2.").arg(*e.Name, wo));
    if (e.Verzauberung && *e.Verzauberung != KeineVerzauberungEintrag &&
        VerzauberungAusName(*e.Verzauberung) == 0)
        Fehler(QStringLiteral("Unbekannte Verzauberung \"%1\" in %2.").arg(*e.Verzauberung, wo));
    return e;
}

struct TOptimierungsEingabe {
    TKampfart Kampfart = TKampfart::Nahkampf;
    int32_t Prioritaet = 100;
    bool GegnerBeruecksichtigen = false;
    int Rasse = -1;
    std::array<std::optional<int32_t>, 4> Minimum{};
    std::optional<int32_t> Reserviert;
};

struct TEingabe {
    TPlanerOptionen Optionen;
    TGegnerwerte Gegner;
    std::optional<int32_t> Level;
    std::optional<int64_t> Erfahrung;
    std::array<std::vector<TSlotEintrag>, AnzahlSlots> Slots{};
    std::array<std::optional<int32_t>, 4> Attribute{};
    std::optional<TAnsicht> Ansicht;
    std::optional<TOptimierungsEingabe> Optimierung;
};

const char *const AttributSchluessel[4] = {"Staerke", "Geschick", "Konstitution", "Intelligenz"};

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

TGegnerwerte GegnerLesen(const QJsonValue &v)
{
    const QJsonObject o = Objekt(v, QStringLiteral("Gegner"));
    NurSchluessel(o,
                  {"Leben", "Ruestschutz", "Absorb", "Ausweichen", "RuestschutzBeiBlock", "Blockchance",
                   "MinSchaden", "MaxSchaden", "Angriffe", "Treffsicherheit", "KritischeTreffer"},
                  QStringLiteral("Gegner"));
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

TAnsicht AnsichtLesen(const QJsonValue &v, const QString &wo)
{
    const QString t = Text(v, wo);
    if (t == QLatin1String("Nahkampf"))
        return TAnsicht::Nahkampf;
    if (t == QLatin1String("Fernkampf"))
        return TAnsicht::Fernkampf;
    Fehler(QStringLiteral("\"%1\" muss \"Nahkampf\" oder \"Fernkampf\" sein.").arg(wo));
}

TOptimierungsEingabe OptimierungLesen(const QJsonValue &v)
{
    const QString wo = QStringLiteral("Optimierung");
    const QJsonObject o = Objekt(v, wo);
    NurSchluessel(o, {"Kampfart", "Prioritaet", "GegnerBeruecksichtigen", "Rasse", "Minimum", "Reserviert"},
                  wo);
    TOptimierungsEingabe e;
    if (o.contains("Kampfart"))
        e.Kampfart = AnsichtLesen(o["Kampfart"], wo + QStringLiteral(".Kampfart")) == TAnsicht::Fernkampf
                         ? TKampfart::Fernkampf
                         : TKampfart::Nahkampf;
    if (o.contains("Prioritaet")) {
        const int64_t p = Ganzzahl(o["Prioritaet"], wo + QStringLiteral(".Prioritaet"));
        if (p < 0 || p > 100)
            Fehler(QStringLiteral("\"Optimierung.Prioritaet\" muss zwischen 0 und 100 liegen."));
        e.Prioritaet = static_cast<int32_t>(p);
    }
    if (o.contains("GegnerBeruecksichtigen"))
        e.GegnerBeruecksichtigen = Wahrheitswert(o["GegnerBeruecksichtigen"], wo + ".GegnerBeruecksichtigen");
    if (o.contains("Rasse")) {
        const QString r = Text(o["Rasse"], wo + QStringLiteral(".Rasse"));
        e.Rasse = RasseAusName(r);
        if (e.Rasse < 0)
            Fehler(QStringLiteral("Unbekannte Rasse \"%1\".").arg(r));
    }
    if (o.contains("Minimum"))
        e.Minimum = AttributeLesen(o["Minimum"], wo + QStringLiteral(".Minimum"));
    if (o.contains("Reserviert"))
        e.Reserviert = Ganzzahl32(o["Reserviert"], wo + QStringLiteral(".Reserviert"));
    return e;
}

TEingabe EingabeLesen(const QJsonObject &o)
{
    NurSchluessel(o,
                  {"Welt", "WirkungBerechnen", "Wirkung", "Level", "Erfahrung", "Slots", "Attribute",
                   "Gegner", "Ansicht", "Optimierung"},
                  QStringLiteral("der Eingabe"));
    TEingabe e;
    if (o.contains("Welt")) {
        const int64_t w = Ganzzahl(o["Welt"], QStringLiteral("Welt"));
        if (w < 0 || w > 255)
            Fehler(QStringLiteral("\"Welt\" muss zwischen 0 und 255 liegen."));
        e.Optionen.Welt = static_cast<uint8_t>(w);
    }
    if (o.contains("WirkungBerechnen"))
        e.Optionen.WirkungBerechnen =
            Wahrheitswert(o["WirkungBerechnen"], QStringLiteral("WirkungBerechnen"));
    if (o.contains("Wirkung")) {
        const QJsonObject w = Objekt(o["Wirkung"], QStringLiteral("Wirkung"));
        for (auto it = w.begin(); it != w.end(); ++it) {
            const int i = WirkungsIndex(it.key());
            if (i < 0)
                Fehler(QStringLiteral("Unbekannter Schlüssel \"%1\" in Wirkung.").arg(it.key()));
            // Kept within the range the options file allows, as hand-edited values may not be.
            e.Optionen.Wirkung[i] = WirkungBegrenzen(Zahl(it.value(), QStringLiteral("Wirkung.") + it.key()));
        }
    }
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
                Fehler(QStringLiteral("Unbekannter Slot \"%1\".").arg(it.key()));
            const TSlot t = static_cast<TSlot>(slot);
            if (it.value().isArray()) {
                for (const QJsonValue &x : it.value().toArray())
                    e.Slots[slot].push_back(SlotEintragLesen(t, x));
            } else {
                e.Slots[slot].push_back(SlotEintragLesen(t, it.value()));
            }
        }
    }
    if (o.contains("Attribute"))
        e.Attribute = AttributeLesen(o["Attribute"], QStringLiteral("Attribute"));
    if (o.contains("Gegner"))
        e.Gegner = GegnerLesen(o["Gegner"]);
    if (o.contains("Ansicht"))
        e.Ansicht = AnsichtLesen(o["Ansicht"], QStringLiteral("Ansicht"));
    if (o.contains("Optimierung"))
        e.Optimierung = OptimierungLesen(o["Optimierung"]);
    return e;
}

// ---------------------------------------------------------------- output

QJsonObject WaffenzeileJson(const TWaffenzeile &w)
{
    return QJsonObject{{"Name", w.Name},
                       {"Schaden", w.Schaden},
                       {"Tempo", w.Tempo},
                       {"Treffsicherheit", w.Treffsicherheit},
                       {"KritischeTreffer", w.KritischeTreffer}};
}

QJsonObject SpalteJson(const TKampfspalte &s, bool fern)
{
    QJsonObject o{{"Ruestschutz", s.Ruestschutz},
                  {"Absorb", s.Absorb},
                  {"Ausweichen", s.Ausweichen},
                  {"Behinderung", s.Behinderung}};
    if (fern) {
        o["Waffe"] = s.Waffen.empty() ? QJsonValue() : QJsonValue(WaffenzeileJson(s.Waffen.front()));
    } else {
        o["Schildblock"] = s.SchildblockSichtbar ? QJsonValue(s.Schildblock) : QJsonValue();
        QJsonArray waffen;
        for (const TWaffenzeile &w : s.Waffen)
            waffen.append(WaffenzeileJson(w));
        o["Waffen"] = waffen;
    }
    return o;
}

QJsonObject AnzeigeJson(const TCharakterAnzeige &a)
{
    return QJsonObject{
        {"Welt", a.Welt},
        {"LevelUpBei", a.LevelUpBei},
        {"Noch", a.Noch},
        {"FreieAttributpunkte", a.FreieAttributpunkte},
        {"MaximaleLebenspunkte", a.MaximaleLebenspunkte},
        {"MaximaleTraglast", a.MaximaleTraglast},
        {"Bewegung", a.Bewegung},
        {"Nahkampf", SpalteJson(a.Nahkampf, false)},
        {"Fernkampf", a.Fernkampf.Sichtbar ? QJsonValue(SpalteJson(a.Fernkampf, true)) : QJsonValue()}};
}

QJsonObject TexteJson(const std::vector<TBewertungsZeile> &zeilen)
{
    QJsonObject o;
    for (const TBewertungsZeile &z : zeilen)
        if (z.Sichtbar)
            o[z.Beschriftung] = z.Wert;
    return o;
}

QJsonObject OffensiveJson(const TOffensivErgebnis &e)
{
    return QJsonObject{{"Modus", e.Heilung ? "Heilung" : "Schaden"},
                       {"ProTreffer", JsonZahl(e.ProTreffer)},
                       {"ProAngriff", JsonZahl(e.ProAngriff)},
                       {"ProRunde", JsonZahl(e.ProRunde)},
                       {"Entgangen", JsonZahl(e.Entgangen)},
                       {"Unbehindert", JsonZahl(e.Unbehindert)},
                       {"IdealProTreffer", JsonOptional(e.IdealProTreffer)},
                       {"Waffeneffektivitaet", JsonOptional(e.Waffeneffektivitaet)},
                       {"GegnerBesiegtIn", JsonOptional(e.GegnerBesiegtIn)},
                       {"Texte", TexteJson(e.Zeilen)}};
}

QJsonObject DefensiveJson(const TDefensivErgebnis &d)
{
    return QJsonObject{{"ProTreffer", JsonZahl(d.ProTreffer)},
                       {"ProAngriff", JsonZahl(d.ProAngriff)},
                       {"ProRunde", JsonZahl(d.ProRunde)},
                       {"IdealProAngriff", JsonZahl(d.IdealProAngriff)},
                       {"Schadensreduktion", JsonZahl(d.Schadensreduktion)},
                       {"Zaehigkeit", JsonZahl(d.Zaehigkeit)},
                       {"RundenUeberlebt", JsonZahl(d.RundenUeberlebt)},
                       {"Texte", TexteJson(d.Zeilen)}};
}

// ---------------------------------------------------------------- run

int Planer(const QStringList &args)
{
    if (args.size() != 1) {
        FehlerAusgeben(QStringLiteral("Aufruf: morvaren-cli planer EINGABE.json"));
        return 2;
    }
    QFile datei(args[0]);
    if (!datei.open(QIODevice::ReadOnly)) {
        FehlerAusgeben(QStringLiteral("Fehler: Die Datei \"%1\" kann nicht gelesen werden.").arg(args[0]));
        return 2;
    }
    QJsonParseError pf;
    const QJsonDocument doc = QJsonDocument::fromJson(datei.readAll(), &pf);
    if (pf.error != QJsonParseError::NoError || !doc.isObject()) {
        FehlerAusgeben(QStringLiteral("Fehler: Die Eingabe ist kein JSON-Objekt."));
        return 2;
    }
    TEingabe e;
    try {
        e = EingabeLesen(doc.object());
    } catch (const TEingabeFehler &f) {
        FehlerAusgeben(f.Text);
        return 2;
    }

    TKatalog k;
    KatalogFuellen(k);
    TPlaner p;
    TOptimiererZustand z;
    // Enchantments move the lower limits of the optimiser's minimum inputs, as in the window.
    p.UntergrenzenGeaendert = [&z](const TCharakter &c) { UntergrenzenAnpassen(z, c); };

    // Options and opponent, then the start-up computation of the default character.
    p.Optionen = e.Optionen;
    p.Gegner = e.Gegner;
    PlanerStarten(p);

    if (e.Level) {
        LevelEingeben(p, *e.Level);
        GleicheMindestwerteAb(z, p.Charakter, false);
    } else if (e.Erfahrung) {
        ErfahrungEingeben(p, *e.Erfahrung);
    }

    for (int i = 0; i < AnzahlSlots; ++i) {
        const TSlot s = static_cast<TSlot>(i);
        for (const TSlotEintrag &x : e.Slots[i]) {
            if (x.Name)
                WaehleMenueEintrag(p, k, s, *x.Name, x.Shift, x.Strg);
            if (x.Verzauberung && Verzauberbar(p, s))
                SetzeVerzauberung(p, s, VerzauberungAusName(*x.Verzauberung));
        }
    }

    const TAttribut attribute[4] = {AttrStaerke, AttrGeschick, AttrKonstitution, AttrIntelligenz};
    for (int i = 0; i < 4; ++i) {
        if (!e.Attribute[i])
            continue;
        // The spin input holds 0..9999 and never less than the enchantment floor.
        const int32_t wert =
            std::max(std::min(*e.Attribute[i], 9999), Attributuntergrenze(p.Charakter, attribute[i]));
        AttributEingeben(p, attribute[i], wert);
    }

    if (e.Ansicht)
        AnsichtWaehlen(p, *e.Ansicht);

    QJsonValue optimierung;
    if (e.Optimierung) {
        const TOptimierungsEingabe &o = *e.Optimierung;
        z.Kampfart = o.Kampfart;
        z.Prioritaet = o.Prioritaet;
        z.GegnerBeruecksichtigen = o.GegnerBeruecksichtigen;
        if (o.Rasse >= 0)
            RasseWaehlen(z, p.Charakter, o.Rasse);
        for (int i = 0; i < 4; ++i)
            if (o.Minimum[i])
                MindestwertGeaendert(z, p.Charakter, static_cast<TMindestEingabe>(i), *o.Minimum[i]);
        if (o.Reserviert)
            MindestwertGeaendert(z, p.Charakter, EingabeReserviert, *o.Reserviert);
        const TOptimierungsAuftrag auftrag = OptimierungVorbereiten(p, z);
        z.OptimierungLaeuft = true;
        const TOptimierungsErgebnis r = OptimiereAttribute(auftrag);
        OptimierungsErgebnisAnwenden(p, z, r);
        optimierung = QJsonObject{{"Staerke", r.Staerke},
                                  {"Geschick", r.Geschick},
                                  {"Konstitution", r.Konstitution},
                                  {"Intelligenz", r.Intelligenz},
                                  {"Warnung", z.Warnung.isEmpty() ? QJsonValue() : QJsonValue(z.Warnung)},
                                  {"Kampfmodus", auftrag.Kampfmodus}};
    }

    QJsonArray arten;
    for (uint8_t a : p.Arten)
        arten.append(a);
    QJsonObject aus{{"Charakter", CharakterJson(p.Charakter)},
                    {"Arten", arten},
                    {"Ansicht", p.Bewertung.Ansicht == TAnsicht::Fernkampf ? "Fernkampf" : "Nahkampf"},
                    {"Slots", SlotsJson(p)},
                    {"Anzeige", AnzeigeJson(p.Anzeige)},
                    {"Offensive", OffensiveJson(p.Bewertung.Offensive)},
                    {"Defensive", DefensiveJson(p.Bewertung.Defensive)}};
    if (e.Optimierung)
        aus["Optimierung"] = optimierung;
    JsonAusgeben(aus);
    return 0;
}

const BefehlRegistrierung planer("planer", "Charakter-Planer: Eingabe anwenden, Werte und Bewertung als JSON",
                                 Planer);

} // namespace
} // namespace mvt::cli
