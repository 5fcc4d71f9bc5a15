#include "widgets/BrowserEditing.h"

#include "core/Log.h"
#include "frame/MessageBoxes.h"
#include "widgets/CellFormat.h"
#include "widgets/PregledBaze.h"

using vindoro::vlog;

namespace
{
const juce::CharPointer_UTF8 kEditErrorKey ("Pri spreminjanju je pri\xc5\xa1lo do napake. stara vrednost je bila ");
} // namespace

bool BrowserEditing::commitCellEdit (int row, int columnId, const juce::String& typed)
{
    auto* element = browser.rowAt (row);
    if (element == nullptr)
        return false;
    const auto name = browser.getAttributeNameForColumnId (columnId);
    const auto old = element->getStringAttribute (name);

    juce::String value;
    if (! decodeAndCheck (name, typed, value))
    {
        vlog ("PregledBaze::EditableText::textWasEdited", "WARNING: rejected value " + typed.quoted() + " for " + name);
        showMessageOK (2, TRANS ("Napaka pri urejanju"), TRANS (kEditErrorKey) + old, &browser);
        browser.updateTableContent();
        browser.repaint();
        return false;
    }
    element->setAttribute (name, value);
    browser.setModified (element);
    browser.updateTableContent();
    browser.repaint();
    return true;
}

bool BrowserEditing::decodeAndCheck (const juce::String& name, const juce::String& typed, juce::String& stored)
{
    bool decoded = true;
    stored = CellFormat::decode (browser.columnSpec, name, typed, decoded);
    if (! decoded)
        return false;
    // An empty value passes only where the column takes text; any other goes through the same
    // type check as the edit dialog.
    if (stored.isEmpty())
        return ! isNumericColumn (name);
    return browser.checkCompliance (name, stored);
}

bool BrowserEditing::isNumericColumn (const juce::String& name) const
{
    if (browser.columnSpec.valid)
    {
        if (CellFormat::holdsNumbers (browser.columnSpec.cellTypeAt (browser.columnSpec.indexOfColumn (name))))
            return true;
    }
    if (browser.columns != nullptr)
        for (auto* column : browser.columns->getChildWithTagNameIterator ("COLUMN"))
            if (column->getStringAttribute ("name") == name)
            {
                // The result tree's own column kinds, not display types: 1 integer, 2 decimal, 3 a 0/1 flag.
                const int type = column->getIntAttribute ("type", 0);
                return type >= 1 && type <= 3;
            }
    return false;
}

bool BrowserEditing::insertRowDialog()
{
    if (browser.getData() == nullptr || browser.columns == nullptr)
        return true;

    juce::StringArray names;
    for (auto* column : browser.columns->getChildWithTagNameIterator ("COLUMN"))
    {
        const auto name = column->getStringAttribute ("name");
        if (name != "id" && name != "active")
            names.add (name);
    }

    juce::StringArray values, decodedValues;
    for (int i = 0; i < names.size(); ++i)
    {
        values.add ({});
        decodedValues.add ({});
    }
    juce::String problem;
    for (;;)
    {
        juce::AlertWindow window (TRANS ("Insert"), TRANS ("Dodajanje") + (problem.isEmpty() ? juce::String() : "\n" + problem),
                                  juce::MessageBoxIconType::NoIcon, &browser);
        for (int i = 0; i < names.size(); ++i)
        {
            window.addTextEditor (names[i], values[i], names[i] + ":");
            // The hint is only shown while the editor is empty; it never becomes a value.
            window.getTextEditor (names[i])->setTextToShowWhenEmpty (TRANS ("enter some text here"), juce::Colours::grey);
        }
        window.addButton (TRANS ("Save"), 1, juce::KeyPress (juce::KeyPress::returnKey));
        window.addButton (TRANS ("Cancel"), 0, juce::KeyPress (juce::KeyPress::escapeKey));
        if (window.runModalLoop() != 1)
            return true;

        for (int i = 0; i < names.size(); ++i)
            values.set (i, window.getTextEditorContents (names[i]));

        problem.clear();
        for (int i = 0; i < names.size() && problem.isEmpty(); ++i)
        {
            juce::String stored;
            if (decodeAndCheck (names[i], values[i], stored))
                decodedValues.set (i, stored);
            else
            {
                vlog ("PregledBaze::insertAction", "WARNING: value does not fit column " + names[i]);
                problem = TRANS ("Napaka pri urejanju") + ": " + names[i];
            }
        }
        if (problem.isEmpty())
            break;
    }

    auto* row = new juce::XmlElement ("ITEM");
    for (auto* column : browser.columns->getChildWithTagNameIterator ("COLUMN"))
    {
        const auto name = column->getStringAttribute ("name");
        if (name == "id")
            row->setAttribute (name, "auto");
        else if (name == "active")
            row->setAttribute (name, "1");
        else
            row->setAttribute (name, decodedValues[names.indexOf (name)]);
    }
    browser.getData()->addChildElement (row);
    ++browser.numRows;
    browser.invalidateRowIndex();
    browser.setInserted (row);
    browser.updateTableContent();
    browser.repaint();
    return true;
}

void BrowserEditing::cellClickedWhileEditable (juce::XmlElement* element, int clicks, const juce::String& name,
                                               const juce::String& old)
{
    if (clicks < 2)
    {
        if (element == browser.selectedRow)
            browser.deselectAllRows();
        else
            browser.selectedRow = element;
        return;
    }

    browser.selectedRow = element;
    editCellDialog (element, name, old);
}

void BrowserEditing::editCellDialog (juce::XmlElement* element, const juce::String& name, const juce::String& old)
{
    juce::String typed;
    {
        juce::AlertWindow window (TRANS ("Edit"), {}, juce::MessageBoxIconType::NoIcon, &browser);
        window.addTextEditor (name, old, {});
        window.addButton (TRANS ("Ok"), 1, juce::KeyPress (juce::KeyPress::returnKey));
        window.addButton (TRANS ("Cancel"), 0, juce::KeyPress (juce::KeyPress::escapeKey));
        if (window.runModalLoop() != 1)
            return;
        typed = window.getTextEditorContents (name);
    }
    if (typed.isEmpty())
        return;
    while (! browser.checkCompliance (name, typed))
    {
        juce::AlertWindow warning (TRANS ("Napaka pri urejanju"), TRANS (kEditErrorKey) + old,
                                   juce::MessageBoxIconType::WarningIcon, &browser);
        warning.addTextEditor (name, typed, {});
        warning.addButton (TRANS ("Ok"), 1, juce::KeyPress (juce::KeyPress::returnKey));
        warning.addButton (TRANS ("Cancel"), 0, juce::KeyPress (juce::KeyPress::escapeKey));
        if (warning.runModalLoop() != 1)
            return;
        typed = warning.getTextEditorContents (name);
    }
    if (typed != old)
    {
        element->setAttribute (name, typed);
        browser.setModified (element);
        browser.updateTableContent();
        browser.repaint();
    }
}

bool BrowserEditing::isUsableColumn (int columnId)
{
    auto& header = browser.tableList.getHeader();
    return header.getIndexOfColumnId (columnId, false) >= 0 && header.isColumnVisible (columnId);
}

void BrowserEditing::updateCurrentRow()
{
    const int last = browser.tableList.getLastRowSelected();
    if (last >= 0 && browser.tableList.isRowSelected (last))
    {
        browser.currentRow = last;
        return;
    }
    if (browser.currentRow >= 0)
        return;
    browser.currentRow = -1;
    for (int i = 0; auto* row = browser.rowAt (i); ++i)
        if (! row->getBoolAttribute ("deleted"))
        {
            browser.currentRow = 0;
            break;
        }
}

std::optional<bool> BrowserEditing::moveEditorByKey (const juce::KeyPress& key)
{
    if (key.isKeyCode (juce::KeyPress::rightKey))
        return moveEditor (1);
    if (key.isKeyCode (juce::KeyPress::leftKey))
        return moveEditor (-1);
    if (key.isKeyCode (juce::KeyPress::upKey) || key.isKeyCode (juce::KeyPress::downKey))
    {
        vlog ("PregledBaze::keyPressed", "up/down key " + juce::String (browser.currentRow));
        browser.updateCurrentRow();
        vlog ("PregledBaze::keyPressed", "updated row " + juce::String (browser.currentRow));
        return showEditor (browser.currentRow, browser.currentColumn);
    }
    return std::nullopt;
}

bool BrowserEditing::moveEditor (int step)
{
    const int n = browser.tableList.getHeader().getNumColumns (false);
    const int saved = browser.currentColumn;
    if (! browser.cellClickedFlag && (step > 0 ? browser.currentColumn < n : browser.currentColumn > -1))
        browser.currentColumn += step;
    browser.cellClickedFlag = false;

    for (;;)
    {
        while (browser.currentColumn >= 0 && browser.currentColumn <= n && ! isUsableColumn (browser.currentColumn))
            browser.currentColumn += step;
        if (browser.currentColumn > n || browser.currentColumn < 0)
        {
            browser.currentColumn = saved;
            return false;
        }
        browser.updateCurrentRow();
        if (showEditor (browser.currentRow, browser.currentColumn))
            return true;
        browser.currentColumn += step;
    }
}

bool BrowserEditing::showEditor()
{
    vlog ("PregledBaze::showEditor", "pokazi editor za vrstico:" + juce::String (browser.currentRow)
                                         + " stolpec:" + juce::String (browser.currentColumn));
    if (browser.currentRow >= 0 && browser.currentColumn >= 0)
        return showEditor (browser.currentRow, browser.currentColumn);
    return false;
}

bool BrowserEditing::showEditor (int row, int columnId)
{
    // The log names the source table of the column at position columnId counted from 0, which
    // runs one past the end for the last column: read it only when it exists.
    juce::String table;
    if (browser.columns != nullptr)
        if (auto* column = browser.columns->getChildElement (columnId))
            table = column->getStringAttribute ("org_table");
    vlog ("PregledBaze::showEditor",
          "vstopam za vrstico:" + juce::String (row) + " stolpec:" + juce::String (columnId) + " tabela:" + table);

    if (browser.getData() == nullptr)
    {
        vlog ("PregledBaze::showEditor", "ERROR: prazna tabela");
        return false;
    }
    if (columnId < 0)
    {
        vlog ("PregledBaze::showEditor", "ERROR: indeks stolpca negative:" + juce::String (columnId));
        return false;
    }
    if (! (row < browser.getNumRows()) || row < 0)
    {
        vlog ("PregledBaze::showEditor", "ERROR: nisem najdu vrstice:" + juce::String (row));
        return false;
    }
    browser.tableList.scrollToEnsureRowIsOnscreen (row);
    // The cell exists for every column of the row, also off-screen: the editor must open where it is seen.
    browser.tableList.scrollToEnsureColumnIsOnscreen (columnId);
    auto* cell = browser.tableList.getCellComponent (columnId, row);
    if (cell == nullptr)
    {
        vlog ("PregledBaze::showEditor",
              "Nisem najdu komponente za vrstico:" + juce::String (row) + " stolpec:" + juce::String (columnId));
        return false;
    }
    vlog ("PregledBaze::showEditor", "defocusing all");
    browser.forgetLastEditor();
    juce::Component::unfocusAllComponents();
    browser.tableList.selectRow (row, false, true);

    if (auto* label = dynamic_cast<juce::Label*> (cell))
    {
        vlog ("PregledBaze::showEditor", "showing Label editor");
        label->showEditor();
        vlog ("PregledBaze::showEditor", "getting pointer to Label editor");
        if (auto* editor = label->getCurrentTextEditor())
        {
            editor->setName ("label " + juce::String (columnId) + "," + juce::String (row));
            vlog ("PregledBaze::showEditor", "store pointer to Label editor");
            browser.lastEditor = editor;
            vlog ("PregledBaze::showEditor", "check if Label editor has keyboard focus");
            if (! editor->hasKeyboardFocus (false))
            {
                vlog ("PregledBaze::showEditor", "grabbing focus to label editor");
                editor->grabKeyboardFocus();
            }
        }
    }
    else
    {
        cell->grabKeyboardFocus();
        cell->setName ("celica " + juce::String (columnId) + "," + juce::String (row));
        browser.lastEditor = cell;
    }
    vlog ("PregledBaze::showEditor", "store col " + juce::String (columnId) + " and row " + juce::String (row));
    browser.setCurrentCell (row, columnId);
    vlog ("PregledBaze::showEditor", "done");
    return true;
}

bool BrowserEditing::showEditor (juce::XmlElement* row, const juce::String& columnName)
{
    if (row == nullptr || browser.getNumRows() <= 0)
    {
        vlog ("PregledBaze::showEditor", "ERROR: prazna tabela ali nullptr vrstica za stolpec " + columnName);
        return false;
    }
    auto name = columnName;
    if (name.isEmpty())
    {
        const int kind = row->getIntAttribute ("atip", 0);
        if (kind >= 5 && kind <= 117)
            name = "Ident";
        else if (kind >= 2 && kind <= 4)
            name = "Kolicina";
        else
        {
            vlog ("PregledBaze::showEditor", "ERROR: stolpec ni podan, in ne najdemo atip polja:" + juce::String (kind));
            return false;
        }
    }
    const int columnId = browser.getColumnIdForAttributeName (name);
    if (columnId < 0)
    {
        vlog ("PregledBaze::showEditor", "ERROR: nisem najdu tega stolpca:" + name);
        return false;
    }
    int index = 0;
    while (auto* r = browser.rowAt (index))
    {
        if (r == row)
            break;
        ++index;
    }
    vlog ("PregledBaze::showEditor", "done");
    return showEditor (index, columnId);
}

bool BrowserEditing::markSelectedRowModified()
{
    if (browser.selectedRow == nullptr)
        return false;
    vlog ("PregledBaze::editAction", "WARNING not implemented for this class, try doubleclicking");
    browser.setModified (browser.selectedRow);
    browser.updateTableContent();
    return true;
}

bool BrowserEditing::markSelectedRowsDeleted()
{
    const auto selected = browser.tableList.getSelectedRows();
    if (selected.isEmpty())
        return false;
    for (int i = selected.size(); --i >= 0;)
        if (auto* row = browser.rowAt (selected[i]))
            row->setAttribute ("deleted", "1");
    browser.deselectAllRows();
    browser.updateTableContent();
    browser.repaint();
    return true;
}

bool BrowserEditing::deleteSelectedRows (const juce::String& columnName)
{
    const auto selected = browser.tableList.getSelectedRows();
    if (selected.isEmpty())
        return false;
    if (columnName.isNotEmpty())
    {
        // The question names the row the user sees selected now, however the selection got there.
        auto* named = currentSelectionRow();
        const auto value = named != nullptr ? named->getStringAttribute (columnName) : juce::String();
        const auto message = TRANS ("Want to delete") + " '" + value + "' "
                             + (selected.size() > 1 ? TRANS ("and others...") : juce::String()) + "?";
        if (! askOkCancel (TRANS ("Delete"), message, &browser))
            return false;
    }
    for (int i = selected.size(); --i >= 0;)
        if (auto* row = browser.rowAt (selected[i]))
            SQLtoXml::setDeleted (row, true);
    browser.deselectAllRows();
    browser.updateTableContent();
    browser.repaint();
    return true;
}

juce::XmlElement* BrowserEditing::currentSelectionRow()
{
    const int last = browser.tableList.getLastRowSelected();
    if (last >= 0 && browser.tableList.isRowSelected (last))
        return browser.rowAt (last);
    const auto selected = browser.tableList.getSelectedRows();
    return selected.isEmpty() ? nullptr : browser.rowAt (selected[0]);
}

//==============================================================================
PregledBaze::EditableText::EditableText (PregledBaze& browser)
    : owner (browser)
{
    setEditable (false, true, false);
    setBorderSize (juce::BorderSize<int> (2, 4, 2, 4));
}

void PregledBaze::EditableText::setRowAndColumn (int newRow, int newColumnId)
{
    row = newRow;
    columnId = newColumnId;
    if (auto* element = owner.rowAt (row))
    {
        auto justification = getJustificationType();
        setText (owner.getTextForCell (element, owner.getAttributeNameForColumnId (columnId), justification),
                 juce::dontSendNotification);
        if (justification != getJustificationType())
        {
            setJustificationType (justification);
            repaint();
        }
    }
}

void PregledBaze::EditableText::mouseDown (const juce::MouseEvent&)
{
    dragStarted = false;
    selectOnMouseUp = isEnabled() && getParentComponent() != nullptr && getParentComponent()->isEnabled();
}

void PregledBaze::EditableText::mouseDrag (const juce::MouseEvent& e)
{
    if (! isEnabled() || ! e.mouseWasDraggedSinceMouseDown() || dragStarted)
        return;
    auto rows = owner.tableList.getSelectedRows();
    if (! rows.contains (row))
        rows.addRange (juce::Range<int> (row, row + 1));
    const auto description = owner.getDragSourceDescription (rows);
    if (! description.isVoid() && description.toString().isNotEmpty())
    {
        dragStarted = true;
        owner.startDragging (description, &owner.tableList);
    }
}

void PregledBaze::EditableText::mouseUp (const juce::MouseEvent& e)
{
    vlog ("PregledBaze::EditableText::mouseUp", "mouse up clicks:" + juce::String (e.getNumberOfClicks()));
    if (isEnabled() && selectOnMouseUp && ! dragStarted)
    {
        owner.tableList.selectRowsBasedOnModifierKeys (row, e.mods, true);
        if (e.getNumberOfClicks() <= 2)
            owner.cellClicked (row, columnId, e);
    }
    juce::Label::mouseUp (e);
}

void PregledBaze::EditableText::paint (juce::Graphics& g)
{
    g.setColour (juce::Colour (0xFF000000).withAlpha (0.2f));
    g.fillRect (getWidth() - 1, 0, 1, getHeight());
    juce::Label::paint (g);
}

bool PregledBaze::EditableText::keyPressed (const juce::KeyPress&)
{
    return false;
}

void PregledBaze::EditableText::focusGained (FocusChangeType)
{
    vlog ("PregledBaze::EditableText::focusGained", "gain focus col:" + juce::String (columnId) + " row:" + juce::String (row));
}

void PregledBaze::EditableText::focusLost (FocusChangeType)
{
    vlog ("PregledBaze::EditableText::focusLost", "lost focus col:" + juce::String (columnId) + " row:" + juce::String (row));
    if (isBeingEdited())
        hideEditor (false);
}

juce::TextEditor* PregledBaze::EditableText::createEditorComponent()
{
    vlog ("PregledBaze::EditableText::createEditorComponent", "here");
    auto* editor = new TEditor (getName());
    editor->setFont (getLookAndFeel().getLabelFont (*this));
    editor->setMultiLine (false);
    copyAllExplicitColoursTo (*editor);
    if (isColourSpecified (textWhenEditingColourId))
        editor->setColour (juce::TextEditor::textColourId, findColour (textWhenEditingColourId));
    if (isColourSpecified (backgroundWhenEditingColourId))
        editor->setColour (juce::TextEditor::backgroundColourId, findColour (backgroundWhenEditingColourId));
    if (isColourSpecified (outlineWhenEditingColourId))
        editor->setColour (juce::TextEditor::focusedOutlineColourId, findColour (outlineWhenEditingColourId));
    return editor;
}

void PregledBaze::EditableText::textWasEdited()
{
    if (owner.rowAt (row) == nullptr)
        return;
    owner.commitCellEdit (row, columnId, getText());
}

void PregledBaze::EditableText::textEditorReturnKeyPressed (juce::TextEditor& editor)
{
    vlog ("PregledBaze::EditableText::textEditorReturnKeyPressed", "enter was pressed");
    if (isBeingEdited())
    {
        vlog ("PregledBaze::EditableText::textEditorReturnKeyPressed", "is edited");
        hideEditor (false);
    }
    juce::ignoreUnused (editor);
}

PregledBaze::EditableText::TEditor::~TEditor()
{
    vlog ("PregledBaze::EditableText::TEditor::~TEditor", "destroying my name:" + getName());
}

bool PregledBaze::EditableText::TEditor::keyPressed (const juce::KeyPress& key)
{
    if (key.isKeyCode (juce::KeyPress::leftKey) && getCaretPosition() == 0)
    {
        vlog ("PregledBaze::EditableText::TEditor::keyPressed", "already at the left side");
        returnPressed();
        return false;
    }
    if (key.isKeyCode (juce::KeyPress::rightKey) && getCaretPosition() >= getTotalNumChars())
    {
        vlog ("PregledBaze::EditableText::TEditor::keyPressed", "already at the right side");
        returnPressed();
        return false;
    }
    if (key.isKeyCode (juce::KeyPress::upKey) || key.isKeyCode (juce::KeyPress::downKey))
        return false;
    return juce::TextEditor::keyPressed (key);
}

void PregledBaze::EditableText::TEditor::focusGained (FocusChangeType cause)
{
    vlog ("PregledBaze::EditableText::TEditor::focusGained", "gain focus");
    juce::TextEditor::focusGained (cause);
}

void PregledBaze::EditableText::TEditor::focusLost (FocusChangeType cause)
{
    vlog ("PregledBaze::EditableText::TEditor::focusLost", "lost focus");
    juce::TextEditor::focusLost (cause);
}

PregledBaze::EditableText* makeEditableTextCell (juce::Component* existing, PregledBaze& browser, int row, int columnId)
{
    auto* cell = dynamic_cast<PregledBaze::EditableText*> (existing);
    if (cell == nullptr)
    {
        delete existing;
        cell = new PregledBaze::EditableText (browser);
    }
    cell->setRowAndColumn (row, columnId);
    return cell;
}

//==============================================================================
ColourV::ColourV (PregledBaze& browser)
    : owner (browser)
{
    setSize (10, 24);
}

void ColourV::setRow (int row)
{
    colour = 0;
    if (auto* element = owner.rowAt (row))
        colour = (juce::uint32) element->getStringAttribute ("barva").getLargeIntValue();
    if (colour < 0x1000000)
        colour |= 0xFF000000;
    repaint();
}

void ColourV::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (colour));
}
