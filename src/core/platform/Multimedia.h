#pragma once
#include <string>

namespace quill {

// Multimedia command strings. The reply buffer is the system's business; replies are not read.
class Multimedia {
public:
    virtual ~Multimedia() = default;
    // notify: the main window gets the end-of-playback notice for this command.
    virtual unsigned Send(const std::string& command, bool notify) = 0;
};

}  // namespace quill
