// The usage message shown with every command-line error.
#include "code/usage.h"
#include "support/build_stamp.h"
#include "support/messages.h"

namespace vq {

std::string usage_text(const std::string& message, const std::string& joined_args) {
    std::string text = message;
    if (!joined_args.empty()) text += " (" + joined_args + ")";
    text += "\r\n";
    text += "vq: the new age of quelto           ";
    text += build_stamp;
    text += "\r\n-exec [args]   show form and let user edit, get previous, etc.";
    text += "\r\nIf not exec, does exec with most-recent history.";
    text += "\r\n-bug  weird stuff like don't delete \"stuff\" file, etc.";
    text += "\r\n-dx -dhx   delete \"x\" and \"hx\" in history, etc.";
    text += "\r\n-length 5   discard items 5 or less.";
    text += "\r\n-stuff afile   read (and then delete) afile, stuff into history, exit program.";
    return text;
}

void showusage(const std::vector<std::string>& args_given, std::string_view format, const Args& args) {
    std::string joined;
    for (std::size_t i = 0; i < args_given.size(); ++i) {
        if (i > 0) joined += ' ';
        joined += args_given[i];
    }
    // The text goes in as an argument: percent signs in the user's
    // arguments must not be read as directives.
    errorf("%s", {usage_text(sformat(format, args), joined)});
}

}  // namespace vq
