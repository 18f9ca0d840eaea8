// Runs the tests of the shared window code, headless.
#include "../Fenstertests.h"

QObject *JpegBildTestErzeugen();
QObject *PreiszeileTestErzeugen();

int main(int argc, char **argv)
{
    return mvt::test::FenstertestsAusfuehren(argc, argv, {JpegBildTestErzeugen, PreiszeileTestErzeugen});
}
