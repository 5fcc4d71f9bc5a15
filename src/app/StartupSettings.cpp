#include "app/StartupSettings.h"

#include "core/ProductInfo.h"

namespace vindoro::startup
{
namespace
{
constexpr int kSaveDelayMs = 3000;
constexpr juce::int64 kLogKeptBytes = 128 * 1024;
constexpr int kArtikelSelColour = (int) 0xFFFFA500;  // opaque orange, stored as a signed 32-bit value
constexpr const char* kFursUrl = "https://blagajne.fu.gov.si:9003/v1/cash_registers";
constexpr const char* kAjpesUrl = "https://www.ajpes.si";

void setIfMissing (juce::PropertiesFile& settings, const juce::String& key, const juce::var& value)
{
    if (! settings.containsKey (key))
        settings.setValue (key, value);
}
} // namespace

juce::PropertiesFile::Options settingsOptions()
{
    juce::PropertiesFile::Options options;
    options.applicationName = kProductName;
    options.filenameSuffix = "settings";
    // On Linux the framework would otherwise use a hidden folder in the home folder; the program keeps
    // its settings, database and log together in the per-user application-data folder.
    options.folderName = juce::File::getSpecialLocation (juce::File::userApplicationDataDirectory)
                             .getChildFile (kProductName).getFullPathName();
    options.osxLibrarySubFolder = "Preferences";
    options.commonToAllUsers = false;
    options.ignoreCaseOfKeyNames = false;
    options.doNotSave = false;
    options.millisecondsBeforeSaving = kSaveDelayMs;
    options.storageFormat = juce::PropertiesFile::storeAsXML;
    options.processLock = nullptr;
    return options;
}

juce::File commonFolder()
{
    return settingsOptions().getDefaultFile().getParentDirectory();
}

bool isResourcesFolder (const juce::File& folder)
{
    return folder.getChildFile ("slovensko.txt").existsAsFile();
}

juce::File defaultResourcesFolder (const juce::File& common, const juce::File& programFolder)
{
    auto beside = programFolder.getChildFile ("Resources");
    if (isResourcesFolder (beside))
        return beside;
    return common.getChildFile ("Resources");
}

void writeMissingDefaults (juce::PropertiesFile& settings, const juce::File& common, const juce::File& resources)
{
    if (settings.getValue ("dbfilename").isEmpty())
        settings.setValue ("dbfilename", common.getChildFile ("Vindoro.db").getFullPathName());

    const auto furs = common.getChildFile ("furs");
    setIfMissing (settings, "trusted_certificates_file", common.getChildFile ("cacerts.pem").getFullPathName());
    setIfMissing (settings, "CA_signature_check_cert", common.getChildFile ("sigov-ca.pem").getFullPathName());
    setIfMissing (settings, "xml_filled_dir", furs.getChildFile ("poslana").getFullPathName());
    setIfMissing (settings, "xml_signed_dir", furs.getChildFile ("potrjena").getFullPathName());
    setIfMissing (settings, "xml_reply_dir", furs.getChildFile ("odgovori").getFullPathName());
    setIfMissing (settings, "furs_url", kFursUrl);
    setIfMissing (settings, "xml_ajpes_filled_dir", common.getChildFile ("ajpes").getFullPathName());
    setIfMissing (settings, "xml_ajpes_reply_dir", common.getChildFile ("ajpes").getFullPathName());
    setIfMissing (settings, "ajpes_url", kAjpesUrl);
    setIfMissing (settings, "tempfolder", juce::File::getSpecialLocation (juce::File::tempDirectory).getFullPathName()
                                              + juce::File::getSeparatorString());
    setIfMissing (settings, "invoicesdir", common.getChildFile ("izdaniracuni").getFullPathName());
    setIfMissing (settings, "backgroundfile", resources.getChildFile ("les3.png").getFullPathName());
    setIfMissing (settings, "printbordertop", 15);
    setIfMissing (settings, "printborderbottom", 25);
    setIfMissing (settings, "printborderleft", 15);
    setIfMissing (settings, "printborderright", 15);
    setIfMissing (settings, "fontsize_mm", 6);
    setIfMissing (settings, "metoda_obracuna", 1);
    setIfMissing (settings, "racun_kupec_pozicija", 1);
    setIfMissing (settings, "artikel_sel_color", kArtikelSelColour);
    setIfMissing (settings, "dbport", "3306");
}

juce::String mainWindowTitle (const juce::String& userName)
{
    if (userName.isEmpty())
        return kProductName;
    return juce::String (kProductName) + " (" + userName + ")";
}

std::unique_ptr<juce::FileLogger> createLogger (int loggerMode, const juce::File& common, const juce::String& banner)
{
    juce::File file;
    juce::int64 keptBytes = 0;
    if (loggerMode == 2)
    {
        file = common.getChildFile (juce::String (kProductName) + ".log");
        keptBytes = kLogKeptBytes;
    }
    else if (loggerMode == 3)
    {
        file = common.getChildFile (juce::String (kProductName) + "_"
                                    + juce::Time::getCurrentTime().formatted ("%Y-%m-%d_%H-%M-%S") + ".log")
                   .getNonexistentSibling();
    }
    else
    {
        return nullptr;
    }

    if (! file.getParentDirectory().createDirectory())
        return nullptr;
    auto logger = std::make_unique<juce::FileLogger> (file, banner, keptBytes);
    if (! logger->getLogFile().existsAsFile())
        return nullptr;
    return logger;
}
} // namespace vindoro::startup
