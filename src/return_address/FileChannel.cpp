#include "return_address/FileChannel.h"

#include "automation/AutomationError.h"
#include "return_address/ReturnAddressLoader.h"
#include "return_address/TextLineReader.h"

#include <QFileInfo>

namespace addrell {

FileChannel::FileChannel() = default;

FileChannel::~FileChannel()
{
    closeAll();
}

void FileChannel::open(const QString& path)
{
    if (isOpen()) {
        throw AutomationError::runtime(RuntimeError::FileAlreadyOpen);
    }
    if (path.isEmpty() || path.contains(QChar(0))) {
        throw AutomationError::runtime(RuntimeError::BadFileNameOrNumber);
    }
    const QFileInfo info(path);
    if (!info.exists()) {
        throw AutomationError::runtime(RuntimeError::FileNotFound);
    }
    // A directory, a pipe or a device would fail, block or never end.
    if (!info.isFile()) {
        throw AutomationError::runtime(RuntimeError::PathFileAccessError);
    }
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly)) {
        throw AutomationError::runtime(RuntimeError::PathFileAccessError);
    }
    m_reader = std::make_unique<TextLineReader>(m_file, ReturnAddressLoader::kMaxLines);
}

void FileChannel::closeAll() noexcept
{
    m_reader.reset();
    m_file.close();
}

TextLineReader& FileChannel::reader() const
{
    if (!m_reader) {
        throw AutomationError::runtime(RuntimeError::BadFileNameOrNumber);
    }
    return *m_reader;
}

bool FileChannel::atEnd() const
{
    return reader().atEnd();
}

QString FileChannel::readLine()
{
    return reader().readLine();
}

} // namespace addrell
