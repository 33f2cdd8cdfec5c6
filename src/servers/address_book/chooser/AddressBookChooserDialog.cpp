#include "servers/address_book/chooser/AddressBookChooserDialog.h"

#include "servers/address_book/chooser/FolderChooser.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace addrell {

namespace {

// What a row stands for: the number of its book, kOther, or nothing for a group.
constexpr int kBookRole = Qt::UserRole;
constexpr int kOther = -1;

} // namespace

AddressBookChooserDialog::AddressBookChooserDialog(QWidget* parent,
                                                   const std::vector<AddressBookGroup>& groups,
                                                   FolderChooser& other)
    : QDialog(parent), m_tree(new QTreeWidget(this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)),
      m_other(other)
{
    setWindowTitle(QStringLiteral("Select Address Book"));
    auto* label = new QLabel(QStringLiteral("&Address books:"), this);
    label->setBuddy(m_tree);
    m_tree->setColumnCount(2);
    m_tree->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Contacts")});
    m_tree->setRootIsDecorated(true);
    m_tree->setUniformRowHeights(true);
    for (const AddressBookGroup& group : groups) {
        add(nullptr, group);
    }
    auto* otherItem = new QTreeWidgetItem(m_tree, {QStringLiteral("Other file or folder\u2026")});
    otherItem->setData(0, kBookRole, kOther);
    m_tree->expandAll();
    m_tree->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_tree->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_tree->header()->setStretchLastSection(false);

    // The first book, or the way to any other when the desktop has none.
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        if ((*it)->data(0, kBookRole).isValid()) {
            m_tree->setCurrentItem(*it);
            break;
        }
    }
    connect(m_tree, &QTreeWidget::currentItemChanged, this,
            &AddressBookChooserDialog::updateButtons);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, &AddressBookChooserDialog::accept);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &AddressBookChooserDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &AddressBookChooserDialog::reject);
    updateButtons();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_tree);
    layout->addWidget(m_buttons);
    resize(480, 360);
    m_tree->setFocus();
}

void AddressBookChooserDialog::add(QTreeWidgetItem* parent, const AddressBookGroup& group)
{
    auto* groupItem = parent != nullptr ? new QTreeWidgetItem(parent, {group.title})
                                        : new QTreeWidgetItem(m_tree, {group.title});
    groupItem->setFlags(Qt::ItemIsEnabled);
    QFont bold = groupItem->font(0);
    bold.setBold(true);
    groupItem->setFont(0, bold);
    for (const AddressBookGroup& inner : group.groups) {
        add(groupItem, inner);
    }
    for (const AddressBook& book : group.books) {
        auto* item = new QTreeWidgetItem(groupItem, {book.name()});
        if (book.count()) {
            item->setText(1, QString::number(*book.count()));
            item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        }
        item->setData(0, kBookRole, static_cast<int>(m_books.size()));
        m_books.push_back(book);
    }
}

void AddressBookChooserDialog::updateButtons()
{
    const QTreeWidgetItem* item = m_tree->currentItem();
    m_buttons->button(QDialogButtonBox::Ok)
        ->setEnabled(item != nullptr && item->data(0, kBookRole).isValid());
}

void AddressBookChooserDialog::accept()
{
    const QTreeWidgetItem* item = m_tree->currentItem();
    const QVariant which = item != nullptr ? item->data(0, kBookRole) : QVariant();
    if (!which.isValid()) {
        return;
    }
    if (which.toInt() == kOther) {
        const std::optional<QString> path = m_other.choose();
        if (!path) {
            return;
        }
        m_chosen = AddressBook::fromPath(*path);
    } else {
        m_chosen = m_books[static_cast<std::size_t>(which.toInt())];
    }
    QDialog::accept();
}

} // namespace addrell
