#pragma once
// The journal of a set of wines: every journal entry that took in, moved, lost or treated one of
// them, with its date, operation, details text and user, oldest first; printed on A4 landscape as
// "Dnevnik vinskih opravil" with the vessel or the wines in its title. Made fresh for every
// request as the content of its window; its rows are read once, when it is made.
#include "cellar/PosodaListener.h"
#include "widgets/PregledBaze.h"

#include <memory>

// Slot 1 holds the vessel when the journal covers all wines of one vessel; it stays empty (id -1)
// for wines picked one by one.
class DnevnikVino : public PregledBaze, public VindorWindowSetup, public PosodaListener
{
public:
    /** The journal query; "{vinoid}" stands for the wine-id list at every place. */
    static const char* const kQuery;
    static constexpr const char* kPrintPrefix = "printdnevnikvino";
    static constexpr int kPrintFlags = 15;
    static constexpr const char* kPrintDialogOpen = "print okno je se odprto";

    static const TableColumnSpec& columnSpec();

    explicit DnevnikVino (const juce::String& query);
    ~DnevnikVino() override;

    using PregledBaze::printAction;
    bool printAction() override;
    int printReport (juce::Rectangle<int> area, myPrint& printer, VindorPrintSettings& settings, myPrint* output,
                     int totalPages) override;

    /** "(" + ids + ")" as handed to createDnevnikVino. */
    juce::String vinoIds;

    /** The printed title: "Dnevnik vinskih opravil" and the vessel or the wines. */
    juce::String printTitle();

    JUCE_DECLARE_NON_COPYABLE (DnevnikVino)
};

/** The journal of the wines in the list ("(3,7)"), each row with its details text; null when
    the list names no wine. */
std::unique_ptr<DnevnikVino> createDnevnikVino (const juce::String& vinoIds);
