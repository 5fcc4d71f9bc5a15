#pragma once
// A text row with a button at its right: the base of every picker that shows its chosen value as
// text (file and folder choosers and the pickers of other subsystems). The window owns the Value;
// subclasses supply the click and the caption and call refresh after writing the Value.
#include "widgets/RowTextLabel.h"

#include <memory>

class ValButtonPropertyComponent : public juce::PropertyComponent,
                                   public juce::Button::Listener
{
public:
    ValButtonPropertyComponent (const juce::Value& value, const juce::String& name, int maxChars,
                                bool multiLine, double share, bool triggerOnMouseDown);
    ~ValButtonPropertyComponent() override;

    void refresh() override;
    virtual void buttonClicked() = 0;
    virtual juce::String getButtonText() const = 0;
    virtual void setText (const juce::String& text);
    virtual juce::String getText() const;

    void resized() override;
    void buttonClicked (juce::Button*) override;

    class LabelComp : public RowTextLabel
    {
    public:
        LabelComp (ValButtonPropertyComponent& owner, int maxChars, bool multiline);
    protected:
        void editFinished() override;
    private:
        ValButtonPropertyComponent& owner;
    };

    juce::Label& getLabel() { return *label; }
    juce::TextButton& getButton() { return button; }

private:
    double share;
    std::unique_ptr<LabelComp> label;
    juce::TextButton button;

    void textWasEdited();
};
