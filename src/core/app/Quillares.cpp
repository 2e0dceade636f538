#include "core/app/Quillares.h"

#include "core/ui/AddSoundFile.h"
#include "core/ui/ToneSearchWindow.h"

namespace quill {

Quillares::Quillares(Ports p)
    : loops(p.ui),
      ports{p.files, p.clock, p.wire, p.mci, loops, p.shell, p.codec, p.process, p.folderWatch, p.net, p.registry, p.mp3},
      log(ports.files, ports.clock, shared),
      settings(ports.files, ports.codec, log, shared),
      help({settings, ports.files, ports.codec, log, ports.shell, ports.ui, shared}),
      queue(log),
      link(ports.wire, log, queue, linkView, shared),
      tones(ports.files, log, ports.codec, ports.mp3),
      player(ports.mci, ports.files, log, tones, shared, recorder),
      recorder(ports.mci, ports.files, log, shared),
      catalogue({settings, ports.files, log, tones, texts, ports.ui, ports.registry, shared}),
      toneList(window, settings, ports.files, log, player),
      panels({window, settings, ports.files, shared, tones, toneList, recorder, [this] { return link.Linked(); }}),
      server(ports.net, ports.files, ports.clock, ports.codec),
      serverCheck({window, ports.files, settings, log, ports.ui, ports.shell, texts, shared, ports.codec, server}),
      synthesis({window, ports.files, log, ports.ui, texts, shared, tones, ports.codec, server, serverCheck}),
      commands({window, player, recorder, toneList, log, ports.files, shared, settings, texts, ports.ui, ports.shell,
                *this, ports.codec, tones, ports.clock, synthesis, serverCheck}),
      dispatcher({log, queue, ports.codec, link, linkView, settings, shared, ports.files, player, *this}),
      tray(ports.ui, queue, window),
      loop(log, ports.files, ports.folderWatch, shared, queue, link, dispatcher, window, commands, serverCheck, ports.ui,
           *this),
      proc(log, queue, link, dispatcher, tray) {
    proc.onPlaybackNotice = [this](std::uintptr_t code) { player.OnPlaybackNotice(code); };
    panels.Attach();
}

void Quillares::OnTimer1() {
    Guard([&] {
        // While an end waits, nothing new starts; the first tick outside every loop ends the program.
        if (!endPending_)
            loop.Timer1Tick();
        else if (!Nested())
            CloseOptionsWindow();
    });
}

std::optional<std::intptr_t> Quillares::WindowProc(const WindowMessage& m) {
    std::optional<std::intptr_t> result;
    Guard([&] { result = proc.WindowProc(m); });
    return result;
}

void Quillares::ShowToneSearchWindow() {
    ui::ToneSearchWindow search(texts, catalogue);
    ports.ui.ShowModal(search);
}

void Quillares::AddSoundFile() {
    ui::AddSoundFile({window, catalogue, toneList, tones, ports.files, log, ports.ui, texts, shared,
                      [this] { return link.Linked(); }})
        .Run();
}

void Quillares::OpenLog() {
    ports.shell.Open("Open", "Notepad", log.Path(), "");
}

}  // namespace quill
