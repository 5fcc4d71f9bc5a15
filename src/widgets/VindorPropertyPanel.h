#pragma once
// The editor panel of every window: a scrollable stack of sections, each an optional title bar
// over property rows. Owned by its window; it owns and deletes every row handed to it.
// Sections are only appended; a click on a title bar opens or closes that section and tells the owner.
#include <juce_gui_basics/juce_gui_basics.h>

/** The height of a property row under the program's look-and-feel (four rows for a multi-line
    text row); without it the row's own preferred height, or 22 for no row. */
int propertyRowHeight (juce::PropertyComponent* c);

/** Shows a warning box with one OK button over the associated component and returns at once. */
void showMessageOKModal (const juce::String& title, const juce::String& message, juce::Component* associated);

class VindorPropertyPanel : public juce::Component
{
public:
    explicit VindorPropertyPanel (juce::Component* owner = nullptr);
    ~VindorPropertyPanel() override;

    void addSection (const juce::String& title, const juce::Array<juce::PropertyComponent*>& comps, bool open);
    void addProperties (const juce::Array<juce::PropertyComponent*>& comps);

    void setSectionOpen (int index, bool open);
    bool isSectionOpen (int index) const;
    juce::StringArray getSectionNames() const;

    void clear();
    bool isEmpty() const;
    void updatePropHolderLayout() const;

    /** The height of everything the panel holds (sections and their open rows). */
    int getTotalContentHeight() const;

    void paint (juce::Graphics& g) override;
    void resized() override;

    // One titled or untitled group of rows; its rows are deleted with it, the last first.
    class SectionComponent : public juce::Component
    {
    public:
        SectionComponent (const juce::String& title, const juce::Array<juce::PropertyComponent*>& comps, bool open);
        ~SectionComponent() override;

        void mouseUp (const juce::MouseEvent& e) override;
        void mouseDoubleClick (const juce::MouseEvent& e) override;
        juce::MouseCursor getMouseCursor() override;
        void paint (juce::Graphics& g) override;
        void resized() override;

        int getPreferredHeight() const;
        void setOpen (bool open);
        bool isSectionOpen() const { return isOpen; }
        int getTitleHeight() const { return titleHeight; }
        int getNumRows() const { return propertyComps.size(); }

    private:
        juce::OwnedArray<juce::PropertyComponent> propertyComps;
        int titleHeight = 0;
        bool isOpen = true;

        JUCE_DECLARE_NON_COPYABLE (SectionComponent)
    };

    // The viewed component of the viewport; stacks the sections at the viewport's width.
    class PropertyHolderComponent : public juce::Component
    {
    public:
        PropertyHolderComponent() = default;
        ~PropertyHolderComponent() override;
        void paint (juce::Graphics&) override {}
        void updateLayout (int width);

        juce::OwnedArray<SectionComponent> sections;
    };

    /** The index-th titled section, or nullptr. */
    SectionComponent* getTitledSection (int index) const;

private:
    juce::Viewport viewport;
    PropertyHolderComponent* holder = nullptr;
    juce::String messageWhenEmpty;
    juce::Component* owner = nullptr;
    juce::Array<bool> openStates;

    void deleteSections();

    JUCE_DECLARE_NON_COPYABLE (VindorPropertyPanel)
};
