// The warehouse dialogs' save on a real database: trimmed unique names, an inactive warehouse
// taken back when adding, the consignment party written as 1 for an own warehouse.
#include "StockFixture.h"
#include "warehouse/SkladisceSave.h"

using namespace stocktest;

namespace
{
class SkladisceSaveDb : public StockFixture
{
protected:
    bool save (SkladisceRecord& r, bool edit, bool consignment = false)
    {
        return SkladisceSave::save (r, edit, consignment, db, error);
    }
    static SkladisceRecord named (const juce::String& name, int id = -1, int party = -1)
    {
        SkladisceRecord r;
        r.id = id;
        r.ime = name;
        r.konsig.id = party;
        return r;
    }
    juce::String error;
};
} // namespace

TEST_F (SkladisceSaveDb, AddingTrimsReusesInactiveAndRefusesActiveNames)
{
    auto blank = named ("   ");
    EXPECT_FALSE (save (blank, false));
    EXPECT_EQ (error, "Vnesite ime skladisca!");

    auto clash = named ("  Glavno ");
    EXPECT_FALSE (save (clash, false));
    EXPECT_EQ (error, "Skladisce z imenom Glavno ze obstaja!");

    auto fresh = named (" Klet O'Neil ");
    ASSERT_TRUE (save (fresh, false)) << error;
    EXPECT_EQ (rows ("SELECT ime,konsig,active FROM skladisce WHERE id=" + juce::String (fresh.id)), juce::StringArray ("Klet O'Neil|1|1"));

    ASSERT_TRUE (exec ("UPDATE skladisce SET active=0 WHERE id=2"));
    const auto count = value ("SELECT COUNT(*) FROM skladisce");
    auto back = named ("Trgovina", -1, 50);
    ASSERT_TRUE (save (back, false, true)) << error;
    EXPECT_EQ (back.id, 2);
    EXPECT_EQ (rows ("SELECT konsig,active FROM skladisce WHERE id=2"), juce::StringArray ("50|1"));
    EXPECT_EQ (value ("SELECT COUNT(*) FROM skladisce"), count);
}

TEST_F (SkladisceSaveDb, RenamingRefusesAnyOtherWarehousesNameButKeepsItsOwn)
{
    ASSERT_TRUE (exec ("UPDATE skladisce SET active=0 WHERE id=2"));
    for (const auto* other : { "Trgovina", "Tuje blago" })
    {
        auto r = named (other, 1);
        EXPECT_FALSE (save (r, true)) << other;
        EXPECT_EQ (error, "Skladisce z imenom " + juce::String (other) + " ze obstaja!");
    }
    auto own = named ("Glavno ", 1);
    EXPECT_TRUE (save (own, true)) << error;
    auto renamed = named ("Centralno", 1);
    EXPECT_TRUE (save (renamed, true)) << error;
    EXPECT_EQ (rows ("SELECT ime,konsig FROM skladisce WHERE id=1"), juce::StringArray ("Centralno|1"));
}

TEST_F (SkladisceSaveDb, ConsignmentNeedsAPartyAndPartyOneMeansOwn)
{
    auto none = named ("Komisija");
    EXPECT_FALSE (save (none, false, true));
    EXPECT_EQ (error, "Izberite stranko konsignacije");

    auto own = named ("Komisija", -1, 1);
    ASSERT_TRUE (save (own, false, false)) << error;
    EXPECT_EQ (own.konsig.id, 1);
    EXPECT_EQ (value ("SELECT konsig FROM skladisce WHERE id=" + juce::String (own.id)), "1");
}

TEST_F (SkladisceSaveDb, AFailedWriteShowsTheDatabasesReason)
{
    vtest::FaultInjection faults (file(), { "skladisce" });
    faults.failWrite (1);
    auto r = named ("Polnilnica");
    EXPECT_FALSE (save (r, false));
    EXPECT_TRUE (error.contains (vtest::FaultInjection::kMessage)) << error;
}
