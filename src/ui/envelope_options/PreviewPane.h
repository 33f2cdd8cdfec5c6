#pragma once

#include "printing/EnvelopeOptions.h"
#include "printing/preview/EnvelopePreview.h"

#include <QImage>
#include <QWidget>

#include <optional>

namespace addrell {

// The envelope as it will print, drawn by the envelope printer's renderer as large as the
// widget allows. An empty address shows sample text in its place.
class PreviewPane : public QWidget {
    Q_OBJECT
public:
    static inline const QString kSampleReturn =
        QStringLiteral("Your Name\r\nStreet and Number\r\nTown and Postcode");
    static inline const QString kSampleDelivery =
        QStringLiteral("Recipient Name\r\nStreet and Number\r\nTown and Postcode");

    explicit PreviewPane(QWidget* parent = nullptr);

    void setEnvelope(const EnvelopeOptions& options, const QString& returnText,
                     const QString& deliveryText);
    // The resolution the envelope is drawn at to fill the widget.
    [[nodiscard]] double dotsPerInch() const;
    // The envelope shown; nothing for options no envelope can be printed with.
    [[nodiscard]] std::optional<EnvelopePreview> envelope() const;
    // What the widget shows, drawn afresh; a null image for options that cannot print.
    [[nodiscard]] QImage picture(double dotsPerInch) const;

    [[nodiscard]] QSize sizeHint() const override { return {600, 240}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    EnvelopeOptions m_options;
    QString m_returnText;
    QString m_deliveryText;
    QImage m_cache;
};

} // namespace addrell
