#pragma once
#include <cstdint>
#include <string>

namespace quill {

class Clock;
class Files;
class Internet;
class TextCodec;
class UiHost;

// The program's one client of the tone server: sends an encoded request and stores whatever
// the server answers in a file. Every operation returns "" when the answer arrived whole,
// otherwise an error text.
class clsHTTP {
public:
    static constexpr const char* kAgentName = "MyRcvSes";
    // Reload, and reuse an open connection.
    static constexpr std::uint32_t kOpenFlags = 0xA0000000;
    static constexpr std::size_t kReadBlock = 2048;
    // A silent server must not hold the window's thread for long.
    static constexpr unsigned kTimeoutMs = 15000;
    // No answer the program asks for comes near this; a larger one is cut off as an error.
    static constexpr std::int64_t kMaxDownloadBytes = 64ll << 20;

    clsHTTP(Internet& net, Files& files, UiHost& ui, Clock& clock, TextCodec& codec)
        : net_(net), files_(files), ui_(ui), clock_(clock), codec_(codec) {}

    // Set by the progress window's Cancel; the transfer stops at its next block.
    bool CancelOperationFlag = false;
    std::int32_t BytesDownloaded = 0;

    // A command for the information service, for this user.
    std::string DbRequest(const std::string& WaveFilePath, const std::string& WaveFileName,
                          const std::string& UrlBase, const std::string& SkypeID, const std::string& MyCommand);
    // The text spoken in a voice; the rate follows the voice identifier.
    std::string GenerateWave(const std::string& WaveFilePath, const std::string& WaveFileName,
                             const std::string& UrlBase, const std::string& FontName,
                             const std::string& TextToConvert);

private:
    // The request text (UTF-8) encoded after UrlBase.
    std::string Address(const std::string& UrlBase, const std::string& requestText);
    int LeadBlanks();
    std::string DownloadFile(std::string WaveFilePath, const std::string& WaveFileName, const std::string& address);
    std::string InternetErrorText();

    Internet& net_;
    Files& files_;
    UiHost& ui_;
    Clock& clock_;
    TextCodec& codec_;
};

}  // namespace quill
