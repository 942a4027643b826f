// The command built from a file template and a chosen file.
#pragma once

#include <string>

namespace vq {

// The template with every "%1" replaced by the file's name, quoted when it
// holds a blank.  The inserted name is not searched again, so a "%1" inside
// it stays; a template without "%1" comes back unchanged.
std::string template_command(const std::string& file_template, const std::string& file_name);

}  // namespace vq
