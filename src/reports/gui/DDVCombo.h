#pragma once
// The combo box that edits the VAT rate of one row of a browser (the invoice items' VAT cell):
// "Not selected" (item id 1, rate 0), then one item per rate of DDV with item id = rate id + 1.
// Owned by the browser's table as a cell component; it writes only the row it is bound to.
#include <juce_gui_basics/juce_gui_basics.h>

class PregledBaze;

class DDVCombo : public juce::ComboBox,
                 public juce::ComboBox::Listener
{
public:
    explicit DDVCombo (PregledBaze& ownerBrowser);
    ~DDVCombo() override;

    /** Binds the combo to a row of the owner's result and shows that row's rate ("ddvid"). */
    void setRowAndColumn (int row, int column);

    bool keyPressed (const juce::KeyPress& key) override;
    void comboBoxChanged (juce::ComboBox* changed) override;

    int getRow() const { return row; }
    int getColumn() const { return column; }

    /** The item id of "Not selected"; a rate's item id is its id + 1. */
    static constexpr int kNotSelectedItem = 1;

private:
    PregledBaze& owner;
    int row = -1;
    int column = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (DDVCombo)
};
