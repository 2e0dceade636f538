#pragma once
#include <string>
#include <vector>

namespace quill {

// What the Skype side shows: the contact lists (handles and their display names, row for row,
// with the user's selection) and the warning that stands while the link is down. The program
// shows them in its options window; nothing here knows how.
class LinkView {
public:
    virtual ~LinkView() = default;

    virtual const std::vector<std::string>& Handles() const = 0;
    virtual const std::vector<std::string>& Names() const = 0;
    // The selected row; -1 for none.
    virtual int Selected() const = 0;
    // Both lists anew, with `selected` (or -1) chosen quietly: no click follows.
    virtual void Fill(std::vector<std::string> handles, std::vector<std::string> names, int selected) = 0;
    // One row's display name, in place; the contact shown takes it too.
    virtual void Rename(int row, const std::string& name) = 0;
    // Chooses a row as the user's click would.
    virtual void Select(int row) = 0;
    virtual void ShowWarning(bool shown) = 0;
};

}  // namespace quill
