#pragma once
#include "core/platform/Clock.h"
#include "core/platform/Files.h"
#include "core/platform/FolderWatch.h"
#include "core/platform/Internet.h"
#include "core/platform/Mp3Decoder.h"
#include "core/platform/Multimedia.h"
#include "core/platform/Process.h"
#include "core/platform/Registry.h"
#include "core/platform/Shell.h"
#include "core/platform/SkypeWire.h"
#include "core/platform/TextCodec.h"
#include "core/platform/UiHost.h"

namespace quill {

// Everything the system gives the program.
struct Ports {
    Files& files;
    Clock& clock;
    SkypeWire& wire;
    Multimedia& mci;
    UiHost& ui;
    Shell& shell;
    TextCodec& codec;
    Process& process;
    FolderWatch& folderWatch;
    Internet& net;
    Registry& registry;
    Mp3Decoder& mp3;
};

}  // namespace quill
