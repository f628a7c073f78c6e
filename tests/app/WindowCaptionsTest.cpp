// Every window of the simulator as the user first meets it, walked widget by widget and
// compared with the expected file windows.txt: each part's name, class, caption, tooltip,
// whether it is ticked or hidden, and where the unit's elements and the results viewer's
// parts sit, in twips. On a difference the walk is written beside it as windows.txt.actual.
#include <QAbstractAxis>
#include <QAbstractSeries>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QSlider>
#include <QValueAxis>
#include <QtTest>

#include "WindowFixtures.h"
#include "app/dialogs/BailoutWindow.h"
#include "app/dialogs/OptionsWindow.h"
#include "app/results/ResultsViewer.h"
#include "app/window/ElementKinds.h"
#include "app/window/PictureFiles.h"

using namespace loopsim;
using namespace loopsim::test;

namespace {

// What the part shows: its caption, text, picture or chosen value.
QString shownBy(const QWidget& part) {
    if (auto* picture = qobject_cast<const PictureElement*>(&part))
        return QString::fromStdString(picture->pictureName());
    if (auto* display = qobject_cast<const DisplayElement*>(&part))
        return QString::fromStdString(display->lines().first + "|" + display->lines().second);
    if (auto* readout = qobject_cast<const ReadoutElement*>(&part))
        return readout->text();
    if (auto* shape = qobject_cast<const ShapeElement*>(&part))
        return shape->fill().name();
    if (auto* label = qobject_cast<const QLabel*>(&part); label && !label->pixmap().isNull())
        return QStringLiteral("picture %1x%2")
            .arg(label->pixmap().width())
            .arg(label->pixmap().height());
    if (auto* slider = qobject_cast<const QSlider*>(&part))
        return QString::number(slider->value());
    QStringList parts;
    if (auto* list = qobject_cast<const QComboBox*>(&part))
        for (int i = 0; i < list->count(); ++i)
            parts.append(list->itemText(i));
    if (auto* chart = qobject_cast<const QChartView*>(&part)) {
        for (const QAbstractSeries* series : chart->chart()->series())
            parts.append(series->name());
        for (const QAbstractAxis* axis : chart->chart()->axes())
            if (auto* values = qobject_cast<const QValueAxis*>(axis))
                parts.append(QStringLiteral("%1 %2 to %3")
                                 .arg(values->titleText())
                                 .arg(values->min())
                                 .arg(values->max()));
    }
    if (!parts.isEmpty())
        return parts.join('|');
    const QString text = part.property("text").toString();
    return text.isEmpty() ? part.property("title").toString() : text;
}

// One line for the window, then one for each of its parts that has a name or shows
// something, in the order they were made. Parts placed on placedIn, or in a frame there, also
// give their place in twips, twipsPerPixel to a pixel.
void walk(QStringList& lines, const QWidget& window, const QWidget* placedIn = nullptr,
          int twipsPerPixel = 0) {
    lines << QStringLiteral("== %1 %2 \"%3\"")
                 .arg(window.metaObject()->className(), window.objectName(), window.windowTitle());
    for (const QWidget* part : window.findChildren<QWidget*>()) {
        const QString shown = shownBy(*part).replace('\n', QStringLiteral("\\n"));
        // The window's own dialogs are walked as windows of their own.
        if (part->window() != &window || part->objectName().startsWith("qt_") ||
            (part->objectName().isEmpty() && shown.isEmpty()))
            continue;
        QString line =
            QStringLiteral("%1 %2").arg(part->metaObject()->className(), part->objectName());
        if (!shown.isEmpty())
            line += QStringLiteral(" \"%1\"").arg(shown);
        if (!part->toolTip().isEmpty())
            line += QStringLiteral(" tip \"%1\"").arg(part->toolTip());
        if (auto* button = qobject_cast<const QAbstractButton*>(part);
            button && button->isChecked())
            line += QStringLiteral(" ticked");
        if (!part->isVisibleTo(&window))
            line += QStringLiteral(" hidden");
        if (placedIn && (part->parentWidget() == placedIn ||
                         part->parentWidget()->parentWidget() == placedIn)) {
            const QRect r = part->geometry();
            line += QStringLiteral(" @ %1,%2 %3x%4")
                        .arg(r.x() * twipsPerPixel)
                        .arg(r.y() * twipsPerPixel)
                        .arg(r.width() * twipsPerPixel)
                        .arg(r.height() * twipsPerPixel);
        }
        lines << line;
    }
}

}  // namespace

class WindowCaptionsTest : public QObject {
    Q_OBJECT

  private slots:
    void everyWindowShowsItsCaptionsAndTooltips() {
        WindowSession s;
        QStringList lines;
        walk(lines, StartupWarning(PictureFiles(runtimeFolder()), s.session.sound()));

        QVERIFY(s.start());
        s.at(0);
        // At a pixel a twip, the unit's elements sit exactly where the layout puts them.
        s.window().unit().resize(kUnitWidth, kUnitHeight);
        walk(lines, s.window(), &s.window().unit(), 1);

        QTest::mouseDClick(s.element("Label3"), Qt::LeftButton);
        QVERIFY(s.dialogs().openPrompt());
        walk(lines, *s.dialogs().openPrompt());
        s.dialogs().openPrompt()->reject();

        s.click("Command2");
        walk(lines, s.dialogs().options());
        QTest::keyClick(&s.dialogs().options(), Qt::Key_Escape);

        s.click("Image20");
        walk(lines, s.dialogs().bailout());
        s.click(s.dialogs().bailout().returnButton());

        s.click("Command3");
        QVERIFY(s.dialogs().bugReport());
        walk(lines, *s.dialogs().bugReport());
        s.dialogs().bugReport()->reject();

        // The viewer of a recording alone: the session's log beside it would add the debrief.
        QVERIFY(writeFile(kRecordingFileName, recordingFile(steadyLines(3))));
        QVERIFY(QFile::remove(kSessionLogFileName));
        ResultsViewer viewer(s.files, s.messages);
        viewer.show();
        viewer.resize(1300, 820);
        // At 96 dots per inch, a pixel is fifteen twips.
        walk(lines, viewer, &viewer, 15);

        LOOPSIM_COMPARE_GOLDEN(lines.join('\n').toUtf8() + '\n', "windows.txt");
    }
};

LOOPSIM_TEST_MAIN(WindowCaptionsTest)
#include "WindowCaptionsTest.moc"
