#include "operations/OperationsFixture.h"
#include "db/DbTransaction.h"

using optest::OperationsFixture;

namespace
{
DateTime dateFrom (const juce::String& text)
{
    DateTime d;
    d = text;
    return d;
}
} // namespace

TEST_F (OperationsFixture, PostingWritesTheEntryAsTheRecordHoldsIt)
{
    settings().setValue ("uporabnik", "Ana");
    settings().setValue ("uporabnik:id", 4);
    Glavna entry;
    EXPECT_EQ (entry.id, 0);
    const int id = entry.vknjizi (&db, dateFrom ("2017-03-05"), OperationType::harvest, "Janezov sod, 'najboljsi'");
    ASSERT_GE (id, 1);
    EXPECT_EQ (entry.id, id);
    EXPECT_EQ (value ("SELECT MAX(id) FROM glavna"), juce::String (id));

    const auto row = rows ("SELECT opravilo,datum,opomba,stranka FROM glavna WHERE id=" + juce::String (id));
    EXPECT_EQ (row, juce::StringArray ({ "1|2017-03-05|Janezov sod, 'najboljsi'|4" }));
    EXPECT_EQ (entry.datum, "2017-03-05");
    EXPECT_EQ (entry.opomba, "Janezov sod, 'najboljsi'");
    EXPECT_EQ (entry.uporabnik, "Ana");
    EXPECT_EQ (entry.stranka, 4);
    EXPECT_EQ (entry.opravilo, 1);

    // The booking time is always a full moment of today, whatever date the entry is for.
    const auto dt = value ("SELECT dt FROM glavna WHERE id=" + juce::String (id));
    EXPECT_EQ (dt, entry.dt);
    EXPECT_EQ (dt.length(), 19);
    EXPECT_TRUE (dt.startsWith (juce::Time::getCurrentTime().formatted ("%Y-%m-%d"))) << dt;
    EXPECT_EQ (value ("SELECT datetime(dt)=dt FROM glavna WHERE id=" + juce::String (id)), "1");

    const int timed = entry.vknjizi (&db, dateFrom ("2017-03-05 18:30:00"), OperationType::wineTransfer, "");
    EXPECT_EQ (value ("SELECT datum FROM glavna WHERE id=" + juce::String (timed)), "2017-03-05 18:30:00");
}

TEST_F (OperationsFixture, PostingWithoutUserSettingsBooksForPartyOne)
{
    Glavna entry;
    const int id = entry.vknjizi (&db, DateTime(), OperationType::wineTransfer, "");
    EXPECT_EQ (value ("SELECT stranka FROM glavna WHERE id=" + juce::String (id)), "1");
    EXPECT_EQ (entry.uporabnik, "neznani");
}

TEST_F (OperationsFixture, PostingWithoutQueryObjectPostsNothing)
{
    vtest::LogCapture log;
    const auto before = dump();
    Glavna entry;
    EXPECT_EQ (entry.vknjizi (nullptr, DateTime(), OperationType::harvest, "x"), 0);
    EXPECT_EQ (entry.id, 0);
    EXPECT_EQ (dump(), before);
    EXPECT_TRUE (log.contains ("<Glavna::vknjizi> ERROR: rad bi vknjizil ampak ni baze"));
}

TEST_F (OperationsFixture, WorkstationIsRegisteredOnceWhenItHasAnIdentifierAndAtEveryPostingWhenNot)
{
    // Quotes in the computer's name and identifier are data, not SQL.
    workstation.name = "Ana's PC";
    workstation.id = "id-'quoted'";
    const int first = post();
    const int second = post();
    EXPECT_EQ (rows ("SELECT id,hostname,address,hash,active FROM host WHERE id>1"),
               juce::StringArray ({ "2|Ana's PC|127.0.0.1;192.168.1.20;|id-'quoted'|1" }));
    EXPECT_EQ (rows ("SELECT host FROM glavna WHERE id IN (" + juce::String (first) + "," + juce::String (second) + ")"),
               juce::StringArray ({ "2", "2" }));

    workstation.id = "";
    const int third = post();
    const int fourth = post();
    EXPECT_EQ (rows ("SELECT id,hash FROM host WHERE id>2"), juce::StringArray ({ "3|", "4|" }));
    EXPECT_EQ (value ("SELECT host FROM glavna WHERE id=" + juce::String (third)), "3");
    EXPECT_EQ (value ("SELECT host FROM glavna WHERE id=" + juce::String (fourth)), "4");

    // Long texts are cut to what the columns hold.
    workstation.id = juce::String::repeatedString ("x", 300);
    workstation.name = juce::String::repeatedString ("n", 300);
    post();
    EXPECT_EQ (value ("SELECT length(hash) || ' ' || length(hostname) FROM host ORDER BY id DESC LIMIT 1"), "256 256");
    post();
    EXPECT_EQ (value ("SELECT COUNT(*) FROM host WHERE length(hash)=256"), "1");
}

TEST_F (OperationsFixture, WorkstationThatCannotBeRegisteredPostsAsTheUnknownOne)
{
    vtest::LogCapture log;
    vtest::FaultInjection faults (file(), { "host" });
    faults.failWrite (1);
    {
        // The caller's own work before it leaves a last inserted id the entry must not take.
        DbTransaction booking;
        ASSERT_TRUE (db.sqlQueryNA ("INSERT INTO klet(id,ime) VALUES (57,'Druga klet')"));
        Glavna entry;
        const int id = entry.vknjizi (&db, DateTime(), OperationType::wineTransfer, "");
        ASSERT_GE (id, 1);
        EXPECT_EQ (entry.host, Glavna::kUnknownHost);
        EXPECT_FALSE (booking.hasFailed());   // the posting went on, so the booking can commit
        EXPECT_TRUE (booking.commit());
    }
    // Entry 1 is the shipped placeholder every default names; only the new entry counts here.
    EXPECT_EQ (rows ("SELECT host FROM glavna WHERE id>1"), juce::StringArray ({ "1" }));
    EXPECT_EQ (value ("SELECT COUNT(*) FROM host"), "1");
    EXPECT_EQ (value ("SELECT COUNT(*) FROM klet WHERE id=57"), "1");
    EXPECT_TRUE (log.contains (vtest::FaultInjection::kMessage));
}

TEST_F (OperationsFixture, FailedEntryLeavesNoWorkstationRowBehind)
{
    vtest::LogCapture log;
    const auto before = dump();
    vtest::FaultInjection faults (file(), { "glavna" });
    faults.failWrite (1);
    Glavna entry;
    EXPECT_EQ (entry.vknjizi (&db, DateTime(), OperationType::wineTransfer, "x"), 0);
    EXPECT_EQ (entry.id, 0);
    EXPECT_EQ (dump(), before);
    EXPECT_TRUE (log.contains ("<Glavna::vknjizi> ERROR: pri vknjizbi je prislo do napake."));
}

TEST_F (OperationsFixture, EntryPostedInsideABookingGoesWithTheBooking)
{
    {
        DbTransaction booking;
        Glavna entry;
        EXPECT_GE (entry.vknjizi (&db, DateTime(), OperationType::harvest, ""), 1);
        booking.rollback();
    }
    EXPECT_EQ (value ("SELECT COUNT(*) FROM glavna WHERE id>1"), "0");
    EXPECT_EQ (value ("SELECT COUNT(*) FROM host"), "1");
}

TEST_F (OperationsFixture, JournalTablesAreRegistered)
{
    Glavna::addTables (&db);
    Glavna::addTables (nullptr);
    EXPECT_EQ (db.getTables(), juce::StringArray ({ "glavna", "host" }));
}
