// The drills the trainee can start, each by its file's title; choosing one shows its briefing
// (never the instructor's notes nor the failures planned). A file with an error is listed
// with it (the file, the line, what is wrong) and cannot be started. Start accepts the
// dialog with the chosen drill; the session then ends as Exit ends it and the drill starts
// on a fresh simulation, as the dialog says.
#pragma once

#include <QDialog>
#include <vector>

#include "app/session/DrillFiles.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace loopsim {

inline constexpr const char* kDrillsTitle = "Drills";

class DrillsDialog : public QDialog {
    Q_OBJECT

  public:
    // The files found in the folders, which the dialog names for the user's own drills.
    DrillsDialog(std::vector<DrillFile> files, const std::vector<std::filesystem::path>& folders,
                 QWidget* parent = nullptr);

    // The drill chosen, when it can start.
    const DrillFile* chosen() const;

    QListWidget* list() const { return list_; }
    QPlainTextEdit* briefing() const { return briefing_; }
    QPushButton* startButton() const { return start_; }

  private:
    void showDrill(int row);

    std::vector<DrillFile> files_;
    QListWidget* list_;
    QLabel* title_;
    QPlainTextEdit* briefing_;
    QPushButton* start_;
};

}  // namespace loopsim
