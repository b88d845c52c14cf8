// SPDX-License-Identifier: MIT
#include "shell/about_frm.h"

#include <QDesktopServices>
#include <QEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QUrl>

#include "display/number_text.h"
#include "shell/numora_pictures.h"
#include "speech/speech_engine.h"
#include "widgets/face_fonts.h"
#include "widgets/panel_colours.h"
#include "widgets/translated_text.h"
#include "widgets/twips.h"

namespace {

constexpr const char* kTitle = "Numora";
constexpr const char* kLegalNotice =
    QT_TRANSLATE_NOOP("Numora", "Copyright \u00A9 The Numora developers.\nFree software under the MIT licence.");
constexpr const char* kDisclaimer =
    QT_TRANSLATE_NOOP("Numora",
                      "Warning: this program is protected by copyright law. Reproduction or distribution of it, "
                      "or of any part of it, against the terms of its licence is not permitted.");

// The box's own colour, under a gradient that only darkens it: the texts are made to read on it.
const QColor kAboutColour(96, 96, 224);

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, QColor colour, const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    if (parent != nullptr) {
        SetPanelColours(label, kAboutColour, colour, false);
    } else {
        // A shade painted under a text is no text of its own.
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colour);
        label->setPalette(palette);
    }
    return label;
}

QLabel* AddFixedLabel(QWidget* parent, const char* name, const QString& text, QColor colour, const QFont& font,
                      QRect rect) {
    QLabel* label = AddLabel(parent, name, text, colour, font);
    label->setGeometry(rect);
    return label;
}

QLabel* AddAutoSizeLabel(QWidget* parent, const char* name, const QString& text, QColor colour, const QFont& font,
                         int x, int y) {
    QLabel* label = AddLabel(parent, name, text, colour, font);
    label->move(TwipsToPixels(x), TwipsToPixels(y));
    label->adjustSize();
    return label;
}

// A link's colour is fixed when its text is read, not taken from the palette when drawn: the
// text is made again in the label's own text colour whenever its palette changes.
class MailLabel final : public QLabel {
public:
    MailLabel(const QString& link, QWidget* parent) : QLabel(parent), link_(link) {
        setTextFormat(Qt::RichText);
        ShowLink();
    }

protected:
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::PaletteChange) ShowLink();
        QLabel::changeEvent(event);
    }

private:
    void ShowLink() {
        setText(QString("<a href=\"%1\" style=\"color:%2\">%3</a>")
                    .arg(link_, palette().color(QPalette::WindowText).name(), link_.mid(link_.indexOf(':') + 1)));
    }

    QString link_;
};

QLabel* AddPicture(QWidget* parent, const char* name, const QPixmap& picture, QRect rect) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(picture);
    label->setGeometry(rect);
    return label;
}

QString Version() {
    return WindowText(QT_TRANSLATE_NOOP("Numora", "Version %1"))
        .arg(QString::fromStdString(FormatPattern(NUMORA_VERSION_MAJOR, "0") + "." +
                                    FormatPattern(NUMORA_VERSION_MINOR, "0")));
}

}  // namespace

AboutFrm::AboutFrm(QWidget* parent) : QDialog(parent) {
    setObjectName("AboutFrm");
    setWindowTitle(WindowText(QT_TRANSLATE_NOOP("Numora", "About")) + "  ");
    setFixedSize(TwipsToPixels(6630), TwipsToPixels(5055));
    setFont(TahomaFont(8.25));
    SetPanelColours(this, kAboutColour, Qt::white, false);

    const QColor white = Qt::white, black = Qt::black;
    AddPicture(this, "Picture1", CalculatorPicture(QSize(78, 94)), TwipRect(120, 120, 1170, 1410));
    AddPicture(this, "Picture2", VoicePicture(QSize(60, 60)), TwipRect(5535, 2640, 900, 900));
    // The shades are painted under the texts, not children: a screen reader would read each text twice.
    shades_[0].reset(AddFixedLabel(nullptr, "lblTitleShade", kTitle, black, VerdanaFont(32.25, true),
                                   TwipRect(1440, 240, 5100, 1860)));
    shades_[0]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    AddFixedLabel(this, "lblTitle", kTitle, white, VerdanaFont(32.25, true), TwipRect(1320, 120, 5220, 1740))
        ->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    auto* versionStrip = new QWidget(this);
    versionStrip->setGeometry(TwipRect(120, 1586, 1170, 270));
    SetPanelColours(versionStrip, QColor(0, 0, 128), white);
    auto* version = new QLabel(Version(), versionStrip);
    version->setObjectName("lblVersion");
    version->setGeometry(QRect(0, 0, versionStrip->width(), versionStrip->height()));
    version->setAlignment(Qt::AlignCenter);

    shades_[1].reset(AddAutoSizeLabel(nullptr, "lblDescriptionShade", WindowText(kLegalNotice), black,
                                      TahomaFont(9, true), 180, 1920));
    AddAutoSizeLabel(this, "lblDescription", WindowText(kLegalNotice), white, TahomaFont(9, true), 135, 1875);

    const std::string voice = DesktopSpeechEngineName();
    AddFixedLabel(this, "lblVoice",
                  WindowText(QT_TRANSLATE_NOOP("Numora", "Read-out: %1"))
                      .arg(voice.empty() ? WindowText(QT_TRANSLATE_NOOP("Numora", "not used yet"))
                                         : QString::fromStdString(voice)),
                  black, TahomaFont(8.25), TwipRect(3960, 3555, 2550, 195))
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    AddFixedLabel(this, "CommentLabel", WindowText(QT_TRANSLATE_NOOP("Numora", "Please send your comments to:")),
                  QColor(255, 128, 255), TahomaFont(8.25), TwipRect(135, 3765, 2250, 195));
    auto* mail = new MailLabel(kMailLink, this);
    mail->setObjectName("MyEmailAdd");
    mail->setFont(TahomaFont(8.25));
    mail->setGeometry(TwipRect(2535, 3765, 1965, 195));
    SetPanelColours(mail, kAboutColour, QColor(0, 0, 128), false);
    mail->setCursor(Qt::PointingHandCursor);
    connect(mail, &QLabel::linkActivated, this, [this] { MyEmailAdd_Click(); });

    QLabel* disclaimer = AddFixedLabel(this, "lblDisclaimer", WindowText(kDisclaimer), white, TahomaFont(8.25),
                                       TwipRect(120, 4140, 5055, 780));
    disclaimer->setWordWrap(true);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("cmdOK");
    ok->setGeometry(TwipRect(5295, 4575, 1260, 405));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutFrm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, AboutBackground(size(), palette().color(QPalette::Window)));
    for (const auto& shade : shades_) shade->render(&painter, shade->pos(), {}, QWidget::RenderFlags());
}

void AboutFrm::MyEmailAdd_Click() {
    if (QDesktopServices::openUrl(QUrl(kMailLink))) return;
    QMessageBox::information(
        this, "E-Mail the Author...",
        WindowText(QT_TRANSLATE_NOOP("Numora", "Error contacting %1 please try again later.")).arg(kMailLink));
}
