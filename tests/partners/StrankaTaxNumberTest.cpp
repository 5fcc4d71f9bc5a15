// The printed tax number: a VAT payer's number stays whole, anyone else's loses its country prefix.
#include "partners/StrankaTaxNumber.h"

#include <gtest/gtest.h>

TEST (StrankaTaxNumberTest, PrefixIsCutBeforeTheFirstDigit)
{
    const std::pair<const char*, const char*> cases[] = {
        { "HR-123", "123" }, { "SI12345678", "12345678" }, { "12345678", "12345678" }, { "", "" }, { "abc", "abc" },
    };
    for (auto [text, expected] : cases)
        EXPECT_EQ (stripTaxPrefix (text), expected) << text;
}

TEST (StrankaTaxNumberTest, OnlyNonPayersLoseThePrefix)
{
    StrankaRecord party;
    party.davcna = "SI12345678";
    party.tipdavka = true;
    EXPECT_EQ (getStrankaTaxNumber (party), "SI12345678");
    party.tipdavka = false;
    EXPECT_EQ (getStrankaTaxNumber (party), "12345678");
    party.davcna = "";
    EXPECT_EQ (getStrankaTaxNumber (party), "");
}
