#pragma once

#include "ui/main_window/layout/ControlLayout.h"

#include <QRgb>
#include <QStringList>

#include <vector>

namespace addrell {

// Where everything on the main window lives: the one place its geometry, fonts and colours are
// written down. Rows come in tab order, containers before what they hold.
class LayoutTable {
public:
    static constexpr int kTwipsPerPixel = 15;

    [[nodiscard]] static const std::vector<ControlLayout>& controls();
    [[nodiscard]] static const ControlLayout& control(const QString& key);

    [[nodiscard]] static QString windowTitle() { return QStringLiteral("Tresk's Addrell"); }
    [[nodiscard]] static TwipRect clientArea() { return {3405, 2985, 9120, 5370}; }
    [[nodiscard]] static QRgb windowBackground() { return qRgb(255, 255, 192); }
    [[nodiscard]] static FontSpec windowFont() { return {QStringLiteral("Times New Roman"), 12.0}; }
    [[nodiscard]] static QStringList tabCaptions();
    // The window's icon, also the program's: a 32 x 32 and a 16 x 16 image.
    [[nodiscard]] static QString windowIcon() { return QStringLiteral(":/addrell/addrell.ico"); }

    [[nodiscard]] static int toPixels(int twips);
};

} // namespace addrell
