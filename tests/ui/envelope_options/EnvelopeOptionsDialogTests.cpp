#include "envelopes/EnvelopeSizes.h"
#include "ui/envelope_options/EnvelopeOptionsDialog.h"
#include "ui/envelope_options/FontChooser.h"
#include "ui/envelope_options/LengthField.h"
#include "ui/envelope_options/PreviewPane.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <deque>

namespace addrell {
namespace {

// The font dialog answered in advance: the next font, or a cancel when none is left.
struct ScriptedFonts : FontChooser {
    std::optional<QFont> chooseFont(const QFont& initial, const QString& title) override
    {
        asked.push_back({initial, title});
        std::optional<QFont> answer;
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        return answer;
    }
    std::deque<std::optional<QFont>> answers;
    std::vector<std::pair<QFont, QString>> asked;
};

class EnvelopeOptionsDialogTest : public ::testing::Test {
protected:
    std::unique_ptr<EnvelopeOptionsDialog> open(const EnvelopeOptions& options,
                                                MeasurementUnit unit = MeasurementUnit::inches())
    {
        auto dialog = std::make_unique<EnvelopeOptionsDialog>(
            options, printers, fonts, EnvelopeOptionsDialog::Addresses{}, unit);
        dialog->show();
        return dialog;
    }
    template <typename T> static T* find(const QDialog& dialog, const char* name)
    {
        auto* widget = dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    // Picks the item as a user does, with the arrow keys.
    static void choose(QComboBox* combo, const QString& startOfText)
    {
        combo->setFocus();
        for (int step = 0; step < combo->count(); ++step) {
            if (combo->currentText().startsWith(startOfText)) {
                return;
            }
            QTest::keyClick(combo, combo->currentIndex() + 1 < combo->count() ? Qt::Key_Down
                                                                              : Qt::Key_Home);
        }
        ADD_FAILURE() << "no item " << startOfText.toStdString();
    }
    static void type(LengthField* field, const QString& value)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, value);
        QTest::keyClick(field, Qt::Key_Enter);
    }
    static void press(const QDialog& dialog, QDialogButtonBox::StandardButton which)
    {
        QTest::mouseClick(find<QDialogButtonBox>(dialog, nullptr)->button(which), Qt::LeftButton);
    }
    static QStringList items(const QComboBox* combo)
    {
        QStringList texts;
        for (int index = 0; index < combo->count(); ++index) {
            texts << combo->itemText(index);
        }
        return texts;
    }

    std::vector<AvailablePrinter> printers{{"Hall", "Hall laser", false, false},
                                           {"Office", "", true, true}};
    ScriptedFonts fonts;
};

TEST_F(EnvelopeOptionsDialogTest, ListsThePrintersAndTheSizesInTheUsersUnit)
{
    auto dialog = open(EnvelopeOptions());
    auto* printer = find<QComboBox>(*dialog, "printer");
    EXPECT_EQ(items(printer),
              (QStringList{"Hall (not accepting jobs)", "Office (default)", "Save as PDF"}));
    EXPECT_EQ(printer->currentText(), "Office (default)");
    EXPECT_EQ(items(find<QComboBox>(*dialog, "size")).front(), "US #10 (4.125 x 9.5 in)");
    EXPECT_EQ(find<QComboBox>(*dialog, "size")->currentIndex(), 0);
    QDir().mkpath(QStringLiteral(ADDRELL_SCREENSHOT_DIR));
    // Kept as a build artefact, for a look at the dialog.
    EXPECT_TRUE(
        dialog->grab().save(QStringLiteral(ADDRELL_SCREENSHOT_DIR "/envelope-options.png")));

    dialog = open(EnvelopeOptions(), MeasurementUnit::forLocale(QLocale(QLocale::German)));
    EXPECT_TRUE(items(find<QComboBox>(*dialog, "size")).contains("DL (110 x 220 mm)"));
    EXPECT_TRUE(items(find<QComboBox>(*dialog, "size")).contains("US #10 (104.8 x 241.3 mm)"));
    EXPECT_EQ(
        MeasurementUnit::forLocale(QLocale(QLocale::English, QLocale::UnitedKingdom)).symbol(),
        "mm");

    // A printer that is gone gives way to the default.
    EnvelopeOptions gone;
    gone.setPrinter("Attic");
    dialog = open(gone);
    EXPECT_EQ(find<QComboBox>(*dialog, "printer")->currentText(), "Office (default)");
    EXPECT_EQ(dialog->options().printer(), "");

    // No default printer: what prints is a PDF the user names.
    printers = {{"Hall", "", false, true}};
    dialog = open(EnvelopeOptions());
    EXPECT_EQ(find<QComboBox>(*dialog, "printer")->currentText(), "Save as PDF");
}

TEST_F(EnvelopeOptionsDialogTest, EveryChoiceChangesTheOptionsAndRestoreDefaultsUndoesThem)
{
    auto dialog = open(EnvelopeOptions());
    choose(find<QComboBox>(*dialog, "printer"), "Hall");
    choose(find<QComboBox>(*dialog, "size"), "DL");
    fonts.answers = {QFont("DejaVu Sans", 14), std::nullopt};
    QTest::mouseClick(find<QPushButton>(*dialog, "deliveryFont"), Qt::LeftButton);
    QTest::mouseClick(find<QPushButton>(*dialog, "returnFont"), Qt::LeftButton); // cancelled
    ASSERT_EQ(fonts.asked.size(), 2U);
    EXPECT_EQ(fonts.asked[0].first.family(), "Times New Roman");
    auto* delivery = find<QWidget>(*dialog, "deliveryPosition");
    QTest::mouseClick(delivery->findChild<QCheckBox*>(), Qt::LeftButton);
    const auto fields = delivery->findChildren<LengthField*>();
    ASSERT_EQ(fields.size(), 2);
    type(fields[0], "4");
    type(fields[1], "2.5");
    type(find<LengthField>(*dialog, "shiftDown"), "-0.125");
    EXPECT_EQ(find<QPushButton>(*dialog, "deliveryFont")->text(), "DejaVu Sans, 14 pt");

    EnvelopeOptions expected;
    expected.setPrinter("Hall");
    expected.setSize(*EnvelopeSizes::byKey("dl"));
    expected.setDeliveryFont(AddressFont("DejaVu Sans", 14));
    expected.setDeliveryPosition(QPointF(4 * 72, 2.5 * 72));
    expected.setPrinterShift(QPointF(0, -9));
    press(*dialog, QDialogButtonBox::Ok);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->options(), expected);

    // Opened on options no field shows exactly, it keeps them as they are.
    expected.setPrinterShift(QPointF(7, -4)); // 0.0972 and -0.0556 in
    expected.setDeliveryPosition(QPointF(290.5, 140.25));
    EXPECT_EQ(open(expected)->options(), expected);

    // Opened again on those options, it shows them, and Restore Defaults brings back the rest.
    dialog = open(expected);
    EXPECT_EQ(find<QComboBox>(*dialog, "printer")->currentText(), "Hall (not accepting jobs)");
    EXPECT_FALSE(find<QWidget>(*dialog, "deliveryPosition")->findChild<QCheckBox*>()->isChecked());
    press(*dialog, QDialogButtonBox::RestoreDefaults);
    EXPECT_EQ(dialog->options(), EnvelopeOptions());
    EXPECT_EQ(find<QComboBox>(*dialog, "printer")->currentText(), "Office (default)");
    EXPECT_EQ(find<QComboBox>(*dialog, "size")->currentIndex(), 0);
    EXPECT_EQ(find<QPushButton>(*dialog, "deliveryFont")->text(), "Times New Roman, 12 pt");
    EXPECT_TRUE(find<QWidget>(*dialog, "deliveryPosition")->findChild<QCheckBox*>()->isChecked());
    press(*dialog, QDialogButtonBox::Cancel);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

TEST_F(EnvelopeOptionsDialogTest, ACustomSizeIsKeptInTheUsersUnitAndThePreviewFollowsIt)
{
    auto dialog = open(EnvelopeOptions(), MeasurementUnit::millimetres());
    auto* width = find<LengthField>(*dialog, "width");
    EXPECT_FALSE(width->isEnabled());
    EXPECT_EQ(width->text(), "241.3 mm");
    const QImage before = dialog->preview().picture(20);
    choose(find<QComboBox>(*dialog, "size"), "Custom");
    ASSERT_TRUE(width->isEnabled());
    type(width, "200");
    type(find<LengthField>(*dialog, "height"), "120");
    EXPECT_EQ(dialog->options().size(),
              EnvelopeSizes::custom(200, 120, EnvelopeSize::Unit::Millimeter));
    const QImage after = dialog->preview().picture(20);
    EXPECT_NEAR(after.width(), 200 / 25.4 * 20, 1); // at 20 dpi
    EXPECT_NEAR(after.height(), 120 / 25.4 * 20, 1);
    EXPECT_NE(before.size(), after.size());
}

} // namespace
} // namespace addrell
