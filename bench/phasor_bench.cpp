// The phasor window's figures: one animation frame through the window, the
// same drawing done with bare QPainter calls, and the processor share of the
// paced animation.

#include "bench/figures.h"
#include "bench/measure.h"

#include "app/form1.h"
#include "ui/runtime.h"

#include <QImage>
#include <QPainter>
#include <cmath>
#include <functional>
#include <optional>

namespace bench {
namespace {

// One frame is 201 event processings (two in the phasor picture, two per
// wave point but the probe's, one at the end).
constexpr long eventsPerFrame = 201;

// Runs the animation until `onFrame`, called at the first event processing of
// every frame with the frame's number (0 first), returns false; the frame in
// which it does is the last one drawn.
void animate(Form2& form, const std::function<bool(long)>& onFrame) {
    const long first = ui::eventProcessingCount() + 1;
    ui::setEventProcessingHook([&] {
        const long n = ui::eventProcessingCount() - first;
        if (n % eventsPerFrame == 0 && !onFrame(n / eventsPerFrame))
            form.stoppedFlag = 1;
    });
    ui::runHandler([&] { form.Command1_Click(); });
    ui::setEventProcessingHook({});
}

// A surface's drawing calls of one frame, in device pixels, ready for QPainter.
struct Primitive {
    ui::DrawCall::Op op;
    QPointF a, b;
    double radius;
    QColor colour;
    double width;
};

struct Replay {
    QImage image;
    std::vector<Primitive> primitives;
};

Replay toReplay(const ui::Surface& surface) {
    const QRect inner = surface.innerRect();
    const double ratio = surface.devicePixelRatioF();
    const double sx = inner.width() / surface.ScaleWidth() * ratio;
    const double sy = inner.height() / surface.ScaleHeight() * ratio;
    auto device = [&](double x, double y) {
        return QPointF(std::floor((x - surface.ScaleLeft()) * sx),
                       std::floor((y - surface.ScaleTop()) * sy));
    };
    Replay replay{surface.screenImage().copy(), {}};
    for (const ui::DrawCall& call : surface.drawLog()) {
        replay.primitives.push_back({call.op, device(call.x1, call.y1), device(call.x2, call.y2),
                                     std::abs(call.x2 * sx), QColor::fromRgb(call.colour),
                                     call.width * ratio});
    }
    return replay;
}

void paint(Replay& replay) {
    QPainter painter(&replay.image);
    for (const Primitive& p : replay.primitives) {
        if (p.op == ui::DrawCall::Op::Cls) {
            painter.fillRect(replay.image.rect(), p.colour);
            continue;
        }
        painter.setPen(QPen(p.colour, p.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        switch (p.op) {
        case ui::DrawCall::Op::Line:
            painter.drawLine(p.a, p.b);
            break;
        case ui::DrawCall::Op::Circle:
            painter.drawEllipse(p.a, p.radius, p.radius);
            break;
        default:
            painter.drawPoint(p.a);
            break;
        }
    }
}

} // namespace

void openPhasorWindow(App& app) {
    ui::runHandler([&] { app.form1().Command2_Click(); });
    Form2& form = app.form2();
    ui::runHandler([&] { form.Command2_Click(); }); // W2 on
    ui::runHandler([&] { form.Command3_Click(); }); // the sum on
    presentAndPaint();
}

// One frame's drawing calls are recorded from the window; then frame after
// frame is timed, from the first event processing of one frame to that of
// the next, and between two frames the recorded calls are painted once into
// images of the pictures' sizes, with nothing else around them. Both medians
// thus see the same load of the machine.
FrameFigures frameFigures(Form2& form, const Repeats& repeats) {
    constexpr long settle = 20;
    ui::Surface* pictures[] = {form.Picture1, form.Picture2};
    std::optional<Replay> waves, phasors;
    std::vector<double> frames, floors;
    Clock::time_point frameStart;
    animate(form, [&](long frame) {
        const auto now = Clock::now();
        for (ui::Surface* picture : pictures) {
            if (frame == 1)
                picture->clearDrawLog();
            picture->setRecording(frame == 1);
        }
        if (frame == 2) {
            waves = toReplay(*form.Picture1);
            phasors = toReplay(*form.Picture2);
        }
        if (frame > settle) {
            frames.push_back(std::chrono::duration<double, std::milli>(now - frameStart).count());
            const auto floorStart = Clock::now();
            paint(*waves);
            paint(*phasors);
            floors.push_back(millisecondsSince(floorStart));
        }
        frameStart = Clock::now();
        return frame < settle + repeats.frames;
    });
    for (ui::Surface* picture : pictures)
        picture->clearDrawLog();
    return {median(frames), median(floors)};
}

// Process time over wall time while the animation runs at its own pace.
double animateCpuPercent(Form2& form, const Repeats& repeats) {
    ui::setFramePacing(true);
    const double percent = medianOf(repeats.cpuRuns, [&] {
        constexpr long settle = 10;
        Clock::time_point wallStart;
        double cpuStart = 0, share = 0;
        animate(form, [&](long frame) {
            if (frame == settle) {
                wallStart = Clock::now();
                cpuStart = processCpuSeconds();
            }
            if (frame <= settle || millisecondsSince(wallStart) < repeats.cpuSeconds * 1000)
                return true;
            share = (processCpuSeconds() - cpuStart) * 1000 / millisecondsSince(wallStart);
            return false;
        });
        return share * 100;
    });
    ui::setFramePacing(false);
    return percent;
}

} // namespace bench
