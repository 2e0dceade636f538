#pragma once
#include <cstddef>
#include <string>

namespace quill {

// Profile strings of an INI file, as the system reads and writes them.
class Profile {
public:
    virtual ~Profile() = default;
    // Like the system call: the default is "", and at most bufferChars - 1 characters come back.
    virtual std::string Read(const std::string& file, const std::string& section,
                             const std::string& key, std::size_t bufferChars) = 0;
    virtual bool Write(const std::string& file, const std::string& section,
                       const std::string& key, const std::string& value) = 0;
};

}  // namespace quill
