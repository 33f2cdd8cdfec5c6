#pragma once

#include <QString>

namespace addrell {

// Sequential text input, one line at a time.
class LineReader {
public:
    virtual ~LineReader() = default;

    [[nodiscard]] virtual bool atEnd() const = 0;

    // The next line without its terminator; error 62 when no data is left.
    [[nodiscard]] virtual QString readLine() = 0;

protected:
    LineReader() = default;
    LineReader(const LineReader&) = default;
    LineReader& operator=(const LineReader&) = default;
};

} // namespace addrell
