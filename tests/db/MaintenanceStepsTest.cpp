// The maintenance steps on a version-37 database at level 0: dates, declarations of bulk-wine
// articles, account texts, party names and addresses, tax kinds, colours and VAT numbers.
#include "support/UpgradeTestSupport.h"

#include "db/MaintenanceSteps.h"
#include "db/UpgradeChain.h"

#include <gtest/gtest.h>

using vindoro::MaintenanceSteps;

namespace
{
juce::String u8 (const char* text) { return juce::String::fromUTF8 (text); }
}

TEST (MaintenanceSteps, AllLevelsOnOldData)
{
    vtest::UpgradeDb db (vtest::shippedDatabase());
    ASSERT_TRUE (db.exec (vtest::upgradeFixture ("v37-maintenance-data.sql").loadFileAsString())) << db.lastError;
    vtest::LogCapture log;
    std::vector<double> progress;
    vindoro::UpgradeHooks hooks;
    hooks.setProgress = [&progress] (double p) { progress.push_back (p); };
    vindoro::UpgradeRun run (hooks);
    const auto result = vindoro::UpgradeChain::runMaintenance (0, run);
    EXPECT_EQ (result.outcome, vindoro::UpgradeChain::Outcome::completed);
    EXPECT_EQ (db.level(), 3);

    // Only texts that convert change; an unreadable date is kept and reported.
    EXPECT_EQ (db.rows ("SELECT datum FROM glavna ORDER BY id").joinIntoString (","),
               "2016-01-05 12:30:00,2016-01-05 00:00:00,2016-01-05 12:30:00,2016-01-05 12:30:00,05.01.2016,2016-01-05 12:30:00");
    EXPECT_EQ (db.rows ("SELECT IFNULL(datum,'-'),datumopravila FROM racun ORDER BY id").joinIntoString (","),
               "-|,2016-02-01 00:00:00|2016-02-01 08:00:00");
    EXPECT_TRUE (log.contains ("glavna.datum of row 5 is not a date and stays as it is: 05.01.2016"));

    EXPECT_EQ (db.rows ("SELECT id,link2 FROM artikel ORDER BY id").joinIntoString (","), "1|5,2|0");
    EXPECT_EQ (db.value ("SELECT iban FROM iban WHERE id=2"), "SI56191000000123438");

    EXPECT_EQ (db.rows ("SELECT id,ime,dolgoime,ulica,IFNULL(hisnast,'-'),IFNULL(hisnastdod,'-') FROM stranka WHERE id BETWEEN 10 AND 15 ORDER BY id")
                   .joinIntoString ("\n"),
               u8 ("10|Vinska klet d.o.o.|Vinska klet|Cankarjeva|12|a\n"
                   "11|Ulica d.o.o.|Ulica d.o.o.|Ulica 5. maja|10|\n"
                   "12|\xc5\xa0tevilka|\xc5\xa0tevilka|5. maja 3||\n"
                   "13|Ima hi\xc5\xa1no|Ima hi\xc5\xa1no|Glavna 7|3|\n"
                   "14|Tujec  |Tujec  |Ilica 5||\n"
                   "15|Trg|Trg|Trg 5. maja||"));
    EXPECT_TRUE (log.contains ("popravljam naslov:10. ulica prej:Cankarjeva 12a->Cankarjeva/12/a"));
    EXPECT_EQ (db.value ("SELECT tipdavka FROM stranka WHERE id=24"), "0");

    // Red and blue swap in the colour bits only.
    EXPECT_EQ (db.rows ("SELECT sorta,IFNULL(barva,'-') FROM sorta ORDER BY id").joinIntoString (","),
               u8 ("Belo|3407871,Rde\xc4\x8d" "e|204,Alfa|4283839506,Alfa negativna|-11127790,Brez|-"));

    EXPECT_EQ (db.rows ("SELECT id,davcna FROM stranka WHERE id IN (20,21,23) ORDER BY id").joinIntoString (","),
               "20|SI123,21|SI 456,23|999");
    ASSERT_FALSE (progress.empty());
    for (double p : progress)
        EXPECT_TRUE (p == -1.0 || (p >= 0.0 && p <= 1.0)) << p;
}

TEST (MaintenanceSteps, StreetSplitTakesOnlyATrailingHouseNumber)
{
    struct Case { const char* street; bool split; const char* rest; const char* number; const char* addition; };
    const Case cases[] = {
        { "Cankarjeva 12a", true, "Cankarjeva", "12", "a" },
        { "Ulica 5. maja 10", true, "Ulica 5. maja", "10", "" },
        { "Cankarjeva 12 b", true, "Cankarjeva", "12", "b" },
        { "Trg 5. maja", false, "", "", "" },
        { "Pot", false, "", "", "" },
        { "15", false, "", "", "" },
    };
    for (auto& c : cases)
    {
        MaintenanceSteps::Address a;
        EXPECT_EQ (MaintenanceSteps::splitStreet (c.street, a), c.split) << c.street;
        if (c.split)
        {
            EXPECT_EQ (a.street, c.rest);
            EXPECT_EQ (a.number, c.number);
            EXPECT_EQ (a.addition, c.addition);
        }
    }
    // One pass over pairs: a line break as CR LF becomes one blank, a run of n blanks (n + 1) / 2.
    EXPECT_EQ (MaintenanceSteps::cleanName ("A\r\nB    C  "), "A B  C");
    EXPECT_EQ (MaintenanceSteps::cleanName ("A   B"), "A  B");
}
