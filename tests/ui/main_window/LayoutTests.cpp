#include "QtPrinters.h"
#include "ScriptedDialogs.h"
#include "TempFiles.h"
#include "ui/main_window/FlexGrid.h"
#include "ui/main_window/LayoutTable.h"
#include "ui/main_window/TabControl.h"
#include "ui/main_window/frmEnvelope.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace addrell {
namespace {

const QString kSerif = QStringLiteral("Times New Roman");
const QString kSans = QStringLiteral("MS Sans Serif");

struct Font {
    QString family;
    double points;
    bool bold = false;
};

// The window as designed, in tab order: container ("" for the window's client area, "SSTab1"
// with a page), rectangle in twips, font.
struct Designed {
    const char* key;
    const char* container;
    int page;
    int left, top, width, height;
    std::optional<Font> font;
};

const std::vector<Designed>& designed()
{
    static const std::vector<Designed> rows = {
        {"cmdExit", "", -1, 210, 4080, 1275, 425, Font{kSans, 8.25}},
        {"cmdPreview", "", -1, 210, 90, 1275, 425, Font{kSans, 8.25}},
        {"cmdPrevious", "", -1, 210, 675, 560, 425, Font{kSans, 8.25}},
        {"cmdNext", "", -1, 930, 675, 560, 425, Font{kSans, 8.25}},
        {"SSTab1", "", -1, 1635, 75, 7170, 4440, Font{kSerif, 12}},
        {"MSFG1", "SSTab1", 1, 120, 360, 6945, 3975, Font{kSerif, 11.25}},
        {"Frame4", "SSTab1", 0, 180, 600, 6735, 3660, Font{kSans, 9.75}},
        {"txtAddress", "Frame4", -1, 1920, 1920, 4575, 1560, Font{kSerif, 12}},
        {"Frame3", "SSTab1", 2, 5040, 600, 1860, 1395, Font{kSans, 8.25}},
        {"Option2(1)", "Frame3", -1, 120, 285, 1335, 315, Font{kSans, 8.25}},
        {"Option2(0)", "Frame3", -1, 120, 840, 1215, 315, Font{kSans, 8.25}},
        {"cmdPrint", "", -1, 210, 2640, 1275, 1275, Font{kSans, 8.25}},
        {"cmdTest", "", -1, 210, 2160, 1275, 425, Font{kSans, 8.25}},
        {"txtReturn", "Frame4", -1, 135, 120, 3360, 1065, Font{kSerif, 11.25}},
        {"Picture1", "", -1, 0, 4920, 9120, 450, Font{kSerif, 12}},
        {"lblstatus(0)", "Picture1", -1, 210, 0, 1095, 315, Font{kSerif, 12}},
        {"lblstatus(1)", "Picture1", -1, 1560, 0, 7155, 315, Font{kSerif, 12}},
        {"pbrContacts", "", -1, 1635, 4680, 7170, 200, std::nullopt},
        {"lblCurFolder", "", -1, 120, 4560, 1455, 285, Font{kSans, 9.75, true}},
        {"cmdAddFile", "SSTab1", 2, 120, 1560, 3135, 405, Font{kSerif, 12}},
        {"cboAddress", "SSTab1", 2, 120, 1080, 3135, 375, Font{kSerif, 11.25}},
        {"lstFile", "SSTab1", 2, 120, 2400, 6855, 1200, Font{kSerif, 12}},
        {"Label1", "SSTab1", 2, 120, 600, 3135, 375, Font{kSerif, 12}},
        {"lblPath", "SSTab1", 2, 120, 3720, 6855, 615, Font{kSerif, 12}},
        {"picStamp", "Frame4", -1, 4560, 0, 2175, 735, std::nullopt},
        {"lblVer", "SSTab1", 2, 5040, 2040, 1815, 255, Font{kSerif, 12}},
    };
    return rows;
}

QRect pixels(int left, int top, int width, int height)
{
    // 15 twips to a pixel at 96 dpi.
    return {qRound(left / 15.0), qRound(top / 15.0), qRound(width / 15.0), qRound(height / 15.0)};
}

bool near(const QRect& actual, const QRect& expected)
{
    return std::abs(actual.left() - expected.left()) <= 1 &&
           std::abs(actual.top() - expected.top()) <= 1 &&
           std::abs(actual.right() - expected.right()) <= 1 &&
           std::abs(actual.bottom() - expected.bottom()) <= 1;
}

bool similar(QRgb actual, QRgb expected, int tolerance)
{
    return std::abs(qRed(actual) - qRed(expected)) <= tolerance &&
           std::abs(qGreen(actual) - qGreen(expected)) <= tolerance &&
           std::abs(qBlue(actual) - qBlue(expected)) <= tolerance;
}

bool holdsColour(const QImage& image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (similar(image.pixel(x, y), colour, 24)) {
                return true;
            }
        }
    }
    return false;
}

QString describe(QRgb colour)
{
    return QStringLiteral("%1,%2,%3").arg(qRed(colour)).arg(qGreen(colour)).arg(qBlue(colour));
}

class LayoutTest : public ::testing::Test {
protected:
    LayoutTest()
    {
        QFile sample(QStringLiteral(ADDRELL_SOURCE_DIR "/resources/ReturnAddress.txt"));
        EXPECT_TRUE(sample.open(QIODevice::ReadOnly));
        files.write(QStringLiteral("ReturnAddress.txt"), sample.readAll());
        window = std::make_unique<frmEnvelope>(files.path(), dialogs, ServerFactories{});
    }
    void showActive() const
    {
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    [[nodiscard]] QWidget* widget(const QString& key) const
    {
        return window->control<QWidget>(key);
    }
    [[nodiscard]] TabControl* tabs() const { return window->control<TabControl>("SSTab1"); }
    // The table's control that holds `focus`, or "" when none does.
    [[nodiscard]] QString keyOf(const QWidget* focus) const
    {
        for (; focus != nullptr; focus = focus->parentWidget()) {
            for (const ControlLayout& layout : LayoutTable::controls()) {
                if (widget(layout.key()) == focus) {
                    return layout.key();
                }
            }
        }
        return {};
    }
    [[nodiscard]] QImage grabPage(int page, const QString& name) const
    {
        tabs()->setCurrentPage(page);
        QCoreApplication::processEvents();
        const QImage image = window->grab().toImage();
        // Kept as a build artefact, to look at beside the layout tables.
        QDir().mkpath(QStringLiteral(ADDRELL_SCREENSHOT_DIR));
        EXPECT_TRUE(image.save(QStringLiteral(ADDRELL_SCREENSHOT_DIR "/%1.png").arg(name)));
        return image;
    }

    testing::TempFiles files;
    testing::ScriptedDialogs dialogs;
    std::unique_ptr<frmEnvelope> window;
};

TEST_F(LayoutTest, TheTableListsEveryControlInTabOrder)
{
    QStringList table;
    for (const ControlLayout& layout : LayoutTable::controls()) {
        table << layout.key();
    }
    QStringList expected;
    for (const Designed& row : designed()) {
        expected << QString::fromLatin1(row.key);
    }
    EXPECT_EQ(table, expected);
}

TEST_F(LayoutTest, EveryControlSitsInItsContainerWithItsRectangleAndFont)
{
    ASSERT_EQ(window->screen()->logicalDotsPerInch(), 96);
    window->show();
    EXPECT_EQ(window->geometry(), QRect(227, 199, 608, 358)) << "client area at 3405, 2985";

    for (const Designed& row : designed()) {
        const QString key = QString::fromLatin1(row.key);
        SCOPED_TRACE(row.key);
        const QWidget* control = widget(key);
        const QString container = QString::fromLatin1(row.container);
        const QWidget* expectedParent = container.isEmpty() ? window.get()
                                        : row.page >= 0     ? tabs()->page(row.page)
                                                            : widget(container);
        ASSERT_EQ(control->parentWidget(), expectedParent);

        // A picture box holds its controls inside its edge; every other container counts from
        // its outer corner (a tab page covers the whole tab control).
        const QPoint origin = container == QStringLiteral("Picture1")
                                  ? control->parentWidget()->contentsRect().topLeft()
                                  : QPoint();
        const QRect actual = control->geometry().translated(-origin);
        const QRect expected = pixels(row.left, row.top, row.width, row.height);
        EXPECT_TRUE(near(actual, expected)) << "at " << actual.x() << "," << actual.y() << " "
                                            << actual.width() << "x" << actual.height();

        if (row.font) {
            EXPECT_EQ(control->font().family(), row.font->family);
            EXPECT_DOUBLE_EQ(control->font().pointSizeF(), row.font->points);
            EXPECT_EQ(control->font().bold(), row.font->bold);
            // The Windows names resolve to the metric-compatible Liberation fonts.
            EXPECT_EQ(QFontInfo(control->font()).family(), row.font->family == kSerif
                                                               ? QStringLiteral("Liberation Serif")
                                                               : QStringLiteral("Liberation Sans"));
        }
    }
    EXPECT_EQ(tabs()->tabBar()->font().family(), kSerif);
}

TEST_F(LayoutTest, StoredSettingsHoldAtStart)
{
    QStringList hidden;
    for (const ControlLayout& layout : LayoutTable::controls()) {
        if (widget(layout.key())->isHidden()) {
            hidden << layout.key();
        }
    }
    EXPECT_EQ(hidden, (QStringList{"cmdPrevious", "cmdNext", "cmdTest", "pbrContacts",
                                   "lblCurFolder", "lstFile"}));

    EXPECT_EQ(widget("cboAddress")->toolTip(), QStringLiteral("Select Return Address"));
    EXPECT_EQ(widget("lstFile")->toolTip(),
              QStringLiteral("Contents of current Return Address File."));
    EXPECT_EQ(window->control<QLabel>("lblVer")->text(), QStringLiteral("Ver 2.2 "));
    EXPECT_EQ(window->control<QLabel>("lblCurFolder")->text(), QStringLiteral("Folder:"));
    EXPECT_EQ(window->control<QPushButton>("cmdTest")->text(), QStringLiteral("&Help"));

    QStringList captions;
    for (int tab = 0; tab < tabs()->tabBar()->count(); ++tab) {
        captions << tabs()->tabBar()->tabText(tab);
    }
    EXPECT_EQ(captions, (QStringList{"Envelope", "Contact", "Setup"}));
    EXPECT_EQ(tabs()->currentPage(), 0);

    const auto* grid = window->control<FlexGrid>("MSFG1");
    EXPECT_EQ(grid->Rows(), 2);
    EXPECT_EQ(grid->Cols(), 2);

    const QIcon icon = window->windowIcon();
    EXPECT_TRUE(icon.availableSizes().contains(QSize(32, 32)));
    EXPECT_TRUE(icon.availableSizes().contains(QSize(16, 16)));
}

TEST_F(LayoutTest, ColoursShowOnEveryPage)
{
    constexpr QRgb kPaleYellow = qRgb(255, 255, 192);
    constexpr QRgb kPaleGreen = qRgb(192, 255, 192);
    constexpr QRgb kPaleCyan = qRgb(192, 255, 255);
    constexpr QRgb kWhite = qRgb(255, 255, 255);
    struct Sample {
        const char* key;
        QRgb background;
    };
    // Sampled near each control's bottom-right corner, clear of its text and of what it holds.
    const std::vector<Sample> samples = {
        {"Picture1", kPaleGreen}, {"lblstatus(0)", kPaleGreen}, {"lblstatus(1)", kPaleGreen},
        {"Frame4", kWhite},       {"txtReturn", kPaleCyan},     {"txtAddress", kPaleCyan},
    };
    showActive();
    for (int page = 0; page < 3; ++page) {
        SCOPED_TRACE(page);
        const QImage shot = grabPage(page, QStringLiteral("page%1").arg(page));
        ASSERT_EQ(shot.size(), QSize(608, 358));
        // The window's own surface, between the buttons.
        EXPECT_EQ(describe(shot.pixel(50, 100)), describe(kPaleYellow));
        for (const Sample& sample : samples) {
            const QWidget* control = widget(QString::fromLatin1(sample.key));
            if (!control->isVisible()) {
                continue;
            }
            const QPoint at =
                control->mapTo(window.get(), QPoint(control->width() - 4, control->height() - 4));
            EXPECT_EQ(describe(shot.pixel(at)), describe(sample.background)) << sample.key;
        }
        if (page == 1) {
            const auto* grid = window->control<FlexGrid>("MSFG1");
            const QRect cell = grid->visualRect(grid->model()->index(0, 1));
            const QPoint at = grid->viewport()->mapTo(window.get(), cell.center());
            EXPECT_EQ(describe(shot.pixel(at)), describe(kPaleCyan)) << "grid cell";
        }
    }
    EXPECT_TRUE(holdsColour(widget("lblstatus(0)")->grab().toImage(), qRgb(0, 0, 255)));
    EXPECT_FALSE(holdsColour(widget("lblstatus(1)")->grab().toImage(), qRgb(0, 0, 255)));
    // Hidden, but drawn as designed: red bold on the window's yellow.
    const QImage folder = widget("lblCurFolder")->grab().toImage();
    EXPECT_TRUE(holdsColour(folder, qRgb(255, 0, 0)));
    EXPECT_EQ(describe(folder.pixel(folder.width() - 4, folder.height() - 4)),
              describe(kPaleYellow));
}

TEST_F(LayoutTest, TheStampIsDrawnUnscaledFromTheTopLeftAndCut)
{
    const QImage stamp(QStringLiteral(":/addrell/stamp.bmp"));
    ASSERT_EQ(stamp.size(), QSize(150, 54));
    QWidget* box = widget("picStamp");
    ASSERT_EQ(box->size(), QSize(145, 49));
    EXPECT_EQ(box->grab().toImage().convertToFormat(QImage::Format_RGB32),
              stamp.copy(0, 0, 145, 49).convertToFormat(QImage::Format_RGB32));
}

TEST_F(LayoutTest, TabFromExitVisitsTheFocusableControlsOfThePageInTableOrder)
{
    showActive();
    const auto cycle = [this](int page) {
        tabs()->setCurrentPage(page);
        widget("cmdExit")->setFocus();
        QStringList visited{keyOf(QApplication::focusWidget())};
        for (int step = 0; step < 30; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            const QString key = keyOf(QApplication::focusWidget());
            if (key == QStringLiteral("cmdExit")) {
                break;
            }
            visited << key;
        }
        return visited;
    };
    EXPECT_EQ(cycle(0), (QStringList{"cmdExit", "cmdPreview", "SSTab1", "txtAddress", "cmdPrint",
                                     "txtReturn"}));
    EXPECT_EQ(cycle(1), (QStringList{"cmdExit", "cmdPreview", "SSTab1", "MSFG1", "cmdPrint"}));
    EXPECT_EQ(cycle(2), (QStringList{"cmdExit", "cmdPreview", "SSTab1", "Option2(0)", "cmdPrint",
                                     "cmdAddFile", "cboAddress"}));

    // Back from the button after the group lands on the group's selected option.
    widget("cmdPrint")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(keyOf(QApplication::focusWidget()).toStdString(), "Option2(0)");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(keyOf(QApplication::focusWidget()).toStdString(), "SSTab1");

    // Hidden controls join the order in their places once they are shown.
    widget("cmdPrevious")->show();
    widget("cmdNext")->show();
    widget("lstFile")->show();
    EXPECT_EQ(cycle(2),
              (QStringList{"cmdExit", "cmdPreview", "cmdPrevious", "cmdNext", "SSTab1",
                           "Option2(0)", "cmdPrint", "cmdAddFile", "cboAddress", "lstFile"}));
}

} // namespace
} // namespace addrell
