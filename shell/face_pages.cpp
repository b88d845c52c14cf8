// SPDX-License-Identifier: MIT
#include "shell/calc_main_frm.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include "core/translation.h"
#include "keys/dispatch.h"
#include "keys/key_names.h"
#include "keys/key_table.h"
#include "widgets/face_scale.h"
#include "widgets/panel_colours.h"
#include "widgets/translated_text.h"
#include "widgets/twips.h"

namespace {

constexpr std::array kColumnX{60, 950, 1840, 2730, 3620};
constexpr std::array kRowY{60, 590, 1120, 1650};
constexpr int kKeyWidth = 820, kKeyHeight = 450;
constexpr std::array<const char*, 4> kPageCaptions{
    QT_TRANSLATE_NOOP("Numora", "1st Function"), QT_TRANSLATE_NOOP("Numora", "2nd Function"),
    QT_TRANSLATE_NOOP("Numora", "3rd Function"), QT_TRANSLATE_NOOP("Numora", "Calc Mode")};
// The blanks around each caption that give the tabs their widths.
constexpr std::array<std::pair<const char*, const char*>, 4> kPagePadding{
    {{"", " "}, {" ", " "}, {" ", " "}, {" ", ""}}};

QWidget* ColouredPanel(QWidget* parent, const char* name, QColor colour, QColor text = Qt::black) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(name);
    SetPanelColours(panel, colour, text);
    return panel;
}

// The keys' own pointer: a small calculator key under a pointing tip.
const QCursor& KeyCursor() {
    static const QCursor cursor = [] {
        QPixmap picture(32, 32);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 1.5));
        painter.setBrush(QColor(255, 192, 128));
        painter.drawRoundedRect(QRectF(8.5, 10.5, 18, 14), 3, 3);
        painter.setBrush(Qt::white);
        painter.drawPolygon(QPolygonF({{1, 1}, {1, 14}, {4.5, 10.5}, {9, 11}}));
        painter.setPen(QPen(QColor(0, 0, 128), 2));
        painter.drawLine(QPointF(14, 17.5), QPointF(21, 17.5));
        painter.drawLine(QPointF(17.5, 14), QPointF(17.5, 21));
        return QCursor(picture, 1, 1);
    }();
    return cursor;
}

bool ShowsArrowCursor(std::string_view name) { return name == "key_Ave" || name == "key_Tan" || name == "key_Cnst"; }

}  // namespace

void CalcMainFrm::CreateTabArea(QWidget* face) {
    auto* area = new QWidget(face);
    area->setObjectName("TabArea");
    area->setGeometry(TwipRect(60, 1860, 4670, 2680));
    widgets_.selectTab = new QTabWidget(area);
    widgets_.selectTab->setObjectName("SelectTab");
    widgets_.selectTab->setGeometry(0, 0, area->width(), area->height());
    widgets_.selectTab->setFocusPolicy(Qt::NoFocus);
    widgets_.selectTab->tabBar()->setFocusPolicy(Qt::TabFocus);
    widgets_.selectTab->tabBar()->setUsesScrollButtons(false);
    SizeTabs(1);
    for (int page = 0; page < 4; ++page) {
        QWidget* panel = ColouredPanel(nullptr, "", QColor(192, 192, 255));
        panel->setObjectName(QString("TabPanel%1").arg(page));
        widgets_.selectTab->addTab(panel, QString());
        if (page < 3) CreateKeyPage(page, panel);
        else CreateModePage(panel);
    }
    NamePages();
    widgets_.selectTab->setCurrentIndex(0);
    connect(widgets_.selectTab, &QTabWidget::currentChanged, this, [this](int page) { SelectTab_Click(page); });
}

// Four tabs of a quarter of the width each, in one row.
void CalcMainFrm::SizeTabs(qreal scale) {
    widgets_.selectTab->tabBar()->setStyleSheet(QString("QTabBar::tab { width: %1px; padding: %2px 0px; }")
                                                    .arg(widgets_.selectTab->width() / 4 - 2)
                                                    .arg(Scaled(3, scale)));
}

void CalcMainFrm::CreateHeadingStrip(QWidget* parent, QRect rect, const char* text) {
    QWidget* strip = ColouredPanel(parent, "HeadingStrip", QColor(0, 0, 255), Qt::white);
    strip->setGeometry(rect);
    auto* label = new QLabel(strip);
    SetWindowText(label, text);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(0, 0, rect.width(), rect.height());
}

void CalcMainFrm::CreateKeyPage(int page, QWidget* panel) {
    if (page == 2) {
        CreateHeadingStrip(panel, TwipRect(60, 60, 1695, 450), QT_TRANSLATE_NOOP("Numora", "Hyperbolic Functions"));
        CreateHeadingStrip(panel, TwipRect(1845, 60, 2585, 450),
                           QT_TRANSLATE_NOOP("Numora", "Standard Deviation Functions"));
    }
    for (const FaceKey& key : FaceKeys())
        if (key.page == page) CreateKey(key, panel);
}

void CalcMainFrm::CreateKeypad(QWidget* face) {
    auto* frame = new QFrame(face);
    frame->setObjectName("KeypadFrame");
    frame->setGeometry(TwipRect(60, 4500, 4670, 2410));
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    QWidget* panel = ColouredPanel(frame, "KeypadPanel", QColor(255, 192, 128));
    panel->setGeometry(TwipRect(60, 150, 4550, 2200));
    for (const FaceKey& key : FaceKeys())
        if (key.page == kKeypadPage) CreateKey(key, panel);
}

QPushButton* CalcMainFrm::CreateKey(const FaceKey& key, QWidget* panel) {
    auto* button = new QPushButton(QString::fromUtf8(key.caption.data(), key.caption.size()), panel);
    button->setObjectName(QString::fromUtf8(key.name.data(), key.name.size()));
    button->setGeometry(TwipRect(kColumnX[key.column - 1], kRowY[key.row - 1], kKeyWidth, kKeyHeight));
    // Tab reaches the keys; a click leaves the focus where it was.
    button->setFocusPolicy(Qt::TabFocus);
    NameKey(key, button);
    button->setAutoDefault(false);
    if (!ShowsArrowCursor(key.name)) button->setCursor(KeyCursor());
    const FaceKey* faceKey = &key;
    connect(button, &QPushButton::clicked, this,
            [this, faceKey] { RunKey([faceKey](Calculator& calc) { ClickKey(calc, *faceKey); }); });
    return button;
}

// A key's tool tip and spoken name are in the user's language; its caption is notation and stays.
void CalcMainFrm::NameKey(const FaceKey& key, QPushButton* button) {
    button->setToolTip(
        key.toolTip.empty() ? QString() : QString::fromStdString(Translated("Keys", std::string(key.toolTip).c_str())));
    button->setAccessibleName(QString::fromStdString(KeyName(key)));
    button->setAccessibleDescription(button->toolTip());
}

void CalcMainFrm::NameKeys() {
    for (const FaceKey& key : FaceKeys())
        if (auto* button = findChild<QPushButton*>(QString::fromUtf8(key.name.data(), key.name.size())))
            NameKey(key, button);
}

void CalcMainFrm::NamePages() {
    for (int page = 0; page < 4; ++page) {
        const QString caption = WindowText(kPageCaptions[page]);
        const auto [before, after] = kPagePadding[page];
        widgets_.selectTab->setTabText(page, before + caption + after);
        widgets_.selectTab->tabBar()->setAccessibleTabName(page, caption);
    }
}
