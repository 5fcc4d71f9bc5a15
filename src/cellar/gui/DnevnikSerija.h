#pragma once
// The history of one bottled batch: the journal entries that made its wine and moved its bottles,
// each with date, operation, details text and user, oldest first, pruned to what leads into the
// batch's own bottlings; printed on A4 landscape. Opens from the batch register's history button
// and runs as a report of the reports window. Made fresh for every window.
#include "cellar/SerijaListener.h"
#include "frame/VindorWindowSetup.h"
#include "print/PorociloPogoj.h"
#include "print/VindorPrintSettings.h"
#include "widgets/PregledBaze.h"

#include <memory>

class DnevnikSerija : public PregledBaze,
                      public VindorWindowSetup,
                      public SerijaListener,
                      public PorociloPogoj
{
public:
    /** Every journal entry with its bottled batch, one inflow, one outflow and one wine care with their vessels. */
    static juce::String journalQuery();
    static const TableColumnSpec& columnSpec();

    static constexpr const char* kPrintPrefix = "printdnevnikserija";
    static constexpr int kPrintFlags = 15;
    static constexpr int kDatumColumn = 2;

    explicit DnevnikSerija (const juce::String& query);
    ~DnevnikSerija() override;

    void setSerijaIDN (SerijaRecord record, int slot) override;
    juce::String getPogoj() override;
    void reloadData() override;

    using PregledBaze::printAction;
    bool printAction() override;
    int printReport (juce::Rectangle<int> area, myPrint& printer, VindorPrintSettings& settings, myPrint* output,
                     int totalPages) override;

    bool usesStartDate() const override { return false; }
    bool usesEndDate() const override { return false; }
    bool usesSerija() const override { return true; }
    bool usesStranka() const override { return false; }
    bool usesArtikel() const override { return false; }
    bool usesSkladisce() const override { return false; }
    bool usesKlet() const override { return false; }
    bool printsOwnForm() const override { return true; }

    const juce::String& getSerijaIds() const { return serijaIds; }
    const juce::String& getVinoIds() const { return vinoIds; }
    VindorPrintSettings& getOwnPrintSettings() { return ownSettings; }

private:
    friend std::unique_ptr<DnevnikSerija> createDnevnikSerija();

    juce::String journalText;
    juce::String serijaIds;
    juce::String vinoIds;
    VindorPrintSettings ownSettings;
};

/** An empty batch history; it lists entries once a batch is set and reloadData runs. */
std::unique_ptr<DnevnikSerija> createDnevnikSerija();
