#pragma once
// The pictures of the HiDPI check. One run of the render tests writes them at
// the screen's device pixel ratio into <HIDPI_DIR>/dpr<ratio>/; the compare
// tests then read the runs at ratio 1 and 2.

#include <QDir>
#include <QStringList>

namespace hidpi {

// The pictures every render run writes, by file name without ".png": strokes
// of pens 1 to 6, retained drawing left after a Cls, drawing on a window's
// client area, the phasor window's first frame, the Huygens window after a
// left click and a scan.
inline const QStringList pictureNames = {"strokes",         "retained",    "scene_window",
                                         "phasor_waves",    "phasor_box",  "huygens_field",
                                         "huygens_phasors", "huygens_scan"};

// Control geometries of the three windows in logical pixels, one line per widget.
inline const QString geometryFile = "geometry.txt";

inline QString runDirectory(int ratio) {
    return QDir(qEnvironmentVariable("HIDPI_DIR")).filePath(QString("dpr%1").arg(ratio));
}

} // namespace hidpi
