#pragma once
// Fixtures of the printing tests: a PostScript writer without a job around it, a Ghostscript layer
// that records (and can answer for) the library, an opener that records instead of starting a
// viewer, the private CUPS queue the test script starts, and Ghostscript renders to PNG.
#include "platform/FileOpener.h"
#include "platform/GhostscriptApi.h"
#include "print/myPostScript.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace vtest
{
/** The writer alone: the job operations do nothing, so only the writer's own text comes out. */
class BareWriter : public myPostScript
{
public:
    BareWriter (juce::OutputStream& o, int w = 595, int h = 842, bool isPreview = false)
        : myPostScript (o, "T", w, h, isPreview) {}
    bool save (juce::String) override { return false; }
    void drawDrawable (juce::InputStream&, juce::Rectangle<float>) override {}
    void drawDrawable (juce::File, juce::Rectangle<float>) override {}
    void drawDrawable (juce::Drawable*, juce::Rectangle<float>) override {}
    void drawBox (juce::Rectangle<float>) override {}
};

/** Records every call; forwards to the real library unless told to answer itself. */
class RecordingGhostscript : public GhostscriptApi
{
public:
    explicit RecordingGhostscript (bool forwardToLibrary) : forward (forwardToLibrary) { GhostscriptApi::set (this); }
    ~RecordingGhostscript() override { GhostscriptApi::set (nullptr); }

    int newInstance (void** instance, void* handle) override
    {
        calls.add ("new");
        if (forward)
            return GhostscriptApi::newInstance (instance, handle);
        *instance = this;
        return 0;
    }
    int setArgEncoding (void* instance, int encoding) override
    {
        calls.add ("encoding " + juce::String (encoding));
        return forward ? GhostscriptApi::setArgEncoding (instance, encoding) : 0;
    }
    int initWithArgs (void* instance, int argc, char** argv) override
    {
        calls.add ("init");
        for (int i = 0; i < argc; ++i)
            args.add (juce::String::fromUTF8 (argv[i]));
        return forward ? GhostscriptApi::initWithArgs (instance, argc, argv) : initCode;
    }
    int runStringBegin (void* instance, int userErrors, int* exitCode) override
    {
        calls.add ("begin");
        return forward ? GhostscriptApi::runStringBegin (instance, userErrors, exitCode) : 0;
    }
    int runStringContinue (void* instance, const char* str, unsigned int length, int userErrors, int* exitCode) override
    {
        blockLengths.push_back (length);
        calls.add ("continue");
        return forward ? GhostscriptApi::runStringContinue (instance, str, length, userErrors, exitCode)
                       : GhostscriptApi::kNeedInput;
    }
    int runStringEnd (void* instance, int userErrors, int* exitCode) override
    {
        calls.add ("end");
        return forward ? GhostscriptApi::runStringEnd (instance, userErrors, exitCode) : 0;
    }
    int exit (void* instance) override
    {
        calls.add ("exit");
        return forward ? GhostscriptApi::exit (instance) : exitResult;
    }
    void deleteInstance (void* instance) override
    {
        calls.add ("delete");
        if (forward)
            GhostscriptApi::deleteInstance (instance);
    }

    bool forward;
    int initCode = 0;
    int exitResult = 0;
    juce::StringArray calls;
    juce::StringArray args;
    std::vector<unsigned int> blockLengths;
};

/** Keeps what would have been opened. */
class RecordingOpener : public FileOpener
{
public:
    RecordingOpener() { FileOpener::set (this); }
    ~RecordingOpener() override { FileOpener::set (nullptr); }
    bool open (const juce::File& f) override
    {
        opened.add (f.getFullPathName());
        return true;
    }
    juce::StringArray opened;
};

/** The PDF folder of the test scheduler. Outside it (a quick loop without test.sh) the printing
    tests skip; under CI, or when the scheduler failed to start, they fail loudly. */
inline juce::File cupsPdfFolderOrFail()
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
    return {};
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

/** Runs the Ghostscript program (a separate process, so it never meets the job's library instance). */
inline bool runGhostscript (const juce::StringArray& arguments, juce::String* output = nullptr)
{
    juce::StringArray cmd { "gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER" };
    cmd.addArray (arguments);
    juce::ChildProcess p;
    if (! p.start (cmd))
        return false;
    const juce::String text = p.readAllProcessOutput();
    if (output != nullptr)
        *output = text;
    return p.waitForProcessToFinish (60000) && p.getExitCode() == 0;
}

/** Renders every page of a PDF or PostScript file to PNG files "<base>-N.png" at the resolution. */
inline juce::Array<juce::File> renderPages (const juce::File& document, const juce::File& folder, const juce::String& base,
                                            int dpi)
{
    runGhostscript ({ "-sDEVICE=png16m", "-r" + juce::String (dpi),
                      "-sOutputFile=" + folder.getChildFile (base + "-%d.png").getFullPathName(),
                      document.getFullPathName() });
    juce::Array<juce::File> pages;
    for (int i = 1;; ++i)
    {
        auto f = folder.getChildFile (base + "-" + juce::String (i) + ".png");
        if (! f.existsAsFile())
            break;
        pages.add (f);
    }
    return pages;
}
} // namespace vtest
