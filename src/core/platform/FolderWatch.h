#pragma once
#include <string>

namespace quill {

// Tells when files may have appeared in, left or been renamed in one folder (not its subfolders),
// so the program need not look for them on every tick.
class FolderWatch {
public:
    virtual ~FolderWatch() = default;
    // False: the system cannot watch this folder.
    virtual bool Watch(const std::string& folder) = 0;
    // True when a file name may have changed since Watch or the last call; also when the
    // system cannot tell any more.
    virtual bool Changed() = 0;
};

}  // namespace quill
