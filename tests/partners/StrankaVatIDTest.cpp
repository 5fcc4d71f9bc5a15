// VAT identification numbers by country and payer status.
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
