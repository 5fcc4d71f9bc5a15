#pragma once
// The register of grape varieties: the active varieties by name with a swatch of each one's
// colour, as a choosing browser for the variety picker or an editing browser that adds, edits and
// switches off varieties through the variety editor. A stored change is reported to the opener as
// a pick. Owned by its window; at most one editor window is open.
#include "frame/VindorWindowSetup.h"
#include "widgets/PregledBaze.h"

class PregledBazeSorta : public PregledBaze,
                         public VindorWindowSetup
{
public:
    /** `editing` 1 opens the editing register, 0 the choosing one. */
    explicit PregledBazeSorta (int editing);
    ~PregledBazeSorta() override;

    static const juce::String& query();
    static const TableColumnSpec& columnSpec();

    // PregledBaze
    bool deleteAction() override;
    void cellClicked (int row, int columnId, const juce::MouseEvent& event) override;
    juce::Component* refreshComponentForCell (int row, int columnId, bool selected, juce::Component* existing) override;

    // VindorWindowAction
    bool editAction() override;
    bool insertAction() override;

    // VindorWindowSetup: the variety editor answers
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    static constexpr int kSortaColumn = 2;
    static constexpr int kBarvaColumn = 4;

private:
    /** After a stored change: select the variety again and report it to the opener as picked. */
    void reportStored (juce::XmlElement* row);
};
