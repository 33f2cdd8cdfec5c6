#pragma once

#include <QDialog>
#include <QDir>

class QLineEdit;
class QTreeView;

namespace addrell {

class DirectoryTreeModel;

// Chooses a vCard folder (a directory holding `.vcf` files) or one file (a `.vcf` file, or a
// Thunderbird address book). Folders are shown as a tree of folders only, so even one holding a
// hundred thousand cards opens at once; a single file is chosen in a file dialog of its own, or
// by typing its path.
class VCardFolderDialog : public QDialog {
    Q_OBJECT
public:
    enum class Choice { Take, Enter, Ignore };

    // The tree shows `top` and the folders under it, `startFolder` selected.
    VCardFolderDialog(QWidget* parent, const QString& startFolder,
                      const QString& top = QDir::rootPath());

    // What accepting `path` does: an existing file or a directory with `.vcf` files in it is
    // taken; another directory is opened in the tree; anything else is ignored.
    [[nodiscard]] static Choice choiceFor(const QString& path);

    // Puts `path` in the path box, and shows it in the tree when it is a folder.
    void selectFile(const QString& path);

    // The path taken when the dialog was accepted.
    [[nodiscard]] const QString& chosenPath() const noexcept { return m_chosenPath; }

public:
    void accept() override;

private:
    void showFolder(const QString& folder);
    void chooseFile();

    DirectoryTreeModel* m_model;
    QTreeView* m_tree;
    QLineEdit* m_path;
    QString m_chosenPath;
};

} // namespace addrell
