// MP3 and Ogg Vorbis files: their titles and their audio as the player gets it.
#include <gmock/gmock.h>

#include <sstream>

#include "core/tones/Mp3File.h"
#include "core/tones/OggVorbisFile.h"
#include "core/tones/TagTitle.h"
#include "tones/ToneDisk.h"
#include "tones/ToneTestBytes.h"

namespace quill::test {
namespace {

TEST(SoundFileTest, TitlesComeFromTheTagsWhateverTheirEncoding) {
    const std::pair<std::string, std::string> cases[] = {
        {MakeId3("Caf\xE9"), "Caf\xC3\xA9"},                                      // Latin-1
        {Tag(3, 0, Frame("TIT2", std::string("\x01\xFF\xFEH\0i\0", 7))), "Hi"},   // UTF-16 with its mark
        {Tag(4, 0, Frame("TIT2", std::string("\x03 One\nTwo \0Second", 17))), "One Two"},  // UTF-8, first value, one line
        {Tag(3, 0, Frame("TPE1", kNul + "Artist") + Frame("TIT2", kNul + "Later")), "Later"},
        {Tag(3, '\x80', Frame("TIT2", kNul + "\xFF" + kNul + "\xE9").replace(7, 1, "\x03")), "\xC3\xBF\xC3\xA9"},  // unsynchronised
        {Tag(3, 0, Frame("TIT2", kNul + "Packed", '\x80')), ""},                 // compressed: the name serves
        {Tag(3, 0, Frame("TIT2", kNul + "Long") + "TIT2\xFF"), "Long"},           // a cut frame after it
        {"ID3\x03\0\0\x80\0\0\0", ""},                                             // no real size
        {Tag(2, 0, std::string("TP1\0\0\x02\0ATT2\0\0\x03\0Hi", 17)), "Hi"},         // version 2.2
        {Tag(3, '\x40', std::string("\0\0\0\x06" "extras", 10) + Frame("TIT2", kNul + "Ext")), "Ext"},  // extended header
        {Tag(4, '\x40', std::string("\0\0\0\x06\x01\0", 6) + Frame("TIT2", std::string("\0\0\0\x05\x02\0F", 7), '\x01')), "F"},
        {Tag(4, 0, Frame("TIT2", kNul + "Secret", '\x04')), ""}, {Tag(4, 0, Frame("TIT2", "\x05" "Odd")), ""},
        {Tag(5, 0, Frame("TIT2", kNul + "Five")), ""},
    };
    for (const auto& [tag, title] : cases) EXPECT_EQ(Id3v2Title(tag), title) << tag;
    EXPECT_EQ(Id3v2Length(Tag(4, '\x10', "")) + Id3v2Length(Tag(3, '\x10', "x")), 20u + 11u);  // a footer only in 2.4
    const auto ogg = ReadVorbisHeaders(MakeOggHeaders("title=Evening\tSong"));
    ASSERT_TRUE(ogg);
    EXPECT_EQ(VorbisTitle(ogg->comments), "Evening Song");
    EXPECT_FALSE(ReadVorbisHeaders("OggS" + std::string(60, '\0')));
    // The decoder's need: the vendor and each comment with a NUL, and a pointer a comment.
    const std::string comments =
        "\x03vorbis" + Int32Bytes(1) + "v" + Int32Bytes(2) + Int32Bytes(7) + "TiTle=A" + Int32Bytes(7) + "title=B";
    EXPECT_TRUE(VorbisCommentsFit(comments, 34));
    EXPECT_EQ(VorbisTitle(comments), "A");
    for (const auto& [packet, budget] : {std::pair{comments, 33}, {"\x05" + comments.substr(1), 99}, {comments.substr(0, 37), 99}})
        EXPECT_FALSE(VorbisCommentsFit(packet, budget)) << packet;
}

TEST(SoundFileTest, FrameHeadersGiveTheStreamAndTheFrameLengthOrAreRefused) {
    using namespace std::literals;
    const std::pair<std::string_view, std::string> headers[] = {  // rate kbit/s bytes channels samples, or "" refused
        {"\xFF\xFB\x90\x03"sv, "44100 128 417 2 1152"}, {"\xFF\xFB\xE6\x40"sv, "48000 320 961 2 1152"},
        {"\xFF\xFA\x18\xC0"sv, "32000 32 144 1 1152"},  {"\xFF\xF3\x80\x00"sv, "22050 64 208 2 576"},
        {"\xFF\xF3\x14\xC0"sv, "24000 8 24 1 576"},     {"\xFF\xF3\xB8\xC0"sv, "16000 112 504 1 576"},
        {"\xFF\xE3\xE0\x00"sv, "11025 160 1044 2 576"}, {"\xFF\xE3\x54\x00"sv, "12000 40 240 2 576"},
        {"\xFF\xE3\x28\x00"sv, "8000 16 144 2 576"},    {"\xFF\xEB\x90\x00"sv, ""}, {"\xFF\xFD\x90\x00"sv, ""},
        {"\xFF\xFB\x00\x00"sv, ""}, {"\xFF\xFB\xF0\x00"sv, ""}, {"\xFF\xFB\x9C\x00"sv, ""}, {"\xFF\xFB\x90\x02"sv, ""},
        {"\xFF\xDB\x90\x00"sv, ""}, {"\xFF\xFB\x90"sv, ""}};
    for (const auto& [header, stream] : headers) {
        std::ostringstream got;
        if (const auto f = ParseMp3Frame(header))
            got << f->format.sampleRate << ' ' << f->format.bitrateKbps << ' ' << f->bytes << ' ' << f->format.channels << ' '
                << f->format.samplesPerFrame;
        EXPECT_EQ(got.str(), stream);
    }
    std::string kbps;  // every bit rate of MPEG 1, then of MPEG 2 and 2.5, as the standard lists them
    for (const char version : {'\xFB', '\xF3'})
        for (int i = 1; i < 15; ++i)
            kbps += std::to_string(ParseMp3Frame(std::string{'\xFF', version, static_cast<char>(i << 4), 0})->format.bitrateKbps) + ' ';
    EXPECT_EQ(kbps, "32 40 48 56 64 80 96 112 128 160 192 224 256 320 8 16 24 32 40 48 56 64 80 96 112 128 144 160 ");
}

TEST(SoundFileTest, Mp3FramesReachTheCodecWithoutTheirTableOfContentsOrTrailingTags) {
    ToneDisk d;
    const std::string mono = std::string("\xFF\xFB\x90\xC0", 4) + std::string(413, '\0');  // another stream
    const std::string xing = std::string("\xFF\xFB\x90\x00", 4) + std::string(32, '\0') + "Xing" + std::string(377, '\0');
    d.disk.files["C:\\a.mp3"] = MakeId3("T") + std::string(5, '\0') + xing + MakeMp3Frames(3) + mono + "TAG" + std::string(125, 'x');
    const auto image = d.tones.ExtractAudio("C:\\a.mp3");
    EXPECT_EQ(d.mp3.frames, MakeMp3Frames(3));
    EXPECT_EQ(d.mp3.format.sampleRate * 1000 + d.mp3.format.bitrateKbps, 44100128);
    EXPECT_EQ(image.value_or("").substr(0, 4) + std::to_string(image.value_or("").size()), "RIFF" + std::to_string(44 + 3 * 1152 * 4));
    EXPECT_EQ(image.value_or("").substr(20, 16), std::string("\1\0\2\0\x44\xAC\0\0\x10\xB1\x02\0\4\0\x10\0", 16));  // 16-bit PCM
    d.disk.files["C:\\b.mp3"] = MakeId3("T") + "not audio at all";
    EXPECT_FALSE(d.tones.ExtractAudio("C:\\b.mp3") || d.tones.ReadToneTitle("C:\\b.mp3") != "");
    d.mp3.refuse = true;
    EXPECT_FALSE(d.tones.ExtractAudio("C:\\a.mp3"));
}

}  // namespace
}  // namespace quill::test
