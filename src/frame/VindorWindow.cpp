#include "frame/VindorWindow.h"
#include "core/Globals.h"
#include "frame/Gumbi.h"
#include "frame/KWManager.h"
#include "core/Log.h"
#include "frame/NormalKWindowCallback.h"
#include "frame/VindorWindowAction.h"
#include "frame/VindorWindowCallback.h"
#include "frame/VindorWindowSetup.h"

namespace
{
const juce::Colour kWindowBackground (0xFFD3D3D3);

void log (const char* method, const juce::String& message)
{
    vindoro::vlog (juce::String ("VindorWindow::") + method, message);
}

template <typename CallbackType>
VindorWindow* launch (const char* method, const juce::String& kind, const juce::String& title, VindorWindowAction* action,
                      juce::Component* parentComponent, juce::Component* listenerComponent)
{
    jassert (action != nullptr);
    log (method, "***********" + kind + " window: " + title + " ********************");

    // The bar reads the opener's button list while it is built, so the opener comes first.
    if (auto* setup = dynamic_cast<VindorWindowSetup*> (listenerComponent))
        action->opener = setup;

    auto* callback = new CallbackType (title, action, parentComponent, listenerComponent);
    auto& window = callback->getWindow();

    if (auto* parentAction = dynamic_cast<VindorWindowAction*> (parentComponent))
        parentAction->addChildWindow (&window);

    window.toFront (true);
    window.grabKeyboardFocus();
    return &window;
}
} // namespace

VindorWindow::VindorWindow (const juce::String& windowTitle, VindorWindowAction* action, juce::Component* parent)
    : juce::DocumentWindow (windowTitle, kWindowBackground, juce::DocumentWindow::allButtons, true),
      parentComponent (parent),
      title (windowTitle)
{
    buttonBar = new Gumbi (windowTitle, action);
    setContentOwned (buttonBar, true);
    centreWithSize (getWidth(), getHeight());

    juce::String saved;
    if (auto* settings = getUserSettings())
        saved = settings->getValue (positionKey (title));
    if (saved.isNotEmpty())
        restoreWindowStateFromString (saved);

    setUsingNativeTitleBar (true);
    setResizable (true, false);
    setVisible (true);
    setWantsKeyboardFocus (false);
    setFocusContainerType (juce::Component::FocusContainerType::focusContainer);
}

VindorWindow::~VindorWindow()
{
    log ("~VindorWindow", "inside " + getName());
    // Openers and parents hold weak references: they must read null from here on, before the
    // content goes.
    forgetReferences();
    removeAllChangeListeners();
    clearContentComponent();
}

VindorWindow* VindorWindow::launchNormal (const juce::String& title, VindorWindowAction* action,
                                          juce::Component* parentComponent, juce::Component* listenerComponent)
{
    return launch<NormalKWindowCallback> ("launchNormal", "Normal", title, action, parentComponent, listenerComponent);
}

VindorWindow* VindorWindow::launchModal (const juce::String& title, VindorWindowAction* action,
                                         juce::Component* parentComponent, juce::Component* listenerComponent)
{
    return launch<VindorWindowCallback> ("launchModal", "Modal", title, action, parentComponent, listenerComponent);
}

int VindorWindow::getExitValue()
{
    return buttonBar != nullptr ? buttonBar->exitValue : ButtonCode::cancel;
}

void VindorWindow::setExitValue (int code)
{
    if (buttonBar != nullptr)
        buttonBar->exitValue = code;
}

bool VindorWindow::hasButton (int code)
{
    return buttonBar != nullptr && buttonBar->hasButton (code);
}

VindorWindowAction* VindorWindow::getAction()
{
    return buttonBar != nullptr ? buttonBar->getAction() : nullptr;
}

juce::TextButton* VindorWindow::getButton (int position)
{
    return buttonBar != nullptr ? buttonBar->getButton (position) : nullptr;
}

void VindorWindow::closeKW()
{
    log ("closeKW", "inside " + getName());

    if (auto* settings = getUserSettings())
        settings->setValue (positionKey (title), getWindowStateAsString());

    if (auto* parentAction = dynamic_cast<VindorWindowAction*> (parentComponent.getComponent()))
    {
        log ("closeKW", "parent is KWA lets forget about this win");
        parentAction->removeChildWindow (this);
    }

    if (auto* action = getAction())
    {
        log ("closeKW", "content is KWA and will close child windows");
        action->closeAllChildWindows();
        log ("closeKW", "content is KWA and will store settings");
        action->prepareToClose();
    }

    if (juce::ModalComponentManager::getInstance()->getModalComponent (0) == this)
    {
        log ("closeKW", "exiting modal state");
        exitModalState (getExitValue());
    }
    else
    {
        log ("closeKW", "exiting KWindow state");
        KWManager::getInstance()->endKWindow (this, getExitValue());
    }

    log ("closeKW", "Done here");
}

void VindorWindow::closeButtonPressed()
{
    if (buttonBar != nullptr)
    {
        log ("closeButtonPressed", "simulating CancelAsk or Cancel clicking");

        for (int code : { ButtonCode::cancelAsk, ButtonCode::cancel })
            for (int i = buttonBar->getNumButtons(); --i >= 0;)
                if (auto* button = buttonBar->getButton (i); button != nullptr && button->getCommandID() == code)
                {
                    buttonBar->buttonClicked (button);
                    return;
                }

        log ("closeButtonPressed", "no Cancel or CancelAsk button found");
    }

    log ("closeButtonPressed", "setting Cancel exit value and notifing parents");
    setExitValue (ButtonCode::cancel);
    notifyListener();
    closeKW();
}
