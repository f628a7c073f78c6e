#include "app/results/EventListModel.h"

#include <QBrush>
#include <QColor>

#include "debrief/ElapsedTime.h"

namespace loopsim {
namespace {

QColor kindColour(EventKind kind) {
    switch (kind) {
        case EventKind::Failure:
        case EventKind::Cleared:
            return QColor(0xc0, 0x20, 0x20);
        case EventKind::Warning:
            return QColor(0xa0, 0x60, 0x00);
        case EventKind::Instructor:
            return QColor(0x70, 0x30, 0xa0);
        case EventKind::Trainee:
            return QColor(0x1f, 0x5f, 0xbf);
        case EventKind::Unit:
            break;
    }
    return QColor(0x40, 0x40, 0x40);
}

QString text(std::string_view view) {
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

}  // namespace

EventListModel::EventListModel(QObject* parent) : QAbstractTableModel(parent) {}

void EventListModel::showEvents(const std::vector<ListedEvent>* events) {
    beginResetModel();
    events_ = events;
    endResetModel();
}

const ListedEvent* EventListModel::event(int row) const {
    if (!events_ || row < 0 || row >= rowCount())
        return nullptr;
    return &(*events_)[static_cast<std::size_t>(row)];
}

int EventListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !events_ ? 0 : static_cast<int>(events_->size());
}

int EventListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant EventListModel::data(const QModelIndex& index, int role) const {
    const ListedEvent* shown = event(index.row());
    if (!shown)
        return {};
    if (role == Qt::ForegroundRole)
        return QBrush(kindColour(shown->kind));
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    switch (index.column()) {
        case TimeColumn:
            return text(formatElapsed(shown->time));
        case KindColumn:
            return text(eventKindName(shown->kind));
        case WhatColumn:
            return text(shown->what);
        default:
            return {};
    }
}

QVariant EventListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
        case TimeColumn:
            return QStringLiteral("Time");
        case KindColumn:
            return QStringLiteral("Kind");
        case WhatColumn:
            return QStringLiteral("What");
        default:
            return {};
    }
}

}  // namespace loopsim
