// Start-up and shut-down of the application object: the whole sequence lives in
// ApplicationStartup, which fills the application's settings, pictures and language.
#include "app/ApplicationStartup.h"
#include "app/VindorApplication.h"
#include "core/VindorLanguage.h"
#include "print/gui/PorociloProgressThread.h"

struct VindorApplication::StartupState
{
    ApplicationStartup sequence;
};

void VindorApplication::StartupStateDeleter::operator() (StartupState* state) const { delete state; }

void VindorApplication::initialise (const juce::String&)
{
    startup.reset (new StartupState());
    PorociloProgressThread::install();
    startup->sequence.initialise ({ appProperties, vesselDrawables, articleDrawables, language });
}

void VindorApplication::shutdown()
{
    if (startup == nullptr)
        startup.reset (new StartupState());
    startup->sequence.shutdown ({ appProperties, vesselDrawables, articleDrawables, language });
}
