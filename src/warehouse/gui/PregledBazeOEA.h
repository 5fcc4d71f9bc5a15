#pragma once
// The composition list of a bulk-wine intake: the vessel's wines and the new wines added for the
// intake, with the litres of the incoming quantity that fall to each. New wines are entered,
// changed and removed here through the wine form; the arithmetic is OdprtoKompozicija's.
#include "operations/gui/PregledBazeVino.h"
#include "warehouse/OdprtoKompozicija.h"
#include "warehouse/gui/OdprtoEditArtikel.h"

class OdprtoEditArtikel::PregledBazeOEA : public PregledBazeVino
{
public:
    explicit PregledBazeOEA (OdprtoEditArtikel& owner);
    ~PregledBazeOEA() override;

    bool insertAction() override;
    bool editAction() override;
    bool deleteAction() override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    void updateRazmerje();
    vindoro::Litres updateVolumen();
    vindoro::Litres updateDodano (vindoro::Litres requested);
    /** The composition articles a save writes (nothing when no new wine was added). */
    std::vector<OdprtoKompozicija::Part> compositionParts();

    juce::XmlElement* getCurrentRow() const { return currentRow; }

private:
    /** Free litres of the vessel beside what the editor already takes in. */
    vindoro::Litres freeSpace();
    void warn (const char* key);
    void refreshTable();

    juce::XmlElement* currentRow = nullptr;
    OdprtoEditArtikel& editor;
};
