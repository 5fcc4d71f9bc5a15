#include "widgets/SVGFilenameButton.h"
#include "core/Log.h"
#include "frame/MessageBoxes.h"

SVGFilenameButton::SVGFilenameButton (const juce::Value& v, const juce::String& name)
    : FilenameButton (v, name, "*.svg")
{
}

bool SVGFilenameButton::testChosenFilename (const juce::String& path)
{
    if (! namesExistingFile (path))
    {
        showMessageOK (vindoro::kIconWarning, TRANS ("Napaka"), TRANS ("Izbrana datoteka ne obstaja."), this);
        return false;
    }

    vindoro::vlog ("SVGFilenameButton::testChosenFilename", "loading SVG file:" + path);

    if (juce::Drawable::createFromImageFile (juce::File (path)) != nullptr)
        return true;

    showMessageOK (vindoro::kIconWarning, TRANS ("Napaka"), TRANS ("Izbrana datoteka ne ustreza."), this);
    return false;
}
