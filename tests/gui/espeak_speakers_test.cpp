// SPDX-License-Identifier: MIT
// The face and its help window with read-out on, heard on an audio device: ALSA's default device
// is a file in a throwaway home, so the samples played can be counted.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTextEdit>

#include <algorithm>
#include <vector>

#include "face_fixture.h"
#include "persist/qt_settings_store.h"
#include "shell/language.h"
#include "shell/preferences.h"
#include "speech/speech_engine.h"

namespace {

// The voice keeps the device open until the process ends, so its folder must stay as long.
const QTemporaryDir& Home() {
    static const QTemporaryDir home;
    return home;
}

}  // namespace

class EspeakSpeakersTest : public QObject {
    Q_OBJECT

    FaceFixture face_;

    QString AudioFolder() const { return Home().filePath("audio"); }

    // The device writes a new file each time it is opened (the voice opens it again after every
    // cut), so what was played is the sum of the files.
    qint64 PlayedBytes() const {
        qint64 bytes = 0;
        for (const QFileInfo& file : QDir(AudioFolder()).entryInfoList(QDir::Files)) bytes += file.size();
        return bytes;
    }
    // Once the voice has finished.
    qint64 SettledBytes() const {
        qint64 bytes = PlayedBytes();
        for (;;) {
            QTest::qWait(250);
            const qint64 now = PlayedBytes();
            if (now == bytes) return bytes;
            bytes = now;
        }
    }

private slots:
    void initTestCase() {
        QVERIFY(QDir(Home().path()).mkpath("audio"));
        QFile asoundrc(Home().filePath(".asoundrc"));
        QVERIFY(asoundrc.open(QIODevice::WriteOnly));
        asoundrc.write(QString("pcm.!default {\n"
                               "    type file\n"
                               "    slave.pcm \"null\"\n"
                               "    file \"%1/played.raw\"\n"
                               "    format \"raw\"\n"
                               "    truncate false\n"
                               "}\n")
                           .arg(AudioFolder())
                           .toUtf8());
        asoundrc.close();
        qputenv("HOME", Home().path().toLocal8Bit());
        // No PulseAudio, even where one runs: espeak-ng then plays on ALSA's default device.
        qputenv("PULSE_SERVER", ("unix:" + Home().filePath("no-pulse")).toLocal8Bit());

        QtSettingsStore store;
        StorePreference(store, kReadOutLoudKey, true);
        CalcMainFrm& window = face_.Start();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(window.calc().platform.speech != nullptr);
    }

    void keysAndTheResultAreHeard() {
        for (const char* key : {"key_7", "key_plus", "key_8", "key_equal"}) {
            const qint64 before = SettledBytes();
            face_.Click(key);
            QTRY_VERIFY2_WITH_TIMEOUT(PlayedBytes() > before, key, 5000);
            qInfo("%s: %lld bytes played", key, SettledBytes() - before);
        }
    }

    // A word is marked only once its sound has gone to the device, and the marks go forward
    // through the text as the samples are written.
    void helpOverviewIsHeardAndMarkedAsItIsRead() {
        struct Mark {
            int start;
            qint64 played;
        };
        std::vector<Mark> marks;
        const qint64 before = SettledBytes();
        qint64 after = before;
        HandleNextModal([&](QWidget* help) {
            auto* box = help->findChild<QTextEdit*>("HBox");
            connect(box, &QTextEdit::selectionChanged, box, [&, box] {
                const QTextCursor cursor = box->textCursor();
                if (cursor.hasSelection()) marks.push_back({cursor.selectionStart(), PlayedBytes()});
            });
            help->findChild<QListWidget*>("MenuBox")->item(0)->setSelected(true);
            QTRY_VERIFY_WITH_TIMEOUT(PlayedBytes() > before, 5000);
            after = SettledBytes();
        });
        face_.Find<QAction>("mnuHelpTopics")->trigger();

        qInfo("Overview: %lld bytes played, %zu words marked", after - before, marks.size());
        QVERIFY(marks.size() > 50);
        QVERIFY(marks.front().played > before);
        QVERIFY(marks.back().played > marks.front().played);
        QVERIFY(std::is_sorted(marks.begin(), marks.end(),
                               [](const Mark& a, const Mark& b) { return a.played < b.played; }));
        QVERIFY(std::adjacent_find(marks.begin(), marks.end(),
                                   [](const Mark& a, const Mark& b) { return b.start <= a.start; }) == marks.end());
    }

    // A German session speaks with the voice espeak-ng reports as German, and is heard.
    void germanSessionSpeaksWithTheGermanVoice() {
        QCOMPARE(LoadCatalogues("de"), QString("de"));
        const qint64 before = SettledBytes();
        face_.Click("key_7");
        QTRY_VERIFY_WITH_TIMEOUT(PlayedBytes() > before, 5000);
        QCOMPARE(ProcessSpeechEngine(SpeechEngine::Output::Speakers).VoiceLanguage(), std::string("de"));
        LoadCatalogues("en");
    }
};

QTEST_MAIN(EspeakSpeakersTest)
#include "espeak_speakers_test.moc"
