#pragma once
// The register of listed batches, newest first, optionally from a vintage on: new batches, edits,
// removal, and a batch's history one button away. As a chooser's browser one click picks a batch.
// Also the home of the checks bottling and the warehouse run on a picked batch before they book.
// Owned by its window; at most one window of its own (dialog or history) is open at a time.
#include "frame/VindorWindowSetup.h"
#include "warehouse/GoodsRecords.h"
#include "widgets/PregledBaze.h"

class SQLtoXml;

class PregledBazeSerija : public PregledBaze,
                          public VindorWindowSetup
{
public:
    /** The batches of `letnik` and later, with type-ahead search on the variety. */
    PregledBazeSerija (int letnik, bool countRow);
    /** Every listed batch. */
    PregledBazeSerija (bool editable, bool countRow);
    ~PregledBazeSerija() override;

    static const TableColumnSpec& columnSpec();

    static SerijaRecord interpretXml (const juce::XmlElement* row);
    static bool reloadSerija (SerijaRecord& record, SQLtoXml* db);
    static bool compare (SerijaRecord a, SerijaRecord b);
    /** True when the picked batch changed since it was picked, or can no longer be read (removed
        meanwhile, query failed); a changed batch is handed to the owner when it is a SerijaListener. */
    static bool reloadCompareSet (SerijaRecord picked, SQLtoXml* db, juce::Component* owner);
    static void addTables (SQLtoXml& db);

    void reloadData() override;
    void setEditable (bool shouldBeEditable) override;
    bool deleteAction() override;
    void cellClicked (int row, int columnId, const juce::MouseEvent& event) override;

    bool buttonAction (int code) override;
    bool cancelAction() override;
    bool editAction() override;
    bool insertAction() override;
    /** The selected batch's history. */
    virtual bool moreAction();

    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    int getLetnikFilter() const { return letnikFilter; }
    KWindow* getOpenChild() { return currentChild.get(); }

private:
    int letnikFilter = -1;
    bool countRow = false;
};
