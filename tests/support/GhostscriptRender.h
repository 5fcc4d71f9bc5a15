#pragma once
// Pages of a PDF or PostScript file rendered to PNG by the Ghostscript program, for a test to look
// at pixels (and a person at the pictures).
#include <juce_core/juce_core.h>

namespace vtest
{
/** Runs the Ghostscript program (a separate process, so it never meets a print job's library instance). */
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
