#include "core/Globals.h"
#include "partners/OwnCompany.h"
#include "app/VindorApplication.h"
#include "support/ScriptedAnswerer.h"

#include <gtest/gtest.h>

namespace
{
std::unique_ptr<juce::Drawable> picture (juce::Colour c)
{
    auto d = std::make_unique<juce::DrawableRectangle>();
    d->setFill (c);
    return d;
}

// The framework accepts an application object only in a program that has an application
// factory, as the real entry sets one; the test program sets one while a test runs.
class ApplicationObject : public ::testing::Test
{
protected:
    static juce::JUCEApplicationBase* create() { return new VindorApplication(); }
    void SetUp() override { juce::JUCEApplicationBase::createInstance = &create; }
    void TearDown() override { juce::JUCEApplicationBase::createInstance = nullptr; }
};
} // namespace

TEST_F (ApplicationObject, AnswersTheFrameworksQuestions)
{
    ASSERT_EQ (getApplication(), nullptr);
    {
        VindorApplication app;
        EXPECT_EQ (getApplication(), &app);
        EXPECT_EQ (app.getApplicationName(), "Vindoro");
        EXPECT_EQ (app.getApplicationVersion(), "2.2.0");
        EXPECT_TRUE (app.moreThanOneInstanceAllowed()); // the single-instance channel decides instead
        EXPECT_EQ (app.appProperties, nullptr);
        EXPECT_EQ (app.language, nullptr);
    }
    EXPECT_EQ (getApplication(), nullptr);
}

TEST_F (ApplicationObject, SecondStartIsAnsweredInTheRunningInstance)
{
    VindorApplication app;
    vtest::ScriptedAnswerer answers;
    app.anotherInstanceStarted ("--ignored");
    ASSERT_EQ (answers.asked.size(), 1u);
    EXPECT_EQ (answers.asked[0].icon, 3);
    EXPECT_EQ (answers.asked[0].title, juce::translate ("Napaka"));
    EXPECT_EQ (answers.asked[0].message, juce::translate ("Program je ze zagnan"));
    ASSERT_EQ (answers.asked[0].buttons.size(), 1u);
    EXPECT_EQ (answers.asked[0].buttons[0].text, juce::translate ("OK"));
}

TEST_F (ApplicationObject, PicturesByIndexKeepTheirPlaces)
{
    VindorApplication app;
    EXPECT_EQ (getVesselDrawable (0), nullptr);
    for (int i = 0; i < 6; ++i)
        app.addVesselDrawable (picture (juce::Colour ((juce::uint32) (0xff000000 + i))));
    app.addVesselDrawable (nullptr); // "jajce.svg" could not be read
    app.addArticleDrawable (picture (juce::Colours::green));
    app.addArticleDrawable (picture (juce::Colours::blue));

    EXPECT_EQ (getVesselDrawable (-1), nullptr);
    EXPECT_EQ (getVesselDrawable (7), nullptr);
    EXPECT_EQ (getVesselDrawable (6), nullptr);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ (getVesselDrawable (i), app.vesselDrawables[i]) << i;
    EXPECT_NE (getVesselDrawable (5), nullptr);
    EXPECT_NE (getArticleDrawable (1), nullptr);
    EXPECT_EQ (getArticleDrawable (2), nullptr);
    EXPECT_EQ (getArticleDrawable (-1), nullptr);
}

TEST_F (ApplicationObject, OwnCompanyRecordIsReachedAndAssignedThroughTheAccessor)
{
    EXPECT_EQ (getPodjetje().id, -1); // no application: the spare record
    {
        VindorApplication app;
        EXPECT_EQ (&getPodjetje(), &app.podjetje);
        EXPECT_LT (getPodjetje().id, 2);
        StrankaRecord saved;
        saved.id = 5;
        saved.ime = "Klet d.o.o.";
        getPodjetje() = saved; // as the party editor does after saving the own company
        EXPECT_EQ (app.podjetje.id, 5);
        EXPECT_EQ (app.podjetje, saved);
        StrankaRecord copy = getPodjetje();
        copy.ime = "klet d.o.o.";
        EXPECT_NE (copy, saved); // texts compare case-sensitively
    }
    EXPECT_EQ (getPodjetje().id, -1);
}
