#pragma once
// Shared test fixture and input helpers. Every test runs a fresh program life
// on the offscreen screen of 1920 x 1080 pixels (28800 x 16200 twips).

#include "app/app.h"
#include "ui/runtime.h"
#include "ui/surface.h"

#include <QPoint>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

// Starts the program like main() does (menu window loaded and shown), with
// frame pacing off; fails the test if Qt printed a warning.
class AppTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::unique_ptr<App> app;
};

// Qt warnings printed since the last call.
QStringList takeQtWarnings();

// The widget-local pixel of a user-unit point on a surface.
QPoint pixelAt(const ui::Surface& surface, double x, double y);

// Mouse input delivered at once to a widget, as the window system would.
// `held` is the set of buttons down after the event.
void mousePress(QWidget* widget, Qt::MouseButton button, QPoint pos, Qt::MouseButtons held = {},
                Qt::KeyboardModifiers modifiers = {});
void mouseRelease(QWidget* widget, Qt::MouseButton button, QPoint pos, Qt::MouseButtons held = {});
void mouseMove(QWidget* widget, QPoint pos, Qt::MouseButtons held);
void leftClick(QWidget* widget, QPoint pos = {}); // press and release; the centre by default

// The same, posted: handled at the next event processing (for example a
// DoEvents inside a running drawing loop).
void postMousePress(QWidget* widget, Qt::MouseButton button, QPoint pos,
                    Qt::MouseButtons held = {});
void postMouseRelease(QWidget* widget, Qt::MouseButton button, QPoint pos,
                      Qt::MouseButtons held = {});
void postMouseMove(QWidget* widget, QPoint pos, Qt::MouseButtons held);
void postLeftClick(QWidget* widget, QPoint pos = {});

// Runs `action` inside the n-th DoEvents from now (1 = the next one), once.
void atEventProcessing(long n, std::function<void()> action);
