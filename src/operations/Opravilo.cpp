#include "operations/Opravilo.h"
#include "core/Log.h"
#include "db/DbConnection.h"
#include "db/SQLtoXml.h"

#include <atomic>

namespace
{
std::atomic<Opravilo*> instance { nullptr };
bool creating = false;

// The cache is filled by a query, which takes the connection's lock; guarding the cache with that
// same lock keeps one lock order, so a thread inside a booking that asks for the cache can never
// wait on a thread that is filling it while that one waits for the booking's connection.
std::recursive_mutex& cacheLock() { return DbConnection::mutex(); }
} // namespace

Opravilo* Opravilo::getInstance()
{
    if (auto* made = instance.load (std::memory_order_acquire))
        return made;

    std::lock_guard<std::recursive_mutex> guard (cacheLock());
    if (auto* made = instance.load (std::memory_order_acquire))
        return made;
    if (creating)
        return nullptr;

    creating = true;
    auto* made = new Opravilo();
    creating = false;
    instance.store (made, std::memory_order_release);
    return made;
}

void Opravilo::deleteInstance()
{
    std::lock_guard<std::recursive_mutex> guard (cacheLock());
    delete instance.load (std::memory_order_acquire);
}

Opravilo::Opravilo()
{
    SQLtoXml db;
    db.sqlQuery (kLoadQuery);
    if (auto* rows = db.getData())
        for (auto* row : rows->getChildIterator())
        {
            names.add (row->getStringAttribute ("ime"));
            tables.add (row->getStringAttribute ("tabela"));
            ids.add (row->getIntAttribute ("id", 0));
        }

    // A type whose table is missing would break every query that joins it; it is found out once,
    // here, instead of at every entry.
    juce::StringArray existing;
    db.sqlQuery ("SELECT name FROM sqlite_master WHERE type='table'");
    if (auto* rows = db.getData())
        for (auto* row : rows->getChildIterator())
            existing.add (row->getStringAttribute ("name"));
    for (int i = 0; i < tables.size(); ++i)
    {
        const auto& table = tables[i];
        const bool usable = table.isNotEmpty() && table != "glavna" && existing.contains (table, true);
        if (table.isNotEmpty() && table != "glavna" && ! usable)
            vindoro::vlog ("Opravilo::Opravilo", juce::String::formatted (kMissingTable, table.toRawUTF8(), ids[i]));
        detailTables.add (usable);
    }
}

Opravilo::~Opravilo()
{
    Opravilo* self = this;
    instance.compare_exchange_strong (self, nullptr);
}

juce::String Opravilo::getTabela (int index) const
{
    return juce::isPositiveAndBelow (index, tables.size()) ? tables[index] : juce::String();
}

juce::String Opravilo::getIme (int index) const
{
    return juce::isPositiveAndBelow (index, names.size()) ? names[index] : juce::String();
}

bool Opravilo::hasDetailTable (int index) const
{
    return juce::isPositiveAndBelow (index, detailTables.size()) && detailTables[index];
}

int Opravilo::getIndex (int id) const
{
    return ids.indexOf (id);
}

int Opravilo::getId (int index) const
{
    return juce::isPositiveAndBelow (index, ids.size()) ? ids[index] : 0;
}

int Opravilo::getNumOpravil() const
{
    return ids.size();
}
