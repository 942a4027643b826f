// The file-template window's form: its control IDs and the table it is
// made and laid out from.  No Win32 types here, so the tests can share them.
#pragma once

#include "window/form_table.h"

namespace vq {

// Control IDs of the file-template window.
enum TemplateControlId : int {
    ID_BitBtn_Cancel = 2,  // IDCANCEL, which Escape presses
    ID_Edit_What = 100,
    ID_BitBtn_File = 101,
    ID_Label1 = 102,
};

FormTable template_form();

}  // namespace vq
