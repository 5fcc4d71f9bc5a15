#pragma once
// A small real database table and a browser over it for the record-browser tests: the table
// "pbtest" in a fresh database file, the Slovenian language file loaded while the fixture lives.
#include "db/SQLtoXml.h"
#include "support/TestSupport.h"
#include "support/WidgetTestSupport.h"
#include "widgets/PregledBaze.h"
#include "widgets/Statistika.h"

#include <gtest/gtest.h>

namespace btest
{
using wtest::pump;

inline const TableColumnSpec& pbtestSpec()
{
    // The last two columns keep the browser's default width.
    static const TableColumnSpec spec ("pbtest_",
                                       { { "ime", CellType::text, 20 }, { "znesek", CellType::amount, 10 },
                                         { "kolicina", CellType::wholeRight, 0 }, { "datum", CellType::dateEdited, 0 } },
                                       { "id" });
    return spec;
}

/** The browser as a register window would derive it: editable cells for the shown columns. */
class TestBrowser : public PregledBaze
{
public:
    TestBrowser (const juce::String& q, bool canEdit, const TableColumnSpec& spec = pbtestSpec())
        : PregledBaze (q, canEdit, spec) {}

    juce::Component* refreshComponentForCell (int row, int columnId, bool, juce::Component* existing) override
    {
        if (editable && columnId >= 2)
            return makeEditableTextCell (existing, *this, row, columnId);
        delete existing;
        return nullptr;
    }

    void setSummaryRows (bool on) { summaryRows = on; }
    void setSearchColumn (const juce::String& c) { searchColumn = c; }
    juce::XmlElement* rememberedRow() const { return selectedRow; }
    int notifications = 0;
    void notifyKWindowListener() override { ++notifications; PregledBaze::notifyKWindowListener(); }
};

class BrowserDatabase : public ::testing::Test
{
protected:
    void SetUp() override
    {
        juce::LocalisedStrings::setCurrentMappings (
            new juce::LocalisedStrings (vtest::resourcesFolder().getChildFile ("slovensko.txt"), true));
        SQLtoXml q;
        ASSERT_TRUE (q.sqlQueryNA ("CREATE TABLE pbtest (id INTEGER PRIMARY KEY AUTOINCREMENT, "
                                   "ime TEXT CHECK (ime <> 'prepovedano'), znesek REAL, kolicina INTEGER, datum TEXT)"));
    }
    void TearDown() override { juce::LocalisedStrings::setCurrentMappings (nullptr); }

    static void addRows (int count)
    {
        SQLtoXml q;
        for (int i = 1; i <= count; ++i)
            q.sqlQueryNA ("INSERT INTO pbtest (ime, znesek, kolicina, datum) VALUES ('R" + juce::String (i).paddedLeft ('0', 3)
                          + "', " + juce::String (i * 1.5) + ", " + juce::String (i % 7) + ", '2021-03-05 00:00:00')");
    }
    static void add (const juce::String& ime, double znesek, int kolicina)
    {
        SQLtoXml q;
        q.sqlQueryNA ("INSERT INTO pbtest (ime, znesek, kolicina, datum) VALUES ('" + ime + "', " + juce::String (znesek) + ", "
                      + juce::String (kolicina) + ", '')");
    }
    static juce::StringArray namesInDatabase()
    {
        SQLtoXml q;
        juce::StringArray out;
        if (q.sqlQuery ("SELECT ime FROM pbtest ORDER BY id") != nullptr)
            for (auto* row : q.getData()->getChildIterator())
                out.add (row->getStringAttribute ("ime"));
        return out;
    }
    static juce::StringArray column (PregledBaze& b, const char* name)
    {
        juce::StringArray out;
        for (int i = 0; auto* row = b.rowAt (i); ++i)
            out.add (row->getStringAttribute (name));
        return out;
    }

    vtest::FreshDatabase database;
};

inline const char* const kQuery = "SELECT id, ime, znesek, kolicina, datum FROM pbtest";
} // namespace btest
