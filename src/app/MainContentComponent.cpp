#include "app/MainContentComponent.h"

#include "core/Globals.h"
#include "app/IntroScreen.h"
#include "core/Log.h"
#include "frame/LookAndFeel_Vindor.h"
#include "frame/StandardButtons.h"
#include "app/VindorTabbedComponent.h"
#include "operations/gui/LogsBox.h"

using namespace juce;

namespace
{
constexpr int kDefaultWidth = 800;
constexpr int kDefaultHeight = 600;

// Board codes of the buttons; 7 and 12 belong to no button.
constexpr int kHarvest = 1, kTransfer = 2, kOperation = 3, kBottling = 4, kCellars = 5, kStock = 6,
              kIssuedInvoices = 8, kReceivedInvoices = 9, kReports = 10, kParties = 11, kCashRegister = 13;

// The translation keys must stay literal so the language-file check finds them.
[[maybe_unused]] void declareTranslationKeys()
{
    TRANS ("Trgatev"); TRANS ("Pretok"); TRANS ("Pretok vina"); TRANS ("Opravilo"); TRANS ("Steklenice");
    TRANS ("Kleti"); TRANS ("Zaloga"); TRANS ("Zaloge"); TRANS ("PregledIzdRacunov"); TRANS ("PregledRacunov");
    TRANS ("Porocila"); TRANS ("Stranke"); TRANS ("PregledStrank"); TRANS ("Blagajna");
    TRANS ("Cancel"); TRANS ("OK"); TRANS ("Close"); TRANS ("Refresh"); TRANS ("Edit"); TRANS ("Delete");
    TRANS ("Insert"); TRANS ("PrenosButton"); TRANS ("PrenosButton2"); TRANS ("Print"); TRANS ("Export");
    TRANS ("SavePostavko"); TRANS ("ZakljuciRacun");
}
} // namespace

static std::vector<MainContentComponent::BoardEntry>& mutableBoardEntries()
{
    static std::vector<MainContentComponent::BoardEntry> entries {
        { "Trgatev", kHarvest, "Trgatev", StandardButtons::okCancel() },
        { "Pretok", kTransfer, "Pretok vina", StandardButtons::okCancel() },
        { "Opravilo", kOperation, "Opravilo", StandardButtons::okCancel() },
        { "Steklenice", kBottling, "Steklenice", StandardButtons::okCancel() },
        { "Kleti", kCellars, "Kleti",
          { { "Close", ButtonCode::cancel }, { "Refresh", ButtonCode::refresh }, { "Edit", ButtonCode::edit },
            { "Delete", ButtonCode::remove }, { "Insert", ButtonCode::insert } } },
        { "Zaloga", kStock, "Zaloge",
          // The transfer-note buttons come back with the transfer note itself.
          { { "Close", ButtonCode::cancel }, { "Refresh", ButtonCode::refresh }, { "Edit", ButtonCode::edit },
            { "Delete", ButtonCode::remove }, { "Insert", ButtonCode::insert } } },
        { "PregledIzdRacunov", kIssuedInvoices, "PregledIzdRacunov", StandardButtons::documentRegister() },
        { "PregledRacunov", kReceivedInvoices, "PregledRacunov", StandardButtons::documentRegister() },
        { "Porocila", kReports, "Porocila",
          { { "Close", ButtonCode::cancel }, { "Export", ButtonCode::exportTable }, { "Print", ButtonCode::print } } },
        { "Stranke", kParties, "PregledStrank",
          { { "Close", ButtonCode::cancel }, { "Export", ButtonCode::exportTable }, { "Edit", ButtonCode::edit },
            { "Delete", ButtonCode::remove }, { "Insert", ButtonCode::insert } } },
        { "Blagajna", kCashRegister, "Blagajna",
          { { "Close", ButtonCode::cancelAsk }, { "Print", ButtonCode::print }, { "SavePostavko", ButtonCode::saveItem },
            { "ZakljuciRacun", ButtonCode::ok } } },
    };
    return entries;
}

const std::vector<MainContentComponent::BoardEntry>& MainContentComponent::boardEntries()
{
    return mutableBoardEntries();
}

static const MainContentComponent::BoardEntry* findEntry (int code)
{
    for (const auto& entry : MainContentComponent::boardEntries())
        if (entry.code == code)
            return &entry;
    return nullptr;
}

bool MainContentComponent::isWindowAvailable (int code)
{
    // The function windows come with their own subsystems; each wires its board button when it lands.
    const auto* entry = findEntry (code);
    return entry != nullptr && entry->launch != nullptr;
}

void MainContentComponent::setLauncher (int code, Launcher launcher)
{
    for (auto& entry : mutableBoardEntries())
        if (entry.code == code)
            entry.launch = launcher;
}

MainContentComponent::MainContentComponent()
{
    for (const auto& entry : boardEntries())
    {
        auto* button = buttons.add (new TextButton (translate (entry.labelKey)));
        button->addListener (this);
        button->setEnabled (isWindowAvailable (entry.code));
        addAndMakeVisible (button);
        buttonCodes.add (entry.code);
        openWindows.add (KWindowRef());
    }

    tabs = std::make_unique<VindorTabbedComponent> (this);
    addAndMakeVisible (*tabs);

    int width = kDefaultWidth, height = kDefaultHeight;
    if (auto* settings = getUserSettings())
    {
        width = settings->getIntValue ("WindowWidth", kDefaultWidth);
        height = settings->getIntValue ("WindowHeight", kDefaultHeight);
    }
    setSize (width, height);

    introScreen = std::make_unique<IntroScreen> (this);
    introScreen->setBounds (getLocalBounds());
    addAndMakeVisible (*introScreen);
}

MainContentComponent::~MainContentComponent()
{
    tabs.reset();
    introScreen.reset();
    for (int i = buttons.size(); --i >= 0;)
        buttons.remove (i);
}

void MainContentComponent::resized()
{
    const auto bounds = getLocalBounds();
    if (introScreen != nullptr)
        introScreen->setBounds (bounds);

    const auto layout = vindoro::MainBoardLayout::compute (bounds, defaultRowHeight(), buttons.size());
    if (tabs != nullptr)
        tabs->setBounds (layout.tabs);

    if (auto* settings = getUserSettings())
    {
        settings->setValue ("WindowWidth", bounds.getWidth());
        settings->setValue ("WindowHeight", bounds.getHeight());
    }

    for (int i = 0; i < buttons.size(); ++i)
        buttons[i]->setBounds (layout.buttons[(size_t) i]);
}

void MainContentComponent::buttonClicked (Button* button)
{
    // While a window opened from the board is tracked, every button only brings it forward.
    for (int i = 0; i < openWindows.size(); ++i)
    {
        if (auto* open = openWindows[i].get())
        {
            vindoro::vlog ("MainContentComponent::buttonClicked", "okno " + buttons[i]->getButtonText() + " je se odprto");
            if (auto* window = dynamic_cast<Component*> (open))
                window->toFront (true);
            return;
        }
    }

    const int index = buttons.indexOf (dynamic_cast<TextButton*> (button));
    if (index < 0)
    {
        vindoro::vlog ("MainContentComponent::buttonClicked", "FATAL ERROR: buttons index -1");
        return;
    }

    const auto* entry = findEntry (buttonCodes[index]);
    if (entry == nullptr || entry->launch == nullptr)
        return;

    clearButtons();
    for (const auto& [label, code] : entry->windowButtons)
        addButton (translate (label), code, true, false);

    openWindows.set (index, KWindowRef (entry->launch (translate (entry->titleKey), this, this)));
}

void MainContentComponent::changeListenerCallback (ChangeBroadcaster* source)
{
    auto* window = dynamic_cast<KWindow*> (source);
    if (window == nullptr)
        return;

    int index = -1;
    for (int i = 0; i < openWindows.size(); ++i)
        if (openWindows[i].get() == window)
            index = i;

    if (index < 0)
    {
        vindoro::vlog ("MainContentComponent::changeListenerCallback", "FATAL ERROR: kwindows index -1");
        return;
    }

    const int exitValue = window->getExitValue();
    vindoro::vlog ("MainContentComponent::changeListenerCallback", "exit state:" + String (exitValue));

    auto forget = [this, index] { openWindows.set (index, KWindowRef()); };

    switch (buttonCodes[index])
    {
        case kHarvest:
        case kTransfer:
        case kOperation:
        case kBottling:
            if (exitValue != ButtonCode::cancel)
                reloadJournalList();
            forget();
            break;

        case kCellars:
        case kStock:
        case kIssuedInvoices:
        case kReceivedInvoices:
            reloadJournalList();
            forget();
            break;

        case kReports:
        case kParties:
            forget();
            break;

        case kCashRegister:
            // Only a finished receipt closes the register window; otherwise it stays open, untracked.
            if (exitValue == ButtonCode::ok)
                window->closeKW();
            reloadJournalList();
            forget();
            break;

        default:
            break;
    }
}

void MainContentComponent::removeIntroScreen()
{
    if (introScreen == nullptr)
        return;

    removeChildComponent (introScreen.get());
    // Deleting the intro deletes the logo whose click brought us here; the framework allows that
    // as long as nothing of the logo runs afterwards.
    introScreen.reset();
    reloadJournalList();
}

void MainContentComponent::reloadJournalList()
{
    if (tabs != nullptr)
        if (auto* logs = tabs->getLogsBox())
            logs->getText().reload();
}
