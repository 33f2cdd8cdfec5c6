#pragma once

#include <QString>

namespace addrell {

// Where an envelope goes: the print server's default printer (or, with none, a PDF the user
// names), a printer by name, a PDF file, or a PDF the user names in any case.
class PrintTarget {
public:
    enum class Kind { DefaultPrinter, Printer, PdfFile, AskPdfFile };

    [[nodiscard]] static PrintTarget defaultPrinter() { return {Kind::DefaultPrinter, {}}; }
    [[nodiscard]] static PrintTarget askPdfFile() { return {Kind::AskPdfFile, {}}; }
    [[nodiscard]] static PrintTarget printer(QString name)
    {
        return {Kind::Printer, std::move(name)};
    }
    [[nodiscard]] static PrintTarget pdfFile(QString fileName)
    {
        return {Kind::PdfFile, std::move(fileName)};
    }

    [[nodiscard]] Kind kind() const noexcept { return m_kind; }
    // The printer's name or the PDF file's path; empty for the default printer and the asking.
    [[nodiscard]] const QString& name() const noexcept { return m_name; }

private:
    PrintTarget(Kind kind, QString name) : m_kind(kind), m_name(std::move(name)) {}

    Kind m_kind;
    QString m_name;
};

} // namespace addrell
