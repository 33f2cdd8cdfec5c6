#pragma once

#include <QByteArrayView>
#include <QString>

namespace addrell {

// The 8-bit code page of files written on US-English Windows.
class Windows1252 {
public:
    [[nodiscard]] static QString decode(QByteArrayView bytes);
};

} // namespace addrell
