#include "operations/OperationsFixture.h"

#include <atomic>
#include <thread>

using optest::OperationsFixture;

namespace
{
int loadsLogged (const vtest::LogCapture& log)
{
    int n = 0;
    for (auto& line : log.lines())
        if (line.contains (Opravilo::kLoadQuery))
            ++n;
    return n;
}
} // namespace

TEST_F (OperationsFixture, CacheHoldsTheActiveTypesInTableOrder)
{
    ASSERT_TRUE (exec ("UPDATE opravilo SET active=0 WHERE id=16"));
    auto* types = Opravilo::getInstance();
    ASSERT_NE (types, nullptr);

    const auto expected = rows ("SELECT id,IFNULL(tabela,'') FROM opravilo WHERE active=1");
    ASSERT_EQ (types->getNumOpravil(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ (juce::String (types->getId (i)) + "|" + types->getTabela (i), expected[i]);

    struct Case { int id; bool loaded; const char* table; };
    const Case cases[] = {
        { 16, false, "" },                          // switched off in the database
        { 15, false, "" },                          // shipped inactive
        { 1, true, "trgatev" },
        { 29, true, "prenos" },
        { 30, true, "vinopravilo" },
        { 37, true, "glavna" },
        { 99, false, "" },
    };
    for (auto& c : cases)
    {
        const int index = types->getIndex (c.id);
        EXPECT_EQ (index >= 0, c.loaded) << c.id;
        EXPECT_EQ (types->getTabela (index), c.table) << c.id;
        if (c.loaded)
            EXPECT_EQ (types->getId (index), c.id);
    }

    const int size = types->getNumOpravil();
    EXPECT_EQ (types->getTabela (size), "");
    EXPECT_EQ (types->getTabela (-1), "");
    EXPECT_EQ (types->getId (size), 0);
    EXPECT_EQ (types->getId (-1), 0);
    EXPECT_EQ (types->getIds().size(), size);
}

TEST_F (OperationsFixture, CacheIsMadeOnceAndReadOnce)
{
    vtest::LogCapture log;
    auto* first = Opravilo::getInstance();
    ASSERT_TRUE (exec ("UPDATE opravilo SET active=0 WHERE id=1"));   // never seen until the cache is made again
    auto* second = Opravilo::getInstance();
    EXPECT_EQ (first, second);
    EXPECT_EQ (loadsLogged (log), 1);
    EXPECT_GE (second->getIndex (1), 0);

    Opravilo::deleteInstance();
    EXPECT_EQ (Opravilo::getInstance()->getIndex (1), -1);
    EXPECT_EQ (loadsLogged (log), 2);
}

TEST_F (OperationsFixture, CacheAskedForByManyThreadsAtOnceIsOneObjectFromOneQuery)
{
    vtest::LogCapture log;
    constexpr int kThreads = 8;
    std::atomic<int> ready { 0 };
    std::atomic<bool> go { false };
    Opravilo* seen[kThreads] = {};
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i)
        threads.emplace_back ([&, i] {
            ++ready;
            while (! go.load())
                std::this_thread::yield();
            seen[i] = Opravilo::getInstance();
        });
    while (ready.load() < kThreads)
        std::this_thread::yield();
    go = true;
    for (auto& t : threads)
        t.join();

    for (auto* p : seen)
        EXPECT_EQ (p, seen[0]);
    EXPECT_NE (seen[0], nullptr);
    EXPECT_EQ (loadsLogged (log), 1);
}

TEST_F (OperationsFixture, FailedLoadGivesAnEmptyCache)
{
    ASSERT_TRUE (exec ("ALTER TABLE opravilo RENAME TO opravilo_drugje"));
    auto* types = Opravilo::getInstance();
    ASSERT_NE (types, nullptr);
    EXPECT_EQ (types->getNumOpravil(), 0);
    EXPECT_EQ (types->getIndex (1), -1);
}

// Every active type that names a detail table finds it, with the column that ties its rows to the entry.
TEST (ShippedOperationTypes, DetailTablesOfActiveTypesExistWithAnEntryColumn)
{
    vtest::FreshDatabase database;
    const auto types = vtest::rowsOf (database.file(),
                                      "SELECT id,tabela FROM opravilo WHERE active=1 AND tabela IS NOT NULL AND tabela<>'glavna'");
    ASSERT_FALSE (types.isEmpty());
    for (auto& type : types)
    {
        const auto table = type.fromFirstOccurrenceOf ("|", false, false);
        EXPECT_EQ (vtest::valueOf (database.file(), "SELECT COUNT(*) FROM pragma_table_info('" + table + "') WHERE name='glavna'"), "1")
            << "type " << type;
    }
    EXPECT_EQ (vtest::rowsOf (database.file(), "SELECT id,ime,tabela,active FROM opravilo WHERE id IN (29,30)"),
               juce::StringArray ({ "29|Premik blaga|prenos|1", "30|Vinsko opravilo|vinopravilo|1" }));
}
