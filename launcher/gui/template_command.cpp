#include "gui/template_command.h"

#include "support/textops.h"

namespace vq {

std::string template_command(const std::string& file_template, const std::string& file_name) {
    const std::string name = quote_arg(file_name, true);
    std::string out;
    std::size_t from = 0;
    for (std::size_t at; (at = file_template.find("%1", from)) != std::string::npos; from = at + 2) {
        out.append(file_template, from, at - from);
        out += name;
    }
    out.append(file_template, from, std::string::npos);
    return out;
}

}  // namespace vq
