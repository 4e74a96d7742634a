#include "platform/qt/Palettes.h"

#include <QApplication>

#include <algorithm>
#include <cmath>

namespace korvel::qt {

QPalette DarkPalette() {
    QPalette palette;
    const QColor window(45, 48, 53);
    const QColor base(30, 32, 36);
    const QColor text(232, 235, 238);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, window.lighter(115));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, Qt::white);
    palette.setColor(QPalette::Light, window.lighter(160));
    palette.setColor(QPalette::Midlight, window.lighter(130));
    palette.setColor(QPalette::Mid, window.lighter(170));
    palette.setColor(QPalette::Dark, window.darker(130));
    palette.setColor(QPalette::Shadow, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(61, 132, 230));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, base);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, QColor(150, 155, 160));
    palette.setColor(QPalette::Link, QColor(110, 170, 255));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 124, 128));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 124, 128));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(120, 124, 128));
    return palette;
}

namespace {

constexpr double kReadableText = 4.5;
constexpr double kVisibleFrame = 3.0;

double Luminance(const QColor& colour) {
    const auto channel = [](double share) {
        return share <= 0.03928 ? share / 12.92 : std::pow((share + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) +
           0.0722 * channel(rgb.blueF());
}

QColor Mix(const QColor& from, const QColor& to, double share) {
    const QColor a = from.toRgb();
    const QColor b = to.toRgb();
    const auto mix = [share](double x, double y) {
        return static_cast<float>(x + (y - x) * share);
    };
    return QColor::fromRgbF(mix(a.redF(), b.redF()), mix(a.greenF(), b.greenF()),
                            mix(a.blueF(), b.blueF()));
}

// `colour` moved towards `towards` in small steps until it reaches `ratio` against every colour
// of `behind` (or `towards` itself).
QColor StandOut(const QColor& colour, const QColor& towards, std::initializer_list<QColor> behind,
                double ratio) {
    for (int step = 0; step <= 20; ++step) {
        const QColor tried = Mix(colour, towards, step / 20.0);
        const bool enough = std::all_of(behind.begin(), behind.end(), [&](const QColor& back) {
            return ContrastRatio(tried, back) >= ratio;
        });
        if (enough) return tried;
    }
    return towards;
}

}  // namespace

double ContrastRatio(const QColor& one, const QColor& other) {
    const double a = Luminance(one);
    const double b = Luminance(other);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor QuietText(const QPalette& palette, const QColor& background) {
    const QColor text = palette.color(QPalette::Text);
    return StandOut(Mix(text, background, 0.45), text, {background}, kReadableText);
}

QColor FrameColour(const QPalette& palette) {
    return StandOut(palette.color(QPalette::Mid), palette.color(QPalette::Text),
                    {palette.color(QPalette::Base), palette.color(QPalette::Window)},
                    kVisibleFrame);
}

QPalette ReadablePalette(const QPalette& desktop) {
    QPalette readable = desktop;
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        const QColor text = desktop.color(group, QPalette::Text);
        const QColor placeholder = desktop.color(group, QPalette::PlaceholderText);
        const QColor base = desktop.color(group, QPalette::Base);
        const QColor window = desktop.color(group, QPalette::Window);
        // A translucent placeholder shows as its mix with what lies under it.
        const QColor solid =
            placeholder.alpha() < 255 ? Mix(base, placeholder, placeholder.alphaF()) : placeholder;
        readable.setColor(group, QPalette::PlaceholderText,
                          StandOut(solid, text,
                                   {window, window.darker(110), base,
                                    desktop.color(group, QPalette::AlternateBase)},
                                   kReadableText));
        const QColor onHighlight = desktop.color(group, QPalette::HighlightedText);
        const QColor away = Luminance(onHighlight) > 0.5 ? QColor(Qt::black) : QColor(Qt::white);
        readable.setColor(group, QPalette::Highlight,
                          StandOut(desktop.color(group, QPalette::Highlight), away, {onHighlight},
                                   kReadableText));
        // Frames (style sheets draw them in the mid colour).
        readable.setColor(
            group, QPalette::Mid,
            StandOut(desktop.color(group, QPalette::Mid), text, {base, window}, kVisibleFrame));
    }
    return readable;
}

void KeepApplicationPaletteReadable() {
    const QPalette desktop = QApplication::palette();
    const QPalette readable = ReadablePalette(desktop);
    // Setting it again would announce a change and bring every window back here.
    if (readable != desktop) QApplication::setPalette(readable);
}

}  // namespace korvel::qt
