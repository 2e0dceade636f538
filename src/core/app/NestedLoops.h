#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/platform/UiHost.h"

namespace quill {

// The desktop as the program uses it, counting the loops it runs: a modal window, a message
// box, a menu or pending events each pump messages, so the main loop may run nested inside
// them. When the program must end there, EndAll closes the modal windows and message boxes, and
// none opens again.
class NestedLoops : public UiHost {
public:
    explicit NestedLoops(UiHost& host) : host_(host) {}

    // How many loops are running below the caller.
    int Depth() const { return depth_; }
    void EndAll();

    void InstallWindowProc() override { host_.InstallWindowProc(); }
    void RestoreWindowProc() override { host_.RestoreWindowProc(); }
    bool AddTrayIcon(const TrayIconData& icon) override { return host_.AddTrayIcon(icon); }
    bool DeleteTrayIcon(unsigned id) override { return host_.DeleteTrayIcon(id); }
    void BringToForeground() override { host_.BringToForeground(); }
    int ScreenWidthTwips() override { return host_.ScreenWidthTwips(); }
    void ShowModeless(ui::Dialog& dialog) override { host_.ShowModeless(dialog); }
    void DestroyMainWindow() override { host_.DestroyMainWindow(); }
    void EndMessageBoxes() override { host_.EndMessageBoxes(); }

    int PopupMenu(const std::vector<std::string>& captions) override;
    void Warn(const std::string& text, const std::string& title) override;
    bool AskYesNo(const std::string& text, const std::string& title) override;
    bool AskYesNoOver(ui::Dialog& owner, const std::string& text, const std::string& title) override;
    void ShowModal(ui::Dialog& dialog) override;
    std::optional<std::string> ChooseOpenFile(const std::string& filterName, const std::string& patterns) override;
    void DoEvents() override;

private:
    struct Inside {
        explicit Inside(int& depth) : depth_(depth) { ++depth_; }
        ~Inside() { --depth_; }
        int& depth_;
    };

    UiHost& host_;
    int depth_ = 0;
    bool ending_ = false;
    std::vector<ui::Dialog*> modal_;  // innermost last
};

}  // namespace quill
