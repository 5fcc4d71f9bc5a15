#pragma once
// The base of the cellar and vessel dialogs: one property panel filling the dialog, the dialog's
// own query object, and Save, which closes the dialog and answers the cellar window only when
// save() stored the change. Owned by its window's button bar.
#include "db/SQLtoXml.h"
#include "frame/VindorWindowAction.h"
#include "frame/VindorWindowSetup.h"
#include "widgets/VindorPropertyPanel.h"

class KletInput : public juce::Component,
                  public SQLtoXml,
                  public VindorWindowAction,
                  public VindorWindowSetup
{
public:
    KletInput();
    ~KletInput() override;

    /** Checks and stores what the dialog shows; false with the reason set as the error message. */
    virtual bool save() = 0;

    void resized() override;
    bool okAction() override;

    VindorPropertyPanel& getPanel() { return panel; }

protected:
    VindorPropertyPanel panel;
};
