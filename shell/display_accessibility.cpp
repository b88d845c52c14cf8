// SPDX-License-Identifier: MIT
#include "shell/display_accessibility.h"

#include <QAccessibleWidget>

#include "display/display_panel_widget.h"
#include "keys/key_names.h"

namespace {

QString Reading(const DisplayPanel& panel) { return QString::fromStdString(ShownReading(panel)); }

// One read-only text: the display's labels are parts of it, not objects of their own.
class DisplayAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit DisplayAccessible(DisplayPanelWidget* display)
        : QAccessibleWidget(display, QAccessible::StaticText, "Display") {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name: return "Display";
        case QAccessible::Description: return QString::fromStdString(IndicatorReading(Panel()));
        case QAccessible::Value: return Shown();
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

    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override {
        return Shown().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(Shown().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = offset;
        return {};
    }

private:
    const DisplayPanel& Panel() const { return static_cast<DisplayPanelWidget*>(widget())->Shown(); }
    QString Shown() const { return Reading(Panel()); }
};

QAccessibleInterface* DisplayFactory(const QString&, QObject* object) {
    if (auto* display = dynamic_cast<DisplayPanelWidget*>(object)) return new DisplayAccessible(display);
    return nullptr;
}

}  // namespace

void InstallDisplayAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(DisplayFactory);
        return true;
    }();
    (void)installed;
}

void AnnounceDisplay(DisplayPanelWidget& display, const DisplayPanel& before) {
    if (!QAccessible::isActive()) return;
    const DisplayPanel& now = display.Shown();
    const QString was = Reading(before), is = Reading(now);
    if (was != is) {
        QAccessibleTextUpdateEvent update(&display, 0, was, is);
        QAccessible::updateAccessibility(&update);
    }
    if (IndicatorReading(before) != IndicatorReading(now)) {
        QAccessibleEvent described(&display, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&described);
    }
}

bool QtScreenReaderWatch::Active() const { return QAccessible::isActive(); }
