#include "simcore/Simulator.h"

#include <algorithm>

#include "simcore/Text.h"

namespace skypesim {
namespace {

std::string ResultText(const SendResult& result) {
    switch (result.status) {
        case SendStatus::Answered: return std::to_string(result.value);
        case SendStatus::TimedOut: return "timeout";
        case SendStatus::Failed: return "failed";
    }
    return "failed";
}

bool AsksFullName(std::string_view command) {
    const auto words = SplitWords(CommandBody(command));
    return words.size() == 4 && EqualsNoCaseAscii(words[0], "GET") && EqualsNoCaseAscii(words[1], "USER") &&
           EqualsNoCaseAscii(words[3], "FULLNAME");
}

std::string BroadcastResultText(const SendResult& result) {
    return result.status == SendStatus::Answered ? "done" : ResultText(result);
}

}  // namespace

Simulator::Simulator(const Scenario& scenario, SimHost& host)
    : scenario_(scenario),
      host_(host),
      state_(scenario_),
      attachPlan_(scenario_.attachPlan),
      holdingNames_(scenario_.holdNames) {}

bool Simulator::Start() {
    api_ = host_.CreateApiWindow();
    if (api_ == 0) {
        Note("could not create the API window");
        return false;
    }
    Note("started as " + scenario_.me + ", API window " + FormatWindow(api_) + ", " +
         std::to_string(scenario_.steps.size()) + " steps");
    return true;
}

void Simulator::OnDiscover(Window client) {
    if (exited_) return;
    host_.Log(LogKind::Discover, "from " + FormatWindow(client));
    if (client == 0) {
        Note("discover without a client window: not answered");
        return;
    }
    ++discoversSeen_;
    client_ = client;
    const AttachAnswer answer = attachPlan_.Next();
    if (answer == AttachAnswer::Ignore) {
        Note("discover not answered (attach plan: ignore)");
        return;
    }
    QueueAttach(client, answer);
}

std::intptr_t Simulator::OnCopyData(Window from, std::uint64_t dwData, std::string_view bytes) {
    if (exited_) return 0;
    if (bytes.size() > kMaxCommandBytes) {
        Note("WM_COPYDATA of " + std::to_string(bytes.size()) + " bytes not taken (limit " +
             std::to_string(kMaxCommandBytes) + ")");
        return 0;
    }
    const std::size_t nul = bytes.find('\0');
    const std::string_view text = bytes.substr(0, nul);
    host_.Log(LogKind::In, text);
    if (dwData != 0) Note("dwData was " + std::to_string(dwData) + ", not 0");
    if (nul == std::string_view::npos)
        Note("no terminating NUL in " + std::to_string(bytes.size()) + " bytes");
    else if (nul + 1 != bytes.size())
        Note("cbData " + std::to_string(bytes.size()) + " but the text ends after " + std::to_string(nul) +
             " bytes and its NUL");
    if (!IsValidUtf8(text)) Note("command is not valid UTF-8");
    if (refuseRemaining_ > 0) {
        --refuseRemaining_;
        Note("refused delivery: returned 0, " + std::to_string(refuseRemaining_) + " more to refuse");
        return 0;
    }
    if (!expected_.RecordCommand(CommandBody(text)) && !warnedDroppedCommands_) {
        warnedDroppedCommands_ = true;
        Note("more than " + std::to_string(ExpectTracker::kMaxPendingCommands) +
             " commands wait for an expect step; the oldest are forgotten");
    }
    const Window replyTo = from != 0 ? from : client_;
    if (replyTo == 0) {
        Note("no window to reply to");
    } else if (holdingNames_ && AsksFullName(text)) {
        if (heldNames_.size() < kMaxQueued) heldNames_.push_back({false, replyTo, 0, state_.Reply(text)});
    } else {
        QueueText(replyTo, state_.Reply(text));
    }
    return 1;
}

void Simulator::OnCloseRequest() {
    if (exited_) return;
    Note("WM_CLOSE: exiting");
    Quit();
}

void Simulator::Quit() {
    exited_ = true;
    outbox_.clear();
    host_.Quit(0);
}

void Simulator::QueueAttach(Window to, AttachAnswer answer) {
    outbox_.push_back({true, to, static_cast<std::int64_t>(answer), {}});
    if (answer != AttachAnswer::Success || !scenario_.pushOnAttach) return;
    QueueText(to, "CONNSTATUS ONLINE");
    QueueText(to, "CURRENTUSERHANDLE " + state_.Me());
    QueueText(to, "USERSTATUS ONLINE");
}

void Simulator::QueueText(Window to, std::string text) {
    // Only a client that floods us while we wait in a send can fill the queue.
    if (outbox_.size() >= kMaxQueued) {
        Note("send queue full: dropped " + text.substr(0, 80));
        return;
    }
    outbox_.push_back({false, to, 0, std::move(text)});
}

void Simulator::Flush() {
    // A client may send a command while we wait in a send; its reply joins the back of the queue.
    while (!outbox_.empty() && !exited_) {
        const Outgoing item = std::move(outbox_.front());
        outbox_.pop_front();
        Deliver(item);
    }
}

void Simulator::Deliver(const Outgoing& item) {
    if (api_ == 0) {
        Note("API window gone: not sent: " + (item.isAttach ? "attach " + std::to_string(item.status) : item.text));
        return;
    }
    const std::uint64_t started = host_.NowMs();
    if (item.isAttach) {
        const SendResult result = host_.SendAttach(item.to, api_, item.status);
        host_.Log(LogKind::Attach, std::to_string(item.status) + " " +
                                       AttachAnswerName(static_cast<AttachAnswer>(item.status)) + " to " +
                                       FormatWindow(item.to) + " -> " + ResultText(result));
    } else {
        const SendResult result = host_.SendText(item.to, api_, item.text);
        host_.Log(LogKind::Out, item.text + " -> " + ResultText(result));
        state_.Observe(item.text);
    }
    const std::uint64_t took = host_.NowMs() - started;
    if (took >= kSlowClientMs) Note("the client took " + std::to_string(took) + " ms to take that message");
}

std::optional<std::uint64_t> Simulator::Run() {
    if (running_) return wakeAt_;
    running_ = true;
    std::optional<std::uint64_t> wake;
    for (;;) {
        Flush();
        if (exited_ || nextStep_ >= scenario_.steps.size()) break;
        const Step& step = scenario_.steps[nextStep_];
        const std::uint64_t now = host_.NowMs();
        if (!stepStarted_) {
            host_.Log(LogKind::Step, step.source);
            stepStarted_ = true;
            stepStartMs_ = now;
            discoversAtStepStart_ = discoversSeen_;
        }
        wake = Perform(step, now);
        if (wake) break;
        ++nextStep_;
        stepStarted_ = false;
    }
    if (!exited_ && !wake && !notedDone_) {
        notedDone_ = true;
        Note("scenario done; still answering");
    }
    running_ = false;
    wakeAt_ = exited_ ? std::nullopt : wake;
    return wakeAt_;
}

// Does the step, or says when to look at it again.
std::optional<std::uint64_t> Simulator::Perform(const Step& step, std::uint64_t now) {
    const std::uint64_t expectDeadline = stepStartMs_ + scenario_.expectTimeoutMs;
    switch (step.kind) {
        case StepKind::Wait:
            if (now < stepStartMs_ + step.number) return stepStartMs_ + step.number;
            break;
        case StepKind::Expect: {
            std::string matched;
            if (expected_.TakeCommand(step.text, &matched)) {
                Note("expect met by " + matched);
            } else if (now < expectDeadline) {
                return expectDeadline;
            } else {
                Note("TIMEOUT expect " + step.text);
            }
            break;
        }
        case StepKind::AwaitFile:
            if (host_.FileExists(step.text)) {
                Note("file found: " + step.text);
            } else if (now < expectDeadline) {
                return std::min(expectDeadline, now + kFilePollMs);
            } else {
                Note("TIMEOUT await-file " + step.text);
            }
            break;
        case StepKind::ExpectDiscover:
            // Only a discover after the step started: the client's earlier ones were answered already.
            if (discoversSeen_ == discoversAtStepStart_) {
                if (now < expectDeadline) return expectDeadline;
                Note("TIMEOUT expect-discover");
            }
            break;
        case StepKind::Send:
            if (client_ == 0)
                Note("no client has discovered: not sent: " + step.text);
            else
                QueueText(client_, step.text);
            break;
        case StepKind::Approve:
            if (client_ == 0)
                Note("no client has discovered: nothing to approve");
            else
                QueueAttach(client_, AttachAnswer::Success);
            break;
        case StepKind::ApiAvailable: {
            const SendResult result = host_.BroadcastAttach(api_, kApiAvailableStatus);
            host_.Log(LogKind::Attach, "0x8001 api-available to all windows -> " + BroadcastResultText(result));
            break;
        }
        case StepKind::Refuse:
            refuseRemaining_ += step.number;
            break;
        case StepKind::Vanish:
            host_.DestroyApiWindow(api_);
            Note("API window " + FormatWindow(api_) + " destroyed");
            api_ = 0;
            client_ = 0;
            expected_.Clear();  // a Skype that comes back has seen none of them
            break;
        case StepKind::Return:
            api_ = host_.CreateApiWindow();
            Note(api_ != 0 ? "API window " + FormatWindow(api_) + " created" : "could not create the API window");
            break;
        case StepKind::Unload:
            Note("broadcast QuillaresUnload -> " + BroadcastResultText(host_.BroadcastUnload()));
            break;
        case StepKind::AnswerNames:
            Note("answering " + std::to_string(heldNames_.size()) + " held name questions, and the rest at once");
            holdingNames_ = false;
            outbox_.insert(outbox_.end(), heldNames_.begin(), heldNames_.end());
            heldNames_.clear();
            break;
        case StepKind::Exit:
            Note("exit step: exiting");
            Quit();
            break;
    }
    return std::nullopt;
}

}  // namespace skypesim
