#pragma once
// The base of every picker row that chooses a referenced record: a button that opens a browser
// of the table in a child window and switches between its choosing and editing forms. Owned by
// its property panel; the child window and its browser belong to the window framework.
#include "frame/VindorWindowSetup.h"
#include "widgets/VindorButtonPropertyComponent.h"

class PregledBaze;

class TableButtonPropertyComponent : public VindorButtonPropertyComponent,
                                     public VindorWindowSetup
{
public:
    TableButtonPropertyComponent (const juce::String& name, const juce::String& tableName,
                                  juce::Component* ownerComponent, bool openForEditing);
    ~TableButtonPropertyComponent() override;

    void refresh() override;
    void buttonClicked() override;
    juce::String getButtonText() const override;
    virtual void openSelectBrowser();
    virtual void openEditBrowser();

    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    const juce::String& getTableName() const { return tableName; }
    bool isOpenForEditing() const { return openForEditing; }

protected:
    /** Opens the browser in a child window titled with the table, for the owner, answering here. */
    void launchBrowser (PregledBaze* browser);
    /** Brings the open child window to the front; true when there is one. */
    bool bringChildToFront();

    juce::Component* ownerComponent = nullptr;
    juce::String tableName;
    bool openForEditing = false;
};
