#pragma once
// The register window of oenological agents of some treatment kinds (the active agents sharing a
// bit with its mask): a choosing browser for an agent picker, or an editing one whose add and edit
// dialogs it keeps; an agent added from it goes straight back to the picker as the choice. Owned
// by its window.
#include "frame/VindorWindowSetup.h"
#include "operations/SredstvoRecord.h"
#include "widgets/PregledBaze.h"

class PregledBazeSredstvo : public PregledBaze,
                            public VindorWindowSetup
{
public:
    PregledBazeSredstvo (int kindMask, bool editable);
    ~PregledBazeSredstvo() override;

    static SredstvoRecord interpretXml (const juce::XmlElement* row);
    static const TableColumnSpec& columnSpec();

    void updateTableContent() override;
    bool deleteAction() override;
    bool editAction() override;
    bool insertAction() override;
    bool cancelAction() override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    int getKindMask() const { return kindMask; }
    KWindow* getInsertDialog() const { return insertDialog.get(); }
    KWindow* getEditDialog() const { return editDialog.get(); }

private:
    int kindMask;
    KWindowRef insertDialog;
    KWindowRef editDialog;
};
