#include <gtest/gtest.h>

#include "core/server/RequestCode.h"

namespace quill::test {
namespace {

std::string Code(int value) { return CodeTable()[value]; }

// What servers decode: two letters for each byte plus its position (mod 31), wrapping past 255.
TEST(RequestCode, EachByteBecomesTwoLettersShiftedByItsPosition) {
    ASSERT_EQ(CodeLetters(), "KPWMRXBFTDZHLNGV");
    EXPECT_EQ(EncodeRequest("A"), "RW");  // 65 + 1 = 4 * 16 + 2
    const std::string encoded = EncodeRequest(std::string(32, 'A'));
    EXPECT_EQ(encoded.substr(2 * 29), Code(65 + 30) + Code(65) + Code(66));  // the 31st: offset 0
    EXPECT_EQ(EncodeRequest(std::string(9, 'x') + "\xFA").substr(18), Code(4));  // 250 + 10 wraps to 4
    // Only the last field may hold the separator.
    const std::vector<std::string> fields = {"v", "8", std::string("caf\xE9 ~ \xFF\0\x01", 10)};
    EXPECT_EQ(DecodeRequest(EncodeRequest(RequestText(2, {fields[0], fields[1], fields[2]})), 3).fields, fields);
}

TEST(RequestCode, LeadBlanksStandBeforeTheTagAndStayWithinNine) {
    EXPECT_EQ(RequestText(3, {"anna", "GetHeader"}), "   QTAG~anna~GetHeader~");
    EXPECT_EQ(RequestText(0, {"en16", "16", "Hi"}), "QTAG~en16~16~Hi~");
    EXPECT_EQ(RequestText(12, {"x"}), std::string(9, ' ') + "QTAG~x~");
    EXPECT_EQ(RequestText(-1, {"x"}), "QTAG~x~");
}

TEST(RequestCode, RateFollowsTheLastTwoCharactersOfTheVoice) {
    for (auto [voice, rate] : {std::pair{"en+m3-16", "16"}, {"16", "16"}, {"en-8", "8"},
                               {"x08", "8"}, {"x22", "8"}, {"6", "8"}, {"", "8"}})
        EXPECT_EQ(RateForVoice(voice), rate) << voice;
}

TEST(RequestCode, DecoderRejectsMalformedRequestsWithAReason) {
    const std::string good = EncodeRequest(RequestText(2, {"anna", "GetHeader"}));
    struct Case {
        std::string encoded;
        const char* error;
    } cases[] = {
        {good.substr(1), "odd number of code letters"},
        {good.substr(0, 6) + "aa" + good.substr(8), "a letter outside the code"},
        {good.substr(0, 6) + "QQ" + good.substr(8), "a letter outside the code"},
        {EncodeRequest("QTAX~anna~GetHeader~"), "no request tag"},
        {EncodeRequest(std::string(10, ' ') + "QTAG~anna~GetHeader~"), "no request tag"},
        {EncodeRequest("~QTAG~anna~GetHeader~"), "no request tag"},
        {"", "no request tag"},
        {EncodeRequest("QTAG~anna~GetHeader"), "the last field is not closed"},
        {EncodeRequest("QTAG~"), "the last field is not closed"},
        {EncodeRequest("QTAG~GetHeader~"), "too few fields"},
    };
    for (const auto& c : cases) {
        const DecodedRequest r = DecodeRequest(c.encoded, 2);
        EXPECT_EQ(r.error, c.error) << c.encoded;
        EXPECT_TRUE(r.fields.empty()) << c.encoded;
    }
}

}  // namespace
}  // namespace quill::test
