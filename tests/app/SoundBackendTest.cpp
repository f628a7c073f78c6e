// The Qt sound output: files found whatever their letter case, channels that repeat, a
// missing file leaving its channel silent, and the machine without audio outputs.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "RecordingFiles.h"
#include "WindowFixtures.h"

using namespace loopsim;
using namespace loopsim::test;

class SoundBackendTest : public QObject {
    Q_OBJECT

  private slots:
    void namesAreFoundWhateverTheirLetterCase() {
        QTemporaryDir program;
        QVERIFY(QDir(program.path()).mkdir("Sounds"));
        const QString onDisk = program.filePath("Sounds/LowO2.wav");
        QVERIFY(QFile::copy(QString::fromStdString((runtimeFolder() / "Sounds/LowO2.wav").string()),
                            onDisk));
        CollectedMessages messages;
        FakeAudioOutputs outputs(true);
        QtSoundBackend sound(program.path().toStdString() + "/Sounds", outputs, messages);

        sound.play(1, "lowo2.wav", false);
        QCOMPARE(sound.source(1).toLocalFile(), onDisk);
        QVERIFY(!sound.repeating(1));
        sound.play(3, "LOWO2.WAV", false);
        QCOMPARE(sound.source(3).toLocalFile(), onDisk);
        sound.play(6, "LowO2.wav", true);
        QVERIFY(sound.repeating(6));
        // A file that is not there leaves the channel with nothing to play.
        sound.play(1, "longhiss.wav", false);
        QVERIFY(sound.source(1).isEmpty());
        QVERIFY(messages.texts.isEmpty());
    }

    void withoutAudioOutputsTheMessageComesOnceAndNothingPlays() {
        CollectedMessages messages;
        FakeAudioOutputs outputs(false);
        QtSoundBackend sound(runtimeFolder() / "Sounds", outputs, messages);
        sound.play(1, "DoubleBeep.wav", false);
        sound.play(5, "shorthiss.wav", true);
        sound.stop(5);
        sound.play(2, "alarm.wav", false);
        QCOMPARE(messages.texts,
                 QStringList{"Unable to Continue, Error creating Directsound object."});
        QVERIFY(sound.silenced());
        QVERIFY(sound.source(1).isEmpty());
        QVERIFY(sound.source(5).isEmpty());
    }
};

QTEST_MAIN(SoundBackendTest)
#include "SoundBackendTest.moc"
