#include "operations/LogsBoxLoader.h"
#include "core/DateTime.h"
#include "core/Log.h"
#include "db/SQLtoXml.h"
#include "operations/OpraviloLogDetails.h"

using juce::String;

namespace
{
void log (const char* method, const String& message)
{
    vindoro::vlog (String ("LogsBoxLoader::") + method, message);
}

String dayOf (const DateTime& when)
{
    return when.time.formatted (juce::translate ("%Y-%m-%d"));
}
} // namespace

LogsBoxLoader::LogsBoxLoader (Target* targetIn, const juce::XmlElement* data, SqlitetoXml* dbIn)
    : target (targetIn), db (dbIn)
{
    if (data != nullptr)
        rows = std::make_unique<juce::XmlElement> (*data);
    log ("LogsBoxLoader", "ready");
}

LogsBoxLoader::~LogsBoxLoader() = default;

String LogsBoxLoader::pageQuery (int offset, int size)
{
    // Entries of one date in id order too, so that no entry is shown twice or skipped from one
    // page to the next when many share a date.
    return "SELECT g.id,g.datum as datum,opravilo.ime AS ime,stranka.ime AS vindor,g.opravilo AS opraviloid FROM glavna AS g "
           "LEFT JOIN opravilo ON g.opravilo = opravilo.id LEFT JOIN stranka ON stranka.id = g.stranka "
           "ORDER BY g.datum DESC, g.id DESC LIMIT "
           + String (juce::jmax (0, offset)) + "," + String (juce::jmax (0, size));
}

bool LogsBoxLoader::loadPage (Target* target, int offset, int size)
{
    SQLtoXml db;
    const bool connected = db.ensureConnected();
    auto* result = connected ? db.sqlQuery (pageQuery (offset, size)) : nullptr;
    LogsBoxLoader loader (target, result != nullptr ? db.getData() : nullptr, connected ? &db : nullptr);
    loader.offset = offset;
    loader.pageSize = size;
    return loader.load();
}

void LogsBoxLoader::addLine (const String& line, int kind)
{
    lines.add (line);
    kinds.add (kind);
}

int LogsBoxLoader::loadInit()
{
    lines.clear();
    kinds.clear();
    links.clear();
    const int count = rows != nullptr ? rows->getNumChildElements() : 0;
    log ("loadInit", "got number of rows:" + String (count));
    if (offset > 0)
        addLine (TRANS ("Prev Page"), LineKind::prevPage);
    return count;
}

bool LogsBoxLoader::addEntry (int index, String& lastDay)
{
    auto* row = rows != nullptr ? rows->getChildElement (index) : nullptr;
    if (row == nullptr)
        return false;

    DateTime when;
    when = row->getStringAttribute ("datum");
    const auto day = dayOf (when);
    if (index == 0 || day != lastDay)
        addLine ("  " + day, LineKind::dayHeader);
    lastDay = day;

    const auto user = row->getStringAttribute ("vindor");
    String line = TRANS ("logbullet") + " " + juce::translate (row->getStringAttribute ("ime")) + " (" + user + ") - ";
    Opravilo::LogDetails details (row->getIntAttribute ("id", 0), row->getIntAttribute ("opraviloid", 0), {}, user, db);
    details.reloadText();
    if (details.getText().isNotEmpty())
        line << details.getText();
    addLine (line, LineKind::entry);
    return true;
}

void LogsBoxLoader::addNextPage()
{
    addLine (TRANS ("Next Page"), LineKind::nextPage);
}

bool LogsBoxLoader::load()
{
    if (db != nullptr && rows == nullptr)
    {
        // The page could not be read: say so rather than show an empty journal.
        lines.clear();
        kinds.clear();
        links.clear();
        addLine (TRANS ("log_napaka_branja"), LineKind::error);
    }
    else if (db != nullptr)
    {
        const int count = loadInit();
        String lastDay = dayOf (DateTime());
        int built = 0;
        for (int i = 0; i < count; ++i)
            if (addEntry (i, lastDay))
                ++built;
        if (built > 0 && built == pageSize)
            addNextPage();
    }
    else
    {
        lines.clear();
        kinds.clear();
        links.clear();
        addLine (TRANS ("Connection to database failed. Please check username and password."), LineKind::error);
    }
    return setText();
}

bool LogsBoxLoader::setText()
{
    if (target == nullptr)
    {
        log ("setText", kNoTarget);
        return false;
    }
    target->setLines (lines, links, kinds);
    return true;
}
