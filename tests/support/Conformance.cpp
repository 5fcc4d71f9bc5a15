#include "support/Conformance.h"

#include <cstdlib>

namespace vtest
{
juce::File conformanceFolder()
{
    const auto* fromEnvironment = std::getenv ("VINDORO_CONFORMANCE_DIR");
    if (fromEnvironment != nullptr && *fromEnvironment != 0)
        return juce::File (juce::String::fromUTF8 (fromEnvironment));
    return juce::File (VINDORO_CONFORMANCE_DIR);
}

bool runningInCI()
{
    const juce::String ci (std::getenv ("CI") != nullptr ? std::getenv ("CI") : "");
    return ci.equalsIgnoreCase ("true") || ci == "1";
}

ConformanceFile findConformanceFile (const juce::String& relativePath)
{
    const auto folder = conformanceFolder();
    ConformanceFile found { folder.getChildFile (relativePath), {} };
    if (! found.file.existsAsFile())
        found.missing = "The published schema \"" + relativePath + "\" is not in " + folder.getFullPathName()
                        + ": put the shared conformance folder beside the repository or name it in VINDORO_CONFORMANCE_DIR.";
    return found;
}
} // namespace vtest
