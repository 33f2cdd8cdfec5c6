#pragma once

#include <QString>

namespace addrell {

// A list on screen that is filled item by item, in order, without sorting.
class ListSink {
public:
    virtual ~ListSink() = default;

    virtual void clear() = 0;
    virtual void append(const QString& item) = 0;

protected:
    ListSink() = default;
    ListSink(const ListSink&) = default;
    ListSink& operator=(const ListSink&) = default;
};

} // namespace addrell
