#pragma once
// The lines of one product's bill of materials, the article manager's bill tab: component, price,
// pieces per product and their value. Owned by its tab; it opens at most one line editor at a
// time over the component its manager names, and after a line was booked shows the bill the
// product's entry names now (the first line makes the bill).
#include "frame/VindorWindowSetup.h"
#include "warehouse/ArtikelListener.h"
#include "warehouse/GoodsRecords.h"
#include "widgets/PregledBaze.h"

class PregledBazeKosovnica : public PregledBaze,
                             public VindorWindowSetup,
                             public Hramba::Listener,
                             public ArtikelListener
{
public:
    explicit PregledBazeKosovnica (const juce::String& query);
    ~PregledBazeKosovnica() override;

    /** Whether the product is on some invoice line, after which it takes no new components. */
    bool isUsedOnInvoices();
    /** Opens the line editor, unless one is open already. */
    bool insertAction() override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    /** The component new windows of the browser are opened over (the article manager). */
    void setOpenerComponent (juce::Component* component) { openerComponent = component; }

    /** The query of the lines of one bill. */
    static juce::String queryForBill (int kosovnica);

private:
    juce::Component::SafePointer<juce::Component> openerComponent;

    void followProductsBill();
};

/** The browser of the entry's bill, sorted by component name. */
PregledBazeKosovnica* createKosovnicaBrowser (const Hramba& entry);
