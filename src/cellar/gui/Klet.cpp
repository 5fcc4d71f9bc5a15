#include "cellar/gui/Klet.h"
#include "core/Log.h"

Klet::Klet (int kletId, juce::Component* owner, float z) : zoom (z), window (owner)
{
    klet.id = kletId;
    loadKlet();
    setName ("Klet");
}

Klet::~Klet()
{
    selectedVessel = nullptr;
    vessels.clear();
}

void Klet::loadKlet()
{
    if (klet.id == -1)
    {
        juce::AlertWindow::showMessageBoxAsync (juce::MessageBoxIconType::WarningIcon, TRANS ("Napaka"),
            TRANS ("Error occured: ") + "Error loading data from klet. ID of klet is " + juce::String (klet.id));
        return;
    }
    PosodaOps::loadKlet (*this, klet);
}

void Klet::loadPosode()
{
    auto tree = sqlFetch (PosodaOps::cellarVesselsSql (klet.id));
    auto* data = tree != nullptr ? tree->getChildByName ("DATA") : nullptr;
    if (data == nullptr || data->getNumChildElements() == 0)
        return;
    selectedVessel = nullptr;
    nothingSelected = true;
    vessels.clear();
    for (auto* row : data->getChildIterator())
    {
        auto* vessel = vessels.add (new Posoda (window, row, klet, editable));
        vessel->setPictureCache (&pictureCache);
        vessel->addChangeListener (this);
        addAndMakeVisible (vessel, row->getStringAttribute ("pozz").getIntValue());
    }
    setZoom (zoom);
    selectedVessel = vessels.getLast();
    nothingSelected = false;
    selectedVessel->setSelected (true);
    fit();
}

void Klet::setZoom (float z)
{
    if (z <= 0.0f)
    {
        vindoro::vlog ("Klet::setZoom", juce::String::formatted ("ERROR zoom je %e", (double) z));
        return;
    }
    zoom = z;
    // Backdrops of the old size would only take memory.
    pictureCache.clear();
    for (auto* vessel : vessels)
        vessel->setZoom (z);
    repaint();
}

void Klet::fit()
{
    int right = 0, bottom = 0;
    for (auto* vessel : vessels)
    {
        right = juce::jmax (right, vessel->getRight());
        bottom = juce::jmax (bottom, vessel->getBottom());
    }
    if (right == extentRight && bottom == extentBottom)
        return;
    extentRight = right;
    extentBottom = bottom;
    setSize (right + 20, bottom + 20);
}

void Klet::updateNewPositionsToDB()
{
    if (! editable)
    {
        vindoro::vlog ("Klet::updateNewPositionsToDB", "WARNING: Can't edit in viewer mode!");
        return;
    }
    for (auto* vessel : vessels)
        if (vessel->isMoved())
            vessel->writePosition();
}

int Klet::placePosoda (int posodaId)
{
    for (int i = 0; i < vessels.size(); ++i)
    {
        auto* vessel = vessels[i];
        if (vessel->getPosoda().id != posodaId)
            continue;
        const juce::Point<int> at = extentRight > 2 * extentBottom ? juce::Point<int> (10, extentBottom + 10)
                                                                   : juce::Point<int> (extentRight + 10, 10);
        vessel->markMoved();
        vessel->setTopLeftPosition (at);
        vessel->storePosition (at.x, at.y);
        vessel->setZoom (zoom);
        updateNewPositionsToDB();
        return i;
    }
    return -1;
}

bool Klet::setActive (bool active) { return PosodaOps::setKletActive (*this, klet.id, active); }

void Klet::paint (juce::Graphics& g) { g.fillAll (juce::Colours::white.withAlpha (0.5f)); }

void Klet::resized() { constrainer.setMinimumOnscreenAmounts (getHeight(), getWidth(), getHeight(), getWidth()); }

void Klet::SelectionBox::start (juce::Point<int> p)
{
    if (isComplete())
        clear();
    first = p;
    hasFirst = true;
}

void Klet::SelectionBox::stop (juce::Point<int> p)
{
    if (! hasFirst)
    {
        vindoro::vlog ("Klet::SelectionBox::stop", "ERROR: missing first point");
        return;
    }
    second = p;
    hasSecond = true;
}

void Klet::mouseDown (const juce::MouseEvent& e)
{
    if (e.mods.isLeftButtonDown())
        selectionBox.start (e.getPosition());
    dragger.startDraggingComponent (this, e);
}

void Klet::mouseDrag (const juce::MouseEvent& e)
{
    if (e.mods.isLeftButtonDown())
        selectionBox.stop (e.getPosition());
    dragger.dragComponent (this, e, &constrainer);
}

void Klet::mouseUp (const juce::MouseEvent& e)
{
    if (! e.mods.isLeftButtonDown())
        return;
    selectionBox.clear();
    repaint();
}

void Klet::childBoundsChanged (juce::Component* child)
{
    if (child != nullptr && child->getName() == "Posoda")
        fit();
}

void Klet::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    auto* vessel = dynamic_cast<Posoda*> (source);
    if (vessel == nullptr || ! vessels.contains (vessel))
        return;
    if (selectedVessel != nullptr && selectedVessel != vessel)
        selectedVessel->setSelected (false);
    selectedVessel = vessel;
    nothingSelected = false;
    vessel->setSelected (true);
    sendChangeMessage();
}
