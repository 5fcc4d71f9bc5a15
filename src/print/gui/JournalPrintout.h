#pragma once
// The page loop of a journal printout: on every page the footer, then (once) the document header,
// the title on the first page, the journal's table rows, and last the closing block (place, date,
// who prepared it), which is never split: it moves to a page of its own when the rest is full.
#include "print/VindorPrintSettings.h"
#include <juce_gui_basics/juce_gui_basics.h>

class PregledBaze;
class myPrint;

struct JournalPrintout
{
    /** Where the page loop stands, so that a block placed once is not placed again on a later
        page; each journal has its own numbers, which the log shows. */
    struct Checkpoints
    {
        int start, header, title, closing;
    };

    /** The class the log lines are written under. */
    const char* logSource;
    Checkpoints checkpoints;
    juce::String title;

    /** Lays out (and with an output, draws) the pages of the journal's rows; answers their count. */
    int print (PregledBaze& journal, juce::Rectangle<int> pageArea, myPrint& printer, VindorPrintSettings& settings,
               myPrint* output, int totalPages) const;
};
