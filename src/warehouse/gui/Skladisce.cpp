#include "warehouse/gui/Skladisce.h"

#include "core/Globals.h"
#include "core/Log.h"
#include "frame/ArticlePictures.h"
#include "frame/LookAndFeel_Vindor.h"
#include "frame/MessageBoxes.h"
#include "warehouse/PlanGeometry.h"
#include "warehouse/gui/Artikel.h"

#include <cmath>

using vindoro::vlog;

namespace
{
constexpr const char* kViewerModeWarning = "WARNING: Can't edit in viewer mode!";
constexpr int kStartWidth = 100;
constexpr int kStartHeight = 70;
} // namespace

Skladisce::Skladisce (SkladisceRecord record, SkladisceGUI* ownerWindow, float z)
    : skladisce (std::move (record)), zoom (z), owner (ownerWindow)
{
    setName ("Skladisce");
    setWantsKeyboardFocus (true);
    if (auto* settings = getUserSettings())
        dostavniplac = settings->getBoolValue ("dostavniplac", false);
    loadSkladisce();
}

Skladisce::~Skladisce()
{
    clearArtikli();
}

void Skladisce::loadSkladisce()
{
    if (skladisce.id < 1)
    {
        showMessageOK (vindoro::kIconWarning, TRANS ("Napaka"),
                       TRANS ("Error occured: ") + "Error loading data from skladisce. ID of skladisce is " + juce::String (skladisce.id),
                       this);
        return;
    }

    if (sqlQuery ("SELECT sk.ime,sk.konsig,st.ime AS strankaime FROM skladisce AS sk LEFT JOIN stranka AS st ON st.id = sk.konsig WHERE sk.id = "
                  + juce::String (skladisce.id))
            == nullptr
        || getNumRows() < 1 || getData() == nullptr)
        return;

    const auto* row = getData()->getChildElement (0);
    skladisce.ime = row->getStringAttribute ("ime");
    skladisce.konsig.id = row->getIntAttribute ("konsig", 0);
    skladisce.konsig.ime = row->getStringAttribute ("strankaime");

    sqlQuery (Hramba::getSelectSQL (skladisce.id, -1));
}

void Skladisce::initArtikli()
{
    clearArtikli();
    // Without a tree (no warehouse, a failed query) there are no rows: a warehouse that has no
    // row leaves its own empty result here.
    if (getData() != nullptr)
    {
        for (auto* row : getData()->getChildIterator())
        {
            auto entry = Hramba::fromRow (row);
            if (entry.id < 0)
                continue;
            auto* tile = artikli.add (new Artikel (owner, entry, editable));
            tile->addChangeListener (this);
            tile->setBounds (tile->getX(), tile->getY(), kStartWidth, kStartHeight);
            tile->setVisible (true);
            addAndMakeVisible (tile);
            tile->setTopLeftPosition (entry.pozx, entry.pozy);
        }
    }

    setZoom (zoom);

    empty = artikli.isEmpty();
    if (! empty)
    {
        current = artikli.getLast();
        if (current->isShowing())   // a plan built off screen has no focus to give
            current->grabKeyboardFocus();
    }
    updateSize();
}

void Skladisce::clearArtikli()
{
    current = nullptr;
    while (! artikli.isEmpty())
        artikli.removeLast();
}

void Skladisce::setZoom (float z)
{
    if (z <= 0.0f)
    {
        vlog ("Skladisce::setZoom", juce::String::formatted ("ERROR zoom je %e", (double) z));
        return;
    }
    zoom = z;
    for (auto* tile : artikli)
        tile->setZoom (z);
    repaint();
}

void Skladisce::arrangeAll()
{
    const auto grid = PlanGeometry::gridFor (artikli.size(), dostavniplac);
    if (grid.cells == 0)
        return; // an empty plan without the delivery area: no cells, nothing placed or written
    vlog ("Skladisce::arrangeAll", "razporedili bomo " + juce::String (grid.cells) + " artiklov v " + juce::String (grid.columns) + " x "
                                       + juce::String (grid.rows));

    int next = 0;
    for (int cell = dostavniplac ? 1 : 0; cell < grid.cells && next < artikli.size(); ++cell)
    {
        auto* tile = artikli.getUnchecked (next++);
        const int column = cell % grid.columns;
        const int row = cell / grid.columns;
        const int x = (int) (((float) tile->getWidth() + zoom) * (float) column);
        const int y = (int) (((float) tile->getHeight() + zoom) * (float) row);
        tile->setTopLeftPosition (x, y);
        tile->takePositionFrom ({ x, y }, zoom);
    }
    updateNewPositionsToDB();
}

void Skladisce::updateNewPositionsToDB()
{
    if (! editable)
    {
        vlog ("Skladisce::updateNewPositionsToDB", kViewerModeWarning);
        return;
    }
    for (auto* tile : artikli)
        if (tile->isMoved())
            tile->writePosition();
}

Hramba Skladisce::getCurrentHramba() const
{
    return current != nullptr ? current->getHramba() : Hramba();
}

void Skladisce::makeCurrent (Artikel* tile)
{
    current = tile;
}

bool Skladisce::selectTo (int direction, const char* method)
{
    if (current == nullptr || artikli.isEmpty())
        return false;
    std::vector<juce::Point<int>> positions;
    positions.reserve ((size_t) artikli.size());
    for (auto* tile : artikli)
        positions.push_back (tile->getPosition());

    const int winner = PlanGeometry::pickNeighbour ((PlanGeometry::Direction) direction, positions, current->getPosition());
    if (winner < 0)
        return false;
    vlog (method, "selecting " + artikli.getUnchecked (winner)->getHramba().artikel.ime);
    auto* tile = artikli.getUnchecked (winner);
    if (tile->isShowing())
        tile->grabKeyboardFocus();
    makeCurrent (tile);
    return true;
}

bool Skladisce::selectToUp() { return selectTo ((int) PlanGeometry::Direction::up, "Skladisce::selectToUp"); }
bool Skladisce::selectToDown() { return selectTo ((int) PlanGeometry::Direction::down, "Skladisce::selectToDown"); }
bool Skladisce::selectToRight() { return selectTo ((int) PlanGeometry::Direction::right, "Skladisce::selectToRight"); }
bool Skladisce::selectToLeft() { return selectTo ((int) PlanGeometry::Direction::left, "Skladisce::selectToLeft"); }

bool Skladisce::returnPressed()
{
    vlog ("Skladisce::returnPressed", "here");
    if (current == nullptr)
        return false;
    sendChangeMessage();
    return true;
}

void Skladisce::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    auto* tile = dynamic_cast<Artikel*> (source);
    if (tile == nullptr || ! artikli.contains (tile))
        return;
    makeCurrent (tile);
    sendChangeMessage();
}

void Skladisce::childBoundsChanged (juce::Component* child)
{
    if (child != nullptr && child->getName() == "Artikel")
        updateSize();
}

void Skladisce::updateSize()
{
    int right = 0, bottom = 0;
    for (auto* tile : artikli)
    {
        right = std::max (right, tile->getRight());
        bottom = std::max (bottom, tile->getBottom());
    }
    if (right == extentRight && bottom == extentBottom)
        return;
    extentRight = right;
    extentBottom = bottom;
    setSize (right + 20, bottom + 20);
}

void Skladisce::mouseDown (const juce::MouseEvent& e)
{
    dragger.startDraggingComponent (this, e);
}

void Skladisce::mouseDrag (const juce::MouseEvent& e)
{
    dragger.dragComponent (this, e, &constrainer);
}

void Skladisce::resized()
{
    constrainer.setMinimumOnscreenAmounts (getHeight(), getWidth(), getHeight(), getWidth());
}

void Skladisce::focusGained (FocusChangeType)
{
    vlog ("Skladisce::focusGained", "gain focus");
}

juce::Image Skladisce::pictureImage (int index, int width, int height)
{
    auto* picture = ArticlePictures::get (index);
    if (picture == nullptr || width < 1 || height < 1)
        return {};
    const auto key = std::make_tuple (picture, width, height);
    if (auto found = pictures.find (key); found != pictures.end())
        return found->second;

    juce::Image image (juce::Image::ARGB, width, height, true);
    {
        juce::Graphics g (image);
        picture->drawWithin (g, juce::Rectangle<float> (0.0f, 0.0f, (float) width, (float) height), juce::RectanglePlacement::stretchToFit, 1.0f);
    }
    pictures[key] = image;
    return image;
}

void Skladisce::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::white.withAlpha (0.5f));
    if (! dostavniplac)
        return;

    const auto colour = findColour (juce::TabbedComponent::outlineColourId, false).withAlpha (0.3f);
    const int r = juce::roundToInt (zoom * 0.6f);
    const int side = (int) (10.0f * zoom);
    const juce::Rectangle<int> square (0, 0, side, side);
    const auto outline = square.reduced (r).withSize (std::max (0, side - 2 * r), std::max (0, side - 2 * r));
    g.setColour (colour);
    g.drawRoundedRectangle (outline.toFloat(), zoom, zoom * 0.6f);

    juce::AttributedString text;
    text.setWordWrap (juce::AttributedString::byWord);
    text.setJustification (juce::Justification::centred);
    text.append (TRANS ("prostor za odlaganje novih izdelkov"), getScaledFont (1.5f, &g), colour);
    text.draw (g, outline.reduced (r).toFloat());
}
