#pragma once
// The dialog that creates an oenological agent: label, description and one tick box per treatment
// kind it may serve, the boxes starting from the kind mask of the browser that opened it. A saved
// agent waits in the dialog's own agent slot for that browser. Owned by its window.
#include "frame/VindorWindowAction.h"
#include "operations/SredstvoListener.h"
#include "widgets/VindorPropertyPanel.h"

#include <array>

class AddSredstvo : public VindorWindowAction,
                    public juce::Component,
                    public SredstvoListener
{
public:
    /** `row`: a row of the agent register whose label and description start the dialog, or null. */
    AddSredstvo (const juce::XmlElement* row, int kindMask);
    ~AddSredstvo() override;

    bool okAction() override;
    bool cancelAction() override;
    /** Stores the agent; false with the error message set when refused or failed. */
    virtual bool save();
    void resized() override;

    /** The mask of the ticked boxes. */
    int getTip() const;
    /** Ticks exactly the boxes of the mask's bits. */
    void setTip (int mask);

    juce::Value& getOznakaValue() { return oznakaValue; }
    juce::Value& getOpisValue() { return opisValue; }
    juce::Value& getTipValue (int bit) { return tipValues[(size_t) bit]; }

protected:
    juce::Value idValue;
    juce::Value oznakaValue;
    juce::Value opisValue;
    std::array<juce::Value, kSredstvoTypeBits> tipValues;
    int kindMask;
    VindorPropertyPanel panel;
};
