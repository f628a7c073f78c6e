#include "app/dialogs/StartupWarning.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

#include "app/BuildInfo.h"
#include "app/window/PictureFiles.h"
#include "core/SoundChannels.h"

namespace loopsim {
namespace {

constexpr const char* kAuthorship =
    "Simulator software written for the training organisation by its own developers.";
constexpr const char* kTrademarks =
    "Calvendrite and Tarven are trademarks of Tarven Rebreather Training; used here for "
    "training only.";
constexpr const char* kWarningText =
    "<b>WARNING</b><br><br>"
    "Rebreathers are complicated life-support equipment. Every user needs full theory and "
    "practical training from a qualified instructor before using one.<br><br>"
    "This software is one part of the training organisation's rebreather training programme. "
    "It is a training aid only and is no substitute for that programme or for the "
    "instructor.<br><br>"
    "Failure to understand, prepare, use and maintain a rebreather exactly as instructed "
    "WILL result in injury or death.<br><br>"
    "Neither the training organisation nor the author accepts any responsibility for any "
    "loss, injury or death arising from the use of this training aid.";

QLabel* logo(const PictureFiles& pictures, const char* file, const char* name) {
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    label->setPixmap(
        pictures.pixmap(file).scaled(120, 120, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QLabel* line(const QString& text, const char* name, int pointSizeStep, bool bold = false) {
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() + pointSizeStep);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

}  // namespace

QString StartupWarning::versionText() {
    return QStringLiteral("Version %1.%2.%3")
        .arg(build::kVersionMajor)
        .arg(build::kVersionMinor)
        .arg(build::kVersionRevision);
}

StartupWarning::StartupWarning(const PictureFiles& pictures, SoundBackend& sound, QWidget* parent)
    : QDialog(parent), sound_(sound) {
    setObjectName(QStringLiteral("StartupWarning"));
    setWindowTitle(QString::fromLatin1(kStartupTitle));
    setModal(true);

    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("WarningContent"));
    auto* header = new QHBoxLayout;
    header->addWidget(logo(pictures, "LogoOrganisation.jpg", "OrganisationLogo"));
    title_ = line(QString::fromLatin1(kStartupTitle), "Title", 6, true);
    auto* titles = new QVBoxLayout;
    titles->addWidget(line(versionText(), "VersionLabel", 1));
    titles->addWidget(line(QString::fromLatin1(build::kOrganisation), "Organisation", 2, true));
    titles->addWidget(line(QString::fromLatin1(kAuthorship), "Authorship", -1));
    titles->addWidget(line(QString::fromLatin1(kTrademarks), "Trademarks", -2));
    header->addLayout(titles, 1);
    header->addWidget(logo(pictures, "LogoSimulator.jpg", "SimulatorLogo"));

    auto* warning = new QLabel(QString::fromLatin1(kWarningText));
    warning->setObjectName(QStringLiteral("WarningText"));
    warning->setWordWrap(true);
    warning->setTextFormat(Qt::RichText);
    warning->setFrameShape(QFrame::StyledPanel);
    warning->setMargin(14);
    warning->setStyleSheet(QStringLiteral(
        "QLabel#WarningText { background: #fff7e0; border: 1px solid #e0b040; color: #3a2a00; }"));
    QFont warningFont = warning->font();
    warningFont.setPointSizeF(warningFont.pointSizeF() + 1);
    warning->setFont(warningFont);

    auto* accept = new QPushButton(QString::fromLatin1(kAcceptCaption));
    accept->setObjectName(QStringLiteral("AcceptButton"));
    accept->setDefault(true);
    auto* refuse = new QPushButton(QString::fromLatin1(kRefuseCaption));
    refuse->setObjectName(QStringLiteral("RefuseButton"));
    for (QPushButton* button : {accept, refuse})
        button->setMinimumHeight(36);
    connect(accept, &QPushButton::clicked, this, &QDialog::accept);
    connect(refuse, &QPushButton::clicked, this, &QDialog::reject);

    buttons_ = new QBoxLayout(QBoxLayout::LeftToRight);
    buttons_->addWidget(accept);
    buttons_->addWidget(refuse);

    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->setSpacing(16);
    contentLayout->addLayout(header);
    contentLayout->addWidget(warning);
    // The title and the two buttons stay in view; what lies between scrolls on a small screen.
    scroll_ = new QScrollArea;
    scroll_->setObjectName(QStringLiteral("WarningScroll"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setWidget(content);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(16);
    layout->addWidget(title_);
    layout->addWidget(scroll_, 1);
    layout->addLayout(buttons_);
}

void StartupWarning::fitToScreen() {
    const QScreen* screen = this->screen();
    if (!screen)
        return;
    const QSize frame = frameGeometry().size() - geometry().size();
    const QRect available = screen->availableGeometry();
    const int width = std::min(kPreferredWidth, available.width() - frame.width());

    // Side by side when both buttons fit, one above the other otherwise.
    const int inner = width - 40;
    const int buttonsWidth = buttons_->itemAt(0)->sizeHint().width() +
                             buttons_->itemAt(1)->sizeHint().width() + buttons_->spacing();
    buttons_->setDirection(buttonsWidth <= inner ? QBoxLayout::LeftToRight
                                                 : QBoxLayout::TopToBottom);
    layout()->activate();

    // The whole text when the screen has room for it, the room there is otherwise.
    QWidget* content = scroll_->widget();
    const int contentHeight = content->hasHeightForWidth() ? content->heightForWidth(inner)
                                                           : content->sizeHint().height();
    const int wanted =
        layout()->totalHeightForWidth(width) - scroll_->sizeHint().height() + contentHeight;
    const int height = std::min(wanted, available.height() - frame.height());
    setMinimumSize(std::min(minimumSizeHint().width(), width),
                   std::min(minimumSizeHint().height(), height));
    resize(width, height);
    move(available.left() + (available.width() - width - frame.width()) / 2,
         available.top() + (available.height() - height - frame.height()) / 2);
}

void StartupWarning::showEvent(QShowEvent* event) {
    if (!fitted_) {
        fitted_ = true;
        fitToScreen();
    }
    QDialog::showEvent(event);
    if (!beeped_) {
        beeped_ = true;
        // After the window is up, so a message about the sound output appears over it.
        QTimer::singleShot(0, this, [this] { sound_.play(1, "DoubleBeep.wav", false); });
    }
}

}  // namespace loopsim
