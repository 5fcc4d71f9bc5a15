#pragma once
// The official harvest declaration laid out on A4 pages: a parcel sheet per vineyard parcel (the
// grapes of the parcel, the company's own or bought from the grower) and then a variety sheet per
// variety (the company's declaration with each row's document code), numbered on across both.
// Made for one print pass by the harvest report; it writes each row's document code into the row
// ("sifradokumenta") and keeps nothing between passes, so both passes lay out the same pages.
#include "print/myPrint.h"

#include <juce_core/juce_core.h>

#include <functional>
#include <vector>

class TrgatevObrazec
{
public:
    /** Logged when a step cannot fit even an empty page and is left out. */
    static constexpr const char* kTooBigForPage = "preveliko za stran %d";
    static constexpr const char* kLogSource = "TrgatevPorocilo::printReport";

    /** `rows` are the rows to declare in table order; `selection` says they are rows the user
        picked, which go on one unnumbered parcel sheet and one unnumbered variety sheet. */
    TrgatevObrazec (std::vector<juce::XmlElement*> rows, bool selection);

    /** Lays the sheets out on `area`-sized pages; draws only when output is not null. The pages laid out. */
    int layout (juce::Rectangle<int> area, myPrint& printer, myPrint* output);

    /** Column widths of a parcel sheet's table on an area `width` points wide: c1, c2, c3, c4a, c4b, c5, c6. */
    static std::vector<int> parcelColumns (int width);
    /** Column widths of a variety sheet's table: d1 to d4. */
    static std::vector<int> varietyColumns (int width);

    virtual ~TrgatevObrazec() = default;

protected:
    /** Places a text at the top of the area in the current font (the form's one way to write). */
    virtual bool text (juce::Rectangle<int>& area, const juce::String& t, juce::Justification j, bool fitted = false);
    /** Frames one cell of a table. */
    virtual void frame (juce::Rectangle<int> cell);
    const juce::Font& currentFont() const { return font; }

private:
    using Step = std::function<bool (juce::Rectangle<int>&)>;

    struct Sheet
    {
        std::function<void (juce::Rectangle<int>&)> titleBlock;
        std::vector<Step> steps;
    };

    int layoutSheet (Sheet& sheet, int sheetIndex, bool startsNewPage, juce::Rectangle<int> area);
    Sheet parcelSheet (int parcel, int width, int number);
    Sheet varietySheet (int variety, int width, int number);

    juce::XmlElement* firstRowWith (const char* attribute, int value) const;
    void setFont (double mm, bool bold);
    bool textInCell (juce::Rectangle<int> cell, const juce::String& t, juce::Justification j, bool inset, bool framed);
    bool space (juce::Rectangle<int>& area, double mm);
    juce::String placeAndDate() const;
    juce::String sheetNumberText (int number) const;

    std::vector<juce::XmlElement*> rows;
    bool selection;
    std::vector<int> parcels;
    std::vector<int> varieties;
    std::vector<double> varietyVolumes;

    myPrint* printer = nullptr;
    myPrint* output = nullptr;
    juce::Font font { 12.0f };
};
