// Work beside the main thread: its result comes through the future, and only work the main
// thread needs later gives way to it.
#include "base/Nebenher.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <stdexcept>

#include <sys/resource.h>
#include <unistd.h>

using namespace mvt;

namespace {

int EigenerNiceWert()
{
    errno = 0;
    const int wert = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
    return errno == 0 ? wert : -100;
}

} // namespace

TEST(Nebenher, SpaeteArbeitWeichtDemHauptthreadBaldigeNicht)
{
    const int hier = EigenerNiceWert();
    ASSERT_NE(hier, -100);
    const int spaeter = NebenherAusfuehren(TDringlichkeit::Spaeter, [] { return EigenerNiceWert(); }).get();
    const int bald = NebenherAusfuehren(TDringlichkeit::Bald, [] { return EigenerNiceWert(); }).get();
    // Raised by 10, capped at the system's lowest priority.
    EXPECT_EQ(spaeter, std::min(hier + 10, 19));
    EXPECT_EQ(bald, hier);
    // The caller's own priority is untouched.
    EXPECT_EQ(EigenerNiceWert(), hier);
}

TEST(Nebenher, ErgebnisUndAusnahmeKommenDurchDieZukunft)
{
    auto zahl = NebenherAusfuehren(TDringlichkeit::Spaeter, [] { return std::make_unique<int>(42); });
    EXPECT_EQ(*zahl.get(), 42);
    auto fehler =
        NebenherAusfuehren(TDringlichkeit::Bald, []() -> int { throw std::runtime_error("kaputt"); });
    EXPECT_THROW(fehler.get(), std::runtime_error);
}
