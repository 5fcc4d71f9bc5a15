// The journal and the wine movement engine beside the bare library doing the same work: 10,000
// WineTransfer::transfer calls in one transaction against the same reads and writes as SQL text
// prepared and stepped directly ("transfer_to_bare_ratio"), and 10,000 journal postings against
// the same INSERT run bare ("posting_to_bare_ratio"). Aim: both within 3 times. The engine's log
// lines are built as always; only writing them to a file is left out, as it is from the baseline.
#include "core/Amount.h"
#include "core/DateTime.h"
#include "core/Globals.h"
#include "db/DbTransaction.h"
#include "db/SQLtoXml.h"
#include "operations/Glavna.h"
#include "operations/Opravilo.h"
#include "operations/WineTransfer.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <chrono>

namespace
{
constexpr int kCalls = 10000;

struct DiscardingLogger : juce::Logger
{
    void logMessage (const juce::String&) override {}
};

/** A copy of the shipped database with four vessels and four wines, and settings naming it. */
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
        file = folder.getChildFile ("bench.db");
        juce::File (VINDORO_SHIPPED_DB).copyFileTo (file);
        properties.getUserSettings()->setValue ("dbfilename", file.getFullPathName());

        SQLtoXml q;
        q.sqlQueryNA ("INSERT INTO klet(id,ime) VALUES (1,'Klet')");
        q.sqlQueryNA ("INSERT INTO posoda(id,klet,volumen,oznaka) VALUES (1,1,1000,'A'),(2,1,1000,'B'),(3,1,1000,'C'),(4,1,1000,'D')");
        q.sqlQueryNA ("INSERT INTO vino(id,letnik) VALUES (1,2016),(2,2016),(3,2017),(4,2017)");
        juce::Logger::setCurrentLogger (&quiet);
    }
    ~BenchDatabase()
    {
        juce::Logger::setCurrentLogger (nullptr);
        SqlitetoXml::disconnect();
        setAppProperties (nullptr);
        folder.deleteRecursively();
    }

    juce::File folder { juce::File::getSpecialLocation (juce::File::tempDirectory).getNonexistentChildFile ("vindoro-bench", "") };
    juce::File file;
    juce::ApplicationProperties properties;
    DiscardingLogger quiet;
};

BenchDatabase& database()
{
    static BenchDatabase db;
    return db;
}

double secondsOf (std::chrono::steady_clock::duration d) { return std::chrono::duration<double> (d).count(); }

/** One statement from text, as the engine runs it: prepare, step, finalize. */
double stepText (sqlite3* db, const juce::String& sql)
{
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2 (db, sql.toRawUTF8(), -1, &st, nullptr);
    double first = 0;
    if (sqlite3_step (st) == SQLITE_ROW)
        first = sqlite3_column_double (st, 0);
    sqlite3_finalize (st);
    return first;
}

/** Call i: an inflow of 1.25 l, or an outflow of it, of one of four wines in one of four vessels. */
struct Call
{
    int smer, posoda, vino;
    explicit Call (int i) : smer (i % 2 == 0 ? 1 : 2), posoda (1 + (i / 2) % 4), vino (1 + (i / 8) % 4) {}
};

void bareTransfers (sqlite3* db, int entry)
{
    sqlite3_exec (db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    for (int i = 0; i < kCalls; ++i)
    {
        const Call c (i);
        const juce::String where = " WHERE posoda=" + juce::String (c.posoda) + " AND vino=" + juce::String (c.vino);
        const auto stock = vindoro::Litres::fromStoredDouble (stepText (db, "SELECT volumen FROM zaloga" + where)).value_or (vindoro::Litres());
        const auto volume = vindoro::Litres::fromHundredths (125);
        const auto after = c.smer == 1 ? stock + volume : stock - volume;
        if (stock.isZero())
            stepText (db, "INSERT INTO zaloga(posoda,vino,volumen) VALUES('" + juce::String (c.posoda) + "','" + juce::String (c.vino)
                              + "','" + after.toSql() + "')");
        else if (after.isZero())
            stepText (db, "DELETE FROM zaloga" + where);
        else
            stepText (db, "UPDATE zaloga SET volumen=" + after.toSql() + where);
        stepText (db, "INSERT INTO pretok(glavna,posoda,smer,volumen,vino) VALUES('" + juce::String (entry) + "','"
                          + juce::String (c.posoda) + "','" + juce::String (c.smer) + "','" + volume.toSql() + "','"
                          + juce::String (c.vino) + "')");
    }
    sqlite3_exec (db, "COMMIT", nullptr, nullptr, nullptr);
}

bool engineTransfers (SQLtoXml& q, int entry)
{
    DbTransaction booking;
    WineTransfer engine (entry, &q);
    bool ok = true;
    for (int i = 0; i < kCalls; ++i)
    {
        const Call c (i);
        ok = engine.transfer (c.smer, c.posoda, vindoro::Litres::fromHundredths (125), c.vino) && ok;
    }
    return booking.commit() && ok;
}

void BM_WineTransferAgainstBare (benchmark::State& state)
{
    auto& bench = database();
    SQLtoXml q;
    Glavna entry;
    const int id = entry.vknjizi (&q, DateTime(), OperationType::wineTransfer, "bench");
    sqlite3* bare = nullptr;
    sqlite3_open_v2 (bench.file.getFullPathName().toRawUTF8(), &bare, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_busy_timeout (bare, 5000);
    double engineSeconds = 0, bareSeconds = 0;

    for (auto _ : state)
    {
        const auto t0 = std::chrono::steady_clock::now();
        bareTransfers (bare, id);
        const auto t1 = std::chrono::steady_clock::now();
        if (! engineTransfers (q, id))
            state.SkipWithError ("a transfer failed");
        const auto t2 = std::chrono::steady_clock::now();
        bareSeconds += secondsOf (t1 - t0);
        engineSeconds += secondsOf (t2 - t1);
    }
    sqlite3_close (bare);
    state.counters["transfer_to_bare_ratio"] = bareSeconds > 0 ? engineSeconds / bareSeconds : 0;
    state.SetItemsProcessed (state.iterations() * kCalls);
}

void BM_PostingAgainstBareInsert (benchmark::State& state)
{
    auto& bench = database();
    SQLtoXml q;
    { Glavna first; first.vknjizi (&q, DateTime(), OperationType::wineTransfer, "bench"); }   // the workstation is known
    sqlite3* bare = nullptr;
    sqlite3_open_v2 (bench.file.getFullPathName().toRawUTF8(), &bare, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_busy_timeout (bare, 5000);
    double engineSeconds = 0, bareSeconds = 0;
    const DateTime when;

    for (auto _ : state)
    {
        const auto t0 = std::chrono::steady_clock::now();
        sqlite3_exec (bare, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        for (int i = 0; i < kCalls; ++i)
            stepText (bare, "INSERT INTO glavna(opravilo,datum,dt,opomba,stranka,host) VALUES('6','" + when.toString() + "','"
                                + DateTime().toString() + "','bench',1,2)");
        sqlite3_exec (bare, "COMMIT", nullptr, nullptr, nullptr);
        const auto t1 = std::chrono::steady_clock::now();
        {
            DbTransaction booking;
            for (int i = 0; i < kCalls; ++i)
            {
                Glavna entry;
                if (entry.vknjizi (&q, when, OperationType::wineTransfer, "bench") < 1)
                    state.SkipWithError ("a posting failed");
            }
            booking.commit();
        }
        const auto t2 = std::chrono::steady_clock::now();
        bareSeconds += secondsOf (t1 - t0);
        engineSeconds += secondsOf (t2 - t1);
    }
    sqlite3_close (bare);
    state.counters["posting_to_bare_ratio"] = bareSeconds > 0 ? engineSeconds / bareSeconds : 0;
    state.SetItemsProcessed (state.iterations() * kCalls);
}
} // namespace

BENCHMARK (BM_WineTransferAgainstBare)->Unit (benchmark::kMillisecond)->Iterations (3);
BENCHMARK (BM_PostingAgainstBareInsert)->Unit (benchmark::kMillisecond)->Iterations (3);
