#pragma once
#include <cstdint>
#include <string>

#include "core/base/Outcome.h"

#include "core/platform/Internet.h"
#include "core/server/TransferDeadlines.h"

namespace quill {

class Clock;
class Files;
class TextCodec;

// The program's one client of the tone server: sends an encoded request and stores whatever
// the server answers in a file. Every operation is Done when the answer arrived whole,
// otherwise Failed with an error text.
class clsHTTP {
public:
    static constexpr const char* kAgentName = "MyRcvSes";
    // Reload, and reuse an open connection.
    static constexpr std::uint32_t kOpenFlags = 0xA0000000;
    static constexpr std::size_t kReadBlock = 2048;
    // How often a waiting transfer looks at Cancel and at its deadlines.
    static constexpr unsigned kSliceMs = 50;
    // No answer the program asks for comes near this; a larger one is cut off as an error.
    static constexpr std::int64_t kMaxDownloadBytes = 64ll << 20;

    clsHTTP(Internet& net, Files& files, Clock& clock, TextCodec& codec, TransferDeadlines deadlines = {})
        : net_(net), files_(files), clock_(clock), codec_(codec), deadlines_(deadlines) {}

    // Read from the settings at start-up, before any transfer.
    void SetDeadlines(TransferDeadlines deadlines) { deadlines_ = deadlines; }

    // Set by the progress window's Cancel; the transfer stops within a slice, also while a
    // read is blocked.
    bool CancelOperationFlag = false;
    std::int32_t BytesDownloaded = 0;
    // A transfer is under way; another one is refused meanwhile.
    bool Busy() const { return busy_; }

    // A command for the information service, for this user.
    Outcome DbRequest(const std::string& WaveFilePath, const std::string& WaveFileName,
                          const std::string& UrlBase, const std::string& SkypeID, const std::string& MyCommand);
    // The text spoken in a voice; the rate follows the voice identifier.
    Outcome GenerateWave(const std::string& WaveFilePath, const std::string& WaveFileName,
                             const std::string& UrlBase, const std::string& FontName,
                             const std::string& TextToConvert);

private:
    // The request text (UTF-8) encoded after UrlBase.
    std::string Address(const std::string& UrlBase, const std::string& requestText);
    int LeadBlanks();
    Outcome DownloadFile(std::string WaveFilePath, const std::string& WaveFileName, const std::string& address);
    Outcome Transfer(const std::string& target, const std::string& address);
    enum class Wait { Back, Cancelled, TimedOut };
    // Waits for the call just started, until it is back, Cancel is pressed or a deadline passes.
    Wait Await(std::uint64_t stepDeadline, Internet::Outcome& outcome);

    Internet& net_;
    Files& files_;
    Clock& clock_;
    TextCodec& codec_;
    TransferDeadlines deadlines_;
    bool busy_ = false;
    std::uint64_t transferDeadline_ = 0;
};

}  // namespace quill
