#pragma once
#include <cstddef>
#include <optional>
#include <string>

namespace quill {

// The current user's registry hive, read only.
class Registry {
public:
    virtual ~Registry() = default;
    // The bytes of a string value of key (under the current user) as its buffer of
    // bufferBytes holds them, in UTF-8; nullopt when the key cannot be opened or the value
    // cannot be read into the buffer.
    virtual std::optional<std::string> ReadUserString(const std::string& key, const std::string& value,
                                                      std::size_t bufferBytes) = 0;
};

}  // namespace quill
