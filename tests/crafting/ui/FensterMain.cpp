// Runs the window tests of the crafting calculator, headless.
#include "../../Fenstertests.h"

QObject *DetailanalyseFensterTestErzeugen();
QObject *ExportfensterTestErzeugen();
QObject *LagerfensterTestErzeugen();

int main(int argc, char **argv)
{
    return mvt::test::FenstertestsAusfuehren(
        argc, argv, {DetailanalyseFensterTestErzeugen, ExportfensterTestErzeugen, LagerfensterTestErzeugen});
}
