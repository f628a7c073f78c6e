// Recording files for the tests, in the form the simulator writes them, the fakes that
// answer the windows' file dialogs and message boxes, and the captions the windows show.
#pragma once

#include <QAbstractButton>
#include <QByteArray>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QList>
#include <QStringList>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

#include "app/dialogs/FileChooser.h"
#include "app/dialogs/UserMessages.h"
#include "files/RecordingFile.h"

namespace loopsim::test {

inline QByteArray recordingHeader() {
    return "\"Tarven Calvendrite Simulator\",#2024-05-01#,#10:00:00#\r\n"
           "\r\n"
           "\"Time (secs)\",\"Real PO2\",\"Handset PO2\",\"Depth\",\"Setpoint\",\"loop "
           "Volume\",\"Status Messages\"\r\n"
           "\r\n";
}

// The data lines, then the empty line and the end notice.
inline QByteArray recordingBody(const QList<QByteArray>& dataLines) {
    QByteArray text;
    for (const QByteArray& line : dataLines)
        text += line + "\r\n";
    return text + "\r\n\"" + kEndNotice + "\"\r\n";
}

inline QByteArray recordingFile(const QList<QByteArray>& dataLines) {
    return recordingHeader() + recordingBody(dataLines);
}

// Data lines for seconds 1 to n with real PO2 0.5, handset PO2 0.49, depth 5, setpoint 0.7.
inline QList<QByteArray> steadyLines(int n) {
    QList<QByteArray> lines;
    for (int i = 1; i <= n; ++i)
        lines.append(QByteArray::number(i) + ",0.5,0.49,5,0.7,16,");
    return lines;
}

// The recording file with the date and time of its writing blanked out.
inline QByteArray withoutWrittenDate(QByteArray text) {
    const qsizetype firstComma = text.indexOf(",#");
    const qsizetype lineEnd = text.indexOf("\r\n");
    if (firstComma >= 0 && lineEnd > firstComma)
        text.replace(firstComma, lineEnd - firstComma, ",#DATE#,#TIME#");
    return text;
}

inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Answers the file dialogs in order; an empty answer, or none left, cancels.
class ScriptedFileChooser : public FileChooser {
  public:
    std::optional<QString> chooseFile(QWidget*, const FileRequest& request) override {
        requests.push_back(request);
        const QString answer = answers.isEmpty() ? QString() : answers.takeFirst();
        if (answer.isEmpty())
            return std::nullopt;
        return answer;
    }

    QStringList answers;
    std::vector<FileRequest> requests;
};

class CollectedMessages : public UserMessages {
  public:
    void showMessage(QWidget*, const QString& text) override { texts.append(text); }
    // Questions are collected with the messages and answered from the list; none left: No.
    bool askYesNo(QWidget*, const QString& text) override {
        texts.append(text);
        return !answers.isEmpty() && answers.takeFirst();
    }
    QStringList texts;
    QList<bool> answers;
};

// The caption of each named part (a button's or label's text, a frame's title; an empty name
// is the window's own title) that is not the one expected, as "name: caption".
inline QStringList wrongCaptions(
    const QWidget& window, std::initializer_list<std::pair<const char*, const char*>> expected) {
    QStringList wrong;
    for (const auto& [name, caption] : expected) {
        const QObject* part =
            *name ? window.findChild<QObject*>(QString::fromLatin1(name)) : &window;
        QString seen = QStringLiteral("(missing)");
        if (auto* button = qobject_cast<const QAbstractButton*>(part))
            seen = button->text();
        else if (auto* label = qobject_cast<const QLabel*>(part))
            seen = label->text();
        else if (auto* frame = qobject_cast<const QGroupBox*>(part))
            seen = frame->title();
        else if (auto* widget = qobject_cast<const QWidget*>(part))
            seen = widget->windowTitle();
        if (seen != QString::fromUtf8(caption))
            wrong.append(QString::fromLatin1(name) + QStringLiteral(": ") + seen);
    }
    return wrong;
}

}  // namespace loopsim::test
