#pragma once
// The button sets that several windows share, by name, so that a set changes in one place: the
// board's function windows take their bars from the named lists, the table pickers fill their
// opener's list through the two functions. Constant data, built once.
#include <utility>
#include <vector>

class VindorWindowSetup;

namespace StandardButtons
{
/** One button of a set: the translation key of its label and its shared code (ButtonCode). */
using Entry = std::pair<const char*, int>;
using Set = std::vector<Entry>;

/** Cancel, OK: a window that books what it shows or drops it. */
const Set& okCancel();
/** Close, Print, Edit, Delete, Insert: a register of documents. */
const Set& documentRegister();

/** A picker browsing its table: Close, Print (when asked for), Editing, and Select as an action
    the window takes (a click or Enter on a row) without a button of its own. */
void addPickerBrowseButtons (VindorWindowSetup& opener, bool withPrint);
/** A picker editing its table: Cancel, Save, Edit, Delete, Insert. */
void addPickerEditButtons (VindorWindowSetup& opener);
} // namespace StandardButtons
