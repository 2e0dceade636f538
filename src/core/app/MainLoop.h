#pragma once
#include <string>

namespace quill {

class Dispatcher;
class Files;
class FolderWatch;
class Log;
class ProgramControl;
class SkypeLink;
class UiHost;
class WorkQueue;
struct WorkItem;
struct Shared;
namespace ui {
class OptionsCommands;
struct OptionsWindow;
class ServerCheck;
}

// tickTimer (every 50 ms) takes one work item per tick; pingTimer (every 5 s) keeps the link alive.
class MainLoop {
public:
    MainLoop(Log& log, Files& files, FolderWatch& folderWatch, const Shared& shared, WorkQueue& queue,
             SkypeLink& link, Dispatcher& dispatcher, ui::OptionsWindow& window, ui::OptionsCommands& commands,
             ui::ServerCheck& serverCheck, UiHost& ui, ProgramControl& program)
        : log_(log), files_(files), folderWatch_(folderWatch), shared_(shared), queue_(queue), link_(link),
          dispatcher_(dispatcher), window_(window), commands_(commands), serverCheck_(serverCheck), ui_(ui),
          program_(program) {}

    void Timer1Tick();
    void Timer2Tick();

private:
    // True when a marker ended the program.
    bool WatchMarkers();
    void ActOn(const WorkItem& item);
    void ShowOptions();
    void PopUpMenu();
    // The check that follows the signed-in user, then the contacts. It waits its turn behind a
    // transfer under way.
    void CheckServer();

    Log& log_;
    Files& files_;
    FolderWatch& folderWatch_;
    // Unknown until the first tick, when the program folder is known.
    enum class Markers { Unwatched, Watched, LookEveryTick } markers_ = Markers::Unwatched;
    // A notification that silently never fires must not hide a marker for good: look once a second anyway.
    static constexpr int kLookAtLeastEveryTicks = 20;
    bool lookAgain_ = false;
    int ticksSinceLook_ = 0;
    const Shared& shared_;
    WorkQueue& queue_;
    SkypeLink& link_;
    Dispatcher& dispatcher_;
    ui::OptionsWindow& window_;
    ui::OptionsCommands& commands_;
    ui::ServerCheck& serverCheck_;
    UiHost& ui_;
    ProgramControl& program_;
};

}  // namespace quill
