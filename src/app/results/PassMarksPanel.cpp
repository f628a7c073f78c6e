#include "app/results/PassMarksPanel.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/results/GradeColour.h"

namespace loopsim {
namespace {

QTableWidgetItem* cell(const QString& text, Qt::Alignment alignment = Qt::AlignLeft) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

}  // namespace

PassMarksPanel::PassMarksPanel(QWidget* parent) : QGroupBox(QStringLiteral("Pass marks"), parent) {
    setObjectName(QStringLiteral("PassMarksPanel"));
    table_ = new QTableWidget(0, 3, this);
    table_->setObjectName(QStringLiteral("PassMarks"));
    table_->setHorizontalHeaderLabels(
        {QStringLiteral("Mark"), QStringLiteral("Value"), QStringLiteral("Result")});
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setWordWrap(false);
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("PassMarksNote"));
    note_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note_);
    layout->addWidget(table_, 1);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    hide();
}

void PassMarksPanel::showMarks(const std::optional<DrillMarks>& marks) {
    setVisible(marks.has_value());
    if (!marks)
        return;
    setTitle(QString::fromStdString(
        passMarksTitle(marks->title.toStdString(), marks->fileName.toStdString())));
    note_->setText(marks->note);
    note_->setVisible(!marks->note.isEmpty());
    table_->setVisible(marks->note.isEmpty());
    table_->setRowCount(static_cast<int>(marks->results.size()));
    int row = 0;
    for (const MarkResult& result : marks->results) {
        table_->setItem(row, 0, cell(QString::fromStdString(result.mark.text)));
        table_->setItem(row, 1, cell(QString::fromStdString(result.value), Qt::AlignRight));
        QTableWidgetItem* judged =
            cell(result.passed ? QStringLiteral("pass") : QStringLiteral("fail"), Qt::AlignCenter);
        judged->setForeground(gradeColour(result.passed ? Grade::Good : Grade::Poor));
        QFont bold = judged->font();
        bold.setBold(true);
        judged->setFont(bold);
        table_->setItem(row, 2, judged);
        ++row;
    }
    // As tall as its marks, so the events below keep the room.
    table_->setMaximumHeight(table_->horizontalHeader()->sizeHint().height() +
                             table_->verticalHeader()->length() + 2 * table_->frameWidth());
}

}  // namespace loopsim
