#pragma once
// The phasor window: two travelling sine waves W1 and W2 and their sum as rows
// of bars in Picture1, and the phasors of both waves at the probe point in
// Picture2, animated or still.
//
// The window variables are shared by all handlers, also by those that run
// nested inside the animation's event processing; every routine reads them
// anew at each use, so a nested change takes effect at the next step.

#include "ui/form.h"
#include "ui/numeric.h"
#include "ui/shell.h"

class Form2 : public ui::Form {
public:
    explicit Form2(ui::Shell& shell);

    // Controls, in tab order.
    ui::ControlPtr<ui::PictureBox> Picture1; // the wave rows
    ui::ControlPtr<ui::PictureBox> Picture2; // the phasors at the probe point
    ui::ControlPtr<ui::PushButton> Command1; // start / back to the menu
    ui::ControlPtr<ui::PushButton> Command2; // W2 on/off
    ui::ControlPtr<ui::PushButton> Command3; // sum on/off
    ui::ControlPtr<ui::HScrollBar> HScroll1; // wavelength
    ui::ControlPtr<ui::HScrollBar> HScroll2; // speed
    ui::ControlPtr<ui::PushButton> Command4; // pointers / vector sum
    ui::ControlPtr<ui::HScrollBar> HScroll3; // phase shift
    ui::ControlPtr<ui::Label> Label1;
    ui::ControlPtr<ui::Label> Label2;
    ui::ControlPtr<ui::Label> Label3;
    ui::ControlPtr<ui::Label> Label4;        // inside Picture1
    ui::ControlPtr<ui::Label> Label5;        // state of W1
    ui::ControlPtr<ui::Label> Label6;        // state of W2
    ui::ControlPtr<ui::Label> Label7;        // state of the sum
    ui::ControlPtr<ui::TextBox> Text1;       // wavelength
    ui::ControlPtr<ui::TextBox> Text2;       // phase shift
    ui::ControlPtr<ui::TextBox> Text3;       // speed
    ui::ControlPtr<ui::Label> Label8;        // inside Picture2: what it shows
    ui::ControlPtr<ui::PushButton> Command5; // inside Picture2: "---->"
    ui::ControlPtr<ui::PushButton> Command6; // inside Picture2: "<----"

    using PointTable = ui::Table<ui::Single, 201>;

    // Window state. Several flags mean "off" when 1.
    ui::Integer wavelengthSteps = 0;
    ui::Integer pointIndex = 0; // the loop counter of every loop over the points
    ui::Integer probeIndex = 0; // not limited to the wave: the mouse can set any value
    ui::Integer shiftSteps = 0;
    ui::Integer pointCount = 0;
    ui::Integer pointSpacing = 0;
    PointTable wave1X, wave1Base;
    PointTable wave2X, wave2Base;
    PointTable sumX, sumBase;
    ui::Single piValue = 0;
    ui::Single timePhase = 0;
    ui::Double phasePerStep = 0;
    ui::Single amplitude = 0;
    ui::Single phaseStep = 0;
    ui::Integer stoppedFlag = 0;
    ui::Integer wave2Hidden = 0;
    ui::Integer sumHidden = 0;
    ui::Integer vectorSumMode = 0;
    ui::Integer pointerMode = 0; // always 1 − vectorSumMode
    ui::Single phase1 = 0, phase2 = 0;
    ui::Single cos1 = 0, sin1 = 0;
    ui::Single cos2 = 0, sin2 = 0;
    ui::Single tip1X = 0, tip1Y = 0;
    ui::Single tipSumX = 0, tipSumY = 0;
    ui::Single speedFactor = 0;

    // Event handlers.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void HScroll1_Change();
    void HScroll2_Change();
    void HScroll3_Change();
    void Command5_MouseDown(ui::Integer button, ui::Integer shift, ui::Single x, ui::Single y);
    void Command6_Click();
    void Picture1_MouseDown(ui::Integer button, ui::Integer shift, ui::Single x, ui::Single y);
    void Picture1_MouseMove(ui::Integer button, ui::Integer shift, ui::Single x, ui::Single y);
    void Picture1_KeyDown(ui::Integer key, ui::Integer shift);
    void LineWeight_Change() override;
    void WorkArea_Change() override;

protected:
    void buildLayout() override;
    void Form_Load() override;
    void Form_Unload(ui::Integer& cancel) override;

private:
    void connectHandlers();
    void installKeys();
    void LayOut();
    void placeControlsInPhasorBox();
    void fillPointTables();

    // The animation and the parts of one frame.
    void AnimateWaves();
    void ComputeProbeValues();
    void DrawProbeBars();
    void DrawPhasorDiagram();
    void DrawPointerPicture();
    void DrawVectorSumPicture();
    void DrawWaveBars();
    void DrawWavePoint();
    void DrawWaveBarsAt(const char* routine); // the grey bars of pointIndex at phase1, phase2
    void EraseProbeBars();

    // Still pictures.
    void RedrawWaves();
    void RedrawWavePoint();
    void PlaceProbeBox();
    void ShowProbePhasors();
    void ChooseProbeAt(ui::Integer button, ui::Single x);
    void MoveProbeTo(ui::Integer point);

    // A new line weight: the pictures on screen drawn again in it.
    void DrawLastFrameRows();
    void DrawPhasorBoxAgain();

    ui::Shell& shell_;
    // What the two pictures show, so that a new weight can draw it again.
    enum class Shown { Nothing, Frame, Still };
    Shown rowsShown_ = Shown::Nothing;      // Picture1: the last frame or the still rows
    Shown phasorBoxShown_ = Shown::Nothing; // Picture2: the last frame's or the still pointers
};
