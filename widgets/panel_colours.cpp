// SPDX-License-Identifier: MIT
#include "widgets/panel_colours.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace {

constexpr const char* kDesignProperty = "numoraPanelDesign";
constexpr const char* kTextProperty = "numoraPanelText";
constexpr const char* kAppliedProperty = "numoraPaletteKey";
// Rounding of the colours must not take a text below the line.
constexpr double kMargin = 0.3;
// Pure black and white are 21:1; the usual light palettes stay below 19.5:1.
constexpr double kHighContrast = 20.0;

double Channel(double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); }

double Luminance(QColor colour) {
    return 0.2126 * Channel(colour.redF()) + 0.7152 * Channel(colour.greenF()) + 0.0722 * Channel(colour.blueF());
}

QColor Mix(QColor from, QColor to, double share) {
    const auto channel = [share](double a, double b) { return a + (b - a) * share; };
    return QColor::fromRgbF(channel(from.redF(), to.redF()), channel(from.greenF(), to.greenF()),
                            channel(from.blueF(), to.blueF()));
}

// The least share of `toward` mixed into `text` that reads on `background`; -1 when none does.
// Mixing may first pass the background's own lightness: only beyond it does the text read.
double ShareToRead(QColor text, QColor toward, QColor background) {
    if (ContrastRatio(toward, background) < kLeastContrast + kMargin) return -1;
    const bool lighter = Luminance(toward) > Luminance(background);
    const auto reads = [&](double share) {
        const QColor mixed = Mix(text, toward, share);
        return (Luminance(mixed) > Luminance(background)) == lighter &&
               ContrastRatio(mixed, background) >= kLeastContrast + kMargin;
    };
    double low = 0, high = 1;
    for (int step = 0; step < 20; ++step) {
        const double mid = (low + high) / 2;
        (reads(mid) ? high : low) = mid;
    }
    return high;
}

// The faintest mix of `text` into `background` that still reads.
QColor Faded(QColor text, QColor background) {
    double low = 0, high = 0.7;
    for (int step = 0; step < 16; ++step) {
        const double mid = (low + high) / 2;
        (ContrastRatio(Mix(text, background, mid), background) >= kLeastContrast + kMargin ? low : high) = mid;
    }
    return Mix(text, background, low);
}

enum class Kind { Light, Dark, HighContrast };

Kind KindOf(const QPalette& desktop) {
    const QColor window = desktop.color(QPalette::Active, QPalette::Window);
    const QColor text = desktop.color(QPalette::Active, QPalette::WindowText);
    if (ContrastRatio(window, text) >= kHighContrast) return Kind::HighContrast;
    return Luminance(window) < Luminance(text) ? Kind::Dark : Kind::Light;
}

// The panel's colour on a dark desktop: its hue, calmer, and dark enough for light text, the
// lighter design colours a little lighter so that strips stay apart from their panels.
QColor DarkShade(QColor design) {
    const QColor hsl = design.toHsl();
    return QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF() * 0.6, 0.1 + 0.22 * hsl.lightnessF());
}

constexpr std::array<std::pair<QPalette::ColorRole, QPalette::ColorRole>, 7> kTextOnBackground{{
    {QPalette::WindowText, QPalette::Window},
    {QPalette::ButtonText, QPalette::Button},
    {QPalette::Text, QPalette::Base},
    {QPalette::HighlightedText, QPalette::Highlight},
    {QPalette::ToolTipText, QPalette::ToolTipBase},
    {QPalette::Link, QPalette::Base},
    {QPalette::LinkVisited, QPalette::Base},
}};

void ApplyPanel(QWidget& widget, const QPalette& readable) {
    const QColor design = widget.property(kDesignProperty).value<QColor>();
    const QColor text = widget.property(kTextProperty).value<QColor>();
    widget.setPalette(PanelPalette(readable, design, text));
}

void ApplyWindow(QWidget& window) {
    const qint64 key = QApplication::palette().cacheKey();
    if (window.property(kAppliedProperty).toLongLong() == key) return;
    window.setProperty(kAppliedProperty, key);
    const QPalette readable = ReadablePalette(QApplication::palette());
    window.setPalette(readable);
    if (window.property(kDesignProperty).isValid()) ApplyPanel(window, readable);
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (child->property(kDesignProperty).isValid()) ApplyPanel(*child, readable);
        // A widget with a style sheet of its own is passed over when a palette spreads.
        else if (child->testAttribute(Qt::WA_StyleSheet)) child->setPalette(readable);
    }
}

class PaletteFollower final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ApplicationPaletteChange && watched == qApp) {
            for (QWidget* window : QApplication::topLevelWidgets()) ApplyWindow(*window);
        } else if (event->type() == QEvent::Show && watched->isWidgetType()) {
            if (auto* widget = static_cast<QWidget*>(watched); widget->isWindow()) ApplyWindow(*widget);
        }
        return false;
    }
};

}  // namespace

double ContrastRatio(QColor a, QColor b) {
    const double one = Luminance(a), other = Luminance(b);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

QColor ReadableOn(QColor text, QColor background) {
    if (ContrastRatio(text, background) >= kLeastContrast + kMargin) return text;
    const double toWhite = ShareToRead(text, Qt::white, background);
    const double toBlack = ShareToRead(text, Qt::black, background);
    if (toWhite < 0 && toBlack < 0)
        return ContrastRatio(Qt::white, background) > ContrastRatio(Qt::black, background) ? Qt::white : Qt::black;
    if (toBlack < 0 || (toWhite >= 0 && toWhite < toBlack)) return Mix(text, Qt::white, toWhite);
    return Mix(text, Qt::black, toBlack);
}

QPalette ReadablePalette(const QPalette& desktop) {
    QPalette palette = desktop;
    for (const auto& [textRole, backgroundRole] : kTextOnBackground) {
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            const QColor background = desktop.color(group, backgroundRole);
            palette.setColor(group, textRole, ReadableOn(desktop.color(group, textRole), background));
        }
        const QColor background = desktop.color(QPalette::Disabled, backgroundRole);
        palette.setColor(QPalette::Disabled, textRole,
                         Faded(ReadableOn(desktop.color(QPalette::Active, textRole), background), background));
    }
    return palette;
}

QPalette PanelPalette(const QPalette& desktop, QColor design, QColor text) {
    const Kind kind = KindOf(desktop);
    if (kind == Kind::HighContrast) return ReadablePalette(desktop);
    QPalette palette = desktop;
    const QColor background = kind == Kind::Light ? design : DarkShade(design);
    // On a dark desktop a dark design text gives way to the desktop's own light one.
    const QColor shown =
        kind == Kind::Dark && Luminance(text) < 0.5 ? desktop.color(QPalette::Active, QPalette::WindowText) : text;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Window, background);
    palette.setColor(QPalette::Active, QPalette::WindowText, ReadableOn(shown, background));
    palette.setColor(QPalette::Inactive, QPalette::WindowText, ReadableOn(shown, background));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, Faded(ReadableOn(shown, background), background));
    // A link on a panel is in the panel's text colour, set apart by its underline.
    for (const auto role : {QPalette::Link, QPalette::LinkVisited})
        palette.setColor(role, palette.color(QPalette::Active, QPalette::WindowText));
    return palette;
}

void SetPanelColours(QWidget* widget, QColor design, QColor text, bool filled) {
    widget->setProperty(kDesignProperty, design);
    widget->setProperty(kTextProperty, text);
    widget->setAutoFillBackground(filled);
    ApplyPanel(*widget, ReadablePalette(QApplication::palette()));
}

void FollowDesktopPalette(QApplication& app) { app.installEventFilter(new PaletteFollower(&app)); }
