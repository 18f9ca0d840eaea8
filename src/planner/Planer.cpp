#include "planner/Planer.h"

#include "base/Zahlen.h"

#include <algorithm>
#include <cmath>

namespace mvt::planer {

namespace {

bool IstZweihandArt(uint8_t hauptArt)
{
    return hauptArt == 2 || hauptArt == 5 || hauptArt == 7 || hauptArt == 8;
}

// The enchantment field of the slot's current kind; nullptr when the kind has none.
Verzauberungscode *Verzauberungsfeld(TPlaner &p, TSlot s)
{
    if (s >= SlotHelm && s <= SlotHandschuhe)
        return &p.Werte.Ruestung[s].Verzauberung;
    if (s == SlotHauptwaffe)
        return &p.Werte.Hauptwaffe.Verzauberung;
    if (s == SlotNebenwaffe) {
        const uint8_t art = p.Arten[PosNebenwaffe];
        if (art >= 1 && art <= 4)
            return &p.Werte.Nebenwaffe.Verzauberung;
        if (art == 5 || art == 6)
            return &p.Werte.Schild.Verzauberung;
        return nullptr;
    }
    if (s == SlotFernkampf) {
        const uint8_t art = p.Arten[PosFernkampf];
        if (art == 1 || art == 2)
            return &p.Werte.Fernwaffe.Verzauberung;
        if (art >= 3 && art <= 6)
            return &p.Werte.Stab.Verzauberung;
    }
    return nullptr;
}

bool IstAttributVerzauberung(Verzauberungscode c)
{
    return VerzauberungsTyp(c) >= VzStaerke && VerzauberungsTyp(c) <= VzIntelligenz;
}

// Changes the code of the slot's current kind, moving attribute points with it.
void VerzauberungUmsetzen(TPlaner &p, TSlot s, Verzauberungscode neu)
{
    Verzauberungscode *feld = Verzauberungsfeld(p, s);
    if (!feld)
        return;
    const Verzauberungscode alt = *feld;
    AendereVerzauberung(p.Charakter, alt, neu);
    *feld = neu;
    if ((IstAttributVerzauberung(alt) || IstAttributVerzauberung(neu)) && p.UntergrenzenGeaendert)
        p.UntergrenzenGeaendert(p.Charakter);
}

void AnzeigeErneuern(TPlaner &p, TSlot s)
{
    TSlotAnzeige &a = p.Slots[s];
    if (s == SlotNebenwaffe && p.Arten[PosNebenwaffe] == 7) {
        a.Beschriftung = a.Hinweis = ZweihaenderBelegt;
    } else if (!a.Belegt) {
        a.Beschriftung = a.Hinweis = LeerBeschriftung(s, p.Arten[PosFernkampf]);
    } else {
        a.Beschriftung = SlotText(a.Basisname, QString(), a.Aufwertung);
        const Verzauberungscode *feld = Verzauberungsfeld(p, s);
        a.Hinweis = SlotText(a.Basisname, feld ? VerzauberungsName(*feld) : QString(), a.Aufwertung);
    }
    const uint8_t fern = p.Arten[PosFernkampf];
    p.Slots[SlotMunition].Sichtbar = fern != 0;
    p.Slots[SlotZauber].Sichtbar = fern >= 3 && fern <= 6;
}

void SlotwerteLeeren(TPlaner &p, TSlot s)
{
    switch (s) {
    case SlotHelm:
    case SlotPanzer:
    case SlotHose:
    case SlotStiefel:
    case SlotHandschuhe:
        p.Werte.Ruestung[s] = TRuestungsteil{};
        break;
    case SlotHauptwaffe:
        p.Werte.Hauptwaffe = TWaffenslotwerte{};
        break;
    case SlotNebenwaffe:
        p.Werte.Nebenwaffe = TWaffenslotwerte{};
        p.Werte.Schild = TSchildwerte{};
        break;
    case SlotFernkampf:
        p.Werte.Fernwaffe = TWaffenslotwerte{};
        p.Werte.Stab = TStabwerte{};
        break;
    case SlotMunition:
        p.Werte.Munition = TMunitionswerte{};
        break;
    case SlotZauber:
        p.Werte.Zauber = TZauberslotwerte{};
        break;
    default:
        break;
    }
}

int ArtPosition(TSlot s)
{
    return s == SlotZauber ? PosZauberElement : static_cast<int>(s);
}

// Empties a slot without the follow-up rules and without computing.
void SlotLeeren(TPlaner &p, TSlot s)
{
    VerzauberungUmsetzen(p, s, 0);
    SlotwerteLeeren(p, s);
    p.Arten[ArtPosition(s)] = 0;
    if (s == SlotZauber)
        p.Arten[PosZauberTyp] = 0;
    TSlotAnzeige &a = p.Slots[s];
    a.Basisname.clear();
    a.Aufwertung = 0;
    a.Belegt = false;
    a.Eigenes = false;
    a.Item = TItemRef{};
    AnzeigeErneuern(p, s);
}

// Writes the values of a catalogue record into the slot of the given kind.
void WerteSchreiben(TPlaner &p, TSlot s, const TWare &w)
{
    switch (s) {
    case SlotHelm:
    case SlotPanzer:
    case SlotHose:
    case SlotStiefel:
    case SlotHandschuhe: {
        TRuestungsteil &r = p.Werte.Ruestung[s];
        r.Ruestschutz = w.Ruestschutz;
        r.Absorb = w.Absorb;
        r.Behinderung = w.Behinderung;
        break;
    }
    case SlotHauptwaffe:
        p.Werte.Hauptwaffe.MinSchaden = w.MinSchaden;
        p.Werte.Hauptwaffe.MaxSchaden = w.MaxSchaden;
        p.Werte.Hauptwaffe.Angriffe = w.Tempo;
        break;
    case SlotNebenwaffe:
        if (p.Arten[PosNebenwaffe] >= 5) {
            p.Werte.Schild.Ruestschutz = w.Ruestschutz;
            p.Werte.Schild.RuestschutzBeiBlock = w.Absorb;
        } else {
            p.Werte.Nebenwaffe.MinSchaden = w.MinSchaden;
            p.Werte.Nebenwaffe.MaxSchaden = w.MaxSchaden;
            p.Werte.Nebenwaffe.Angriffe = w.Tempo;
        }
        break;
    case SlotFernkampf:
        if (p.Arten[PosFernkampf] >= 3) {
            p.Werte.Stab.Wirkung = w.StabWirkung;
            p.Werte.Stab.Reichweite = w.Reichweite;
        } else {
            p.Werte.Fernwaffe.MinSchaden = w.MinSchaden;
            p.Werte.Fernwaffe.MaxSchaden = w.MaxSchaden;
            p.Werte.Fernwaffe.Angriffe = w.Tempo;
        }
        break;
    case SlotMunition:
        p.Werte.Munition.Wirkung = w.Zusatzwirkung;
        p.Werte.Munition.Treffsicherheit = w.Treffsicherheit;
        p.Werte.Munition.KritischeTreffer = w.KritischeTreffer;
        break;
    default:
        break;
    }
}

const TWare *WareAusRef(const TKatalog &k, TItemRef ref)
{
    if (ref.Tabellencode == TabelleWare)
        return Ware(k, ref.Index);
    if (ref.Tabellencode == TabelleTraining)
        return TrainingsItem(k, ref.Index);
    return nullptr;
}

uint8_t MunitionsartFuer(uint8_t fern)
{
    if (fern == 1)
        return 1;
    if (fern == 2)
        return 2;
    return (fern >= 3 && fern <= 6) ? 3 : 0;
}

const QString &Grundmunition(uint8_t munitionsart)
{
    static const QString namen[] = {QString(), QStringLiteral("Pfeile"), QStringLiteral("Bolzen"),
                                    QStringLiteral("Magieessenz")};
    return namen[munitionsart <= 3 ? munitionsart : 0];
}

// Slot rules that follow a new kind in the main hand, the off hand or the ranged slot.
void Slotregeln(TPlaner &p, const TKatalog *k, TSlot s, uint8_t alteMunitionsart)
{
    if (s == SlotHauptwaffe) {
        if (IstZweihandArt(p.Arten[PosHauptwaffe])) {
            if (p.Arten[PosNebenwaffe] != 7) {
                SlotLeeren(p, SlotNebenwaffe);
                p.Arten[PosNebenwaffe] = 7;
                AnzeigeErneuern(p, SlotNebenwaffe);
            }
        } else if (p.Arten[PosNebenwaffe] == 7) {
            p.Arten[PosNebenwaffe] = 0;
            AnzeigeErneuern(p, SlotNebenwaffe);
        }
    } else if (s == SlotFernkampf) {
        const uint8_t fern = p.Arten[PosFernkampf];
        if (fern == 1 || fern == 2)
            SlotLeeren(p, SlotZauber);
        const uint8_t neu = MunitionsartFuer(fern);
        if (neu != alteMunitionsart) {
            // The basic ammunition of the new kind, as if picked from its menu.
            if (k)
                WaehleAusruestung(p, *k, SlotMunition, Grundmunition(neu));
            else
                SlotLeeren(p, SlotMunition);
        }
        AnzeigeErneuern(p, SlotMunition);
        AnzeigeErneuern(p, SlotZauber);
    }
}

// Off-hand items push a two-handed main-hand weapon out.
void ZweihaenderEntfernen(TPlaner &p)
{
    if (IstZweihandArt(p.Arten[PosHauptwaffe]) || p.Arten[PosNebenwaffe] == 7) {
        SlotLeeren(p, SlotHauptwaffe);
        if (p.Arten[PosNebenwaffe] == 7)
            p.Arten[PosNebenwaffe] = 0;
    }
}

// A preset item into a slot: an off-hand item pushes a two-handed weapon out, the old
// item's values and enchantment go, the preset's values and the slot's rules apply, and a
// kept enchantment code is set again.
void PresetSetzen(TPlaner &p, const TKatalog &k, TSlot s, TItemRef ref, const TWare &w, uint8_t art,
                  Verzauberungscode code)
{
    const uint8_t alteMunitionsart = p.Arten[PosMunition];
    if (s == SlotNebenwaffe)
        ZweihaenderEntfernen(p);
    // The old item's enchantment goes with it; a kept code is set again below.
    VerzauberungUmsetzen(p, s, 0);
    SlotwerteLeeren(p, s);
    p.Arten[s] = art;
    WerteSchreiben(p, s, w);
    TSlotAnzeige &a = p.Slots[s];
    a.Basisname = OhneAufwertung(w.Name);
    a.Aufwertung = 0;
    a.Belegt = true;
    a.Eigenes = false;
    a.Item = ref;
    Slotregeln(p, &k, s, alteMunitionsart);
    if (s != SlotMunition)
        VerzauberungUmsetzen(p, s, code);
    AnzeigeErneuern(p, s);
    Aktualisieren(p);
}

// The kit or training record a slot may take, with the kind it gives there.
const TWare *PassendeWare(const TPlaner &p, const TKatalog &k, TSlot s, const QString &name, TItemRef &ref,
                          uint8_t &art)
{
    if (s < SlotHelm || s > SlotMunition)
        return nullptr;
    ref = ItemSuchen(k, name);
    const TWare *w = WareAusRef(k, ref);
    if (!w)
        return nullptr;
    art = ArtAusWare(*w, s);
    if (art == 0)
        return nullptr;
    if (s == SlotMunition && art != MunitionsartFuer(p.Arten[PosFernkampf]))
        return nullptr;
    return w;
}

} // namespace

// ---------------------------------------------------------------- computation and display

void PlanerStarten(TPlaner &p)
{
    p.Charakter = TCharakter{};
    p.Arten = TAusruestungsArten{};
    p.Werte = TAusruestungsWerte{};
    p.Ansicht = TAnsicht::Nahkampf;
    for (int s = 0; s < AnzahlSlots; ++s) {
        p.Slots[s] = TSlotAnzeige{};
        AnzeigeErneuern(p, static_cast<TSlot>(s));
    }
    Aktualisieren(p);
}

void BerechneEffektiveWerte(TPlaner &p)
{
    if (p.BerechnungAusgesetzt)
        return;
    BerechneEffektiveWerte(p.Arten, p.Werte, p.Charakter, p.Optionen);
}

void ZeigeCharakter(TPlaner &p)
{
    if (p.BerechnungAusgesetzt)
        return;
    p.Anzeige = CharakterAnzeigeBerechnen(p.Arten, p.Charakter, p.Slots, p.Optionen);
    if (!p.Anzeige.Fernkampf.Sichtbar)
        p.Ansicht = TAnsicht::Nahkampf;
    ZeigeBewertung(p);
}

void ZeigeBewertung(TPlaner &p)
{
    p.Bewertung = BewertungBerechnen(p.Arten, p.Charakter, p.Gegner, p.Ansicht, p.Bewertung);
}

void Aktualisieren(TPlaner &p)
{
    BerechneEffektiveWerte(p);
    ZeigeCharakter(p);
}

namespace {

TWaffenzeile Waffenzeile(const QString &name, const TWaffenwerte &w)
{
    return {name,
            QString::number(static_cast<int64_t>(w.MinSchaden)) + QStringLiteral(" - ") +
                QString::number(static_cast<int64_t>(w.MaxSchaden)),
            TempoText(w.Angriffe), FestFormatieren(w.Treffsicherheit, 2) + QStringLiteral(" %"),
            FestFormatieren(w.KritischeTreffer, 2) + QStringLiteral(" %")};
}

QString BehinderungsText(double b)
{
    return b == 0.0 ? QStringLiteral("keine") : FestFormatieren(b, 0) + QStringLiteral(" %");
}

} // namespace

TCharakterAnzeige CharakterAnzeigeBerechnen(const TAusruestungsArten &arten, const TCharakter &c,
                                            const std::array<TSlotAnzeige, AnzahlSlots> &slotAnzeigen,
                                            const TPlanerOptionen &o)
{
    TCharakterAnzeige a;
    if (o.Welt == 1 || o.Welt == 2)
        a.Welt = QStringLiteral("Dunladan / Endurias");
    else if (o.Welt == 3)
        a.Welt = QStringLiteral("Zyrthania");
    else
        a.Welt = QStringLiteral("unbek. Welt");
    const int64_t schwelle = ErfahrungFuerLevel(c.Level + 1, o.Welt);
    a.LevelUpBei = QString::number(schwelle);
    a.Noch = QString::number(schwelle - c.Erfahrung);
    a.FreieAttributpunkte = QStringLiteral("Freie Attributpunkte: ") + QString::number(c.FreiePunkte);
    a.FreiePunkteHervorgehoben = c.FreiePunkte >= 1;
    a.MaximaleLebenspunkte = QStringLiteral("Maximale Lebenspunkte: ") + QString::number(c.MaxLebenspunkte);
    a.MaximaleTraglast =
        QStringLiteral("Maximale Traglast: ") + QString::number(c.Traglast) + QStringLiteral(" kg");
    QString tempo;
    switch (c.Schritte) {
    case 8:
        tempo = QStringLiteral("schnell");
        break;
    case 6:
        tempo = QStringLiteral("normal");
        break;
    case 4:
        tempo = QStringLiteral("langsam");
        break;
    default:
        tempo = QStringLiteral("!FEHLER!");
        break;
    }
    a.Bewegung = QStringLiteral("Bewegungsgeschw.: ") + tempo + QStringLiteral(" (") +
                 QString::number(c.Schritte) + QStringLiteral(" Schritte)");

    TKampfspalte &n = a.Nahkampf;
    n.Ruestschutz = FestFormatieren(c.RuestschutzNah, 1) + QStringLiteral(" %");
    n.Absorb = FestFormatieren(c.Absorb, 1);
    n.Ausweichen = FestFormatieren(c.AusweichenNah, 2) + QStringLiteral(" %");
    n.Behinderung = BehinderungsText(c.BehinderungNah);
    n.Behindert = c.BehinderungNah > 0.0;
    const uint8_t neben = arten[PosNebenwaffe];
    n.SchildblockSichtbar = neben == 5 || neben == 6;
    if (n.SchildblockSichtbar)
        n.Schildblock = FestFormatieren(c.Schildblock, 2) + QStringLiteral(" % (") +
                        QString::number(Runden(c.RuestschutzBeiBlock)) + QStringLiteral(" % Schaden)");
    const bool nebenWaffe = neben >= 1 && neben <= 4;
    if (arten[PosHauptwaffe] != 0) {
        n.Waffen.push_back(Waffenzeile(slotAnzeigen[SlotHauptwaffe].Beschriftung, c.Hauptwaffe));
        if (nebenWaffe)
            n.Waffen.push_back(Waffenzeile(slotAnzeigen[SlotNebenwaffe].Beschriftung, c.Nebenwaffe));
    } else if (nebenWaffe) {
        n.Waffen.push_back(Waffenzeile(slotAnzeigen[SlotNebenwaffe].Beschriftung, c.Nebenwaffe));
    } else {
        TWaffenzeile z = Waffenzeile(QStringLiteral("Waffenlos"), c.Hauptwaffe);
        z.Schaden = QStringLiteral("0 - 0");
        z.Tempo = TempoText(3);
        n.Waffen.push_back(z);
    }

    TKampfspalte &f = a.Fernkampf;
    f.Sichtbar = FernkampfNutzbar(arten);
    if (f.Sichtbar) {
        f.Ruestschutz = FestFormatieren(c.RuestschutzFern, 1) + QStringLiteral(" %");
        f.Absorb = FestFormatieren(c.AbsorbFern, 1);
        f.Ausweichen = FestFormatieren(c.AusweichenFern, 2) + QStringLiteral(" %");
        f.Behinderung = BehinderungsText(c.BehinderungFern);
        f.Behindert = c.BehinderungFern > 0.0;
        const uint8_t fern = arten[PosFernkampf];
        if (fern == 1 || fern == 2) {
            f.Waffen.push_back(Waffenzeile(slotAnzeigen[SlotFernkampf].Beschriftung, c.Fernwaffe));
        } else {
            f.Waffen.push_back(Waffenzeile(slotAnzeigen[SlotZauber].Beschriftung, c.Zauber));
            const uint8_t typ = arten[PosZauberTyp];
            if (typ == 2 || typ == 4)
                f.SchadenBeschriftung = QStringLiteral("Lebenspunkte");
        }
    }
    return a;
}

// ---------------------------------------------------------------- inputs

void LevelEingeben(TPlaner &p, int32_t level)
{
    SetzeLevel(p.Charakter, std::clamp(level, 1, MaxLevel), p.Optionen.Welt);
    Aktualisieren(p);
}

void ErfahrungEingeben(TPlaner &p, int64_t erfahrung)
{
    erfahrung = std::clamp<int64_t>(erfahrung, 0, ErfahrungFuerLevel(MaxLevel, p.Optionen.Welt));
    SetzeErfahrung(p.Charakter, erfahrung, p.Optionen.Welt);
    Aktualisieren(p);
}

void AttributEingeben(TPlaner &p, TAttribut a, int32_t wert)
{
    SetzeAttribut(p.Charakter, a, wert);
    Aktualisieren(p);
}

void AnsichtWaehlen(TPlaner &p, TAnsicht a)
{
    p.Ansicht = (a == TAnsicht::Fernkampf && !FernkampfNutzbar(p.Arten)) ? TAnsicht::Nahkampf : a;
    ZeigeBewertung(p);
}

void GegnerSetzen(TPlaner &p, const TGegnerwerte &g)
{
    p.Gegner = g;
    ZeigeBewertung(p);
}

// ---------------------------------------------------------------- slot operations

bool WaehleAusruestung(TPlaner &p, const TKatalog &k, TSlot s, const QString &name, bool shift, bool strg)
{
    const int menue = MenueVonSlot(s, p.Arten[PosFernkampf]);
    if (s == SlotZauber || menue < 0 || IstEigenerEintrag(name) ||
        !MenueEnthaelt(static_cast<TMenue>(menue), name))
        return false;
    TItemRef ref;
    uint8_t art = 0;
    const TWare *w = PassendeWare(p, k, s, name, ref, art);
    if (!w)
        return false;
    const Verzauberungscode code = shift ? SlotVerzauberung(p, s) : 0;
    PresetSetzen(p, k, s, ref, *w, art, code);
    if (!strg || s == SlotMunition)
        SchalteAufwertung(p, k, s);
    return true;
}

bool SetzeAusruestung(TPlaner &p, const TKatalog &k, TSlot s, const QString &name, Verzauberungscode code)
{
    TItemRef ref;
    uint8_t art = 0;
    const TWare *w = PassendeWare(p, k, s, name, ref, art);
    if (!w)
        return false;
    PresetSetzen(p, k, s, ref, *w, art, s == SlotMunition ? 0 : code);
    return true;
}

bool WaehleZauber(TPlaner &p, const TKatalog &k, const QString &name)
{
    const uint8_t fern = p.Arten[PosFernkampf];
    if (fern < 3 || fern > 6 || !MenueEnthaelt(MenueZauber, name) || IstEigenerEintrag(name))
        return false;
    const TZauber *z = Zauber(k, ZauberSuchen(k, name));
    if (!z)
        return false;
    p.Arten[PosZauberElement] = z->Element;
    p.Arten[PosZauberTyp] = z->Typ;
    p.Werte.Zauber =
        TZauberslotwerte{z->MinWert, z->MaxWert, z->Angriffe, (z->Typ == 3 || z->Typ == 4) ? z->Dauer : 0};
    TSlotAnzeige &a = p.Slots[SlotZauber];
    a.Basisname = z->Name;
    a.Aufwertung = 0;
    a.Belegt = true;
    a.Eigenes = false;
    a.Item = TItemRef{};
    AnzeigeErneuern(p, SlotZauber);
    Aktualisieren(p);
    return true;
}

bool WaehleEigenesTeil(TPlaner &p, const TKatalog &k, TSlot s, const QString &eintrag)
{
    const int menue = MenueVonSlot(s, p.Arten[PosFernkampf]);
    if (menue < 0)
        return false;
    if (s == SlotZauber && (p.Arten[PosFernkampf] < 3 || p.Arten[PosFernkampf] > 6))
        return false;
    const std::optional<TEigenesTeil> teil = EigenesTeilArt(static_cast<TMenue>(menue), eintrag);
    if (!teil)
        return false;
    const uint8_t alteMunitionsart = p.Arten[PosMunition];
    if (s == SlotNebenwaffe)
        ZweihaenderEntfernen(p);
    VerzauberungUmsetzen(p, s, 0);
    SlotwerteLeeren(p, s);
    if (s == SlotZauber) {
        p.Arten[PosZauberElement] = teil->Art;
        p.Arten[PosZauberTyp] = teil->Typ;
    } else if (s == SlotMunition) {
        p.Arten[PosMunition] = MunitionsartFuer(p.Arten[PosFernkampf]);
    } else {
        p.Arten[s] = teil->Art;
    }
    TSlotAnzeige &a = p.Slots[s];
    a.Basisname = eintrag;
    a.Aufwertung = 0;
    a.Belegt = true;
    a.Eigenes = true;
    a.Item = TItemRef{};
    Slotregeln(p, &k, s, alteMunitionsart);
    AnzeigeErneuern(p, s);
    Aktualisieren(p);
    return true;
}

void LeereSlot(TPlaner &p, TSlot s)
{
    if (s < 0 || s >= AnzahlSlots)
        return;
    if (s == SlotNebenwaffe && p.Arten[PosNebenwaffe] == 7)
        return; // blocked by a two-handed weapon
    const bool zweihand = s == SlotHauptwaffe && IstZweihandArt(p.Arten[PosHauptwaffe]);
    SlotLeeren(p, s);
    if (zweihand) {
        p.Arten[PosNebenwaffe] = 0;
        AnzeigeErneuern(p, SlotNebenwaffe);
    }
    if (s == SlotFernkampf) {
        SlotLeeren(p, SlotMunition);
        SlotLeeren(p, SlotZauber);
    }
    AnzeigeErneuern(p, s);
    Aktualisieren(p);
}

bool Verzauberbar(const TPlaner &p, TSlot s)
{
    if (s < SlotHelm || s > SlotFernkampf || !p.Slots[s].Belegt)
        return false;
    return !(s == SlotNebenwaffe && p.Arten[PosNebenwaffe] == 7);
}

Verzauberungscode SlotVerzauberung(const TPlaner &p, TSlot s)
{
    const Verzauberungscode *feld = Verzauberungsfeld(const_cast<TPlaner &>(p), s);
    return feld ? *feld : 0;
}

void SetzeVerzauberung(TPlaner &p, TSlot s, Verzauberungscode code)
{
    if (!Verzauberbar(p, s))
        return;
    VerzauberungUmsetzen(p, s, code);
    AnzeigeErneuern(p, s);
    Aktualisieren(p);
}

void SchalteAufwertung(TPlaner &p, const TKatalog &k, TSlot s)
{
    if (s < SlotHelm || s > SlotMunition)
        return;
    TSlotAnzeige &a = p.Slots[s];
    if (!a.Belegt || a.Eigenes || a.Item.Tabellencode != TabelleWare)
        return;
    const TWare *w = Ware(k, a.Item.Index);
    if (!w)
        return;
    if (a.Aufwertung == 0) {
        WerteSchreiben(p, s, Aufwerten(*w, 1));
        a.Aufwertung = 1;
    } else {
        WerteSchreiben(p, s, *w);
        a.Aufwertung = 0;
    }
    AnzeigeErneuern(p, s);
    Aktualisieren(p);
}

bool WaehleMenueEintrag(TPlaner &p, const TKatalog &k, TSlot s, const QString &eintrag, bool shift, bool strg)
{
    if (s < 0 || s >= AnzahlSlots)
        return false;
    if (eintrag == NichtsEintrag) {
        if (!p.Slots[s].Sichtbar || (s == SlotNebenwaffe && p.Arten[PosNebenwaffe] == 7))
            return false;
        LeereSlot(p, s);
        return true;
    }
    if (IstEigenerEintrag(eintrag))
        return WaehleEigenesTeil(p, k, s, eintrag);
    if (s == SlotZauber)
        return WaehleZauber(p, k, eintrag);
    return WaehleAusruestung(p, k, s, eintrag, shift, strg);
}

bool SetzeSlotwert(TPlaner &p, TSlot s, TSlotFeld feld, double wert)
{
    if (s < 0 || s >= AnzahlSlots || !p.Slots[s].Belegt || !std::isfinite(wert))
        return false;
    // Integer fields take whole numbers; anything beyond 32 bits cannot come from a field.
    const int32_t ganz = static_cast<int32_t>(std::clamp(std::trunc(wert), -2147483648.0, 2147483647.0));
    auto waffe = [&](TWaffenslotwerte &w) {
        switch (feld) {
        case FeldMinSchaden:
            w.MinSchaden = ganz;
            return true;
        case FeldMaxSchaden:
            w.MaxSchaden = ganz;
            return true;
        case FeldAngriffe:
            w.Angriffe = ganz;
            return true;
        default:
            return false;
        }
    };
    bool gesetzt = false;
    uint8_t art = s == SlotZauber ? p.Arten[PosZauberElement] : p.Arten[s];
    uint8_t typ = 0;
    switch (s) {
    case SlotHelm:
    case SlotPanzer:
    case SlotHose:
    case SlotStiefel:
    case SlotHandschuhe: {
        TRuestungsteil &r = p.Werte.Ruestung[s];
        gesetzt = true;
        if (feld == FeldRuestschutz)
            r.Ruestschutz = wert;
        else if (feld == FeldAbsorb)
            r.Absorb = wert;
        else if (feld == FeldBehinderung)
            r.Behinderung = ganz;
        else
            gesetzt = false;
        break;
    }
    case SlotHauptwaffe:
        gesetzt = waffe(p.Werte.Hauptwaffe);
        break;
    case SlotNebenwaffe:
        if (art >= 1 && art <= 4) {
            gesetzt = waffe(p.Werte.Nebenwaffe);
        } else if (art == 5 || art == 6) {
            gesetzt = true;
            if (feld == FeldRuestschutz)
                p.Werte.Schild.Ruestschutz = wert;
            else if (feld == FeldRuestschutzBeiBlock)
                p.Werte.Schild.RuestschutzBeiBlock = wert;
            else
                gesetzt = false;
        }
        break;
    case SlotFernkampf:
        if (art == 1 || art == 2) {
            gesetzt = waffe(p.Werte.Fernwaffe);
        } else if (art >= 3 && art <= 6) {
            gesetzt = true;
            if (feld == FeldWirkung)
                p.Werte.Stab.Wirkung = ganz;
            else if (feld == FeldReichweite)
                p.Werte.Stab.Reichweite = ganz;
            else
                gesetzt = false;
        }
        break;
    case SlotMunition:
        gesetzt = true;
        if (feld == FeldWirkung)
            p.Werte.Munition.Wirkung = ganz;
        else if (feld == FeldTreffsicherheit)
            p.Werte.Munition.Treffsicherheit = ganz;
        else if (feld == FeldKritischeTreffer)
            p.Werte.Munition.KritischeTreffer = ganz;
        else
            gesetzt = false;
        break;
    case SlotZauber: {
        typ = p.Arten[PosZauberTyp];
        TZauberslotwerte &z = p.Werte.Zauber;
        gesetzt = true;
        if (feld == FeldMinSchaden)
            z.MinSchaden = ganz;
        else if (feld == FeldMaxSchaden)
            z.MaxSchaden = ganz;
        else if (feld == FeldAngriffe)
            z.Angriffe = ganz;
        else if (feld == FeldDauer && (typ == 3 || typ == 4))
            z.Dauer = ganz;
        else
            gesetzt = false;
        break;
    }
    default:
        break;
    }
    if (!gesetzt)
        return false;
    TSlotAnzeige &a = p.Slots[s];
    const QString eigen = EigenerEintragFuerArt(s, art, typ);
    if (!eigen.isEmpty())
        a.Basisname = eigen;
    a.Eigenes = true;
    a.Aufwertung = 0;
    a.Item = TItemRef{};
    AnzeigeErneuern(p, s);
    Aktualisieren(p);
    return true;
}

std::vector<TSlotFeld> SlotFelder(const TPlaner &p, TSlot s)
{
    if (s < 0 || s >= AnzahlSlots || !p.Slots[s].Belegt)
        return {};
    const std::vector<TSlotFeld> waffe = {FeldMinSchaden, FeldMaxSchaden, FeldAngriffe};
    switch (s) {
    case SlotHauptwaffe:
        return waffe;
    case SlotNebenwaffe:
        if (p.Arten[PosNebenwaffe] == 5 || p.Arten[PosNebenwaffe] == 6)
            return {FeldRuestschutz, FeldRuestschutzBeiBlock};
        return p.Arten[PosNebenwaffe] >= 1 && p.Arten[PosNebenwaffe] <= 4 ? waffe : std::vector<TSlotFeld>{};
    case SlotFernkampf:
        if (p.Arten[PosFernkampf] >= 3)
            return {FeldWirkung, FeldReichweite};
        return waffe;
    case SlotMunition:
        return {FeldWirkung, FeldTreffsicherheit, FeldKritischeTreffer};
    case SlotZauber:
        if (ZauberDauerSichtbar(p.Arten[PosZauberTyp]))
            return {FeldMinSchaden, FeldMaxSchaden, FeldAngriffe, FeldDauer};
        return waffe;
    default:
        return {FeldRuestschutz, FeldAbsorb, FeldBehinderung};
    }
}

namespace {

TFeldGrenzen FeldGrenzen(TSlotFeld feld)
{
    switch (feld) {
    case FeldRuestschutz:
    case FeldAbsorb:
    case FeldRuestschutzBeiBlock:
        return {2, 1, false};
    case FeldBehinderung:
    case FeldDauer:
        return {2, 0, false};
    case FeldMinSchaden:
    case FeldMaxSchaden:
    case FeldReichweite:
        return {3, 0, false};
    case FeldAngriffe:
        return {1, 0, false};
    case FeldWirkung:
        return {3, 0, false};
    case FeldTreffsicherheit:
    case FeldKritischeTreffer:
        return {2, 0, true};
    }
    return {};
}

bool IstDezimalfeld(TSlotFeld feld)
{
    return feld == FeldRuestschutz || feld == FeldAbsorb || feld == FeldRuestschutzBeiBlock;
}

} // namespace

TFeldGrenzen SlotFeldGrenzen(TSlot s, TSlotFeld feld)
{
    TFeldGrenzen g = FeldGrenzen(feld);
    if (s == SlotMunition && feld == FeldWirkung)
        g.Vorzeichen = true; // the ammunition's values may be negative
    return g;
}

QString SlotwertText(const TPlaner &p, TSlot s, TSlotFeld feld)
{
    const TAusruestungsWerte &w = p.Werte;
    auto waffe = [feld](const TWaffenslotwerte &x) {
        return feld == FeldMinSchaden ? x.MinSchaden : feld == FeldMaxSchaden ? x.MaxSchaden : x.Angriffe;
    };
    double wert = 0.0;
    switch (s) {
    case SlotHelm:
    case SlotPanzer:
    case SlotHose:
    case SlotStiefel:
    case SlotHandschuhe: {
        const TRuestungsteil &r = w.Ruestung[s];
        wert = feld == FeldRuestschutz ? r.Ruestschutz : feld == FeldAbsorb ? r.Absorb : r.Behinderung;
        break;
    }
    case SlotHauptwaffe:
        wert = waffe(w.Hauptwaffe);
        break;
    case SlotNebenwaffe:
        if (feld == FeldRuestschutz)
            wert = w.Schild.Ruestschutz;
        else if (feld == FeldRuestschutzBeiBlock)
            wert = w.Schild.RuestschutzBeiBlock;
        else
            wert = waffe(w.Nebenwaffe);
        break;
    case SlotFernkampf:
        if (feld == FeldWirkung)
            wert = w.Stab.Wirkung;
        else if (feld == FeldReichweite)
            wert = w.Stab.Reichweite;
        else
            wert = waffe(w.Fernwaffe);
        break;
    case SlotMunition:
        wert = feld == FeldWirkung           ? w.Munition.Wirkung
               : feld == FeldTreffsicherheit ? w.Munition.Treffsicherheit
                                             : w.Munition.KritischeTreffer;
        break;
    case SlotZauber:
        wert = feld == FeldDauer
                   ? w.Zauber.Dauer
                   : waffe(TWaffenslotwerte{w.Zauber.MinSchaden, w.Zauber.MaxSchaden, w.Zauber.Angriffe, 0});
        break;
    default:
        break;
    }
    return ZahlAllgemein(wert);
}

bool SetzeSlotwertText(TPlaner &p, TSlot s, TSlotFeld feld, const QString &text)
{
    const TFeldGrenzen g = SlotFeldGrenzen(s, feld);
    const QString t =
        g.Vorzeichen ? ZiffernBegrenzenMitVorzeichen(text, g.N, g.M) : ZiffernBegrenzen(text, g.N, g.M);
    const double wert = IstDezimalfeld(feld) ? KommazahlLesen(t).value_or(0.0) : GanzzahlLesen(t).value_or(0);
    return SetzeSlotwert(p, s, feld, wert);
}

void AllesLoeschen(TPlaner &p)
{
    for (TAttribut a : {AttrStaerke, AttrGeschick, AttrKonstitution, AttrIntelligenz})
        SetzeAttribut(p.Charakter, a, 0);
    SetzeErfahrung(p.Charakter, 0, p.Optionen.Welt);
    p.BerechnungAusgesetzt = true;
    for (TSlot s : {SlotHelm, SlotPanzer, SlotHose, SlotStiefel, SlotHandschuhe, SlotHauptwaffe,
                    SlotNebenwaffe, SlotFernkampf, SlotMunition})
        LeereSlot(p, s);
    p.BerechnungAusgesetzt = false;
    LeereSlot(p, SlotZauber);
}

} // namespace mvt::planer
