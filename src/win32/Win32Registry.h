#pragma once
#include "core/platform/Registry.h"

namespace quill::win32 {

class Win32Registry : public Registry {
public:
    std::optional<std::string> ReadUserString(const std::string& key, const std::string& value,
                                              std::size_t bufferBytes) override;
};

}  // namespace quill::win32
