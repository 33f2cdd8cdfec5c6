// Feeds arbitrary bytes to the return address reader and loader: no input may crash or hang them.
#include "return_address/ListSink.h"
#include "return_address/ReturnAddressEntry.h"
#include "return_address/ReturnAddressLoader.h"
#include "return_address/ReturnAddressState.h"
#include "return_address/TextLineReader.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>
#include <exception>

namespace {

class CountingSink : public addrell::ListSink {
public:
    void clear() override { count = 0; }
    void append(const QString& item) override { count += item.isNull() ? 0 : 1; }
    int count = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    buffer.open(QIODevice::ReadOnly);
    addrell::TextLineReader reader(buffer, addrell::ReturnAddressLoader::kMaxLines);
    CountingSink lstFile;
    CountingSink cboAddress;
    addrell::ReturnAddressState state;
    try {
        addrell::ReturnAddressLoader::load(reader, lstFile, cboAddress, state);
    } catch (const std::exception&) {
        // Ending on an error is how a load stops.
    }
    if (state.colAddresses) {
        for (int i = 1; i <= state.colAddresses->count(); ++i) {
            static_cast<void>(addrell::ComposeReturnAddress(state.colAddresses->item(i)));
        }
    }
    return 0;
}
