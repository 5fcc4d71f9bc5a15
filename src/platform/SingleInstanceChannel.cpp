#include "platform/SingleInstanceChannel.h"

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace vindoro::platform
{
namespace
{
constexpr size_t kMaxMessageBytes = 65536;
constexpr int kIoTimeoutMs = 2000;
// Starts every hand-over, so that a bare probe (a start checking whether the place is taken) is not taken for one.
const std::string kGreeting = "Vindoro start\n";

bool makeAddress (const juce::File& file, sockaddr_un& address)
{
    const auto path = file.getFullPathName().toStdString();
    std::memset (&address, 0, sizeof (address));
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof (address.sun_path))
        return false;
    std::memcpy (address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

// A connected socket to whoever listens at the file, or -1.
int connectTo (const juce::File& file)
{
    sockaddr_un address;
    if (! makeAddress (file, address))
        return -1;
    const int fd = ::socket (AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    if (::connect (fd, (const sockaddr*) &address, sizeof (address)) != 0)
    {
        ::close (fd);
        return -1;
    }
    return fd;
}

bool waitFor (int fd, short events, int timeoutMs)
{
    pollfd p { fd, events, 0 };
    return ::poll (&p, 1, timeoutMs) > 0 && (p.revents & (events | POLLHUP)) != 0;
}
} // namespace

SingleInstanceChannel::SingleInstanceChannel (const juce::File& file, Callback onAnotherStart)
    : juce::Thread ("single instance"), socketFile (file), callback (std::move (onAnotherStart))
{
}

SingleInstanceChannel::~SingleInstanceChannel()
{
    signalThreadShouldExit();
    stopThread (3000);
    if (listeningSocket >= 0)
    {
        ::close (listeningSocket);
        ::unlink (socketFile.getFullPathName().toRawUTF8());
    }
}

bool SingleInstanceChannel::listen()
{
    if (listeningSocket >= 0)
        return true;
    const int existing = connectTo (socketFile);
    if (existing >= 0)
    {
        ::close (existing);
        return false;
    }
    sockaddr_un address;
    if (! makeAddress (socketFile, address))
        return false;
    ::unlink (address.sun_path); // left behind by an instance that did not end cleanly

    const int fd = ::socket (AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    if (::bind (fd, (const sockaddr*) &address, sizeof (address)) != 0 || ::listen (fd, 4) != 0)
    {
        ::close (fd);
        return false;
    }
    ::chmod (address.sun_path, 0600);
    listeningSocket = fd;
    startThread();
    return true;
}

void SingleInstanceChannel::run()
{
    while (! threadShouldExit())
    {
        if (! waitFor (listeningSocket, POLLIN, 200))
            continue;
        const int client = ::accept4 (listeningSocket, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            continue;
        std::string message;
        char buffer[4096];
        while (message.size() < kMaxMessageBytes && waitFor (client, POLLIN, kIoTimeoutMs))
        {
            const auto n = ::read (client, buffer, sizeof (buffer));
            if (n <= 0)
                break;
            message.append (buffer, (size_t) n);
        }
        const char ack = '1';
        // The peer may be gone already; that must not raise SIGPIPE in this process.
        [[maybe_unused]] auto sent = ::send (client, &ack, 1, MSG_NOSIGNAL);
        ::close (client);
        if (callback && message.rfind (kGreeting, 0) == 0)
        {
            const auto body = message.substr (kGreeting.size(), kMaxMessageBytes);
            callback (juce::String::fromUTF8 (body.data(), (int) body.size()));
        }
    }
}

bool SingleInstanceChannel::notifyRunning (const juce::File& file, const juce::String& commandLine)
{
    const int fd = connectTo (file);
    if (fd < 0)
        return false;
    const auto bytes = kGreeting + commandLine.toStdString();
    size_t sent = 0;
    while (sent < bytes.size())
    {
        const auto n = ::send (fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0)
            break;
        sent += (size_t) n;
    }
    ::shutdown (fd, SHUT_WR);
    char ack = 0;
    const bool acknowledged = waitFor (fd, POLLIN, kIoTimeoutMs) && ::read (fd, &ack, 1) == 1 && ack == '1';
    ::close (fd);
    return acknowledged;
}

juce::File SingleInstanceChannel::defaultSocketFile()
{
    const auto name = "Vindoro-" + juce::SystemStats::getLogonName() + ".instance";
    const auto runtime = juce::SystemStats::getEnvironmentVariable ("XDG_RUNTIME_DIR", {});
    if (runtime.isNotEmpty() && juce::File::isAbsolutePath (runtime) && juce::File (runtime).isDirectory())
        return juce::File (runtime).getChildFile (name);
    return juce::File ("/tmp").getChildFile (name);
}
} // namespace vindoro::platform
