#include "print/gui/PorociloProgressThread.h"

#include "core/Log.h"
#include "frame/MessageBoxes.h"

PorociloProgressThread::PorociloProgressThread (juce::Component* parent, PorociloPogoj* report)
    : juce::ThreadWithProgressWindow (TRANS ("Loading"), true, true, 10000, TRANS ("Cancel"), parent),
      pogoj (report)
{
    juce::ThreadWithProgressWindow::setStatusMessage (TRANS ("Preparing"));
}

PorociloProgressThread::~PorociloProgressThread() = default;

void PorociloProgressThread::run()
{
    if (pogoj == nullptr)
    {
        vindoro::vlog ("PorociloProgressThread::run", "ERROR: ni issuer-ja");
        return;
    }
    setProgress (-1.0);
    setStatusMessage (TRANS ("Preparing"));
    pogoj->runThread (*this);
    setProgress (-1.0);
    setStatusMessage (TRANS ("Finishing"));
}

void PorociloProgressThread::install()
{
    PorociloPogoj::setProgressRunner (&PorociloProgressThread::runModal);
}

bool PorociloProgressThread::runModal (juce::Component* parent, PorociloPogoj& report)
{
    PorociloProgressThread thread (parent, &report);
    return vindoro::runProgressWindow (thread, juce::Thread::Priority::normal);
}
