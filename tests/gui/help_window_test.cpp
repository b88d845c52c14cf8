// SPDX-License-Identifier: MIT
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "speech/espeak_voice.h"
#include "speech/help_topics.h"
#include "speech/help_window.h"

namespace {

class RecordingVoice final : public SpeechVoice {
public:
    void Speak(const std::string& text) override { spoken.push_back(text); }
    std::vector<std::string> spoken;
};

struct OpenHelp {
    explicit OpenHelp(bool readOut) {
        auto owned = std::make_unique<RecordingVoice>();
        voice = owned.get();
        window = std::make_unique<CalcHelpFrm>(readOut, std::move(owned));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        list = window->findChild<QListWidget*>("MenuBox");
        box = window->findChild<QTextEdit*>("HBox");
        image = window->findChild<QLabel*>("DemImage");
    }
    void Pick(int row) {
        QListWidgetItem* item = list->item(row);
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    }
    // Where the voice would report `word` in what it was last asked to read.
    int SpokenAt(const std::string& word) const { return static_cast<int>(voice->spoken.back().find(word)); }

    RecordingVoice* voice = nullptr;
    std::unique_ptr<CalcHelpFrm> window;
    QListWidget* list = nullptr;
    QTextEdit* box = nullptr;
    QLabel* image = nullptr;
};

QString Shown(int topic) { return QString::fromStdString(BoxText(GetHelpTopic(topic)->text)); }

}  // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    void listsSevenTopicsAndTheAuthorWithNothingPicked() {
        OpenHelp help(true);
        QCOMPARE(help.window->windowTitle(), QString("Calculator Help"));
        QStringList items;
        for (int i = 0; i < help.list->count(); ++i) items << help.list->item(i)->text();
        QCOMPARE(items, QStringList({"Overview", "Calculator Capabilities", "Mode Settings", "Display Modes",
                                     "Angle Specification Modes", "Numeric keys", "Arithmetic Operation keys",
                                     "About the Author"}));
        help.list->setFocus();
        QCOMPARE(help.list->selectedItems().size(), 0);
        QCOMPARE(help.box->toPlainText(), QString());
        QVERIFY(help.voice->spoken.empty());
    }

    void pickingATopicShowsItsText() {
        OpenHelp help(false);
        for (int row : {2, 6, 0}) {
            help.Pick(row);
            QCOMPARE(help.box->toPlainText(), Shown(row + 1));
            QVERIFY(help.box->isVisible());
            QVERIFY(!help.image->isVisible());
        }
        QVERIFY(help.voice->spoken.empty());
    }

    void aboutTheAuthorShowsThePictureInPlaceOfTheText() {
        OpenHelp help(false);
        help.Pick(7);
        QVERIFY(!help.box->isVisible());
        QVERIFY(help.image->isVisible());
        QCOMPARE(help.image->geometry(), help.box->geometry());
        QVERIFY(!help.image->pixmap().isNull());
        help.Pick(3);
        QVERIFY(help.box->isVisible());
        QVERIFY(!help.image->isVisible());
    }

    void readsTheTopicWithItsReplacements() {
        OpenHelp help(true);
        help.Pick(5);
        QCOMPARE(help.voice->spoken.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(help.voice->spoken.back()),
                 QString("Numeric keys :::: Pick any of the numeric keys to enter a value. Press  "
                         "PERIOD  to enter a decimal point.\r\rValues are entered from left to "
                         "right. You cannot enter a value that is more than 15 digits long. Any "
                         "numeric key pressed after the 15th digit is ignored."));
    }

    // The contact block comes after three line breaks, each read as ":::", so a position taken
    // unchanged would land three characters further on for every break passed.
    void marksTheSpokenWordOfTheOverview() {
        OpenHelp help(true);
        help.Pick(0);
        for (const char* word : {"spreadsheet", "developers", "Telephone", "Mobile", "0199"}) {
            emit help.voice->WordReached(help.SpokenAt(word), static_cast<int>(strlen(word)));
            QCOMPARE(help.box->textCursor().selectedText(), QString(word));
        }
    }

    void marksNothingInTheTitleOrOtherTopics() {
        OpenHelp help(true);
        help.Pick(0);
        emit help.voice->WordReached(0, 8);
        QVERIFY(!help.box->textCursor().hasSelection());
        help.Pick(6);
        emit help.voice->WordReached(help.SpokenAt("Press"), 5);
        QVERIFY(!help.box->textCursor().hasSelection());
    }

    void exitSilencesTheVoiceAndCloses() {
        OpenHelp help(true);
        help.Pick(1);
        QTest::mouseClick(help.window->findChild<QPushButton*>("ExitButton"), Qt::LeftButton);
        QCOMPARE(help.voice->spoken.back(), std::string());
        QVERIFY(!help.window->isVisible());
        QCOMPARE(help.window->result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
