// The schema chain from version 20 to 37 on a generated database of some size, beside a plain
// VACUUM INTO copy of the same file: the counter "chain_per_vacuum" is the ratio of their times.
// The post-office step 16 to 17 (the resources' some 550 lines) beside the same kind of copy:
// "step_per_vacuum"; its own time is the benchmark's time.
#include "db/SqlitetoXml.h"
#include "db/SchemaSteps.h"
#include "db/UpgradeChain.h"
#include "core/Globals.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <chrono>

namespace
{
bool execOn (const juce::File& file, const juce::String& sql)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2 (file.getFullPathName().toRawUTF8(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    const bool ok = sqlite3_exec (db, sql.toRawUTF8(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close (db);
    return ok;
}

int firstNumber (const juce::File& file, const char* sql)
{
    sqlite3* db = nullptr;
    sqlite3_stmt* st = nullptr;
    int version = -1;
    if (sqlite3_open_v2 (file.getFullPathName().toRawUTF8(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK
        && sqlite3_prepare_v2 (db, sql, -1, &st, nullptr) == SQLITE_OK
        && sqlite3_step (st) == SQLITE_ROW)
        version = sqlite3_column_int (st, 0);
    sqlite3_finalize (st);
    sqlite3_close (db);
    return version;
}

int storedVersion (const juce::File& file)
{
    return firstNumber (file, "SELECT val_i FROM settings WHERE ime='dbversion'");
}

juce::String generatedRows (int parties, int vessels, int entries)
{
    // A stream, not a String: appending to one String copies the whole text every time.
    juce::MemoryOutputStream sql;
    sql << "INSERT INTO klet(id,ime) VALUES (1,'Klet');"
           "INSERT INTO sorta(id,sorta,okrajsano,barva,tip) VALUES (3,'Laski rizling','LR',16777011,1);"
           "INSERT INTO skladisce(id,ime) VALUES (1,'Glavno'),(2,'Drugo');";
    for (int i = 1; i <= parties; ++i)
        sql << "INSERT INTO stranka(id,ime,drzava,davcna,tipdavka,allIBAN,IBAN,swift,active) VALUES (" << 100 + i << ",'Stranka " << i
            << "',185,'" << (10000000 + i) << "'," << (i % 3) << ",'SI56" << i << "A*SI56" << i << "B','SI56" << i << "A','BANK"
            << (i % 7) << "SI2X',1);";
    for (int i = 1; i <= vessels; ++i)
        sql << "INSERT INTO posoda(id,klet,volumen,oznaka,tipizacija,tip) VALUES (" << i << ",1,1000,'V" << i << "',3,2);"
            << "INSERT INTO vino(id,letnik) VALUES (" << i << "," << 2000 + i % 20 << ");"
            << "INSERT INTO zaloga(vino,posoda,volumen) VALUES (" << i << "," << i << ",500);"
            << "INSERT INTO artikel(id,ime,tip,link) VALUES (" << i << ",'Artikel " << i << "'," << (i % 2 == 0 ? 4 : 2) << "," << i << ");";
    for (int i = 1; i <= entries; ++i)
    {
        const int vessel = 1 + i % vessels;
        sql << "INSERT INTO glavna(id,opravilo,datum,opomba,vindor) VALUES (" << i << ",6,'2016-01-01 10:00:00','vnos','Oseba " << i % 5 << "');"
            << "INSERT INTO pretok(id,posoda,vino,smer,volumen) VALUES (" << i << "," << vessel << "," << vessel << ",1,10),(" << i << ","
            << vessel << "," << vessel << ",-1,5);"
            << "INSERT INTO prenos(glavna,skladisce,artikel,smer,kolicina) VALUES (" << i << "," << 1 + i % 2 << "," << vessel << ",1,2);"
            << "INSERT INTO racun(id,tip,leto,zaporedna,glavna,datum,datumopravila) VALUES (" << i << ",0,2016," << i << "," << i
            << ",'2016-01-01 10:00:00','2016-01-01 10:00:00');"
            << "INSERT INTO postavka(racun,tip,artikel,skladisce,kolicina,cena) VALUES (" << i << ",2," << vessel << "," << i % 2 << ",1,10);";
    }
    return sql.toUTF8();
}

struct Version20
{
    juce::File folder = juce::File::getSpecialLocation (juce::File::tempDirectory).getNonexistentChildFile ("vindoro-bench", "", false);
    juce::File templ, work, copy;
    juce::ApplicationProperties settings;

    Version20()
    {
        folder.createDirectory();
        templ = folder.getChildFile ("v20.db");
        work = folder.getChildFile ("work.db");
        copy = folder.getChildFile ("copy.db");
        juce::PropertiesFile::Options options;
        options.applicationName = "VindoroBench";
        options.filenameSuffix = "settings";
        options.folderName = folder.getFullPathName();
        settings.setStorageParameters (options);
        setAppProperties (&settings);

        const auto fixtures = juce::File (VINDORO_SOURCE_DIR).getChildFile ("tests/db/fixtures");
        execOn (templ, "BEGIN;" + fixtures.getChildFile ("v7-schema.sql").loadFileAsString() + "COMMIT;");
        settings.getUserSettings()->setValue ("dbfilename", templ.getFullPathName());
        vindoro::UpgradeRun run;
        for (int v = 7; v < 20; ++v)
            vindoro::SchemaSteps::stepFrom (v) (run);
        SqlitetoXml::disconnect();
        execOn (templ, "BEGIN;" + generatedRows (300, 100, 3000) + "COMMIT;");
        settings.getUserSettings()->setValue ("dbfilename", work.getFullPathName());
    }

    ~Version20()
    {
        SqlitetoXml::disconnect();
        setAppProperties (nullptr);
        // Written now, not when the member ends after the folder is gone, which would make it again.
        settings.closeFiles();
        folder.deleteRecursively();
    }
};

void BM_UpgradeChainFrom20 (benchmark::State& state)
{
    Version20 db;
    // A template that did not reach its version would time a chain that fails at its first step.
    if (storedVersion (db.templ) != 20)
    {
        state.SkipWithError ("the version-20 database could not be built");
        return;
    }
    double chainSeconds = 0, vacuumSeconds = 0;
    for (auto _ : state)
    {
        db.copy.deleteFile();
        auto t0 = std::chrono::steady_clock::now();
        execOn (db.templ, "VACUUM INTO '" + db.copy.getFullPathName() + "'");
        auto t1 = std::chrono::steady_clock::now();

        db.work.deleteFile();
        db.templ.copyFileTo (db.work);
        vindoro::UpgradeRun run;
        auto t2 = std::chrono::steady_clock::now();
        const auto result = vindoro::UpgradeChain::runSchema (20, run);
        SqlitetoXml::disconnect();
        auto t3 = std::chrono::steady_clock::now();
        if (result.outcome != vindoro::UpgradeChain::Outcome::completed)
            state.SkipWithError ("the chain did not complete");

        const double chain = std::chrono::duration<double> (t3 - t2).count();
        chainSeconds += chain;
        vacuumSeconds += std::chrono::duration<double> (t1 - t0).count();
        state.SetIterationTime (chain);
    }
    state.counters["chain_per_vacuum"] = vacuumSeconds > 0 ? chainSeconds / vacuumSeconds : 0.0;
}

struct Version16
{
    juce::File folder = juce::File::getSpecialLocation (juce::File::tempDirectory).getNonexistentChildFile ("vindoro-bench", "", false);
    juce::File templ, work, copy;
    juce::ApplicationProperties settings;

    Version16()
    {
        folder.createDirectory();
        templ = folder.getChildFile ("v16.db");
        work = folder.getChildFile ("work.db");
        copy = folder.getChildFile ("copy.db");
        juce::PropertiesFile::Options options;
        options.applicationName = "VindoroBench";
        options.filenameSuffix = "settings";
        options.folderName = folder.getFullPathName();
        settings.setStorageParameters (options);
        setAppProperties (&settings);

        const auto fixtures = juce::File (VINDORO_SOURCE_DIR).getChildFile ("tests/db/fixtures");
        execOn (templ, "BEGIN;" + fixtures.getChildFile ("v7-schema.sql").loadFileAsString() + "COMMIT;");
        settings.getUserSettings()->setValue ("dbfilename", templ.getFullPathName());
        vindoro::UpgradeRun run;
        for (int v = 7; v < 16; ++v)
            vindoro::SchemaSteps::stepFrom (v) (run);
        SqlitetoXml::disconnect();
        execOn (templ, "BEGIN;" + generatedRows (300, 100, 3000) + "COMMIT;");
        settings.getUserSettings()->setValue ("dbfilename", work.getFullPathName());
        // The post-office lines the program ships, beside the shipped database.
        settings.getUserSettings()->setValue ("resourcespath", juce::File (VINDORO_SHIPPED_DB).getParentDirectory().getFullPathName());
    }

    ~Version16()
    {
        SqlitetoXml::disconnect();
        setAppProperties (nullptr);
        // Written now, not when the member ends after the folder is gone, which would make it again.
        settings.closeFiles();
        folder.deleteRecursively();
    }
};

void BM_PostOfficeStep16To17 (benchmark::State& state)
{
    Version16 db;
    if (storedVersion (db.templ) != 16)
    {
        state.SkipWithError ("the version-16 database could not be built");
        return;
    }
    double stepSeconds = 0, vacuumSeconds = 0;
    for (auto _ : state)
    {
        db.copy.deleteFile();
        auto t0 = std::chrono::steady_clock::now();
        execOn (db.templ, "VACUUM INTO '" + db.copy.getFullPathName() + "'");
        auto t1 = std::chrono::steady_clock::now();

        db.work.deleteFile();
        db.templ.copyFileTo (db.work);
        vindoro::UpgradeRun run;
        auto t2 = std::chrono::steady_clock::now();
        vindoro::SchemaSteps::update_from_16_to_17 (run);
        SqlitetoXml::disconnect();
        auto t3 = std::chrono::steady_clock::now();
        if (run.getFailedStatements() > 0 || run.isAborted() || storedVersion (db.work) != 17
            || firstNumber (db.work, "SELECT COUNT(*) FROM posta") < 500)
            state.SkipWithError ("the step did not run cleanly");

        const double step = std::chrono::duration<double> (t3 - t2).count();
        stepSeconds += step;
        vacuumSeconds += std::chrono::duration<double> (t1 - t0).count();
        state.SetIterationTime (step);
    }
    state.counters["step_per_vacuum"] = vacuumSeconds > 0 ? stepSeconds / vacuumSeconds : 0.0;
}
} // namespace

BENCHMARK (BM_UpgradeChainFrom20)->UseManualTime()->Iterations (2)->Unit (benchmark::kMillisecond);
BENCHMARK (BM_PostOfficeStep16To17)->UseManualTime()->Iterations (2)->Unit (benchmark::kMillisecond);
