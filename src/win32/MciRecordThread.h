#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace quill::win32 {

// Wine's wave driver records on a thread that goes on tidying up the device (the buffers handed
// back, the input closed, its fields cleared) after it has marked the device stopped, which is
// all that "stop" waits for. A save and close right after the stop freed the device under that
// thread, whose late writes broke the heap: a later allocation faulted in ntdll. Wine lets no
// other thread command the device, so the recording cannot be run on one of ours; instead the
// driver's thread is noted when the recording starts, and what stops, saves or closes that
// device waits for it to end.
class MciRecordThread {
public:
    ~MciRecordThread() { Join(); }
    // send sends command: a recording notes the driver thread it starts, and a stop, save or close
    // of that device waits for the thread to end.
    unsigned Around(const std::string& command, const std::function<unsigned()>& send);

private:
    void Join();

    HANDLE thread_ = nullptr;
    std::string device_;
};

}  // namespace quill::win32
