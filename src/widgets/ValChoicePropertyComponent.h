#pragma once
// A text row with a combo box beside it, for an amount and its unit: the text edits one Value,
// the combo picks the value of a second Value from a list. Both Values belong to the window.
#include "widgets/RowTextLabel.h"

#include <memory>

class ValChoicePropertyComponent : public juce::PropertyComponent,
                                   public juce::ComboBox::Listener
{
public:
    ValChoicePropertyComponent (const juce::Value& textValue, const juce::Value& choiceValue,
                                const juce::String& name, const juce::StringArray& choices,
                                const juce::Array<juce::var>& choiceValues, double share);
    ~ValChoicePropertyComponent() override;

    void refresh() override;
    virtual void setIndex (int) {}
    virtual int getIndex() const { return -1; }
    virtual void setText (const juce::String& text);
    virtual juce::String getText() const;

    void resized() override;
    void comboBoxChanged (juce::ComboBox*) override {}

    class LabelComp : public RowTextLabel
    {
    public:
        LabelComp (ValChoicePropertyComponent& owner, int maxChars, bool multiline);
    protected:
        void editFinished() override;
    private:
        ValChoicePropertyComponent& owner;
    };

    // Maps the combo's item id (position + 1) to and from the edited Value; same-type matches win.
    class RemapperValueSource : public juce::Value::ValueSource,
                                private juce::Value::Listener
    {
    public:
        RemapperValueSource (const juce::Value& source, const juce::Array<juce::var>& mappings);
        ~RemapperValueSource() override;
        juce::var getValue() const override;
        void setValue (const juce::var& newValue) override;

    private:
        juce::Value sourceValue;
        juce::Array<juce::var> mappings;
        void valueChanged (juce::Value&) override;
    };

    juce::Label& getLabel() { return *label; }
    juce::ComboBox& getComboBox() { return comboBox; }

private:
    juce::StringArray choices;
    double share;
    std::unique_ptr<LabelComp> label;
    juce::ComboBox comboBox;
    bool isCustomClass = false;

    void textWasEdited();
};
