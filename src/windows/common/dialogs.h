#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace radixon {

// Every message box and file dialog of the program goes through this interface, so
// that tests can answer them without a person.
class Dialogs {
public:
    enum class Icon { None, Information };

    virtual ~Dialogs() = default;

    // A message with a single OK button.
    virtual void inform(QWidget *parent, const QString &title, const QString &text, Icon icon) = 0;
    // A Yes/No question, Yes being the default button, no icon. True for Yes.
    virtual bool askYesNo(QWidget *parent, const QString &title, const QString &text) = 0;
    // The save-file dialog; it asks before overwriting. Nothing when cancelled.
    virtual std::optional<QString> saveFileName(QWidget *parent, const QString &title,
                                                const QString &defaultName,
                                                const QString &filter) = 0;
};

// The real dialogs of the desktop.
class QtDialogs final : public Dialogs {
public:
    void inform(QWidget *parent, const QString &title, const QString &text, Icon icon) override;
    bool askYesNo(QWidget *parent, const QString &title, const QString &text) override;
    std::optional<QString> saveFileName(QWidget *parent, const QString &title,
                                        const QString &defaultName, const QString &filter) override;
};

} // namespace radixon
