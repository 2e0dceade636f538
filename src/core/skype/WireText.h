#pragma once
#include <string>
#include <string_view>

#include "core/platform/TextCodec.h"

namespace quill {

// Skype's texts are UTF-8 on the wire, as inside the program.

// The bytes of a command as sent: the text and its terminating zero.
std::string EncodeCommand(std::string_view text);

// A notification's bytes: cut at the first zero; bytes that are not UTF-8 are taken in the
// ANSI code page, as older peers send them.
std::string DecodeNotification(std::string_view bytes, TextCodec& codec);

bool IsValidUtf8(std::string_view s);

}  // namespace quill
