#pragma once

#include <QString>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdint>
#include <map>
#include <tuple>

namespace addrell::bench {

// Synthetic address books written once per process into a private temporary folder: `count`
// cards either in one `.vcf` file or as a vdir of one-card files.
class CardFolders {
public:
    enum class Layout { OneFile, Vdir };
    // Small: plain 3.0 cards of about 290 bytes. Export: what address book programs really write,
    // about 1.1 KB a card on average (2.1 quoted-printable, 3.0 and 4.0 cards, notes, and every
    // tenth card with a folded photo of about 6 KB).
    enum class Mix { Small, Export };

    struct Folder {
        QString path;
        std::int64_t bytes = 0; // the size of every card file together
    };

    [[nodiscard]] const Folder& get(Layout layout, Mix mix, int count);
    // The process's folder for a run's arguments: layout (0 one file, 1 vdir), number of cards,
    // mix (0 small, 1 export).
    [[nodiscard]] static const Folder& forRun(const benchmark::State& state);

    // One card of the mix; every hundredth card is a group.
    [[nodiscard]] static QByteArray card(Mix mix, int number);

private:
    QTemporaryDir m_root;
    std::map<std::tuple<Layout, Mix, int>, Folder> m_folders;
};

} // namespace addrell::bench
