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

TEST(QtPdfSaveLocationTest, ANameTypedWithoutSuffixIsAskedAboutAsThePdfItWouldReplace)
{
    const QTemporaryDir dir;
    ASSERT_TRUE(QFile(dir.filePath(QStringLiteral("letter.pdf"))).open(QIODevice::WriteOnly));

    QString question;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (name == nullptr) {
            ADD_FAILURE() << "no save dialog of Qt's own";
            return dialog->reject();
        }
        // Answers the overwrite question, once it shows, and then cancels the save.
        QTimer::singleShot(0, dialog, [&question, dialog] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                question = box->text();
                box->button(QMessageBox::No)->click();
            }
            QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
        });
        name->setText(dir.filePath(QStringLiteral("letter")));
        QTest::keyClick(name, Qt::Key_Return);
    });
    EXPECT_EQ(QtPdfSaveLocation().askPdfFileName(), std::nullopt);
    EXPECT_TRUE(question.contains(QStringLiteral("letter.pdf"))) << question.toStdString();
}

} // namespace
} // namespace addrell
