#pragma once
// The combo box that edits the unit of one row of a browser (the model register's unit cell):
// one item per unit of table `enota`, item id = unit id + 1. Owned by the browser's table as a
// cell component and rebound to other rows as the table reuses it; it writes only its own row.
#include <juce_gui_basics/juce_gui_basics.h>

class PregledBaze;

class EnotaCombo : public juce::ComboBox,
                   public juce::ComboBox::Listener
{
public:
    explicit EnotaCombo (PregledBaze& ownerBrowser);
    ~EnotaCombo() override;

    /** Binds the combo to a row of the owner's result and shows that row's unit ("enotaid"). */
    void setRowAndColumn (int row, int column);

    /** Writes a unit the user chose into the row ("enotaid", "enota") and marks it modified. */
    void comboBoxChanged (juce::ComboBox* changed) override;

    int getRow() const { return row; }
    int getColumn() const { return column; }

private:
    PregledBaze& owner;
    int row = -1;
    int column = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (EnotaCombo)
};

/** The unit cell of a browser row: `existing` when it already is an EnotaCombo (else it is
    deleted and a new combo made for `owner`), bound to the row and column. The table owns it. */
EnotaCombo* refreshEnotaCombo (juce::Component* existing, PregledBaze& owner, int row, int column);
