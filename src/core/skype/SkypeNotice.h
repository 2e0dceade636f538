#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace quill {

// A notification about one object: "CALL 7 STATUS RINGING", "USER anna FULLNAME Anna A.".
struct SkypeNotice {
    std::string object;  // CALL, CHATMESSAGE, USER …
    std::string id;      // the call or message number, or the user's handle
    std::string rest;    // the property and its value, as sent: "STATUS RINGING"

    // As the work queue carries it: the id is kept apart.
    std::string WithoutId() const { return object + " " + rest; }
};

// nullopt without a blank after the id, or with nothing but blanks after it.
std::optional<SkypeNotice> ReadNotice(std::string_view text);

// What follows the first `property` in text and the blank after it, as sent; "" when absent.
// Deliberately loose, as the peers it was made for: the property may stand anywhere.
std::string ValueAfter(std::string_view text, std::string_view property);

}  // namespace quill
