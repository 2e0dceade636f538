// Draws the options window's fifteen picture-button strips, so no third-party images ship.
//
// Strip n (the button number, 1 to 15) is written as pbut<n>.bmp: 128 x 32 pixels, 24-bit, four
// 32 x 32 slices left to right: normal, highlighted, pressed, disabled. The program folder
// holds them in buttons\, so the window loads button n from buttons\pbut<n>.bmp.
// Glyphs by number: 1, 3, 5, 9 play; 2 find; 4, 6, 10 stop; 7 record; 8 generate; 11 apply;
// 12 help; 13 minimize; 14 exit; 15 events.
#include <iostream>

#include "make-buttons/ButtonStrips.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make-buttons <output-folder>\n";
        return 2;
    }
    return quill::buttons::WriteButtonFolder(argv[1], std::cerr) ? 0 : 1;
}
