#include "partners/gui/IBANButtonPropertyComponent.h"

#include "core/Log.h"
#include "frame/VindorWindow.h"
#include "partners/PaymentReferences.h"

IBANButtonPropertyComponent::IBANButtonPropertyComponent (const juce::String& text, const juce::String& propertyName,
                                                          juce::Component* owner)
    : TableButtonPropertyComponent (propertyName, "iban", owner, false), buttonText (text)
{
    accounts.onCurrentChanged = [this] (const IbanRecord& account)
    {
        buttonText = account.iban.isEmpty() ? TRANS ("Izberi IBAN") : groupByFour (account.iban);
        if (auto* listener = dynamic_cast<PregledBazeIBAN::Listener*> (ownerComponent))
            listener->setIDN (account, slot);
        refresh();
    };
    refresh();
}

IBANButtonPropertyComponent::~IBANButtonPropertyComponent()
{
    accounts.onCurrentChanged = nullptr;
}

juce::String IBANButtonPropertyComponent::getButtonText() const
{
    return buttonText;
}

void IBANButtonPropertyComponent::setIban (const IbanRecord& account)
{
    accounts.setCurrent (account);
}

StrankaRecord IBANButtonPropertyComponent::browserHolder() const
{
    // Accounts without a holder belong to party 1.
    auto holder = accounts.getHolder();
    if (holder.id <= 0)
        holder.id = 1;
    return holder;
}

void IBANButtonPropertyComponent::launch (PregledBazeIBAN* browser)
{
    currentChild = VindorWindow::launchNormal ("IBAN", browser, ownerComponent, this);
}

void IBANButtonPropertyComponent::closeChild()
{
    if (auto* child = currentChild.get())
        child->closeKW();
    currentChild = nullptr;
}

void IBANButtonPropertyComponent::openSelectBrowser()
{
    clearButtons();
    addButton (TRANS ("Close"), ButtonCode::cancel);
    addButton (TRANS ("Editing"), ButtonCode::edit);
    addButton (TRANS ("Select"), ButtonCode::select, false, true);
    auto* browser = new PregledBazeIBAN (browserHolder(), false);
    for (const auto& account : accounts.getCollected())
        browser->appendAccount (account, false);
    launch (browser);
}

void IBANButtonPropertyComponent::openEditBrowser()
{
    clearButtons();
    addButton (TRANS ("Close"), ButtonCode::cancel);
    addButton (TRANS ("Edit"), ButtonCode::edit);
    addButton (TRANS ("Delete"), ButtonCode::remove);
    addButton (TRANS ("Insert"), ButtonCode::insert);
    const bool ownAccounts = accounts.getHolder().id > 0;
    auto* browser = new PregledBazeIBAN (browserHolder(), ownAccounts);
    for (const auto& account : accounts.getCollected())
        browser->appendAccount (account, true);
    // The browser's window may outlive this row (it closes only with the owner's window).
    browser->onDeleted = [self = juce::Component::SafePointer<IBANButtonPropertyComponent> (this)] (const IbanRecord& account)
    {
        if (self == nullptr)
            return;
        if (account.id > 0)
            self->accounts.forgetStored (account.id);
        else
            self->accounts.removeUnsaved (account.iban);
    };
    launch (browser);
}

void IBANButtonPropertyComponent::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    auto* child = dynamic_cast<KWindow*> (source);
    if (child == nullptr || child != currentChild.get())
        return;
    if (child->getExitValue() != ButtonCode::select)
    {
        TableButtonPropertyComponent::changeListenerCallback (source);
        return;
    }
    auto* browser = dynamic_cast<PregledBazeIBAN*> (child->getAction());
    auto* row = browser != nullptr ? browser->getSelectedRow() : nullptr;
    if (row == nullptr)
    {
        vindoro::vlog ("IBANButtonPropertyComponent::changeListenerCallback", "WARNING: row pointer is empty");
        return;
    }
    setIban (PregledBazeIBAN::interpretXml (row));
    closeChild();
    refresh();
}
