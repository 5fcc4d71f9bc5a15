#pragma once
// The computer the program runs on, as the journal records it: its name, its IPv4 addresses and
// an identifier that stays the same for one computer across runs (the system's machine id). A
// replaceable object, so tests can stand in for another computer; the real one asks the system.
#include <juce_core/juce_core.h>

class Workstation
{
public:
    virtual ~Workstation() = default;

    /** The machine id, read once per run; "" when the computer has none that can be read. */
    virtual juce::String identifier();
    /** The computer's host name. */
    virtual juce::String computerName();
    /** "127.0.0.1;" followed by the first IPv4 address of each network adapter in the order the
        system lists them, each followed by ";" (0.0.0.0 left out, no address twice). */
    virtual juce::String addressList();

    /** The first line of an identifier file, trimmed; "" when it is missing, unreadable or blank. */
    static juce::String readIdentifier (const juce::File& file);

    /** The workstation in force: this computer unless a test installed another. */
    static Workstation& get();
    /** Installs a workstation (not owned); nullptr restores this computer. */
    static void set (Workstation* replacement);
};
