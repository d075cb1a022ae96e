#pragma once

#include "core/Destination.h"

class QComboBox;

namespace quillmere::ui {

// The items of step 3's two pick lists and what their data means.

// Every country libphonenumber knows, by its name on this desktop and its calling code, with
// its region code as data; the desktop's own country chosen.
void fillPhoneCountries(QComboBox& list);
// The destinations by their names on this desktop, each with its command-line name as data.
void fillDestinations(QComboBox& list);
// The destination `list` shows; any app when it shows none.
core::Destination destinationChosen(const QComboBox& list);

}  // namespace quillmere::ui
