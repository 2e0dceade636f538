#pragma once
#include <string>
#include <vector>

#include "servercore/VoiceCatalogue.h"

namespace quill::toneserver {

inline constexpr const char* kInfoPath = "/util/skypething.php";
inline constexpr const char* kSpeechPath = "/util/speech.php";
inline constexpr const char* kHomePage = "/";
inline constexpr const char* kUpdatePage = "/update";
inline constexpr const char* kGuidePage = "/guide";
inline constexpr const char* kRingtonesPage = "/ringtones";

struct InfoFileContent {
    std::string version;
    bool updateRequired = false;
    std::string origin;  // "http://host:port", as the add-on reached us
    std::vector<Voice> voices;
};

// The answer to "GetHeader": one value per CR LF line, in the order the add-on reads them.
std::string BuildInfoFile(const InfoFileContent& content);

}  // namespace quill::toneserver
