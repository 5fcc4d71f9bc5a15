#pragma once
// The hits of a business-register search in a table, for the party editor to take one company
// from. Runs no SQL: it owns the row tree of the search it is given and frees it with itself.
// One row at a time is selected; a click reports Select (7) to the opener and leaves it open.
#include "widgets/PregledBaze.h"

#include <memory>

class VindorWindow;

class PregledBazeAjpes : public PregledBaze
{
public:
    explicit PregledBazeAjpes (std::unique_ptr<juce::XmlElement> hits);
    ~PregledBazeAjpes() override;

    bool buttonAction (int code) override;
    bool okAction() override;
    bool cancelAction() override;
    void cellClicked (int row, int columnId, const juce::MouseEvent& event) override;

    /** Shown name, short name, address, registration and tax number; the hit's id hidden. */
    static const TableColumnSpec& ajpesColumnSpec();

    /** Opens the hits in a window of their own with Close (0) and OK (1), titled by
        "strankaajpes1"; it closes with `owner` and answers `opener`, whose current child it becomes. */
    static VindorWindow* launch (std::unique_ptr<juce::XmlElement> hits, VindorWindowSetup& opener,
                                 juce::Component& openerComponent, juce::Component* owner);

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PregledBazeAjpes)
};
