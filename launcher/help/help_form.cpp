#include "help/help_form.h"

namespace vq {

namespace {

// The tab control and its views fill the window above the bottom panel;
// the search box stretches with the width.  A window smaller than designed
// keeps the designed layout and scrolls.  The panel and the tab control
// come first, the views once their library is loaded (kHelpFirstView on).
const ControlDef kControls[] = {
    {ID_Panel1, "Panel1", ControlKind::Panel, 0, 377, 514, 33, 0, ControlFont::Terminal, "", -1, true, 0,
     true, 0, Dock::Bottom},
    {ID_Edit1, "Edit1", ControlKind::Edit, 112, 385, 399, 16, kAnchorLeft | kAnchorTop | kAnchorRight,
     ControlFont::Terminal, "", 2, true, 0, true, ID_Panel1},
    {ID_Button_Search, "Button_Search", ControlKind::Button, 24, 385, 75, 17, kAnchorLeft | kAnchorTop,
     ControlFont::Terminal, "&Search", 3, true, 0, false, ID_Panel1},
    {ID_PageControl1, "PageControl1", ControlKind::TabControl, 0, 0, 514, 377, 0, ControlFont::Terminal, "",
     -1, true, 0, true, 0, Dock::Fill},
    // Placed on the page of the tab control.
    {ID_RichEdit_TeciFake, "RichEdit_TeciFake", ControlKind::RichView, 0, 0, 0, 0, 0,
     ControlFont::CourierEdit, "RichEdit_TeciFake", 0, true, 0, true, ID_PageControl1, Dock::Fill},
    {ID_RichEdit_teci, "RichEdit_teci", ControlKind::RichView, 0, 0, 0, 0, 0, ControlFont::CourierEdit,
     "RichEdit_teci", 1, false, 0, false, ID_PageControl1, Dock::Fill},
};

}  // namespace

FormTable help_form() {
    return {kControls, 514, 410, true};
}

}  // namespace vq
