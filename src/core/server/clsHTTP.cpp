#include "core/server/clsHTTP.h"

#include "core/base/Text.h"
#include "core/platform/Clock.h"
#include "core/platform/Files.h"
#include "core/platform/Internet.h"
#include "core/platform/TextCodec.h"
#include "core/platform/UiHost.h"
#include "core/server/InternetErrorText.h"
#include "core/server/RequestCode.h"
#include "core/server/WebAddress.h"

namespace quill {

std::string clsHTTP::DbRequest(const std::string& WaveFilePath, const std::string& WaveFileName,
                               const std::string& UrlBase, const std::string& SkypeID,
                               const std::string& MyCommand) {
    const std::string text = RequestText(LeadBlanks(), {SkypeID, MyCommand});
    return DownloadFile(WaveFilePath, WaveFileName, Address(UrlBase, text));
}

std::string clsHTTP::GenerateWave(const std::string& WaveFilePath, const std::string& WaveFileName,
                                  const std::string& UrlBase, const std::string& FontName,
                                  const std::string& TextToConvert) {
    const std::string text = RequestText(LeadBlanks(), {FontName, RateForVoice(FontName), TextToConvert});
    return DownloadFile(WaveFilePath, WaveFileName, Address(UrlBase, text));
}

std::string clsHTTP::Address(const std::string& UrlBase, const std::string& requestText) {
    return UrlBase + EncodeRequest(codec_.Utf8ToAnsi(requestText));
}

// The last digit of the seconds since midnight: the same request looks different each second.
int clsHTTP::LeadBlanks() {
    const LocalTime t = clock_.Now();
    return (t.hour * 3600 + t.minute * 60 + t.second) % 10;
}

std::string clsHTTP::DownloadFile(std::string WaveFilePath, const std::string& WaveFileName,
                                  const std::string& address) {
    if (EndsWith(WaveFilePath, "\\")) WaveFilePath.pop_back();
    const std::string target = WaveFilePath + "\\" + WaveFileName;
    if (files_.Exists(target)) {
        files_.ClearAttributes(target);
        files_.Delete(target);
    }
    if (!IsWebAddress(address)) return "Error opening file: " + ::quill::InternetErrorText(12006);

    const Internet::Handle session = net_.OpenSession(kAgentName, kTimeoutMs);
    if (!session) return "Connection error: " + InternetErrorText();
    const Internet::Handle url = net_.OpenAddress(session, address, kOpenFlags);
    if (!url) {
        const std::string error = "Error opening file: " + InternetErrorText();
        net_.Close(session);
        return error;
    }

    std::string result;
    if (!files_.Write(target, "")) result = "Error downloading file: the file could not be created.";
    BytesDownloaded = 0;
    CancelOperationFlag = false;
    while (result.empty()) {
        const auto block = net_.ReadBlock(url, kReadBlock);
        if (CancelOperationFlag) {
            CancelOperationFlag = false;
            result = "Operation has been cancelled.";
            break;
        }
        if (!block) {
            result = "Error downloading file: " + InternetErrorText();
            break;
        }
        if (block->empty()) break;
        if (BytesDownloaded + static_cast<std::int64_t>(block->size()) > kMaxDownloadBytes) {
            result = "Error downloading file: the answer is larger than 64 MiB.";
            break;
        }
        if (!files_.Append(target, *block)) {
            result = "Error downloading file: the file could not be written.";
            break;
        }
        BytesDownloaded += static_cast<std::int32_t>(block->size());
        ui_.DoEvents();
    }
    net_.Close(url);
    net_.Close(session);
    return result;
}

std::string clsHTTP::InternetErrorText() { return ::quill::InternetErrorText(net_.LastError()); }

}  // namespace quill
