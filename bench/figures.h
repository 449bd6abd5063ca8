#pragma once
// The figures the benchmark measures on the real windows.

#include "app/app.h"

namespace bench {

// How many repetitions each figure takes its median over; fewer under a
// profiler.
struct Repeats {
    int frames = 300; // animation frames timed one by one, each followed by a
                      // replay of one frame's drawing for the floor
    int cpuRuns = 3;  // runs of paced animation
    double cpuSeconds = 5;
    int fields = 15; // wave-field redraws
    int scans = 3;   // amplitude scans
};

// The phasor window is open with W2 and the sum shown.
void openPhasorWindow(App& app);
struct FrameFigures {
    double frameMs, floorMs;
};
FrameFigures frameFigures(Form2& form, const Repeats& repeats);
double animateCpuPercent(Form2& form, const Repeats& repeats);

// The Huygens window is open with 13 sources and wavelength 60.
void openHuygensWindow(App& app);
double fieldMs(Form3& form, const Repeats& repeats);
double scanSeconds(Form3& form, const Repeats& repeats);

// Writes the pictures of a fixed series of drawings as PNG files.
void dumpPictures(App& app, const QString& directory);

} // namespace bench
