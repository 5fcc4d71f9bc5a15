// Launched windows under a real X server: normal and modal windows answering their opener by a
// click, the title-bar close, closing with children, saved positions, and the references that
// openers and parents keep to windows that are gone.
#include "support/WindowTestParts.h"
#include "frame/Gumbi.h"
#include "frame/KWManager.h"
#include "frame/VindorWindow.h"
#include "support/ScriptedAnswerer.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace
{
using wtest::pump;

class VindorWindowTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        // Nothing a test opened may outlive it.
        wtest::closeOpenWindows();
    }

    vtest::TestSettings settings;
};

TEST_F (VindorWindowTest, NormalWindowAnswersItsOpenerByAClickAndIsDeletedAfterwards)
{
    vtest::LogCapture log;
    juce::StringArray journal;
    wtest::RecordingOpener opener;
    opener.addButton ("Cancel", 0);
    opener.addButton ("Save", 1);
    auto* content = new wtest::RecordingContent (&journal);
    juce::Component::SafePointer<juce::Component> contentAlive (content);

    auto* window = VindorWindow::launchNormal ("Urejanje", content, &opener, &opener);
    opener.currentChild = window;
    pump();

    EXPECT_TRUE (window->isShowing());
    EXPECT_EQ (content->opener.get(), &opener);
    EXPECT_EQ (content->myWindow.get(), static_cast<KWindow*> (window));
    EXPECT_EQ (window->getName(), "Urejanje");
    ASSERT_NE (window->getButton (0), nullptr);
    EXPECT_EQ (window->getButton (0)->getButtonText(), "Save");
    EXPECT_TRUE (window->hasButton (1));
    const int tracked = KWManager::getInstance()->getNumKWindows();

    window->getButton (0)->triggerClick();
    pump();

    ASSERT_EQ (opener.answers.size(), 1u);
    EXPECT_EQ (opener.answers[0].source, static_cast<KWindow*> (window));
    EXPECT_EQ (opener.answers[0].exitValue, 1);
    EXPECT_EQ (journal, juce::StringArray ({ "ok", "prepareToClose:content" }));
    EXPECT_EQ (contentAlive.getComponent(), nullptr) << "the window and its content are deleted after the click";
    EXPECT_EQ (opener.currentChild.get(), nullptr);
    EXPECT_EQ (KWManager::getInstance()->getNumKWindows(), tracked - 1);
    EXPECT_TRUE (log.contains ("<NormalKWindowCallback::kwFinished> here:1"));
    EXPECT_TRUE (log.contains ("<VindorWindow::~VindorWindow> inside Urejanje"));
}

TEST_F (VindorWindowTest, ModalWindowAnswersByAClickAndLeavesTheModalState)
{
    vtest::LogCapture log;
    wtest::RecordingOpener opener;
    opener.addButton ("Cancel", 0);
    opener.addButton ("Print", 8);
    auto* content = new wtest::RecordingContent();
    juce::Component::SafePointer<juce::Component> contentAlive (content);
    content->setExplicitFocusOrder (0);

    auto* window = VindorWindow::launchModal ("Tiskanje", content, &opener, &opener);
    pump();
    EXPECT_EQ (juce::ModalComponentManager::getInstance()->getModalComponent (0), window);
    EXPECT_EQ (window->getButton (0)->getButtonText(), "Print");

    // Print answers nobody and leaves the window open.
    window->getButton (0)->triggerClick();
    pump();
    EXPECT_EQ (window->getExitValue(), 8);
    EXPECT_TRUE (opener.answers.empty());
    EXPECT_TRUE (window->isCurrentlyModal());

    window->getButton (1)->triggerClick();
    pump();
    ASSERT_EQ (opener.answers.size(), 1u);
    EXPECT_EQ (opener.answers[0].exitValue, 0);
    EXPECT_EQ (contentAlive.getComponent(), nullptr);
    EXPECT_EQ (juce::ModalComponentManager::getInstance()->getNumModalComponents(), 0);
    EXPECT_TRUE (log.contains ("<VindorWindow::closeKW> exiting modal state"));
    EXPECT_TRUE (log.contains ("<VindorWindowCallback::modalStateFinished> here:0"));
    EXPECT_TRUE (log.contains ("<VindorWindowCallback::modalStateFinished> after modalCallback to parent"));
}

TEST_F (VindorWindowTest, PositionIsSavedUnderTheTitleAndRestored)
{
    wtest::RecordingOpener opener;
    opener.addButton ("Close", 0);

    auto* first = VindorWindow::launchNormal ("Pozicija", new wtest::RecordingContent(), &opener, &opener);
    pump();
    const auto centred = first->getBounds();
    first->setBounds (123, 145, 410, 290);
    pump();
    const auto moved = first->getBounds();
    first->closeKW();
    pump();

    const auto saved = settings.user().getValue ("Pozicija:pos");
    EXPECT_TRUE (saved.isNotEmpty());
    EXPECT_EQ (juce::Rectangle<int>::fromString (saved), moved) << saved;

    auto* second = VindorWindow::launchNormal ("Pozicija", new wtest::RecordingContent(), &opener, &opener);
    pump();
    EXPECT_EQ (second->getBounds(), moved);
    second->closeKW();
    pump();

    // A title never saved opens centred at the bar's size.
    auto* other = VindorWindow::launchNormal ("Nikoli shranjeno", new wtest::RecordingContent(), &opener, &opener);
    pump();
    EXPECT_EQ (other->getBounds(), centred);
    EXPECT_EQ (other->getBounds().getCentre(),
               juce::Desktop::getInstance().getDisplays().getPrimaryDisplay()->userArea.getCentre());
    other->closeKW();
    pump();
}

TEST_F (VindorWindowTest, TitleBarCloseClicksCancelOrClosesWithExitValueZero)
{
    struct Case { std::vector<std::pair<const char*, int>> buttons; const char* expectedAction; int notifications; };
    const std::vector<Case> cases {
        { { { "Cancel", 0 }, { "Save", 1 } }, "cancel", 1 },
        { { { "Print", 8 } }, "", 1 },
    };

    for (auto& c : cases)
    {
        wtest::RecordingOpener opener;
        for (auto& [label, code] : c.buttons)
            opener.addButton (label, code);
        juce::StringArray journal;
        auto* content = new wtest::RecordingContent (&journal);
        juce::Component::SafePointer<juce::Component> alive (content);
        auto* window = VindorWindow::launchNormal ("Zapiranje", content, &opener, &opener);
        pump();
        window->setExitValue (8);

        window->closeButtonPressed();
        EXPECT_EQ (journal.joinIntoString (","), juce::String (c.expectedAction) + (*c.expectedAction ? "," : "") + "prepareToClose:content");
        pump();

        ASSERT_EQ (opener.answers.size(), (size_t) c.notifications);
        EXPECT_EQ (opener.answers[0].exitValue, 0);
        EXPECT_EQ (alive.getComponent(), nullptr);
    }
}

TEST_F (VindorWindowTest, ClosingAParentClosesItsChildrenFirst)
{
    vtest::LogCapture log;
    juce::StringArray journal;
    wtest::RecordingOpener mainOpener;
    mainOpener.addButton ("Close", 0);
    auto* parentContent = new wtest::OpenerContent (&journal, "parent");
    auto* parent = VindorWindow::launchNormal ("Stars", parentContent, &mainOpener, &mainOpener);

    parentContent->addButton ("Close", 0);
    juce::Array<juce::Component::SafePointer<juce::Component>> children;
    for (auto name : { "a", "b", "c" })
    {
        auto* child = new wtest::RecordingContent (&journal, name);
        children.add (child);
        VindorWindow::launchNormal (juce::String ("Otrok ") + name, child, parentContent, parentContent);
    }
    pump();
    EXPECT_EQ (parentContent->getChildWindows().size(), 3);

    parent->closeKW();
    EXPECT_EQ (journal, juce::StringArray ({ "prepareToClose:a", "prepareToClose:b", "prepareToClose:c", "prepareToClose:parent" }));
    EXPECT_TRUE (parentContent->getChildWindows().isEmpty());
    EXPECT_TRUE (log.contains ("3 child windows to close"));
    EXPECT_TRUE (log.contains ("closing all 3 child windows"));
    for (auto name : { "a", "b", "c" })
        EXPECT_TRUE (settings.user().containsKey (juce::String ("Otrok ") + name + ":pos"));
    pump();
    for (auto& c : children)
        EXPECT_EQ (c.getComponent(), nullptr);
}

TEST_F (VindorWindowTest, ClosingTwiceDeletesOnce)
{
    vtest::LogCapture log;
    wtest::RecordingOpener opener;
    opener.addButton ("Close", 0);
    auto* window = VindorWindow::launchNormal ("Dvakrat", new wtest::RecordingContent(), &opener, &opener);
    pump();
    window->closeKW();
    window->closeKW();
    pump();
    int finished = 0;
    for (auto& line : log.lines())
        finished += line.contains ("<NormalKWindowCallback::kwFinished>") ? 1 : 0;
    EXPECT_EQ (finished, 1);
}

TEST_F (VindorWindowTest, AWindowDeletedByAnotherRoadLeavesNoDanglingReference)
{
    juce::StringArray journal;
    wtest::RecordingOpener mainOpener;
    mainOpener.addButton ("Close", 0);
    auto* parentContent = new wtest::OpenerContent (&journal, "parent");
    auto* parent = VindorWindow::launchNormal ("Stars", parentContent, &mainOpener, &mainOpener);

    parentContent->addButton ("Close", 0);
    auto* childContent = new wtest::RecordingContent (&journal, "child");
    auto* child = VindorWindow::launchNormal ("Otrok", childContent, parentContent, parentContent);
    parentContent->currentChild = child;
    pump();
    ASSERT_EQ (parentContent->getChildWindows().size(), 1);

    // Hiding finishes the window without closeKW; the manager deletes it on the next message.
    child->setVisible (false);
    pump();

    EXPECT_EQ (parentContent->currentChild.get(), nullptr);
    EXPECT_TRUE (parentContent->getChildWindows().isEmpty());
    EXPECT_FALSE (journal.contains ("prepareToClose:child"));
    parentContent->closeAllChildWindows(); // must not reach the deleted window
    EXPECT_EQ (parentContent->answers, 0);
    parent->closeKW();
    pump();
}

TEST_F (VindorWindowTest, AnOpenerDeletedBeforeItsChildIsNotCalled)
{
    juce::StringArray journal;
    auto opener = std::make_unique<wtest::RecordingOpener>();
    opener->addButton ("Save", 1);
    auto* content = new wtest::RecordingContent (&journal);
    juce::Component::SafePointer<juce::Component> alive (content);
    auto* window = VindorWindow::launchNormal ("Sirota", content, nullptr, opener.get());
    pump();

    opener.reset();
    EXPECT_EQ (content->opener.get(), nullptr);
    window->getButton (0)->triggerClick(); // answers, but nobody is listening any more
    pump();
    EXPECT_EQ (journal, juce::StringArray ({ "ok", "prepareToClose:content" }));
    EXPECT_EQ (alive.getComponent(), nullptr);
}

TEST_F (VindorWindowTest, ContentWithoutItsWindowPointerStillReachesTheWindowThroughItsParents)
{
    vtest::LogCapture log;
    wtest::RecordingOpener opener;
    opener.addButton ("Close", 0);
    auto* content = new wtest::RecordingContent();
    auto* window = VindorWindow::launchNormal ("Posredno", content, &opener, &opener);
    content->myWindow = nullptr;

    content->notifyKWindowListener();
    EXPECT_TRUE (log.contains ("trying to inform parent along hard way"));
    ASSERT_EQ (opener.answers.size(), 1u);
    EXPECT_EQ (opener.answers[0].source, static_cast<KWindow*> (window));
    window->closeKW();
    pump();
}

TEST_F (VindorWindowTest, OpenerClosingTheChildInsideTheClickLeavesOneDeletion)
{
    vtest::LogCapture log;
    wtest::RecordingOpener opener;
    opener.addButton ("Save", 1);
    opener.onAnswer = [&opener] (KWindow* source) { EXPECT_TRUE (opener.checkChildResult (source, 1, 3)); };
    auto* content = new wtest::RecordingContent();
    juce::Component::SafePointer<juce::Component> alive (content);
    auto* window = VindorWindow::launchNormal ("Dvojno zapiranje", content, &opener, &opener);
    opener.currentChild = window;

    window->getButton (0)->triggerClick();
    pump();

    EXPECT_EQ (alive.getComponent(), nullptr);
    EXPECT_EQ (opener.currentChild.get(), nullptr);
    int closes = 0, finished = 0;
    for (auto& line : log.lines())
    {
        closes += line.contains ("<VindorWindow::closeKW> inside Dvojno zapiranje") ? 1 : 0;
        finished += line.contains ("<NormalKWindowCallback::kwFinished> here:1") ? 1 : 0;
    }
    EXPECT_EQ (closes, 2) << "once by the opener, once by the bar";
    EXPECT_EQ (finished, 1);
}

TEST_F (VindorWindowTest, ListenerThatIsNoSetupGetsOkAndCancel)
{
    juce::Component plain;
    auto* window = VindorWindow::launchNormal ("Brez", new wtest::RecordingContent(), &plain, &plain);
    pump();
    EXPECT_EQ (window->getButton (0)->getCommandID(), 1);
    EXPECT_EQ (window->getButton (1)->getCommandID(), 0);
    EXPECT_FALSE (window->hasButton (1));
    EXPECT_EQ (window->getButton (2), nullptr);
    window->closeKW();
    pump();
}
TEST_F (VindorWindowTest, TitleBarCloseOfAWindowWithCloseAfterAskingAsksFirst)
{
    for (int answer : { 2, 1 })
    {
        vtest::ScriptedAnswerer answerer;
        answerer.then (answer);
        wtest::RecordingOpener opener;
        opener.addButton ("Close", 2);
        opener.addButton ("Print", 8);
        juce::StringArray journal;
        auto* content = new wtest::RecordingContent (&journal);
        juce::Component::SafePointer<juce::Component> alive (content);
        auto* window = VindorWindow::launchNormal ("Vprasanje", content, &opener, &opener);
        pump();

        window->closeButtonPressed();
        pump();
        ASSERT_EQ (answerer.asked.size(), 1u);
        EXPECT_EQ (answerer.asked[0].message, TRANS ("cancel edit question"));
        if (answer == 1)
        {
            ASSERT_EQ (opener.answers.size(), 1u);
            EXPECT_EQ (opener.answers[0].exitValue, 2);
            EXPECT_EQ (alive.getComponent(), nullptr);
        }
        else
        {
            EXPECT_TRUE (opener.answers.empty());
            ASSERT_NE (alive.getComponent(), nullptr);
            EXPECT_TRUE (window->isShowing());
            window->closeKW();
            pump();
        }
    }
}

struct FailureCase
{
    const char* name;
    bool cancelFails;
    std::vector<int> answers;
    size_t questions;
    bool closes;
    int exitValue;
};

void PrintTo (const FailureCase& c, std::ostream* os) { *os << c.name; }

class FailedAction : public ::testing::TestWithParam<FailureCase>
{
protected:
    vtest::TestSettings settings;
};

TEST_P (FailedAction, AsksWhetherToFixTheError)
{
    const auto c = GetParam();
    vtest::LogCapture log;
    vtest::ScriptedAnswerer answerer;
    for (int a : c.answers)
        answerer.then (a);

    wtest::RecordingOpener opener;
    opener.addButton ("Cancel", 0);
    opener.addButton ("Save", 1);
    juce::StringArray journal;
    auto* content = new wtest::RecordingContent (&journal);
    content->failOk = true;
    content->failCancel = c.cancelFails;
    juce::Component::SafePointer<juce::Component> alive (content);
    auto* window = VindorWindow::launchNormal ("Napaka", content, &opener, &opener);
    pump();

    window->getButton (0)->triggerClick();
    pump();

    ASSERT_EQ (answerer.asked.size(), c.questions) << c.name;
    const auto& q = answerer.asked[0];
    EXPECT_EQ (q.icon, vindoro::kIconWarning);
    EXPECT_EQ (q.title, TRANS ("Napaka"));
    EXPECT_EQ (q.message, TRANS ("Error occured: ") + "manjka kupec.\n" + TRANS ("Do you wish to fix this error?"));
    EXPECT_EQ (alive.getComponent() == nullptr, c.closes) << c.name;
    if (c.closes)
    {
        // The cancel action told the opener, with the exit value the bar set for it.
        ASSERT_EQ (opener.answers.size(), 1u);
        EXPECT_EQ (opener.answers[0].exitValue, c.exitValue);
    }
    else
    {
        EXPECT_EQ (window->getExitValue(), c.exitValue) << c.name;
        EXPECT_TRUE (log.contains ("going back to fix the problem"));
        window->closeKW();
        pump();
    }
}

INSTANTIATE_TEST_SUITE_P (VindorWindow, FailedAction,
    ::testing::Values (FailureCase { "no runs the cancel action, which closes", false, { 2 }, 1, true, 0 },
                       FailureCase { "yes keeps the window for fixing", false, { 1 }, 1, false, 1 },
                       FailureCase { "cancel keeps the window for fixing", false, { 0 }, 1, false, 1 },
                       FailureCase { "a failing cancel asks again", true, { 2, 0 }, 2, false, 0 }),
    [] (const auto& info) { return "case" + std::to_string (info.index); });
} // namespace

namespace
{
// Renders a launched window with its bar to /tmp for a look by eye; checks only what a picture
// must show: the content above and the buttons in a row at the bottom.
TEST (VindorWindowPicture, RendersContentAboveTheButtonRow)
{
    vtest::TestSettings settings;
    wtest::RecordingOpener opener;
    opener.addButton ("Cancel", 0);
    opener.addButton ("Print", 8);
    opener.addButton ("Save", 1);
    auto* content = new wtest::RecordingContent();
    auto* window = VindorWindow::launchNormal ("Slika okna", content, &opener, &opener);
    window->setSize (480, 260);
    pump (100);

    auto image = window->createComponentSnapshot (window->getLocalBounds());
    EXPECT_TRUE (wtest::writePng (image, "/tmp/vindoro-framework-window.png"));
    // The content paints white; the window background around the buttons is light grey.
    EXPECT_EQ (image.getPixelAt (image.getWidth() / 2, 20), juce::Colours::white);
    EXPECT_EQ (image.getPixelAt (3, image.getHeight() - 3), juce::Colour (0xFFD3D3D3));
    window->closeKW();
    pump();
}
} // namespace
