#include "core/text/LineLengths.h"

#include <algorithm>

namespace core {

void LineLengths::feed(std::string_view bytes) {
    size_t pos = 0;
    while (pos < bytes.size()) {
        const size_t end = bytes.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            current_ += bytes.size() - pos;
            return;
        }
        longest_ = std::max(longest_, current_ + (end - pos));
        current_ = 0;
        pos = end + 1;
    }
}

} // namespace core
