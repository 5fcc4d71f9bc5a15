#include "operations/WineOperationExtras.h"
#include "core/Log.h"
#include "operations/analiza.h"

namespace
{
template <Treatment K>
bool storeKind (const TreatmentValuesOf<K>& values, int agent, double litres, int entry, juce::String& error)
{
    if (agent <= 0)
        return true;
    if (TreatmentRecord<K>::storeToDB (values, agent, litres, entry).id >= 1)
        return true;
    error = TRANS (kindOf (K).failureKey());
    vindoro::vlog ("WineOperationExtras::store", "ERROR: " + kindOf (K).failureKey());
    return false;
}
} // namespace

std::array<const TreatmentValues*, 9> WineOperationExtras::holders() const
{
    return { &sladkanje, &ciscenje, &kvasovke, &encimi, &zascita, &filtracija, &korekcija, &stabilizacija, &maceracija };
}

juce::String WineOperationExtras::checkNumbers (const std::array<int, 9>& agents) const
{
    // A kind without an agent is not stored, whatever its rows hold.
    const auto all = holders();
    for (size_t slot = 0; slot < all.size(); ++slot)
        if (agents[slot] > 0)
            if (auto refusal = all[slot]->checkNumbers(); refusal.isNotEmpty())
                return refusal;
    return analize.checkNumbers();
}

bool WineOperationExtras::store (const std::array<int, 9>& agents, double litres, int entry, juce::String& error) const
{
    if (! (storeKind (sladkanje, agents[0], litres, entry, error) && storeKind (ciscenje, agents[1], litres, entry, error)
           && storeKind (kvasovke, agents[2], litres, entry, error) && storeKind (encimi, agents[3], litres, entry, error)
           && storeKind (zascita, agents[4], litres, entry, error) && storeKind (filtracija, agents[5], litres, entry, error)
           && storeKind (korekcija, agents[6], litres, entry, error)
           && storeKind (stabilizacija, agents[7], litres, entry, error)
           && storeKind (maceracija, agents[8], litres, entry, error)))
        return false;
    // Inside one booking a failed analysis cannot be left out quietly: its failed statement rolls
    // the whole booking back anyway, so it fails the save (with the caller's own text).
    if (analiza::storeToDB (analize, entry).id == -2)
    {
        vindoro::vlog ("WineOperationExtras::store", "ERROR: analiza ni shranjena");
        error.clear();
        return false;
    }
    return true;
}
