#pragma once
#include <string>

namespace quill {

// One piece of work for the main loop. The kinds are the program's own; outside text only ever
// rides along as the text of a notification or a command, so it cannot become another item.
struct WorkItem {
    enum class Kind {
        Empty,         // stands first after an item is queued into an empty queue
        Module1,       // (re)connect: start the keep-alive timer and discover Skype
        List1,         // ask for the next display name
        Form1,         // show the options window
        Menu1,         // pop up the tray menu
        Menu2,         // a left click: the menu, one item later, unless a double-click wins
        Unload,        // end the program
        ServerCheck,   // the server check after Skype named the signed-in user, then SEARCH FRIENDS
        Notification,  // "<" + text: Skype's notification, for HandleSkypeEvent
        Command,       // ">" + text: a command to send to Skype
    };

    Kind kind = Kind::Empty;
    std::string text;  // Notification and Command only

    static WorkItem Notification(std::string t) { return {Kind::Notification, std::move(t)}; }
    static WorkItem Command(std::string t) { return {Kind::Command, std::move(t)}; }

    // Control items decide the program's own course; a flood of Skype's traffic must not push them out.
    bool IsControl() const { return kind != Kind::Notification && kind != Kind::Command; }
    // The item as the queue's text form writes it: "Module1", "<text", ">text", "" for Empty.
    std::string Describe() const;

    bool operator==(const WorkItem&) const = default;
};

}  // namespace quill
