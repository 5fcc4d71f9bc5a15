#pragma once
// The register window of countries: active countries, names in descending order, as a choosing
// browser for the country picker or an editing browser that opens the country editor and
// deactivates countries. Owned by its window; it has at most one editor window open.
#include "frame/VindorWindowSetup.h"
#include "partners/DrzavaRecord.h"
#include "widgets/PregledBaze.h"

#include <vector>

class PregledBazeDrzava : public PregledBaze,
                          public VindorWindowSetup
{
public:
    /** The mix-in of whatever takes a picked country: numbered slots from 1, one at the start. */
    class Listener
    {
    public:
        Listener();
        virtual ~Listener();
        /** Stores the country in slot `slot` (1-based); a slot out of range is logged and ignored. */
        virtual void setIDN (DrzavaRecord country, int slot);
        /** A copy of the first slot, or the empty record. */
        DrzavaRecord getDrzava() const;

    private:
        std::vector<DrzavaRecord> slots;
    };

    explicit PregledBazeDrzava (bool editable);
    ~PregledBazeDrzava() override;

    static DrzavaRecord interpretXml (const juce::XmlElement* row);

    // PregledBaze
    bool deleteAction() override;
    void cellClicked (int row, int columnId, const juce::MouseEvent& event) override;

    // VindorWindowAction
    bool editAction() override;
    bool insertAction() override;

    // VindorWindowSetup: the country editor answers
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

private:
    bool openEditor (bool insert);

    Listener listener;
};
