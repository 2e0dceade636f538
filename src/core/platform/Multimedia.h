#pragma once
#include <cstddef>
#include <string>

namespace quill {

// Multimedia command strings, each sent with a reply buffer of 128 characters.
class Multimedia {
public:
    static constexpr std::size_t kReplyChars = 128;

    virtual ~Multimedia() = default;
    // notify: the main window gets the end-of-playback notice for this command. 0 is success.
    virtual unsigned Send(const std::string& command, bool notify) = 0;
    // What the last command left in the reply buffer, up to its first zero character.
    virtual std::string Reply() const = 0;
};

}  // namespace quill
