#pragma once
// The editable text of the program's own property rows (value, amount and picker rows): edits in
// place on a click, keeps a limit of characters, takes dropped file paths. Owned by its row, which
// it tells through editFinished when the user has finished an edit.
#include <juce_gui_basics/juce_gui_basics.h>

class RowTextLabel : public juce::Label,
                     public juce::FileDragAndDropTarget
{
public:
    RowTextLabel (juce::PropertyComponent& ownerRow, int maxChars, bool isMultiline);
    ~RowTextLabel() override;

    bool isInterestedInFileDrag (const juce::StringArray&) override { return true; }
    void filesDropped (const juce::StringArray& files, int, int) override;
    juce::TextEditor* createEditorComponent() override;
    void textWasEdited() override;

    int getMaxChars() const { return maxChars; }
    bool getIsMultiline() const { return isMultiline; }

protected:
    /** Called after the user finished an edit; the row compares and stores. */
    virtual void editFinished() = 0;

private:
    juce::PropertyComponent& row;
    int maxChars;
    bool isMultiline;

    JUCE_DECLARE_NON_COPYABLE (RowTextLabel)
};
