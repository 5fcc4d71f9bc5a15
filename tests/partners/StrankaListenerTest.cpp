// The party selection mix-in: numbered slots, each empty until a pick; numbers out of range
// change nothing and read as the empty record.
#include "partners/StrankaListener.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

TEST (StrankaListener, SlotsAreNumberedFromOneAndOutOfRangeIsIgnored)
{
    vtest::LogCapture log;
    StrankaListener two (2);
    for (int slot : { 0, 1, 2, 3, -1 })
        EXPECT_EQ (two.getStranka (slot).id, -1) << slot;

    StrankaRecord buyer;
    buyer.id = 4;
    buyer.ime = "Zvezda";
    two.setStrankaIDN (buyer, 2);
    EXPECT_EQ (two.getStranka (2), buyer);
    EXPECT_EQ (two.getStranka (1).id, -1);

    StrankaRecord other;
    other.id = 9;
    for (int slot : { 0, 3, -5 })
        two.setStrankaIDN (other, slot);
    EXPECT_TRUE (log.contains ("<StrankaListener::setStrankaIDN> ERROR"));
    EXPECT_EQ (two.getStranka (1).id, -1);
    EXPECT_EQ (two.getStranka (2), buyer);
    EXPECT_EQ (two.getStranka (3).id, -1);
}
