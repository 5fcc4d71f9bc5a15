#include "operations/OpraviloPretokTools.h"
#include "core/DateTime.h"
#include "core/Log.h"
#include "core/TextHelpers.h"
#include "db/SqlitetoXml.h"
#include "db/SQLtoXml.h"

#include <algorithm>

using juce::String;

namespace
{
constexpr int kInflow = 1;
constexpr int kOutflow = 2;

void logChain (const String& message)
{
    vindoro::vlog ("Opravilo::PretokTools::greDoSteklenicenja", message);
}

void logStep (const String& message)
{
    vindoro::vlog ("Opravilo::PretokTools::greDoSteklenicenjaRecursive", message);
}
} // namespace

juce::int64 Opravilo::PretokTools::timeOf (const String& datum)
{
    DateTime d;
    d = datum;
    return d.time.toMilliseconds();
}

Opravilo::PretokTools::RowIndex::RowIndex (const juce::XmlElement* rows)
{
    if (rows == nullptr)
        return;
    for (auto* row : rows->getChildIterator())
    {
        Entry e;
        e.row = row;
        e.time = timeOf (row->getStringAttribute ("datum"));
        e.order = (int) entries.size();
        entries.push_back (e);
    }
    for (const auto& e : entries)
    {
        byId[e.row->getIntAttribute ("id")].push_back (e.order);
        const int out = e.row->getIntAttribute ("pretokoutposoda");
        if (out != 0)
            byOutflow[out].push_back (e.order);
    }
    for (auto& [posoda, list] : byOutflow)
        std::stable_sort (list.begin(), list.end(), [this] (int x, int y) { return entries[(size_t) x].time < entries[(size_t) y].time; });
}

const Opravilo::PretokTools::RowIndex::Entry* Opravilo::PretokTools::RowIndex::find (int id) const
{
    auto it = byId.find (id);
    if (it == byId.end())
        return nullptr;
    for (int i : it->second)
        if (! SQLtoXml::isDeleted (entries[(size_t) i].row))
            return &entries[(size_t) i];
    return nullptr;
}

const Opravilo::PretokTools::RowIndex::Entry* Opravilo::PretokTools::RowIndex::nextOut (int posoda, juce::int64 t0, juce::int64 t1) const
{
    auto it = byOutflow.find (posoda);
    if (it == byOutflow.end())
        return nullptr;
    const auto& list = it->second;
    auto from = std::upper_bound (list.begin(), list.end(), t0,
                                  [this] (juce::int64 t, int i) { return t < entries[(size_t) i].time; });
    for (; from != list.end(); ++from)
    {
        const auto& e = entries[(size_t) *from];
        if (e.time > t1)
            return nullptr;
        if (! SQLtoXml::isDeleted (e.row))
            return &e;
    }
    return nullptr;
}

const bool* Opravilo::PretokTools::RowIndex::knownAnswer (int bottling, int entry) const
{
    auto it = answers.find ({ bottling, entry });
    return it != answers.end() ? &it->second : nullptr;
}

void Opravilo::PretokTools::RowIndex::rememberAnswer (int bottling, const std::vector<int>& walked, bool linked) const
{
    for (int entry : walked)
        answers[{ bottling, entry }] = linked;
}

Opravilo::PretokTools::PretokTools (int g, SqlitetoXml* database) : glavna (g), db (database) {}

bool Opravilo::PretokTools::greDoSteklenicenja (int steklenicenje, const juce::XmlElement* rows)
{
    if (rows != nullptr)
        return greDoSteklenicenja (steklenicenje, RowIndex (rows));

    const int posoda = db == nullptr ? 0
                                     : (int) db->sqlQueryInt ("SELECT p.posoda FROM pretok AS p LEFT JOIN glavna AS g ON g.id=p.glavna WHERE p.glavna="
                                                              + String (steklenicenje));
    const auto datum = db == nullptr ? String() : db->sqlQueryString ("SELECT datum FROM glavna WHERE id=" + String (steklenicenje));
    if (posoda < 1)
    {
        logChain ("ERROR: ne mores klicati te funkcije z posodo steklenicenja " + String (posoda));
        return false;
    }
    logChain ("-----------:Gledam ce je pretok:" + String (glavna) + " povezan s steklenicenjem:" + String (steklenicenje)
              + " v posoda_steklenicenja:" + String (posoda));
    const bool linked = followInDatabase (glavna, posoda, steklenicenje, datum);
    logChain (String ("-------------------------------:") + (linked ? "POVEZAN" : "NI POVEZAN"));
    return linked;
}

bool Opravilo::PretokTools::greDoSteklenicenja (int steklenicenje, const RowIndex& rows)
{
    const auto* bottling = rows.find (steklenicenje);
    const int posoda = bottling != nullptr ? bottling->row->getIntAttribute ("pretokoutposoda") : 0;
    if (posoda < 1)
    {
        logChain ("ERROR: ne mores klicati te funkcije z posodo steklenicenja " + String (posoda));
        return false;
    }
    logChain ("-----------:Gledam ce je pretok:" + String (glavna) + " povezan s steklenicenjem:" + String (steklenicenje)
              + " v posoda_steklenicenja:" + String (posoda));
    const bool linked = followInRows (glavna, posoda, steklenicenje, bottling->row->getStringAttribute ("datum"), rows);
    logChain (String ("-------------------------------:") + (linked ? "POVEZAN" : "NI POVEZAN"));
    return linked;
}

bool Opravilo::PretokTools::greDoSteklenicenjaRecursive (int a, int posodaSteklenicenja, int steklenicenje,
                                                         const String& datumSteklenicenja, const juce::XmlElement* rows)
{
    if (rows != nullptr)
        return followInRows (a, posodaSteklenicenja, steklenicenje, datumSteklenicenja, RowIndex (rows));
    return followInDatabase (a, posodaSteklenicenja, steklenicenje, datumSteklenicenja);
}

bool Opravilo::PretokTools::followInRows (int a, int posodaSteklenicenja, int steklenicenje, const String& datumSteklenicenja,
                                          const RowIndex& rows)
{
    const auto t1 = timeOf (datumSteklenicenja);
    // Every entry on the walk leads where the walk leads: remembered, a later walk that meets one
    // stops there instead of walking the rest of the chain again.
    std::vector<int> walked;
    const auto answer = [&] (bool linked)
    {
        rows.rememberAnswer (steklenicenje, walked, linked);
        return linked;
    };
    // Each step moves to a strictly later date, so the walk ends.
    for (;;)
    {
        logStep ("pretok:" + String (a) + " steklenicenje:" + String (steklenicenje) + " posoda_steklenicenja:" + String (posodaSteklenicenja));
        if (a == steklenicenje)
        {
            logStep ("prisli smo do steklenicenja");
            return answer (true);
        }
        if (const bool* known = rows.knownAnswer (steklenicenje, a))
        {
            logStep (String ("znano od prej:") + (*known ? "POVEZAN" : "NI POVEZAN"));
            return answer (*known);
        }
        walked.push_back (a);
        const auto* entry = rows.find (a);
        const int in = entry != nullptr ? entry->row->getIntAttribute ("pretokinposoda") : 0;
        const int out = entry != nullptr ? entry->row->getIntAttribute ("pretokoutposoda") : 0;
        const int care = entry != nullptr ? entry->row->getIntAttribute ("vinopraviloposoda") : 0;
        logStep ("posoda noter:" + String (in) + " posoda ven:" + String (out) + " posoda nege vina:" + String (care));
        const int followed = in != 0 ? in : out != 0 ? out : care;
        if (followed == 0)
        {
            logStep ("To nima pretoka/nege vina:" + String (a));
            return answer (true);
        }
        const auto t0 = entry != nullptr ? entry->time : timeOf ({});
        const auto* next = rows.nextOut (followed, t0, t1);
        const int nextId = next != nullptr ? next->row->getIntAttribute ("id") : 0;
        if (nextId < 1)
        {
            logStep ("ni vmesnih opravil <---" + String (nextId));
            return answer (false);
        }
        logStep ("nasel nov pretok--->" + String (nextId));
        a = nextId;
    }
}

bool Opravilo::PretokTools::followInDatabase (int a, int posodaSteklenicenja, int steklenicenje, const String& datumSteklenicenja)
{
    for (;;)
    {
        logStep ("pretok:" + String (a) + " steklenicenje:" + String (steklenicenje) + " posoda_steklenicenja:" + String (posodaSteklenicenja));
        if (a == steklenicenje)
        {
            logStep ("prisli smo do steklenicenja");
            return true;
        }
        if (db == nullptr)
            return false;
        const auto vessel = "SELECT p.posoda FROM pretok AS p LEFT JOIN glavna AS g ON g.id=p.glavna WHERE p.glavna=" + String (a)
                            + " AND p.smer=";
        const int in = (int) db->sqlQueryInt (vessel + String (kInflow) + " LIMIT 1");
        const int out = in == 0 ? (int) db->sqlQueryInt (vessel + String (kOutflow) + " LIMIT 1") : 0;
        const int care = in == 0 && out == 0
                             ? (int) db->sqlQueryInt ("SELECT vo.posoda FROM vinopravilo AS vo LEFT JOIN glavna AS g ON g.id=vo.glavna WHERE vo.glavna="
                                                      + String (a) + " LIMIT 1")
                             : 0;
        logStep ("posoda noter:" + String (in) + " posoda ven:" + String (out) + " posoda nege vina:" + String (care));
        const int followed = in != 0 ? in : out != 0 ? out : care;
        if (followed == 0)
        {
            logStep ("To nima pretoka/nege vina:" + String (a));
            return true;
        }
        const auto datum = db->sqlQueryString ("SELECT datum FROM glavna WHERE id=" + String (a));
        // The earliest later entry, as the row-list form takes it: the chain follows the wine's
        // next move, not its last one before the bottling.
        const int next = (int) db->sqlQueryInt (
            "SELECT g.id FROM glavna AS g LEFT JOIN pretok AS p ON p.glavna=g.id LEFT JOIN steklenicenje AS s ON s.glavna=g.id WHERE g.datum>'"
            + sqlEscape (datum) + "' AND g.datum<='" + sqlEscape (datumSteklenicenja)
            + "' AND p.smer=" + String (kOutflow) + " AND p.posoda=" + String (followed) + " GROUP BY g.id ORDER BY g.datum ASC,g.id ASC LIMIT 1");
        if (next < 1)
        {
            logStep ("ni vmesnih opravil <---" + String (next));
            return false;
        }
        logStep ("nasel nov pretok--->" + String (next));
        a = next;
    }
}
