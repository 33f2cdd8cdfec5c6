#pragma once

#include <QFileDialog>

namespace addrell {

// A file dialog that chooses a vCard folder: a directory holding `.vcf` files, or one file.
// Qt's own modes take either directories or files, never both, so the choice is made here.
class VCardFolderDialog : public QFileDialog {
    Q_OBJECT
public:
    enum class Choice { Take, Enter, Ignore };

    VCardFolderDialog(QWidget* parent, const QString& startFolder);

    // What the accept button does with `path`: an existing file or a directory with `.vcf` files
    // in it is taken; another directory is entered, as a plain file dialog would; anything else
    // is ignored.
    [[nodiscard]] static Choice choiceFor(const QString& path);

    // The path taken when the dialog was accepted.
    [[nodiscard]] const QString& chosenPath() const noexcept { return m_chosenPath; }

public slots:
    void accept() override;

private:
    QString m_chosenPath;
};

} // namespace addrell
