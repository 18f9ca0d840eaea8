// Runs the tests of what the windows show a person: drawn colours and texts that fit.
#include "../Fenstertests.h"

QObject *FarbenTestErzeugen();
QObject *TextePassenTestErzeugen();

int main(int argc, char **argv)
{
    return mvt::test::FenstertestsAusfuehren(argc, argv, {FarbenTestErzeugen, TextePassenTestErzeugen});
}
