#pragma once
// Writes a crash and its stack to the log: installed by start-up as the framework's crash handler,
// which calls it from the fatal-signal handler. Nothing after it runs; the framework ends the process.
#include <juce_core/juce_core.h>

namespace vindoro
{
/** Most frames a crash log shows. */
constexpr int kMaxCrashFrames = 128;

/** The stack of the calling thread: one line per frame that has a symbol, as
    "<frame>: <module>: <symbol> + 0x<offset>", at most kMaxCrashFrames frames. */
juce::String stackBacktrace();

/** Makes crashHandler the process's handler of fatal signals. */
void installCrashHandler();
} // namespace vindoro

/** Logs "FATAL ERROR:Program crashed!", "Stack:" and the stack, each as a bare entry. */
void crashHandler (void* signalInfo);
