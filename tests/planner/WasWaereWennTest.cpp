#include "planner/Charakterdatei.h"
#include "planner/Vergleich.h"
#include "planner/WasWaereWenn.h"
#include "PlanerTestKatalog.h"

#include <QJsonDocument>

#include <gtest/gtest.h>

#include <random>

using namespace mvt;
using namespace mvt::planer;

namespace {

void ErwarteGleich(const TKennwerte &a, const TKennwerte &b)
{
    EXPECT_EQ(a.Ansicht, b.Ansicht);
    EXPECT_EQ(a.Ruestschutz, b.Ruestschutz);
    EXPECT_EQ(a.Absorb, b.Absorb);
    EXPECT_EQ(a.Ausweichen, b.Ausweichen);
    EXPECT_EQ(a.Behinderung, b.Behinderung);
    EXPECT_EQ(a.Treffsicherheit, b.Treffsicherheit);
    EXPECT_EQ(a.KritischeTreffer, b.KritischeTreffer);
    EXPECT_EQ(a.Heilung, b.Heilung);
    EXPECT_EQ(a.ProRunde, b.ProRunde);
    EXPECT_EQ(a.Entgangen, b.Entgangen);
    EXPECT_EQ(a.GegnerBesiegtIn, b.GegnerBesiegtIn);
    EXPECT_EQ(a.RundenUeberlebt, b.RundenUeberlebt);
    EXPECT_EQ(a.Schadensreduktion, b.Schadensreduktion);
}

// Everything of the character a choice could touch, as one comparable text.
QByteArray Zustand(const TPlaner &p)
{
    QByteArray z = QJsonDocument(CharakterJsonSchreiben(p)).toJson(QJsonDocument::Compact);
    z += QByteArray(reinterpret_cast<const char *>(p.Arten.data()), p.Arten.size());
    const TCharakter &c = p.Charakter;
    for (double x :
         {c.RuestschutzNah, c.Absorb, c.AusweichenNah, c.Hauptwaffe.MaxSchaden, c.Zauber.MaxSchaden,
          double(c.Staerke), double(c.Attributpunkte), double(c.FreiePunkte), double(c.VerzStaerke),
          p.Bewertung.Offensive.ProRunde, p.Bewertung.Defensive.RundenUeberlebt})
        z += QByteArray::number(x, 'g', 17) + ';';
    for (const TSlotAnzeige &s : p.Slots)
        z += (s.Beschriftung + s.Hinweis).toUtf8();
    return z;
}

QStringList Eintraege(TMenue m)
{
    QStringList r;
    for (const TMenueGruppe &g : MenueGruppen(m))
        r += g.Eintraege;
    r << NichtsEintrag;
    return r;
}

// A character with random level, items, enchantments, attributes, opponent and view.
TPlaner Zufallscharakter(std::mt19937 &zufall)
{
    auto zahl = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(zufall); };
    TPlaner p;
    p.Optionen.Welt = static_cast<uint8_t>(zahl(0, 3));
    PlanerStarten(p);
    LevelEingeben(p, zahl(1, 200));
    for (int s = 0; s < AnzahlSlots; ++s) {
        if (zahl(0, 3) == 0)
            continue;
        const int m = MenueVonSlot(static_cast<TSlot>(s), p.Arten[PosFernkampf]);
        if (m < 0)
            continue;
        const QStringList e = Eintraege(static_cast<TMenue>(m));
        const QString name = e[zahl(0, static_cast<int>(e.size()) - 1)];
        WaehleMenueEintrag(p, Katalog(), static_cast<TSlot>(s), name, zahl(0, 1) == 1, zahl(0, 3) == 0);
        if (IstEigenerEintrag(name))
            for (TSlotFeld f : SlotFelder(p, static_cast<TSlot>(s)))
                SetzeSlotwert(p, static_cast<TSlot>(s), f, zahl(0, 40));
        if (Verzauberbar(p, static_cast<TSlot>(s)) && zahl(0, 2) == 0)
            SetzeVerzauberung(p, static_cast<TSlot>(s), VerzauberungsCode(zahl(1, 11), zahl(1, 5)));
    }
    for (int a = 0; a < 4; ++a)
        AttributEingeben(p, static_cast<TAttribut>(a), zahl(0, 120));
    TGegnerwerte g;
    g.Leben = zahl(0, 3000);
    g.Ruestschutz = zahl(0, 40);
    g.Absorb = zahl(0, 40);
    g.Ausweichen = zahl(0, 30);
    g.Blockchance = zahl(0, 25);
    g.RuestschutzBeiBlock = zahl(0, 60);
    GegnerSetzen(p, g);
    AnsichtWaehlen(p, zahl(0, 1) ? TAnsicht::Fernkampf : TAnsicht::Nahkampf);
    return p;
}

TPlaner Frisch()
{
    TPlaner p;
    PlanerStarten(p);
    return p;
}

bool Enthaelt(const std::vector<TUnterschiedsZeile> &z, const QString &text, bool besser)
{
    for (const TUnterschiedsZeile &x : z)
        if (x.Text == text)
            return x.Besser == besser;
    return false;
}

} // namespace

TEST(WasWaereWenn, GleichWaehlenBewertenAbziehen)
{
    std::mt19937 zufall(2112);
    auto zahl = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(zufall); };
    int gewaehlt = 0;
    for (int i = 0; i < 500; ++i) {
        TPlaner p = Zufallscharakter(zufall);
        int rufe = 0;
        p.UntergrenzenGeaendert = [&rufe](const TCharakter &) { ++rufe; };
        TSlot s;
        int m;
        do {
            s = static_cast<TSlot>(zahl(0, AnzahlSlots - 1));
            m = MenueVonSlot(s, p.Arten[PosFernkampf]);
        } while (m < 0);
        const QStringList e = Eintraege(static_cast<TMenue>(m));
        const QString eintrag = e[zahl(0, static_cast<int>(e.size()) - 1)];
        SCOPED_TRACE(QStringLiteral("%1: %2 in %3").arg(i).arg(eintrag, SlotName(s)).toStdString());

        const QByteArray vorher = Zustand(p);
        const std::optional<TKennwerte> w = WasWaereWenn(p, Katalog(), s, eintrag);
        EXPECT_EQ(Zustand(p), vorher);
        EXPECT_EQ(rufe, 0);

        TPlaner echt = p;
        echt.UntergrenzenGeaendert = nullptr;
        const bool ok = WaehleMenueEintrag(echt, Katalog(), s, eintrag, false, false);
        ASSERT_EQ(w.has_value(), ok);
        if (!ok)
            continue;
        ++gewaehlt;
        ErwarteGleich(*w, Kennwerte(echt));
        // The lines describe the same step.
        const auto a = UnterschiedsZeilen(Kennwerte(p), *w);
        const auto b = UnterschiedsZeilen(Kennwerte(p), Kennwerte(echt));
        ASSERT_EQ(a.size(), b.size());
        for (size_t j = 0; j < a.size(); ++j)
            EXPECT_EQ(a[j].Text, b[j].Text);
    }
    EXPECT_GT(gewaehlt, 400);
}

TEST(WasWaereWenn, SlotregelnZaehlenWieEineEchteWahl)
{
    // A two-handed weapon pushes the shield out: its protection and block go with it.
    TPlaner p = Frisch();
    WaehleAusruestung(p, Katalog(), SlotHauptwaffe, QStringLiteral("Kurzschwert"));
    WaehleAusruestung(p, Katalog(), SlotNebenwaffe, QStringLiteral("Lederschild"));
    const TKennwerte vorher = Kennwerte(p);
    std::optional<TKennwerte> w =
        WasWaereWenn(p, Katalog(), SlotHauptwaffe, QString::fromUtf8("Bidenhänder [2H]"));
    ASSERT_TRUE(w);
    EXPECT_DOUBLE_EQ(vorher.Ruestschutz - w->Ruestschutz, 4.0);
    EXPECT_LT(w->Schadensreduktion, vorher.Schadensreduktion);
    auto zeilen = UnterschiedsZeilen(vorher, *w);
    EXPECT_TRUE(Enthaelt(zeilen, QString::fromUtf8("Rüstschutz \u22124.0 %"), false));
    EXPECT_EQ(p.Arten[PosNebenwaffe], 5);

    // A bow over a staff brings its arrows: the ranged view stays usable.
    p = Frisch();
    WaehleAusruestung(p, Katalog(), SlotFernkampf, QStringLiteral("Feuer-Stecken"));
    WaehleZauber(p, Katalog(), QStringLiteral("Feuerball"));
    AnsichtWaehlen(p, TAnsicht::Fernkampf);
    ASSERT_EQ(Kennwerte(p).Ansicht, TAnsicht::Fernkampf);
    w = WasWaereWenn(p, Katalog(), SlotFernkampf, QStringLiteral("Kurzbogen"));
    ASSERT_TRUE(w);
    EXPECT_EQ(w->Ansicht, TAnsicht::Fernkampf);
    EXPECT_GT(w->ProRunde, 0.0);
    EXPECT_EQ(p.Slots[SlotMunition].Basisname, QStringLiteral("Magieessenz"));
    EXPECT_EQ(p.Slots[SlotZauber].Basisname, QStringLiteral("Feuerball"));

    // The attribute enchantment stays with the old helm: its Stärke is missing afterwards,
    // and the axe hits softer. The character itself keeps the points.
    p = Frisch();
    int rufe = 0;
    p.UntergrenzenGeaendert = [&rufe](const TCharakter &) { ++rufe; };
    WaehleAusruestung(p, Katalog(), SlotHelm, QStringLiteral("Leinen-Haube"));
    SetzeVerzauberung(p, SlotHelm, VerzauberungAusName(QStringLiteral("der Macht")));
    WaehleAusruestung(p, Katalog(), SlotHauptwaffe, QStringLiteral("Axt"));
    AttributEingeben(p, AttrStaerke, 50);
    rufe = 0;
    const TKennwerte mitKraft = Kennwerte(p);
    w = WasWaereWenn(p, Katalog(), SlotHelm, QStringLiteral("Leinen-Haube"));
    ASSERT_TRUE(w);
    EXPECT_LT(w->ProRunde, mitKraft.ProRunde);
    EXPECT_EQ(p.Charakter.Staerke, 50);
    EXPECT_EQ(p.Charakter.VerzStaerke, 4);
    EXPECT_EQ(rufe, 0);
    TPlaner echt = p;
    echt.UntergrenzenGeaendert = nullptr;
    WaehleAusruestung(echt, Katalog(), SlotHelm, QStringLiteral("Leinen-Haube"));
    EXPECT_EQ(echt.Charakter.Staerke, 46);
    ErwarteGleich(*w, Kennwerte(echt));

    // Entries that cannot be chosen there have no answer.
    EXPECT_FALSE(WasWaereWenn(p, Katalog(), SlotHelm, QStringLiteral("Kurzschwert")));
    EXPECT_FALSE(WasWaereWenn(p, Katalog(), SlotZauber, QStringLiteral("Feuerball")));
}

TEST(WasWaereWenn, ZeilenMitVorzeichenEinheitUndRichtung)
{
    TKennwerte a;
    a.Ruestschutz = 12.0;
    a.Behinderung = 4;
    a.Treffsicherheit = 75.0;
    a.ProRunde = 30.0;
    a.Entgangen = 10.0;
    a.GegnerBesiegtIn = 12.5;
    a.RundenUeberlebt = -1.0;
    TKennwerte b = a;
    b.Ruestschutz = 12.04; // below the shown decimal: no line
    b.Behinderung = 7;
    b.ProRunde = 33.25;
    b.Entgangen = 8.5;
    b.GegnerBesiegtIn = 11.1;
    b.RundenUeberlebt = 20.0;
    const auto z = UnterschiedsZeilen(a, b);
    ASSERT_EQ(z.size(), 5u);
    EXPECT_EQ(z[0].Text, QStringLiteral("Behinderung +3 %"));
    EXPECT_FALSE(z[0].Besser);
    EXPECT_EQ(z[1].Text, QString::fromUtf8("Ø Schaden pro Runde +3.25"));
    EXPECT_TRUE(z[1].Besser);
    EXPECT_EQ(z[2].Text, QString::fromUtf8("Schaden entgangen \u22121.50 %"));
    EXPECT_TRUE(z[2].Besser);
    EXPECT_EQ(z[3].Text, QString::fromUtf8("Gegner besiegt in \u22121,4 Runden"));
    EXPECT_TRUE(z[3].Besser);
    EXPECT_EQ(z[4].Text, QString::fromUtf8("Überlebt 20 Runden statt unbesiegbar"));
    EXPECT_FALSE(z[4].Besser);

    // The difference of the shown values, as the compare mode gives it: 26,1 and 20,9 shown
    // give −5,2 although the raw values differ by 5,12; 12.04 and 12.06 show 12.0 and 12.1.
    b = a;
    a.GegnerBesiegtIn = 26.06;
    b.GegnerBesiegtIn = 20.94;
    a.Ruestschutz = 12.04;
    b.Ruestschutz = 12.06;
    const auto gezeigt = UnterschiedsZeilen(a, b);
    ASSERT_EQ(gezeigt.size(), 2u);
    EXPECT_EQ(gezeigt[0].Text, QString::fromUtf8("Rüstschutz +0.1 %"));
    EXPECT_EQ(gezeigt[1].Text, QString::fromUtf8("Gegner besiegt in \u22125,2 Runden"));
    EXPECT_EQ(TextVergleich(RundenText(20.94), RundenText(26.06), false).Text,
              QString::fromUtf8("\u22125,2"));

    // Healing and damage are not one scale.
    a.Ruestschutz = 12.0;
    a.GegnerBesiegtIn = 12.5;
    b = a;
    b.Heilung = true;
    b.ProRunde = 99.0;
    b.GegnerBesiegtIn.reset();
    EXPECT_TRUE(UnterschiedsZeilen(a, b).empty());
}
