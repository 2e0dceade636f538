#pragma once
#include <map>
#include <string>
#include <tuple>

#include "core/platform/Profile.h"

namespace quill::test {

// INI files as maps; sections and keys compare case-insensitively, as the system's do.
class FakeProfile : public Profile {
public:
    using Key = std::tuple<std::string, std::string, std::string>;  // file, section, key
    std::map<Key, std::string> values;

    static std::string Lower(std::string s) {
        for (char& c : s)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return s;
    }
    static Key K(const std::string& f, const std::string& s, const std::string& k) { return {f, Lower(s), Lower(k)}; }

    std::string Read(const std::string& file, const std::string& section, const std::string& key,
                     std::size_t bufferChars) override {
        auto it = values.find(K(file, section, key));
        if (it == values.end()) return {};
        return it->second.substr(0, bufferChars - 1);
    }
    bool Write(const std::string& file, const std::string& section, const std::string& key,
               const std::string& value) override {
        values[K(file, section, key)] = value;
        return true;
    }
    void Set(const std::string& file, const std::string& section, const std::string& key, const std::string& v) {
        values[K(file, section, key)] = v;
    }
    std::string Get(const std::string& file, const std::string& section, const std::string& key) const {
        auto it = values.find(K(file, section, key));
        return it == values.end() ? std::string("<missing>") : it->second;
    }
};

}  // namespace quill::test
