#include "app/VindorWindowAction.h"
#include "app/Log.h"
#include "app/TempMessageBoxes.h"
#include "app/VindorWindowSetup.h"

namespace
{
void logAction (const char* operation, const juce::String& message)
{
    vindoro::vlog (juce::String ("VindorWindowAction::") + operation, message);
}
} // namespace

VindorWindowAction::~VindorWindowAction() = default;

bool VindorWindowAction::buttonAction (int code)
{
    logAction ("buttonAction", "tukaj");

    switch (code)
    {
        case ButtonCode::cancel:        return cancelAction();
        case ButtonCode::ok:            return okAction();
        case ButtonCode::cancelAsk:     return cancelActionAsk();
        case ButtonCode::edit:          return editAction();
        case ButtonCode::insert:        return insertAction();
        case ButtonCode::print:         return printAction();
        case ButtonCode::preview:       return previewAction();
        case ButtonCode::searchArticle: return searchAction();
        default: break;
    }

    // Codes without an action of their own are the opener's business.
    notifyKWindowListener();
    logAction ("buttonAction", "edit what inherits from VindorWindowAction::buttonAction");
    return true;
}

bool VindorWindowAction::okAction()
{
    logAction ("okAction", "edit what inherits from VindorWindowAction::okAction");
    doneFlag = true;
    notifyKWindowListener();
    return true;
}

bool VindorWindowAction::cancelAction()
{
    logAction ("cancelAction", "edit what inherits from VindorWindowAction::cancelAction");
    doneFlag = true;
    notifyKWindowListener();
    return true;
}

bool VindorWindowAction::editAction()
{
    logAction ("editAction", "edit what inherits from VindorWindowAction::editAction");
    doneFlag = true;
    notifyKWindowListener();
    return true;
}

bool VindorWindowAction::insertAction()
{
    logAction ("insertAction", "edit what inherits from VindorWindowAction::insertAction");
    doneFlag = true;
    notifyKWindowListener();
    return true;
}

bool VindorWindowAction::cancelActionAsk()
{
    logAction ("cancelActionAsk", "edit what inherits from this method");

    const int answer = askYesNoCancel (juce::MessageBoxIconType::QuestionIcon, TRANS ("Cancel"),
                                       TRANS ("cancel edit question"), dynamic_cast<juce::Component*> (this));
    if (answer == 1)
    {
        doneFlag = true;
        notifyKWindowListener();
    }
    else
    {
        doneFlag = false;
    }
    return true;
}

bool VindorWindowAction::previewAction()
{
    logAction ("previewAction", "edit what inherits from VindorWindowAction::previewAction");
    doneFlag = false;
    return true;
}

bool VindorWindowAction::printAction()
{
    logAction ("printAction", "edit what inherits from VindorWindowAction::printAction");
    doneFlag = false;
    return true;
}

bool VindorWindowAction::searchAction()
{
    doneFlag = false;
    return true;
}

void VindorWindowAction::prepareToClose() {}

void VindorWindowAction::notifyKWindowListener()
{
    if (myWindow != nullptr)
    {
        myWindow->notifyListener();
        return;
    }

    logAction ("notifyKWindowListener", "trying to inform parent along hard way");

    if (auto* self = dynamic_cast<juce::Component*> (this))
        if (auto* parent = self->getParentComponent())
            if (auto* window = dynamic_cast<KWindow*> (parent->getParentComponent()))
                window->notifyListener();
}

int VindorWindowAction::getExitValue()
{
    return myWindow != nullptr ? myWindow->getExitValue() : ButtonCode::noWindow;
}

void VindorWindowAction::setExitValue (int code)
{
    if (myWindow != nullptr)
        myWindow->setExitValue (code);
}

bool VindorWindowAction::hasSelectButton()
{
    return myWindow != nullptr && myWindow->hasButton (ButtonCode::select);
}

juce::Component* VindorWindowAction::getLastEditor()
{
    logAction ("getLastEditor", lastEditor != nullptr ? "getting focused component" : "getting nullptr");
    return lastEditor.getComponent();
}

void VindorWindowAction::forgetDeletedChildren()
{
    childWindows.removeIf ([] (const KWindowRef& ref) { return ref.get() == nullptr; });
}

juce::Array<KWindow*> VindorWindowAction::getChildWindows()
{
    forgetDeletedChildren();
    juce::Array<KWindow*> live;
    for (auto& ref : childWindows)
        live.add (ref.get());
    return live;
}

void VindorWindowAction::addChildWindow (KWindow* child)
{
    if (child != nullptr)
        childWindows.add (KWindowRef (child));
}

void VindorWindowAction::removeChildWindow (KWindow* child)
{
    childWindows.removeIf ([child] (const KWindowRef& ref) { return ref.get() == nullptr || ref.get() == child; });
}

void VindorWindowAction::closeAllChildWindows()
{
    // Windows deleted by other roads (hidden, then deleted by the window manager) have already
    // left null references behind; only the ones that still exist are closed.
    const auto children = getChildWindows();
    logAction ("closeAllChildWindows", juce::String (children.size()) + " child windows to close");

    if (children.isEmpty())
        return;

    logAction ("closeAllChildWindows", "closing all " + juce::String (children.size()) + " child windows");

    for (auto& ref : juce::Array<KWindowRef> (childWindows))
        if (auto* child = ref.get())
            child->closeKW();
}

bool VindorWindowAction::printAction (VindorPrintSettings*)
{
    errorMessage = TRANS ("Printer not OK!");
    return false;
}

int VindorWindowAction::printReport (juce::Rectangle<int>, myPrint&, VindorPrintSettings&, myPrint*, int)
{
    return 0;
}
