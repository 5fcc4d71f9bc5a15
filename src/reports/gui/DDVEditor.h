#pragma once
// The window content that creates or changes one VAT rate: description, rate and kind in one
// panel; Save checks and stores through DDVStore and answers the opening browser, a refusal keeps
// the window open with the user's input. Owned by its window.
#include "frame/VindorWindowAction.h"
#include "frame/VindorWindowSetup.h"
#include "reports/DDVRecord.h"
#include "widgets/VindorPropertyPanel.h"

#include <juce_gui_basics/juce_gui_basics.h>

class DDVEditor : public juce::Component,
                  public VindorWindowAction,
                  public VindorWindowSetup
{
public:
    DDVEditor (const DDVRecord& record, bool createNew);
    ~DDVEditor() override;

    void resized() override;
    /** Checks and stores the rate; false with the reason in errorMessage when refused. */
    virtual bool save();

    bool okAction() override;

    const DDVRecord& getRecord() const { return record; }
    bool createsNew() const { return create; }
    VindorPropertyPanel& getPanel() { return panel; }

    juce::Value opisValue;
    juce::Value stopnjaValue;
    juce::Value tipValue;

    static constexpr int kMaxOpisChars = 200;

private:
    DDVRecord record;
    bool create = false;
    VindorPropertyPanel panel;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (DDVEditor)
};
