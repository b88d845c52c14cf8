// SPDX-License-Identifier: MIT
#include "tape/tape_window.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "widgets/report_list_widget.h"
#include "widgets/translated_text.h"
#include "widgets/twips.h"

namespace {

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

// A plain widget is a "filler" to a screen reader; the tape is a window of its own.
QAccessibleInterface* TapeWindowFactory(const QString&, QObject* object) {
    if (auto* window = dynamic_cast<TapeWindow*>(object)) return new QAccessibleWidget(window, QAccessible::Window);
    return nullptr;
}

}  // namespace

TapeWindow::TapeWindow(PaperTape& tape, QWidget* parent) : QWidget(parent, Qt::Window), tape_(tape) {
    setObjectName("CalcTapeFrm");
    setWindowTitle(WindowText(QT_TRANSLATE_NOOP("Numora", "Tape")));
    static const bool accessible = [] {
        QAccessible::installFactory(TapeWindowFactory);
        return true;
    }();
    (void)accessible;

    list_ = new QListWidget(this);
    list_->setObjectName("TapeList");
    list_->setAccessibleName(WindowText(QT_TRANSLATE_NOOP("Numora", "Tape")));
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setUniformItemSizes(true);

    auto* copyButton = CreateDialogButton("CopyButton", WindowText(QT_TRANSLATE_NOOP("Numora", "&Copy")), this);
    auto* clearButton = CreateDialogButton("ClearButton", WindowText(QT_TRANSLATE_NOOP("Numora", "C&lear")), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copyButton);
    buttons->addWidget(clearButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(buttons);

    auto* copy = new QAction(WindowText(QT_TRANSLATE_NOOP("Numora", "Copy")), this);
    copy->setObjectName("mnuTapeCopy");
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(copy);
    list_->addAction(copy);
    list_->setContextMenuPolicy(Qt::ActionsContextMenu);

    connect(copy, &QAction::triggered, this, [this] { CopySelected(); });
    connect(copyButton, &QPushButton::clicked, this, [this] { CopySelected(); });
    connect(clearButton, &QPushButton::clicked, this, [this] { tape_.Clear(); });
    ShowAll();
}

void TapeWindow::ShowChange(TapeChange change) {
    const auto& lines = tape_.Lines();
    if (change == TapeChange::Replaced || lines.empty()) {
        ShowAll();
        return;
    }
    if (static_cast<std::size_t>(list_->count()) >= lines.size()) delete list_->takeItem(0);
    list_->addItem(ToQt(lines.back()));
    list_->scrollToBottom();
}

void TapeWindow::ShowAll() {
    list_->clear();
    for (const std::string& line : tape_.Lines()) list_->addItem(ToQt(line));
    list_->scrollToBottom();
}

void TapeWindow::ShowBeside(const QWidget& face) {
    if (!placed_) {
        placed_ = true;
        const QRect frame = face.frameGeometry();
        resize(TwipsToPixels(4500), face.height());
        QPoint place(frame.right() + 1, frame.top());
        // Left of the face when the screen ends on its right.
        if (const QScreen* screen = face.screen(); screen && place.x() + width() > screen->availableGeometry().right())
            place.setX(std::max(screen->availableGeometry().left(), frame.left() - frameGeometry().width()));
        move(place);
    }
    // Opening the tape leaves the keyboard with the face, so keying goes on; asked for again
    // while it is open, the tape takes the focus, so its lines can be reached without a mouse.
    const bool open = isVisible();
    setAttribute(Qt::WA_ShowWithoutActivating, !open);
    show();
    raise();
    if (open) activateWindow();
}

void TapeWindow::CopySelected() {
    QStringList lines;
    for (int row = 0; row < list_->count(); ++row)
        if (list_->item(row)->isSelected()) lines << list_->item(row)->text();
    if (!lines.isEmpty()) QGuiApplication::clipboard()->setText(lines.join('\n'));
}
