#include "windows/common/converter_window.h"

#include "window_services/always_on_top.h"
#include "window_services/hover_highlight.h"
#include "window_services/qt_magnetic_dock.h"
#include "windows/common/converter_names.h"
#include "windows/common/converter_texts.h"
#include "windows/common/layout.h"

#include <QGroupBox>

namespace radixon {

namespace {

constexpr Qt::WindowFlags titleBarWithClose = Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                              | Qt::WindowSystemMenuHint
                                              | Qt::WindowCloseButtonHint;

// Client area: the frames keep a 90-twip margin to the window's edges.
const int clientWidth = twipsToPixels(2760);
const int closedHeight = twipsToPixels(90 + 2805 + 90);
const int openHeight = twipsToPixels(2970 + 1095 + 90);

} // namespace

ConverterWindow::ConverterWindow(CompanionHost &host, const Design &design)
    : CompanionWindow(host, titleBarWithClose), m_design(design)
{
    m_converterFrame = place(new QGroupBox(this), converter::name::converterFrame,
                             twipsRect(90, 90, m_design.frameWidth, 2805));
    m_optionsBox = placeCheckBox(m_converterFrame, converter::name::optionsBox,
                                 twipsRect(180, 2475, m_design.optionsWidth, 195));
    m_optionsPanel = place(new QGroupBox(this), converter::name::optionsPanel,
                           twipsRect(90, 2970, m_design.frameWidth, 1095));
    m_onTopBox =
        placeCheckBox(m_optionsPanel, converter::name::onTopBox, twipsRect(135, 225, 2010, 240));
    m_dockBox =
        placeCheckBox(m_optionsPanel, converter::name::dockBox, twipsRect(135, 495, 1500, 240));
    m_languageBox =
        placeCheckBox(m_optionsPanel, converter::name::languageBox, twipsRect(135, 810, 1950, 240));
    // Docking is always on; the box only shows that it cannot be turned off.
    m_dockBox->setEnabled(false);
    // Designed with the options frame in view; the load sequence opens it.
    setClientSize(this, {clientWidth, openHeight});
}

void ConverterWindow::finishCreation(QAbstractButton *calculate)
{
    connect(m_languageBox, &QCheckBox::toggled, this,
            [this](bool ticked) { setLanguage(languageOfBox(ticked)); });
    connect(m_onTopBox, &QCheckBox::toggled, this,
            [this](bool ticked) { setAlwaysOnTop(this, ticked); });
    connect(m_optionsBox, &QCheckBox::toggled, this, &ConverterWindow::showOptionsFrame);
    enableHover(m_optionsBox);
    enableHover(calculate);
    writeTexts();
    m_host.dock().enableDragAnywhere(this, {m_converterFrame, m_optionsPanel});
}

void ConverterWindow::offerWorking(QLineEdit *resultField, std::initializer_list<QWidget *> fields)
{
    m_workingSource = new WorkingSource(m_host, resultField, fields);
    m_workingSource->setLanguage(language());
}

void ConverterWindow::beginLoad(QPoint topLeft)
{
    registerWithDock();
    move(topLeft);
    playOpenEffect();
    m_optionsBox->setChecked(true);
}

void ConverterWindow::followMainWindow()
{
    const Language &language = m_host.language();
    if (&language == &Language::ticked()) {
        m_languageBox->setChecked(true);
        if (m_host.alwaysOnTop())
            m_onTopBox->setChecked(true);
    } else if (&language != &Language::english()) {
        setLanguage(language); // the box stays cleared: it ticks the start language only
    }
}

void ConverterWindow::showOptionsFrame(bool open)
{
    // Hidden as well as cut off, so that Tab does not reach its boxes.
    m_optionsPanel->setVisible(open);
    setClientHeight(this, open ? openHeight : closedHeight);
    numberField()->setFocus();
}

void ConverterWindow::setLanguage(const Language &language)
{
    m_language = &language;
    writeTexts();
    m_workingSource->setLanguage(language);
    languageSwitched();
}

void ConverterWindow::writeTexts()
{
    applyTexts(this, converter::context, converter::texts, language());
    applyTexts(this, m_design.context, m_design.texts, m_design.textCount, language());
}

} // namespace radixon
