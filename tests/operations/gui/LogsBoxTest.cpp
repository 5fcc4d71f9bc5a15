// The "Logs" tab on screen: the journal list laid out with its links, paged by clicks, reloaded by
// a double click and by the main window whenever a booking window reports back.
#include "app/MainContentComponent.h"
#include "app/VindorTabbedComponent.h"
#include "frame/VindorWindow.h"
#include "operations/JournalTextFixture.h"
#include "operations/gui/LogsBox.h"
#include "support/WidgetTestSupport.h"
#include "support/WindowTestParts.h"

using optest::FixedTranslations;
using Kind = LogsBoxLoader::LineKind;

namespace
{
/** The link of that kind, or an empty one. */
LogsBoxLoader::Link linkOf (LogsBox::LogsText& text, int kind)
{
    for (auto& link : text.getLinks())
        if (link.kind == kind)
            return link;
    return {};
}

void click (LogsBox::LogsText& text, juce::Point<int> p)
{
    text.mouseUp (wtest::mouseAt (text, p.x, p.y));
}
} // namespace

class LogsBoxTest : public optest::JournalTextFixture
{
protected:
    void postNamed (int count, const juce::String& date)
    {
        for (int i = 0; i < count; ++i)
        {
            DateTime when;
            when = date;
            Glavna entry;
            ASSERT_GT (entry.vknjizi (&db, when, OperationType::dataImport, "uvoz " + juce::String (i)), 0);
        }
    }

    FixedTranslations translations;
};

TEST_F (LogsBoxTest, LinksPageThroughTheJournalAndOtherLinesDoNothing)
{
    postNamed (20, "2017-05-02 10:00:00");
    LogsBox box;
    auto& text = box.getText();
    text.reload();
    ASSERT_EQ (text.getLines().size(), 1 + 15 + 1);
    EXPECT_GT (text.getWidth(), 100);
    EXPECT_GT (text.getHeight(), 17 * 8) << "the text sizes itself to its lines";

    const auto next = linkOf (text, Kind::nextPage);
    ASSERT_FALSE (next.bounds.isEmpty());
    EXPECT_EQ (next.line, 16);
    EXPECT_EQ (text.getLinks().size(), 1);

    // A click on a day header or an entry line does nothing.
    click (text, { 10, 8 });
    click (text, { 10, next.bounds.getY() - next.bounds.getHeight() });
    EXPECT_EQ (text.getOffset(), 0);
    // Just past the link's right edge: no link.
    click (text, { next.bounds.getRight(), next.bounds.getCentreY() });
    EXPECT_EQ (text.getOffset(), 0);

    click (text, next.bounds.getCentre());
    EXPECT_EQ (text.getOffset(), 15);
    EXPECT_EQ (text.getLines()[0], "PREV");
    EXPECT_EQ (text.getKinds()[1], Kind::dayHeader);
    EXPECT_EQ (text.getLines().size(), 1 + 1 + 5 + 1 + 1) << "five entries left, then the placeholder under its own day";
    EXPECT_EQ (linkOf (text, Kind::nextPage).kind, 0);

    click (text, linkOf (text, Kind::prevPage).bounds.getTopLeft());
    EXPECT_EQ (text.getOffset(), 0);
    EXPECT_EQ (text.getLines()[text.getLines().size() - 1], "NEXT");

    // A double click reads the page again, with what was booked meanwhile.
    postNamed (1, "2017-06-01 10:00:00");
    text.mouseDoubleClick (wtest::mouseAt (text, 5, 5, 2));
    EXPECT_EQ (text.getLines()[0], "  01.06.2017");
}

namespace
{
/** A booking window of the board: its OK books a harvest, a transfer or a wine care. */
class BookingWindow : public wtest::RecordingContent
{
public:
    explicit BookingWindow (std::function<void()> bookIt) : book (std::move (bookIt)) { setSize (300, 200); }
    bool okAction() override
    {
        book();
        return wtest::RecordingContent::okAction();
    }
    std::function<void()> book;
};

std::function<void()> pendingBooking;

KWindow* launchBooking (const juce::String& title, juce::Component* opener, juce::Component* openerSetup)
{
    return VindorWindow::launchNormal (title, new BookingWindow (pendingBooking), opener, openerSetup);
}
} // namespace

TEST_F (LogsBoxTest, LogsTabShowsWhatTheBookingWindowsBooked)
{
    for (int code : { 1, 2, 3 })
        MainContentComponent::setLauncher (code, launchBooking);
    {
        MainContentComponent board;
        board.setSize (900, 700);
        board.removeIntroScreen();
        auto* logs = board.getTabs()->getLogsBox();
        ASSERT_NE (logs, nullptr);
        EXPECT_EQ (board.getTabs()->getCurrentTabIndex(), 0);
        EXPECT_EQ (logs->getText().getLines(), juce::StringArray ({ "  01.01.2016", "* Ostalo (neznan) - ." }));

        const std::pair<int, std::function<void()>> bookings[] = {
            { 0, [this] { bookHarvest (7, 5, 1000, 700, "2017-09-10 08:00:00"); } },
            { 1, [this] { bookTransfer (7, 5, 6, 300, "2017-09-12 08:00:00"); } },
            { 2, [this] { bookWineCare (7, 6, 300, 3, "2017-09-14 08:00:00"); } },
        };
        for (auto& [button, booking] : bookings)
        {
            pendingBooking = booking;
            board.getButton (button)->triggerClick();
            wtest::pump();
            auto* window = board.getOpenWindow (button);
            ASSERT_NE (window, nullptr);
            auto* vw = dynamic_cast<VindorWindow*> (window);
            ASSERT_NE (vw, nullptr);
            juce::Button* ok = nullptr;
            for (int i = 0; i < vw->getButtonBar()->getNumButtons(); ++i)
                if (vw->getButton (i)->getCommandID() == ButtonCode::ok)
                    ok = vw->getButton (i);
            ASSERT_NE (ok, nullptr);
            ok->triggerClick();
            wtest::pump (60);
        }

        const juce::StringArray expected {
            "  14.09.2017",
            "* Vinsko opravilo (Ana Kletar) - 300.0 l (Belo) in vessel B in cellar Klet; Sweetening: 2.5 kg Sladkor for 300.0l; Loss: 3.0l (note: test).",
            "  12.09.2017",
            "* Pretok (Ana Kletar) - Transfer: 300.0l (Belo) out of A in Klet 300.0l (Belo) into B in Klet.",
            "  10.09.2017",
            "* Trgatev (Ana Kletar) - Harvest: Belo (Breg nad potokom) 1000.0kg; Transfer: 700.0l (Belo) into A in Klet.",
            "  01.01.2016",
            "* Ostalo (neznan) - .",
        };
        EXPECT_EQ (logs->getText().getLines(), expected);
        EXPECT_TRUE (wtest::writePng (wtest::snapshot (board), "/tmp/vindoro-logs-tab.png"));

        board.closeAllChildWindows();
        wtest::pump();
    }
    for (int code : { 1, 2, 3 })
        MainContentComponent::setLauncher (code, nullptr);
    pendingBooking = nullptr;
    wtest::pump();
}
