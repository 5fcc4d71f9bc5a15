#pragma once
// The nine treatment kinds of a wine operation (sweetening ... maceration) as one family, driven
// by one table of kinds: each kind's table, operation type, agent bit and slot, whether it has an
// amount with a unit and a remark. A record stores one row of its kind's table against a journal
// entry; a value holder keeps one window's typed amount, unit and remark. Records are temporaries
// of a window's save; holders live as long as their window. No window code here: the rows a
// holder shows are built in operations/gui/TreatmentRows.h.
#include <juce_data_structures/juce_data_structures.h>

#include <array>

enum class Treatment
{
    sladkanje, ciscenje, kvasovke, encimi, zascita, filtracija, korekcija, stabilizacija, maceracija
};

struct TreatmentKind
{
    Treatment treatment;
    const char* table;       // also the kind's name in its keys
    int operationType;       // the `opravilo` row whose `tabela` names the table
    int agentBit;            // the bit of `sredstvo.tip` its agent picker asks for
    int slot;                // the owner's SredstvoListener slot of its agent
    bool hasAmount;          // amount with a unit (`kolicina`, `e_kolicina`)
    int remarkChars;         // the remark's (`opis`) length; 0 for none

    /** "<table>_" + field: the translation key of one of its rows ("sredstvo", "kolicina", "opis"). */
    juce::String rowKey (const char* field) const;
    /** The user setting that remembers the unit: "<table>:e_kolicina". */
    juce::String unitSettingKey() const;
    /** The key of the text a window shows when the row cannot be stored: "<table>_napakainsert". */
    juce::String failureKey() const;
};

/** The nine kinds, in the order of their agent bits. */
const std::array<TreatmentKind, 9>& treatmentKinds();
const TreatmentKind& kindOf (Treatment treatment);

/** One window's entries of one kind. Unused members of a kind stay empty. */
class TreatmentValues
{
public:
    explicit TreatmentValues (Treatment treatment);
    virtual ~TreatmentValues();

    const TreatmentKind& kind() const { return kindOf (treatment); }

    /** Sets the unit from the kind's user setting (0 without one); kinds without an amount have none. */
    void loadUnits();
    /** Writes the unit back under the kind's setting. */
    void saveUnits() const;
    /** The text refusing an amount that is not a number, naming the amount's row; empty when it may
        be stored (an empty amount stores 0). */
    juce::String checkNumbers() const;

    juce::Value kolicina;     // the amount as typed
    juce::Value e_kolicina;   // the chosen unit's `enota` id
    juce::Value opis;         // the remark

private:
    Treatment treatment;
};

/** One row of a treatment table. */
class TreatmentRow
{
public:
    explicit TreatmentRow (Treatment treatment);
    virtual ~TreatmentRow();

    const TreatmentKind& kind() const { return kindOf (treatment); }

    /** Inserts the row when its id is 0 or below or names no row (the new id goes into `id`),
        else updates that row; true when the row was stored. */
    bool storeToDB();

    int id = 0;
    int glavna = 0;
    int sredstvo = 0;
    double kolicina = 0.0;     // not stored by kinds without an amount
    double e_kolicina = 0.0;   // the unit's id, held as a number
    juce::String opis;         // stored only by kinds with a remark
    double volumen = 0.0;      // the treated litres
    bool active = true;

protected:
    /** Fills the row from a holder for a new row of entry `glavna` (no check: see checkNumbers). */
    void fillFrom (const TreatmentValues& values, int agent, double litres, int entry);

private:
    Treatment treatment;
};

template <Treatment K>
class TreatmentValuesOf : public TreatmentValues
{
public:
    TreatmentValuesOf() : TreatmentValues (K) {}
};

template <Treatment K>
class TreatmentRecord : public TreatmentRow
{
public:
    TreatmentRecord() : TreatmentRow (K) {}

    using TreatmentRow::storeToDB;

    /** A new row built from the holder and stored: its id is the new row's, or -2 when storing
        failed (the other fields as filled). */
    static TreatmentRecord storeToDB (const TreatmentValuesOf<K>& values, int agent, double litres, int entry)
    {
        TreatmentRecord record;
        record.fillFrom (values, agent, litres, entry);
        if (! record.TreatmentRow::storeToDB())
            record.id = -2;
        return record;
    }
};

using SladkanjeValues = TreatmentValuesOf<Treatment::sladkanje>;
using CiscenjeValues = TreatmentValuesOf<Treatment::ciscenje>;
using KvasovkeValues = TreatmentValuesOf<Treatment::kvasovke>;
using EncimiValues = TreatmentValuesOf<Treatment::encimi>;
using ZascitaValues = TreatmentValuesOf<Treatment::zascita>;
using FiltracijaValues = TreatmentValuesOf<Treatment::filtracija>;
using KorekcijaValues = TreatmentValuesOf<Treatment::korekcija>;
using StabilizacijaValues = TreatmentValuesOf<Treatment::stabilizacija>;
using MaceracijaValues = TreatmentValuesOf<Treatment::maceracija>;

using sladkanje = TreatmentRecord<Treatment::sladkanje>;
using ciscenje = TreatmentRecord<Treatment::ciscenje>;
using kvasovke = TreatmentRecord<Treatment::kvasovke>;
using encimi = TreatmentRecord<Treatment::encimi>;
using zascita = TreatmentRecord<Treatment::zascita>;
using filtracija = TreatmentRecord<Treatment::filtracija>;
using korekcija = TreatmentRecord<Treatment::korekcija>;
using stabilizacija = TreatmentRecord<Treatment::stabilizacija>;
using maceracija = TreatmentRecord<Treatment::maceracija>;
