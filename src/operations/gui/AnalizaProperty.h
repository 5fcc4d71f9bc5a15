#pragma once
// The settings-page row that opens the browser of wine analyses: all of them, or those whose
// decision contains the text typed into the row. Owned by its property panel; at most one
// browser window is open.
#include "frame/VindorWindowSetup.h"
#include "widgets/ValButtonPropertyComponent.h"

class AnalizaProperty : public ValButtonPropertyComponent,
                        public VindorWindowSetup
{
public:
    AnalizaProperty (juce::Value& shownValue, const juce::String& name, juce::Component* owner);
    ~AnalizaProperty() override;

    void buttonClicked() override;
    juce::String getButtonText() const override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;
    virtual void openBrowser();
    virtual void openBrowserAgain();

private:
    juce::Value myValue;
    juce::Component* owner;
};
