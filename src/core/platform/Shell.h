#pragma once
#include <string>

namespace quill {

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a document, address or program; false when the shell refused.
    virtual bool Open(const std::string& verb, const std::string& file, const std::string& parameters,
                      const std::string& folder) = 0;
};

}  // namespace quill
