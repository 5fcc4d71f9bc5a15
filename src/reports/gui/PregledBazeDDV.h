#pragma once
// The browser of table ddv: a picker whose clicks report Select to the opener, or, editable, the
// register in which rates are inserted, edited (in a DDVEditor child window) and deactivated.
// Owned by its window; at most one editor window of its own is open at a time.
#include "frame/VindorWindowSetup.h"
#include "reports/DDVRecord.h"
#include "widgets/PregledBaze.h"

class PregledBazeDDV : public PregledBaze,
                       public VindorWindowSetup
{
public:
    explicit PregledBazeDDV (bool editable);
    ~PregledBazeDDV() override;

    bool deleteAction() override;
    bool editAction() override;
    bool insertAction() override;
    void paintCell (juce::Graphics&, int row, int columnId, int width, int height, bool selected) override;
    void cellClicked (int row, int columnId, const juce::MouseEvent&) override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    /** The rate of a result row. */
    static DDVRecord interpretXml (const juce::XmlElement* row);

    static const TableColumnSpec& columnSpec();
    static constexpr const char* kQuery = "SELECT id,opis,stopnja,tip,active FROM ddv WHERE active=1";

private:
    /** Opens the editor on `edited` unless one is open already. */
    bool openEditor (const DDVRecord& edited, bool createNew);
    /** Reloads the rows and sorts them again as the header shows. */
    void reloadSorted();

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PregledBazeDDV)
};
