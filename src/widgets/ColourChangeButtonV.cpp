#include "widgets/ColourChangeButtonV.h"
#include "frame/VindorWindow.h"

ColourChangeButtonV::ColourChangeButtonV (juce::Component* ownerComponent)
    : juce::TextButton (TRANS ("Click to change colour...")), owner (ownerComponent)
{
    setSize (getBestWidthForHeight (24), 24);
    changeWidthToFitText (24);
}

ColourChangeButtonV::~ColourChangeButtonV()
{
    if (auto* s = selector.getComponent())
        s->removeChangeListener (this);
}

void ColourChangeButtonV::paintIn (juce::Colour c)
{
    setColour (juce::TextButton::buttonColourId, c);
    repaint();
}

void ColourChangeButtonV::setAcceptedColour (juce::Colour c)
{
    colour = c;
    paintIn (c);
}

void ColourChangeButtonV::clicked()
{
    if (currentChild != nullptr)
        return;

    clearButtons();
    addButton (TRANS ("Cancel"), ButtonCode::cancel);
    addButton (TRANS ("Select"), ButtonCode::ok);

    auto* s = new SelectorBarve();
    s->setCurrentColour (getPaintedColour());
    s->addChangeListener (this);
    s->setColour (juce::ColourSelector::backgroundColourId, juce::Colours::transparentBlack);
    selector = s;

    currentChild = VindorWindow::launchNormal (TRANS ("barva"), s, owner, this);
}

void ColourChangeButtonV::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    auto* s = selector.getComponent();

    if (s != nullptr && source == s)
    {
        // Live preview: the accepted colour and the value stay until Select.
        paintIn (s->getCurrentColour());
        return;
    }

    auto* child = currentChild.get();
    if (child == nullptr || source != child)
        return;

    if (child->getExitValue() == ButtonCode::ok && s != nullptr)
    {
        colour = s->getCurrentColour();
        paintIn (colour);
        value = (int) colour.getARGB();
    }
    else
    {
        paintIn (colour);
    }

    if (s != nullptr)
        s->removeChangeListener (this);

    child->closeKW();
    currentChild = nullptr;
}
