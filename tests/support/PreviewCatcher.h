#pragma once
// Takes what the program would open in the desktop's viewer (a print preview, a receipt file) in
// place of the viewer, so the test reads the file itself. Installed while it lives.
#include "platform/FileOpener.h"

namespace vtest
{
class PreviewCatcher : public FileOpener
{
public:
    PreviewCatcher() { FileOpener::set (this); }
    ~PreviewCatcher() override { FileOpener::set (nullptr); }
    bool open (const juce::File& file) override
    {
        opened.add (file);
        return true;
    }
    juce::Array<juce::File> opened;
};
} // namespace vtest
