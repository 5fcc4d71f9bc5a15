#pragma once
// The register window of parties: the party query restricted to a party-kind mask, as a choosing
// browser for the pickers or an editing browser that opens the party editor and deactivates
// parties (never the current user or the own company). Owned by its window; it has at most one
// editor window open, remembered weakly as the insert or the edit window.
#include "frame/VindorWindowSetup.h"
#include "partners/StrankaRecord.h"
#include "widgets/PregledBaze.h"

#include <functional>

class PregledBazeStranka : public PregledBaze,
                           public VindorWindowSetup
{
public:
    PregledBazeStranka (int mask, bool editable);
    ~PregledBazeStranka() override;

    /** One row of the party query as a record. */
    static StrankaRecord interpretXml (const juce::XmlElement* row);
    /** One active party of any kind by id, queried on `query`. */
    static StrankaRecord getStrankaDetails (SQLtoXml* query, int id);

    /** Makes the content of the editor window: an editor of `row` (editing) or a new party
        prefilled from `row`, which may be null (inserting). The content must be a component and
        a StrankaEditorContent. Without a maker Edit and Insert open nothing. */
    using EditorMaker = std::function<VindorWindowAction* (PregledBazeStranka& browser, const juce::XmlElement* row, bool insert)>;
    static EditorMaker editorMaker;

    // PregledBaze
    void updateTableContent() override;
    bool deleteAction() override;
    void cellClicked (int row, int columnId, const juce::MouseEvent& event) override;

    // VindorWindowAction
    bool cancelAction() override;
    bool editAction() override;
    bool insertAction() override;

    // VindorWindowSetup: the party editor answers
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    int getMask() const { return mask; }
    KWindow* getInsertWindow() const { return insertWindow.get(); }
    KWindow* getEditWindow() const { return editWindow.get(); }

private:
    bool openEditor (bool insert);
    void hearEditor (KWindow* window);

    int mask;
    KWindowRef insertWindow;
    KWindowRef editWindow;
};
