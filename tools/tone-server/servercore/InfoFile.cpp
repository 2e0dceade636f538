#include "servercore/InfoFile.h"

namespace quill::toneserver {

std::string BuildInfoFile(const InfoFileContent& c) {
    std::string out;
    const auto line = [&out](const std::string& value) { out += value + "\r\n"; };
    line(c.version);
    line(c.updateRequired ? "yes" : "no");
    line("tone-server, " + std::to_string(c.voices.size()) + " voices");
    line(c.origin + kSpeechPath + "?Item=");
    line("-");
    line(std::to_string(c.voices.size()));
    for (const Voice& v : c.voices) {
        line(v.displayName);
        line(v.id);
    }
    line(c.origin + kHomePage);
    line(c.origin + kUpdatePage);
    line("-");
    line(c.origin + kGuidePage);
    line("-");
    line(c.origin + kRingtonesPage);
    return out;
}

}  // namespace quill::toneserver
