#pragma once
// A right-aligned one-line text row (amounts and totals of the document windows), bound to a
// Value the window owns. The row owns its label; the label's text is the Value.
#include "widgets/RowTextLabel.h"

#include <memory>

class RTextPropertyComponent : public juce::PropertyComponent
{
public:
    RTextPropertyComponent (const juce::Value& value, const juce::String& name);
    ~RTextPropertyComponent() override;

    void refresh() override;
    virtual void setText (const juce::String& text);
    virtual juce::String getText() const;

    void resized() override;

    class LabelComp : public RowTextLabel
    {
    public:
        LabelComp (RTextPropertyComponent& owner, int maxChars, bool multiline);
    protected:
        void editFinished() override;
    private:
        RTextPropertyComponent& owner;
    };

    juce::Label& getLabel() { return *label; }

private:
    std::unique_ptr<LabelComp> label;

    void textWasEdited();
};
