#pragma once

#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <map>
#include <utility>

namespace addrell::bench {

// Synthetic address books written once per process into a private temporary folder: `count`
// cards either in one `.vcf` file or as a vdir of one-card files.
class CardFolders {
public:
    enum class Layout { OneFile, Vdir };

    struct Folder {
        QString path;
        std::int64_t bytes = 0; // the size of every card file together
    };

    [[nodiscard]] const Folder& get(Layout layout, int count);

    // One card with the fields an address book usually holds; every hundredth card is a group.
    [[nodiscard]] static QByteArray card(int number);

private:
    QTemporaryDir m_root;
    std::map<std::pair<Layout, int>, Folder> m_folders;
};

} // namespace addrell::bench
