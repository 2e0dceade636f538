#include "make-sounds/Tones.h"

#include "make-sounds/Synth.h"

namespace quill::sounds {
namespace {

// MIDI note numbers keep the tunes readable as music.
enum Pitch : int {
    C4 = 60, D4 = 62, E4 = 64, F4 = 65, G4 = 67, A4 = 69, B4 = 71, C5 = 72, D5 = 74, E5 = 76, F5 = 77,
    G5 = 79, Gs5 = 80, A5 = 81, B5 = 83, C6 = 84, D6 = 86, E6 = 88, G6 = 91, A6 = 93
};

struct Strike {
    double startSec;
    double lengthSec;
    int pitch;
    double gain = 1.0;
};

struct Recipe {
    const char* fileName;
    double minLengthSec;
    double peakDbfs;
    Voice voice;
    std::vector<Strike> strikes;
};

// Every tune starts a few ms in, so the first samples of each file are true silence.
const std::vector<Recipe>& Recipes() {
    static const std::vector<Recipe> recipes = {
        // Two rising E-major arpeggios, one per second: a ring that keeps its shape when looped.
        {"default.wav", 2.0, -6.0, {.decaySec = 0.22, .brightness = 0.3},
         {{0.01, 0.6, E5}, {0.12, 0.6, Gs5}, {0.23, 0.6, B5}, {0.34, 0.6, E6, 0.8},
          {1.01, 0.6, E5}, {1.12, 0.6, Gs5}, {1.23, 0.6, B5}, {1.34, 0.6, E6, 0.8}}},
        {"online.wav", 0.6, -8.0, {.decaySec = 0.18, .brightness = 0.35},
         {{0.01, 0.22, G5, 0.8}, {0.13, 0.45, D6}}},
        {"away.wav", 0.75, -8.0, {.decaySec = 0.28, .brightness = 0.15, .attackSec = 0.015},
         {{0.01, 0.35, E5}, {0.22, 0.5, C5, 0.9}}},
        {"na.wav", 0.8, -8.0, {.decaySec = 0.3, .brightness = 0.25, .attackSec = 0.015},
         {{0.01, 0.35, A4}, {0.25, 0.55, E4, 0.9}}},
        // Held, not struck: a beep reads as "busy" where a chime would read as news.
        {"dnd.wav", 0.36, -10.0, {.brightness = 0.45, .attackSec = 0.006, .releaseSec = 0.02},
         {{0.01, 0.11, G4}, {0.2, 0.11, G4}}},
        {"invisible.wav", 0.65, -12.0, {.decaySec = 0.2, .brightness = 0.0, .attackSec = 0.015},
         {{0.02, 0.6, E6}}},
        {"loggedout.wav", 0.85, -8.0, {.decaySec = 0.2, .brightness = 0.25},
         {{0.01, 0.3, G5}, {0.16, 0.3, E5}, {0.31, 0.5, C5}}},
        // Short upward glides: a chirp catches the ear without sounding like a call.
        {"message.wav", 0.3, -10.0,
         {.decaySec = 0.08, .brightness = 0.1, .glideSemitones = 5, .attackSec = 0.006, .releaseSec = 0.02},
         {{0.01, 0.07, G6}, {0.12, 0.07, G6}}},
        // Scale degrees 3-2-1 over a soft fifth: the phrase comes home.
        {"finished.wav", 1.0, -8.0, {.decaySec = 0.3, .brightness = 0.15, .attackSec = 0.012},
         {{0.01, 0.3, E5}, {0.2, 0.3, D5}, {0.4, 0.58, C5}, {0.4, 0.58, G4, 0.45}}},
    };
    return recipes;
}

std::vector<std::int16_t> Play(const Recipe& r) {
    std::vector<Note> notes;
    for (const Strike& s : r.strikes)
        notes.push_back({s.startSec, s.lengthSec, MidiHz(s.pitch), s.gain, r.voice});
    return Render(notes, r.minLengthSec, r.peakDbfs);
}

struct Boxed {
    const char* title;
    Recipe recipe;
};

// Each a ring of two to three seconds that loops without a seam.
const std::vector<Boxed>& BoxedRecipes() {
    static const std::vector<Boxed> boxed = {
        // Church-bell peal: a descending major scale, long ringing decays.
        {"Morning Bells", {"morning-bells.quilar", 2.6, -6.0, {.decaySec = 0.7, .brightness = 0.45},
         {{0.01, 1.2, C6}, {0.26, 1.2, B5}, {0.51, 1.2, A5}, {0.76, 1.2, G5}, {1.01, 1.2, F5},
          {1.26, 1.2, E5}, {1.51, 1.0, D5}, {1.76, 0.8, C5}}}},
        // Dry wooden strikes: a bouncing tune, short and dark.
        {"Marimba Walk", {"marimba-walk.quilar", 2.2, -6.0, {.decaySec = 0.09, .brightness = 0.08, .attackSec = 0.003},
         {{0.01, 0.25, C5}, {0.2, 0.25, E5}, {0.4, 0.25, G5}, {0.6, 0.25, E5}, {0.8, 0.25, A5},
          {1.0, 0.25, G5}, {1.2, 0.25, E5}, {1.4, 0.25, D5}, {1.6, 0.45, C5}}}},
        // The old desk telephone: two held tones trilling fast, then a pause.
        {"Desk Telephone", {"desk-telephone.quilar", 2.0, -10.0, {.brightness = 0.5, .attackSec = 0.004, .releaseSec = 0.01},
         {{0.01, 0.045, A5}, {0.06, 0.045, F5}, {0.11, 0.045, A5}, {0.16, 0.045, F5}, {0.21, 0.045, A5},
          {0.26, 0.045, F5}, {0.31, 0.045, A5}, {0.36, 0.045, F5}, {0.41, 0.045, A5}, {0.46, 0.045, F5},
          {0.51, 0.045, A5}, {0.56, 0.045, F5}, {0.61, 0.045, A5}, {0.66, 0.045, F5}, {0.71, 0.045, A5},
          {0.76, 0.045, F5}, {0.81, 0.045, A5}, {0.86, 0.045, F5}, {0.91, 0.045, A5}, {0.96, 0.045, F5}}}},
        // Soft and high, each note swelling in slowly.
        {"Glass Harmonica", {"glass-harmonica.quilar", 2.8, -9.0,
         {.decaySec = 0.9, .brightness = 0.0, .attackSec = 0.12, .releaseSec = 0.2},
         {{0.02, 0.9, E6, 0.8}, {0.7, 0.9, C6, 0.8}, {1.4, 0.9, A5, 0.8}, {1.4, 1.2, E5, 0.4}}}},
        // Brass-like triplets up a triad and a held top note.
        {"Little Fanfare", {"little-fanfare.quilar", 2.0, -6.0,
         {.decaySec = 0.6, .brightness = 0.7, .attackSec = 0.02, .releaseSec = 0.04},
         {{0.01, 0.12, G4}, {0.14, 0.12, G4}, {0.27, 0.12, G4}, {0.4, 0.35, C5}, {0.8, 0.12, E5},
          {0.93, 0.12, E5}, {1.06, 0.7, G5}, {1.06, 0.7, C5, 0.5}}}},
        // Pentatonic drops falling like rain, quick sparkling chimes.
        {"Pentatonic Rain", {"pentatonic-rain.quilar", 2.2, -8.0, {.decaySec = 0.25, .brightness = 0.3},
         {{0.01, 0.4, A6, 0.7}, {0.13, 0.4, E6, 0.8}, {0.25, 0.4, D6, 0.8}, {0.37, 0.4, C6}, {0.49, 0.4, A5},
          {0.75, 0.4, G5}, {0.87, 0.4, A5, 0.9}, {0.99, 0.4, C6, 0.8}, {1.23, 0.4, E6, 0.7},
          {1.35, 0.4, D6, 0.7}, {1.47, 0.6, A5}}}},
        // Ding-dong, twice: a major third falling.
        {"Front Door", {"front-door.quilar", 2.6, -6.0, {.decaySec = 0.8, .brightness = 0.2, .attackSec = 0.004},
         {{0.01, 1.1, E5}, {0.6, 1.1, C5}, {1.3, 1.1, E5, 0.9}, {1.9, 0.65, C5, 0.9}}}},
        // Upward chirps in a row, like a small bird in a hurry.
        {"Songbird", {"songbird.quilar", 2.0, -10.0,
         {.decaySec = 0.06, .brightness = 0.05, .glideSemitones = 7, .attackSec = 0.004, .releaseSec = 0.015},
         {{0.01, 0.06, E6}, {0.1, 0.06, E6}, {0.19, 0.06, G6}, {0.5, 0.06, E6}, {0.59, 0.06, G6},
          {0.68, 0.09, A6}, {1.1, 0.06, G6}, {1.19, 0.06, E6}, {1.28, 0.12, D6}}}},
        // A lullaby in three: slow, low and round.
        {"Evening Waltz", {"evening-waltz.quilar", 3.0, -7.0,
         {.decaySec = 0.5, .brightness = 0.12, .attackSec = 0.03, .releaseSec = 0.05},
         {{0.01, 0.6, C4, 0.6}, {0.36, 0.3, E4, 0.4}, {0.66, 0.3, G4, 0.4}, {0.01, 0.9, G5}, {0.66, 0.3, E5},
          {0.96, 0.6, F4, 0.6}, {0.96, 0.6, A5}, {1.56, 0.3, G5}, {1.86, 0.9, C4, 0.6}, {1.86, 0.9, E5}}}},
    };
    return boxed;
}

}  // namespace

std::vector<BoxedTone> BuildBoxedTones() {
    std::vector<BoxedTone> tones;
    for (const Boxed& b : BoxedRecipes()) tones.push_back({{b.recipe.fileName, Play(b.recipe)}, b.title});
    return tones;
}

std::vector<Sound> BuildSounds() {
    // The pause between rings must be digital silence, not a quiet hiss.
    std::vector<Sound> sounds{{"empty.wav", std::vector<std::int16_t>(kSampleRate, 0)}};
    for (const Recipe& r : Recipes()) sounds.push_back({r.fileName, Play(r)});
    return sounds;
}

}  // namespace quill::sounds
