#pragma once
#include <string>
#include <string_view>

namespace quill {

// The program-wide message texts of the language file, one per key; empty until read and
// when the file lacks the key.
struct LanguageTexts {
    std::string caption;             // the program's title
    std::string notext;              // Generate with no text
    std::string searching;           // label of the tone search window
    std::string recorded;            // names a recording in the catalogue, before the handle
    std::string downloading;         // progress window, one tone
    std::string applying;            // progress window, apply to many contacts
    std::string dowloaded;           // progress window, done (the key is spelled so)
    std::string updaterequired;
    std::string updaterecommended;   // a Yes/No question
    std::string noserverconnection;
    std::string ok;                  // OK buttons
    std::string cancel;              // Cancel buttons
    std::string soundfiles;          // the Open dialog's filter of "Add a sound file"
    std::string badsound;            // the chosen file does not play
    std::string notcopied;           // the chosen file could not be copied to the tone folder

    // Stores the value when the key names a text; false for any other key.
    bool Take(std::string_view key, const std::string& value);
};

}  // namespace quill
