#pragma once

#include <QAbstractItemModel>
#include <QString>

#include <memory>
#include <vector>

namespace addrell {

// The folders of the file system as a tree, read lazily: a folder's subfolders are listed when
// it is first expanded, and its files never are, so a folder of a hundred thousand cards shows as
// fast as an empty one. Hidden folders are left out unless asked for by path.
class DirectoryTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    // `top` is the one row at the top of the tree.
    explicit DirectoryTreeModel(const QString& top, QObject* parent = nullptr);
    ~DirectoryTreeModel() override;
    DirectoryTreeModel(const DirectoryTreeModel&) = delete;
    DirectoryTreeModel& operator=(const DirectoryTreeModel&) = delete;

    [[nodiscard]] QModelIndex index(int row, int column,
                                    const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] QModelIndex parent(const QModelIndex& child) const override;
    [[nodiscard]] int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] bool hasChildren(const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    // The folder's row, listing every folder on the way; invalid when `folder` is no folder
    // under the top one.
    [[nodiscard]] QModelIndex indexOf(const QString& folder);
    [[nodiscard]] QString pathOf(const QModelIndex& index) const;

private:
    struct Node;

    [[nodiscard]] Node* nodeOf(const QModelIndex& index) const;
    [[nodiscard]] QModelIndex indexOfNode(const Node* node) const;
    // The child called `name`, added when it is a hidden folder not listed with the others.
    [[nodiscard]] Node* child(Node* node, const QString& name);

    std::unique_ptr<Node> m_root; // above the top folder, which is its only row
};

} // namespace addrell
