#include "app/results/DebriefPanel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/results/EventListModel.h"
#include "app/results/GradeColour.h"
#include "app/results/PassMarksPanel.h"
#include "app/results/SessionDebrief.h"

namespace loopsim {
namespace {

constexpr int kMarkSize = 12;

QIcon markIcon(Grade grade) {
    QPixmap mark(kMarkSize, kMarkSize);
    mark.fill(Qt::transparent);
    QPainter painter(&mark);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradeColour(grade));
    painter.drawEllipse(QRectF(1, 1, kMarkSize - 2, kMarkSize - 2));
    return QIcon(mark);
}

QString text(const std::string& text) {
    return QString::fromStdString(text);
}

template <typename View>
void tidyTable(View* view) {
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setStretchLastSection(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setWordWrap(false);
}

}  // namespace

DebriefPanel::DebriefPanel(QWidget* parent) : QGroupBox(QStringLiteral("Debrief"), parent) {
    setObjectName(QStringLiteral("DebriefPanel"));
    trainee_ = new QLineEdit(this);
    trainee_->setObjectName(QStringLiteral("TraineeName"));
    trainee_->setPlaceholderText(QStringLiteral("for the report's heading"));
    auto* save = new QPushButton(QStringLiteral("Save report…"), this);
    save->setObjectName(QStringLiteral("SaveReport"));
    save->setToolTip(QStringLiteral("Save the debrief as an HTML page or a PDF document"));
    connect(save, &QPushButton::clicked, this, &DebriefPanel::saveReportRequested);
    auto* traineeRow = new QHBoxLayout;
    traineeRow->addWidget(new QLabel(QStringLiteral("Trainee"), this));
    traineeRow->addWidget(trainee_, 1);
    traineeRow->addWidget(save);

    auto* cellsRow = new QHBoxLayout;
    cellsRow->addWidget(new QLabel(QStringLiteral("Cells on the chart:"), this));
    for (int cell = 0; cell < 3; ++cell) {
        cells_[cell] = new QCheckBox(QStringLiteral("Cell %1").arg(cell + 1), this);
        cells_[cell]->setObjectName(QStringLiteral("ShowCell%1").arg(cell + 1));
        connect(cells_[cell], &QCheckBox::toggled, this,
                [this, cell](bool shown) { emit cellShown(cell, shown); });
        cellsRow->addWidget(cells_[cell]);
    }
    cellsRow->addStretch(1);

    metrics_ = new QTableWidget(0, 2, this);
    metrics_->setObjectName(QStringLiteral("Metrics"));
    metrics_->setHorizontalHeaderLabels({QStringLiteral("How it went"), QStringLiteral("Value")});
    tidyTable(metrics_);
    metrics_->setIconSize(QSize(kMarkSize, kMarkSize));
    metrics_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    metrics_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    metrics_->horizontalHeader()->setStretchLastSection(false);

    eventModel_ = new EventListModel(this);
    events_ = new QTableView(this);
    events_->setObjectName(QStringLiteral("Events"));
    events_->setModel(eventModel_);
    tidyTable(events_);
    events_->horizontalHeader()->setSectionResizeMode(EventListModel::TimeColumn,
                                                      QHeaderView::ResizeToContents);
    events_->horizontalHeader()->setSectionResizeMode(EventListModel::KindColumn,
                                                      QHeaderView::ResizeToContents);
    events_->setToolTip(QStringLiteral("Choose an event to see its time on the chart"));
    connect(events_, &QTableView::clicked, this,
            [this](const QModelIndex& index) { selectEventAt(index.row()); });
    connect(events_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { selectEventAt(current.row()); });

    auto* lists = new QSplitter(Qt::Vertical, this);
    lists->addWidget(metrics_);
    passMarks_ = new PassMarksPanel(this);
    lists->addWidget(passMarks_);
    lists->addWidget(events_);
    lists->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(traineeRow);
    layout->addLayout(cellsRow);
    layout->addWidget(lists, 1);
}

void DebriefPanel::showDebrief(const SessionDebrief& debrief) {
    metrics_->setRowCount(static_cast<int>(debrief.metrics.size()));
    int row = 0;
    for (const Metric& metric : debrief.metrics) {
        auto* label = new QTableWidgetItem(markIcon(metric.grade), text(metric.label));
        label->setData(Qt::UserRole, text(std::string(gradeName(metric.grade))));
        label->setToolTip(QStringLiteral("%1 (%2)").arg(
            text(metric.name), text(std::string(gradeName(metric.grade)))));
        auto* value = new QTableWidgetItem(text(metricValueText(metric)));
        value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        metrics_->setItem(row, 0, label);
        metrics_->setItem(row, 1, value);
        ++row;
    }
    passMarks_->showMarks(debrief.drill);
    eventModel_->showEvents(&debrief.events);
    for (QCheckBox* cell : cells_)
        cell->setChecked(false);
}

QString DebriefPanel::traineeName() const {
    return trainee_->text().trimmed();
}

void DebriefPanel::setTraineeName(const QString& name) {
    trainee_->setText(name);
}

void DebriefPanel::chooseEventFrom(double second) {
    for (int row = 0; const ListedEvent* event = eventModel_->event(row); ++row) {
        if (static_cast<double>(event->time) / 1000 >= second) {
            const QModelIndex index = eventModel_->index(row, EventListModel::WhatColumn);
            events_->scrollTo(index, QAbstractItemView::PositionAtCenter);
            events_->setCurrentIndex(index);
            return;
        }
    }
}

void DebriefPanel::selectEventAt(int row) {
    if (const ListedEvent* event = eventModel_->event(row))
        emit timeSelected(static_cast<double>(event->time) / 1000);
}

}  // namespace loopsim
