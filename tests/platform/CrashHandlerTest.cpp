#include "platform/CrashHandler.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

// Kept out of line and with external linkage, so the crash has a named frame of its own. The
// write through null is the crash this test is about: the undefined-behaviour check must let the
// processor fault instead of reporting it first.
[[gnu::noinline]] void crashNow (volatile int* target);
[[gnu::no_sanitize ("undefined")]] void crashNow (volatile int* target)
{
    *target = 1;
}

TEST (CrashHandlerTest, CrashInChildProcessLeavesCrashLinesInItsLog)
{
    vtest::TempFolder temp;
    const auto logFile = temp.file ("Vindoro.log");

    const pid_t pid = fork();
    ASSERT_GE (pid, 0);
    if (pid == 0)
    {
        // The child: a file logger as start-up makes one, the handler installed, then a crash.
        juce::FileLogger logger (logFile, "Zaganjam Vindoro", 0);
        juce::Logger::setCurrentLogger (&logger);
        vindoro::installCrashHandler();
        crashNow (nullptr);
        _exit (0);
    }

    int status = 0;
    ASSERT_EQ (waitpid (pid, &status, 0), pid);
    EXPECT_TRUE (WIFSIGNALED (status)) << "the process must end after the handler";

    juce::StringArray lines;
    lines.addLines (logFile.loadFileAsString());
    const int fatal = lines.indexOf ("FATAL ERROR:Program crashed!");
    ASSERT_GE (fatal, 0) << lines.joinIntoString ("\n");
    EXPECT_EQ (lines[fatal + 1], "Stack:");

    int frameLines = 0;
    bool sawCrashFrame = false;
    for (int i = fatal + 2; i < lines.size(); ++i)
    {
        if (lines[i].trim().isEmpty())
            continue;
        // "<frame>: <module>: <symbol> + 0x<offset>"
        EXPECT_TRUE (lines[i].upToFirstOccurrenceOf (": ", false, false).containsOnly ("0123456789")) << lines[i];
        EXPECT_TRUE (lines[i].fromLastOccurrenceOf (" + 0x", false, false).containsOnly ("0123456789abcdef")) << lines[i];
        sawCrashFrame = sawCrashFrame || lines[i].contains ("crashNow");
        ++frameLines;
    }
    EXPECT_GT (frameLines, 2);
    EXPECT_LE (frameLines, vindoro::kMaxCrashFrames);
    EXPECT_TRUE (sawCrashFrame) << lines.joinIntoString ("\n");
}
