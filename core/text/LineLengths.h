#pragma once

#include <cstddef>
#include <string_view>

namespace core {

// The longest line of a text fed in pieces; CR, LF and CR LF end a line and
// are not counted. A line may be split across pieces.
class LineLengths {
public:
    void feed(std::string_view bytes);
    // The line being read so far: its length grows until a line end arrives.
    std::size_t current() const { return current_; }
    std::size_t longest() const { return longest_ > current_ ? longest_ : current_; }

private:
    std::size_t current_ = 0;
    std::size_t longest_ = 0;
};

} // namespace core
