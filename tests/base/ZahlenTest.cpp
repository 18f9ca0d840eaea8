#include "base/Zahlen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace mvt;

TEST(Runden, HalbeZurGeradenNachbarzahl)
{
    EXPECT_EQ(Runden(0.5), 0);
    EXPECT_EQ(Runden(1.5), 2);
    EXPECT_EQ(Runden(2.5), 2);
    EXPECT_EQ(Runden(3.5), 4);
    EXPECT_EQ(Runden(-0.5), 0);
    EXPECT_EQ(Runden(-1.5), -2);
    EXPECT_EQ(Runden(-2.5), -2);
    EXPECT_EQ(Runden(2.4999999), 2);
    EXPECT_EQ(Runden(2.5000001), 3);
    EXPECT_EQ(Runden(12.2), 12);
    EXPECT_EQ(Runden(12.8), 13);
}

TEST(Runden, NichtDarstellbareWerteOhneUndefiniertesVerhalten)
{
    EXPECT_EQ(Runden(std::nan("")), 0);
    EXPECT_EQ(Runden(1e300), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(Runden(-1e300), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(Runden(std::numeric_limits<double>::infinity()), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(Runden32(5e9), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(Runden32(-5e9), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(Runden32(-7.5), -8);
}

TEST(GoldFormatieren, ZweiNachkommastellenMitKommaOhneNullen)
{
    EXPECT_EQ(GoldFormatieren(12.5), "12,50");
    EXPECT_EQ(GoldFormatieren(12), "12");
    EXPECT_EQ(GoldFormatieren(0), "0");
    EXPECT_EQ(GoldFormatieren(0.004), "0");
    EXPECT_EQ(GoldFormatieren(1200.05), "1200,05");
    EXPECT_EQ(GoldFormatieren(-3.5), "-3,50");
    EXPECT_EQ(GoldFormatieren(2.999), "3");
    EXPECT_EQ(GoldFormatieren(9999999.99), "9999999,99");
}

TEST(MengeFormatieren, GanzzahlenSchlichtSonstZweiStellenMitPunkt)
{
    EXPECT_EQ(MengeFormatieren(14), "14");
    EXPECT_EQ(MengeFormatieren(2.8), "2.80");
    EXPECT_EQ(MengeFormatieren(2.0 / 3.0), "0.67");
    EXPECT_EQ(MengeFormatieren(0), "0");
    EXPECT_EQ(MengeFormatieren(2147483647.0), "2147483647");
}

TEST(ZahlAllgemein, FuenfzehnStellenMitKomma)
{
    EXPECT_EQ(ZahlAllgemein(0), "0");
    EXPECT_EQ(ZahlAllgemein(9999999), "9999999");
    EXPECT_EQ(ZahlAllgemein(12.5), "12,5");
    EXPECT_EQ(ZahlAllgemein(-2.25), "-2,25");
    EXPECT_EQ(ZahlAllgemein(0.1), "0,1");
    EXPECT_EQ(ZahlAllgemein(1.0 / 3.0), "0,333333333333333");
    EXPECT_EQ(ZahlAllgemein(2.0 / 3.0), "0,666666666666667");
    EXPECT_EQ(ZahlAllgemein(0.0001), "0,0001");
    EXPECT_EQ(ZahlAllgemein(100000000000000.0), "100000000000000");
    EXPECT_EQ(ZahlAllgemein(1e15), "1E15");
    EXPECT_EQ(ZahlAllgemein(1.5e20), "1,5E20");
    EXPECT_EQ(ZahlAllgemein(0.000001), "1E-6");
    EXPECT_EQ(ZahlAllgemein(46113.5), "46113,5");
}

TEST(FestFormatieren, PunktUndFesteStellen)
{
    EXPECT_EQ(FestFormatieren(13.5167, 2), "13.52");
    EXPECT_EQ(FestFormatieren(10.14, 2), "10.14");
    EXPECT_EQ(FestFormatieren(-0.001, 2), "0.00");
    EXPECT_EQ(FestFormatieren(3, 1), "3.0");
}

TEST(KommazahlLesen, NurKommaAlsTrenner)
{
    EXPECT_EQ(KommazahlLesen("12,5"), 12.5);
    EXPECT_EQ(KommazahlLesen(" 7 "), 7.0);
    EXPECT_EQ(KommazahlLesen("-0,25"), -0.25);
    EXPECT_FALSE(KommazahlLesen("12.5"));
    EXPECT_FALSE(KommazahlLesen(""));
    EXPECT_FALSE(KommazahlLesen("abc"));
    EXPECT_FALSE(KommazahlLesen("1,2,3"));
    EXPECT_FALSE(KommazahlLesen("1e999"));
    EXPECT_EQ(GanzzahlLesen("42"), 42);
    EXPECT_FALSE(GanzzahlLesen("4294967296"));
    EXPECT_FALSE(GanzzahlLesen("4x"));
}

TEST(Eingabehilfen, ZeichenPruefen)
{
    EXPECT_EQ(ZeichenPruefen("12", u'.'), QChar(u','));
    EXPECT_EQ(ZeichenPruefen("12", u','), QChar(u','));
    EXPECT_FALSE(ZeichenPruefen("1,2", u'.'));
    EXPECT_FALSE(ZeichenPruefen("1,2", u','));
    EXPECT_EQ(ZeichenPruefen("", u'7'), QChar(u'7'));
    EXPECT_EQ(ZeichenPruefen("", QChar(8)), QChar(8));
    EXPECT_EQ(ZeichenPruefen("", QChar(3)), QChar(3));
    EXPECT_EQ(ZeichenPruefen("", QChar(22)), QChar(22));
    EXPECT_FALSE(ZeichenPruefen("", u'a'));
    EXPECT_FALSE(ZeichenPruefen("", u'-'));
}

TEST(Eingabehilfen, ZiffernBegrenzen)
{
    EXPECT_EQ(PreistextBereinigen("12345678,999"), "1234567,99");
    EXPECT_EQ(ZiffernBegrenzen("1a2b,3c", 7, 2), "12,3");
    EXPECT_EQ(ZiffernBegrenzen("-5", 3, 0), "5");
    EXPECT_EQ(ZiffernBegrenzen("123,45", 3, 0), "123,");
    EXPECT_EQ(ZiffernBegrenzenMitVorzeichen("-12-3", 3, 0), "-123");
    EXPECT_EQ(ZiffernBegrenzenMitVorzeichen("1-2", 3, 0), "12");
}

TEST(Tageszahl, UmrechnungInBeideRichtungen)
{
    EXPECT_EQ(DatumZuTageszahl(QDateTime(QDate(1899, 12, 30), QTime(0, 0))), 0.0);
    EXPECT_EQ(DatumZuTageszahl(QDateTime(QDate(1900, 1, 1), QTime(18, 0))), 2.75);
    EXPECT_EQ(TageszahlZuDatum(2.75), QDateTime(QDate(1900, 1, 1), QTime(18, 0)));
    const QDateTime d(QDate(2026, 12, 9), QTime(6, 30, 15));
    EXPECT_EQ(TageszahlZuDatum(DatumZuTageszahl(d)), d);
    EXPECT_FALSE(TageszahlZuDatum(1e300).isValid());
}
