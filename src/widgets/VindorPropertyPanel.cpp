#include "widgets/VindorPropertyPanel.h"
#include "frame/LookAndFeel_Vindor.h"
#include "widgets/RTextPropertyComponent.h"

#include <cmath>
#include <optional>

namespace
{
constexpr int kPlainRowHeight = 22;
constexpr int kSingleLineTextHeight = 25; // the framework's height of a one-line text row

// The program's font size in pixels while its own look-and-feel is the desktop's default.
std::optional<float> programFontSize()
{
    if (auto* lf = dynamic_cast<LookAndFeel_Vindor*> (&juce::LookAndFeel::getDefaultLookAndFeel()))
        return lf->getDefaultFontSize();
    return std::nullopt;
}

// Halves go to the even neighbour, so 32.5 and 33.5 both land on a stable row height.
int baseRowHeight (float fontSize)
{
    return (int) std::nearbyint ((double) fontSize / 0.7);
}
} // namespace

int propertyRowHeight (juce::PropertyComponent* c)
{
    const auto fontSize = programFontSize();

    if (! fontSize.has_value())
        return c != nullptr ? c->getPreferredHeight() : kPlainRowHeight;

    const int base = baseRowHeight (*fontSize);

    if (c == nullptr)
        return base;

    // A multi-line text row still carries the framework's own height here (100 against 25).
    const bool tallText = (dynamic_cast<juce::TextPropertyComponent*> (c) != nullptr
                           || dynamic_cast<RTextPropertyComponent*> (c) != nullptr)
                          && c->getPreferredHeight() > kSingleLineTextHeight;

    return tallText ? 4 * base : base;
}

void showMessageOKModal (const juce::String& title, const juce::String& message, juce::Component* associated)
{
    juce::AlertWindow::showMessageBoxAsync (juce::MessageBoxIconType::WarningIcon, title, message,
                                            TRANS ("OK"), associated);
}

//==============================================================================
VindorPropertyPanel::SectionComponent::SectionComponent (const juce::String& title,
                                                         const juce::Array<juce::PropertyComponent*>& comps,
                                                         bool open)
    : juce::Component (title), isOpen (open)
{
    if (title.isNotEmpty())
    {
        const auto fontSize = programFontSize();
        titleHeight = fontSize.has_value() ? baseRowHeight (*fontSize) : kPlainRowHeight;
    }

    propertyComps.addArray (comps);

    for (int i = propertyComps.size(); --i >= 0;)
    {
        auto* pc = propertyComps.getUnchecked (i);
        addAndMakeVisible (pc);
        pc->setVisible (isOpen);
        pc->refresh();
    }
}

VindorPropertyPanel::SectionComponent::~SectionComponent()
{
    while (! propertyComps.isEmpty())
        propertyComps.removeLast();
}

void VindorPropertyPanel::SectionComponent::mouseUp (const juce::MouseEvent& e)
{
    // The release of a double click is left to mouseDoubleClick, so a double click toggles twice in all.
    if (e.getNumberOfClicks() != 2)
        mouseDoubleClick (e);
}

void VindorPropertyPanel::SectionComponent::mouseDoubleClick (const juce::MouseEvent& e)
{
    if (e.y < titleHeight)
        setOpen (! isOpen);
}

juce::MouseCursor VindorPropertyPanel::SectionComponent::getMouseCursor()
{
    return juce::MouseCursor::PointingHandCursor;
}

void VindorPropertyPanel::SectionComponent::paint (juce::Graphics& g)
{
    if (titleHeight > 0)
        getLookAndFeel().drawPropertyPanelSectionHeader (g, getName(), isOpen, getWidth(), titleHeight);
}

void VindorPropertyPanel::SectionComponent::resized()
{
    int y = titleHeight;

    for (auto* pc : propertyComps)
    {
        pc->setBounds (1, y, juce::jmax (0, getWidth() - 2), juce::jmax (0, pc->getPreferredHeight()));
        y = pc->getBottom();
    }
}

int VindorPropertyPanel::SectionComponent::getPreferredHeight() const
{
    int h = titleHeight;

    if (isOpen)
        for (auto* pc : propertyComps)
            h += pc->getPreferredHeight();

    return h;
}

void VindorPropertyPanel::SectionComponent::setOpen (bool open)
{
    if (open == isOpen)
        return;

    isOpen = open;

    for (auto* pc : propertyComps)
        pc->setVisible (open);

    if (auto* panel = findParentComponentOfClass<VindorPropertyPanel>())
        panel->resized();
}

//==============================================================================
VindorPropertyPanel::PropertyHolderComponent::~PropertyHolderComponent()
{
    while (! sections.isEmpty())
        sections.removeLast();
}

void VindorPropertyPanel::PropertyHolderComponent::updateLayout (int width)
{
    int y = 0;

    for (auto* section : sections)
    {
        section->setBounds (0, y, width, section->getPreferredHeight());
        y = section->getBottom();
    }

    setSize (width, y);
    repaint();
}

//==============================================================================
VindorPropertyPanel::VindorPropertyPanel (juce::Component* ownerToTell)
    : owner (ownerToTell)
{
    messageWhenEmpty = TRANS ("(nothing selected)");

    addAndMakeVisible (viewport);
    holder = new PropertyHolderComponent();
    viewport.setViewedComponent (holder, true);
    viewport.setFocusContainerType (juce::Component::FocusContainerType::focusContainer);
}

VindorPropertyPanel::~VindorPropertyPanel()
{
    clear();
}

void VindorPropertyPanel::addSection (const juce::String& title,
                                      const juce::Array<juce::PropertyComponent*>& comps, bool open)
{
    if (isEmpty())
        repaint();

    auto* section = new SectionComponent (title, comps, open);
    holder->sections.add (section);
    holder->addAndMakeVisible (section);
    updatePropHolderLayout();
}

void VindorPropertyPanel::addProperties (const juce::Array<juce::PropertyComponent*>& comps)
{
    addSection ({}, comps, true);
}

VindorPropertyPanel::SectionComponent* VindorPropertyPanel::getTitledSection (int index) const
{
    if (index < 0)
        return nullptr;

    for (auto* section : holder->sections)
        if (section->getName().isNotEmpty() && index-- == 0)
            return section;

    return nullptr;
}

void VindorPropertyPanel::setSectionOpen (int index, bool open)
{
    if (auto* section = getTitledSection (index))
        section->setOpen (open);
}

bool VindorPropertyPanel::isSectionOpen (int index) const
{
    auto* section = getTitledSection (index);
    return section != nullptr && section->isSectionOpen();
}

juce::StringArray VindorPropertyPanel::getSectionNames() const
{
    juce::StringArray names;

    for (auto* section : holder->sections)
        if (section->getName().isNotEmpty())
            names.add (section->getName());

    return names;
}

void VindorPropertyPanel::deleteSections()
{
    while (! holder->sections.isEmpty())
        holder->sections.removeLast();
}

void VindorPropertyPanel::clear()
{
    if (! isEmpty())
    {
        deleteSections();
        updatePropHolderLayout();
    }
}

bool VindorPropertyPanel::isEmpty() const
{
    return holder->sections.isEmpty();
}

int VindorPropertyPanel::getTotalContentHeight() const
{
    return holder->getHeight();
}

void VindorPropertyPanel::updatePropHolderLayout() const
{
    const int width = viewport.getMaximumVisibleWidth();
    holder->updateLayout (width);

    // A scroll bar that appeared or went away changes the width the rows may take.
    const int newWidth = viewport.getMaximumVisibleWidth();
    if (newWidth != width)
        holder->updateLayout (newWidth);
}

void VindorPropertyPanel::paint (juce::Graphics& g)
{
    if (isEmpty())
    {
        g.setColour (juce::Colours::black.withAlpha (0.5f));
        g.setFont (14.0f);
        g.drawText (messageWhenEmpty, getLocalBounds().withHeight (30), juce::Justification::centred, true);
    }
}

void VindorPropertyPanel::resized()
{
    juce::Array<SectionComponent*> titled;
    for (auto* section : holder->sections)
        if (section->getName().isNotEmpty())
            titled.add (section);

    if (titled.size() != openStates.size())
    {
        openStates.clearQuick();
        for (auto* section : titled)
            openStates.add (section->isSectionOpen());

        viewport.setBounds (getLocalBounds());
        updatePropHolderLayout();
        return;
    }

    for (int i = titled.size(); --i >= 0;)
    {
        const bool nowOpen = titled.getUnchecked (i)->isSectionOpen();

        if (nowOpen != openStates.getUnchecked (i))
        {
            openStates.set (i, nowOpen);
            viewport.setBounds (getLocalBounds());
            updatePropHolderLayout();

            if (owner != nullptr)
                owner->resized();
            return;
        }
    }

    viewport.setBounds (getLocalBounds());
    updatePropHolderLayout();
}
