#include "servers/address_book/chooser/VCardFolderDialog.h"

#include "servers/address_book/books/VCardFolders.h"
#include "servers/address_book/chooser/DirectoryTreeModel.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace addrell {

VCardFolderDialog::VCardFolderDialog(QWidget* parent, const QString& startFolder,
                                     const QString& top)
    : QDialog(parent), m_model(new DirectoryTreeModel(top, this)), m_tree(new QTreeView(this)),
      m_path(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("Select Folder"));
    auto* foldersLabel = new QLabel(QStringLiteral("F&olders:"), this);
    foldersLabel->setBuddy(m_tree);
    m_tree->setModel(m_model);
    m_tree->setHeaderHidden(true);
    m_tree->setUniformRowHeights(true);
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) {
                    m_path->setText(QDir::toNativeSeparators(m_model->pathOf(current)));
                }
            });

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* choose =
        buttons->addButton(QStringLiteral("&Choose"), QDialogButtonBox::AcceptRole);
    choose->setDefault(true);
    connect(
        buttons->addButton(QStringLiteral("Choose a &File\u2026"), QDialogButtonBox::ActionRole),
        &QPushButton::clicked, this, &VCardFolderDialog::chooseFile);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &VCardFolderDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &VCardFolderDialog::reject);

    auto* pathRow = new QFormLayout;
    pathRow->addRow(QStringLiteral("Folder or &file:"), m_path);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(foldersLabel);
    layout->addWidget(m_tree);
    layout->addLayout(pathRow);
    layout->addWidget(buttons);
    resize(520, 420);

    showFolder(startFolder);
    m_tree->setFocus();
}

VCardFolderDialog::Choice VCardFolderDialog::choiceFor(const QString& path)
{
    const QFileInfo info(path);
    if (info.isFile()) {
        return Choice::Take;
    }
    if (!info.isDir()) {
        return Choice::Ignore;
    }
    return VCardFolders::holdsCards(path) ? Choice::Take : Choice::Enter;
}

void VCardFolderDialog::selectFile(const QString& path)
{
    if (QFileInfo(path).isDir()) {
        showFolder(path);
    }
    m_path->setText(QDir::toNativeSeparators(path));
}

void VCardFolderDialog::showFolder(const QString& folder)
{
    const QModelIndex index = m_model->indexOf(folder);
    if (index.isValid()) {
        m_tree->setCurrentIndex(index);
        m_tree->scrollTo(index);
    }
}

void VCardFolderDialog::chooseFile()
{
    const QString start = QFileInfo(QDir::fromNativeSeparators(m_path->text())).isDir()
                              ? QDir::fromNativeSeparators(m_path->text())
                              : QDir::homePath();
    const QString file = QFileDialog::getOpenFileName(
        this, QStringLiteral("Select File"), start,
        QStringLiteral(
            "Contacts (*.vcf *.VCF);;Thunderbird address books (*.sqlite);;All files (*)"),
        nullptr, QFileDialog::DontUseNativeDialog);
    if (!file.isEmpty()) {
        m_chosenPath = QFileInfo(file).absoluteFilePath();
        QDialog::accept();
    }
}

void VCardFolderDialog::accept()
{
    const QString path = QDir::fromNativeSeparators(m_path->text().trimmed());
    switch (choiceFor(path)) {
    case Choice::Take:
        m_chosenPath = QFileInfo(path).absoluteFilePath();
        QDialog::accept();
        break;
    case Choice::Enter:
        showFolder(path);
        m_tree->expand(m_tree->currentIndex());
        break;
    case Choice::Ignore:
        break;
    }
}

} // namespace addrell
