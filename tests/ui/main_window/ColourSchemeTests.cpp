#include "ReturnAddressSamples.h"
#include "WindowTest.h"
#include "ui/main_window/controls/FlexGrid.h"
#include "ui/main_window/layout/LayoutTable.h"

#include <QHash>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace addrell {
namespace {

// WCAG's relative luminance and contrast ratio.
double luminance(const QColor& colour)
{
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

struct Ink {
    QColor background;
    QColor text;
};

// In an area holding only text, the commonest colour is the background and the one that stands
// out from it most is the text's.
Ink inkIn(const QImage& image, const QRect& area)
{
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    Ink ink;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            ink.background = QColor::fromRgb(it.key());
        }
    }
    ink.text = ink.background;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (contrast(QColor::fromRgb(it.key()), ink.background) >
            contrast(ink.text, ink.background)) {
            ink.text = QColor::fromRgb(it.key());
        }
    }
    return ink;
}

// A desktop scheme as a platform theme hands it to Qt.
QPalette scheme(const QColor& window, const QColor& base, const QColor& text)
{
    QPalette palette(text, window, window.lighter(), window.darker(), window.darker(120), text,
                     text, base, window);
    palette.setColor(QPalette::ButtonText, text);
    return palette;
}

class ColourSchemeTest : public testing::WindowTest {
protected:
    ~ColourSchemeTest() override { QApplication::setPalette(m_desktop); }

private:
    QPalette m_desktop = QApplication::palette();
};

// Every label, text box and grid cell, on the window's fixed colours or on the desktop's, is
// readable (4.5:1 or better) in a dark scheme (Adwaita-dark's colours) and in a light one.
// Controls never shown, such as lblCurFolder, are left out.
TEST_F(ColourSchemeTest, EveryTextStandsOutFromItsBackgroundInDarkAndLightSchemes)
{
    const std::pair<const char*, QPalette> schemes[] = {
        {"dark", scheme(QColor(0x35, 0x35, 0x35), QColor(0x2d, 0x2d, 0x2d), Qt::white)},
        {"light", scheme(QColor(0xf6, 0xf5, 0xf4), Qt::white, QColor(0x2e, 0x34, 0x36))},
    };
    for (const auto& [name, palette] : schemes) {
        SCOPED_TRACE(name);
        QApplication::setPalette(palette);
        const auto window = open(testing::twoEntryFile());
        pickFolder(*window, {"Ann|1 Road"});
        get<TextBox>(*window, "txtAddress")->setAddressText("Ann\r\n1 Road");
        QStringList measured;
        for (int page = 0; page < 3; ++page) {
            tabs(*window)->setCurrentPage(page);
            QCoreApplication::processEvents();
            const QImage shot = window->grab().toImage();
            for (const ControlLayout& layout : LayoutTable::controls()) {
                QWidget* control = window->control<QWidget>(layout.key());
                QWidget* surface = control;
                QRect area = control->contentsRect();
                if (layout.kind == ControlKind::TextBox) {
                    surface = qobject_cast<TextBox*>(control)->viewport();
                    area = surface->rect();
                } else if (layout.kind == ControlKind::Grid) {
                    auto* grid = qobject_cast<FlexGrid*>(control);
                    surface = grid->viewport();
                    area = grid->visualRect(grid->model()->index(0, 1)).adjusted(1, 1, -2, -2);
                } else if (layout.kind != ControlKind::Label) {
                    continue;
                }
                if (!surface->isVisible()) {
                    continue;
                }
                SCOPED_TRACE(layout.key().toStdString());
                const Ink ink =
                    inkIn(shot, area.translated(surface->mapTo(window.get(), QPoint(0, 0))));
                EXPECT_GE(contrast(ink.text, ink.background), 4.5)
                    << ink.text.name().toStdString() << " on "
                    << ink.background.name().toStdString();
                if (layout.background) {
                    EXPECT_EQ(ink.background, QColor::fromRgb(*layout.background));
                }
                if (!measured.contains(layout.key())) {
                    measured << layout.key();
                }
            }
        }
        EXPECT_EQ(measured.join(u' ').toStdString(),
                  "txtAddress txtReturn lblstatus(0) lblstatus(1) MSFG1 Label1 lblPath lblVer");
    }
}

} // namespace
} // namespace addrell
