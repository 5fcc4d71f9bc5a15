#pragma once
// The record browser: runs one SQL text into its own row tree and shows it as a sortable table
// with in-cell editing, row states saved on request, summary rows, quick search and picking.
// Owned by the widget kit and derived by every register and report window; the header is built
// once from the first query, and row pointers handed out live only until the next query or sort.
// The virtuals keep their default work in parts of their own: BrowserPrintout (pages, receipts),
// BrowserExport (text files), BrowserEditing (cells, dialogs) and BrowserRows (sorting, summaries,
// quick search); a register window overrides the virtual, never the part.
#include "db/SQLtoXml.h"
#include "frame/VindorWindowAction.h"
#include "frame/VindorWindowSetup.h"
#include "widgets/PrintTableLayout.h"
#include "widgets/StatCore.h"
#include "widgets/TableColumnSpec.h"
#include "widgets/VindorTableListBox.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

class Statistika;

class PregledBaze : public juce::Component,
                    public VindorWindowAction,
                    public juce::DragAndDropContainer,
                    public juce::TableListBoxModel,
                    public SQLtoXml
{
public:
    PregledBaze (const juce::String& query, bool editable, const TableColumnSpec& spec);
    PregledBaze();
    ~PregledBaze() override;

    // juce::Component
    void lookAndFeelChanged() override;
    void paintOverChildren (juce::Graphics& g) override;
    bool keyPressed (const juce::KeyPress& key) override;
    void resized() override;

    // VindorWindowAction
    bool buttonAction (int code) override;
    bool cancelAction() override;
    bool cancelActionAsk() override;
    bool editAction() override;
    bool insertAction() override;
    int printReport (juce::Rectangle<int> area, myPrint& printer, VindorPrintSettings& settings, myPrint* output,
                     int totalPages) override;

    // juce::TableListBoxModel (getNumRows also answers the query object's row count)
    int getNumRows() override;
    void paintRowBackground (juce::Graphics&, int row, int width, int height, bool selected) override;
    void paintCell (juce::Graphics&, int row, int columnId, int width, int height, bool selected) override;
    void cellClicked (int row, int columnId, const juce::MouseEvent&) override;
    void sortOrderChanged (int columnId, bool forwards) override;
    int getColumnAutoSizeWidth (int columnId) override;
    void returnKeyPressed (int row) override;
    juce::var getDragSourceDescription (const juce::SparseSet<int>& selectedRows) override;

    // The browser's own extension points, in slot order.
    virtual void updateTableContent();
    virtual void repaintStatistika();
    virtual void reloadData();
    virtual void selectReferencedRow();
    virtual void setReferencedRow (const juce::String& column, const juce::String& value);
    virtual void updateCurrentRow();
    virtual void clickCell (int row, int columnId, const juce::MouseEvent& event);
    virtual void setCurrentCell (int row, int columnId);
    virtual void setEditable (bool shouldBeEditable);
    virtual void markZbirnikRow (juce::XmlElement* row);
    virtual void setDelnaStatistika (juce::XmlElement* row, const juce::String& value, int columnId);
    virtual juce::String getDelnaStatistikaValue (const juce::XmlElement* row);
    virtual int getDelnaStatistikaColumn (const juce::XmlElement* row);
    virtual bool deleteAction();
    virtual bool deleteSelectedRows (const juce::String& columnName);
    /** Stores the rows deleteSelectedRows marked as switched off (`active` 0) by `idColumn`, then
        reloads; when nothing could be stored the marks are taken back and the error is set. Answers
        saveDeleted's count, negative on failure. */
    int switchOffMarkedRows (const juce::String& idColumn, const juce::String& logSource);
    virtual bool exportAction();
    /** Writes the visible columns of the rows not flagged "deleted" as separated CP1250 text (code
        page 1); the rows written, or -1 (file), -2 (code page), -3 (header not converted). */
    virtual int exportToText (const juce::File& file, int codePage, const juce::String& separator,
                              const juce::String& lineEnd, const juce::String& emptyCellText, bool withHeader);
    virtual int getPrintTableHeight (const juce::Font& font);
    virtual int printTableInit (myPrint* output, juce::Rectangle<int> area, const juce::Font& font, VindorPrintSettings& settings);
    virtual int printTableResize (myPrint* output, juce::Rectangle<int> area, const juce::Font& font, int page,
                                  VindorPrintSettings& settings);
    virtual bool printsTable() { return true; }
    virtual int printTablePage (myPrint* output, juce::Rectangle<int> area, int page, int& usedBottom, VindorPrintSettings& settings);
    virtual int printTableFromRow (myPrint* output, juce::Rectangle<int> area, int firstRow, int& usedBottom,
                                   VindorPrintSettings& settings);
    virtual bool printsStats() { return false; }
    /** Prints the statistics block from statistic `startIndex` on (-1 or 0: the first). 0 when the
        block is complete, else the index to go on from on the next page (-1: nothing fitted yet). */
    virtual int printTableStats (myPrint* output, juce::Rectangle<int> area, int startIndex, int& usedBottom);
    /** The rows as fixed-width receipt text: titles, a line of dashes, then the cells of the listed
        columns ("name:width:alignment"), each cut and padded to its width. */
    virtual juce::String printTablePOS (int lineWidth, const juce::StringArray& columnList);
    virtual bool hasGroupExport() { return false; }
    virtual void groupExport() {}

    /** Rows of the last export that held characters CP1250 lacks (written with "?" in their place). */
    int getExportChangedRows() const { return exportChangedRows; }

    /** Runs `sql` into the browser's tree and makes it `query`; does not refresh the table. With
        threaded queries on, the rows load behind a progress window whose Cancel keeps the old rows. */
    void sqlQuery (const juce::String& sql);
    void setThreadedQuery (bool shouldThread) { threadedQuery = shouldThread; }
    bool isThreadedQuery() const { return threadedQuery; }
    juce::XmlElement* getSelectedRow() override;
    void deselectAllRows();
    bool hasZbirnik();
    PregledBaze* Clone (const TableColumnSpec& spec);
    void hideAllColumns();
    void showAllColumns();

    // Cell texts and editing.
    juce::String getAttributeNameForColumnId (int columnId) const;
    int getColumnIdForAttributeName (const juce::String& name) const;
    juce::String getTextForCell (const juce::XmlElement* row, const juce::String& columnName,
                                 juce::Justification& justification, const juce::String& attributeName = {}) const;
    juce::String getTextForCellZbirnik (const juce::XmlElement* row, const juce::String& columnName,
                                        juce::Justification& justification) const;
    /** The value to store for text typed into a cell of the column; false (and `stored` empty) when
        the text cannot be read as the column's type, and then nothing may be stored. */
    bool decodeTextForCell (const juce::String& typed, const juce::String& columnName, juce::String& stored) const;
    bool isIgnStatsRow (const juce::XmlElement* row) const;
    bool showEditor();
    bool showEditor (int row, int columnId);
    bool showEditor (juce::XmlElement* row, const juce::String& columnName);

    /** Stores text typed into a cell when it decodes and fits the column; otherwise keeps the old
        value, tells the user and answers false. */
    bool commitCellEdit (int row, int columnId, const juce::String& typed);

    /** The row element at `index` under "DATA", or nullptr. */
    juce::XmlElement* rowAt (int index);
    /** The index follows every change made through the query object and every change of the row
        count by itself; only rows added to "DATA" directly, without counting them, need this. */
    void invalidateRowIndex() { rowIndexValid = false; }
    void forgetLastEditor();

    VindorTableListBox& getTable() { return tableList; }
    const TableColumnSpec& getColumnSpec() const { return columnSpec; }
    const PrintTableLayout& getPrintLayout() const { return printLayout; }
    Statistika* getStatistika() const { return statistika.get(); }
    const juce::String& getQuery() const { return query; }
    const juce::String& getSearchText() const { return searchText; }
    bool isEditable() const { return editable; }

    /** The cell of an editable column: a label whose double click opens a single-line editor. */
    class EditableText : public juce::Label
    {
    public:
        explicit EditableText (PregledBaze& browser);
        void setRowAndColumn (int row, int columnId);

        void mouseDown (const juce::MouseEvent&) override;
        void mouseDrag (const juce::MouseEvent&) override;
        void mouseUp (const juce::MouseEvent&) override;
        void paint (juce::Graphics&) override;
        bool keyPressed (const juce::KeyPress&) override;
        void focusGained (FocusChangeType) override;
        void focusLost (FocusChangeType) override;
        juce::TextEditor* createEditorComponent() override;
        void textWasEdited() override;
        void textEditorReturnKeyPressed (juce::TextEditor&) override;

        class TEditor : public juce::TextEditor
        {
        public:
            using juce::TextEditor::TextEditor;
            ~TEditor() override;
            bool keyPressed (const juce::KeyPress&) override;
            void focusGained (FocusChangeType) override;
            void focusLost (FocusChangeType) override;
        };

        PregledBaze& owner;
        int row = -1;
        int columnId = 0;
        bool dragStarted = false;
        bool selectOnMouseUp = false;
    };

protected:
    bool editable = false;
    juce::String selectedText;
    juce::XmlElement* selectedRow = nullptr;
    bool cellClickedFlag = false;
    int currentRow = -1;
    int currentColumn = -1;
    juce::String refColumn;
    juce::String refValue;
    bool threadedQuery = false;
    bool summaryRows = false;
    juce::String searchText;
    juce::String searchColumn;
    TableColumnSpec columnSpec;
    juce::String query;
    VindorTableListBox tableList;
    std::unique_ptr<Statistika> statistika;
    juce::Font tableFont;

    PrintTableLayout printLayout;

    /** Builds the header from the result's columns and binds the table (construction steps 4-12). */
    void bindTableAndBuildHeader();

private:
    // The parts the browser's work is carved into; each works on the browser's own state.
    friend class BrowserEditing;
    friend class BrowserExport;
    friend class BrowserPrintout;

    bool saveAll();
    bool applyQuickSearchKey (const juce::KeyPress& key);
    void moveSelectionToSearchMatches();

    int exportChangedRows = 0;
    std::vector<juce::XmlElement*> rowIndex;
    bool rowIndexValid = false;
    const juce::XmlElement* indexedData = nullptr;
    int indexedRowCount = 0;
    juce::uint32 indexedVersion = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PregledBaze)
};

/** The cell component of an editable column (reusing `existing` when it already is one). */
PregledBaze::EditableText* makeEditableTextCell (juce::Component* existing, PregledBaze& browser, int row, int columnId);

/** A swatch cell painted in the row's "barva" colour. */
class ColourV : public juce::Component
{
public:
    explicit ColourV (PregledBaze& browser);
    void setRow (int row);
    void paint (juce::Graphics&) override;
    juce::uint32 getColour() const { return colour; }

private:
    PregledBaze& owner;
    juce::uint32 colour = 0;
};
