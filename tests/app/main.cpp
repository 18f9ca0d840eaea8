// Runs the window tests of the application shell, headless.
#include "../Fenstertests.h"

QObject *FensterTestErzeugen();
QObject *BaulistenMenueTestErzeugen();
QObject *OnlineTestErzeugen();
QObject *EinstellungsfensterTestErzeugen();
QObject *UebersetzungTestErzeugen();
QObject *TastaturTestErzeugen();
QObject *BarrierefreiheitTestErzeugen();
QObject *SitzungTestErzeugen();
QObject *StartTestErzeugen();

int main(int argc, char **argv)
{
    return mvt::test::FenstertestsAusfuehren(
        argc, argv,
        {FensterTestErzeugen, BaulistenMenueTestErzeugen, OnlineTestErzeugen, EinstellungsfensterTestErzeugen,
         UebersetzungTestErzeugen, TastaturTestErzeugen, BarrierefreiheitTestErzeugen, SitzungTestErzeugen,
         StartTestErzeugen});
}
