#include "windows/common/converter_window.h"

#include "window_services/hover_button.h"
#include "window_services/ontop_notontop_less.h"
#include "window_services/qt_magnetic_dock.h"
#include "windows/common/layout.h"

#include <QGroupBox>

namespace radixon {

namespace {

constexpr Qt::WindowFlags titleBarWithClose = Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                              | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// Client area: the frames keep a 90-twip margin to the window's edges.
const int clientWidth = twipsToPixels(2760);
const int closedHeight = twipsToPixels(90 + 2805 + 90);
const int openHeight = twipsToPixels(2970 + 1095 + 90);

} // namespace

ConverterWindow::ConverterWindow(CompanionHost &host, Companion which, const Design &design)
    : CompanionWindow(host, which, titleBarWithClose), design(design)
{
    Frame1 = place(new QGroupBox(this), "Frame1", twipsRect(90, 90, design.frameWidth, 2805));
    Check5 = placeCheckBox(Frame1, "Check5", twipsRect(180, 2475, design.optionsWidth, 195));
    Frame2 = place(new QGroupBox(this), "Frame2", twipsRect(90, 2970, design.frameWidth, 1095));
    Check3 = placeCheckBox(Frame2, "Check3", twipsRect(135, 225, 2010, 240));
    Check2 = placeCheckBox(Frame2, "Check2", twipsRect(135, 495, 1500, 240));
    Check1 = placeCheckBox(Frame2, "Check1", twipsRect(135, 810, 1950, 240));
    // Docking is always on; the box only shows that it cannot be turned off.
    Check2->setEnabled(false);
    // Designed with the options frame in view; the load sequence opens it.
    setFixedSize(clientWidth, openHeight);
}

void ConverterWindow::finishCreation(QAbstractButton *calculate)
{
    connect(Check1, &QCheckBox::toggled, this, &ConverterWindow::switchLanguage);
    connect(Check3, &QCheckBox::toggled, this, [this](bool ticked) { followOnTopBox(this, ticked); });
    connect(Check5, &QCheckBox::toggled, this, &ConverterWindow::showOptionsFrame);
    enableHover(Check5);
    enableHover(calculate);
    applyTexts(this, design.texts, design.textCount, false);
    host.dock().enableDragAnywhere(this, {Frame1, Frame2});
}

void ConverterWindow::beginLoad(QPoint topLeft)
{
    registerWithDock();
    move(topLeft);
    playOpenEffect();
    Check5->setChecked(true);
}

void ConverterWindow::followMainWindow()
{
    if (!host.greek())
        return;
    Check1->setChecked(true);
    if (host.alwaysOnTop())
        Check3->setChecked(true);
}

void ConverterWindow::showOptionsFrame(bool open)
{
    // Hidden as well as cut off, so that Tab does not reach its boxes.
    Frame2->setVisible(open);
    setFixedHeight(open ? openHeight : closedHeight);
    numberField()->setFocus();
}

void ConverterWindow::switchLanguage()
{
    const bool greek = Check1->isChecked();
    applyTexts(this, design.texts, design.textCount, greek);
    languageSwitched(greek);
}

} // namespace radixon
