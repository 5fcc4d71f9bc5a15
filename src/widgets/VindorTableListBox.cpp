#include "widgets/VindorTableListBox.h"

#include "core/Log.h"
#include "widgets/PregledBaze.h"

using vindoro::vlog;

VindorTableListBox::VindorTableListBox (const juce::String& componentName)
    : juce::TableListBox (componentName, nullptr)
{
    const auto labelFont = juce::LookAndFeel::getDefaultLookAndFeel().getLabelFont (*std::make_unique<juce::Label>());
    setRowHeight (juce::jmax (1, (int) (labelFont.getHeight() / 0.7f)));
    getViewport()->setSingleStepSizes (20, getRowHeight());
    juce::TableListBox::updateContent();
    setRowSelectedOnMouseDown (false);
}

void VindorTableListBox::setModel (juce::TableListBoxModel* model)
{
    const bool changed = getModel() != model;
    juce::TableListBox::setModel (model);
    owner = dynamic_cast<PregledBaze*> (model);
    if (changed)
        juce::TableListBox::updateContent();
}

void VindorTableListBox::updateContent()
{
    vlog ("VindorTableListBox::updateContent", "---- updating table content");
    if (owner != nullptr && owner->getLastEditor() != nullptr)
    {
        owner->forgetLastEditor();
        juce::TableListBox::updateContent();
        owner->showEditor();
    }
    else
    {
        juce::TableListBox::updateContent();
    }
    if (owner != nullptr)
        owner->resized();
    vlog ("VindorTableListBox::updateContent", "done");
}

bool VindorTableListBox::keyPressed (const juce::KeyPress& key)
{
    vlog ("VindorTableListBox::keyPressed", "a key was pressed");
    if (key.isKeyCode (juce::KeyPress::deleteKey) || key.isKeyCode (juce::KeyPress::backspaceKey))
    {
        if (auto* browser = dynamic_cast<PregledBaze*> (getParentComponent()))
            browser->keyPressed (key);
    }
    else if (key.isKeyCode (juce::KeyPress::upKey) || key.isKeyCode (juce::KeyPress::downKey))
    {
        vlog ("VindorTableListBox::keyPressed", "ne consumiramo, samo naredimo");
        juce::TableListBox::keyPressed (key);
        return false;
    }
    return juce::TableListBox::keyPressed (key);
}

void VindorTableListBox::resized()
{
    vlog ("VindorTableListBox::resized", "here");
    juce::TableListBox::resized();
}

void VindorTableListBox::childBoundsChanged (juce::Component*)
{
    vlog ("VindorTableListBox::childBoundsChanged", "here");
}

void VindorTableListBox::parentSizeChanged()
{
    vlog ("VindorTableListBox::parentSizeChanged", "here");
}

void VindorTableListBox::returnKeyPressed (int row)
{
    if (auto* browser = dynamic_cast<PregledBaze*> (getParentComponent()))
        browser->returnKeyPressed (row);
}

void VindorTableListBox::tableColumnsChanged (juce::TableHeaderComponent* header)
{
    vlog ("VindorTableListBox::tableColumnsChanged", "here");
    juce::TableListBox::tableColumnsChanged (header);
}

void VindorTableListBox::tableColumnsResized (juce::TableHeaderComponent* header)
{
    vlog ("VindorTableListBox::tableColumnsResized", "here");
    juce::TableListBox::tableColumnsResized (header);
    if (owner != nullptr)
        owner->repaintStatistika();
}
