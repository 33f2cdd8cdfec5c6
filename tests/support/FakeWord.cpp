#include "FakeWord.h"

#include "automation/AutomationError.h"

namespace addrell::testing {

QString describe(const Variant& value)
{
    static const char* const kTypes[] = {"empty", "bool", "i16", "i32", "single", "double", "str"};
    if (value.type() == Variant::Type::Error) {
        return value.isMissing() ? QStringLiteral("missing")
                                 : QStringLiteral("error:%1").arg(value.toError().scode);
    }
    return value.isEmpty()
               ? QStringLiteral("empty")
               : QLatin1String(kTypes[static_cast<int>(value.type())]) + u':' + value.toString();
}

void WordLog::record(const QString& call)
{
    calls << call;
    if (failOn.isEmpty() || !call.startsWith(failOn)) {
        return;
    }
    if (thrown) {
        std::rethrow_exception(thrown);
    }
    throw AutomationError(-2146823680, QStringLiteral("The printer is out of envelopes."),
                          QStringLiteral("Fake Word"));
}

std::shared_ptr<word::Envelope> FakeDocument::Envelope()
{
    m_log->record(QStringLiteral("Document.Envelope"));
    return std::shared_ptr<word::Envelope>(shared_from_this(), this);
}

void FakeDocument::PrintOut(const word::PrintOutArguments& arguments)
{
    m_log->lastPrintOut = arguments;
    m_log->record(QStringLiteral("Envelope.PrintOut"));
}

std::shared_ptr<word::Style> FakeDocument::AddressStyle()
{
    m_log->record(QStringLiteral("Envelope.AddressStyle"));
    return std::make_shared<FakeStyle>(m_log, QStringLiteral("AddressStyle"));
}

std::shared_ptr<word::Style> FakeDocument::ReturnAddressStyle()
{
    m_log->record(QStringLiteral("Envelope.ReturnAddressStyle"));
    return std::make_shared<FakeStyle>(m_log, QStringLiteral("ReturnAddressStyle"));
}

FakeStyle::FakeStyle(std::shared_ptr<WordLog> log, QString name)
    : m_log(std::move(log)), m_name(std::move(name))
{
}

std::shared_ptr<word::Font> FakeStyle::Font()
{
    return std::shared_ptr<word::Font>(shared_from_this(), this);
}

void FakeStyle::set(const QString& property, const Variant& value)
{
    m_log->record(QStringLiteral("%1.Font.%2 = %3").arg(m_name, property, describe(value)));
}

void FakeDocument::AddToBatch(const word::PrintOutArguments& arguments)
{
    m_log->record(QStringLiteral("Envelope.AddToBatch"));
    m_log->batch.push_back(arguments);
}

word::BatchDestination FakeDocument::PrintBatch()
{
    m_log->record(QStringLiteral("Envelope.PrintBatch %1").arg(m_log->batch.size()));
    return m_log->destination;
}

FakeWordApplication::FakeWordApplication(std::shared_ptr<WordLog> log) : m_log(std::move(log))
{
    m_log->record(QStringLiteral("create Word.Application"));
    ++m_log->applicationsAlive;
}

FakeWordApplication::~FakeWordApplication()
{
    --m_log->applicationsAlive;
}

std::shared_ptr<word::Documents> FakeWordApplication::Documents()
{
    m_log->record(QStringLiteral("Application.Documents"));
    return std::shared_ptr<word::Documents>(shared_from_this(), this);
}

std::shared_ptr<word::Document> FakeWordApplication::Add(const Variant& Template,
                                                         const Variant& NewTemplate,
                                                         const Variant& DocumentType,
                                                         const Variant& Visible)
{
    m_log->record(QStringLiteral("Documents.Add(%1, %2, %3, %4)")
                      .arg(describe(Template), describe(NewTemplate), describe(DocumentType),
                           describe(Visible)));
    m_document = std::make_shared<FakeDocument>(m_log);
    return m_document;
}

std::shared_ptr<word::Document> FakeWordApplication::ActiveDocument()
{
    m_log->record(QStringLiteral("Application.ActiveDocument"));
    return m_document;
}

void FakeWordApplication::Quit(const Variant& SaveChanges, const Variant& OriginalFormat,
                               const Variant& RouteDocument)
{
    // Only the application itself may still hold the document when it is told to quit.
    const bool documentReleased = m_document.use_count() <= 1;
    m_log->record(QStringLiteral("Application.Quit(%1, %2, %3) document released: %4")
                      .arg(describe(SaveChanges), describe(OriginalFormat), describe(RouteDocument),
                           documentReleased ? QStringLiteral("yes") : QStringLiteral("no")));
}

void FakeWordApplication::ActivePrinter(const QString& value)
{
    m_log->record(QStringLiteral("Application.ActivePrinter = %1").arg(value));
}

void FakeWordApplication::SetPrinterShift(float Right, float Down)
{
    m_log->record(QStringLiteral("Application.SetPrinterShift(%1, %2)")
                      .arg(describe(Variant(Right)), describe(Variant(Down))));
}

FakeWordGlobal::FakeWordGlobal(std::shared_ptr<WordLog> log) : m_log(std::move(log))
{
    m_log->record(QStringLiteral("create Word.Global"));
}

Variant FakeWordGlobal::InchesToPoints(const Variant& Inches)
{
    m_log->record(QStringLiteral("Global.InchesToPoints(%1)").arg(describe(Inches)));
    return Variant(Inches.toSingle() * 72.0F);
}

} // namespace addrell::testing
