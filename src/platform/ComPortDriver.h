#pragma once
// The serial-port calls the receipt printer uses (the five calls of a COM-port driver), as a small
// layer over POSIX terminals (termios): the machine's serial devices listed by index and name, at
// most one port open at a time, raw 9600 8N1, writes that report how many bytes the port accepted.
// Replaceable, so tests can watch each call while the bytes still go through a pseudo-terminal.
#include <juce_core/juce_core.h>

#include <string>

class ComPortDriver
{
public:
    virtual ~ComPortDriver();

    /** Number of serial ports found (the listing is taken afresh on every call). */
    virtual int getNumComPorts();

    /** The device path of port index as zero-terminated wide text, or null outside the list. The
        text stays valid until the next call of getComPortName. */
    virtual const wchar_t* getComPortName (int index);

    /** Opens port index (closing a port that is still open): 0 on success, negative on failure. */
    virtual int initComPort (int index);

    /** Writes bytes to the open port; gives the number accepted (0 or less when none could be).
        A port that takes nothing for the write time-out ends the write with what it took so far. */
    virtual int writeToComPort (const char* data, int length);

    /** Closes the open port, if any. */
    virtual void closeComPort();

    /** The glob patterns of the listing, in order (default /dev/ttyS*, /dev/ttyUSB*, /dev/ttyACM*).
        Tests point them at a folder of links to pseudo-terminals. Empty restores the default. */
    static void setPatterns (const juce::StringArray& patterns);

    /** How long a write waits for a port that accepts nothing (default 2000 ms). */
    static void setWriteTimeout (int milliseconds);

    /** The driver in force: the termios one unless a test installed another. */
    static ComPortDriver& get();
    /** Installs a driver (not owned); nullptr restores the termios one. */
    static void set (ComPortDriver* replacement);

private:
    std::wstring lastName;
};
