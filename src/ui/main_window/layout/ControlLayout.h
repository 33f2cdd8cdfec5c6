#pragma once

#include <QRgb>
#include <QString>

#include <optional>

namespace addrell {

enum class ControlKind {
    CommandButton,
    Label,
    TextBox,
    ComboBox,
    ListBox,
    OptionButton,
    Frame,
    PictureBox,
    ProgressBar,
    TabControl,
    Grid,
};

// A rectangle in twips, from the top-left corner of the control's container.
struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// An empty family means the window's own font.
struct FontSpec {
    QString family;
    double points = 0.0;
    bool bold = false;
};

namespace ControlFlag {
inline constexpr unsigned Hidden = 1U << 0;
inline constexpr unsigned MultiLine = 1U << 1;
inline constexpr unsigned Selected = 1U << 2;
// No border: a frame without its outline and caption band, a picture box without its sunken edge.
inline constexpr unsigned Borderless = 1U << 3;
} // namespace ControlFlag

// One row of the window's layout table.
struct ControlLayout {
    QString name;
    int index = -1; // the element of a control array, -1 for a plain control
    ControlKind kind = ControlKind::Label;
    QString caption;
    QString container; // empty for the window's client area
    int page = -1;     // the tab control's page, for controls placed on one
    TwipRect rect;
    FontSpec font;
    std::optional<QRgb> background;
    std::optional<QRgb> foreground;
    unsigned flags = 0;
    QString toolTip;
    QString picture; // a stored picture (a resource path), drawn unscaled from the top-left

    [[nodiscard]] bool has(unsigned flag) const noexcept { return (flags & flag) != 0; }
    // The key a control is found under: its name, with the index for an array element.
    [[nodiscard]] QString key() const
    {
        return index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index);
    }
};

} // namespace addrell
