#pragma once
#include <string>
#include <vector>

namespace quill::test {

// The texts of a log file's lines, without their date and time.
inline std::vector<std::string> LogTexts(const std::string& log) {
    std::vector<std::string> texts;
    for (std::size_t pos = 0; pos < log.size();) {
        auto end = log.find("\r\n", pos);
        if (end == std::string::npos) end = log.size();
        std::string line = log.substr(pos, end - pos);
        texts.push_back(line.substr(line.find('\t') + 1));
        pos = end + 2;
    }
    return texts;
}

}  // namespace quill::test
