// The help window's form: its control IDs and the table it is made and
// laid out from.  No Win32 types here, so the tests can share them.
#pragma once

#include <cstddef>

#include "window/form_table.h"

namespace vq {

// Control IDs of the help window.
enum HelpControlId : int {
    ID_PageControl1 = 100,
    ID_RichEdit_TeciFake = 101,  // the view of page "vq"
    ID_RichEdit_teci = 102,      // the view of page "nada", which has no tab
    ID_Edit1 = 103,
    ID_Button_Search = 104,
    ID_Panel1 = 105,  // the bottom panel: no window, the help window paints its edge
};

// The controls from this index on are the views, made once their library
// is loaded; the ones before are made first.
inline constexpr std::size_t kHelpFirstView = 4;

FormTable help_form();

}  // namespace vq
