#pragma once
// The table of a record browser: the framework table list box, told which browser owns it, passing
// Delete/Backspace and the cursor keys on to that browser, reopening its cell editor after a refresh
// and letting its statistics line follow resized columns. Owned by its browser (held by value).
#include <juce_gui_basics/juce_gui_basics.h>

class PregledBaze;

class VindorTableListBox : public juce::TableListBox
{
public:
    explicit VindorTableListBox (const juce::String& componentName = {});

    /** Sets the model and `owner` (the model's browser, or none). */
    void setModel (juce::TableListBoxModel* model);
    /** The browsers' refresh: rows again, the open cell editor reopened, the owner laid out again. */
    void updateContent();

    PregledBaze* getOwner() const { return owner; }

    bool keyPressed (const juce::KeyPress& key) override;
    void resized() override;
    void childBoundsChanged (juce::Component* child) override;
    void parentSizeChanged() override;
    void returnKeyPressed (int row) override;
    void tableColumnsChanged (juce::TableHeaderComponent* header) override;
    void tableColumnsResized (juce::TableHeaderComponent* header) override;

private:
    PregledBaze* owner = nullptr;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VindorTableListBox)
};
