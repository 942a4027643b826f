// The floor of the launcher's start: vq's own windows and nothing else.
// The application object of vq creates the main window from the form table
// with its fonts, the help window and the file-template window (hidden),
// shows the main window and runs vq's message loop; the program carries
// vq's resources, so the manifest (visual styles, DPI awareness) and the
// icon are the same.  Only the start-up differs: no options file, no
// command line, no history, no scripts.  The window is painted and shows
// what vq shows after an empty start: the "Don't save" check box, the
// status label saying "0 entries" (which the start-up benchmark waits for
// in both) and the focus in the Edit box.
#include <windows.h>

#include <cstdlib>

#include "main/app.h"
#include "main/form.h"

namespace {

class FloorApp : public vq::App {
  public:
    using App::App;

  private:
    void on_first_show() override {
        vq::TForm1& form = state().form1;
        UpdateWindow(form.handle());
        // The check box that vq's history load shows.
        form.show_control(vq::ID_CheckBox_DontSave);
        form.showprogress("%d entries", {static_cast<int>(form.history().size())});
        form.takeselection();
    }
    // Nothing to save and nothing to run: the window just closes.
    bool on_close() override { return true; }
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    FloorApp app(instance);
    return app.run(show);
}

// As in vq: no report of an uncaught exception, and no demangler linked in
// for one, so that the two programs are of the same make.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
}  // namespace __gnu_cxx
