#include "cellar/SortaListener.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

TEST (SortaRecord, EqualityCoversEverySixFields)
{
    SortaRecord a;
    a.id = 3;
    a.sorta = "Sauvignon";
    a.okrajsano = "SAU";
    a.barva = -3407872;
    a.tip = 1;
    a.active = true;
    const std::function<void (SortaRecord&)> changes[] = {
        [] (SortaRecord& r) { r.id = 4; },
        [] (SortaRecord& r) { r.sorta = "sauvignon"; },
        [] (SortaRecord& r) { r.okrajsano = "SA"; },
        [] (SortaRecord& r) { r.barva = 0xCC0000; },
        [] (SortaRecord& r) { r.tip = 0; },
        [] (SortaRecord& r) { r.active = false; },
    };
    EXPECT_EQ (a, SortaRecord (a));
    for (const auto& change : changes)
    {
        auto b = a;
        change (b);
        EXPECT_NE (a, b);
    }
    const auto none = SortaRecord::empty();
    EXPECT_EQ (none.id, -1);
    EXPECT_TRUE (none.sorta.isEmpty());
    EXPECT_EQ (none.barva, 0);
    EXPECT_FALSE (none.active);
}

TEST (SortaRecord, SlotsCountFromOneAndRefuseTheRest)
{
    SortaListener window (2);
    SortaRecord r;
    r.id = 3;
    vtest::LogCapture log;
    window.setSortaIDN (r, 0);
    window.setSortaIDN (r, 3);
    EXPECT_TRUE (log.contains ("ERROR sorta is wrong"));
    EXPECT_EQ (window.getSorta (0).id, -1);
    EXPECT_EQ (window.getSorta (3).id, -1);
    EXPECT_EQ (window.getSorta (2).id, -1);
    window.setSortaIDN (r, 2);
    EXPECT_EQ (window.getSorta (2), r);
    EXPECT_EQ (window.getSorta (1).id, -1);
}
