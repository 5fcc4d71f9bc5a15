// Print settings: the standard keys, copies, merging, the user-settings round trip and the checks
// of typed values.
#include "print/VindorPrintSettings.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

TEST (VindorPrintSettingsTest, FreshObjectAndDefaults)
{
    VindorPrintSettings s;
    EXPECT_EQ (s.getPrefix(), "printdialog");
    EXPECT_EQ (s.size(), 0);
    s.setDefaults ({});
    EXPECT_EQ (s.getPrefix(), "printdialog");

    const char* expectedKeys[] = { "ncopies", "papersize", "preview", "title", "printname", "lang", "dobavnica",
                                   "fontsizetable", "fontsizenotes", "headerlines", "headerstyle", "tablecellborder",
                                   "border", "space", "zbirnik" };
    ASSERT_EQ (s.size(), 15);
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ (s.getKey (i), expectedKeys[i]);

    EXPECT_TRUE (s.getValue ("ncopies").getValue().isInt());
    EXPECT_TRUE (s.getValue ("preview").getValue().isBool());
    EXPECT_TRUE ((bool) s.getValue ("preview").getValue());
    EXPECT_TRUE (s.getValue ("fontsizetable").getValue().isDouble());
    EXPECT_EQ ((double) s.getValue ("tablecellborder").getValue(), (double) 0.2f);
    EXPECT_EQ (s.getString ("title"), "title");
    EXPECT_TRUE (s.isOnDialog ("zbirnik") && s.hasUserSetting ("zbirnik"));
    EXPECT_FALSE (s.isOnDialog ("preview") || s.hasUserSetting ("preview"));
}

TEST (VindorPrintSettingsTest, CopyIsIndependentOfItsSource)
{
    VindorPrintSettings a;
    a.setDefaults ("PrintDialogOpomin");
    VindorPrintSettings b (a);
    EXPECT_EQ (b.getPrefix(), "PrintDialogOpomin");
    EXPECT_EQ (b.size(), a.size());
    b.getValue ("ncopies") = 5;
    EXPECT_EQ ((int) a.getValue ("ncopies").getValue(), 1);
    EXPECT_EQ ((int) b.getValue ("ncopies").getValue(), 5);
    EXPECT_TRUE (b.isOnDialog ("ncopies") && b.hasUserSetting ("ncopies"));

    VindorPrintSettings c;
    c = b;
    c = c; // assigning itself keeps everything
    EXPECT_EQ (c.size(), 15);
    EXPECT_EQ ((int) c.getValue ("ncopies").getValue(), 5);
}

TEST (VindorPrintSettingsTest, MissingKeysAndIndexesGiveTheMissingValueAndALogLine)
{
    VindorPrintSettings s;
    s.setDefaults ({});
    vtest::LogCapture log;
    EXPECT_TRUE (s.getValue ("nosuchkey").getValue().isVoid());
    EXPECT_TRUE (log.contains ("<VindorPrintSettings::getValue> ERROR: ne najdem tega:nosuchkey"));
    for (int index : { -1, 15, 1000 })
    {
        log.clear();
        EXPECT_TRUE (s.getValue (index).getValue().isVoid()) << index;
        EXPECT_TRUE (log.contains ("ERROR: ne najdem tega:" + juce::String (index)));
    }
    EXPECT_EQ ((int) s.getValue (0).getValue(), 1);
    EXPECT_EQ (s.getKey (99), "");
    s.setOndialog ("nosuchkey", true);
    EXPECT_TRUE (log.contains ("<VindorPrintSettings::setOndialog> ERROR: ne najdem tega:nosuchkey"));
    EXPECT_EQ (s.size(), 15);
}

TEST (VindorPrintSettingsTest, SetValueChangesTypeOrAddsAKeyWithoutFlags)
{
    VindorPrintSettings s;
    s.setDefaults ({});
    vtest::LogCapture log;
    s.setValue ("fontsizetable", 10);
    EXPECT_TRUE (s.getValue ("fontsizetable").getValue().isInt());
    EXPECT_EQ (s.getFloat ("fontsizetable"), 10.0f);
    EXPECT_TRUE (log.contains ("updatam shranjene vrednosti:10.0 nova vrednost:10") || log.contains ("updatam shranjene vrednosti:10 nova vrednost:10"));

    s.setValue ("mykey", "x");
    EXPECT_TRUE (log.contains ("dodajam nove vrednosti:x"));
    EXPECT_EQ (s.size(), 16);
    EXPECT_FALSE (s.isOnDialog ("mykey") || s.hasUserSetting ("mykey"));
}

TEST (VindorPrintSettingsTest, UpdateLaysTheOtherObjectOverThisOne)
{
    VindorPrintSettings dialog;
    dialog.setDefaults ("printdialog");
    VindorPrintSettings report;
    report.setPrefix ("PorociloZalogArtiklov");
    report.setValue ("fontsizetable", 10);
    report.setValue ("headerlines", 1);
    report.setValue ("papersize", 0);
    dialog.update (report);
    EXPECT_EQ (dialog.getPrefix(), "printdialog");
    EXPECT_EQ (dialog.size(), 15);
    EXPECT_FALSE (dialog.isOnDialog ("papersize") || dialog.hasUserSetting ("papersize"));
    EXPECT_TRUE (dialog.isOnDialog ("ncopies") && dialog.hasUserSetting ("ncopies"));
    EXPECT_TRUE (dialog.getValue ("fontsizetable").getValue().isInt());
}

TEST (VindorPrintSettingsTest, UserSettingsRoundTripUnderThePrefix)
{
    vtest::TestSettings settings;
    VindorPrintSettings s;
    s.setDefaults ("PrintDialogOpomin");
    s.getValue ("ncopies") = 3;
    s.getValue ("title") = "changed";
    s.saveUserSettings();

    const auto keys = settings.user().getAllProperties().getAllKeys();
    juce::StringArray sorted (keys);
    sorted.sort (false);
    EXPECT_EQ (sorted.joinIntoString (","),
               "PrintDialogOpomin:dobavnica,PrintDialogOpomin:fontsizenotes,PrintDialogOpomin:fontsizetable,"
               "PrintDialogOpomin:lang,PrintDialogOpomin:ncopies,PrintDialogOpomin:papersize,PrintDialogOpomin:zbirnik");

    VindorPrintSettings again;
    again.setDefaults ("PrintDialogOpomin");
    again.loadUserSettings();
    EXPECT_EQ ((int) again.getValue ("ncopies").getValue(), 3);
    EXPECT_TRUE (again.getValue ("ncopies").getValue().isInt());
    EXPECT_EQ (again.getString ("title"), "title");

    VindorPrintSettings other;
    other.setDefaults ("printdialog");
    other.loadUserSettings();
    EXPECT_EQ ((int) other.getValue ("ncopies").getValue(), 1);

    settings.user().setValue ("printdialog:papersize", "abc");
    other.loadUserSettings();
    EXPECT_EQ ((int) other.getValue ("papersize").getValue(), 0) << "a stored text that is no number loads as 0";
}

TEST (VindorPrintSettingsTest, TypedValuesAreCheckedSoNoLayoutDividesByZero)
{
    struct Case
    {
        const char* key;
        juce::var value;
        bool accepted;
    };
    const Case cases[] = {
        { "ncopies", "1", true },        { "ncopies", "99", true },        { "ncopies", 2, true },
        { "ncopies", "0", false },       { "ncopies", "100", false },      { "ncopies", "-3", false },
        { "ncopies", "two", false },     { "ncopies", "", false },         { "fontsizetable", "10", true },
        { "fontsizetable", "0", false }, { "fontsizetable", "-2", false }, { "fontsizenotes", "8,5", true },
        { "fontsizenotes", "0.0", false }, { "printbordertop", "-1", false }, { "printborderleft", "12,5", true },
        { "printborderright", "0", true }, { "title", "", true },
    };
    for (const auto& c : cases)
        EXPECT_EQ (VindorPrintSettings::checkTypedValue (c.key, c.value).isEmpty(), c.accepted) << c.key << " " << c.value.toString();

    VindorPrintSettings s;
    s.setDefaults ({});
    for (auto [typed, used] : { std::pair<juce::var, int> { 0, 1 }, { 250, 99 }, { "3", 3 }, { -1, 1 } })
    {
        s.getValue ("ncopies") = typed;
        EXPECT_EQ (s.getCopies(), used) << typed.toString();
    }
}
