#pragma once
// Editing in a record browser: text typed into a cell checked and stored, the edit and insert
// dialogs, and the in-cell editor moved from column to column. Made on the stack for one call of
// the browser's editing functions; the cell components it drives (PregledBaze::EditableText,
// ColourV) are defined beside it. A value that does not fit its column is never stored.
#include <juce_gui_basics/juce_gui_basics.h>

#include <optional>

class PregledBaze;

class BrowserEditing
{
public:
    explicit BrowserEditing (PregledBaze& browserToEdit) : browser (browserToEdit) {}

    /** As PregledBaze::commitCellEdit. */
    bool commitCellEdit (int row, int columnId, const juce::String& typed);
    /** Typed text to the value to store; false when it does not decode or fit the column. */
    bool decodeAndCheck (const juce::String& name, const juce::String& typed, juce::String& stored);
    /** Whether the result column holds numbers (integer, decimal or 0/1), where an empty value cannot be stored. */
    bool isNumericColumn (const juce::String& name) const;

    /** The edit button's default: the selected row is marked modified. */
    bool markSelectedRowModified();
    /** The delete button's default: the selected rows are flagged "deleted", to go at the next save. */
    bool markSelectedRowsDeleted();
    /** As PregledBaze::deleteSelectedRows: with a column name, asks first, naming the row the user sees. */
    bool deleteSelectedRows (const juce::String& columnName);

    /** The insert dialog: one field per column but the key and the active flag, asked again until
        every value fits; the row is added as inserted. */
    bool insertRowDialog();
    /** A click on a cell of an editable browser: one click selects the row or, on the selected
        row, deselects it; a double click opens the edit dialog of the cell. */
    void cellClickedWhileEditable (juce::XmlElement* row, int clicks, const juce::String& name, const juce::String& old);
    /** The edit dialog of a double-clicked cell, asked again until the value fits or is cancelled. */
    void editCellDialog (juce::XmlElement* row, const juce::String& name, const juce::String& old);

    /** The arrow keys move the in-cell editor: left and right to the next usable column, up and
        down to the current row. The browser's answer to the key, or nothing for any other key. */
    std::optional<bool> moveEditorByKey (const juce::KeyPress& key);
    /** The current row of the in-cell editor: the last selected row, else the one it had, else the
        first row when any row is not flagged "deleted". */
    void updateCurrentRow();
    /** The in-cell editor one usable column to the right (1) or left (-1); false at the edge. */
    bool moveEditor (int step);
    bool showEditor();
    bool showEditor (int row, int columnId);
    bool showEditor (juce::XmlElement* row, const juce::String& columnName);

private:
    bool isUsableColumn (int columnId);
    juce::XmlElement* currentSelectionRow();

    PregledBaze& browser;
};
