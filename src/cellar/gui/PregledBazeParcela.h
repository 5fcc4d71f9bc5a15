#pragma once
// The register window of vineyard parcels: active parcels by name with their grower and country
// code, as a choosing browser (one click picks) for the parcel picker or an editing browser that
// opens the parcel editor and deactivates parcels. Owned by its window; at most one child is open.
#include "cellar/ParcelaRecord.h"
#include "frame/VindorWindowSetup.h"
#include "widgets/PregledBaze.h"

class PregledBazeParcela : public PregledBaze,
                           public VindorWindowSetup
{
public:
    explicit PregledBazeParcela (bool editable);
    ~PregledBazeParcela() override;

    static ParcelaRecord interpretXml (const juce::XmlElement* row);
    static const TableColumnSpec& columnSpec();

    // PregledBaze
    bool deleteAction() override;
    void cellClicked (int row, int columnId, const juce::MouseEvent& event) override;

    // VindorWindowAction
    bool editAction() override;
    bool insertAction() override;

    // VindorWindowSetup: the parcel editor or the print dialog answers
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

private:
    void openEditor (bool insert);
};
