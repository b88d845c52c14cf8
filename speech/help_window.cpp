// SPDX-License-Identifier: MIT
#include "speech/help_window.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTextEdit>

#include "speech/engine_voice.h"
#include "widgets/face_fonts.h"
#include "widgets/panel_colours.h"
#include "widgets/translated_text.h"
#include "widgets/twips.h"

namespace {

constexpr const char* kHeading = QT_TRANSLATE_NOOP("Numora", "Select a menu option to see a brief description.");
const QColor kHeadingColour(128, 64, 0);

// The developers at work: three figures behind a desk calculator, drawn so that the picture
// stays sharp at any scaling.
QPixmap AuthorPicture(QSize size) {
    const qreal ratio = qGuiApp->devicePixelRatio();
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();

    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(255, 236, 200));
    sky.setColorAt(1, QColor(200, 140, 80));
    painter.fillRect(QRectF(0, 0, w, h), sky);

    const QColor figures[] = {QColor(128, 64, 0), QColor(0, 0, 128), QColor(0, 110, 60)};
    for (int i = 0; i < 3; ++i) {
        const qreal cx = w * (0.25 + 0.25 * i);
        painter.setPen(Qt::NoPen);
        painter.setBrush(figures[i]);
        painter.drawEllipse(QPointF(cx, h * 0.3), w * 0.06, w * 0.06);
        painter.drawRoundedRect(QRectF(cx - w * 0.1, h * 0.42, w * 0.2, h * 0.3), w * 0.05, w * 0.05);
    }

    painter.setPen(QPen(QColor(40, 40, 60), 2));
    painter.setBrush(QColor(225, 225, 235));
    const QRectF body(w * 0.32, h * 0.55, w * 0.36, h * 0.3);
    painter.drawRoundedRect(body, 6, 6);
    painter.setBrush(Qt::black);
    painter.drawRect(QRectF(body.left() + body.width() * 0.1, body.top() + body.height() * 0.12, body.width() * 0.8,
                            body.height() * 0.22));
    painter.setPen(Qt::NoPen);
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 5; ++column) {
            painter.setBrush(row == 0 ? QColor(0, 0, 255) : QColor(255, 192, 128));
            painter.drawRect(QRectF(body.left() + body.width() * (0.1 + column * 0.165),
                                    body.top() + body.height() * (0.45 + row * 0.25), body.width() * 0.12,
                                    body.height() * 0.16));
        }

    painter.setPen(QColor(60, 30, 0));
    painter.setFont(TahomaFont(10, true));
    painter.drawText(QRectF(0, h * 0.87, w, h * 0.12), Qt::AlignCenter, "The Numora developers");
    return pixmap;
}

}  // namespace

CalcHelpFrm::CalcHelpFrm(bool readOutLoudOn, QWidget* parent)
    : CalcHelpFrm(readOutLoudOn, std::make_unique<DesktopVoice>(), parent) {}

CalcHelpFrm::CalcHelpFrm(bool readOutLoudOn, std::unique_ptr<SpeechVoice> voice, QWidget* parent)
    : QDialog(parent), readOutLoudOn_(readOutLoudOn), voice_(std::move(voice)) {
    CreateControls();
    Form_Load();
}

CalcHelpFrm::~CalcHelpFrm() = default;

void CalcHelpFrm::CreateControls() {
    setObjectName("CalcHelpFrm");
    setWindowTitle(WindowText(QT_TRANSLATE_NOOP("Numora", "Calculator Help")));
    setFixedSize(TwipsToPixels(5295), TwipsToPixels(6675));

    auto* strip = new QWidget(this);
    strip->setObjectName("HeadingStrip");
    strip->setGeometry(TwipRect(120, 180, 5055, 330));
    SetPanelColours(strip, kHeadingColour, Qt::white);
    Lab1 = new QLabel(WindowText(kHeading), strip);
    Lab1->setObjectName("Lab1");
    Lab1->setFont(TahomaFont(8.25));
    Lab1->setGeometry(QRect(QPoint(0, 0), strip->size()).adjusted(4, 0, 0, 0));

    MenuBox = new QListWidget(this);
    MenuBox->setObjectName("MenuBox");
    MenuBox->setFont(TahomaFont(8.25));
    MenuBox->setGeometry(TwipRect(120, 540, 5055, 1425));
    MenuBox->setAccessibleName(Lab1->text());

    HBox = new QTextEdit(this);
    HBox->setObjectName("HBox");
    HBox->setFont(CourierNewFont(9.75));
    HBox->setGeometry(TwipRect(120, 2040, 5055, 3765));
    HBox->setReadOnly(true);
    HBox->setAcceptRichText(false);

    DemImage = new QLabel(this);
    DemImage->setObjectName("DemImage");
    DemImage->setPixmap(AuthorPicture(HBox->size()));
    DemImage->setGeometry(HBox->geometry());
    DemImage->hide();

    auto* exitFrame = new QFrame(this);
    exitFrame->setObjectName("ExitFrame");
    exitFrame->setGeometry(TwipRect(3975, 6000, 1200, 555));
    ExitButton = new QPushButton(WindowText(QT_TRANSLATE_NOOP("Numora", "&Exit")), exitFrame);
    ExitButton->setObjectName("ExitButton");
    ExitButton->setGeometry(TwipRect(30, 60, 1145, 435));
    ExitButton->setDefault(true);

    // Selection, not the current row: the list takes a current row of its own when it gets
    // the focus, and that must not pick a topic.
    connect(MenuBox, &QListWidget::itemSelectionChanged, this, [this] { MenuBox_Click(); });
    connect(voice_.get(), &SpeechVoice::WordReached, this, &CalcHelpFrm::Voice_Word);
    connect(ExitButton, &QPushButton::clicked, this, &CalcHelpFrm::ExitButton_Click);
}

void CalcHelpFrm::Form_Load() {
    MenuBox->clear();
    for (const std::string& item : HelpMenuItems()) MenuBox->addItem(QString::fromStdString(item));
}

void CalcHelpFrm::MenuBox_Click() {
    const QList<QListWidgetItem*> selected = MenuBox->selectedItems();
    if (selected.isEmpty()) return;
    const int row = MenuBox->row(selected.front());
    const HelpTopic topic = GetHelpTopic(row + 1).value_or(HelpTopic{});

    HBox->setPlainText(QString::fromStdString(BoxText(topic.text)));
    HBox->setAccessibleName(selected.front()->text());
    HBox->setFocus();
    HBox->moveCursor(QTextCursor::Start);
    MenuBox->setFocus();

    readingRow_ = row;
    readingItem_ = selected.front()->text().toStdString();
    readingText_ = topic.text;
    readingSpoken_ = SpokenForm(topic.text);
    if (readOutLoudOn_) voice_->Speak(HelpReading(readingItem_, readingSpoken_));

    const bool aboutAuthor = row + 1 == MenuBox->count();
    if (aboutAuthor) {
        HBox->hide();
        DemImage->setGeometry(HBox->geometry());
        DemImage->show();
    } else {
        HBox->show();
        DemImage->hide();
    }
}

// Only the Overview is marked while it is read. The reported position counts in the spoken
// text, which the replacements made longer than the shown one; it is mapped back so that the
// mark stays on the word being spoken.
void CalcHelpFrm::Voice_Word(int position, int length) {
    if (readingRow_ != 0 || MenuBox->currentRow() != 0) return;
    const auto range = SpokenWordSource(readingItem_, readingSpoken_, position, length);
    if (!range) return;
    HBox->setFocus();
    QTextCursor cursor = HBox->textCursor();
    cursor.setPosition(BoxPosition(readingText_, range->begin));
    cursor.setPosition(BoxPosition(readingText_, range->end), QTextCursor::KeepAnchor);
    HBox->setTextCursor(cursor);
}

void CalcHelpFrm::ExitButton_Click() {
    voice_->Speak("");
    accept();
}
