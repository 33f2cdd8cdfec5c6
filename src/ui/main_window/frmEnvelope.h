#pragma once

#include "automation/ServerFactories.h"
#include "automation/Variant.h"
#include "printing/EnvelopePrintJob.h"
#include "printing/WordInstance.h"
#include "printing/WordState.h"
#include "return_address/FileChannel.h"
#include "return_address/ReturnAddressController.h"
#include "return_address/ReturnAddressState.h"
#include "ui/main_window/ControlSet.h"
#include "ui/main_window/QtPrintView.h"
#include "ui/main_window/QtReturnAddressView.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

namespace addrell {

class Dialogs;

namespace outlook {
class Application;
class Explorer;
class NameSpace;
class Selection;
class Item;
} // namespace outlook

// The main window: it owns the program's state and wires the controls to the handlers of each
// subsystem. No failure escapes a handler: what reaches the window is shown in a message box.
class frmEnvelope : public QWidget {
    Q_OBJECT
public:
    // `applicationFolder` is where the default return address file is looked for; the servers
    // the window drives come from `factories`.
    frmEnvelope(const QString& applicationFolder, Dialogs& dialogs, ServerFactories factories,
                QWidget* parent = nullptr);
    ~frmEnvelope() override;
    frmEnvelope(const frmEnvelope&) = delete;
    frmEnvelope& operator=(const frmEnvelope&) = delete;

    [[nodiscard]] bool OpenFile(const QString& sFileName);
    void FillCombo();

    [[nodiscard]] const ControlSet& controls() const noexcept { return m_controls; }
    template <typename T> [[nodiscard]] T* control(const QString& key) const
    {
        return m_controls.get<T>(key);
    }

    [[nodiscard]] const QString& strAppPath() const noexcept { return m_strAppPath; }
    [[nodiscard]] const ReturnAddressState& returnAddressState() const noexcept
    {
        return m_returnAddress;
    }
    [[nodiscard]] bool blnNoContacts() const noexcept { return m_blnNoContacts; }
    [[nodiscard]] bool blnNoWord() const noexcept { return m_word.blnNoWord; }
    [[nodiscard]] bool blnMSWord();
    [[nodiscard]] const Variant& varCurRow() const noexcept { return m_varCurRow; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
    void cmdExit_Click();
    void cboAddress_Click();
    void cmdAddFile_Click();
    void cmdPrint_Click();

    // Runs an event handler so that any failure it lets through becomes a message box.
    void dispatch(const std::function<void()>& handler);
    void connectEvents();

    Dialogs& m_dialogs;
    ServerFactories m_factories;
    ControlSet m_controls;
    QString m_applicationFolder;

    // The window-level fields.
    WordState m_word; // objWord, objDoc, objWordSel, blnNoWord
    std::shared_ptr<outlook::Application> m_objOutlook;
    std::shared_ptr<outlook::Explorer> m_objExplorer;
    std::shared_ptr<outlook::NameSpace> m_objNameSpace;
    std::shared_ptr<outlook::Selection> m_objSelection;
    std::shared_ptr<outlook::Item> m_objContact;
    QString m_strAddress;
    bool m_blnNoContacts = false;
    QString m_strAppPath;
    ReturnAddressState m_returnAddress; // strReturnFile, colAddresses, colEntry
    Variant m_varCurRow;

    FileChannel m_fileChannel;
    QtReturnAddressView m_returnAddressView;
    ReturnAddressController m_returnAddressController;
    QtPrintView m_printView;
    WordInstance m_wordInstance;
    EnvelopePrintJob m_printJob;
    bool m_unloaded = false;
};

} // namespace addrell
