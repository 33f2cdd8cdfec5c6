#pragma once

#include "automation/word/WordApplication.h"

#include <QStringList>

#include <exception>
#include <memory>
#include <vector>

namespace addrell::testing {

// Writes a variant as type:value, so a log line shows exactly what was passed.
QString describe(const Variant& value);

// A recording stand-in for the word processor: every call goes into one shared log, and any
// call can be told to fail.
struct WordLog {
    QStringList calls;
    word::PrintOutArguments lastPrintOut;
    std::vector<word::PrintOutArguments> batch; // kept by AddToBatch until PrintBatch
    word::BatchDestination destination{false, QStringLiteral("EnvPDF")};
    QString failOn;            // the call that fails, e.g. "Documents.Add"
    std::exception_ptr thrown; // what it throws; the word processor's own error when empty
    int applicationsAlive = 0;

    void record(const QString& call);
};

// A document and its envelope in one.
class FakeDocument : public word::Document,
                     public word::Envelope,
                     public std::enable_shared_from_this<FakeDocument> {
public:
    explicit FakeDocument(std::shared_ptr<WordLog> log) : m_log(std::move(log)) {}
    std::shared_ptr<word::Envelope> Envelope() override;
    void PrintOut(const word::PrintOutArguments& arguments) override;
    std::shared_ptr<word::Style> AddressStyle() override;
    std::shared_ptr<word::Style> ReturnAddressStyle() override;
    void AddToBatch(const word::PrintOutArguments& arguments) override;
    word::BatchDestination PrintBatch() override;

private:
    std::shared_ptr<WordLog> m_log;
};

// A style and its font in one; every property set is logged as "<style>.Font.<name> = <value>".
class FakeStyle : public word::Style,
                  public word::Font,
                  public std::enable_shared_from_this<FakeStyle> {
public:
    FakeStyle(std::shared_ptr<WordLog> log, QString name);
    std::shared_ptr<word::Font> Font() override;
    QString Name() override { return m_name; }
    void Name(const QString& value) override { set(QStringLiteral("Name"), Variant(value)); }
    float Size() override { return 0.0F; }
    void Size(float value) override { set(QStringLiteral("Size"), Variant(value)); }
    bool Bold() override { return false; }
    void Bold(bool value) override { set(QStringLiteral("Bold"), Variant(value)); }
    bool Italic() override { return false; }
    void Italic(bool value) override { set(QStringLiteral("Italic"), Variant(value)); }

private:
    void set(const QString& property, const Variant& value);

    std::shared_ptr<WordLog> m_log;
    QString m_name;
};

class FakeWordApplication : public word::Application,
                            public word::Documents,
                            public std::enable_shared_from_this<FakeWordApplication> {
public:
    explicit FakeWordApplication(std::shared_ptr<WordLog> log);
    ~FakeWordApplication() override;
    std::shared_ptr<word::Documents> Documents() override;
    std::shared_ptr<word::Document> ActiveDocument() override;
    void Quit(const Variant& SaveChanges, const Variant& OriginalFormat,
              const Variant& RouteDocument) override;
    std::shared_ptr<word::Document> Add(const Variant& Template, const Variant& NewTemplate,
                                        const Variant& DocumentType,
                                        const Variant& Visible) override;
    QString ActivePrinter() override { return {}; } // the print job never reads it
    void ActivePrinter(const QString& value) override;
    void SetPrinterShift(float Right, float Down) override;

private:
    std::shared_ptr<WordLog> m_log;
    std::shared_ptr<FakeDocument> m_document;
};

class FakeWordGlobal : public word::Global {
public:
    explicit FakeWordGlobal(std::shared_ptr<WordLog> log);
    Variant InchesToPoints(const Variant& Inches) override;

private:
    std::shared_ptr<WordLog> m_log;
};

} // namespace addrell::testing
