// The Debrief panel beside the results viewer's chart: the trainee's name for the report and
// the button that saves it, switches for the master handset's cells on the chart, the
// metrics each with its mark (green, amber, red, or grey for a note), and the list of events,
// where choosing one selects its time on the chart.
#pragma once

#include <QGroupBox>
#include <array>

class QCheckBox;
class QLineEdit;
class QTableView;
class QTableWidget;

namespace loopsim {

class EventListModel;
class PassMarksPanel;
struct SessionDebrief;

class DebriefPanel : public QGroupBox {
    Q_OBJECT

  public:
    explicit DebriefPanel(QWidget* parent = nullptr);

    // The debrief must stay alive while the panel shows it.
    void showDebrief(const SessionDebrief& debrief);
    QString traineeName() const;
    void setTraineeName(const QString& name);
    // Chooses the first event at or after the second, as a click on it would.
    void chooseEventFrom(double second);

    QTableWidget* metricsTable() const { return metrics_; }
    QTableView* eventsView() const { return events_; }
    PassMarksPanel* passMarks() const { return passMarks_; }

  signals:
    void timeSelected(double second);
    void cellShown(int cell, bool shown);
    void saveReportRequested();

  private:
    void selectEventAt(int row);

    QLineEdit* trainee_;
    QTableWidget* metrics_;
    PassMarksPanel* passMarks_;
    QTableView* events_;
    EventListModel* eventModel_;
    std::array<QCheckBox*, 3> cells_{};
};

}  // namespace loopsim
