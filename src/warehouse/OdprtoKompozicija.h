#pragma once
// The composition of incoming bulk wine: the rows of the vessel's wines and of the new wines
// added for an intake, their shares and how an incoming quantity is split over them. Works on the
// row elements of the composition list (attributes as the wine list reads them, plus
// "volumen_orig", "dodano" and "volumen_orig_old"); rows flagged deleted are skipped everywhere,
// rows flagged inserted are the new wines. Litres are exact hundredths. No window, no database.
#include "core/Amount.h"

#include <juce_core/juce_core.h>

class OdprtoKompozicija
{
public:
    using Litres = vindoro::Litres;

    /** Litres an attribute holds (0 when absent or not a number), to the nearest hundredth. */
    static Litres litresOf (const juce::XmlElement& row, const juce::String& attribute);
    static void setLitres (juce::XmlElement& row, const juce::String& attribute, Litres litres);
    static bool isNewWine (const juce::XmlElement& row);
    static bool isDeleted (const juce::XmlElement& row);

    /** "volumen_orig" when the row has it, else "volumen". */
    static Litres baseVolume (const juce::XmlElement& row);

    /** Every row's "razmerje" becomes its base volume's share of all base volumes in percent,
        two decimals with the language's separator. */
    static void updateRazmerje (juce::XmlElement& rows);

    /** Every row's "volumen" becomes its distributed litres ("dodano") plus, for a new wine, its
        own litres ("volumen_orig", set from "volumen" where missing); the sum of them all. */
    static Litres updateVolumen (juce::XmlElement& rows);

    /** Splits what `requested` leaves after the new wines' own litres over the rows by their
        shares ("dodano"), then runs the volume step and answers its total. When the new wines
        alone exceed the request nothing changes and their litres are the answer (the quantity can
        never be below them). The last row takes the rounding rest; where that rest would come out
        negative, the split is made by the largest remainder over the base volumes instead, so no
        part is negative and the parts add up exactly. */
    static Litres updateDodano (juce::XmlElement& rows, Litres requested);

    /** After a new wine was edited to the litres now in its "volumen": its distributed part keeps
        the old proportion to its total ("volumen_orig_old" + "dodano"), its own litres are the
        rest; the shares are recomputed. Returns the quantity the editor should now hold, given
        the one it held; without "volumen_orig_old" the row's "dodano" becomes 0 and the answer is
        the volume step's total. */
    static Litres applyEditedWine (juce::XmlElement& rows, juce::XmlElement& edited, Litres quantity);

    /** One composition article of a saved intake. */
    struct Part
    {
        juce::String name;   // variety, blank, vintage
        int vinoid = 0;      // 0: a new wine of that identity to be found or made
        int parcelaid = 1, sortaid = 1, letnik = 0;
        Litres litres;
    };
    /** What each row brings into the article ("dodano", plus its own litres for a new wine), rows
        of 0 l left out; nothing at all when no new wine was added. */
    static std::vector<Part> parts (const juce::XmlElement& rows);
};
