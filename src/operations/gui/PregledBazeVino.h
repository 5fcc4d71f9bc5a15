#pragma once
// The wines lying in one vessel, largest first, with their share of the vessel, grower and parcel;
// from it the journal of all the wines or of one (a double click) opens.
#include "cellar/PosodaListener.h"
#include "operations/VinoRecord.h"
#include "widgets/PregledBaze.h"

class PregledBazeVino : public PregledBaze, public VindorWindowSetup, public PosodaListener
{
public:
    using Listener = VinoListener;

    static const TableColumnSpec& columnSpec();
    /** The row as a wine record. */
    static VinoRecord interpretXml (const juce::XmlElement* row) { return interpretVinoXml (row); }

    explicit PregledBazeVino (posoda vessel);
    PregledBazeVino();
    ~PregledBazeVino() override;

    /** Reads the wines of the vessel in slot 1 again. */
    void reloadVino();
    /** Opens the journal of every listed wine, or of the selected one. */
    void zgodovinaVina (bool allWines);
    /** "(12,7,3)": the listed wines from the last row to the first, or the selected wine. */
    juce::String vinoIds (bool allWines);

    bool buttonAction (int code) override;
    /** Opens the editor of the selected wine. */
    bool editAction() override;
    /** Opens the opening-stock form of the vessel. */
    bool insertAction() override;
    void cellClicked (int row, int columnId, const juce::MouseEvent& event) override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

private:
    juce::XmlElement* rememberedRow = nullptr;
    JUCE_DECLARE_NON_COPYABLE (PregledBazeVino)
};
