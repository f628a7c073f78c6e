// The loopsim program. With no arguments it opens the results viewer on the recording file
// of the current folder; --render-chart draws a recording's chart into a PNG without a
// display.
#include <QApplication>
#include <cstdio>
#include <string_view>

#include "app/AppSettings.h"
#include "app/ChartRender.h"
#include "app/FileChooser.h"
#include "app/ResultsViewer.h"
#include "app/UserMessages.h"

namespace {

constexpr const char* kUsage = "usage: loopsim [--render-chart RECORDING.csv IMAGE.png]\n";

int renderChart(const QStringList& arguments) {
    if (arguments.size() != 4) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (auto error = loopsim::renderRecordingChart(arguments[2], arguments[3])) {
        std::fprintf(stderr, "loopsim: %s\n", qPrintable(*error));
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const bool renderOnly = argc > 1 && std::string_view(argv[1]) == "--render-chart";
    if (renderOnly && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QString::fromLatin1(loopsim::kSettingsOrganization));
    QApplication::setApplicationName(QString::fromLatin1(loopsim::kSettingsApplication));

    if (renderOnly)
        return renderChart(QApplication::arguments());
    if (QApplication::arguments().size() > 1) {
        std::fputs(kUsage, stderr);
        return 2;
    }

    loopsim::DialogFileChooser files;
    loopsim::MessageBoxMessages messages;
    loopsim::ResultsViewer viewer(files, messages);
    QObject::connect(&viewer, &loopsim::ResultsViewer::exitRequested, &app, &QApplication::quit);
    viewer.show();
    return QApplication::exec();
}
