#include "cellar/SortaListener.h"
#include "core/Log.h"

SortaListener::SortaListener (int count)
    : slots ((size_t) juce::jmax (0, count), SortaRecord::empty())
{
}

SortaListener::~SortaListener() = default;

void SortaListener::setSortaIDN (SortaRecord record, int slot)
{
    if (slot < 1 || slot > (int) slots.size())
    {
        vindoro::vlog ("SortaListener::setSortaIDN", "ERROR sorta is wrong");
        return;
    }
    slots[(size_t) slot - 1] = record;
}

SortaRecord SortaListener::getSorta (int slot) const
{
    if (slot < 1 || slot > (int) slots.size())
        return SortaRecord::empty();
    return slots[(size_t) slot - 1];
}
