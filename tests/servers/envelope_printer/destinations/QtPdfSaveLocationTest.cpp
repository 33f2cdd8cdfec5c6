#include "servers/envelope_printer/destinations/QtPdfSaveLocation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace addrell {
namespace {

// A name typed into the dialog gets ".pdf" unless it ends so, and the overwrite question is
// asked only about that file, when it exists.
TEST(QtPdfSaveLocationTest, ANameIsSavedAndAskedAboutAsThePdfItWouldBe)
{
    struct Case {
        const char* typed;
        const char* existing;
        QMessageBox::StandardButton answer; // to the overwrite question, if one comes
        const char* question;               // its first line, empty for none
        const char* saved;                  // nullptr for a cancel
    };
    const Case cases[] = {
        {"letter", "letter.pdf", QMessageBox::No, "letter.pdf already exists.", nullptr},
        {"Mr. Smith", "Mr. Smith", QMessageBox::No, "", "Mr. Smith.pdf"},
        {"Mr. Smith", "Mr. Smith.pdf", QMessageBox::Yes, "Mr. Smith.pdf already exists.",
         "Mr. Smith.pdf"},
        {"Card.PDF", "Card.PDF.pdf", QMessageBox::No, "", "Card.PDF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const QTemporaryDir dir;
        ASSERT_TRUE(QFile(dir.filePath(QString::fromUtf8(c.existing))).open(QIODevice::WriteOnly));

        QString question;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (name == nullptr) {
                ADD_FAILURE() << "no save dialog of Qt's own";
                return dialog->reject();
            }
            // Answers the overwrite question, once it shows; a dialog still open is cancelled.
            QTimer::singleShot(0, dialog, [&question, &c, dialog] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    question = box->text().section(u'\n', 0, 0);
                    box->button(c.answer)->click();
                }
                QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
            });
            name->setText(dir.filePath(QString::fromUtf8(c.typed)));
            QTest::keyClick(name, Qt::Key_Return);
        });
        const std::optional<QString> saved = QtPdfSaveLocation().askPdfFileName();
        EXPECT_EQ(question, QString::fromUtf8(c.question));
        EXPECT_EQ(saved, c.saved == nullptr
                             ? std::nullopt
                             : std::optional(dir.filePath(QString::fromUtf8(c.saved))));
    }
}

} // namespace
} // namespace addrell
