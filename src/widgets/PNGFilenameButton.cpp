#include "widgets/PNGFilenameButton.h"
#include "core/Log.h"
#include "frame/MessageBoxes.h"

namespace
{
// Any picture would load as a drawable; the row promises a PNG, so the format is checked too.
bool isPng (const juce::File& file)
{
    juce::FileInputStream in (file);
    juce::PNGImageFormat png;
    return in.openedOk() && png.canUnderstand (in);
}
} // namespace

PNGFilenameButton::PNGFilenameButton (const juce::Value& v, const juce::String& name)
    : FilenameButton (v, name, "*.png")
{
}

bool PNGFilenameButton::testChosenFilename (const juce::String& path)
{
    if (! namesExistingFile (path))
    {
        showMessageOK (vindoro::kIconWarning, TRANS ("Napaka"), TRANS ("Izbrana datoteka ne obstaja."), this);
        return false;
    }

    vindoro::vlog ("PNGFilenameButton::testChosenFilename", "loading PNG file:" + path);

    const juce::File file (path);
    if (isPng (file) && juce::Drawable::createFromImageFile (file) != nullptr)
        return true;

    showMessageOK (vindoro::kIconWarning, TRANS ("Napaka"), TRANS ("Izbrana datoteka ne ustreza."), this);
    return false;
}
