#include "widgets/PregledBaze.h"

#include "core/Log.h"
#include "frame/ButtonRecord.h"
#include "frame/MessageBoxes.h"
#include "widgets/BrowserEditing.h"
#include "widgets/BrowserExport.h"
#include "widgets/BrowserPrintout.h"
#include "widgets/BrowserRows.h"
#include "widgets/CellFormat.h"
#include "widgets/Statistika.h"

using vindoro::vlog;

namespace
{
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
    const auto versionBefore = getTreeVersion();
    if (threadedQuery)
        SQLtoXml::sqlQuery (sql, this); // a cancel or failure leaves the previous rows in place
    else
        SQLtoXml::sqlQuery (sql);
    invalidateRowIndex();
    // Row indices of the old result mean nothing in the new one; rows kept keep their selection.
    if (getTreeVersion() != versionBefore)
        tableList.deselectAllRows();
    selectedText = juce::String();
    selectedRow = nullptr;
    query = sql;
}

juce::XmlElement* PregledBaze::rowAt (int index)
{
    // Anyone may replace the tree or change its rows (stock models fill it from outside): the
    // index is trusted only while tree, row count and the query object's version are the ones
    // it was built from, so it never hands out a freed row.
    if (! rowIndexValid || indexedData != getData() || indexedRowCount != numRows || indexedVersion != getTreeVersion())
    {
        rowIndex.clear();
        if (auto* d = getData())
            for (auto* row : d->getChildIterator())
                rowIndex.push_back (row);
        indexedData = getData();
        indexedRowCount = numRows;
        indexedVersion = getTreeVersion();
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
    // New rows come in the query's order; the header's sort is the order the person sees.
    const auto& header = tableList.getHeader();
    if (header.getSortColumnId() > 0)
        sortOrderChanged (header.getSortColumnId(), header.isSortedForwards());
    updateTableContent();
    selectReferencedRow();
}

int PregledBaze::switchOffMarkedRows (const juce::String& idColumn, const juce::String& logSource)
{
    const int saved = saveDeleted (idColumn);
    // A stored deletion takes its rows out of the tree.
    invalidateRowIndex();
    if (saved < 0)
    {
        // Nothing was switched off: the rows must not look deleted.
        vindoro::vlog (logSource, "ERROR: " + lastError);
        if (auto* d = getData())
            for (auto* row : d->getChildIterator())
                SQLtoXml::setDeleted (row, false);
        updateTableContent();
        setErrorMessage (lastError);
    }
    else if (saved > 0)
        reloadData();
    else
        updateTableContent();
    repaint();
    return saved;
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
    const std::pair<const char*, juce::uint32> stateTints[] = { { "deleted", 0xFFFF0000 }, { "inserted", 0xFF008000 },
                                                                { "modified", 0xFF0000FF } };
    for (const auto& [flag, argb] : stateTints)
        if (element->getBoolAttribute (flag))
        {
            g.setColour (juce::Colour (argb).withAlpha (0.2f));
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

bool PregledBaze::decodeTextForCell (const juce::String& typed, const juce::String& columnName, juce::String& stored) const
{
    bool decoded = true;
    stored = CellFormat::decode (columnSpec, columnName, typed, decoded);
    if (! decoded)
        stored.clear();
    return decoded;
}

bool PregledBaze::isIgnStatsRow (const juce::XmlElement* row) const
{
    return summaryRows && row != nullptr && row->getBoolAttribute ("ign_stats");
}

bool PregledBaze::commitCellEdit (int row, int columnId, const juce::String& typed)
{
    return BrowserEditing (*this).commitCellEdit (row, columnId, typed);
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

    // These actions leave the window open whatever they answer.
    const auto staysOpen = [this] (bool answer)
    {
        doneFlag = false;
        return answer;
    };
    switch (code)
    {
        case ButtonCode::cancel: return cancelAction();
        case ButtonCode::ok: return VindorWindowAction::okAction();
        case ButtonCode::cancelAsk: return cancelActionAsk();
        case ButtonCode::edit:
            if (editable)
                return staysOpen (editAction());
            vlog ("PregledBaze::buttonAction", "tukaj bom sel ven");
            doneFlag = false;
            notifyKWindowListener();
            return true;
        case ButtonCode::saveItem: return saveAll();
        case ButtonCode::remove: return staysOpen (deleteAction());
        case ButtonCode::insert: return staysOpen (insertAction());
        case ButtonCode::print: return staysOpen (VindorWindowAction::printAction());
        case ButtonCode::preview: return staysOpen (VindorWindowAction::previewAction());
        case ButtonCode::exportTable: return staysOpen (exportAction());
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

bool PregledBaze::editAction() { return BrowserEditing (*this).markSelectedRowModified(); }

bool PregledBaze::insertAction() { return BrowserEditing (*this).insertRowDialog(); }

bool PregledBaze::deleteAction() { return BrowserEditing (*this).markSelectedRowsDeleted(); }

bool PregledBaze::deleteSelectedRows (const juce::String& columnName)
{
    return BrowserEditing (*this).deleteSelectedRows (columnName);
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

void PregledBaze::updateCurrentRow() { BrowserEditing (*this).updateCurrentRow(); }

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
    if (myWindow != nullptr && myWindow->hasButton (ButtonCode::select))
    {
        myWindow->setExitValue (ButtonCode::select);
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
        if (myWindow != nullptr && myWindow->hasButton (ButtonCode::select))
        {
            myWindow->setExitValue (ButtonCode::select);
            notifyKWindowListener();
        }
        return;
    }

    BrowserEditing (*this).cellClickedWhileEditable (element, event.getNumberOfClicks(), name, old);
}

//==============================================================================
bool PregledBaze::keyPressed (const juce::KeyPress& key)
{
    vlog ("PregledBaze::keyPressed", "INFO key pressed:" + key.getTextDescription());
    if (const auto moved = BrowserEditing (*this).moveEditorByKey (key))
        return *moved;
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
    BrowserRows::SearchKeyPress press;
    press.withModifiers = hasModifiers (key);
    press.escape = key.isKeyCode (juce::KeyPress::escapeKey);
    press.enter = key.isKeyCode (juce::KeyPress::returnKey);
    press.erase = key.isKeyCode (juce::KeyPress::backspaceKey) || key.isKeyCode (juce::KeyPress::deleteKey);
    press.space = key.isKeyCode (juce::KeyPress::spaceKey);
    press.character = key.getTextCharacter();
    if (! BrowserRows::applySearchKey (searchText, press))
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
    if (! matches.isEmpty())
        selectedRow = rowAt (matches[0]);
    for (int i = 0; i < matches.size(); ++i)
        tableList.selectRow (matches[i], i > 0, i == 0);
}

//==============================================================================
bool PregledBaze::showEditor() { return BrowserEditing (*this).showEditor(); }

bool PregledBaze::showEditor (int row, int columnId) { return BrowserEditing (*this).showEditor (row, columnId); }

bool PregledBaze::showEditor (juce::XmlElement* row, const juce::String& columnName)
{
    return BrowserEditing (*this).showEditor (row, columnName);
}

//==============================================================================
int PregledBaze::exportToText (const juce::File& file, int codePage, const juce::String& separator,
                               const juce::String& lineEnd, const juce::String& emptyCellText, bool withHeader)
{
    return BrowserExport (*this).toText (file, codePage, separator, lineEnd, emptyCellText, withHeader);
}

bool PregledBaze::exportAction() { return BrowserExport (*this).run(); }

//==============================================================================
int PregledBaze::getPrintTableHeight (const juce::Font& font) { return BrowserPrintout (*this).tableHeight (font); }

int PregledBaze::printTableInit (myPrint* output, juce::Rectangle<int> area, const juce::Font& font, VindorPrintSettings& settings)
{
    return BrowserPrintout (*this).tableInit (output, area, font, settings);
}

int PregledBaze::printTableResize (myPrint* output, juce::Rectangle<int> area, const juce::Font& font, int page,
                                   VindorPrintSettings& settings)
{
    return BrowserPrintout (*this).tableResize (output, area, font, page, settings);
}

int PregledBaze::printTablePage (myPrint* output, juce::Rectangle<int> area, int page, int& usedBottom, VindorPrintSettings& settings)
{
    return BrowserPrintout (*this).tablePage (output, area, page, usedBottom, settings);
}

int PregledBaze::printTableFromRow (myPrint* output, juce::Rectangle<int> area, int firstRow, int& usedBottom,
                                    VindorPrintSettings& settings)
{
    return BrowserPrintout (*this).tableFromRow (output, area, firstRow, usedBottom, settings);
}

int PregledBaze::printTableStats (myPrint* output, juce::Rectangle<int> area, int startIndex, int& usedBottom)
{
    return BrowserPrintout (*this).statsBlock (output, area, startIndex, usedBottom);
}

int PregledBaze::printReport (juce::Rectangle<int> area, myPrint& printer, VindorPrintSettings& settings, myPrint* output,
                              int totalPages)
{
    return BrowserPrintout (*this).report (area, printer, settings, output, totalPages);
}

juce::String PregledBaze::printTablePOS (int lineWidth, const juce::StringArray& columnList)
{
    return BrowserPrintout (*this).receipt (lineWidth, columnList);
}
