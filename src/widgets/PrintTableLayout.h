#pragma once
// The print layout of a browser's table for the last print job: font, rows, pages, column widths
// and cell sizes in page points. Owned by its browser (held by value); rows per page is at least
// one and the widths always add up to the width of the area they were laid out for.
#include "print/VindorPrintSettings.h"

#include <juce_graphics/juce_graphics.h>

struct PrintTableLayout
{
    juce::Font printFont;
    int printRows = 0;
    int pageCount = 0;
    int rowsPerPage = 1;
    int rowOffset = 0;
    juce::Array<float> printWidths;
    float rowHeight = 0.0f;
    float headerHeight = 0.0f;
    float cellBorder = 0.0f;
    /** The tallest area laid out so far: what an empty page offers. A row or statistic taller than
        it can never be printed and is left out instead of being tried on every page. */
    float largestArea = 0.0f;
    VindorPrintSettings layoutSettings;
};
