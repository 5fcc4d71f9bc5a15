// A warehouse plan of 2,000 storage entries: the canvas's load with its tiles at zoom 10 beside the
// bare storage-entry query, and one full paint of the plan into an image beside a paint of 2,000
// plain rounded rectangles, both in the same run.
#include "core/Globals.h"
#include "db/SQLtoXml.h"
#include "frame/ArticlePictures.h"
#include "warehouse/GoodsRecords.h"
#include "warehouse/gui/Skladisce.h"

#include <benchmark/benchmark.h>

namespace
{
constexpr int kEntries = 2000;
constexpr int kWarehouse = 1;

struct PlanBenchDatabase
{
    PlanBenchDatabase()
    {
        folder.createDirectory();
        juce::PropertiesFile::Options options;
        options.applicationName = "VindoroPlanBench";
        options.filenameSuffix = "settings";
        options.folderName = folder.getFullPathName();
        properties.setStorageParameters (options);
        setAppProperties (&properties);
        const auto file = folder.getChildFile ("plan.db");
        juce::File (VINDORO_SHIPPED_DB).copyFileTo (file);
        properties.getUserSettings()->setValue ("dbfilename", file.getFullPathName());

        SQLtoXml q;
        q.sqlQueryNA ("INSERT INTO sorta(id,sorta,okrajsano,barva,active,tip) VALUES (10,'Modra frankinja','MF',-3407872,1,0)");
        q.sqlQueryNA ("INSERT INTO model(id,oznaka,volumen,enota,active) VALUES (5,'Bordo',0.75,7,1)");
        q.sqlQueryNA ("INSERT INTO serija(id,oznaka,letnik,sorta,model,kvaliteta,stevilo) VALUES (5,'A1',2021,10,5,2,600)");
        q.sqlQueryNA ("INSERT INTO skladisce(id,ime,konsig,active) VALUES (1,'Glavno',1,1)");
        q.sqlQueryNA ("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " + juce::String (kEntries) + ") "
                      "INSERT INTO artikel(id,ime,tip,cena,ddv,enota,parent,link,active) "
                      "SELECT i, 'Artikel ' || i, CASE WHEN i % 2 = 0 THEN 2 ELSE 3 END, 1.5, 7, 32, 1, 5, 1 FROM n");
        q.sqlQueryNA ("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < " + juce::String (kEntries - 1) + ") "
                      "INSERT INTO hramba(skladisce,artikel,stevilo,pozx,pozy,pozz,active,kosovnica) "
                      "SELECT 1, i + 1, i % 300, 110 * (i % 45), 110 * (i / 45), 0, 1, 0 FROM n");
        for (auto* name : { "steklenica.svg", "skatla.svg" })
            pictures.add (juce::Drawable::createFromSVGFile (juce::File (VINDORO_SOURCE_DIR).getChildFile ("resources").getChildFile (name))
                              .release());
        ArticlePictures::setSource ([] (int index) { return planDatabase().pictures[index]; });
    }
    ~PlanBenchDatabase()
    {
        ArticlePictures::setSource (nullptr);
        SqlitetoXml::disconnect();
        setAppProperties (nullptr);
        folder.deleteRecursively();
    }

    static PlanBenchDatabase& planDatabase();

    juce::File folder { juce::File::getSpecialLocation (juce::File::tempDirectory).getNonexistentChildFile ("vindoro-plan-bench", "") };
    juce::ApplicationProperties properties;
    juce::OwnedArray<juce::Drawable> pictures;
};

PlanBenchDatabase& PlanBenchDatabase::planDatabase()
{
    static PlanBenchDatabase db;
    return db;
}

double msSince (double start) { return juce::Time::getMillisecondCounterHiRes() - start; }

std::unique_ptr<Skladisce> loadedCanvas()
{
    SkladisceRecord record;
    record.id = kWarehouse;
    auto canvas = std::make_unique<Skladisce> (record, nullptr, 10.0f);
    canvas->initArtikli();
    return canvas;
}

void BM_PlanLoadBesideBareQuery (benchmark::State& state)
{
    PlanBenchDatabase::planDatabase();
    double bare = 0, load = 0;
    int tiles = 0;
    for (auto _ : state)
    {
        auto t = juce::Time::getMillisecondCounterHiRes();
        {
            SQLtoXml q;
            benchmark::DoNotOptimize (q.sqlQuery (Hramba::getSelectSQL (kWarehouse, -1)));
        }
        bare += msSince (t);

        t = juce::Time::getMillisecondCounterHiRes();
        {
            auto canvas = loadedCanvas();
            tiles = canvas->getArtikli().size();
        }
        load += msSince (t);
    }
    state.counters["tiles"] = tiles;
    state.counters["bare_query_ms"] = bare / (double) state.iterations();
    state.counters["load_ms"] = load / (double) state.iterations();
    state.counters["ratio"] = load / bare;
}
BENCHMARK (BM_PlanLoadBesideBareQuery)->Unit (benchmark::kMillisecond)->Iterations (3);

void BM_PlanPaintBesideRectangles (benchmark::State& state)
{
    PlanBenchDatabase::planDatabase();
    auto canvas = loadedCanvas();
    const auto bounds = canvas->getLocalBounds();
    benchmark::DoNotOptimize (canvas->createComponentSnapshot (bounds)); // pictures drawn once per size, as on screen

    double plain = 0, plan = 0;
    for (auto _ : state)
    {
        auto t = juce::Time::getMillisecondCounterHiRes();
        {
            juce::Image image (juce::Image::ARGB, bounds.getWidth(), bounds.getHeight(), true);
            juce::Graphics g (image);
            g.setColour (juce::Colours::green.withAlpha (0.4f));
            for (int i = 0; i < kEntries; ++i)
                g.drawRoundedRectangle (juce::Rectangle<float> ((float) (110 * (i % 45)) + 2.0f, (float) (110 * (i / 45)) + 2.0f, 96.0f, 96.0f),
                                        10.0f, 3.0f);
            benchmark::DoNotOptimize (image);
        }
        plain += msSince (t);

        t = juce::Time::getMillisecondCounterHiRes();
        benchmark::DoNotOptimize (canvas->createComponentSnapshot (bounds));
        plan += msSince (t);
    }
    state.counters["rectangles_ms"] = plain / (double) state.iterations();
    state.counters["paint_ms"] = plan / (double) state.iterations();
    state.counters["ratio"] = plan / plain;
}
BENCHMARK (BM_PlanPaintBesideRectangles)->Unit (benchmark::kMillisecond)->Iterations (3);
} // namespace
