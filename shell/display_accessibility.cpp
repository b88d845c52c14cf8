// SPDX-License-Identifier: MIT
#include "shell/display_accessibility.h"

#include <algorithm>

#include <QAccessibleWidget>

#include "display/display_panel_widget.h"
#include "keys/key_names.h"
#include "widgets/translated_text.h"

namespace {

QString Reading(const DisplayPanel& panel) { return QString::fromStdString(ShownReading(panel)); }

// One read-only text: the display's labels are parts of it, not objects of their own. Screen
// readers present a change of a text the user did not type into only when the new text is
// selected (Orca drops it otherwise), and Qt 6.4's bridge sends name and description changes
// without their text: so the news of a step is new selected text. Its first part is the reading
// of the shown value, which the next key replaces as a selection is replaced.
class DisplayAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit DisplayAccessible(DisplayPanelWidget* display)
        : QAccessibleWidget(display, QAccessible::EditableText), reading_(Reading(Panel())), text_(reading_) {}

    // Makes `reading` and `news` the text; the new part is selected unless it is a reading that
    // should not be presented. A step that brings no news leaves the last news standing.
    void Update(const QString& reading, const QString& news, bool presentReading) {
        const bool readingChanged = reading != reading_;
        if (!readingChanged && news.isEmpty()) return;
        const QString text = news.isEmpty() ? reading : reading + kNewsSeparator + news;
        if (text == text_) return;
        // A presented reading is new whole; a keyed one changes where the keying changed it, so
        // that a screen reader's echo of the erase key names the erased digit.
        qsizetype from = readingChanged ? 0 : reading.size();
        if (readingChanged && !presentReading)
            from = std::mismatch(text_.begin(), text_.end(), text.begin(), text.end()).first - text_.begin();
        const QString removed = text_.mid(from);
        reading_ = reading;
        text_ = text;
        selectionStart_ = readingChanged && !presentReading ? text_.size() : from;
        // The new text goes in before the old goes out: a screen reader takes the removal of the
        // text it last saw selected for the user deleting a selection, and says so.
        if (from < text_.size()) {
            QAccessibleTextInsertEvent inserted(widget(), static_cast<int>(from), text_.mid(from));
            QAccessible::updateAccessibility(&inserted);
        }
        if (removed.isEmpty()) return;
        QAccessibleTextRemoveEvent gone(widget(), characterCount(), removed);
        QAccessible::updateAccessibility(&gone);
    }
    const QString& Shown() const { return reading_; }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name: return WindowText(QT_TRANSLATE_NOOP("Numora", "Display"));
        case QAccessible::Description: return QString::fromStdString(IndicatorReading(Panel()));
        case QAccessible::Value: return text_;
        default: return QAccessibleWidget::text(t);
        }
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    void selection(int index, int* startOffset, int* endOffset) const override {
        const bool selected = index == 0 && selectionCount() == 1;
        *startOffset = selected ? static_cast<int>(selectionStart_) : 0;
        *endOffset = selected ? characterCount() : 0;
    }
    int selectionCount() const override { return selectionStart_ < text_.size() ? 1 : 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    // At the end, as after typing: a screen reader's echo of the Delete key finds no character.
    int cursorPosition() const override { return characterCount(); }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override {
        return text_.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(text_.size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    // One run without attributes: screen readers split the text by these runs to read it.
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    static constexpr QLatin1StringView kNewsSeparator{", "};

    const DisplayPanel& Panel() const { return static_cast<DisplayPanelWidget*>(widget())->Shown(); }

    QString reading_;
    QString text_;
    qsizetype selectionStart_ = text_.size();  // to the end of the text; none when at its end
};

QAccessibleInterface* DisplayFactory(const QString&, QObject* object) {
    if (auto* display = dynamic_cast<DisplayPanelWidget*>(object)) return new DisplayAccessible(display);
    return nullptr;
}

DisplayAccessible* AccessibleOf(DisplayPanelWidget& display) {
    return dynamic_cast<DisplayAccessible*>(QAccessible::queryAccessibleInterface(&display));
}

}  // namespace

void InstallDisplayAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(DisplayFactory);
        return true;
    }();
    (void)installed;
}

void AnnounceDisplay(DisplayPanelWidget& display, const DisplayPanel& before, bool numberKeyed) {
    if (!QAccessible::isActive()) return;
    if (DisplayAccessible* accessible = AccessibleOf(display)) {
        const DisplayPanel& now = display.Shown();
        accessible->Update(Reading(now), QString::fromStdString(IndicatorChanges(before, now)), !numberKeyed);
    }
}

void AnnounceThroughDisplay(DisplayPanelWidget& display, const QString& news) {
    if (!QAccessible::isActive()) return;
    if (DisplayAccessible* accessible = AccessibleOf(display)) accessible->Update(accessible->Shown(), news, false);
}
