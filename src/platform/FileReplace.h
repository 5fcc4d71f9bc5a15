#pragma once
// File identity and whole-file replacement as the file system sees them. Owned by the data
// layer's database copies: a target is never left half-written, and two different files are
// never taken for one because their names differ only in letter case.
#include <juce_core/juce_core.h>

class FileReplace
{
public:
    /** True when both names lead to the same existing file (device and inode), links included. */
    static bool isSameFile (const juce::File& a, const juce::File& b);

    /** Replaces `target` by a copy of `source`: the copy goes to a temporary file in the target's
        folder, reaches the disk, and is then renamed over the target, so a failure leaves the old
        target whole. An empty folder at `target` is replaced; anything else that is not a file refuses. */
    static bool copyOver (const juce::File& source, const juce::File& target);
};
