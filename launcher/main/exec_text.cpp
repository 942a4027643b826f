#include "main/exec_text.h"

#include "support/textops.h"

namespace vq {

std::string exec_text_of(const std::string& command_line) {
    const size_t at = command_line.find("-exec");
    if (at == std::string::npos) return {};
    return ::trim_blanks(command_line.substr(at + 5, 5000));
}

}  // namespace vq
