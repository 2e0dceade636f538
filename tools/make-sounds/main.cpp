// Writes the sounds the add-on ships, so no third-party audio ends up in the package.
#include <iostream>

#include "make-sounds/SoundFolder.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make-sounds <output-folder>\n";
        return 2;
    }
    return quill::sounds::WriteSoundFolder(argv[1], std::cerr) ? 0 : 1;
}
