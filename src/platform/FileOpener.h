#pragma once
// Opens a finished file (a preview) in the desktop's default viewer. A replaceable object, so tests
// can see what would be opened without starting a viewer; the real one uses xdg-open.
#include <juce_core/juce_core.h>

class FileOpener
{
public:
    virtual ~FileOpener() = default;

    /** Asks the desktop to open the file; true when the request could be made. */
    virtual bool open (const juce::File& file);

    /** The opener in force: the desktop's unless a test installed another. */
    static FileOpener& get();
    /** Installs an opener (not owned); nullptr restores the desktop's. */
    static void set (FileOpener* replacement);
};
