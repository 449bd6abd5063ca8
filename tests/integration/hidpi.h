#pragma once
// The pictures of the HiDPI check. One run of the render tests writes them at
// the screen's device pixel ratio into <HIDPI_DIR>/dpr<ratio>/; the compare
// tests then read the runs at ratio 1 and 2.

#include <QDir>
#include <QString>
#include <QtGlobal>

namespace hidpi {

// The pictures every render run writes, by file name without ".png".
inline const QStringList& pictureNames() {
    static const QStringList names = {
        "strokes",         // lines of pens 1 to 6, circles and dots
        "retained",        // retained drawing left after a Cls of transient strokes
        "scene_window",    // drawing on a window's own client area
        "phasor_waves",    // the phasor window's first animation frame: the waves
        "phasor_box",      // ... and the phasors at the probe point
        "huygens_field",   // the Huygens wave field after a left click and a scan
        "huygens_phasors", // the phasor box of the left click
        "huygens_scan",    // the amplitude plot of the right-click scan
    };
    return names;
}

// Control geometries in logical pixels, one line per widget.
inline QString geometryFile() {
    return "geometry.txt";
}

inline QString runDirectory(int ratio) {
    return QDir(qEnvironmentVariable("HIDPI_DIR")).filePath(QString("dpr%1").arg(ratio));
}

} // namespace hidpi
