// Writes the sounds the add-on ships, so no third-party audio ends up in the package.
#include <iostream>

#include "make-sounds/SoundFolder.h"

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::cerr << "usage: make-sounds <wav-folder> [<tones-folder>]\n";
        return 2;
    }
    bool ok = quill::sounds::WriteSoundFolder(argv[1], std::cerr);
    if (argc == 3) ok = quill::sounds::WriteToneFolder(argv[2], std::cerr) && ok;
    return ok ? 0 : 1;
}
