#include "support/long_path.h"

namespace vq {

std::wstring long_path_form(std::wstring_view full) {
    if (full.starts_with(L"\\\\?\\") || full.starts_with(L"\\\\.\\")) return std::wstring(full);
    if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + std::wstring(full.substr(2));
    return L"\\\\?\\" + std::wstring(full);
}

}  // namespace vq
