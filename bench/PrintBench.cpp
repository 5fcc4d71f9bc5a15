// A 100-page table document: the time to write it as PostScript against the time Ghostscript
// takes to turn it into a PDF. The writer should cost a small fraction of Ghostscript's time.
#include "print/gui/myPS.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace
{
constexpr int kPages = 100;
constexpr int kRows = 30;
constexpr int kColumns = 4;

/** Lays out the table: framed cells with a text each, every text as glyph outlines. */
void writeTableDocument (myPS& job)
{
    job.setNumberOfPages (kPages);
    const juce::Font font (9.0f);
    const auto area = job.getPageArea (true);
    const float rowHeight = (float) area.getHeight() / (float) (kRows + 1);
    const float columnWidth = (float) area.getWidth() / (float) kColumns;
    for (int page = 0; page < kPages; ++page)
    {
        if (page > 0)
            job.newPage (page);
        for (int row = 0; row < kRows; ++row)
        {
            for (int column = 0; column < kColumns; ++column)
            {
                const juce::Rectangle<float> cell ((float) area.getX() + (float) column * columnWidth,
                                                   (float) area.getY() + (float) row * rowHeight, columnWidth, rowHeight);
                job.drawBox (cell);
                juce::GlyphArrangement glyphs;
                glyphs.addFittedText (font, juce::String (page * kRows + row) + "." + juce::String (column) + " 12,50",
                                      cell.getX() + 2, cell.getY(), cell.getWidth() - 4, cell.getHeight(),
                                      juce::Justification::centredLeft, 1, 1.0f);
                juce::Path text;
                glyphs.createPath (text);
                job.setFill (juce::Colours::black);
                job.fillPath (text, {});
            }
        }
    }
}

void BM_TableDocumentPostScriptAgainstPdf (benchmark::State& state)
{
    juce::Logger* quiet = nullptr;
    struct NoLog : juce::Logger
    {
        void logMessage (const juce::String&) override {}
    } noLog;
    juce::Logger::setCurrentLogger (&noLog);

    const juce::File pdf = juce::File::getSpecialLocation (juce::File::tempDirectory)
                               .getChildFile ("vindoro-bench-" + juce::Uuid().toString() + ".pdf");
    double writeSeconds = 0.0, renderSeconds = 0.0;
    size_t bytes = 0;
    for (auto _ : state)
    {
        const auto t0 = std::chrono::steady_clock::now();
        std::unique_ptr<myPS> job (myPS::initMemory (0, "bench"));
        auto& stream = dynamic_cast<juce::MemoryOutputStream&> (job->getOutputStream());
        writeTableDocument (*job);
        stream << "showpage\n";
        const auto t1 = std::chrono::steady_clock::now();
        const bool rendered = myPrint::runGhostscript (stream, pdf);
        const auto t2 = std::chrono::steady_clock::now();
        if (! rendered)
            state.SkipWithError ("Ghostscript could not render the document");
        bytes = stream.getDataSize();
        writeSeconds += std::chrono::duration<double> (t1 - t0).count();
        renderSeconds += std::chrono::duration<double> (t2 - t1).count();
    }
    pdf.deleteFile();
    juce::Logger::setCurrentLogger (quiet);

    const double n = (double) state.iterations();
    state.counters["postscript_s"] = writeSeconds / n;
    state.counters["pdf_s"] = renderSeconds / n;
    state.counters["ps_to_pdf_ratio"] = renderSeconds > 0 ? writeSeconds / renderSeconds : 0.0;
    state.counters["ps_MB"] = (double) bytes / 1.0e6;
}
} // namespace

BENCHMARK (BM_TableDocumentPostScriptAgainstPdf)->Unit (benchmark::kMillisecond)->Iterations (1);
