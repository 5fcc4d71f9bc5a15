#include "core/MyExceptions.h"
#include "core/Log.h"

namespace myexceptions
{
myException::myException (const juce::String& message)
    : std::runtime_error (message.toStdString())
{
    vindoro::vlog ("myexceptions::myException::myException", translateMessage (message));
}

juce::String myException::translateMessage (const juce::String& message)
{
    if (message.isEmpty())
        return {};
    juce::String result;
    int start = 0;
    for (;;)
    {
        const int star = message.indexOfChar (start, '*');
        const auto part = star < 0 ? message.substring (start) : message.substring (start, star);
        result << " " << juce::translate (part);
        if (star < 0)
            break;
        start = star + 1;
    }
    return result;
}

juce::String myException::merge (const juce::String& first, const juce::String& second)
{
    if (first.containsChar ('*') || second.containsChar ('*'))
        vindoro::vlog ("myexceptions::myException::merge",
                       "ERROR: messages contains * msg1:" + first + " msg2:" + second);
    return first + "*" + second;
}

AjpesException::AjpesException (const juce::String& message) : myException (message)
{
    vindoro::vlog ("myexceptions::AjpesException::AjpesException", translateMessage (message));
}
} // namespace myexceptions
