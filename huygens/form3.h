#pragma once
// The Huygens window: a row of elementary wave sources with their wave fronts,
// the phasor sum of all elementary waves at a clicked point and the amplitude
// along a vertical cut through the field.

#include "huygens/amplitude_table.h"
#include "ui/form.h"
#include "ui/shell.h"

#include <optional>

class Form3 : public ui::Form {
public:
    explicit Form3(ui::Shell& shell);

    // The part of the wave field the window shows, as its user scale: x from
    // -300 to 3700, y from -1500 at the top down to 1425.
    static constexpr ui::UserScale shownField{-300, -1500, 4000, 2925};

    // Controls, in tab order.
    ui::ControlPtr<ui::PictureBox> Picture1; // amplitude plot
    ui::ControlPtr<ui::TextBox> Text2;
    ui::ControlPtr<ui::HScrollBar> HScroll2; // number of sources on each side
    ui::ControlPtr<ui::Label> Label1;
    ui::ControlPtr<ui::HScrollBar> HScroll3; // wavelength
    ui::ControlPtr<ui::TextBox> Text3;
    ui::ControlPtr<ui::Label> Label2;
    ui::ControlPtr<ui::PictureBox> Picture3; // phasor box
    ui::ControlPtr<ui::Label> Label3;
    ui::ControlPtr<ui::PushButton> Command1; // "Cls" of the amplitude plot
    ui::ControlPtr<ui::PushButton> Command2; // "Cls" of the phasor box
    ui::ControlPtr<ui::Label> Label4;
    ui::ControlPtr<ui::Label> Label5;
    ui::ControlPtr<ui::PushButton> Command3; // "Menu"
    ui::ControlPtr<ui::Frame> Frame1;

    // Window state. Every handler reads and writes these directly, also when
    // it runs nested inside the first field drawing or the amplitude scan.
    ui::Integer waveRadius = 0;
    ui::Integer wavelength = 0;
    ui::Double sourceDistance = 0;
    ui::Double chainX = 0;
    ui::Single chainY = 0;
    ui::Double piValue = 0;
    ui::Double cycleFraction = 0;
    ui::Integer halfCount = 0;
    ui::Integer sourceIndex = 0;
    ui::Integer initialDrawing = 0;
    ui::Table<ui::Single, 101> sourceX;
    ui::Table<ui::Single, 101> sourceY;
    ui::Table<ui::Single, 18> sourcePhase;
    ui::Single resultAmplitude = 0;
    ui::Single sourceSpacing = 0;

    // What the amplitude plot shows, kept for saving it as a table.
    huygens::PlotRecord plotRecord;

    // The keyboard's cursor in the field, and whether Enter holds the rays
    // (as a held left button does) until Esc.
    ui::Single keyCursorX = 1700, keyCursorY = 0;
    ui::Integer keyDragging = 0;

    // Event handlers.
    void HScroll2_Change();
    void HScroll3_Change();
    void Form_MouseDown(ui::Integer button, ui::Integer shift, ui::Single x, ui::Single y);
    void Form_MouseMove(ui::Integer button, ui::Integer shift, ui::Single x, ui::Single y);
    void Form_MouseUp(ui::Integer button, ui::Integer shift, ui::Single x, ui::Single y);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Picture1_Click();
    void Form_KeyDown(ui::Integer key, ui::Integer shift);
    void LineWeight_Change() override;
    void WorkArea_Change() override;

protected:
    void buildLayout() override;
    void Form_Load() override;
    void Form_Unload(ui::Integer& cancel) override;

private:
    enum class ChainForm { Click, Sum };
    enum class ColumnForm { Click, Centred };

    void connectHandlers();
    void installKeys();
    void saveAmplitudes();
    void LayOut();
    void PlaceSourceRow();
    void ShowSourceCount();
    void ShowWavelength();
    void DrawWaveField();
    void DrawWaveFieldForNewSetting();
    void DrawWaveFieldAfresh();
    void ScanAmplitude(ui::Single x);
    void PlotAmplitude(huygens::AmplitudeSample sample);
    void MovePhasorBox(ui::Single x, ui::Single y);
    void DrawRays(ui::Single x, ui::Single y);
    void ComputePhases(ui::Single x, ui::Single y);
    void DrawPhasorChain(ChainForm form);
    void StartPhasorChain(ChainForm form);
    void FinishPhasorChain();
    void DrawPhasorColumn(ColumnForm form);
    void DrawPlotAgain();
    void DrawPhasorBoxAgain();
    void MoveKeyCursor(double dx, double dy);
    void PlaceKeyCursor(double x, double y);

    // A counted loop over a window variable: the bound is fixed when the loop
    // starts, the counter is read anew at every step, so a handler nested in
    // the body that runs the same loop leaves the counter at its own end.
    template <typename Body>
    static void countUp(ui::Integer& counter, ui::Integer first, ui::Integer last, ui::Integer step,
                        Body body) {
        for (counter = first; counter <= last; counter = ui::add(counter, step))
            body();
    }

    // What the phasor box shows, to draw it again in a new weight: the chain
    // drawn last and the columns drawn over it since, all from sourcePhase.
    struct PhasorBoxPicture {
        std::optional<ChainForm> chain;
        bool clickColumn = false, centredColumn = false;
    };
    PhasorBoxPicture phasorBoxShown_;

    ui::Shell& shell_;
};
