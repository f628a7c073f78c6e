#include "app/dialogs/DrillsDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "drills/Quantities.h"

namespace loopsim {
namespace {

const QColor kRefusedColour(0xa0, 0x10, 0x10);

QString briefingText(const DrillFile& file) {
    if (file.error)
        return QStringLiteral("This drill file cannot be started:\n\n") +
               QString::fromStdString(*file.error);
    const Millis length = file.drill.end - file.drill.takeover;
    return QString::fromStdString(file.drill.briefing) +
           QStringLiteral("\n\nThe drill lasts %1.")
               .arg(QString::fromStdString(formatDrillTime(length)));
}

}  // namespace

DrillsDialog::DrillsDialog(std::vector<DrillFile> files,
                           const std::vector<std::filesystem::path>& folders, QWidget* parent)
    : QDialog(parent), files_(std::move(files)) {
    setObjectName(QStringLiteral("DrillsDialog"));
    setWindowTitle(QString::fromLatin1(kDrillsTitle));

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("DrillList"));
    // A refused file's error is read whole, on as many lines as it takes.
    list_->setWordWrap(true);
    list_->setResizeMode(QListView::Adjust);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (const DrillFile& file : files_) {
        auto* item = new QListWidgetItem(
            file.error ? QString::fromStdString(*file.error) : file.title(), list_);
        item->setToolTip(QString::fromStdString(file.path.string()));
        if (file.error)
            item->setForeground(kRefusedColour);
    }
    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("DrillTitle"));
    title_->setStyleSheet(QStringLiteral("QLabel { font-weight: bold; }"));
    title_->setWordWrap(true);
    briefing_ = new QPlainTextEdit(this);
    briefing_->setObjectName(QStringLiteral("DrillBriefing"));
    briefing_->setReadOnly(true);

    QStringList folderNames;
    for (const std::filesystem::path& folder : folders)
        folderNames << QString::fromStdString(folder.string());
    auto* found = new QLabel(QStringLiteral("Drill files (NAME.drill) from: %1")
                                 .arg(folderNames.join(QStringLiteral("; "))),
                             this);
    found->setObjectName(QStringLiteral("DrillFolders"));
    found->setWordWrap(true);
    found->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* note = new QLabel(QStringLiteral("Starting a drill ends this session as Exit does (its "
                                           "recording file is written) and starts the drill on "
                                           "a fresh simulation."),
                            this);
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    start_ = buttons->addButton(QStringLiteral("Start drill"), QDialogButtonBox::AcceptRole);
    start_->setObjectName(QStringLiteral("StartDrill"));
    start_->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::currentRowChanged, this, &DrillsDialog::showDrill);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] {
        if (chosen())
            accept();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Drills"), this));
    layout->addWidget(list_, 3);
    layout->addWidget(title_);
    layout->addWidget(briefing_, 3);
    layout->addWidget(found);
    layout->addWidget(note);
    layout->addWidget(buttons);
    resize(640, 620);
    if (!files_.empty())
        list_->setCurrentRow(0);
}

const DrillFile* DrillsDialog::chosen() const {
    const int row = list_->currentRow();
    if (row < 0 || row >= static_cast<int>(files_.size()) || files_[row].error)
        return nullptr;
    return &files_[row];
}

void DrillsDialog::showDrill(int row) {
    if (row < 0 || row >= static_cast<int>(files_.size())) {
        title_->clear();
        briefing_->clear();
        start_->setEnabled(false);
        return;
    }
    const DrillFile& file = files_[static_cast<std::size_t>(row)];
    title_->setText(file.title());
    briefing_->setPlainText(briefingText(file));
    start_->setEnabled(!file.error);
}

}  // namespace loopsim
