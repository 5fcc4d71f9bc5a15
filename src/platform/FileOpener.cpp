#include "platform/FileOpener.h"

#include <spawn.h>
#include <sys/wait.h>

#include <thread>

extern char** environ;

namespace
{
FileOpener desktopOpener;
FileOpener* current = nullptr;
} // namespace

bool FileOpener::open (const juce::File& file)
{
    // xdg-open returns at once for most viewers; it is started detached so a viewer that stays in
    // the foreground cannot block the program.
    const std::string path = file.getFullPathName().toStdString();
    const char* argv[] = { "xdg-open", path.c_str(), nullptr };
    posix_spawnattr_t attr;
    posix_spawnattr_init (&attr);
    posix_spawnattr_setflags (&attr, POSIX_SPAWN_SETSID);
    pid_t pid = 0;
    const int rc = posix_spawnp (&pid, "xdg-open", nullptr, &attr, const_cast<char**> (argv), environ);
    posix_spawnattr_destroy (&attr);
    if (rc != 0)
        return false;
    // Reap it without waiting, so it leaves no zombie behind.
    std::thread ([pid] { int status = 0; waitpid (pid, &status, 0); }).detach();
    return true;
}

FileOpener& FileOpener::get()
{
    return current != nullptr ? *current : desktopOpener;
}

void FileOpener::set (FileOpener* replacement)
{
    current = replacement;
}
