#include "warehouse/gui/Artikel.h"

#include "core/Globals.h"
#include "core/Log.h"
#include "core/TextHelpers.h"
#include "frame/ArticlePictures.h"
#include "frame/ButtonRecord.h"
#include "frame/VindorWindow.h"
#include "frame/VindorWindowAction.h"
#include "warehouse/PlanGeometry.h"
#include "warehouse/PlanWrites.h"
#include "warehouse/gui/ArtikelManager.h"
#include "warehouse/gui/Skladisce.h"
#include "warehouse/gui/SkladisceGUI.h"

using vindoro::vlog;

namespace
{
VindorWindowAction* openArtikelManager (const Hramba& entry)
{
    return new ArtikelManager (entry);
}

Artikel::ManagerFactory& managerFactory()
{
    static Artikel::ManagerFactory factory = openArtikelManager;
    return factory;
}

constexpr const char* kViewerMode = "Can't edit in viewer mode!";

juce::Font labelFont()
{
    juce::Label probe;
    return juce::LookAndFeel::getDefaultLookAndFeel().getLabelFont (probe);
}
} // namespace

Artikel::Artikel (SkladisceGUI* ownerWindow, Hramba entry, bool isEditable)
    : hramba (std::move (entry)), editable (isEditable), owner (ownerWindow)
{
    setName ("Artikel");
    setWantsKeyboardFocus (true);
    const int stored = getUserSettings() != nullptr ? getUserSettings()->getIntValue ("artikel_sel_color", 0) : 0;
    selectionColour = juce::Colour ((juce::uint32) stored).toString();
}

Artikel::~Artikel()
{
    if (currentChild != nullptr)
        currentChild->closeKW();
}

void Artikel::setManagerFactory (ManagerFactory factory)
{
    managerFactory() = factory ? std::move (factory) : Artikel::ManagerFactory (openArtikelManager);
}

void Artikel::setZoom (float z)
{
    zoom = z;
    const int side = PlanGeometry::tileSide (z);
    setSize (side, side);
    setTopLeftPosition (PlanGeometry::pixelFromPlan (hramba.pozx, z), PlanGeometry::pixelFromPlan (hramba.pozy, z));
    repaint();
}

void Artikel::takePositionFrom (juce::Point<int> pixel, float atZoom)
{
    zoom = atZoom;
    moved = true;
    hramba.pozx = PlanGeometry::planFromPixel (pixel.x, zoom);
    hramba.pozy = PlanGeometry::planFromPixel (pixel.y, zoom);
}

void Artikel::writePosition()
{
    if (! editable)
    {
        vlog ("Artikel::writePosition", kViewerMode);
        return;
    }
    if (! moved)
        return;

    int place = 0;
    if (auto* parent = getParentComponent())
        place = std::max (0, parent->getIndexOfChildComponent (this));
    hramba.pozz = place;

    if (PlanWrites::writePosition (hramba.id, hramba.pozx, hramba.pozy, hramba.pozz))
        moved = false;
}

bool Artikel::setActive (SQLtoXml* db)
{
    if (db == nullptr)
        return false;
    if (! editable)
    {
        // Nothing was taken off: answering success would make the window rebuild a plan that lost nothing.
        vlog ("Artikel::setActive", kViewerMode);
        return false;
    }
    if (! PlanWrites::withdraw (*db, hramba.id, hramba.artikel.id))
        return false;
    hramba.active = false;
    return true;
}

void Artikel::toggleSelected()
{
    selected = ! selected;
    vlog ("Artikel::toggleSelected", juce::String ("selection toggled ") + (selected ? "SELECTED" : "NOT SELECTED"));
    repaint();
}

void Artikel::focusGained (FocusChangeType)
{
    vlog ("Artikel::focusGained", "gain focus on " + hramba.artikel.ime);
    toggleSelected();
}

void Artikel::focusLost (FocusChangeType)
{
    vlog ("Artikel::focusLost", "lost focus on " + hramba.artikel.ime);
    toggleSelected();
}

void Artikel::resized()
{
    constrainer.setMinimumOnscreenAmounts (getHeight(), getWidth(), getHeight(), getWidth());
}

void Artikel::mouseDown (const juce::MouseEvent& e)
{
    if (! e.mods.isLeftButtonDown())
        return;
    vlog ("Artikel::mouseDown", "here");
    sendChangeMessage();
    dragger.startDraggingComponent (this, e);
}

void Artikel::mouseDrag (const juce::MouseEvent& e)
{
    if (editable)
        dragger.dragComponent (this, e, &constrainer);
}

void Artikel::mouseUp (const juce::MouseEvent& e)
{
    if (! e.mods.isLeftButtonDown() || ! editable)
        return;
    takePositionFrom (getPosition(), zoom);
}

void Artikel::mouseDoubleClick (const juce::MouseEvent& e)
{
    if (! e.mods.isLeftButtonDown() || currentChild != nullptr)
        return;
    auto& factory = managerFactory();
    if (! factory)
        return;

    clearButtons();
    addButton (TRANS ("Close"), ButtonCode::cancel, true);
    addButton (TRANS ("Print"), ButtonCode::print, true);
    addButton (TRANS ("Insert"), ButtonCode::insert, true);
    if (auto* content = factory (hramba))
        currentChild = VindorWindow::launchNormal (TRANS ("ArtikelManager") + " " + hramba.artikel.ime, content, nullptr, this);
}

void Artikel::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    auto* child = currentChild.get();
    if (child == nullptr || source != child)
        return;
    // Copies first: rebuilding the plan deletes this tile.
    auto* window = owner;
    KWindowRef manager (child);
    currentChild = nullptr;
    if (window != nullptr)
    {
        window->savePositions();
        window->setArraySkladisca();
    }
    if (manager != nullptr)
        manager->closeKW();
}

// ---- painting

void Artikel::drawArtikelPicture (juce::Graphics& g, juce::Rectangle<float> area)
{
    const int index = hramba.artikel.tip.id == TipRecord::bottledWine ? ArticlePictures::bottle : ArticlePictures::box;
    auto* picture = ArticlePictures::get (index);
    if (picture == nullptr)
        return;

    const float h = area.getHeight();
    auto target = area.withTrimmedRight (std::min (0.13f * h, area.getWidth())).reduced (0.03f * h);
    const auto placement = juce::RectanglePlacement (juce::RectanglePlacement::xLeft | juce::RectanglePlacement::yMid);
    const auto fitted = placement.appliedTo (picture->getDrawableBounds(), target);
    if (fitted.isEmpty())
        return;

    // The canvas keeps the picture drawn once per size; a tile outside a canvas draws the vector picture.
    const float scale = g.getInternalContext().getPhysicalPixelScaleFactor();
    auto* canvas = dynamic_cast<Skladisce*> (getParentComponent());
    if (canvas != nullptr)
    {
        const int pw = juce::roundToInt (fitted.getWidth() * scale), ph = juce::roundToInt (fitted.getHeight() * scale);
        auto image = canvas->pictureImage (index, pw, ph);
        if (image.isValid())
        {
            g.setOpacity (1.0f);
            g.drawImage (image, fitted, juce::RectanglePlacement::stretchToFit);
            return;
        }
    }
    picture->drawWithin (g, target, placement, 1.0f);
}

juce::AttributedString Artikel::tileText() const
{
    const auto font = labelFont();
    const auto small = font.withHeight (font.getHeight() * 0.8f);

    juce::AttributedString text;
    text.setWordWrap (juce::AttributedString::byWord);
    text.setJustification (juce::Justification::centredLeft);
    text.append (hramba.artikel.ime + (hramba.kosovnica > 1 ? "(+)\n" : "\n"), font, juce::Colours::black);
    if (hramba.artikel.tip.id == TipRecord::bottledWine)
        text.append ("LOT: " + juce::String (hramba.serija.letnik) + "-" + hramba.serija.oznaka + " " + hramba.serija.model.oznaka + "\n",
                     small, juce::Colours::black);
    text.append (formatFloor ((double) hramba.stevilo) + " " + hramba.artikel.enota.oznaka + "\n", small.boldened(),
                 juce::Colours::black);
    return text;
}

void Artikel::paint (juce::Graphics& g)
{
    const auto area = getLocalBounds().toFloat().reduced (2.0f);

    g.setColour (juce::Colour::fromString (selected ? selectionColour : normalColour).withAlpha (0.4f));
    g.drawRoundedRectangle (area, 10.0f, 3.0f);
    if (! selected && hasKeyboardFocus (false))
    {
        g.setColour (juce::Colour::fromString (focusColour).withAlpha (0.8f));
        g.drawRoundedRectangle (area, 10.0f, 3.0f);
    }

    drawArtikelPicture (g, area);

    const float w = area.getWidth();
    tileText().draw (g, area.withTrimmedLeft (0.25f * w + 0.5f * labelFont().getHeight()));

    if (hramba.artikel.tip.id == TipRecord::bottledWine)
    {
        const float d = 0.1f * w;
        g.setColour (juce::Colour ((juce::uint32) hramba.serija.sorta.barva).withAlpha (1.0f));
        g.fillEllipse (area.getX() + 0.9f * w, area.getY() + area.getHeight() - d, d, d);
    }
}
