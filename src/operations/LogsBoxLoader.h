#pragma once
// Builds one page of the main window's list of latest journal entries: a header line per day,
// one line per entry with its operation, user and details text, and the links to the previous
// and next page, each line with its kind. Made on the stack for one reload and handed to the
// list's text, which lays the lines out; it holds its own copy of the page's rows.
#include <juce_core/juce_core.h>
#include <juce_graphics/juce_graphics.h>

#include <memory>

class SqlitetoXml;

class LogsBoxLoader
{
public:
    /** The kind of a line: how it is drawn, and which lines are links (above 4). */
    struct LineKind
    {
        static constexpr int dayHeader = 1;
        static constexpr int error = 2;
        static constexpr int entry = 3;
        static constexpr int nextPage = 5;
        static constexpr int prevPage = 6;
        static constexpr int firstLink = 5;
    };
    static constexpr int kPageSize = 15;
    static constexpr const char* kNoTarget = "ERROR: ni podan launcher";

    /** A clickable line: its index among the lines, where it lies, and its kind. */
    struct Link
    {
        int line = 0;
        juce::Rectangle<int> bounds;
        int kind = 0;
    };

    /** What receives a built page. */
    class Target
    {
    public:
        virtual ~Target() = default;
        virtual void setLines (const juce::StringArray& lines, const juce::Array<Link>& links, const juce::Array<int>& kinds) = 0;
    };

    /** `data` is the page query's DATA element (copied; null when the query failed), `db` the
        query object that ran it (null when there is no database). */
    LogsBoxLoader (Target* target, const juce::XmlElement* data, SqlitetoXml* db);
    ~LogsBoxLoader();

    /** The latest entries, newest first (entries of one date by id), `size` of them after `offset`. */
    static juce::String pageQuery (int offset, int size);
    /** Runs the page query at the offset on a query object of its own and hands the page to the target. */
    static bool loadPage (Target* target, int offset, int size);

    bool load();
    /** Clears the page and starts it; the number of rows. */
    int loadInit();
    /** Adds the entry of row `index` (after a day header when its day differs from `lastDay`,
        which then becomes its day); false when there is no such row. */
    bool addEntry (int index, juce::String& lastDay);
    void addNextPage();
    bool setText();

    int pageSize = kPageSize;
    int offset = 0;
    juce::StringArray lines;
    juce::Array<int> kinds;
    juce::Array<Link> links;

private:
    void addLine (const juce::String& line, int kind);

    Target* target = nullptr;
    SqlitetoXml* db = nullptr;
    std::unique_ptr<juce::XmlElement> rows;

    JUCE_DECLARE_NON_COPYABLE (LogsBoxLoader)
};
