#include "app/MainContentComponent.h"

#include "app/Globals.h"
#include "app/IntroScreen.h"
#include "app/Log.h"
#include "app/LookAndFeel_Vindor.h"
#include "app/VindorTabbedComponent.h"

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

const std::vector<MainContentComponent::BoardEntry>& MainContentComponent::boardEntries()
{
    static const std::vector<BoardEntry> entries {
        { "Trgatev", kHarvest, "Trgatev", { { "Cancel", 0 }, { "OK", 1 } } },
        { "Pretok", kTransfer, "Pretok vina", { { "Cancel", 0 }, { "OK", 1 } } },
        { "Opravilo", kOperation, "Opravilo", { { "Cancel", 0 }, { "OK", 1 } } },
        { "Steklenice", kBottling, "Steklenice", { { "Cancel", 0 }, { "OK", 1 } } },
        { "Kleti", kCellars, "Kleti", { { "Close", 0 }, { "Refresh", 12 }, { "Edit", 3 }, { "Delete", 5 }, { "Insert", 6 } } },
        { "Zaloga", kStock, "Zaloge",
          { { "Close", 0 }, { "Refresh", 12 }, { "PrenosButton", 13 }, { "PrenosButton2", 14 }, { "Edit", 3 }, { "Delete", 5 }, { "Insert", 6 } } },
        { "PregledIzdRacunov", kIssuedInvoices, "PregledIzdRacunov", { { "Close", 0 }, { "Print", 8 }, { "Edit", 3 }, { "Delete", 5 }, { "Insert", 6 } } },
        { "PregledRacunov", kReceivedInvoices, "PregledRacunov", { { "Close", 0 }, { "Print", 8 }, { "Edit", 3 }, { "Delete", 5 }, { "Insert", 6 } } },
        { "Porocila", kReports, "Porocila", { { "Close", 0 }, { "Export", 15 }, { "Print", 8 } } },
        { "Stranke", kParties, "PregledStrank", { { "Close", 0 }, { "Export", 15 }, { "Edit", 3 }, { "Delete", 5 }, { "Insert", 6 } } },
        { "Blagajna", kCashRegister, "Blagajna", { { "Close", 2 }, { "Print", 8 }, { "SavePostavko", 4 }, { "ZakljuciRacun", 1 } } },
    };
    return entries;
}

bool MainContentComponent::isWindowAvailable (int)
{
    // The function windows come with their own subsystems; each wires its board button when it lands.
    return false;
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
    const int index = buttons.indexOf (dynamic_cast<TextButton*> (button));
    if (index < 0)
    {
        vindoro::vlog ("MainContentComponent::buttonClicked", "FATAL ERROR: buttons index -1");
        return;
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
    // The journal list of the "Logs" tab comes with the operations subsystem.
}
