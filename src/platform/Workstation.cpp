#include "platform/Workstation.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <netinet/in.h>

#include <atomic>
#include <set>

namespace
{
const char* const kMachineIdFile = "/etc/machine-id";

Workstation thisComputer;
std::atomic<Workstation*> current { nullptr };
} // namespace

juce::String Workstation::readIdentifier (const juce::File& file)
{
    if (! file.existsAsFile())
        return {};
    juce::StringArray lines;
    file.readLines (lines);
    return lines.isEmpty() ? juce::String() : lines[0].trim();
}

juce::String Workstation::identifier()
{
    // Every posting asks for it; the file does not change while the program runs.
    static const juce::String id = readIdentifier (juce::File (kMachineIdFile));
    return id;
}

juce::String Workstation::computerName()
{
    return juce::SystemStats::getComputerName();
}

juce::String Workstation::addressList()
{
    juce::String list = "127.0.0.1;";
    std::set<juce::String> seenAdapters { };
    std::set<juce::String> seenAddresses { "127.0.0.1" };

    ifaddrs* all = nullptr;
    if (getifaddrs (&all) != 0)
        return list;
    for (auto* a = all; a != nullptr; a = a->ifa_next)
    {
        if (a->ifa_addr == nullptr || a->ifa_addr->sa_family != AF_INET || a->ifa_name == nullptr)
            continue;
        const juce::String adapter (a->ifa_name);
        if (seenAdapters.count (adapter) > 0)
            continue;   // only an adapter's first address
        seenAdapters.insert (adapter);

        char text[INET_ADDRSTRLEN] = {};
        const auto* in = reinterpret_cast<const sockaddr_in*> (a->ifa_addr);
        if (inet_ntop (AF_INET, &in->sin_addr, text, sizeof (text)) == nullptr)
            continue;
        const juce::String address (text);
        if (address == "0.0.0.0" || seenAddresses.count (address) > 0)
            continue;
        seenAddresses.insert (address);
        list << address << ";";
    }
    freeifaddrs (all);
    return list;
}

Workstation& Workstation::get()
{
    auto* replacement = current.load();
    return replacement != nullptr ? *replacement : thisComputer;
}

void Workstation::set (Workstation* replacement)
{
    current.store (replacement);
}
