#include "ui/envelope_options/EnvelopeOptionsDialog.h"

#include "envelopes/EnvelopeSizes.h"
#include "servers/envelope_printer/render/EnvelopeZones.h"
#include "ui/envelope_options/FontButton.h"
#include "ui/envelope_options/LengthField.h"
#include "ui/envelope_options/PositionFields.h"
#include "ui/envelope_options/PreviewPane.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace addrell {

namespace {

// A custom envelope from a postcard's short side to a large catalogue envelope's long side.
constexpr double kSmallestSide = 144.0; // 2 in
constexpr double kLargestSide = 1440.0; // 20 in
// Printers are off by fractions of an inch; two inches either way is more than any needs.
constexpr double kLargestShift = 144.0;

EnvelopeSize::Unit sizeUnit(const MeasurementUnit& unit)
{
    return unit.isInches() ? EnvelopeSize::Unit::Inch : EnvelopeSize::Unit::Millimeter;
}

QLabel* labelFor(const QString& text, QWidget* field)
{
    auto* label = new QLabel(text);
    label->setBuddy(field);
    return label;
}

QGroupBox* section(const QString& title, QLayout* layout)
{
    auto* box = new QGroupBox(title);
    box->setLayout(layout);
    return box;
}

} // namespace

EnvelopeOptionsDialog::EnvelopeOptionsDialog(const EnvelopeOptions& options,
                                             const std::vector<AvailablePrinter>& printers,
                                             FontChooser& fonts, Addresses addresses,
                                             MeasurementUnit unit, QWidget* parent)
    : QDialog(parent), m_options(options), m_printers(printers), m_fonts(fonts),
      m_addresses(std::move(addresses)), m_unit(unit)
{
    setWindowTitle(QStringLiteral("Envelope Options"));
    setObjectName(QStringLiteral("EnvelopeOptionsDialog"));

    auto* fields = new QGridLayout;
    fields->addWidget(printerSection(), 0, 0);
    fields->addWidget(sizeSection(), 1, 0);
    fields->addWidget(fontSection(), 0, 1);
    fields->addWidget(positionSection(), 1, 1);

    m_preview = new PreviewPane(this);
    m_preview->setObjectName(QStringLiteral("preview"));
    auto* previewLayout = new QVBoxLayout;
    previewLayout->addWidget(m_preview);

    m_buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::RestoreDefaults, this);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_buttons->button(QDialogButtonBox::RestoreDefaults), &QPushButton::clicked, this,
            &EnvelopeOptionsDialog::restoreDefaults);

    auto* whole = new QVBoxLayout(this);
    whole->addLayout(fields);
    whole->addWidget(section(QStringLiteral("Preview"), previewLayout), 1);
    whole->addWidget(m_buttons);

    showOptions(m_options);
}

QWidget* EnvelopeOptionsDialog::printerSection()
{
    m_printer = new QComboBox;
    m_printer->setObjectName(QStringLiteral("printer"));
    for (const PrinterChoices::Choice& choice : m_printers.choices()) {
        m_printer->addItem(choice.label, choice.printer);
    }
    connect(m_printer, &QComboBox::activated, this, &EnvelopeOptionsDialog::printerChosen);
    auto* layout = new QFormLayout;
    layout->addRow(QStringLiteral("Print &to:"), m_printer);
    return section(QStringLiteral("Printer"), layout);
}

QWidget* EnvelopeOptionsDialog::sizeSection()
{
    m_size = new QComboBox;
    m_size->setObjectName(QStringLiteral("size"));
    for (const EnvelopeSize& size : EnvelopeSizes::all()) {
        m_size->addItem(
            QStringLiteral("%1 (%2)").arg(size.name(), m_unit.formatSize(size.sizePoints())),
            size.key());
    }
    m_size->addItem(QStringLiteral("Custom"), EnvelopeSizes::kCustomKey);
    m_width = new LengthField(m_unit, kSmallestSide, kLargestSide);
    m_width->setObjectName(QStringLiteral("width"));
    m_height = new LengthField(m_unit, kSmallestSide, kLargestSide);
    m_height->setObjectName(QStringLiteral("height"));
    connect(m_size, &QComboBox::activated, this, &EnvelopeOptionsDialog::sizeChosen);
    connect(m_width, &LengthField::valueChanged, this, &EnvelopeOptionsDialog::customSizeChanged);
    connect(m_height, &LengthField::valueChanged, this, &EnvelopeOptionsDialog::customSizeChanged);

    auto* sides = new QHBoxLayout;
    sides->addWidget(labelFor(QStringLiteral("&Width:"), m_width));
    sides->addWidget(m_width);
    sides->addWidget(labelFor(QStringLiteral("&Height:"), m_height));
    sides->addWidget(m_height);
    auto* layout = new QFormLayout;
    layout->addRow(QStringLiteral("&Envelope:"), m_size);
    layout->addRow(QString(), sides);
    return section(QStringLiteral("Envelope size"), layout);
}

QWidget* EnvelopeOptionsDialog::fontSection()
{
    m_deliveryFont = new FontButton(m_fonts, QStringLiteral("Delivery Address Font"));
    m_deliveryFont->setObjectName(QStringLiteral("deliveryFont"));
    m_returnFont = new FontButton(m_fonts, QStringLiteral("Return Address Font"));
    m_returnFont->setObjectName(QStringLiteral("returnFont"));
    connect(m_deliveryFont, &FontButton::fontChosen, this, &EnvelopeOptionsDialog::fieldsChanged);
    connect(m_returnFont, &FontButton::fontChosen, this, &EnvelopeOptionsDialog::fieldsChanged);
    auto* layout = new QFormLayout;
    layout->addRow(QStringLiteral("&Delivery address:"), m_deliveryFont);
    layout->addRow(QStringLiteral("&Return address:"), m_returnFont);
    return section(QStringLiteral("Fonts"), layout);
}

QWidget* EnvelopeOptionsDialog::positionSection()
{
    m_deliveryPosition = new PositionFields(m_unit, QStringLiteral("Delivery address"));
    m_deliveryPosition->setObjectName(QStringLiteral("deliveryPosition"));
    m_returnPosition = new PositionFields(m_unit, QStringLiteral("Return address"));
    m_returnPosition->setObjectName(QStringLiteral("returnPosition"));
    m_shiftRight = new LengthField(m_unit, -kLargestShift, kLargestShift);
    m_shiftRight->setObjectName(QStringLiteral("shiftRight"));
    m_shiftDown = new LengthField(m_unit, -kLargestShift, kLargestShift);
    m_shiftDown->setObjectName(QStringLiteral("shiftDown"));
    connect(m_deliveryPosition, &PositionFields::changed, this,
            &EnvelopeOptionsDialog::fieldsChanged);
    connect(m_returnPosition, &PositionFields::changed, this,
            &EnvelopeOptionsDialog::fieldsChanged);
    connect(m_shiftRight, &LengthField::valueChanged, this, &EnvelopeOptionsDialog::fieldsChanged);
    connect(m_shiftDown, &LengthField::valueChanged, this, &EnvelopeOptionsDialog::fieldsChanged);

    auto* shift = new QHBoxLayout;
    shift->addWidget(labelFor(QStringLiteral("Ri&ght:"), m_shiftRight));
    shift->addWidget(m_shiftRight);
    shift->addWidget(labelFor(QStringLiteral("Dow&n:"), m_shiftDown));
    shift->addWidget(m_shiftDown);
    shift->addStretch();
    auto* layout = new QFormLayout;
    layout->addRow(QStringLiteral("Delivery address:"), m_deliveryPosition);
    layout->addRow(QStringLiteral("Return address:"), m_returnPosition);
    layout->addRow(QStringLiteral("Printer shift:"), shift);
    return section(QStringLiteral("Position"), layout);
}

void EnvelopeOptionsDialog::showOptions(const EnvelopeOptions& options)
{
    m_options = options;
    // A printer the list no longer has gives way to the default, as a kept setting does.
    if (m_printers.indexOf(options.printer()) < 0) {
        m_options.setPrinter(QString());
    }
    m_printer->setCurrentIndex(m_printers.indexOf(m_options.printer()));
    m_size->setCurrentIndex(m_size->findData(options.size().key()));
    m_deliveryFont->setAddressFont(options.deliveryFont());
    m_returnFont->setAddressFont(options.returnFont());
    {
        const QSignalBlocker right(m_shiftRight);
        const QSignalBlocker down(m_shiftDown);
        m_shiftRight->setPoints(options.printerShift().x());
        m_shiftDown->setPoints(options.printerShift().y());
    }
    showSize();
}

// The sides shown in the fields, and the distances and suggestions that depend on them.
void EnvelopeOptionsDialog::showSize()
{
    const QSizeF envelope = m_options.size().sizePoints();
    {
        const QSignalBlocker width(m_width);
        const QSignalBlocker height(m_height);
        m_width->setPoints(envelope.width());
        m_height->setPoints(envelope.height());
    }
    const bool custom = m_options.size().key() == EnvelopeSizes::kCustomKey;
    m_width->setEnabled(custom);
    m_height->setEnabled(custom);
    const EnvelopeZones zones = EnvelopeZones::forEnvelope(envelope);
    m_deliveryPosition->setEnvelope(envelope);
    m_deliveryPosition->setPosition(m_options.deliveryPosition(), zones.preferredDelivery());
    m_returnPosition->setEnvelope(envelope);
    m_returnPosition->setPosition(m_options.returnPosition(), zones.returnArea().topLeft());
    fieldsChanged();
}

void EnvelopeOptionsDialog::printerChosen(int index)
{
    m_options.setPrinter(m_printer->itemData(index).toString());
}

void EnvelopeOptionsDialog::sizeChosen(int index)
{
    const QString key = m_size->itemData(index).toString();
    if (key == EnvelopeSizes::kCustomKey) {
        // Starts from the size chosen so far, in the user's unit.
        m_options.setSize(
            EnvelopeSizes::custom(m_width->value(), m_height->value(), sizeUnit(m_unit)));
    } else {
        m_options.setSize(EnvelopeSizes::byKey(key).value_or(EnvelopeSizes::number10()));
    }
    showSize();
}

void EnvelopeOptionsDialog::customSizeChanged()
{
    m_options.setSize(EnvelopeSizes::custom(m_width->value(), m_height->value(), sizeUnit(m_unit)));
    showSize();
}

void EnvelopeOptionsDialog::fieldsChanged()
{
    m_options.setDeliveryFont(m_deliveryFont->addressFont());
    m_options.setReturnFont(m_returnFont->addressFont());
    m_options.setDeliveryPosition(m_deliveryPosition->position());
    m_options.setReturnPosition(m_returnPosition->position());
    m_options.setPrinterShift(QPointF(m_shiftRight->points(), m_shiftDown->points()));
    redraw();
}

void EnvelopeOptionsDialog::restoreDefaults()
{
    showOptions(EnvelopeOptions());
}

void EnvelopeOptionsDialog::redraw()
{
    m_preview->setEnvelope(m_options, m_addresses.returnAddress, m_addresses.delivery);
}

} // namespace addrell
