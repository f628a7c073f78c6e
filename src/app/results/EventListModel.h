// The debrief's list of events as a table for a view: time (mm:ss), kind and what, each row
// tinted by kind as the report tints it. A view over thousands of events stays quick, as
// rows are made only when shown.
#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "debrief/EventList.h"

namespace loopsim {

class EventListModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { TimeColumn, KindColumn, WhatColumn, ColumnCount };

    explicit EventListModel(QObject* parent = nullptr);

    // The events must stay alive while the model shows them.
    void showEvents(const std::vector<ListedEvent>* events);
    const ListedEvent* event(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    const std::vector<ListedEvent>* events_ = nullptr;
};

}  // namespace loopsim
