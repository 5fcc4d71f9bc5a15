#pragma once
// Fixtures of the printing tests: a PostScript writer without a job around it, and a Ghostscript
// layer that records (and can answer for) the library.
#include "platform/GhostscriptApi.h"
#include "print/myPostScript.h"

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
} // namespace vtest
