#include "frame/StandardButtons.h"

#include "frame/ButtonRecord.h"
#include "frame/VindorWindowSetup.h"

namespace StandardButtons
{
const Set& okCancel()
{
    static const Set set { { "Cancel", ButtonCode::cancel }, { "OK", ButtonCode::ok } };
    return set;
}

const Set& documentRegister()
{
    static const Set set { { "Close", ButtonCode::cancel }, { "Print", ButtonCode::print }, { "Edit", ButtonCode::edit },
                           { "Delete", ButtonCode::remove }, { "Insert", ButtonCode::insert } };
    return set;
}

void addPickerBrowseButtons (VindorWindowSetup& opener, bool withPrint)
{
    opener.addButton (TRANS ("Close"), ButtonCode::cancel, true, false);
    if (withPrint)
        opener.addButton (TRANS ("Print"), ButtonCode::print, true, false);
    opener.addButton (TRANS ("Editing"), ButtonCode::edit, true, false);
    opener.addButton (TRANS ("Select"), ButtonCode::select, false, true);
}

void addPickerEditButtons (VindorWindowSetup& opener)
{
    opener.addButton (TRANS ("Cancel"), ButtonCode::cancel, true, false);
    opener.addButton (TRANS ("Save"), ButtonCode::saveItem, true, false);
    opener.addButton (TRANS ("Edit"), ButtonCode::edit, true, false);
    opener.addButton (TRANS ("Delete"), ButtonCode::remove, true, false);
    opener.addButton (TRANS ("Insert"), ButtonCode::insert, true, false);
}
} // namespace StandardButtons
