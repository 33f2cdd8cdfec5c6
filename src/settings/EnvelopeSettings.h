#pragma once

#include "printing/EnvelopeOptions.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QSettings;

namespace addrell {

// What Addrell keeps between runs, in <config folder>/Addrell/Addrell.conf (the file QSettings
// names for organisation and application "Addrell"). A value that is missing or unreadable reads
// as the default, so a first start opens as Addrell always did.
class EnvelopeSettings {
public:
    // configFolder is $XDG_CONFIG_HOME, ~/.config when unset.
    explicit EnvelopeSettings(const QString& configFolder);
    ~EnvelopeSettings();
    EnvelopeSettings(const EnvelopeSettings&) = delete;
    EnvelopeSettings& operator=(const EnvelopeSettings&) = delete;

    [[nodiscard]] static QString fileIn(const QString& configFolder);

    // The feed: "Print Center" when true, "Print Right" (the default) when false.
    [[nodiscard]] bool printCenter() const;
    void setPrintCenter(bool center);

    // The return address file last opened with the file button; empty when there is none.
    [[nodiscard]] QString returnAddressFile() const;
    void setReturnAddressFile(const QString& path);

    // The envelope options. A kept printer that `printers` no longer lists is the desktop's
    // default again; `printers` is asked only when a print queue is kept.
    [[nodiscard]] EnvelopeOptions options(const std::function<QStringList()>& printers) const;
    void setOptions(const EnvelopeOptions& options);

private:
    [[nodiscard]] std::optional<double> number(const QString& key) const;
    [[nodiscard]] std::optional<QPointF> point(const QString& prefix) const;
    void setPoint(const QString& prefix, std::optional<QPointF> point);
    [[nodiscard]] AddressFont font(const QString& prefix, AddressFont fallback) const;
    void setFont(const QString& prefix, const AddressFont& font);
    [[nodiscard]] EnvelopeSize size() const;

    std::unique_ptr<QSettings> m_store;
};

} // namespace addrell
