#include "core/tones/ToneFiles.h"

#include "core/tones/Mp3File.h"
#include "core/tones/OggVorbisFile.h"
#include "core/tones/SkypeToneFile.h"
#include "core/tones/ToneContainer.h"
#include "core/tones/ToneFileReader.h"

namespace quill {

namespace {

// The smallest WAVE: "RIFF", its size, "WAVE".
constexpr std::uint64_t kMinWaveBytes = 12;

}  // namespace

void ToneFiles::LogInvalid(const std::string& path) {
    log_.WriteLog("Quillares: invalid file: " + path);
}

std::string ToneFiles::ReadToneTitle(const std::string& path) {
    if (!files_.Exists(path)) {
        log_.WriteLog("Quillares: no such file: " + path);
        return "";
    }
    const ToneKind kind = KindOf(path);
    if (kind == ToneKind::Plain) return "@";
    const auto file = ToneFileReader::Open(files_, path);
    std::optional<std::string> title;
    if (file) {
        switch (kind) {
            case ToneKind::Skype: title = SkypeTitle(*file); break;
            case ToneKind::Mp3: title = Mp3Title(*file); break;
            case ToneKind::Vorbis: title = OggTitle(*file); break;
            default: title = ContainerText(*file); break;
        }
    }
    if (!title) {
        LogInvalid(path);
        return "";
    }
    // Tags hold Unicode already; untagged files are listed under their names as plain tones are.
    if (kind == ToneKind::Mp3 || kind == ToneKind::Vorbis) return title->empty() ? "@" : *title;
    return codec_.AnsiToUtf8(*title);
}

bool ToneFiles::WrapToneFile(const std::string& path, const std::string& synthText) {
    const auto file = ToneFileReader::Open(files_, path);
    const std::string text = codec_.Utf8ToAnsi(synthText);
    // The container must stay small enough for the readers to accept it.
    const std::uint64_t added = kContainerMagic.size() + 8 + text.size();
    if (!file || file->Size() < kMinWaveBytes || added > kMaxToneFileBytes - file->Size() ||
        file->ReadExact(0, 4) != "RIFF") {
        LogInvalid(path);
        return false;
    }
    const auto body = file->ReadExact(4, file->Size() - 4);
    if (!body) {
        LogInvalid(path);
        return false;
    }
    return files_.Write(path, BuildContainer(text, *body));
}

std::optional<std::string> ToneFiles::ExtractAudio(const std::string& path, ToneKind kind) {
    if (kind == ToneKind::Plain) return std::nullopt;
    const auto file = ToneFileReader::Open(files_, path);
    if (!file) return std::nullopt;
    switch (kind) {
        case ToneKind::Skype: return SkypeAudio(*file);
        case ToneKind::Mp3: return Mp3Audio(*file, mp3_);
        case ToneKind::Vorbis: return OggAudio(*file);
        default: return ContainerAudio(*file);
    }
}

bool ToneFiles::IsPlayable(const std::string& path, ToneKind kind) {
    if (kind != ToneKind::Plain) return ExtractAudio(path, kind).has_value();
    const auto file = ToneFileReader::Open(files_, path);
    return file && file->Size() >= kMinWaveBytes && file->ReadExact(0, 4) == "RIFF" && file->ReadExact(8, 4) == "WAVE";
}

std::optional<std::string> ToneFiles::ReadContainerText(const std::string& path) {
    const auto file = ToneFileReader::Open(files_, path);
    if (!file) return std::nullopt;
    auto text = ContainerText(*file);
    if (!text) return std::nullopt;
    return codec_.AnsiToUtf8(*text);
}

}  // namespace quill
