#pragma once
// Runs one long query on a worker thread behind a modal progress window with a Cancel button,
// for SQLtoXml's threaded load. Created and deleted by that one call; owns the fetched tree until
// the caller copies it. Never stopped in the middle of a database call.
#include <juce_gui_basics/juce_gui_basics.h>

class SqlitetoXml;

class SQLProgressThread : public juce::ThreadWithProgressWindow
{
public:
    SQLProgressThread (const juce::String& sql, juce::Component* owner, SqlitetoXml* db);
    ~SQLProgressThread() override;

    void run() override;
    void threadComplete (bool userPressedCancel) override;

    /** The fetched tree, null when the statement failed or never ran. */
    const juce::XmlElement* getRows() const { return rows.get(); }

protected:
    /** Every status text of the worker passes here on its way to the window (on the worker thread). */
    virtual void showStatus (const juce::String& text);

private:
    SqlitetoXml* db;
    std::unique_ptr<juce::XmlElement> rows;
    int rowCount = 0;
    int rowTotal = 0;
    juce::String sql;

    JUCE_DECLARE_NON_COPYABLE (SQLProgressThread)
};
