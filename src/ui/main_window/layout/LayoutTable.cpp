#include "ui/main_window/layout/LayoutTable.h"

#include <QHash>

#include <cmath>
#include <stdexcept>

namespace addrell {

namespace {

using K = ControlKind;
namespace F = ControlFlag;

const QString kSans = QStringLiteral("MS Sans Serif");
const QString kSerif = QStringLiteral("Times New Roman");
const QString kTab = QStringLiteral("SSTab1");

const FontSpec kSmallSans{kSans, 8.25};
const FontSpec kLargeSans{kSans, 9.75};
const FontSpec kSmallSerif{kSerif, 11.25};
const FontSpec kWindowFont{};

constexpr QRgb kPaleYellow = qRgb(255, 255, 192);
constexpr QRgb kPaleGreen = qRgb(192, 255, 192);
constexpr QRgb kPaleCyan = qRgb(192, 255, 255);
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kBlue = qRgb(0, 0, 255);

ControlLayout row(QString name, int index, K kind, QString caption, QString container, int page,
                  TwipRect rect, FontSpec font, std::optional<QRgb> background = std::nullopt,
                  std::optional<QRgb> foreground = std::nullopt, unsigned flags = 0,
                  QString toolTip = {}, QString picture = {})
{
    return ControlLayout{std::move(name),      index,      kind,  std::move(caption),
                         std::move(container), page,       rect,  std::move(font),
                         background,           foreground, flags, std::move(toolTip),
                         std::move(picture)};
}

std::vector<ControlLayout> buildTable()
{
    const QString w;
    return {
        row("cmdExit", -1, K::CommandButton, "E&xit", w, -1, {210, 4080, 1275, 425}, kSmallSans),
        row("cmdPreview", -1, K::CommandButton, "&Use Contact", w, -1, {210, 90, 1275, 425},
            kSmallSans),
        row("cmdPrevious", -1, K::CommandButton, "<", w, -1, {210, 675, 560, 425}, kSmallSans, {},
            {}, F::Hidden),
        row("cmdNext", -1, K::CommandButton, ">", w, -1, {930, 675, 560, 425}, kSmallSans, {}, {},
            F::Hidden),
        row("SSTab1", -1, K::TabControl, "", w, -1, {1635, 75, 7170, 4440}, kWindowFont),
        row("MSFG1", -1, K::Grid, "", kTab, 1, {120, 360, 6945, 3975}, kSmallSerif, kPaleCyan),
        // The envelope: the return address box and the stamp sit where an outline and a caption
        // would be.
        row("Frame4", -1, K::Frame, "Envelope", kTab, 0, {180, 600, 6735, 3660}, kLargeSans, kWhite,
            {}, F::Borderless),
        row("txtAddress", -1, K::TextBox, "", "Frame4", -1, {1920, 1920, 4575, 1560}, kWindowFont,
            kPaleCyan, {}, F::MultiLine),
        row("Frame3", -1, K::Frame, "Printer", kTab, 2, {5040, 600, 1860, 1395}, kSmallSans),
        row("Option2", 1, K::OptionButton, "Print Center", "Frame3", -1, {120, 285, 1335, 315},
            kSmallSans),
        row("Option2", 0, K::OptionButton, "Print Right", "Frame3", -1, {120, 840, 1215, 315},
            kSmallSans, {}, {}, F::Selected),
        row("cmdPrint", -1, K::CommandButton, "&Print", w, -1, {210, 2640, 1275, 1275}, kSmallSans),
        row("cmdTest", -1, K::CommandButton, "&Help", w, -1, {210, 2160, 1275, 425}, kSmallSans, {},
            {}, F::Hidden),
        row("txtReturn", -1, K::TextBox, "", "Frame4", -1, {135, 120, 3360, 1065}, kSmallSerif,
            kPaleCyan, {}, F::MultiLine),
        row("Picture1", -1, K::PictureBox, "", w, -1, {0, 4920, 9120, 450}, kWindowFont,
            kPaleGreen),
        row("lblstatus", 0, K::Label, "Status:", "Picture1", -1, {210, 0, 1095, 315}, kWindowFont,
            kPaleGreen, kBlue),
        row("lblstatus", 1, K::Label, "", "Picture1", -1, {1560, 0, 7155, 315}, kWindowFont,
            kPaleGreen),
        row("pbrContacts", -1, K::ProgressBar, "", w, -1, {1635, 4680, 7170, 200}, kWindowFont, {},
            {}, F::Hidden),
        row("lblCurFolder", -1, K::Label, "Folder:", w, -1, {120, 4560, 1455, 285},
            {kSans, 9.75, true}, kPaleYellow, kRed, F::Hidden),
        row("cmdAddFile", -1, K::CommandButton, "Open Return Address File", kTab, 2,
            {120, 1560, 3135, 405}, kWindowFont),
        // In the free space between the file button and the printer frame.
        row("cmdOptions", -1, K::CommandButton, "Envelope &Options…", kTab, 2,
            {3375, 1560, 1545, 405}, kSmallSans),
        row("cboAddress", -1, K::ComboBox, "cboAddress", kTab, 2, {120, 1080, 3135, 375},
            kSmallSerif, {}, {}, 0, "Select Return Address"),
        row("lstFile", -1, K::ListBox, "", kTab, 2, {120, 2400, 6855, 1200}, kWindowFont, {}, {},
            F::Hidden, "Contents of current Return Address File."),
        row("Label1", -1, K::Label, "Select Return Address:", kTab, 2, {120, 600, 3135, 375},
            kWindowFont),
        row("lblPath", -1, K::Label, "lblPath", kTab, 2, {120, 3720, 6855, 615}, kWindowFont),
        row("picStamp", -1, K::PictureBox, "", "Frame4", -1, {4560, 0, 2175, 735}, kWindowFont, {},
            {}, F::Borderless, {}, QStringLiteral(":/addrell/stamp.bmp")),
        row("lblVer", -1, K::Label, "Ver 2.2 ", kTab, 2, {5040, 2040, 1815, 255}, kWindowFont),
    };
}

} // namespace

const std::vector<ControlLayout>& LayoutTable::controls()
{
    static const std::vector<ControlLayout> table = buildTable();
    return table;
}

const ControlLayout& LayoutTable::control(const QString& key)
{
    static const QHash<QString, const ControlLayout*> byKey = [] {
        QHash<QString, const ControlLayout*> index;
        for (const ControlLayout& layout : controls()) {
            index.insert(layout.key(), &layout);
        }
        return index;
    }();
    const auto found = byKey.constFind(key);
    if (found == byKey.cend()) {
        throw std::out_of_range("no control " + key.toStdString());
    }
    return **found;
}

QStringList LayoutTable::tabCaptions()
{
    return {QStringLiteral("Envelope"), QStringLiteral("Contact"), QStringLiteral("Setup")};
}

int LayoutTable::toPixels(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

} // namespace addrell
