#pragma once
// The program's one way of writing a log line: "<date time> <Class::method> message".
// Goes to the framework's current logger (a file logger once start-up made one, else the
// debugger output), so tests can install a logger of their own and read the lines back.
#include <juce_core/juce_core.h>

namespace vindoro
{
/** Formatted messages are cut to this many characters, as every log line of the program is. */
constexpr int kMaxLogMessageLength = 10239;

/** The time prefix of a log line, e.g. "4 Feb 2018 8:50:06pm". */
juce::String logTimeStamp (juce::Time t = juce::Time::getCurrentTime());

/** Writes one line: time stamp, " <", method, "> ", message. */
void vlog (const juce::String& method, const juce::String& message);
} // namespace vindoro
