#include "servers/address_book/chooser/DirectoryTreeModel.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStyle>

#include <algorithm>

namespace addrell {

struct DirectoryTreeModel::Node {
    QString name;
    Node* parent = nullptr;
    std::vector<std::unique_ptr<Node>> children;
    bool listed = false;

    [[nodiscard]] int row() const
    {
        const auto& siblings = parent->children;
        const auto found = std::find_if(siblings.begin(), siblings.end(),
                                        [this](const auto& node) { return node.get() == this; });
        return static_cast<int>(found - siblings.begin());
    }
    [[nodiscard]] QString path() const
    {
        if (parent == nullptr || parent->parent == nullptr) {
            return name; // the top folder, by its whole path
        }
        const QString above = parent->path();
        return above.endsWith(u'/') ? above + name : above + u'/' + name;
    }
};

DirectoryTreeModel::DirectoryTreeModel(const QString& top, QObject* parent)
    : QAbstractItemModel(parent), m_root(std::make_unique<Node>())
{
    m_root->listed = true;
    auto topNode = std::make_unique<Node>();
    topNode->name = QDir(top).absolutePath();
    topNode->parent = m_root.get();
    m_root->children.push_back(std::move(topNode));
}

DirectoryTreeModel::~DirectoryTreeModel() = default;

DirectoryTreeModel::Node* DirectoryTreeModel::nodeOf(const QModelIndex& index) const
{
    return index.isValid() ? static_cast<Node*>(index.internalPointer()) : m_root.get();
}

QModelIndex DirectoryTreeModel::indexOfNode(const Node* node) const
{
    if (node == m_root.get()) {
        return {};
    }
    return createIndex(node->row(), 0, node);
}

QModelIndex DirectoryTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    const Node* node = nodeOf(parent);
    if (column != 0 || row < 0 || static_cast<std::size_t>(row) >= node->children.size()) {
        return {};
    }
    return createIndex(row, 0, node->children[static_cast<std::size_t>(row)].get());
}

QModelIndex DirectoryTreeModel::parent(const QModelIndex& child) const
{
    return child.isValid() ? indexOfNode(nodeOf(child)->parent) : QModelIndex();
}

int DirectoryTreeModel::rowCount(const QModelIndex& parent) const
{
    if (parent.column() > 0) {
        return 0;
    }
    return static_cast<int>(nodeOf(parent)->children.size());
}

int DirectoryTreeModel::columnCount(const QModelIndex& /*parent*/) const
{
    return 1;
}

QVariant DirectoryTreeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return nodeOf(index)->name;
    case Qt::ToolTipRole:
        return QDir::toNativeSeparators(nodeOf(index)->path());
    case Qt::DecorationRole:
        return QApplication::style()->standardIcon(QStyle::SP_DirIcon);
    default:
        return {};
    }
}

bool DirectoryTreeModel::hasChildren(const QModelIndex& parent) const
{
    if (parent.column() > 0) {
        return false;
    }
    // Unlisted folders may have subfolders; finding out would mean listing them.
    const Node* node = nodeOf(parent);
    return !node->listed || !node->children.empty();
}

bool DirectoryTreeModel::canFetchMore(const QModelIndex& parent) const
{
    return parent.column() <= 0 && !nodeOf(parent)->listed;
}

void DirectoryTreeModel::fetchMore(const QModelIndex& parent)
{
    Node* node = nodeOf(parent);
    if (node->listed) {
        return;
    }
    node->listed = true;
    // Only directory entries: the type comes with each entry, so no file is looked at.
    QStringList names;
    QDirIterator entries(node->path(), QDir::Dirs | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        entries.next();
        names << entries.fileName();
    }
    // Hidden folders reached by path before are already there.
    for (const auto& known : node->children) {
        names.removeAll(known->name);
    }
    if (names.isEmpty()) {
        if (parent.isValid()) {
            emit dataChanged(parent, parent); // its expander goes
        }
        return;
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    const int first = static_cast<int>(node->children.size());
    beginInsertRows(parent, first, first + static_cast<int>(names.size()) - 1);
    for (const QString& name : std::as_const(names)) {
        auto added = std::make_unique<Node>();
        added->name = name;
        added->parent = node;
        node->children.push_back(std::move(added));
    }
    endInsertRows();
}

DirectoryTreeModel::Node* DirectoryTreeModel::child(Node* node, const QString& name)
{
    fetchMore(indexOfNode(node));
    for (const auto& existing : node->children) {
        if (existing->name == name) {
            return existing.get();
        }
    }
    if (!QFileInfo(node->path() + u'/' + name).isDir()) {
        return nullptr;
    }
    const int row = static_cast<int>(node->children.size());
    beginInsertRows(indexOfNode(node), row, row);
    auto added = std::make_unique<Node>();
    added->name = name;
    added->parent = node;
    node->children.push_back(std::move(added));
    endInsertRows();
    return node->children.back().get();
}

QModelIndex DirectoryTreeModel::indexOf(const QString& folder)
{
    const QFileInfo info(folder);
    Node* node = m_root->children.front().get();
    const QString below = QDir(node->name).relativeFilePath(info.absoluteFilePath());
    if (!info.isDir() || below == u".." || below.startsWith(u"../")) {
        return {};
    }
    for (const QString& name : below.split(u'/', Qt::SkipEmptyParts)) {
        if (name == u'.') {
            continue;
        }
        node = child(node, name);
        if (node == nullptr) {
            return {};
        }
    }
    return indexOfNode(node);
}

QString DirectoryTreeModel::pathOf(const QModelIndex& index) const
{
    return index.isValid() ? nodeOf(index)->path() : QString();
}

} // namespace addrell
