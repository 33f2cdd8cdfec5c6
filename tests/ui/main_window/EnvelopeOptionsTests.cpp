#include "ReturnAddressSamples.h"
#include "WindowTest.h"
#include "envelopes/EnvelopeSizes.h"
#include "ui/envelope_options/EnvelopeOptionsDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QSignalSpy>
#include <QTimer>

#include <functional>

namespace addrell {
namespace {

class EnvelopeOptionsTest : public testing::WindowTest {
protected:
    // Runs `answer` on the options dialog once it shows, then closes it with `button`.
    // Whether it showed.
    bool pressAltO(frmEnvelope& window, QDialogButtonBox::StandardButton button,
                   const std::function<void(EnvelopeOptionsDialog&)>& answer = {})
    {
        // The access key clicks a moment later, and the dialog then runs a loop of its own.
        bool shown = false;
        QTimer poll;
        poll.callOnTimeout([&] {
            auto* dialog = qobject_cast<EnvelopeOptionsDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return;
            }
            poll.stop();
            shown = true;
            if (answer) {
                answer(*dialog);
            }
            QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(button),
                              Qt::LeftButton);
            if (dialog->isVisible()) { // never leave a test waiting on a modal loop
                dialog->reject();
            }
        });
        poll.start(10);
        tabs(window)->setCurrentPage(2);
        QApplication::setActiveWindow(&window); // a closed dialog may leave none active
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        QSignalSpy clicked(get<QPushButton>(window, "cmdOptions"), &QPushButton::clicked);
        QTest::keyClick(&window, Qt::Key_O, Qt::AltModifier);
        EXPECT_TRUE(clicked.wait(2000));
        return shown;
    }
    static void chooseSize(EnvelopeOptionsDialog& dialog, const QString& name)
    {
        auto* size = dialog.findChild<QComboBox*>("size");
        size->setFocus();
        while (!size->currentText().startsWith(name) && size->currentIndex() + 1 < size->count()) {
            QTest::keyClick(size, Qt::Key_Down);
        }
    }
};

TEST_F(EnvelopeOptionsTest, OkKeepsTheOptionsForPrintingAndTheNextStartCancelChangesNothing)
{
    printers = {{"Hall", "", false, true}, {"Office", "", true, true}};
    auto window = open(testing::twoEntryFile());
    EXPECT_TRUE(pressAltO(*window, QDialogButtonBox::Cancel,
                          [](EnvelopeOptionsDialog& dialog) { chooseSize(dialog, "DL"); }));
    EXPECT_EQ(window->envelopeOptions(), EnvelopeOptions());

    EXPECT_TRUE(pressAltO(*window, QDialogButtonBox::Ok, [](EnvelopeOptionsDialog& dialog) {
        chooseSize(dialog, "DL");
        auto* printer = dialog.findChild<QComboBox*>("printer");
        printer->setFocus();
        QTest::keyClick(printer, Qt::Key_Home); // Hall
    }));
    EnvelopeOptions expected;
    expected.setSize(*EnvelopeSizes::byKey("dl"));
    expected.setPrinter("Hall");
    EXPECT_EQ(window->envelopeOptions(), expected);

    // The print job prints with them.
    get<TextBox>(*window, "txtAddress")->setPlainText("Jo\nElm St");
    dialogs.setNextAnswer(MessageResult::Yes);
    click(*window, "cmdPrint");
    EXPECT_TRUE(word->calls.contains("Application.ActivePrinter = Hall"));
    // The fake word processor's InchesToPoints of a DL envelope's 220 mm.
    EXPECT_EQ(testing::describe(word->lastPrintOut[10]),
              testing::describe(Variant(static_cast<float>(220 / 25.4) * 72.0F)));
    window.reset();

    // The next start has them; a printer that has gone since prints on the default.
    window = open(testing::twoEntryFile());
    EXPECT_EQ(window->envelopeOptions(), expected);
    printers.erase(printers.begin());
    window = open(testing::twoEntryFile());
    expected.setPrinter(QString());
    EXPECT_EQ(window->envelopeOptions(), expected);
}

} // namespace
} // namespace addrell
