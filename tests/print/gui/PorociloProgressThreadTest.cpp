// A report's long pass behind the real progress window: run to its end on the worker thread.
#include "print/gui/PorociloProgressThread.h"
#include "support/ScriptedAnswerer.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

TEST (PorociloProgressThreadTest, LongPassRunsBehindTheProgressWindow)
{
    vtest::ScriptedAnswerer answers;
    vtest::LogCapture log;
    PorociloProgressThread::install();
    juce::Component parent;
    parent.setSize (300, 200);
    PorociloPogoj report;
    EXPECT_TRUE (report.launchProgressThread (&parent));
    EXPECT_EQ (report.getThreadResult(), 1);
    EXPECT_TRUE (log.contains ("runThread returned true"));
    PorociloPogoj::setProgressRunner (nullptr);
    EXPECT_FALSE (report.launchProgressThread (&parent));
    EXPECT_TRUE (log.contains (PorociloPogoj::kNoRunner));
}
