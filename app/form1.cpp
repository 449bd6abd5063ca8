#include "app/form1.h"

#include "app/app.h"

namespace {

const ui::Font titleFont{18, true};
const ui::Font textFont{12, true};

const QString phasorText =
    "Das Programm erläutert den Begriff  des Phasenzeigers einer Sinuswelle. Seine Stellung "
    "wird in Abhängigkeit von Zeit und Ort dargestellt. Mit Hilfe der Vektorsumme von "
    "Phasenzeigern kann die Superposition von zwei gegen- einander verschobenen Wellen "
    "berechnet werden.";

const QString huygensText =
    "Das Programm zeigt, wie aus einer Schar von Elementarwellen und und ihren Einhüllenden  "
    "das Momentbild eines Wellenfeldes entsteht." +
    QString(24, ' ') +
    "Durch Anwendung des Zeigerformalismus auf die Elementarwellen und Summation der "
    "Phasenzeiger lassen sich genauere Informationen über das  Wellenfeld gewinnen, z.B. "
    "Amplitudenspektren längs eines vorgegebenen Schnittes.";

} // namespace

Form1::Form1(App& app)
    : ui::Form({"Huyghenssches Prinzip - Zeigerformalismus",
                ui::RGB(255, 255, 128),
                8625,
                8340,
                {8.25, true},
                "Form1"}),
      app_(app) {}

void Form1::buildLayout() {
    auto& w = window();
    Label1 = addLabel(w, {1320, 120, 5775, 975}, "Huyghenssches Prinzip und  Zeigerformalismus.",
                      titleFont);
    Command1 = addButton(w, {480, 3960, 2295, 615}, "Huyghenssches Prinzip", windowFont());
    Command2 = addButton(w, {600, 1200, 2295, 615}, "Zeigerformalismus", windowFont());
    Label2 = addLabel(w, {3000, 1200, 4935, 2535}, phasorText, textFont);
    Label3 = addLabel(w, {2880, 3960, 5175, 3375}, huygensText, textFont);
    Command3 = addButton(w, {480, 7440, 2175, 615}, "Ende", windowFont());

    Command1->onClick = handler("Command1_Click", [this] { Command1_Click(); });
    Command2->onClick = handler("Command2_Click", [this] { Command2_Click(); });
    Command3->onClick = handler("Command3_Click", [this] { Command3_Click(); });
    installKeys();
}

void Form1::Form_Load() {
    Move(1, 1);
}

void Form1::Command1_Click() {
    app_.form3().Show();
}

void Form1::Command2_Click() {
    app_.form2().Show();
    Hide();
}

void Form1::Command3_Click() {
    app_.shutDown();
}

void Form1::Form_Unload(ui::Integer&) {
    app_.shutDown();
}
