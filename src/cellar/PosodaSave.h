#pragma once
// Adding a vessel to a cellar and changing one: the checks of the vessel editors, the vessel's own
// row and its booking (journal entry, vessel-change row, declaration) in one transaction, so a
// failure anywhere leaves neither a vessel row nor half a booking behind. No window.
#include "cellar/posoda.h"

class SQLtoXml;

/** What a vessel editor's rows hold when Save is pressed, as typed. */
struct PosodaForm
{
    juce::String oznaka;
    int klet = -1;                 // the target (add) or chosen (edit) cellar
    juce::String kletIme;          // its name, for the messages
    juce::String volumen;
    int tip = 2;
    bool declarationOpen = false;  // the "Tipizacija" section decides alone whether there is one
    SortaRecord sorta;             // the variety picker's slot
    juce::String letnik;
    int kvaliteta = 2;
    juce::String cena;
    int ddv = 0;
    juce::String opombe;
};

class PosodaSave
{
public:
    /** Stores a new active vessel at position 0/0/0 and books it. On success stored holds the vessel
        with its id, cellar and declaration; on failure error holds the translated reason and
        nothing was written. */
    static bool addPosoda (SQLtoXml& db, const PosodaForm& form, posoda& stored, juce::String& error);

    /** Changes vessel old.id to the form's values and books the difference; an unchanged vessel
        books nothing. Same outcome rules as addPosoda. */
    static bool editPosoda (SQLtoXml& db, const posoda& old, const PosodaForm& form, posoda& stored, juce::String& error);

    /** The declaration the form asks for (id -1 for a new one, 1 for none, or the old id when
        nothing of it changed); false with the reason when the open section is incomplete. */
    static bool buildDeclaration (const PosodaForm& form, const posoda* old, TipizacijaRecord& out, juce::String& error);
};
