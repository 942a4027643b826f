// The launcher's command line.
#include "options/parseargs.h"

#include "code/usage.h"
#include "support/textops.h"

namespace vq {

namespace {

bool starts_with(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

}  // namespace

bool parseargs(const std::vector<std::string>& args, Options& options, TextList& deletes) {
    const std::size_t count = args.size();
    std::size_t skip = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (skip > 0) {
            --skip;
            continue;
        }
        const std::string& arg = args[i];
        if (arg == "-stuff") {
            if (i + 1 >= count) {
                showusage(args, "no file name for stuff");
                return false;
            }
            if (i + 2 < count) {
                showusage(args, "extra args after \"%s %s\"", {arg, args[i + 1]});
                return false;
            }
            options.stuff = args[i + 1];
            return true;
        }
        if (arg == "-exec") {
            // Everything after it is the command to edit; start-up takes
            // that from the raw command line.
            options.exec = true;
            return true;
        }
        if (arg == "-bug") {
            options.bug = true;
        } else if (starts_with(arg, "-d")) {
            deletes.push_back(arg.substr(2, 5000));
        } else if (arg == "-length") {
            options.length = parse_int(i + 1 < count ? args[i + 1] : std::string());
            skip = 1;
        } else if (starts_with(arg, "-gui:")) {
            options.gui = arg.substr(5, 5000);
        } else {
            showusage(args, "bad option: %s", {arg});
            return false;
        }
    }
    return true;
}

}  // namespace vq
