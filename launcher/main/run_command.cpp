#include "main/run_command.h"

#include "main/app_state.h"
#include "support/textops.h"

namespace vq {

RunOutcome runcommand(AppState& app) {
    return ::trim_blanks(app.form1.edit_text()).empty() ? RunOutcome::stay : RunOutcome::done;
}

}  // namespace vq
