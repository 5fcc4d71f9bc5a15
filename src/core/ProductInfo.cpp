#include "core/ProductInfo.h"

namespace vindoro
{
juce::String compactDateText (const juce::String& compilerDate)
{
    auto text = compilerDate;
    while (text.contains ("  "))
        text = text.replace ("  ", " ");
    return text;
}

juce::String buildDateText()
{
    return compactDateText (__DATE__);
}

juce::String startBanner()
{
    return juce::String ("Zaganjam {progname} verzija {version} pripravljena {date}")
        .replace ("{progname}", kProductName)
        .replace ("{version}", kProductVersion)
        .replace ("{date}", buildDateText());
}
} // namespace vindoro
