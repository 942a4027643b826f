#include "main/run_command.h"

#include "main/app.h"
#include "support/textops.h"

namespace vq {

RunOutcome runcommand(App& app) {
    return ::trim_blanks(app.form1.edit_text()).empty() ? RunOutcome::stay : RunOutcome::done;
}

}  // namespace vq
