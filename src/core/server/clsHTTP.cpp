#include "core/server/clsHTTP.h"

#include "core/base/Text.h"
#include "core/platform/Clock.h"
#include "core/platform/Files.h"
#include "core/platform/Internet.h"
#include "core/platform/TextCodec.h"
#include "core/server/InternetErrorText.h"
#include "core/server/RequestCode.h"
#include "core/server/WebAddress.h"

namespace quill {

Outcome clsHTTP::DbRequest(const std::string& WaveFilePath, const std::string& WaveFileName,
                               const std::string& UrlBase, const std::string& SkypeID,
                               const std::string& MyCommand) {
    const std::string text = RequestText(LeadBlanks(), {SkypeID, MyCommand});
    return DownloadFile(WaveFilePath, WaveFileName, Address(UrlBase, text));
}

Outcome clsHTTP::GenerateWave(const std::string& WaveFilePath, const std::string& WaveFileName,
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

Outcome clsHTTP::DownloadFile(std::string WaveFilePath, const std::string& WaveFileName,
                                  const std::string& address) {
    // One transfer at a time: a second one would share the first one's Cancel and handles.
    if (busy_) return Outcome::Failed("Error opening file: another transfer is under way; try again when it has ended.");
    if (EndsWith(WaveFilePath, "\\")) WaveFilePath.pop_back();
    const std::string target = WaveFilePath + "\\" + WaveFileName;
    if (files_.Exists(target)) {
        files_.ClearAttributes(target);
        files_.Delete(target);
    }
    if (!IsWebAddress(address)) return Outcome::Failed("Error opening file: " + InternetErrorText(12006));

    busy_ = true;
    Outcome result = Outcome::Done();
    try {
        result = Transfer(target, address);
    } catch (...) {
        net_.Close();
        busy_ = false;
        throw;
    }
    net_.Close();
    busy_ = false;
    return result;
}

Outcome clsHTTP::Transfer(const std::string& target, const std::string& address) {
    static const std::string cancelled = "Operation has been cancelled.";
    const std::string timedOut = InternetErrorText(12002);
    CancelOperationFlag = false;
    const std::uint64_t start = clock_.Milliseconds();
    transferDeadline_ = start + deadlines_.transferMs;
    const std::uint64_t connected = start + deadlines_.connectMs;
    Internet::Outcome out;

    net_.OpenSession(kAgentName);
    Wait wait = Await(connected, out);
    if (wait == Wait::Cancelled) return Outcome::Failed(cancelled);
    if (wait == Wait::TimedOut) return Outcome::Failed("Connection error: " + timedOut);
    if (!out.ok) return Outcome::Failed("Connection error: " + InternetErrorText(out.error));

    net_.OpenAddress(address, kOpenFlags);
    wait = Await(connected, out);
    if (wait == Wait::Cancelled) return Outcome::Failed(cancelled);
    if (wait == Wait::TimedOut) return Outcome::Failed("Error opening file: " + timedOut);
    if (!out.ok) return Outcome::Failed("Error opening file: " + InternetErrorText(out.error));

    if (!files_.Write(target, "")) return Outcome::Failed("Error downloading file: the file could not be created.");
    BytesDownloaded = 0;
    for (;;) {
        net_.ReadBlock(kReadBlock);
        wait = Await(clock_.Milliseconds() + deadlines_.readMs, out);
        if (wait == Wait::Cancelled) return Outcome::Failed(cancelled);
        if (wait == Wait::TimedOut) return Outcome::Failed("Error downloading file: " + timedOut);
        if (!out.ok) return Outcome::Failed("Error downloading file: " + InternetErrorText(out.error));
        if (out.bytes.empty()) return Outcome::Done();
        if (BytesDownloaded + static_cast<std::int64_t>(out.bytes.size()) > kMaxDownloadBytes)
            return Outcome::Failed("Error downloading file: the answer is larger than 64 MiB.");
        if (!files_.Append(target, out.bytes)) return Outcome::Failed("Error downloading file: the file could not be written.");
        BytesDownloaded += static_cast<std::int32_t>(out.bytes.size());
    }
}

clsHTTP::Wait clsHTTP::Await(std::uint64_t stepDeadline, Internet::Outcome& outcome) {
    const std::uint64_t deadline = stepDeadline < transferDeadline_ ? stepDeadline : transferDeadline_;
    for (;;) {
        const std::uint64_t now = clock_.Milliseconds();
        if (now >= deadline) return Wait::TimedOut;
        auto back = net_.Await(static_cast<unsigned>(deadline - now < kSliceMs ? deadline - now : kSliceMs));
        if (CancelOperationFlag) {
            CancelOperationFlag = false;
            return Wait::Cancelled;
        }
        if (back) {
            outcome = std::move(*back);
            return Wait::Back;
        }
    }
}

}  // namespace quill
