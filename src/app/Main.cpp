// The program's entry, the framework's start on Linux: a second start hands its command line to
// the running instance (which says so in a box) and ends; the first one listens for such starts.
#include "app/VindorApplication.h"
#include "platform/SingleInstanceChannel.h"

namespace
{
juce::JUCEApplicationBase* createApplication() { return new VindorApplication(); }

juce::String commandLineOf (int argc, char* argv[])
{
    juce::StringArray args;
    for (int i = 1; i < argc; ++i)
        args.add (juce::String::fromUTF8 (argv[i]).quoted());
    return args.joinIntoString (" ");
}
} // namespace

int main (int argc, char* argv[])
{
    using vindoro::platform::SingleInstanceChannel;
    const auto socketFile = SingleInstanceChannel::defaultSocketFile();
    if (SingleInstanceChannel::notifyRunning (socketFile, commandLineOf (argc, argv)))
        return 0;

    SingleInstanceChannel channel (socketFile, [] (const juce::String& commandLine)
    {
        // Only once the message loop exists; a start that races the very first moments is dropped.
        if (juce::MessageManager::getInstanceWithoutCreating() == nullptr)
            return;
        juce::MessageManager::callAsync ([commandLine]
        {
            if (auto* app = juce::JUCEApplicationBase::getInstance())
                app->anotherInstanceStarted (commandLine);
        });
    });
    channel.listen();

    juce::JUCEApplicationBase::createInstance = &createApplication;
    return juce::JUCEApplicationBase::main (argc, (const char**) argv);
}
