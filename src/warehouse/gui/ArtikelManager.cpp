#include "warehouse/gui/ArtikelManager.h"

#include "core/Log.h"
#include "frame/MessageBoxes.h"
#include "print/VindorPrintSettings.h"
#include "print/gui/PrintDialog.h"
#include "warehouse/gui/ManagerTabbedComponent.h"
#include "warehouse/gui/PregledBazeKosovnica.h"
#include "widgets/PregledBaze.h"

using vindoro::vlog;

namespace
{
/** The print dialog's rows: language, paper, font size and header lines. */
constexpr int kPrintFlags = 15;
constexpr int kHeaderStyle = 2;
} // namespace

ArtikelManager::ArtikelManager (Hramba entry)
{
    setName (TRANS ("ArtikelManager"));
    setHrambaIDN (std::move (entry), 1);
    tabs = std::make_unique<ManagerTabbedComponent> (this);
    addAndMakeVisible (*tabs);
    setSize (800, 600);
    vlog ("ArtikelManager::ArtikelManager", "exiting");
}

ArtikelManager::~ArtikelManager()
{
    if (auto* child = currentChild.get())
        child->closeKW();
    tabs.reset();
}

void ArtikelManager::resized()
{
    if (tabs != nullptr)
        tabs->setBounds (getLocalBounds());
}

juce::String ArtikelManager::currentTabName() const
{
    return tabs != nullptr ? tabs->getCurrentTabName() : juce::String();
}

PregledBaze* ArtikelManager::currentBrowser() const
{
    return tabs != nullptr ? dynamic_cast<PregledBaze*> (tabs->getCurrentContentComponent()) : nullptr;
}

bool ArtikelManager::cancelAction()
{
    if (tabs != nullptr)
        tabs->closeAllChildWindows();
    return VindorWindowAction::cancelAction();
}

bool ArtikelManager::insertAction()
{
    doneFlag = false;
    if (tabs == nullptr || tabs->getNumTabs() == 0)
        return true;
    const auto tabName = currentTabName();
    auto* bill = dynamic_cast<PregledBazeKosovnica*> (tabs->getCurrentContentComponent());
    if (bill == nullptr)
        showMessageOK (vindoro::kIconInformation, TRANS ("Insert"),
                       tabName + " " + TRANS ("gumb nima akcije") + " " + TRANS ("Insert"), this);
    else if (getHramba().artikel.tip.id != TipRecord::otherGoods)
        showMessageOK (vindoro::kIconInformation, tabName, TRANS ("kosovnica_add_not_drugo"), this);
    else if (bill->isUsedOnInvoices())
        showMessageOK (vindoro::kIconInformation, tabName, TRANS ("kosovnica_add_postavke_problem"), this);
    else
    {
        bill->setOpenerComponent (this);
        bill->insertAction();
    }
    return true;
}

bool ArtikelManager::printAction()
{
    doneFlag = false;
    if (tabs == nullptr || tabs->getNumTabs() == 0)
        return true;
    auto* browser = currentBrowser();
    if (browser == nullptr)
    {
        showMessageOK (vindoro::kIconInformation, TRANS ("Print"),
                       currentTabName() + " " + TRANS ("gumb nima akcije") + " " + TRANS ("Print"), this);
        return true;
    }
    if (currentChild != nullptr)
    {
        vlog ("ArtikelManager::printAction", "print okno je se odprto");
        return true;
    }
    const auto& own = browser->getPrintLayout().layoutSettings;
    if (openPrintDialog (this, kPrintFlags, own.getPrefix()) != nullptr)
        if (auto* dialog = getPrintDialog())
        {
            vlog ("ArtikelManager::printAction", "tukaj");
            auto& s = dialog->getSettings();
            s.setValue ("title", "report");
            s.setValue ("printname", "report");
            s.setValue ("headerstyle", kHeaderStyle);
            s.update (own);
            s.loadUserSettings();
            vlog ("ArtikelManager::printAction", "potem tukaj");
        }
    return true;
}

bool ArtikelManager::printAction (VindorPrintSettings* settings)
{
    auto* browser = currentBrowser();
    if (browser == nullptr)
    {
        vlog ("ArtikelManager::printAction", "ERROR:ne bi smelo priti do tukaj vendar lahko ignoriamo");
        return true;
    }
    return browser->printAction (settings);
}

void ArtikelManager::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    if (auto* browser = currentBrowser())
        browser->reloadData();
    VindorWindowSetup::changeListenerCallback (source);
    repaint();
}
