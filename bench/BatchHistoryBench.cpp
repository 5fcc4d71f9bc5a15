// The history of a batch over 2,000 candidate transfers and 20 bottlings, beside its bare journal
// query fetched by the same connection ("history_to_query_ratio"). Aim: under a second and a
// ratio that does not grow with the square of the entries: each chain step finds its successor
// through an index of the rows by outflow vessel and date instead of scanning them, and a chain
// already walked towards a bottling is not walked again from a later candidate.
#include "cellar/SerijaStore.h"
#include "cellar/gui/DnevnikSerija.h"
#include "core/Globals.h"
#include "db/DbTransaction.h"
#include "db/SQLtoXml.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace
{
constexpr int kTransfers = 2000;
constexpr int kBottlings = 20;
constexpr int kVessels = 4;

struct QuietLogger : juce::Logger
{
    void logMessage (const juce::String&) override {}
};

juce::String n (int v) { return juce::String (v); }

struct HistoryDatabase
{
    HistoryDatabase()
    {
        folder.createDirectory();
        juce::PropertiesFile::Options options;
        options.applicationName = "VindoroBatchBench";
        options.filenameSuffix = "settings";
        options.folderName = folder.getFullPathName();
        properties.setStorageParameters (options);
        setAppProperties (&properties);
        file = folder.getChildFile ("batch.db");
        juce::File (VINDORO_SHIPPED_DB).copyFileTo (file);
        properties.getUserSettings()->setValue ("dbfilename", file.getFullPathName());
        juce::Logger::setCurrentLogger (&quiet);

        SQLtoXml q;
        DbTransaction fill;
        q.sqlQueryNA ("INSERT INTO klet(id,ime) VALUES (1,'Klet')");
        for (int p = 1; p <= kVessels; ++p)
            q.sqlQueryNA ("INSERT INTO posoda(id,klet,volumen,oznaka) VALUES (" + n (p) + ",1,1000,'P" + n (p) + "')");
        q.sqlQueryNA ("INSERT INTO vino(id,letnik,sorta) VALUES (7,2021,1)");
        q.sqlQueryNA ("INSERT OR REPLACE INTO model(id,oznaka,volumen,enota) VALUES (5,'Bordo',0.75,7)");
        q.sqlQueryNA ("INSERT INTO serija(id,oznaka,letnik,sorta,model,kvaliteta,stevilo) VALUES (5,'A1',2021,1,5,2,1000)");
        // The wine moves one vessel on every minute; every hundredth minute part of it is bottled
        // from the vessel it lies in.
        int id = 10;
        for (int i = 0; i < kTransfers; ++i)
        {
            const auto datum = "datetime('2022-01-01 08:00:00','+" + n (id) + " minutes')";
            const int from = i % kVessels + 1, to = (i + 1) % kVessels + 1;
            q.sqlQueryNA ("INSERT INTO glavna(id,opravilo,datum,dt) VALUES (" + n (id) + ",6," + datum + ",'2022-01-01')");
            q.sqlQueryNA ("INSERT INTO pretok(glavna,posoda,vino,smer,volumen) VALUES (" + n (id) + "," + n (to) + ",7,1,100),(" + n (id) + ","
                          + n (from) + ",7,2,100)");
            ++id;
            if ((i + 1) % (kTransfers / kBottlings) == 0)
            {
                const auto when = "datetime('2022-01-01 08:00:00','+" + n (id) + " minutes')";
                q.sqlQueryNA ("INSERT INTO glavna(id,opravilo,datum,dt) VALUES (" + n (id) + ",11," + when + ",'2022-01-01')");
                q.sqlQueryNA ("INSERT INTO pretok(glavna,posoda,vino,smer,volumen) VALUES (" + n (id) + "," + n (to) + ",7,2,1)");
                q.sqlQueryNA ("INSERT INTO steklenicenje(glavna,serija,stevilo) VALUES (" + n (id) + ",5,1)");
                SerijaStore::dodajVino (5, 7, 1, to, &q);
                ++id;
            }
        }
        fill.commit();
    }
    ~HistoryDatabase()
    {
        juce::Logger::setCurrentLogger (nullptr);
        SqlitetoXml::disconnect();
        setAppProperties (nullptr);
        folder.deleteRecursively();
    }

    juce::File folder { juce::File::getSpecialLocation (juce::File::tempDirectory).getNonexistentChildFile ("vindoro-batch-bench", "") };
    juce::File file;
    juce::ApplicationProperties properties;
    QuietLogger quiet;
};

double secondsOf (std::chrono::steady_clock::duration d) { return std::chrono::duration<double> (d).count(); }

void BM_BatchHistoryAgainstItsQuery (benchmark::State& state)
{
    static HistoryDatabase database;
    SQLtoXml q;
    auto serija = SerijaStore::empty();
    serija.id = 5;
    SerijaStore::reloadSerija (serija, &q);
    double historySeconds = 0, querySeconds = 0;
    for (auto _ : state)
    {
        const auto t0 = std::chrono::steady_clock::now();
        auto probe = createDnevnikSerija();
        probe->setSerijaIDN (serija, 1);
        auto rows = q.sqlFetch (DnevnikSerija::journalQuery() + " WHERE " + probe->getPogoj());
        benchmark::DoNotOptimize (rows.get());
        rows.reset();
        const auto t1 = std::chrono::steady_clock::now();
        auto journal = createDnevnikSerija();
        journal->setSerijaIDN (serija, 1);
        journal->reloadData();
        const auto t2 = std::chrono::steady_clock::now();
        if (journal->getNumRows() != kTransfers + kBottlings)
            state.SkipWithError ("the history lost entries");
        querySeconds += secondsOf (t1 - t0);
        historySeconds += secondsOf (t2 - t1);
    }
    state.counters["history_to_query_ratio"] = querySeconds > 0 ? historySeconds / querySeconds : 0;
    state.counters["history_seconds"] = historySeconds / (double) state.iterations();
    state.SetItemsProcessed (state.iterations() * (kTransfers + kBottlings));
}
} // namespace

BENCHMARK (BM_BatchHistoryAgainstItsQuery)->Unit (benchmark::kMillisecond)->Iterations (3);
