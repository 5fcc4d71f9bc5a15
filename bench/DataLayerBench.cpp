// The row tree against the bare library: the same 100,000-row, 10-column query, timed both ways
// in the same iterations, reported as a ratio (aim: the tree within 5 times the bare loop) and as
// the heap the tree takes per row.
#include "core/Globals.h"
#include "db/SQLtoXml.h"

#include <benchmark/benchmark.h>
#include <juce_data_structures/juce_data_structures.h>
#include <malloc.h>
#include <sqlite3.h>

#include <chrono>

namespace
{
constexpr int kRows = 100000;
const char* const kQuery = "SELECT id, a1, a2, a3, r1, r2, r3, t1, t2, t3 FROM bench_rows";

/** A database file with the benchmark table, and settings naming it, for the whole run. */
struct BenchDatabase
{
    BenchDatabase()
    {
        folder = juce::File::getSpecialLocation (juce::File::tempDirectory).getNonexistentChildFile ("vindoro-bench", "", false);
        folder.createDirectory();
        file = folder.getChildFile ("bench.db");

        sqlite3* db = nullptr;
        sqlite3_open (file.getFullPathName().toRawUTF8(), &db);
        sqlite3_exec (db,
                      "BEGIN;"
                      "CREATE TABLE bench_rows (id INTEGER PRIMARY KEY, a1 INTEGER, a2 INTEGER, a3 INTEGER,"
                      " r1 REAL, r2 REAL, r3 REAL, t1 TEXT, t2 TEXT, t3 TEXT);"
                      "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100000)"
                      " INSERT INTO bench_rows SELECT i, i * 7, i % 1000, -i, i / 3.0, i * 0.25, 1.0 / i,"
                      " 'Partner ' || i, 'Ulica ' || (i % 500) || ', Ljubljana', printf('SI%08d', i) FROM n;"
                      "COMMIT;",
                      nullptr, nullptr, nullptr);
        sqlite3_close (db);

        juce::PropertiesFile::Options options;
        options.applicationName = "VindoroBench";
        options.filenameSuffix = "settings";
        options.folderName = folder.getFullPathName();
        properties.setStorageParameters (options);
        properties.getUserSettings()->setValue ("dbfilename", file.getFullPathName());
        setAppProperties (&properties);
    }

    ~BenchDatabase()
    {
        SqlitetoXml::disconnect();
        setAppProperties (nullptr);
        folder.deleteRecursively();
    }

    juce::File folder, file;
    juce::ApplicationProperties properties;
};

BenchDatabase& benchDatabase()
{
    static BenchDatabase instance;
    return instance;
}

/** The baseline: step through the rows and read every value by its type, keeping nothing. */
size_t bareStepLoop (sqlite3* db)
{
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2 (db, kQuery, -1, &st, nullptr);
    size_t touched = 0;
    while (sqlite3_step (st) == SQLITE_ROW)
        for (int i = 0; i < 10; ++i)
            switch (sqlite3_column_type (st, i))
            {
                case SQLITE_INTEGER: touched += (size_t) sqlite3_column_int64 (st, i); break;
                case SQLITE_FLOAT:   touched += (size_t) sqlite3_column_double (st, i); break;
                default:             touched += (size_t) sqlite3_column_bytes (st, i) + (size_t) *sqlite3_column_text (st, i); break;
            }
    sqlite3_finalize (st);
    return touched;
}

double secondsOf (std::chrono::steady_clock::duration d) { return std::chrono::duration<double> (d).count(); }

void BM_BareStepLoop (benchmark::State& state)
{
    auto& bench = benchDatabase();
    sqlite3* db = nullptr;
    sqlite3_open_v2 (bench.file.getFullPathName().toRawUTF8(), &db, SQLITE_OPEN_READONLY, nullptr);
    for (auto _ : state)
        benchmark::DoNotOptimize (bareStepLoop (db));
    sqlite3_close (db);
    state.SetItemsProcessed (state.iterations() * kRows);
}

void BM_RowTreeAgainstBareLoop (benchmark::State& state)
{
    auto& bench = benchDatabase();
    sqlite3* db = nullptr;
    sqlite3_open_v2 (bench.file.getFullPathName().toRawUTF8(), &db, SQLITE_OPEN_READONLY, nullptr);
    SQLtoXml query;
    double treeSeconds = 0, bareSeconds = 0;
    double bytesPerRow = 0;

    for (auto _ : state)
    {
        const auto t0 = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize (bareStepLoop (db));
        const auto t1 = std::chrono::steady_clock::now();

        const auto heapBefore = mallinfo2().uordblks;
        const auto t2 = std::chrono::steady_clock::now();
        auto* tree = query.sqlQuery (kQuery);
        const auto t3 = std::chrono::steady_clock::now();
        bytesPerRow = (double) (mallinfo2().uordblks - heapBefore) / kRows;
        if (tree == nullptr || query.getNumRows() != kRows)
            state.SkipWithError ("the query did not load every row");
        query.attach (nullptr); // the next iteration starts from an empty heap share

        bareSeconds += secondsOf (t1 - t0);
        treeSeconds += secondsOf (t3 - t2);
    }
    sqlite3_close (db);
    state.counters["tree_to_bare_ratio"] = bareSeconds > 0 ? treeSeconds / bareSeconds : 0;
    state.counters["tree_bytes_per_row"] = bytesPerRow;
    state.SetItemsProcessed (state.iterations() * kRows);
}
} // namespace

BENCHMARK (BM_BareStepLoop)->Unit (benchmark::kMillisecond);
BENCHMARK (BM_RowTreeAgainstBareLoop)->Unit (benchmark::kMillisecond);
