#pragma once
#include <string>

namespace quill {

class Settings;
struct Shared;

// A contact's tone in section contacts: handle + "_play" holds the kind (0 to 3),
// handle + "_file" the tone file. The handle is used exactly as Skype sends it.
namespace contact_tones {

// The leading number of "_play"; 0 when missing. Outside 0 to 3 when the file says so.
int KindOf(Settings& settings, const std::string& handle);
// Writes both keys: the kind and the tone file.
void Assign(Settings& settings, const std::string& handle, int kind, const std::string& file);
// "_play" reads as 0 or is missing: the contact rings with the default tone.
bool OnDefaultTone(Settings& settings, const std::string& handle);
// "_file" as it stands.
std::string StoredFile(Settings& settings, const std::string& handle);
// The file a call from handle rings with: "_file" trimmed, the default ringtone when empty,
// inside the program folder unless it holds ":".
std::string ToneFileOf(Settings& settings, const Shared& shared, const std::string& handle);
// Where the contact's recording lives; the handle becomes one safe file name.
std::string RecordingFile(const Shared& shared, const std::string& handle);

}  // namespace contact_tones
}  // namespace quill
