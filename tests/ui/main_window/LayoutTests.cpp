#include "WindowTest.h"
#include "ui/main_window/layout/LayoutTable.h"

#include <QComboBox>
#include <QDir>
#include <QFontInfo>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOption>
#include <QTabBar>
#include <QTextDocument>

#include <functional>

namespace addrell {
namespace {

// Where the ink of `draw` lies, drawn without any clipping.
QRect inkOf(const std::function<void(QPainter&)>& draw)
{
    QImage canvas(800, 400, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.translate(200, 200);
    draw(painter);
    painter.end();
    QRect ink;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            ink |= qAlpha(canvas.pixel(x, y)) > 32 ? QRect(x - 200, y - 200, 1, 1) : QRect();
        }
    }
    return ink;
}

class LayoutTest : public testing::WindowTest {
protected:
    LayoutTest()
    {
        QFile sample(QStringLiteral(ADDRELL_SOURCE_DIR "/resources/ReturnAddress.txt"));
        EXPECT_TRUE(sample.open(QIODevice::ReadOnly));
        window = open(sample.readAll());
    }
    std::unique_ptr<frmEnvelope> window;
};

TEST_F(LayoutTest, ControlsOpenInTheirContainersFontsAndSettings)
{
    ASSERT_EQ(window->screen()->logicalDotsPerInch(), 96);
    EXPECT_EQ(window->geometry(), QRect(227, 199, 608, 358)) << "client area at 3405, 2985";
    QStringList visible;
    for (const ControlLayout& layout : LayoutTable::controls()) {
        SCOPED_TRACE(layout.key().toStdString());
        const QWidget* control = window->control<QWidget>(layout.key());
        const QWidget* container = layout.container.isEmpty() ? window.get()
                                   : layout.page >= 0         ? tabs(*window)->page(layout.page)
                                                      : window->control<QWidget>(layout.container);
        ASSERT_EQ(control->parentWidget(), container);
        const FontSpec& font = layout.font;
        EXPECT_EQ(QFontInfo(control->font()).family(),
                  font.family == "MS Sans Serif" ? "Liberation Sans" : "Liberation Serif");
        EXPECT_EQ(control->font().pointSizeF(), font.family.isEmpty() ? 12 : font.points);
        EXPECT_EQ(control->font().bold(), font.bold);
        if (control->isVisible()) {
            visible << layout.key();
        }
    }
    EXPECT_EQ(visible,
              (QStringList{"cmdExit", "cmdPreview", "SSTab1", "Frame4", "txtAddress", "cmdPrint",
                           "txtReturn", "Picture1", "lblstatus(0)", "lblstatus(1)", "picStamp"}));
    EXPECT_EQ(QApplication::focusWidget(), get(*window, "cmdExit"));
    EXPECT_TRUE(get<QRadioButton>(*window, "Option2(0)")->isChecked());
    const QList<QSize> icon = window->windowIcon().availableSizes();
    EXPECT_TRUE(icon.contains(QSize(32, 32)) && icon.contains(QSize(16, 16)));
}

// Each caption drawn where its control draws it, and four lines of a return address, show whole.
TEST_F(LayoutTest, EveryCaptionAndFourReturnAddressLinesFitTheirControls)
{
    for (const ControlLayout& layout : LayoutTable::controls()) {
        SCOPED_TRACE(layout.key().toStdString());
        QWidget* control = window->control<QWidget>(layout.key());
        const auto fits = [](QWidget* box, QRect room, int flags, const QString& text) {
            const QRect ink = inkOf([&](QPainter& painter) {
                painter.setFont(box->font());
                painter.drawText(room, flags | Qt::TextShowMnemonic, text);
            });
            EXPECT_TRUE(text.isEmpty() || box->rect().intersected(room).contains(ink))
                << text.toStdString() << " needs " << ink.bottom();
        };
        QStyleOptionButton button;
        button.initFrom(control);
        const auto contents = [&](QStyle::SubElement element) {
            return control->style()->subElementRect(element, &button, control);
        };
        switch (layout.kind) {
        case ControlKind::CommandButton:
            fits(control, contents(QStyle::SE_PushButtonContents), Qt::AlignCenter, layout.caption);
            break;
        case ControlKind::OptionButton:
            fits(control, contents(QStyle::SE_RadioButtonContents), Qt::AlignVCenter,
                 layout.caption);
            break;
        case ControlKind::Label:
        case ControlKind::Frame: // a frame's caption sits at its top left
            fits(control, control->contentsRect(), Qt::TextWordWrap, layout.caption);
            break;
        case ControlKind::ComboBox:
            fits(control, qobject_cast<QComboBox*>(control)->lineEdit()->geometry(),
                 Qt::AlignVCenter, layout.caption);
            break;
        case ControlKind::TabControl: {
            QTabBar* bar = qobject_cast<TabControl*>(control)->tabBar();
            QStyleOptionTab tab;
            tab.initFrom(bar);
            for (int index = 0; index < 6; ++index) { // each tab, as the current one or not
                tab.rect = bar->tabRect(index / 2);
                tab.text = bar->tabText(index / 2);
                tab.state.setFlag(QStyle::State_Selected, index % 2 == 1);
                fits(bar, bar->style()->subElementRect(QStyle::SE_TabBarTabText, &tab, bar),
                     Qt::AlignCenter, tab.text);
            }
            break;
        }
        case ControlKind::TextBox: {
            auto* box = qobject_cast<TextBox*>(control);
            box->setAddressText("Pat Example\r\nSuite 9\r\nPO Box 0\r\nSpring Valley, NY");
            const QRect ink =
                inkOf([box](QPainter& painter) { box->document()->drawContents(&painter); });
            EXPECT_TRUE(box->viewport()->rect().contains(ink)) << ink.bottom();
            break;
        }
        default:
            break;
        }
    }
}

// Controls that share a container (and a page of the tab control) leave each other room, and no
// two of them answer to the same access key.
TEST_F(LayoutTest, NoControlOverlapsAnotherAndAccessKeysAreUnique)
{
    const auto& table = LayoutTable::controls();
    QHash<QChar, QString> keys;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const ControlLayout& one = table[i];
        const qsizetype amp = one.caption.indexOf('&');
        if (one.kind == ControlKind::CommandButton && amp >= 0) {
            const QChar key = one.caption.at(amp + 1).toUpper();
            EXPECT_FALSE(keys.contains(key))
                << one.key().toStdString() << " and " << keys.value(key).toStdString();
            keys.insert(key, one.key());
        }
        const QRect area(one.rect.left, one.rect.top, one.rect.width, one.rect.height);
        for (std::size_t j = i + 1; j < table.size(); ++j) {
            const ControlLayout& other = table[j];
            if (other.container != one.container || other.page != one.page) {
                continue;
            }
            const QRect otherArea(other.rect.left, other.rect.top, other.rect.width,
                                  other.rect.height);
            EXPECT_FALSE(area.intersects(otherArea))
                << one.key().toStdString() << " overlaps " << other.key().toStdString();
        }
    }
}

// The colours behind labels, text boxes and the grid: ColourSchemeTest.
TEST_F(LayoutTest, PagesShowTheirColoursAndTheStampAndAreSavedAsScreenshots)
{
    QDir().mkpath(QStringLiteral(ADDRELL_SCREENSHOT_DIR));
    for (int page = 0; page < 3; ++page) {
        tabs(*window)->setCurrentPage(page);
        QCoreApplication::processEvents();
        const QImage shot = window->grab().toImage();
        // Kept as build artefacts, for a look at the window.
        EXPECT_TRUE(shot.save(QStringLiteral(ADDRELL_SCREENSHOT_DIR "/page%1.png").arg(page)));
        EXPECT_EQ(QColor(shot.pixel(50, 100)).name(), "#ffffc0") << "between the buttons";
        // Near the frame's bottom-right corner, clear of what it holds.
        const QWidget* frame = get(*window, "Frame4");
        const QPoint at = frame->mapTo(window.get(), frame->rect().bottomRight() - QPoint(3, 3));
        EXPECT_TRUE(!frame->isVisible() || QColor(shot.pixel(at)).name() == "#ffffff") << page;
    }
    EXPECT_EQ(get(*window, "lblstatus(0)")->palette().color(QPalette::WindowText).name(),
              "#0000ff");
    EXPECT_EQ(get(*window, "lblCurFolder")->palette().color(QPalette::WindowText).name(),
              "#ff0000");

    // The stamp is drawn unscaled from the top left and cut at the box's edges.
    QWidget* stamp = get(*window, "picStamp");
    ASSERT_EQ(stamp->size(), QSize(145, 49));
    EXPECT_EQ(
        stamp->grab().toImage().convertToFormat(QImage::Format_RGB32),
        QImage(":/addrell/stamp.bmp").copy(0, 0, 145, 49).convertToFormat(QImage::Format_RGB32));
}

} // namespace
} // namespace addrell
