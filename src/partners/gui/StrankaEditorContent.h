#pragma once
// The face of a party editor window (adding or editing one party) as the party browser sees it:
// after the editor answers, the browser reads the saved party to select it again. Owned by the
// editor's window; implemented by the party editors.
#include "partners/StrankaRecord.h"

class StrankaEditorContent
{
public:
    virtual ~StrankaEditorContent() = default;
    /** The party as the editor holds it; after a save its id is the stored row's. */
    virtual StrankaRecord getStranka() const = 0;
};
