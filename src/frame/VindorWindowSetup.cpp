#include "frame/VindorWindowSetup.h"
#include "core/Log.h"
#include "frame/VindorWindow.h"
#include "frame/VindorWindowAction.h"

VindorWindowSetup::~VindorWindowSetup()
{
    buttonList.clear();
}

void VindorWindowSetup::addButton (const juce::String& label, int code, bool visible, bool actionOnly)
{
    ButtonRecord record;
    record.label = label;
    record.visible = visible;
    record.actionOnly = actionOnly;
    record.code = code;
    buttonList.add (record);
}

void VindorWindowSetup::clearButtons()
{
    buttonList.clear();
}

void VindorWindowSetup::changeListenerCallback (juce::ChangeBroadcaster*)
{
    vindoro::vlog ("VindorWindowSetup::changeListenerCallback", "here");
    currentChild = nullptr;
}

bool VindorWindowSetup::checkChildResult (KWindow* source, int expectedCode, int mode)
{
    auto* child = currentChild.get();
    if (source == nullptr || source != child)
        return false;

    const int exitValue = child->getExitValue();
    int defaultMode = 0;
    if (exitValue == ButtonCode::cancel)
        defaultMode = 1;
    else if (exitValue == ButtonCode::edit || exitValue == ButtonCode::saveItem)
        defaultMode = 2;

    if (exitValue != expectedCode)
        return false;

    const int effective = mode != 0 ? mode : defaultMode;
    if (effective == 2 || effective == 3)
        child->closeKW();
    if (effective == 1 || effective == 3)
        currentChild = nullptr;
    return true;
}

juce::XmlElement* VindorWindowSetup::callback_getSelectedRow (KWindow* source, int mode)
{
    auto* child = currentChild.get();
    if (source != nullptr && source == child && child->getExitValue() == ButtonCode::select)
    {
        juce::XmlElement* row = child->getAction() != nullptr ? child->getAction()->getSelectedRow() : nullptr;

        if (mode == 2 || mode == 3)
            child->closeKW();
        if (mode == 1 || mode == 3)
            currentChild = nullptr;

        if (row != nullptr)
            return row;
    }

    vindoro::vlog ("VindorWindowSetup::callback_getSelectedRow", "WARNING: row pointer is empty");
    return nullptr;
}
