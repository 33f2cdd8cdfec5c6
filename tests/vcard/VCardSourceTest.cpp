#include "vcard/VCardSource.h"
#include "vcard/MappedFile.h"

#include "TempFiles.h"

#include <QFile>
#include <gtest/gtest.h>

#include <cstdio>
#include <fcntl.h>
#include <mutex>
#include <sys/mman.h>
#include <unistd.h>

namespace addrell {
namespace {

using namespace Qt::Literals::StringLiterals;

constexpr int kCards = 4000;
constexpr int kCutCard = 3000;

// Cards enough to be mapped; the last line of each tells whether it was read to its end.
QByteArray book(qsizetype& cut)
{
    QByteArray text;
    for (int n = 0; n < kCards; ++n) {
        if (n == kCutCard) {
            cut = text.size() + 60; // within the card's note
        }
        const QByteArray number = QByteArray::number(n);
        text += "BEGIN:VCARD\r\nFN:" + number + "\r\nNOTE:" + QByteArray(100, 'x') +
                "\r\nX-LAST:" + number + "\r\nEND:VCARD\r\n";
    }
    return text;
}

// Another program shortens the file or puts a new one in its place while the cards are read,
// on one thread or on several: no card but those it cut off is lost, none comes out cut, and
// the process goes on.
TEST(VCardSource, FileChangedWhileReadCostsOnlyTheCardsCutOff)
{
    enum class Change { Cut, Replace };
    const std::pair<VCardSource::Threads, Change> rows[] = {
        {{1}, Change::Cut},
        {{4, 1, 4096}, Change::Cut},
        {{4, 1, 4096}, Change::Replace},
    };
    for (const auto& [threads, change] : rows) {
        const testing::TempFiles temp;
        qsizetype cut = 0;
        const QString path = temp.write(u"book.vcf"_s, book(cut));
        const VCardSource source(path);
        std::mutex mutex;
        std::vector<int> seen(kCards);
        QStringList broken;
        std::once_flag changing;
        bool unreadable = false;
        try {
            source.readCards(
                VCardPropertyFilter::everything(), threads, [](qsizetype) {},
                [&](qsizetype, const VCard& card) {
                    std::call_once(changing, [&] {
                        EXPECT_TRUE(change == Change::Cut
                                        ? QFile::resize(path, cut)
                                        : ::rename(QFile::encodeName(temp.write(
                                                       u"new.vcf"_s, "BEGIN:VCARD\r\nFN:new")),
                                                   QFile::encodeName(path)) == 0);
                    });
                    const std::scoped_lock lock(mutex);
                    const int n = card.value(u"FN").toInt();
                    if (card.value(u"X-LAST") != card.value(u"FN") || n < 0 || n >= kCards) {
                        broken << card.value(u"FN");
                    } else {
                        ++seen[static_cast<std::size_t>(n)];
                    }
                });
        } catch (const VCardSource::Unreadable& error) {
            unreadable = error.path() == path;
        }
        const std::string row = "on threads: " + std::to_string(threads.count) +
                                (change == Change::Cut ? ", cut" : ", replaced");
        EXPECT_EQ(broken, QStringList()) << row;
        // Cards after the cut that other threads read before it may come too, once.
        const int whole = change == Change::Cut ? kCutCard : kCards;
        for (int n = 0; n < kCards; ++n) {
            const int times = seen[static_cast<std::size_t>(n)];
            EXPECT_TRUE(times == (n < whole ? 1 : 0) || (threads.count > 1 && times == 1))
                << row << ", card " << n << " seen " << times << " times";
        }
        // A single file read only in part counts as unreadable, as on a read error.
        EXPECT_EQ(unreadable, change == Change::Cut) << row;
    }
}

// The guard takes only the faults of its own mappings: any other bus error still ends the
// process as it would have.
TEST(VCardSourceDeathTest, OtherBusErrorsStillEndTheProcess)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const testing::TempFiles temp;
    const QString guardedPath = temp.write(u"guarded.vcf"_s, QByteArray(100000, 'x'));
    const QString otherPath = temp.write(u"other.bin"_s, QByteArray(100000, 'x'));
    EXPECT_DEATH(
        {
            const int guardedFile = ::open(QFile::encodeName(guardedPath).constData(), O_RDONLY);
            const MappedFile guarded(guardedFile);
            const int other = ::open(QFile::encodeName(otherPath).constData(), O_RDWR);
            const auto* const bytes = static_cast<const volatile char*>(
                ::mmap(nullptr, 100000, PROT_READ, MAP_PRIVATE, other, 0));
            if (guarded.isMapped() && bytes != MAP_FAILED && ::ftruncate(other, 0) == 0) {
                static_cast<void>(bytes[90000]);
            }
        },
        "");
}

} // namespace
} // namespace addrell
