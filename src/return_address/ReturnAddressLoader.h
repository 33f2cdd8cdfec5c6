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
    static constexpr int kLinesPerEntry = 6;
    // The most lines a load reads: twenty entries, then the 21st, whose key is already taken.
    static constexpr int kMaxLines = (kMaxEntries + 1) * kLinesPerEntry;

    static void load(LineReader& reader, ListSink& lstFile, ListSink& cboAddress,
                     ReturnAddressState& state);
};

} // namespace addrell
