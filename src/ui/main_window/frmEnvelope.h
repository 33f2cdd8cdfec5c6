#pragma once

#include "automation/Variant.h"
#include "return_address/FileChannel.h"
#include "return_address/ReturnAddressController.h"
#include "return_address/ReturnAddressState.h"
#include "ui/main_window/ControlSet.h"
#include "ui/main_window/QtReturnAddressView.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

namespace addrell {

class Dialogs;

namespace word {
class Application;
class Document;
class Selection;
} // namespace word

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
    // `applicationFolder` is where the default return address file is looked for.
    frmEnvelope(const QString& applicationFolder, Dialogs& dialogs, QWidget* parent = nullptr);
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
    [[nodiscard]] bool blnNoWord() const noexcept { return m_blnNoWord; }
    [[nodiscard]] const Variant& varCurRow() const noexcept { return m_varCurRow; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
    void cmdExit_Click();
    void cboAddress_Click();
    void cmdAddFile_Click();

    // Runs an event handler so that any failure it lets through becomes a message box.
    void dispatch(const std::function<void()>& handler);
    void connectEvents();

    Dialogs& m_dialogs;
    ControlSet m_controls;
    QString m_applicationFolder;

    // The window-level fields.
    std::shared_ptr<word::Application> m_objWord;
    std::shared_ptr<word::Document> m_objDoc;
    std::shared_ptr<word::Selection> m_objWordSel;
    std::shared_ptr<outlook::Application> m_objOutlook;
    std::shared_ptr<outlook::Explorer> m_objExplorer;
    std::shared_ptr<outlook::NameSpace> m_objNameSpace;
    std::shared_ptr<outlook::Selection> m_objSelection;
    std::shared_ptr<outlook::Item> m_objContact;
    QString m_strAddress;
    bool m_blnNoContacts = false;
    bool m_blnNoWord = false;
    QString m_strAppPath;
    ReturnAddressState m_returnAddress; // strReturnFile, colAddresses, colEntry
    Variant m_varCurRow;

    FileChannel m_fileChannel;
    QtReturnAddressView m_returnAddressView;
    ReturnAddressController m_returnAddressController;
    bool m_unloaded = false;
};

} // namespace addrell
