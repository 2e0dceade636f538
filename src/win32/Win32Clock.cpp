#include "win32/Win32Clock.h"

namespace quill::win32 {

LocalTime Win32Clock::Now() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

}  // namespace quill::win32
