// The drill's pass marks in the results viewer's Debrief panel, each with pass or fail and
// the figure it was judged by; or why a drilled session has no marks. Hidden for a session
// without a drill.
#pragma once

#include <QGroupBox>
#include <optional>

#include "app/results/DrillMarks.h"

class QLabel;
class QTableWidget;

namespace loopsim {

class PassMarksPanel : public QGroupBox {
    Q_OBJECT

  public:
    explicit PassMarksPanel(QWidget* parent = nullptr);

    void showMarks(const std::optional<DrillMarks>& marks);

    QTableWidget* table() const { return table_; }
    QLabel* note() const { return note_; }

  private:
    QTableWidget* table_;
    QLabel* note_;
};

}  // namespace loopsim
