// Opening a record browser over 100,000 rows (query, row tree, first sort, first paint) measured
// beside the bare query of the same rows, and a re-sort of those rows.
#include "core/Globals.h"
#include "db/SQLtoXml.h"
#include "widgets/PregledBaze.h"

#include <benchmark/benchmark.h>

namespace
{
constexpr int kRows = 100000;
const char* const kQuery = "SELECT id, ime, znesek, kolicina, datum FROM velika";

const TableColumnSpec& benchSpec()
{
    static const TableColumnSpec spec ("velika_",
                                       { { "ime", CellType::text, 20 }, { "znesek", CellType::amount, 10 },
                                         { "kolicina", CellType::wholeRight, 8 }, { "datum", CellType::date, 12 } },
                                       { "id" });
    return spec;
}

// A database file of its own with the rows, named in a settings object of its own.
struct BenchDatabase
{
    BenchDatabase()
    {
        folder.createDirectory();
        juce::PropertiesFile::Options options;
        options.applicationName = "VindoroBench";
        options.filenameSuffix = "settings";
        options.folderName = folder.getFullPathName();
        properties.setStorageParameters (options);
        setAppProperties (&properties);
        const auto file = folder.getChildFile ("bench.db");
        juce::File (VINDORO_SHIPPED_DB).copyFileTo (file);
        properties.getUserSettings()->setValue ("dbfilename", file.getFullPathName());

        SQLtoXml q;
        q.sqlQueryNA ("CREATE TABLE velika (id INTEGER PRIMARY KEY, ime TEXT, znesek REAL, kolicina INTEGER, datum TEXT)");
        q.sqlQueryNA ("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " + juce::String (kRows) + ") "
                      "INSERT INTO velika SELECT i, 'Vrsta ' || ((i * 7919) % " + juce::String (kRows) + "), i * 0.25, i % 97, "
                      "'2021-03-05 10:00:00' FROM n");
    }
    ~BenchDatabase()
    {
        SqlitetoXml::disconnect();
        setAppProperties (nullptr);
        folder.deleteRecursively();
    }

    juce::File folder { juce::File::getSpecialLocation (juce::File::tempDirectory).getNonexistentChildFile ("vindoro-bench", "") };
    juce::ApplicationProperties properties;
};

BenchDatabase& database()
{
    static BenchDatabase db;
    return db;
}

double msSince (double start) { return juce::Time::getMillisecondCounterHiRes() - start; }

void BM_OpenBrowserBesideBareQuery (benchmark::State& state)
{
    database();
    double bare = 0, browser = 0;
    for (auto _ : state)
    {
        auto t = juce::Time::getMillisecondCounterHiRes();
        {
            SQLtoXml q;
            benchmark::DoNotOptimize (q.sqlQuery (kQuery));
        }
        bare += msSince (t);

        t = juce::Time::getMillisecondCounterHiRes();
        {
            PregledBaze b (kQuery, false, benchSpec());
            b.sortOrderChanged (1, true);
            b.setSize (1000, 700);
            benchmark::DoNotOptimize (b.createComponentSnapshot (b.getLocalBounds()));
        }
        browser += msSince (t);
    }
    state.counters["bare_query_ms"] = bare / (double) state.iterations();
    state.counters["browser_ms"] = browser / (double) state.iterations();
    state.counters["ratio"] = browser / bare;
}
BENCHMARK (BM_OpenBrowserBesideBareQuery)->Unit (benchmark::kMillisecond)->Iterations (2);

void BM_ResortHundredThousandRows (benchmark::State& state)
{
    database();
    PregledBaze b (kQuery, false, benchSpec());
    bool forwards = false;
    for (auto _ : state)
    {
        b.sortOrderChanged (2, forwards); // by name: natural text comparison
        forwards = ! forwards;
    }
    state.counters["rows"] = b.getNumRows();
}
BENCHMARK (BM_ResortHundredThousandRows)->Unit (benchmark::kMillisecond)->Iterations (4);
} // namespace
