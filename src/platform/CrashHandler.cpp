#include "platform/CrashHandler.h"

#include <cxxabi.h>
#include <dlfcn.h>
#include <execinfo.h>

#include <cstdlib>

namespace vindoro
{
juce::String stackBacktrace()
{
    void* stack[kMaxCrashFrames];
    const int frames = backtrace (stack, kMaxCrashFrames);

    juce::String result;
    for (int i = 0; i < frames; ++i)
    {
        Dl_info info {};
        if (dladdr (stack[i], &info) == 0 || info.dli_sname == nullptr)
            continue;

        int status = -1;
        char* demangled = abi::__cxa_demangle (info.dli_sname, nullptr, nullptr, &status);
        const juce::String symbol (status == 0 && demangled != nullptr ? demangled : info.dli_sname);
        std::free (demangled);

        const auto offset = (juce::int64) ((const char*) stack[i] - (const char*) info.dli_saddr);
        result << i << ": " << juce::String (info.dli_fname != nullptr ? info.dli_fname : "?").fromLastOccurrenceOf ("/", false, false) << ": "
               << symbol << " + 0x" << juce::String::toHexString (offset) << juce::newLine;
    }
    return result;
}

void installCrashHandler()
{
    juce::SystemStats::setApplicationCrashHandler (crashHandler);
}
} // namespace vindoro

void crashHandler (void*)
{
    juce::Logger::writeToLog ("FATAL ERROR:Program crashed!");
    juce::Logger::writeToLog ("Stack:");
    juce::Logger::writeToLog (vindoro::stackBacktrace());
}
