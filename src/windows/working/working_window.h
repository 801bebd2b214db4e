#pragma once

#include "windows/common/companion_window.h"
#include "windows/common/working_source.h"
#include "windows/working/working_text.h"

#include <QPointer>

#include <climits>

class QLabel;
class QPushButton;
class QTableView;
class QVBoxLayout;

namespace radixon {

class GroupsTable;
class WorkingModel;
class WrappingLabel;

// The steps of the last calculation of the window that asked for them, for learners:
// what is converted and how, the division table or the digit-by-weight sum, the
// multiplication of a fraction, the line that reads the result off them and, for the
// main window's octal and hexadecimal, the way through binary; or why the calculation
// gave nothing. It follows that window's calculations and language until another
// window asks, and is as large as what it shows.
class WorkingWindow : public CompanionWindow {
    Q_OBJECT
public:
    explicit WorkingWindow(CompanionHost &host);

    void load() override;
    // Shows `source`'s working from now on and takes the keyboard; the first time, opens
    // beside its window.
    void follow(WorkingSource &source) override;

private:
    void createControls();
    void showSource();
    // The step the source marks, if any: for a practice answer's working.
    std::optional<WorkingStep> markedStep() const;
    // The row or group of `table` that the source marks, or -1.
    int markedIn(WorkingStep::Table table) const;
    bool groupsOnly() const;
    WorkingLines markedLines(WorkingLines lines) const;
    QTableView *newTable(const char *name);
    QTableView *fractionTable();
    // Columns as wide as their widest text; returns the table's width.
    int fitColumns(QTableView *table, const WorkingModel &model);
    struct TableInView {
        QTableView *table;
        int rows;    // in view
        int columns; // their width, with a scroll bar's beside them where rows are out of view
    };
    struct ContentFit {
        std::vector<TableInView> tables;
        int width; // that the tables ask for
    };
    ContentFit fitColumns();
    void fitToContent() { fitToContent(fitColumns()); }
    void fitToContent(const ContentFit &fit);
    // The binary groups the working shows: for octal and hexadecimal from the main window.
    std::vector<BinaryGroup> groups() const;
    // `marked` is the group shown marked, or -1.
    void showGroups(int marked);
    GroupsTable *groupsTable();
    void copyWorking();
    void giveKeyboardBack();

    QPointer<WorkingSource> m_source;
    // What is shown, kept when the window that offered it has gone.
    Working m_working;
    const Language *m_language = &Language::english();
    bool m_throughBinary = false;
    bool m_placed = false;
    int m_widthLimit = INT_MAX; // the room beside the asker

    QWidget *m_body = nullptr;
    QVBoxLayout *m_layout = nullptr;
    WrappingLabel *m_heading = nullptr;
    WorkingModel *m_model = nullptr;
    QTableView *m_table = nullptr;
    WorkingModel *m_fractionModel = nullptr;
    QTableView *m_fractionTable = nullptr;
    WrappingLabel *m_readingLine = nullptr;
    WrappingLabel *m_notes = nullptr;
    QLabel *m_throughBinaryLabel = nullptr;
    GroupsTable *m_groupsTable = nullptr;
    QPushButton *m_copyButton = nullptr;
    QPushButton *m_practiseButton = nullptr;
};

} // namespace radixon
