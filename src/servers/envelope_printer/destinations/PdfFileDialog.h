#pragma once

#include <QFileDialog>

#include <optional>

namespace addrell {

// Qt's own save dialog for a PDF file. A name gets ".pdf" unless it ends so already, a dot in it
// ("Mr. Smith") notwithstanding, and the overwrite question names the file that would really be
// replaced.
class PdfFileDialog : public QFileDialog {
    Q_OBJECT
public:
    PdfFileDialog(QWidget* parent, const QString& caption, const QString& folder);

    // The file chosen, with its ".pdf"; nothing unless the dialog was accepted.
    [[nodiscard]] std::optional<QString> chosenFile() const;
    [[nodiscard]] static QString withPdfSuffix(const QString& fileName);

    void accept() override;
};

} // namespace addrell
