#pragma once

namespace addrell {

class LineReader;
class ListSink;
struct ReturnAddressState;

// Reads return address entries of six lines each: every line into `lstFile` (the end marker as
// an empty row), each entry's first line into `cboAddress`, and each complete entry into the
// entry list, at most 20 of them. Stops by throwing at the first failure, keeping all that was
// read before it.
class ReturnAddressLoader {
public:
    static constexpr int kMaxEntries = 20;

    static void load(LineReader& reader, ListSink& lstFile, ListSink& cboAddress,
                     ReturnAddressState& state);
};

} // namespace addrell
