#pragma once

#include "return_address/LineReader.h"

#include <QFile>

#include <memory>

namespace addrell {

class TextLineReader;

// The program's one input file channel: at most one return address file is open at a time.
class FileChannel : public LineReader {
public:
    FileChannel();
    ~FileChannel() override;
    FileChannel(const FileChannel&) = delete;
    FileChannel& operator=(const FileChannel&) = delete;

    // Opens a regular file and takes from it the lines a load can use. Error 55 when the channel is
    // already open, 52 for an empty name, 53 for a missing file, 75 for anything that cannot be
    // read as one.
    void open(const QString& path);
    void closeAll() noexcept;

    [[nodiscard]] bool isOpen() const noexcept { return m_reader != nullptr; }

    // Error 52 when the channel is not open.
    [[nodiscard]] bool atEnd() const override;
    [[nodiscard]] QString readLine() override;

private:
    [[nodiscard]] TextLineReader& reader() const;

    QFile m_file;
    std::unique_ptr<TextLineReader> m_reader;
};

} // namespace addrell
