#include "app/ApplicationStartup.h"

#include "app/BoardWindows.h"
#include "app/DatabaseStartupChecks.h"
#include "core/DateTime.h"
#include "core/Globals.h"
#include "core/Log.h"
#include "frame/LookAndFeel_Vindor.h"
#include "app/PropertiesVindor.h"
#include "app/MainWindowCallback.h"
#include "frame/MessageBoxes.h"
#include "core/ProductInfo.h"
#include "app/ShippedDatabase.h"
#include "app/StartupSettings.h"
#include "app/SubsystemCellTypes.h"
#include "frame/SystemInformation.h"
#include "app/VindorApplication.h"
#include "core/VindorLanguage.h"
#include "db/SqlitetoXml.h"
#include "platform/CrashHandler.h"
#include "platform/gui/UpdateChecker.h"

#include <curl/curl.h>
#include <openssl/crypto.h>

#include <iostream>

using namespace juce;

namespace
{
const char* const kInit = "VindorApplication::initialise";

void log (const String& message)
{
    vindoro::vlog (kInit, message.substring (0, vindoro::kMaxLogMessageLength));
}

// The framework names the program after argv[0], which is a bare name when started through the
// search path; the kernel's link names the file itself.
File programFolder()
{
    const auto self = File ("/proc/self/exe").getLinkedTarget();
    if (self.existsAsFile())
        return self.getParentDirectory();
    return File::getSpecialLocation (File::currentExecutableFile).getParentDirectory();
}
} // namespace

const StringArray& ApplicationStartup::vesselPictureNames()
{
    static const StringArray names { "buck2.svg", "cisterna.svg", "cisterna2.svg", "buck.svg",
                                     "plavnik.svg", "nomblot.svg", "jajce.svg" };
    return names;
}

const StringArray& ApplicationStartup::articlePictureNames()
{
    static const StringArray names { "steklenica.svg", "skatla.svg" };
    return names;
}

ApplicationStartup::ApplicationStartup() = default;

ApplicationStartup::~ApplicationStartup()
{
    // Nothing may still draw with our look-and-feel once it is gone.
    if (lookAndFeel != nullptr && &LookAndFeel::getDefaultLookAndFeel() == lookAndFeel.get())
        LookAndFeel::setDefaultLookAndFeel (nullptr);
}

bool ApplicationStartup::initialise (Targets targets)
{
    vindoro::installCrashHandler();
    registerSubsystemCellTypes();

    targets.appProperties = std::make_unique<ApplicationProperties>();
    targets.appProperties->setStorageParameters (vindoro::startup::settingsOptions());
    setAppProperties (targets.appProperties.get());
    auto& settings = *targets.appProperties->getUserSettings();

    const auto banner = vindoro::startBanner();
    const auto common = vindoro::startup::commonFolder();

    logger = vindoro::startup::createLogger (settings.getIntValue ("logger_mode", 1), common, banner);
    if (logger != nullptr)
    {
        Logger::setCurrentLogger (logger.get());
        const auto path = logger->getLogFile().getFullPathName();
        std::cout << "logger file:" << path << std::endl;
        log ("logger file:" + path);
    }

    log (getSystemStatistics());

    OPENSSL_init_crypto (0, nullptr);
    curl_global_init (CURL_GLOBAL_ALL);

    if (settings.getIntValue ("settings_version", 0) == 0)
        log ("extremelly old settings found");
    settings.setValue ("settings_version", 1);
    // The language and the pictures are found by joining the resources folder, this text and
    // the file name, so it must be this system's separator.
    settings.setValue ("folder_nw", String (File::getSeparatorString()));

    log ("common path :" + common.getFullPathName());

    const auto storedResources = settings.getValue ("resourcespath");
    log ("resourcepath from settings:" + storedResources);
    File resources (storedResources);
    if (storedResources.isEmpty())
    {
        resources = vindoro::startup::defaultResourcesFolder (common, programFolder());
        log ("resourcepath from JUCE:" + resources.getFullPathName());
    }

    log ("datoteka slovensko.txt:" + resources.getChildFile ("slovensko.txt").getFullPathName());
    if (! vindoro::startup::isResourcesFolder (resources))
    {
        const auto chosen = chooseResourcesFolder (resources);
        if (chosen != resources)
        {
            resources = chosen;
            settings.setValue ("resourcespath", resources.getFullPathName());
        }
    }

    log ("settings file:" + settings.getFile().getFullPathName());
    if (storedResources.isEmpty())
        settings.setValue ("resourcespath", resources.getFullPathName());

    vindoro::startup::writeMissingDefaults (settings, common, resources);

    targets.language = std::make_unique<VindorLanguage>();
    setLanguageObject (targets.language.get());

    // A picture that cannot be read keeps its place as an empty entry, so later indexes hold.
    for (const auto& name : vesselPictureNames())
        targets.vesselDrawables.add (Drawable::createFromImageFile (resources.getChildFile (name)).release());
    for (const auto& name : articlePictureNames())
        targets.articleDrawables.add (Drawable::createFromImageFile (resources.getChildFile (name)).release());

    log ("stored dbfilename:" + settings.getValue ("dbfilename"));
    const File database (settings.getValue ("dbfilename"));
    if (! database.exists())
    {
        // A new installation starts from the database delivered with the program.
        if (database == common.getChildFile ("Vindoro.db")
            && vindoro::installShippedDatabase (vindoro::shippedDatabaseFile (resources), database))
        {
            log ("INFO: new database made from the shipped one:" + database.getFullPathName());
        }
        else
        {
            FileChooser chooser ("Izberi datoteko, kjer se nahaja baza podatkov",
                                 File::getSpecialLocation (File::userApplicationDataDirectory), {}, false);
            if (chooser.browseForFileToOpen())
                settings.setValue ("dbfilename", chooser.getResult().getFullPathName());
        }
    }
    log ("dbfilename:" + settings.getValue ("dbfilename"));

    if (DatabaseStartupChecks::run() == DatabaseStartupChecks::Outcome::quit)
    {
        // The user has been told why; the framework's shut-down releases what was set up so far.
        JUCEApplicationBase::quit();
        return false;
    }

    if (settings.getIntValue ("LookAndFeel", 1) == 1)
    {
        lookAndFeel = std::make_unique<LookAndFeel_Vindor>();
        LookAndFeel::setDefaultLookAndFeel (lookAndFeel.get());
        PropertiesVindor::offerLookAndFeel (lookAndFeel.get());
    }

    vindoro::wireBoardWindows();
    mainWindowCallback = new MainWindowCallback (vindoro::startup::mainWindowTitle (settings.getValue ("uporabnik")));

    // The settings page built with the main window owns the look-and-feel from now on.
    if (lookAndFeel != nullptr && PropertiesVindor::wasOfferTaken())
        (void) lookAndFeel.release();
    PropertiesVindor::offerLookAndFeel (nullptr);
    mainWindowCallback->getWindow().toFront (true);

    auto& updates = vindoro::UpdateChecker::getInstance();
    updates.setAppcastUrl (vindoro::startup::kAppcastUrl);
    updates.setLanguage ("sl_SI");
    updates.setShutdownRequestCallback (shutdownRequestCallback);
    updates.setAppDetails ("MyCompany", vindoro::kProductName, vindoro::kProductVersion);
    updates.initialise();
    return true;
}

File ApplicationStartup::chooseResourcesFolder (File current)
{
    for (;;)
    {
        FileChooser chooser ("Izberi mesto, kjer se nahajajo osnovni podatki programa",
                             File::getSpecialLocation (File::userApplicationDataDirectory), {}, false);
        if (! chooser.browseForDirectory())
            return current;

        if (vindoro::startup::isResourcesFolder (chooser.getResult()))
            return chooser.getResult();

        // The language is not loaded yet: title and text stay as they are.
        showMessageOK (vindoro::kIconWarning, "Napaka", "Izbrana mapa ne vsebuje osnovnih podatkov programa.");
    }
}

void ApplicationStartup::shutdown (Targets targets)
{
    SqlitetoXml::disconnect();

    if (targets.appProperties != nullptr)
    {
        targets.appProperties->saveIfNeeded();
        setAppProperties (nullptr);
        targets.appProperties.reset();
    }

    // The update check runs on libcurl and OpenSSL: it must be stopped before they are released.
    vindoro::UpdateChecker::getInstance().cleanUp();
    curl_global_cleanup();
    OPENSSL_cleanup();

    if (logger != nullptr)
    {
        logger->logMessage (DateTime().toString() + " Shutting down logger");
        if (Logger::getCurrentLogger() == logger.get())
            Logger::setCurrentLogger (nullptr);
        logger.reset();
    }

    if (targets.language != nullptr)
    {
        setLanguageObject (nullptr);
        targets.language.reset();
    }
}

void ApplicationStartup::callbackOnShutdown()
{
    vindoro::vlog ("VindorApplication::callbackOnShutdown", "Shutdown callback is called by winsparkle!");
    if (auto* app = JUCEApplicationBase::getInstance())
        app->quit();
}

void shutdownRequestCallback()
{
    // The checker may call from its own thread; the quit is asked on the message thread.
    if (getApplication() != nullptr)
        MessageManager::callAsync ([] { ApplicationStartup::callbackOnShutdown(); });
}
