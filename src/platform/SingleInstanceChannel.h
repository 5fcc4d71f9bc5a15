#pragma once
// Lets a second start of the program reach the running one on Linux: the running instance
// listens on a local socket, a second start hands it its command line and ends. Owned by the
// program's entry; the callback runs on the listening thread, so the owner passes it on to
// the message thread.
#include <juce_core/juce_core.h>

#include <functional>

namespace vindoro::platform
{
class SingleInstanceChannel : private juce::Thread
{
public:
    using Callback = std::function<void (const juce::String& commandLine)>;

    SingleInstanceChannel (const juce::File& socketFile, Callback onAnotherStart);
    ~SingleInstanceChannel() override;

    /** Starts listening; false when another instance already listens there or the socket cannot
        be made. A socket file left by an instance that ended without cleaning up is replaced. */
    bool listen();

    /** Hands the command line to the instance listening at socketFile; true when one took it. */
    static bool notifyRunning (const juce::File& socketFile, const juce::String& commandLine);

    /** The socket of this user's instance: in the user's runtime folder, else the temporary folder. */
    static juce::File defaultSocketFile();

private:
    void run() override;

    juce::File socketFile;
    Callback callback;
    int listeningSocket = -1;
};
} // namespace vindoro::platform
