// SPDX-License-Identifier: MIT
// The main window's voice on a machine without an audio device: it stays silent, prints nothing,
// and neither blocks nor ends the program; the face with read-out on works on.
#include <QAction>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryFile>
#include <QTest>
#include <QTextEdit>

#include <cstdio>

#include <unistd.h>

#include "face_fixture.h"
#include "persist/qt_settings_store.h"
#include "shell/preferences.h"
#include "speech/espeak_voice.h"

namespace {

// What the process writes to stderr from now until Finish.
class StderrCapture {
public:
    StderrCapture() {
        file_.open();
        saved_ = dup(STDERR_FILENO);
        dup2(file_.handle(), STDERR_FILENO);
    }
    ~StderrCapture() { Finish(); }

    QByteArray Finish() {
        if (saved_ >= 0) {
            std::fflush(stderr);
            dup2(saved_, STDERR_FILENO);
            close(saved_);
            saved_ = -1;
        }
        file_.seek(0);
        return file_.readAll();
    }

private:
    QTemporaryFile file_;
    int saved_ = -1;
};

bool DevicePresent() { return EspeakVoice().WaitUntilReady(); }

}  // namespace

class EspeakSilentTest : public QObject {
    Q_OBJECT

private slots:
    void speakersWithoutADeviceStaySilent() {
        StderrCapture printed;
        EspeakVoice voice;
        QSignalSpy words(&voice, &SpeechVoice::WordReached);
        if (voice.WaitUntilReady()) QSKIP("an audio device is present");
        for (const char* text : {"one two three", "", "= negative 42"}) voice.Speak(text);
        QTest::qWait(300);
        QCOMPARE(words.count(), 0);
        QCOMPARE(printed.Finish(), QByteArray());
    }

    void theFaceWithReadOutOnWorksOn() {
        if (DevicePresent()) QSKIP("an audio device is present");
        FaceFixture face;
        QtSettingsStore store;
        StorePreference(store, kReadOutLoudKey, true);
        CalcMainFrm& window = face.Start();
        QTRY_VERIFY(window.calc().platform.speech != nullptr);
        face.ClickAll({"key_7", "key_plus", "key_8", "key_equal"});
        QCOMPARE(face.Display().trimmed(), QString("15."));
        HandleNextModal([](QWidget* help) {
            auto* box = help->findChild<QTextEdit*>("HBox");
            help->findChild<QListWidget*>("MenuBox")->item(0)->setSelected(true);
            QTest::qWait(300);
            QVERIFY(!box->toPlainText().isEmpty());
            QVERIFY(!box->textCursor().hasSelection());
        });
        face.Find<QAction>("mnuHelpTopics")->trigger();
    }
};

QTEST_MAIN(EspeakSilentTest)
#include "espeak_silent_test.moc"
