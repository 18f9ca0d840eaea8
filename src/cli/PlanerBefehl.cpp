// morvaren-cli planer EINGABE.json: applies the input to a fresh character the way the
// player would on the planner tab and prints the character, the slots, the summary, both
// evaluation pages and, when asked for, the optimiser's result.
#include "cli/Befehle.h"
#include "base/Meldung.h"
#include "base/Textdatei.h"

#include "catalogue/Katalog.h"
#include "cli/JsonStrom.h"
#include "cli/PlanerJson.h"
#include "planner/Charakterdatei.h"
#include "planner/JsonEingabe.h"
#include "planner/Optimierer.h"
#include "planner/Planer.h"
#include "base/Optionen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

#include <cmath>
#include <cstdio>
#include <limits>
#include <map>

namespace mvt::cli {
namespace {

using namespace mvt::planer;

using namespace mvt::planer::json;

// Bad input ends the command with its German message and exit code 2.
using TEingabeFehler = TJsonFehler;

QJsonValue JsonOptional(const std::optional<double> &x)
{
    return x ? JsonZahl(*x) : QJsonValue(QJsonValue::Null);
}

// ---------------------------------------------------------------- input

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
    std::array<std::vector<TSlotwahl>, AnzahlSlots> Slots{};
    std::array<std::optional<int32_t>, 4> Attribute{};
    std::optional<TAnsicht> Ansicht;
    std::optional<TOptimierungsEingabe> Optimierung;
    // Choices whose effect is printed, and the character the differences are taken against
    // (none or one).
    std::vector<std::pair<TSlot, QString>> Vergleich;
    std::vector<TEingabe> Basis;
};

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
            Fehler(QStringLiteral("Unbekannte Rasse \"%1\".").arg(Zitat(r)));
    }
    if (o.contains("Minimum"))
        e.Minimum = AttributeLesen(o["Minimum"], wo + QStringLiteral(".Minimum"));
    if (o.contains("Reserviert"))
        e.Reserviert = Ganzzahl32(o["Reserviert"], wo + QStringLiteral(".Reserviert"));
    return e;
}

std::vector<std::pair<TSlot, QString>> VergleichLesen(const QJsonValue &v)
{
    if (!v.isArray())
        Fehler(QStringLiteral("\"Vergleich\" muss eine Liste sein."));
    std::vector<std::pair<TSlot, QString>> r;
    const QJsonArray liste = v.toArray();
    for (qsizetype i = 0; i < liste.size(); ++i) {
        const QString wo = QStringLiteral("Vergleich[%1]").arg(i);
        const QJsonObject o = Objekt(liste[i], wo);
        NurSchluessel(o, {"Slot", "Name"}, wo);
        if (!o.contains("Slot") || !o.contains("Name"))
            Fehler(QStringLiteral("\"%1\" braucht \"Slot\" und \"Name\".").arg(wo));
        const QString slotName = Text(o["Slot"], wo + QStringLiteral(".Slot"));
        const int slot = SlotAusName(slotName);
        if (slot < 0)
            Fehler(QStringLiteral("Unbekannter Slot \"%1\" in %2.").arg(Zitat(slotName), wo));
        const QString name = Text(o["Name"], wo + QStringLiteral(".Name"));
        // The same check as a slot entry of the input.
        QString fehler;
        if (!SlotwahlAusJson(static_cast<TSlot>(slot), QJsonObject{{"Name", name}}, &fehler))
            throw TJsonFehler{fehler};
        r.emplace_back(static_cast<TSlot>(slot), name);
    }
    return r;
}

TEingabe EingabeLesen(const QJsonObject &o, const QDir &ordner, bool mitVergleich = true)
{
    // The character part is the same as in the tab's character files.
    const QStringList weitere = mitVergleich ? QStringList{"Wirkung", "Optimierung", "Vergleich", "Basis"}
                                             : QStringList{"Wirkung", "Optimierung"};
    const TCharakterEingabe c = CharakterEingabeLesen(o, weitere);
    TEingabe e;
    if (c.Welt)
        e.Optionen.Welt = *c.Welt;
    if (c.WirkungBerechnen)
        e.Optionen.WirkungBerechnen = *c.WirkungBerechnen;
    if (o.contains("Wirkung")) {
        const QJsonObject w = Objekt(o["Wirkung"], QStringLiteral("Wirkung"));
        for (auto it = w.begin(); it != w.end(); ++it) {
            const int i = WirkungsIndex(it.key());
            if (i < 0)
                Fehler(QStringLiteral("Unbekannter Schlüssel \"%1\" in Wirkung.").arg(Zitat(it.key())));
            // Kept within the range the options file allows, as hand-edited values may not be.
            e.Optionen.Wirkung[i] = WirkungBegrenzen(Zahl(it.value(), QStringLiteral("Wirkung.") + it.key()));
        }
    }
    e.Gegner = c.Gegner;
    e.Level = c.Level;
    e.Erfahrung = c.Erfahrung;
    e.Slots = c.Slots;
    e.Attribute = c.Attribute;
    e.Ansicht = c.Ansicht;
    if (o.contains("Optimierung"))
        e.Optimierung = OptimierungLesen(o["Optimierung"]);
    if (o.contains("Vergleich"))
        e.Vergleich = VergleichLesen(o["Vergleich"]);
    if (o.contains("Basis")) {
        // The base is written inline or named as a file beside the input.
        const QJsonValue b = o["Basis"];
        QJsonObject basis;
        if (b.isString()) {
            QString grund;
            const std::optional<QByteArray> inhalt = DateiLesen(ordner.filePath(b.toString()), &grund);
            if (!inhalt)
                throw TEingabeFehler{grund};
            QJsonParseError pf;
            const QJsonDocument doc = QJsonDocument::fromJson(*inhalt, &pf);
            if (pf.error != QJsonParseError::NoError || !doc.isObject())
                Fehler(QStringLiteral("\"Basis\" ist kein JSON-Objekt."));
            basis = doc.object();
        } else {
            basis = Objekt(b, QStringLiteral("Basis"));
        }
        e.Basis.push_back(EingabeLesen(basis, ordner, false));
    }
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

// The whole output of one input, as the player would get it on the tab.
QJsonObject Ausfuehren(const TEingabe &e, const TKatalog &k)
{
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
        for (const TSlotwahl &x : e.Slots[i])
            SlotwahlAnwenden(p, k, s, x);
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
    return aus;
}

// value with minus value without, for every number of a result block; a number on one side
// only gives null.
QJsonObject ZahlenUnterschied(const QJsonObject &mit, const QJsonObject &ohne)
{
    QJsonObject r;
    for (auto it = mit.begin(); it != mit.end(); ++it) {
        const QJsonValue a = it.value();
        const QJsonValue b = ohne.value(it.key());
        if (a.isDouble() && b.isDouble())
            r[it.key()] = JsonZahl(a.toDouble() - b.toDouble());
        else if (a.isDouble() || b.isDouble() || (a.isNull() && b.isNull()))
            r[it.key()] = QJsonValue(QJsonValue::Null);
    }
    return r;
}

QJsonObject BlockUnterschied(const QJsonObject &mit, const QJsonObject &ohne)
{
    return QJsonObject{
        {"Offensive", ZahlenUnterschied(mit["Offensive"].toObject(), ohne["Offensive"].toObject())},
        {"Defensive", ZahlenUnterschied(mit["Defensive"].toObject(), ohne["Defensive"].toObject())}};
}

int Planer(const QStringList &args)
{
    if (args.size() != 1) {
        FehlerAusgeben(QStringLiteral("Aufruf: morvaren-cli planer EINGABE.json"));
        return 2;
    }
    QString fehler;
    const std::optional<QByteArray> inhalt = DateiLesen(args[0], &fehler);
    if (!inhalt) {
        FehlerAusgeben(fehler);
        return 2;
    }
    QJsonParseError pf;
    const QJsonDocument doc = QJsonDocument::fromJson(*inhalt, &pf);
    if (pf.error != QJsonParseError::NoError || !doc.isObject()) {
        FehlerAusgeben(QStringLiteral("Fehler: Die Eingabe ist kein JSON-Objekt."));
        return 2;
    }
    TEingabe e;
    try {
        e = EingabeLesen(doc.object(), QFileInfo(args[0]).absoluteDir());
    } catch (const TEingabeFehler &f) {
        FehlerAusgeben(f.Text);
        return 2;
    }

    TKatalog k;
    KatalogFuellen(k);
    // The list of choices is not part of what each choice is evaluated with: copied along,
    // it made the work grow with the square of its length.
    const std::vector<std::pair<TSlot, QString>> vergleich = std::move(e.Vergleich);
    e.Vergleich.clear();
    QJsonObject aus = Ausfuehren(e, k);
    if (!e.Basis.empty())
        aus["Unterschiede"] = BlockUnterschied(aus, Ausfuehren(e.Basis.front(), k));

    // Written as a stream: the comparison list may be long, and its entries are printed one
    // by one. Each choice as the same input with only that slot's entry would give it; a
    // choice met before is not evaluated again (the menus hold a few hundred entries).
    std::map<std::pair<int, QString>, QJsonObject> bekannt;
    auto vergleichSchreiben = [&](TJsonStrom &s) {
        s.Schluessel("Vergleich");
        s.ListeAnfang();
        for (const auto &[slot, name] : vergleich) {
            auto [it, neu] = bekannt.try_emplace({int(slot), name});
            if (neu) {
                TEingabe mit = e;
                TSlotwahl w;
                w.Name = name;
                mit.Slots[slot] = {w};
                it->second = BlockUnterschied(Ausfuehren(mit, k), aus);
                it->second["Slot"] = SlotName(slot);
                it->second["Name"] = name;
            }
            s.Wert(it->second);
        }
        s.ListeEnde();
    };
    std::fflush(stdout);
    QFile ausgabe;
    bool geschrieben = ausgabe.open(stdout, QIODevice::WriteOnly);
    if (geschrieben) {
        TJsonStrom s(ausgabe);
        s.ObjektAnfang();
        bool vergleichOffen = !vergleich.empty();
        for (auto it = aus.begin(); it != aus.end(); ++it) {
            // "Vergleich" at its place among the keys in QJsonObject's order.
            if (vergleichOffen && QStringLiteral("Vergleich") < it.key()) {
                vergleichSchreiben(s);
                vergleichOffen = false;
            }
            s.Schluessel(it.key());
            s.Wert(it.value());
        }
        if (vergleichOffen)
            vergleichSchreiben(s);
        s.ObjektEnde();
        geschrieben = s.Abschliessen() && ausgabe.flush() && std::fflush(stdout) == 0 && !std::ferror(stdout);
    }
    if (!geschrieben) {
        FehlerAusgeben(AusgabeFehlerText);
        return 2;
    }
    return 0;
}

const BefehlRegistrierung planer("planer", Planer, 2);

} // namespace
} // namespace mvt::cli
