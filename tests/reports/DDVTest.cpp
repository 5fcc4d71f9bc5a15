// The process-wide rate list: labels in the language's decimal form, look-ups by kind and by id
// with their failures, one load per run however many threads ask first, and the value records.
#include "reports/DDVRecord.h"
#include "reports/DDVVrstica.h"
#include "reports/DDVTestParts.h"

#include <barrier>
#include <thread>

using namespace ddvtest;

namespace
{
int countLines (const vtest::LogCapture& log, const juce::String& fragment)
{
    int n = 0;
    for (auto& line : log.lines())
        if (line.contains (fragment))
            ++n;
    return n;
}
} // namespace

TEST_F (RatesDatabase, LabelsTrimTheDescriptionAndWriteTheRateInTheLanguagesDecimalForm)
{
    replaceRates ("(1, 22.0, ' Splosna ', 1, 1), (2, 9.5, 'Nizja', 2, 1), (3, 0.0, 'Oprostitve', 7, 1)");

    struct Case { const char* language; const char* first; const char* second; const char* third; };
    for (const Case& c : { Case { "slovensko.txt", "Splosna - 22,0%", "Nizja - 9,5%", "Oprostitve - 0,0%" },
                           Case { "english.txt", "Splosna - 22.0%", "Nizja - 9.5%", "Oprostitve - 0.0%" } })
    {
        forgetRateList();
        useLanguage (c.language);
        auto* rates = DDV::getInstance();
        ASSERT_NE (rates, nullptr);
        ASSERT_EQ (rates->getNumRates(), 3) << c.language;
        EXPECT_EQ (rates->getLabel (0), c.first) << c.language;
        EXPECT_EQ (rates->getLabel (1), c.second) << c.language;
        EXPECT_EQ (rates->getLabel (2), c.third) << c.language;   // kind 7 is listed like the others
        EXPECT_EQ (rates->getLabel (-1), "");
        EXPECT_EQ (rates->getLabel (3), "");
    }
}

TEST_F (RatesDatabase, LookUpsFindTheFirstLoadedRateAndReportWhatTheyCannotFind)
{
    replaceRates ("(7, 22.0, 'Splosna', 1, 1), (8, 9.5, 'Nizja', 2, 1), (9, 20.0, 'Druga splosna', 1, 1),"
                  " (10, 8.5, 'Stara', 2, 0)");
    vtest::LogCapture log;
    auto* rates = DDV::getInstance();
    ASSERT_NE (rates, nullptr);
    ASSERT_EQ (rates->getNumRates(), 3);   // the inactive rate is not loaded
    EXPECT_EQ (rates->getIds(), juce::Array<int> ({ 7, 8, 9 }));
    EXPECT_EQ (rates->getTipi(), juce::Array<int> ({ 1, 2, 1 }));

    EXPECT_EQ (rates->findID (1), 7);      // two general rates: the one loaded first
    EXPECT_EQ (rates->findID (2), 8);
    EXPECT_DOUBLE_EQ (rates->findStopnja (8), 9.5);
    EXPECT_EQ (rates->findTip (9), 1);
    EXPECT_FALSE (log.contains (DDV::kNotFound));

    struct Miss { const char* method; std::function<double()> lookUp; double answer; };
    for (const Miss& m : { Miss { "DDV::findStopnja", [&] { return rates->findStopnja (10); }, 0.0 },   // inactive
                           Miss { "DDV::findStopnja", [&] { return rates->findStopnja (99); }, 0.0 },   // absent
                           Miss { "DDV::findTip", [&] { return (double) rates->findTip (10); }, -1.0 },
                           Miss { "DDV::findID", [&] { return (double) rates->findID (4); }, -1.0 } })
    {
        log.clear();
        EXPECT_EQ (m.lookUp(), m.answer) << m.method;
        EXPECT_TRUE (log.contains (juce::String ("<") + m.method + "> FATAL ERROR: index -1")) << m.method;
    }
}

TEST_F (RatesDatabase, ShippedRatesLoadWithTheirKinds)
{
    auto* rates = DDV::getInstance();
    ASSERT_NE (rates, nullptr);
    EXPECT_EQ (rates->getNumRates(), 7);
    EXPECT_EQ (rates->findID (1), 7);      // 20 % (id 1) is no longer active
    EXPECT_DOUBLE_EQ (rates->findStopnja (rates->findID (1)), 22.0);
    EXPECT_EQ (rates->findID (6), 6);      // two active rates of kind 6: the lower id comes first
    EXPECT_EQ (rates->findTip (12), 7);
    EXPECT_TRUE (rates->getLabels().contains (juce::String::fromUTF8 ("Splošna stopnja - 22,0%")));
}

TEST_F (RatesDatabase, EmptyTableGivesAnEmptyListAndEveryLookUpFails)
{
    replaceRates ({});
    vtest::LogCapture log;
    auto* rates = DDV::getInstance();
    ASSERT_NE (rates, nullptr);
    EXPECT_EQ (rates->getNumRates(), 0);
    EXPECT_EQ (rates->findID (1), -1);
    EXPECT_EQ (rates->findStopnja (7), 0.0);
    EXPECT_TRUE (log.contains ("no data loaded"));
}

TEST_F (RatesDatabase, ListIsLoadedOncePerRunAndBuiltAfreshAfterItsDeletion)
{
    replaceRates ("(1, 22.0, 'Splosna', 1, 1)");
    auto* first = DDV::getInstance();
    ASSERT_NE (first, nullptr);
    EXPECT_EQ (DDV::getInstance(), first);

    SQLtoXml q;
    ASSERT_TRUE (q.sqlQueryNA ("INSERT INTO ddv (id, stopnja, opis, tip, active) VALUES (2, 9.5, 'Nizja', 2, 1)"));
    EXPECT_EQ (DDV::getInstance()->getNumRates(), 1);   // a rate saved meanwhile waits for the next run
    EXPECT_EQ (DDV::getInstance()->findID (2), -1);

    delete first;   // as the shut-down list does
    EXPECT_EQ (DDV::getInstanceWithoutCreating(), nullptr);
    auto* fresh = DDV::getInstance();
    ASSERT_NE (fresh, nullptr);
    EXPECT_EQ (fresh->getNumRates(), 2);
    EXPECT_EQ (fresh->findID (2), 2);
}

TEST_F (RatesDatabase, ThreadsAskingAtOnceShareOneObjectAndOneLoad)
{
    // Many rows make the load slow enough that the threads meet inside it.
    SQLtoXml q;
    ASSERT_TRUE (q.sqlQueryNA ("INSERT INTO ddv (stopnja, opis, tip, active) WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL "
                               "SELECT i + 1 FROM n WHERE i < 3000) SELECT i % 30, 'Stopnja ' || i, 1 + i % 6, 1 FROM n"))
        << q.lastError;
    const int active = (int) q.sqlQueryInt ("SELECT COUNT(*) FROM ddv WHERE active=1");

    for (int round = 0; round < 5; ++round)
    {
        forgetRateList();
        vtest::LogCapture log;
        constexpr int kThreads = 8;
        std::barrier start (kThreads);
        std::vector<DDV*> seen (kThreads, nullptr);
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t)
            threads.emplace_back ([&, t]
            {
                start.arrive_and_wait();
                seen[(size_t) t] = DDV::getInstance();
            });
        for (auto& thread : threads)
            thread.join();

        ASSERT_NE (seen[0], nullptr);
        for (auto* s : seen)
            EXPECT_EQ (s, seen[0]) << "round " << round;
        EXPECT_EQ (seen[0]->getNumRates(), active);
        EXPECT_EQ (countLines (log, DDV::kLoadQuery), 1) << "round " << round;
    }
}

TEST (DDVRecord, RowsFillTheRecordByAttributeName)
{
    EXPECT_EQ (DDVRecord().id, -1);
    const auto empty = DDVRecord::fromRow (nullptr);
    EXPECT_EQ (empty.id, -1);
    EXPECT_TRUE (empty.isEmpty());
    EXPECT_EQ (empty.stopnja, 0.0);
    EXPECT_EQ (empty.opis, "");
    EXPECT_EQ (empty.tip, 0);
    EXPECT_FALSE (empty.active);

    juce::XmlElement row ("ITEM");
    row.setAttribute ("id", "7");
    row.setAttribute ("opis", "Splosna");
    row.setAttribute ("stopnja", "22.000000000000000000");
    row.setAttribute ("tip", "1");
    row.setAttribute ("active", "1");
    const auto full = DDVRecord::fromRow (&row);
    EXPECT_EQ (full.id, 7);
    EXPECT_EQ (full.opis, "Splosna");
    EXPECT_DOUBLE_EQ (full.stopnja, 22.0);
    EXPECT_EQ (full.tip, 1);
    EXPECT_TRUE (full.active);

    const auto copy = full;
    EXPECT_EQ (copy.opis, full.opis);
    EXPECT_EQ (copy.id, 7);

    struct Flag { const char* text; bool active; };
    for (const Flag& f : { Flag { "1", true }, Flag { "true", true }, Flag { "Yes", true }, Flag { "T", true },
                           Flag { "0", false }, Flag { "no", false }, Flag { "", false } })
    {
        juce::XmlElement flagged ("ITEM");
        flagged.setAttribute ("active", f.text);
        const auto r = DDVRecord::fromRow (&flagged);
        EXPECT_EQ (r.active, f.active) << f.text;
        EXPECT_EQ (r.id, 0);   // a row without "id" gives 0, not the empty record's -1
    }
}

TEST (DDVVrstica, NewLineReadsNullInEveryFieldAndCopiesAllThree)
{
    DDVVrstica line;
    EXPECT_EQ (line.Stopnja, "NULL");
    EXPECT_EQ (line.Osnova, "NULL");
    EXPECT_EQ (line.Znesek, "NULL");

    line.Stopnja = "22.0";
    line.Osnova = "100.00";
    line.Znesek = "22.00";
    const DDVVrstica copy = line;
    EXPECT_EQ (copy.Stopnja, "22.0");
    EXPECT_EQ (copy.Osnova, "100.00");
    EXPECT_EQ (copy.Znesek, "22.00");
}
