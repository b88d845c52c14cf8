// SPDX-License-Identifier: MIT
// The voice on the real espeak-ng, synthesising into memory: no audio device is needed.
// The process keeps one engine, so the memory output holds for every voice here.
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>

#include <algorithm>
#include <cctype>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "speech/espeak_voice.h"
#include "speech/help_topics.h"
#include "speech/help_window.h"

namespace {

using Output = SpeechEngine::Output;

bool IsPlainWord(const std::string& text) {
    if (text.empty()) return false;
    for (char c : text)
        if (!std::isalnum(static_cast<unsigned char>(c))) return false;
    return true;
}

}  // namespace

class EspeakVoiceTest : public QObject {
    Q_OBJECT

private slots:
    // Every word the voice reports in the Overview marks that same word in the text box, also
    // after the line breaks of the contact block that the voice reads as ":::".
    void helpWindowMarksEachWordTheVoiceSpeaks() {
        auto owned = std::make_unique<EspeakVoice>(Output::Memory);
        EspeakVoice* voice = owned.get();
        QVERIFY(voice->WaitUntilReady());
        CalcHelpFrm window(true, std::move(owned));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* box = window.findChild<QTextEdit*>("HBox");

        const HelpTopic overview = *GetHelpTopic(1);
        const std::string reading = HelpReading(overview.title, SpokenForm(overview.text));
        std::vector<std::pair<std::string, std::string>> marks;  // spoken word, marked text
        connect(voice, &SpeechVoice::WordReached, this, [&](int position, int length) {
            marks.emplace_back(reading.substr(position, length), box->textCursor().selectedText().toStdString());
        });
        window.findChild<QListWidget*>("MenuBox")->item(0)->setSelected(true);

        QTRY_VERIFY_WITH_TIMEOUT(!marks.empty() && marks.back().first == "0199", 10000);
        int plainWords = 0;
        std::vector<std::string> contact;
        for (const auto& [spoken, marked] : marks) {
            if (!IsPlainWord(spoken) || spoken == overview.title) continue;
            ++plainWords;
            QCOMPARE(QString::fromStdString(marked), QString::fromStdString(spoken));
            if (reading.find(spoken) > reading.find("Numora developers")) contact.push_back(spoken);
        }
        QVERIFY(plainWords > 80);
        QVERIFY(std::find(contact.begin(), contact.end(), "Telephone") != contact.end());
        QVERIFY(std::find(contact.begin(), contact.end(), "Mobile") != contact.end());
    }

    void aNewUtteranceCutsTheOneBeingSpoken() {
        EspeakVoice voice(Output::Memory);
        QVERIFY(voice.WaitUntilReady());
        QSignalSpy words(&voice, &SpeechVoice::WordReached);
        const HelpTopic long_topic = *GetHelpTopic(2);
        voice.Speak(long_topic.text);
        voice.Speak("hello world");
        QTRY_VERIFY_WITH_TIMEOUT(words.count() >= 2, 5000);
        QTest::qWait(200);
        QCOMPARE(words.count(), 2);
        QCOMPARE(words.at(0), QVariantList({0, 5}));
        QCOMPARE(words.at(1), QVariantList({6, 5}));
    }

    void anEmptyTextOnlyStopsTheVoice() {
        EspeakVoice voice(Output::Memory);
        QVERIFY(voice.WaitUntilReady());
        QSignalSpy words(&voice, &SpeechVoice::WordReached);
        voice.Speak(GetHelpTopic(2)->text);
        voice.Speak("");
        QTest::qWait(300);
        QCOMPARE(words.count(), 0);
    }

    // Two voices share the one engine: the later utterance wins, and a voice that is gone
    // takes its unfinished speech with it.
    void voicesShareTheEngine() {
        EspeakVoice main(Output::Memory);
        QSignalSpy mainWords(&main, &SpeechVoice::WordReached);
        {
            EspeakVoice help(Output::Memory);
            QVERIFY(help.WaitUntilReady());
            help.Speak(GetHelpTopic(4)->text);
        }
        main.Speak("seven");
        QTRY_COMPARE_WITH_TIMEOUT(mainWords.count(), 1, 5000);
        QCOMPARE(mainWords.at(0), QVariantList({0, 5}));
    }
};

QTEST_MAIN(EspeakVoiceTest)
#include "espeak_voice_test.moc"
