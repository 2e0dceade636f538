#pragma once
#include <cstddef>
#include <deque>
#include <string>
#include <unordered_map>
#include <vector>

namespace quill {

class Log;
class SkypeLink;
namespace ui {
struct OptionsWindow;
}

// The contact lists: the handles of Skype's USERS answer (contactHandles) and their display names
// (contactNames, row for row). The names are asked for many at a time; every answer names its
// handle, so answers may come in any order. A handle stands in for its name until the name
// comes. The selection is the user's: a refill keeps the selected contact.
class ContactNames {
public:
    // Questions out at once (Skype's own clients keep as many in flight): with one round a 50 ms
    // tick, 2,560 names a second.
    static constexpr int kMaxOutstanding = 128;
    // Answers that come while the questions go out free places at once; this many sends at most per call.
    static constexpr int kMaxSendsPerCall = 4 * kMaxOutstanding;
    // Skype's error replies name no handle: a question still open after this many ticks gives up its place.
    static constexpr int kGiveUpTicks = 100;

    ContactNames(SkypeLink& link, ui::OptionsWindow& window, Log& log) : link_(link), window_(window), log_(log) {}

    // The handles of a USERS answer, in Skype's order. Changes no selection but one whose
    // contact is gone.
    void SetHandles(std::vector<std::string> handles);
    // A FULLNAME of one handle, answered or pushed; an empty name leaves the handle standing.
    void Named(const std::string& handle, const std::string& name);
    // Asks for more names, as far as the bound allows; selects the first contact when none is.
    void AskMore();
    // Once a tick: gives up on questions left unanswered too long, and asks on.
    void Tick();
    // True while names are still to be asked for or awaited.
    bool Fetching() const { return next_ < rows_.size() || outstanding_ > 0; }

private:
    enum class Row : unsigned char { NotAsked, Asked, Named };
    struct Question {
        std::size_t row;
        long long askedAt;
    };

    void Finished();

    SkypeLink& link_;
    ui::OptionsWindow& window_;
    Log& log_;
    std::vector<Row> rows_;
    std::unordered_map<std::string, std::vector<std::size_t>> rowsOf_;
    std::deque<Question> asked_;
    std::size_t next_ = 0;
    int outstanding_ = 0;
    long long tick_ = 0;
    std::size_t gaveUp_ = 0;
};

}  // namespace quill
