// SPDX-License-Identifier: MIT
#include "tape/tape_panel_widget.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLayout>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "widgets/face_scale.h"
#include "widgets/report_list_widget.h"
#include "widgets/translated_text.h"
#include "widgets/twips.h"

namespace {

constexpr int kNarrowestTwips = 2700;  // room for the two buttons
constexpr int kGripTwips = 90;

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

// The main window's menu has Ctrl+C (the result) and Ctrl+A (read-out) too; in the list they
// are the list's.
bool IsListShortcut(const QKeyEvent& key) {
    return key.matches(QKeySequence::Copy) || key.matches(QKeySequence::SelectAll);
}

class WidthGrip final : public QWidget {
public:
    explicit WidthGrip(TapePanelWidget& panel) : QWidget(&panel), panel_(panel) {
        setObjectName("TapeWidthGrip");
        setCursor(Qt::SizeHorCursor);
        setFixedWidth(TwipsToPixels(kGripTwips));
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        pressedAt_ = event->globalPosition().x();
        pressedWidth_ = panel_.TapeWidth();
    }
    // Measured from the press, not from the last move: the grip moves with the window's edge.
    void mouseMoveEvent(QMouseEvent* event) override {
        if (event->buttons() & Qt::LeftButton)
            panel_.SetTapeWidth(pressedWidth_ + qRound((event->globalPosition().x() - pressedAt_) / panel_.Scale()));
    }

private:
    TapePanelWidget& panel_;
    qreal pressedAt_ = 0;
    int pressedWidth_ = 0;
};

}  // namespace

TapePanelWidget::TapePanelWidget(PaperTape& tape, QWidget* parent) : QWidget(parent), tape_(tape) {
    setObjectName("TapePanel");
    list_ = new QListWidget(this);
    list_->setObjectName("TapeList");
    SetAccessibleWindowText(list_, QT_TRANSLATE_NOOP("Numora", "Tape"));
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setUniformItemSizes(true);
    list_->installEventFilter(this);

    copyButton_ = CreateDialogButton("CopyButton", WindowText(QT_TRANSLATE_NOOP("Numora", "&Copy")), this);
    clearButton_ = CreateDialogButton("ClearButton", WindowText(QT_TRANSLATE_NOOP("Numora", "C&lear")), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copyButton_);
    buttons->addWidget(clearButton_);
    buttons->addStretch();
    auto* column = new QVBoxLayout;
    column->addWidget(list_);
    column->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(layout->contentsMargins() - QMargins(0, 0, layout->contentsMargins().right(), 0));
    layout->addLayout(column);
    layout->addWidget(new WidthGrip(*this));

    auto* copy = new QAction(WindowText(QT_TRANSLATE_NOOP("Numora", "Copy")), list_);
    copy->setObjectName("mnuTapeCopy");
    list_->addAction(copy);
    list_->setContextMenuPolicy(Qt::ActionsContextMenu);

    connect(copy, &QAction::triggered, this, [this] { CopySelected(); });
    connect(copyButton_, &QPushButton::clicked, this, [this] { CopySelected(); });
    connect(clearButton_, &QPushButton::clicked, this, [this] { tape_.Clear(); });
    ShowAll();
}

void TapePanelWidget::ShowChange(TapeChange change) {
    const auto& lines = tape_.Lines();
    if (change == TapeChange::Replaced || lines.empty()) {
        ShowAll();
        return;
    }
    if (static_cast<std::size_t>(list_->count()) >= lines.size()) delete list_->takeItem(0);
    list_->addItem(ToQt(lines.back()));
    list_->scrollToBottom();
}

bool TapePanelWidget::KeepsKey(const QObject* receiver, const QKeyEvent& key) const {
    if (receiver != list_) return false;
    if (IsListShortcut(key)) return true;
    switch (key.key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End: return true;
    default: return false;
    }
}

void TapePanelWidget::SetTapeWidth(int width) {
    int widest = QWIDGETSIZE_MAX;
    const QLayout* row = parentWidget() ? parentWidget()->layout() : nullptr;
    if (const QScreen* screen = window()->screen(); screen && row) {
        // What stands beside it in its row, measured before the window first shows too.
        const int beside = row->minimumSize().width() - (isHidden() ? 0 : minimumWidth());
        widest = screen->availableGeometry().width() - beside;
    }
    const int shown = std::max(Scaled(TwipsToPixels(kNarrowestTwips), scale_), std::min(Scaled(width, scale_), widest));
    setFixedWidth(shown);
    tapeWidth_ = qRound(shown / scale_);
}

void TapePanelWidget::SetScale(qreal scale) {
    scale_ = scale;
    if (tapeWidth_ > 0) SetTapeWidth(tapeWidth_);
}

QList<QWidget*> TapePanelWidget::FocusChain() const { return {list_, copyButton_, clearButton_}; }

bool TapePanelWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched != list_ || (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress))
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (!IsListShortcut(key)) return false;
    // Taken as a key press rather than by the menu's shortcut; the list's own copy would take
    // only the current row.
    event->accept();
    if (event->type() == QEvent::ShortcutOverride) return true;
    if (!key.matches(QKeySequence::Copy)) return false;
    CopySelected();
    return true;
}

void TapePanelWidget::ShowAll() {
    list_->clear();
    for (const std::string& line : tape_.Lines()) list_->addItem(ToQt(line));
    list_->scrollToBottom();
}

void TapePanelWidget::CopySelected() {
    QStringList lines;
    for (int row = 0; row < list_->count(); ++row)
        if (list_->item(row)->isSelected()) lines << list_->item(row)->text();
    if (!lines.isEmpty()) QGuiApplication::clipboard()->setText(lines.join('\n'));
}
