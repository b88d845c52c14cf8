// SPDX-License-Identifier: MIT
// The main window's voice on a machine without an audio device: it stays silent, and neither
// blocks nor ends the program.
#include <QSignalSpy>
#include <QTest>

#include "speech/espeak_voice.h"

class EspeakSilentTest : public QObject {
    Q_OBJECT

private slots:
    void speakersWithoutADeviceStaySilent() {
        EspeakVoice voice;
        QSignalSpy words(&voice, &SpeechVoice::WordReached);
        if (voice.WaitUntilReady()) QSKIP("an audio device is present");
        for (const char* text : {"one two three", "", "= negative 42"}) voice.Speak(text);
        QTest::qWait(300);
        QCOMPARE(words.count(), 0);
    }
};

QTEST_MAIN(EspeakSilentTest)
#include "espeak_silent_test.moc"
