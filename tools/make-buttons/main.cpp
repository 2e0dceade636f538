// Draws the options window's fifteen picture-button strips, so no third-party images ship.
//
// Strip n (the button number, 1 to 15) is written as pbut<n>.bmp: 128 x 32 pixels, 24-bit, four
// 32 x 32 slices left to right: normal, highlighted, pressed, disabled. The program folder
// holds them in buttons\, so the window loads button n from buttons\pbut<n>.bmp.
// Glyphs by number: 1, 3, 5, 9 play; 2 find; 4, 6, 10 stop; 7 record; 8 generate; 11 apply;
// 12 help; 13 minimize; 14 exit; 15 events.
// Given the program's icon file, it also writes its 32 x 32 image as tray.bmp.
#include <fstream>
#include <iostream>
#include <iterator>

#include "make-buttons/BmpFile.h"
#include "make-buttons/ButtonStrips.h"
#include "make-buttons/TrayPicture.h"

namespace {

bool WriteTrayPicture(const std::filesystem::path& folder, const std::filesystem::path& icon) {
    std::ifstream in(icon, std::ios::binary);
    const std::vector<std::uint8_t> ico((std::istreambuf_iterator<char>(in)), {});
    const auto image = quill::buttons::IconImage(ico, 32, {255, 255, 255});
    if (!image) {
        std::cerr << "make-buttons: no 32 x 32 image of 32 bits in " << icon << "\n";
        return false;
    }
    return quill::buttons::WriteBmpFile(folder / quill::buttons::kTrayPictureName, *image);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::cerr << "usage: make-buttons <output-folder> [icon-file]\n";
        return 2;
    }
    bool ok = quill::buttons::WriteButtonFolder(argv[1], std::cerr);
    if (argc == 3) ok = WriteTrayPicture(argv[1], argv[2]) && ok;
    return ok ? 0 : 1;
}
