// Writes what the surfaces show after a fixed series of drawings, so that two
// builds can be compared pixel by pixel after a change to the drawing path.

#include "bench/figures.h"
#include "bench/measure.h"

#include "ui/runtime.h"

#include <QDir>

namespace bench {
namespace {

void save(const ui::Surface& surface, const QString& directory, const QString& name) {
    surface.screenImage().save(QDir(directory).filePath(name + ".png"));
}

void runFrames(Form2& form, long frames) {
    const long last = ui::eventProcessingCount() + 201 * (frames - 1) + 1;
    ui::setEventProcessingHook([&form, last] {
        if (ui::eventProcessingCount() == last)
            form.stoppedFlag = 1;
    });
    ui::runHandler([&] { form.Command1_Click(); });
    ui::setEventProcessingHook({});
}

} // namespace

void dumpPictures(App& app, const QString& directory) {
    QDir().mkpath(directory);
    openPhasorWindow(app);
    Form2& phasor = app.form2();
    runFrames(phasor, 3);
    save(*phasor.Picture1, directory, "phasor_waves");
    save(*phasor.Picture2, directory, "phasor_pointers");
    ui::runHandler([&] { phasor.Command4_Click(); });
    runFrames(phasor, 2);
    save(*phasor.Picture2, directory, "phasor_sum");
    ui::runHandler([&] { phasor.Hide(); });

    openHuygensWindow(app);
    Form3& huygens = app.form3();
    ui::Surface& field = huygens.window();
    save(field, directory, "huygens_field");
    ui::runHandler([&] { huygens.Form_MouseDown(1, 0, 1200, 300); });
    save(field, directory, "huygens_click");
    save(*huygens.Picture3, directory, "huygens_chain");
    ui::runHandler([&] { huygens.Form_MouseMove(1, 0, 2500, -700); });
    save(field, directory, "huygens_drag");
    ui::runHandler([&] { huygens.Form_MouseUp(1, 0, 2500, -700); });
    save(field, directory, "huygens_released");
    ui::runHandler([&] { huygens.Form_MouseDown(2, 0, 1700, 0); });
    save(field, directory, "huygens_scan");
    save(*huygens.Picture1, directory, "huygens_amplitude");
    ui::runHandler([&] { huygens.Form_MouseUp(2, 0, 1700, 0); });
    save(field, directory, "huygens_scan_released");
    huygens.HScroll3->setValue(130);
    save(field, directory, "huygens_wavelength");
    ui::runHandler([&] { huygens.Form_MouseDown(1, 0, 600, -1200); });
    ui::runHandler([&] { huygens.Command1_Click(); });
    save(field, directory, "huygens_cleared");
    presentAndPaint();
}

} // namespace bench
