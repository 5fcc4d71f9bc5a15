#pragma once
// The record browser on paper: the table page by page or from a row on, its statistics row and
// block, the whole report between the printer's header and footer, and the receipt text. Made on
// the stack for one call of the browser's print virtuals; the layout it computes stays in the
// browser (getPrintLayout), so the pages of one job agree with each other.
#include <juce_graphics/juce_graphics.h>

#include <vector>

class PregledBaze;
class VindorPrintSettings;
class myPrint;

class BrowserPrintout
{
public:
    explicit BrowserPrintout (PregledBaze& browserToPrint) : browser (browserToPrint) {}

    int tableHeight (const juce::Font& font);
    int tableInit (myPrint* output, juce::Rectangle<int> area, const juce::Font& font, VindorPrintSettings& settings);
    int tableResize (myPrint* output, juce::Rectangle<int> area, const juce::Font& font, int page, VindorPrintSettings& settings);
    int tablePage (myPrint* output, juce::Rectangle<int> area, int page, int& usedBottom, VindorPrintSettings& settings);
    int tableFromRow (myPrint* output, juce::Rectangle<int> area, int firstRow, int& usedBottom, VindorPrintSettings& settings);
    int statsBlock (myPrint* output, juce::Rectangle<int> area, int startIndex, int& usedBottom);
    int report (juce::Rectangle<int> area, myPrint& printer, VindorPrintSettings& originalSettings, myPrint* output, int totalPages);
    juce::String receipt (int lineWidth, const juce::StringArray& columnList);

private:
    struct PrintColumn { juce::String name; int position; };

    int printRows (myPrint* output, juce::Rectangle<int> area, int first, bool pageMode, int page, int& usedBottom,
                   VindorPrintSettings& settings);
    std::vector<juce::XmlElement*> printableRows (bool summariesOnly);
    std::vector<PrintColumn> visibleResultColumns();
    bool printsStatsRow() const;
    float printStatsRow (myPrint* output, juce::Rectangle<int> area, float y);

    PregledBaze& browser;
};
