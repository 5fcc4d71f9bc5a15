#include "core/ProductInfo.h"
#include "app/StartupSettings.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace vindoro;

TEST (StartupSettingsTest, FirstStartWritesEveryDefault)
{
    vtest::TestSettings settings;
    const auto common = settings.folder().get().getChildFile ("Vindoro");
    const auto resources = common.getChildFile ("Resources");
    auto& user = settings.user();

    startup::writeMissingDefaults (user, common, resources);

    const std::pair<const char*, juce::String> expected[] = {
        { "dbfilename", common.getChildFile ("Vindoro.db").getFullPathName() },
        { "trusted_certificates_file", common.getChildFile ("cacerts.pem").getFullPathName() },
        { "CA_signature_check_cert", common.getChildFile ("sigov-ca.pem").getFullPathName() },
        { "xml_filled_dir", common.getChildFile ("furs/poslana").getFullPathName() },
        { "xml_signed_dir", common.getChildFile ("furs/potrjena").getFullPathName() },
        { "xml_reply_dir", common.getChildFile ("furs/odgovori").getFullPathName() },
        { "xml_ajpes_filled_dir", common.getChildFile ("ajpes").getFullPathName() },
        { "xml_ajpes_reply_dir", common.getChildFile ("ajpes").getFullPathName() },
        { "invoicesdir", common.getChildFile ("izdaniracuni").getFullPathName() },
        { "backgroundfile", resources.getChildFile ("les3.png").getFullPathName() },
        { "printbordertop", "15" }, { "printborderbottom", "25" }, { "printborderleft", "15" },
        { "printborderright", "15" }, { "fontsize_mm", "6" }, { "metoda_obracuna", "1" },
        { "racun_kupec_pozicija", "1" }, { "artikel_sel_color", "-23296" }, { "dbport", "3306" },
    };
    for (const auto& [key, value] : expected)
        EXPECT_EQ (user.getValue (key), value) << key;

    const auto furs = user.getValue ("furs_url");
    EXPECT_TRUE (furs.startsWith ("https://") && furs.endsWith (":9003/v1/cash_registers")) << furs;
    EXPECT_TRUE (user.getValue ("ajpes_url").startsWith ("https://"));
    EXPECT_TRUE (user.getValue ("tempfolder").endsWith (juce::File::getSeparatorString()));
    EXPECT_EQ ((juce::uint32) user.getIntValue ("artikel_sel_color"), 0xFFFFA500u);
}

TEST (StartupSettingsTest, PresentKeysStayButAnEmptyDatabaseNameIsReplaced)
{
    vtest::TestSettings settings;
    const juce::File common ("/tmp/vindoro-common");
    auto& user = settings.user();
    user.setValue ("printbordertop", "");
    user.setValue ("fontsize_mm", 4);
    user.setValue ("invoicesdir", "/elsewhere");
    user.setValue ("dbfilename", "");

    startup::writeMissingDefaults (user, common, common.getChildFile ("Resources"));

    EXPECT_TRUE (user.containsKey ("printbordertop"));
    EXPECT_EQ (user.getValue ("printbordertop"), "");
    EXPECT_EQ (user.getIntValue ("fontsize_mm"), 4);
    EXPECT_EQ (user.getValue ("invoicesdir"), "/elsewhere");
    EXPECT_EQ (user.getValue ("dbfilename"), common.getChildFile ("Vindoro.db").getFullPathName());

    user.setValue ("dbfilename", "/data/mine.db");
    startup::writeMissingDefaults (user, common, common.getChildFile ("Resources"));
    EXPECT_EQ (user.getValue ("dbfilename"), "/data/mine.db");
}

TEST (StartupSettingsTest, SettingsLiveInTheApplicationDataFolder)
{
    const auto options = startup::settingsOptions();
    const auto file = options.getDefaultFile();
    EXPECT_EQ (file.getFileName(), "Vindoro.settings");
    EXPECT_EQ (file.getParentDirectory(),
               juce::File::getSpecialLocation (juce::File::userApplicationDataDirectory).getChildFile ("Vindoro"));
    EXPECT_EQ (options.millisecondsBeforeSaving, 3000);
    EXPECT_EQ (options.storageFormat, juce::PropertiesFile::storeAsXML);
    EXPECT_FALSE (options.ignoreCaseOfKeyNames);
    EXPECT_EQ (startup::commonFolder(), file.getParentDirectory());
}

TEST (StartupSettingsTest, ResourcesBesideTheProgramWinOverTheCommonFolder)
{
    vtest::TempFolder temp;
    const auto program = temp.file ("bin"), common = temp.file ("common");
    EXPECT_EQ (startup::defaultResourcesFolder (common, program), common.getChildFile ("Resources"));

    program.getChildFile ("Resources").createDirectory();
    EXPECT_EQ (startup::defaultResourcesFolder (common, program), common.getChildFile ("Resources"))
        << "a folder without the language file does not count";

    program.getChildFile ("Resources/slovensko.txt").replaceWithText ("language: Slovensko\n");
    EXPECT_EQ (startup::defaultResourcesFolder (common, program), program.getChildFile ("Resources"));
    EXPECT_TRUE (startup::isResourcesFolder (vtest::resourcesFolder()));
}

TEST (StartupSettingsTest, TitleBannerAndVersionTexts)
{
    EXPECT_EQ (startup::mainWindowTitle (""), "Vindoro");
    EXPECT_EQ (startup::mainWindowTitle ("Ana Novak"), "Vindoro (Ana Novak)");

    EXPECT_EQ (compactDateText ("Feb  4 2018"), "Feb 4 2018");
    EXPECT_EQ (compactDateText ("Dec 11 2026"), "Dec 11 2026");
    EXPECT_FALSE (buildDateText().contains ("  "));
    EXPECT_EQ (startBanner(), "Zaganjam Vindoro verzija 2.2.0 pripravljena " + buildDateText());
}

TEST (StartupSettingsTest, LoggerModeChoosesTheLogFile)
{
    vtest::TempFolder temp;
    for (int mode : { 1, 0, 7 })
        EXPECT_EQ (startup::createLogger (mode, temp.get(), "banner"), nullptr) << mode;
    EXPECT_EQ (temp.get().getNumberOfChildFiles (juce::File::findFiles), 0);

    // Mode 2 appends to one file at every start.
    for (int run = 0; run < 2; ++run)
    {
        auto logger = startup::createLogger (2, temp.get(), "Zaganjam run " + juce::String (run));
        ASSERT_NE (logger, nullptr);
        EXPECT_EQ (logger->getLogFile(), temp.file ("Vindoro.log"));
        logger->logMessage ("line of run " + juce::String (run));
    }
    const auto text = temp.file ("Vindoro.log").loadFileAsString();
    EXPECT_TRUE (text.contains ("Zaganjam run 0") && text.contains ("line of run 1"));
    EXPECT_LT (text.indexOf ("line of run 0"), text.indexOf ("Zaganjam run 1"));

    // Mode 3 makes a new file at every start.
    auto first = startup::createLogger (3, temp.get(), "banner");
    auto second = startup::createLogger (3, temp.get(), "banner");
    ASSERT_NE (first, nullptr);
    ASSERT_NE (second, nullptr);
    EXPECT_NE (first->getLogFile(), second->getLogFile());
    EXPECT_EQ (first->getLogFile().getFileExtension(), ".log");
    EXPECT_TRUE (first->getLogFile().loadFileAsString().contains ("banner"));
}
