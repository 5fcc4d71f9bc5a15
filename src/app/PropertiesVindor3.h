#pragma once
// The "O programu" tab: the product with its version and build date, and the row that asks the
// update checker for a new version (the checker shows its answer; nothing is installed here).
// Created with the main window's tabs and living as long as they do.
#include "widgets/ValButtonPropertyComponent.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

class VindorPropertyPanel;

class PropertiesVindor3 : public juce::Component
{
public:
    explicit PropertiesVindor3 (juce::Component* owner);
    ~PropertiesVindor3() override;

    void paint (juce::Graphics& g) override;
    void resized() override;

    // The update row: the program's version, read-only, beside the button that starts a check.
    class UpdateButton : public ValButtonPropertyComponent
    {
    public:
        explicit UpdateButton (juce::Value& shown);
        ~UpdateButton() override;

        void buttonClicked() override;
        juce::String getButtonText() const override;

    private:
        juce::Value myValue;
    };

    VindorPropertyPanel& getPanel() const { return *panel; }
    UpdateButton* getUpdateRow() const { return updateRow; }

private:
    juce::Component* owner = nullptr;
    juce::Value versionText;
    std::unique_ptr<juce::Drawable> logo;
    juce::Rectangle<int> logoArea;
    juce::Label title;
    UpdateButton* updateRow = nullptr;
    std::unique_ptr<VindorPropertyPanel> panel;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PropertiesVindor3)
};
