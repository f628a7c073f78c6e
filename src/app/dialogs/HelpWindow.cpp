#include "app/dialogs/HelpWindow.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/BuildInfo.h"
#include "app/dialogs/StartupWarning.h"
#include "app/window/UnitKeys.h"

namespace loopsim {
namespace {

constexpr const char* kQuickStart =
    "<h2>Quick start</h2><ol>"
    "<li><b>Switch on.</b> Click a handset's hardware switch, then its left button: the "
    "handset starts and shows its banner. Start both handsets; the first one on is the "
    "master.</li>"
    "<li><b>Answer the start-up questions.</b> Each question stands over the button that "
    "answers it: the left button is YES (and Down in a menu), the middle button Confirm, the "
    "right button NO (and Up). Open the oxygen and diluent cylinder valves when the display "
    "asks (click the cylinders; each shows OPEN or OFF below it).</li>"
    "<li><b>Calibrate.</b> Answer YES to \"CALIBRATE ?\", set the ambient pressure and the "
    "oxygen percentage with Down and Up, Confirm each, and follow the display while it flushes "
    "and calibrates.</li>"
    "<li><b>Check the setpoints.</b> Enter the setup menus with both outer buttons (below) "
    "and step through the high and low setpoints with Down, Up and Confirm. On the master's "
    "main screen, holding the middle button for two seconds swaps the low and high "
    "setpoints.</li>"
    "<li><b>Breathe from the loop.</b> Open the mouthpiece, then click the regulator so it "
    "shows large: the diver breathes from the loop, and the counterlung and the loop PO2 "
    "follow each breath.</li>"
    "<li><b>Descend.</b> Click the down arrow beside the depth; watch the handsets' "
    "readings, the true loop PO2 and the counterlung as the controller holds the "
    "setpoint.</li></ol>";

constexpr const char* kGestures =
    "<h2>Two buttons at once</h2>"
    "<p>On the unit some things need two buttons of a handset held together. On the screen "
    "each pair has an area of its own between the buttons: move the pointer over it and the "
    "handset picture shows a line across the two buttons; press there to hold both.</p><ul>"
    "<li><b>Both outer buttons</b> (left and right): on release the handset enters its setup "
    "menus: high setpoint, low setpoint, brightness and the elapsed on-time.</li>"
    "<li><b>Both right buttons</b> (middle and right): held, they switch the handset off; "
    "if it was the master, the other handset takes over.</li></ul>";

}  // namespace

QString HelpWindow::pageHtml() {
    QString keys = QStringLiteral("<h2>Keys</h2><table cellspacing=\"0\" cellpadding=\"3\">");
    const auto row = [&keys](const QString& key, const QString& what) {
        keys += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(key, what);
    };
    for (const UnitKey& unitKey : unitKeys())
        row(keyNameFor(unitKey.element), QString::fromLatin1(unitKey.what));
    row(QStringLiteral("F1"), QStringLiteral("This Help window"));
    keys += QStringLiteral(
        "</table><p>A key held down holds the control down, as the mouse "
        "button does.</p>");
    return QString::fromLatin1(kQuickStart) + QString::fromLatin1(kGestures) + keys;
}

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Help"));

    auto* page = new QTextBrowser;
    page->setObjectName(QStringLiteral("HelpPage"));
    page->setHtml(pageHtml());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton* about = buttons->addButton(QStringLiteral("&About"), QDialogButtonBox::HelpRole);
    about->setObjectName(QStringLiteral("AboutButton"));
    connect(about, &QPushButton::clicked, this, [this] { showAbout(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(page, 1);
    layout->addWidget(buttons);

    // Most of the screen's height, never more than it.
    const QSize wanted(640, 720);
    const QSize available = screen() ? screen()->availableSize() * 9 / 10 : wanted;
    resize(wanted.boundedTo(available));
}

QMessageBox* HelpWindow::showAbout() {
    auto* box =
        new QMessageBox(QMessageBox::Information, QStringLiteral("About"),
                        QStringLiteral("<b>%1</b><br>%2<br><br>%3<br>%4")
                            .arg(QString::fromLatin1(kStartupTitle), StartupWarning::versionText(),
                                 QString::fromLatin1(build::kOrganisation),
                                 QString::fromLatin1(build::kLegalNotice)),
                        QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("AboutBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return box;
}

}  // namespace loopsim
