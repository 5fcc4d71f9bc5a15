// The article stock of a past day over 100,000 goods movements of 2,000 storage entries, beside
// its two queries (the movements after the day and the present stock) fetched bare by the same
// query object ("stock_to_queries_ratio"). Aim: within 3 times: the replay finds each movement's
// row by its entry instead of walking the rows.
#include "core/Globals.h"
#include "db/DbTransaction.h"
#include "db/SQLtoXml.h"
#include "warehouse/ZalogaArtiklov.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace
{
constexpr int kEntries = 2000;
constexpr int kMovements = 100000;

struct QuietLogger : juce::Logger
{
    void logMessage (const juce::String&) override {}
};

struct StockDatabase
{
    StockDatabase()
    {
        folder.createDirectory();
        juce::PropertiesFile::Options options;
        options.applicationName = "VindoroStockBench";
        options.filenameSuffix = "settings";
        options.folderName = folder.getFullPathName();
        properties.setStorageParameters (options);
        setAppProperties (&properties);
        file = folder.getChildFile ("stock.db");
        juce::File (VINDORO_SHIPPED_DB).copyFileTo (file);
        properties.getUserSettings()->setValue ("dbfilename", file.getFullPathName());
        juce::Logger::setCurrentLogger (&quiet);

        SQLtoXml q;
        DbTransaction fill;
        q.sqlQueryNA ("INSERT INTO skladisce(id,ime) VALUES (1,'A'),(2,'B')");
        q.sqlQueryNA ("INSERT INTO model(id,oznaka,volumen,enota) VALUES (5,'Bordo',0.75,7)");
        q.sqlQueryNA ("INSERT INTO serija(id,oznaka,letnik,sorta,model,kvaliteta) VALUES (5,'A1',2021,1,5,2)");
        for (int a = 1; a <= kEntries; ++a)
        {
            q.sqlQueryNA ("INSERT INTO artikel(id,ime,tip,link) VALUES (" + juce::String (a) + ",'Artikel " + juce::String (a) + "',"
                          + juce::String (a % 2 == 0 ? 2 : 3) + ",5)");
            q.sqlQueryNA ("INSERT INTO hramba(id,skladisce,artikel,stevilo) VALUES (" + juce::String (a) + "," + juce::String (1 + a % 2)
                          + "," + juce::String (a) + ",1000)");
        }
        // One journal entry per day from 2023-01-01, one movement of each entry in turn.
        for (int i = 0; i < kMovements; ++i)
        {
            if (i % 200 == 0)
                q.sqlQueryNA ("INSERT INTO glavna(id,opravilo,datum,dt) VALUES (" + juce::String (10 + i / 200)
                              + ",27,datetime('2023-01-01 08:00:00','+" + juce::String (i / 200) + " hours'),'2023-01-01')");
            q.sqlQueryNA ("INSERT INTO prenos(glavna,hramba,smer,kolicina) VALUES (" + juce::String (10 + i / 200) + ","
                          + juce::String (1 + i % kEntries) + "," + juce::String (1 + i % 2) + ",1)");
        }
        fill.commit();
    }
    ~StockDatabase()
    {
        juce::Logger::setCurrentLogger (nullptr);
        SqlitetoXml::disconnect();
        setAppProperties (nullptr);
        folder.deleteRecursively();
    }

    juce::File folder { juce::File::getSpecialLocation (juce::File::tempDirectory).getNonexistentChildFile ("vindoro-stock-bench", "") };
    juce::File file;
    juce::ApplicationProperties properties;
    QuietLogger quiet;
};

double secondsOf (std::chrono::steady_clock::duration d) { return std::chrono::duration<double> (d).count(); }

void BM_StockOnDateAgainstItsQueries (benchmark::State& state)
{
    static StockDatabase database;
    SQLtoXml q;
    ZalogaArtiklov stock (&q);
    const juce::String day = "2023-01-02 23:59:59";   // nearly every movement comes after it
    double stockSeconds = 0, querySeconds = 0;
    for (auto _ : state)
    {
        const auto t0 = std::chrono::steady_clock::now();
        auto movements = q.sqlFetch (ZalogaArtiklov::movementQuery (day));
        auto rows = q.sqlFetch (ZalogaArtiklov::stockQuery ("h.active > 0 AND a.tip IN (2,3)"));
        benchmark::DoNotOptimize (movements.get());
        benchmark::DoNotOptimize (rows.get());
        movements.reset();
        rows.reset();
        const auto t1 = std::chrono::steady_clock::now();
        stock.clearConditions();
        stock.setStartDate (day);
        if (! stock.reloadPregled() || stock.getStock()->getNumRows() != kEntries)
            state.SkipWithError ("the stock was not computed");
        const auto t2 = std::chrono::steady_clock::now();
        querySeconds += secondsOf (t1 - t0);
        stockSeconds += secondsOf (t2 - t1);
    }
    state.counters["stock_to_queries_ratio"] = querySeconds > 0 ? stockSeconds / querySeconds : 0;
    state.SetItemsProcessed (state.iterations() * kMovements);
}
} // namespace

BENCHMARK (BM_StockOnDateAgainstItsQueries)->Unit (benchmark::kMillisecond)->Iterations (3);
