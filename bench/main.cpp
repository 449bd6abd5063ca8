// The benchmark: drives the real windows on the offscreen platform with a
// 1920 x 1080 screen and prints one line per figure, "name value unit".
//
//   wellenzeiger_bench            every in-process figure at ratio 1
//   wellenzeiger_bench --dpr2     the frame on a screen of device pixel ratio 2
//   ... --only frame|cpu|field|scan   one group (for profiling)
//   ... --quick                   few repetitions (for profiling)
//   ... --weight 2|3              at double or triple line weight
//   wellenzeiger_bench --dump DIR  the pictures of a fixed series of drawings,
//                                  to compare builds pixel by pixel

#include "bench/figures.h"
#include "bench/measure.h"

#include "ui/runtime.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Options {
    bool dpr2 = false;
    std::string only;
    QString dumpDirectory;
    int weight = 1;
    bench::Repeats repeats;
};

Options parse(int argc, char* argv[]) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--dpr2") == 0)
            options.dpr2 = true;
        else if (std::strcmp(argv[i], "--only") == 0 && i + 1 < argc)
            options.only = argv[++i];
        else if (std::strcmp(argv[i], "--dump") == 0 && i + 1 < argc)
            options.dumpDirectory = argv[++i];
        else if (std::strcmp(argv[i], "--weight") == 0 && i + 1 < argc)
            options.weight = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--quick") == 0)
            options.repeats = {30, 1, 1, 2, 1};
    }
    return options;
}

void runFigures(App& app, const Options& options) {
    auto wanted = [&](const char* group) { return options.only.empty() || options.only == group; };
    bench::openPhasorWindow(app);
    Form2& phasor = app.form2();
    if (options.dpr2) {
        bench::report("frame_dpr2_ms", bench::frameFigures(phasor, options.repeats).frameMs, "ms");
        return;
    }
    if (wanted("frame")) {
        const bench::FrameFigures frame = bench::frameFigures(phasor, options.repeats);
        bench::report("frame_ms", frame.frameMs, "ms");
        bench::report("frame_floor_ms", frame.floorMs, "ms");
        bench::report("frame_ratio", frame.frameMs / frame.floorMs, "x");
    }
    if (wanted("cpu"))
        bench::report("animate_cpu_pct", bench::animateCpuPercent(phasor, options.repeats), "%");
    if (!wanted("field") && !wanted("scan"))
        return;
    ui::runHandler([&] { phasor.Hide(); });
    bench::openHuygensWindow(app);
    Form3& huygens = app.form3();
    if (wanted("field"))
        bench::report("field_ms", bench::fieldMs(huygens, options.repeats), "ms");
    if (wanted("scan"))
        bench::report("scan_s", bench::scanSeconds(huygens, options.repeats), "s");
}

} // namespace

int main(int argc, char* argv[]) {
    const Options options = parse(argc, argv);
    qputenv("QT_QPA_PLATFORM",
            QByteArray("offscreen:configfile=") + (options.dpr2 ? SCREEN_DPR2 : SCREEN_DPR1));
    QTemporaryDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    // Settings of its own: the user's line weight changes no figure.
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());

    ui::startProgram();
    ui::setFramePacing(false);
    App app;
    ui::runHandler([&] { app.start(); });
    app.changeLineWeight(options.weight);
    if (options.dumpDirectory.isEmpty())
        runFigures(app, options);
    else
        bench::dumpPictures(app, options.dumpDirectory);
    return 0;
}
