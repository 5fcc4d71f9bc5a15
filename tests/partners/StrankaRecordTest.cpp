#include "partners/StrankaRecord.h"

#include <gtest/gtest.h>

#include <functional>

TEST (StrankaRecord, EmptyRecordHoldsNoParty)
{
    const StrankaRecord r;
    EXPECT_EQ (r.id, -1);
    EXPECT_TRUE (r.ime.isEmpty() && r.davcna.isEmpty() && r.Drzava.isEmpty() && r.IBAN.isEmpty());
    EXPECT_EQ (r.drzava, 0);
    EXPECT_EQ (r.popust, 0.0);
    EXPECT_FALSE (r.DrzavaEU || r.tipdavka);
    EXPECT_EQ (r, StrankaRecord());
}

TEST (StrankaRecord, EveryFieldTakesPartInEquality)
{
    StrankaRecord base;
    base.id = 7;
    base.ime = "Klet";
    base.popust = 2.5;
    const std::function<void (StrankaRecord&)> changes[] = {
        [] (StrankaRecord& r) { r.id = 8; },
        [] (StrankaRecord& r) { r.ime = "klet"; },            // case counts
        [] (StrankaRecord& r) { r.Drzava = "SI"; },
        [] (StrankaRecord& r) { r.drzava = 185; },            // the country id, not the code
        [] (StrankaRecord& r) { r.DrzavaEU = true; },
        [] (StrankaRecord& r) { r.popust = 2.51; },
        [] (StrankaRecord& r) { r.davcna = "SI123"; },
        [] (StrankaRecord& r) { r.IBAN = "SI56"; },
        [] (StrankaRecord& r) { r.gln = "1"; },
        [] (StrankaRecord& r) { r.tipdavka = true; },
        [] (StrankaRecord& r) { r.tipstranke = 8; },
        [] (StrankaRecord& r) { r.ibanid = 3; },
        [] (StrankaRecord& r) { r.rokplacila = 30; },
    };
    for (size_t i = 0; i < std::size (changes); ++i)
    {
        StrankaRecord changed = base;
        EXPECT_EQ (changed, base);
        changes[i] (changed);
        EXPECT_NE (changed, base) << "change " << i;
    }
}
