#include "platform/FileReplace.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
bool writeAll (int fd, const char* data, ssize_t size)
{
    while (size > 0)
    {
        const ssize_t n = ::write (fd, data, (size_t) size);
        if (n < 0)
        {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

bool copyBytes (int from, int to)
{
    char buffer[1 << 16];
    for (;;)
    {
        const ssize_t n = ::read (from, buffer, sizeof (buffer));
        if (n == 0)
            return true;
        if (n < 0)
        {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (! writeAll (to, buffer, n))
            return false;
    }
}
} // namespace

bool FileReplace::isSameFile (const juce::File& a, const juce::File& b)
{
    struct stat sa {}, sb {};
    if (::stat (a.getFullPathName().toRawUTF8(), &sa) != 0 || ::stat (b.getFullPathName().toRawUTF8(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool FileReplace::copyOver (const juce::File& source, const juce::File& target)
{
    const auto targetPath = target.getFullPathName();
    if (targetPath.isEmpty() || ! source.existsAsFile())
        return false;
    if (target.isDirectory() && target.getNumberOfChildFiles (juce::File::findFilesAndDirectories | juce::File::ignoreHiddenFiles) > 0)
        return false;

    const int from = ::open (source.getFullPathName().toRawUTF8(), O_RDONLY | O_CLOEXEC);
    if (from < 0)
        return false;

    auto pattern = target.getParentDirectory().getChildFile ("." + target.getFileName() + ".partXXXXXX").getFullPathName().toStdString();
    const int to = ::mkstemp (pattern.data());
    if (to < 0)
    {
        ::close (from);
        return false;
    }

    struct stat sourceInfo {};
    bool copied = copyBytes (from, to) && ::fstat (from, &sourceInfo) == 0;
    if (copied)
        ::fchmod (to, sourceInfo.st_mode & 0777);
    copied = copied && ::fsync (to) == 0;
    ::close (from);
    copied = ::close (to) == 0 && copied;

    if (copied && target.isDirectory())
        copied = ::rmdir (targetPath.toRawUTF8()) == 0;
    if (! copied || ::rename (pattern.c_str(), targetPath.toRawUTF8()) != 0)
    {
        ::unlink (pattern.c_str());
        return false;
    }

    // The rename itself must survive a crash as well.
    const int folder = ::open (target.getParentDirectory().getFullPathName().toRawUTF8(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0)
    {
        ::fsync (folder);
        ::close (folder);
    }
    return true;
}
