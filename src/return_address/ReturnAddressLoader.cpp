#include "return_address/ReturnAddressLoader.h"

#include "return_address/LineReader.h"
#include "return_address/ListSink.h"
#include "return_address/ReturnAddressState.h"

#include <cstdint>

namespace addrell {

void ReturnAddressLoader::load(LineReader& reader, ListSink& lstFile, ListSink& cboAddress,
                               ReturnAddressState& state)
{
    lstFile.clear();

    // The end test runs only before each group of 20, so a 21st entry is read and then fails
    // on key "1", which ends the load.
    while (!reader.atEnd()) {
        for (std::int16_t i = 1; i <= kMaxEntries; ++i) {
            state.colEntry.emplace();
            ReturnAddressEntry& entry = *state.colEntry;

            const QString name = reader.readLine();
            entry.add(QStringLiteral("Name"), name);
            lstFile.append(name);
            cboAddress.append(name);

            for (const char* key : {"AddLine1", "AddLine2", "CSZ", "Blank"}) {
                const QString line = reader.readLine();
                entry.add(QString::fromLatin1(key), line);
                lstFile.append(line);
            }

            static_cast<void>(reader.readLine()); // the end marker's text is dropped
            entry.add(QStringLiteral("End"), QString());
            lstFile.append(QString());

            if (!state.colAddresses) {
                state.colAddresses.emplace();
            }
            state.colAddresses->add(QString::number(i), entry);
            state.colEntry.reset();
        }
    }
}

} // namespace addrell
