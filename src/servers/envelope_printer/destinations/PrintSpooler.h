#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

namespace addrell {

// Job options as the print server takes them, name and value ("media", "na_letter_8.5x11in").
using PrintOptions = QList<std::pair<QByteArray, QByteArray>>;

enum class PrinterAvailability { Missing, NotAcceptingJobs, Accepting };

// Why the print server did not take a job.
struct SpoolFailure {
    bool notAcceptingJobs = false;
    QString message;
};

// The print server: which printer is the default, whether a printer takes jobs, and sending a
// finished PDF to it. CupsPrintSpooler is the real one; tests give a fake.
class PrintSpooler {
public:
    virtual ~PrintSpooler() = default;

    // Nothing when there is no default printer or no print server answers.
    [[nodiscard]] virtual std::optional<QString> defaultPrinter() = 0;
    [[nodiscard]] virtual PrinterAvailability availability(const QString& printer) = 0;
    // Nothing when the server queued the job.
    [[nodiscard]] virtual std::optional<SpoolFailure> submit(const QString& printer,
                                                             const QString& pdfFileName,
                                                             const QString& title,
                                                             const PrintOptions& options) = 0;

protected:
    PrintSpooler() = default;
    PrintSpooler(const PrintSpooler&) = default;
    PrintSpooler& operator=(const PrintSpooler&) = default;
};

} // namespace addrell
