#include "core/Log.h"

namespace vindoro
{
juce::String logTimeStamp (juce::Time t)
{
    return t.toString (true, true, true, false);
}

void vlog (const juce::String& method, const juce::String& message)
{
    juce::Logger::writeToLog (logTimeStamp() + " <" + method + "> "
                              + message.substring (0, kMaxLogMessageLength));
}
} // namespace vindoro
