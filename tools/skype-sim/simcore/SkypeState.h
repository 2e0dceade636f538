#pragma once
#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "simcore/Scenario.h"

namespace skypesim {

// What the pretend Skype knows: the scenario's declarations plus what it has since told the client.
class SkypeState {
public:
    static constexpr std::size_t kMaxProperties = 100000;

    explicit SkypeState(const Scenario& scenario);

    // The reply Skype gives to one command; a leading "#tag " is echoed in front of the reply.
    std::string Reply(std::string_view command) const;

    // A notification that went out ("CALL 7 STATUS RINGING") becomes what later GETs answer.
    void Observe(std::string_view notification);

    const std::string& Me() const { return me_; }

private:
    std::string Answer(std::string_view command) const;
    std::string AnswerGet(const std::vector<std::string_view>& words) const;
    void Set(const std::string& object, const std::string& property, std::string value);

    std::string me_;
    std::vector<std::string> friends_;
    // "CALL 7" -> {"STATUS" -> "RINGING"}; top-level values such as USERSTATUS live under "".
    std::map<std::string, std::map<std::string, std::string>> objects_;
    std::size_t propertyCount_ = 0;
};

// The command without its "#tag " prefix, as scenario expectations see it.
std::string_view CommandBody(std::string_view command);

}  // namespace skypesim
