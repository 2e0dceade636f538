#pragma once
#include <cstdint>

namespace quill {

class UiHost;
class WorkQueue;
namespace ui {
struct OptionsWindow;
}

// The notification-area icon and its mouse actions.
class Tray {
public:
    static constexpr unsigned kIconId = 100;
    static constexpr unsigned kFlags = 7;              // message, icon and tip
    static constexpr unsigned kCallbackMessage = 1025;  // first user message + 1

    Tray(UiHost& ui, WorkQueue& queue, const ui::OptionsWindow& window) : ui_(ui), queue_(queue), window_(window) {}

    // Installs the program's window procedure first, so the icon's callbacks reach it.
    void AddTrayIcon();
    void RemoveTrayIcon();
    // Explorer started again and forgot every icon.
    void OnTaskbarCreated();

    // The registered message Explorer broadcasts when it starts; 0 until registered.
    unsigned MsgTaskbarCreated = 0;
    // The callback's mouse message; false: not taken, the window's own procedure gets it.
    bool OnTrayCallback(std::intptr_t mouseMessage);

private:
    void AddIcon();

    UiHost& ui_;
    WorkQueue& queue_;
    const ui::OptionsWindow& window_;
    bool shown_ = false;
};

}  // namespace quill
