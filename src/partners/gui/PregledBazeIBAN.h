#pragma once
// The bank accounts of one holder: a choosing browser for the account picker or an editing one
// that opens the account editor and switches accounts off. Rows the picker collected but never
// stored can be appended ("auto" ids). Owned by its window; at most one editor window is open.
#include "accounts/IbanRecord.h"
#include "frame/VindorWindowSetup.h"
#include "widgets/PregledBaze.h"

#include <functional>
#include <vector>

class PregledBazeIBAN : public PregledBaze,
                        public VindorWindowSetup
{
public:
    /** The mix-in of whatever hears a picked account: numbered slots from 1, one at the start. */
    class Listener
    {
    public:
        Listener();
        virtual ~Listener();
        /** Stores the account in slot `slot` (1-based); a slot out of range is logged and ignored. */
        virtual void setIDN (IbanRecord account, int slot);
        /** A copy of slot `slot`, or the empty record. */
        IbanRecord getIban (int slot = 1) const;

    private:
        std::vector<IbanRecord> slots;
    };

    PregledBazeIBAN (StrankaRecord holder, bool editable);
    ~PregledBazeIBAN() override;

    static IbanRecord interpretXml (const juce::XmlElement* row);
    static juce::XmlElement* toXml (const IbanRecord& account);

    /** Shows an account that has no row of its own yet; `markInserted` flags it as unsaved. */
    void appendAccount (const IbanRecord& account, bool markInserted);

    const StrankaRecord& getHolder() const { return holder; }

    /** Told of each account the user deleted here (a stored one is already switched off). */
    std::function<void (const IbanRecord&)> onDeleted;

    // PregledBaze
    void cellClicked (int row, int columnId, const juce::MouseEvent& event) override;
    bool deleteAction() override;

    // VindorWindowAction
    bool editAction() override;
    bool insertAction() override;

    // VindorWindowSetup: the account editor answers
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

private:
    void openEditor (const IbanRecord& account, bool insert);

    StrankaRecord holder;
};
