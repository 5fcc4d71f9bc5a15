#pragma once
// The product's fixed names and the build date as the start banner and the intro screen show them.
#include <juce_core/juce_core.h>

namespace vindoro
{
inline constexpr const char* kProductName = "Vindoro";
inline constexpr const char* kProductVersion = "2.2.0";
inline constexpr const char* kProductWebHost = "www.vindoro.si";
inline constexpr const char* kProductWebAddress = "https://www.vindoro.si/";

/** A compiler date text ("Feb  4 2018") with every double blank made one ("Feb 4 2018"). */
juce::String compactDateText (const juce::String& compilerDate);

/** The date this program was built, in that form. */
juce::String buildDateText();

/** "Zaganjam Vindoro verzija 2.2.0 pripravljena Feb 4 2018": the first line of every log run. */
juce::String startBanner();
} // namespace vindoro
