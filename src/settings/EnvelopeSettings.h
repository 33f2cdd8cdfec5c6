#pragma once

#include <QString>

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

private:
    std::unique_ptr<QSettings> m_store;
};

} // namespace addrell
