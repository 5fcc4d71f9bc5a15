#include "cellar/PosodaListener.h"
#include "core/Log.h"

PosodaListener::PosodaListener (int count) : slots ((size_t) juce::jmax (0, count)) {}

PosodaListener::~PosodaListener() = default;

void PosodaListener::setPosodaIDN (posoda record, int slot)
{
    if (slot < 1 || slot > (int) slots.size())
    {
        vindoro::vlog ("PosodaListener::setPosodaIDN", "ERROR posoda is wrong");
        return;
    }
    slots[(size_t) slot - 1] = record;
}

posoda PosodaListener::getPosoda (int slot) const
{
    if (slot < 1 || slot > (int) slots.size())
        return {};
    return slots[(size_t) slot - 1];
}
