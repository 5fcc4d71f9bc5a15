#include "platform/SingleInstanceChannel.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using vindoro::platform::SingleInstanceChannel;

TEST (SingleInstanceChannel, SecondStartReachesTheRunningOne)
{
    vtest::TempFolder folder;
    const auto socket = folder.file ("Vindoro.instance");
    EXPECT_FALSE (SingleInstanceChannel::notifyRunning (socket, "--nobody")); // no instance yet

    juce::WaitableEvent received;
    juce::String message;
    {
        SingleInstanceChannel running (socket, [&] (const juce::String& commandLine)
        {
            message = commandLine;
            received.signal();
        });
        ASSERT_TRUE (running.listen());

        SingleInstanceChannel second (socket, [] (const juce::String&) {});
        EXPECT_FALSE (second.listen()); // the place is taken

        EXPECT_TRUE (SingleInstanceChannel::notifyRunning (socket, juce::String::fromUTF8 ("\"--vino \xc4\x8d\"")));
        ASSERT_TRUE (received.wait (3000));
        EXPECT_EQ (message, juce::String::fromUTF8 ("\"--vino \xc4\x8d\""));
    }
    EXPECT_FALSE (socket.exists()); // cleaned up when the instance ends
    EXPECT_FALSE (SingleInstanceChannel::notifyRunning (socket, ""));
}

TEST (SingleInstanceChannel, SocketLeftByACrashedInstanceIsReplaced)
{
    vtest::TempFolder folder;
    const auto socket = folder.file ("Vindoro.instance");
    // A bound socket whose owner is gone: the file stays, nobody listens.
    {
        const int fd = ::socket (AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        std::strcpy (address.sun_path, socket.getFullPathName().toRawUTF8());
        ASSERT_EQ (::bind (fd, (const sockaddr*) &address, sizeof (address)), 0);
        ::close (fd);
    }
    ASSERT_TRUE (socket.exists());
    EXPECT_FALSE (SingleInstanceChannel::notifyRunning (socket, "x"));

    juce::WaitableEvent received;
    SingleInstanceChannel running (socket, [&] (const juce::String&) { received.signal(); });
    ASSERT_TRUE (running.listen());
    EXPECT_TRUE (SingleInstanceChannel::notifyRunning (socket, "x"));
    EXPECT_TRUE (received.wait (3000));
}

TEST (SingleInstanceChannel, DefaultPlaceIsPerUser)
{
    const auto file = SingleInstanceChannel::defaultSocketFile();
    EXPECT_TRUE (file.getFileName().startsWith ("Vindoro-"));
    EXPECT_TRUE (file.getFileName().endsWith (".instance"));
    EXPECT_LT (file.getFullPathName().length(), 100); // fits a local socket address
}
