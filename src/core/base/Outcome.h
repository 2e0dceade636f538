#pragma once
#include <string>
#include <utility>

namespace quill {

// How an operation that can fail or end the program came out: the one way results travel.
class Outcome {
public:
    static Outcome Done() { return Outcome(State::Done, {}); }
    static Outcome Failed(std::string why) { return Outcome(State::Failed, std::move(why)); }
    // The caller must close the program (an update is required, the server is gone...).
    static Outcome ProgramEnds() { return Outcome(State::ProgramEnds, {}); }

    bool Ok() const { return state_ == State::Done; }
    bool EndsProgram() const { return state_ == State::ProgramEnds; }
    // Why it failed; empty unless Failed.
    const std::string& Error() const { return error_; }

private:
    enum class State { Done, Failed, ProgramEnds };
    Outcome(State state, std::string error) : state_(state), error_(std::move(error)) {}

    State state_;
    std::string error_;
};

}  // namespace quill
