// The build stamp compiled into the launcher: shown in the usage text and
// stored as "version" in the options file, where a change of it rewrites
// the generated scripts.
#pragma once

namespace vq {

inline constexpr const char* build_stamp = "1/14/2015 13:27:45";

}  // namespace vq
