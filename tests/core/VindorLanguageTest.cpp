#include "core/ModeSetting.h"
#include "core/VindorLanguage.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace
{
// Three small language files in a folder of the test's own, named as the program's.
class LanguageFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        write ("slovensko.txt", "language: Slovenian\n\"Zapri\" = \"Zapri SL\"\n");
        write ("english.txt", "language: English\n\"Zapri\" = \"Close\"\n");
        write ("slo-eng.txt", "language: Slovenian-English\n\"Zapri\" = \"Zapri (Close)\"\n");
        settings.user().setValue ("resourcespath", settings.folder().get().getFullPathName());
        settings.user().setValue ("folder_nw", "/");
    }
    void TearDown() override { juce::LocalisedStrings::setCurrentMappings (nullptr); }
    void write (const juce::String& name, const juce::String& text) { settings.folder().file (name).replaceWithText (text); }

    vtest::TestSettings settings;
};
} // namespace

TEST_F (LanguageFiles, ConstructionInstallsSlovenian)
{
    vtest::LogCapture log;
    VindorLanguage language;
    EXPECT_EQ (language.current, 2);
    EXPECT_EQ (language.previous, 0);
    EXPECT_EQ (TRANS ("Zapri"), "Zapri SL");
    EXPECT_EQ (TRANS ("zAPRI"), "Zapri SL"); // keys are matched ignoring case
    EXPECT_EQ (TRANS ("Neznano"), "Neznano");
    EXPECT_TRUE (log.contains ("<VindorLanguage::setLanguage> language file loaded:"
                               + settings.folder().file ("slovensko.txt").getFullPathName()));
}

TEST_F (LanguageFiles, NumbersChooseTheirFilesAndRememberThePrevious)
{
    VindorLanguage language;
    struct Case { int number; const char* text; int previous; };
    const Case cases[] = {
        { 3, "Close", 2 },
        { 4, "Zapri (Close)", 3 },
        { 7, "Zapri SL", 4 },
        { 2, "Zapri SL", 7 },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.number);
        language.setLanguage (c.number);
        EXPECT_EQ (language.current, c.number);
        EXPECT_EQ (language.previous, c.previous);
        EXPECT_EQ (TRANS ("Zapri"), c.text);
    }
    // A print in English and back: the previous language comes back, 7 as Slovenian.
    language.setLanguage (7);
    language.setLanguage (3);
    language.setLanguage (language.previous);
    EXPECT_EQ (language.current, 7);
    EXPECT_EQ (TRANS ("Zapri"), "Zapri SL");
}

TEST_F (LanguageFiles, MissingFileOrSeparatorLeavesKeysAsThemselves)
{
    settings.user().setValue ("folder_nw", "");
    vtest::LogCapture log;
    VindorLanguage language;
    // Without a separator the folder and the file name run together.
    EXPECT_TRUE (log.contains ("language file loaded:" + settings.folder().get().getFullPathName() + "slovensko.txt"));
    EXPECT_EQ (TRANS ("Zapri"), "Zapri");
}

TEST_F (LanguageFiles, ShippedFilesCarryTheDecimalComma)
{
    settings.user().setValue ("resourcespath", vtest::resourcesFolder().getFullPathName());
    VindorLanguage language;
    EXPECT_EQ (TRANS ("decimalna_vejica"), ",");
    language.setLanguage (3);
    EXPECT_EQ (TRANS ("decimalna_vejica"), ".");
    language.setLanguage (4);
    EXPECT_EQ (TRANS ("decimalna_vejica"), ",");
}

TEST (ModeSetting, LoadsOneWhenMissingAndStoresInTheSettings)
{
    vtest::TestSettings settings;
    ModeSetting mode ("racun_popust_mode");
    EXPECT_TRUE (mode.value.isVoid());
    EXPECT_EQ (mode.load(), 1);
    EXPECT_EQ ((int) mode.value, 1);
    EXPECT_FALSE (settings.user().containsKey ("racun_popust_mode"));

    mode.store (10);
    EXPECT_EQ (settings.user().getIntValue ("racun_popust_mode"), 10);
    ModeSetting other ("racun_dobavnica_mode");
    other = mode;
    EXPECT_EQ (other.key, "racun_popust_mode");
    EXPECT_EQ (other.load(), 10);
}
