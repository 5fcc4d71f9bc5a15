#include "platform/ComPortDriver.h"

#include "core/Log.h"

#include <cerrno>
#include <fcntl.h>
#include <glob.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace
{
const juce::StringArray kDefaultPatterns { "/dev/ttyS*", "/dev/ttyUSB*", "/dev/ttyACM*" };

juce::StringArray patterns = kDefaultPatterns;
int writeTimeoutMs = 2000;
int openFd = -1;
ComPortDriver termiosDriver;
ComPortDriver* current = nullptr;

// Within one pattern the devices sort by their number (ttyS2 before ttyS10).
juce::StringArray listPorts()
{
    juce::StringArray ports;
    for (const auto& pattern : patterns)
    {
        glob_t found {};
        if (glob (pattern.toRawUTF8(), 0, nullptr, &found) == 0)
        {
            juce::StringArray group;
            for (size_t i = 0; i < found.gl_pathc; ++i)
                group.add (juce::String::fromUTF8 (found.gl_pathv[i]));
            std::sort (group.begin(), group.end(), [] (const juce::String& a, const juce::String& b) {
                return a.compareNatural (b) < 0;
            });
            ports.addArray (group);
        }
        globfree (&found);
    }
    return ports;
}
} // namespace

ComPortDriver::~ComPortDriver() = default;

int ComPortDriver::getNumComPorts()
{
    return listPorts().size();
}

const wchar_t* ComPortDriver::getComPortName (int index)
{
    const auto ports = listPorts();
    if (! juce::isPositiveAndBelow (index, ports.size()))
        return nullptr;
    lastName = ports[index].toWideCharPointer();
    return lastName.c_str();
}

int ComPortDriver::initComPort (int index)
{
    ComPortDriver::closeComPort();
    const auto ports = listPorts();
    if (! juce::isPositiveAndBelow (index, ports.size()))
    {
        vindoro::vlog ("ComPortDriver::initComPort", "ERROR: no serial port with index " + juce::String (index));
        return -1;
    }
    const int fd = ::open (ports[index].toRawUTF8(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
    {
        vindoro::vlog ("ComPortDriver::initComPort", "ERROR: cannot open " + ports[index] + ": " + juce::String (strerror (errno)));
        return -2;
    }
    termios tio {};
    if (tcgetattr (fd, &tio) != 0)
    {
        vindoro::vlog ("ComPortDriver::initComPort", "ERROR: not a serial port: " + ports[index]);
        ::close (fd);
        return -3;
    }
    // Raw bytes: no line-end translation, which would corrupt the printer's commands and images.
    cfmakeraw (&tio);
    cfsetispeed (&tio, B9600);
    cfsetospeed (&tio, B9600);
    tio.c_cflag |= (CLOCAL | CREAD);
    tio.c_cflag &= ~(tcflag_t) (CSTOPB | PARENB | CRTSCTS);
    tcsetattr (fd, TCSANOW, &tio);
    openFd = fd;
    return 0;
}

int ComPortDriver::writeToComPort (const char* data, int length)
{
    if (openFd < 0 || data == nullptr || length <= 0)
        return openFd < 0 ? -1 : 0;
    int accepted = 0;
    while (accepted < length)
    {
        pollfd p { openFd, POLLOUT, 0 };
        const int ready = ::poll (&p, 1, writeTimeoutMs);
        if (ready <= 0 || (p.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0)
            break;
        const ssize_t n = ::write (openFd, data + accepted, (size_t) (length - accepted));
        if (n < 0)
        {
            if (errno == EAGAIN || errno == EINTR)
                continue;
            break;
        }
        accepted += (int) n;
    }
    return accepted;
}

void ComPortDriver::closeComPort()
{
    if (openFd >= 0)
    {
        // The driver sends what the port accepted before the close completes (bounded by its closing wait).
        ::close (openFd);
        openFd = -1;
    }
}

void ComPortDriver::setPatterns (const juce::StringArray& newPatterns)
{
    patterns = newPatterns.isEmpty() ? kDefaultPatterns : newPatterns;
}

void ComPortDriver::setWriteTimeout (int milliseconds)
{
    writeTimeoutMs = juce::jmax (0, milliseconds);
}

ComPortDriver& ComPortDriver::get()
{
    return current != nullptr ? *current : termiosDriver;
}

void ComPortDriver::set (ComPortDriver* replacement)
{
    current = replacement;
}
