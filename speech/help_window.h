// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <memory>
#include <string>

#include "speech/help_topics.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTextEdit;
class SpeechVoice;

// The help window: a list of topics, the chosen topic's text, and, with read-out on, the
// topic read aloud by a voice of the window's own, the spoken word marked in the Overview.
class CalcHelpFrm final : public QDialog {
    Q_OBJECT

public:
    // With its own espeak-ng voice.
    explicit CalcHelpFrm(bool readOutLoudOn, QWidget* parent = nullptr);
    // With the given voice, which the window owns.
    CalcHelpFrm(bool readOutLoudOn, std::unique_ptr<SpeechVoice> voice, QWidget* parent = nullptr);
    ~CalcHelpFrm() override;

private:
    void CreateControls();
    void Form_Load();
    void MenuBox_Click();
    void Voice_Word(int position, int length);
    void ExitButton_Click();

    const bool readOutLoudOn_;
    std::unique_ptr<SpeechVoice> voice_;

    QLabel* Lab1 = nullptr;
    QListWidget* MenuBox = nullptr;
    QTextEdit* HBox = nullptr;
    QLabel* DemImage = nullptr;
    QPushButton* ExitButton = nullptr;

    // What the voice is reading, to find a reported word in the text box.
    int readingRow_ = -1;
    std::string readingItem_;
    std::string readingText_;
    SpokenText readingSpoken_;
};
