#pragma once

#include "windows/common/companion_window.h"
#include "windows/common/working_offer.h"

#include <QPointer>

class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;
class QVBoxLayout;

namespace radixon {

class WorkingModel;

// The steps of the last calculation of the window that asked for them, for learners:
// the division table or the digit-by-weight sum, the line that reads the result off
// it and, for the main window's octal and hexadecimal, the way through binary. It
// follows that window's calculations and language until another window asks.
class WorkingWindow : public CompanionWindow {
    Q_OBJECT
public:
    explicit WorkingWindow(CompanionHost &host);

    void load() override;
    // Shows `offer`'s working from now on; the first time, opens beside its window.
    void follow(WorkingOffer &offer);

private:
    void createControls();
    void showOffer();
    // The result read off the working; a long sum in brief unless asked in full.
    QString readingLine(bool inFull) const;
    void fitColumns();
    // The binary groups the working shows: for octal and hexadecimal from the main window.
    std::vector<BinaryGroup> groups() const;
    void showGroups();
    QTableWidget *groupsTable();
    void copyWorking();

    QPointer<WorkingOffer> m_offer;
    // What is shown, kept when the window that offered it has gone.
    Working m_working;
    const Language *m_language = &Language::english();
    bool m_throughBinary = false;
    bool m_placed = false;
    WorkingModel *m_model = nullptr;
    QTableView *m_table = nullptr;
    QLabel *m_readingLine = nullptr;
    QLabel *m_throughBinaryLabel = nullptr;
    QVBoxLayout *m_layout = nullptr;
    QTableWidget *m_groupsTable = nullptr;
    QPushButton *m_copyButton = nullptr;
};

} // namespace radixon
