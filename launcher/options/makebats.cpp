// The generated scripts on disk.
#include "options/makebats.h"

#include "options/batch_scripts.h"
#include "support/atomic_file.h"
#include "support/codepage.h"
#include "support/files.h"
#include "support/messages.h"
#include "support/textops.h"

namespace vq {

namespace {

std::string in_dir(const std::string& name, const std::string& dir) {
    return is_bare_name(name) ? dir + name : name;
}

}  // namespace

void writebat(std::string& path, const std::string& text, const std::string& version,
              const std::string& program_dir) {
    path = in_dir(path, program_dir);
    if (!scripts_current(version)) vq::delete_file(path);
    if (vq::file_exists(path)) return;
    if (!replace_file(path, text)) errorf("Couldn't create %s!", {path});
}

void makebats(Options& options, const std::string& program_dir) {
    // The command interpreter reads the scripts in the console's code page.
    writebat(options.x, history_capture_script(path_for_batch(options.history)), options.version, program_dir);
    const std::string batch = in_dir(options.batch, program_dir);
    if (vq::file_exists(batch)) options.batch = batch;
    writebat(options.vqargs, repeat_loop_script(path_for_batch(options.batch)), options.version, program_dir);
}

}  // namespace vq
