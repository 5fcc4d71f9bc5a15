#include "reports/DDV.h"

#include "core/Log.h"
#include "core/TextHelpers.h"
#include "db/SQLtoXml.h"

#include <atomic>

namespace
{
// The published list. Readers that find it set need no lock; the lock only orders the first
// load against everyone else who asks meanwhile and against the list's deletion.
std::atomic<DDV*> currentList { nullptr };
// Guarded by instanceLock(): set while the list is being built, so the constructor asking for
// the list itself is refused instead of building a second one.
bool underConstruction = false;

juce::CriticalSection& instanceLock()
{
    static juce::CriticalSection lock;
    return lock;
}

int indexOf (const juce::Array<int>& list, int value)
{
    for (int i = 0; i < list.size(); ++i)
        if (list.getUnchecked (i) == value)
            return i;
    return -1;
}
} // namespace

DDV* DDV::getInstance()
{
    if (auto* list = currentList.load (std::memory_order_acquire))
        return list;

    const juce::ScopedLock sl (instanceLock());
    if (auto* list = currentList.load (std::memory_order_acquire))
        return list;

    if (underConstruction)
    {
        vindoro::vlog ("DDV::getInstance", "ERROR: asked for the list while it is being built");
        return nullptr;
    }

    underConstruction = true;
    std::unique_ptr<DDV> made;
    try
    {
        made.reset (new DDV());
    }
    catch (...)
    {
        underConstruction = false;
        throw;
    }
    underConstruction = false;

    currentList.store (made.get(), std::memory_order_release);
    return made.release();
}

DDV* DDV::getInstanceWithoutCreating()
{
    return currentList.load (std::memory_order_acquire);
}

DDV::DDV()
{
    SQLtoXml query;
    query.sqlQuery (kLoadQuery);
    if (auto* data = query.getData())
    {
        for (auto* row : data->getChildIterator())
        {
            const double stopnja = row->getDoubleAttribute ("stopnja", 0.0);
            labels.add (makeLabel (row->getStringAttribute ("opis"), stopnja));
            ids.add (row->getIntAttribute ("id", 0));
            stopnje.add (stopnja);
            tipi.add (row->getIntAttribute ("tip", 0));
        }
    }
}

DDV::~DDV()
{
    const juce::ScopedLock sl (instanceLock());
    DDV* self = this;
    currentList.compare_exchange_strong (self, nullptr, std::memory_order_acq_rel);
}

juce::String DDV::makeLabel (const juce::String& opis, double stopnja)
{
    return opis.trim() + " - " + formatDecimal1 (stopnja) + "%";
}

int DDV::findID (int tip) const
{
    const int i = indexOf (tipi, tip);
    if (i < 0)
    {
        vindoro::vlog ("DDV::findID", kNotFound);
        return -1;
    }
    return ids.getUnchecked (i);
}

double DDV::findStopnja (int id) const
{
    const int i = indexOf (ids, id);
    if (i < 0)
    {
        vindoro::vlog ("DDV::findStopnja", kNotFound);
        return 0.0;
    }
    return stopnje.getUnchecked (i);
}

int DDV::findTip (int id) const
{
    const int i = indexOf (ids, id);
    if (i < 0)
    {
        vindoro::vlog ("DDV::findTip", kNotFound);
        return -1;
    }
    return tipi.getUnchecked (i);
}

juce::String DDV::getLabel (int index) const
{
    return labels[index];
}
