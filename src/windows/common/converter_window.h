#pragma once

#include "windows/common/companion_window.h"
#include "windows/common/window_texts.h"
#include "windows/common/working_source.h"

class QAbstractButton;
class QCheckBox;
class QGroupBox;
class QLineEdit;

namespace radixon {

// What the two conversion windows share: a converter frame above and an options
// frame below, with the window's own "Always On Top" box, a greyed "Dock" box and
// the window's own language box; "Options" in the converter frame shows or hides
// the options frame by making the window taller or shorter.
class ConverterWindow : public CompanionWindow {
    Q_OBJECT
protected:
    struct Design {
        const char *context; // of the texts in the catalogues
        const TextRow *texts;
        int textCount;
        int frameWidth;   // twips, both frames
        int optionsWidth; // twips, the "Options" box
    };

    ConverterWindow(CompanionHost &host, const Design &design);

    // Once the derived window has placed its controls in m_converterFrame: wires the options,
    // writes the English texts and lets the surface and frames drag the window.
    void finishCreation(QAbstractButton *calculate);

    // The load sequence: registration, place, open effect, options frame shown,
    // `beforeLanguage`, then the main window's language and, only when that is
    // Greek, its on-top state.
    template <class Step>
    void loadAt(QPoint topLeft, Step beforeLanguage)
    {
        beginLoad(topLeft);
        beforeLanguage();
        followMainWindow();
    }

    // Lets F2 in `fields` and the result field's menu open the working window.
    void offerWorking(QLineEdit *resultField, std::initializer_list<QWidget *> fields);

    // After the window's language changed and the texts were written.
    virtual void languageSwitched() = 0;
    // The window's own language: the main window's when it opened, then its own box's.
    const Language &language() const { return *m_language; }
    // The field that takes the focus when the options frame opens or closes.
    virtual QWidget *numberField() const = 0;

    QGroupBox *m_converterFrame = nullptr;
    QCheckBox *m_optionsBox = nullptr;
    QGroupBox *m_optionsPanel = nullptr;
    QCheckBox *m_onTopBox = nullptr;
    QCheckBox *m_dockBox = nullptr;
    QCheckBox *m_languageBox = nullptr;
    WorkingSource *m_workingSource = nullptr;

private:
    void beginLoad(QPoint topLeft);
    void followMainWindow();
    void showOptionsFrame(bool open);
    void setLanguage(const Language &language);
    void writeTexts();

    const Design m_design;
    const Language *m_language = &Language::english();
};

} // namespace radixon
