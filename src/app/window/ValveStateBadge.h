// A valve's state in view at all times. The unit's own badge under a cylinder shows OPEN or
// OFF for a few seconds after a click; this quieter badge lies under it and keeps saying the
// valve's state once the unit's badge has gone. It takes the state from the unit's badge text,
// which every change of the valve writes, and lets the pointer through as if it were not there.
#pragma once

#include <QWidget>

namespace loopsim {

class ValveStateBadge : public QWidget {
    Q_OBJECT

  public:
    explicit ValveStateBadge(const char* unitBadge);

    // The unit's badge text: "OPEN", or "OFF" ("CLOSED" before the first click).
    void showState(const QString& unitBadgeText);
    bool open() const { return open_; }
    QString text() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool open_ = false;
};

}  // namespace loopsim
