#pragma once
#include <string>
#include <vector>

#include "core/skype/LinkView.h"

namespace quill {
namespace ui {
struct OptionsWindow;
}

// The link's view in the options window: the names in contactNames, the hidden handles in contactHandles, the
// warning panel warningPanel.
class WindowLinkView : public LinkView {
public:
    explicit WindowLinkView(ui::OptionsWindow& window) : window_(window) {}

    const std::vector<std::string>& Handles() const override;
    const std::vector<std::string>& Names() const override;
    int Selected() const override;
    void Fill(std::vector<std::string> handles, std::vector<std::string> names, int selected) override;
    void Rename(int row, const std::string& name) override;
    void Select(int row) override;
    void ShowWarning(bool shown) override;

private:
    ui::OptionsWindow& window_;
};

}  // namespace quill
