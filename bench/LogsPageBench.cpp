// One page of the main window's journal list over a journal of 100,000 entries with their
// movement and detail rows: the whole reload (page query, fifteen details texts, layout) beside
// the bare page query stepped directly on the library ("page_to_bare_query_ratio"). Aim: within
// 50 times, and a page under 100 ms ("page_ms").
#include "core/Globals.h"
#include "db/SQLtoXml.h"
#include "operations/LogsBoxLoader.h"
#include "operations/Opravilo.h"
#include "operations/gui/LogsBox.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <chrono>

namespace
{
constexpr int kEntries = 100000;

struct QuietLogger : juce::Logger
{
    void logMessage (const juce::String&) override {}
};

/** A copy of the shipped database holding the journal, and settings naming it while it lives. */
struct JournalDatabase
{
    JournalDatabase()
    {
        folder.createDirectory();
        juce::PropertiesFile::Options options;
        options.applicationName = "VindoroLogsBench";
        options.filenameSuffix = "settings";
        options.folderName = folder.getFullPathName();
        properties.setStorageParameters (options);
        previous = getAppProperties();
        setAppProperties (&properties);
        file = folder.getChildFile ("journal.db");
        juce::File (VINDORO_SHIPPED_DB).copyFileTo (file);
        properties.getUserSettings()->setValue ("dbfilename", file.getFullPathName());
        fill();
        previousLogger = juce::Logger::getCurrentLogger();
        juce::Logger::setCurrentLogger (&quiet);
        Opravilo::deleteInstance();
    }

    ~JournalDatabase()
    {
        juce::Logger::setCurrentLogger (previousLogger);
        SqlitetoXml::disconnect();
        Opravilo::deleteInstance();
        setAppProperties (previous);
        folder.deleteRecursively();
    }

    // Harvests, transfers and wine cares in turn, twenty entries an hour, each with its rows.
    void fill()
    {
        sqlite3* db = nullptr;
        sqlite3_open_v2 (file.getFullPathName().toRawUTF8(), &db, SQLITE_OPEN_READWRITE, nullptr);
        const juce::String n (kEntries);
        const char* const steps[] = {
            "BEGIN",
            "INSERT INTO klet(id,ime) VALUES (1,'Klet')",
            "INSERT INTO posoda(id,klet,volumen,oznaka) VALUES (1,1,1000,'A'),(2,1,1000,'B'),(3,1,1000,'C'),(4,1,1000,'D')",
            "INSERT INTO parcela(id,ime,vinogradnik,drzava) VALUES (1,'Breg',1,185)",
            "INSERT INTO vino(id,letnik,sorta,parcela) VALUES (1,2016,1,1),(2,2016,2,1),(3,2017,1,1),(4,2017,2,1)",
            "INSERT INTO sredstvo(id,oznaka,tip) VALUES (1,'Sladkor',2)",
        };
        for (auto* sql : steps)
            sqlite3_exec (db, sql, nullptr, nullptr, nullptr);
        const juce::String numbers = "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<" + n + ") ";
        const juce::String fills[] = {
            numbers + "INSERT INTO glavna(id,opravilo,datum,dt,opomba,stranka,host) SELECT i+1, CASE i%3 WHEN 0 THEN 1 WHEN 1 THEN 6 ELSE 30 END,"
                      " strftime('%Y-%m-%d %H:%M:%S','2010-01-01', '+' || (i*3) || ' minutes'), '2010-01-01 00:00:00', 'bench', 1, 1 FROM n",
            numbers + "INSERT INTO pretok(glavna,posoda,vino,smer,volumen) SELECT i+1, 1+i%4, 1+i%4, 2, 10 FROM n WHERE i%3<>0",
            numbers + "INSERT INTO pretok(glavna,posoda,vino,smer,volumen) SELECT i+1, 1+(i+1)%4, 1+i%4, 1, 10 FROM n WHERE i%3<>2",
            numbers + "INSERT INTO trgatev(glavna,vino,volumen) SELECT i+1, 1+i%4, 1000 FROM n WHERE i%3=0",
            numbers + "INSERT INTO vinopravilo(glavna,posoda,volumen,vino) SELECT i+1, 1+i%4, 500, 1+i%4 FROM n WHERE i%3=2",
            numbers + "INSERT INTO kalo(glavna,vino,volumen) SELECT i+1, 1+i%4, 10 FROM n WHERE i%3=2",
            numbers + "INSERT INTO sladkanje(glavna,sredstvo,kolicina,e_kolicina,volumen) SELECT i+1, 1, 2.5, 2, 500 FROM n WHERE i%3=2",
        };
        for (auto& sql : fills)
            sqlite3_exec (db, sql.toRawUTF8(), nullptr, nullptr, nullptr);
        sqlite3_exec (db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close (db);
    }

    juce::File folder { juce::File::getSpecialLocation (juce::File::tempDirectory).getNonexistentChildFile ("vindoro-logs-bench", "") };
    juce::File file;
    juce::ApplicationProperties properties;
    juce::ApplicationProperties* previous = nullptr;
    QuietLogger quiet;
    juce::Logger* previousLogger = nullptr;
};

double secondsOf (std::chrono::steady_clock::duration d) { return std::chrono::duration<double> (d).count(); }

int stepAll (sqlite3* db, const juce::String& sql)
{
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2 (db, sql.toRawUTF8(), -1, &st, nullptr);
    int rows = 0;
    while (sqlite3_step (st) == SQLITE_ROW)
        ++rows;
    sqlite3_finalize (st);
    return rows;
}

void BM_LogsPageAgainstBareQuery (benchmark::State& state)
{
    JournalDatabase journal;
    sqlite3* bare = nullptr;
    sqlite3_open_v2 (journal.file.getFullPathName().toRawUTF8(), &bare, SQLITE_OPEN_READONLY, nullptr);
    LogsBox box;
    auto& text = box.getText();
    text.reload(); // the operation-type cache is made once per program run
    double pageSeconds = 0, bareSeconds = 0;

    for (auto _ : state)
    {
        const auto t0 = std::chrono::steady_clock::now();
        if (stepAll (bare, LogsBoxLoader::pageQuery (0, LogsBoxLoader::kPageSize)) != LogsBoxLoader::kPageSize)
            state.SkipWithError ("the bare page query found no full page");
        const auto t1 = std::chrono::steady_clock::now();
        text.reload();
        const auto t2 = std::chrono::steady_clock::now();
        if (text.getLines().size() < LogsBoxLoader::kPageSize + 2)
            state.SkipWithError ("the page was not built");
        bareSeconds += secondsOf (t1 - t0);
        pageSeconds += secondsOf (t2 - t1);
    }
    sqlite3_close (bare);
    const auto runs = (double) juce::jmax ((benchmark::IterationCount) 1, state.iterations());
    state.counters["page_to_bare_query_ratio"] = bareSeconds > 0 ? pageSeconds / bareSeconds : 0;
    state.counters["page_ms"] = 1000.0 * pageSeconds / runs;
}
} // namespace

BENCHMARK (BM_LogsPageAgainstBareQuery)->Unit (benchmark::kMillisecond)->Iterations (20);
