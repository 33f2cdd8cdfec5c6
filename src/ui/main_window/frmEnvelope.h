#pragma once

#include "automation/ServerFactories.h"
#include "automation/Variant.h"
#include "contacts/ContactBrowser.h"
#include "contacts/ContactFolderLoader.h"
#include "contacts/ContactsState.h"
#include "contacts/UseContact.h"
#include "printing/EnvelopePrintJob.h"
#include "printing/WordInstance.h"
#include "printing/WordState.h"
#include "return_address/FileChannel.h"
#include "return_address/ReturnAddressController.h"
#include "return_address/ReturnAddressState.h"
#include "servers/envelope_printer/destinations/AvailablePrinter.h"
#include "settings/EnvelopeSettings.h"
#include "ui/envelope_options/QtFontChooser.h"
#include "ui/help_window/frmHelp.h"
#include "ui/main_window/adapters/QtContactsView.h"
#include "ui/main_window/adapters/QtPrintView.h"
#include "ui/main_window/adapters/QtReturnAddressView.h"
#include "ui/main_window/adapters/QtSelectionView.h"
#include "ui/main_window/layout/ControlSet.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

namespace addrell {

class Dialogs;

// The main window: it owns the program's state and wires the controls to the handlers of each
// subsystem. No failure escapes a handler: what reaches the window is shown in a message box.
class frmEnvelope : public QWidget {
    Q_OBJECT
public:
    // The print queues the envelope options offer.
    using PrinterList = std::function<std::vector<AvailablePrinter>()>;

    // `applicationFolder` holds the sample return address file; `configFolder` ($XDG_CONFIG_HOME)
    // the settings and the user's own return addresses. The servers the window drives come from
    // `factories`.
    frmEnvelope(const QString& applicationFolder, const QString& configFolder, Dialogs& dialogs,
                ServerFactories factories, PrinterList printers, QWidget* parent = nullptr);
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
    [[nodiscard]] bool blnNoContacts() const noexcept { return m_contacts.blnNoContacts; }
    [[nodiscard]] bool blnNoWord() const noexcept { return m_word.blnNoWord; }
    [[nodiscard]] bool blnMSWord();
    [[nodiscard]] const Variant& varCurRow() const noexcept { return m_contacts.varCurRow; }
    // What every print uses: the kept envelope options, then the ones accepted in the dialog.
    [[nodiscard]] const EnvelopeOptions& envelopeOptions() const noexcept
    {
        return m_printJob.options();
    }
    // The help window while it is open (F1 opens it), else null.
    [[nodiscard]] frmHelp* helpWindow() const noexcept { return m_help; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
    void cmdExit_Click();
    void cboAddress_Click();
    void cmdAddFile_Click();
    void cmdOptions_Click();
    void Option2_Toggled();
    void cmdPrint_Click();
    void cmdPreview_Click();
    void cmdNext_Click();
    void cmdPrevious_Click();
    void MSFG1_MouseUp();
    void txtAddress_Edited();
    void showHelp();

    // Runs an event handler so that any failure it lets through becomes a message box.
    void dispatch(const std::function<void()>& handler);
    void connectEvents();

    Dialogs& m_dialogs;
    ServerFactories m_factories;
    ControlSet m_controls;
    QString m_applicationFolder;
    QString m_configFolder;
    EnvelopeSettings m_settings;
    PrinterList m_printers;
    QtFontChooser m_fontChooser;

    // The window-level fields.
    WordState m_word; // objWord, objDoc, objWordSel, blnNoWord
    // objOutlook, objExplorer, objNameSpace, objSelection, objContact, strAddress,
    // blnNoContacts, varCurRow
    ContactsState m_contacts;
    QString m_strAppPath;
    ReturnAddressState m_returnAddress; // strReturnFile, colAddresses, colEntry

    FileChannel m_fileChannel;
    QtReturnAddressView m_returnAddressView;
    ReturnAddressController m_returnAddressController;
    QtPrintView m_printView;
    QtSelectionView m_selectionView;
    WordInstance m_wordInstance;
    EnvelopePrintJob m_printJob;
    QtContactsView m_contactsView;
    ContactFolderLoader m_folderLoader;
    UseContact m_useContact;
    ContactBrowser m_browser;
    QPointer<frmHelp> m_help;
    bool m_unloaded = false;
};

} // namespace addrell
