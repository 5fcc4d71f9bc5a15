// VAT identification numbers by country and payer status, and the payment references.
#include "partners/PaymentReference.h"
#include "partners/StrankaRecord.h"
#include "partners/StrankaVatID.h"

#include <gtest/gtest.h>

TEST (StrankaVatID, ByCountryAndPayerStatus)
{
    struct Case { const char* davcna; const char* code; bool eu; bool payer; const char* vat; };
    const Case cases[] = {
        { "SI 123", "SI", true, true, "SI123" },       { "SI 123", "SI", true, false, "123" },
        { "U123", "AT", true, true, "ATU123" },        { "123", "GR", true, true, "EL123" },
        { "IE123X", "IE", true, true, "IE123X" },      { "123X", "IE", true, true, "IE123X" },
        { "ie123X", "IE", true, true, "IEie123X" },    { "CY99L", "CY", true, true, "CY99L" },
        { " 12-3\r\n", "US", false, true, "12-3" },    { "abc", "HR", true, false, "abc" },
        { "", "SI", true, true, "" },                  { "HR 12\n3", "HR", true, true, "HR123" },
    };
    for (auto& c : cases)
    {
        StrankaRecord r;
        r.davcna = c.davcna;
        r.Drzava = c.code;
        r.DrzavaEU = c.eu;
        r.tipdavka = c.payer;
        EXPECT_EQ (getStrankaVatID (r), c.vat) << c.davcna << " " << c.code;
    }
}

TEST (PaymentReference, ModelsSI00AndRF)
{
    EXPECT_EQ (makeReferenceSI00 (7, 15), "SI00715");
    EXPECT_EQ (makeReferenceSI00 (7, 0), "SI0070");
    EXPECT_EQ (makeReferenceSI00 (2018, -3), "SI002018-3");

    // The check digits are the standard's own (its published example, also with leading zeros)
    // or worked out by hand with the mod-97 rule, never taken from the code under test.
    struct Case { const char* reference; const char* expected; };
    const Case cases[] = {
        { "539007547034", "RF18539007547034" },
        { "000000000539007547034", "RF18000000000539007547034" },
        { "7-15", "RF757X15" },
        { "P1-B1-15", "RF67P1XB1X15" },
        { "abc", "RF45abc" },   // letters count as capitals; the text keeps what was given
        { "ABC", "RF45ABC" },
        { "", "RF04" },
    };
    for (const auto& c : cases)
        EXPECT_EQ (makeReferenceRF (c.reference), c.expected) << c.reference;
}
