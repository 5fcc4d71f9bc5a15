// A cellar of 500 vessels: loading the canvas (Klet::loadPosode: the vessel query, one vessel
// component each, stacking, zoom, fitting) beside the bare vessel query of the same rows
// ("load_to_query_ratio"; aim: within 3 times), and one paint of the whole canvas into an image
// beside drawing the vessel pictures 500 times at the same places ("paint_to_pictures_ratio";
// aim: a repaint well under 100 ms, reported as "paint_ms").
#include "cellar/VesselQuery.h"
#include "cellar/gui/Klet.h"
#include "core/Globals.h"
#include "db/SQLtoXml.h"

#include <benchmark/benchmark.h>

namespace
{
constexpr int kVessels = 500;
constexpr int kPerRow = 25;

struct DiscardingLogger : juce::Logger
{
    void logMessage (const juce::String&) override {}
};

/** A copy of the shipped database with cellar 1 of 500 vessels of every kind: a third empty, a
    third holding one wine, a third holding two wines under a declaration. */
struct CellarDatabase
{
    CellarDatabase()
    {
        folder.createDirectory();
        juce::PropertiesFile::Options options;
        options.applicationName = "VindoroBench";
        options.filenameSuffix = "settings";
        options.folderName = folder.getFullPathName();
        properties.setStorageParameters (options);
        file = folder.getChildFile ("bench.db");
        juce::File (VINDORO_SHIPPED_DB).copyFileTo (file);
        properties.getUserSettings()->setValue ("dbfilename", file.getFullPathName());
        use();

        const juce::String n = "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < "
                               + juce::String (kVessels) + ") ";
        SQLtoXml q;
        q.sqlQueryNA ("INSERT INTO klet(id,ime) VALUES (1,'Velika klet')");
        q.sqlQueryNA ("INSERT INTO sorta(id,sorta,okrajsano,barva,active,tip) VALUES (3,'Sauvignon','SAU',16777011,1,1),"
                      "(4,'Modra frankinja','MF',-3407872,1,0)");
        q.sqlQueryNA ("INSERT INTO vino(id,letnik,sorta) VALUES (7,2019,3),(8,2020,4)");
        q.sqlQueryNA (n + "INSERT INTO posoda(id,klet,volumen,oznaka,tip,pozx,pozy,pozz,tipizacija,active) "
                          "SELECT i, 1, 500 + (i % 7) * 250, 'P' || i, 2 + (i % 7), ((i - 1) % " + juce::String (kPerRow)
                      + ") * 120, ((i - 1) / " + juce::String (kPerRow) + ") * 120, i, 1, 1 FROM n");
        q.sqlQueryNA (n + "INSERT INTO zaloga(vino,posoda,volumen) SELECT 7, i, 100 + i FROM n WHERE i % 3 <> 0");
        q.sqlQueryNA (n + "INSERT INTO zaloga(vino,posoda,volumen) SELECT 8, i, 50 FROM n WHERE i % 3 = 2");
        q.sqlQueryNA (n + "INSERT INTO tipizacija(id,glavna,sorta,letnik,posoda,kvaliteta) SELECT 1000 + i, 1, 3, 2019, i, 2 "
                          "FROM n WHERE i % 3 = 2");
        q.sqlQueryNA ("UPDATE posoda SET tipizacija = 1000 + id WHERE id % 3 = 2");

        for (auto* name : { "buck2.svg", "cisterna.svg", "cisterna2.svg", "buck.svg", "plavnik.svg", "nomblot.svg", "jajce.svg" })
            pictures.add (juce::Drawable::createFromSVGFile (juce::File (VINDORO_SOURCE_DIR).getChildFile ("resources")
                                                                 .getChildFile (name)).release());
    }
    ~CellarDatabase()
    {
        juce::Logger::setCurrentLogger (nullptr);
        Posoda::pictures = nullptr;
        SqlitetoXml::disconnect();
        setAppProperties (nullptr);
        folder.deleteRecursively();
    }

    /** Points the process at this database (other benchmarks point it at theirs). */
    void use()
    {
        SqlitetoXml::disconnect();
        setAppProperties (&properties);
        juce::Logger::setCurrentLogger (&quiet);
    }

    juce::File folder { juce::File::getSpecialLocation (juce::File::tempDirectory).getNonexistentChildFile ("vindoro-bench", "") };
    juce::File file;
    juce::ApplicationProperties properties;
    DiscardingLogger quiet;
    juce::OwnedArray<juce::Drawable> pictures;
};

CellarDatabase& database()
{
    static CellarDatabase db;
    db.use();
    return db;
}

juce::Drawable* picture (int index) { return database().pictures[index]; }

double msSince (double start) { return juce::Time::getMillisecondCounterHiRes() - start; }

void BM_LoadCellarBesideVesselQuery (benchmark::State& state)
{
    database();
    const auto sql = VesselQuery::text() + " WHERE posoda.klet = 1 AND posoda.active = 1 GROUP BY posoda.id ORDER BY posoda.pozz";
    double bare = 0, load = 0;
    int vessels = 0;
    for (auto _ : state)
    {
        auto t = juce::Time::getMillisecondCounterHiRes();
        {
            SQLtoXml q;
            benchmark::DoNotOptimize (q.sqlQuery (sql));
        }
        bare += msSince (t);

        Klet canvas (1, nullptr, 10.0f);
        canvas.setEditable (true);
        t = juce::Time::getMillisecondCounterHiRes();
        canvas.loadPosode();
        load += msSince (t);
        vessels = canvas.getNumPosode();
    }
    state.counters["vessels"] = vessels;
    state.counters["query_ms"] = bare / (double) state.iterations();
    state.counters["load_ms"] = load / (double) state.iterations();
    state.counters["load_to_query_ratio"] = load / bare;
}
BENCHMARK (BM_LoadCellarBesideVesselQuery)->Unit (benchmark::kMillisecond)->Iterations (5);

void BM_PaintCanvasBesideVesselPictures (benchmark::State& state)
{
    database();
    Posoda::pictures = picture;
    Klet canvas (1, nullptr, 10.0f);
    canvas.loadPosode();
    const auto bounds = canvas.getLocalBounds();
    double pictures = 0, paint = 0;
    juce::Image lastShot;
    for (auto _ : state)
    {
        auto t = juce::Time::getMillisecondCounterHiRes();
        {
            juce::Image image (juce::Image::ARGB, bounds.getWidth(), bounds.getHeight(), true);
            juce::Graphics g (image);
            for (int i = 0; i < canvas.getNumPosode(); ++i)
            {
                const auto* vessel = canvas.getPosodaAt (i);
                const auto kind = vessel->getPosoda().tip;
                if (auto* drawable = picture (kind - 2))
                    drawable->drawWithin (g, vessel->getBounds().toFloat().reduced (2.0f), juce::RectanglePlacement::centred, 1.0f);
            }
            benchmark::DoNotOptimize (image);
        }
        pictures += msSince (t);

        t = juce::Time::getMillisecondCounterHiRes();
        auto shot = canvas.createComponentSnapshot (bounds, true, 1.0f);
        paint += msSince (t);
        benchmark::DoNotOptimize (shot);
        lastShot = shot;
    }
    // For a look at what one paint draws: VINDORO_BENCH_CANVAS_PNG=/tmp/canvas.png
    const auto pngPath = juce::SystemStats::getEnvironmentVariable ("VINDORO_BENCH_CANVAS_PNG", {});
    if (pngPath.isNotEmpty() && lastShot.isValid())
    {
        juce::File png (pngPath);
        png.deleteFile();
        juce::FileOutputStream out (png);
        juce::PNGImageFormat().writeImageToStream (lastShot, out);
    }
    Posoda::pictures = nullptr;
    state.counters["vessels"] = canvas.getNumPosode();
    state.counters["pictures_ms"] = pictures / (double) state.iterations();
    state.counters["paint_ms"] = paint / (double) state.iterations();
    state.counters["paint_to_pictures_ratio"] = paint / pictures;
}
BENCHMARK (BM_PaintCanvasBesideVesselPictures)->Unit (benchmark::kMillisecond)->Iterations (5);
} // namespace
