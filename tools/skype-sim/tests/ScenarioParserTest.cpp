#include <gtest/gtest.h>

#include "simcore/ScenarioParser.h"

namespace skypesim {
namespace {

Scenario Parse(std::string_view text) {
    ParseOutcome outcome = ParseScenario(text);
    EXPECT_FALSE(outcome.error) << outcome.error->line << ": " << outcome.error->message;
    return outcome.scenario;
}

ParseError Fail(std::string_view text) {
    ParseOutcome outcome = ParseScenario(text);
    EXPECT_TRUE(outcome.error) << "parsed: " << text;
    return outcome.error.value_or(ParseError{-1, "no error"});
}

TEST(ScenarioDeclarations, EmptyFileGivesDefaults) {
    const Scenario s = Parse("");
    EXPECT_EQ(s.me, "me");
    EXPECT_TRUE(s.pushOnAttach);
    EXPECT_EQ(s.expectTimeoutMs, 60000u);
    EXPECT_TRUE(s.attachPlan.empty());
    EXPECT_TRUE(s.contacts.empty());
    EXPECT_TRUE(s.steps.empty());
}

TEST(ScenarioDeclarations, EachDeclarationIsRead) {
    const Scenario s = Parse(
        "me demo.user\n"
        "contact anna Anna Andersson\n"
        "call 7 INCOMING_P2P anna\n"
        "message 12 bob\n"
        "chatmessage 13 carl\n"
        "attach pending, refused,notavailable ignore\n"
        "push-on-attach off\n"
        "expect-timeout 250\n");
    EXPECT_EQ(s.me, "demo.user");
    ASSERT_EQ(s.contacts.size(), 1u);
    EXPECT_EQ(s.contacts[0].fullName, "Anna Andersson");
    ASSERT_EQ(s.calls.size(), 1u);
    EXPECT_EQ(s.calls[0].id, 7u);
    EXPECT_EQ(s.calls[0].type, "INCOMING_P2P");
    EXPECT_EQ(s.calls[0].partner, "anna");
    ASSERT_EQ(s.messages.size(), 1u);
    EXPECT_EQ(s.messages[0].partner, "bob");
    ASSERT_EQ(s.chatMessages.size(), 1u);
    EXPECT_EQ(s.chatMessages[0].id, 13u);
    const std::vector<AttachAnswer> plan = {AttachAnswer::Pending, AttachAnswer::Refused, AttachAnswer::NotAvailable,
                                            AttachAnswer::Ignore};
    EXPECT_EQ(s.attachPlan, plan);
    EXPECT_FALSE(s.pushOnAttach);
    EXPECT_EQ(s.expectTimeoutMs, 250u);
}

TEST(ScenarioDeclarations, ContactNamesKeepInnerSpacesAndAnyUtf8OrNothing) {
    const Scenario s = Parse(
        "contact carl\n"
        "contact dora   D\xC3\xB3ra  D\xC3\xA1vid  \n"
        "contact emil\t\n"
        "contact fu \xE5\xAF\x8C\xE5\xA3\xAB \xF0\x9F\x8E\xB5\n");
    ASSERT_EQ(s.contacts.size(), 4u);
    EXPECT_EQ(s.contacts[0].handle, "carl");
    EXPECT_EQ(s.contacts[0].fullName, "");
    EXPECT_EQ(s.contacts[1].fullName, "D\xC3\xB3ra  D\xC3\xA1vid");
    EXPECT_EQ(s.contacts[2].fullName, "");
    EXPECT_EQ(s.contacts[3].fullName, "\xE5\xAF\x8C\xE5\xA3\xAB \xF0\x9F\x8E\xB5");
}

TEST(ScenarioLayout, CommentsBlanksCrlfAndBomAreIgnored) {
    const Scenario s = Parse(
        "\xEF\xBB\xBF# a comment\r\n"
        "\r\n"
        "   \t  \n"
        "  # indented comment with send inside\n"
        "  me  x.y  \r\n"
        "send CALL 1 STATUS #not a comment\n");
    EXPECT_EQ(s.me, "x.y");
    ASSERT_EQ(s.steps.size(), 1u);
    EXPECT_EQ(s.steps[0].text, "CALL 1 STATUS #not a comment");
    EXPECT_EQ(s.steps[0].line, 6);
}

TEST(ScenarioSteps, EachStepIsReadInOrderWithItsLine) {
    const Scenario s = Parse(
        "wait 2000\n"
        "expect GET USER\n"
        "expect-discover\n"
        "send CALL 7 STATUS RINGING\n"
        "approve\n"
        "api-available\n"
        "refuse 3\n"
        "vanish\n"
        "return\n"
        "unload\n"
        "exit\n");
    const std::vector<StepKind> kinds = {StepKind::Wait,   StepKind::Expect, StepKind::ExpectDiscover,
                                         StepKind::Send,   StepKind::Approve, StepKind::ApiAvailable,
                                         StepKind::Refuse, StepKind::Vanish, StepKind::Return,
                                         StepKind::Unload, StepKind::Exit};
    ASSERT_EQ(s.steps.size(), kinds.size());
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        EXPECT_EQ(s.steps[i].kind, kinds[i]) << i;
        EXPECT_EQ(s.steps[i].line, static_cast<int>(i) + 1);
    }
    EXPECT_EQ(s.steps[0].number, 2000u);
    EXPECT_EQ(s.steps[1].text, "GET USER");
    EXPECT_EQ(s.steps[3].source, "send CALL 7 STATUS RINGING");
    EXPECT_EQ(s.steps[6].number, 3u);
}

TEST(ScenarioSteps, DeclarationsAnywhereDoNotBecomeSteps) {
    const Scenario s = Parse("wait 1\nme late\nwait 2\n");
    EXPECT_EQ(s.me, "late");
    ASSERT_EQ(s.steps.size(), 2u);
    EXPECT_EQ(s.steps[1].number, 2u);
}

struct BadLine {
    const char* text;
    int line;
    const char* messagePart;
};

class ScenarioErrors : public ::testing::TestWithParam<BadLine> {};

TEST_P(ScenarioErrors, NameTheLineAndTheProblem) {
    const ParseError error = Fail(GetParam().text);
    EXPECT_EQ(error.line, GetParam().line);
    EXPECT_NE(error.message.find(GetParam().messagePart), std::string::npos) << error.message;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ScenarioErrors,
    ::testing::Values(BadLine{"# ok\nfrobnicate now\n", 2, "unknown directive 'frobnicate'"},
                      BadLine{"Wait 10\n", 1, "unknown directive"},
                      BadLine{"wait -5\n", 1, "whole number"},
                      BadLine{"wait 10ms\n", 1, "whole number"},
                      BadLine{"wait 86400001\n", 1, "whole number"},
                      BadLine{"wait\n", 1, "wait <ms>"},
                      BadLine{"me\n", 1, "me <handle>"},
                      BadLine{"me a b\n", 1, "me <handle>"},
                      BadLine{"me a\n\nme b\n", 3, "first on line 1"},
                      BadLine{"contact\n", 1, "contact <handle>"},
                      BadLine{"contact a,b Name\n", 1, "comma"},
                      BadLine{"contact anna A\ncontact anna B\n", 2, "contact anna given twice"},
                      BadLine{"call 7 INCOMING_P2P\n", 1, "call <id> <TYPE> <partner>"},
                      BadLine{"call seven INCOMING_P2P anna\n", 1, "whole number"},
                      BadLine{"call 0 INCOMING_P2P anna\n", 1, "whole number"},
                      BadLine{"call 7 incoming anna\n", 1, "INCOMING_P2P"},
                      BadLine{"call 7 INCOMING_P2P a\ncall 7 OUTGOING_P2P b\n", 2, "call 7 given twice"},
                      BadLine{"message 5\n", 1, "message <id> <partner>"},
                      BadLine{"attach\n", 1, "at least one"},
                      BadLine{"attach success, maybe\n", 1, "unknown attach answer 'maybe'"},
                      BadLine{"attach success\nattach pending\n", 2, "attach given twice"},
                      BadLine{"push-on-attach yes\n", 1, "on|off"},
                      BadLine{"expect-timeout\n", 1, "expect-timeout <ms>"},
                      BadLine{"expect\n", 1, "expect needs a text"},
                      BadLine{"send   \n", 1, "send needs a text"},
                      BadLine{"approve now\n", 1, "takes nothing"},
                      BadLine{"expect-discover 5\n", 1, "takes nothing"},
                      BadLine{"refuse 0\n", 1, "whole number"},
                      BadLine{"return\n", 1, "without an earlier vanish"},
                      BadLine{"vanish\nvanish\n", 2, "already vanished (since line 1)"},
                      BadLine{"vanish\nwait 5\nsend PING\n", 3, "while vanished"},
                      BadLine{"vanish\napprove\n", 2, "while vanished"},
                      BadLine{"vanish\napi-available\n", 2, "while vanished"},
                      BadLine{"me a\xC3\n", 1, "UTF-8"},
                      BadLine{"contact x \xC0\xAF\n", 1, "UTF-8"},
                      BadLine{"send A\x01" "B\n", 1, "control character"},
                      BadLine{"send A\rB\n", 1, "control character"}));

TEST(ScenarioLimits, OverlongLineAndOversizedFileAreRefused) {
    const ParseError line = Fail("wait 1\nsend " + std::string(kMaxLineBytes, 'x') + "\n");
    EXPECT_EQ(line.line, 2);
    EXPECT_NE(line.message.find("longer than"), std::string::npos);

    std::string big;
    while (big.size() <= kMaxScenarioBytes) big += "# filler line\n";
    const ParseError file = Fail(big);
    EXPECT_EQ(file.line, 0);
    EXPECT_EQ(FormatParseError("big.txt", file).rfind("big.txt: larger than", 0), 0u);
}

TEST(ScenarioLimits, ALineOfExactlyTheLimitIsFine) {
    const Scenario s = Parse("send " + std::string(kMaxLineBytes - 5, 'x'));
    ASSERT_EQ(s.steps.size(), 1u);
    EXPECT_EQ(s.steps[0].text.size(), kMaxLineBytes - 5);
}

TEST(ScenarioErrorText, IsFileColonLineColonMessage) {
    EXPECT_EQ(FormatParseError("s.txt", ParseError{4, "bad"}), "s.txt:4: bad");
}

TEST(ScenarioSteps, VanishReturnVanishAgainIsFine) {
    const Scenario s = Parse("vanish\nreturn\nsend PING\nvanish\nreturn\n");
    EXPECT_EQ(s.steps.size(), 5u);
}

}  // namespace
}  // namespace skypesim
