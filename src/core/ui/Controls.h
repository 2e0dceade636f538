#pragma once
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quill::ui {

// What changed on a control, so the adapter mirrors only that.
enum class Prop { Visible, Enabled, Caption, Position, Items, Row, Selection, WindowState, Picture, ToolTip, Value, Focus };

// A control as the program sees it. Geometry is in twips.
class Control {
public:
    using Listener = std::function<void(Control&, Prop)>;

    explicit Control(std::string name) : name_(std::move(name)) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }

    bool Visible() const { return visible_; }
    void SetVisible(bool v) { Set(visible_, v, Prop::Visible); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v) { Set(enabled_, v, Prop::Enabled); }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& v) { Set(caption_, v, Prop::Caption); }

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void Move(int left, int top);
    void Resize(int width, int height);

    // Asks the adapter to give the real control the keyboard focus.
    void SetFocus() { Changed(Prop::Focus); }

    // The adapter listens; one listener per control.
    void SetListener(Listener l) { listener_ = std::move(l); }

protected:
    void Changed(Prop p) {
        if (listener_) listener_(*this, p);
    }
    template <class T>
    void Set(T& field, const T& value, Prop p) {
        if (field == value) return;
        field = value;
        Changed(p);
    }

private:
    std::string name_;
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    Listener listener_;
};

class ListBox : public Control {
public:
    using Control::Control;
    int ListCount() const { return static_cast<int>(items_.size()); }
    // -1 when nothing is selected.
    int ListIndex() const { return index_; }
    void SetListIndex(int i);
    // Moves the selection without a click event: the program keeps what the user chose.
    void KeepSelection(int i);
    // "" outside the list, as a list box answers.
    std::string Item(int i) const;
    const std::vector<std::string>& Items() const { return items_; }
    void AddItem(const std::string& text);
    // All rows at once, nothing selected.
    void SetItems(std::vector<std::string> items);
    // One row's text, in place; the selection stays.
    void SetItem(int i, const std::string& text);
    // The row SetItem changed last.
    int ChangedRow() const { return changedRow_; }
    void Clear();
    std::function<void()> OnClick;  // selection changed, by the user or the program

private:
    std::vector<std::string> items_;
    int index_ = -1;
    int changedRow_ = -1;
};

// A drop-down list: a list box whose list folds away.
class ComboBox : public ListBox {
public:
    using ListBox::ListBox;
};

// A control with an on/off value that a click changes.
class Switch : public Control {
public:
    using Control::Control;
    bool Value() const { return value_; }
    std::function<void()> OnClick;

protected:
    // false when it held v already.
    bool Store(bool v) {
        if (v == value_) return false;
        value_ = v;
        Changed(Prop::Value);
        return true;
    }

private:
    bool value_ = false;
};

// An option button of a group; the group keeps one set.
class OptionButton : public Switch {
public:
    using Switch::Switch;
    // Setting it raises OnClick; setting the one already set raises nothing.
    void SetValue(bool v) {
        if (Store(v) && v && OnClick) OnClick();
    }
};

// A check box. Setting its value from code raises OnClick too, as a click would.
class CheckBox : public Switch {
public:
    using Switch::Switch;
    void SetValue(bool v) {
        if (Store(v) && OnClick) OnClick();
    }
};

// A push button, or a link label when Link() is set (underlined, opens a page).
class Button : public Control {
public:
    Button(std::string name, bool link = false) : Control(std::move(name)), link_(link) {}
    bool Link() const { return link_; }
    std::function<void()> OnClick;

private:
    bool link_;
};

// A text box; its text is its caption, cut to MaxLength characters.
class TextBox : public Control {
public:
    TextBox(std::string name, std::size_t maxLength) : Control(std::move(name)), maxLength_(maxLength) {}
    const std::string& Text() const { return Caption(); }
    void SetText(const std::string& utf8);
    std::size_t MaxLength() const { return maxLength_; }

private:
    std::size_t maxLength_;
};

class Timer : public Control {
public:
    Timer(std::string name, int intervalMs, bool enabled) : Control(std::move(name)), interval_(intervalMs) {
        SetEnabled(enabled);
    }
    int Interval() const { return interval_; }
    // Raised by the adapter for a timer of a dialog; the options window's timers go their own way.
    std::function<void()> OnTick;

private:
    int interval_;
};

// Part of an image strip, in the strip's pixels.
struct StripSlice {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const StripSlice&) const = default;
};

// A small child window that shows an image and raises mouse events: a picture button's face.
class PictureArea : public Control {
public:
    using Control::Control;

    // The image file it shows by itself, its design picture; "" for none.
    const std::string& Picture() const { return picture_; }
    void SetPicture(const std::string& file) { Set(picture_, file, Prop::Picture); }
    const std::string& ToolTipText() const { return toolTip_; }
    void SetToolTipText(const std::string& v) { Set(toolTip_, v, Prop::ToolTip); }

    // A slice of a strip stretched over the whole area, shown until the next painting.
    struct Painting {
        std::string strip;
        StripSlice source;
        bool operator==(const Painting&) const = default;
    };
    const std::optional<Painting>& Painted() const { return painted_; }
    // Every call repaints, even with the same slice. nullopt leaves the area blank.
    void Paint(std::optional<Painting> p) {
        painted_ = std::move(p);
        Changed(Prop::Picture);
    }

private:
    std::string picture_;
    std::string toolTip_;
    std::optional<Painting> painted_;
};

enum class WindowState { Normal, Minimized };

class Form : public Control {
public:
    using Control::Control;
    WindowState State() const { return state_; }
    void SetState(WindowState s) { Set(state_, s, Prop::WindowState); }

private:
    WindowState state_ = WindowState::Normal;
};

namespace detail {
template <class T, std::size_t... I>
std::array<T, sizeof...(I)> NamedArray(const std::string& name, std::index_sequence<I...>) {
    return {T(name + "(" + std::to_string(I) + ")")...};
}
}  // namespace detail

// A control array: name(0), name(1) and so on.
template <class T, std::size_t N>
std::array<T, N> Named(const std::string& name) {
    return detail::NamedArray<T>(name, std::make_index_sequence<N>());
}

}  // namespace quill::ui
