// Start-up and shut-down of the application object: a settings file, the shipped database put in
// place on a first start, the language, and a plain main window.
#include "app/Globals.h"
#include "app/ShippedDatabase.h"
#include "app/VindorApplication.h"
#include "app/VindorLanguage.h"

namespace
{
class PlainWindow final : public juce::DocumentWindow
{
public:
    PlainWindow()
        : DocumentWindow ("Vindoro", juce::Colours::darkgrey, DocumentWindow::allButtons)
    {
        setUsingNativeTitleBar (true);
        setResizable (true, true);
        centreWithSize (1024, 700);
        setVisible (true);
    }
    void closeButtonPressed() override { juce::JUCEApplication::getInstance()->systemRequestedQuit(); }
};
} // namespace

struct VindorApplication::StartupState
{
    std::unique_ptr<PlainWindow> window;
};

void VindorApplication::StartupStateDeleter::operator() (StartupState* state) const { delete state; }

void VindorApplication::initialise (const juce::String&)
{
    startup.reset (new StartupState());

    juce::PropertiesFile::Options options;
    options.applicationName = "Vindoro";
    options.filenameSuffix = "settings";
    options.folderName = "Vindoro";
    options.millisecondsBeforeSaving = 3000;
    appProperties = std::make_unique<juce::ApplicationProperties>();
    appProperties->setStorageParameters (options);
    setAppProperties (appProperties.get());

    auto* settings = appProperties->getUserSettings();
    const auto resources = juce::File::getSpecialLocation (juce::File::currentExecutableFile)
                               .getParentDirectory().getChildFile ("Resources");
    if (settings->getValue ("resourcespath").isEmpty())
        settings->setValue ("resourcespath", resources.getFullPathName());
    if (settings->getValue ("folder_nw").isEmpty())
        settings->setValue ("folder_nw", "/");

    if (settings->getValue ("dbfilename").isEmpty())
    {
        auto target = settings->getFile().getParentDirectory().getChildFile ("Vindoro.db");
        if (vindoro::installShippedDatabase (vindoro::shippedDatabaseFile (resources), target))
            settings->setValue ("dbfilename", target.getFullPathName());
    }

    language = std::make_unique<VindorLanguage>();
    setLanguageObject (language.get());

    startup->window = std::make_unique<PlainWindow>();
}

void VindorApplication::shutdown()
{
    if (startup != nullptr)
        startup->window.reset();
    if (appProperties != nullptr)
        appProperties->saveIfNeeded();
    setAppProperties (nullptr);
    setLanguageObject (nullptr);
    language.reset();
}
