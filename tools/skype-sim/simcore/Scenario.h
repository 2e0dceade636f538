#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace skypesim {

// How one discover broadcast is answered; the first four are the attach status codes.
enum class AttachAnswer { Success = 0, Pending = 1, Refused = 2, NotAvailable = 3, Ignore = 4 };
const char* AttachAnswerName(AttachAnswer answer);

struct Contact {
    std::string handle;
    std::string fullName;
};

// A declared call, message or chat message: what GET answers about it.
struct CallRecord {
    std::uint64_t id = 0;
    std::string type;
    std::string partner;
};
struct MessageRecord {
    std::uint64_t id = 0;
    std::string partner;
};

enum class StepKind { Wait, Expect, ExpectDiscover, Send, Approve, ApiAvailable, Refuse, Vanish, Return, Unload, Exit, AwaitFile, AnswerNames };

struct Step {
    StepKind kind = StepKind::Wait;
    std::uint64_t number = 0;  // milliseconds for wait, count for refuse
    std::string text;          // expect prefix, send text
    std::string source;        // the line as written, for the STEP log line
    int line = 0;
};

struct Scenario {
    std::string me = "me";
    std::vector<Contact> contacts;
    std::vector<CallRecord> calls;
    std::vector<MessageRecord> messages;
    std::vector<MessageRecord> chatMessages;
    std::vector<AttachAnswer> attachPlan;
    bool pushOnAttach = true;
    // FULLNAME questions wait for an answer-names step.
    bool holdNames = false;
    std::uint64_t expectTimeoutMs = 60000;
    std::vector<Step> steps;
};

}  // namespace skypesim
