#pragma once
// The browser of the VAT clause texts (table ddv_klavzule), also the opener of its edit window.
// Belongs to the invoices, which pick a clause for an invoice from it. Owned by its window.
#include "frame/VindorWindowAction.h"
#include "frame/VindorWindowSetup.h"
#include "widgets/PregledBaze.h"

#include <memory>

/** The clause view's column spec: the clause text, wide, under the "klavzule_" keys. */
const TableColumnSpec& klavzuleColumnSpec();

class PregledBazeKlavzule : public PregledBaze,
                            public VindorWindowSetup
{
public:
    explicit PregledBazeKlavzule (juce::int32 editable);
    ~PregledBazeKlavzule() override;

    // The window content in which one clause is edited; owned by its window.
    class EditWindow : public VindorWindowAction,
                       public juce::Component
    {
    public:
        EditWindow() = default;
        ~EditWindow() override;

        std::unique_ptr<juce::Component> editor;
    };

    EditWindow* getEditWindow() const { return editWindow.getComponent(); }

protected:
    juce::Component::SafePointer<EditWindow> editWindow;
};
