#include "widgets/PregledBaze.h"

#include "core/Log.h"
#include "widgets/BrowserRows.h"
#include "widgets/CellFormat.h"
#include "frame/MessageBoxes.h"
#include "core/myIconv.h"
#include "print/myPrint.h"
#include "core/TextHelpers.h"
#include "widgets/Statistika.h"

using vindoro::vlog;

namespace
{
constexpr int kCodeCancel = 0, kCodeOk = 1, kCodeCancelAsk = 2, kCodeEdit = 3, kCodeSave = 4, kCodeDelete = 5,
              kCodeInsert = 6, kCodeSelect = 7, kCodePrint = 8, kCodePreview = 9, kCodeExport = 15;

const juce::CharPointer_UTF8 kEditErrorKey ("Pri spreminjanju je pri\xc5\xa1lo do napake. stara vrednost je bila ");

const juce::Colour kSelectedColour (0xFFADD8E6);
const juce::Colour kSummaryColour = juce::Colour (0xFF008000).withAlpha (0.2f);

constexpr int kHeaderFlags = juce::TableHeaderComponent::visible | juce::TableHeaderComponent::resizable
                             | juce::TableHeaderComponent::sortable | juce::TableHeaderComponent::appearsOnColumnMenu;

juce::Font plainLabelFont()
{
    juce::Label label;
    return juce::LookAndFeel::getDefaultLookAndFeel().getLabelFont (label);
}

int widthOfXs (const juce::Font& font, int count)
{
    return (int) std::ceil (font.getStringWidthFloat (juce::String::repeatedString ("X", count)));
}

bool hasModifiers (const juce::KeyPress& key)
{
    const auto m = key.getModifiers();
    return m.isShiftDown() || m.isCtrlDown() || m.isAltDown();
}
} // namespace

//==============================================================================
PregledBaze::PregledBaze (const juce::String& q, bool shouldBeEditable, const TableColumnSpec& spec)
    : editable (shouldBeEditable), columnSpec (spec), query (q), tableList (juce::String())
{
    vlog ("PregledBaze::PregledBaze", juce::String ("inside edit is ") + (editable ? "enabled" : "disabled"));
    if (query.isEmpty())
        vlog ("PregledBaze::PregledBaze", "FATAL ERROR - empty SQL query. Cant make table component.");
    threadedQuery = false;
    sqlQuery (query);
    bindTableAndBuildHeader();
}

PregledBaze::PregledBaze()
    : tableList (juce::String())
{
    selectedText = "None";
}

PregledBaze::~PregledBaze()
{
    statistika.reset();
    tableList.setModel (nullptr);
}

void PregledBaze::bindTableAndBuildHeader()
{
    tableList.setVisible (true);
    addAndMakeVisible (tableList);
    tableList.setModel (this);
    tableList.setColour (juce::ListBox::outlineColourId, juce::Colour (0xFF808080));
    tableList.setOutlineThickness (1);

    auto& header = tableList.getHeader();
    if (auto* cols = columns)
    {
        for (auto* column : cols->getChildWithTagNameIterator ("COLUMN"))
        {
            const auto name = column->getStringAttribute ("name");
            int width = column->getIntAttribute ("width", 0);
            auto text = name;
            int flags = kHeaderFlags;
            if (columnSpec.valid && columnSpec.isHidden (name))
                flags = 0;
            if (columnSpec.valid)
            {
                const int i = columnSpec.indexOfColumn (name);
                if (i >= 0)
                {
                    text = juce::translate (columnSpec.prefix + name);
                    if (columnSpec.widthAt (i) >= 1)
                        width = widthOfXs (tableFont, columnSpec.widthAt (i));
                }
            }
            header.addColumn (text, column->getIntAttribute ("columnId", 0), juce::jmax (1, width), 30, -1, flags);
        }
    }
    header.setSortColumnId (1, true);
    header.setStretchToFitActive (true);
    tableList.setMultipleSelectionEnabled (true);
    tableList.autoSizeAllColumns();

    tableFont.setHeight (14.0f);
    selectedText = "None";
    selectedRow = nullptr;
    cellClickedFlag = false;
    currentRow = currentColumn = -1;
    statistika.reset();
    summaryRows = false;

    if (columnSpec.valid && ! columnSpec.statColumns.isEmpty())
    {
        statistika = std::make_unique<Statistika> (this);
        addAndMakeVisible (*statistika);
    }
}

//==============================================================================
void PregledBaze::sqlQuery (const juce::String& sql)
{
    vlog ("PregledBaze::sqlQuery", "here");
    // The progress-window form of the query object (threadedQuery) is not available yet: every
    // query runs on the main thread until it is.
    SQLtoXml::sqlQuery (sql);
    invalidateRowIndex();
    // Row indices of the old result mean nothing in the new one.
    tableList.deselectAllRows();
    selectedText = juce::String();
    selectedRow = nullptr;
    query = sql;
}

juce::XmlElement* PregledBaze::rowAt (int index)
{
    if (! rowIndexValid)
    {
        rowIndex.clear();
        if (auto* d = getData())
            for (auto* row : d->getChildIterator())
                rowIndex.push_back (row);
        rowIndexValid = true;
    }
    return juce::isPositiveAndBelow (index, (int) rowIndex.size()) ? rowIndex[(size_t) index] : nullptr;
}

int PregledBaze::getNumRows()
{
    return numRows;
}

void PregledBaze::updateTableContent()
{
    tableList.updateContent();
    if (statistika != nullptr)
        statistika->updateStats();
}

void PregledBaze::repaintStatistika()
{
    if (statistika != nullptr)
        statistika->repaint();
}

void PregledBaze::reloadData()
{
    sqlQuery (query);
    updateTableContent();
    selectReferencedRow();
}

void PregledBaze::forgetLastEditor()
{
    lastEditor = nullptr;
}

//==============================================================================
juce::XmlElement* PregledBaze::getSelectedRow()
{
    const int last = tableList.getLastRowSelected();
    if (last >= 0 && tableList.isRowSelected (last))
        selectedRow = rowAt (last);
    return selectedRow;
}

juce::XmlElement* PregledBaze::currentSelectionRow()
{
    const int last = tableList.getLastRowSelected();
    if (last >= 0 && tableList.isRowSelected (last))
        return rowAt (last);
    const auto selected = tableList.getSelectedRows();
    return selected.isEmpty() ? nullptr : rowAt (selected[0]);
}

void PregledBaze::deselectAllRows()
{
    tableList.deselectAllRows();
    selectedRow = nullptr;
}

bool PregledBaze::hasZbirnik()
{
    if (! summaryRows || getData() == nullptr)
        return false;
    for (auto* row : getData()->getChildIterator())
        if (! row->getBoolAttribute ("deleted") && row->getBoolAttribute ("ign_stats"))
            return true;
    return false;
}

void PregledBaze::hideAllColumns()
{
    auto& header = tableList.getHeader();
    for (int id = 1; id <= header.getNumColumns (false); ++id)
        if (header.isColumnVisible (id))
            header.setColumnVisible (id, false);
    header.resized();
}

void PregledBaze::showAllColumns()
{
    auto& header = tableList.getHeader();
    for (int id = 1; id <= header.getNumColumns (false); ++id)
        if (! header.isColumnVisible (id))
            header.setColumnVisible (id, true);
    header.resized();
}

PregledBaze* PregledBaze::Clone (const TableColumnSpec& spec)
{
    auto* clone = new PregledBaze (query, editable, spec.valid ? spec : columnSpec);
    clone->reloadData();

    auto& mine = tableList.getHeader();
    auto& theirs = clone->tableList.getHeader();
    for (int id = 1; id <= mine.getNumColumns (false); ++id)
        theirs.setColumnVisible (id, mine.isColumnVisible (id));

    int sortId = 0;
    bool forwards = true;
    for (int i = 0; i < mine.getNumColumns (false); ++i)
    {
        const int id = mine.getColumnIdOfIndex (i, false);
        if (mine.getSortColumnId() == id)
        {
            sortId = id;
            forwards = mine.isSortedForwards();
        }
    }
    theirs.setSortColumnId (sortId, forwards);
    theirs.reSortTable();
    return clone;
}

//==============================================================================
void PregledBaze::markZbirnikRow (juce::XmlElement* row)
{
    SQLtoXml::setBkgColour (row, kSummaryColour);
    SQLtoXml::setIgnStats (row);
}

void PregledBaze::setDelnaStatistika (juce::XmlElement* row, const juce::String& value, int columnId)
{
    if (row == nullptr)
        return;
    row->setAttribute ("delnastatistika_value", value);
    row->setAttribute ("delnastatistika_cidx", columnId);
}

juce::String PregledBaze::getDelnaStatistikaValue (const juce::XmlElement* row)
{
    return row == nullptr ? juce::String() : row->getStringAttribute ("delnastatistika_value");
}

int PregledBaze::getDelnaStatistikaColumn (const juce::XmlElement* row)
{
    return row == nullptr ? 0 : row->getIntAttribute ("delnastatistika_cidx", 0);
}

void PregledBaze::sortOrderChanged (int columnId, bool forwards)
{
    if (columnId == 0 || getData() == nullptr)
        return;

    bool hadSummaries = false;
    for (auto* row : getData()->getChildIterator())
        if (row->hasAttribute ("bkg_colour"))
        {
            SQLtoXml::setDeleted (row, true);
            hadSummaries = true;
        }
    if (hadSummaries)
        removeDeleted();
    invalidateRowIndex();

    juce::Array<juce::XmlElement*> remembered;
    const auto selected = tableList.getSelectedRows();
    for (int i = 0; i < selected.size(); ++i)
        if (auto* row = rowAt (selected[i]))
            remembered.add (row);
    tableList.deselectAllRows();

    const auto attribute = getAttributeNameForColumnId (columnId);
    BrowserRows::sortRows (*getData(), attribute, forwards ? 1 : -1);

    if (summaryRows)
        numRows += BrowserRows::insertSummaryRows (*getData(), columns, attribute, columnSpec,
                                                   [this, columnId] (juce::XmlElement& summary, const juce::String& value)
                                                   {
                                                       markZbirnikRow (&summary);
                                                       setDelnaStatistika (&summary, value, columnId);
                                                   });
    invalidateRowIndex();

    if (! remembered.isEmpty())
    {
        int index = 0;
        for (auto* row : getData()->getChildIterator())
        {
            if (remembered.contains (row))
            {
                tableList.selectRow (index, false, false);
            }
            ++index;
        }
    }
    updateTableContent();
}

int PregledBaze::getColumnAutoSizeWidth (int columnId)
{
    const auto name = getAttributeNameForColumnId (columnId);
    if (columnSpec.valid)
    {
        const int i = columnSpec.indexOfColumn (name);
        if (i >= 0 && columnSpec.widthAt (i) >= 1)
            return widthOfXs (tableFont, columnSpec.widthAt (i));
    }
    int w = 32;
    if (auto* d = getData())
        for (auto* row : d->getChildIterator())
            w = juce::jmax (w, (int) std::ceil (tableFont.getStringWidthFloat (row->getStringAttribute (name))));
    return w + 8;
}

//==============================================================================
void PregledBaze::paintRowBackground (juce::Graphics& g, int row, int width, int height, bool selected)
{
    const juce::Rectangle<int> area (0, 0, width, height);
    if (selected)
    {
        g.setColour (kSelectedColour);
        g.fillRect (area);
    }
    auto* element = rowAt (row);
    if (element == nullptr)
        return;
    if (element->getBoolAttribute ("deleted"))
    {
        g.setColour (juce::Colour (0xFFFF0000).withAlpha (0.2f));
        g.fillRect (area);
    }
    if (element->getBoolAttribute ("inserted"))
    {
        g.setColour (juce::Colour (0xFF008000).withAlpha (0.2f));
        g.fillRect (area);
    }
    if (element->getBoolAttribute ("modified"))
    {
        g.setColour (juce::Colour (0xFF0000FF).withAlpha (0.2f));
        g.fillRect (area);
    }
    if (element->hasAttribute ("bkg_colour"))
    {
        g.setColour (SQLtoXml::getBkgColour (element));
        g.fillRect (area);
    }
}

void PregledBaze::paintCell (juce::Graphics& g, int row, int columnId, int width, int height, bool)
{
    g.setColour (juce::Colour (0xFF000000));
    auto font = tableFont;
    font.setHeight (juce::jmin (tableFont.getHeight(), 0.7f * (float) height));
    g.setFont (font);

    const auto attribute = getAttributeNameForColumnId (columnId);
    if (auto* element = rowAt (row))
    {
        auto justification = juce::Justification (juce::Justification::centred);
        const auto text = getTextForCell (element, attribute, justification);
        g.drawText (text, 2, 0, width - 4, height, justification, true);
    }
    g.setColour (juce::Colour (0xFF000000).withAlpha (0.2f));
    g.fillRect (width - 1, 0, 1, height);
}

void PregledBaze::paintOverChildren (juce::Graphics& g)
{
    auto font = plainLabelFont().boldened();
    const float fh = font.getHeight();
    juce::String text;
    juce::Rectangle<float> box;

    if (getNumRows() <= 0)
    {
        text = TRANS ("Tabela ni podatkov");
        const float tw = std::ceil (font.getStringWidthFloat (text));
        box = juce::Rectangle<float> (fh * 1.5f + tw, fh * 1.5f).withCentre (tableList.getBounds().toFloat().getCentre());
    }
    else if (searchText.isNotEmpty())
    {
        text = searchText;
        const float tw = std::ceil (font.getStringWidthFloat (text));
        box = juce::Rectangle<float> (fh * 2.0f + tw, fh * 1.5f).withCentre (getLocalBounds().reduced (2).toFloat().getCentre());
    }
    else
    {
        return;
    }

    const auto background = getLookAndFeel().findColour (juce::ResizableWindow::backgroundColourId);
    g.setColour (background.withAlpha (0.8f));
    g.fillRoundedRectangle (box, 10.0f);
    g.setColour (background.contrasting().withAlpha (0.8f));
    g.drawRoundedRectangle (box, 10.0f, 2.0f);
    g.setFont (font);
    g.drawText (text, box, juce::Justification::centred, false);
}

void PregledBaze::lookAndFeelChanged()
{
    tableFont = plainLabelFont();
    repaint();
}

void PregledBaze::resized()
{
    vlog ("PregledBaze::resized", "here");
    auto area = getLocalBounds();
    const int rowHeight = tableList.getRowHeight();
    const int headerHeight = tableList.getHeader().getHeight();
    auto* hbar = tableList.getHorizontalScrollBar().isVisible() ? &tableList.getHorizontalScrollBar() : nullptr;
    const int content = getNumRows() * rowHeight + (hbar != nullptr ? tableList.getViewport()->getScrollBarThickness() : 0)
                        + 2 * tableList.getOutlineThickness() + headerHeight;

    if (statistika != nullptr && getNumRows() >= 1)
    {
        const int stripHeight = content > area.getHeight() - headerHeight ? rowHeight : area.getHeight() - content;
        auto strip = area.removeFromBottom (juce::jmax (0, stripHeight));
        statistika->setBounds (strip.getX(), strip.getY(), strip.getWidth(), headerHeight);
    }
    tableList.setBounds (area);
}

juce::var PregledBaze::getDragSourceDescription (const juce::SparseSet<int>& selectedRows)
{
    juce::XmlElement description ("DATA");
    for (int i = 0; i < selectedRows.size(); ++i)
        if (auto* row = rowAt (selectedRows[i]))
            description.addChildElement (new juce::XmlElement (*row));
    juce::XmlElement::TextFormat format;
    format.customEncoding = "UTF-8";
    return description.toString (format);
}

//==============================================================================
juce::String PregledBaze::getAttributeNameForColumnId (int columnId) const
{
    if (columns == nullptr)
    {
        vlog ("PregledBaze::getAttributeNameForColumnId", "ERROR:no columns");
        return {};
    }
    for (auto* column : columns->getChildWithTagNameIterator ("COLUMN"))
        if (column->getIntAttribute ("columnId", 0) == columnId)
            return column->getStringAttribute ("name");
    return {};
}

int PregledBaze::getColumnIdForAttributeName (const juce::String& name) const
{
    if (columns == nullptr)
        return -1;
    for (auto* column : columns->getChildWithTagNameIterator ("COLUMN"))
        if (column->getStringAttribute ("name") == name)
            return column->getIntAttribute ("columnId", 0);
    return -1;
}

juce::String PregledBaze::getTextForCell (const juce::XmlElement* row, const juce::String& columnName,
                                          juce::Justification& justification, const juce::String& attributeName) const
{
    const auto attribute = attributeName.isNotEmpty() ? attributeName : columnName;
    const auto value = row != nullptr ? row->getStringAttribute (attribute) : juce::String();
    return CellFormat::textForValue (columnSpec, columnName, value, justification);
}

juce::String PregledBaze::getTextForCellZbirnik (const juce::XmlElement* row, const juce::String& columnName,
                                                 juce::Justification& justification) const
{
    vlog ("PregledBaze::getTextForCellZbirnik",
          "delnastatistika_value:" + (row != nullptr ? row->getStringAttribute ("delnastatistika_value") : juce::String()));
    return getTextForCell (row, columnName, justification, "delnastatistika_value");
}

juce::String PregledBaze::decodeTextForCell (const juce::String& typed, const juce::String& columnName) const
{
    bool decoded = true;
    return CellFormat::decode (columnSpec, columnName, typed, decoded);
}

bool PregledBaze::isIgnStatsRow (const juce::XmlElement* row) const
{
    return summaryRows && row != nullptr && row->getBoolAttribute ("ign_stats");
}

bool PregledBaze::commitCellEdit (int row, int columnId, const juce::String& typed)
{
    auto* element = rowAt (row);
    if (element == nullptr)
        return false;
    const auto name = getAttributeNameForColumnId (columnId);
    const auto old = element->getStringAttribute (name);

    juce::String value;
    if (! decodeAndCheck (name, typed, value))
    {
        vlog ("PregledBaze::EditableText::textWasEdited", "WARNING: rejected value " + typed.quoted() + " for " + name);
        showMessageOK (2, TRANS ("Napaka pri urejanju"), TRANS (kEditErrorKey) + old, this);
        updateTableContent();
        repaint();
        return false;
    }
    element->setAttribute (name, value);
    setModified (element);
    updateTableContent();
    repaint();
    return true;
}

bool PregledBaze::decodeAndCheck (const juce::String& name, const juce::String& typed, juce::String& stored)
{
    bool decoded = true;
    stored = CellFormat::decode (columnSpec, name, typed, decoded);
    if (! decoded)
        return false;
    // An empty value passes only where the column takes text; any other goes through the same
    // type check as the edit dialog.
    if (stored.isEmpty())
        return ! isNumericColumn (name);
    return checkCompliance (name, stored);
}

bool PregledBaze::isNumericColumn (const juce::String& name) const
{
    if (columnSpec.valid)
    {
        const int type = columnSpec.typeAt (columnSpec.indexOfColumn (name));
        if (type >= 11 && type <= 21)
            return true;
    }
    if (columns != nullptr)
        for (auto* column : columns->getChildWithTagNameIterator ("COLUMN"))
            if (column->getStringAttribute ("name") == name)
            {
                const int type = column->getIntAttribute ("type", 0);
                return type >= 1 && type <= 3;
            }
    return false;
}

//==============================================================================
bool PregledBaze::buttonAction (int code)
{
    if (auto* opener = dynamic_cast<VindorWindowSetup*> (this))
        if (opener->currentChild != nullptr)
        {
            vlog ("PregledBaze::buttonAction", "one window is still open");
            return true;
        }
    vlog ("PregledBaze::buttonAction", "inside PregledBaze");

    switch (code)
    {
        case kCodeCancel: return cancelAction();
        case kCodeOk: return VindorWindowAction::okAction();
        case kCodeCancelAsk: return cancelActionAsk();
        case kCodeEdit:
            if (editable)
            {
                const bool answer = editAction();
                doneFlag = false;
                return answer;
            }
            vlog ("PregledBaze::buttonAction", "tukaj bom sel ven");
            doneFlag = false;
            notifyKWindowListener();
            return true;
        case kCodeSave: return saveAll();
        case kCodeDelete:
        {
            const bool answer = deleteAction();
            doneFlag = false;
            return answer;
        }
        case kCodeInsert:
        {
            const bool answer = insertAction();
            doneFlag = false;
            return answer;
        }
        case kCodePrint:
        {
            const bool answer = VindorWindowAction::printAction();
            doneFlag = false;
            return answer;
        }
        case kCodePreview:
        {
            const bool answer = VindorWindowAction::previewAction();
            doneFlag = false;
            return answer;
        }
        case kCodeExport:
        {
            const bool answer = exportAction();
            doneFlag = false;
            return answer;
        }
        default:
            vlog ("PregledBaze::buttonAction",
                  "PAZI ta gumb nima nobene povezave. Preveri ce imas tipkasko napako ali naredi nov buttnAction");
            return false;
    }
}

bool PregledBaze::saveAll()
{
    // Inserts, updates and deletions in one transaction: a failure anywhere leaves the database
    // and the rows on screen as they were, so the user can mend the cause and save again.
    SaveCounts counts;
    const int saved = saveMarkedRows (juce::StringArray ("id"), allMarkedRows, false, &counts);
    vlog ("PregledBaze::buttonAction", juce::String (counts.inserted) + " rows inserted");
    vlog ("PregledBaze::buttonAction", juce::String (counts.modified) + " rows updated");
    vlog ("PregledBaze::buttonAction", juce::String (counts.deleted) + " rows deleted");

    // New rows were counted when they were added; the tree itself is the truth after the save.
    if (auto* d = getData())
        numRows = d->getNumChildElements();
    invalidateRowIndex();
    updateTableContent();
    doneFlag = false;
    if (saved < 0)
    {
        // A failed save is no save: the window shows the reason instead of carrying on as if saved.
        setErrorMessage (lastError);
        return false;
    }
    notifyKWindowListener();
    return true;
}

bool PregledBaze::cancelAction()
{
    doneFlag = true;
    notifyKWindowListener();
    return true;
}

bool PregledBaze::cancelActionAsk()
{
    if (editable && askYesNoCancel (1, TRANS ("Cancel"), TRANS ("cancel edit question"), this) != 1)
    {
        doneFlag = false;
        return true;
    }
    doneFlag = true;
    notifyKWindowListener();
    return true;
}

bool PregledBaze::editAction()
{
    if (selectedRow == nullptr)
        return false;
    vlog ("PregledBaze::editAction", "WARNING not implemented for this class, try doubleclicking");
    setModified (selectedRow);
    updateTableContent();
    return true;
}

bool PregledBaze::insertAction()
{
    if (getData() == nullptr || columns == nullptr)
        return true;

    juce::StringArray names;
    for (auto* column : columns->getChildWithTagNameIterator ("COLUMN"))
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
                                  juce::MessageBoxIconType::NoIcon, this);
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
    for (auto* column : columns->getChildWithTagNameIterator ("COLUMN"))
    {
        const auto name = column->getStringAttribute ("name");
        if (name == "id")
            row->setAttribute (name, "auto");
        else if (name == "active")
            row->setAttribute (name, "1");
        else
            row->setAttribute (name, decodedValues[names.indexOf (name)]);
    }
    getData()->addChildElement (row);
    ++numRows;
    invalidateRowIndex();
    setInserted (row);
    updateTableContent();
    repaint();
    return true;
}

bool PregledBaze::deleteAction()
{
    const auto selected = tableList.getSelectedRows();
    if (selected.isEmpty())
        return false;
    for (int i = selected.size(); --i >= 0;)
        if (auto* row = rowAt (selected[i]))
            row->setAttribute ("deleted", "1");
    deselectAllRows();
    updateTableContent();
    repaint();
    return true;
}

bool PregledBaze::deleteSelectedRows (const juce::String& columnName)
{
    const auto selected = tableList.getSelectedRows();
    if (selected.isEmpty())
        return false;
    if (columnName.isNotEmpty())
    {
        // The question names the row the user sees selected now, however the selection got there.
        auto* named = currentSelectionRow();
        const auto value = named != nullptr ? named->getStringAttribute (columnName) : juce::String();
        const auto message = TRANS ("Want to delete") + " '" + value + "' "
                             + (selected.size() > 1 ? TRANS ("and others...") : juce::String()) + "?";
        vindoro::ModalQuestion question;
        question.icon = vindoro::kIconQuestion;
        question.title = TRANS ("Delete");
        question.message = message;
        question.buttons = { { TRANS ("OK"), 1 }, { TRANS ("Cancel"), 0 } };
        question.escapeResult = 0;
        if (vindoro::askModalQuestion (question, this) != 1)
            return false;
    }
    for (int i = selected.size(); --i >= 0;)
        if (auto* row = rowAt (selected[i]))
            SQLtoXml::setDeleted (row, true);
    deselectAllRows();
    updateTableContent();
    repaint();
    return true;
}

//==============================================================================
void PregledBaze::setEditable (bool shouldBeEditable) { editable = shouldBeEditable; }

void PregledBaze::setReferencedRow (const juce::String& column, const juce::String& value)
{
    refColumn = column;
    refValue = value;
}

void PregledBaze::selectReferencedRow()
{
    if (refColumn.isEmpty())
        return;
    vlog ("PregledBaze::selectReferencedRow", "referenced row:" + refColumn + " value:" + refValue);
    for (int i = 0; auto* row = rowAt (i); ++i)
        if (row->getStringAttribute (refColumn) == refValue)
        {
            deselectAllRows();
            selectedRow = row;
            tableList.selectRow (i, false, true);
            refColumn.clear();
            refValue.clear();
            break;
        }
    if (refColumn.isNotEmpty())
        vlog ("PregledBaze::selectReferencedRow", "WARNING: ref:" + refColumn + " ref value:" + refValue + " not found");
}

void PregledBaze::updateCurrentRow()
{
    const int last = tableList.getLastRowSelected();
    if (last >= 0 && tableList.isRowSelected (last))
    {
        currentRow = last;
        return;
    }
    if (currentRow >= 0)
        return;
    currentRow = -1;
    for (int i = 0; auto* row = rowAt (i); ++i)
        if (! row->getBoolAttribute ("deleted"))
        {
            currentRow = 0;
            break;
        }
}

void PregledBaze::clickCell (int row, int columnId, const juce::MouseEvent&)
{
    cellClickedFlag = true;
    setCurrentCell (row, columnId);
}

void PregledBaze::setCurrentCell (int row, int columnId)
{
    currentRow = row;
    currentColumn = columnId;
}

void PregledBaze::returnKeyPressed (int)
{
    if (editable)
        return;
    if (myWindow != nullptr && myWindow->hasButton (kCodeSelect))
    {
        myWindow->setExitValue (kCodeSelect);
        notifyKWindowListener();
    }
}

void PregledBaze::cellClicked (int row, int columnId, const juce::MouseEvent& event)
{
    vlog ("PregledBaze::cellClicked", "row " + juce::String (row) + " clicked " + juce::String (event.getNumberOfClicks()) + " times");
    clickCell (row, columnId, event);
    auto* element = rowAt (row);
    if (element == nullptr)
        return;

    const auto name = getAttributeNameForColumnId (columnId);
    const auto old = element->getStringAttribute (name);
    selectedText = old;
    vlog ("PregledBaze::cellClicked", "selected text is " + old + " column name is " + name + ", edit is "
                                          + (editable ? "enabled" : "disabled"));

    if (! editable)
    {
        if (element == selectedRow)
        {
            deselectAllRows();
            return;
        }
        selectedRow = element;
        if (myWindow != nullptr && myWindow->hasButton (kCodeSelect))
        {
            myWindow->setExitValue (kCodeSelect);
            notifyKWindowListener();
        }
        return;
    }

    if (event.getNumberOfClicks() < 2)
    {
        if (element == selectedRow)
            deselectAllRows();
        else
            selectedRow = element;
        return;
    }

    selectedRow = element;
    juce::String typed;
    {
        juce::AlertWindow window (TRANS ("Edit"), {}, juce::MessageBoxIconType::NoIcon, this);
        window.addTextEditor (name, old, {});
        window.addButton (TRANS ("Ok"), 1, juce::KeyPress (juce::KeyPress::returnKey));
        window.addButton (TRANS ("Cancel"), 0, juce::KeyPress (juce::KeyPress::escapeKey));
        if (window.runModalLoop() != 1)
            return;
        typed = window.getTextEditorContents (name);
    }
    if (typed.isEmpty())
        return;
    while (! checkCompliance (name, typed))
    {
        juce::AlertWindow warning (TRANS ("Napaka pri urejanju"), TRANS (kEditErrorKey) + old,
                                   juce::MessageBoxIconType::WarningIcon, this);
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
        setModified (element);
        updateTableContent();
        repaint();
    }
}

//==============================================================================
bool PregledBaze::isUsableColumn (int columnId)
{
    auto& header = tableList.getHeader();
    return header.getIndexOfColumnId (columnId, false) >= 0 && header.isColumnVisible (columnId);
}

bool PregledBaze::moveEditor (int step)
{
    const int n = tableList.getHeader().getNumColumns (false);
    const int saved = currentColumn;
    if (! cellClickedFlag && (step > 0 ? currentColumn < n : currentColumn > -1))
        currentColumn += step;
    cellClickedFlag = false;

    for (;;)
    {
        while (currentColumn >= 0 && currentColumn <= n && ! isUsableColumn (currentColumn))
            currentColumn += step;
        if (currentColumn > n || currentColumn < 0)
        {
            currentColumn = saved;
            return false;
        }
        updateCurrentRow();
        if (showEditor (currentRow, currentColumn))
            return true;
        currentColumn += step;
    }
}

bool PregledBaze::keyPressed (const juce::KeyPress& key)
{
    vlog ("PregledBaze::keyPressed", "INFO key pressed:" + key.getTextDescription());
    if (key.isKeyCode (juce::KeyPress::rightKey))
        return moveEditor (1);
    if (key.isKeyCode (juce::KeyPress::leftKey))
        return moveEditor (-1);
    if (key.isKeyCode (juce::KeyPress::upKey) || key.isKeyCode (juce::KeyPress::downKey))
    {
        vlog ("PregledBaze::keyPressed", "up/down key " + juce::String (currentRow));
        updateCurrentRow();
        vlog ("PregledBaze::keyPressed", "updated row " + juce::String (currentRow));
        return showEditor (currentRow, currentColumn);
    }
    return applyQuickSearchKey (key);
}

bool PregledBaze::applyQuickSearchKey (const juce::KeyPress& key)
{
    if (searchColumn.isEmpty())
        return false;
    if (key.getKeyCode() == 0)
    {
        vlog ("PregledBaze::keyPressed", "WARNING: invalid key pressed");
        return false;
    }
    const bool plain = ! hasModifiers (key);
    const auto c = key.getTextCharacter();
    if (plain && key.isKeyCode (juce::KeyPress::escapeKey))
        searchText.clear();
    else if (plain && key.isKeyCode (juce::KeyPress::returnKey))
        ;
    else if (plain && (key.isKeyCode (juce::KeyPress::backspaceKey) || key.isKeyCode (juce::KeyPress::deleteKey)))
        searchText = searchText.dropLastCharacters (1);
    else if (c > ' ')
        searchText += juce::String::charToString (c);
    else if (plain && key.isKeyCode (juce::KeyPress::spaceKey))
    {
        if (searchText.trim().isEmpty())
            return false;
        searchText += " ";
    }
    else
        return false;

    moveSelectionToSearchMatches();
    repaint();
    return true;
}

void PregledBaze::moveSelectionToSearchMatches()
{
    tableList.deselectAllRows();
    if (getData() == nullptr)
        return;
    const auto matches = BrowserRows::findSearchMatches (*getData(), searchColumn, searchText);
    for (int i = 0; i < matches.size(); ++i)
    {
        if (i == 0)
        {
            selectedRow = rowAt (matches[0]);
            tableList.selectRow (matches[0], false, true);
        }
        else
        {
            tableList.selectRow (matches[i], true, false);
        }
    }
}

//==============================================================================
bool PregledBaze::showEditor()
{
    vlog ("PregledBaze::showEditor", "pokazi editor za vrstico:" + juce::String (currentRow) + " stolpec:" + juce::String (currentColumn));
    if (currentRow >= 0 && currentColumn >= 0)
        return showEditor (currentRow, currentColumn);
    return false;
}

bool PregledBaze::showEditor (int row, int columnId)
{
    // The log names the source table of the column at position columnId counted from 0, which
    // runs one past the end for the last column: read it only when it exists.
    juce::String table;
    if (columns != nullptr)
        if (auto* column = columns->getChildElement (columnId))
            table = column->getStringAttribute ("org_table");
    vlog ("PregledBaze::showEditor", "vstopam za vrstico:" + juce::String (row) + " stolpec:" + juce::String (columnId) + " tabela:" + table);

    if (getData() == nullptr)
    {
        vlog ("PregledBaze::showEditor", "ERROR: prazna tabela");
        return false;
    }
    if (columnId < 0)
    {
        vlog ("PregledBaze::showEditor", "ERROR: indeks stolpca negative:" + juce::String (columnId));
        return false;
    }
    if (! (row < getNumRows()) || row < 0)
    {
        vlog ("PregledBaze::showEditor", "ERROR: nisem najdu vrstice:" + juce::String (row));
        return false;
    }
    tableList.scrollToEnsureRowIsOnscreen (row);
    auto* cell = tableList.getCellComponent (columnId, row);
    if (cell == nullptr)
    {
        vlog ("PregledBaze::showEditor", "Nisem najdu komponente za vrstico:" + juce::String (row) + " stolpec:" + juce::String (columnId));
        return false;
    }
    vlog ("PregledBaze::showEditor", "defocusing all");
    forgetLastEditor();
    juce::Component::unfocusAllComponents();
    tableList.selectRow (row, false, true);

    if (auto* label = dynamic_cast<juce::Label*> (cell))
    {
        vlog ("PregledBaze::showEditor", "showing Label editor");
        label->showEditor();
        vlog ("PregledBaze::showEditor", "getting pointer to Label editor");
        if (auto* editor = label->getCurrentTextEditor())
        {
            editor->setName ("label " + juce::String (columnId) + "," + juce::String (row));
            vlog ("PregledBaze::showEditor", "store pointer to Label editor");
            lastEditor = editor;
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
        lastEditor = cell;
    }
    vlog ("PregledBaze::showEditor", "store col " + juce::String (columnId) + " and row " + juce::String (row));
    setCurrentCell (row, columnId);
    vlog ("PregledBaze::showEditor", "done");
    return true;
}

bool PregledBaze::showEditor (juce::XmlElement* row, const juce::String& columnName)
{
    if (row == nullptr || getNumRows() <= 0)
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
    const int columnId = getColumnIdForAttributeName (name);
    if (columnId < 0)
    {
        vlog ("PregledBaze::showEditor", "ERROR: nisem najdu tega stolpca:" + name);
        return false;
    }
    int index = 0;
    while (auto* r = rowAt (index))
    {
        if (r == row)
            break;
        ++index;
    }
    vlog ("PregledBaze::showEditor", "done");
    return showEditor (index, columnId);
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

//==============================================================================
int PregledBaze::exportToText (const juce::File& file, int codePage, const juce::String& separator,
                               const juce::String& lineEnd, const juce::String& emptyCellText, bool withHeader)
{
    exportChangedRows = 0;
    // The arguments are checked before an existing file is touched.
    if (codePage != 1)
    {
        vlog ("PregledBaze::exportToText", "ERROR: no codepage specified");
        return -2;
    }
    myIconv converter ("CP1250", "UTF-8");
    if (! converter.isOpen())
    {
        vlog ("PregledBaze::exportToText", "ERROR: no codepage specified");
        return -2;
    }

    file.deleteFile();
    vlog ("PregledBaze::exportToText", "filetocreate:" + file.getFullPathName());
    juce::FileOutputStream out (file);
    if (! out.openedOk())
        return -1;

    struct ShownColumn { juce::String name; };
    std::vector<ShownColumn> shown;
    if (columns != nullptr)
    {
        auto& header = tableList.getHeader();
        for (auto* column : columns->getChildWithTagNameIterator ("COLUMN"))
        {
            const int id = column->getIntAttribute ("columnId", 0);
            if (header.getIndexOfColumnId (id, false) >= 0 && header.isColumnVisible (id))
                shown.push_back ({ column->getStringAttribute ("name") });
        }
    }

    auto writeLine = [&] (const juce::String& line, bool& converted) -> bool
    {
        const auto bytes = converter.convert (line.toRawUTF8(), line.getNumBytesAsUTF8());
        converted = ! bytes.empty() || line.isEmpty();
        if (! converted)
            return false;
        return out.write (bytes.data(), bytes.size());
    };

    if (withHeader)
    {
        juce::StringArray titles;
        for (const auto& c : shown)
            titles.add (columnSpec.valid && columnSpec.indexOfColumn (c.name) >= 0 ? juce::translate (columnSpec.prefix + c.name) : c.name);
        bool converted = true;
        const bool written = writeLine (titles.joinIntoString (separator) + lineEnd, converted);
        if (! converted)
        {
            vlog ("PregledBaze::exportToText", "ERROR:failed to convert header text");
            return -3;
        }
        if (! written)
            vlog ("PregledBaze::exportToText", "ERROR:failed to export encoded header text");
    }

    int count = 0;
    if (auto* d = getData())
        for (auto* row : d->getChildIterator())
        {
            if (row->getBoolAttribute ("deleted"))
                continue;
            juce::StringArray cells;
            for (const auto& c : shown)
            {
                auto justification = juce::Justification (juce::Justification::centred);
                auto text = getTextForCell (row, c.name, justification);
                cells.add (text.isEmpty() ? emptyCellText : text);
            }
            bool converted = true;
            const bool written = writeLine (cells.joinIntoString (separator) + lineEnd, converted);
            if (! converted)
            {
                vlog ("PregledBaze::exportToText", "ERROR:failed to convert row text");
                continue;
            }
            if (! written)
            {
                vlog ("PregledBaze::exportToText", "ERROR:failed to export encoded row");
                continue;
            }
            if (converter.getReplacementCount() > 0)
                ++exportChangedRows;
            ++count;
        }
    out.flush();
    return count;
}

bool PregledBaze::exportAction()
{
    juce::FileChooser chooser (TRANS ("Choose a file to save..."), juce::File::getCurrentWorkingDirectory(), "*.txt", false);
    if (! chooser.browseForFileToSave (true))
        return true;
    const auto file = chooser.getResult().withFileExtension (".txt");
    const int result = exportToText (file, 1, ";", "\r\n", {}, true);
    if (result >= 0)
    {
        auto message = TRANS ("Report exported to ") + file.getFullPathName();
        if (exportChangedRows > 0)
            message << "\n" << TRANS ("Rows with characters that CP1250 lacks, written with ?: ") << exportChangedRows;
        showMessageOK (vindoro::kIconInformation, TRANS ("Report export"), message, this);
    }
    else
    {
        showMessageOK (vindoro::kIconWarning, TRANS ("Report export"),
                       TRANS ("Problems occured when exporting report to ") + file.getFullPathName(), this);
    }
    return true;
}

//==============================================================================
namespace
{
struct Insets { float top, right, bottom, left; };

void fillFramedCell (myPrint* output, juce::Rectangle<float> cell, Insets in, const juce::FillType& inside)
{
    if (output == nullptr)
        return;
    output->setFill (juce::FillType (juce::Colours::black));
    output->fillRect (cell);
    output->setFill (inside);
    output->fillRect (juce::Rectangle<float>::leftTopRightBottom (cell.getX() + in.left, cell.getY() + in.top,
                                                                  cell.getRight() - in.right, cell.getBottom() - in.bottom));
    output->setFill (juce::FillType (juce::Colours::black));
}

void fillGlyphs (myPrint* output, const juce::GlyphArrangement& glyphs)
{
    if (output == nullptr)
        return;
    juce::Path path;
    glyphs.createPath (path);
    output->fillPath (path, juce::AffineTransform());
}

void printFitted (myPrint* output, const juce::Font& font, const juce::String& text, juce::Rectangle<float> box,
                  juce::Justification justification, int maxLines)
{
    juce::GlyphArrangement glyphs;
    glyphs.addFittedText (font, text, box.getX(), box.getY(), box.getWidth(), box.getHeight(), justification, juce::jmax (1, maxLines));
    fillGlyphs (output, glyphs);
}

const juce::Identifier kZbirnik ("zbirnik");
} // namespace

std::vector<juce::XmlElement*> PregledBaze::printableRows (bool summariesOnly)
{
    std::vector<juce::XmlElement*> rows;
    if (auto* d = getData())
        for (auto* row : d->getChildIterator())
        {
            if (row->getBoolAttribute ("deleted"))
                continue;
            if (summariesOnly && ! (summaryRows && row->getBoolAttribute ("ign_stats")))
                continue;
            rows.push_back (row);
        }
    return rows;
}

std::vector<PregledBaze::PrintColumn> PregledBaze::visibleResultColumns()
{
    std::vector<PrintColumn> out;
    if (columns == nullptr)
        return out;
    auto& header = tableList.getHeader();
    int position = 0;
    for (auto* column : columns->getChildWithTagNameIterator ("COLUMN"))
    {
        ++position;
        const int id = column->getIntAttribute ("columnId", 0);
        if (header.getIndexOfColumnId (id, false) >= 0 && header.isColumnVisible (id))
            out.push_back ({ column->getStringAttribute ("name"), position });
    }
    return out;
}

bool PregledBaze::printsStatsRow() const
{
    return columnSpec.valid && ! columnSpec.statColumns.isEmpty() && statistika != nullptr;
}

int PregledBaze::getPrintTableHeight (const juce::Font& font)
{
    return (int) (((int) font.getHeight() + 4) * (tableList.getModel() != nullptr ? getNumRows() + 1 : 1));
}

int PregledBaze::printTableInit (myPrint*, juce::Rectangle<int> area, const juce::Font& font, VindorPrintSettings& settings)
{
    auto& l = printLayout;
    l.cellBorder = settings.getFloat ("tablecellborder") * font.getHeight();
    const bool summariesOnly = settings.getValue (kZbirnik).getValue();
    l.printRows = (int) printableRows (summariesOnly).size();
    if (printsStatsRow())
    {
        vlog ("PregledBaze::printTableInit", "Stejem tudi zadnjo summary vrstico");
        ++l.printRows;
    }

    const auto shown = visibleResultColumns();
    l.printWidths.clearQuick();
    float sum = 0.0f;
    for (const auto& c : shown)
    {
        float w = 0.0f;
        if (columnSpec.valid)
        {
            const int i = columnSpec.indexOfColumn (c.name);
            w = (i >= 0 && columnSpec.widthAt (i) >= 1)
                    ? tableFont.getStringWidthFloat (juce::String::repeatedString ("X", columnSpec.widthAt (i)))
                    : 10.0f;
        }
        else
        {
            for (auto* row : printableRows (summariesOnly))
                w = juce::jmax (w, (float) row->getStringAttribute (c.name).length());
        }
        l.printWidths.add (w);
        sum += w;
    }
    // Widths that add up to nothing (no spec, no values) share the area equally.
    for (auto& w : l.printWidths)
        w = sum > 0.0f ? w * (float) area.getWidth() / sum : (float) area.getWidth() / (float) l.printWidths.size();

    l.largestArea = juce::jmax (l.largestArea, (float) area.getHeight());
    l.printFont = font;
    l.rowHeight = 2.0f * l.cellBorder + font.getHeight();
    l.headerHeight = font.getHeight() * (float) (int) settings.getValue ("headerlines").getValue() + 2.0f * l.cellBorder;
    // At least one row per page, however large the font: the page count never divides by zero.
    l.rowsPerPage = juce::jmax (1, (int) (((float) area.getHeight() - l.headerHeight) / juce::jmax (0.01f, l.rowHeight)));
    l.pageCount = l.printRows / l.rowsPerPage + (l.printRows % l.rowsPerPage != 0 ? 1 : 0);
    l.rowOffset = 0;
    vlog ("PregledBaze::printTableInit", juce::String::formatted ("Printing setup total %d rows - %d rows per page x %d pages available %d",
                                                                  l.printRows, l.rowsPerPage, l.pageCount, area.getHeight()));
    return l.pageCount;
}

int PregledBaze::printTableResize (myPrint* output, juce::Rectangle<int> area, const juce::Font& font, int page,
                                   VindorPrintSettings& settings)
{
    auto& l = printLayout;
    const int first = page * l.rowsPerPage + l.rowOffset;
    vlog ("PregledBaze::printTableResize", juce::String::formatted ("page:%d prej je %d strani, offset je %d", page, l.pageCount, l.rowOffset));
    printTableInit (output, area, font, settings);
    l.rowOffset = first - page * l.rowsPerPage;
    if (first < l.printRows)
    {
        const int left = l.printRows - l.rowOffset;
        l.pageCount = left / l.rowsPerPage + (left % l.rowsPerPage != 0 ? 1 : 0);
        vlog ("PregledBaze::printTableResize", juce::String::formatted ("page:%d sedaj je %d strani, offset %d", page, l.pageCount, l.rowOffset));
        return l.pageCount;
    }
    return 0;
}

int PregledBaze::printTablePage (myPrint* output, juce::Rectangle<int> area, int page, int& usedBottom, VindorPrintSettings& settings)
{
    return printTableFromRowOrPage (output, area, 0, true, page, usedBottom, settings);
}

int PregledBaze::printTableFromRow (myPrint* output, juce::Rectangle<int> area, int firstRow, int& usedBottom,
                                    VindorPrintSettings& settings)
{
    return printTableFromRowOrPage (output, area, firstRow, false, 0, usedBottom, settings);
}

float PregledBaze::printStatsRow (myPrint* output, juce::Rectangle<int> area, float y)
{
    auto& l = printLayout;
    const auto shown = visibleResultColumns();
    const auto title = statistika->getTitle();
    float labelEnd = (float) area.getX();
    juce::GlyphArrangement label;
    if (title.isNotEmpty())
    {
        auto bold = l.printFont.boldened();
        const auto text = juce::translate (title);
        const float w = bold.getStringWidthFloat (text);
        label.addFittedText (bold, text, (float) area.getX() + l.cellBorder, y + l.cellBorder, w, l.rowHeight - 2.0f * l.cellBorder,
                             juce::Justification::centred, 1);
        labelEnd = (float) area.getX() + (float) (int) (w + 2.0f * l.cellBorder);
    }

    // The first visible column at or after the label's end that has a statistic.
    int firstStats = (int) shown.size();
    float x = (float) area.getX();
    std::vector<float> starts;
    for (size_t i = 0; i < shown.size(); ++i)
    {
        starts.push_back (x);
        if (firstStats == (int) shown.size() && x >= labelEnd && statistika->hasStats (shown[i].name))
            firstStats = (int) i;
        x += (float) (int) l.printWidths[(int) i];
    }
    if (title.isNotEmpty())
    {
        const float labelRight = firstStats < (int) shown.size() ? starts[(size_t) firstStats] : x;
        fillFramedCell (output, { (float) area.getX(), y, labelRight - (float) area.getX(), l.rowHeight }, { 0.3f, 0.2f, 0.5f, 0.5f },
                        juce::FillType (juce::Colours::white));
        fillGlyphs (output, label);
    }
    for (int i = firstStats; i < (int) shown.size(); ++i)
    {
        const bool last = i == (int) shown.size() - 1;
        const juce::Rectangle<float> cell (starts[(size_t) i], y, l.printWidths[i], l.rowHeight);
        fillFramedCell (output, cell, { 0.3f, last ? 0.5f : 0.2f, 0.5f, 0.2f }, juce::FillType (juce::Colours::white));
        const auto& name = shown[(size_t) i].name;
        if (! statistika->hasStats (name))
            continue;
        auto inner = cell.reduced (l.cellBorder);
        if (statistika->getStats (name).kind == StatCore::S_label)
        {
            printFitted (output, l.printFont, juce::translate (columnSpec.prefix + "stats_" + name), inner, juce::Justification::centred, 2);
        }
        else
        {
            auto justification = juce::Justification (juce::Justification::centred);
            const auto text = getTextForCell (statistika->getStatsRow(), name, justification);
            printFitted (output, l.printFont, text, inner, justification, 2);
        }
    }
    return y + (float) (int) l.rowHeight;
}

int PregledBaze::printTableFromRowOrPage (myPrint* output, juce::Rectangle<int> area, int first, bool pageMode, int page,
                                          int& usedBottom, VindorPrintSettings& settings)
{
    auto& l = printLayout;
    const bool summariesOnly = settings.getValue (kZbirnik).getValue();
    const int headerStyle = (int) settings.getValue ("headerstyle").getValue();
    const auto shown = visibleResultColumns();
    const auto rows = printableRows (summariesOnly);
    const bool withStatsRow = printsStatsRow();
    if (output != nullptr)
        output->setFill (juce::FillType (juce::Colours::black));

    std::vector<float> starts;
    float x = (float) area.getX();
    for (int i = 0; i < (int) shown.size(); ++i)
    {
        starts.push_back (x);
        x += (float) (int) l.printWidths[i];
    }
    const float tableRight = x;
    const auto rule = [&] (float y)
    {
        if (output != nullptr)
        {
            output->setFill (juce::FillType (juce::Colours::black));
            output->fillRect ({ (float) area.getX(), y, tableRight - (float) area.getX(), 0.4f });
        }
    };

    // Column-header row.
    auto headerFont = l.printFont;
    if (headerStyle == 0 || headerStyle == 1)
        headerFont = headerFont.boldened();
    const int headerLines = (int) ((l.headerHeight - 2.0f * l.cellBorder) / juce::jmax (0.01f, l.rowHeight - 2.0f * l.cellBorder));
    for (int i = 0; i < (int) shown.size(); ++i)
    {
        const auto& name = shown[(size_t) i].name;
        const auto text = columnSpec.valid && columnSpec.indexOfColumn (name) >= 0 ? juce::translate (columnSpec.prefix + name) : name;
        const juce::Rectangle<float> cell (starts[(size_t) i], (float) area.getY(), l.printWidths[i], l.headerHeight);
        if (headerStyle == 0)
        {
            if (output != nullptr)
            {
                output->setFill (juce::FillType (juce::Colour (0xFFAAAAAA)));
                output->fillRect (cell);
                output->setFill (juce::FillType (juce::Colours::white));
            }
        }
        else
        {
            fillFramedCell (output, cell, { 0.2f, i == (int) shown.size() - 1 ? 0.4f : 0.2f, 0.2f, i == 0 ? 0.4f : 0.2f },
                            juce::FillType (juce::Colours::white));
        }
        if (headerLines < 2)
        {
            printFitted (output, headerFont, text, cell.reduced (l.cellBorder), juce::Justification::centred, juce::jmax (1, headerLines));
        }
        else
        {
            juce::GlyphArrangement glyphs;
            glyphs.addJustifiedText (headerFont, text, cell.getX() + l.cellBorder, cell.getY() + headerFont.getHeight(),
                                     cell.getWidth() - 2.0f * l.cellBorder, juce::Justification::centred);
            fillGlyphs (output, glyphs);
        }
    }

    float y = (float) area.getY() + (float) (int) l.headerHeight;
    if (output != nullptr)
        output->setFill (juce::FillType (juce::Colours::black));

    const int firstRow = pageMode ? page * l.rowsPerPage + l.rowOffset : first;
    const int pageEnd = pageMode ? firstRow + l.rowsPerPage : std::numeric_limits<int>::max();
    const int total = (int) rows.size();
    int index = juce::jmax (0, firstRow);

    for (; index < total && index < pageEnd; ++index)
    {
        auto* row = rows[(size_t) index];
        const int summaryColumn = summariesOnly ? getDelnaStatistikaColumn (row) : 0;
        std::vector<juce::GlyphArrangement> texts (shown.size());
        float rowHeight = l.rowHeight;
        juce::Rectangle<float> bounds;
        if (! pageMode)
            tableFont.setHeight (10.0f);
        for (int i = 0; i < (int) shown.size(); ++i)
        {
            auto justification = juce::Justification (juce::Justification::centred);
            const auto text = shown[(size_t) i].position == summaryColumn && summaryColumn > 0
                                  ? getTextForCellZbirnik (row, shown[(size_t) i].name, justification)
                                  : getTextForCell (row, shown[(size_t) i].name, justification);
            if (pageMode)
                texts[(size_t) i].addFittedText (l.printFont, text, starts[(size_t) i] + l.cellBorder, y + l.cellBorder,
                                                 l.printWidths[i] - 2.0f * l.cellBorder, l.rowHeight - 2.0f * l.cellBorder,
                                                 justification, 2);
            else
            {
                texts[(size_t) i].addJustifiedText (l.printFont, text, starts[(size_t) i] + l.cellBorder, y + l.printFont.getHeight(),
                                                    l.printWidths[i] - 2.0f * l.cellBorder, justification);
                bounds = bounds.isEmpty() ? texts[(size_t) i].getBoundingBox (0, -1, true)
                                          : bounds.getUnion (texts[(size_t) i].getBoundingBox (0, -1, true));
            }
        }
        if (! pageMode)
            rowHeight = bounds.getHeight() + l.cellBorder;

        if (y + (float) (int) rowHeight > (float) area.getBottom())
        {
            if ((float) (int) rowHeight + l.headerHeight > l.largestArea)
            {
                // Not even an empty page holds this row: retrying it on every page would never end.
                vlog ("PregledBaze::printTableFromRowOrPage", "ERROR: vrstica " + juce::String (index)
                                                                 + " ne gre na prazno stran, izpuscena");
                continue;
            }
            rule (y);
            vlog ("PregledBaze::printTableFromRowOrPage", "prevelika vrstica " + juce::String (index) + ", damo na drugo stran");
            usedBottom = (int) y;
            return index;
        }

        for (int i = 0; i < (int) shown.size(); ++i)
        {
            const juce::Rectangle<float> cell (starts[(size_t) i], y, l.printWidths[i], rowHeight);
            const auto fill = row->hasAttribute ("bkg_colour") && ! summariesOnly ? juce::FillType (SQLtoXml::getBkgColour (row))
                                                                                   : juce::FillType (juce::Colours::white);
            fillFramedCell (output, cell, { 0.2f, i == (int) shown.size() - 1 ? 0.4f : 0.2f, 0.2f, i == 0 ? 0.4f : 0.2f }, fill);
            fillGlyphs (output, texts[(size_t) i]);
        }
        y += (float) (int) rowHeight;
    }

    // The statistics row counts as the last printable row.
    if (withStatsRow && index == total && total < pageEnd)
    {
        if (y + (float) (int) l.rowHeight <= (float) area.getBottom())
            y = printStatsRow (output, area, y);
        else if (! pageMode)
        {
            rule (y);
            usedBottom = (int) y;
            return total;
        }
    }

    rule (y);
    usedBottom = (int) y;
    if (pageMode && index < total)
        return index;
    return 0;
}

int PregledBaze::printTableStats (myPrint* output, juce::Rectangle<int> area, int startIndex, int& usedBottom)
{
    usedBottom = area.getY();
    if (! printsStatsRow())
        return 0;
    auto& l = printLayout;
    auto font = l.printFont;
    font.setBold (false);
    if (output != nullptr)
        output->setFill (juce::FillType (juce::Colours::black));

    const auto shown = visibleResultColumns();
    std::vector<juce::String> names;
    for (const auto& c : shown)
        if (statistika->hasStats (c.name))
            names.push_back (c.name);

    float valueWidth = 0.0f;
    bool anyValue = false;
    const auto valueText = [&] (const juce::String& name, juce::Justification& j)
    { return getTextForCell (statistika->getStatsRow(), name, j); };
    for (const auto& name : names)
    {
        if (statistika->getStats (name).kind == StatCore::S_label)
            continue;
        anyValue = true;
        auto j = juce::Justification (juce::Justification::centred);
        juce::GlyphArrangement glyphs;
        glyphs.addJustifiedText (font, valueText (name, j), 0.0f, 0.0f, (float) area.getWidth() - 2.0f * l.cellBorder,
                                 juce::Justification::centredRight);
        valueWidth = juce::jmax (valueWidth, 2.5f * l.cellBorder + glyphs.getBoundingBox (0, -1, true).getWidth());
    }
    if (! anyValue)
        return 0;

    auto labels = area;
    const auto values = labels.removeFromRight ((int) (valueWidth + l.cellBorder));
    float y = (float) area.getY();
    const int start = juce::jmax (0, startIndex);
    for (int i = start; i < (int) names.size(); ++i)
    {
        const auto& name = names[(size_t) i];
        juce::GlyphArrangement labelGlyphs, valueGlyphs;
        float height = 2.0f * l.cellBorder;
        if (statistika->getStats (name).kind != StatCore::S_label)
        {
            labelGlyphs.addJustifiedText (font, juce::translate (columnSpec.prefix + "stats_" + name), (float) labels.getX() + l.cellBorder,
                                          y + font.getHeight(), (float) labels.getWidth() - 2.0f * l.cellBorder, juce::Justification::centredLeft);
            auto j = juce::Justification (juce::Justification::centred);
            valueGlyphs.addJustifiedText (font, valueText (name, j), (float) values.getX() + l.cellBorder, y + font.getHeight(),
                                          (float) values.getWidth() - 2.0f * l.cellBorder, juce::Justification::centredRight);
            height += labelGlyphs.getBoundingBox (0, -1, true).getUnion (valueGlyphs.getBoundingBox (0, -1, true)).getHeight();
        }
        if (y + height > (float) area.getBottom())
        {
            if (height > l.largestArea)
            {
                // Not even an empty area holds this row: leave it out rather than retry it forever.
                vlog ("PregledBaze::printTableStats", "ERROR: statistika " + name + " ne gre na prazno stran, izpuscena");
                continue;
            }
            usedBottom = (int) y;
            // Nothing of the block fitted yet: -1 (start again from the first), never 0 (complete).
            return i == 0 ? -1 : i;
        }
        const bool lastRow = i == (int) names.size() - 1;
        const Insets in { i == 0 ? 0.5f : 0.3f, 0.2f, lastRow ? 0.5f : 0.2f, 0.2f };
        fillFramedCell (output, { (float) labels.getX(), y, (float) labels.getWidth(), height }, in, juce::FillType (juce::Colours::white));
        fillFramedCell (output, { (float) values.getX(), y, (float) values.getWidth(), height }, in, juce::FillType (juce::Colours::white));
        fillGlyphs (output, labelGlyphs);
        fillGlyphs (output, valueGlyphs);
        y = (float) (int) (y + height);
    }
    usedBottom = (int) y;
    return 0;
}

int PregledBaze::printReport (juce::Rectangle<int> area, myPrint& printer, VindorPrintSettings& originalSettings, myPrint* output,
                              int totalPages)
{
    VindorPrintSettings settings (originalSettings);
    juce::Font font (12.0f);
    bool headerPlaced = false;
    bool tableDone = ! printsTable();
    bool statsDone = ! printsStats();
    int statsIndex = -1;
    int page = 0;

    for (;; ++page)
    {
        if (page > 0 && output != nullptr)
        {
            vlog ("PregledBaze::printReport", juce::String::formatted ("starting a new page %d", page));
            output->newPage (page);
        }
        auto body = area;
        const auto footer = body.removeFromBottom ((int) (area.getHeight() * 0.05));
        printer.printFooter (output, font, const_cast<juce::Rectangle<int>&> (footer), &printer, page + 1, totalPages);

        if (! headerPlaced)
        {
            if (printer.printHeader (output, font, body, &printer))
                headerPlaced = true;
            else if (page == 0)
                continue;
            else
            {
                // It did not fit on an empty page either: it never will.
                vlog ("PregledBaze::printReport", "ERROR: document header does not fit on a page, left out");
                headerPlaced = true;
            }
        }

        if (! tableDone)
        {
            font.setHeight (settings.getFloat ("fontsizetable"));
            const int m = page == 0 ? printTableInit (output, body, font, settings)
                                    : printTableResize (output, body, font, page, settings);
            if (page < m || m == 0)
            {
                int used = body.getY();
                printTablePage (output, body, page, used, settings);
                body.setTop (juce::jmin (body.getBottom(), used));
            }
            if (page + 1 >= m || printLayout.printRows == 0)
                tableDone = true;
            else
                continue;
        }

        if (! statsDone)
        {
            font.setHeight (11.0f);
            if (statsIndex < 0)
                printTableInit (output, body, font, settings);
            int used = body.getY();
            const int r = printTableStats (output, body, statsIndex, used);
            body.setTop (juce::jmin (body.getBottom(), used));
            if (r != 0 && page < myPrint::kMaxPagesPerJob)
            {
                statsIndex = r;
                continue;
            }
            statsDone = true;
        }
        break;
    }
    return page + 1;
}

//==============================================================================
namespace
{
struct PosColumn { juce::String name; int width; char align; };

PosColumn splitPosColumn (const juce::String& text)
{
    PosColumn c;
    c.name = text.upToFirstOccurrenceOf (":", false, false);
    const int first = text.indexOfChar (':'), last = text.lastIndexOfChar (':');
    const auto widthText = first < 0 ? juce::String() : first == last ? text.substring (first + 1) : text.substring (first + 1, last);
    c.width = juce::jmax (0, widthText.getIntValue());
    const auto alignment = last < 0 ? text : text.substring (last + 1);
    c.align = alignment.containsIgnoreCase ("L") ? 'L' : alignment.containsIgnoreCase ("R") ? 'R' : 'C';
    return c;
}

juce::String alignToWidth (const juce::String& text, const PosColumn& c)
{
    switch (c.align)
    {
        case 'L': return text.paddedRight (' ', c.width);
        case 'R': return text.paddedLeft (' ', c.width);
        default: return text.paddedLeft (' ', c.width / 2).paddedRight (' ', c.width);
    }
}

// One blank between cells while the receipt line has room, else the line ends.
void appendCellSeparator (juce::String& text, int lineWidth)
{
    const auto currentLine = text.fromLastOccurrenceOf ("\n", false, false);
    text << (currentLine.length() < lineWidth ? " " : "\n");
}
} // namespace

juce::String PregledBaze::printTablePOS (int lineWidth, const juce::StringArray& columnList)
{
    const auto separator = juce::String ("-").paddedLeft ('-', lineWidth) + "\n";
    auto& l = printLayout;
    l.printRows = 0;
    if (auto* d = getData())
        for (auto* row : d->getChildIterator())
            if (! row->getBoolAttribute ("deleted"))
                ++l.printRows;
    vlog ("PregledBaze::printTablePOS", "prestel vrstice:" + juce::String (l.printRows));
    if (printsStatsRow())
    {
        vlog ("PregledBaze::printTablePOS", "Stejem tudi zadnjo summary vrstico");
        ++l.printRows;
    }
    vlog ("PregledBaze::printTablePOS", "prestel vrstice skupaj z summary:" + juce::String (l.printRows));
    l.printWidths.clearQuick();

    std::vector<PosColumn> cols;
    juce::String line;
    vlog ("PregledBaze::printTablePOS", "printam header");
    for (const auto& text : columnList)
    {
        const auto c = splitPosColumn (text);
        cols.push_back (c);
        l.printWidths.add ((float) c.width);
        auto title = columnSpec.valid && columnSpec.indexOfColumn (c.name) >= 0 ? juce::translate (columnSpec.prefix + c.name) : c.name;
        if (title.length() > c.width)
            title = title.substring (0, c.width - 1) + ".";
        line << alignToWidth (title, c);
        appendCellSeparator (line, lineWidth);
    }
    auto result = line + separator;
    line.clear();

    if (auto* d = getData())
        for (auto* row : d->getChildIterator())
        {
            if (row->getBoolAttribute ("deleted"))
                continue;
            for (const auto& c : cols)
            {
                auto justification = juce::Justification (juce::Justification::centred);
                line << alignToWidth (getTextForCell (row, c.name, justification).substring (0, c.width), c);
                appendCellSeparator (line, lineWidth);
            }
        }
    result << line;
    vlog ("PregledBaze::printTablePOS", "koncal printanje tabele:" + result);
    return result;
}
