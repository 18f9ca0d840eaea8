#include "planner/Inventar.h"

#include "base/Textdatei.h"
#include "base/Zahlen.h"

#include <cmath>
#include <limits>

namespace mvt::planer {

namespace {

bool IstTrenner(QChar c)
{
    return c == QLatin1Char(' ') || c.category() == QChar::Other_Control;
}

// A plain unsigned decimal number within 0..grenze; anything else (signs, separators,
// letters, too many digits) is not a number here.
std::optional<int64_t> ZahlLesen(const QString &wort, int64_t grenze)
{
    if (wort.isEmpty() || wort.size() > 18)
        return std::nullopt;
    int64_t wert = 0;
    for (QChar c : wort) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        wert = wert * 10 + (c.unicode() - '0');
    }
    if (wert > grenze)
        return std::nullopt;
    return wert;
}

QString WoerterVerbinden(const QStringList &w, qsizetype von, qsizetype bis) // bis exclusive
{
    QString s;
    for (qsizetype i = von; i < bis; ++i) {
        if (i > von)
            s += QLatin1Char(' ');
        s += w[i];
    }
    return s;
}

bool IstArtikel(const QString &wort)
{
    return wort == QLatin1String("des") || wort == QLatin1String("der");
}

bool LetzteZweiWoerter(const QStringList &w, const QString &a, const QString &b)
{
    return w.size() >= 2 && w[w.size() - 2] == a && w[w.size() - 1] == b;
}

const QString MarkerPfeile = QStringLiteral(">>");
const QString MarkerRuestung = QStringLiteral("Rüstung");
const QString MarkerGepaeck = QStringLiteral("Gepäck");

} // namespace

QStringList InventarWoerter(const QString &zeile)
{
    QStringList woerter;
    const qsizetype n = zeile.size();
    qsizetype i = 0;
    while (i < n) {
        while (i < n && IstTrenner(zeile[i]))
            ++i;
        if (i >= n)
            break;
        if (zeile[i] == QLatin1Char('"')) {
            // A quoted word keeps its blanks and ends at the closing quote (or the line's end).
            const qsizetype start = i + 1;
            qsizetype ende = zeile.indexOf(QLatin1Char('"'), start);
            if (ende < 0)
                ende = n;
            woerter.append(zeile.mid(start, ende - start));
            i = ende + 1;
        } else {
            const qsizetype start = i;
            while (i < n && !IstTrenner(zeile[i]))
                ++i;
            woerter.append(zeile.mid(start, i - start));
        }
    }
    return woerter;
}

uint8_t WeltAusWort(const QString &wort)
{
    if (wort == QLatin1String("Dunladan,"))
        return 1;
    if (wort == QLatin1String("Endurias,"))
        return 2;
    if (wort == QLatin1String("Zyrthania,"))
        return 3;
    return 0;
}

namespace {

// The game's race numbers 1..5 as the inventory page shows them; 0 is no race.
const std::array<QString, 6> &ImportRassennamen()
{
    static const std::array<QString, 6> namen = {QString(),
                                                 QStringLiteral("Mensch"),
                                                 QStringLiteral("Zwerg"),
                                                 QStringLiteral("Gnom"),
                                                 QStringLiteral("Elf"),
                                                 QStringLiteral("Halbelf")};
    return namen;
}

} // namespace

uint8_t RasseAusZeile(const QString &zeile)
{
    const std::array<QString, 6> &namen = ImportRassennamen();
    for (uint8_t r = 1; r < namen.size(); ++r)
        if (zeile == namen[r])
            return r;
    return 0;
}

QString ImportRassenName(uint8_t rasse)
{
    return rasse < ImportRassennamen().size() ? ImportRassennamen()[rasse] : QString();
}

int RadioTagAusRasse(uint8_t rasse)
{
    switch (rasse) {
    case 1:
        return RasseMensch;
    case 2:
        return RasseZwerg;
    case 3:
        return RasseGnom;
    case 4:
        return RasseElf;
    case 5:
        return RasseHalbelf;
    default:
        return 0;
    }
}

TInventarSlot SlotAusWare(const TWare &w)
{
    const int kat = w.Kategorie;
    if (kat >= 2 && kat <= 6)
        return TInventarSlot::Waffe;
    if (kat == 9 || kat == 11)
        return TInventarSlot::Schild;
    if (kat == 12 || kat == 14 || kat == 15)
        return TInventarSlot::Fernkampf;
    if (kat == 13 || kat == 16 || kat == 17)
        return TInventarSlot::Munition;
    if (kat != 7 && kat != 8 && kat != 10)
        return TInventarSlot::Keiner;

    // Armour by the second word of its name, split at "-" and at blanks: "Leder-Haube" -> "Haube".
    QStringList teile;
    QString teil;
    for (QChar c : w.Name) {
        if (c == QLatin1Char('-') || c == QLatin1Char(' ')) {
            if (!teil.isEmpty())
                teile.append(teil);
            teil.clear();
        } else {
            teil += c;
        }
    }
    if (!teil.isEmpty())
        teile.append(teil);
    if (teile.size() < 2)
        return TInventarSlot::Keiner;
    const QString &wort = teile[1];
    auto eines = [&wort](std::initializer_list<const char16_t *> liste) {
        for (const char16_t *s : liste)
            if (wort == QStringView(s))
                return true;
        return false;
    };

    if (kat == 7) {
        if (eines({u"Haube", u"Spitzhut"}))
            return TInventarSlot::Helm;
        if (eines({u"Robe", u"Tunika"}))
            return TInventarSlot::Panzer;
        if (eines({u"Handschuhe", u"Stulpen"}))
            return TInventarSlot::Handschuhe;
        if (eines({u"Hose", u"Beinlinge"}))
            return TInventarSlot::Hose;
        if (eines({u"Schuhe", u"Stiefel"}))
            return TInventarSlot::Stiefel;
    } else if (kat == 8) {
        if (eines({u"Haube", u"Helm", u"Lederhelm"}))
            return TInventarSlot::Helm;
        if (eines({u"Wappenrock", u"Harnisch", u"Weste", u"Lederharnisch"}))
            return TInventarSlot::Panzer;
        if (eines({u"Handschuhe", u"Stulpen", u"Lederstulpen"}))
            return TInventarSlot::Handschuhe;
        if (eines({u"Hose", u"Beinlinge", u"Lederbeinlinge"}))
            return TInventarSlot::Hose;
        if (eines({u"Schuhe", u"Stiefel", u"Lederstiefel"}))
            return TInventarSlot::Stiefel;
    } else {
        if (eines({u"Haube", u"Kettenhaube", u"Plattenhelm"}))
            return TInventarSlot::Helm;
        if (eines({u"Weste", u"Kettenhemd", u"Plattenpanzer"}))
            return TInventarSlot::Panzer;
        if (eines({u"Kettenhandschuhe", u"Plattenhandschuhe"}))
            return TInventarSlot::Handschuhe;
        if (eines({u"Kettenbeinlinge", u"Plattenbeinlinge"}))
            return TInventarSlot::Hose;
        if (eines({u"Kettenstiefel", u"Plattenstiefel"}))
            return TInventarSlot::Stiefel;
    }
    return TInventarSlot::Keiner;
}

std::optional<TSlot> LeererSlotAusWort(const QString &wort)
{
    if (wort == QLatin1String("Kopf"))
        return SlotHelm;
    if (wort == QLatin1String("Torso"))
        return SlotPanzer;
    if (wort == QStringLiteral("Hände"))
        return SlotHandschuhe;
    if (wort == QLatin1String("Beine"))
        return SlotHose;
    if (wort == QStringLiteral("Füße"))
        return SlotStiefel;
    if (wort == QLatin1String("Hand"))
        return SlotHauptwaffe;
    if (wort == QLatin1String("Fernwaffe"))
        return SlotFernkampf;
    if (wort == QLatin1String("Munition"))
        return SlotMunition;
    return std::nullopt;
}

bool IstLeerzeile(const QStringList &w)
{
    const qsizetype n = w.size();
    return n > 3 && w[n - 3] == QLatin1String("kein") && w[n - 2] == QLatin1String("Gegenstand") &&
           w[n - 1] == QLatin1String("angelegt.");
}

bool ItemZeileAuswerten(TPlaner &p, const TKatalog &k, const QStringList &w, bool &zweiteHand)
{
    const qsizetype n = w.size();
    if (n < 2)
        return false;

    QString name;
    QString verzauberung;
    const bool plusEins = w[n - 1] == QLatin1String("+1");
    if (ZahlLesen(w[0], std::numeric_limits<int64_t>::max())) {
        // A stack ("250 Jagdpfeile"): the rest of the line is the name.
        name = WoerterVerbinden(w, 1, plusEins ? n - 1 : n);
    } else {
        qsizetype pos = -1;
        for (qsizetype i = n - 1; i >= 1; --i) {
            if (w[i].startsWith(QLatin1Char('(')) && w[i].endsWith(QLatin1Char(')'))) {
                pos = i;
                break;
            }
        }
        if (pos < 0)
            return false;
        if (pos >= 3 && IstArtikel(w[pos - 2])) {
            verzauberung = w[pos - 2] + QLatin1Char(' ') + w[pos - 1];
            name = WoerterVerbinden(w, 0, pos - 2);
        } else if (pos >= 4 && w[pos - 1] == QLatin1String("[2H]") && IstArtikel(w[pos - 3])) {
            // The game writes a two-handed weapon's enchantment before its "[2H]".
            verzauberung = w[pos - 3] + QLatin1Char(' ') + w[pos - 2];
            name = WoerterVerbinden(w, 0, pos - 3) + QStringLiteral(" [2H]");
        } else {
            name = WoerterVerbinden(w, 0, pos);
        }
    }

    const TItemRef ref = ItemSuchen(k, name);
    const TWare *ware = nullptr;
    if (ref.Tabellencode == TabelleWare)
        ware = Ware(k, ref.Index);
    else if (ref.Tabellencode == TabelleTraining)
        ware = TrainingsItem(k, ref.Index);
    if (ref.Tabellencode == TabelleKeine)
        return false;
    if (!ware)
        return true; // a raw material, good or building: read, but nothing to wear

    const Verzauberungscode code = verzauberung.isEmpty() ? 0 : VerzauberungAusName(verzauberung);
    std::optional<TSlot> slot;
    Verzauberungscode slotCode = code;
    switch (SlotAusWare(*ware)) {
    case TInventarSlot::Helm:
        slot = SlotHelm;
        break;
    case TInventarSlot::Panzer:
        slot = SlotPanzer;
        break;
    case TInventarSlot::Hose:
        slot = SlotHose;
        break;
    case TInventarSlot::Stiefel:
        slot = SlotStiefel;
        break;
    case TInventarSlot::Handschuhe:
        slot = SlotHandschuhe;
        break;
    case TInventarSlot::Schild:
        slot = SlotNebenwaffe;
        break;
    case TInventarSlot::Fernkampf:
        slot = SlotFernkampf;
        break;
    case TInventarSlot::Waffe:
        slot = zweiteHand ? SlotNebenwaffe : SlotHauptwaffe;
        zweiteHand = true;
        break;
    case TInventarSlot::Munition:
        if (p.Arten[PosFernkampf] != 0) {
            slot = SlotMunition;
            slotCode = 0;
        }
        break;
    case TInventarSlot::Keiner:
        break;
    }
    if (!slot)
        return true;
    if (SetzeAusruestung(p, k, *slot, ware->Name, slotCode) && plusEins)
        SchalteAufwertung(p, k, *slot);
    return true;
}

int32_t KonstitutionAusLebenspunkten(int32_t level, int32_t lebenspunkte,
                                     const std::array<Verzauberungscode, 8> &verzauberungen)
{
    const double leben = VerzauberungsSumme(verzauberungen, VzLeben);
    // Life points of the level with Konstitution 0, as the character computes them.
    const double l0 = std::floor((1.0 + leben) * (20.0 * level + 120.0));
    if (!(l0 > 0.0))
        return 0;
    return Runden32((lebenspunkte / l0 - 1.0) * 100.0 / 2.0);
}

TInventarErgebnis InventarAuslesen(TPlaner &p, TOptimiererZustand &z, const TKatalog &k, const QString &text)
{
    TInventarErgebnis e;
    const TPlaner vorher = p;
    const int32_t altesLevel = p.Charakter.Level;
    const QStringList zeilen = ZeilenTrennen(text);
    const qsizetype n = zeilen.size();

    // First pass: the world, and the marker line after which the equipment follows.
    qsizetype start = 0;
    uint8_t welt = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QStringList w = InventarWoerter(zeilen[i]);
        if (LetzteZweiWoerter(w, MarkerPfeile, MarkerRuestung)) {
            start = i + 1;
            break;
        }
        if (w.size() >= 6) {
            const uint8_t x = WeltAusWort(w[0]);
            if (x != 0)
                welt = x;
        }
    }

    p.BerechnungAusgesetzt = true;
    bool erfolg = false;
    qsizetype i = start;
    if (start < n) {
        bool zweiteHand = false;
        while (i < n - 1) {
            const QStringList w = InventarWoerter(zeilen[i]);
            if (ItemZeileAuswerten(p, k, w, zweiteHand)) {
                ++e.GeleseneItems;
                erfolg = true;
                i += 3; // the item line and its two detail lines
            } else if (LetzteZweiWoerter(w, MarkerPfeile, MarkerGepaeck)) {
                ++i;
                break;
            } else if (IstLeerzeile(w)) {
                erfolg = true;
                if (const auto slot = LeererSlotAusWort(w[0])) {
                    if (*slot == SlotHauptwaffe) {
                        LeereSlot(p, zweiteHand ? SlotNebenwaffe : SlotHauptwaffe);
                        zweiteHand = true;
                    } else {
                        LeereSlot(p, *slot);
                    }
                }
                ++i;
            } else {
                ++i;
            }
        }
    }

    if (!erfolg) {
        p = vorher;
        p.BerechnungAusgesetzt = false;
        e.Meldung = QStringLiteral("Fehlgeschlagen");
        e.MeldungGruen = false;
        return e;
    }

    // Character block: name, race, level, life points and experience.
    QString name;
    uint8_t rasse = 0;
    for (; i < n; ++i) {
        const QStringList w = InventarWoerter(zeilen[i]);
        if (w.size() <= 1)
            continue;
        if (w[0] == QLatin1String("Level")) {
            if (const auto x = ZahlLesen(w[1], std::numeric_limits<int32_t>::max()))
                e.Level = static_cast<int32_t>(*x);
            if (i >= 1) {
                if (const uint8_t r = RasseAusZeile(zeilen[i - 1]))
                    rasse = r;
            }
            if (i >= 2)
                name = zeilen[i - 2];
        } else if (w[0] == QLatin1String("LP:")) {
            if (w.size() > 3) {
                if (const auto x = ZahlLesen(w[3], std::numeric_limits<int32_t>::max()))
                    e.Lebenspunkte = static_cast<int32_t>(*x);
            }
        } else if (w[0] == QLatin1String("EXP:")) {
            if (const auto x = ZahlLesen(w[1], std::numeric_limits<int64_t>::max()))
                e.Erfahrung = *x;
            break;
        }
    }
    e.Welt = welt;
    e.Name = name;
    e.Rasse = rasse;

    TCharakter &c = p.Charakter;
    if (welt != 0)
        p.Optionen.Welt = welt;
    if (e.Erfahrung)
        SetzeErfahrung(c, *e.Erfahrung, p.Optionen.Welt);
    else if (e.Level)
        SetzeLevel(c, *e.Level, p.Optionen.Welt);

    e.NeuerCharakter = c.Level != altesLevel || welt != p.Infos.Welt || rasse != p.Infos.Rasse ||
                       name != p.Infos.Charaktername;
    if (e.NeuerCharakter) {
        for (TAttribut a : {AttrStaerke, AttrGeschick, AttrKonstitution, AttrIntelligenz})
            SetzeAttribut(c, a, Attributuntergrenze(c, a));
        // The enchantment list of the new items is needed for the life points.
        p.BerechnungAusgesetzt = false;
        BerechneEffektiveWerte(p);
        p.BerechnungAusgesetzt = true;
        if (rasse != 0) {
            const std::array<int32_t, 4> start = RassenStartwerte(RadioTagAusRasse(rasse));
            SetzeAttribut(c, AttrStaerke, c.VerzStaerke + start[0]);
            SetzeAttribut(c, AttrGeschick, c.VerzGeschick + start[1]);
            if (e.Lebenspunkte && (e.Level || e.Erfahrung))
                SetzeAttribut(c, AttrKonstitution,
                              KonstitutionAusLebenspunkten(c.Level, *e.Lebenspunkte, c.Verzauberungen));
            else
                SetzeAttribut(c, AttrKonstitution, c.VerzKonstitution + start[2]);
            SetzeAttribut(c, AttrIntelligenz, c.VerzIntelligenz + start[3]);
        }
    }

    // The optimiser window: lower limits from the new floors, then "Leer" first, so that
    // the race's own action always runs.
    UntergrenzenAnpassen(z, c);
    RasseWaehlen(z, c, RasseLeer);
    if (rasse != 0)
        RasseWaehlen(z, c, RadioTagAusRasse(rasse));

    p.Infos.Rasse = rasse;
    p.Infos.Welt = welt;
    p.Infos.Charaktername = name;

    p.BerechnungAusgesetzt = false;
    Aktualisieren(p);
    e.Erfolg = true;
    e.Meldung = QString::number(e.GeleseneItems) + QStringLiteral(" Items gelesen");
    e.MeldungGruen = true;
    return e;
}

} // namespace mvt::planer
