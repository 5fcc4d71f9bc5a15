#pragma once
// The harvest report of the reports window: the harvest intakes of a period, optionally of one
// grower, one row per harvest booking; printed, it is the official harvest declaration (its own
// form, never its table). Owned by the reports window, which sets its period and grower before
// each reload; a print run writes each row's document code into the rows until the next reload.
#include "partners/StrankaListener.h"
#include "print/PorociloPogoj.h"
#include "widgets/PregledBaze.h"

class TrgatevPorocilo : public PregledBaze,
                        public PorociloPogoj,
                        public StrankaListener
{
public:
    static constexpr const char* kPrintPrefix = "TrgatevPorocilo";
    /** The party-kind mask of the grower choice. */
    static constexpr int kGrowerKinds = 2;

    TrgatevPorocilo();
    ~TrgatevPorocilo() override;

    /** The SELECT and its joins, without WHERE; one row per harvest booking with its must summed. */
    static const juce::String& queryText();
    static const TableColumnSpec& columnSpecification();

    /** Sets the title from the period and loads the harvests of the conditions. */
    void reloadData() override;
    bool printsTable() override { return false; }
    /** Lays out the declaration for the selected rows, or every row when none is selected. */
    int printReport (juce::Rectangle<int> area, myPrint& printer, VindorPrintSettings& settings, myPrint* output,
                     int totalPages) override;

    /** Adds the report's own conditions (active harvests, the grower when one is picked) and joins them. */
    juce::String getPogoj() override;
    void setStartDate (const juce::String& text) override;
    void setEndDate (const juce::String& text) override;
    bool usesEndDate() const override { return true; }
    bool usesStranka() const override { return true; }
    int getStrankaTip() const override { return kGrowerKinds; }
    juce::String getStrankaNaslov() const override;
    bool printsOwnForm() const override { return true; }

    /** The rows the declaration covers: the selected ones, else every row not flagged deleted. */
    std::vector<juce::XmlElement*> consideredRows (bool& isSelection);
};
