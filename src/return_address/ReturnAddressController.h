#pragma once

#include <QString>

namespace addrell {

class Dialogs;
class FileChannel;
class ReturnAddressView;
struct ReturnAddressState;

// Loading return address files and choosing an entry from them.
class ReturnAddressController {
public:
    static inline const QString kDialogTitle = QStringLiteral("Open File");
    static inline const QString kDialogFilter = QStringLiteral("Text (*.txt)|*.txt");

    ReturnAddressController(ReturnAddressState& state, FileChannel& channel,
                            ReturnAddressView& view, Dialogs& dialogs);

    // Opens the file on the channel; false, silently, on any failure.
    [[nodiscard]] bool OpenFile(const QString& sFileName);

    // Reads the open file into the lists and the entry list, then closes every file. A failure
    // ends the load quietly and keeps what was read before it.
    void FillCombo();

    // The selection handler of cboAddress.
    void cboAddress_Click();

    // The file button: asks for another file and loads it; every failure is silent. True when
    // the chosen file was opened and read.
    bool cmdAddFile_Click();

private:
    ReturnAddressState& m_state;
    FileChannel& m_channel;
    ReturnAddressView& m_view;
    Dialogs& m_dialogs;
};

} // namespace addrell
