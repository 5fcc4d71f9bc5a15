#pragma once
// The private CUPS scheduler ./test.sh starts, with a queue that writes every job as a PDF into a
// folder: where that folder is, and waiting for the PDF of one job.
#include <juce_core/juce_core.h>

#include <gtest/gtest.h>

#include <cstdlib>

namespace vtest
{
/** The PDF folder of the test scheduler. When the test cannot go on, an invalid file: the test is
    marked skipped outside the scheduler (a quick loop without test.sh), and failed under CI or
    when the scheduler failed to start. The caller returns at once on an invalid file. */
inline juce::File cupsPdfFolderOrSkip()
{
    if (const char* failed = std::getenv ("VINDORO_CUPS_FAILED"))
    {
        ADD_FAILURE() << "the test CUPS scheduler did not start: " << failed;
        return {};
    }
    if (const char* dir = std::getenv ("VINDORO_CUPS_PDF_DIR"))
        return juce::File (juce::String::fromUTF8 (dir));
    if (std::getenv ("CI") != nullptr)
        ADD_FAILURE() << "CI without the test CUPS scheduler (VINDORO_CUPS_PDF_DIR unset)";
    else
        [] { GTEST_SKIP() << "no test CUPS scheduler (run ./test.sh)"; }();
    return {};
}

/** The name of the scheduler's PDF queue, or empty outside it. */
inline juce::String cupsTestQueue()
{
    const char* name = std::getenv ("VINDORO_CUPS_QUEUE");
    return name != nullptr ? juce::String::fromUTF8 (name) : juce::String();
}

/** The PDF the test queue made of the job with this title (cups-pdf names its files after the
    title), once it is complete; an invalid file when none came within a minute. */
inline juce::File waitForCupsPdf (const juce::File& folder, const juce::String& title)
{
    for (int i = 0; i < 600; ++i)
    {
        for (const auto& f : folder.findChildFiles (juce::File::findFiles, false, "*.pdf"))
            if (f.getFileName().contains (title) && f.getSize() > 0)
            {
                // cups-pdf writes the file and then sets its owner: wait until the size holds.
                for (auto size = f.getSize();; size = f.getSize())
                {
                    juce::Thread::sleep (200);
                    if (f.getSize() == size)
                        return f;
                }
            }
        juce::Thread::sleep (100);
    }
    return {};
}
} // namespace vtest
