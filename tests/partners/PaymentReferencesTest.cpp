#include "partners/PaymentReferences.h"

#include <gtest/gtest.h>

TEST (PaymentReferencesTest, IbanNormalFormAndBlocksOfFour)
{
    EXPECT_EQ (normaliseIban ("si56 1910-0000 0123 438"), "SI56191000000123438");
    EXPECT_EQ (normaliseIban (juce::String::fromUTF8 ("\xc4\x8d" "x.1")), "X1");
    EXPECT_EQ (groupByFour ("SI56191000000123438"), "SI56 1910 0000 0123 438");
    EXPECT_EQ (groupByFour ("ABCD"), "ABCD");
    EXPECT_EQ (groupByFour (""), "");
}
