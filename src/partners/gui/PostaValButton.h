#pragma once
// The post-office chooser row: shows one field of a post office (post code or name) and takes a
// post office from table `posta`, setting its own value and a second one from another column of
// the same row. From the choosing window the user can switch to an editing window that keeps
// the post offices. Owned by its property panel; the two values are the caller's.
#include "frame/VindorWindowSetup.h"
#include "widgets/ValButtonPropertyComponent.h"

class PostaValButton : public ValButtonPropertyComponent,
                       public VindorWindowSetup
{
public:
    PostaValButton (const juce::String& myColumn, juce::Value& myValue, const juce::String& caption, juce::Component* owner,
                    const juce::String& otherColumn, juce::Value& otherValue);
    ~PostaValButton() override;

    void buttonClicked() override;
    juce::String getButtonText() const override;
    virtual void openSelectBrowser();
    virtual void openEditBrowser();
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

private:
    void launch (bool editable);
    void closeChild();

    juce::Value myValue;
    juce::Value otherValue;
    juce::String myColumn;
    juce::String otherColumn;
    juce::Component* owner;
};
