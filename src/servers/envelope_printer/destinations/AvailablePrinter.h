#pragma once

#include <QString>

namespace addrell {

// A print queue as a list of printers shows it.
class AvailablePrinter {
public:
    AvailablePrinter(QString name, QString description, bool isDefault, bool acceptingJobs)
        : m_name(std::move(name)), m_description(std::move(description)), m_isDefault(isDefault),
          m_acceptingJobs(acceptingJobs)
    {
    }

    // What Application.ActivePrinter takes.
    [[nodiscard]] const QString& name() const noexcept { return m_name; }
    // The queue's own description (printer-info); may be empty.
    [[nodiscard]] const QString& description() const noexcept { return m_description; }
    // The desktop's default printer.
    [[nodiscard]] bool isDefault() const noexcept { return m_isDefault; }
    // False for a queue that refuses jobs: printing to it fails until it accepts them again.
    [[nodiscard]] bool acceptingJobs() const noexcept { return m_acceptingJobs; }

    friend bool operator==(const AvailablePrinter&, const AvailablePrinter&) = default;

private:
    QString m_name;
    QString m_description;
    bool m_isDefault;
    bool m_acceptingJobs;
};

} // namespace addrell
