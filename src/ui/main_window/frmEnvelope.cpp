#include "ui/main_window/frmEnvelope.h"

#include "automation/AutomationError.h"
#include "automation/Dialogs.h"
#include "return_address/ReturnAddressLocation.h"
#include "ui/envelope_options/EnvelopeOptionsDialog.h"
#include "ui/main_window/adapters/ContactDropFilter.h"
#include "ui/main_window/controls/FlexGrid.h"
#include "ui/main_window/controls/TabControl.h"
#include "ui/main_window/controls/TextBox.h"
#include "ui/main_window/layout/LayoutTable.h"
#include "util/AddBackSlash.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include <cstdint>

namespace addrell {

namespace {

QRect pixels(const TwipRect& twips)
{
    return {LayoutTable::toPixels(twips.left), LayoutTable::toPixels(twips.top),
            LayoutTable::toPixels(twips.width), LayoutTable::toPixels(twips.height)};
}

// The window is built before its controls: they take its font and colours.
QWidget* prepareWindow(QWidget* window)
{
    // The design's Windows fonts, mapped to the metric-compatible ones Linux has.
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));

    window->setObjectName(QStringLiteral("frmEnvelope"));
    window->setWindowTitle(LayoutTable::windowTitle());
    window->setWindowIcon(QIcon(LayoutTable::windowIcon()));
    const FontSpec fontSpec = LayoutTable::windowFont();
    QFont font(fontSpec.family);
    font.setPointSizeF(fontSpec.points);
    window->setFont(font);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(LayoutTable::windowBackground()));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    const QRect client = pixels(LayoutTable::clientArea());
    window->setGeometry(client);
    window->setFixedSize(client.size());
    return window;
}

} // namespace

frmEnvelope::frmEnvelope(const QString& applicationFolder, const QString& configFolder,
                         Dialogs& dialogs, ServerFactories factories, PrinterList printers,
                         QWidget* parent)
    : QWidget(parent), m_dialogs(dialogs), m_factories(std::move(factories)),
      m_controls(ControlSet::build(prepareWindow(this))), m_applicationFolder(applicationFolder),
      m_configFolder(configFolder), m_settings(configFolder), m_printers(std::move(printers)),
      m_returnAddressView(m_controls, [this] { cboAddress_Click(); }),
      m_returnAddressController(m_returnAddress, m_fileChannel, m_returnAddressView, dialogs),
      m_printView(m_controls), m_selectionView(m_controls),
      m_wordInstance(m_word, m_factories, dialogs),
      m_printJob(m_word, m_wordInstance, m_factories, m_printView, m_selectionView, dialogs),
      m_contactsView(m_controls), m_folderLoader(m_contacts, m_factories, m_contactsView, dialogs),
      m_useContact(m_contacts, m_factories, m_folderLoader, m_contactsView, dialogs),
      m_browser(m_contacts, m_contactsView)
{
    connectEvents();
    new ContactDropFilter(*this, [this] { cmdPreview_Click(); }); // owned by the window
    Form_Load();
}

frmEnvelope::~frmEnvelope()
{
    Form_Unload();
}

void frmEnvelope::connectEvents()
{
    connect(control<QPushButton>(QStringLiteral("cmdExit")), &QPushButton::clicked, this,
            &frmEnvelope::cmdExit_Click);
    connect(control<QPushButton>(QStringLiteral("cmdAddFile")), &QPushButton::clicked, this,
            &frmEnvelope::cmdAddFile_Click);
    connect(control<QPushButton>(QStringLiteral("cmdPrint")), &QPushButton::clicked, this,
            &frmEnvelope::cmdPrint_Click);
    connect(control<QPushButton>(QStringLiteral("cmdOptions")), &QPushButton::clicked, this,
            &frmEnvelope::cmdOptions_Click);
    connect(control<QRadioButton>(QStringLiteral("Option2(1)")), &QRadioButton::toggled, this,
            &frmEnvelope::Option2_Toggled);
    connect(control<QPushButton>(QStringLiteral("cmdPreview")), &QPushButton::clicked, this,
            &frmEnvelope::cmdPreview_Click);
    connect(control<QPushButton>(QStringLiteral("cmdNext")), &QPushButton::clicked, this,
            &frmEnvelope::cmdNext_Click);
    connect(control<QPushButton>(QStringLiteral("cmdPrevious")), &QPushButton::clicked, this,
            &frmEnvelope::cmdPrevious_Click);
    connect(control<FlexGrid>(QStringLiteral("MSFG1")), &FlexGrid::mouseUp, this,
            &frmEnvelope::MSFG1_MouseUp);
    connect(control<TextBox>(QStringLiteral("txtAddress")), &TextBox::edited, this,
            &frmEnvelope::txtAddress_Edited);
    // A user's choice only; code that sets the index runs the handler itself.
    connect(control<QComboBox>(QStringLiteral("cboAddress")), &QComboBox::activated, this,
            &frmEnvelope::cboAddress_Click);
    // The design's own help button stays hidden; F1 is how a Linux desktop asks for help.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            &frmEnvelope::showHelp);
}

bool frmEnvelope::OpenFile(const QString& sFileName)
{
    return m_returnAddressController.OpenFile(sFileName);
}

void frmEnvelope::FillCombo()
{
    m_returnAddressController.FillCombo();
}

void frmEnvelope::Form_Load()
{
    dispatch([this] { control<TabControl>(QStringLiteral("SSTab1"))->setCurrentPage(0); });
    m_contacts.varCurRow = Variant(std::int16_t{1});
    m_contacts.blnNoContacts = true;
    m_word.blnNoWord = true;
    m_strAppPath = m_applicationFolder;
    AddBackSlash(m_strAppPath, QLatin1Char('/'));
    m_returnAddress.strReturnFile = ReturnAddressLocation::startFile(m_settings.returnAddressFile(),
                                                                     m_configFolder, m_strAppPath);
    m_printJob.setOptions(m_settings.options([this] {
        QStringList names;
        for (const AvailablePrinter& printer : m_printers()) {
            names << printer.name();
        }
        return names;
    }));
    if (m_settings.printCenter()) {
        control<QRadioButton>(QStringLiteral("Option2(1)"))->setChecked(true);
    }

    dispatch([this] {
        if (OpenFile(m_returnAddress.strReturnFile)) {
            FillCombo();
            // With fewer than two items, select the only one, or none.
            const int items = control<QComboBox>(QStringLiteral("cboAddress"))->count();
            if (items > 0) {
                m_returnAddressView.setAddressListIndex(items > 1 ? 1 : 0);
            }
            control<QLabel>(QStringLiteral("lblPath"))->setText(m_returnAddress.strReturnFile);
        } else {
            MessageBoxRequest request;
            request.text = QStringLiteral("No Return Address File Opened");
            request.icon = MessageIcon::Information;
            request.title = QStringLiteral("Return Address Error");
            m_dialogs.messageBox(request);
        }
    });

    control<QLabel>(QStringLiteral("lblstatus(1)"))->setText(QStringLiteral("No Contacts Opened"));
    control<QPushButton>(QStringLiteral("cmdExit"))->setFocus();
}

void frmEnvelope::Form_Unload()
{
    if (m_unloaded) {
        return;
    }
    m_unloaded = true;
    m_wordInstance.Shutdown();
}

void frmEnvelope::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

void frmEnvelope::cmdExit_Click()
{
    close();
}

void frmEnvelope::cboAddress_Click()
{
    dispatch([this] { m_returnAddressController.cboAddress_Click(); });
}

void frmEnvelope::cmdAddFile_Click()
{
    dispatch([this] {
        if (m_returnAddressController.cmdAddFile_Click()) {
            m_settings.setReturnAddressFile(m_returnAddress.strReturnFile);
        }
    });
}

void frmEnvelope::cmdOptions_Click()
{
    dispatch([this] {
        EnvelopeOptionsDialog dialog(m_printJob.options(), m_printers(), m_fontChooser,
                                     {m_printView.returnText(), m_printView.addressText()},
                                     MeasurementUnit::forLocale(QLocale()), this);
        if (dialog.exec() == QDialog::Accepted) {
            m_printJob.setOptions(dialog.options());
            m_settings.setOptions(dialog.options());
        }
    });
}

void frmEnvelope::Option2_Toggled()
{
    m_settings.setPrintCenter(control<QRadioButton>(QStringLiteral("Option2(1)"))->isChecked());
}

void frmEnvelope::cmdPrint_Click()
{
    dispatch([this] { m_printJob.cmdPrint_Click(); });
}

void frmEnvelope::cmdPreview_Click()
{
    dispatch([this] { m_useContact.cmdPreview_Click(); });
}

void frmEnvelope::cmdNext_Click()
{
    dispatch([this] { m_browser.cmdNext_Click(); });
}

void frmEnvelope::cmdPrevious_Click()
{
    dispatch([this] { m_browser.cmdPrevious_Click(); });
}

void frmEnvelope::MSFG1_MouseUp()
{
    dispatch([this] { m_browser.MSFG1_MouseUp(); });
}

void frmEnvelope::txtAddress_Edited()
{
    dispatch([this] { m_browser.txtAddress_Edited(); });
}

void frmEnvelope::mousePressEvent(QMouseEvent* event)
{
    // Only a press on the window's bare surface, not one a control let through.
    if (childAt(event->position().toPoint()) != nullptr) {
        QWidget::mousePressEvent(event);
        return;
    }
    const auto button = event->button() == Qt::LeftButton    ? ContactBrowser::MouseButton::Left
                        : event->button() == Qt::RightButton ? ContactBrowser::MouseButton::Right
                                                             : ContactBrowser::MouseButton::Middle;
    dispatch([this, button] { m_browser.Form_MouseDown(button); });
}

void frmEnvelope::showHelp()
{
    if (m_help == nullptr) {
        m_help = new frmHelp(this);
        // Closing it unloads it; the next F1 loads it afresh.
        m_help->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

bool frmEnvelope::blnMSWord()
{
    return m_wordInstance.blnMSWord();
}

void frmEnvelope::dispatch(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (...) {
        // Nothing may reach the event loop; if even the report fails, there is nothing left to do.
        try {
            const AutomationError error = AutomationError::fromCurrentException();
            MessageBoxRequest request;
            request.text = QStringLiteral("Error No: %1\r\nDescription: %2")
                               .arg(QString::number(error.number()), error.description());
            request.icon = MessageIcon::Critical;
            m_dialogs.messageBox(request);
        } catch (...) {
        }
    }
}

} // namespace addrell
