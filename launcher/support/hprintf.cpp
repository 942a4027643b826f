// Formatted writing into a file handle in pieces of at most 512 bytes.
#include <windows.h>

#include <cstring>
#include <exception>

#include "support/hprintf.h"
#include "support/messages.h"

namespace vq {

int hprintf(FileHandle handle, std::string_view format, const Args& args) {
    int result = -1;
    try {
        std::string text = sformat(format, args);
        const int total = static_cast<int>(text.size());
        char buffer[512];
        std::size_t done = 0;
        while (done < text.size()) {
            std::size_t n = std::min<std::size_t>(text.size() - done, sizeof buffer);
            std::memcpy(buffer, text.data() + done, n);
            done += n;
            DWORD written = 0;
            BOOL ok = handle >= 0 && WriteFile(reinterpret_cast<HANDLE>(handle), buffer,
                                               static_cast<DWORD>(n), &written, nullptr);
            result = ok ? static_cast<int>(written) : -1;
            if (result != static_cast<int>(n)) {
                throw brokenprintf_exception("hprintf result<>count failure");
            }
        }
        result = total;
    } catch (const std::exception& e) {
        errorf(e.what(), {0});
    } catch (...) {
        errorf("hprintf failure", {0});
    }
    return result;
}

}  // namespace vq
