#pragma once
// The record browser as a text file: the visible columns of the rows not flagged "deleted", as the
// table shows them, in CP1250 with a chosen separator; and the export button's file choice and
// report. Made on the stack for one call of the browser's export virtuals.
#include <juce_core/juce_core.h>

class PregledBaze;

class BrowserExport
{
public:
    explicit BrowserExport (PregledBaze& browserToExport) : browser (browserToExport) {}

    /** As PregledBaze::exportToText: the rows written, or -1 (file), -2 (code page), -3 (header not converted). */
    int toText (const juce::File& file, int codePage, const juce::String& separator, const juce::String& lineEnd,
                const juce::String& emptyCellText, bool withHeader);
    /** Asks for the file, writes it through the browser's exportToText and tells the user how it went. */
    bool run();

private:
    PregledBaze& browser;
};
