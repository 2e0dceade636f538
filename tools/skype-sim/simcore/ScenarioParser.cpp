#include "simcore/ScenarioParser.h"

#include <map>

#include "simcore/Text.h"

namespace skypesim {
namespace {

constexpr std::uint64_t kMaxObjectId = 999999999999999999ull;

struct Failure {
    std::string message;
};

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

std::uint64_t ParseNumber(std::string_view text, std::uint64_t min, std::uint64_t max, const char* what) {
    const auto value = ParseDecimal(text, max);
    if (!value || *value < min)
        throw Failure{std::string(what) + " must be a whole number from " + std::to_string(min) + " to " +
                      std::to_string(max) + ", not " + Quoted(text)};
    return *value;
}

std::uint64_t ParseObjectId(std::string_view text) { return ParseNumber(text, 1, kMaxObjectId, "an id"); }

std::vector<std::string_view> ExpectWords(std::string_view args, std::size_t count, const char* usage) {
    auto words = SplitWords(args);
    if (words.size() != count) throw Failure{std::string("expected: ") + usage};
    return words;
}

void ExpectNoArguments(std::string_view keyword, std::string_view args) {
    if (!args.empty()) throw Failure{std::string(keyword) + " takes nothing after it"};
}

std::string_view ExpectText(std::string_view keyword, std::string_view args) {
    if (args.empty()) throw Failure{std::string(keyword) + " needs a text"};
    return args;
}

AttachAnswer ParseAttachAnswer(std::string_view word) {
    static const std::map<std::string_view, AttachAnswer> names = {
        {"success", AttachAnswer::Success},       {"pending", AttachAnswer::Pending},
        {"refused", AttachAnswer::Refused},       {"notavailable", AttachAnswer::NotAvailable},
        {"ignore", AttachAnswer::Ignore},
    };
    const auto found = names.find(word);
    if (found == names.end())
        throw Failure{"unknown attach answer " + Quoted(word) + " (success, pending, refused, notavailable, ignore)"};
    return found->second;
}

bool IsCallType(std::string_view word) {
    for (char c : word)
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_')) return false;
    return !word.empty();
}

class Parser {
public:
    ParseOutcome Run(std::string_view text) {
        ParseOutcome outcome;
        if (text.size() > kMaxScenarioBytes) {
            outcome.error = ParseError{0, "larger than " + std::to_string(kMaxScenarioBytes) + " bytes"};
            return outcome;
        }
        if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
        int lineNumber = 0;
        while (!text.empty()) {
            ++lineNumber;
            const std::size_t end = text.find('\n');
            const std::string_view line = text.substr(0, end);
            text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
            try {
                ParseLine(line, lineNumber);
            } catch (const Failure& failure) {
                outcome.error = ParseError{lineNumber, failure.message};
                return outcome;
            }
        }
        outcome.scenario = std::move(scenario_);
        return outcome;
    }

private:
    void ParseLine(std::string_view raw, int line) {
        if (raw.size() > kMaxLineBytes) throw Failure{"line longer than " + std::to_string(kMaxLineBytes) + " bytes"};
        if (!IsValidUtf8(raw)) throw Failure{"not valid UTF-8"};
        const std::string_view trimmed = TrimBlanks(raw);
        if (HasControlCharacter(trimmed)) throw Failure{"control character in line"};
        if (trimmed.empty() || trimmed.front() == '#') return;
        std::string_view args = trimmed;
        const std::string_view keyword = TakeWord(args);
        if (!ParseDeclaration(keyword, args, line) && !ParseStep(keyword, args, trimmed, line))
            throw Failure{"unknown directive " + Quoted(keyword)};
    }

    void Once(std::string_view keyword, int line) {
        const auto [it, inserted] = onceLines_.emplace(std::string(keyword), line);
        if (!inserted) throw Failure{std::string(keyword) + " given twice (first on line " + std::to_string(it->second) + ")"};
    }

    template <typename Key>
    void Unique(std::map<Key, int>& seen, const Key& key, const std::string& what, int line) {
        const auto [it, inserted] = seen.emplace(key, line);
        if (!inserted) throw Failure{what + " given twice (first on line " + std::to_string(it->second) + ")"};
    }

    void AddContact(Contact contact, int line) {
        if (scenario_.contacts.size() >= kMaxContacts)
            throw Failure{"more than " + std::to_string(kMaxContacts) + " contacts"};
        Unique(contactLines_, contact.handle, "contact " + contact.handle, line);
        scenario_.contacts.push_back(std::move(contact));
    }

    bool ParseDeclaration(std::string_view keyword, std::string_view args, int line) {
        if (keyword == "me") {
            Once(keyword, line);
            scenario_.me = ExpectWords(args, 1, "me <handle>")[0];
        } else if (keyword == "contact") {
            Contact contact;
            contact.handle = TakeWord(args);
            contact.fullName = args;
            if (contact.handle.empty()) throw Failure{"expected: contact <handle> [full name]"};
            if (contact.handle.find(',') != std::string::npos) throw Failure{"a contact handle cannot hold a comma"};
            AddContact(std::move(contact), line);
        } else if (keyword == "contacts") {
            // contacts <n> <stem> [name stem]: <stem>1 … <stem>n, named "<name stem> 1" … or unnamed.
            const std::string_view count = TakeWord(args);
            const std::string_view stem = TakeWord(args);
            if (stem.empty()) throw Failure{"expected: contacts <n> <handle stem> [name stem]"};
            if (stem.find(',') != std::string_view::npos) throw Failure{"a contact handle cannot hold a comma"};
            const std::uint64_t n = ParseNumber(count, 1, kMaxContacts, "a contact count");
            for (std::uint64_t i = 1; i <= n; ++i) {
                const std::string number = std::to_string(i);
                AddContact({std::string(stem) + number, args.empty() ? "" : std::string(args) + " " + number}, line);
            }
        } else if (keyword == "call") {
            const auto words = ExpectWords(args, 3, "call <id> <TYPE> <partner>");
            CallRecord call{ParseObjectId(words[0]), std::string(words[1]), std::string(words[2])};
            if (!IsCallType(call.type)) throw Failure{"call type " + Quoted(call.type) + " is not like INCOMING_P2P"};
            Unique(callLines_, call.id, "call " + std::to_string(call.id), line);
            scenario_.calls.push_back(std::move(call));
        } else if (keyword == "message" || keyword == "chatmessage") {
            const bool chat = keyword == "chatmessage";
            const auto words = ExpectWords(args, 2, chat ? "chatmessage <id> <from>" : "message <id> <partner>");
            MessageRecord message{ParseObjectId(words[0]), std::string(words[1])};
            Unique(chat ? chatMessageLines_ : messageLines_, message.id,
                   std::string(keyword) + " " + std::to_string(message.id), line);
            (chat ? scenario_.chatMessages : scenario_.messages).push_back(std::move(message));
        } else if (keyword == "attach") {
            Once(keyword, line);
            std::string list(args);
            for (char& c : list)
                if (c == ',') c = ' ';
            for (std::string_view word : SplitWords(list)) scenario_.attachPlan.push_back(ParseAttachAnswer(word));
            if (scenario_.attachPlan.empty()) throw Failure{"attach needs at least one answer"};
        } else if (keyword == "push-on-attach") {
            Once(keyword, line);
            const std::string_view value = ExpectWords(args, 1, "push-on-attach on|off")[0];
            if (value != "on" && value != "off") throw Failure{"expected: push-on-attach on|off"};
            scenario_.pushOnAttach = value == "on";
        } else if (keyword == "hold-names") {
            Once(keyword, line);
            ExpectNoArguments(keyword, args);
            scenario_.holdNames = true;
        } else if (keyword == "expect-timeout") {
            Once(keyword, line);
            scenario_.expectTimeoutMs =
                ParseNumber(ExpectWords(args, 1, "expect-timeout <ms>")[0], 0, kMaxMilliseconds, "expect-timeout");
        } else {
            return false;
        }
        return true;
    }

    bool ParseStep(std::string_view keyword, std::string_view args, std::string_view source, int line) {
        Step step;
        step.source = source;
        step.line = line;
        if (keyword == "wait") {
            step.kind = StepKind::Wait;
            step.number = ParseNumber(ExpectWords(args, 1, "wait <ms>")[0], 0, kMaxMilliseconds, "wait");
        } else if (keyword == "expect") {
            step.kind = StepKind::Expect;
            step.text = ExpectText(keyword, args);
        } else if (keyword == "await-file") {
            step.kind = StepKind::AwaitFile;
            step.text = ExpectText(keyword, args);
        } else if (keyword == "send") {
            step.kind = StepKind::Send;
            step.text = ExpectText(keyword, args);
        } else if (keyword == "refuse") {
            step.kind = StepKind::Refuse;
            step.number = ParseNumber(ExpectWords(args, 1, "refuse <n>")[0], 1, kMaxRefuseCount, "refuse");
        } else {
            static const std::map<std::string_view, StepKind> bare = {
                {"expect-discover", StepKind::ExpectDiscover}, {"approve", StepKind::Approve},
                {"api-available", StepKind::ApiAvailable},     {"vanish", StepKind::Vanish},
                {"return", StepKind::Return},                  {"unload", StepKind::Unload},
                {"exit", StepKind::Exit},                      {"answer-names", StepKind::AnswerNames},
            };
            const auto found = bare.find(keyword);
            if (found == bare.end()) return false;
            ExpectNoArguments(keyword, args);
            step.kind = found->second;
        }
        CheckPresence(step, keyword);
        scenario_.steps.push_back(std::move(step));
        return true;
    }

    // Steps run in file order, so whether the API window exists at a step is known here.
    void CheckPresence(const Step& step, std::string_view keyword) {
        const bool needsWindow =
            step.kind == StepKind::Send || step.kind == StepKind::Approve || step.kind == StepKind::ApiAvailable;
        if (step.kind == StepKind::Vanish && vanishedOnLine_ != 0)
            throw Failure{"vanish while already vanished (since line " + std::to_string(vanishedOnLine_) + ")"};
        if (step.kind == StepKind::Return && vanishedOnLine_ == 0) throw Failure{"return without an earlier vanish"};
        if (needsWindow && vanishedOnLine_ != 0)
            throw Failure{std::string(keyword) + " while vanished (since line " + std::to_string(vanishedOnLine_) +
                          "); add return before it"};
        if (step.kind == StepKind::Vanish) vanishedOnLine_ = step.line;
        if (step.kind == StepKind::Return) vanishedOnLine_ = 0;
    }

    Scenario scenario_;
    std::map<std::string, int> onceLines_;
    std::map<std::string, int> contactLines_;
    std::map<std::uint64_t, int> callLines_;
    std::map<std::uint64_t, int> messageLines_;
    std::map<std::uint64_t, int> chatMessageLines_;
    int vanishedOnLine_ = 0;
};

}  // namespace

const char* AttachAnswerName(AttachAnswer answer) {
    switch (answer) {
        case AttachAnswer::Success: return "success";
        case AttachAnswer::Pending: return "pending";
        case AttachAnswer::Refused: return "refused";
        case AttachAnswer::NotAvailable: return "notavailable";
        case AttachAnswer::Ignore: return "ignore";
    }
    return "?";
}

ParseOutcome ParseScenario(std::string_view text) { return Parser().Run(text); }

std::string FormatParseError(std::string_view file, const ParseError& error) {
    std::string text(file);
    // A char, not a C string: GCC 12 warns falsely (-Wrestrict) on a C string + a temporary.
    if (error.line > 0) text += ':' + std::to_string(error.line);
    return text + ": " + error.message;
}

}  // namespace skypesim
