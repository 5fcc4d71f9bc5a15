#include "app/VindorApplication.h"
#include "core/Globals.h"
#include "partners/OwnCompany.h"
#include "frame/MessageBoxes.h"
#include "core/VindorLanguage.h"
#include "cellar/gui/Posoda.h"
#include "frame/ArticlePictures.h"

VindorApplication::VindorApplication()
{
    setPodjetjeRecord (&podjetje);
    Posoda::pictures = getVesselDrawable;
    ArticlePictures::setSource (&getArticleDrawable);
}

VindorApplication::~VindorApplication()
{
    if (&getPodjetje() == &podjetje)
        setPodjetjeRecord (nullptr);
    ArticlePictures::setSource (nullptr);
    podjetje = StrankaRecord();
    // Pictures go last entry first, articles before vessels.
    while (! articleDrawables.isEmpty())
        articleDrawables.removeLast();
    while (! vesselDrawables.isEmpty())
        vesselDrawables.removeLast();
}

const juce::String VindorApplication::getApplicationName() { return "Vindoro"; }
const juce::String VindorApplication::getApplicationVersion() { return "2.2.0"; }
// One instance per user is kept by the single-instance channel that the entry opens before the
// framework starts. The framework's own check on Linux is a machine-wide lock file that would end
// a second user's start (or a start in another session) silently, so it is not asked to check.
bool VindorApplication::moreThanOneInstanceAllowed() { return true; }

void VindorApplication::anotherInstanceStarted (const juce::String&)
{
    showMessageOK (vindoro::kIconInformation, TRANS ("Napaka"), TRANS ("Program je ze zagnan"), nullptr);
}

void VindorApplication::systemRequestedQuit()
{
    quit();
}

void VindorApplication::addVesselDrawable (std::unique_ptr<juce::Drawable> picture)
{
    vesselDrawables.add (picture.release());
}

void VindorApplication::addArticleDrawable (std::unique_ptr<juce::Drawable> picture)
{
    articleDrawables.add (picture.release());
}

juce::Drawable* VindorApplication::vesselDrawable (int index) const { return vesselDrawables[index]; }
juce::Drawable* VindorApplication::articleDrawable (int index) const { return articleDrawables[index]; }

VindorApplication* getApplication()
{
    return dynamic_cast<VindorApplication*> (juce::JUCEApplicationBase::getInstance());
}

juce::Drawable* getVesselDrawable (int index)
{
    auto* app = getApplication();
    return app != nullptr ? app->vesselDrawable (index) : nullptr;
}

juce::Drawable* getArticleDrawable (int index)
{
    auto* app = getApplication();
    return app != nullptr ? app->articleDrawable (index) : nullptr;
}
